#include "admin/Livsmedelsimport.h"

#include "core/Tabellayout.h"
#include "platform/Textfil.h"
#include "platform/Tabell.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <map>

namespace matvarda {
namespace {

// A food of a fixture release: number, name, agency group, kJ.
struct TProv {
    int Nummer;
    QString Namn;
    QString Grupp;
    QString Kj = QStringLiteral("100");
};

QStringList Rubriker() {
    QStringList rubriker{QStringLiteral("Livsmedelsnamn"), QStringLiteral("Livsmedelsnummer"),
                         QStringLiteral("Gruppering")};
    for (const char* kolumn : Kallkolumner())
        if (*kolumn) rubriker.append(QString::fromUtf8(kolumn));
    rubriker.append(QStringLiteral("Avfall (skal etc.) (%)"));
    return rubriker;
}

// The release as the agency exports it: BOM, CR LF, ";" and decimal comma.
QByteArray Utgava(const QString& version, const QVector<TProv>& livsmedel) {
    const QStringList rubriker = Rubriker();
    QStringList rader{QStringLiteral("Livsmedelsverkets livsmedelsdatabas version %1;;").arg(version),
                      QStringLiteral("Näringsinnehåll per 100 gram livsmedel;;"), rubriker.join(';')};
    for (const TProv& l : livsmedel) {
        QStringList falt(rubriker.size());
        falt[0] = l.Namn;
        falt[1] = QString::number(l.Nummer);
        falt[2] = l.Grupp;
        falt[rubriker.indexOf(QStringLiteral("Energi (kJ)"))] = l.Kj;
        rader.append(falt.join(';'));
    }
    return "\xEF\xBB\xBF" + rader.join(QStringLiteral("\r\n")).toUtf8() + "\r\n";
}

void Skriv(const QString& fil, const QString& text) {
    QFile f(fil);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(text.toUtf8());
}

// Small rule tables: fruit gets 2, everything else A; bananas have their own unit.
void SkrivRegler(const QString& mapp, const QString& undantag = QString()) {
    QDir().mkpath(mapp);
    Skriv(mapp + "/grupper.tsv", "# grupper\nFrukt, bär\t*\t2\tFrukt,bär\n*\t*\tA\tÖvrigt\n");
    Skriv(mapp + "/enheter.tsv", "Frukt, bär\t^banan\tst=120; dl=60\n*\t*\tportion=100\n");
    Skriv(mapp + "/priser.tsv", "*\t*\t25\n");
    Skriv(mapp + "/undantag.tsv", "# nummer namn enheter pris kod bild\n" + undantag);
}

struct TRad {
    QString Kod, Livsmedel, Kgpris, Enhet, Grupp2, Res1;
    double Kj = 0;
};

std::map<QString, TRad> LasRader(const QString& mapp, const QString& namn) {
    Tabell tabell(mapp, namn);
    tabell.Oppna();
    std::map<QString, TRad> rader;
    for (tabell.Forsta(); !tabell.Slut(); tabell.Nasta()) {
        TRad r{tabell.Text("Kod"),   tabell.Text("Livsmedel"), tabell.Text("kgpris"), tabell.Text("Enhet"),
               tabell.Text("Grupp2"), tabell.Text("Res1"),     tabell.Flyttal(ForstaNaringsfalt)};
        rader[r.Kod] = r;
    }
    return rader;
}

void SattFalt(const QString& mapp, const QString& kod, const QString& falt, const QString& varde) {
    Tabell tabell(mapp, QStringLiteral("fodtab100"));
    tabell.Oppna();
    ASSERT_TRUE(tabell.HittaNyckel(kod));
    tabell.Redigera();
    tabell.SattFalt(falt, varde);
    tabell.Posta();
}

class LivsmedelsimportTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString Regler() const { return dir.filePath("regler"); }
    QString Tabeller() const { return dir.filePath("tabeller"); }
    TUtgava Las(const QString& version, const QVector<TProv>& livsmedel) {
        return TolkaUtgava(Utgava(version, livsmedel), QStringLiteral("prov.csv"));
    }
};

const QString LangtNamn = QStringLiteral(
    "Wrap vetetortilla enchilada m. köttfärs majschips ost sallad paprika tomat tomatsås extra");

TEST_F(LivsmedelsimportTest, ReadsTheAgencysExport) {
    const QByteArray csv = Utgava("2022-05-24", {{7, "  Banan   torkad ", "Frukt, bär", "1234,5"}});
    const TUtgava u = TolkaUtgava(csv, "prov.csv");
    ASSERT_EQ(u.Livsmedel.size(), 1);
    EXPECT_EQ(u.Version, "2022-05-24");
    EXPECT_EQ(u.Livsmedel[0].Nummer, 7);
    EXPECT_EQ(u.Livsmedel[0].Namn, "Banan torkad");
    EXPECT_DOUBLE_EQ(u.Livsmedel[0].Naring[EnergiKj], 1234.5);
    EXPECT_DOUBLE_EQ(u.Livsmedel[0].Naring[EnergiKcal], 0.0);  // empty field
}

TEST_F(LivsmedelsimportTest, RejectsBrokenReleases) {
    const QByteArray bra = Utgava("1", {{1, "Äpple", "Frukt, bär"}});
    const QByteArray utanKolumn = QByteArray(bra).replace("Zink, Zn (mg)", "Zink");
    const QByteArray dubbel = Utgava("1", {{1, "Äpple", "Frukt, bär"}, {1, "Päron", "Frukt, bär"}});
    const QByteArray ejTal = Utgava("1", {{1, "Äpple", "Frukt, bär", "12,x"}});
    const QByteArray kortRad = bra + "Päron;2\r\n";
    for (const QByteArray& csv : {utanKolumn, dubbel, ejTal, kortRad})
        EXPECT_THROW(TolkaUtgava(csv, "prov.csv"), Fel);
}

TEST(Namnvillkor, MatchesWordsAnywhereStartAndFirstWord) {
    struct Fall {
        const char* villkor;
        const char* namn;
        bool passar;
    };
    const Fall fall[] = {
        {"ost", "Ost hårdost fett 28%", true},       {"ost", "Nöt rostbiff rå", false},
        {"*ost", "Nöt rostbiff rå", true},           {"^potatis", "Bakad potatis", false},
        {"potatis", "Bakad potatis", true},          {"~sås", "Brunsås m. grädde", true},
        {"~sås", "Spagetti m. köttfärssås", false},  {"kotlett & !stekt", "Lamm kotlett stekt", false},
        {"kotlett & !stekt", "Lamm kotlett rå", true}, {"fett 3", "Mjölk fett 3% berikad", true},
        {"lax | sill", "Sill inlagd", true},          {"", "Vad som helst", true},
        {"KÖTT", "köttbullar", true},
    };
    for (const Fall& f : fall)
        EXPECT_EQ(TNamnvillkor::Tolka(QString::fromUtf8(f.villkor)).Passar(QString::fromUtf8(f.namn)), f.passar)
            << f.villkor << " / " << f.namn;
}

TEST(Enheter, AcceptOneToFourNamedUnitsWithGrams) {
    EXPECT_EQ(TolkaEnheter("st=120; dl=60").size(), 2);
    for (const char* fel : {"", "st", "st=0", "=12", "st=1; dl=2; msk=3; tsk=4; krm=5", "portionsstorlek=10",
                            "st=1; en mycket lång enhet=2"})
        EXPECT_THROW(TolkaEnheter(QString::fromUtf8(fel)), Fel) << fel;
}

TEST_F(LivsmedelsimportTest, ExceptionReplacesTheRulesOnlyWhileItsNameFits) {
    SkrivRegler(Regler(), "5\tBanan\tklase=600\t40\t-\t-\n6\tGammalt namn\tst=1\t1\t-\t-\n");
    const TLivsmedelsregler regler = TLivsmedelsregler::Las(Regler());
    QStringList varningar;
    const THarledning banan = Harled(regler, {5, "Banan", "Frukt, bär"}, varningar);
    EXPECT_EQ(SkrivEnheter(banan.Enheter), "klase=600");
    EXPECT_EQ(banan.Kgpris, "40");
    EXPECT_EQ(banan.Kodtecken, '2');
    EXPECT_TRUE(varningar.isEmpty());

    const THarledning nytt = Harled(regler, {6, "Nytt namn", "Frukt, bär"}, varningar);
    EXPECT_EQ(SkrivEnheter(nytt.Enheter), "portion=100");
    EXPECT_EQ(varningar.size(), 1);
}

TEST_F(LivsmedelsimportTest, RuleFilesWithErrorsNameTheLine) {
    SkrivRegler(Regler());
    Skriv(Regler() + "/grupper.tsv", "*\t*\tZ\tÖvrigt\n");
    EXPECT_THROW(TLivsmedelsregler::Las(Regler()), Fel);
    Skriv(Regler() + "/grupper.tsv", "*\t*\tA\tKött\n");  // a part of "Kött,fisk,ägg" is found too
    EXPECT_NO_THROW(TLivsmedelsregler::Las(Regler()));
    Skriv(Regler() + "/grupper.tsv", "*\t*\tA\tKorv\n");
    EXPECT_THROW(TLivsmedelsregler::Las(Regler()), Fel);
    Skriv(Regler() + "/grupper.tsv", "*\t(a | b)\tA\tÖvrigt\n");
    EXPECT_THROW(TLivsmedelsregler::Las(Regler()), Fel);
}

TEST_F(LivsmedelsimportTest, FreshTablesHoldTheReleaseAndTheReserve) {
    SkrivRegler(Regler());
    const TImportresultat r = ByggLivsmedelstabeller(
        Las("2022-05-24", {{5, "Banan", "Frukt, bär"}, {1234, LangtNamn, "Rätter"}}),
        TLivsmedelsregler::Las(Regler()), Tabeller());
    EXPECT_EQ(r.Livsmedel, 2);
    EXPECT_EQ(r.Reservrader, AntalReservrader);

    const auto rader = LasRader(Tabeller(), "fodtab100");
    ASSERT_EQ(rader.size(), 2u + AntalReservrader);
    EXPECT_EQ(rader.at("20005").Livsmedel, "Banan");
    EXPECT_EQ(rader.at("20005").Enhet, "st");
    EXPECT_EQ(rader.at("20005").Grupp2, "Frukt,bär");
    EXPECT_EQ(rader.at("A1234").Livsmedel, LangtNamn);  // longer than the 80 the list keeps
    EXPECT_EQ(rader.at("Z0001").Livsmedel, Reservnamn);
    EXPECT_EQ(rader.rbegin()->first, "Z0100");  // the reserve comes after every food
    EXPECT_TRUE(LasRader(Tabeller(), "fodtab2005").empty());
}

TEST_F(LivsmedelsimportTest, UpdateKeepsCodesAndEditsMovesRetiredAndAddsNew) {
    SkrivRegler(Regler());
    const TLivsmedelsregler regler = TLivsmedelsregler::Las(Regler());
    ByggLivsmedelstabeller(Las("2021", {{5, "Banan", "Frukt, bär"}, {6, "Kiwi", "Frukt, bär"}, {9, "Gröt", "Rätter"}}),
                           regler, Tabeller());
    SattFalt(Tabeller(), "20005", "kgpris", "31.50");
    SattFalt(Tabeller(), "Z0001", "Livsmedel", "Mormors bullar");  // the user fills a reserve row
    // The user's price, unit and picture group of the kiwi, which leaves and comes back.
    SattFalt(Tabeller(), "20006", "kgpris", "44");
    SattFalt(Tabeller(), "20006", "Enhet", "st");
    SattFalt(Tabeller(), "20006", "Grupp2", "Övrigt");

    // The next release renames the banana and moves it to another group,
    // drops the kiwi and brings a new food.
    const TImportresultat r = UppdateraLivsmedelstabeller(
        Las("2022", {{5, "Banan mogen", "Rätter", "95"}, {9, "Gröt", "Rätter"}, {12, "Mango", "Frukt, bär"}}),
        regler, Tabeller());
    EXPECT_EQ(r.Nya, 1);
    EXPECT_EQ(r.Flyttade, 1);
    EXPECT_EQ(r.Reservrader, AntalReservrader);

    const auto nya = LasRader(Tabeller(), "fodtab100");
    EXPECT_EQ(nya.at("20005").Livsmedel, "Banan mogen");  // code kept although the group changed
    EXPECT_EQ(nya.at("20005").Kgpris, "31.50");           // the user's price kept
    EXPECT_DOUBLE_EQ(nya.at("20005").Kj, 95.0);           // values from the new release
    EXPECT_EQ(nya.at("20012").Livsmedel, "Mango");
    EXPECT_EQ(nya.at("Z0001").Livsmedel, "Mormors bullar");
    EXPECT_EQ(nya.count("20006"), 0u);
    EXPECT_EQ(nya.at("Z0101").Livsmedel, Reservnamn);  // the reserve is filled up again

    const auto utgangna = LasRader(Tabeller(), "fodtab2005");
    ASSERT_EQ(utgangna.size(), 1u);
    EXPECT_EQ(utgangna.at("20006").Livsmedel, "Kiwi");
    EXPECT_TRUE(QFile::exists(Tabeller() + "/fodtab100.db.bak"));

    // The kiwi comes back in a later release: same code, out of fodtab2005.
    UppdateraLivsmedelstabeller(Las("2023", {{6, "Kiwi", "Frukt, bär"}}), regler, Tabeller());
    const TRad kiwi = LasRader(Tabeller(), "fodtab100").at("20006");
    EXPECT_EQ(kiwi.Livsmedel, "Kiwi");
    EXPECT_EQ(kiwi.Kgpris, "44");  // not the rules' 25
    EXPECT_EQ(kiwi.Enhet, "st");
    EXPECT_EQ(kiwi.Grupp2, "Övrigt");
    const auto senare2005 = LasRader(Tabeller(), "fodtab2005");
    EXPECT_EQ(senare2005.count("20006"), 0u);
    EXPECT_EQ(senare2005.count("20005"), 1u);
}

TEST_F(LivsmedelsimportTest, UpdateWithoutTablesFails) {
    SkrivRegler(Regler());
    EXPECT_THROW(UppdateraLivsmedelstabeller(Las("1", {{1, "Äpple", "Frukt, bär"}}), TLivsmedelsregler::Las(Regler()),
                                             Tabeller()),
                 Fel);
}

}  // namespace
}  // namespace matvarda
