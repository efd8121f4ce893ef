#include "analysis/FormLivsmedelsgrupper.h"

#include "analysis/Livsmedelsgrupper.h"
#include "platform/QtDiagram.h"

#include <QCheckBox>
#include <QLabel>
#include <QVBoxLayout>

namespace matvarda {

TFormLivsmedelsgrupper::TFormLivsmedelsgrupper(const TDagbok& dagbok, bool& endastRavarugrupper,
                                               std::function<void()> raknaOm, QWidget* foralder)
    : QWidget(foralder, Qt::Window), dagbok_(dagbok), endastRavarugrupper_(endastRavarugrupper),
      raknaOm_(std::move(raknaOm)) {
    setWindowTitle(QStringLiteral("Antalet gram per livsmedelsgrupp under dagen."));
    SkapaKontroller();
}

void TFormLivsmedelsgrupper::SkapaKontroller() {
    resize(560, 440);
    auto* lodrat = new QVBoxLayout(this);
    LabelRubrik = new QLabel(QStringLiteral("Gram per livsmedelsgrupp under dagen."), this);
    LabelRubrik->setAlignment(Qt::AlignRight);
    lodrat->addWidget(LabelRubrik);
    ChartGrupper = new QtDiagram(Diagramslag::Staplar, 1, this);
    ChartGrupper->setAccessibleName(QStringLiteral("Gram per livsmedelsgrupp"));
    lodrat->addWidget(ChartGrupper, 1);

    LabelText = new QLabel(QStringLiteral("Endast livsmedel ur Livsmedelsverkets råvarugrupper räknas med i diagrammet.\n"
                                          "Övriga livsmedel hamnar i gruppen okänt.  Ät gärna 500 g frukt och grönsaker.\n"
                                          "Om du sätter x i rutan nedan visas endast Livsmedelsverkets råvarugrupper "
                                          "när du söker livsmedel."),
                           this);
    LabelText->setStyleSheet(QStringLiteral("color: blue;"));
    lodrat->addWidget(LabelText);
    CheckBoxEndastRavaror =
        new QCheckBox(QStringLiteral("Visa endast livsmedel ur råvarugrupperna vid livsmedelssökning."), this);
    CheckBoxEndastRavaror->setAccessibleName(CheckBoxEndastRavaror->text());
    CheckBoxEndastRavaror->setChecked(endastRavarugrupper_);
    connect(CheckBoxEndastRavaror, &QCheckBox::clicked, this, &TFormLivsmedelsgrupper::CheckBoxEndastRavarorClick);
    lodrat->addWidget(CheckBoxEndastRavaror);
}

void TFormLivsmedelsgrupper::BeraknaLivsmedelsgrupper() {
    ChartGrupper->Rensa(0);
    for (const TPunkt& stapel : Gruppstaplar(Gruppgram(dagbok_)))
        ChartGrupper->LaggTill(0, stapel.Varde, stapel.Etikett, stapel.Farg);
    ChartGrupper->Uppdatera();
}

// The main window's button shows the box's state in its caption.
void TFormLivsmedelsgrupper::CheckBoxEndastRavarorClick() {
    endastRavarugrupper_ = CheckBoxEndastRavaror->isChecked();
    if (raknaOm_) raknaOm_();
}

}  // namespace matvarda
