#pragma once

#include "calc/Invoer.h"
#include "calc/Regelwaarden.h"
#include "cli/Opties.h"
#include "common/DateTime.h"

#include <span>
#include <string>
#include <string_view>
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

// What one calculation is asked to do: the screen values, the line edits,
// the AWf premium type ("L", "H"; empty: as the levy data has it) and the
// numbers of the catalogue funds to attach.
struct TBerekenOpties {
    TBerekeningInvoer Invoer;
    std::vector<TRegelWijziging> Regels;
    std::string AwfPremieType;
    std::vector<int> Fondsen;
};

// One option of "bereken", also a column of a batch file; the texts are for
// the help.
struct TBerekenOptie {
    const char* Naam; // without "--"
    const char* Waarden;
    const char* Standaard;
    const char* Uitleg;
    bool Herhaalbaar;
};
const std::vector<TBerekenOptie>& BerekenOptieLijst();
bool IsBerekenOptie(const std::string& naam);
bool IsHerhaalbareBerekenOptie(const std::string& naam);

// Adds every calculation option to the command line.
void VoegBerekenOptiesToe(TOpdrachtregel& regel);

// Reads the values over the inputs of a new calculation and applies the
// window's rules between the fields. Throws OptieFout naming the option (as
// voorvoegsel + name) and the value at fault.
TBerekenOpties LeesBerekenOpties(const TOptieWaarden& waarden, TDateTime vandaag, const std::string& voorvoegsel);
// The calculation options among the options read from the command line (any
// other option is left for the caller), read as above.
TBerekenOpties LeesBerekenOpties(const TOpdrachtregel& regel, TDateTime vandaag);

// The position of an option in BerekenOptieLijst, or -1 when there is none
// of that name; a batch file's columns are looked up once.
int BerekenOptiePositie(std::string_view naam);

// A value for the option at a position of BerekenOptieLijst.
struct TOptieOpPositie {
    int Positie;
    std::string_view Waarde;
};

// Reads the values over the inputs standaard (those of a new calculation)
// into opties, as above; whatever opties held is replaced, its memory reused.
void LeesBerekenOpties(std::span<const TOptieOpPositie> waarden, const TBerekeningInvoer& standaard,
                       TBerekenOpties& opties);

// An amount of an option from 0 to MaximumBedrag with at most two decimals,
// written as the options take it; throws OptieFout naming the option (as
// written, "--loonbedrag") and the value.
double LeesBedrag(const std::string& optie, std::string_view tekst);

// Gives the lines of the line edits their amount or percentage, as the
// screen's line control does. Throws OptieFout for a line that the
// calculation does not have.
void PasRegelsToe(THeffingsgegevens& heffing, const std::vector<TRegelWijziging>& regels,
                  const std::string& voorvoegsel);

// The fixed WAO/WIA percentage of the calculation's first fixed WAO/WIA line
// in column 0; 0 when it has none.
double WaoVastPercentage(const THeffingsgegevens& heffing);

// The option words of the choices, as the options take them and the JSON
// writes them: the kind of calculation by its list position, the pay period
// by its key (none: "maand"), the kind of wage amount, the AWf premium type
// ("laag", "hoog"; "" for none).
std::string SoortWoord(int positie);
std::string LoontijdvakWoord(int loontijdvak);
std::string SoortLoonbedragWoord(int soort);
std::string AwfPremieWoord(const std::string& type);

} // namespace vkt::cli
