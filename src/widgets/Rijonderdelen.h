#pragma once

#include <QRect>
#include <QString>
#include <QStringList>

class QCheckBox;
class QComboBox;
class QLabel;
class QWidget;

namespace vkt::widgets {

class TZNONumericEdit;

// The parts of the column-line rows, made the same way in every row: placed
// at their spot, named, with their hint as tooltip and accessible name.

// A numeric field in the format "1.000,00".
TZNONumericEdit* MaakGetalveld(QWidget* ouder, const QString& naam, const QRect& plek, int digits, int decimals,
                               const QString& hint);
// A pick-only drop-down list.
QComboBox* MaakKeuzelijst(QWidget* ouder, const QString& naam, const QRect& plek, const QStringList& keuzes,
                          const QString& hint);
// A box with a blank caption that is no tab stop.
QCheckBox* MaakVinkje(QWidget* ouder, const QString& naam, const QRect& plek, const QString& hint);
QLabel* MaakLabel(QWidget* ouder, const QString& naam, const QRect& plek, const QString& tekst);

} // namespace vkt::widgets
