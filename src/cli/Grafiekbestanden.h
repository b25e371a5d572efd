#pragma once

#include "calc/Loonverloop.h"

#include <string>

namespace vkt::cli {

class TOpdrachtregel;

// The chart of a wage curve as the desktop program shows it, as a PNG
// picture and as an SVG drawing. Only a build with the desktop program (Qt)
// can write them.
struct TGrafiekbestanden {
    std::string Png;
    std::string Svg;
};

// The options --png BESTAND and --svg BESTAND, when this build can write them.
void VoegGrafiekbestandenToe(TOpdrachtregel& regel);
// A paragraph for the command's help about these options.
std::string GrafiekbestandenUitleg();
TGrafiekbestanden LeesGrafiekbestanden(const TOpdrachtregel& regel);

// Writes the files asked for, drawing offscreen without a display. Raises
// vkt::Exception when a file cannot be written.
void SchrijfGrafiekbestanden(const TGrafiekbestanden& bestanden, const TLoonverloop& verloop);

} // namespace vkt::cli
