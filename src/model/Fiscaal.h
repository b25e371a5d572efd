#pragma once

#include "common/DateTime.h"

#include <array>
#include <string>

namespace vkt {

namespace db {
class Query;
}

// Minimum wage of one age, per month, per week and per hour.
struct TMinimumloonRij {
    double MinloonM = 0;
    double MinloonW = 0;
    double MinloonU = 0;
};

// One row of a bracket table: the tax of an annual wage w in the row is
// (w - Drempel) x Percentage / 100 + Bijtel.
struct TSchijf {
    double Van = 0;
    double Tot = 0;
    double Drempel = 0;
    double Percentage = 0;
    double Bijtel = 0;
};
using TSchijventabel = std::array<TSchijf, 4>;

// One row of the special-rewards table: the lowest previous-year annual wage
// of the row and the nine percentages.
struct TBijzondereBeloningRij {
    double Jaarloon = 0;
    double Onder65ZonderKorting = 0;
    double Onder65MetKorting = 0;
    double Onder65Verrekening = 0;
    double Boven65Geboren1946EnLaterZonderKorting = 0;
    double Boven65Geboren1946EnLaterMetKorting = 0;
    double Boven65Geboren1946EnLaterVerrekening = 0;
    double Boven65ZonderKorting = 0;
    double Boven65MetKorting = 0;
    double Boven65Verrekening = 0;
};
// The nine percentage columns of the special-rewards table after "Jaarloon"
// and the fields they fill, in the order of the fields above.
struct TBijzondereBeloningKolom {
    const char* Naam;
    double TBijzondereBeloningRij::*Veld;
};
extern const std::array<TBijzondereBeloningKolom, 9> BijzondereBeloningKolommen;

// The credit parameters of a residence group, named after their columns: the
// under-AOW variant of each pair comes first, so "+ 1" gives the AOW variant.
enum TKorting : int {
    arko1Onder65, arko1Boven65, arko2Onder65, arko2Boven65, arko3Onder65, arko3Boven65,
    arkg1Onder65, arkg1Boven65, arkg2Onder65, arkg2Boven65, arkg3Onder65, arkg3Boven65,
    arkm1Onder65, arkm1Boven65, arkm2Onder65, arkm2Boven65, arkm3Onder65, arkm3Boven65,
    arka1Onder65, arka1Boven65, arkg4Onder65, arkg4Boven65,
    ahk1OnderAOW, ahk1BovenAOW, ahk2OnderAOW, ahk2BovenAOW,
    ouk1OnderAOW, ouk1BovenAOW, ouk2OnderAOW, ouk2BovenAOW, ouk3OnderAOW, ouk3BovenAOW,
    aok1OnderAOW, aok1BovenAOW,
};
constexpr int AantalKortingen = 34;
using TKortingParameters = std::array<double, AantalKortingen>;
const char* KortingNaam(TKorting korting);
// The variant of a credit parameter for the employee's age group.
inline TKorting KortingVoor(TKorting onderAOW, bool aow) { return static_cast<TKorting>(onderAOW + (aow ? 1 : 0)); }

// The single values of the SociaalFiscaal table.
enum TFiscaleWaarde : int {
    fwFactorKwartaalGeenBon, fwFactorMaandGeenBon, fwFactor4WekenGeenBon, fwFactorWeekGeenBon,
    fwFactorDagGeenBon, fwBerekenGrens, fwFactorBerekenGrens, fwPercentageBerekenGrens,
    fwBelArtiestInOnder65, fwBelArtiestInBoven65, fwBelArtiestUitOnder65, fwBelArtiestUitBoven65,
    fwBelThuiswerkGeenKortingOnder65, fwBelThuiswerkKortingOnder65, fwBelThuiswerkGeenKortingBoven65,
    fwBelThuiswerkKortingBoven65, fwKostenAftrekThuiswerk, fwAnoniemenTarief,
};
constexpr int AantalFiscaleWaarden = 18;
const char* FiscaleWaardeNaam(TFiscaleWaarde waarde);

// Premium-wage maxima in their stored order: the employee-insurance maxima
// per pay period 1..5, the Zvw maxima per pay period 1..5, the two year values.
using TPremieloonMaxima = std::array<double, 12>;
extern const std::array<const char*, 12> PremieloonMaximaNamen;

constexpr int AantalMinimumloonRijen = 7; // ages 15 to 21
constexpr int EersteMinimumloonLeeftijd = 15;
constexpr int BijzondereBeloningRijenPerGroep = 23; // 13 white, then 10 green
constexpr int WitteBijzondereBeloningRijen = 13;
constexpr int GroeneBijzondereBeloningRijen = 10;
constexpr int AantalBijzondereBeloningRijen = 5 * BijzondereBeloningRijenPerGroep;

// Every rate, limit and table of one effective date. Look-ups return copies.
class TFiscaal {
public:
    // Loading, each from an open query positioned anywhere. A missing row
    // (no row for the date, a residence group, an age or a part of the
    // special-rewards table) or a value that is empty or no finite number
    // throws a vkt::Exception naming the table and the column: a calculation
    // must not go on with 0 in its place.
    void LaadSociaalFiscaal(db::Query& query);
    void LaadKortingen(db::Query& query);
    void LaadMinimumloon(db::Query& query);
    void LaadBijzondereTabellen(db::Query& query);
    void LaadPremieloon(db::Query& query);

