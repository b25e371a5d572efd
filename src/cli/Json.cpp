#include "cli/Json.h"

#include "common/Text.h"

#include <cmath>
#include <cstdio>

namespace vkt::cli {
namespace {

std::string Quoted(const std::string& text)
{
    std::string out = "\"";
    for (const char c : text) {
        switch (c) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\t':
            out += "\\t";
            break;
        default:
            if (static_cast<unsigned char>(c) < 0x20) {
                char escape[8];
                std::snprintf(escape, sizeof escape, "\\u%04x", c);
                out += escape;
            } else {
                out += c;
            }
        }
    }
    return out + "\"";
}

} // namespace

std::string Json::Dump(int indent) const
{
    const std::string inner(static_cast<std::size_t>(indent + 2), ' ');
    const std::string outer(static_cast<std::size_t>(indent), ' ');
    if (std::holds_alternative<std::nullptr_t>(value_))
        return "null";
    if (const auto* waarde = std::get_if<bool>(&value_))
        return *waarde ? "true" : "false";
    if (const auto* number = std::get_if<double>(&value_))
        return std::isfinite(*number) ? ShortestNumber(*number) : "null"; // JSON has no infinity or NaN
    if (const auto* text = std::get_if<std::string>(&value_))
        return Quoted(*text);
    if (const auto* object = std::get_if<Object>(&value_)) {
        if (object->empty())
            return "{}";
        std::string out = "{\n";
        for (std::size_t i = 0; i < object->size(); ++i)
            out += inner + Quoted((*object)[i].first) + ": " + (*object)[i].second.Dump(indent + 2) +
                   (i + 1 < object->size() ? ",\n" : "\n");
        return out + outer + "}";
    }
    const Array& array = std::get<Array>(value_);
    if (array.empty())
        return "[]";
    std::string out = "[\n";
    for (std::size_t i = 0; i < array.size(); ++i)
        out += inner + array[i].Dump(indent + 2) + (i + 1 < array.size() ? ",\n" : "\n");
    return out + outer + "]";
}

} // namespace vkt::cli
