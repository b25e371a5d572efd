#include "widgets/FocusKleur.h"

namespace vkt::widgets {

namespace {
// Only touched on the user-interface thread.
std::optional<QColor> focusKleur;
} // namespace

std::optional<QColor> ProcesFocusKleur()
{
    return focusKleur;
}

void ZetProcesFocusKleur(const QColor& kleur)
{
    focusKleur = kleur;
}

} // namespace vkt::widgets
