#include "admin/Prislista.h"

#include <algorithm>

namespace matvarda {
namespace {

// The title band, counted from the page's top margin and the left margin;
// the date stands on the title's baseline.
constexpr double Huvudhojd = 40;
constexpr double TitelX = 8;
constexpr double TitelY = 9;
constexpr double DatumX = 160;
constexpr double DatumY = 14;

// The columns: their left edges from the left margin and their width; a
// name starts a little in, a price ends at the column's right edge.
constexpr double Kolumner[]{0, 376};
constexpr double Kolumnbredd = 345;
constexpr double NamnX = 8;
constexpr double Radhojd = 15;
constexpr int KortasteNamnrad = 20;  // characters, whatever the price's length
constexpr int Indrag = 2;            // characters: a name's further lines stand in from its first

static_assert(Vanstermarginal + Kolumner[1] + Kolumnbredd <= Sidbredd - Ovrigmarginal);
static_assert(PrisraderPerKolumn == static_cast<int>((Sidnederkant - Ovrigmarginal - Huvudhojd) / Radhojd));

const QString Titel = QStringLiteral("Pris per kg");

// The text in lines of at most `bredd` characters, the further ones
// `indrag` characters less, broken after a space; a word longer than a
// line is broken where the line ends.
QStringList Radbryt(const QString& text, int bredd, int indrag) {
    QStringList rader;
    QString rest = text.simplified();
    for (int plats = bredd; rest.size() > plats; plats = bredd - indrag) {
        qsizetype brytning = rest.lastIndexOf(u' ', plats);
        if (brytning <= 0) brytning = plats;
        rader << rest.left(brytning);
        rest = rest.mid(brytning).trimmed();
    }
    if (!rest.isEmpty() || rader.isEmpty()) rader << rest;
    return rader;
}

class TPrislayoutare {
public:
    explicit TPrislayoutare(const QString& datum) : datum_(datum) { layout_.Namn = Prislistenamn; }

    TRapportlayout Layouta(const QList<TPrispost>& poster) {
        NySida();
        layout_.Innehall.append({Titel, 0});
        for (const TPrispost& post : poster) Post(post);
        return std::move(layout_);
    }

private:
    void NySida() {
        layout_.Sidor.append(TRapportsida{});
        Text(TitelX, Ovrigmarginal + TitelY, Titel, Rapporttypsnitt::Titel);
        Text(DatumX, Ovrigmarginal + DatumY, datum_, Rapporttypsnitt::Rad);
        kolumn_ = 0;
        rad_ = 0;
    }

    void NastaKolumn() {
        if (++kolumn_ < static_cast<int>(std::size(Kolumner))) {
            rad_ = 0;
            return;
        }
        NySida();
    }

    void Text(double x, double y, const QString& text, Rapporttypsnitt typsnitt) {
        if (text.isEmpty()) return;
        layout_.Sidor.last().Texter.append({Textruta(Vanstermarginal + x, y, text, typsnitt), text, typsnitt});
    }

    // A food whose lines do not fit under the column's last line starts the
    // next column; one longer than a whole column runs on over it.
    void Post(const TPrispost& post) {
        const QString pris = post.Kgpris.trimmed();
        const double tecken = Teckenbredd(Rapporttypsnitt::Rad);
        const int bredd = std::max(KortasteNamnrad, static_cast<int>((Kolumnbredd - NamnX) / tecken) -
                                                        static_cast<int>(pris.size()) - 1);
        const QStringList rader = Radbryt(post.Livsmedel, bredd, Indrag);
        if (rad_ > 0 && rad_ + rader.size() > PrisraderPerKolumn) NastaKolumn();
        for (qsizetype i = 0; i < rader.size(); ++i) {
            if (rad_ == PrisraderPerKolumn) NastaKolumn();
            const double x = Kolumner[kolumn_];
            const double y = Ovrigmarginal + Huvudhojd + rad_ * Radhojd;
            Text(x + NamnX + (i > 0 ? Indrag * tecken : 0), y, rader[i], Rapporttypsnitt::Rad);
            if (i == 0) Text(x + Kolumnbredd - pris.size() * tecken, y, pris, Rapporttypsnitt::Rad);
            ++rad_;
        }
    }

    const QString& datum_;
    TRapportlayout layout_;
    int kolumn_ = 0;
    int rad_ = 0;
};

}  // namespace

TRapportlayout LayoutaPrislista(const QList<TPrispost>& poster, const QString& datum) {
    return TPrislayoutare(datum).Layouta(poster);
}

}  // namespace matvarda
