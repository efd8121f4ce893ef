#include "need/FormAktskapa.h"

#include "core/Losenord.h"
#include "core/Tillstand.h"
#include "need/Aktivitetskatalog.h"

#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace matvarda {

TFormAktskapa::TFormAktskapa(TAktivitetskatalog& katalog, Dialoger& dialoger, QString arbetsmapp, QWidget* foralder)
    : QWidget(foralder, Qt::Window), katalog_(katalog), dialoger_(dialoger), arbetsmapp_(std::move(arbetsmapp)) {
    setWindowTitle(QStringLiteral("Aktiviteter med BMR-faktor."));
    resize(460, 560);
    auto* lodrat = new QVBoxLayout(this);

    StringGrid1 = new QTableWidget(AntalKatalograder - 1, 2, this);
    StringGrid1->setAccessibleName(QStringLiteral("Aktivitetstabell"));
    StringGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    StringGrid1->verticalHeader()->hide();
    StringGrid1->setColumnWidth(0, 300);
    StringGrid1->setColumnWidth(1, 90);
    lodrat->addWidget(StringGrid1, 1);

    ButtonAndra = new QPushButton(QStringLiteral("Klicka här för att ändra i aktivitetstabellen"), this);
    ButtonAndra->setAccessibleName(ButtonAndra->text());
    connect(ButtonAndra, &QPushButton::clicked, this, &TFormAktskapa::ButtonAndraClick);
    lodrat->addWidget(ButtonAndra, 0, Qt::AlignLeft);

    LabelAndra = new QLabel(QStringLiteral("Gör ev ändringar och tillägg och klicka sedan på Spara."), this);
    LabelAndra->setAccessibleName(LabelAndra->text());
    LabelAndra->setStyleSheet(QStringLiteral("color: blue;"));
    LabelAndra->hide();
    lodrat->addWidget(LabelAndra);

    ButtonSpara = new QPushButton(QStringLiteral("Spara"), this);
    ButtonSpara->setAccessibleName(ButtonSpara->text());
    ButtonSpara->hide();
    connect(ButtonSpara, &QPushButton::clicked, this, &TFormAktskapa::ButtonSparaClick);
    lodrat->addWidget(ButtonSpara, 0, Qt::AlignLeft);

    FormCreate();
}

QString TFormAktskapa::Fil() const { return QDir(arbetsmapp_).filePath(Aktivitetskatalogfil); }

// A catalogue that cannot be read leaves nothing to pick, and the program
// goes on.
void TFormAktskapa::FormCreate() {
    if (!LasAktivitetskatalog(Fil(), katalog_))
        dialoger_.Meddelande(QStringLiteral("Kan ej läsa aktivitetstabellen %1.\nDet finns inga aktiviteter att välja.")
                                 .arg(QDir::toNativeSeparators(Fil())));
    VisaKatalogen();
}

void TFormAktskapa::VisaKatalogen() {
    StringGrid1->setHorizontalHeaderLabels({katalog_[0].Namn, katalog_[0].Faktor});
    for (int r = 1; r < AntalKatalograder; ++r) {
        StringGrid1->setItem(r - 1, 0, new QTableWidgetItem(katalog_[r].Namn));
        StringGrid1->setItem(r - 1, 1, new QTableWidgetItem(katalog_[r].Faktor));
    }
}

TAktivitetskatalog TFormAktskapa::KatalogenITabellen() const {
    TAktivitetskatalog katalog;
    katalog[0] = katalog_[0];
    for (int r = 1; r < AntalKatalograder; ++r)
        katalog[r] = {StringGrid1->item(r - 1, 0)->text(), StringGrid1->item(r - 1, 1)->text()};
    return katalog;
}

void TFormAktskapa::ButtonAndraClick() {
    if (!FragaLosenord(dialoger_, Standardlosenord)) return;
    StringGrid1->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                                 QAbstractItemView::AnyKeyPressed);
    LabelAndra->show();
    ButtonSpara->show();
    ButtonAndra->hide();
}

void TFormAktskapa::ButtonSparaClick() {
    const TAktivitetskatalog katalog = KatalogenITabellen();
    if (!SparaAktivitetskatalog(Fil(), katalog)) {
        dialoger_.Meddelande(QStringLiteral("Kan ej spara aktivitetstabellen %1.\nDen sparade tabellen är oförändrad.")
                                 .arg(QDir::toNativeSeparators(Fil())));
        return;
    }
    // The table shows what the file now holds: short names come back empty.
    LasAktivitetskatalog(Fil(), katalog_);
    VisaKatalogen();
    dialoger_.Meddelande(QStringLiteral("Aktivitetslistan sparad"));
}

}  // namespace matvarda
