#pragma once

#include "common/Exception.h"

#include <functional>
#include <string>
#include <vector>

namespace vkt {

// A named amount a formula can refer to as [Name]; the value is read only when
// a formula is evaluated, never while it is merely checked.
struct TSymbol {
    std::string Name;
    std::function<double()> Value;
};

// Errors of the formula as a whole: syntax, unknown symbols, division by zero,
// numbers that cannot be read.
class EExpressionError : public Exception {
public:
    using Exception::Exception;
};

// Errors found in the sequence of tokens of a flat expression.
class ETokenError : public Exception {
public:
    using Exception::Exception;
};

// Evaluates a formula such as "[Brutoloon]-[Pensioenpremie]" over the given
// symbols. "a|b" yields at least b, "a|b|c" yields a kept between b and c.
// Division by zero yields 0 when zeroOnDivisionByZero is set and raises
// otherwise. An empty formula yields 0. Raises EExpressionError or ETokenError;
// the message tells at which step of the evaluation the error was found.
double CalculateExpression(const std::string& formula, const std::vector<TSymbol>& symbols,
                           bool zeroOnDivisionByZero);

// Checks a formula without reading any symbol value (every symbol counts as 1
// and division by zero as 0). An empty formula is valid. Never raises.
bool IsValidExpression(const std::string& formula, const std::vector<TSymbol>& symbols);

// Raises EExpressionError when the parentheses or the square brackets of the
// text do not pair up.
void ValidateExpression(const std::string& text);

} // namespace vkt
