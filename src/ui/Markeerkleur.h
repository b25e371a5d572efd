#pragma once

#include <QColor>

namespace vkt::db {
class Connection;
}

namespace vkt::ui {

// The program's own colour of selected items (6, 162, 203), written as the
// system writes colours: 13345286 (red + 256 x green + 65536 x blue).
constexpr unsigned ProgrammaMarkeerkleur = 13345286;

unsigned Kleurwaarde(const QColor& kleur);
QColor KleurVan(unsigned waarde);

// Gives the application's palette the program's highlight colour while the
// program runs. The colour it had is kept in the employee database
// ("SelSysColor"), unless it already is the program's own: then an earlier
// run ended without putting it back, and the colour stored then stays.
// Errors are raised with the prefix "TfrmMain.SetWindowsSystemColors: ".
void SetWindowsSystemColors(db::Connection& verbinding);
// Puts the stored colour back, when one was stored as a number that fits in
// 32 bits. Errors are raised with the prefix
// "TfrmMain.RestoreWindowsSystemColors: ".
void RestoreWindowsSystemColors(db::Connection& verbinding);

} // namespace vkt::ui
