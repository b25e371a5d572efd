#include "ModaalAntwoord.h"

#include "widgets/ActiveringNaDialoog.h"

#include <QDialog>
#include <QLineEdit>
#include <QTest>
#include <QVBoxLayout>

using namespace vkt::widgets;

// Without a window manager (Qt's offscreen platform behaves like a bare X
// display here) nothing makes the interrupted window active again when a
// dialog closes; the watcher does, so its field has the keyboard again.
class ActiveringNaDialoogTest : public QObject {
    Q_OBJECT

private slots:
    void TheInterruptedWindowTakesTheKeyboardAgain()
    {
        TActiveringNaDialoog::Installeer();
        QWidget venster;
        auto* veld = new QLineEdit(&venster);
        new QVBoxLayout(&venster);
        venster.layout()->addWidget(veld);
        venster.show();
        venster.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&venster));
        veld->setFocus();

        // A dialog and a message over it, each closed with Escape: each time
        // the window below takes the keyboard again.
        bool bovenActief = false;
        QDialog dialoog(&venster);
        BeantwoordModaal([&bovenActief](QWidget& eerste) {
            QDialog bericht(&eerste);
            BeantwoordMetToets(Qt::Key_Escape);
            bericht.exec();
            bovenActief = QTest::qWaitFor([&] { return QApplication::activeWindow() == &eerste; });
            QTest::keyClick(&eerste, Qt::Key_Escape);
        });
        dialoog.exec();
        QVERIFY(bovenActief);
        QTRY_COMPARE(QApplication::activeWindow(), &venster);
        QCOMPARE(QApplication::focusWidget(), veld);
    }
};

QTEST_MAIN(ActiveringNaDialoogTest)
#include "ActiveringNaDialoogTest.moc"
