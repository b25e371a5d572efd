#pragma once

#include <QPoint>
#include <QRect>
#include <QString>

class QFrame;
class QLabel;
class QPushButton;
class QWidget;

namespace vkt::widgets {

// Building blocks that the program's small windows share. Each names its
// widget, so that the skin and the tests find it by that name.

// A push button at a fixed place; its accessible name is its caption.
QPushButton* MaakKnop(QWidget* ouder, const char* naam, const QString& bijschrift, const QRect& plaats);

// Gives a button another caption and, with it, another accessible name.
void ZetBijschrift(QPushButton& knop, const QString& bijschrift);

// A label as large as its text, its top left corner at the given place.
QLabel* MaakLabel(QWidget* ouder, const char* naam, const QString& tekst, const QPoint& plaats);

// The product logo "imgLogo", 143 x 70, transparent, its top left corner at
// the given place.
QLabel* MaakLogo(QWidget* ouder, const QPoint& plaats);

// An etched vertical line, drawn along the left edge of the given place.
QFrame* MaakLijn(QWidget* ouder, const char* naam, const QPoint& plaats, int hoogte);

} // namespace vkt::widgets
