#include "need/Formnvval.h"

#include "need/Nvval.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace matvarda {
namespace {

const QString Nvvalfil = QStringLiteral("nvval.txt");

QString Rutnamn(int nummer) {
    // The box for 20 carries its own spelling of the name.
    return (nummer == 20 ? QStringLiteral("Cbox%1") : QStringLiteral("cbox%1")).arg(nummer);
}

}  // namespace

Tformnvval::Tformnvval(TUrval& urval, TOmgivning omgivning, QWidget* foralder)
    : QWidget(foralder, Qt::Window), urval_(urval), omgivning_(std::move(omgivning)) {
    setWindowTitle(QStringLiteral("Val av näringämnen"));
    SkapaKontroller();
    FormCreate();
}

void Tformnvval::SkapaKontroller() {
    auto* lodrat = new QVBoxLayout(this);
    lodrat->addWidget(new QLabel(QStringLiteral("Markera de näringsämnen du vill räkna med"), this));
    auto* rutnat = new QGridLayout;
    for (int kolumn = 0; kolumn < static_cast<int>(Nvkolumner.size()); ++kolumn) {
        int rad = 0;
        for (const TNvruta& ruta : Nvkolumner[kolumn]) {
            auto* box = new QCheckBox(QString::fromUtf8(ruta.Text), this);
            box->setObjectName(Rutnamn(ruta.Nummer));
            Rutor[ruta.Nummer] = box;
            rutnat->addWidget(box, rad++, kolumn);
        }
    }
    lodrat->addLayout(rutnat);
    Button1 = new QPushButton(QStringLiteral("OK"), this);
    connect(Button1, &QPushButton::clicked, this, &Tformnvval::Button1Click);
    lodrat->addWidget(Button1, 0, Qt::AlignHCenter);
}

void Tformnvval::FormCreate() {
    const auto fel = LasNvval(omgivning_.Fil(Nvvalfil), urval_);
    for (int n = 0; n <= SistaNaringsnummer; ++n)
        if (Rutor[n]) Rutor[n]->setChecked(urval_.Valda[n]);
    if (fel) omgivning_.Dialogerna.Meddelande(*fel);
}

TUrval Tformnvval::MarkeradeRutor() const {
    TUrval urval;
    for (int n = 0; n <= SistaNaringsnummer; ++n) urval.Valda[n] = Rutor[n] && Rutor[n]->isChecked();
    urval.AntalValda = RaknaValda(urval);
    return urval;
}

// The selection is applied even when the file cannot be written; the user
// is told that it will not survive a restart.
void Tformnvval::Button1Click() {
    const TUrval urval = MarkeradeRutor();
    if (!SkrivNvval(omgivning_.Fil(Nvvalfil), urval))
        omgivning_.Dialogerna.Meddelande(
            QStringLiteral("Kan ej spara valet av näringsämnen i filen %1. Valet gäller bara tills programmet avslutas.")
                .arg(Nvvalfil));
    urval_ = urval;
    hide();
    omgivning_.RaknaOm();
}

}  // namespace matvarda
