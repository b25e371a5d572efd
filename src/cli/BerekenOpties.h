#pragma once

#include "calc/Invoer.h"
#include "calc/Regelwaarden.h"
#include "cli/Opties.h"
#include "common/DateTime.h"

#include <string>
#include <utility>
#include <vector>

namespace vkt {
class THeffingsgegevens;
}

namespace vkt::cli {

// An amount or percentage for one line of the calculation ("--regel 9=150",
// "--regel 1048576/2=25", "--regel 128=5%").
struct TRegelWijziging {
    TRegelWaarde Waarde;
    std::string Tekst; // as given, for messages
};

// What one calculation is asked to do: the screen values and the line edits.
struct TBerekenOpties {
    TBerekeningInvoer Invoer;
    std::vector<TRegelWijziging> Regels;
};

// One option of "bereken", also a column of a batch file; the texts are for
// the help.
struct TBerekenOptie {
    const char* Naam; // without "--"
    const char* Waarden;
    const char* Standaard;
    const char* Uitleg;
};
const std::vector<TBerekenOptie>& BerekenOptieLijst();
bool IsBerekenOptie(const std::string& naam);

// The name/value pairs of one calculation, names without "--".
using TOptieWaarden = std::vector<std::pair<std::string, std::string>>;

// Reads the values over the inputs of a new calculation and applies the
// window's rules between the fields. Throws OptieFout naming the option (as
// voorvoegsel + name) and the value at fault.
TBerekenOpties LeesBerekenOpties(const TOptieWaarden& waarden, TDateTime vandaag, const std::string& voorvoegsel);

// The calculation options as the command line names them ("--naam", ...).
std::vector<std::string> BerekenOptieArgumenten();
// The calculation options among the options read from the command line (any
// other option is left for the caller), read as LeesBerekenOpties reads them.
TBerekenOpties LeesBerekenOpties(const Opties& gelezen, TDateTime vandaag);

// Gives the lines of the line edits their amount or percentage, as the
// screen's line control does. Throws OptieFout for a line that the
// calculation does not have.
void PasRegelsToe(THeffingsgegevens& heffing, const std::vector<TRegelWijziging>& regels,
                  const std::string& voorvoegsel);

// The fixed WAO/WIA percentage of the calculation's first fixed WAO/WIA line
// in column 0; 0 when it has none.
double WaoVastPercentage(const THeffingsgegevens& heffing);

} // namespace vkt::cli
