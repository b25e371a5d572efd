#pragma once

#include <nlohmann/json.hpp>

#include <iosfwd>

namespace vkt::cli {

// JSON objects keep the order in which their keys were added.
using Json = nlohmann::ordered_json;

// A number as JSON: a whole number without a decimal part (1680, not
// 1680.0), any other in its shortest exact form; null for infinity and NaN,
// which JSON has not.
Json JsonGetal(double waarde);

// Writes the JSON indented by two spaces and a line end. A text that is no
// UTF-8 (a damaged name in the database) gets the replacement character
// rather than stopping the output.
void SchrijfJson(std::ostream& uit, const Json& json);

} // namespace vkt::cli
