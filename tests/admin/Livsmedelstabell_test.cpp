#include "admin/Livsmedelstabell.h"

#include "core/Naringsamnen.h"
#include "stod/Fixtur.h"

#include <QDir>
#include <QLocale>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace matvarda;
using namespace matvarda::test;

namespace {

TEST(Tabellkolumner, OrdningRubrikerOchFormat) {
    const auto& k = Tabellkolumner();
    QStringList rubriker;
    for (const TTabellkolumn& kolumn : k) rubriker << kolumn.Rubrik;
    ASSERT_EQ(k.size(), 7 + 33 + 14 + 3 + 8);
    EXPECT_EQ(rubriker.mid(0, 11), QStringList({"Kod", "Livsmedel", "Portstorlek", "Enhet", "Bildgrupp",
                                                "Utökad grupp", "kgpris", "kJ", "kcal", "Prot g", "Fett g"}));
    EXPECT_EQ(k[4].Falt, "Grupp2");
    EXPECT_EQ(k[5].Falt, "Grupp1");
    EXPECT_EQ(k[15].Rubrik, "Kalcium  mg");
    EXPECT_EQ(k[15].Falt, "Kalcium _mg_");
    EXPECT_EQ(k[39].Rubrik, "Alkohol g");
    EXPECT_EQ(k[40].Rubrik, "Fettsyra C4-C10 _g_");
    EXPECT_EQ(k[53].Rubrik, "Fettsyra C22:6 _g_");
    EXPECT_EQ(rubriker.mid(54), QStringList({"Folat ug", "Selen ug", "Vatten _g_", "port1", "enhet1", "port2",
                                             "enhet2", "port3", "enhet3", "port4", "enhet4"}));
    EXPECT_FALSE(rubriker.contains("Aska _g_"));
    // Shown as stored: the portion size, folate and the unit weights.
    QStringList somLagrat;
    for (const TTabellkolumn& kolumn : k)
        if (kolumn.Format == Kolumnformat::TalSomLagrat) somLagrat << kolumn.Rubrik;
    EXPECT_EQ(somLagrat, QStringList({"Portstorlek", "Folat ug", "port1", "port2", "port3", "port4"}));
    EXPECT_EQ(k[6].Format, Kolumnformat::TextSomTal);
    EXPECT_EQ(k[0].Bredd, 12);
    EXPECT_EQ(k[1].Bredd, 100);
    EXPECT_EQ(k.last().Bredd, 16);
}

// With the Swedish decimal comma, as the grid shows it on a Swedish system.
TEST(VisaCell, HogstTvaDecimalerUtomDetSomVisasSomLagrat) {
    QLocale::setDefault(QLocale(QLocale::Swedish, QLocale::Sweden));
    const QString p = QStringLiteral(",");
    const struct {
        QVariant varde;
        Kolumnformat format;
        QString text;
    } fall[] = {
        {12.346, Kolumnformat::Tal, "12" + p + "35"},     {2.5, Kolumnformat::Tal, "2" + p + "5"},
        {7.0, Kolumnformat::Tal, "7"},                    {0.004, Kolumnformat::Tal, "0"},
        {0.125, Kolumnformat::TalSomLagrat, "0" + p + "125"}, {12345.0, Kolumnformat::Tal, "12345"},
        {QVariant(), Kolumnformat::Tal, ""},              {QString("tolv"), Kolumnformat::Tal, "tolv"},
        {QString("12,50"), Kolumnformat::TextSomTal, "12,50"}, {QString("Gurka"), Kolumnformat::Text, "Gurka"},
    };
    for (const auto& f : fall) EXPECT_EQ(VisaCell(f.varde, f.format), f.text) << f.varde.toString().toStdString();
    QLocale::setDefault(QLocale::c());
}

TEST(LasCell, TalSomTextTillTalKanLasaTomtTillatetResten) {
    const struct {
        QString text;
        Kolumnformat format;
        std::optional<QVariant> varde;
    } fall[] = {
        {" 12,5", Kolumnformat::Tal, QVariant(12.5)},
        {"1e2", Kolumnformat::TalSomLagrat, QVariant(100.0)},
        {"-0,25", Kolumnformat::Tal, QVariant(-0.25)},
        {"tolv", Kolumnformat::Tal, std::nullopt},
        {"1,5,0", Kolumnformat::Tal, std::nullopt},
        {"12 ", Kolumnformat::TalSomLagrat, std::nullopt},
        {"", Kolumnformat::Tal, QVariant()},
        {"  ", Kolumnformat::TalSomLagrat, QVariant()},
        {"12,50", Kolumnformat::TextSomTal, QVariant(QString("12,50"))},
        {"gratis", Kolumnformat::TextSomTal, std::nullopt},
        {"", Kolumnformat::TextSomTal, QVariant(QString())},
        {"1,5,0", Kolumnformat::Text, QVariant(QString("1,5,0"))},
    };
    for (const auto& f : fall) {
        const auto varde = LasCell(f.text, f.format);
        ASSERT_EQ(varde.has_value(), f.varde.has_value()) << f.text.toStdString();
        if (!varde) continue;
        EXPECT_EQ(varde->isNull(), f.varde->isNull()) << f.text.toStdString();
        EXPECT_EQ(*varde, *f.varde) << f.text.toStdString();
    }
}

class LivsmedelsmodellTest : public ::testing::Test {
protected:
    void SetUp() override {
        SkapaLivsmedelstabell(mapp.path(), "fodtab100",
                              {{"5001", "Ärtsoppa", "Rätter", "Övrigt", "portion", 300, "25", {{0, 250}}},
                               {"2001", "apelsin", "Frukt", "Frukt,bär", "st", 150, "", {{0, 200}}},
                               {"2002", "Banan", "Frukt", "Frukt,bär", "st", 120, "20,50", {{0, 380}}},
                               {"9001", "Öl, starköl", "Dryck", "Drycker", "glas", 330, "30", {{0, 180}}},
                               {"2003", "åkerbär", "Frukt", "Frukt,bär", "dl", 60, "200", {{0, 150}}},
                               {"1001", "zucchini", "Grönsaker", "Grönsaker", "st", 250, "", {}},
                               {"Z0001", "RESERV", "", "", "", 0, ""}});
        tabell.Oppna();
        modell = std::make_unique<TLivsmedelsmodell>(tabell.Databas(), "fodtab100");
        ASSERT_TRUE(modell->Ordna(Tabellordning::Nummer));
    }

