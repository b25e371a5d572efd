#include "widgets/Toegankelijkheid.h"

#include <QLineEdit>
#include <QTest>

using namespace vkt::widgets;

class ToegankelijkheidTest : public QObject {
    Q_OBJECT

private slots:
    void CaptionWithoutItsMnemonicIsTheAccessibleName()
    {
        QCOMPARE(ZonderSneltoets("&Loonbedrag:"), QString("Loonbedrag:"));
        QCOMPARE(ZonderSneltoets("Opslaan &als..."), QString("Opslaan als..."));
        QCOMPARE(ZonderSneltoets("Werkgever && werknemer"), QString("Werkgever & werknemer"));
        QCOMPARE(ZonderSneltoets("Eind&"), QString("Eind&"));
        QLineEdit veld;
        ZetToegankelijkeNaam(veld, "&Naam werknemer:");
        QCOMPARE(veld.accessibleName(), QString("Naam werknemer:"));
    }
};

QTEST_MAIN(ToegankelijkheidTest)
#include "ToegankelijkheidTest.moc"
