#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace vkt::cli {

// The version of the program, as the build names it.
std::string ProgrammaVersie();

// The description of a command of the program, as the main help lists it
// and the command's own help begins.
std::string OpdrachtOmschrijving(const std::string& opdracht);

// vkt2020-cli itself: the main help, the version, or the command named by
// the first argument with the rest of the arguments. Returns the exit code;
// a command that could not write all its output fails with exit code 1.
int Hoofdprogramma(const std::vector<std::string>& argumenten, std::ostream& uit, std::ostream& fout);

} // namespace vkt::cli
