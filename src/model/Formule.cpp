#include "model/Formule.h"

#include "common/Text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <iterator>
#include <string_view>
#include <system_error>

namespace vkt {

namespace {

// The evaluator rewrites the formula as text: every [identifier] and every
// parenthesised sub-expression is replaced by its value written as a number,
// until a flat expression of numbers and + - * / remains. That flat expression
// is evaluated with an operand stack and an operator stack.

enum class TTokenKind {
    Number,
    Operator,       // + - * / as read from the text
    UnaryOperator,  // an operator on the operator stack, applied to one operand
    BinaryOperator, // an operator on the operator stack, applied to two operands
    OpenParenthesis,
    CloseParenthesis,
    Identifier,
    End,
};

struct TToken {
    TTokenKind Kind;
    std::string Text;
};

// Puts prefix in front of the message of the exception being handled and raises
// it again as the same kind of error, so that a failure deep inside a formula
// tells every step it passed through.
[[noreturn]] void RethrowWithPrefix(const std::string& prefix)
{
    try {
        throw;
    } catch (const ETokenError& e) {
        throw ETokenError(prefix + e.what());
    } catch (const EExpressionError& e) {
        throw EExpressionError(prefix + e.what());
    } catch (const Exception& e) {
        throw Exception(prefix + e.what());
    }
}

// An error message names the text of every level it passed through. However
// deep the formula, it names at most this many levels (the innermost, where
// the error was found) and at most this many characters of each text, so the
// message stays readable and is made in no more time than a short one.
constexpr int MaxNamedLevels = 8;
constexpr std::size_t MaxQuotedCharacters = 80;

// The text of one level as its error message quotes it.
std::string Quoted(const std::string& text)
{
    if (Utf8Length(text) <= MaxQuotedCharacters) {
        return text;
    }
    return Utf8Left(text, MaxQuotedCharacters - 3) + "...";
}

bool TooLong(std::string_view formula)
{
    return Utf8Length(formula) > MaximaleFormuleLengte;
}

// The deepest nesting of parentheses in the text.
int Nesting(std::string_view text)
{
    int depth = 0;
    int deepest = 0;
    for (const char c : text) {
        if (c == '(') {
            deepest = std::max(deepest, ++depth);
        } else if (c == ')') {
            --depth;
        }
    }
    return deepest;
}

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

bool IsOneOf(char c, std::string_view characters)
{
    return characters.find(c) != std::string_view::npos;
}

// A value as it is written back into a formula: at most 15 significant digits,
// no trailing zeros, "." as decimal separator. Values from 1E-4 up to below 1E15
// in magnitude are written in fixed notation, others as mantissa and exponent
// ("1E-6", "1.5E20", "-2.5E-7").
std::string ValueToText(double value)
{
    if (std::isnan(value)) {
        return "NAN";
    }
    if (std::isinf(value)) {
        return value < 0 ? "-INF" : "INF";
    }
    if (value == 0) {
        return "0";
    }

    // to_chars rounds to 15 significant digits: "-d.dddddddddddddde+dd".
    char buffer[40];
    const auto converted = std::to_chars(buffer, buffer + sizeof buffer, value,
                                         std::chars_format::scientific, 14);
    std::string_view text(buffer, static_cast<std::size_t>(converted.ptr - buffer));
    const bool negative = text.front() == '-';
    if (negative) {
        text.remove_prefix(1);
    }
    const std::size_t e = text.find('e');
    std::string digits(1, text[0]);
    digits += text.substr(2, e - 2);
    while (digits.size() > 1 && digits.back() == '0') {
        digits.pop_back();
    }
    std::string_view exponentText = text.substr(e + 1);
    if (exponentText.front() == '+') {
        exponentText.remove_prefix(1);
    }
    int exponent = 0;
    std::from_chars(exponentText.data(), exponentText.data() + exponentText.size(), exponent);

    std::string result = negative ? "-" : "";
    if (exponent < -4 || exponent > 14) {
        result += digits[0];
        if (digits.size() > 1) {
            result += '.';
            result += digits.substr(1);
        }
        result += 'E';
        result += std::to_string(exponent);
    } else if (exponent < 0) {
        result += "0.";
        result.append(static_cast<std::size_t>(-exponent - 1), '0');
        result += digits;
    } else {
        const auto integerDigits = static_cast<std::size_t>(exponent) + 1;
        if (digits.size() <= integerDigits) {
            result += digits;
            result.append(integerDigits - digits.size(), '0');
        } else {
            result += digits.substr(0, integerDigits);
            result += '.';
            result += digits.substr(integerDigits);
        }
    }
    return result;
}

// Every value is held as text with 15 significant digits, which must read
// back as the same number: none beyond this bound, far beyond any amount, is
// read, written or computed with.
bool IsUsable(double value)
{
    return std::fabs(value) <= 1e300;
}

// Reads a number written with "." or "," as decimal separator and an optional
// exponent ("-2,5", "1E-5"). Anything else is not a number, nor is one beyond
// what IsUsable allows.
double TextToValue(const std::string& text)
{
    const auto invalid = [&text] {
        return EExpressionError("'" + text + "' is not a valid floating point value");
    };
    std::string normal;
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        if (text[i] == '-') {
            normal += '-';
        }
        ++i;
    }
    std::size_t mantissaDigits = 0;
    for (; i < text.size() && IsDigit(text[i]); ++i, ++mantissaDigits) {
        normal += text[i];
    }
    if (i < text.size() && (text[i] == '.' || text[i] == ',')) {
        normal += '.';
        for (++i; i < text.size() && IsDigit(text[i]); ++i, ++mantissaDigits) {
            normal += text[i];
        }
    }
    if (mantissaDigits == 0) {
        throw invalid();
    }
    if (i < text.size() && (text[i] == 'E' || text[i] == 'e')) {
        normal += 'e';
        ++i;
        if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
            normal += text[i];
            ++i;
        }
        std::size_t exponentDigits = 0;
        for (; i < text.size() && IsDigit(text[i]); ++i, ++exponentDigits) {
            normal += text[i];
        }
        if (exponentDigits == 0) {
            throw invalid();
        }
    }
    if (i != text.size()) {
        throw invalid();
    }
    double value = 0;
    const auto [end, error] = std::from_chars(normal.data(), normal.data() + normal.size(), value);
    if (error != std::errc{} || end != normal.data() + normal.size() || !IsUsable(value)) {
        throw invalid(); // also a value beyond the range of a double
    }
    return value;
}

