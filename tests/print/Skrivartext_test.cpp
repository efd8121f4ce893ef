#include "print/Skrivartext.h"

#include "stod/Fixtur.h"

#include <gtest/gtest.h>
#include <vector>

using namespace matvarda;

namespace {

struct TRitat {
    int Sida;
    int X;
    int Y;
    QString Text;
    friend bool operator==(const TRitat&, const TRitat&) = default;
};

void PrintTo(const TRitat& r, std::ostream* ut) {
    *ut << "sida " << r.Sida << " (" << r.X << ", " << r.Y << ") \"" << r.Text.toStdString() << '"';
}

// A page of 1000 printer pixels that records what is drawn where.
class TProvyta : public TRityta {
public:
    explicit TProvyta(int radhojd, int sidhojd = 1000) : radhojd_(radhojd), sidhojd_(sidhojd) {}
    void NySida() override { ++sida; }
    void RitaText(int x, int y, const QString& text) override { ritat.push_back({sida, x, y, text}); }
    int Sidhojd() const override { return sidhojd_; }
    int Radhojd() const override { return radhojd_; }

    int sida = 0;
    std::vector<TRitat> ritat;

private:
    int radhojd_;
    int sidhojd_;
};

QStringList Numrerade(int antal) {
    QStringList rader;
    for (int i = 1; i <= antal; ++i) rader << QString::number(i);
    return rader;
}

TEST(Skrivartext, RaderFyllerSidanUtanAttNagonHamnarUnderUtskriftsytan) {
    QStringList rader = Numrerade(25);
    rader.insert(3, Vertikaltab);  // takes no space
    rader[7] = QString();          // an empty line takes a line
    TProvyta yta(100);
    SkrivRader(yta, rader);
    ASSERT_EQ(yta.ritat.size(), 25u);
    EXPECT_EQ(yta.sida, 2);
    for (std::size_t i = 0; i < yta.ritat.size(); ++i) {
        const TRitat& r = yta.ritat[i];
        EXPECT_EQ(r.X, Skrivarvanster);
        EXPECT_EQ(r.Sida, static_cast<int>(i / 10)) << i;
        EXPECT_EQ(r.Y, static_cast<int>(i % 10) * 100) << i;
        EXPECT_LE(r.Y + 100, 1000) << i;
    }
    EXPECT_EQ(yta.ritat[3].Text, "4");
    EXPECT_EQ(yta.ritat[6].Text, "");
    EXPECT_EQ(yta.ritat[9], (TRitat{0, 200, 900, "10"}));
    EXPECT_EQ(yta.ritat[10], (TRitat{1, 200, 0, "11"}));
}

TEST(Skrivartext, RaderPerSidaFoljerTypsnittetsHojd) {
    const struct {
        int radhojd;
        int perSida;
    } fall[] = {{100, 10}, {200, 5}, {101, 9}, {333, 3}, {334, 2}, {1000, 1}, {1500, 1}};
    for (const auto& f : fall) {
        TProvyta yta(f.radhojd);
        SkrivRader(yta, Numrerade(f.perSida + 1));
        ASSERT_EQ(yta.ritat.size(), static_cast<std::size_t>(f.perSida + 1)) << f.radhojd;
        EXPECT_EQ(yta.ritat[f.perSida - 1].Sida, 0) << f.radhojd;
        EXPECT_EQ(yta.ritat[f.perSida], (TRitat{1, 200, 0, QString::number(f.perSida + 1)})) << f.radhojd;
    }
}

TEST(Skrivartext, SidmatningBorjarNySidaOchTarIngenPlats) {
    // A form feed on a full page starts the next page; no empty page comes
    // between. Two form feeds in a row do leave one empty page.
    QStringList rader = Numrerade(10);
    rader << Sidmatning << QStringLiteral("a") << Sidmatning << Sidmatning << QStringLiteral("b");
    TProvyta yta(100);
    SkrivRader(yta, rader);
    ASSERT_EQ(yta.ritat.size(), 12u);
    EXPECT_EQ(yta.ritat[9].Sida, 0);
    EXPECT_EQ(yta.ritat[10], (TRitat{1, 200, 0, "a"}));
    EXPECT_EQ(yta.ritat[11], (TRitat{3, 200, 0, "b"}));
    EXPECT_EQ(yta.sida, 3);
}

TEST(Skrivartext, TomTextRitarIngenting) {
    TProvyta yta(100);
    SkrivRader(yta, {});
    SkrivRader(yta, {Vertikaltab, Vertikaltab});
    EXPECT_TRUE(yta.ritat.empty());
    EXPECT_EQ(yta.sida, 0);
}

TEST(Skrivartext, EndastEttEnsamtStyrteckenStyrSidan) {
    TProvyta yta(100);
    SkrivRader(yta, {QStringLiteral(" \f"), QStringLiteral("\v\v")});
    EXPECT_EQ(yta.sida, 0);
    ASSERT_EQ(yta.ritat.size(), 2u);
    EXPECT_EQ(yta.ritat[1].Y, 100);
}

}  // namespace
