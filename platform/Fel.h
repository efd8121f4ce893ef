#pragma once

// The program's one error type: a failure that stops an operation (a table
// that cannot be read, a start that cannot go on, an import that finds a bad
// line). Its text is Swedish and is shown to the user as it stands.

#include <QString>
#include <stdexcept>

namespace matvarda {

class Fel : public std::runtime_error {
public:
    explicit Fel(const QString& meddelande) : std::runtime_error(meddelande.toStdString()) {}
    QString Meddelande() const { return QString::fromStdString(what()); }
};

}  // namespace matvarda
