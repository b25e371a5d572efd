#pragma once

#include "cli/Tekenfuncties.h"

namespace vkt::cli {

// Loads the drawing module once: beside the program (a build folder), else
// where an installed program keeps it. Raises vkt::Exception saying why
// when it cannot be loaded.
const TTekenfuncties& Tekenfuncties();

} // namespace vkt::cli
