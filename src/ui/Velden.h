#pragma once

#include <QPoint>
#include <QRect>
#include <QString>

#include <initializer_list>
#include <utility>
#include <vector>

class QGroupBox;
class QLabel;
class QPushButton;
class QWidget;

namespace vkt::db {
class TZNODBCheckbox;
class TZNODBComboboxEx;
class TZNODBDateEdit;
class TZNODBNumericEdit;
} // namespace vkt::db

namespace vkt::widgets {
class TPaneel;
class TZNODBCheckbox;
class TZNODBComboboxEx;
class TZNODBDateEdit;
class TZNODBNumericEdit;
} // namespace vkt::widgets

namespace vkt::ui {

// The parts the tabs of the main window are built from, each placed, named
// and given its hint as tooltip.

// A data-aware panel over a bound field: its label, then the input from
// invoerLinks on; the panel is plaats.
widgets::TZNODBNumericEdit* MaakGetalveld(QWidget* ouder, db::TZNODBNumericEdit& veld, const QString& label,
                                          const QString& hint, const QRect& plaats, int invoerLinks, int cijfers,
                                          int decimalen);
widgets::TZNODBComboboxEx* MaakKeuzeveld(QWidget* ouder, db::TZNODBComboboxEx& veld, const QString& label,
                                         const QString& hint, const QRect& plaats, int invoerLinks);
widgets::TZNODBDateEdit* MaakDatumveld(QWidget* ouder, db::TZNODBDateEdit& veld, const QString& label,
                                       const QString& hint, const QRect& plaats, int invoerLinks);
// A check box after its label, both as wide as the text needs.
widgets::TZNODBCheckbox* MaakVinkveld(QWidget* ouder, db::TZNODBCheckbox& veld, const QString& label,
                                      const QString& hint, const QPoint& plaats);

// A plain label.
QLabel* MaakTekst(QWidget* ouder, const QString& tekst, const QRect& plaats, Qt::Alignment uitlijning = Qt::AlignLeft);
// Column titles above rows, each centred in its place.
void MaakKoptitels(QWidget* ouder, std::initializer_list<std::pair<QString, QRect>> titels);

// The titles over the inputs of rows whose left edge is at rijbegin:
// "Omschrijving", "B/P", "Grondslag", "Perc.", "Franchise", "Bedrag", in
// that order.
std::vector<QLabel*> MaakRijtitels(QWidget* ouder, const QPoint& rijbegin);

QGroupBox* MaakGroep(QWidget* ouder, const char* naam, const QString& titel, const QRect& plaats);
widgets::TPaneel* MaakPaneel(QWidget* ouder, const char* naam, const QRect& plaats);
// A flat button in the program's colours.
QPushButton* MaakKnop(QWidget* ouder, const char* naam, const QString& bijschrift, const QString& hint,
                      const QRect& plaats);

} // namespace vkt::ui
