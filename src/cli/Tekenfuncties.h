#pragma once

#include "calc/Loonverloop.h"
#include "cli/Grafiekbestanden.h"
#include "cli/Rapportbestanden.h"

#include <string>
#include <vector>

namespace vkt::cli {

// What the drawing module does for the command line. Qt's libraries take
// longer to load than a batch of many thousands of rows takes to compute,
// so the program loads them, with this module, only when a file is to be
// drawn. Each function writes the files asked for and returns an empty text,
// or says why it could not.
struct TTekenfuncties {
    std::string (*SchrijfRapport)(const TRapportbestanden& bestanden, const std::vector<std::string>& regels);
    std::string (*SchrijfGrafiek)(const TGrafiekbestanden& bestanden, const TLoonverloop& verloop);
};

// The module's file name, beside the programs in a build folder.
inline constexpr const char* kTekenmodule = "vkt2020-tekenen.so";

} // namespace vkt::cli

// The one symbol the module exports.
extern "C" const vkt::cli::TTekenfuncties* vkt_tekenfuncties();
