#include "calc/FormSalt.h"

#include "calc/Salt.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>

namespace matvarda {

struct TFormSalt::TSkalfalt {
    QString Text;
    QColor Farg;
    int Fran;
    int Till;
};

namespace {

const QColor Rod(255, 0, 0);
const QColor Lime(0, 255, 0);
const QColor Gul(255, 255, 0);
constexpr int Falthojd = 21;

}  // namespace

TFormSalt::TFormSalt(const TResultat& resultat, QWidget* foralder)
    : QWidget(foralder, Qt::Window), resultat_(resultat) {
    setWindowTitle(QStringLiteral("Salt (NaCl) i förhållande till behovet"));
    setFixedSize(600, 220);

    SkapaSkala(QStringLiteral("Kvinna"), 80,
               {{QStringLiteral("     < 4 g  För lite"), Rod, 61, 161},
                {QStringLiteral("  5 - 6 g"), Lime, 162, 212},
                {QStringLiteral("  7 g"), Gul, 212, 237},
                {QStringLiteral("                     > 7 gram   För mycket"), Rod, 237, 561}});
    BlaEtikett(QStringLiteral("Du"), 8, 112);
    ProgressBarSalt = new QProgressBar(this);
    ProgressBarSalt->setAccessibleName(QStringLiteral("Salt i gram"));
    ProgressBarSalt->setGeometry(62, 112, 500, 17);
    ProgressBarSalt->setRange(0, SaltmatareMax);
    ProgressBarSalt->setValue(0);
    ProgressBarSalt->setTextVisible(false);
    SkapaSkala(QStringLiteral("Man"), 144,
               {{QStringLiteral("        < 4 g För lite"), Rod, 61, 161},
                {QStringLiteral("       5 - 7 g"), Lime, 162, 237},
                {QStringLiteral("  8 g"), Gul, 237, 262},
                {QStringLiteral("              > 8 gram   För mycket"), Rod, 262, 561}});

    MemoSalt = new QPlainTextEdit(this);
    MemoSalt->setAccessibleName(QStringLiteral("Saltmängd"));
    MemoSalt->setGeometry(61, 172, 500, 42);
    MemoSalt->setReadOnly(true);
    MemoSalt->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    MemoSalt->setStyleSheet(QStringLiteral("color: blue;"));
    MemoSalt->setPlainText(SaltStarttext.join('\n'));
}

QLabel* TFormSalt::BlaEtikett(const QString& text, int x, int y) {
    auto* etikett = new QLabel(text, this);
    etikett->setStyleSheet(QStringLiteral("color: blue;"));
    etikett->move(x, y);
    return etikett;
}

// A row of read-only coloured fields whose edges line up with the gauge's
// grams (25 pixels to the gram).
void TFormSalt::SkapaSkala(const QString& namn, int y, std::initializer_list<TSkalfalt> falt) {
    BlaEtikett(namn, 8, y);
    for (const TSkalfalt& f : falt) {
        auto* ruta = new QLineEdit(f.Text, this);
        ruta->setReadOnly(true);
        ruta->setAccessibleName(namn + ' ' + f.Text);
        ruta->setFocusPolicy(Qt::NoFocus);
        ruta->setFrame(false);
        ruta->setGeometry(f.Fran, y - 2, f.Till - f.Fran, Falthojd);
        ruta->setStyleSheet(QStringLiteral("background: %1; color: black;").arg(f.Farg.name()));
    }
}

void TFormSalt::FyllSalt() {
    ProgressBarSalt->setValue(Saltmatare(resultat_.Saltgram));
    const QString text = Salttext(resultat_).join('\n');
    if (MemoSalt->toPlainText() != text) MemoSalt->setPlainText(text);
}

}  // namespace matvarda
