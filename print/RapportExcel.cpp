#include "print/RapportExcel.h"

#include "platform/Textfil.h"

#include <QFile>
#include <QSet>
#include <QTemporaryDir>
#include <xlsxwriter.h>

#include <cmath>
#include <deque>
#include <map>

namespace matvarda {
namespace {

// The columns of food and sum rows; the nutrients follow.
enum Kolumn : lxw_col_t { KNamn, KAntal, KEnhet, KGram, KPris, KKgpris, KForstaAmne };
// Bar rows: the short name, the amount and its unit, then these.
constexpr lxw_col_t KProcent = KGram;
constexpr lxw_col_t KRekommendation = KPris;
constexpr double Stapelskala = 1.85;  // the printed bar's end, 185 %

constexpr uint8_t A4 = 9;

lxw_color_t Farg(Rapportfarg farg) {
    switch (farg) {
    case Rapportfarg::Bla:
        return 0x0000FF;
    case Rapportfarg::Gron:
        return 0x008000;
    case Rapportfarg::Rod:
        return 0xFF0000;
    case Rapportfarg::Gul:
        return 0xFFFF00;
    default:
        return 0x000000;
    }
}

// Excel's rules for a sheet name: at most 31 characters, none of []:*?/\.
QString Bladnamn(const QString& rubrik, QSet<QString>& tagna) {
    QString namn = rubrik.simplified();
    for (QChar& tecken : namn)
        if (QStringLiteral("[]:*?/\\").contains(tecken)) tecken = u' ';
    namn = namn.left(31).trimmed();
    if (namn.isEmpty()) namn = QStringLiteral("Rapport");
    const QString grund = namn.left(26);
    for (int n = 2; tagna.contains(namn.toLower()); ++n) namn = grund + QStringLiteral(" (%1)").arg(n);
    tagna.insert(namn.toLower());
    return namn;
}

// "&" starts a code in a page header.
QString Sidhuvudtext(const QString& text) { return QString(text).replace(u'&', QStringLiteral("&&")); }

class TExcelskrivare {
public:
    TExcelskrivare(const TRapport& rapport, const TLayoutval& val, lxw_workbook* bok)
        : rapport_(rapport), val_(val), bok_(bok) {
        rad_ = Format();
        format_set_font_name(rad_, "Courier New");
        format_set_font_size(rad_, 9);
        rubrik_ = Format();
        format_set_font_name(rubrik_, "Courier New");
        format_set_font_size(rubrik_, 16);
        format_set_bold(rubrik_);
        fet_ = Format();
        format_set_bold(fet_);
        procent_ = Format();
        format_set_num_format(procent_, "0%");
    }

    bool Skriv() {
        QSet<QString> tagna;
        for (const TRapportavsnitt& avsnitt : Rapportavsnitt(rapport_))
            if (!Blad(avsnitt, Bladnamn(avsnitt.Rubrik, tagna))) return false;
        return true;
    }

private:
    const char* C(const QString& text) { return texter_.emplace_back(text.toUtf8()).constData(); }

    lxw_format* Format() { return workbook_add_format(bok_); }

    lxw_format* Talformat(int decimaler) {
        decimaler = std::clamp(decimaler, 0, 9);
        auto [plats, ny] = talformat_.try_emplace(decimaler, nullptr);
        if (ny) {
            plats->second = Format();
            format_set_num_format(plats->second, C(decimaler == 0 ? QStringLiteral("0")
                                                                  : QStringLiteral("0.") + QString(decimaler, u'0')));
        }
        return plats->second;
    }

    void Text(lxw_row_t rad, lxw_col_t kolumn, const QString& text, lxw_format* format = nullptr) {
        if (!text.trimmed().isEmpty()) worksheet_write_string(blad_, rad, kolumn, C(text), format);
    }

    void Tal(lxw_row_t rad, lxw_col_t kolumn, std::optional<double> tal, int decimaler) {
        if (!tal) return;
        if (std::isnan(*tal)) worksheet_write_string(blad_, rad, kolumn, "-", nullptr);
        else worksheet_write_number(blad_, rad, kolumn, *tal, Talformat(decimaler));
    }