    double Waarde(TFiscaleWaarde waarde) const { return waarden_[waarde]; }
    // The number of periods of the pay period (1..5) in a year.
    double FactorGeenBon(int loontijdvak) const;
    double FactorKwartaalGeenBon() const { return Waarde(fwFactorKwartaalGeenBon); }
    double FactorMaandGeenBon() const { return Waarde(fwFactorMaandGeenBon); }
    double Factor4WekenGeenBon() const { return Waarde(fwFactor4WekenGeenBon); }
    double FactorWeekGeenBon() const { return Waarde(fwFactorWeekGeenBon); }
    double FactorDagGeenBon() const { return Waarde(fwFactorDagGeenBon); }
    double BerekenGrens() const { return Waarde(fwBerekenGrens); }
    int FactorBerekenGrens() const { return static_cast<int>(Waarde(fwFactorBerekenGrens)); }
    double PercentageBerekenGrens() const { return Waarde(fwPercentageBerekenGrens); }
    double BelArtiestInOnder65() const { return Waarde(fwBelArtiestInOnder65); }
    double BelArtiestInBoven65() const { return Waarde(fwBelArtiestInBoven65); }
    double BelArtiestUitOnder65() const { return Waarde(fwBelArtiestUitOnder65); }
    double BelArtiestUitBoven65() const { return Waarde(fwBelArtiestUitBoven65); }
    double BelThuiswerkGeenKortingOnder65() const { return Waarde(fwBelThuiswerkGeenKortingOnder65); }
    double BelThuiswerkKortingOnder65() const { return Waarde(fwBelThuiswerkKortingOnder65); }
    double BelThuiswerkGeenKortingBoven65() const { return Waarde(fwBelThuiswerkGeenKortingBoven65); }
    double BelThuiswerkKortingBoven65() const { return Waarde(fwBelThuiswerkKortingBoven65); }
    double KostenAftrekThuiswerk() const { return Waarde(fwKostenAftrekThuiswerk); }
    double AnoniemenTarief() const { return Waarde(fwAnoniemenTarief); }

    const TSchijventabel& SchijvenOnder65() const { return schijvenOnder65_; }
    const TSchijventabel& SchijvenBoven65() const { return schijvenBoven65_; }
    const TSchijventabel& SchijvenBoven65Geboren1946EnLater() const { return schijvenBoven65Geboren1946EnLater_; }

    // The credit parameter of a residence group (0..4).
    double Korting(TKorting korting, int inwonergroep) const
    {
        if (inwonergroep < 0 || inwonergroep >= static_cast<int>(kortingen_.size()))
            return 0;
        return kortingen_[static_cast<std::size_t>(inwonergroep)][korting];
    }
    // The minimum wage of an age, clamped to 15..21.
    TMinimumloonRij Minimumloon(int leeftijd) const;
    // The row with the greatest Jaarloon not above the wage, of the white or
    // green part of the group; the first row of the part when none qualifies.
    // False, and the record untouched, for a group outside 0..4.
    bool BijzondereBeloning(bool witteTabel, int inwonergroep, double jaarloon, TBijzondereBeloningRij& rij) const;
    const TBijzondereBeloningRij& BijzondereBeloningRij(int index) const { return bijzondereBeloningen_.at(index); }
    const TPremieloonMaxima& GetPremieloonMaxima() const { return premieloonMaxima_; }

private:
    std::array<double, AantalFiscaleWaarden> waarden_{};
    TSchijventabel schijvenOnder65_{};
    TSchijventabel schijvenBoven65_{};
    TSchijventabel schijvenBoven65Geboren1946EnLater_{};
    std::array<TKortingParameters, 5> kortingen_{};
    std::array<TMinimumloonRij, AantalMinimumloonRijen> minimumloon_{};
    std::array<TBijzondereBeloningRij, AantalBijzondereBeloningRijen> bijzondereBeloningen_{};
    TPremieloonMaxima premieloonMaxima_{};
};

// The fiscal parameters of one effective date.
class TQuelvarConst {
public:
    explicit TQuelvarConst(TDateTime ingangsdatum = 0) : ingangsdatum_(ingangsdatum) {}

    TFiscaal& Fiscaal() { return fiscaal_; }
    const TFiscaal& Fiscaal() const { return fiscaal_; }
    TDateTime Ingangsdatum() const { return ingangsdatum_; }

private:
    TDateTime ingangsdatum_;
    TFiscaal fiscaal_;
};

} // namespace vkt
