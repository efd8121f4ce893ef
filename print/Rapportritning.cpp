#include "print/Rapportritning.h"

#include "platform/QtTypsnitt.h"
#include "platform/Textfil.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QtMath>
#include <array>
#include <optional>

namespace matvarda {
namespace {

constexpr double Markeringsstorlek = 11;  // the pies' slice marks, in report pixels

// `typsnitt` at `storlek` report pixels. Sizes are given in points of the
// device, so that the painter's scale alone takes them to the device.
QFont Typsnitt(QFont typsnitt, double storlek, const QPainter& malare) {
    typsnitt.setPointSizeF(storlek * 72 / malare.device()->logicalDpiY());
    // Unhinted, the advance stays 0.6 em at every zoom, and the columns stay
    // over the bars and marks.
    typsnitt.setHintingPreference(QFont::PreferNoHinting);
    return typsnitt;
}

QColor Farg(Rapportfarg farg) {
    switch (farg) {
    case Rapportfarg::Bla:
        return QColor(0, 0, 255);
    case Rapportfarg::Gron:
        return QColor(0, 128, 0);
    case Rapportfarg::Rod:
        return QColor(255, 0, 0);
    case Rapportfarg::Gul:
        return QColor(255, 255, 0);
    default:
        return Qt::black;
    }
}

// The fonts of one painter, each made once, and the one in use.
class TTypsnitten {
public:
    explicit TTypsnitten(QPainter& malare) : malare_(malare) {}

