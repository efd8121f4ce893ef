#include "platform/QtDialoger.h"

#include <QApplication>
#include <QFileDialog>
#include <QFontDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPrintDialog>

namespace matvarda {
namespace {

Svar Fraga(QWidget* foralder, const QString& text, QMessageBox::StandardButtons knappar) {
    const auto svar = QMessageBox::information(foralder, QApplication::applicationDisplayName(), text, knappar);
    if (svar == QMessageBox::Yes) return Svar::Ja;
    if (svar == QMessageBox::No) return Svar::Nej;
    return Svar::Avbryt;
}

// The file dialogs' filters come as "name|*.ext"; Qt writes "name (*.ext)".
QString QtFilter(const QString& filter) {
    const qsizetype streck = filter.indexOf('|');
    if (streck < 0) return filter;
    return filter.left(streck) + " (" + filter.mid(streck + 1) + ")";
}

}  // namespace

void QtDialoger::Meddelande(const QString& text) {
    QMessageBox::information(foralder_, QApplication::applicationDisplayName(), text);
}

Svar QtDialoger::FragaJaNejAvbryt(const QString& text) {
    return Fraga(foralder_, text, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
}

Svar QtDialoger::FragaJaNej(const QString& text) {
    return Fraga(foralder_, text, QMessageBox::Yes | QMessageBox::No);
}

std::optional<QString> QtDialoger::Inmatning(const QString& titel, const QString& ledtext, const QString& forval) {
    bool ok = false;
    const QString text = QInputDialog::getText(foralder_, titel, ledtext, QLineEdit::Normal, forval, &ok);
    if (!ok) return std::nullopt;
    return text;
}

std::optional<QString> QtDialoger::OppnaFil(const QString& titel, const QString& mapp, const QString& filter) {
    const QString fil = QFileDialog::getOpenFileName(foralder_, titel, mapp, QtFilter(filter));
    if (fil.isEmpty()) return std::nullopt;
    return fil;
}

std::optional<QString> QtDialoger::SparaFil(const QString& titel, const QString& mapp, const QString& filter,
                                            const QString& forvaltNamn) {
    const QString start = forvaltNamn.isEmpty() ? mapp : mapp + '/' + forvaltNamn;
    const QString fil = QFileDialog::getSaveFileName(foralder_, titel, start, QtFilter(filter), nullptr,
                                                     QFileDialog::DontConfirmOverwrite);
    if (fil.isEmpty()) return std::nullopt;
    return fil;
}

bool QtDialoger::Skrivardialog(QPrinter& skrivare) {
    QPrintDialog dialog(&skrivare, foralder_);
    return dialog.exec() == QDialog::Accepted;
}

bool QtDialoger::Typsnittsdialog(QFont& typsnitt) {
    bool ok = false;
    const QFont valt = QFontDialog::getFont(&ok, typsnitt, foralder_, QStringLiteral("Typsnitt"),
                                            QFontDialog::MonospacedFonts | QFontDialog::ScalableFonts);
    if (ok) typsnitt = valt;
    return ok;
}

}  // namespace matvarda
