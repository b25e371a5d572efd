#pragma once

#include <string>
#include <string_view>

namespace vkt {

std::string ToUpperAscii(std::string_view text);
std::string ToLowerAscii(std::string_view text);
bool EqualsIgnoreCase(std::string_view a, std::string_view b);
// Upper case for UTF-8 text: ASCII letters and the accented letters of Latin-1.
std::string ToUpperUtf8(std::string_view text);

// The shortest text that reads back as the same double, with "." as decimal
// separator ("1680", "0.02812").
std::string ShortestNumber(double value);

} // namespace vkt