    bool Blad(const TRapportavsnitt& avsnitt, const QString& namn) {
        blad_ = workbook_add_worksheet(bok_, C(namn));
        if (!blad_) return false;
        bladnamn_ = namn;
        Utskrift(avsnitt.Rubrik);
        worksheet_set_column(blad_, KNamn, KNamn, 40, nullptr);
        worksheet_set_column(blad_, KAntal, KKgpris, 9, nullptr);
        worksheet_set_column(blad_, KProcent, KProcent, 14, nullptr);
        worksheet_set_column(blad_, KForstaAmne, KForstaAmne + std::max<lxw_col_t>(rapport_.Amnen.size(), 1) - 1, 9,
                             nullptr);
        Text(0, KNamn, avsnitt.Rubrik, rubrik_);
        lxw_row_t ut = 2;
        const int slut = avsnitt.ForstaRad + avsnitt.AntalRader;
        auto post = std::lower_bound(rapport_.Poster.cbegin(), rapport_.Poster.cend(), ForstaTextrad(avsnitt),
                                     [](const TRapportpost& p, int rad) { return p.Rad < rad; });
        lxw_row_t staplarFran = 0;
        for (int r = ForstaTextrad(avsnitt); r < slut; ++ut) {
            if (post != rapport_.Poster.cend() && post->Rad == r) {
                if (post->Slag == Postslag::Stapel && staplarFran == 0) staplarFran = ut;
                Post(ut, *post);
                r += std::max(post->AntalRader, 1);
                ++post;
                continue;
            }
            Databar(staplarFran, ut);
            staplarFran = 0;
            Text(ut, KNamn, rapport_.Rapportbuffert[r].del1, rad_);
            ++r;
        }
        Databar(staplarFran, ut);
        if (val_.Cirkeldiagram) Cirklar(avsnitt, ut + 1);
        return true;
    }

    // A4, the title at left and the heading and the date at right on every
    // page, as wide as one page.
    void Utskrift(const QString& rubrik) {
        worksheet_set_paper(blad_, A4);
        worksheet_set_margins(blad_, 0.5, 0.25, 0.6, 0.25);
        const QString huvud = QStringLiteral("&L&\"Courier New,Bold\"&14") + Sidhuvudtext(rubrik).left(60) +
                              QStringLiteral("&R&\"Courier New\"&9") + Sidhuvudtext(val_.Rubrik).left(100) +
                              QStringLiteral("  ") + Sidhuvudtext(val_.Datum).left(20);
        worksheet_set_header(blad_, C(huvud));
        worksheet_fit_to_pages(blad_, 1, 0);
    }

    void Post(lxw_row_t rad, const TRapportpost& post) {
        switch (post.Slag) {
        case Postslag::Kolumnrubrik:
            Kolumnrubrik(rad, post);
            break;
        case Postslag::Stapel:
            Stapel(rad, post);
            break;
        default:
            Text(rad, KNamn, post.Namn);
            Tal(rad, KAntal, post.Antal, post.Antalsdecimaler);
            Text(rad, KEnhet, post.Enhet);
            Tal(rad, KGram, post.Gram, 0);
            Tal(rad, KPris, post.Pris, 2);
            Tal(rad, KKgpris, post.Kgpris, 2);
            for (int i = 0; i < post.Varden.size() && i < rapport_.Amnen.size(); ++i)
                Tal(rad, KForstaAmne + i, post.Varden[i], rapport_.Amnen[i].Decimaler);
        }
    }

    void Kolumnrubrik(lxw_row_t rad, const TRapportpost& post) {
        Text(rad, KNamn, post.Namn, fet_);
        if (post.Namn.trimmed() == u"Livsmedel") {
            Text(rad, KAntal, QStringLiteral("Antal"), fet_);
            Text(rad, KEnhet, QStringLiteral("Enhet"), fet_);
            Text(rad, KGram, QStringLiteral("Gram"), fet_);
        }
        Text(rad, KPris, QStringLiteral("kr"), fet_);
        Text(rad, KKgpris, QStringLiteral("kr/kg"), fet_);
        for (int i = 0; i < rapport_.Amnen.size(); ++i) Text(rad, KForstaAmne + i, rapport_.Amnen[i].Kortnamn, fet_);
    }

    void Stapel(lxw_row_t rad, const TRapportpost& post) {
        const bool amne = post.Amne >= 0 && post.Amne < rapport_.Amnen.size();
        Text(rad, KNamn, post.Namn);
        if (!post.Varden.isEmpty()) Tal(rad, KAntal, post.Varden.first(), amne ? rapport_.Amnen[post.Amne].Decimaler : 0);
        if (amne) Text(rad, KEnhet, rapport_.Amnen[post.Amne].Enhet);
        if (post.Procent) worksheet_write_number(blad_, rad, KProcent, *post.Procent / 100, procent_);
        else worksheet_write_string(blad_, rad, KProcent, "-", nullptr);
        Tal(rad, KRekommendation, post.Rekommendation, 0);
    }

    // The bars of rows `fran` to before `till`, on the printed scale.
    void Databar(lxw_row_t fran, lxw_row_t till) {
        if (fran == 0 || till <= fran) return;
        lxw_conditional_format villkor{};
        villkor.type = LXW_CONDITIONAL_DATA_BAR;
        villkor.bar_color = 0x0000FF;
        villkor.bar_solid = LXW_TRUE;
        villkor.min_rule_type = LXW_CONDITIONAL_RULE_TYPE_NUMBER;
        villkor.min_value = 0;
        villkor.max_rule_type = LXW_CONDITIONAL_RULE_TYPE_NUMBER;
        villkor.max_value = Stapelskala;
        worksheet_conditional_format_range(blad_, fran, KProcent, till - 1, KProcent, &villkor);
    }

