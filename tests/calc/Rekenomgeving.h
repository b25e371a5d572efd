#pragma once

#include "calc/Berekening.h"
#include "calc/Invoer.h"
#include "common/Meldingen.h"
#include "model/DmConstanten.h"
#include "store/DmVektaris.h"
#include "support/Werknemersmodule.h"

#include <memory>
#include <string>
#include <vector>

namespace vkt::test {

// A copy of the built employee database opened as the program opens it, the
// loaded constants, and the regular levy data of a new calculation.
class Rekenomgeving {
public:
    Rekenomgeving();

    // Runs a calculation with these inputs on a fresh regular levy data;
    // regel edits the regular levy data's lines first.
    TBerekening& Reken(TBerekeningInvoer invoer);
    // The line of that type (and wage component, when not 0) in the regular
    // levy data the next Reken uses.
    TBaseKolomRegel& Regel(int regeltype, int looncomponent = 0);
    void ZetBedrag(int regeltype, double bedrag, int looncomponent = 0);
    void ZetPercentage(int regeltype, double percentage, int looncomponent = 0);
    double Kolom(int nummer) const;
    // The regular levy data the next Reken copies.
    TVasteHeffingsgegevens& Vast() { return *vast_; }
    TdmConstanten& Constanten() { return *constanten_; }

    static TBerekeningInvoer StandaardInvoer();

    TBewaardeMeldingen meldingen;
    TBerekening berekening;

private:
    OpenWerknemersmodule module_;
    TdmVektaris* werknemers_ = &module_.Dm();
    std::unique_ptr<TdmConstanten> constanten_;
    std::unique_ptr<TVasteHeffingsgegevens> vast_;
};

} // namespace vkt::test