// Position of the closing character that pairs with the opening one at open,
// counting nested pairs; npos when it is missing.
std::size_t FindMatching(const std::string& text, std::size_t open, char opening, char closing)
{
    int depth = 0;
    for (std::size_t i = open; i < text.size(); ++i) {
        if (text[i] == opening) {
            ++depth;
        } else if (text[i] == closing && --depth == 0) {
            return i;
        }
    }
    return std::string::npos;
}

std::string ReplaceAll(const std::string& text, const std::string& from, const std::string& to)
{
    std::string result;
    std::size_t start = 0;
    for (std::size_t found = text.find(from); found != std::string::npos;
         found = text.find(from, start)) {
        result.append(text, start, found - start);
        result += to;
        start = found + from.size();
    }
    result.append(text, start, std::string::npos);
    return result;
}

std::vector<TToken> Tokenize(const std::string& formula)
{
    const std::string text = ToUpperAscii(formula);
    std::vector<TToken> tokens;
    std::size_t i = 0;
    while (i < text.size()) {
        const char c = text[i];
        if (IsDigit(c) || c == 'E') {
            // A "-" directly after "E" is the sign of the exponent.
            const std::size_t start = i;
            for (++i; i < text.size(); ++i) {
                const char d = text[i];
                if (!(IsDigit(d) || d == '.' || d == 'E' || (d == '-' && text[i - 1] == 'E'))) {
                    break;
                }
            }
            tokens.push_back({TTokenKind::Number, text.substr(start, i - start)});
        } else if (IsOneOf(c, "*+-/")) {
            tokens.push_back({TTokenKind::Operator, std::string(1, c)});
            ++i;
        } else if (c == '(') {
            tokens.push_back({TTokenKind::OpenParenthesis, "("});
            ++i;
        } else if (c == ')') {
            tokens.push_back({TTokenKind::CloseParenthesis, ")"});
            ++i;
        } else if (c == '[') {
            const std::size_t close = text.find(']', i + 1);
            if (close == std::string::npos) {
                throw ETokenError("Missing identifier ending ']'");
            }
            tokens.push_back({TTokenKind::Identifier, text.substr(i + 1, close - i - 1)});
            i = close + 1;
        } else {
            throw ETokenError("Tokenize: Syntax error");
        }
    }
    tokens.push_back({TTokenKind::End, ""});
    return tokens;
}

