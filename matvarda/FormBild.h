#pragma once

#include <QWidget>

namespace matvarda {

// The food-group picture as a control: a click on an area lists the foods
// of its picture group; the picture scales with the control.
class TBildgrupper : public QWidget {
    Q_OBJECT
public:
    explicit TBildgrupper(QWidget* foralder = nullptr);
    QSize sizeHint() const override { return {212, 196}; }

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