    // Each pie's figures as a small table, and the pie drawn from them.
    void Cirklar(const TRapportavsnitt& avsnitt, lxw_row_t rad) {
        const auto cirklar = Cirkelpar(avsnitt, val_.Idealfordelning);
        for (std::size_t c = 0; c < cirklar.size(); ++c) {
            const TCirkeldiagram& cirkel = cirklar[c];
            const lxw_row_t tabell = rad + static_cast<lxw_row_t>(3 * c);
            Text(tabell, KNamn, cirkel.Titel, fet_);
            for (int i = 0; i < cirkel.Bitar.size(); ++i) {
                Text(tabell, KAntal + i, cirkel.Bitar[i].Etikett);
                worksheet_write_number(blad_, tabell + 1, KAntal + i, cirkel.Bitar[i].Varde, Talformat(0));
            }
            if (!cirkel.Bitar.isEmpty()) Cirkel(cirkel, tabell, rad + 6, static_cast<int>(c));
        }
    }

    QString Omrade(lxw_row_t rad, int antal) const {
        QString blad = bladnamn_;
        blad.replace(u'\'', QStringLiteral("''"));
        const auto cell = [](lxw_row_t r, lxw_col_t k) {
            return QStringLiteral("$%1$%2").arg(QChar(u'A' + k)).arg(r + 1);
        };
        return QStringLiteral("='%1'!%2:%3").arg(blad, cell(rad, KAntal), cell(rad, KAntal + antal - 1));
    }

    void Cirkel(const TCirkeldiagram& cirkel, lxw_row_t tabell, lxw_row_t plats, int vilken) {
        lxw_chart* diagram = workbook_add_chart(bok_, LXW_CHART_PIE);
        const int antal = static_cast<int>(cirkel.Bitar.size());
        lxw_chart_series* serie = chart_add_series(diagram, C(Omrade(tabell, antal)), C(Omrade(tabell + 1, antal)));
        chart_title_set_name(diagram, C(cirkel.Titel));
        chart_legend_set_position(diagram, LXW_CHART_LEGEND_NONE);
        chart_series_set_labels_options(serie, LXW_FALSE, LXW_TRUE, LXW_FALSE);
        chart_series_set_labels_percentage(serie);
        fyllningar_.resize(fyllningar_.size() + cirkel.Bitar.size());
        std::vector<lxw_chart_point> punkter(cirkel.Bitar.size());
        std::vector<lxw_chart_point*> pekare;
        for (std::size_t i = 0; i < punkter.size(); ++i) {
            lxw_chart_fill& fyllning = fyllningar_[fyllningar_.size() - punkter.size() + i];
            fyllning.color = Farg(cirkel.Bitar[static_cast<int>(i)].Farg);
            punkter[i].fill = &fyllning;
            pekare.push_back(&punkter[i]);
        }
        pekare.push_back(nullptr);
        chart_series_set_points(serie, pekare.data());
        lxw_chart_options val{};
        val.x_offset = vilken * 310;
        val.x_scale = 293.0 / 480;
        val.y_scale = 220.0 / 288;
        worksheet_insert_chart_opt(blad_, plats, KNamn, diagram, &val);
    }

    const TRapport& rapport_;
    const TLayoutval& val_;
    lxw_workbook* bok_;
    lxw_worksheet* blad_ = nullptr;
    QString bladnamn_;
    lxw_format* rad_ = nullptr;
    lxw_format* rubrik_ = nullptr;
    lxw_format* fet_ = nullptr;
    lxw_format* procent_ = nullptr;
    std::map<int, lxw_format*> talformat_;
    // The texts handed to the library live until the workbook is closed.
    std::deque<QByteArray> texter_;
    std::deque<lxw_chart_fill> fyllningar_;
};

}  // namespace

bool SkrivRapportExcel(const TRapport& rapport, const TLayoutval& val, const QString& fil) {
    // The library writes only to a name: the workbook is made in a folder of
    // its own and its bytes then go through the one file writer.
    const QTemporaryDir mapp;
    if (!mapp.isValid()) return false;
    const QByteArray namn = QFile::encodeName(mapp.filePath(QStringLiteral("rapport.xlsx")));
    lxw_workbook* bok = workbook_new(namn.constData());
    if (!bok) return false;
    const bool skrivet = TExcelskrivare(rapport, val, bok).Skriv();
    if (workbook_close(bok) != LXW_NO_ERROR || !skrivet) return false;
    const auto innehall = LasFil(QFile::decodeName(namn));
    return innehall && SkrivFil(fil, *innehall);
}

}  // namespace matvarda
