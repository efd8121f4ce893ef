// The RTF, Excel and HTML reports read back with programs of their own
// (unrtf, openpyxl, tidy and Python's HTML parser): every line of the
// composed report must be found in each.

#include "print/Rapportfil.h"

#include "calc/RaknaOm.h"
#include "platform/Textfil.h"
#include "stod/Fixtur.h"

#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

using namespace matvarda;
using namespace matvarda::test;

namespace {

// Cell texts as Excel shows them, a sheet's title before its rows.
const char* const ExcelLasare = R"(
import sys, zipfile, openpyxl
from decimal import Decimal, ROUND_HALF_UP
def visa(c):
    v = c.value
    if isinstance(v, (int, float)):
        f = c.number_format
        if f.endswith('%'):
            return str(Decimal(repr(v * 100)).quantize(Decimal(1), ROUND_HALF_UP)) + '%'
        d = len(f.split('.')[1]) if '.' in f else 0
        return str(Decimal(repr(v)).quantize(Decimal(1).scaleb(-d), ROUND_HALF_UP))
    return str(v)
bok = openpyxl.load_workbook(sys.argv[1])
for blad in bok.worksheets:
    print('#BLAD', blad.title)
    print('#PAPPER', blad.page_setup.paperSize)
    print('#HUVUD', blad.oddHeader.left.text or '')
    print('#STAPLAR', sum(1 for r in blad.conditional_formatting for x in r.rules if x.type == 'dataBar'))
    for rad in blad.iter_rows():
        celler = [c for c in rad if c.value is not None]
        print('\t'.join(('N' if isinstance(c.value, (int, float)) else 'T') + visa(c) for c in celler))
print('#DIAGRAM', sum(1 for n in zipfile.ZipFile(sys.argv[1]).namelist() if n.startswith('xl/charts/chart')))
)";

// Each table row's text on a line, each heading marked.
const char* const HtmlLasare = R"(
import sys
from html.parser import HTMLParser
class Lasare(HTMLParser):
    def __init__(self):
        super().__init__(); self.text = None
    def handle_starttag(self, tag, attrs):
        if tag in ('tr', 'h2'): self.text = ''
    def handle_endtag(self, tag):
        if tag in ('tr', 'h2') and self.text is not None:
            print(('#RUBRIK ' if tag == 'h2' else '') + self.text.replace('\n', ' ')); self.text = None
    def handle_data(self, data):
        if self.text is not None: self.text += data
Lasare().feed(open(sys.argv[1], encoding='utf-8').read())
)";

struct TUtdata {
    int Status = -1;
    QString Ut;
    QString Fel;
};

// A reader that is missing fails the test, saying which package brings it.
TUtdata Kor(const QString& program, const QStringList& argument, const QString& paket, bool latin1 = false) {
    const QString sokvag = QStandardPaths::findExecutable(program);
    if (sokvag.isEmpty()) {
        ADD_FAILURE() << program.toStdString() << " saknas: installera paketet " << paket.toStdString()
                      << " (./run test installerar det)";
        return {};
    }
    QProcess process;
    process.start(sokvag, argument);
    process.waitForFinished(60000);
    const QByteArray ut = process.readAllStandardOutput();
    return {process.exitCode(), latin1 ? QString::fromLatin1(ut) : QString::fromUtf8(ut),
            QString::fromUtf8(process.readAllStandardError())};
}

// Debian's own Python, where its packages are installed.
TUtdata Python(const char* skript, const QString& fil, const QString& paket) {
    return Kor(QStringLiteral("/usr/bin/python3"), {QStringLiteral("-c"), QString::fromUtf8(skript), fil}, paket);
}

