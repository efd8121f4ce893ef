#include "calc/Formsiffror.h"

#include "calc/Siffror.h"

#include <QHeaderView>
#include <QTableWidget>
#include <QVBoxLayout>

namespace matvarda {
namespace {

constexpr int Radhojd = 16;

}  // namespace

TFormsiffror::TFormsiffror(const TTillstand& tillstand, QWidget* foralder)
    : QWidget(foralder, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      t_(tillstand) {
    setWindowTitle(QStringLiteral("Klicka på en rad i måltiden för att se radens näring."));

    StringGridSiffror = new QTableWidget(SiffrorRader, SiffrorKolumner, this);
    StringGridSiffror->setAccessibleName(QStringLiteral("Näringen i siffror"));
    StringGridSiffror->horizontalHeader()->hide();
    StringGridSiffror->verticalHeader()->hide();
    StringGridSiffror->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    StringGridSiffror->verticalHeader()->setDefaultSectionSize(Radhojd);
    StringGridSiffror->setEditTriggers(QAbstractItemView::NoEditTriggers);
    StringGridSiffror->setSelectionMode(QAbstractItemView::NoSelection);
    const int bredder[SiffrorKolumner] = {70, 214, 70, 70};
    for (int k = 0; k < SiffrorKolumner; ++k) StringGridSiffror->setColumnWidth(k, bredder[k]);
    // Row 0 is the fixed heading row.
    const QBrush rubrikfarg = palette().button();
    for (int r = 0; r < SiffrorRader; ++r)
        for (int k = 0; k < SiffrorKolumner; ++k) {
            auto* cell = new QTableWidgetItem;
            if (r == 0) cell->setBackground(rubrikfarg);
            StringGridSiffror->setItem(r, k, cell);
        }

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(StringGridSiffror);
    resize(70 + 214 + 70 + 70 + 24, 20 * Radhojd + 4);
}

void TFormsiffror::SattCell(int rad, int kolumn, const QString& text) {
    QTableWidgetItem* cell = StringGridSiffror->item(rad, kolumn);
    if (cell->text() != text) cell->setText(text);
}

void TFormsiffror::FyllSiffror() {
    const TSiffror siffror = Siffror(t_);
    for (int k = 1; k < SiffrorKolumner; ++k) SattCell(0, k, siffror.Rubrik[k - 1]);
    int q = 1;
    for (const auto& rad : siffror.Rader) {
        if (q >= SiffrorRader) break;
        for (int k = 0; k < SiffrorKolumner; ++k) SattCell(q, k, rad[k]);
        ++q;
    }
    for (; q < SiffrorRader; ++q)
        for (int k = 0; k < SiffrorKolumner; ++k) SattCell(q, k, QString());
}

}  // namespace matvarda
