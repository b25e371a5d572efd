#include "model/Formule.h"

#include "common/Exception.h"

#include <gtest/gtest.h>

#include <cmath>
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

std::string ErrorOf(const std::string& formula, bool zeroOnDivisionByZero = false)
{
    try {
        CalculateExpression(formula, Symbols, zeroOnDivisionByZero);
    } catch (const Exception& e) {
        return e.what();
    }
    return "no error";
}

std::string Herhaal(const std::string& tekst, int aantal)
{
    std::string uitkomst;
    for (int i = 0; i < aantal; ++i)
        uitkomst += tekst;
    return uitkomst;
}

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

TEST(Formule, ErrorsTellEveryStepTheyPassed)
{
    struct Case {
        const char* formula;
        const char* message;
    };
    const Case cases[] = {
        {"1,5", "CalculateExpression: Go: (1,5) Tokenize: Syntax error"},
        {".5", "CalculateExpression: Go: (.5) Tokenize: Syntax error"},
        {"(1+2", "CalculateExpression: ValidateExpression: Syntax error (1)"},
        {"(1))+((2)", "CalculateExpression: ValidateExpression: Syntax error (1)"},
        {"[Brutoloon", "CalculateExpression: ValidateExpression: Syntax error (2)"},
        {"()", "CalculateExpression: Go: (()) Syntax error (1)"},
        {"2[Brutoloon]", "CalculateExpression: Go: (2[Brutoloon]) Syntax error (2)"},
        {"[Brutoloon]2", "CalculateExpression: Go: ([Brutoloon]2) Syntax error (3)"},
        {"2(3)", "CalculateExpression: Go: (2(3)) Syntax error (4)"},
        {"(3)2", "CalculateExpression: Go: ((3)2) Syntax error (5)"},
        {"1|2|3|4", "CalculateExpression: Too many pipelines '|' in expression"},
        {"5|", "CalculateExpression: Syntax error"},
        {"5|6|", "CalculateExpression: Syntax error"},
        {"|5", "CalculateExpression: Go: () Syntax error (1)"},
        {"(1|2)", "CalculateExpression: ValidateExpression: Syntax error (1)"},
        {"[Onbekend]*2", "CalculateExpression: Go: ([Onbekend]*2) Symbol not found in SymbolTable"},
        {"[Brutoloon]*1,5", "CalculateExpression: Go: ([Brutoloon]*1,5) Tokenize: Syntax error"},
        {"*5", "CalculateExpression: Go: (*5) Operand or unary operator expected"},
        {"5+", "CalculateExpression: Go: (5+) Operand expected"},
        {"2*e", "CalculateExpression: Go: (2*e) 'E' is not a valid floating point value"},
        {"1e", "CalculateExpression: Go: (1e) '1E' is not a valid floating point value"},
        {"1.2.3", "CalculateExpression: Go: (1.2.3) '1.2.3' is not a valid floating point value"},
        {"5/0", "CalculateExpression: Go: (5/0) ExprEval: Division by zero"},
        {"5/(2-2)", "CalculateExpression: Go: (5/(2-2)) Go: (5/0) ExprEval: Division by zero"},
        {"2*(3+(4/0))", "CalculateExpression: Go: (2*(3+(4/0))) Go: (3+(4/0)) Go: (4/0) "
                        "ExprEval: Division by zero"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.formula);
        EXPECT_EQ(ErrorOf(c.formula), c.message);
    }
}

TEST(Formule, IntermediateValuesAreWrittenWith15SignificantDigits)
{
    // A parenthesised part is replaced by its value as text; the division by
    // zero found after that rewrite shows the text.
    struct Case {
        const char* inner;
        const char* text;
    };
    const Case cases[] = {
        {"0.000001", "1E-6"},
        {"0.00001", "1E-5"},
        {"0.0001", "0.0001"},
        {"0-0.00000025", "-2.5E-7"},
        {"1/3", "0.333333333333333"},
        {"2/3", "0.666666666666667"},
        {"123456.7891234567", "123456.789123457"},
        {"2.50", "2.5"},
        {"0-1234.5", "-1234.5"},
        {"100*10", "1000"},
        {"2-2", "0"},
        {"999999999999999", "999999999999999"},
        {"1000000000000000", "1E15"},
        {"1E20*1.5", "1.5E20"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.inner);
        const std::string inner = c.inner;
        const std::string text = c.text;
        EXPECT_EQ(ErrorOf("(" + inner + ")/0"),
                  "CalculateExpression: Go: ((" + inner + ")/0) Go: (" + text + "/0) ExprEval: Division by zero");
    }
}

