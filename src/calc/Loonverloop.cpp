#include "calc/Loonverloop.h"

#include "calc/Invoer.h"
#include "model/Afronding.h"
#include "model/Enumeraties.h"
#include "model/Getallen.h"
#include "model/Heffingsgegevens.h"

#include <algorithm>
#include <cmath>

namespace vkt {
namespace {

// A value far beyond every amount of a range: a larger one is held at it, and
// one that is no number at its negative, so that the range's checks refuse
// them and no sum or difference of such values can overflow.
constexpr double kBuitenBereik = 1e15;

// Rounded to a whole number, within kBuitenBereik either way.
long long Geheel(double waarde)
{
    if (std::isnan(waarde))
        return static_cast<long long>(-kBuitenBereik);
    return std::llround(std::clamp(waarde, -kBuitenBereik, kBuitenBereik));
}

// The range works in whole cents, so that many small steps add up exactly.
long long Centen(double bedrag) { return Geheel(bedrag * 100); }
double Euros(long long centen) { return static_cast<double>(centen) / 100; }

constexpr long long kMinimumStandaardTot = 200'00;
constexpr long long kMaximumBedrag = MaximumBedragInCenten; // the largest amount an input takes

long long AantalPunten(long long van, long long tot, long long stap)
{
    const long long verschil = tot - van;
    return verschil / stap + 1 + (verschil % stap != 0 ? 1 : 0);
}

std::string Bedrag(long long centen) { return FormatBedrag(Euros(centen)); }

// Measures the marginal pressure of a point over the step of the wage-tax
// table below it, with a second computation at the step's start (see
// TVerloopRegel). The step is first taken in gross wage; when the wage for
// wage tax moves slower or faster than the gross wage (a pension, or lines
// that add to it), it is stretched by their ratio; and since wages are whole
// cents, its start is then moved a cent at a time, a few times at most, until
// the step holds exactly one row of the table. A step that held none or two
// would show a pressure of the premiums alone or twice that of the tax.
class TDrukmeter {
public:
    explicit TDrukmeter(TPuntRekenaar& rekenaar)
        : rekenaar_(rekenaar), stap_(rekenaar.Tabelstap() * 100), breedte_(std::max(Geheel(stap_), 1LL))
    {
    }

    // Of the point last computed, at plek; computes the others it needs.
    std::optional<double> Druk(const TVerloopPunt& punt, const TTabelplek& plek)
    {
        const long long bruto = Centen(punt.Brutoloon);
        if (bruto < breedte_)
            return std::nullopt;
        return MarginaleDruk(Begin(bruto, plek).Punt, punt);
    }

private:
    struct TMeting {
        TVerloopPunt Punt;
        TTabelplek Plek;
    };

    TMeting Meet(long long bruto)
    {
        const TVerloopPunt punt = rekenaar_.Bereken(Euros(bruto));
        return {punt, rekenaar_.Tabelplek()};
    }

    // The start of the step that ends at bruto (in cents), lying at plek.
    TMeting Begin(long long bruto, const TTabelplek& plek)
    {
        TMeting begin = Meet(bruto - breedte_);
        const double verhouding =
            (plek.Loonheffingsloon - begin.Plek.Loonheffingsloon) * 100 / static_cast<double>(breedte_);
        if (verhouding <= kKleinsteVerhouding || verhouding >= 1 / kKleinsteVerhouding)
            return begin;
        long long breedte = breedte_;
        if (const long long passend = std::max(Geheel(stap_ / verhouding), 1LL);
            passend != breedte && passend <= bruto) {
            breedte = passend;
            begin = Meet(bruto - breedte);
        }
        for (int i = 0; i < kBijstellingen && plek.Rij && begin.Plek.Rij; ++i) {
            const long long rijen = *plek.Rij - *begin.Plek.Rij;
            const long long volgende = breedte + (rijen < 1 ? 1 : -1);
            if (rijen == 1 || volgende < 1 || volgende > bruto)
                break;
            breedte = volgende;
            begin = Meet(bruto - breedte);
        }
        return begin;
    }

    // A wage for wage tax that moves less than a tenth as fast as the gross
    // wage, or ten times as fast, has no table step worth stretching to.
    static constexpr double kKleinsteVerhouding = 0.1;
    // Rounding the stretched step to cents misses a row by a cent or two.
    static constexpr int kBijstellingen = 3;

