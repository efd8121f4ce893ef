#include "print/Rapport.h"

#include <QHash>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <utility>
#include <vector>

namespace matvarda {
namespace {

constexpr int Etikettbredd = 50;
constexpr int Kolumnbredd = 7;
constexpr int PerRad = 6;
constexpr int KomprimeratNamn = 62;
constexpr int KomprimeradEnhet = 8;
constexpr int Enhetsbredd = 9;
constexpr int Prisbredd = 21;

const QString Skallinje =
    QStringLiteral("                                50%           100%          150%       %av rek.     Rek.");
const QString ListrubrikMedPris =
    QStringLiteral("Livsmedel                                             Gram      kr      kgpris");
const QString Listrubrik = QStringLiteral("Livsmedel                                          Antal  Sort     Gram");
const QString Sammanstallningsrubrik = QStringLiteral("Sammanställning");

// Meal names fill nine characters wherever a report writes them.
const std::array<QString, AntalMaltider> Maltidsnamn9{QStringLiteral("Frukost  "), QStringLiteral("Lunch    "),
                                                      QStringLiteral("Middag   "), QStringLiteral("Mellanmål")};

QString Dagnamn(int dag) { return QStringLiteral("Dag %1").arg(dag + 1); }

// Digits of x with `decimaler` decimals and "."; halves round away from
// zero. -1 when x is too large for the buffer, or not a number.
int Fastpunkt(char16_t* ut, double x, int decimaler) {
    static constexpr double Tiopotens[] = {1, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8, 1e9};
    const double skalat = std::abs(x) * Tiopotens[decimaler];
    if (!(skalat < 1e15)) return -1;
    // Below 2^52 the fraction is exact, so this is the rounding, without
    // a call for every number.
    auto heltal = static_cast<std::uint64_t>(skalat);
    if (skalat - static_cast<double>(heltal) >= 0.5) ++heltal;
    const bool negativ = x < 0 && heltal != 0;
    char16_t baklanges[24];
    int antal = 0;
    do {
        baklanges[antal++] = static_cast<char16_t>(u'0' + heltal % 10);
        heltal /= 10;
    } while (heltal != 0 || antal <= decimaler);
    int langd = 0;
    if (negativ) ut[langd++] = u'-';
    for (int i = antal - 1; i >= 0; --i) {
        ut[langd++] = baklanges[i];
        if (i == decimaler && decimaler > 0) ut[langd++] = u'.';
    }
    return langd;
}

// A line being written. One buffer serves every line of a report, so a
// line costs one allocation however many numbers it holds: a full week
// formats some 41,000.
class TRad {
public:
    TRad& operator<<(QStringView text) {
        text_.append(text.utf16(), static_cast<std::size_t>(text.size()));
        return *this;
    }
    TRad& operator<<(char16_t tecken) {
        text_.push_back(tecken);
        return *this;
    }

    // pad: spaces up to `bredd` characters.
    TRad& Fyll(int bredd) {
        if (text_.size() < static_cast<std::size_t>(bredd)) text_.resize(static_cast<std::size_t>(bredd), u' ');
        return *this;
    }

    // F(x, w, d): right-aligned in at least `bredd` characters.
    TRad& Tal(double x, int bredd, int decimaler) {
        decimaler = std::clamp(decimaler, 0, 9);
        char16_t siffror[40];
        const int langd = Fastpunkt(siffror, x, decimaler);
        if (langd < 0) return *this << QString::number(x, 'f', decimaler).rightJustified(bredd, u' ');
        Mellanslag(bredd - langd);
        text_.append(siffror, static_cast<std::size_t>(langd));
        return *this;
    }

    // col7: right-aligned in seven; a longer text is written whole.
    TRad& Kolumn(QStringView text) {
        Mellanslag(Kolumnbredd - static_cast<int>(text.size()));
        return *this << text;
    }

    TRad& Mellanslag(int antal) {
        if (antal > 0) text_.append(static_cast<std::size_t>(antal), u' ');
        return *this;
    }

    int Langd() const { return static_cast<int>(text_.size()); }

