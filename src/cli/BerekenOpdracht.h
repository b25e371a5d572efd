#pragma once

#include "cli/BerekenOpties.h"
#include "model/DmConstanten.h"
#include "model/Heffingsgegevens.h"
#include "store/Databases.h"

#include <iosfwd>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace vkt {
class TBerekening;
class TBewaardeMeldingen;
}

namespace vkt::cli {

// A message of the program with its line breaks as the console writes them,
// and any control character or byte that is no UTF-8 in it (a stored value
// that a lower layer quotes) escaped, as ZichtbareRegels does.
std::string ZonderWagenterugloop(std::string tekst);

// The statement of a computed calculation as the command line shows it and
// writes it into files: a stored name with control characters or bytes that
// are no UTF-8 shows them escaped, as lijst does.
std::vector<std::string> ZichtbaarRapport(TBerekening& berekening);

// "vkt2020-cli bereken": one calculation without a stored calculation, shown
// as the statement or as JSON. Returns the exit code: 0 done, 1 a database
// could not be used or the calculation failed, 2 bad usage.
int BerekenOpdracht(const std::vector<std::string>& argumenten, std::ostream& uit, std::ostream& fout);

// Opens both databases as the program starts, the employee database as
// toegang asks; on failure the messages go to fout and the result is false.
bool OpenDatabases(TDatabases& databases, TDateTime berekeningsdatum, TToegang toegang, std::ostream& fout);

// The same for a command that only reads, with the constants of today.
bool OpenDatabasesOmTeLezen(TDatabases& databases, std::ostream& fout);

// Prints the messages kept for a caller without a window, one per line.
void SchrijfMeldingen(const TBewaardeMeldingen& meldingen, std::ostream& fout);

// The outcome of a run as the statement shows it, each amount in euros and
// cents. Where a fixed percentage of the wage-tax wage replaces the table
// tax (free calculations, artists with their own percentage), that is the
// wage tax, and the net wage is column 19 with it in place of column 15;
// otherwise they are the totals of columns 15 and 19. The named wages are
// the totals of columns 8 (insurances), 12 (Zvw) and 14 (wage tax).
struct TUitkomst {
    double Brutoloon = 0;
    double Nettoloon = 0;
    double Loonheffing = 0;
    double Werkgeverslasten = 0;
    double Arbeidskorting = 0;
    double SvLoon = 0;
    double ZvwLoon = 0;
    double LbLoon = 0;
};
TUitkomst Uitkomst(const TBerekening& berekening);

// Gives the regular levy data the line edits and the AWf premium type, takes
// the fixed WAO/WIA percentage from it and runs the calculation. Returns the
// message the run showed, if any. Throws OptieFout for a line the
// calculation lacks and vkt::Exception when the run fails.
std::optional<std::string> Bereken(TVasteHeffingsgegevens& vast, TBerekenOpties& opties,
                                   const TdmConstanten& constanten, TBerekening& berekening,
                                   const std::string& voorvoegsel);

// The parts of Bereken: whether the options change the regular levy data (a
// line edit or the AWf premium type), giving it those changes, and the run
// with the fixed WAO/WIA percentage taken from the levy data, which it only
// reads.
bool WijzigtHeffingsgegevens(const TBerekenOpties& opties);
void PasOptiesToe(TVasteHeffingsgegevens& vast, const TBerekenOpties& opties, const std::string& voorvoegsel);
std::optional<std::string> BerekenMet(const TVasteHeffingsgegevens& vast, TBerekenOpties& opties,
                                      const TdmConstanten& constanten, TBerekening& berekening);
// The run's message as BerekenMet returns it: its last message. An error
// message (a search whose target no gross wage reaches) is its failure,
// raised as an Exception.
std::optional<std::string> LaatsteMelding(const TBewaardeMeldingen& meldingen);

// A new calculation of the options of bereken, run on the databases it
// opened: the regular levy data it was copied from, the run and the message
// the run showed, if any.
struct TNieuweBerekening {
    TNieuweBerekening();
    ~TNieuweBerekening();

    TDatabases Databases;
    std::unique_ptr<TVasteHeffingsgegevens> Vast;
    std::unique_ptr<TBerekening> Berekening;
    std::optional<std::string> Melding;
};

class TOpdrachtregel;

// Opens the databases, loads the regular levy data of a new calculation with
// the chosen funds and runs the options' calculation, as bereken does.
// Returns the exit code when the command ends there: 2 for a line or fund
// the options name wrongly (told as a usage error of regel), 1 when a
// database or the calculation failed (told on fout after the command's name).
std::optional<int> RekenNieuweBerekening(TNieuweBerekening& nieuw, TBerekenOpties& opties, const TOpdrachtregel& regel,
                                         const std::string& opdracht, std::ostream& fout);

struct TRapportbestanden;

// Writes the statement into the files asked for; false when that failed,
// after telling why on fout.
bool SchrijfBestanden(const TRapportbestanden& bestanden, TBerekening& berekening, const std::string& opdracht,
                      std::ostream& fout);

// Prints the outcome: the statement (the run's message, if any, on fout) or,
// for formaat "json", the JSON object.
void ToonUitkomst(TBerekening& berekening, const THeffingsgegevens& vast, const std::optional<std::string>& melding,
                  const std::string& formaat, std::ostream& uit, std::ostream& fout);

} // namespace vkt::cli
