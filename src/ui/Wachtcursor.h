#pragma once

#include <QApplication>

namespace vkt::ui {

// The hourglass while a piece of work runs, restored however it ends.
class TWachtcursor {
public:
    TWachtcursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~TWachtcursor() { QApplication::restoreOverrideCursor(); }
    TWachtcursor(const TWachtcursor&) = delete;
    TWachtcursor& operator=(const TWachtcursor&) = delete;
};

} // namespace vkt::ui
