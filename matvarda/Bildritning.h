#pragma once

// The food-group picture: seven groups drawn on a plate, each an area that
// stands for its picture group. Drawn in a 212 x 196 square on any painter.

#include "core/Bildgrupper.h"

#include <QRect>
#include <QString>
#include <QVector>

class QPainter;

namespace matvarda {

constexpr int BildBredd = 212;
constexpr int BildHojd = 196;

struct TBildomrade {
    QRect Ruta;  // in the 212 x 196 drawing
    QString Tips;
    Bildgrupp Grupp;
};

const QVector<TBildomrade>& Bildomraden();

void RitaBildgrupper(QPainter& p);

}  // namespace matvarda
