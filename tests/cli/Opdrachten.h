#pragma once

#include "support/TempFolder.h"

#include <iosfwd>
#include <string>
#include <vector>

namespace vkt::test {

// What a command wrote and returned.
struct Uitvoer {
    int code;
    std::string uit;
    std::string fout;
};

using Opdracht = int (*)(const std::vector<std::string>&, std::ostream&, std::ostream&);
Uitvoer Voer(Opdracht opdracht, const std::vector<std::string>& argumenten);

// Copies of both built databases in a fresh folder, which VKT2020_DATA names
// while the object lives: the commands hold the employee database
// exclusively, so tests running side by side each need their own.
class EigenDatabases {
public:
    EigenDatabases();
    ~EigenDatabases();
    EigenDatabases(const EigenDatabases&) = delete;
    EigenDatabases& operator=(const EigenDatabases&) = delete;

    const TempFolder& Map() const { return map_; }

private:
    std::string oud_;
    TempFolder map_;
};

// The number after the first "sleutel": in JSON text; NaN when there is none.
double JsonGetal(const std::string& json, const std::string& sleutel, std::size_t vanaf = 0);
// The same number as written.
std::string JsonTekst(const std::string& json, const std::string& sleutel, std::size_t vanaf = 0);

} // namespace vkt::test
