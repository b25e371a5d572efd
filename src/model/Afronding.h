#pragma once

#include <cmath>

namespace vkt {

// Rounding rules of the calculation. "Half away from zero" adds a guard of
// 1e-8 before truncating, against the representation error of values such as
// 1.005 (held as 1.00499999999999989...).

inline constexpr double kAfrondingsmarge = 0.00000001; // the guard

// Inline: a computation rounds some eighty amounts in each pass.
inline double RondAf(double x)         // to a whole number, half away from zero
{
    return x < 0 ? -std::trunc(-x + 0.5 + kAfrondingsmarge) : std::trunc(x + 0.5 + kAfrondingsmarge);
}
// To cents, half away from zero. Many amounts asked are 0 (no such line):
// those skip the division, which a computation waits on most.
inline double RondAfOpCenten(double x) { return x == 0 ? 0.0 : RondAf(x * 100) / 100; }
double RondAfOpVijfDecimalen(double x);
double KapAf(double x);                // truncate towards zero (with the guard)
double KapAfOpCenten(double x);        // truncate towards zero to cents
double RondOmhoog(double x);           // to a whole number away from zero
// Down to a multiple of f, computed in single precision as the annual-wage
// step of the wage-tax tables requires.
double RondAfOpVeelvoud(int f, double x);

// RondAfOpCenten that remembers its last amount: a column or line rounds the
// same amount again in the next pass of a computation, and the division is
// what each pass waits on most. Equal amounts give the same cents (0 and -0
// included), so the answer is always that of RondAfOpCenten.
class TCentenAfronding {
public:
    double operator()(double x)
    {
        if (!(x == laatste_)) {
            laatste_ = x;
            afgerond_ = RondAfOpCenten(x);
        }
        return afgerond_;
    }

private:
    double laatste_ = 0;
    double afgerond_ = 0;
};

} // namespace vkt