    void Anvand(Rapporttypsnitt typsnitt) {
        const auto i = static_cast<std::size_t>(typsnitt);
        if (!typsnitt_[i]) {
            typsnitt_[i] = Rapportfont(typsnitt, malare_);
            overkant_[i] = QFontMetricsF(*typsnitt_[i], malare_.device()).ascent();
        }
        if (aktuellt_ != i) malare_.setFont(*typsnitt_[i]);
        aktuellt_ = i;
    }
    double Overkant() const { return overkant_[aktuellt_]; }

private:
    static constexpr std::size_t Antal = static_cast<std::size_t>(Rapporttypsnitt::Titel) + 1;
    QPainter& malare_;
    std::array<std::optional<QFont>, Antal> typsnitt_;
    std::array<double, Antal> overkant_{};
    std::size_t aktuellt_ = Antal;
};

// Drawn from its baseline: no text layout for a line that never wraps.
void RitaText(QPainter& malare, TTypsnitten& typsnitten, const TTextpost& post) {
    typsnitten.Anvand(post.Typsnitt);
    malare.drawText(QPointF(post.Ruta.x(), post.Ruta.y() + typsnitten.Overkant()), post.Text);
}

// A slice's mark: a short line out of the pie and the label in a framed box
// beyond it, on the side the slice points to.
void RitaMarkering(QPainter& malare, const QPointF& mitt, double radie, double vinkel, const QString& text) {
    const double rad = qDegreesToRadians(vinkel);
    const QPointF riktning(std::cos(rad), -std::sin(rad));
    const QPointF kant = mitt + riktning * radie;
    const QPointF ute = mitt + riktning * (radie + 12);
    malare.setPen(QPen(Qt::black, 0.8));
    malare.drawLine(kant, ute);
    const QFontMetricsF matt(malare.font());
    const QSizeF storlek(matt.horizontalAdvance(text) + 6, matt.height() + 2);
    QRectF ruta(QPointF(), storlek);
    ruta.moveCenter(ute + QPointF(riktning.x() * storlek.width() / 2, riktning.y() * storlek.height() / 2));
    malare.setBrush(QColor(255, 255, 225));
    malare.drawRect(ruta);
    malare.drawText(ruta, Qt::AlignCenter, text);
}

void RitaCirkel(QPainter& malare, const TCirkeldiagram& cirkel) {
    malare.fillRect(cirkel.Ruta, Qt::white);
    malare.setFont(Rapportfont(Rapporttypsnitt::Cirkel, malare));
    malare.setPen(Qt::black);
    const double titelhojd = Typsnittsstorlek(Rapporttypsnitt::Cirkel) * 1.4;
    malare.drawText(QRectF(cirkel.Ruta.x(), cirkel.Ruta.y(), cirkel.Ruta.width(), titelhojd), Qt::AlignCenter,
                    cirkel.Titel);
    double summa = 0;
    for (const TCirkelbit& bit : cirkel.Bitar) summa += bit.Varde;
    if (!(summa > 0)) return;

    const QRectF yta = cirkel.Ruta.adjusted(0, titelhojd, 0, 0);
    const double radie = std::min(yta.height() / 2 - 20, yta.width() / 2 - 80);
    const QPointF mitt = yta.center();
    const QRectF ruta(mitt.x() - radie, mitt.y() - radie, 2 * radie, 2 * radie);
    double start = 0;
    for (const TCirkelbit& bit : cirkel.Bitar) {
        const double spann = 360 * bit.Varde / summa;
        malare.setPen(QPen(Qt::black, 0.5));
        malare.setBrush(Farg(bit.Farg));
        malare.drawPie(ruta, qRound(start * 16), qRound(spann * 16));
        start += spann;
    }
    malare.setFont(Typsnitt(Rapportfont(Rapporttypsnitt::Cirkel, malare), Markeringsstorlek, malare));
    start = 0;
    for (const TCirkelbit& bit : cirkel.Bitar) {
        const double spann = 360 * bit.Varde / summa;
        RitaMarkering(malare, mitt, radie, start + spann / 2, bit.Markering);
        start += spann;
    }
}

}  // namespace

QFont Rapportfont(Rapporttypsnitt typsnitt, const QPainter& malare) {
    if (typsnitt == Rapporttypsnitt::Cirkel) {
        QFont arial(QStringLiteral("Arial"));
        arial.setStyleHint(QFont::SansSerif);
        return Typsnitt(arial, Typsnittsstorlek(typsnitt), malare);
    }
    QFont fast = Typsnitt(Fastbreddstypsnitt(), Typsnittsstorlek(typsnitt), malare);
    fast.setBold(typsnitt == Rapporttypsnitt::Rubrik || typsnitt == Rapporttypsnitt::Titel);
    return fast;
}

void RitaSida(QPainter& malare, const TRapportsida& sida, double skala) {
    malare.save();
    malare.scale(skala, skala);
    malare.setRenderHint(QPainter::Antialiasing);
    for (const TRutpost& ruta : sida.Rutor) malare.fillRect(ruta.Ruta, Farg(ruta.Farg));
    malare.setPen(Qt::black);
    TTypsnitten typsnitten(malare);
    for (const TTextpost& text : sida.Texter) RitaText(malare, typsnitten, text);
    for (const TCirkeldiagram& cirkel : sida.Cirklar) RitaCirkel(malare, cirkel);
    malare.restore();
}

QImage Sidbild(const TRapportsida& sida, double skala) {
    QImage bild(qCeil(Sidbredd * skala), qCeil(Sidhojd * skala), QImage::Format_RGB32);
    bild.fill(Qt::white);
    QPainter malare(&bild);
    RitaSida(malare, sida, skala);
    return bild;
}

QByteArray CirkelPng(const TCirkeldiagram& cirkel, double skala) {
    QImage bild(qCeil(cirkel.Ruta.width() * skala), qCeil(cirkel.Ruta.height() * skala), QImage::Format_RGB32);
    bild.fill(Qt::white);
    {
        QPainter malare(&bild);
        malare.scale(skala, skala);
        malare.translate(-cirkel.Ruta.topLeft());
        malare.setRenderHint(QPainter::Antialiasing);
        RitaCirkel(malare, cirkel);
    }
    QByteArray png;
    QBuffer buffert(&png);
    if (!buffert.open(QIODevice::WriteOnly) || !bild.save(&buffert, "PNG")) return {};
    return png;
}

bool RitaSidor(QPagedPaintDevice& enhet, const TRapportlayout& layout, int fran, int till) {
    QPainter malare;
    if (!malare.begin(&enhet)) return false;
    const double skala = enhet.logicalDpiX() / Rapportpunkter;
    for (int s = std::max(fran, 0); s <= till && s < layout.Sidor.size(); ++s) {
        if (s > std::max(fran, 0) && !enhet.newPage()) return false;
        RitaSida(malare, layout.Sidor[s], skala);
    }
    return malare.end();
}

bool SkrivRapportPdf(const TRapportlayout& layout, const QString& fil) {
    // Made in memory and written by the one file writer, so that a full disk
    // never leaves a cut PDF in place of the old one.
    QByteArray pdfdata;
    QBuffer buffert(&pdfdata);
    if (!buffert.open(QIODevice::WriteOnly)) return false;
    {
        QPdfWriter pdf(&buffert);
        pdf.setCreator(QStringLiteral("Matvarda"));
        pdf.setTitle(layout.Namn);
        pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF()));
        if (!RitaSidor(pdf, layout, 0, static_cast<int>(layout.Sidor.size()) - 1)) return false;
    }
    return SkrivFil(fil, pdfdata);
}

}  // namespace matvarda
