#pragma once

#include "calc/Puntrekenaar.h"

#include <optional>
#include <string>
#include <vector>

namespace vkt {

// The gross wages of a wage curve: from Van to Tot in steps of Stap, in
// euros with at most two decimals. Tot is always a point, also when the last
// step to it is shorter.
struct TVerloopBereik {
    double Van = 0;
    double Tot = 0;
    double Stap = 0;
};

// The most points a curve has: enough for a step of one euro over a
// monthly wage of 10.000, and still drawn at once.
constexpr long long kMaximumVerloopPunten = 10'000;
// The points of the range a calculation opens with, at most.
constexpr int kStandaardVerloopPunten = 200;

// The parts of a range the user chose; the others take their standard.
struct TGekozenVerloopBereik {
    std::optional<double> Van;
    std::optional<double> Tot;
    std::optional<double> Stap;
};

// The range of a calculation of that gross wage: van 0, tot twice the gross
// wage (at least 200 euros, so that a calculation of no wage still has a
// curve), and the smallest whole number of steps of the wage-tax table
// (tabelstap, in euros: 4,50 a month) that makes no more than 200 points
// from van to tot, so that the points keep their place in the table.
TVerloopBereik VerloopBereik(const TGekozenVerloopBereik& gekozen, double brutoloon, double tabelstap);
// All of it standard.
TVerloopBereik StandaardVerloopBereik(double brutoloon, double tabelstap);

// Why the range gives no curve, as a Dutch sentence; nothing when it does.
std::optional<std::string> VerloopBereikFout(const TVerloopBereik& bereik);

// The gross wages of a valid range, in euros.
std::vector<double> VerloopBrutolonen(const TVerloopBereik& bereik);

// A point of the curve with its marginal pressure: the part of the last step
// of the wage-tax table that does not reach the net wage. It is measured from
// the gross wage at which the wage for wage tax is one table step lower (4,50
// a month below the point when that wage is the gross wage; further below with
// a pension that lowers it), so that the step always holds exactly one row of
// the table: 1 - (net wage - net wage there) / (gross wage - gross wage
// there), in percent with two decimals. A point less than a step above 0 has
// none.
struct TVerloopRegel {
    TVerloopPunt Punt;
    std::optional<double> MarginaleDruk;
};

// Computes every gross wage of a valid range with the one calculation.
std::vector<TVerloopRegel> BerekenLoonverloop(TPuntRekenaar& rekenaar, const TVerloopBereik& bereik);

// The marginal pressure between two points: 1 - (net wage - previous net
// wage) / (gross wage - previous gross wage), in percent with two decimals.
double MarginaleDruk(const TVerloopPunt& vorige, const TVerloopPunt& punt);

// The wage curve of a calculation with what marks it on a chart: the
// calculation's gross wage and, after a search that reached its target
// exactly, the gross wages that give the searched amount.
struct TLoonverloop {
    std::vector<TVerloopRegel> Regels;
    double Brutoloon = 0;
    double Tabelstap = 0; // of the wage-tax table, in the pay period's wage
    std::optional<TBrutoloonBereik> Bereik;
    int SoortLoonbedrag = slBrutoloon; // what was searched
    int Loontijdvak = ltMaand;
};

// The marks of the calculation last run, without points yet. Asks the run
// for its band of gross wages, which a search computes when first asked.
TLoonverloop LoonverloopVan(TBerekening& berekening);

} // namespace vkt