// The syntax of a part of a formula, checked on its tokens before any name or
// parenthesised part is replaced by its value. The rewriting checks only the
// text it meets, which holds the values of the names it replaced, so without
// this a name's second occurrence went unchecked ("[Brutoloon]+[Brutoloon]5"
// became 3000+30005) and a value's sign decided whether "([A])[A]" was
// refused. The errors are those the rewriting raises: first every name, then
// every parenthesis, each from the left, then the operators.
void CheckSyntax(const std::vector<TToken>& tokens)
{
    using enum TTokenKind;
    const auto kind = [&tokens](std::size_t i) { return tokens[i].Kind; };
    const auto operatorOr = [&kind](std::size_t i, TTokenKind other) {
        return kind(i) == Operator || kind(i) == other;
    };
    // The end token follows the last token, so i + 1 is always a token.
    for (std::size_t i = 0; kind(i) != End; ++i) {
        if (kind(i) != Identifier) {
            continue;
        }
        if (i > 0 && !operatorOr(i - 1, OpenParenthesis)) {
            throw EExpressionError("Syntax error (2)");
        }
        if (!operatorOr(i + 1, CloseParenthesis) && kind(i + 1) != End) {
            throw EExpressionError("Syntax error (3)");
        }
    }
    for (std::size_t i = 0; kind(i) != End; ++i) {
        if (kind(i) == OpenParenthesis) {
            if (i > 0 && !operatorOr(i - 1, OpenParenthesis)) {
                throw EExpressionError("Syntax error (4)");
            }
            if (kind(i + 1) == CloseParenthesis) {
                throw EExpressionError("Syntax error (1)");
            }
        } else if (kind(i) == CloseParenthesis && !operatorOr(i + 1, CloseParenthesis) && kind(i + 1) != End) {
            throw EExpressionError("Syntax error (5)");
        }
    }
    // Where an operand is due only a sign may stand before it.
    bool operandDue = true;
    for (const TToken& token : tokens) {
        switch (token.Kind) {
        case Operator:
            if (operandDue && token.Text != "+" && token.Text != "-") {
                throw ETokenError("Operand or unary operator expected");
            }
            operandDue = true;
            break;
        case CloseParenthesis:
        case End:
            if (operandDue) {
                throw ETokenError("Operand expected");
            }
            break;
        case OpenParenthesis:
            operandDue = true;
            break;
        default:
            operandDue = false;
            break;
        }
    }
}

int Precedence(const TToken& token)
{
    if (token.Kind == TTokenKind::UnaryOperator) {
        return 3;
    }
    if (token.Kind == TTokenKind::End) {
        return 0;
    }
    if (token.Text == "*" || token.Text == "/") {
        return 2;
    }
    if (token.Text == "+" || token.Text == "-") {
        return 1;
    }
    return 0;
}

// One evaluation or check of one formula: the symbols it may use and what a
// division by zero means.
class Evaluator {
public:
    Evaluator(const std::vector<TSymbol>& symbols, bool evaluate, bool zeroOnDivisionByZero)
        : symbols_(symbols), evaluate_(evaluate), zeroOnDivisionByZero_(zeroOnDivisionByZero)
    {
    }

    // Level counts the calls of Go the text is evaluated in, the outermost
    // being 1. An error passing through is prefixed with the text of its level,
    // for the innermost levels only; the first level left out says so with "...".
    double Go(const std::string& text, int level = 1)
    {
        try {
            // A formula of a permitted length stays within this bound (see
            // MaximaleFormuleDiepte); the bound holds whatever text gets here.
            if (level > MaximaleFormuleDiepte) {
                throw EExpressionError(FormuleTeDiepMelding());
            }
            // Checking and evaluating read the part with the same tokenizer
            // before anything in it is replaced.
            if (level == 1 && !text.empty()) {
                CheckSyntax(Tokenize(text));
            }
            return Rewrite(text, level);
        } catch (const Exception&) {
            ++failedLevels_;
            if (failedLevels_ <= MaxNamedLevels) {
                RethrowWithPrefix("Go: (" + Quoted(text) + ") ");
            }
            if (failedLevels_ == MaxNamedLevels + 1) {
                RethrowWithPrefix("... ");
            }
            throw;
        }
    }

private:
    // Replaces the first identifier, or else the first parenthesised part, by its
    // value and goes on with the result one level deeper; a text without either
    // is evaluated.
    double Rewrite(const std::string& text, int level)
    {
        if (text.empty()) {
            throw EExpressionError("Syntax error (1)");
        }

        std::size_t open = text.find('[');
        if (open != std::string::npos) {
            if (open > 0 && !IsOneOf(text[open - 1], "(*+-/")) {
                throw EExpressionError("Syntax error (2)");
            }
            const std::size_t close = FindMatching(text, open, '[', ']');
            if (close == std::string::npos) {
                // Cannot happen after ValidateExpression; stops an endless rewrite.
                throw EExpressionError("Syntax error");
            }
            if (close + 1 < text.size() && !IsOneOf(text[close + 1], ")*+-/")) {
                throw EExpressionError("Syntax error (3)");
            }
            const double value = LookUp(text.substr(open + 1, close - open - 1));
            return Go(ReplaceAll(text, text.substr(open, close - open + 1), ValueToText(value)), level + 1);
        }

        open = text.find('(');
        if (open == std::string::npos) {
            return Evaluate(Tokenize(text));
        }
        if (open > 0 && !IsOneOf(text[open - 1], "*+-/")) {
            throw EExpressionError("Syntax error (4)");
        }
        const std::size_t close = FindMatching(text, open, '(', ')');
        if (close == std::string::npos) {
            throw EExpressionError("Syntax error"); // as above
        }
        if (close + 1 < text.size() && !IsOneOf(text[close + 1], ")*+-/")) {
            throw EExpressionError("Syntax error (5)");
        }
        const std::string inner = text.substr(open + 1, close - open - 1);
        const double value = Go(inner, level + 1);
        return Go(ReplaceAll(text, "(" + inner + ")", ValueToText(value)), level + 1);
    }

