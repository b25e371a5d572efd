#pragma once

#include "calc/Veldregels.h"

#include <vector>

namespace vkt {
class TBaseKolomRegel;
class THeffingsgegevens;
} // namespace vkt

namespace vkt::widgets {
class TKolomRegelControl;
}

namespace vkt::ui {

// Which row of the main window edits which line of the open calculation,
// and binding them: each row keeps a reference to its line, shows the
// line's values and writes what the user edits back into it when the focus
// leaves the row. Lines of a type no row edits stay unbound.
class TRegelkoppeling {
public:
    // The row edits the line of that type (and, in column 18, of that wage
    // component).
    void VoegToe(widgets::TKolomRegelControl* rij, TRegelSleutel sleutel);

    // Empties every row (keeping its caption) and binds the first line of
    // each row's kind in the levy data to it; with no levy data the rows stay
    // empty and unbound. A row of a line with a deviating basis is marked;
    // the deduction row shows its line as a deduction.
    void Koppel(THeffingsgegevens* heffing);
    // Shows the bound line's values in the row again under the row's own
    // caption, the marks for holiday pay and social funds hidden.
    void Ververs(widgets::TKolomRegelControl& rij) const;

    widgets::TKolomRegelControl* Rij(const TRegelSleutel& sleutel) const;

private:
    struct TRij {
        widgets::TKolomRegelControl* Rij;
        TRegelSleutel Sleutel;
    };

    static void Leeg(widgets::TKolomRegelControl& rij);
    TRij* Zoek(const TBaseKolomRegel& regel);

    std::vector<TRij> rijen_;
};

} // namespace vkt::ui
