#pragma once

#include "calc/Invoer.h"
#include "calc/Veldregels.h"
#include "model/Basis.h"

#include <QObject>

#include <optional>
#include <string>
#include <vector>

namespace vkt {
struct TWerknemerItem;
}

namespace vkt::ui {

struct TKern;
class TFondsRegelsScherm;
class TRegelkoppeling;
class TSchermregels;
class TSelectieband;

// What the window holds.
enum class TBerekeningToestand {
    Geen,       // no calculation is chosen (the one open at the last exit is gone)
    Opgeslagen, // a saved calculation
    Nieuw,      // a new calculation with a name, not saved yet
};

// Why the calculation on screen was not computed: none is chosen, or a
// check refuses its inputs (then Fout holds the field and its message).
struct TWeigering {
    std::string Reden;
    std::optional<TVeldFout> Fout;
};

// The calculation open in the window, the one owner of its state: which
// calculation it is (its number, or a new one, or none), what it held when it
// was opened or saved, and the run computed from it. The fields, rows and
// fund rows of the window and the drop-down of the selection band are views
// of it: opening, starting, saving and deleting fill them through here, and
// every command asks here what is open. Opening a saved calculation and
// starting a new one take the same way: the inputs from the input layer,
// the levy data from the storage, both shown in the fields and rows.
class TOpenBerekening : public QObject {
    Q_OBJECT

public:
    TOpenBerekening(TKern& kern, TSelectieband& selectie, TSchermregels& regels, TRegelkoppeling& koppeling,
                    TFondsRegelsScherm& fondsen, QObject* ouder = nullptr);

    TBerekeningToestand Toestand() const { return toestand_; }
    bool HeeftBerekening() const { return toestand_ != TBerekeningToestand::Geen; }
    // The number of the saved calculation on screen.
    std::optional<int> Nummer() const { return nummer_; }
    // The name of the calculation on screen: as saved, or as given to a new one.
    std::string Naam() const;
    // Whether the inputs, lines or funds on screen differ from what was opened
    // or saved last; a new calculation that is not saved always does.
    bool IsGewijzigd();

    // The saved calculations, listed again in the drop-down (nothing chosen
    // there until a calculation is shown).
    std::vector<TWerknemerItem> VulLijst();
    // Shows saved calculation nummer as it is stored. False, with the
    // window showing no calculation, when it cannot be positioned on; an
    // error reading it is raised, the window then showing none.
    bool Open(int nummer);
    // Shows no calculation: the fields hold the defaults of a new one, which
    // are neither computed nor saved.
    void ToonGeen();
    // Shows a new calculation of that name with the defaults, not saved yet.
    void BeginNieuw(const std::string& naam);
    // Stores the calculation on screen (a new one under a new number) and
    // shows it again as stored. False when nothing was stored: no calculation
    // is open, or a check refused the inputs (its message has been shown). An
    // error of the storage is raised after its rollback; the window then
    // still shows the calculation as it was.
    bool Bewaar();
    // "Opslaan als": stores the calculation on screen with its lines, funds
    // and formulas as a new saved calculation of that name and shows the copy
    // as stored. False, with nothing stored and nothing changed, when a check
    // refuses the inputs.
    bool BewaarAls(const std::string& naam);
    // Deletes the saved calculation on screen; afterwards none is shown.
    void Verwijder();

    // Runs the calculation on screen (kern.Berekening holds the run): the
    // field checks first, so that nothing is computed for inputs the window
    // refuses. Nothing when it was computed, else why not.
    std::optional<TWeigering> Reken();

signals:
    // Another calculation, a new one or none is on screen, or the one on
    // screen was stored again: what was computed before is out of date.
    void Gewisseld();

private:
    // What a change is measured by: the inputs, the AWf choice, the lines
    // and the funds, without the texts the rows keep to themselves.
    struct TMomentopname {
        TBerekeningInvoer Invoer;
        std::string AwfPremieType;
        std::vector<TKolomRegelValues> Regels;
        bool operator==(const TMomentopname& ander) const;
    };
    TMomentopname Momentopname();
    // Shows the inputs and the levy data in the fields and rows, the funds
    // the storage holds in the fund rows.
    void Toon(const TBerekeningInvoer& invoer);
    void Ontkoppel();
    bool MagOpslaan();

    TKern& kern_;
    TSelectieband& selectie_;
    TSchermregels& regels_;
    TRegelkoppeling& koppeling_;
    TFondsRegelsScherm& fondsen_;
    TBerekeningToestand toestand_ = TBerekeningToestand::Geen;
    std::optional<int> nummer_;
    std::string naam_;
    std::optional<TMomentopname> bewaard_; // as opened or saved last
    // Why the saved calculation cannot be computed as it is stored; until it
    // is saved again.
    std::optional<std::string> ongeldig_;
};

} // namespace vkt::ui
