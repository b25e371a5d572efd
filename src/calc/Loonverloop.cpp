#include "calc/Loonverloop.h"

#include "model/Afronding.h"
#include "model/Enumeraties.h"
#include "model/Getallen.h"
#include "model/Heffingsgegevens.h"

#include <algorithm>
#include <cmath>

namespace vkt {
namespace {

// The range works in whole cents, so that many small steps add up exactly.
long long Centen(double bedrag) { return std::llround(bedrag * 100); }
double Euros(long long centen) { return static_cast<double>(centen) / 100; }

constexpr long long kMinimumStandaardTot = 200'00;
constexpr long long kMaximumBedrag = 99'999'999'99; // the largest amount an input takes

long long AantalPunten(long long van, long long tot, long long stap)
{
    const long long verschil = tot - van;
    return verschil / stap + 1 + (verschil % stap != 0 ? 1 : 0);
}

std::string Bedrag(long long centen) { return FormatBedrag(Euros(centen)); }

} // namespace

TVerloopBereik VerloopBereik(const TGekozenVerloopBereik& gekozen, double brutoloon)
{
    const long long van = Centen(gekozen.Van.value_or(0));
    const long long tot = gekozen.Tot ? Centen(*gekozen.Tot)
                                      : std::clamp(2 * Centen(brutoloon), kMinimumStandaardTot, kMaximumBedrag);
    // Rounded up, so that the steps do not make more points than asked.
    const long long stap = gekozen.Stap ? Centen(*gekozen.Stap)
                                        : std::max((tot - van + kStandaardVerloopPunten - 2) / (kStandaardVerloopPunten - 1), 1LL);
    return {Euros(van), Euros(tot), Euros(stap)};
}

TVerloopBereik StandaardVerloopBereik(double brutoloon) { return VerloopBereik({}, brutoloon); }

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
    for (const double bruto : brutolonen) {
        TVerloopRegel regel{rekenaar.Bereken(bruto), std::nullopt};
        if (!regels.empty())
            regel.MarginaleDruk = MarginaleDruk(regels.back().Punt, regel.Punt);
        regels.push_back(regel);
    }
    return regels;
}

TLoonverloop LoonverloopVan(TBerekening& berekening)
{
    TLoonverloop verloop;
    const TBerekeningInvoer& invoer = berekening.Invoer();
    if (const THeffingsgegevens* heffing = berekening.Heffingsgegevens())
        verloop.Brutoloon = RondAfOpCenten(heffing->Kolommen().GetBrutoloon());
    verloop.Bereik = berekening.BrutoloonBereik();
    verloop.SoortLoonbedrag = invoer.SoortLoonbedrag;
    verloop.Loontijdvak = IsLoontijdvak(invoer.Loontijdvak) ? invoer.Loontijdvak : StandaardLoontijdvak;
    return verloop;
}

} // namespace vkt
