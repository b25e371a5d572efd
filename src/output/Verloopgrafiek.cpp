#include "output/Verloopgrafiek.h"

#include "common/Text.h"
#include "model/Enumeraties.h"
#include "output/Rapportuitvoer.h"

#include <QAreaSeries>
#include <QBuffer>
#include <QChart>
#include <QFileDevice>
#include <QGraphicsScene>
#include <QImage>
#include <QLineSeries>
#include <QLocale>
#include <QPainter>
#include <QSvgGenerator>
#include <QValueAxis>

#include <algorithm>
#include <memory>
#include <cmath>

namespace vkt::ui {
namespace {

const QLocale& Nederlands()
{
    static const QLocale kNederlands(QLocale::Dutch, QLocale::Netherlands);
    return kNederlands;
}

QString Periode(int loontijdvak)
{
    return QString::fromStdString(LoontijdvakLabel(IsLoontijdvak(loontijdvak) ? loontijdvak : StandaardLoontijdvak))
        .toLower();
}

QPen Pen(const QColor& kleur, qreal dikte, Qt::PenStyle stijl = Qt::SolidLine)
{
    QPen pen(kleur, dikte, stijl);
    pen.setCapStyle(Qt::FlatCap);
    return pen;
}

// What of a line is drawn when more than a few points fall in one of the
// columns of its width: in each column its first, lowest, highest and last
// point, in their order, which draw the same pixels as all of them. The
// curve itself keeps every point, for hovering and for the data.
QList<QPointF> Uitgedund(const QList<QPointF>& punten, int kolommen)
{
    if (punten.size() <= 4 * static_cast<qsizetype>(kolommen) || punten.back().x() <= punten.front().x())
        return punten;
    const double van = punten.front().x();
    const double breedte = (punten.back().x() - van) / kolommen;
    auto kolom = [&](const QPointF& p) { return static_cast<long long>((p.x() - van) / breedte); };
    QList<QPointF> uit;
    uit.reserve(4 * static_cast<qsizetype>(kolommen) + 4);
    for (qsizetype begin = 0; begin < punten.size();) {
        qsizetype eind = begin;
        qsizetype laagste = begin;
        qsizetype hoogste = begin;
        for (const long long k = kolom(punten[begin]); eind < punten.size() && kolom(punten[eind]) == k; ++eind) {
            if (punten[eind].y() < punten[laagste].y())
                laagste = eind;
            if (punten[eind].y() > punten[hoogste].y())
                hoogste = eind;
        }
        for (const qsizetype i : {begin, std::min(laagste, hoogste), std::max(laagste, hoogste), eind - 1})
            if (uit.isEmpty() || uit.back() != punten[i])
                uit.append(punten[i]);
        begin = eind;
    }
    return uit;
}

// A line with its points, given before it joins the chart.
QLineSeries* Lijn(QChart* grafiek, const QString& naam, const QPen& pen, const QList<QPointF>& punten)
{
    auto* lijn = new QLineSeries(grafiek);
    lijn->setName(naam);
    lijn->setPen(pen);
    lijn->replace(punten);
    grafiek->addSeries(lijn);
    return lijn;
}

QValueAxis* As(QChart* grafiek, const QString& titel, const QString& opmaak, Qt::Alignment kant)
{
    auto* as = new QValueAxis(grafiek);
    as->setTitleText(titel);
    as->setLabelFormat(opmaak);
    QFont titelLetter = as->titleFont();
    titelLetter.setBold(false);
    as->setTitleFont(titelLetter);
    grafiek->addAxis(as, kant);
    return as;
}

void Koppel(QAbstractSeries* reeks, QAbstractAxis* x, QAbstractAxis* y)
{
    reeks->attachAxis(x);
    reeks->attachAxis(y);
}

// The amounts of the three lines, from 0 (or the lowest, should one be
// negative) to the highest, widened to round numbers.
void ZetBedragbereik(QValueAxis& as, const std::vector<TVerloopRegel>& regels)
{
    double laag = 0;
    double hoog = 1;
    for (const TVerloopRegel& r : regels) {
        laag = std::min({laag, r.Punt.Nettoloon, r.Punt.Loonheffing, r.Punt.Werkgeverslasten});
        hoog = std::max({hoog, r.Punt.Nettoloon, r.Punt.Loonheffing, r.Punt.Werkgeverslasten});
    }
    as.setRange(laag, hoog);
    as.applyNiceNumbers();
}

// 0 to 100 % at least, widened to whole ticks of 10 % (of 20 % over more than
// 100 %) counted from 0, so that every label is a round percentage. A
// pressure below -100 or above 200 % runs off the plot.
void ZetDrukbereik(QValueAxis& as, const std::vector<TVerloopRegel>& regels)
{
    double laag = 0;
    double hoog = 100;
    for (const TVerloopRegel& r : regels)
        if (r.MarginaleDruk) {
            laag = std::min(laag, *r.MarginaleDruk);
            hoog = std::max(hoog, *r.MarginaleDruk);
        }
    laag = std::max(laag, -100.0);
    hoog = std::min(hoog, 200.0);
    const double afstand = hoog - laag > 100 ? 20 : 10;
    as.setRange(std::floor(laag / afstand) * afstand, std::ceil(hoog / afstand) * afstand);
    as.setTickType(QValueAxis::TicksDynamic);
    as.setTickAnchor(0);
    as.setTickInterval(afstand);
}

// A round distance between the labels of an axis: about a seventh of its
// length, taken 1, 2, 2,5 or 5 times a power of ten.
double RondeAfstand(double lengte)
{
    const double ruw = lengte / 7;
    const double macht = std::pow(10.0, std::floor(std::log10(ruw)));
    for (const double factor : {1.0, 2.0, 2.5, 5.0})
        if (factor * macht >= ruw)
            return factor * macht;
    return 10 * macht;
}

// Exactly the gross wages of the curve, labelled at round amounts.
void ZetBrutobereik(QValueAxis& as, const std::vector<TVerloopRegel>& regels)
{
    const double van = regels.empty() ? 0 : regels.front().Punt.Brutoloon;
    const double tot = regels.empty() ? 0 : regels.back().Punt.Brutoloon;
    if (tot > van) {
        as.setRange(van, tot);
        as.setTickType(QValueAxis::TicksDynamic);
        as.setTickAnchor(0);
        as.setTickInterval(RondeAfstand(tot - van));
    } else {
        as.setRange(van - 1, van + 1);
    }
}

// The points of one amount of every point of the curve, handed to a series
// at once: a series that is given its points one by one works out its
// geometry again after each.
template <typename TWaarde>
QList<QPointF> Punten(const std::vector<TVerloopRegel>& regels, TWaarde waarde)
{
    QList<QPointF> punten;
    punten.reserve(static_cast<qsizetype>(regels.size()));
    for (const TVerloopRegel& r : regels)
        if (const std::optional<double> y = waarde(r))
            punten.append(QPointF(r.Punt.Brutoloon, *y));
    return punten;
}

void VoegMarkeringToe(QChart* grafiek, const TLoonverloop& g, QValueAxis* x, QValueAxis* y)
{
    if (g.Bereik) {
        const double laag = static_cast<double>(g.Bereik->Laag) / 100;
        const double hoog = static_cast<double>(g.Bereik->Hoog) / 100;
        auto* onder = new QLineSeries(grafiek);
        auto* boven = new QLineSeries(grafiek);
        onder->append({{laag, y->min()}, {hoog, y->min()}});
        boven->append({{laag, y->max()}, {hoog, y->max()}});
        auto* band = new QAreaSeries(boven, onder);
        band->setName("Zelfde " + QString::fromStdString(SoortLoonbedragLabel(g.SoortLoonbedrag)) + " " +
                      EuroTekst(laag) + " – " + Nederlands().toString(hoog, 'f', 2) +
                      (g.Bereik->Afgebroken ? " en hoger (niet verder nagegaan)" : ""));
        band->setColor(QColor(255, 200, 0, 90));
        band->setPen(Pen(QColor(220, 160, 0), 1));
        grafiek->addSeries(band);
        Koppel(band, x, y);
    }
    Koppel(Lijn(grafiek, "Berekening " + EuroTekst(g.Brutoloon), Pen(Qt::black, 1.5, Qt::DashLine),
                {{g.Brutoloon, y->min()}, {g.Brutoloon, y->max()}}),
           x, y);
}

QChart* MaakLegeGrafiek(const TLoonverloop& g)
{
    auto* grafiek = new QChart;
    grafiek->setAnimationOptions(QChart::NoAnimation);
    grafiek->setLocale(Nederlands());
    grafiek->setLocalizeNumbers(true);
    grafiek->setTitle("Loonverloop per " + Periode(g.Loontijdvak) + ": wat van het brutoloon netto overblijft");
    QFont titel = grafiek->titleFont();
    titel.setPointSizeF(titel.pointSizeF() * 1.2);
    titel.setBold(true);
    grafiek->setTitleFont(titel);
    grafiek->legend()->setAlignment(Qt::AlignBottom);
    grafiek->setBackgroundRoundness(0);
    grafiek->setMargins(QMargins(8, 4, 8, 4));
    return grafiek;
}

// Draws a chart that lives in no view: it is put in a scene of its own for
// the time of the drawing, at a size in proportion to the target.
void Teken(QChart& grafiek, QPainter& schilder, const QRectF& doel)
{
    const qreal breedte = kVerloopgrafiekGrootte.width();
    const QSizeF grootte(breedte, breedte * doel.height() / doel.width());
    QGraphicsScene scene;
    scene.addItem(&grafiek);
    grafiek.resize(grootte);
    scene.setSceneRect(QRectF(QPointF(0, 0), grootte));
    schilder.setRenderHint(QPainter::Antialiasing);
    scene.render(&schilder, doel, scene.sceneRect());
    scene.removeItem(&grafiek);
}

} // namespace

QString EuroTekst(double bedrag) { return "€ " + Nederlands().toString(bedrag, 'f', 2); }

QString PuntTekst(const TVerloopRegel& regel)
{
    const TVerloopPunt& p = regel.Punt;
    QString tekst = "Brutoloon: " + EuroTekst(p.Brutoloon) + "\nNettoloon: " + EuroTekst(p.Nettoloon) +
                    "\nLoonheffing: " + EuroTekst(p.Loonheffing) + "\nArbeidskorting: " + EuroTekst(p.Arbeidskorting) +
                    "\nWerkgeverslasten: " + EuroTekst(p.Werkgeverslasten);
    if (regel.MarginaleDruk)
        tekst += "\nMarginale druk: " + Nederlands().toString(*regel.MarginaleDruk, 'f', 2) + " %";
    return tekst;
}

QChart* MaakVerloopgrafiek(const TLoonverloop& g, int kolommen)
{
    QChart* grafiek = MaakLegeGrafiek(g);
    const QString periode = Periode(g.Loontijdvak);
    QValueAxis* x = As(grafiek, "Brutoloon per " + periode, "€ %.0f", Qt::AlignBottom);
    QValueAxis* y = As(grafiek, "Bedrag per " + periode, "€ %.0f", Qt::AlignLeft);
    QValueAxis* druk = As(grafiek, "Marginale druk", "%.0f %", Qt::AlignRight);
    druk->setGridLineVisible(false);
    ZetBrutobereik(*x, g.Regels);
    ZetBedragbereik(*y, g.Regels);
    ZetDrukbereik(*druk, g.Regels);

    VoegMarkeringToe(grafiek, g, x, y);
    using Bedrag = std::optional<double>;
    const QList<QPointF> netto = Punten(g.Regels, [](const TVerloopRegel& r) { return Bedrag(r.Punt.Nettoloon); });
    const QList<QPointF> heffing = Punten(g.Regels, [](const TVerloopRegel& r) { return Bedrag(r.Punt.Loonheffing); });
    const QList<QPointF> lasten =
        Punten(g.Regels, [](const TVerloopRegel& r) { return Bedrag(r.Punt.Werkgeverslasten); });
    Koppel(Lijn(grafiek, "Nettoloon", Pen(QColor(0, 128, 60), 2.5), Uitgedund(netto, kolommen)), x, y);
    Koppel(Lijn(grafiek, "Loonheffing", Pen(QColor(200, 30, 30), 2), Uitgedund(heffing, kolommen)), x, y);
    Koppel(Lijn(grafiek, "Werkgeverslasten", Pen(QColor(30, 80, 200), 2), Uitgedund(lasten, kolommen)), x, y);
    const QList<QPointF> marginaal = Punten(g.Regels, [](const TVerloopRegel& r) { return r.MarginaleDruk; });
    Koppel(Lijn(grafiek, "Marginale druk (rechts)", Pen(QColor(230, 120, 0), 1.2), Uitgedund(marginaal, kolommen)), x,
           druk);
    return grafiek;
}

void TekenVerloopgrafiek(const TLoonverloop& verloop, QPainter& schilder, const QRectF& doel)
{
    const int kolommen = std::max(kVerloopgrafiekGrootte.width(), static_cast<int>(std::ceil(doel.width())));
    const std::unique_ptr<QChart> grafiek(MaakVerloopgrafiek(verloop, kolommen));
    Teken(*grafiek, schilder, doel);
}

QImage VerloopgrafiekAfbeelding(const TLoonverloop& verloop)
{
    QImage afbeelding(kVerloopgrafiekGrootte, QImage::Format_ARGB32_Premultiplied);
    afbeelding.fill(Qt::white);
    QPainter schilder(&afbeelding);
    TekenVerloopgrafiek(verloop, schilder, afbeelding.rect());
    return afbeelding;
}

void SchrijfVerloopgrafiekPng(const TLoonverloop& verloop, const QString& bestand)
{
    const auto uitvoer = OpenUitvoerbestand(bestand, "PNG-bestand");
    SchrijfVerloopgrafiekPng(verloop, *uitvoer);
    SluitAf(*uitvoer, "PNG-bestand");
}

void SchrijfVerloopgrafiekSvg(const TLoonverloop& verloop, const QString& bestand)
{
    const auto uitvoer = OpenUitvoerbestand(bestand, "SVG-bestand");
    SchrijfVerloopgrafiekSvg(verloop, *uitvoer);
    SluitAf(*uitvoer, "SVG-bestand");
}

void SchrijfVerloopgrafiekPng(const TLoonverloop& verloop, QFileDevice& uitvoer)
{
    // Made in memory first (see SchrijfInhoud); libpng would also tell a
    // failed write on the error output in its own words.
    QBuffer png;
    png.open(QIODevice::WriteOnly);
    if (!VerloopgrafiekAfbeelding(verloop).save(&png, "PNG"))
        throw EExportException("Kon het PNG-bestand niet schrijven: " + ZichtbareTekst(uitvoer.fileName().toStdString()));
    SchrijfInhoud(uitvoer, png.data(), "PNG-bestand");
}

void SchrijfVerloopgrafiekSvg(const TLoonverloop& verloop, QFileDevice& uitvoer)
{
    QBuffer tekening;
    tekening.open(QIODevice::WriteOnly);
    QSvgGenerator svg;
    svg.setOutputDevice(&tekening);
    svg.setSize(kVerloopgrafiekGrootte);
    svg.setViewBox(QRect(QPoint(0, 0), kVerloopgrafiekGrootte));
    svg.setTitle("Loonverloop");
    QPainter schilder(&svg);
    TekenVerloopgrafiek(verloop, schilder, QRectF(QPointF(0, 0), kVerloopgrafiekGrootte));
    if (!schilder.end())
        throw EExportException("Kon het SVG-bestand niet schrijven: " + ZichtbareTekst(uitvoer.fileName().toStdString()));
    SchrijfInhoud(uitvoer, tekening.data(), "SVG-bestand");
}

} // namespace vkt::ui
