#pragma once

#include <QLineEdit>

class QAbstractItemView;

namespace matvarda {

// The type-ahead field above the food list. The arrow and page keys move in
// the list while the typing goes on here; Enter is QLineEdit's returnPressed.
class TTypfilterfalt : public QLineEdit {
    Q_OBJECT
public:
    TTypfilterfalt(QAbstractItemView* lista, QWidget* foralder);

signals:
    void EscapeTryckt();

protected:
    void keyPressEvent(QKeyEvent* handelse) override;

private:
    QAbstractItemView* lista_;
};

}  // namespace matvarda
