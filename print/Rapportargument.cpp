#include "print/Rapportargument.h"

#include "print/Rapportfiltyp.h"

#include <array>

namespace matvarda {
namespace {

const std::array<QString, 3> Omfattningar{QStringLiteral("maltid"), QStringLiteral("dag"), QStringLiteral("alla")};
const std::array<QString, AntalMaltider> Maltidsval{QStringLiteral("frukost"), QStringLiteral("lunch"),
                                                    QStringLiteral("middag"), QStringLiteral("mellanmal")};

template <std::size_t N>
int Index(const std::array<QString, N>& val, const QString& text) {
    for (std::size_t i = 0; i < N; ++i)
        if (val[i] == text) return static_cast<int>(i);
    return -1;
}

// A whole number from `minst` to `mest`, else -1.
int Heltal(const QString& text, int minst, int mest) {
    bool ok = false;
    const int tal = text.toInt(&ok);
    return ok && tal >= minst && tal <= mest ? tal : -1;
}

class TTolkning {
public:
    explicit TTolkning(const QStringList& argument) : argument_(argument) {}

    TRapportargument Tolka() {
        for (i_ = 0; i_ < argument_.size() && resultat_.Fel.isEmpty(); ++i_) Argument(argument_[i_]);
        TRapportkommando& k = resultat_.Kommando;
        if (!resultat_.Fel.isEmpty() || k.Hjalp) return resultat_;
        if (k.Berakningar.isEmpty()) return Fel(QStringLiteral("Ange minst en beräkning (.dbok)."));
        if (k.Ut.isEmpty()) return Fel(QStringLiteral("Ange var rapporten ska skrivas med -o."));
        return resultat_;
    }

private:
    TRapportargument Fel(const QString& text) {
        resultat_.Fel = text;
        return resultat_;
    }

    // The value after an option; an error when none follows.
    QString Varde(const QString& flagga) {
        if (i_ + 1 >= argument_.size()) {
            resultat_.Fel = QStringLiteral("%1 behöver ett värde.").arg(flagga);
            return {};
        }
        return argument_[++i_];
    }

    void Argument(const QString& a) {
        TRapportkommando& k = resultat_.Kommando;
        TUtskriftsval& v = k.Val;
        if (a == u"--help" || a == u"-h") k.Hjalp = true;
        else if (a == u"--pris") v.Pris = true;
        else if (a == u"--komprimerad") v.Komprimerad = true;
        else if (a == u"--utan-staplar") v.Stapeldiagram = false;
        else if (a == u"--utan-energifordelning") v.Fettsammansattning = false;
        else if (a == u"--utan-cirklar") k.Cirklar = false;
        else if (a == u"--rubrik") k.Rubrik = Varde(a);
        else if (a == u"-o") k.Ut = Varde(a);
        else if (a == u"--omfattning") Val(a, v.Omfattning, Index(Omfattningar, Varde(a)));
        else if (a == u"--maltid") Val(a, k.Maltid, Index(Maltidsval, Varde(a)));
        else if (a == u"--detalj") Val(a, v.Detaljniva, Heltal(Varde(a), 0, 3));
        else if (a == u"--dag") Val(a, k.Dag, Heltal(Varde(a), 1, AntalDagar) - 1);
        else if (a == u"--typ") Typ(Varde(a));
        else if (a.startsWith(u'-')) resultat_.Fel = QStringLiteral("Okänt val: %1").arg(a);
        else k.Berakningar << a;
    }

    // A value of a list or a range; -1 and below for one outside it.
    void Val(const QString& flagga, int& falt, int varde) {
        if (!resultat_.Fel.isEmpty()) return;
        if (varde < 0) resultat_.Fel = QStringLiteral("Ogiltigt värde för %1: %2").arg(flagga, argument_[i_]);
        else falt = varde;
    }

    void Typ(const QString& typ) {
        if (!resultat_.Fel.isEmpty()) return;
        if (!FiltypForAndelse(typ)) resultat_.Fel = QStringLiteral("Okänd filtyp: %1").arg(typ);
        else resultat_.Kommando.Typ = typ;
    }

    const QStringList& argument_;
    qsizetype i_ = 0;
    TRapportargument resultat_;
};

}  // namespace

TRapportargument LasRapportargument(const QStringList& argument) {
    return TTolkning(argument).Tolka();
}

QString Rapporthjalp() {
    return QStringLiteral(
        "Användning: matvarda rapport [VAL...] BERÄKNING.dbok... -o UT\n"
        "\n"
        "Skriver rapporten för sparade beräkningar, som \"Utskrift\" i programmet gör.\n"
        "Arbetsmappen är den aktuella mappen: tabeller, näringsämnenas namn, valda\n"
        "näringsämnen och inställningar läses därifrån. Varje beräkning läses med\n"
        "sin norm (.norm) och sina aktiviteter (.akt), som \"Hämta beräkning\" gör.\n"
        "\n"
        "UT är en fil för en beräkning eller en mapp för flera: en rapport per\n"
        "beräkning, med beräkningens namn. En fils typ följer dess ändelse.\n"
        "\n"
        "Val:\n"
        "  --omfattning maltid|dag|alla   vad som skrivs ut (alla)\n"
        "  --detalj 0|1|2|3               0 alla livsmedel i detalj, 1 endast\n"
        "                                 måltidssummor, 2 endast dagsummor,\n"
        "                                 3 endast periodsumma (0)\n"
        "  --dag 1..7                     dagen för maltid och dag (1)\n"
        "  --maltid frukost|lunch|middag|mellanmal\n"
        "                                 måltiden för maltid (frukost)\n"
        "  --pris                         skriv pris\n"
        "  --komprimerad                  komprimerad utskrift (utan summor och pris)\n"
        "  --utan-staplar                 utan stapeldiagram\n"
        "  --utan-energifordelning        utan raden med energifördelningen\n"
        "  --utan-cirklar                 utan cirkeldiagram\n"
        "  --rubrik TEXT                  rubrik överst till höger på varje sida\n"
        "  --typ pdf|rtf|xlsx|html|txt    filtyp i en mapp (pdf)\n"
        "  -o UT                          filen eller mappen som skrivs\n"
        "  --help                         visa denna hjälp\n");
}

}  // namespace matvarda