class RapportdokumentTest : public ::testing::Test {
protected:
    void SetUp() override {
        for (int n = ForstaNaringsnummer; n <= SistaNaringsnummer; ++n) {
            t->Katalog.Kortnamn[n] = QStringLiteral("N%1").arg(n);
            t->Katalog.NamnEnhet[n] = QStringLiteral("N%1 mg").arg(n);
            t->Katalog.Decimaler[n] = 2;
        }
        t->Katalog.Kortnamn[15] = "Energi";
        t->Katalog.NamnEnhet[15] = "Energi kJ";
        t->Katalog.Decimaler[15] = 0;
        t->Katalog.Kortnamn[19] = "Protein";
        t->Katalog.NamnEnhet[19] = "Protein g";
        t->Katalog.Decimaler[19] = 1;
        // Eight nutrients: the food blocks get a third line, the sums a second.
        t->Urval.Valda.fill(false);
        for (int n : {15, 19, 20, 21, 22, 30, 40, 65}) t->Urval.Valda[n] = true;
        t->Behov.Normtext = QStringLiteral("Kvinnor 31-60 år");
        for (int i = 0; i < AntalNaringsamnen; ++i) t->Behov.Dagsbehov[i] = 10;
        t->Behov.Dagsbehov[0] = 8640;
        Lagg(0, 0, 1, "Mjölk & <fil>", 200, {{0, 270}, {4, 3.5}, {5, -1}, {50, 0.125}}, 200, "glas", 12.5);
        Lagg(0, 0, 29, "Äpple, rå", 150, {{0, 220}, {4, 0.4}}, 150, "st", 20);
        Lagg(0, 2, 1, "Öl", 330, {{0, 180}, {4, 0.4}}, 330, "flaska", 30);
        Lagg(6, 3, 1, "Ost", 30, {{0, 1500}, {4, 27}, {6, 30}}, 10, "skiva", 120);
        RaknaOm(*t);
    }

    void Lagg(int dag, int maltid, int plats, const QString& namn, float gram, std::map<int, double> naring,
              float portion, const QString& enhet, float kgpris) {
        test::LaggIDagboken(*t, dag, maltid, plats, namn, gram, std::move(naring), portion, enhet, kgpris);
    }

    QString Skriv(Rapportfiltyp typ, const TUtskriftsval& val) {
        rapport = KomponeraRapport(*t, val, 0, 0);
        const QString fil = mapp.filePath(QStringLiteral("rapport.") + Filtypsinfo(typ).Andelse);
        EXPECT_TRUE(SkrivRapportfil(typ, rapport, layoutval, fil));
        return fil;
    }

    // Every line of the report in order, a bar line as its three labels.
    QStringList Vantade() const {
        QStringList rader;
        for (const TRapportavsnitt& avsnitt : Rapportavsnitt(rapport)) {
            rader << QStringLiteral("#RUBRIK ") + avsnitt.Rubrik;
            for (int r = ForstaTextrad(avsnitt); r < avsnitt.ForstaRad + avsnitt.AntalRader; ++r) {
                const QString& rad = rapport.Rapportbuffert[r].del1;
                if (!ArStapelrad(rad)) {
                    rader << rad;
                    continue;
                }
                const TStapelrad stapel = LasStapelrad(rad);
                rader << stapel.Etikett + Procentetikett(stapel) + u' ' + stapel.Rekommendation;
            }
        }
        return rader;
    }

    // `vantade` found in `lasta` in the same order, compared without
    // trailing spaces; the first missing one is named.
    static void ISammaOrdning(const QStringList& vantade, const QStringList& lasta, bool trimma) {
        qsizetype i = 0;
        for (const QString& vantad : vantade) {
            const QString v = trimma ? vantad.trimmed() : vantad;
            if (v.trimmed().isEmpty()) continue;
            while (i < lasta.size() && (trimma ? lasta[i].trimmed() : lasta[i]) != v) ++i;
            ASSERT_LT(i, lasta.size()) << "saknas: [" << v.toStdString() << "]";
        }
    }

    bool ArKolumnrubrik(int rad) const {
        return std::any_of(rapport.Poster.cbegin(), rapport.Poster.cend(), [rad](const TRapportpost& p) {
            return p.Slag == Postslag::Kolumnrubrik && rad >= p.Rad && rad < p.Rad + p.AntalRader;
        });
    }

    QString Kortnamnen() const {
        QStringList namn;
        for (const TRapportamne& amne : rapport.Amnen) namn << amne.Kortnamn;
        return namn.join(u' ');
    }

