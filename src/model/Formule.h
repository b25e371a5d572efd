#pragma once

#include "common/Exception.h"

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace vkt {

// A formula is stored in a text column of this many characters, so a longer
// one was not entered through this program. It is refused wherever a formula
// is read, checked or evaluated, rather than computed with a basis nobody meant.
constexpr std::size_t MaximaleFormuleLengte = 255;

// Evaluating a formula goes one level deeper for every bracketed name and
// every parenthesised part it replaces, so a formula of MaximaleFormuleLengte
// characters, holding at most 127 pairs, needs at most 128 levels. A deeper
// formula is refused before it could exhaust the stack.
constexpr int MaximaleFormuleDiepte = static_cast<int>(MaximaleFormuleLengte / 2 + 1);

// "De formule is langer dan 255 tekens."
std::string FormuleTeLangMelding();
// "De formule is te diep genest (meer dan 128 niveaus)."
std::string FormuleTeDiepMelding();

// Raises EExpressionError "<veld>: De formule is langer dan 255 tekens." when a
// formula read from the database is longer than its column.
void ControleerFormuleLengte(std::string_view veld, std::string_view formule);

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
// the message tells at which step of the evaluation the error was found. A
// formula nested deeper than MaximaleFormuleDiepte or longer than
// MaximaleFormuleLengte characters is refused, in that order.
double CalculateExpression(const std::string& formula, const std::vector<TSymbol>& symbols,
                           bool zeroOnDivisionByZero);

// Checks a formula without reading any symbol value (every symbol counts as 1
// and division by zero as 0). An empty formula is valid; one that
// CalculateExpression refuses for its depth or length is not. Never raises.
bool IsValidExpression(const std::string& formula, const std::vector<TSymbol>& symbols);

// Raises EExpressionError when the parentheses or the square brackets of the
// text do not pair up.
void ValidateExpression(const std::string& text);

} // namespace vkt
