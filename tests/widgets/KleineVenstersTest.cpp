#include "ModaalAntwoord.h"

#include "widgets/FrmAbout.h"
#include "widgets/FrmSplash.h"
#include "widgets/FrmStatus.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>

#include <memory>

using namespace vkt::widgets;

class KleineVenstersTest : public QObject {
    Q_OBJECT

private slots:
    void TheSplashWindowShowsThePictureAndAnOkButton()
    {
        TfrmSplash splash;
        QCOMPARE(splash.size(), QSize(301, 262));
        QVERIFY(splash.windowFlags().testFlag(Qt::FramelessWindowHint));
        auto* plaatje = splash.findChild<QLabel*>("imgSplash");
        QCOMPARE(plaatje->geometry(), QRect(12, 10, 278, 215));
        QVERIFY(!plaatje->pixmap().isNull());
        auto* ok = splash.findChild<QPushButton*>("btnOk");
        QCOMPARE(ok->geometry(), QRect(215, 230, 75, 25));
        QCOMPARE(ok->text(), QString("&Ok"));
        QCOMPARE(ok->accessibleName(), QString("Ok"));
    }

    void TheStatusWindowAdvancesInStepsUpToAHundred()
    {
        TfrmStatus status;
        QCOMPARE(status.size(), QSize(424, 126));
        QVERIFY(!status.windowFlags().testFlag(Qt::WindowCloseButtonHint));
        status.show();
        QVERIFY(QTest::qWaitForWindowExposed(&status));
        QCOMPARE(status.windowTitle(), QString("Vektaris 2020"));
        QCOMPARE(status.findChild<QLabel*>("lblStatus")->text(), QString("Bezig met ophalen van werknemergegevens..."));
        auto* balk = status.findChild<QProgressBar*>("pbVoortgang");
        QCOMPARE(balk->geometry(), QRect(9, 98, 404, 17));
        QCOMPARE(balk->accessibleName(), QString("Bezig met ophalen van werknemergegevens..."));
        QCOMPARE(status.Voortgang(), 0);
        for (int verwacht : {25, 50, 75, 100, 100}) {
            status.VerhoogVoortgang(25);
            QCOMPARE(status.Voortgang(), verwacht);
            QCOMPARE(balk->value(), verwacht);
        }
        QTest::keyClick(&status, Qt::Key_Escape);
        QVERIFY(status.isVisible());
    }

    void TheInformationWindowShowsProductVersionAndHelpdesk()
    {
        TfrmAbout info;
        QCOMPARE(info.windowTitle(), QString("Info"));
        QCOMPARE(info.size(), QSize(327, 189));
        QCOMPARE(info.findChild<QLabel*>("lblProduct")->text(), QString("Zyrdo Vektaris 2020"));
        QCOMPARE(info.findChild<QLabel*>("lblVersie")->text(), QString("Versie: 2020.02"));
        QCOMPARE(info.findChild<QLabel*>("lblTelefoon")->text(), QString("Telefoon:"));
        QCOMPARE(info.findChild<QLabel*>("lblFax")->text(), QString("Fax:"));
        QCOMPARE(info.findChild<QLabel*>("lblEmail")->text(), QString("E-mail:"));
        QCOMPARE(info.findChild<QLabel*>("lblEmailadres")->text(), QString("info@zyrdo.example"));
        auto* ok = info.findChild<QPushButton*>("btnOk");
        QCOMPARE(ok->geometry(), QRect(237, 149, 80, 27));
        QVERIFY(ok->isDefault());
    }

    void OkClosesTheWindowWithResultOne_data()
    {
        QTest::addColumn<bool>("splash");
        QTest::addColumn<bool>("metMuis");
        QTest::newRow("splash, mouse") << true << true;
        QTest::newRow("splash, Enter") << true << false;
        QTest::newRow("information, mouse") << false << true;
        QTest::newRow("information, Enter") << false << false;
    }

    void OkClosesTheWindowWithResultOne()
    {
        QFETCH(bool, splash);
        QFETCH(bool, metMuis);
        std::unique_ptr<QDialog> venster;
        if (splash)
            venster = std::make_unique<TfrmSplash>();
        else
            venster = std::make_unique<TfrmAbout>();
        if (metMuis)
            BeantwoordMetKnop("btnOk");
        else
            BeantwoordMetToets(Qt::Key_Return);
        QCOMPARE(venster->exec(), 1);
    }
};

QTEST_MAIN(KleineVenstersTest)
#include "KleineVenstersTest.moc"
