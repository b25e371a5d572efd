#pragma once

#include <iosfwd>

namespace vkt {
class TdmConstanten;
}

namespace vkt::cli {

// Opens the constants database, loads the three effective dates and closes
// it again, as the program does at start-up. On failure it writes the
// start-up message with the cause and returns false.
bool OpenConstanten(TdmConstanten& constanten, std::ostream& fout);

} // namespace vkt::cli
