#include "db/KeyList.h"

#include "common/Text.h"

namespace vkt::db {
namespace {

std::string KeyPart(const std::string& line) { return line.substr(0, line.find('=')); }

std::string TextPart(const std::string& line)
{
    const auto equals = line.find('=');
    return equals == std::string::npos ? std::string() : line.substr(equals + 1);
}

} // namespace

std::vector<std::string> TKeyList::Items() const
{
    std::vector<std::string> items;
    for (const std::string& line : lines_)
        items.push_back(TextPart(line));
    return items;
}

std::string TKeyList::KeyOf(const std::string& text) const
{
    for (const std::string& line : lines_)
        if (TextPart(line) == text)
            return KeyPart(line);
    return {};
}

std::string TKeyList::TextOf(const std::string& key) const
{
    for (const std::string& line : lines_)
        if (EqualsIgnoreCase(KeyPart(line), key))
            return TextPart(line);
    return {};
}

} // namespace vkt::db
