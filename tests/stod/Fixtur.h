#pragma once

// Small food and norm tables and text files for tests, made in a
// temporary folder.

#include "core/Naringsamnen.h"
#include "core/Tillstand.h"

#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QVector>
#include <map>

#include <ostream>

// Readable QStrings in test failures.
inline void PrintTo(const QString& text, std::ostream* ut) { *ut << '"' << text.toStdString() << '"'; }

namespace matvarda::test {

struct Provlivsmedel {
    QString Kod;
    QString Livsmedel;
    QString Grupp1;
    QString Grupp2;
    QString Enhet = QStringLiteral("st");
    double Portion = 100;
    QString Kgpris;
    std::map<int, double> Naring;  // nutrient entry 0..50 -> value per 100 g
    QStringList Enheter;           // up to four alternative units
    QVector<double> Vikter;        // their grams
};

void SkapaLivsmedelstabell(const QString& mapp, const QString& namn, const QVector<Provlivsmedel>& livsmedel);

struct Provnorm {
    int Nr;
    QString Norm;
    std::map<int, double> Behov;
};

void SkapaNormtabell(const QString& mapp, const QVector<Provnorm>& normer);

// Writes raw bytes, so tests can give files any encoding and line ends.
void SkrivBytes(const QString& fil, const QByteArray& innehall);

// A food with all nutrients set from one value, handy where only totals matter.
TNaringsvarden Naringar(std::map<int, double> varden);

// Puts a food with these figures into one slot of the diary; its code is "K"
// and the slot.
TMaltidsrad& LaggIDagboken(TTillstand& t, int dag, int maltid, int plats, const QString& namn, float gram,
                           std::map<int, double> naring, float portion, const QString& enhet, float kgpris);

}  // namespace matvarda::test
