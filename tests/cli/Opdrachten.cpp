#include "Opdrachten.h"

#include "common/DataFolder.h"

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <sstream>

namespace vkt::test {

Uitvoer Voer(Opdracht opdracht, const std::vector<std::string>& argumenten)
{
    std::ostringstream uit;
    std::ostringstream fout;
    const int code = opdracht(argumenten, uit, fout);
    return Uitvoer{code, uit.str(), fout.str()};
}

EigenDatabases::EigenDatabases() : oud_(DataFolder().string())
{
    for (const char* bestand : {"Vkt2020.db", "VktC2020.db"})
        std::filesystem::copy_file(DataFolder() / bestand, map_.Path() / bestand);
    setenv("VKT2020_DATA", map_.Path().c_str(), 1);
}

EigenDatabases::~EigenDatabases() { setenv("VKT2020_DATA", oud_.c_str(), 1); }

std::string JsonTekst(const std::string& json, const std::string& sleutel, std::size_t vanaf)
{
    const std::string zoek = "\"" + sleutel + "\": ";
    const std::size_t plek = json.find(zoek, vanaf);
    if (plek == std::string::npos)
        return {};
    const std::size_t begin = plek + zoek.size();
    return json.substr(begin, json.find_first_of(",\n}", begin) - begin);
}

double JsonGetal(const std::string& json, const std::string& sleutel, std::size_t vanaf)
{
    const std::string tekst = JsonTekst(json, sleutel, vanaf);
    return tekst.empty() ? std::nan("") : std::strtod(tekst.c_str(), nullptr);
}

} // namespace vkt::test
