#pragma once

#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <iosfwd>
#include <string>
#include <string>
#include <vector>

namespace vkt::test {

// What a command wrote and returned.
struct Uitvoer {
    int code;
    std::string uit;
    std::string fout;
};

// Whether the command ended with exit code code, a message on its error
// stream holding melding, and nothing on its output.
::testing::AssertionResult Geweigerd(const Uitvoer& uitvoer, int code, const std::string& melding);

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

// Runs SQL on the employee database of the test, as the program opens it.
void VoerSqlUit(const EigenDatabases& databases, const std::string& sql);

// The program itself, found beside the databases that were built.
std::string Programma();

// Runs the program with the databases of the test (VKT2020_DATA), its
// standard output and errors to the file uitvoer; returns its exit status
// (128 + the signal when a signal ended it).
int VoerProgrammaUit(const std::string& argumenten, const std::string& uitvoer);

// Starts the program as VoerProgrammaUit does, without waiting for it;
// returns its process id.
int StartProgramma(const std::string& argumenten, const std::string& uitvoer);
// Waits for a started program; its exit status as VoerProgrammaUit gives it.
int WachtOp(int proces);

// The text of a file.
std::string LeesBestand(const std::string& bestand);

// The number after the first "sleutel": in JSON text; NaN when there is none.
double JsonGetal(const std::string& json, const std::string& sleutel, std::size_t vanaf = 0);
// The same number as written.
std::string JsonTekst(const std::string& json, const std::string& sleutel, std::size_t vanaf = 0);

} // namespace vkt::test
