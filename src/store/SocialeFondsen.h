#pragma once

#include "store/SociaalFondsWaarden.h"

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace vkt {

class TdmVektaris;
class TMeldingen;

// A fund row of the open calculation: its values and whether it is shown
// (Getoond), that is attached to the calculation.
using TFondsRegel = TSociaalFondsWaarden;
// The fund rows in the order they were made, each with its fund number as text.
using TFondsRegels = std::vector<std::pair<std::string, TFondsRegel>>;

// One catalogue fund in the list the user attaches funds from.
struct TCatalogusFonds {
    std::string Omschrijving;
    int Fondsnummer = 0;
    bool Aangevinkt = false; // attached to the open calculation

    bool operator==(const TCatalogusFonds&) const = default;
};

// The social funds of the open calculation. Funds live in SociaalFondsWG:
// the catalogue under key 0, the funds of a calculation under its employee
// number. Detaching a fund only hides its row; saving then marks the stored
// row as not active and keeps its values.
class TSocialeFondsen {
public:
    explicit TSocialeFondsen(TdmVektaris& dm) : dm_(dm) {}

    // Makes sure FondsRegels exists.
    TFondsRegels& Regels();
    // Adds a shown row for fund f with the values stored under key k, or
    // under the catalogue when k is -1. Does nothing while FondsRegels is
    // absent. A stored formula that is switched on and longer than
    // MaximaleFormuleLengte raises EExpressionError naming the fund.
    void MaakFondsRegel(int f, int k);
    void VerwijderFondsRegels() { FondsRegels.reset(); }
    // The rows of the funds attached to employee n.
    void LaadSocialeFondsen(int n);
    TFondsRegel* ZoekFondsRegel(int f);

    // The catalogue to choose from, each fund checked when its row is shown.
    std::vector<TCatalogusFonds> LaadCatalogus();
    // Applies the choice: an existing row is shown or hidden, a newly
    // checked fund gets a row with the catalogue's values.
    void VerwerkKeuze(const std::vector<TCatalogusFonds>& keuze);

    // Stores the rows as the funds of employee n, inside the caller's
    // transaction; errors pass on. Stored funds without a shown row are
    // marked as detached. Does nothing while FondsRegels is absent.
    void BewaarSocialeFondsen(int n);
    void BewaarFondsRegel(const TFondsRegel& regel, int n, bool invoegen);

    // The shown funds, as a calculation run takes them.
    std::vector<TSociaalFondsWaarden> GetoondeFondsen() const;

    std::optional<TFondsRegels> FondsRegels; // absent while no calculation is open

private:
    std::vector<std::string> GetoondeFondsnummers() const;

    TdmVektaris& dm_;
};

// Defining a new catalogue fund, which is at once attached to the open
// calculation.
class TNieuwSociaalFonds {
public:
    explicit TNieuwSociaalFonds(TdmVektaris& dm) : dm_(dm) {}

    // Checks the description and stores the fund. A missing or taken
    // description is told through meldingen and nothing is stored (false).
    bool Opslaan(TMeldingen& meldingen);

    // True when no catalogue fund has this description, ignoring letter case
    // and surrounding spaces.
    bool OmschrijvingOK(const std::string& omschrijving);
    // Stores the catalogue row and the row of the open calculation in one
    // transaction; the new number is then in Fondsnummer.
    bool BewaarNieuwFonds();
    // The highest fund number under key k + 1, or 1 when there is none.
    int GetNieuwFondsnummer(int k);
    // Stores Omschrijving and Waarden as fund nr under key k.
    void AppendSociaalFondsWG(int k, int nr, int lcWG, int lcWN);

    std::string Omschrijving;
    TSociaalFondsWaarden Waarden;
    int Fondsnummer = 0; // of the fund last stored

private:
    TdmVektaris& dm_;
};

} // namespace vkt