    // The line written, leaving the buffer empty for the next.
    QString Ta() {
        QString rad(reinterpret_cast<const QChar*>(text_.data()), static_cast<qsizetype>(text_.size()));
        text_.clear();
        return rad;
    }

private:
    std::u16string text_;
};

// Units of a portion, none below 0.9 g a portion.
double Antal(const TMaltidsrad& rad) { return rad.Portion > 0.9f ? double(rad.Gram) / rad.Portion : 0.0; }

double Radpris(const TMaltidsrad& rad) { return double(rad.Kgpris) * rad.Gram / 1000; }

bool HarPris(const TMaltidsrad& rad) { return Radpris(rad) > 0.01 && rad.Kgpris > 0.01f; }

QString Kronor(double varde) { return SystemTal(varde, 2); }

struct TValtAmne {
    int Index;  // entry of a TNaringsvarden
    int Decimaler;
    QString Kortnamn;
    QString Enhet;  // the label's text after its first space
};

// Writes the sections of one report into it.
class TKompositor {
public:
    TKompositor(const TTillstand& t, const TUtskriftsval& val, TRapport& rapport)
        : t_(t), r_(t.Resultat), val_(val), rapport_(rapport) {
        for (int n = ForstaNaringsnummer; n <= SistaNaringsnummer; ++n) {
            if (!t.Urval.Valda[n]) continue;
            const QString& etikett = t.Katalog.NamnEnhet[n];
            const qsizetype mellanslag = etikett.indexOf(u' ');
            valda_.push_back({n - ForstaNaringsnummer, t.Katalog.Decimaler[n], t.Katalog.Kortnamn[n],
                              mellanslag < 0 ? QStringLiteral(" ") : etikett.mid(mellanslag + 1)});
        }
        for (const TValtAmne& amne : valda_) rapport_.Amnen.append({amne.Kortnamn, amne.Enhet, amne.Decimaler});
        SummaGrupper();
    }

    void Maltidsavsnitt(int d, int m) {
        rubrik_ = Dagnamn(d) + u' ' + Maltidsnamn9[m];
        if (val_.Detaljniva == 0) {
            Kolumnrubrik(QStringLiteral("Livsmedel"));
            for (int k = 1; k < AntalPlatser; ++k)
                if (!ArTom(t_.Dagbok.Berakning[d][m][k])) Livsmedelsblock(t_.Dagbok.Berakning[d][m][k]);
            Summablock(QStringLiteral("* Summa *"), QStringLiteral("* Summa *            "), r_.Maltidspris[d][m],
                       r_.Maltidssumma[d][m]);
        } else {
            Maltidslista(d, m);
            Skriv({});
        }
        Totaler(Maltidsnamn9[m], r_.Maltidssumma[d][m], r_.Maltidsprocent[d][m],
                t_.Installningar.Maltidsandel[m], r_.MaltidsEnergi[d][m]);
    }

    void Dagavsnitt(int d) {
        if (val_.Detaljniva <= 1)
            for (int m = 0; m < AntalMaltider; ++m)
                if (r_.Maltidssumma[d][m][EnergiKj] > 1) Maltidsavsnitt(d, m);
        rubrik_ = Dagnamn(d);
        Kolumnrubrik(QStringLiteral("   "));
        for (int m = 0; m < AntalMaltider; ++m)
            if (r_.Maltidssumma[d][m][EnergiKj] >= 1)
                Summablock(Maltidsnamn9[m], Maltidsnamn9[m] + QStringLiteral("      "), r_.Maltidspris[d][m],
                           r_.Maltidssumma[d][m]);
        if (!(r_.Dagssumma[d][EnergiKj] >= 1)) return;
        Summablock(QStringLiteral("Summa"), QStringLiteral("Summa          "), r_.Dagspris[d], r_.Dagssumma[d]);
        Totaler(Dagnamn(d), r_.Dagssumma[d], r_.Dagsprocent[d], 1, r_.DagsEnergi[d]);
    }

    // The meal lists only, then the day's bars; no sums and no prices.
    void KomprimeratDagavsnitt(int d) {
        rubrik_ = Dagnamn(d);
        for (int m = 0; m < AntalMaltider; ++m)
            if (r_.Maltidssumma[d][m][EnergiKj] > 1) KomprimeradMaltidslista(d, m);
        if (r_.Dagssumma[d][EnergiKj] >= 1) Totaler(Dagnamn(d), r_.Dagssumma[d], r_.Dagsprocent[d], 1, r_.DagsEnergi[d]);
        vantandeBlankrad_ = false;
    }

