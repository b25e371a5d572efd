#pragma once

#include <string>
#include <string_view>

namespace vkt::db {

// A stored value as a message quotes it: between single quotes, at most 60
// characters followed by "…" when it is longer, control characters and
// bytes that are no UTF-8 written as \xHH. A stored value can hold anything;
// the message must stay short and readable.
std::string Waardetekst(std::string_view value);

} // namespace vkt::db
