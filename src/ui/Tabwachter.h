#pragma once

#include <QObject>

class QTabBar;
class QTabWidget;

namespace vkt::ui {

// Lets the tab control change its tab only after the field that has the
// focus on the current tab has been left: leaving it runs its check (and a
// row hands its values to its line). When the check fails, the focus is
// back in the field and the tab stays. Watches clicks on the tabs, their
// accelerator keys and Ctrl+Tab.
class TTabwachter : public QObject {
    Q_OBJECT

public:
    explicit TTabwachter(QTabWidget& tabs);

protected:
    bool eventFilter(QObject* object, QEvent* event) override;

private:
    bool WiltWisselen(QObject* object, QEvent* event) const;
    // False when the focus could not leave the current tab.
    bool VerlaatVeld();

    QTabWidget& tabs_;
    // Kept from the start: the tab bar goes before this watcher when the tab
    // control is destroyed, and its last events must not ask the tab control
    // for it then.
    QTabBar* balk_;
};

} // namespace vkt::ui
