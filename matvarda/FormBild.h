#pragma once

#include <QWidget>

namespace matvarda {

// The food-group picture: seven groups drawn on a plate, each a click area
// that lists the foods of its picture group. Drawn at 212 x 196 and scaled.
class TBildgrupper : public QWidget {
    Q_OBJECT
public:
    explicit TBildgrupper(QWidget* foralder = nullptr);
    QSize sizeHint() const override { return {212, 196}; }

    struct Omrade {
        QRect Ruta;  // in the 212 x 196 drawing
        QString Tips;
        QString Grupp;
    };
    static const QVector<Omrade>& Omraden();

    // The area under a point of the widget, or -1.
    int OmradeVid(const QPoint& punkt) const;

signals:
    void GruppKlickad(const QString& grupp);

protected:
    void paintEvent(QPaintEvent*) override;
    void mouseReleaseEvent(QMouseEvent* handelse) override;
    bool event(QEvent* handelse) override;

private:
    QTransform Skala() const;
};

}  // namespace matvarda
