#pragma once

#include "cli/BerekenOpties.h"
#include "model/DmConstanten.h"
#include "model/Heffingsgegevens.h"
#include "store/DmVektaris.h"

#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

namespace vkt {
class TBerekening;
}

namespace vkt::cli {

// "vkt2020-cli bereken": one calculation without a stored calculation, shown
// as the statement or as JSON. Returns the exit code: 0 done, 1 a database
// could not be used or the calculation failed, 2 bad usage.
int BerekenOpdracht(const std::vector<std::string>& argumenten, std::ostream& uit, std::ostream& fout);

// The help of "bereken": every option with its default.
std::string BerekenHulp();

// Both databases of the program, opened as at start-up: the constants read
// and closed again, the employee database held exclusively with its employer
// and system wage components open.
class Rekenomgeving {
public:
    Rekenomgeving();
    // On failure the message goes to fout and the result is false.
    bool Open(TDateTime berekeningsdatum, std::ostream& fout);

    TdmConstanten& Constanten() { return constanten_; }
    TdmVektaris& Werknemers() { return werknemers_; }

private:
    TdmConstanten constanten_;
    TdmVektaris werknemers_;
};

// Gives the regular levy data the line edits, takes the fixed WAO/WIA
// percentage from it and runs the calculation. Returns the message the run
// showed, if any. Throws OptieFout for a line the calculation lacks and
// vkt::Exception when the run fails.
std::optional<std::string> Bereken(TVasteHeffingsgegevens& vast, TBerekenOpties& opties, TdmConstanten& constanten,
                                   TBerekening& berekening, const std::string& voorvoegsel);

} // namespace vkt::cli
