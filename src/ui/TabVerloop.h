#pragma once

#include "calc/Loonverloop.h"

#include <QWidget>

#include <memory>

class QChart;
class QChartView;
class QGraphicsRectItem;
class QLabel;

namespace vkt {
class TdmConstanten;
class TVasteHeffingsgegevens;
namespace widgets {
class TZNONumericEdit;
}
} // namespace vkt

namespace vkt::ui {

// The tab "&Verloop": the wage curve of the open calculation as a chart,
// over a range of gross wages the user may change (van, tot, stap). The
// range starts as the standard one around the calculation's gross wage and
// stays as the user set it until that gross wage changes. Leaving a range
// field computes the curve again; a range without a curve is told under the
// fields and leaves the chart as it was. Hovering over a line shows the
// values of the nearest point in a box inside the plot, and under the chart;
// a new range clears both.
class TtsVerloop : public QWidget {
    Q_OBJECT

public:
    explicit TtsVerloop(QWidget* ouder = nullptr);
    ~TtsVerloop() override;

    // Shows the curve of the calculation last run, computed on a copy of the
    // regular levy data it ran on.
    void Toon(TBerekening& berekening, const TVasteHeffingsgegevens& vast, TdmConstanten& constanten);
    // Shows no curve, and why.
    void Wis(const QString& reden);

    const TLoonverloop& Verloop() const { return verloop_; }
    // The box of the point pointed at, on the chart; nullptr when none shows.
    const QGraphicsRectItem* Aanwijzing() const { return aanwijzing_; }
    widgets::TZNONumericEdit* edVan;
    widgets::TZNONumericEdit* edTot;
    widgets::TZNONumericEdit* edStap;
    QLabel* lblMelding; // why the range gives no curve
    QLabel* lblPunt;    // the values of the point last pointed at
    QChartView* grVerloop;

private slots:
    void BereikGewijzigd();

private:
    void ZetBereik(const TVerloopBereik& bereik);
    void Bereken(const TVerloopBereik& bereik);
    void ToonGrafiek(QChart* grafiek);
    void WijsAan(const QPointF& punt, bool aan);
    void ToonAanwijzing(const QPointF& plek, const QString& tekst);
    void WisAanwijzing();

    std::unique_ptr<TPuntRekenaar> rekenaar_;
    TLoonverloop verloop_;
    double bereikVoor_ = -1; // the gross wage the range was set for
    QGraphicsRectItem* aanwijzing_ = nullptr; // owned by the chart
};

} // namespace vkt::ui
