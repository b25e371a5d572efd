#pragma once

#include "model/Enumeraties.h"

#include <string>

namespace vkt {

// One social fund attached to the calculation, as its row on screen holds it.
struct TSociaalFondsWaarden {
    int Fondsnummer = 0;
    std::string Omschrijving;
    int BPDType = bpdPercentage; // shared by both parts: 0 amount, 1 percentage
    double PremieWN = 0;
    double PremieWG = 0;
    double FranchiseWN = 0;
    double FranchiseWG = 0;
    double BedragWN = 0;
    double BedragWG = 0;
    double JaargrensWN = 0;
    double JaargrensWG = 0;
    int WNBoekenInKolom = 7; // may be negative
    int WGBoekenInKolom = 0;
    int GrondslagnummerWN = 0;
    int GrondslagnummerWG = 0;
    int LooncomponentnummerWN = 0;
    int LooncomponentnummerWG = 0;
    std::string AfwijkendeGrondslagWN;
    std::string AfwijkendeGrondslagWG;
    bool AfwijkendeGrondslagWerknemer = false;
    bool AfwijkendeGrondslagWerkgever = false;
    bool Getoond = true; // attached to the calculation; only shown funds count
    bool operator==(const TSociaalFondsWaarden&) const = default;
};

} // namespace vkt
