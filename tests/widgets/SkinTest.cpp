#include "widgets/FocusKleur.h"
#include "widgets/Kleuren.h"
#include "widgets/Paneel.h"
#include "widgets/Skin.h"
#include "widgets/ZNOMessageForm.h"

#include <QGroupBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStatusBar>
#include <QTableWidget>
#include <QTest>
#include <QToolButton>

using namespace vkt::widgets;

namespace {

const QColor EigenKleur{200, 100, 50};

TPaneel* MaakPaneel(QWidget* ouder, const char* naam, const QRect& plaats)
{
    auto* paneel = new TPaneel(ouder);
    paneel->setObjectName(naam);
    paneel->setGeometry(plaats);
    return paneel;
}

template <class T>
T* Maak(QWidget* ouder, const char* naam)
{
    auto* widget = new T(ouder);
    widget->setObjectName(naam);
    return widget;
}

// A small window with the parts the skin knows, named as the program names
// them.
class TProefvenster : public QWidget {
public:
    TProefvenster()
    {
        resize(400, 300);
        TPaneel* werkbalk = MaakPaneel(this, "pnlControlBar", QRect(0, 0, 400, 86));
        Maak<QToolButton>(werkbalk, "sbNieuw");
        TPaneel* gegevens = MaakPaneel(this, "pnlGegevens", QRect(0, 86, 400, 120));
        Maak<QToolButton>(gegevens, "sbLos");
        Maak<QLineEdit>(gegevens, "edGewoon");
        Maak<QLineEdit>(gegevens, "edGebonden")->setProperty(EigenschapGegevensveld, true);
        Maak<QGroupBox>(gegevens, "gbLoongegevens");
        auto* plat = Maak<QPushButton>(gegevens, "btnPlat");
        plat->setFlat(true);
        plat->setGeometry(200, 10, 100, 22);
        Maak<QPushButton>(gegevens, "btnGewoon");
        auto* raster = Maak<QTableWidget>(gegevens, "grdRegels");
        raster->setColumnCount(2);
        Maak<QListWidget>(gegevens, "lbFondsen");
        Maak<QStatusBar>(this, "sbStatus");
        MaakPaneel(this, "pnlButtons", QRect(0, 206, 400, 38));
        TPaneel* eigen = MaakPaneel(this, "pnlButtonsOnder", QRect(0, 244, 400, 40));
        QPalette palet = eigen->palette();
        palet.setColor(QPalette::Window, EigenKleur);
        eigen->setPalette(palet);
    }
};

} // namespace

class SkinTest : public QObject {
    Q_OBJECT

private slots:
    void TheFocusColourIsWhiteOnceASkinIsLaid()
    {
        QVERIFY(!ProcesFocusKleur().has_value());
        TProefvenster venster;
        Skin(venster);
        QCOMPARE(ProcesFocusKleur(), std::optional<QColor>(Kleuren::Wit));
    }

    void EachPartGetsTheColourOfItsKindAndName_data()
    {
        QTest::addColumn<QString>("naam");
        QTest::addColumn<int>("rol");
        QTest::addColumn<QColor>("kleur");
        QTest::newRow("tool bar panel") << "pnlControlBar" << int(QPalette::Window) << Kleuren::Wit;
        QTest::newRow("other panel") << "pnlGegevens" << int(QPalette::Window) << Kleuren::Paneel;
        QTest::newRow("button panel") << "pnlButtons" << int(QPalette::Window) << Kleuren::Wit;
        QTest::newRow("button panel 40 high keeps its colour")
            << "pnlButtonsOnder" << int(QPalette::Window) << EigenKleur;
        QTest::newRow("tool button on the tool bar") << "sbNieuw" << int(QPalette::Button) << Kleuren::Wit;
        QTest::newRow("tool button elsewhere") << "sbLos" << int(QPalette::Button) << Kleuren::Paneel;
        QTest::newRow("data-aware field") << "edGebonden" << int(QPalette::Base) << Kleuren::Paneel;
        QTest::newRow("plain field stays white") << "edGewoon" << int(QPalette::Base) << QColor(Qt::white);
        QTest::newRow("group box") << "gbLoongegevens" << int(QPalette::Window) << Kleuren::Paneel;
        QTest::newRow("grid") << "grdRegels" << int(QPalette::Base) << Kleuren::Wit;
        QTest::newRow("grid selection") << "grdRegels" << int(QPalette::Highlight) << Kleuren::Selectie;
        QTest::newRow("list") << "lbFondsen" << int(QPalette::Base) << Kleuren::Wit;
        QTest::newRow("status bar") << "sbStatus" << int(QPalette::Window) << Kleuren::Wit;
    }