    void Sammanstallning() {
        if (val_.Detaljniva <= 2)
            for (int d = 0; d < AntalDagar; ++d)
                if (r_.Dagssumma[d][EnergiKj] > 0.5f) Dagavsnitt(d);
        rubrik_ = Sammanstallningsrubrik;
        Kolumnrubrik(QStringLiteral("   "));
        for (int d = 0; d < AntalDagar; ++d)
            if (r_.Dagssumma[d][EnergiKj] >= 0.5f)
                Summablock(Dagnamn(d), Dagnamn(d) + QStringLiteral("           "), r_.Dagspris[d], r_.Dagssumma[d]);
        if (!(r_.PeriodMedel[EnergiKj] >= 1)) return;
        Summablock(QStringLiteral("Medelvärde"), QStringLiteral("Medelvärde      "), r_.Medelpris, r_.PeriodMedel);
        Totaler(QStringLiteral("Perioden"), r_.PeriodMedel, r_.PeriodProcent, 1, r_.PeriodEnergi);
    }

private:
    void Skriv(QString rad) {
        if (vantandeBlankrad_) {
            vantandeBlankrad_ = false;
            Skriv({});
        }
        if (rapport_.Nastarad() == 1) rapport_.ForstaRubrik = rubrik_;
        rapport_.Rapportbuffert.append({std::move(rad), rubrik_});
    }

    // The blank line that opens the bars or the energy line; after a
    // compressed meal list, its closing blank line is this one.
    void InledandeBlankrad() {
        vantandeBlankrad_ = false;
        Skriv({});
    }

    // Header and sum lines: another line only after a full one whose last
    // nutrient is below 65, even when nothing is left for it.
    void SummaGrupper() {
        const int antal = static_cast<int>(valda_.size());
        int fran = 0;
        for (;;) {
            const int till = std::min(fran + PerRad, antal);
            summagrupper_.emplace_back(fran, till);
            if (till - fran < PerRad || valda_[till - 1].Index + ForstaNaringsnummer >= SistaNaringsnummer) return;
            fran = till;
        }
    }

    void SkrivRad() { Skriv(rad_.Ta()); }

    // The block's figures, over the lines written since its first.
    void Post(TRapportpost post) {
        post.AntalRader = rapport_.Nastarad() - post.Rad;
        rapport_.Poster.append(std::move(post));
    }

    // A food's name and grams, and its prices when the line shows them.
    TRapportpost Livsmedelspost(const TMaltidsrad& mat, int rad) const {
        TRapportpost post{.Slag = Postslag::Livsmedel, .Rad = rad, .Namn = mat.Livsmedel.left(Etikettbredd),
                          .Gram = double(mat.Gram)};
        if (val_.Pris && HarPris(mat)) {
            post.Pris = Radpris(mat);
            post.Kgpris = double(mat.Kgpris);
        }
        return post;
    }

    // The label area holds the label on the first line and is empty on the
    // continuation lines.
    void Kolumnrubrik(const QString& etikett) {
        const int forsta = rapport_.Nastarad();
        for (std::size_t g = 0; g < summagrupper_.size(); ++g) {
            if (g == 0) rad_ << etikett;
            rad_.Fyll(Etikettbredd);
            for (int i = summagrupper_[g].first; i < summagrupper_[g].second; ++i) rad_.Kolumn(valda_[i].Kortnamn);
            SkrivRad();
        }
        Post({.Slag = Postslag::Kolumnrubrik, .Rad = forsta, .Namn = etikett});
        Skriv({});
    }

