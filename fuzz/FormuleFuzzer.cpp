// Formulas of deviating bases: the check never raises, and the check and the
// evaluation agree. With every name worth 1, as the check counts it, a
// formula is evaluated exactly when the check accepts it. With other values
// the evaluation refuses whatever the check refuses, but for a result that
// is too large with names worth 1 and need not be with others; of what the
// check accepts it refuses only a result too large to hold.

#include "Controle.h"

#include "model/Formule.h"
#include "model/Symbolen.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace {

using namespace vkt;

// The names of the calculation, each with a value of the given kind.
std::vector<TSymbol> Namen(double (*waarde)(std::size_t))
{
    std::vector<TSymbol> namen;
    for (const TSymbol& symbool : SymbolenTabel()) {
        const double w = waarde(namen.size());
        namen.push_back({symbool.Name, [w] { return w; }});
    }
    return namen;
}

const std::vector<TSymbol>& Enen()
{
    static const std::vector<TSymbol> namen = Namen([](std::size_t) { return 1.0; });
    return namen;
}

// Large and small, negative and zero: what a calculation's amounts can be.
const std::vector<TSymbol>& Bedragen()
{
    static const std::vector<TSymbol> namen = Namen([](std::size_t i) {
        const double waarden[] = {3000, -999999, 0, 0.5, 1e-5, 99999999.99, -1234.56, 1e15};
        return waarden[i % std::size(waarden)];
    });
    return namen;
}

struct TUitkomst {
    std::optional<double> Waarde;
    std::string Fout;
};

TUitkomst Reken(const std::string& formule, const std::vector<TSymbol>& namen, bool nulBijDelenDoorNul)
{
    try {
        return {CalculateExpression(formule, namen, nulBijDelenDoorNul), {}};
    } catch (const Exception& fout) {
        return {std::nullopt, fout.what()};
    }
}

bool TeGroot(const std::string& fout)
{
    return std::string_view(fout).ends_with("De uitkomst van de formule is te groot om mee te rekenen.");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string formule(reinterpret_cast<const char*>(data), size);
    const bool geldig = IsValidExpression(formule, Enen());

    const TUitkomst metEnen = Reken(formule, Enen(), true);
    VKT_CONTROLEER(metEnen.Waarde.has_value() == geldig);
    VKT_CONTROLEER(!metEnen.Waarde || std::isfinite(*metEnen.Waarde));

    // Without zero for a division by zero, only that division may fail.
    const TUitkomst streng = Reken(formule, Enen(), false);
    if (streng.Waarde)
        VKT_CONTROLEER(metEnen.Waarde && *streng.Waarde == *metEnen.Waarde);
    else if (geldig)
        VKT_CONTROLEER(std::string_view(streng.Fout).ends_with("ExprEval: Division by zero"));

    const TUitkomst metBedragen = Reken(formule, Bedragen(), true);
    if (!geldig)
        VKT_CONTROLEER(!metBedragen.Waarde || TeGroot(metEnen.Fout));
    else
        VKT_CONTROLEER(metBedragen.Waarde ? std::isfinite(*metBedragen.Waarde) : TeGroot(metBedragen.Fout));
    return 0;
}