    void EachPartGetsTheColourOfItsKindAndName()
    {
        QFETCH(QString, naam);
        QFETCH(int, rol);
        QFETCH(QColor, kleur);
        TProefvenster venster;
        Skin(venster);
        auto* onderdeel = venster.findChild<QWidget*>(naam);
        QCOMPARE(onderdeel->palette().color(QPalette::ColorRole(rol)), kleur);
    }

    void ToolButtonsGoFlatAndGridHeadersRed()
    {
        TProefvenster venster;
        Skin(venster);
        QVERIFY(venster.findChild<QToolButton*>("sbNieuw")->autoRaise());
        QHeaderView* kop = venster.findChild<QTableWidget*>("grdRegels")->horizontalHeader();
        QCOMPARE(kop->palette().color(QPalette::Button), Kleuren::Kop);
        QCOMPARE(kop->palette().color(QPalette::ButtonText), Kleuren::Wit);
    }

    void AFlatButtonIsDrawnBlueAndPaleWhenDisabled()
    {
        TProefvenster venster;
        Skin(venster);
        venster.show();
        QVERIFY(QTest::qWaitForWindowExposed(&venster));
        auto* plat = venster.findChild<QPushButton*>("btnPlat");
        QCOMPARE(plat->grab().toImage().pixelColor(3, 3), Kleuren::Knop);
        plat->setEnabled(false);
        QCOMPARE(plat->grab().toImage().pixelColor(3, 3), Kleuren::KnopUit);
        QVERIFY(venster.findChild<QPushButton*>("btnGewoon")->styleSheet().isEmpty());
    }

    void TheMessageWindowGetsItsOwnColoursAndLosesItsLine()
    {
        TZNOMessageForm form;
        form.ZetMelding("Opgeslagen.", "Vkt2020", msOk);
        Skin(form);
        QCOMPARE(form.findChild<QWidget*>("pnlButtons")->palette().color(QPalette::Window), Kleuren::Wit);
        QCOMPARE(form.findChild<QWidget*>("pnlMessage")->palette().color(QPalette::Window), Kleuren::Melding);
        QVERIFY(form.findChild<QWidget*>("Bevel1")->isHidden());
    }

    void EachActivatedWindowIsSkinnedTheMainWindowOnce()
    {
        TProefvenster hoofdvenster;
        TProefvenster ander;
        TSkin skin(&hoofdvenster);
        auto kleurVan = [](QWidget& venster) {
            return venster.findChild<QWidget*>("pnlGegevens")->palette().color(QPalette::Window);
        };
        auto activeer = [](QWidget& venster) {
            venster.show();
            venster.activateWindow();
            return QTest::qWaitForWindowActive(&venster);
        };

        QVERIFY(activeer(hoofdvenster));
        QCOMPARE(kleurVan(hoofdvenster), Kleuren::Paneel);
        QPalette eigen = hoofdvenster.palette();
        eigen.setColor(QPalette::Window, EigenKleur);
        hoofdvenster.findChild<QWidget*>("pnlGegevens")->setPalette(eigen);

        QVERIFY(activeer(ander));
        QCOMPARE(kleurVan(ander), Kleuren::Paneel);
        QVERIFY(activeer(hoofdvenster));
        QCOMPARE(kleurVan(hoofdvenster), EigenKleur);
    }
};

QTEST_MAIN(SkinTest)
#include "SkinTest.moc"
