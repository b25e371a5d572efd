// CSV text of a batch: read whole and read from a stream in small parts (so
// that rows cross the parts), it gives the same rows or the same refusal;
// the quick check of a stream refuses what reading refuses; the rows written
// again as the program writes CSV read back as the same fields.

#include "Controle.h"

#include "cli/Csv.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

namespace {

using namespace vkt::cli;

std::optional<std::vector<TCsvRij>> UitTekst(const std::string& tekst, char scheidingsteken)
{
    try {
        return LeesCsv(tekst, scheidingsteken);
    } catch (const CsvFout&) {
        return std::nullopt;
    }
}

// A few rows at a time, as a batch reads its blocks.
std::optional<std::vector<TCsvRij>> UitStroom(const std::string& tekst, std::size_t deel)
{
    std::istringstream bron(tekst);
    try {
        TCsvLezer lezer(bron, deel);
        std::vector<TCsvRij> rijen;
        TCsvBlok blok;
        while (lezer.Lees(blok, 2) > 0) {
            for (std::size_t r = 0; r < blok.Aantal(); ++r) {
                TCsvRij rij{blok.Regelnummer(r), {}};
                for (std::size_t v = 0; v < blok.AantalVelden(r); ++v)
                    rij.Velden.emplace_back(blok.Veld(r, v));
                rijen.push_back(std::move(rij));
            }
            blok.Leeg();
        }
        return rijen;
    } catch (const CsvFout&) {
        return std::nullopt;
    }
}

bool Gelijk(const std::vector<TCsvRij>& a, const std::vector<TCsvRij>& b, bool metRegelnummers)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (a[i].Velden != b[i].Velden || (metRegelnummers && a[i].Regelnummer != b[i].Regelnummer))
            return false;
    return true;
}

bool Geweigerd(const std::string& tekst)
{
    std::istringstream bron(tekst);
    try {
        ControleerCsvTekst(bron);
        return false;
    } catch (const CsvFout&) {
        return true;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string tekst(reinterpret_cast<const char*>(data), size);
    const char scheidingsteken = BepaalScheidingsteken(tekst);
    const auto rijen = UitTekst(tekst, scheidingsteken);
    for (const std::size_t deel : {std::size_t{1}, std::size_t{3}, std::size_t{64}}) {
        const auto gestroomd = UitStroom(tekst, deel);
        VKT_CONTROLEER(rijen.has_value() == gestroomd.has_value());
        VKT_CONTROLEER(!rijen || Gelijk(*rijen, *gestroomd, true));
    }
    VKT_CONTROLEER(Geweigerd(tekst) == !rijen.has_value());
    if (!rijen)
        return 0;

    int vorige = 0;
    for (const TCsvRij& rij : *rijen) {
        VKT_CONTROLEER(!rij.Velden.empty() && rij.Regelnummer > vorige);
        vorige = rij.Regelnummer;
        for (const std::string& veld : rij.Velden)
            VKT_CONTROLEER(ZonderFormule(veld).size() >= veld.size());
    }

    // Written after a first row of its own, so that no field of the text's
    // first row stands where a byte-order mark is skipped.
    std::string geschreven = "x\n";
    for (const TCsvRij& rij : *rijen)
        geschreven += CsvRegel(rij.Velden, scheidingsteken);
    auto terug = UitTekst(geschreven, scheidingsteken);
    VKT_CONTROLEER(terug.has_value() && !terug->empty());
    terug->erase(terug->begin());
    VKT_CONTROLEER(Gelijk(*rijen, *terug, false));
    return 0;
}
