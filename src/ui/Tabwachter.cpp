#include "ui/Tabwachter.h"

#include "widgets/InvoerVastlegger.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTabBar>
#include <QTabWidget>

namespace vkt::ui {

TTabwachter::TTabwachter(QTabWidget& tabs) : QObject(&tabs), tabs_(tabs), balk_(tabs.tabBar())
{
    tabs_.installEventFilter(this);
    balk_->installEventFilter(this);
}

bool TTabwachter::WiltWisselen(QObject* object, QEvent* event) const
{
    if (object == balk_ && event->type() == QEvent::MouseButtonPress) {
        const auto* muis = static_cast<QMouseEvent*>(event);
        const int tab = balk_->tabAt(muis->position().toPoint());
        return muis->button() == Qt::LeftButton && tab >= 0 && tab != balk_->currentIndex();
    }
    if (object == balk_ && event->type() == QEvent::Shortcut)
        return true;
    if (object == &tabs_ && event->type() == QEvent::KeyPress) {
        const auto* toets = static_cast<QKeyEvent*>(event);
        return toets->modifiers().testFlag(Qt::ControlModifier) &&
               (toets->key() == Qt::Key_Tab || toets->key() == Qt::Key_Backtab || toets->key() == Qt::Key_PageUp ||
                toets->key() == Qt::Key_PageDown);
    }
    return false;
}

bool TTabwachter::VerlaatVeld()
{
    QWidget* pagina = tabs_.currentWidget();
    const QWidget* focus = QApplication::focusWidget();
    if (pagina == nullptr || focus == nullptr || !pagina->isAncestorOf(focus))
        return true;
    return widgets::TInvoerVastlegger::VerlaatVeld(*balk_);
}

bool TTabwachter::eventFilter(QObject* object, QEvent* event)
{
    if (WiltWisselen(object, event) && !VerlaatVeld())
        return true;
    return QObject::eventFilter(object, event);
}

} // namespace vkt::ui
