#pragma once

#include <QObject>

class QWidget;

namespace vkt::widgets {

// Makes what was typed into a field count before a command acts on its
// window. Before a shortcut, an Alt+letter button, a click on a button, a
// tool button or the menu bar, and before a window closes, the field that
// has the focus is left as if the user had left it (its check runs, its row
// hands its values to its line); then the focus goes back to it, so the user
// keeps his place. When the field's check keeps the focus, the command does
// not happen and a window stays open. One watcher on the application serves
// every window and dialog.
class TInvoerVastlegger : public QObject {
    Q_OBJECT

public:
    // Puts the watcher on the application, once; the program's input fields
    // and rows ask for it, so every window that has them is watched.
    static void Installeer();

    // Leaves the field that has the focus by giving the focus to naar, as the
    // user would by going there. False when the field's check kept the focus
    // or sent it elsewhere.
    static bool VerlaatVeld(QWidget& naar);
    // Leaves the field that has the focus in venster's window and gives it
    // the focus again; false when its check refused.
    static bool LegVast(QWidget& venster);

protected:
    bool eventFilter(QObject* object, QEvent* event) override;

private:
    using QObject::QObject;
};

} // namespace vkt::widgets