    std::unique_ptr<TTillstand> t = std::make_unique<TTillstand>();
    TRapport rapport;
    TLayoutval layoutval{true, QStringLiteral("Anna & Co"), QStringLiteral("2024-03-18"), {}};
    QTemporaryDir mapp;
};

const TUtskriftsval AllaMedPris{.Omfattning = 2, .Pris = true};

TEST_F(RapportdokumentTest, HtmlArGiltigtOchHarVarjeRad) {
    for (const TUtskriftsval& val : {AllaMedPris, TUtskriftsval{.Omfattning = 2, .Detaljniva = 1},
                                     TUtskriftsval{.Omfattning = 2, .Komprimerad = true}}) {
        // The last case without a heading, as the print choice window starts.
        if (val.Komprimerad) layoutval.Rubrik.clear();
        const QString fil = Skriv(Rapportfiltyp::Html, val);
        const TUtdata tidy = Kor("tidy", {"-q", "-e", fil}, "tidy");
        EXPECT_EQ(tidy.Status, 0) << tidy.Fel.toStdString();
        const TUtdata last = Python(HtmlLasare, fil, "python3");
        ASSERT_EQ(last.Status, 0) << last.Fel.toStdString();
        QStringList rader = last.Ut.split('\n');
        for (QString& rad : rader) rad.replace(QChar(0xa0), u' ');
        QStringList vantade = Vantade();
        for (QString& rad : vantade)
            if (!rad.startsWith("#RUBRIK")) rad = rad.trimmed().isEmpty() ? QString() : rad;
        ISammaOrdning(vantade, rader, false);
        const QByteArray html = *LasFil(fil);
        EXPECT_TRUE(html.contains("<html lang=\"sv\">"));
        EXPECT_EQ(html.count("<section>"), Rapportavsnitt(rapport).size());
        EXPECT_EQ(html.count("<svg viewBox"), 2 * Rapportavsnitt(rapport).size()) << "två cirklar per avsnitt";
        EXPECT_FALSE(html.contains("src=") || html.contains("href=")) << "inga yttre filer";
    }
}

TEST_F(RapportdokumentTest, RtfArAsciiMedSidbrytningPerAvsnittOchHarVarjeRad) {
    for (const TUtskriftsval& val : {AllaMedPris, TUtskriftsval{.Omfattning = 1, .Komprimerad = true}}) {
        const QString fil = Skriv(Rapportfiltyp::Rtf, val);
        const QByteArray rtf = *LasFil(fil);
        EXPECT_TRUE(std::all_of(rtf.cbegin(), rtf.cend(), [](char c) { return static_cast<unsigned char>(c) < 128; }));
        const auto avsnitt = Rapportavsnitt(rapport).size();
        EXPECT_EQ(rtf.count("\\sbkpage"), avsnitt);
        EXPECT_EQ(rtf.count("\\sect\\sectd"), avsnitt - 1);
        EXPECT_EQ(rtf.count("\\pngblip"), 2 * avsnitt);
        // Its text output is Latin-1.
        const TUtdata last = Kor("unrtf", {"--text", fil}, "unrtf", true);
        ASSERT_EQ(last.Status, 0) << last.Fel.toStdString();
        QStringList vantade;
        for (const QString& rad : Vantade())
            vantade << (rad.startsWith("#RUBRIK ") ? rad.mid(8) : QString(rad).simplified());
        QStringList rader = last.Ut.split('\n');
        for (QString& rad : rader) rad = rad.simplified();
        ISammaOrdning(vantade, rader, true);
    }
}

