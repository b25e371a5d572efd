#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vkt {

// The longest name a calculation can have: the width of its column.
constexpr std::size_t MaximaleNaamLengte = 50;

// Why a calculation's name cannot be stored, or nothing when it can: it must
// be valid UTF-8 of at most MaximaleNaamLengte characters without control
// characters, which would break every list and terminal that shows it.
std::optional<std::string> NaamFout(std::string_view naam);

// The name as a terminal can show it: control characters written as \t, \n,
// \r or \xHH, and every byte that is no UTF-8 as \xHH.
std::string ZichtbareNaam(std::string_view naam);

} // namespace vkt
