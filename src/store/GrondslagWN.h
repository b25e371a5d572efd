#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <vector>

namespace vkt {

class TdmVektaris;
class THeffingsgegevens;

// The premiums whose basis an employee's calculation may replace by a
// formula, in the order of the window and of the levy data.
enum TGrondslag : std::size_t { gPensioen, gVUT, gVergoeding, gInhouding, gWW, gWAO, gZfW, gIPPremie, gWhk };
constexpr std::size_t AantalGrondslagen = 9;

// Where a premium's formula is stored in GrondslagWN and which stored lines
// take their basis from it.
struct TGrondslagKolommen {
    const char* Formule;
    const char* Ingeschakeld;
    // Conditions on Heffingsregels that pick the premium's lines.
    std::vector<std::string> Regels;
};
const std::array<TGrondslagKolommen, AantalGrondslagen>& GrondslagKolommen();

struct TGrondslagFormule {
    std::string Formule;
    bool Ingeschakeld = false; // the formula is in force

    bool operator==(const TGrondslagFormule&) const = default;
};
using TGrondslagFormules = std::array<TGrondslagFormule, AantalGrondslagen>;

enum class TGrondslagOpslag { Invoegen, Bijwerken, Verwijderen };

// The deviating-basis formulas of the employee the data module is on: its
// GrondslagWN record (Ingangsdatum and Hersteldatum 31 December 9999).
class TGrondslagWN {
public:
    explicit TGrondslagWN(TdmVektaris& dm) : dm_(dm) {}

    // The stored formulas, all empty when the employee has no record.
    TGrondslagFormules Laad();
    bool Bestaat() const { return bestaat_; }

    // Stores the formulas in one transaction: updates the record, inserts
    // it, or deletes it when every formula is empty; then every stored line
    // of a premium whose switch changed since Laad takes its basis from the
    // formula (KolomType 0) or not (1). Raises EQuelvarException for "het
    // opslaan van de afwijkende berekeningsgrondslagen".
    TGrondslagOpslag Bewaar(const TGrondslagFormules& formules);
    // Gives the formulas as they are stored now to the employee's levy data.
    void GeefAan(THeffingsgegevens& heffing);

private:
    void UpdateHeffingsregels(const TGrondslagFormules& formules);
    void ZetKolomType(const std::vector<std::string>& regels, int kolomType);

    TdmVektaris& dm_;
    TGrondslagFormules geladen_;
    bool bestaat_ = false;
};

} // namespace vkt
