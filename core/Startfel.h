#pragma once

#include <QString>
#include <stdexcept>

namespace matvarda {

// A fault that stops the start of the program; the text is shown to the user.
class Startfel : public std::runtime_error {
public:
    explicit Startfel(const QString& meddelande) : std::runtime_error(meddelande.toStdString()) {}
    QString Meddelande() const { return QString::fromStdString(what()); }
};

}  // namespace matvarda
