#pragma once

// The files delivered beside the program, made from the readable UTF-8
// sources in the repository's data folder.

#include <QString>
#include <QStringList>

namespace matvarda {

// normer.tsv: one column per person group, one row per nutrient (the field
// name of the table), the last cell of a row tells the source. A cell is a
// number, "15E%" (share of the energy need: 17 kJ per gram of protein and
// carbohydrate, 37 kJ per gram of fat and fatty acids) or "3g/MJ". The kcal
// need is always the kJ need / 4.184.
void ByggNormtabell(const QString& kalla, const QString& mapp);

// nvnamn.txt is read in the DOS code page 850; only the letters the program
// converts (å ä ö Å Ä Ö é è °) may occur besides ASCII.
QByteArray TillCodepage850(const QString& text);
void SkrivNvnamn(const QString& kalla, const QString& fil);

// A UTF-8 source written as Windows-1252 with CR LF; lines beginning with
// "#" are the source's own comments and are left out.
void SkrivWindowsfil(const QString& kalla, const QString& fil);

// aktiv.tsv (name, BMR factor, what the factor rests on) to aktiv.txt: the
// name and the factor of each row on lines of their own.
void SkrivAktivitetsfil(const QString& kalla, const QString& fil);

// Everything the program needs in its working folder, from <datamapp>:
// the one release in source/, the rules in regler/, normer.tsv and text/.
// Returns the warnings of the food import.
QStringList ByggLeverans(const QString& datamapp, const QString& utmapp);

}  // namespace matvarda
