#pragma once

#include <array>
#include <string>

namespace vkt {

// Shared codes of the calculation model. Every code is stored as it stands in
// the employee database and travels unchanged through the model.

// Pay period (field Loontijdvak); a missing choice counts as a month.
enum TLoontijdvak : int { ltKwartaal = 1, ltMaand = 2, lt4Weken = 3, ltWeek = 4, ltDag = 5 };
constexpr TLoontijdvak StandaardLoontijdvak = ltMaand;
inline bool IsLoontijdvak(int code) { return code >= ltKwartaal && code <= ltDag; }
// The code itself; a vkt::Exception for a code that is no pay period (a
// damaged record), rather than computing with it.
[[noreturn]] void OnbekendLoontijdvak(int code);
inline int GeldigLoontijdvak(int code)
{
    if (!IsLoontijdvak(code))
        OnbekendLoontijdvak(code);
    return code;
}
// "Kwartaal", "Maand", "4 Weken", "Week", "Dag"; empty for an unknown code.
std::string LoontijdvakLabel(int code);
// The period's part of the constants database's column names: "Kwartaal",
// "Maand", "4Weken", "Week", "Dag".
std::string LoontijdvakVeldnaam(int code);

// Standard insured days per pay period, indexed by the TLoontijdvak code.
double StandaardSVDagen(int loontijdvak);
// A year has this many insured days wherever an annual limit becomes a period limit.
constexpr double SVDagenPerJaar = 260;

// Wage-tax table colour (field Tabelkleur).
enum TTabelkleur : int { tkWit = 0, tkGroen = 1 };
std::string TabelkleurLabel(int code); // "Wit", "Groen"

// Residence group of the wage-tax table and credit set; a missing choice counts as 0.
enum TInwonergroep : int {
    igNederland = 0,
    igEuEerZwitserlandBes = 1,
    igDerdeLand = 2,
    igBelgie = 3,
    igSurinameAruba = 4,
};
constexpr int AantalInwonergroepen = 5;
std::string InwonergroepLabel(int code);
// The order in which the screen lists the groups.
constexpr std::array<int, 5> InwonergroepVolgorde = {0, 1, 3, 4, 2};

// Kind of calculation chosen on screen (field WerknemerSoort).
enum TSoortBerekening : int {
    sbWerknemer = 0,
    sbBijzonderLoon = 2,
    sbBinnenlandseArtiest = 3,
    sbVrijeBerekeningWerknemers = 4,
    sbVrijeBerekeningArtiest = 5,
    sbBuitenlandseArtiest = 6,
};
std::string SoortBerekeningLabel(int code);
// The order in which the screen lists the kinds.
constexpr std::array<int, 6> SoortBerekeningVolgorde = {0, 2, 3, 6, 4, 5};

// Kind of employee as the model uses it (levy-data field Werknemersoort).
enum TWerknemersoort : int {
    wsWerknemer = 0,
    wsThuiswerker = 1,
    wsBinnenlandseArtiest = 3,
    wsBuitenlandseArtiest = 4,
    wsArtiestAlsBinnenlands = 5, // treated like 3 wherever the model tests the code
};
bool IsArtiest(int werknemersoort); // 3, 4 or 5

// What the entered wage amount means (field SoortLoonbedrag).
enum TSoortLoonbedrag : int {
    slBrutoloon = 0,
    slSociaalLoon = 1,
    slLoonheffingsloon = 2,
    slNettoloon = 3,
    slWerkgeverslasten = 4,
    slZvwLoon = 5,
};
std::string SoortLoonbedragLabel(int code);

// AWf premium type (field AwfPremieType): only the line of the chosen type counts.
inline const std::string AwfPremieLaag = "L";
inline const std::string AwfPremieHoog = "H";
std::string AwfPremieTypeLabel(const std::string& code); // "Laag", "Hoog"

// How a line's amount is formed (field BPDType). Every computation treats any
// code other than 0 like 1.
enum TBPDType : int { bpdBedrag = 0, bpdPercentage = 1, bpdDerde = 2 };
std::string BPDTypeLabel(int code); // "B", "P", "D"
// A code arriving from a screen control: 0 and 1 stay, anything else becomes 2.
int BPDTypeVanScherm(int code);

// Storage state of a line.
enum TRegelStatus : int { rsNietOpslaan = -1, rsOpgeslagen = 0, rsNieuw = 1, rsVerwijderd = 2 };

// Participation of the employee in a social fund (field Deelname).
enum TDeelname : int { dnGeen = 0, dnDeelname = 1, dnDeeltijd = 2 };

// Line types (field Regeltype, RegeltypeLC). The code decides the class of a
// stored line; 10000001 is decimal.
enum TRegeltype : int {
    rtPremieOud = 0,
    rtBedrag = 1,
    rtBrutoloon = 3,
    rtNatura = 9,
    rtBijtellingAuto = 10,
    rtBijdrageAuto = 11,
    rtLevensloopWG = 12,
    rtHogereZvw = 13,
    rtPremie = 32,
    rtBijtellingFiets = 50,
    rtBijdrageFiets = 51,
    rtPremieSVW = 64,
    rtPensioenPremieWN = 128,
    rtVUTFPUPremieWN = 256,
    rtPensioenPremieWG = 512,
    rtVUTFPUPremieWG = 1024,
    rtIPPremieWN = 1025,
    rtIPPremieWG = 1026,
    rtPremieEx = 2048,
    rtLoonLBPH = 2051,
    rtOpnameLevensloop = 4098,
    rtLevensloopWN = 4099,
    rtZfwPremieWN = 8192,
    rtZfwPremieWG = 16384,
    rtWWPremieWG = 262144,
    rtWWPremieAwfLaag = 262145,
    rtWWPremieAwfHoog = 262146,
    rtWAOPremie = 524288,
    rtWAOPremieVast = 524289,
    rtWhkPremie = 524291,
    rtVergoedingInhouding = 1048576,
    rtVergoedingReiskosten = 2097152,
    rtWhkVerhalingOpWerknemer = 10000001,
    rtSociaalFondsWN = 16777216,
    rtSociaalFondsWG = 33554432,
};

// The payroll columns that exist, in their fixed order of computation.
constexpr std::array<int, 14> Kolomnummers = {0, 3, 4, 5, 7, 8, 12, 13, 14, 15, 16, 17, 18, 19};
bool IsKolomnummer(int nummer);

} // namespace vkt
