#include "common/Text.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <charconv>
#include <cstdio>
#include <utility>

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

namespace {

// The code point that starts at text[i] and the number of its bytes; 0 bytes
// when no well-formed UTF-8 character starts there (a stray continuation
// byte, a sequence cut short, an overlong form, a surrogate or a value above
// U+10FFFF).
struct TTeken {
    char32_t Code = 0;
    std::size_t Lengte = 0;
};

TTeken LeesTeken(std::string_view text, std::size_t i)
{
    const auto byte = [&](std::size_t j) { return static_cast<unsigned char>(text[j]); };
    const unsigned char eerste = byte(i);
    if (eerste < 0x80)
        return {eerste, 1};
    const std::size_t lengte = eerste >= 0xF8 ? 0 : eerste >= 0xF0 ? 4 : eerste >= 0xE0 ? 3 : eerste >= 0xC0 ? 2 : 0;
    if (lengte == 0 || i + lengte > text.size())
        return {};
    char32_t code = eerste & (0x7F >> lengte);
    for (std::size_t j = i + 1; j < i + lengte; ++j) {
        if ((byte(j) & 0xC0) != 0x80)
            return {};
        code = (code << 6) | (byte(j) & 0x3F);
    }
    constexpr char32_t kKleinste[] = {0, 0, 0x80, 0x800, 0x10000};
    if (code < kKleinste[lengte] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
        return {};
    return {code, lengte};
}

bool IsBesturingsteken(char32_t code)
{
    return code < 0x20 || (code >= 0x7F && code <= 0x9F) || code == 0x2028 || code == 0x2029;
}

// The character that starts at text[i] as ZichtbareTekst writes it, and the
// number of bytes it takes of text.
std::pair<std::string, std::size_t> ZichtbaarTeken(std::string_view text, std::size_t i)
{
    const TTeken teken = LeesTeken(text, i);
    if (teken.Lengte != 0 && !IsBesturingsteken(teken.Code))
        return {std::string(text.substr(i, teken.Lengte)), teken.Lengte};
    const auto byte = static_cast<unsigned char>(text[i]);
    if (byte == '\t')
        return {"\\t", 1};
    if (byte == '\n')
        return {"\\n", 1};
    if (byte == '\r')
        return {"\\r", 1};
    char hex[8];
    std::snprintf(hex, sizeof hex, "\\x%02X", byte);
    return {hex, 1};
}

// A whole number with a point between groups of three digits: "131.072".
std::string MetDuizendtallen(std::size_t getal)
{
    std::string cijfers = std::to_string(getal);
    for (std::size_t i = cijfers.size(); i > 3; i -= 3)
        cijfers.insert(i - 3, ".");
    return cijfers;
}

} // namespace

namespace {

std::string Zichtbaar(std::string_view text, bool regels)
{
    std::string zichtbaar;
    zichtbaar.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        if (regels && text[i] == '\n') {
            zichtbaar += '\n';
            ++i;
            continue;
        }
        const auto [teken, lengte] = ZichtbaarTeken(text, i);
        zichtbaar += teken;
        i += lengte;
    }
    return zichtbaar;
}

} // namespace

std::string ZichtbareTekst(std::string_view text) { return Zichtbaar(text, false); }

std::string ZichtbareRegels(std::string_view text) { return Zichtbaar(text, true); }

std::string Citaat(std::string_view waarde, std::size_t lengte)
{
    std::string citaat = "'";
    std::size_t tekens = 0;
    std::size_t i = 0;
    while (i < waarde.size()) {
        const auto [teken, bytes] = ZichtbaarTeken(waarde, i);
        const std::size_t breedte = Utf8Length(teken);
        if (tekens + breedte > lengte)
            break;
        citaat += teken;
        tekens += breedte;
        i += bytes;
    }
    if (i == waarde.size())
        return citaat + "'";
    return citaat + "…' (" + MetDuizendtallen(Utf8Length(waarde)) + " tekens)";
}

std::string Systeemfout(int code)
{
    switch (code) {
    case ENOSPC: return "de schijf is vol";
    case EDQUOT: return "de schijfruimte van de gebruiker is op";
    case EFBIG: return "het bestand wordt te groot";
    case EACCES:
    case EPERM: return "daarvoor ontbreekt de toestemming";
    case EROFS: return "het bestandssysteem is alleen te lezen";
    case ENOENT: return "de map of het bestand bestaat niet";
    case ENOTDIR: return "een deel van het pad is geen map";
    case EISDIR: return "het is een map";
    case EEXIST: return "het bestaat al";
    case ENAMETOOLONG: return "de naam is te lang";
    case ELOOP: return "te veel symbolische koppelingen";
    case EMFILE:
    case ENFILE: return "er zijn te veel bestanden open";
    case EPIPE: return "de ontvanger heeft de verbinding gesloten";
    case EIO: return "een invoer- of uitvoerfout van het apparaat";
    case EXDEV: return "het ligt op een ander bestandssysteem";
    case EBUSY: return "het is in gebruik";
    case ENOMEM: return "er is niet genoeg geheugen";
    default: return "systeemfout " + std::to_string(code);
    }
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