TEST(Formule, ChecksFormulasWithoutEvaluating)
{
    struct Case {
        const char* formula;
        bool valid;
    };
    const Case cases[] = {
        {"", true},
        {"[brutoloon]*0.5", true},
        {"[Brutoloon]|1000|3000", true},
        {"5/0", true},
        {"[Onbekend]", false},
        {"1,5", false},
        {"(1+2", false},
        {"[Brutoloon]2", false},
        {"5|", false},
        {"1|2|3|4", false},
        {"2*e", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.formula);
        EXPECT_EQ(IsValidExpression(c.formula, Symbols), c.valid);
    }
}

TEST(Formule, SymbolValuesAreReadOnlyWhenEvaluating)
{
    const std::vector<TSymbol> symbols = {
        {"Nettoloon", []() -> double { throw Exception("Geen loonberekening"); }},
    };
    EXPECT_TRUE(IsValidExpression("[Nettoloon]+1", symbols));
    try {
        CalculateExpression("[Nettoloon]+1", symbols, true);
        ADD_FAILURE() << "no error";
    } catch (const Exception& e) {
        EXPECT_STREQ(e.what(), "CalculateExpression: Go: ([Nettoloon]+1) Geen loonberekening");
    }
}

TEST(Formule, ErrorsKeepTheirKindThroughThePrefixes)
{
    EXPECT_THROW(CalculateExpression("(1)+1,5", Symbols, false), ETokenError);
    EXPECT_THROW(CalculateExpression("(5+)", Symbols, false), ETokenError);
    EXPECT_THROW(CalculateExpression("(5/0)", Symbols, false), EExpressionError);
    EXPECT_THROW(CalculateExpression("[Onbekend]", Symbols, false), EExpressionError);
    EXPECT_THROW(CalculateExpression("(E)", Symbols, false), EExpressionError);
}

TEST(Formule, ValidateExpressionChecksParenthesesThenBrackets)
{
    EXPECT_NO_THROW(ValidateExpression("([Zvw.(werkg.)]+1)*2"));
    try {
        ValidateExpression(")[(]");
        ADD_FAILURE() << "no error";
    } catch (const EExpressionError& e) {
        EXPECT_STREQ(e.what(), "ValidateExpression: Syntax error (1)");
    }
    try {
        ValidateExpression("(][)");
        ADD_FAILURE() << "no error";
    } catch (const EExpressionError& e) {
        EXPECT_STREQ(e.what(), "ValidateExpression: Syntax error (2)");
    }
}

TEST(Formule, ANestingDeeperThanTheEvaluatorGoesIsRefused)
{
    // Deep enough to exhaust the stack if it were followed level by level.
    const std::string diep = std::string(20000, '(') + "1" + std::string(20000, ')');
    EXPECT_EQ(ErrorOf(diep), "CalculateExpression: De formule is te diep genest (meer dan 128 niveaus).");
    EXPECT_FALSE(IsValidExpression(diep, Symbols));
}

TEST(Formule, AFormulaLongerThanItsColumnIsRefused)
{
    // Lengths count characters, as the column does: the "é" takes two bytes.
    const std::string auto255 = " [PrivégebruikAuto]" + Herhaal("+0", 118);
    ASSERT_EQ(auto255.size(), 256u);
    struct Case {
        std::string formula;
        double value; // NaN: refused
    };
    const Case cases[] = {
        {std::string(127, '(') + "1" + std::string(127, ')'), 1}, // the deepest nesting that fits
        {"1" + Herhaal("+1", 127), 128},
        {auto255, 300},
        {"10" + Herhaal("+1", 127), std::nan("")},
        {auto255 + " ", std::nan("")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.formula);
        if (std::isnan(c.value)) {
            EXPECT_EQ(ErrorOf(c.formula), "CalculateExpression: De formule is langer dan 255 tekens.");
            EXPECT_FALSE(IsValidExpression(c.formula, Symbols));
        } else {
            EXPECT_EQ(CalculateExpression(c.formula, Symbols, false), c.value);
            EXPECT_TRUE(IsValidExpression(c.formula, Symbols));
        }
    }
    EXPECT_NO_THROW(ControleerFormuleLengte("FormuleWW", auto255));
    try {
        ControleerFormuleLengte("FormuleWW", auto255 + " ");
        ADD_FAILURE() << "no error";
    } catch (const EExpressionError& e) {
        EXPECT_STREQ(e.what(), "FormuleWW: De formule is langer dan 255 tekens.");
    }
}

TEST(Formule, AnErrorDeepInsideNamesOnlyTheInnermostLevels)
{
    // 120 levels around the error: the message names the eight innermost.
    const std::string formula = std::string(120, '(') + "1/0" + std::string(120, ')');
    std::string levels;
    for (int n = 7; n >= 0; --n)
        levels += "Go: (" + std::string(n, '(') + "1/0" + std::string(n, ')') + ") ";
    EXPECT_EQ(ErrorOf(formula), "CalculateExpression: ... " + levels + "ExprEval: Division by zero");

    // A long text is quoted by its first 77 characters.
    const std::string lang = "1" + Herhaal("+1", 49) + "+1,5";
    EXPECT_EQ(ErrorOf(lang), "CalculateExpression: Go: (" + lang.substr(0, 77) + "...) Tokenize: Syntax error");
}

