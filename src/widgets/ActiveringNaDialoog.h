#pragma once

#include <QObject>
#include <QPointer>

#include <map>

class QWidget;

namespace vkt::widgets {

// Gives the keyboard to a modal dialog when it comes, and back to the window
// it interrupted once it has closed. A window manager does so itself;
// without one (a bare X display) no window would be active any more after a
// dialog, and the next keys and shortcuts would reach nothing. One watcher
// on the application serves every dialog and message window.
class TActiveringNaDialoog : public QObject {
    Q_OBJECT

public:
    // Puts the watcher on the application, once.
    static void Installeer();

protected:
    bool eventFilter(QObject* object, QEvent* event) override;

private:
    using QObject::QObject;

    // For each modal dialog on screen, the window that was active when it came.
    std::map<QObject*, QPointer<QWidget>> onderbroken_;
};

} // namespace vkt::widgets
