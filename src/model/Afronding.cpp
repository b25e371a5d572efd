#include "model/Afronding.h"

#include <cmath>

namespace vkt {

double RondAfOpVijfDecimalen(double x) { return RondAf(x * 100000) / 100000; }

double KapAf(double x) { return std::trunc(x + kAfrondingsmarge); }

double KapAfOpCenten(double x) { return std::trunc(x * 100 + kAfrondingsmarge) / 100; }

double RondOmhoog(double x)
{
    const double r = RondAf(x);
    if (x > 0 && x > r)
        return r + 1;
    if (x < 0 && x < r)
        return r - 1;
    return r;
}

double RondAfOpVeelvoud(int f, double x)
{
    const float factor = static_cast<float>(f);
    const float quotient = static_cast<float>(x) / factor;
    const float product = factor * static_cast<float>(KapAf(quotient));
    return product;
}

} // namespace vkt
