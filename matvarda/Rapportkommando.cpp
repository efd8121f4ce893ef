#include "matvarda/Rapportkommando.h"

#include "admin/Installningar.h"
#include "calc/RaknaOm.h"
#include "platform/Fel.h"
#include "files/Sparadberakning.h"
#include "matvarda/Start.h"
#include "need/Aktivitetskatalog.h"
#include "need/Norm.h"
#include "need/Nvval.h"
#include "print/Rapportargument.h"
#include "print/Rapportfil.h"
#include "platform/Tabell.h"
#include "platform/Textfil.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>
#include <QTextStream>
#include <memory>
#include <optional>

namespace matvarda {
namespace {

// Messages that the reading of a calculation shows go to the error stream,
// named with the file; nothing is asked on the command line.
class TKommandoradsdialoger : public Dialoger {
public:
    void Meddelande(const QString& text) override { Meddelanden << text; }
    Svar FragaJaNejAvbryt(const QString&) override { return Svar::Avbryt; }
    Svar FragaJaNej(const QString&) override { return Svar::Nej; }
    std::optional<QString> Inmatning(const QString&, const QString&, const QString&) override { return {}; }
    std::optional<QString> OppnaFil(const QString&, const QString&, const QString&) override { return {}; }
    std::optional<QString> SparaFil(const QString&, const QString&, const QString&, const QString&) override {
        return {};
    }
    bool Skrivardialog(QPrinter&) override { return false; }
    bool Typsnittsdialog(QFont&) override { return false; }

    QStringList Meddelanden;
};

struct TUtfil {
    QString Berakning;
    QString Fil;
    Rapportfiltyp Typ;
};

// One report per calculation: the file named, or in the folder a file
// named after each calculation. nullopt, after the message, when the
// output cannot be made.
std::optional<QList<TUtfil>> Utfiler(const TRapportkommando& k, QTextStream& fel) {
    const QFileInfo ut(k.Ut);
    const bool mapp = ut.isDir() || k.Berakningar.size() > 1 || k.Ut.endsWith(u'/');
    const QString andelse = !mapp ? ut.suffix().toLower() : k.Typ.isEmpty() ? QStringLiteral("pdf") : k.Typ;
    const auto typ = FiltypForAndelse(andelse);
    if (!typ) {
        fel << QStringLiteral("Okänd filtyp för %1: ange .pdf, .rtf, .xlsx, .html eller .txt.\n").arg(k.Ut);
        return std::nullopt;
    }
    if (!mapp) return QList<TUtfil>{{k.Berakningar.first(), k.Ut, *typ}};
    if (!QDir().mkpath(k.Ut)) {
        fel << QStringLiteral("Kan ej skapa mappen %1.\n").arg(k.Ut);
        return std::nullopt;
    }
    QList<TUtfil> filer;
    for (const QString& berakning : k.Berakningar)
        filer.append({berakning, QDir(k.Ut).filePath(QFileInfo(berakning).completeBaseName() + u'.' + andelse), *typ});
    return filer;
}

// What the program reads at its start: the folders, the food tables, the
// nutrient names, the default need, the selection, the settings and the
// activity catalogue. Throws Fel as the start does.
struct TArbetsmapp {
    explicit TArbetsmapp(const QString& mapp, QTextStream& fel) : Normer(mapp, QStringLiteral("normer")) {
        const QDir d(mapp);
        LasInitdir(mapp, Start.Start);
        OppnaLivsmedelstabeller(Start.Start.Tabellmapp, Tabeller, Start.Livsmedel);
        LasNaringsnamn(d.filePath(QStringLiteral("nvnamn.txt")), Start.Katalog);
        // As in the program, a norm table that cannot be read leaves the
        // need at 100; the saved need of each calculation still applies.
        try {
            Normer.Oppna();
            SattStandardbehov(Normer, Start.Behov);
        } catch (const Fel& f) {
            fel << f.Meddelande() << '\n';
        }
        if (const auto nvfel = LasNvval(d.filePath(QStringLiteral("nvval.txt")), Start.Urval)) fel << *nvfel << '\n';
        if (const auto texter = LasParafil(d.filePath(QStringLiteral("matvarda.para"))))
            TillampaInstallningar(*texter, Start.Installningar);
        LasAktivitetskatalog(d.filePath(Aktivitetskatalogfil), Start.Aktivitetskatalog);
    }

    TTillstand Start;
    TLivsmedelstabeller Tabeller;
    Tabell Normer;
};

bool SkrivRapport(const TRapportkommando& k, const TTillstand& t, const TUtfil& utfil) {
    const TLayoutval val{k.Cirklar, k.Rubrik, Rapportdatum(), t.Installningar.Idealfordelning};
    return SkrivRapportfil(utfil.Typ, KomponeraRapport(t, k.Val, k.Dag, k.Maltid), val, utfil.Fil);
}

// Reads the calculation into a copy of the start state and writes its
// report; false after saying why.
bool KorEn(const TRapportkommando& k, TArbetsmapp& mapp, const TUtfil& utfil, QTextStream& ut, QTextStream& fel) {
    auto t = std::make_unique<TTillstand>(mapp.Start);
    TKommandoradsdialoger dialoger;
    if (!LasBerakning(*t, mapp.Tabeller, mapp.Normer, dialoger, utfil.Berakning)) {
        fel << QStringLiteral("Kan ej läsa beräkningen %1.\n").arg(utfil.Berakning);
        return false;
    }
    for (const QString& meddelande : dialoger.Meddelanden) fel << utfil.Berakning << ": " << meddelande << '\n';
    RaknaOm(*t);
    if (!SkrivRapport(k, *t, utfil)) {
        fel << QStringLiteral("Kan ej skriva rapporten %1.\n").arg(utfil.Fil);
        return false;
    }
    ut << utfil.Berakning << " -> " << utfil.Fil << '\n';
    return true;
}

}  // namespace

int KorRapport(const QStringList& argument, const QString& arbetsmapp, QTextStream& ut, QTextStream& fel) {
    const TRapportargument tolkat = LasRapportargument(argument);
    if (!tolkat.Fel.isEmpty()) {
        fel << tolkat.Fel << QStringLiteral("\nSe matvarda rapport --help.\n");
        return 2;
    }
    const TRapportkommando& k = tolkat.Kommando;
    if (k.Hjalp) {
        ut << Rapporthjalp();
        return 0;
    }
    const auto filer = Utfiler(k, fel);
    if (!filer) return 2;
    std::unique_ptr<TArbetsmapp> mapp;
    try {
        mapp = std::make_unique<TArbetsmapp>(arbetsmapp, fel);
    } catch (const Fel& f) {
        fel << f.Meddelande() << '\n';
        return 2;
    }
    int status = 0;
    QSet<QString> skrivna;
    for (const TUtfil& utfil : *filer) {
        // Two calculations of the same name in different folders would
        // share a report; the second is not written over the first.
        if (skrivna.contains(utfil.Fil)) {
            fel << QStringLiteral("Rapporten för %1 skulle skriva över %2; den skrivs inte.\n")
                       .arg(utfil.Berakning, utfil.Fil);
            status = 1;
            continue;
        }
        skrivna.insert(utfil.Fil);
        try {
            if (!KorEn(k, *mapp, utfil, ut, fel)) status = 1;
        } catch (const Fel& f) {
            fel << QStringLiteral("Kan ej läsa beräkningen %1: %2\n").arg(utfil.Berakning, f.Meddelande());
            status = 1;
        }
    }
    ut.flush();
    fel.flush();
    return status;
}

void ValjPlattformForRapport() {
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY") &&
        qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
#endif
}

}  // namespace matvarda
