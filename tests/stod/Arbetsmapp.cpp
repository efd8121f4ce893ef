#include "stod/Arbetsmapp.h"

#include <QDir>
#include <QFile>
#include <memory>
#include <stdexcept>

namespace matvarda::test {

QVector<Provlivsmedel> Provlivsmedlen() {
    return {
        {"1001", "Gurka", "Grönsaker", "Grönsaker", "st", 300, "25", {{0, 50}, {4, 0.7}, {6, 2}}},
        {"1002", "Tomat", "Grönsaker", "Grönsaker", "st", 120, "30", {{0, 80}, {4, 0.9}, {6, 3}}},
        {"1003", "Ärtor gröna", "Grönsaker", "Grönsaker", "dl", 65, "40", {{0, 300}, {4, 5}}},
        {"2001", "Äpple", "Frukt", "Frukt,bär", "st", 120, "25", {{0, 220}, {6, 11}}, {"dl", "klyfta"}, {60, 15}},
        {"4001", "Mjölk", "Mejeri", "Mjölk,ost", "glas", 200, "12,50", {{0, 250}, {4, 3.4}, {5, 1.5}, {23, 40}}},
        {"4002", "Ost", "Mejeri", "Mjölk,ost", "skiva", 10, "120", {{0, 1400}, {4, 25}, {5, 28}, {23, 600}}},
        {"A001", "Ärtsoppa", "Rätter", "Övrigt", "portion", 300, "35", {{0, 400}, {4, 6}}},
        {"A002", "Fisksoppa", "Rätter", "Övrigt", "portion", 300, "60", {{0, 350}, {4, 8}}},
        {"A003", "Soppa på ärtor", "Rätter", "Övrigt", "dl", 100, "50", {{0, 320}}},
        {"B001", "RESERV", "", "", "", 0, ""},
    };
}

namespace {

// The folder is made once per test process; every test gets a copy of it.
const QString& Forlaga() {
    static const auto mapp = [] {
        auto m = std::make_unique<QTemporaryDir>();
        const QDir d(m->path());
        SkapaLivsmedelstabell(d.path(), "fodtab100", Provlivsmedlen());
        SkapaLivsmedelstabell(d.path(), "fodtab2005", {});
        SkapaNormtabell(d.path(), {{11, "Kvinnor 11-14 år", {{0, 8500}, {1, 2030}, {4, 70}}},
                                   {12, "Kvinnor 15-18 år", {{0, 9000}, {1, 2150}, {4, 75}, {5, 70}, {23, 2000}}}});
        SkrivBytes(d.filePath("nvnamn.txt"),
                   "* namn\r\n15 Energi kJ,0\r\n16 Energi kcal,0\r\n19 Protein g,1\r\n20 Fett g,1\r\n"
                   "21 Kolhydrater g,1\r\n38 Natrium mg,0\r\n");
        SkrivBytes(d.filePath("nvval.txt"), "15\r\n19\r\n20\r\n21\r\n");
        SkrivBytes(d.filePath("info.txt"), "M1 Ät mer grönsaker.\r\nM2 Ät mindre salt.\r\n");
        SkrivBytes(d.filePath("aktiv.txt"), "Aktivitet\r\nBMR-faktor\r\nSova\r\n1.0\r\nPromenad\r\n3.5\r\n");
        return m;
    }();
    static const QString sokvag = mapp->path();
    return sokvag;
}

}  // namespace

TProvmapp::TProvmapp() {
    const QDir forlaga(Forlaga());
    for (const QString& namn : forlaga.entryList(QDir::Files))
        if (!QFile::copy(forlaga.filePath(namn), Fil(namn))) throw std::runtime_error("kan inte kopiera testmappen");
}

QString TProvmapp::Fil(const QString& namn) const { return QDir(mapp_.path()).filePath(namn); }

}  // namespace matvarda::test
