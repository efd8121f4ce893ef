#pragma once

// Every message, question, input box, file, printer and font dialog of the
// program goes through this interface, so that tests can answer them and
// read what the user was shown.

#include <QString>
#include <optional>

class QFont;
class QPrinter;

namespace matvarda {

enum class Svar { Ja, Nej, Avbryt };

class Dialoger {
public:
    virtual ~Dialoger() = default;

    virtual void Meddelande(const QString& text) = 0;
    virtual Svar FragaJaNejAvbryt(const QString& text) = 0;
    virtual Svar FragaJaNej(const QString& text) = 0;
    // nullopt when the user cancels.
    virtual std::optional<QString> Inmatning(const QString& titel, const QString& ledtext,
                                             const QString& forval) = 0;
    virtual std::optional<QString> OppnaFil(const QString& titel, const QString& mapp,
                                            const QString& filter) = 0;
    // Does not ask before replacing a file: the caller gives the name its
    // extension first and asks about that name (ValjSparfil, core/Filval.h).
    virtual std::optional<QString> SparaFil(const QString& titel, const QString& mapp,
                                            const QString& filter, const QString& forvaltNamn) = 0;
    // The system's printer selection on `skrivare`; false when cancelled.
    virtual bool Skrivardialog(QPrinter& skrivare) = 0;
    // Fixed-pitch fonts only, starting from `typsnitt`, which takes the
    // choice; false when cancelled.
    virtual bool Typsnittsdialog(QFont& typsnitt) = 0;
};

}  // namespace matvarda