    void Summablock(const QString& etikett, const QString& prisetikett, float pris, const TNaringsvarden& v) {
        const int forsta = rapport_.Nastarad();
        for (std::size_t g = 0; g < summagrupper_.size(); ++g) {
            if (g == 0 && val_.Pris) (rad_ << prisetikett).Tal(pris, 0, 2) << u" kr";
            else if (g == 0) rad_ << etikett;
            rad_.Fyll(Etikettbredd);
            for (int i = summagrupper_[g].first; i < summagrupper_[g].second; ++i)
                rad_.Tal(v[valda_[i].Index], Kolumnbredd, valda_[i].Decimaler);
            SkrivRad();
        }
        TRapportpost post{.Slag = Postslag::Summa, .Rad = forsta, .Namn = etikett};
        if (val_.Pris) post.Pris = pris;
        for (const TValtAmne& amne : valda_) post.Varden.append(v[amne.Index]);
        Post(std::move(post));
        Skriv({});
    }

    // The food's amounts of the chosen nutrients from `fran` up to `till`.
    void Radvarden(const TMaltidsrad& mat, int fran, int till) {
        const double gram = mat.Gram;
        for (int i = fran; i < till; ++i) {
            const float per100 = mat.Naring[valda_[i].Index];
            if (per100 < -0.1f) rad_ << u"      -";
            else rad_.Tal(per100 * gram / 100, Kolumnbredd, valda_[i].Decimaler);
        }
        SkrivRad();
    }

    // Six values on the name line, six on the amount line, then six a line
    // while any are left.
    void Livsmedelsblock(const TMaltidsrad& mat) {
        const int forsta = rapport_.Nastarad();
        const int antal = static_cast<int>(valda_.size());
        (rad_ << QStringView(mat.Livsmedel).left(Etikettbredd)).Fyll(Etikettbredd);
        Radvarden(mat, 0, std::min(PerRad, antal));
        Mangdtext(mat).Fyll(Etikettbredd);
        Radvarden(mat, std::min(PerRad, antal), std::min(2 * PerRad, antal));
        for (int fran = 2 * PerRad; fran < antal; fran += PerRad) {
            rad_.Fyll(Etikettbredd);
            Radvarden(mat, fran, std::min(fran + PerRad, antal));
        }
        TRapportpost post = Livsmedelspost(mat, forsta);
        if (!val_.Pris && Antal(mat) > 0.01) {
            post.Antal = Antal(mat);
            post.Enhet = mat.Enhet;
        }
        for (const TValtAmne& amne : valda_) {
            const float per100 = mat.Naring[amne.Index];
            post.Varden.append(per100 < -0.1f ? std::nan("") : per100 * double(mat.Gram) / 100);
        }
        Post(std::move(post));
        Skriv({});
    }

    // "1.00 glas = 200 gram"; with prices only the grams, then the price.
    TRad& Mangdtext(const TMaltidsrad& mat) {
        const double antal = val_.Pris ? 0.0 : Antal(mat);
        if (antal > 0.01) rad_.Tal(antal, 0, 2) << u' ' << mat.Enhet << u" = ";
        rad_.Tal(mat.Gram, 0, 0) << u" gram";
        if (!val_.Pris || !HarPris(mat)) return rad_;
        return rad_.Fyll(Prisbredd) << Kronor(Radpris(mat)) << u" kr   (" << Kronor(mat.Kgpris) << u" kr/kg)";
    }

    void Maltidslista(int d, int m) {
        Skriv(val_.Pris ? ListrubrikMedPris : Listrubrik);
        Skriv({});
        for (int k = 1; k < AntalPlatser; ++k) {
            const TMaltidsrad& mat = t_.Dagbok.Berakning[d][m][k];
            if (ArTom(mat)) continue;
            (rad_ << QStringView(mat.Livsmedel).left(Etikettbredd)).Fyll(Etikettbredd);
            TRapportpost post = Livsmedelspost(mat, rapport_.Nastarad());
            if (val_.Pris) {
                rad_.Tal(mat.Gram, 6, 0);
                if (HarPris(mat)) rad_ << u"      " << Kronor(Radpris(mat)) << u"      " << Kronor(mat.Kgpris);
            } else {
                const double antal = Antal(mat);
                rad_.Tal(antal, 5, 2) << u"  ";
                const int sort = rad_.Langd() + Enhetsbredd;
                if (antal > 0.01) rad_ << mat.Enhet;
                rad_.Fyll(sort).Tal(mat.Gram, 6, 0);
                post.Antal = antal;
                if (antal > 0.01) post.Enhet = mat.Enhet;
            }
            SkrivRad();
            Post(std::move(post));
        }
        if (!val_.Pris) return;
        Skriv({});
        (rad_ << u"Pris: ").Tal(r_.Maltidspris[d][m], 0, 2) << u" kr";
        SkrivRad();
    }

