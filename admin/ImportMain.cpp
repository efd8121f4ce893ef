// matvarda_import: builds the food tables from a release of the agency's
// database, updates tables in use to a newer release, and builds the whole
// delivered working folder.

#include "admin/Dataleverans.h"
#include "admin/Livsmedelsimport.h"
#include "platform/Tabell.h"

#include <QCoreApplication>
#include <QTextStream>

using namespace matvarda;

namespace {

const char* const Hjalp = R"(Användning:
  matvarda_import ny <utgåva.csv> <regelmapp> <tabellmapp>
      Bygger fodtab100 och fodtab2005 på nytt ur en utgåva av
      Livsmedelsverkets livsmedelsdatabas (CSV som verket exporterar den).
      fodtab100 får utgåvans livsmedel och 100 reservrader, fodtab2005
      blir tom. Tabeller som redan finns i mappen ersätts.

  matvarda_import uppdatera <utgåva.csv> <regelmapp> <tabellmapp>
      För befintliga tabeller till en nyare utgåva. Livsmedel som finns
      kvar behåller sin kod och de priser, enheter och bildgrupper som
      står i fodtab100 (också sådant användaren ändrat); namn, grupp och
      näringsvärden tas från utgåvan. Nya livsmedel läggs till. Livsmedel
      som utgått flyttas till fodtab2005, så att gamla beräkningar
      fortfarande hittar dem. Egna rader och ifyllda reservrader står
      kvar, och reserven fylls på till 100 rader. De gamla tabellerna
      sparas som fodtab100.db.bak och fodtab2005.db.bak.

  matvarda_import leverans <datamapp> <utmapp>
      Bygger hela den levererade arbetsmappen: livsmedelstabellerna,
      normer.db och textfilerna, ur projektets datamapp (source/,
      regler/, normer.tsv och text/). Avbryter om något undantag inte
      längre passar utgåvan.

  matvarda_import visa <utgåva.csv> <regelmapp>
      Skriver vad reglerna ger varje livsmedel (kod, namn, grupp,
      bildgrupp, enheter, pris) som tabbseparerad text, för granskning.

Regelmappen håller grupper.tsv, enheter.tsv, priser.tsv och undantag.tsv.
)";

QTextStream& Ut() {
    static QTextStream ut(stdout);
    return ut;
}

QTextStream& Felut() {
    static QTextStream fel(stderr);
    return fel;
}

void SkrivResultat(const TImportresultat& r) {
    Ut() << r.Livsmedel << " livsmedel, varav " << r.Nya << " nya; " << r.Flyttade << " flyttade till fodtab2005; "
         << r.Reservrader << " lediga reservrader.\n";
    for (const QString& v : r.Varningar) Felut() << "Varning: " << v << "\n";
}

int Visa(const QString& utgavefil, const QString& regelmapp) {
    const TUtgava utgava = LasUtgava(utgavefil);
    const TLivsmedelsregler regler = TLivsmedelsregler::Las(regelmapp);
    QStringList varningar;
    Ut() << "Kod\tLivsmedel\tGrupp1\tGrupp2\tEnheter\tkgpris\n";
    for (const TKallivsmedel& l : utgava.Livsmedel) {
        const THarledning h = Harled(regler, l, varningar);
        Ut() << Livsmedelskod(h.Kodtecken, l.Nummer) << '\t' << l.Namn << '\t' << l.Gruppering << '\t' << h.Bildgrupp
             << '\t' << SkrivEnheter(h.Enheter) << '\t' << h.Kgpris << '\n';
    }
    for (const QString& v : varningar) Felut() << "Varning: " << v << "\n";
    return 0;
}

int Kor(const QStringList& arg) {
    const QString kommando = arg.value(0);
    if (kommando == QLatin1String("ny") && arg.size() == 4) {
        SkrivResultat(ByggLivsmedelstabeller(LasUtgava(arg[1]), TLivsmedelsregler::Las(arg[2]), arg[3]));
        return 0;
    }
    if (kommando == QLatin1String("uppdatera") && arg.size() == 4) {
        SkrivResultat(UppdateraLivsmedelstabeller(LasUtgava(arg[1]), TLivsmedelsregler::Las(arg[2]), arg[3]));
        return 0;
    }
    if (kommando == QLatin1String("leverans") && arg.size() == 3) {
        const QStringList varningar = ByggLeverans(arg[1], arg[2]);
        for (const QString& v : varningar) Felut() << "Fel: " << v << "\n";
        return varningar.isEmpty() ? 0 : 1;
    }
    if (kommando == QLatin1String("visa") && arg.size() == 3) return Visa(arg[1], arg[2]);
    const bool bettOmHjalp = kommando == QLatin1String("--help") || kommando == QLatin1String("-h");
    (bettOmHjalp ? Ut() : Felut()) << Hjalp;
    return bettOmHjalp ? 0 : 2;
}

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    try {
        return Kor(app.arguments().mid(1));
    } catch (const Fel& fel) {
        Felut() << fel.Meddelande() << "\n";
    }
    return 1;
}
