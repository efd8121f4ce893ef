#include "stod/Fixtur.h"

#include "core/Tabellayout.h"
#include "platform/Tabell.h"

#include <QFile>
#include <stdexcept>

namespace matvarda::test {

void SkapaLivsmedelstabell(const QString& mapp, const QString& namn, const QVector<Provlivsmedel>& livsmedel) {
    const auto falt = Livsmedelsfalt();
    Tabell::Skapa(mapp, namn, falt, QStringLiteral("Kod"), {{QStringLiteral("livsmedel"), QStringLiteral("Livsmedel")}});
    Tabell tabell(mapp, namn);
    tabell.Oppna();
    tabell.BorjaTransaktion();
    for (const Provlivsmedel& l : livsmedel) {
        QVariantList rad(falt.size());
        rad[0] = l.Kod;
        rad[1] = l.Livsmedel;
        rad[2] = l.Portion;
        rad[3] = l.Enhet;
        rad[4] = l.Grupp1;
        rad[5] = l.Grupp2;
        rad[6] = l.Kgpris;
        for (const auto& [i, v] : l.Naring) rad[ForstaNaringsfalt + i] = v;
        const int forstaEnhet = ForstaNaringsfalt + AntalNaringsamnen;
        for (int i = 0; i < l.Enheter.size() && i < 4; ++i) {
            rad[forstaEnhet + i] = l.Enheter[i];
            rad[forstaEnhet + 4 + i] = l.Vikter.value(i);
        }
        tabell.LaggTillRad(rad);
    }
    tabell.Bekrafta();
}

void SkapaNormtabell(const QString& mapp, const QVector<Provnorm>& normer) {
    const auto falt = Normfalt();
    Tabell::Skapa(mapp, QStringLiteral("normer"), falt, QStringLiteral("Nr"), {});
    Tabell tabell(mapp, QStringLiteral("normer"));
    tabell.Oppna();
    tabell.BorjaTransaktion();
    for (const Provnorm& n : normer) {
        QVariantList rad(falt.size());
        rad[0] = n.Nr;
        rad[1] = n.Norm;
        for (const auto& [i, v] : n.Behov) rad[ForstaNaringsfalt + i] = v;
        tabell.LaggTillRad(rad);
    }
    tabell.Bekrafta();
}

void SkrivBytes(const QString& fil, const QByteArray& innehall) {
    QFile f(fil);
    if (!f.open(QIODevice::WriteOnly) || f.write(innehall) != innehall.size())
        throw std::runtime_error("kan inte skriva testfil");
}

TNaringsvarden Naringar(std::map<int, double> varden) {
    TNaringsvarden n{};
    for (const auto& [i, v] : varden) n[i] = static_cast<float>(v);
    return n;
}

TMaltidsrad& LaggIDagboken(TTillstand& t, int dag, int maltid, int plats, const QString& namn, float gram,
                           std::map<int, double> naring, float portion, const QString& enhet, float kgpris) {
    TMaltidsrad& rad = t.Dagbok.Berakning[dag][maltid][plats];
    rad.Kod = QStringLiteral("K%1").arg(plats);
    rad.Livsmedel = namn;
    rad.Gram = gram;
    rad.Portion = portion;
    rad.Enhet = enhet;
    rad.Kgpris = kgpris;
    rad.Naring = Naringar(std::move(naring));
    return rad;
}

}  // namespace matvarda::test