    void KomprimeradMaltidslista(int d, int m) {
        Skriv(QStringLiteral("*** ") + Maltidsnamn9[m] + QStringLiteral(" ***"));
        for (int k = 1; k < AntalPlatser; ++k) {
            const TMaltidsrad& mat = t_.Dagbok.Berakning[d][m][k];
            if (mat.Livsmedel.isEmpty()) continue;
            Skriv(KomprimeradRad(mat));
            Post({.Slag = Postslag::Livsmedel, .Rad = rapport_.Nastarad() - 1,
                  .Namn = mat.Livsmedel.left(KomprimeratNamn), .Antal = Antal(mat), .Antalsdecimaler = 1,
                  .Enhet = mat.Enhet.left(KomprimeradEnhet), .Gram = double(mat.Gram)});
        }
        vantandeBlankrad_ = true;
    }

    QString KomprimeradRad(const TMaltidsrad& mat) {
        (rad_ << QStringView(mat.Livsmedel).left(KomprimeratNamn)).Fyll(KomprimeratNamn);
        rad_.Tal(Antal(mat), 8, 1) << u"  ";
        const int enhet = rad_.Langd() + KomprimeradEnhet;
        (rad_ << QStringView(mat.Enhet).left(KomprimeradEnhet)).Fyll(enhet);
        rad_.Tal(mat.Gram, 6, 0) << u" gram";
        return rad_.Ta();
    }

    // Bars, energy line and pie entry of a meal, a day or the period. The
    // percent is of `andel` of the need; a meal without a share has none.
    void Totaler(const QString& vad, const TNaringsvarden& v, const TNaringsvarden& procent, float andel,
                 const TEnergifordelning& energi) {
        Staplar(vad, v, procent, andel);
        Energirad(energi);
        rapport_.Cirkelposter.append({rubrik_, energi});
    }

    void Staplar(const QString& vad, const TNaringsvarden& v, const TNaringsvarden& procent, float andel) {
        if (!val_.Stapeldiagram) return;
        InledandeBlankrad();
        Skriv({});
        Skriv(t_.Behov.Normtext + QStringLiteral("    ") + vad);
        Skriv({});
        Skriv(Skallinje);
        Skriv({});
        const bool utanAndel = !(andel > 0.001f);
        for (int i = 0; i < static_cast<int>(valda_.size()); ++i) {
            const TValtAmne& amne = valda_[i];
            TRapportpost post{.Slag = Postslag::Stapel, .Rad = rapport_.Nastarad(), .Namn = amne.Kortnamn,
                              .Varden = {double(v[amne.Index])}, .Amne = i};
            if (!utanAndel) {
                post.Procent = double(procent[amne.Index]) / andel;
                post.Rekommendation = double(t_.Behov.Dagsbehov[amne.Index]) * andel;
            }
            rad_ << Stapelmarke.unicode() << amne.Kortnamn << u' ';
            rad_.Tal(v[amne.Index], 0, amne.Decimaler) << u' ' << amne.Enhet << u" ?";
            if (utanAndel) rad_ << u' ';
            else rad_.Tal(double(procent[amne.Index]) / andel, 0, 0);
            rad_ << u'&';
            if (utanAndel) rad_ << u' ';
            else rad_.Tal(double(t_.Behov.Dagsbehov[amne.Index]) * andel, 0, 0);
            rad_ << u'@';
            SkrivRad();
            Post(std::move(post));
        }
    }

    void Energirad(const TEnergifordelning& e) {
        if (!val_.Fettsammansattning) return;
        InledandeBlankrad();
        (rad_ << u"Energifördelning: Protein ").Tal(e.Prot, 3, 0) << u"%   Fett ";
        rad_.Tal(e.Fett, 3, 0) << u"%     Kolhydrat ";
        rad_.Tal(e.Kolh, 3, 0) << u'%';
        if (e.Alko > 1) (rad_ << u"     Alkohol ").Tal(e.Alko, 3, 0) << u'%';
        SkrivRad();
    }

