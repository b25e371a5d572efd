#pragma once

#include <QApplication>
#include <QPointer>
#include <QTest>
#include <QTimer>

#include <functional>

// Answers the modal window that the code under test opens next, the way a
// user would: once its event loop runs, hands it to `bekijk` (to look at
// it), then lets `antwoord` act on it. A window that the answer leaves open
// is closed after two seconds, so that a wrong answer fails the test
// instead of leaving it waiting.
inline void BeantwoordModaal(std::function<void(QWidget&)> antwoord, std::function<void(QWidget&)> bekijk = {})
{
    QTimer::singleShot(0, [antwoord, bekijk] {
        QPointer<QWidget> venster = QApplication::activeModalWidget();
        if (!venster)
            return;
        if (bekijk)
            bekijk(*venster);
        antwoord(*venster);
        QTimer::singleShot(2000, [venster] {
            if (venster && venster->isVisible())
                venster->close();
        });
    });
}

// Presses a key in the modal window: the key goes to its focused widget, as
// a key on the keyboard does.
inline void BeantwoordMetToets(Qt::Key toets, std::function<void(QWidget&)> bekijk = {})
{
    BeantwoordModaal(
        [toets](QWidget& venster) {
            QWidget* doel = venster.focusWidget() ? venster.focusWidget() : &venster;
            QTest::keyClick(doel, toets);
        },
        bekijk);
}

// Clicks the named button of the modal window with the mouse.
inline void BeantwoordMetKnop(const QString& knop)
{
    BeantwoordModaal([knop](QWidget& venster) {
        if (auto* doel = venster.findChild<QWidget*>(knop))
            QTest::mouseClick(doel, Qt::LeftButton);
    });
}
