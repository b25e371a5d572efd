#include "widgets/InvoerVastlegger.h"

#include <QAction>
#include <QApplication>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPointer>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QShortcut>
#include <QToolButton>

namespace vkt::widgets {
namespace {

// Set while a field is being left: its check may open a message box, whose
// buttons give no command to the window behind it.
bool bezig = false;

// A button that gives a command; a check box or a radio button only changes a value.
bool IsOpdrachtknop(const QObject* object)
{
    return qobject_cast<const QPushButton*>(object) != nullptr || qobject_cast<const QToolButton*>(object) != nullptr;
}

bool IsOpdrachtwidget(const QObject* object)
{
    return IsOpdrachtknop(object) || qobject_cast<const QMenuBar*>(object) != nullptr;
}

// The window that the event is about to give a command to; nullptr when the
// event gives none. A tab change is watched by the tab control itself.
QWidget* Opdrachtvenster(QObject* object, QEvent* event)
{
    auto* widget = qobject_cast<QWidget*>(object);
    switch (event->type()) {
    case QEvent::Shortcut:
        // An ambiguous shortcut only moves the focus, which leaves the field anyway.
        if (static_cast<QShortcutEvent*>(event)->isAmbiguous())
            return nullptr;
        if (qobject_cast<QAction*>(object) != nullptr || qobject_cast<QShortcut*>(object) != nullptr)
            return QApplication::activeWindow();
        return IsOpdrachtwidget(object) ? widget->window() : nullptr;
    case QEvent::MouseButtonPress:
        if (static_cast<QMouseEvent*>(event)->button() != Qt::LeftButton || !IsOpdrachtwidget(object) ||
            !widget->isEnabled())
            return nullptr;
        return widget->window();
    case QEvent::Close:
        // A dialog that closes is cancelled: what was typed in it does not count.
        return widget != nullptr && widget->isWindow() && widget->windowType() == Qt::Window ? widget : nullptr;
    default:
        return nullptr;
    }
}

// Qt gives a button that takes the focus by clicking the focus before the
// press comes to it, so the field was left already.
bool FocusAlGegeven(QObject* object, QEvent* event)
{
    const auto* knop = qobject_cast<QWidget*>(object);
    return event->type() == QEvent::MouseButtonPress && event->spontaneous() &&
           (knop->focusPolicy() & Qt::ClickFocus) == Qt::ClickFocus;
}

} // namespace

void TInvoerVastlegger::Installeer()
{
    static QPointer<TInvoerVastlegger> wachter;
    if (wachter || qApp == nullptr)
        return;
    wachter = new TInvoerVastlegger(qApp);
    qApp->installEventFilter(wachter);
}

bool TInvoerVastlegger::VerlaatVeld(QWidget& naar)
{
    const QPointer<QWidget> veld = QApplication::focusWidget();
    if (!veld || veld == &naar || !naar.isVisible() || !naar.isEnabled())
        return true;
    const QScopedValueRollback<bool> terug(bezig, true);
    const QPointer<QWidget> doel = &naar;
    naar.setFocus(Qt::OtherFocusReason);
    // What the field put off until the focus had settled (a date field's
    // message) happens now, before the command.
    if (veld)
        QCoreApplication::sendPostedEvents(veld, QEvent::MetaCall);
    // The window's own focus, not the application's: after a message box
    // the window may not be active again yet.
    return doel && doel->window()->focusWidget() == doel;
}

bool TInvoerVastlegger::LegVast(QWidget& venster)
{
    const QPointer<QWidget> veld = QApplication::focusWidget();
    QWidget* raam = venster.window();
    if (!veld || veld == raam || veld->window() != raam)
        return true;
    if (!VerlaatVeld(*raam))
        return false;
    // Leaving may have hidden or removed it.
    if (veld && veld->isVisible() && veld->isEnabled())
        veld->setFocus(Qt::OtherFocusReason);
    return true;
}

bool TInvoerVastlegger::eventFilter(QObject* object, QEvent* event)
{
    if (bezig)
        return false;
    QWidget* venster = Opdrachtvenster(object, event);
    if (venster == nullptr)
        return false;
    if (FocusAlGegeven(object, event)) {
        // When the field's check took the focus back, the click does not count.
        const QWidget* focus = venster->focusWidget();
        return focus != nullptr && focus != object;
    }
    const QWidget* veld = QApplication::focusWidget();
    if (veld == nullptr || veld == object || veld->window() != venster || LegVast(*venster))
        return false;
    if (event->type() == QEvent::Close)
        event->ignore();
    return true;
}

} // namespace vkt::widgets
