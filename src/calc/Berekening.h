#pragma once

#include "calc/Centenzoeker.h"
#include "calc/Invoer.h"
#include "model/Heffingsgegevens.h"

#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace vkt {

class TdmConstanten;
class TMeldingen;
class TQuelvarConst;

// The social-fund lines of a run, in the order they were made: the signed
// booking column as text, with "WG" appended for the employer part ("7",
// "-17WG"), and the line (owned by its column in the calculation object).
using TRapportLijst = std::vector<std::pair<std::string, TBaseKolomRegel*>>;

// The employer's charges of a run, each in cents as the statement shows them;
// a charge that does not count for the calculation is 0.
struct TWerkgeversdeel {
    double Vakantiegeld = 0;  // the holiday-pay reservation
    double AwfLaag = 0;
    double AwfHoog = 0;
    double VUTFPU = 0;
    double Pensioen = 0;
    double IP = 0;
    double WAO = 0;           // WAO/WIA
    double Whk = 0;
    double WhkVerhaling = 0;  // the part of the Whk charged on to the employee
    double Levensloop = 0;
    double Zvw = 0;           // the Zvw employer levy
    double Fondsen = 0;       // the employer parts of the social funds
};

// The gross wages, in cents, that give the target of a search exactly: every
// cent from Laag to Hoog. Afgebroken: the cent after Hoog gives it too; so
// long a run was followed no further.
struct TBrutoloonBereik {
    long long Laag = 0;
    long long Hoog = 0;
    bool Afgebroken = false;
};

// Whether the run computes for an artist: the kinds of employee 3 and 4 that
// the run gives the artist kinds of calculation.
bool IsArtiestSoort(int werknemersoort);

// One calculation run: a calculation object of the class the inputs ask for,
// copied from the regular levy data, filled from the inputs and computed,
// directly for a gross wage or by searching the gross wage that gives the
// entered amount. The run keeps one calculation object of each class and
// copies the levy data into it again for the next inputs, reusing its lines,
// so that calculations repeated many times (a batch, a curve over gross
// wages) allocate nothing once the objects exist.
//
// Repeated use: ZetInvoer once for the inputs, then Bereken (as the inputs
// ask) or BerekenBij (at a gross wage of the caller's), then the results:
// Nettoloon, Loonheffing, Werkgeverslasten and the object's columns.
class TBerekening {
public:
    TBerekening();
    TBerekening(const TBerekening&) = delete;
    TBerekening& operator=(const TBerekening&) = delete;

    // Builds and computes the calculation object with the constants of the
    // calculation date, which it gives to the constants module; false (and
    // nothing computed) when there is no regular levy data. A search that
    // finds no solution tells so through meldingen: as a message when the
    // target lies between what two gross wages a cent apart give (the closest
    // overshoot is then computed), as an error message when no gross wage
    // from 0 to MaximumBedrag comes that near (see DoelOnbereikbaar).
    bool Run(const TVasteHeffingsgegevens* vast, const TBerekeningInvoer& invoer, TdmConstanten& constanten,
             TMeldingen& meldingen);

    // Makes the calculation object for the inputs from the regular levy data
    // and the constants of the calculation date, without computing it; false
    // (and no calculation object) when there is no regular levy data.
    bool ZetInvoer(const TVasteHeffingsgegevens* vast, const TBerekeningInvoer& invoer,
                   const TQuelvarConst& constanten);
    // Computes the object made by ZetInvoer as the inputs ask: at the entered
    // gross wage, or by searching the gross wage that gives the entered amount.
    void Bereken(TMeldingen& meldingen);
    // Computes the object made by ZetInvoer at this gross wage.
    void BerekenBij(double brutoloon);
    // Computes the object made by ZetInvoer as Bereken does, for another
    // entered amount: what ZetInvoer and Bereken give for inputs that differ
    // from the last ones only in their amount, without copying the levy
    // data in again.
    void BerekenBedrag(double loonbedrag, TMeldingen& meldingen);

    // The calculation object of the last run; nullptr before the first.
    const THeffingsgegevens* Heffingsgegevens() const { return heffingsgegevens_; }
    THeffingsgegevens* Heffingsgegevens() { return heffingsgegevens_; }
    const TRapportLijst& RapportLijst() const { return rapportLijst_; }
    // The inputs of the last run.
    const TBerekeningInvoer& Invoer() const { return invoer_; }
    // The employer's charges and total cost of the last run's calculation
    // object: the gross wage, the employer's wage components and charges,
    // each in cents.
    TWerkgeversdeel Werkgeversdeel() const;
    double Werkgeverslasten() const;
    // After a search that reached its target exactly: the lowest gross wage
    // that gives it (the calculation's) and the end of the unbroken run of
    // gross wages above it that give it too; nothing otherwise. Finding the
    // end takes a computation for each cent of the run, so it is done when
    // first asked for; the calculation stays as it was.
    std::optional<TBrutoloonBereik> BrutoloonBereik();
    // The wage tax as the statement shows it: a fixed percentage of the
    // wage-tax wage (column 14) where a free calculation or an artist's own
    // percentage applies (rounded to cents), else the table tax of column 15.
    double Loonheffing() const;
    bool MetVastPercentage() const;
    // The net wage with that wage tax in place of the table tax.
    double Nettoloon() const;

    // Copies the input values into levy data of any class.
    static void VulHeffingsgegevens(THeffingsgegevens& doel, const TBerekeningInvoer& invoer);

    // The last search's target lies out of reach of every gross wage from 0
    // to MaximumBedrag: below what 0 gives, above what the largest gives, or
    // the calculation gives no amount. The object is left computed at the
    // gross wage that came closest.
    bool DoelOnbereikbaar() const { return onbereikbaar_; }

    // The number of computations the last search needed (1 without a search).
    int AantalBerekeningen() const { return aantalBerekeningen_; }

private:
    THeffingsgegevens& Rekenobject(const TBerekeningInvoer& invoer);
    void ZetActief();
    void VoegSocialeFondsenToe();
    void VoegFondsRegelToe(const TSociaalFondsWaarden& fonds, bool werkgever);
    void Benader(double doel);
    double BereiktBedrag() const;
    double VastPercentage() const;
    double Kolom(int nummer) const;
    double Brutoloon() const;
    void ZetBrutoloon(double bedrag);
    void BerekenEenmaal();

    // One object of each class (regular, day table, special reward), made when first needed.
    std::unique_ptr<THeffingsgegevens> objecten_[3];
    THeffingsgegevens* heffingsgegevens_ = nullptr;
    TCentenzoeker zoeker_;
    TRapportLijst rapportLijst_;
    TBerekeningInvoer invoer_;
    int aantalBerekeningen_ = 0;
    bool exact_ = false;
    bool onbereikbaar_ = false;
    std::optional<TBrutoloonBereik> bereik_;
};

} // namespace vkt
