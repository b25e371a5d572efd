#pragma once

#include <QColor>

#include <optional>

namespace vkt::widgets {

// The background that focused input fields (plain edits, numeric and date
// fields) take, the same for the whole program. Until something sets it each
// field uses its own focus colour; once set, it wins over the field's own
// setting, also over one given later. The skin sets it to white.
std::optional<QColor> ProcesFocusKleur();
void ZetProcesFocusKleur(const QColor& kleur);

} // namespace vkt::widgets
