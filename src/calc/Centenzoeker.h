#pragma once

#include <functional>
#include <optional>
#include <utility>
#include <vector>

namespace vkt {

// Settles the search for a gross wage on whole cents. Given where the
// approximation ended, it finds the lowest gross wage in cents whose result,
// in cents, equals the target, by bracketing the target between a gross wage
// that stays below it and one that reaches it and halving the bracket. The
// result need not rise evenly with the gross wage (the wage tax rises in table
// steps, so the net wage saws up and down, and a run of gross wages can give
// the same net wage); every gross wage tried is computed once.
class TCentenzoeker {
public:
    // Computes the calculation at a gross wage in cents and returns the amount
    // it reaches, in cents (within kGrootsteCentenbedrag either way), or
    // nothing when it reaches no amount (its result is no number). A gross
    // wage without a result never reaches the target.
    using TBereken = std::function<std::optional<long long>(long long brutoCenten)>;

    struct TUitkomst {
        long long Brutoloon = 0; // in cents; the calculation is left computed at it
        bool Exact = false;      // the result equals the target to the cent
        // Not exact, but the target lies between what the cent below gives and
        // what this gross wage gives: the result jumps over it from one cent
        // to the next, and this is the closest overshoot.
        bool Benadering = false;
        std::optional<long long> Resultaat; // what Brutoloon gives, in cents
    };

    // Gross wages are sought from 0 to maximum cents.
    TCentenzoeker(TBereken bereken, long long maximum);

    // Forgets what an earlier search computed and sets the target in cents
    // (within kGrootsteCentenbedrag either way); every search starts with it.
    // The memory of the results stays allocated.
    void Begin(long long doel);

    // Searches near start (in cents). Without an exact hit, the answer is the
    // lowest gross wage near start that overshoots the target, or, when no
    // gross wage reaches it, the one whose result came closest (the lowest of
    // those that came equally close); when no gross wage gives a result at
    // all, start.
    TUitkomst Zoek(long long start);

    // The end of the unbroken run of gross wages from laag, an exact answer,
    // that all give the target: every cent from laag to Hoog gives it and the
    // cent after Hoog does not, or Hoog is the maximum. A run longer than
    // kLangsteBand cents is followed no further: Hoog is then laag +
    // kLangsteBand and Afgebroken says that the cent after it gives the target
    // too. The calculation is left computed at laag.
    struct TBandeinde {
        long long Hoog = 0;
        bool Afgebroken = false;
    };
    TBandeinde Bovenkant(long long laag);

    // 100 euros: far longer than any run the table steps make, short enough
    // to walk cent by cent in a few milliseconds.
    static constexpr long long kLangsteBand = 10'000;

private:
    std::optional<long long> Resultaat(long long bruto);
    bool Bereikt(long long bruto)
    {
        const std::optional<long long> resultaat = Resultaat(bruto);
        return resultaat && *resultaat >= doel_;
    }
    // The lowest gross wage of the crossing nearest start: it reaches the
    // target and the cent below it does not (or it is 0).
    std::optional<long long> Kruising(long long start);
    std::optional<long long> Dichtstbij() const;

    TBereken bereken_;
    long long doel_ = 0;
    long long maximum_;
    std::vector<std::pair<long long, std::optional<long long>>> berekend_; // gross wage, result
    long long laatste_ = -1;                                // the gross wage last computed
};

} // namespace vkt
