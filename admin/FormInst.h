#pragma once

// The settings window: meal shares, the ideal energy distribution and the
// price lock, each change behind the password.

#include "admin/Installningar.h"
#include "matvarda/FormProgram.h"

#include <QWidget>

class QLabel;
class QPushButton;
class QTableWidget;

namespace matvarda {

class TFormInst : public QWidget {
    Q_OBJECT
public:
    TFormInst(TProgram& program, QWidget* foralder);

    void Button2Click();
    void Button1Click();
    void ButtonJaClick();
    void ButtonNejClick();

    QTableWidget* StringGrid1 = nullptr;
    QTableWidget* StringGrid2 = nullptr;
    QPushButton* Button2 = nullptr;
    QPushButton* Button1 = nullptr;
    QPushButton* ButtonJa = nullptr;
    QPushButton* ButtonNej = nullptr;
    QLabel* LabelPrisPassword = nullptr;

private:
    void SkapaKontroller();
    QTableWidget* SkapaGrid(const QString& rubrik, const QStringList& rader);
    void FormCreate();
    TInstallningstexter Celltexter() const;
    void VisaCelltexter(const TInstallningstexter& texter);
    void SattPrislas(bool lasta);
    void SparaPrislas(bool lasta);

    TProgram& program_;
};

}  // namespace matvarda