// Checking and evaluating read the formula alike, whatever the values of its
// names: a formula the check refuses is refused by every evaluation, one it
// accepts is computed with any values.
TEST(Formule, TheCheckAndTheEvaluationAgreeWhateverTheValues)
{
    struct Case {
        const char* formula;
        double value; // at a gross wage of 3000; NaN: refused
    };
    const double refused = std::nan("");
    const Case cases[] = {
        {"[Brutoloon]+[Brutoloon]5", refused},
        {"([Brutoloon])[Brutoloon]", refused},
        {"[Brutoloon]+([Brutoloon])5", refused},
        {"[Brutoloon]*2+3[Brutoloon]", refused},
        {"([Brutoloon])([Brutoloon])", refused},
        {"[Brutoloon][Brutoloon]", refused},
        {"[Brutoloon]*(2)[Brutoloon]", refused},
        {"1+[Brutoloon](2)", refused},
        {"[Brutoloon]E5", refused},
        {"[Brutoloon]|[Brutoloon]5", refused},
        {"[Brutoloon]+()", refused},
        {"([Brutoloon]+)", refused},
        {"[Brutoloon]*/2", refused},
        {"3/0|431E300*--[Brutoloon]-40", refused}, // a number beyond 1E300 whatever multiplies it
        {"[Brutoloon]+[Brutoloon]+5", 6005},
        {"([Brutoloon])-[Brutoloon]", 0},
        {"-([Brutoloon])*-[Brutoloon]", 9'000'000},
        {"(([Brutoloon]))/[Brutoloon]", 1},
        {"[Brutoloon]-(-[Brutoloon])", 6000},
        {"[Brutoloon]|[Brutoloon]*2", 6000},
        {"([Brutoloon]-1)*([Brutoloon]-1)", 8'994'001},
    };
    const double kWaarden[] = {3000, -999999, 0.5, 1E-5, 0, 123456789.125};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.formula);
        const bool accepted = !std::isnan(c.value);
        EXPECT_EQ(IsValidExpression(c.formula, Symbols), accepted);
        for (const double waarde : kWaarden) {
            const std::vector<TSymbol> symbols = {{"Brutoloon", [waarde] { return waarde; }}};
            if (accepted) {
                EXPECT_NO_THROW(CalculateExpression(c.formula, symbols, true)) << waarde;
            } else {
                EXPECT_THROW(CalculateExpression(c.formula, symbols, true), Exception) << waarde;
            }
        }
        if (accepted) {
            EXPECT_EQ(CalculateExpression(c.formula, Symbols, true), c.value);
        }
    }
    EXPECT_EQ(ErrorOf("[Brutoloon]+[Brutoloon]5"), "CalculateExpression: Go: ([Brutoloon]+[Brutoloon]5) Syntax error (3)");
    EXPECT_EQ(ErrorOf("([Brutoloon])[Brutoloon]"), "CalculateExpression: Go: (([Brutoloon])[Brutoloon]) Syntax error (2)");
}

// A value a formula cannot hold as a number is an error, never a result.
TEST(Formule, AValueBeyondANumbersReachIsAnError)
{
    const std::vector<TSymbol> geenGetal = {{"Brutoloon", [] { return std::nan(""); }}};
    try {
        CalculateExpression("[Brutoloon]+1", geenGetal, true);
        ADD_FAILURE() << "no error";
    } catch (const EExpressionError& e) {
        EXPECT_STREQ(e.what(), "CalculateExpression: Go: ([Brutoloon]+1) [Brutoloon] heeft geen waarde om mee te rekenen.");
    }
    EXPECT_EQ(ErrorOf("[Brutoloon]*1E299"),
              "CalculateExpression: Go: ([Brutoloon]*1E299) Go: (3000*1E299) De uitkomst van de formule is te groot om "
              "mee te rekenen.");
    EXPECT_EQ(ErrorOf("(1E300*1E10)+1"), "CalculateExpression: Go: ((1E300*1E10)+1) Go: (1E300*1E10) De uitkomst van "
                                         "de formule is te groot om mee te rekenen.");
    EXPECT_FALSE(IsValidExpression("1E300*10", Symbols));
    EXPECT_EQ(ErrorOf("1E305"), "CalculateExpression: Go: (1E305) '1E305' is not a valid floating point value");
    EXPECT_EQ(CalculateExpression("1E300", Symbols, true), 1e300);
    EXPECT_EQ(CalculateExpression("1E-200*1E-200", Symbols, true), 0);
}
