#pragma once

#include <QString>

namespace vkt::ui {

// The fonts the program brings along, so that its windows and its printed
// statement look the same on every machine, whatever fonts it has: Liberation
// Sans, in whose metrics the windows' fixed positions were laid out, and
// Liberation Mono, which has the metrics of the statement's Courier New.
// (SIL Open Font License; the text is in lettertypen/OFL.txt.)

// Registers the fonts with Qt, and lets Liberation Mono stand in for
// "Courier New" on a machine without that font. Needs the application
// object; registers once for it. False when a font could not be registered.
bool RegistreerLettertypen();

// The family of the windows' font, as registered: "Liberation Sans".
QString VensterFamilie();

} // namespace vkt::ui
