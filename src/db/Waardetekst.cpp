#include "db/Waardetekst.h"

#include <cstdio>

namespace vkt::db {
namespace {

constexpr std::size_t kMostCharacters = 60;

// The length of the UTF-8 character that starts at i, or 0 when the bytes
// there are no valid UTF-8 (overlong forms and surrogates included).
std::size_t CharacterLength(std::string_view text, std::size_t i)
{
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
    const unsigned char first = byte(i);
    if (first < 0x80)
        return 1;
    std::size_t length = 0;
    unsigned lowest = 0;
    if (first >= 0xC2 && first <= 0xDF) {
        length = 2;
    } else if (first >= 0xE0 && first <= 0xEF) {
        length = 3;
        lowest = 0x800;
    } else if (first >= 0xF0 && first <= 0xF4) {
        length = 4;
        lowest = 0x10000;
    } else {
        return 0;
    }
    if (i + length > text.size())
        return 0;
    unsigned code = first & (0x7F >> length);
    for (std::size_t k = 1; k < length; ++k) {
        if ((byte(i + k) & 0xC0) != 0x80)
            return 0;
        code = code << 6 | (byte(i + k) & 0x3F);
    }
    if (code < lowest || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
        return 0;
    return length;
}

std::string Escaped(unsigned char byte)
{
    char text[8];
    std::snprintf(text, sizeof text, "\\x%02X", byte);
    return text;
}

} // namespace

std::string Waardetekst(std::string_view value)
{
    std::string quoted = "'";
    std::size_t characters = 0;
    for (std::size_t i = 0; i < value.size(); ++characters) {
        if (characters == kMostCharacters)
            return quoted + "…'";
        const std::size_t length = CharacterLength(value, i);
        const auto first = static_cast<unsigned char>(value[i]);
        const bool control = length == 1 ? first < 0x20 || first == 0x7F
                                         : length == 2 && first == 0xC2 &&
                                               static_cast<unsigned char>(value[i + 1]) < 0xA0;
        if (length == 0 || control) {
            for (std::size_t k = 0; k < (length == 0 ? 1 : length); ++k)
                quoted += Escaped(static_cast<unsigned char>(value[i + k]));
            i += length == 0 ? 1 : length;
        } else {
            quoted.append(value.substr(i, length));
            i += length;
        }
    }
    return quoted + "'";
}

} // namespace vkt::db
