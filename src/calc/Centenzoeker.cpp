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

long long TCentenzoeker::Resultaat(long long bruto)
{
    for (const auto& [g, resultaat] : berekend_)
        if (g == bruto)
            return resultaat;
    const long long resultaat = bereken_(bruto);
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

long long TCentenzoeker::Dichtstbij() const
{
    auto afstand = [this](const std::pair<long long, long long>& p) { return std::llabs(p.second - doel_); };
    const auto beste = std::min_element(berekend_.begin(), berekend_.end(), [&](const auto& a, const auto& b) {
        return afstand(a) != afstand(b) ? afstand(a) < afstand(b) : a.first < b.first;
    });
    return beste->first;
}

TCentenzoeker::TUitkomst TCentenzoeker::Zoek(long long start)
{
    TUitkomst uitkomst;
    const auto kruising = Kruising(std::clamp(start, 0LL, maximum_));
    if (!kruising)
        Resultaat(0); // the lowest gross wage competes for the closest result too
    uitkomst.Brutoloon = kruising ? *kruising : Dichtstbij();
    uitkomst.Exact = kruising && Resultaat(*kruising) == doel_;
    if (laatste_ != uitkomst.Brutoloon)
        bereken_(uitkomst.Brutoloon);
    return uitkomst;
}

} // namespace vkt
