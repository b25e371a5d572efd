#include "widgets/ActiveringNaDialoog.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

namespace vkt::widgets {

void TActiveringNaDialoog::Installeer()
{
    static TActiveringNaDialoog* wachter = nullptr;
    if (wachter != nullptr || qApp == nullptr)
        return;
    wachter = new TActiveringNaDialoog(qApp);
    qApp->installEventFilter(wachter);
}

bool TActiveringNaDialoog::eventFilter(QObject* object, QEvent* event)
{
    if (event->type() != QEvent::Show && event->type() != QEvent::Hide)
        return false;
    auto* venster = qobject_cast<QWidget*>(object);
    if (venster == nullptr || !venster->isWindow() || !venster->isModal())
        return false;
    if (event->type() == QEvent::Show) {
        QWidget* actief = QApplication::activeWindow();
        onderbroken_[venster] = actief != venster ? actief : nullptr;
        // A modal dialog takes the keyboard from the window it interrupts.
        QTimer::singleShot(0, this, [dialoog = QPointer<QWidget>(venster)] {
            if (dialoog != nullptr && dialoog->isVisible() && !dialoog->isActiveWindow() &&
                QApplication::activeModalWidget() == dialoog)
                dialoog->activateWindow();
        });
        return false;
    }
    const auto gevonden = onderbroken_.find(venster);
    if (gevonden == onderbroken_.end())
        return false;
    // The window the dialog belongs to; a message without one goes back to
    // the window that was active when it came.
    const QPointer<QWidget> terug = venster->parentWidget() != nullptr ? venster->parentWidget()->window()
                                                                       : gevonden->second.data();
    onderbroken_.erase(gevonden);
    // Once the dialog has gone, unless another window has taken the keyboard
    // (without a window manager the closed dialog may still count as active).
    QTimer::singleShot(0, this, [terug] {
        const QWidget* actief = QApplication::activeWindow();
        if (terug != nullptr && terug->isVisible() && (actief == nullptr || !actief->isVisible()))
            terug->activateWindow();
    });
    return false;
}

} // namespace vkt::widgets
