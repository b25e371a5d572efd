#pragma once

#include <map>
#include <optional>
#include <set>
#include <string>

namespace vkt {

// A per-user settings store: keys named by a path such as "SOFTWARE\A\B",
// each holding named text values. The desktop program keeps them in the
// user's settings; code without a window uses TGeheugenInstellingen.
class TInstellingen {
public:
    virtual ~TInstellingen() = default;

    virtual bool SleutelBestaat(const std::string& sleutel) const = 0;
    // Creates the key and the keys above it; false when the store refuses.
    virtual bool MaakSleutel(const std::string& sleutel) = 0;
    // The value, or nothing when the key or the value does not exist.
    virtual std::optional<std::string> LeesTekst(const std::string& sleutel, const std::string& naam) const = 0;
    // Writes a value of an existing key; false when the store refuses.
    virtual bool SchrijfTekst(const std::string& sleutel, const std::string& naam, const std::string& waarde) = 0;
};

// Settings kept in memory for the lifetime of the object.
class TGeheugenInstellingen : public TInstellingen {
public:
    bool SleutelBestaat(const std::string& sleutel) const override;
    bool MaakSleutel(const std::string& sleutel) override;
    std::optional<std::string> LeesTekst(const std::string& sleutel, const std::string& naam) const override;
    bool SchrijfTekst(const std::string& sleutel, const std::string& naam, const std::string& waarde) override;

private:
    std::set<std::string> sleutels_;
    std::map<std::string, std::map<std::string, std::string>> waarden_; // key → name → value
};

} // namespace vkt
