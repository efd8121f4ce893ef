#pragma once

// What the agency does not publish: the raw-material group of the code, the
// picture group, the units with their grams and an approximate price. Each
// comes from a rule table of the project (first matching rule wins) unless
// the exceptions table names the food.

#include "admin/Livsmedelsutgava.h"
#include "core/Bildgrupper.h"

#include <QString>
#include <QStringList>
#include <QVector>
#include <map>

namespace matvarda {

// One condition on a food name. Terms are compared without regard to case:
//   ord    some word of the name begins with "ord" (also "fett 3" over a blank)
//   *ord   "ord" occurs anywhere in the name
//   ^ord   the name begins with "ord"
//   ~ord   the first word of the name holds "ord" ("~sås": Brunsås, Löksås)
//   !term  the term does not hold
// Terms joined by " & " must all hold; alternatives are separated by " | ".
class TNamnvillkor {
public:
    static TNamnvillkor Tolka(const QString& text);
    bool Passar(const QString& namn) const;

private:
    struct TTerm {
        QString Text;
        QChar Slag;  // ' ', '*', '^' or '~'
        bool Negerad = false;
    };
    QVector<QVector<TTerm>> alternativ_;  // empty: every name
};

struct TEnhet {
    QString Namn;
    double Gram = 0;
};

// "st=125; dl=60": one to four units, the first is also the default unit.
QVector<TEnhet> TolkaEnheter(const QString& text);
QString SkrivEnheter(const QVector<TEnhet>& enheter);

// A rule file: columns separated by tabs, "#" starts a comment line, "-" is
// an empty cell. The first two columns are the agency's grouping ("*" for
// any, alternatives separated by "|") and the name condition.
class TRegeltabell {
public:
    static TRegeltabell Las(const QString& fil, int antalVarden);
    // The values of the first rule that fits, or nullptr.
    const QStringList* Hitta(const QString& gruppering, const QString& namn) const;

private:
    struct TRegel {
        QStringList Grupperingar;  // empty: any
        TNamnvillkor Villkor;
        QStringList Varden;
    };
    QVector<TRegel> regler_;
};

struct TUndantag {
    int Nummer = 0;
    QString Livsmedel;  // the name the exception was written for
    QString Enheter, Kgpris, Kodtecken, Bildgrupp;  // empty: the rule's value
};

struct TLivsmedelsregler {
    TRegeltabell Grupper;  // code character, picture group
    TRegeltabell Enheter;
    TRegeltabell Priser;
    std::map<int, TUndantag> Undantag;

    // Reads grupper.tsv, enheter.tsv, priser.tsv and undantag.tsv.
    static TLivsmedelsregler Las(const QString& mapp);
};

// What the rules give one food.
struct THarledning {
    QChar Kodtecken;
    QString Bildgrupp;
    QVector<TEnhet> Enheter;
    QString Kgpris;
};

// Throws Fel when a rule table has no rule for the food. An exception
// whose name no longer fits the food is skipped and noted in `varningar`.
THarledning Harled(const TLivsmedelsregler& regler, const TKallivsmedel& livsmedel, QStringList& varningar);

}  // namespace matvarda