    TPuntRekenaar& rekenaar_;
    double stap_;        // the table step of the wage for wage tax, in cents
    long long breedte_;  // the same in whole cents of gross wage
};

} // namespace

TVerloopBereik VerloopBereik(const TGekozenVerloopBereik& gekozen, double brutoloon, double tabelstap)
{
    const long long van = Centen(gekozen.Van.value_or(0));
    const long long tot = gekozen.Tot ? Centen(*gekozen.Tot)
                                      : std::clamp(2 * Centen(brutoloon), kMinimumStandaardTot, kMaximumBedrag);
    const long long tabel = std::max(Centen(tabelstap), 1LL);
    // Rounded up, so that the steps do not make more points than asked.
    const long long nodig = std::max((tot - van + kStandaardVerloopPunten - 2) / (kStandaardVerloopPunten - 1), 1LL);
    const long long stap = gekozen.Stap ? Centen(*gekozen.Stap) : (nodig + tabel - 1) / tabel * tabel;
    return {Euros(van), Euros(tot), Euros(stap)};
}

TVerloopBereik StandaardVerloopBereik(double brutoloon, double tabelstap)
{
    return VerloopBereik({}, brutoloon, tabelstap);
}

std::optional<std::string> VerloopBereikFout(const TVerloopBereik& bereik)
{
    const long long van = Centen(bereik.Van);
    const long long tot = Centen(bereik.Tot);
    const long long stap = Centen(bereik.Stap);
    if (van < 0 || tot < 0)
        return "Een brutoloon van het bereik is negatief; van en tot zijn 0 of meer.";
    if (tot > kMaximumBedrag)
        return "Tot (" + Bedrag(tot) + ") is groter dan het grootste brutoloon, " + Bedrag(kMaximumBedrag) + ".";
    if (van > tot)
        return "Van (" + Bedrag(van) + ") is groter dan tot (" + Bedrag(tot) + "); kies van kleiner dan of gelijk aan tot.";
    if (stap <= 0)
        return "De stap (" + Bedrag(stap) + ") moet groter dan 0 zijn.";
    if (const long long aantal = AantalPunten(van, tot, stap); aantal > kMaximumVerloopPunten)
        return "Van " + Bedrag(van) + " tot " + Bedrag(tot) + " in stappen van " + Bedrag(stap) + " zijn " +
               std::to_string(aantal) + " punten; ten hoogste " + std::to_string(kMaximumVerloopPunten) +
               ". Kies een grotere stap of een kleiner bereik.";
    return std::nullopt;
}

std::vector<double> VerloopBrutolonen(const TVerloopBereik& bereik)
{
    const long long van = Centen(bereik.Van);
    const long long tot = Centen(bereik.Tot);
    const long long stap = Centen(bereik.Stap);
    std::vector<double> brutolonen;
    brutolonen.reserve(static_cast<std::size_t>(AantalPunten(van, tot, stap)));
    for (long long bruto = van; bruto < tot; bruto += stap)
        brutolonen.push_back(Euros(bruto));
    brutolonen.push_back(Euros(tot));
    return brutolonen;
}

double MarginaleDruk(const TVerloopPunt& vorige, const TVerloopPunt& punt)
{
    const double druk = 1 - (punt.Nettoloon - vorige.Nettoloon) / (punt.Brutoloon - vorige.Brutoloon);
    return RondAfOpCenten(druk * 100) + 0.0;
}

std::vector<TVerloopRegel> BerekenLoonverloop(TPuntRekenaar& rekenaar, const TVerloopBereik& bereik)
{
    std::vector<TVerloopRegel> regels;
    const std::vector<double> brutolonen = VerloopBrutolonen(bereik);
    regels.reserve(brutolonen.size());
    TDrukmeter meter(rekenaar);
    for (const double bruto : brutolonen) {
        TVerloopRegel regel{rekenaar.Bereken(bruto), std::nullopt};
        regel.MarginaleDruk = meter.Druk(regel.Punt, rekenaar.Tabelplek());
        regels.push_back(regel);
    }
    return regels;
}

TLoonverloop LoonverloopVan(TBerekening& berekening)
{
    TLoonverloop verloop;
    const TBerekeningInvoer& invoer = berekening.Invoer();
    if (const THeffingsgegevens* heffing = berekening.Heffingsgegevens()) {
        verloop.Brutoloon = RondAfOpCenten(heffing->Kolommen().GetBrutoloon());
        verloop.Tabelstap = Tabelstap(*heffing);
    }
    verloop.Bereik = berekening.BrutoloonBereik();
    verloop.SoortLoonbedrag = invoer.SoortLoonbedrag;
    verloop.Loontijdvak = IsLoontijdvak(invoer.Loontijdvak) ? invoer.Loontijdvak : StandaardLoontijdvak;
    return verloop;
}

} // namespace vkt
