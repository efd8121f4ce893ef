#include "platform/SkriptadeDialoger.h"

#include <stdexcept>

namespace matvarda {

namespace {
[[noreturn]] void Saknas(const QString& fraga, const char* vad) {
    throw std::logic_error(QStringLiteral("Inget %1 köat för \"%2\"").arg(vad, fraga).toStdString());
}
}  // namespace

Svar SkriptadeDialoger::TaSvar(const QString& fraga) {
    Visat << fraga;
    if (svar_.empty() || !std::holds_alternative<Svar>(svar_.front())) Saknas(fraga, "knappsvar");
    const Svar svar = std::get<Svar>(svar_.front());
    svar_.pop_front();
    return svar;
}

std::optional<QString> SkriptadeDialoger::TaText(const QString& fraga) {
    Visat << fraga;
    if (svar_.empty() || !std::holds_alternative<std::optional<QString>>(svar_.front())) Saknas(fraga, "textsvar");
    auto text = std::get<std::optional<QString>>(svar_.front());
    svar_.pop_front();
    return text;
}

void SkriptadeDialoger::Meddelande(const QString& text) {
    Visat << text;
    Meddelanden << text;
}

Svar SkriptadeDialoger::FragaJaNejAvbryt(const QString& text) { return TaSvar(text); }

Svar SkriptadeDialoger::FragaJaNej(const QString& text) { return TaSvar(text); }

std::optional<QString> SkriptadeDialoger::Inmatning(const QString& titel, const QString& ledtext, const QString&) {
    Visat << titel;
    return TaText(ledtext);
}

std::optional<QString> SkriptadeDialoger::OppnaFil(const QString& titel, const QString&, const QString&) {
    return TaText(titel);
}

std::optional<QString> SkriptadeDialoger::SparaFil(const QString& titel, const QString&, const QString&,
                                                   const QString& forvaltNamn) {
    ForeslagnaNamn << forvaltNamn;
    return TaText(titel);
}

bool SkriptadeDialoger::Skrivardialog(QPrinter& skrivare) {
    if (TaSvar(QStringLiteral("Skrivare")) != Svar::Ja) return false;
    if (Skrivarval) Skrivarval(skrivare);
    return true;
}

bool SkriptadeDialoger::Typsnittsdialog(QFont&) { return TaSvar(QStringLiteral("Typsnitt")) == Svar::Ja; }

}  // namespace matvarda
