#pragma once

// The printer text output: plain lines placed on printer pages, one under
// the other from the top, 200 printer pixels in from the left. The lines go
// to a drawing surface, so the placement is the same on paper and in tests.

#include <QString>
#include <QStringList>

namespace matvarda {

constexpr int Skrivarvanster = 200;
inline const QString Vertikaltab(QChar(11));
inline const QString Sidmatning(QChar(12));

// A page surface measured in printer pixels.
class TRityta {
public:
    virtual ~TRityta() = default;
    virtual void NySida() = 0;
    // Draws the text with its top-left corner at (x, y).
    virtual void RitaText(int x, int y, const QString& text) = 0;
    virtual int Sidhojd() const = 0;  // the printable height of a page
    virtual int Radhojd() const = 0;  // the font's height
};

// A line of a single vertical tab is skipped; a line of a single form feed
// starts a new page; every other line, an empty one too, takes one line
// height. A line that would reach below the printable area starts the next
// page; the first line of a page is drawn however tall the font.
void SkrivRader(TRityta& yta, const QStringList& rader);

}  // namespace matvarda
