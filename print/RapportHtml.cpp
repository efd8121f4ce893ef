#include "print/RapportHtml.h"

#include <QtMath>

namespace matvarda {
namespace {

const QString Huvud = QStringLiteral(
    "<!DOCTYPE html>\n"
    "<html lang=\"sv\">\n"
    "<head>\n"
    "<meta charset=\"utf-8\">\n"
    "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n"
    "<title>Matvarda utskrift</title>\n"
    "<style>\n"
    "body{margin:1em;color:#000;background:#fff;font-family:\"Courier New\",\"Liberation Mono\",monospace}\n"
    ".huvud{display:flex;justify-content:flex-end;gap:2em;font-size:.8em}\n"
    "h2{font-size:1.4em;margin:.2em 0 .6em}\n"
    ".rulla{overflow-x:auto}\n"
    "table{border-collapse:collapse;font-size:.8em}\n"
    "td{white-space:pre;padding:0;height:1.25em}\n"
    ".etikett{display:inline-block;width:17ch}\n"
    ".stapel{vertical-align:middle;width:186px;height:1.1em}\n"
    ".cirklar{display:flex;flex-wrap:wrap;gap:1em;margin-top:1em;font-family:Arial,sans-serif}\n"
    ".cirklar svg{width:293px;max-width:100%;height:auto}\n"
    "@page{size:A4;margin:6.35mm 6.35mm 6.35mm 12.7mm}\n"
    "@media print{body{margin:0}.rulla{overflow:visible}section+section{break-before:page}}\n"
    "</style>\n"
    "</head>\n"
    "<body>\n");

// The pies' slice colours, as the printed page has them.
QString Fargkod(Rapportfarg farg) {
    switch (farg) {
    case Rapportfarg::Bla:
        return QStringLiteral("#0000ff");
    case Rapportfarg::Gron:
        return QStringLiteral("#008000");
    case Rapportfarg::Rod:
        return QStringLiteral("#ff0000");
    case Rapportfarg::Gul:
        return QStringLiteral("#ffff00");
    default:
        return QStringLiteral("#000000");
    }
}

QString Tal(double x) { return QString::number(x, 'f', 1); }

// The bar on the printed page's scale, 2 units a percent, with the marks
// at 50, 100 and 150 %.
QString Stapelsvg(const TStapelrad& stapel) {
    QString svg = QStringLiteral("<svg class=\"stapel\" viewBox=\"0 0 372 18\" aria-hidden=\"true\">");
    if (const int bredd = Stapelbredd(stapel); bredd > 0)
        svg += QStringLiteral("<rect x=\"0\" y=\"5\" width=\"%1\" height=\"6\" fill=\"#0000ff\"/>").arg(bredd);
    for (const auto& [x, hojd] : {std::pair{100, 16}, std::pair{200, 18}, std::pair{300, 15}})
        svg += QStringLiteral("<rect x=\"%1\" y=\"0\" width=\"1.5\" height=\"%2\"/>").arg(x).arg(hojd);
    return svg + QStringLiteral("</svg>");
}

QString Cirkelsvg(const TCirkeldiagram& cirkel) {
    const double bredd = cirkel.Ruta.width();
    const double hojd = cirkel.Ruta.height();
    QString svg = QStringLiteral("<svg viewBox=\"0 0 %1 %2\" role=\"img\" aria-label=\"%3\">")
                      .arg(Tal(bredd), Tal(hojd), cirkel.Titel.toHtmlEscaped());
    svg += QStringLiteral("<text x=\"%1\" y=\"15\" text-anchor=\"middle\" font-size=\"13\">%2</text>")
               .arg(Tal(bredd / 2), cirkel.Titel.toHtmlEscaped());
    double summa = 0;
    for (const TCirkelbit& bit : cirkel.Bitar) summa += bit.Varde;
    if (!(summa > 0)) return svg + QStringLiteral("</svg>");
    const double radie = (hojd - 30) / 2;
    const double mx = radie + 10;
    const double my = 22 + radie;
    double start = 0;
    for (int i = 0; i < cirkel.Bitar.size(); ++i) {
        const TCirkelbit& bit = cirkel.Bitar[i];
        const double spann = 2 * M_PI * bit.Varde / summa;
        const QString farg = Fargkod(bit.Farg);
        if (spann >= 2 * M_PI - 1e-9) {
            svg += QStringLiteral("<circle cx=\"%1\" cy=\"%2\" r=\"%3\" fill=\"%4\" stroke=\"#000\"/>")
                       .arg(Tal(mx), Tal(my), Tal(radie), farg);
        } else if (spann > 0) {
            // Counter-clockwise from three o'clock, as the printed pie.
            const double x1 = mx + radie * std::cos(start), y1 = my - radie * std::sin(start);
            const double x2 = mx + radie * std::cos(start + spann), y2 = my - radie * std::sin(start + spann);
            svg += QStringLiteral("<path d=\"M%1 %2L%3 %4A%5 %5 0 %6 0 %7 %8Z\" fill=\"%9\" stroke=\"#000\" "
                                  "stroke-width=\"0.5\"/>")
                       .arg(Tal(mx), Tal(my), Tal(x1), Tal(y1), Tal(radie), spann > M_PI ? u"1" : u"0", Tal(x2),
                            Tal(y2), farg);
        }
        start += spann;
        const double y = 40 + 20 * i;
        svg += QStringLiteral("<rect x=\"%1\" y=\"%2\" width=\"12\" height=\"12\" fill=\"%3\" stroke=\"#000\"/>"
                              "<text x=\"%4\" y=\"%5\" font-size=\"12\">%6</text>")
                   .arg(Tal(2 * mx + 10), Tal(y), farg, Tal(2 * mx + 28), Tal(y + 11), bit.Markering.toHtmlEscaped());
    }
    return svg + QStringLiteral("</svg>");
}

QString Rad(const QString& rad) {
    if (!ArStapelrad(rad)) return QStringLiteral("<tr><td>") + rad.toHtmlEscaped() + QStringLiteral("</td></tr>\n");
    const TStapelrad stapel = LasStapelrad(rad);
    return QStringLiteral("<tr><td><span class=\"etikett\">") + stapel.Etikett.toHtmlEscaped() +
           QStringLiteral("</span>") + Stapelsvg(stapel) + Procentetikett(stapel).toHtmlEscaped() + u' ' +
           stapel.Rekommendation.toHtmlEscaped() + QStringLiteral("</td></tr>\n");
}

// The heading and the date; an empty heading leaves no empty element.
QString Sidhuvud(const TLayoutval& val) {
    const QString datum = QStringLiteral("<span>") + val.Datum.toHtmlEscaped() + QStringLiteral("</span>");
    if (val.Rubrik.isEmpty()) return datum;
    return QStringLiteral("<span>") + val.Rubrik.toHtmlEscaped() + QStringLiteral("</span>") + datum;
}

}  // namespace

QByteArray RapportHtml(const TRapport& rapport, const TLayoutval& val) {
    QString html = Huvud;
    html.reserve(rapport.Nastarad() * 120);
    for (const TRapportavsnitt& avsnitt : Rapportavsnitt(rapport)) {
        html += QStringLiteral("<section>\n<div class=\"huvud\">") + Sidhuvud(val) + QStringLiteral("</div>\n<h2>") +
                avsnitt.Rubrik.toHtmlEscaped() + QStringLiteral("</h2>\n<div class=\"rulla\"><table>\n");
        for (int r = ForstaTextrad(avsnitt); r < avsnitt.ForstaRad + avsnitt.AntalRader; ++r)
            html += Rad(rapport.Rapportbuffert[r].del1);
        html += QStringLiteral("</table></div>\n");
        if (val.Cirkeldiagram) {
            html += QStringLiteral("<div class=\"cirklar\">");
            for (const TCirkeldiagram& cirkel : Cirkelpar(avsnitt, val.Idealfordelning)) html += Cirkelsvg(cirkel);
            html += QStringLiteral("</div>\n");
        }
        html += QStringLiteral("</section>\n");
    }
    html += QStringLiteral("</body>\n</html>\n");
    return html.toUtf8();
}

}  // namespace matvarda