TEST_F(RapportdokumentTest, ExcelHarTalSomTalOchVarjeRadsText) {
    const QString fil = Skriv(Rapportfiltyp::Excel, AllaMedPris);
    const TUtdata last = Python(ExcelLasare, fil, "python3-openpyxl");
    ASSERT_EQ(last.Status, 0) << last.Fel.toStdString();
    const QList<TRapportavsnitt> avsnitten = Rapportavsnitt(rapport);
    const QStringList blad = last.Ut.split("#BLAD ", Qt::SkipEmptyParts);
    ASSERT_EQ(blad.size(), avsnitten.size());
    EXPECT_TRUE(last.Ut.contains(QStringLiteral("#DIAGRAM %1").arg(2 * avsnitten.size())));
    const QSet<QString> bort{"=", "gram", "kr", "kr/kg", "->"};
    for (int a = 0; a < avsnitten.size(); ++a) {
        const TRapportavsnitt& avsnitt = avsnitten[a];
        const QString& innehall = blad[a];
        EXPECT_TRUE(innehall.startsWith(avsnitt.Rubrik.trimmed() + '\n')) << innehall.toStdString();
        EXPECT_TRUE(innehall.contains("#PAPPER 9"));
        EXPECT_TRUE(innehall.contains("#HUVUD " + avsnitt.Rubrik));
        QSet<QString> ord;
        for (const QString& cell : innehall.split(QRegularExpression("[\t\n]")))
            for (const QString& o : cell.mid(1).split(' ', Qt::SkipEmptyParts)) ord.insert(o);
        for (int r = ForstaTextrad(avsnitt); r < avsnitt.ForstaRad + avsnitt.AntalRader; ++r) {
            QString rad = rapport.Rapportbuffert[r].del1;
            // A short name of seven characters joins the one before it.
            if (ArKolumnrubrik(r)) rad = rad.left(50) + u' ' + Kortnamnen();
            if (ArStapelrad(rad)) {
                const TStapelrad stapel = LasStapelrad(rad);
                rad = stapel.Etikett + (stapel.Procent > 0 ? Procentetikett(stapel) : QString()) + u' ' +
                      stapel.Rekommendation;
            }
            for (QString o : rad.split(' ', Qt::SkipEmptyParts)) {
                o.remove('(').remove(')');
                if (bort.contains(o)) continue;
                EXPECT_TRUE(ord.contains(o)) << avsnitt.Rubrik.toStdString() << ": " << o.toStdString();
            }
        }
    }
    // The milk: its figures are numbers, the missing value a hyphen; with
    // prices the amount line has grams only.
    const QStringList rader = blad[0].split('\n');
    EXPECT_TRUE(rader.contains("TMjölk & <fil>\tN200\tN2.50\tN12.50\tN540\tN7.0\tT-\tN0.00\tN0.00\tN0.00\tN0.00\tN0.25"))
        << blad[0].toStdString();
    // Energy of the meal: 540 + 330 kJ, 870 / (8640 × 0.25) = 40 % of its share.
    EXPECT_TRUE(rader.contains("TEnergi\tN870\tTkJ\tN40%\tN2160")) << blad[0].toStdString();
    // Without prices the portions and the unit get their cells.
    Skriv(Rapportfiltyp::Excel, TUtskriftsval{.Omfattning = 0});
    const TUtdata utanPris = Python(ExcelLasare, mapp.filePath("rapport.xlsx"), "python3-openpyxl");
    EXPECT_TRUE(utanPris.Ut.contains("TÄpple, rå\tN1.00\tTst\tN150\tN330\tN0.6\t")) << utanPris.Ut.toStdString();
    EXPECT_FALSE(blad[0].contains("#STAPLAR 0"));
}

// A file that cannot be written leaves the old one whole.
TEST_F(RapportdokumentTest, MisslyckadSkrivningLamnarGamlaFilen) {
    for (const Rapportfiltyp typ : {Rapportfiltyp::Rtf, Rapportfiltyp::Excel, Rapportfiltyp::Html}) {
        rapport = KomponeraRapport(*t, AllaMedPris, 0, 0);
        const QString fil = mapp.filePath("saknad/rapport." + Filtypsinfo(typ).Andelse);
        EXPECT_FALSE(SkrivRapportfil(typ, rapport, layoutval, fil));
        // Over a folder: nothing can be renamed over it.
        const QString katalog = mapp.filePath("mapp." + Filtypsinfo(typ).Andelse);
        ASSERT_TRUE(QDir().mkpath(katalog + "/inne"));
        EXPECT_FALSE(SkrivRapportfil(typ, rapport, layoutval, katalog));
        EXPECT_TRUE(QFileInfo::exists(katalog + "/inne"));
        EXPECT_EQ(QDir(mapp.path()).entryList({"mapp.*.*"}, QDir::Files | QDir::Hidden), QStringList());
    }
}

}  // namespace
