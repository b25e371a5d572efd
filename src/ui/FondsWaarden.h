#pragma once

#include "store/SociaalFondsWaarden.h"

namespace vkt::widgets {
class TVKTSocialeFondsKolomRegelControl;
}

namespace vkt::ui {

// A fund's stored values shown in its row on screen, and read back from it.
void ToonFondsWaarden(widgets::TVKTSocialeFondsKolomRegelControl& rij, const TSociaalFondsWaarden& waarden);
TSociaalFondsWaarden LeesFondsWaarden(const widgets::TVKTSocialeFondsKolomRegelControl& rij);

} // namespace vkt::ui
