#include "Rekenomgeving.h"

#include "output/Verloopgrafiek.h"
#include "ui/TabVerloop.h"
#include "widgets/NumeriekVeld.h"

#include <QChart>
#include <QChartView>
#include <QGraphicsRectItem>
#include <QLabel>
#include <QLineSeries>
#include <QTest>
#include <QValueAxis>

#include <memory>

using namespace vkt;

namespace {

// The tab in a window of its own, showing the curve of a monthly calculation
// of 3.000.
struct Tabblad {
    Tabblad()
    {
        TBerekeningInvoer invoer = test::Rekenomgeving::StandaardInvoer();
        invoer.Loonbedrag = 3000;
        omgeving.Reken(invoer);
        tab.resize(1000, 640);
        tab.show();
        tab.Toon(omgeving.berekening, omgeving.Vast(), omgeving.Constanten());
    }

    QLineSeries& Lijn(const QString& naam)
    {
        for (QAbstractSeries* reeks : tab.grVerloop->chart()->series())
            if (reeks->name() == naam)
                return *qobject_cast<QLineSeries*>(reeks);
        throw std::runtime_error("geen lijn " + naam.toStdString());
    }

    // Moves the mouse onto a point of a line, as the user does.
    void WijsAan(QLineSeries& lijn, const QPointF& punt)
    {
        QChart& grafiek = *tab.grVerloop->chart();
        const QPointF plek = grafiek.mapToScene(grafiek.mapToPosition(punt, &lijn));
        QTest::mouseMove(tab.grVerloop->viewport(), tab.grVerloop->mapFromScene(plek));
    }

    QRectF Plot() const
    {
        const QChart& grafiek = *tab.grVerloop->chart();
        return grafiek.mapRectToScene(grafiek.plotArea());
    }

    test::Rekenomgeving omgeving;
    ui::TtsVerloop tab;
};

void TypOver(QWidget* veld, const QString& tekst)
{
    veld->setFocus();
    QTest::keyClick(veld, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(veld, Qt::Key_Delete);
    QTest::keyClicks(veld, tekst);
    QTest::keyClick(veld, Qt::Key_Tab);
}

const QValueAxis& Drukas(const QChart& grafiek)
{
    for (QAbstractAxis* as : grafiek.axes(Qt::Vertical))
        if (as->alignment() == Qt::AlignRight)
            return *qobject_cast<QValueAxis*>(as);
    throw std::runtime_error("geen as van de marginale druk");
}

} // namespace

class VerloopTest : public QObject {
    Q_OBJECT

private slots:
    // The box of the point pointed at stays inside the plot, also at its
    // right and lower edges, and goes when the range changes.
    void TheHoverBoxStaysInsideThePlotAndGoesWithANewRange()
    {
        Tabblad t;
        QVERIFY(QTest::qWaitForWindowExposed(&t.tab));
        QLineSeries& netto = t.Lijn("Nettoloon");
        QCOMPARE(t.tab.Aanwijzing(), nullptr);
        for (const int i : {0, netto.count() / 2, netto.count() - 1}) {
            t.WijsAan(netto, netto.at(i));
            QTRY_VERIFY(t.tab.Aanwijzing() != nullptr && t.tab.Aanwijzing()->isVisible());
            const QRectF kader = t.tab.Aanwijzing()->sceneBoundingRect();
            QVERIFY2(t.Plot().contains(kader), qPrintable(QString::number(i)));
            QTRY_VERIFY(t.tab.lblPunt->text().startsWith("Brutoloon: " + ui::EuroTekst(netto.at(i).x())));
            QTest::mouseMove(t.tab.grVerloop->viewport(), QPoint(2, 2)); // off the lines
            QTRY_VERIFY(!t.tab.Aanwijzing()->isVisible());
        }

        t.WijsAan(netto, netto.at(netto.count() - 1));
        QTRY_VERIFY(t.tab.Aanwijzing() != nullptr && t.tab.Aanwijzing()->isVisible());
        TypOver(t.tab.edVan, "1000");
        QCOMPARE(t.tab.Verloop().Regels.front().Punt.Brutoloon, 1000.0);
        QCOMPARE(t.tab.Aanwijzing(), nullptr);
        QCOMPARE(t.tab.lblPunt->text(), QString("Wijs een lijn aan om de bedragen van dat brutoloon te zien."));
    }

