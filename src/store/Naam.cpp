#include "store/Naam.h"

#include <cstdio>

namespace vkt {
namespace {

// The code point that starts at tekst[i] and the number of its bytes; 0
// bytes when no well-formed UTF-8 character starts there (a stray
// continuation byte, a sequence cut short, an overlong form, a surrogate or
// a value above U+10FFFF).
struct TTeken {
    char32_t Code = 0;
    std::size_t Lengte = 0;
};

TTeken LeesTeken(std::string_view tekst, std::size_t i)
{
    const auto byte = [&](std::size_t j) { return static_cast<unsigned char>(tekst[j]); };
    const unsigned char eerste = byte(i);
    if (eerste < 0x80)
        return {eerste, 1};
    const std::size_t lengte = eerste >= 0xF8 ? 0 : eerste >= 0xF0 ? 4 : eerste >= 0xE0 ? 3 : eerste >= 0xC0 ? 2 : 0;
    if (lengte == 0 || i + lengte > tekst.size())
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

// C0 and C1 controls, DEL, and the line and paragraph separators.
bool IsBesturingsteken(char32_t code)
{
    return code < 0x20 || (code >= 0x7F && code <= 0x9F) || code == 0x2028 || code == 0x2029;
}

std::string Hex(unsigned char byte)
{
    char tekst[8];
    std::snprintf(tekst, sizeof tekst, "\\x%02X", byte);
    return tekst;
}

} // namespace

std::optional<std::string> NaamFout(std::string_view naam)
{
    std::size_t tekens = 0;
    for (std::size_t i = 0; i < naam.size(); ++tekens) {
        const TTeken teken = LeesTeken(naam, i);
        if (teken.Lengte == 0)
            return "de naam is geen geldige UTF-8-tekst.";
        if (IsBesturingsteken(teken.Code))
            return "een naam mag geen tab, regelovergang of ander besturingsteken bevatten.";
        i += teken.Lengte;
    }
    if (tekens > MaximaleNaamLengte)
        return "een naam heeft ten hoogste " + std::to_string(MaximaleNaamLengte) + " tekens.";
    return std::nullopt;
}

std::string ZichtbareNaam(std::string_view naam)
{
    std::string zichtbaar;
    for (std::size_t i = 0; i < naam.size();) {
        const TTeken teken = LeesTeken(naam, i);
        if (teken.Lengte == 0 || IsBesturingsteken(teken.Code)) {
            const unsigned char byte = static_cast<unsigned char>(naam[i]);
            zichtbaar += byte == '\t' ? "\\t" : byte == '\n' ? "\\n" : byte == '\r' ? "\\r" : Hex(byte);
            ++i;
            continue;
        }
        zichtbaar += naam.substr(i, teken.Lengte);
        i += teken.Lengte;
    }
    return zichtbaar;
}

} // namespace vkt
