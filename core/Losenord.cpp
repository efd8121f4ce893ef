#include "core/Losenord.h"

#include "platform/Textfil.h"
#include "core/Tillstand.h"

#include <QFile>

namespace matvarda {

QString Versaler(const QString& text) {
    QString resultat = text;
    for (QChar& tecken : resultat)
        if (tecken >= QLatin1Char('a') && tecken <= QLatin1Char('z')) tecken = QChar(tecken.unicode() - 'a' + 'A');
    return resultat;
}

QString LasLosenord(const QString& fil) {
    const auto rader = LasTextrader(fil);
    if (!rader || rader->isEmpty() || rader->first().size() < 2) return Standardlosenord;
    return Versaler(rader->first());
}

bool FragaLosenord(Dialoger& dialoger, const QString& accepterat) {
    const auto svar = dialoger.Inmatning(LosenordTitel, LosenordLedtext, QString());
    if (!svar) return false;
    if (Versaler(*svar) == accepterat) return true;
    dialoger.Meddelande(FelLosenord);
    return false;
}

bool LasPrislas(const QString& fil) {
    const auto rader = LasTextrader(fil);
    return rader && !rader->isEmpty() && rader->first() == QLatin1String("password=ja");
}

bool SkrivPrislas(const QString& fil, bool lasta) {
    return SkrivTextrader(fil, {lasta ? QStringLiteral("password=ja") : QStringLiteral("password=nej")});
}

}  // namespace matvarda
