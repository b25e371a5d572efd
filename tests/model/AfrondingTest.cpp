#include "model/Afronding.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace vkt;

namespace {

struct Geval {
    const char* naam;
    double (*functie)(double);
    double invoer;
    double verwacht;
};

const Geval kGevallen[] = {
    {"RondAfOpCenten", RondAfOpCenten, 0.125, 0.13},
    {"RondAfOpCenten", RondAfOpCenten, -0.125, -0.13},
    // 1.005 x 100 is held as 100.49999999999999: only the guard rounds it up.
    {"RondAfOpCenten", RondAfOpCenten, 1.005, 1.01},
    {"RondAfOpCenten", RondAfOpCenten, 2.345, 2.35},
    {"RondAfOpCenten", RondAfOpCenten, -2.345, -2.35},
    {"RondAfOpCenten", RondAfOpCenten, 1234.565, 1234.57},
    {"RondAfOpCenten", RondAfOpCenten, 2.344, 2.34},
    {"RondAf", RondAf, 2.5, 3},
    {"RondAf", RondAf, -2.5, -3},
    {"RondAf", RondAf, 2.4999, 2},
    {"RondAfOpVijfDecimalen", RondAfOpVijfDecimalen, 0.123456, 0.12346},
    {"KapAf", KapAf, 2.99, 2},
    {"KapAf", KapAf, -2.99, -2},
    {"KapAf", KapAf, 2.999999999, 3}, // the guard lifts a value just below a whole number
    {"KapAfOpCenten", KapAfOpCenten, 2.349, 2.34},
    {"KapAfOpCenten", KapAfOpCenten, 4.57, 4.57}, // 457 is held as 456.99999999999994
    {"RondOmhoog", RondOmhoog, 10.01, 11},
    {"RondOmhoog", RondOmhoog, 10.0, 10},
    {"RondOmhoog", RondOmhoog, 10.5, 11},
    {"RondOmhoog", RondOmhoog, -10.2, -11},
    {"RondOmhoog", RondOmhoog, 0, 0},
};

} // namespace

TEST(Afronding, RoundsAsTheCalculationRequires)
{
    for (const Geval& geval : kGevallen)
        EXPECT_DOUBLE_EQ(geval.functie(geval.invoer), geval.verwacht) << geval.naam << "(" << geval.invoer << ")";
}

TEST(Afronding, RoundsTheAnnualWageDownToAMultipleInSinglePrecision)
{
    EXPECT_EQ(RondAfOpVeelvoud(54, 30000), 29970);
    EXPECT_EQ(RondAfOpVeelvoud(54, 98820), 98820);
    EXPECT_EQ(RondAfOpVeelvoud(54, 53.99), 0);
    // 1800 x 54 less a trace: in double precision the quotient stays below
    // 1800, in single precision it is 1800.
    EXPECT_EQ(RondAfOpVeelvoud(54, 97199.999), 97200);
}

TEST(Afronding, TheRememberingRoundingAnswersAsTheRoundingItself)
{
    // Repeats, a change back, both zeros and a value that is never equal to
    // itself: each answer is the cents of the amount asked, never those of
    // the amount before.
    TCentenAfronding afronding;
    const double kReeks[] = {1.005, 1.005, 2.344, 1.005, 0.0, -0.0, -0.125, -0.125, std::nan(""), 7.5, 0.0};
    for (const double x : kReeks) {
        const double verwacht = RondAfOpCenten(x);
        const double antwoord = afronding(x);
        if (std::isnan(verwacht)) {
            EXPECT_TRUE(std::isnan(antwoord));
            continue;
        }
        EXPECT_EQ(antwoord, verwacht) << x;
        EXPECT_EQ(std::signbit(antwoord), std::signbit(verwacht)) << x;
    }
    EXPECT_EQ(RondAfOpCenten(-0.0), 0.0);
    EXPECT_FALSE(std::signbit(RondAfOpCenten(-0.0))) << "no minus zero from the rounding";
}
