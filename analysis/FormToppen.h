#pragma once

// The top list window: the user picks a nutrient and sees the foods of the
// food table richest in it, per portion or per 100 gram.

#include "core/Naringsamnen.h"
#include "platform/Dialoger.h"
#include "platform/Tabell.h"

#include <QVector>
#include <QWidget>

class QButtonGroup;
class QLabel;
class QListWidget;
class QRadioButton;

namespace matvarda {

class TFormToppen : public QWidget {
    Q_OBJECT
public:
    TFormToppen(const TNaringskatalog& katalog, Tabell& fodtab100, Dialoger& dialoger, QWidget* foralder);

    // Run by a click on a nutrient or on the display choice; nothing
    // happens while no nutrient is selected.
    void ByggLista();

    QListWidget* ListBox1 = nullptr;
    QLabel* LabelMangd = nullptr;
    QListWidget* ListBoxSynlig = nullptr;
    QButtonGroup* RadioGroup1 = nullptr;
    QRadioButton* RadioPerPortion = nullptr;
    QRadioButton* RadioPer100gram = nullptr;

private:
    void SkapaKontroller();

    const TNaringskatalog& katalog_;
    Tabell& fodtab100_;
    Dialoger& dialoger_;
    QVector<int> nummer_;
};

}  // namespace matvarda
