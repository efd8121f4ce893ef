#pragma once

#include "platform/Dialoger.h"

class QWidget;

namespace matvarda {

// The program's dialogs: Qt's message, input, file, print and font dialogs.
class QtDialoger : public Dialoger {
public:
    void SattForalder(QWidget* foralder) { foralder_ = foralder; }

    void Meddelande(const QString& text) override;
    Svar FragaJaNejAvbryt(const QString& text) override;
    Svar FragaJaNej(const QString& text) override;
    std::optional<QString> Inmatning(const QString& titel, const QString& ledtext, const QString& forval) override;
    std::optional<QString> OppnaFil(const QString& titel, const QString& mapp, const QString& filter) override;
    std::optional<QString> SparaFil(const QString& titel, const QString& mapp, const QString& filter,
                                    const QString& forvaltNamn) override;
    bool Skrivardialog(QPrinter& skrivare) override;
    bool Typsnittsdialog(QFont& typsnitt) override;

private:
    QWidget* foralder_ = nullptr;
};

}  // namespace matvarda