    // While only checking a formula, no amount is read: every symbol counts as 1.
    double LookUp(const std::string& name) const
    {
        const std::string wanted = ToUpperUtf8(name);
        for (const TSymbol& symbol : symbols_) {
            if (ToUpperUtf8(symbol.Name) == wanted) {
                const double value = evaluate_ ? symbol.Value() : 1.0;
                if (!IsUsable(value)) {
                    throw EExpressionError("[" + symbol.Name + "] heeft geen waarde om mee te rekenen.");
                }
                return value;
            }
        }
        throw EExpressionError("Symbol not found in SymbolTable");
    }

    // Operator precedence with two stacks. Unary operators bind strongest, then
    // * and /, then + and -; equal precedence is applied left to right. Every
    // intermediate result is kept as text, so it carries 15 significant digits.
    double Evaluate(const std::vector<TToken>& tokens) const
    {
        std::vector<TToken> operands;
        std::vector<TToken> operators;
        std::size_t i = 0;
        while (i < tokens.size()) {
            for (; tokens[i].Kind == TTokenKind::Operator; ++i) {
                if (tokens[i].Text != "+" && tokens[i].Text != "-") {
                    throw ETokenError("Operand or unary operator expected");
                }
                operators.push_back({TTokenKind::UnaryOperator, tokens[i].Text});
            }
            if (tokens[i].Kind != TTokenKind::Number) {
                throw ETokenError("Operand expected");
            }
            operands.push_back(tokens[i]);
            // The end token always follows the last number.
            const TToken& next = tokens[i + 1];
            if (next.Kind != TTokenKind::Operator && next.Kind != TTokenKind::End) {
                throw ETokenError("Operator expected");
            }
            while (!operators.empty() && Precedence(operators.back()) >= Precedence(next)) {
                const TToken op = operators.back();
                operators.pop_back();
                operands.push_back({TTokenKind::Number, ValueToText(Apply(op, operands))});
            }
            operators.push_back({TTokenKind::BinaryOperator, next.Text});
            i += 2;
        }
        return TextToValue(PopOperand(operands));
    }

    static std::string PopOperand(std::vector<TToken>& operands)
    {
        if (operands.empty() || operands.back().Kind != TTokenKind::Number) {
            throw EExpressionError("Token is not an operand");
        }
        std::string text = std::move(operands.back().Text);
        operands.pop_back();
        return text;
    }

    double Apply(const TToken& op, std::vector<TToken>& operands) const
    {
        const double result = Operate(op, operands);
        if (!IsUsable(result)) {
            throw EExpressionError("De uitkomst van de formule is te groot om mee te rekenen.");
        }
        return result;
    }

