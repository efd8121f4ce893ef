#include "print/Rapportlayout.h"

#include <QDate>
#include <QLocale>
#include <cmath>

namespace matvarda {
namespace {

constexpr double Punkt = Rapportpunkter / 72;

// The bands of the template, their heights and what they place where,
// counted from the left margin and the band's top.
constexpr double Huvudhojd = 71;
constexpr double Radhojd = 15;
constexpr double Fothojd = 193;

constexpr double RubrikX = 9;
constexpr double RubrikY = 34;
constexpr double UtskriftsrubrikHoger = 536 + 43;  // right-aligned in its design width
constexpr double HuvudY = 9;
constexpr double DatumX = 606;

constexpr double TextX = 8;
constexpr double ProcentX = 510;
constexpr double RekommendationX = 600;
constexpr double StapelX = 140;
constexpr double StapelY = 5;
constexpr double Stapelhojd = 6;
constexpr double Strecktjocklek = 0.4 / 25.4 * Rapportpunkter;
struct TStreck {
    double X;
    double Hojd;
};
constexpr TStreck Skalstreck[]{{240, 16}, {340, 18}, {440, 15}};  // 50 %, 100 %, 150 %

constexpr double CirkelY = 20;
constexpr double CirkelBredd = 293;
constexpr double CirkelHojd = 171;
constexpr double VerkligX = 4;
constexpr double IdealX = 334;

QString Andel(double varde, double summa) {
    return QString::number(static_cast<long long>(std::round(100 * varde / summa))) + QStringLiteral(" %");
}

QList<TCirkelbit> Bitar(QList<TCirkelbit> bitar) {
    double summa = 0;
    for (const TCirkelbit& bit : bitar) summa += bit.Varde;
    for (TCirkelbit& bit : bitar) bit.Markering = bit.Etikett + u' ' + (summa > 0 ? Andel(bit.Varde, summa) : QString());
    return bitar;
}

// The section's actual distribution; too little energy leaves it empty.
QList<TCirkelbit> VerkligaBitar(const std::optional<TEnergifordelning>& cirkel) {
    if (!cirkel) return {};
    const TEnergifordelning& e = *cirkel;
    if (!(e.Prot + e.Fett + e.Kolh + e.Alko > 10)) return {};
    QList<TCirkelbit> bitar{{QStringLiteral("Prot"), e.Prot, Rapportfarg::Gron},
                            {QStringLiteral("Fett"), e.Fett, Rapportfarg::Rod},
                            {QStringLiteral("Kolh"), e.Kolh, Rapportfarg::Bla}};
    if (e.Alko > 1) bitar.append({QStringLiteral("Alko"), e.Alko, Rapportfarg::Gul});
    return Bitar(bitar);
}

QList<TCirkelbit> IdealaBitar(const TIdealfordelning& ideal) {
    return Bitar({{QStringLiteral("Prot"), ideal.Protein, Rapportfarg::Gron},
                  {QStringLiteral("Fett"), ideal.Fett, Rapportfarg::Rod},
                  {QStringLiteral("Kolh"), ideal.Kolhydrat, Rapportfarg::Bla}});
}

class TLayoutare {
public:
    TLayoutare(const TRapport& rapport, const TLayoutval& val) : rapport_(rapport), val_(val) {}

    TRapportlayout Layouta() {
        const QList<TRapportavsnitt> avsnitten = Rapportavsnitt(rapport_);
        for (int a = 0; a < avsnitten.size(); ++a) Avsnitt(a, avsnitten[a]);
        return std::move(layout_);
    }

private:
    void NySida(int avsnitt) {
        layout_.Sidor.append({avsnitt, {}, {}, {}});
        y_ = Ovrigmarginal;
    }

    // Room for a band of `hojd` on this page, else a new one.
    void Plats(double hojd) {
        if (y_ + hojd > Sidnederkant) NySida(layout_.Sidor.last().Avsnitt);
    }

    void Text(double x, double y, const QString& text, Rapporttypsnitt typsnitt = Rapporttypsnitt::Rad) {
        if (text.isEmpty()) return;
        layout_.Sidor.last().Texter.append({Textruta(Vanstermarginal + x, y, text, typsnitt), text, typsnitt});
    }

    void Ruta(double x, double y, double bredd, double hojd, Rapportfarg farg) {
        layout_.Sidor.last().Rutor.append({QRectF(Vanstermarginal + x, y, bredd, hojd), farg});
    }

