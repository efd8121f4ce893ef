#include "print/RapportRtf.h"

#include <QHash>

namespace matvarda {
namespace {

constexpr int TwipsPerPunkt = 15;  // a report pixel is 1/96 inch, a twip 1/1440

// The printed page's columns, from the line's left edge, in report pixels.
constexpr int Stapelstart = 132;
constexpr int Stapelslut = Stapelstart + 370;
constexpr int Procentslut = 592;
constexpr int Rekommendationsslut = 700;

const QByteArray Dokumenthuvud =
    "{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1\n"
    "{\\fonttbl{\\f0\\fmodern\\fcharset0 Courier New;}{\\f1\\fswiss\\fcharset0 Arial;}}\n"
    "{\\colortbl;\\red0\\green0\\blue255;}\n"
    "{\\info{\\title Matvarda utskrift}}\n"
    "\\paperw11906\\paperh16838\\margl720\\margr360\\margt360\\margb360\\headery360\n";

// ASCII as it stands, Latin-1 as a code page escape, the rest as Unicode.
QByteArray Text(QStringView text) {
    QByteArray ut;
    ut.reserve(text.size() + 8);
    for (const QChar tecken : text) {
        const char16_t c = tecken.unicode();
        if (c == u'\\' || c == u'{' || c == u'}') ut += '\\' + QByteArray(1, static_cast<char>(c));
        else if (c >= 0x20 && c < 0x7f) ut += static_cast<char>(c);
        else if (c >= 0xa0 && c <= 0xff) ut += "\\'" + QByteArray::number(c, 16).rightJustified(2, '0');
        else if (c >= 0x80) ut += "\\u" + QByteArray::number(static_cast<qint16>(c)) + '?';
        else ut += ' ';
    }
    return ut;
}

QByteArray Twips(int punkter) { return QByteArray::number(punkter * TwipsPerPunkt); }

// The heading and the date in 9 pt at right on every page; the title in
// 16 pt bold opens the section, on its first page only.
QByteArray Sidhuvud(const QString& rubrik, const TLayoutval& val) {
    return "{\\header\\pard\\plain\\f0\\fs18\\qr " + Text(val.Rubrik) + "    " + Text(val.Datum) +
           "\\par}\n\\pard\\plain\\f0\\fs32\\b\\sa240 " + Text(rubrik) + "\\par\n";
}

QByteArray Cell(int slut, const QByteArray& format = {}) { return format + "\\cellx" + Twips(slut); }

// The label, the bar in a shaded cell of its width, the percent and the
// recommendation, at the printed page's places.
QByteArray Stapelrad(const QString& rad) {
    const TStapelrad stapel = LasStapelrad(rad);
    const int bredd = Stapelbredd(stapel);
    QByteArray celler = "\\trowd\\trgaph0\\trleft0\\trrh225" + Cell(Stapelstart);
    QByteArray text = "\\pard\\intbl\\plain\\f0\\fs18 " + Text(stapel.Etikett) + "\\cell";
    if (bredd > 0) {
        // The cell's background colour alone: Writer paints a 100 % pattern black.
        celler += Cell(Stapelstart + bredd, "\\clcbpat1");
        text += "\\pard\\intbl\\plain\\f0\\fs18\\cell";
    }
    if (bredd < 370) {
        celler += Cell(Stapelslut);
        text += "\\pard\\intbl\\plain\\f0\\fs18\\cell";
    }
    celler += Cell(Procentslut) + Cell(Rekommendationsslut);
    text += "\\pard\\intbl\\plain\\f0\\fs18 " + Text(Procentetikett(stapel)) + "\\cell" +
            "\\pard\\intbl\\plain\\f0\\fs18 " + Text(stapel.Rekommendation) + "\\cell";
    return celler + '\n' + text + "\\row\n";
}

QByteArray Bild(const QByteArray& png, const TCirkeldiagram& cirkel) {
    QByteArray hex = png.toHex();
    for (qsizetype i = 128; i < hex.size(); i += 129) hex.insert(i, '\n');
    return "{\\pict\\pngblip\\picwgoal" + Twips(qRound(cirkel.Ruta.width())) + "\\pichgoal" +
           Twips(qRound(cirkel.Ruta.height())) + '\n' + hex + "}";
}

}  // namespace

QByteArray RapportRtf(const TRapport& rapport, const TLayoutval& val, const TCirkelbild& cirkelbild) {
    QByteArray rtf = Dokumenthuvud;
    rtf.reserve(rapport.Nastarad() * 100);
    // The ideal pie is the same in every section: drawn once.
    QHash<QString, QByteArray> bilder;
    const auto bild = [&](const TCirkeldiagram& cirkel) {
        QString nyckel = cirkel.Titel;
        for (const TCirkelbit& bit : cirkel.Bitar) nyckel += u'|' + bit.Markering + u'|' + QString::number(bit.Varde);
        auto plats = bilder.find(nyckel);
        if (plats == bilder.end()) plats = bilder.insert(nyckel, cirkelbild(cirkel));
        return *plats;
    };
    bool forsta = true;
    for (const TRapportavsnitt& avsnitt : Rapportavsnitt(rapport)) {
        if (!forsta) rtf += "\\sect";
        forsta = false;
        rtf += "\\sectd\\sbkpage\n" + Sidhuvud(avsnitt.Rubrik, val);
        for (int r = ForstaTextrad(avsnitt); r < avsnitt.ForstaRad + avsnitt.AntalRader; ++r) {
            const QString& rad = rapport.Rapportbuffert[r].del1;
            if (ArStapelrad(rad)) rtf += Stapelrad(rad);
            else rtf += "\\pard\\plain\\f0\\fs18 " + Text(rad) + "\\par\n";
        }
        if (!val.Cirkeldiagram || !cirkelbild) continue;
        rtf += "\\pard\\plain\\sb300 ";
        for (const TCirkeldiagram& cirkel : Cirkelpar(avsnitt, val.Idealfordelning))
            if (const QByteArray png = bild(cirkel); !png.isEmpty()) rtf += Bild(png, cirkel) + ' ';
        rtf += "\\par\n";
    }
    return rtf + "}\n";
}

}  // namespace matvarda
