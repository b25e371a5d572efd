#include "common/Text.h"

#include <algorithm>
#include <cctype>
#include <charconv>

namespace vkt {

std::string ToUpperAscii(std::string_view text)
{
    std::string result(text);
    std::transform(result.begin(), result.end(), result.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return result;
}

std::string ToLowerAscii(std::string_view text)
{
    std::string result(text);
    std::transform(result.begin(), result.end(), result.begin(), LowerAscii);
    return result;
}

bool EqualsIgnoreCase(std::string_view a, std::string_view b)
{
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return LowerAscii(x) == LowerAscii(y); });
}

std::string ToUpperUtf8(std::string_view text)
{
    std::string result = ToUpperAscii(text);
    // Latin-1 small letters U+00E0..U+00FE (but U+00F7) are encoded C3 A0..C3 BE;
    // their capitals lie 0x20 lower.
    for (std::size_t i = 0; i + 1 < result.size(); ++i) {
        const auto lead = static_cast<unsigned char>(result[i]);
        const auto next = static_cast<unsigned char>(result[i + 1]);
        if (lead == 0xC3 && next >= 0xA0 && next <= 0xBE && next != 0xB7) {
            result[i + 1] = static_cast<char>(next - 0x20);
            ++i;
        }
    }
    return result;
}

std::string ShortestNumber(double value)
{
    char buffer[64];
    const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value);
    return error == std::errc{} ? std::string(buffer, end) : std::string("0");
}

namespace {
bool IsVervolgbyte(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }
} // namespace

std::size_t Utf8Length(std::string_view text)
{
    return static_cast<std::size_t>(std::count_if(text.begin(), text.end(), [](char c) { return !IsVervolgbyte(c); }));
}

std::string Utf8Left(std::string_view text, std::size_t n)
{
    std::size_t tekens = 0;
    for (std::size_t i = 0; i < text.size(); ++i)
        if (!IsVervolgbyte(text[i]) && tekens++ == n)
            return std::string(text.substr(0, i));
    return std::string(text);
}

std::string_view TrimView(std::string_view text)
{
    const auto leeg = [](char c) { return static_cast<unsigned char>(c) <= ' '; };
    while (!text.empty() && leeg(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && leeg(text.back()))
        text.remove_suffix(1);
    return text;
}

std::string Trim(std::string_view text) { return std::string(TrimView(text)); }

} // namespace vkt
