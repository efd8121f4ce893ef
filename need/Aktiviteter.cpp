#include "need/Aktiviteter.h"

#include "need/Norm.h"

#include <cmath>

namespace matvarda {
namespace {

constexpr int MattadeFettsyror = 26;
constexpr int EnkelomattadeFettsyror = 27;
constexpr int FleromattadeFettsyror = 28;
// kJ per gram times 100 percent.
constexpr float ProteinKolhydratDelare = 1700;
constexpr float FettDelare = 3700;

struct TGrundband {
    int Till;  // the band runs from the previous band's end + 1
    float ManW, ManK, KvinnaW, KvinnaK;
};

constexpr TGrundband Grundband[]{
    {3, 60.9f, -54, 61.0f, -51},   {10, 22.7f, 495, 22.5f, 499}, {18, 17.5f, 651, 12.2f, 746},
    {30, 15.3f, 679, 14.7f, 496},  {60, 11.6f, 879, 8.7f, 829},  {110, 13.5f, 487, 10.5f, 596},
};

struct TNormband {
    int Till;
    int Man, Kvinna;
};

constexpr TNormband Normband[]{
    {1, 21, 21}, {5, 22, 22}, {10, 23, 23}, {14, 1, 11}, {18, 2, 12}, {30, 3, 13}, {60, 4, 14}, {75, 5, 15}, {110, 6, 16},
};

float Enhetsfaktor(const TAktivitetslista& lista) { return lista.Energienhet == EnhetKj ? KjPerKcal : 1.0f; }

// Two decimals with a point; a tiny negative value is not shown as "-0.00".
QString Tvadecimaler(float varde) {
    const QString text = QString::number(static_cast<double>(varde), 'f', 2);
    return text == QLatin1String("-0.00") ? QStringLiteral("0.00") : text;
}

QString Utskriftsrad(const QString& namn, const QString& perMinut, const QString& minuter, const QString& energi) {
    return namn.leftJustified(41) + ' ' + perMinut.rightJustified(10) + ' ' + minuter.rightJustified(8) + ' ' +
           energi.rightJustified(10);
}

}  // namespace

int AvrundadAlder(const QString& alder) { return static_cast<int>(std::nearbyint(TextTillTal(alder))); }

std::optional<float> Grundomsattning(int kon, int alder, float vikt) {
    if (alder < 0) return std::nullopt;
    for (const TGrundband& band : Grundband) {
        if (alder > band.Till) continue;
        return kon == Man ? band.ManW * vikt + band.ManK : band.KvinnaW * vikt + band.KvinnaK;
    }
    return std::nullopt;
}

std::optional<int> Aktivnormnummer(int kon, int alder) {
    if (alder < 0) return std::nullopt;
    for (const TNormband& band : Normband)
        if (alder <= band.Till) return kon == Man ? band.Man : band.Kvinna;
    return std::nullopt;
}

void BeraknaGrundforbrukning(TAktivitetslista& lista) {
    if (const auto grund = Grundomsattning(lista.Kon, AvrundadAlder(lista.Alder), TextTillTal(lista.Vikt)))
        lista.Grundforbrukning = *grund;
    lista.GrundforbrukningPerMinut = lista.Grundforbrukning / MinuterPerDygn;
    for (TAktivitetsrad& rad : lista.Rader)
        if (rad.Anvand()) rad.PerMinut = Tvadecimaler((TextTillTal(rad.Faktor) - 1) * lista.GrundforbrukningPerMinut);
}

void BeraknaAktiviteter(TTillstand& t, Tabell& normer) {
    TAktivitetslista& lista = t.Aktiviteter;
    BeraknaGrundforbrukning(lista);
    lista.Aktivitetsenergi = 0;
    lista.MinuterKvar = MinuterPerDygn;
    for (TAktivitetsrad& rad : lista.Rader) {
        if (!rad.Anvand()) continue;
        // The per-minute value as shown, with its two decimals.
        const float energi = TextTillTal(rad.PerMinut) * TextTillTal(rad.Minuter);
        rad.Energi = Heltalstext(energi);
        lista.Aktivitetsenergi += energi;
        lista.MinuterKvar -= TextTillTal(rad.Minuter);
    }
    lista.Energibehov = lista.Grundforbrukning + lista.Aktivitetsenergi;
    SattAktivnorm(t, normer);
    t.Behov.Normtyp = QStringLiteral("aktivnorm");
}

void SattAktivnorm(TTillstand& t, Tabell& normer) {
    const TAktivitetslista& lista = t.Aktiviteter;
    TNaringsvarden& behov = t.Behov.Dagsbehov;
    if (const auto nummer = Aktivnormnummer(lista.Kon, AvrundadAlder(lista.Alder))) {
        try {
            if (!normer.ArOppen()) normer.Oppna();
            if (normer.HittaNyckel(*nummer)) behov = LasNormrad(normer).Behov;
        } catch (const Fel&) {
            // The norm window reports a table it cannot read; the energy
            // below is set all the same.
        }
    }
    const float kj = lista.Energibehov * KjPerKcal;
    const TIdealfordelning& ideal = t.Installningar.Idealfordelning;
    behov[EnergiKcal] = lista.Energibehov;
    behov[EnergiKj] = kj;
    behov[Protein] = ideal.Protein * kj / ProteinKolhydratDelare;
    behov[Fett] = ideal.Fett * kj / FettDelare;
    behov[Kolhydrater] = ideal.Kolhydrat * kj / ProteinKolhydratDelare;
    behov[MattadeFettsyror] = ideal.Mattat * kj / FettDelare;
    behov[EnkelomattadeFettsyror] = ideal.Enkelomattat * kj / FettDelare;
    behov[FleromattadeFettsyror] = ideal.Fleromattat * kj / FettDelare;
    t.Behov.Normtext = QStringLiteral("%1 %2 år, %3 kg.  %4 kJ/dag (%5 kcal/dag)")
                           .arg(lista.Kon == Man ? QStringLiteral("Man") : QStringLiteral("Kvinna"), lista.Alder,
                                lista.Vikt, Heltalstext(kj), Heltalstext(lista.Energibehov));
    t.Rubrik = QStringLiteral("Norm: ") + t.Behov.Normtext;
}

std::optional<int> LaggTillAktivitet(TAktivitetslista& lista, const TAktivitetspost& aktivitet) {
    for (int r = 1; r <= AntalAktivitetsrader; ++r) {
        TAktivitetsrad& rad = lista.Rader[r];
        if (rad.Anvand()) continue;
        rad = {aktivitet.Namn, aktivitet.Faktor, QString::number(StartminuterAktivitet), {}, {}};
        BeraknaGrundforbrukning(lista);
        return r;
    }
    return std::nullopt;
}

bool AndraMinuter(TAktivitetslista& lista, int rad, int minuter) {
    if (rad < 1 || rad > AntalAktivitetsrader || !lista.Rader[rad].Anvand()) return false;
    QString& text = lista.Rader[rad].Minuter;
    const float nya = TextTillTal(text) + static_cast<float>(minuter);
    text = nya < 0.5f ? QStringLiteral("0") : Heltalstext(nya);
    return true;
}

bool TaBortAktivitetsrad(TAktivitetslista& lista, int rad) {
    if (rad < 1 || rad > AntalAktivitetsrader) return false;
    for (int r = rad; r < AntalAktivitetsrader; ++r) lista.Rader[r] = lista.Rader[r + 1];
    lista.Rader[AntalAktivitetsrader] = {};
    return true;
}

void TomAktivitetstabell(TAktivitetslista& lista) {
    for (int r = 1; r <= AntalAktivitetsrader; ++r) lista.Rader[r] = {};
}

QString KjText(const QString& kcal) {
    if (kcal.isEmpty()) return {};
    return Heltalstext(TextTillTal(kcal) * KjPerKcal);
}

QString Grundforbrukningsetikett(int enhet) {
    return enhet == EnhetKj ? QStringLiteral("Grundförbrukn. kJ") : QStringLiteral("Grundförbrukn. kcal");
}

QString Aktivitetsetikett(int enhet) {
    return enhet == EnhetKj ? QStringLiteral("Aktivitet kJ") : QStringLiteral("Aktivitet kcal");
}

QString Grundforbrukningstext(const TAktivitetslista& lista) {
    return Heltalstext(lista.Grundforbrukning * Enhetsfaktor(lista));
}

QString Aktivitetsenergitext(const TAktivitetslista& lista) {
    return Heltalstext(lista.Aktivitetsenergi * Enhetsfaktor(lista));
}

QString MinuterKvarText(const TAktivitetslista& lista) { return Heltalstext(lista.MinuterKvar); }

std::array<TSerie, 2> Energidiagram(const TAktivitetslista& lista, const TResultat& resultat, int dag) {
    const float faktor = Enhetsfaktor(lista);
    const int intagsfalt = lista.Energienhet == EnhetKj ? EnergiKj : EnergiKcal;
    const double intag = resultat.Dagssumma.at(dag)[intagsfalt];
    const QString forbrukning = QStringLiteral("Förbrukn.");
    const QString intagsnamn = QStringLiteral("Intag");
    return {TSerie{{lista.Grundforbrukning * faktor, forbrukning, Farg::Gron}, {intag, intagsnamn, Farg::Rod}},
            TSerie{{lista.Aktivitetsenergi * faktor, forbrukning, Farg::Ljusgron}, {0, intagsnamn, Farg::Ljusgron}}};
}

QStringList Aktivitetsutskrift(const TAktivitetslista& lista, const QString& rubrik, const QString& datum) {
    QStringList rader{rubrik + QStringLiteral("   ") + datum, QString(),
                      QStringLiteral("AKTIVITETSLISTA för %1 %2 år  %3 kg")
                          .arg(lista.Kon == Man ? QStringLiteral("Man") : QStringLiteral("Kvinna"), lista.Alder, lista.Vikt),
                      QString(),
                      Utskriftsrad(QStringLiteral("Aktivitet"), QStringLiteral("+kcal/min"), QStringLiteral("Minuter"),
                                   QStringLiteral("+kcal")),
                      QString()};
    for (const TAktivitetsrad& rad : lista.Rader)
        if (rad.Anvand()) rader << Utskriftsrad(rad.Namn, rad.PerMinut, rad.Minuter, rad.Energi);
    rader << QString() << Grundforbrukningsetikett(lista.Energienhet) + QStringLiteral("   ") + Grundforbrukningstext(lista)
          << Aktivitetsetikett(lista.Energienhet) + QStringLiteral("  ") + Aktivitetsenergitext(lista);
    return rader;
}

}  // namespace matvarda
