#pragma once

#include <optional>
#include <string>

namespace vkt {

class TInstellingen;

// The part of the settings store a key belongs to; the program only keeps
// settings of the current user.
enum TRegRoot : int { rrHuidigeGebruiker = 0 };

// Access to one key of the per-user settings store at a time.
class TRegGeg {
public:
    explicit TRegGeg(TInstellingen& instellingen) : instellingen_(instellingen) {}
    virtual ~TRegGeg() = default;

    // Makes the key the open key; a missing key is created only when
    // magMaken. False when the key is not there (or could not be created).
    bool OpenKey(TRegRoot root, const std::string& pad, bool magMaken);
    void CloseKey() { openSleutel_.reset(); }

protected:
    // A text value of the open key; empty when there is none.
    std::string ReadString(const std::string& naam) const;
    // False when no key is open or the store refuses the value.
    bool WriteString(const std::string& naam, const std::string& waarde);

private:
    TInstellingen& instellingen_;
    std::optional<std::string> openSleutel_;
};

// The program's own per-user settings: the calculation that was open when
// the program last ended, so it can be opened again at the next start.
class TSysteemGeg : public TRegGeg {
public:
    static constexpr const char* Sleutel = "SOFTWARE\\Zyrdo Software\\Quelvar2001\\User";
    static constexpr const char* WaardeLaatsteWN = "LaatsteWN";

    using TRegGeg::TRegGeg;

    // Reads LaatsteWN; empty when it was never written.
    void LeesGegevens();
    // Writes LaatsteWN, creating the key when needed; false when the store
    // refused it.
    bool SchrijfGegevens();

    std::string LaatsteWN; // employee number as decimal text
};

} // namespace vkt
