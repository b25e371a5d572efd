#pragma once

#include <string>
#include <vector>

namespace vkt::cli {

class TOpdrachtregel;

// The statement as the desktop program prints it (a PDF file) and exports it
// (an OpenDocument text), with its standard font and no margins. Only a
// build with the desktop program (Qt) can write them.
struct TRapportbestanden {
    std::string Pdf;
    std::string Odt;
};

// The options --pdf BESTAND and --odt BESTAND, when this build can write them.
void VoegRapportbestandenToe(TOpdrachtregel& regel);
// A paragraph for the command's help about these options.
std::string RapportbestandenUitleg();
TRapportbestanden LeesRapportbestanden(const TOpdrachtregel& regel);

// Writes the files asked for. Without a display Qt draws on its offscreen
// platform. Raises vkt::Exception when a file cannot be written.
void SchrijfRapportbestanden(const TRapportbestanden& bestanden, const std::vector<std::string>& regels);

} // namespace vkt::cli