    void Avsnitt(int a, const TRapportavsnitt& avsnitt) {
        NySida(a);
        layout_.Innehall.append({avsnitt.Rubrik, static_cast<int>(layout_.Sidor.size()) - 1});
        Huvud(avsnitt.Rubrik);
        for (int rad = avsnitt.ForstaRad; rad < avsnitt.ForstaRad + avsnitt.AntalRader; ++rad) {
            Plats(Radhojd);
            // Row 0 holds the field names and shows as an empty line.
            if (rad > 0) Detalj(rapport_.Rapportbuffert[rad].del1);
            y_ += Radhojd;
        }
        if (!val_.Cirkeldiagram) return;
        Plats(Fothojd);
        Fot(avsnitt);
        y_ += Fothojd;
    }

    void Huvud(const QString& rubrik) {
        Text(RubrikX, y_ + RubrikY, rubrik, Rapporttypsnitt::Rubrik);
        const double bredd = val_.Rubrik.size() * Teckenbredd(Rapporttypsnitt::Rad);
        Text(UtskriftsrubrikHoger - bredd, y_ + HuvudY, val_.Rubrik);
        Text(DatumX, y_ + HuvudY, val_.Datum);
        y_ += Huvudhojd;
    }

    void Detalj(const QString& rad) {
        if (rad.isEmpty()) return;
        if (!ArStapelrad(rad)) {
            Text(TextX, y_, rad);
            return;
        }
        const TStapelrad stapel = LasStapelrad(rad);
        Text(TextX, y_, stapel.Etikett);
        Text(ProcentX, y_, Procentetikett(stapel));
        Text(RekommendationX, y_, stapel.Rekommendation);
        if (const int bredd = Stapelbredd(stapel); bredd > 0)
            Ruta(StapelX, y_ + StapelY, bredd, Stapelhojd, Rapportfarg::Bla);
        for (const TStreck& streck : Skalstreck) Ruta(streck.X, y_, Strecktjocklek, streck.Hojd, Rapportfarg::Svart);
    }

    void Fot(const TRapportavsnitt& avsnitt) {
        auto& cirklar = layout_.Sidor.last().Cirklar;
        for (TCirkeldiagram cirkel : Cirkelpar(avsnitt, val_.Idealfordelning)) {
            cirkel.Ruta.translate(Vanstermarginal, y_ + CirkelY);
            cirklar.append(cirkel);
        }
    }

    const TRapport& rapport_;
    const TLayoutval& val_;
    TRapportlayout layout_;
    double y_ = 0;
};

}  // namespace

double Typsnittsstorlek(Rapporttypsnitt typsnitt) {
    switch (typsnitt) {
    case Rapporttypsnitt::Rubrik:
        return 16 * Punkt;
    case Rapporttypsnitt::Titel:
        return 14 * Punkt;
    case Rapporttypsnitt::Cirkel:
        return 13;
    default:
        return 9 * Punkt;
    }
}

double Teckenbredd(Rapporttypsnitt typsnitt) { return 0.6 * Typsnittsstorlek(typsnitt); }

QRectF Textruta(double x, double y, const QString& text, Rapporttypsnitt typsnitt) {
    return {x, y, text.size() * Teckenbredd(typsnitt), 1.133 * Typsnittsstorlek(typsnitt)};
}

QString Rapportdatum() { return QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat); }

std::array<TCirkeldiagram, 2> Cirkelpar(const TRapportavsnitt& avsnitt, const TIdealfordelning& ideal) {
    return {{{QRectF(VerkligX, 0, CirkelBredd, CirkelHojd), QStringLiteral("Energifördelning, VERKLIG"),
              VerkligaBitar(avsnitt.Cirkel)},
             {QRectF(IdealX, 0, CirkelBredd, CirkelHojd), QStringLiteral("Energifördelning, IDEAL"),
              IdealaBitar(ideal)}}};
}

TRapportlayout LayoutaRapport(const TRapport& rapport, const TLayoutval& val) {
    return TLayoutare(rapport, val).Layouta();
}

QList<TTraff> SokIRapport(const TRapportlayout& layout, const QString& text) {
    QList<TTraff> traffar;
    if (text.isEmpty()) return traffar;
    for (int s = 0; s < layout.Sidor.size(); ++s) {
        for (const TTextpost& post : layout.Sidor[s].Texter) {
            const double bredd = Teckenbredd(post.Typsnitt);
            for (qsizetype i = post.Text.indexOf(text, 0, Qt::CaseInsensitive); i >= 0;
                 i = post.Text.indexOf(text, i + text.size(), Qt::CaseInsensitive))
                traffar.append({s, QRectF(post.Ruta.x() + i * bredd, post.Ruta.y(), text.size() * bredd,
                                          post.Ruta.height())});
        }
    }
    return traffar;
}

}  // namespace matvarda
