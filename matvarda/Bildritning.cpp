#include "matvarda/Bildritning.h"

#include <QPainter>
#include <QPainterPath>

namespace matvarda {
namespace {

void Mjolk(QPainter& p) {
    p.setBrush(QColor(250, 250, 255));
    p.drawRect(28, 138, 24, 36);
    p.setBrush(QColor(60, 120, 220));
    p.drawPolygon(QPolygon({{28, 138}, {40, 126}, {52, 138}}));
    p.drawRect(28, 150, 24, 8);
    p.setBrush(QColor(250, 210, 80));
    p.drawPie(QRect(36, 156, 30, 20), 0, 180 * 16);
}

void Matfett(QPainter& p) {
    p.setBrush(QColor(255, 236, 140));
    p.drawRoundedRect(72, 158, 46, 24, 4, 4);
    p.setBrush(QColor(230, 180, 40));
    p.drawRect(72, 158, 46, 7);
}

void Brod(QPainter& p) {
    p.setBrush(QColor(196, 132, 64));
    QPainterPath limpa;
    limpa.addRoundedRect(QRectF(136, 140, 44, 30), 12, 12);
    p.drawPath(limpa);
    p.setPen(QPen(QColor(140, 90, 40), 2));
    for (int x = 146; x <= 170; x += 12) p.drawLine(x, 144, x + 6, 152);
    p.setPen(Qt::black);
    p.setBrush(QColor(230, 200, 120));
    p.drawEllipse(148, 124, 8, 14);
    p.drawEllipse(160, 122, 8, 14);
}

void Potatis(QPainter& p) {
    p.setBrush(QColor(205, 170, 110));
    p.drawEllipse(140, 80, 26, 20);
    p.drawEllipse(160, 86, 24, 18);
    p.setBrush(QColor(240, 130, 30));
    p.drawPolygon(QPolygon({{178, 78}, {198, 82}, {182, 96}}));
    p.setBrush(QColor(70, 160, 60));
    p.drawEllipse(194, 74, 6, 8);
}

void Kott(QPainter& p) {
    p.setBrush(QColor(200, 70, 70));
    p.drawEllipse(10, 78, 30, 22);
    p.setBrush(QColor(250, 240, 240));
    p.drawEllipse(22, 86, 8, 6);
    p.setBrush(QColor(150, 180, 210));
    p.drawEllipse(34, 90, 24, 12);
    p.drawPolygon(QPolygon({{56, 96}, {64, 90}, {64, 102}}));
    p.setBrush(QColor(255, 252, 235));
    p.drawEllipse(42, 76, 14, 16);
}

void Gronsaker(QPainter& p) {
    p.setBrush(QColor(60, 170, 70));
    p.drawEllipse(100, 26, 22, 26);
    p.drawEllipse(114, 32, 22, 24);
    p.setBrush(QColor(220, 40, 40));
    p.drawEllipse(110, 52, 20, 18);
    p.setBrush(QColor(40, 120, 50));
    p.drawRect(132, 48, 12, 24);
}

void Frukt(QPainter& p) {
    p.setBrush(QColor(220, 40, 50));
    p.drawEllipse(52, 30, 26, 26);
    p.setBrush(QColor(250, 160, 30));
    p.drawEllipse(64, 46, 24, 22);
    p.setBrush(QColor(110, 60, 140));
    for (int i = 0; i < 3; ++i) p.drawEllipse(52 + i * 7, 58, 7, 7);
    p.setPen(QPen(QColor(90, 60, 30), 2));
    p.drawLine(65, 30, 68, 22);
}

}  // namespace

const QVector<TBildomrade>& Bildomraden() {
    static const QVector<TBildomrade> omraden{
        {{23, 120, 41, 57}, QStringLiteral("Mjölk, ost"), Bildgrupp::MjolkOst},
        {{69, 136, 51, 55}, QStringLiteral("Matfett"), Bildgrupp::Matfett},
        {{133, 120, 50, 55}, QStringLiteral("Bröd mm"), Bildgrupp::Brod},
        {{135, 72, 65, 39}, QStringLiteral("Potatis, rotfrukter"), Bildgrupp::Potatis},
        {{7, 72, 57, 39}, QStringLiteral("Kött,fisk,ägg"), Bildgrupp::Kott},
        {{95, 20, 52, 55}, QStringLiteral("Grönsaker"), Bildgrupp::Gronsaker},
        {{47, 12, 49, 55}, QStringLiteral("Frukt, bär"), Bildgrupp::Frukt},
    };
    return omraden;
}

void RitaBildgrupper(QPainter& p) {
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(QColor(245, 245, 240));
    p.setPen(QPen(QColor(180, 180, 170), 2));
    p.drawEllipse(4, 8, 204, 184);
    p.setPen(QPen(QColor(90, 90, 90), 1));
    for (const auto rita : {Mjolk, Matfett, Brod, Potatis, Kott, Gronsaker, Frukt}) {
        p.save();
        rita(p);
        p.restore();
    }
}

}  // namespace matvarda
