#include "Venstercontrole.h"

#include "galerij/Galerij.h"
#include "widgets/ProgrammaStijl.h"
#include "widgets/Skin.h"

#include <QApplication>
#include <QTest>

#include <memory>

using namespace vkt::widgets;
using namespace vkt::widgets::test;

// The samples of the gallery, drawn as the program draws them: every part and
// every text whole, every input named.
class VenstertekeningenTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { ZetProgrammaStijl(); }

    void EachWindowShowsAllItsTextAndParts_data()
    {
        QTest::addColumn<int>("nummer");
        const std::vector<vkt::galerij::TVoorbeeld> voorbeelden = vkt::galerij::Voorbeelden();
        for (std::size_t i = 0; i < voorbeelden.size(); ++i)
            QTest::newRow(qPrintable(voorbeelden[i].Naam)) << static_cast<int>(i);
    }

    void EachWindowShowsAllItsTextAndParts()
    {
        QFETCH(int, nummer);
        const std::unique_ptr<QWidget> venster = vkt::galerij::Voorbeelden()[static_cast<std::size_t>(nummer)].Maak();
        Skin(*venster);
        venster->show();
        QVERIFY(QTest::qWaitForWindowExposed(venster.get()));
        ControleerDatNietsWegvalt(*venster);
        ControleerToegankelijkeNamen(*venster);
        BewaarAfbeelding(*venster, QTest::currentDataTag());
    }
};

QTEST_MAIN(VenstertekeningenTest)
#include "VenstertekeningenTest.moc"
