#include "analysis/FormToppen.h"

#include "analysis/Toppen.h"
#include "platform/QtTypsnitt.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QRadioButton>
#include <QVBoxLayout>

namespace matvarda {
namespace {

constexpr int PerPortion = 0;
constexpr int Per100gram = 1;

}  // namespace

TFormToppen::TFormToppen(const TNaringskatalog& katalog, Tabell& fodtab100, Dialoger& dialoger, QWidget* foralder)
    : QWidget(foralder, Qt::Window), katalog_(katalog), fodtab100_(fodtab100), dialoger_(dialoger),
      nummer_(Toppnaringsamnen()) {
    setWindowTitle(QStringLiteral("Topplistan"));
    SkapaKontroller();
    for (const int n : nummer_) ListBox1->addItem(katalog_.NamnEnhet[n]);
}

void TFormToppen::SkapaKontroller() {
    resize(760, 520);
    auto* rutnat = new QGridLayout(this);
    auto* rubrik = new QLabel(QStringLiteral("Klicka på det näringsämne du vill kontrollera"), this);
    rubrik->setStyleSheet(QStringLiteral("color: blue;"));
    rutnat->addWidget(rubrik, 0, 0, 1, 2);

    rutnat->addWidget(new QLabel(QStringLiteral("Näringsämne"), this), 1, 0);
    ListBox1 = new QListWidget(this);
    ListBox1->setAccessibleName(QStringLiteral("Näringsämne"));
    ListBox1->setFixedWidth(170);
    connect(ListBox1, &QListWidget::itemSelectionChanged, this, &TFormToppen::ByggLista);
    rutnat->addWidget(ListBox1, 2, 0);

    LabelMangd = new QLabel(QStringLiteral("Mängd per portion"), this);
    rutnat->addWidget(LabelMangd, 1, 1);
    ListBoxSynlig = new QListWidget(this);
    ListBoxSynlig->setAccessibleName(QStringLiteral("Topplista"));
    // The amounts are right-aligned in their ten characters.
    ListBoxSynlig->setFont(Fastbreddstypsnitt(10));
    rutnat->addWidget(ListBoxSynlig, 2, 1);

    auto* visning = new QGroupBox(QStringLiteral("Visning"), this);
    auto* knappar = new QVBoxLayout(visning);
    RadioPerPortion = new QRadioButton(QStringLiteral("Per porttion"), visning);
    RadioPer100gram = new QRadioButton(QStringLiteral("Per 100 gram"), visning);
    RadioGroup1 = new QButtonGroup(this);
    RadioGroup1->addButton(RadioPerPortion, PerPortion);
    RadioGroup1->addButton(RadioPer100gram, Per100gram);
    for (QRadioButton* knapp : {RadioPerPortion, RadioPer100gram}) {
        knapp->setAccessibleName(knapp->text());
        knappar->addWidget(knapp);
    }
    RadioPerPortion->setChecked(true);
    connect(RadioGroup1, &QButtonGroup::idClicked, this, &TFormToppen::ByggLista);
    rutnat->addWidget(visning, 3, 0);
    rutnat->setColumnStretch(1, 1);
    rutnat->setRowStretch(2, 1);
}

void TFormToppen::ByggLista() {
    const QList<QListWidgetItem*> valda = ListBox1->selectedItems();
    if (valda.isEmpty()) return;
    const int rad = ListBox1->row(valda.first());
    if (rad < 0 || rad >= nummer_.size()) return;
    const bool per100gram = RadioGroup1->checkedId() == Per100gram;
    ListBoxSynlig->clear();
    LabelMangd->setText(per100gram ? QStringLiteral("Mängd per 100 gram") : QStringLiteral("Mängd per portion"));
    try {
        ListBoxSynlig->addItems(Topplistan(fodtab100_, katalog_, nummer_[rad], per100gram));
    } catch (const Fel& fel) {
        dialoger_.Meddelande(QStringLiteral("Kan ej läsa livsmedelstabellen.\n") + fel.Meddelande());
    }
}

}  // namespace matvarda