    int Kolumn(const QString& falt) { return modell->fieldIndex(falt); }
    int Rad(const QString& kod) {
        for (int r = 0; r < modell->rowCount(); ++r)
            if (modell->index(r, 0).data().toString() == kod) return r;
        return -1;
    }
    bool Satt(const QString& kod, const QString& falt, const QString& text) {
        return modell->setData(modell->index(Rad(kod), Kolumn(falt)), text, Qt::EditRole);
    }
    // The stored row as another connection reads it.
    QVariant Lagrat(const QString& kod, const QString& falt) {
        Tabell annan(mapp.path(), "fodtab100");
        annan.Oppna();
        if (!annan.HittaNyckel(kod)) return QStringLiteral("saknas");
        return annan.Varde(annan.Faltposition(falt));
    }

    QTemporaryDir mapp;
    Tabell tabell{mapp.path(), "fodtab100"};
    std::unique_ptr<TLivsmedelsmodell> modell;
};

TEST_F(LivsmedelsmodellTest, NummerOchSvenskAlfabetiskOrdning) {
    const auto kolumn = [&](int k) {
        QStringList v;
        for (int r = 0; r < modell->rowCount(); ++r) v << modell->index(r, k).data().toString();
        return v;
    };
    EXPECT_EQ(kolumn(0), QStringList({"1001", "2001", "2002", "2003", "5001", "9001", "Z0001"}));
    ASSERT_TRUE(modell->Ordna(Tabellordning::Alfabetisk));
    EXPECT_EQ(kolumn(1), QStringList({"apelsin", "Banan", "RESERV", "zucchini", "åkerbär", "Ärtsoppa", "Öl, starköl"}));
    EXPECT_EQ(modell->headerData(Kolumn("Grupp2"), Qt::Horizontal).toString(), "Bildgrupp");
    EXPECT_EQ(modell->Kolumn(Kolumn("Aska _g_")), nullptr);
    EXPECT_EQ(modell->VisadeKolumner().size(), Tabellkolumner().size());
}

// A typed number is read when the row is stored; an unreadable one stops
// the row, stays in the grid as typed, and the table keeps its old row.
TEST_F(LivsmedelsmodellTest, OlasbartTalStopparRadenTillsDetRattats) {
    ASSERT_TRUE(Satt("2002", "Livsmedel", "Banan, mogen"));
    ASSERT_TRUE(Satt("2002", "Energi _kJ_ _kJ_", "tolv"));
    EXPECT_FALSE(modell->SparaAndringar());
    EXPECT_TRUE(modell->Fel().contains("\"tolv\" i kolumnen kJ")) << modell->Fel().toStdString();
    EXPECT_EQ(modell->index(Rad("2002"), Kolumn("Energi _kJ_ _kJ_")).data().toString(), "tolv");
    EXPECT_EQ(Lagrat("2002", "Livsmedel"), "Banan");
    EXPECT_DOUBLE_EQ(Lagrat("2002", "Energi _kJ_ _kJ_").toDouble(), 380);

    ASSERT_TRUE(Satt("2002", "Energi _kJ_ _kJ_", " 412,5"));
    ASSERT_TRUE(Satt("2002", "kgpris", "22,90"));
    ASSERT_TRUE(Satt("2002", "port1", ""));
    EXPECT_TRUE(modell->SparaAndringar()) << modell->Fel().toStdString();
    EXPECT_EQ(Lagrat("2002", "Livsmedel"), "Banan, mogen");
    EXPECT_DOUBLE_EQ(Lagrat("2002", "Energi _kJ_ _kJ_").toDouble(), 412.5);
    EXPECT_EQ(Lagrat("2002", "kgpris"), "22,90");
    EXPECT_TRUE(Lagrat("2002", "port1").isNull());
    EXPECT_FALSE(modell->isDirty());
}

TEST_F(LivsmedelsmodellTest, RadSomTabellenVagrarBlirKvarIGridden) {
    QSqlQuery(tabell.Databas())
        .exec("CREATE TRIGGER las BEFORE UPDATE ON fodtab100 BEGIN SELECT RAISE(ABORT, 'tabellen är låst'); END");
    ASSERT_TRUE(Satt("Z0001", "Livsmedel", "Kålrot"));
    EXPECT_FALSE(modell->SparaAndringar());
    EXPECT_TRUE(modell->Fel().startsWith("Kan ej spara raden i livsmedelstabellen")) << modell->Fel().toStdString();
    EXPECT_TRUE(modell->Fel().contains("låst"));
    EXPECT_EQ(modell->index(Rad("Z0001"), 1).data().toString(), "Kålrot");
    QSqlQuery(tabell.Databas()).exec("DROP TRIGGER las");
    EXPECT_TRUE(modell->SparaAndringar());
    EXPECT_EQ(Lagrat("Z0001", "Livsmedel"), "Kålrot");
}

TEST_F(LivsmedelsmodellTest, AsteriskTasBortEnGangPerNamn) {
    QSqlQuery fraga(tabell.Databas());
    ASSERT_TRUE(fraga.exec("UPDATE fodtab100 SET Livsmedel = '*Banan' WHERE Kod = '2002'"));
    ASSERT_TRUE(fraga.exec("UPDATE fodtab100 SET Livsmedel = 'Öl*, stark*' WHERE Kod = '9001'"));
    ASSERT_TRUE(fraga.exec("UPDATE fodtab100 SET Livsmedel = '*' WHERE Kod = 'Z0001'"));
    EXPECT_EQ(TaBortAsterisk(tabell), 3);
    EXPECT_EQ(Lagrat("2002", "Livsmedel"), "Banan");
    EXPECT_EQ(Lagrat("9001", "Livsmedel"), "Öl, stark*");
    EXPECT_EQ(Lagrat("Z0001", "Livsmedel"), "");
    EXPECT_EQ(Lagrat("5001", "Livsmedel"), "Ärtsoppa");
    EXPECT_EQ(TaBortAsterisk(tabell), 1);
    EXPECT_EQ(TaBortAsterisk(tabell), 0);
    EXPECT_EQ(AsteriskMeddelande(3), "3 livsmedel har fått * borttagen");
}

TEST_F(LivsmedelsmodellTest, ExportOchImportTillbakaOchFelradAndrarIngenting) {
    const QString fil = QDir(mapp.path()).filePath("fodtab.txt");
    EXPECT_EQ(ExporteraLivsmedelstabell(tabell, fil), "Klart");
    QSqlQuery(tabell.Databas()).exec("UPDATE fodtab100 SET Livsmedel = 'ändrad', kgpris = '1' WHERE Kod = '9001'");
    EXPECT_EQ(ImporteraLivsmedelstabell(tabell, fil), "Klart");
    EXPECT_EQ(Lagrat("9001", "Livsmedel"), "Öl, starköl");
    EXPECT_EQ(Lagrat("9001", "kgpris"), "30");
    EXPECT_DOUBLE_EQ(Lagrat("5001", "Energi _kJ_ _kJ_").toDouble(), 250);

    // Line 2 is good, line 3 is not: neither is taken, and the message names line 3.
    const QString fel = QDir(mapp.path()).filePath("fel.txt");
    SkrivBytes(fel, "\"Kod\",\"Livsmedel\",\"Energi _kJ_ _kJ_\"\r\n\"7777\",\"Ny\",10\r\n\"2001\",\"X\",tio\r\n");
    const auto meddelande = ImporteraLivsmedelstabell(tabell, fel);
    ASSERT_TRUE(meddelande);
    EXPECT_TRUE(meddelande->startsWith("Kan ej öppna livsmedelstabellen")) << meddelande->toStdString();
    EXPECT_TRUE(meddelande->contains("Rad 3")) << meddelande->toStdString();
    EXPECT_EQ(Lagrat("7777", "Livsmedel"), "saknas");
    EXPECT_EQ(Lagrat("2001", "Livsmedel"), "apelsin");
    // A row without a code is refused by the store; the line is named too.
    SkrivBytes(fel, "\"Kod\",\"Livsmedel\"\r\n\"7777\",\"Ny\"\r\n,\"Utan kod\"\r\n");
    EXPECT_TRUE(ImporteraLivsmedelstabell(tabell, fel)->contains("Rad 3"));
    EXPECT_EQ(Lagrat("7777", "Livsmedel"), "saknas");

    EXPECT_TRUE(ImporteraLivsmedelstabell(tabell, QDir(mapp.path()).filePath("saknas.txt"))
                    ->startsWith("Kan ej öppna livsmedelstabellen"));
    EXPECT_TRUE(ExporteraLivsmedelstabell(tabell, QDir(mapp.path()).filePath("ingen/mapp/fodtab.txt"))
                    ->startsWith("Kan ej spara livsmedelstabellen"));
}

TEST(Livsmedelstabell, UtanTabellfilenGorVerktygenIngenting) {
    QTemporaryDir mapp;
    Tabell saknad(mapp.path(), "fodtab100");
    EXPECT_EQ(ExporteraLivsmedelstabell(saknad, QDir(mapp.path()).filePath("fodtab.txt")), std::nullopt);
    EXPECT_EQ(ImporteraLivsmedelstabell(saknad, QDir(mapp.path()).filePath("fodtab.txt")), std::nullopt);
    EXPECT_FALSE(QFile::exists(QDir(mapp.path()).filePath("fodtab.txt")));
}

}  // namespace
