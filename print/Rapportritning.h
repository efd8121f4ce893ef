#pragma once

// One painter for the report's pages: the preview, the printer and the PDF
// file all show a page drawn by the same code, scaled to the device.

#include "print/Rapportlayout.h"

#include <QFont>
#include <QImage>
#include <QString>

class QPainter;
class QPagedPaintDevice;

namespace matvarda {

// The report's fonts; the fixed-pitch ones are Courier New where it is
// installed, else Liberation Mono, which has its metrics.
QFont Rapportfont(Rapporttypsnitt typsnitt, const QPainter& malare);

// Draws the page with `skala` device pixels to a report pixel, from the
// painter's origin (the paper's corner).
void RitaSida(QPainter& malare, const TRapportsida& sida, double skala);

// The page as an image on white, `skala` image pixels to a report pixel.
QImage Sidbild(const TRapportsida& sida, double skala);

// A pie alone as a PNG picture, `skala` pixels to a report pixel; empty
// when it cannot be made.
QByteArray CirkelPng(const TCirkeldiagram& cirkel, double skala);

// Pages `fran` to `till` (from 0) on a device whose origin is the paper's
// corner: a printer in full-page mode, or a PDF writer. False when the
// device cannot be painted on.
bool RitaSidor(QPagedPaintDevice& enhet, const TRapportlayout& layout, int fran, int till);

// The whole report as a PDF file on A4, its text as text in embedded fonts.
// The file is written beside and renamed over the old one; false when it
// cannot be written.
bool SkrivRapportPdf(const TRapportlayout& layout, const QString& fil);

}  // namespace matvarda
