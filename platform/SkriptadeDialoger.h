#pragma once

// Dialogs for tests: answers are taken in the order they were queued, and
// every text shown is recorded. A dialog without a queued answer is a fault
// of the test and throws.

#include "platform/Dialoger.h"

#include <QStringList>
#include <deque>
#include <functional>
#include <variant>

namespace matvarda {

class SkriptadeDialoger : public Dialoger {
public:
    // An input or file answer; nullopt answers Cancel.
    using Svarsvarde = std::variant<Svar, std::optional<QString>>;

    void Svara(Svar svar) { svar_.push_back(svar); }
    void SvaraText(std::optional<QString> text) { svar_.push_back(std::move(text)); }

    // Every text shown: messages, questions, input titles and prompts, file
    // dialog titles, "Skrivare" and "Typsnitt" for those dialogs, in order.
    QStringList Visat;
    QStringList Meddelanden;
    QStringList ForeslagnaNamn;  // the names the save dialogs offered
    // What the user chooses in the printer dialog answered Ja, such as a
    // range of pages or an output file.
    std::function<void(QPrinter&)> Skrivarval;
    int ObesvaradeSvar() const { return static_cast<int>(svar_.size()); }

    void Meddelande(const QString& text) override;
    Svar FragaJaNejAvbryt(const QString& text) override;
    Svar FragaJaNej(const QString& text) override;
    std::optional<QString> Inmatning(const QString& titel, const QString& ledtext, const QString& forval) override;
    std::optional<QString> OppnaFil(const QString& titel, const QString& mapp, const QString& filter) override;
    std::optional<QString> SparaFil(const QString& titel, const QString& mapp, const QString& filter,
                                    const QString& forvaltNamn) override;
    // Answered with Svar::Ja for OK; the printer and the font stay as given.
    bool Skrivardialog(QPrinter& skrivare) override;
    bool Typsnittsdialog(QFont& typsnitt) override;

private:
    Svar TaSvar(const QString& fraga);
    std::optional<QString> TaText(const QString& fraga);
    std::deque<Svarsvarde> svar_;
};

}  // namespace matvarda
