#include "model/Enumeraties.h"

#include "common/Exception.h"

#include <algorithm>

namespace vkt {
namespace {

template <std::size_t N>
std::string Label(const std::array<const char*, N>& labels, int code, int first = 0)
{
    const int index = code - first;
    return index >= 0 && index < static_cast<int>(N) ? labels[static_cast<std::size_t>(index)] : "";
}

} // namespace

void OnbekendLoontijdvak(int code) { throw Exception("Onbekend loontijdvak " + std::to_string(code) + "."); }

std::string LoontijdvakLabel(int code)
{
    static const std::array<const char*, 5> kLabels = {"Kwartaal", "Maand", "4 Weken", "Week", "Dag"};
    return Label(kLabels, code, ltKwartaal);
}

std::string LoontijdvakVeldnaam(int code)
{
    static const std::array<const char*, 5> kNames = {"Kwartaal", "Maand", "4Weken", "Week", "Dag"};
    return Label(kNames, code, ltKwartaal);
}

double StandaardSVDagen(int loontijdvak)
{
    static const std::array<double, 5> kDagen = {65, 21.67, 20, 5, 1};
    return IsLoontijdvak(loontijdvak) ? kDagen[static_cast<std::size_t>(loontijdvak - 1)] : 0;
}

std::string TabelkleurLabel(int code)
{
    static const std::array<const char*, 2> kLabels = {"Wit", "Groen"};
    return Label(kLabels, code);
}

std::string InwonergroepLabel(int code)
{
    static const std::array<const char*, 5> kLabels = {"Inwoners van Nederland", "EU, EER, Zwitserland of BES",
                                                       "Een derde land", "België", "Suriname/Aruba"};
    return Label(kLabels, code);
}

std::string SoortBerekeningLabel(int code)
{
    static const std::array<const char*, 7> kLabels = {
        "Werknemer", "", "Bijzonder loon", "Binn. Artiest/Beroepssporter", "Vrije berekening werknemers",
        "Vrije berekening artiest/sporter", "Buit. Artiest/Beroepssporter"};
    return Label(kLabels, code);
}

bool IsArtiest(int werknemersoort) { return werknemersoort >= 3 && werknemersoort <= 5; }

std::string SoortLoonbedragLabel(int code)
{
    static const std::array<const char*, 6> kLabels = {"brutoloon", "sociaal loon", "loonheffingsloon",
                                                       "nettoloon", "werkgeverslasten", "Zvw-loon"};
    return Label(kLabels, code);
}

std::string AwfPremieTypeLabel(const std::string& code)
{
    if (code == AwfPremieLaag)
        return "Laag";
    if (code == AwfPremieHoog)
        return "Hoog";
    return "";
}

std::string BPDTypeLabel(int code)
{
    static const std::array<const char*, 3> kLabels = {"B", "P", "D"};
    return Label(kLabels, code);
}

int BPDTypeVanScherm(int code) { return code == bpdBedrag || code == bpdPercentage ? code : bpdDerde; }

bool IsKolomnummer(int nummer)
{
    return std::find(Kolomnummers.begin(), Kolomnummers.end(), nummer) != Kolomnummers.end();
}

} // namespace vkt
