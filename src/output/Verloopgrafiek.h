#pragma once

#include "calc/Loonverloop.h"

#include <QRectF>
#include <QSize>
#include <QString>


class QChart;
class QFileDevice;
class QImage;
class QPainter;

namespace vkt::ui {

// The chart of a wage curve: net wage, wage tax and the employer's total
// cost against the gross wage in euros, the marginal pressure in percent on
// a second axis, a line at the calculation's gross wage and, after a search,
// the band of gross wages that give the same amount. Numbers are written
// the Dutch way ("€ 3.000", "37,5 %") whatever the user's locale. The caller
// owns the chart. A line of many points is drawn with the few of them that
// make the same pixels in kolommen columns (the chart's width in pixels, or
// more); the curve keeps every point.
QChart* MaakVerloopgrafiek(const TLoonverloop& verloop, int kolommen);

// The standard size of the chart as a picture, in pixels.
constexpr QSize kVerloopgrafiekGrootte(1000, 620);

// Draws the chart anew into doel on any paint device (an image, an SVG
// file, a printer's page), in proportion to doel.
void TekenVerloopgrafiek(const TLoonverloop& verloop, QPainter& schilder, const QRectF& doel);
// The chart as a picture of the standard size on white.
QImage VerloopgrafiekAfbeelding(const TLoonverloop& verloop);

// Writes the chart as a PNG or an SVG file of the standard size. Needs a
// QApplication; raises vkt::Exception when the file cannot be written. The
// forms with a file opened by OpenUitvoerbestand leave SluitAf to the
// caller, as SchrijfRapportPdf does.
void SchrijfVerloopgrafiekPng(const TLoonverloop& verloop, const QString& bestand);
void SchrijfVerloopgrafiekSvg(const TLoonverloop& verloop, const QString& bestand);
void SchrijfVerloopgrafiekPng(const TLoonverloop& verloop, QFileDevice& bestand);
void SchrijfVerloopgrafiekSvg(const TLoonverloop& verloop, QFileDevice& bestand);

// An amount as the chart writes it: "€ 3.016,00".
QString EuroTekst(double bedrag);
// The values of one point, one per line, as hovering shows them.
QString PuntTekst(const TVerloopRegel& regel);

} // namespace vkt::ui