    const TTillstand& t_;
    const TResultat& r_;
    const TUtskriftsval& val_;
    TRapport& rapport_;
    std::vector<TValtAmne> valda_;
    std::vector<std::pair<int, int>> summagrupper_;
    QString rubrik_;
    TRad rad_;
    bool vantandeBlankrad_ = false;
};

}  // namespace

TRapport KomponeraRapport(const TTillstand& t, const TUtskriftsval& val, int dag, int maltid) {
    TRapport rapport;
    rapport.Rapportbuffert.append({QStringLiteral("del1"), QStringLiteral("del2")});
    dag = std::clamp(dag, 0, AntalDagar - 1);
    maltid = std::clamp(maltid, 0, AntalMaltider - 1);
    TKompositor kompositor(t, val, rapport);
    switch (val.Omfattning) {
    case 0:
        kompositor.Maltidsavsnitt(dag, maltid);
        break;
    case 1:
        if (val.Komprimerad) kompositor.KomprimeratDagavsnitt(dag);
        else kompositor.Dagavsnitt(dag);
        break;
    default:
        if (!val.Komprimerad) {
            kompositor.Sammanstallning();
            break;
        }
        for (int d = 0; d < AntalDagar; ++d)
            if (t.Resultat.Dagssumma[d][EnergiKj] > 0.5f) kompositor.KomprimeratDagavsnitt(d);
        break;
    }
    return rapport;
}

QString VisadRubrik(const TRapport& rapport, int rad) {
    if (rad < 0 || rad >= rapport.Nastarad()) return rapport.ForstaRubrik;
    const QString& rubrik = rapport.Rapportbuffert[rad].del2;
    return rad == 0 || rubrik.isEmpty() ? rapport.ForstaRubrik : rubrik;
}

QList<TRapportavsnitt> Rapportavsnitt(const TRapport& rapport) {
    // Every day and meal is written once, so a title names one section.
    QHash<QString, TEnergifordelning> cirklar;
    for (const TCirkelpost& post : rapport.Cirkelposter) cirklar.insert(post.Rubrik, post.Fordelning);
    QList<TRapportavsnitt> avsnitt;
    for (int rad = 0; rad < rapport.Nastarad(); ++rad) {
        const QString rubrik = VisadRubrik(rapport, rad);
        if (avsnitt.isEmpty() || avsnitt.last().Rubrik != rubrik) {
            TRapportavsnitt nytt{rubrik, rad, 0, std::nullopt};
            if (const auto cirkel = cirklar.constFind(rubrik); cirkel != cirklar.cend()) nytt.Cirkel = *cirkel;
            avsnitt.append(nytt);
        }
        ++avsnitt.last().AntalRader;
    }
    return avsnitt;
}

TStapelrad LasStapelrad(const QString& rad) {
    const QString text = ArStapelrad(rad) ? rad.mid(1) : rad;
    const qsizetype fraga = text.indexOf(u'?');
    TStapelrad stapel;
    stapel.Etikett = text.left(fraga < 0 ? text.size() : fraga);
    if (fraga < 0) return stapel;
    const qsizetype och = text.indexOf(u'&', fraga + 1);
    const qsizetype vid = och < 0 ? -1 : text.indexOf(u'@', och + 1);
    stapel.Procenttext = text.mid(fraga + 1, och < 0 ? -1 : och - fraga - 1);
    if (och >= 0) stapel.Rekommendation = text.mid(och + 1, vid < 0 ? -1 : vid - och - 1);
    // Far beyond the scale's end every percent draws the same.
    stapel.Procent = static_cast<int>(std::clamp(stapel.Procenttext.trimmed().toLongLong(), -100000LL, 100000LL));
    return stapel;
}

QString Procentetikett(const TStapelrad& stapel) {
    if (stapel.Procent <= 0) return QStringLiteral("       -");
    const QString pil = 2 * stapel.Procent > 370 ? QStringLiteral("-> ") : QStringLiteral("   ");
    return pil + stapel.Procenttext + u'%';
}

int Stapelbredd(const TStapelrad& stapel) { return std::clamp(2 * stapel.Procent, 0, 370); }

}  // namespace matvarda
