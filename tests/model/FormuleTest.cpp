#include "model/Formule.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace vkt;

namespace {

const std::vector<TSymbol> Symbols = {
    {"Brutoloon", [] { return 3000.0; }},
    {"Pensioenpremie", [] { return 150.0; }},
    {"Soc.Loon", [] { return 2500.0; }},
    {"PrivégebruikAuto", [] { return 300.0; }},
    {"Zvw.(werkg.)", [] { return 200.0; }},
};

} // namespace

TEST(Formule, EvaluatesFormulas)
{
    struct Case {
        const char* formula;
        double expected;
    };
    const Case cases[] = {
        {"", 0},
        {"[Brutoloon]-[Pensioenpremie]", 2850},
        {"[brutoloon]*0.5", 1500},
        {" [Soc. Loon] / 2 ", 1250},
        {"[PRIVÉGEBRUIKAUTO]", 300},
        {"[Zvw.(werkg.)]*2", 400},
        {"([Brutoloon]-[Pensioenpremie])/2", 1425},
        // value|minimum and value|minimum|maximum
        {"[Brutoloon]|1000", 3000},
        {"500|1000", 1000},
        {"[Brutoloon]|1000|2000", 2000},
        {"[Pensioenpremie]|1000|3000", 1000},
        {"[Soc.Loon]|1000|3000", 2500},
        {"7|10|5", 10},
        // unary operators
        {"2*-3", -6},
        {"-2*3", -6},
        {"--5", 5},
        {"2--3", 5},
        // precedence, left to right
        {"2+3*4", 14},
        {"10-4-3", 3},
        {"64/4/2", 8},
        {"(2+3)*4", 20},
        {"2*(3+(4-1))*2", 24},
        {"((5))", 5},
        // numbers
        {"1e3", 1000},
        {"2.5E-3*4", 0.01},
        {"(0.000001)*2", 2e-6},
        // intermediate results carry 15 significant digits
        {"0.1+0.2", 0.3},
        {"1/3*3", 0.999999999999999},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.formula);
        EXPECT_EQ(CalculateExpression(c.formula, Symbols, false), c.expected);
    }
}

TEST(Formule, DivisionByZeroDependsOnTheMode)
{
    EXPECT_EQ(CalculateExpression("1+5/0", Symbols, true), 1);
    EXPECT_THROW(CalculateExpression("1+5/0", Symbols, false), EExpressionError);
    EXPECT_TRUE(IsValidExpression("1+5/0", Symbols));
}
