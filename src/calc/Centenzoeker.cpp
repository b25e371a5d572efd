#include "calc/Centenzoeker.h"

#include <algorithm>
#include <cstdlib>

namespace vkt {

TCentenzoeker::TCentenzoeker(TBereken bereken, long long maximum) : bereken_(std::move(bereken)), maximum_(maximum) {}

void TCentenzoeker::Begin(long long doel)
{
    doel_ = doel;
    berekend_.clear();
    laatste_ = -1;
}

std::optional<long long> TCentenzoeker::Resultaat(long long bruto)
{
    for (const auto& [g, resultaat] : berekend_)
        if (g == bruto)
            return resultaat;
    const std::optional<long long> resultaat = bereken_(bruto);
    laatste_ = bruto;
    berekend_.emplace_back(bruto, resultaat);
    return resultaat;
}

std::optional<long long> TCentenzoeker::Kruising(long long start)
{
    // Widen a bracket around start by doubling steps: onder does not reach
    // the target, boven does.
    long long onder = start;
    long long boven = start;
    if (Bereikt(start)) {
        for (long long stap = 1;; stap *= 2) {
            onder = std::max(boven - stap, 0LL);
            if (!Bereikt(onder))
                break;
            boven = onder;
            if (onder == 0)
                return 0;
        }
    } else {
        for (long long stap = 1;; stap *= 2) {
            boven = std::min(onder + stap, maximum_);
            if (Bereikt(boven))
                break;
            onder = boven;
            if (boven == maximum_)
                return std::nullopt;
        }
    }
    while (boven - onder > 1) {
        const long long midden = onder + (boven - onder) / 2;
        (Bereikt(midden) ? boven : onder) = midden;
    }
    return boven;
}

TCentenzoeker::TBandeinde TCentenzoeker::Bovenkant(long long laag)
{
    // Cent by cent, since only a cent that was computed is known to give the
    // target: where the wage tax takes a table step the result drops below
    // the target and may climb back to it a little further on, so no gross
    // wage beyond the first miss says anything about the cents before it.
    long long bruto = laag + 1;
    while (bruto <= maximum_ && bruto - laag <= kLangsteBand + 1 && bereken_(bruto) == doel_)
        ++bruto;
    TBandeinde einde{bruto - 1, false};
    if (bruto - laag > kLangsteBand + 1)
        einde = {laag + kLangsteBand, true};
    if (bruto > laag + 1 || laatste_ != laag)
        bereken_(laag);
    laatste_ = laag;
    return einde;
}

// Results and target lie within kGrootsteCentenbedrag either way, so their
// distance fits.
std::optional<long long> TCentenzoeker::Dichtstbij() const
{
    std::optional<long long> beste;
    long long besteAfstand = 0;
    for (const auto& [bruto, resultaat] : berekend_) {
        if (!resultaat)
            continue;
        const long long afstand = std::llabs(*resultaat - doel_);
        if (!beste || afstand < besteAfstand || (afstand == besteAfstand && bruto < *beste)) {
            beste = bruto;
            besteAfstand = afstand;
        }
    }
    return beste;
}

TCentenzoeker::TUitkomst TCentenzoeker::Zoek(long long start)
{
    TUitkomst uitkomst;
    start = std::clamp(start, 0LL, maximum_);
    const auto kruising = Kruising(start);
    if (!kruising)
        Resultaat(0); // the lowest gross wage competes for the closest result too
    uitkomst.Brutoloon = kruising ? *kruising : Dichtstbij().value_or(start);
    uitkomst.Resultaat = Resultaat(uitkomst.Brutoloon);
    uitkomst.Exact = kruising && uitkomst.Resultaat == doel_;
    // A crossing above 0 has a cent below it that does not reach the target.
    uitkomst.Benadering = !uitkomst.Exact && kruising && *kruising > 0 && Resultaat(*kruising - 1).has_value();
    if (laatste_ != uitkomst.Brutoloon)
        bereken_(uitkomst.Brutoloon);
    return uitkomst;
}

} // namespace vkt
