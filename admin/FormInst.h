#pragma once

// The settings window: meal shares, the ideal energy distribution and the
// price lock, each change behind the password.

#include "admin/Installningar.h"
#include "core/Omgivning.h"
#include "core/Tillstand.h"

#include <QWidget>

class QLabel;
class QPushButton;
class QTableWidget;

namespace matvarda {

class TFormInst : public QWidget {
    Q_OBJECT
public:
    // `losenord` guards the price lock.
    TFormInst(TInstallningar& installningar, const QString& losenord, TOmgivning omgivning, QWidget* foralder);

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

    TInstallningar& installningar_;
    const QString& losenord_;
    TOmgivning omgivning_;
};

}  // namespace matvarda
