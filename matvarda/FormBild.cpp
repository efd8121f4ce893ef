#include "matvarda/FormBild.h"

#include "matvarda/Bildritning.h"

#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

namespace matvarda {

TBildgrupper::TBildgrupper(QWidget* foralder) : QWidget(foralder) {
    setMinimumSize(BildBredd, BildHojd);
    setMouseTracking(true);
    setCursor(Qt::PointingHandCursor);
    setAccessibleName(QStringLiteral("Livsmedelsgrupper, bild"));
}

QTransform TBildgrupper::Skala() const {
    const double skala = std::min(width() / double(BildBredd), height() / double(BildHojd));
    QTransform t;
    t.translate((width() - BildBredd * skala) / 2, (height() - BildHojd * skala) / 2);
    t.scale(skala, skala);
    return t;
}

int TBildgrupper::OmradeVid(const QPoint& punkt) const {
    const QPoint iBilden = Skala().inverted().map(punkt);
    const auto& omraden = Bildomraden();
    for (int i = 0; i < omraden.size(); ++i)
        if (omraden[i].Ruta.contains(iBilden)) return i;
    return -1;
}

void TBildgrupper::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setTransform(Skala());
    RitaBildgrupper(p);
}

void TBildgrupper::mouseReleaseEvent(QMouseEvent* handelse) {
    if (handelse->button() != Qt::LeftButton) return;
    const int omrade = OmradeVid(handelse->position().toPoint());
    if (omrade >= 0) emit GruppKlickad(Bildgruppnamn(Bildomraden()[omrade].Grupp));
}

bool TBildgrupper::event(QEvent* handelse) {
    if (handelse->type() != QEvent::ToolTip) return QWidget::event(handelse);
    auto* hjalp = static_cast<QHelpEvent*>(handelse);
    const int omrade = OmradeVid(hjalp->pos());
    if (omrade < 0) {
        QToolTip::hideText();
        handelse->ignore();
        return true;
    }
    QToolTip::showText(hjalp->globalPos(), Bildomraden()[omrade].Tips, this);
    return true;
}

}  // namespace matvarda
