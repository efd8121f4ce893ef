// Checks over the working folder the build delivers (build/data).

#include "admin/Livsmedelsregler.h"
#include "core/Livsmedel.h"
#include "core/Naringsamnen.h"
#include "platform/Textfil.h"
#include "platform/Tabell.h"

#include <QDir>
#include <QFile>
#include <QSet>
#include <QTemporaryDir>
#include <cmath>
#include <gtest/gtest.h>
#include <map>

namespace matvarda {
namespace {

const QString Leverans = QStringLiteral(MATVARDA_LEVERERAD_DATA);
constexpr int AntalAgencylivsmedel = 2333;
constexpr int AntalReserv = 100;

struct TLivsmedel {
    QString Kod, Livsmedel, Grupp1, Grupp2, Enhet, Kgpris;
    double Portion = 0, Kj = 0, Kcal = 0;
    QStringList Enheter;
    QVector<double> Vikter;
};

// The whole food table in primary-key order, read once for all tests.
const QVector<TLivsmedel>& Fodtab100() {
    static const QVector<TLivsmedel> rader = [] {
        QVector<TLivsmedel> r;
        Tabell tabell(Leverans, QStringLiteral("fodtab100"));
        tabell.Oppna();
        tabell.ValjIndex(QString());
        for (tabell.Forsta(); !tabell.Slut(); tabell.Nasta()) {
            TLivsmedel l{tabell.Text("Kod"), tabell.Text("Livsmedel"), tabell.Text("Grupp1"), tabell.Text("Grupp2"),
                         tabell.Text("Enhet"), tabell.Text("kgpris"), tabell.Flyttal("Portionsstorlek"),
                         tabell.Flyttal(ForstaNaringsfalt + EnergiKj), tabell.Flyttal(ForstaNaringsfalt + EnergiKcal)};
            for (int i = 1; i <= 4; ++i) {
                l.Enheter.append(tabell.Text(QStringLiteral("Enhet%1").arg(i)));
                l.Vikter.append(tabell.Flyttal(QStringLiteral("port%1").arg(i)));
            }
            r.append(l);
        }
        return r;
    }();
    return rader;
}

QVector<TLivsmedel> Agencylivsmedel() {
    QVector<TLivsmedel> r;
    for (const TLivsmedel& l : Fodtab100())
        if (l.Livsmedel != QLatin1String("RESERV")) r.append(l);
    return r;
}

QStringList Rader(const QString& fil) {
    const auto rader = LasTextrader(QDir(Leverans).filePath(fil));
    return rader.value_or(QStringList());
}

TEST(LevereradData, HoldsEveryFileTheProgramReads) {
    for (const char* fil : {"fodtab100.db", "fodtab2005.db", "normer.db", "nvnamn.txt", "nvval.txt", "aktiv.txt",
                            "info.txt", "matvarda.para", "kalla.txt"})
        EXPECT_TRUE(QFile::exists(QDir(Leverans).filePath(fil))) << fil;
    for (const char* fil : {"losenord.txt", "prisPassword.txt"})
        EXPECT_FALSE(QFile::exists(QDir(Leverans).filePath(fil))) << fil;
}

TEST(LevereradData, FoodTableHoldsTheReleaseThenTheReserve) {
    const auto& rader = Fodtab100();
    ASSERT_EQ(rader.size(), AntalAgencylivsmedel + AntalReserv);
    QSet<QString> koder;
    for (const TLivsmedel& l : rader) koder.insert(l.Kod);
    EXPECT_EQ(koder.size(), rader.size());
    for (int i = 0; i < rader.size(); ++i) {
        const bool reserv = i >= AntalAgencylivsmedel;
        EXPECT_EQ(rader[i].Livsmedel == QLatin1String("RESERV"), reserv) << rader[i].Kod.toStdString();
        EXPECT_EQ(rader[i].Kod.startsWith('Z'), reserv) << rader[i].Kod.toStdString();
        EXPECT_LE(rader[i].Kod.size(), 12);
    }
}

TEST(LevereradData, CodeCharacterAgreesWithTheGroup) {
    // Agency groups that lie wholly in one raw-material group.
    const std::map<QString, QChar> enda{
        {"Fett, olja", '7'},  {"Mejeri", '4'}, {"Frukt, bär", '2'},    {"Potatis", '3'}, {"Kött", '5'},
        {"Korv", '5'},        {"Bröd", '6'},   {"Mjöl", '6'},          {"Dryck", '9'},   {"Godis", '8'},
        {"Fisk, skaldjur", '5'}, {"Ägg, rom, kaviar", '5'}, {"Rätter", 'A'}};
    for (const TLivsmedel& l : Agencylivsmedel()) {
        const QChar tecken = l.Kod[0];
        EXPECT_TRUE((tecken >= '1' && tecken <= '9') || (tecken >= 'A' && tecken <= 'Y')) << l.Kod.toStdString();
        if (const auto i = enda.find(l.Grupp1); i != enda.end()) {
            EXPECT_EQ(tecken, i->second) << l.Livsmedel.toStdString();
        }
    }
}

TEST(LevereradData, EveryPictureGroupIsFoundByAnAreaOrButton) {
    for (const TLivsmedel& l : Agencylivsmedel()) {
        const QString g = l.Grupp2.toUpper();
        const bool hittas = !g.isEmpty() && std::any_of(Bildgrupper().begin(), Bildgrupper().end(),
                                                        [&](const QString& b) { return b.toUpper().contains(g); });
        EXPECT_TRUE(hittas) << l.Livsmedel.toStdString() << " / " << l.Grupp2.toStdString();
    }
}

TEST(LevereradData, EveryFoodHasUnitsWithGramsAndAPrice) {
    for (const TLivsmedel& l : Agencylivsmedel()) {
        EXPECT_FALSE(l.Enhet.isEmpty()) << l.Livsmedel.toStdString();
        EXPECT_LE(l.Enhet.size(), 8) << l.Livsmedel.toStdString();
        EXPECT_GT(l.Portion, 0) << l.Livsmedel.toStdString();
        EXPECT_TRUE(l.Enheter.contains(l.Enhet)) << l.Livsmedel.toStdString();
        for (int i = 0; i < 4; ++i) {
            if (!l.Enheter[i].isEmpty()) {
                EXPECT_GT(l.Vikter[i], 0) << l.Livsmedel.toStdString();
            }
        }
        EXPECT_FALSE(l.Kgpris.isEmpty()) << l.Livsmedel.toStdString();
        EXPECT_GE(TextTillTal(l.Kgpris), 0.0f);
    }
}

TEST(LevereradData, EnergyInKjAgreesWithKcalForNearlyAllFoods) {
    const auto livsmedel = Agencylivsmedel();
    const auto stammer = std::count_if(livsmedel.begin(), livsmedel.end(), [](const TLivsmedel& l) {
        return std::abs(l.Kj - 4.184 * l.Kcal) <= 0.005 * l.Kj + 2.5;  // both are rounded by the agency
    });
    EXPECT_GE(stammer, livsmedel.size() * 99 / 100);
}

TEST(LevereradData, FoodListBuildsFromTheDeliveredTables) {
    QTemporaryDir dir;
    for (const char* fil : {"fodtab100.db", "fodtab2005.db"})
        ASSERT_TRUE(QFile::copy(QDir(Leverans).filePath(fil), dir.filePath(fil)));
    TLivsmedelstabeller tabeller;
    TLivsmedelskatalog katalog;
    OppnaLivsmedelstabeller(dir.path(), tabeller, katalog);
    EXPECT_EQ(katalog.AntalLivsmedel, AntalAgencylivsmedel + AntalReserv);
    EXPECT_EQ(katalog.Grupplista.size(), 28);  // the agency's groups, "Bröd" among them
    EXPECT_TRUE(HamtaLivsmedel(tabeller.Fodtab100, katalog.Livsmedelslista.front().Kod));
}

TEST(LevereradData, NutrientCatalogueNamesAll51Nutrients) {
    TNaringskatalog katalog;
    ASSERT_NO_THROW(LasNaringsnamn(QDir(Leverans).filePath("nvnamn.txt"), katalog));
    for (int n = ForstaNaringsnummer; n <= SistaNaringsnummer; ++n) {
        EXPECT_FALSE(katalog.Kortnamn[n].isEmpty()) << n;
        // The unit must survive the cut of the label to 12 characters.
        EXPECT_TRUE(katalog.NamnEnhet[n].endsWith(' ' + katalog.Enhetsnamn[n]) ||
                    katalog.NamnEnhet[n].contains(' ' + katalog.Enhetsnamn[n]))
            << n;
        EXPECT_LE(katalog.NamnEnhet[n].size(), 12) << n;
    }
    EXPECT_EQ(katalog.NamnEnhet[36], QStringLiteral("Järn mg"));  // DOS letters converted
}

TEST(LevereradData, NutrientSelectionIsAscendingAndKnown) {
    const QStringList rader = Rader("nvval.txt");
    ASSERT_FALSE(rader.isEmpty());
    int forra = 0;
    for (const QString& rad : rader) {
        const int n = rad.toInt();
        EXPECT_GT(n, forra);
        EXPECT_GE(n, ForstaNaringsnummer);
        EXPECT_LE(n, SistaNaringsnummer);
        forra = n;
    }
}

TEST(LevereradData, AdviceTextsCoverEveryCode) {
    const QStringList rader = Rader("info.txt");
    for (int kod = 1; kod <= 32; ++kod) {
        const QString prefix = QStringLiteral("M%1 ").arg(kod);
        const auto antal = std::count_if(rader.begin(), rader.end(), [&](const QString& r) { return r.startsWith(prefix); });
        EXPECT_GE(antal, 2) << kod;
        EXPECT_LE(antal, 5) << kod;
    }
    // The advice is printed line by line without wrapping; a longer line
    // would run off the page.
    for (const QString& rad : rader) {
        EXPECT_TRUE(rad.startsWith('M')) << rad.toStdString();
        EXPECT_LE(rad.size(), 84) << rad.toStdString();
    }
}

TEST(LevereradData, ActivityCatalogueHasHeadingAndEverydayActivities) {
    const QStringList rader = Rader("aktiv.txt");
    ASSERT_EQ(rader.size() % 2, 0);
    EXPECT_EQ(rader.value(0), QStringLiteral("Aktivitet"));
    EXPECT_GE(rader.size() / 2 - 1, 40);
    EXPECT_LE(rader.size() / 2, 300);
    for (int i = 2; i < rader.size(); i += 2) {
        EXPECT_GE(rader[i].size(), 3) << rader[i].toStdString();
        const float faktor = TextTillTal(rader[i + 1]);
        // Multiples of the basal metabolism: nothing a person does uses less
        // than sleep, which is 1.
        EXPECT_GE(faktor, 1.0f) << rader[i].toStdString();
        if (rader[i] == QStringLiteral("Sova")) {
            EXPECT_EQ(rader[i + 1], QStringLiteral("1.0"));
        }
        EXPECT_LT(faktor, 15.0f) << rader[i].toStdString();
    }
}

TEST(LevereradData, SettingsHoldTheTenDefaults) {
    const QStringList rader = Rader("matvarda.para");
    ASSERT_EQ(rader.size(), 10);
    float andelar = 0;
    for (int i = 0; i < 4; ++i) andelar += TextTillTal(rader[i]);
    EXPECT_FLOAT_EQ(andelar, 100.0f);
    EXPECT_FLOAT_EQ(TextTillTal(rader[4]) + TextTillTal(rader[5]) + TextTillTal(rader[6]), 100.0f);
}

TEST(LevereradData, NormRowsForEveryAgeBandHaveAnEnergyNeed) {
    Tabell normer(Leverans, QStringLiteral("normer"));
    normer.Oppna();
    for (const int nr : {1, 2, 3, 4, 5, 6, 11, 12, 13, 14, 15, 16}) {
        ASSERT_TRUE(normer.HittaNyckel(nr)) << nr;
        const double kj = normer.Flyttal(ForstaNaringsfalt + EnergiKj);
        EXPECT_GT(kj, 5000) << nr;
        EXPECT_NEAR(normer.Flyttal(ForstaNaringsfalt + EnergiKcal), kj / 4.184, 0.5) << nr;
        EXPECT_NEAR(normer.Flyttal(ForstaNaringsfalt + Protein), 15 * kj / 1700, 0.06) << nr;
        EXPECT_TRUE(normer.Text("Norm").endsWith(QStringLiteral("år")) ||
                    normer.Text("Norm").endsWith(QStringLiteral("äldre")))
            << nr;
    }
}

}  // namespace
}  // namespace matvarda