    double Operate(const TToken& op, std::vector<TToken>& operands) const
    {
        if (op.Kind == TTokenKind::UnaryOperator) {
            const double x = TextToValue(PopOperand(operands));
            if (op.Text == "-") {
                return -x;
            }
            if (op.Text == "+") {
                return x;
            }
            throw EExpressionError("Unknown operator");
        }
        if (op.Kind != TTokenKind::BinaryOperator) {
            throw EExpressionError("Token is not an operator");
        }
        const std::string right = PopOperand(operands);
        const std::string left = PopOperand(operands);
        const double x = TextToValue(left);
        const double y = TextToValue(right);
        if (op.Text == "+") {
            return x + y;
        }
        if (op.Text == "-") {
            return x - y;
        }
        if (op.Text == "*") {
            return x * y;
        }
        if (op.Text == "/") {
            if (y != 0) {
                return x / y;
            }
            if (evaluate_ && !zeroOnDivisionByZero_) {
                throw EExpressionError("ExprEval: Division by zero");
            }
            return 0;
        }
        throw EExpressionError("Unknown operator");
    }

    const std::vector<TSymbol>& symbols_;
    bool evaluate_;
    bool zeroOnDivisionByZero_;
    int failedLevels_ = 0; // levels an error has passed through so far
};

// Splits the formula at "|" into at most three parts and evaluates each; no
// values for an empty formula.
std::vector<double> EvaluateParts(const std::string& formula, Evaluator&& evaluator)
{
    // Before anything else, each in one pass over the text however long it is:
    // a nesting deeper than the evaluator goes, then a formula longer than any
    // stored one.
    if (Nesting(formula) > MaximaleFormuleDiepte) {
        throw EExpressionError(FormuleTeDiepMelding());
    }
    if (TooLong(formula)) {
        throw EExpressionError(FormuleTeLangMelding());
    }

    std::string rest;
    std::copy_if(formula.begin(), formula.end(), std::back_inserter(rest),
                 [](char c) { return c != ' '; });
    if (rest.empty()) {
        return {};
    }
    if (std::count(rest.begin(), rest.end(), '|') > 2) {
        throw EExpressionError("Too many pipelines '|' in expression");
    }
    std::vector<std::string> parts;
    for (std::size_t bar = rest.find('|'); bar != std::string::npos; bar = rest.find('|')) {
        if (bar + 1 == rest.size()) {
            throw EExpressionError("Syntax error");
        }
        parts.push_back(rest.substr(0, bar));
        rest.erase(0, bar + 1);
    }
    parts.push_back(rest);

    std::vector<double> values;
    for (const std::string& part : parts) {
        ValidateExpression(part);
        values.push_back(evaluator.Go(part));
    }
    return values;
}

} // namespace

std::string FormuleTeLangMelding()
{
    return "De formule is langer dan " + std::to_string(MaximaleFormuleLengte) + " tekens.";
}

std::string FormuleTeDiepMelding()
{
    return "De formule is te diep genest (meer dan " + std::to_string(MaximaleFormuleDiepte) + " niveaus).";
}

void ControleerFormuleLengte(std::string_view veld, std::string_view formule)
{
    if (TooLong(formule)) {
        throw EExpressionError(std::string(veld) + ": " + FormuleTeLangMelding());
    }
}

double CalculateExpression(const std::string& formula, const std::vector<TSymbol>& symbols,
                           bool zeroOnDivisionByZero)
{
    try {
        const std::vector<double> values =
            EvaluateParts(formula, Evaluator(symbols, true, zeroOnDivisionByZero));
        switch (values.size()) {
        case 0:
            return 0;
        case 1:
            return values[0];
        case 2: // value|minimum
            return values[0] < values[1] ? values[1] : values[0];
        default: // value|minimum|maximum; the minimum wins when they cross
            if (values[0] < values[1]) {
                return values[1];
            }
            return values[0] > values[2] ? values[2] : values[0];
        }
    } catch (const Exception&) {
        RethrowWithPrefix("CalculateExpression: ");
    }
}

bool IsValidExpression(const std::string& formula, const std::vector<TSymbol>& symbols)
{
    try {
        EvaluateParts(formula, Evaluator(symbols, false, true));
        return true;
    } catch (...) {
        return false;
    }
}

void ValidateExpression(const std::string& text)
{
    // A closing character before its opening one stops the count below zero.
    const auto balanced = [&text](char opening, char closing) {
        int depth = 0;
        for (const char c : text) {
            if (c == opening) {
                ++depth;
            } else if (c == closing) {
                --depth;
            }
            if (depth < 0) {
                break;
            }
        }
        return depth == 0;
    };
    if (!balanced('(', ')')) {
        throw EExpressionError("ValidateExpression: Syntax error (1)");
    }
    if (!balanced('[', ']')) {
        throw EExpressionError("ValidateExpression: Syntax error (2)");
    }
}

} // namespace vkt
