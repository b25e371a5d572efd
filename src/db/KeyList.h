#pragma once

#include <string>
#include <vector>

namespace vkt::db {

// The choices of a drop-down that stores a key and shows a text, as lines
// "key=display text" (for the pay periods: "1=Kwartaal", "2=Maand", ...).
// A line without "=" is a key with an empty text.
class TKeyList {
public:
    TKeyList() = default;
    explicit TKeyList(std::vector<std::string> lines) : lines_(std::move(lines)) {}

    const std::vector<std::string>& Lines() const { return lines_; }
    void Add(const std::string& key, const std::string& text) { lines_.push_back(key + "=" + text); }
    bool Empty() const { return lines_.empty(); }

    // The display texts in list order: the items of the drop-down.
    std::vector<std::string> Items() const;
    // The key of the first line whose text equals the shown text exactly; empty when none does.
    std::string KeyOf(const std::string& text) const;
    // The text of the first line with that key (letter case ignored); empty for an unknown key.
    std::string TextOf(const std::string& key) const;

private:
    std::vector<std::string> lines_;
};

} // namespace vkt::db
