#include "widgets/Afbeeldingen.h"

#include <QRegularExpression>
#include <QSvgRenderer>
#include <QTest>

using namespace vkt::widgets;

class AfbeeldingenTest : public QObject {
    Q_OBJECT

private slots:
    void ThePicturesAreThereInTheirSizes_data()
    {
        QTest::addColumn<QString>("pad");
        QTest::addColumn<QSize>("maat");
        QTest::newRow("logo") << Afbeeldingen::Logo << QSize(143, 70);
        QTest::newRow("splash") << Afbeeldingen::Splash << QSize(278, 215);
        QTest::newRow("Nieuw") << Afbeeldingen::Nieuw << QSize(48, 48);
        QTest::newRow("Verwijderen") << Afbeeldingen::Verwijderen << QSize(48, 48);
        QTest::newRow("Opslaan") << Afbeeldingen::Opslaan << QSize(48, 48);
        QTest::newRow("Afdrukken") << Afbeeldingen::Afdrukken << QSize(48, 48);
        QTest::newRow("Afsluiten") << Afbeeldingen::Afsluiten << QSize(48, 48);
    }

    void ThePicturesAreThereInTheirSizes()
    {
        QFETCH(QString, pad);
        QFETCH(QSize, maat);
        QSvgRenderer tekening(pad);
        QVERIFY(tekening.isValid());
        QCOMPARE(tekening.defaultSize(), maat);
        // Drawn, sharp for a screen of twice the pixels: at least a tenth of
        // it is covered.
        const QImage beeld = Afbeelding(pad, maat, 2.0).toImage();
        QCOMPARE(beeld.size(), maat * 2);
        qsizetype bedekt = 0;
        for (int y = 0; y < beeld.height(); ++y)
            for (int x = 0; x < beeld.width(); ++x)
                bedekt += beeld.pixelColor(x, y).alpha() > 128;
        QVERIFY(bedekt * 10 > beeld.width() * beeld.height());
        QVERIFY(!Pictogram(pad).pixmap(48).isNull());
    }

    void AMissingPictureIsTransparent()
    {
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("Cannot open file"));
        const QImage beeld = Afbeelding(":/afbeeldingen/bestaat-niet.svg", QSize(10, 10)).toImage();
        QCOMPARE(beeld.size(), QSize(10, 10));
        QCOMPARE(beeld.pixelColor(5, 5).alpha(), 0);
    }
};

QTEST_MAIN(AfbeeldingenTest)
#include "AfbeeldingenTest.moc"
