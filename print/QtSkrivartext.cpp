#include "print/QtSkrivartext.h"

#include "platform/QtTypsnitt.h"
#include "print/Skrivartext.h"

#include <QPainter>

namespace matvarda {
namespace {

// A painter over a printer that has started its job.
class TSkrivaryta : public TRityta {
public:
    TSkrivaryta(QPainter& malare, QPrinter& skrivare, const QFont& typsnitt)
        : malare_(malare), skrivare_(skrivare) {
        malare_.setFont(typsnitt);
        // The font's height in printer pixels: points times the printer's
        // vertical dots per inch over 72.
        radhojd_ = qRound(typsnitt.pointSizeF() * skrivare.logicalDpiY() / 72.0);
        overkant_ = malare_.fontMetrics().ascent();
    }

    void NySida() override { skrivare_.newPage(); }
    void RitaText(int x, int y, const QString& text) override { malare_.drawText(x, y + overkant_, text); }
    int Sidhojd() const override { return skrivare_.height(); }
    int Radhojd() const override { return radhojd_; }

private:
    QPainter& malare_;
    QPrinter& skrivare_;
    int radhojd_ = 0;
    int overkant_ = 0;
};

}  // namespace

TSkrivartext::TSkrivartext() : Typsnitt(Fastbreddstypsnitt(10)) {}

bool TSkrivartext::SkrivUt(Dialoger& dialoger, const QStringList& rader) {
    if (!dialoger.Skrivardialog(Skrivare)) return false;
    if (!dialoger.Typsnittsdialog(Typsnitt)) return false;
    QPainter malare;
    if (!malare.begin(&Skrivare)) {
        dialoger.Meddelande(QStringLiteral("Kan ej starta utskriften."));
        return false;
    }
    TSkrivaryta yta(malare, Skrivare, Typsnitt);
    SkrivRader(yta, rader);
    return malare.end();
}

}  // namespace matvarda
