#pragma once

#include <QAbstractButton>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>

// Checks of how a window is drawn, shared by the tests that draw windows.

namespace vkt::widgets::test {

inline QString Naam(const QWidget& widget)
{
    return widget.objectName() + " (" + widget.metaObject()->className() + ")";
}

// Every visible part lies within its parent, and every text fits its part.
inline void ControleerDatNietsWegvalt(QWidget& venster)
{
    for (QWidget* deel : venster.findChildren<QWidget*>()) {
        if (!deel->isVisibleTo(&venster) || deel->isWindow())
            continue;
        QVERIFY2(deel->parentWidget()->rect().contains(deel->geometry()), qPrintable(Naam(*deel) + " sticks out"));
        if (auto* label = qobject_cast<QLabel*>(deel); label && !label->text().isEmpty()) {
            const int nodig = label->wordWrap() ? label->heightForWidth(label->width()) : label->sizeHint().height();
            QVERIFY2(nodig <= label->height(), qPrintable(Naam(*label) + " is too low for its text"));
            if (!label->wordWrap())
                QVERIFY2(label->sizeHint().width() <= label->width(), qPrintable(Naam(*label) + " is too narrow"));
        }
        if (auto* knop = qobject_cast<QAbstractButton*>(deel)) {
            const int nodig = knop->fontMetrics().horizontalAdvance(QString(knop->text()).remove(u'&')) + 8;
            QVERIFY2(nodig <= knop->width(), qPrintable(Naam(*knop) + " is too narrow for its caption"));
        }
    }
}

// Every input a user can reach has a name for screen readers and automation.
inline void ControleerToegankelijkeNamen(QWidget& venster)
{
    for (QWidget* deel : venster.findChildren<QWidget*>()) {
        const bool invoer = qobject_cast<QLineEdit*>(deel) || qobject_cast<QComboBox*>(deel) ||
                            qobject_cast<QAbstractButton*>(deel) || qobject_cast<QPlainTextEdit*>(deel);
        if (!invoer || !deel->isVisibleTo(&venster) || qobject_cast<QLineEdit*>(deel->parentWidget()) ||
            qobject_cast<QComboBox*>(deel->parentWidget()))
            continue;
        QVERIFY2(!deel->accessibleName().isEmpty(), qPrintable(Naam(*deel) + " has no accessible name"));
    }
}


// Saves a picture of the window into the folder VKT_VENSTERAFBEELDINGEN
// names, when it names one, to look at it.
inline void BewaarAfbeelding(QWidget& venster, const QString& naam)
{
    const QString map = qEnvironmentVariable("VKT_VENSTERAFBEELDINGEN");
    if (map.isEmpty())
        return;
    QDir().mkpath(map);
    QVERIFY(venster.grab().save(map + "/" + naam + ".png"));
}

} // namespace vkt::widgets::test
