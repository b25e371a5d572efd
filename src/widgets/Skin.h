#pragma once

#include <QObject>
#include <QPointer>

class QWidget;

namespace vkt::widgets {

// A widget with this dynamic property set to true is a data-aware field
// (an input bound to a data group); the skin gives it the colour of the
// widget it stands on.
inline constexpr char EigenschapGegevensveld[] = "vktGegevensveld";

// Lays the program's colours over a window and every widget in it, by the
// widget's kind and name:
// - panels (TPaneel) light blue-green, the tool bar panel "pnlControlBar"
//   white; a panel whose name contains "pnlButtons" white, unless it is 40
//   pixels high: that one keeps its own colour;
// - tool buttons flat, white on "pnlControlBar" and light blue-green
//   elsewhere;
// - data-aware fields the colour of the widget they stand on;
// - tree views (list views) and table views (grids) white with red headers
//   and white header text; a table view that is not data-aware selects in
//   the program's highlight colour;
// - flat push buttons blue with white text, red under the mouse, pale blue
//   when disabled;
// - list views and status bars white; group boxes, scroll areas and print
//   previews light blue-green;
// - in the message window the button panel white, the message panel pink and
//   the line beside the logo hidden.
// It first makes white the focus colour of every input field of the program.
void Skin(QWidget& venster);

// Lays the skin over each window of the application when it becomes the
// active window. The main window gets it only the first time, so that what
// the main window colours itself later stays. Made with the main window as
// its parent, it stops when the main window goes.
class TSkin : public QObject {
    Q_OBJECT

public:
    explicit TSkin(QWidget* hoofdvenster, QObject* ouder = nullptr);

protected:
    bool eventFilter(QObject* object, QEvent* event) override;

private:
    QPointer<QWidget> hoofdvenster_;
    bool hoofdvensterGedaan_ = false;
};

} // namespace vkt::widgets