    // 10.000 points are computed and kept; each line draws the few of them
    // that make its pixels, and pointing at it shows the nearest point.
    void ACurveOfTenThousandPointsDrawsFewerAndKeepsThemAll()
    {
        Tabblad t;
        QVERIFY(QTest::qWaitForWindowExposed(&t.tab));
        TypOver(t.tab.edVan, "0");
        TypOver(t.tab.edTot, "9999");
        TypOver(t.tab.edStap, "1");
        QCOMPARE(t.tab.Verloop().Regels.size(), std::size_t{10'000});
        QLineSeries& netto = t.Lijn("Nettoloon");
        QVERIFY(netto.count() < 5'000);
        QCOMPARE(netto.at(0), QPointF(0, 0));
        QCOMPARE(netto.at(netto.count() - 1).x(), 9999.0);
        // A pixel is some 12 euros wide here: the point shown is a whole euro
        // within a few pixels of the mouse, with its own net wage.
        t.WijsAan(netto, QPointF(6543, t.tab.Verloop().Regels[6543].Punt.Nettoloon));
        QTRY_VERIFY(t.tab.lblPunt->text().startsWith("Brutoloon: € 6."));
        const QString tekst = t.tab.lblPunt->text();
        const int bruto = tekst.mid(QString("Brutoloon: € ").size(), 5).remove('.').toInt();
        QVERIFY2(bruto > 6500 && bruto < 6590, qPrintable(tekst));
        const TVerloopRegel& regel = t.tab.Verloop().Regels[static_cast<std::size_t>(bruto)];
        QVERIFY2(tekst.startsWith(ui::PuntTekst(regel).replace('\n', "   ")), qPrintable(tekst));
    }

    // The pressure axis counts whole tens of percents from 0, or twenties
    // over a span of more than 100 %.
    void ThePressureAxisIsLabelledAtRoundPercentages()
    {
        Tabblad t;
        const QValueAxis& as = Drukas(*t.tab.grVerloop->chart());
        QCOMPARE(as.tickType(), QValueAxis::TicksDynamic);
        QCOMPARE(as.tickAnchor(), 0.0);
        QCOMPARE(as.tickInterval(), 10.0);
        QCOMPARE(as.min(), 0.0);
        QCOMPARE(as.max(), 100.0);

        TLoonverloop verloop;
        verloop.Regels = {{{1000, 800, 0, 0, 1200}, -35.0}, {{1100, 900, 0, 0, 1300}, 150.0}};
        const std::unique_ptr<QChart> grafiek(ui::MaakVerloopgrafiek(verloop, 1000));
        const QValueAxis& breed = Drukas(*grafiek);
        QCOMPARE(breed.tickInterval(), 20.0);
        QCOMPARE(breed.min(), -40.0);
        QCOMPARE(breed.max(), 160.0);
    }

    // The band of a search names its gross wages, and says when it goes on
    // beyond what was followed.
    void TheBandOfASearchIsNamedWithItsGrossWages()
    {
        TLoonverloop verloop;
        verloop.Regels = {{{0, 0, 0, 0, 0}, std::nullopt}, {{200, 160, 0, 0, 240}, 20.0}};
        verloop.SoortLoonbedrag = slSociaalLoon;
        verloop.Bereik = TBrutoloonBereik{0, 100'00, true};
        const std::unique_ptr<QChart> grafiek(ui::MaakVerloopgrafiek(verloop, 1000));
        QCOMPARE(grafiek->series().front()->name(),
                 QString("Zelfde sociaal loon € 0,00 – 100,00 en hoger (niet verder nagegaan)"));
    }
};

QTEST_MAIN(VerloopTest)
#include "VerloopTest.moc"
