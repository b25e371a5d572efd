#pragma once

#include "common/DateTime.h"
#include "model/DmConstanten.h"
#include "store/DmVektaris.h"

#include <filesystem>

namespace vkt {

class TMeldingen;

// Both databases of the program, opened as the program starts: the employee
// database first (held for the program or shared for reading, with its
// version checked), then the constants of the three effective dates, read and
// closed again; last the employer and the employee queries.
class TDatabases {
public:
    explicit TDatabases(const std::filesystem::path& databaseMap);
    TDatabases(const TDatabases&) = delete;
    TDatabases& operator=(const TDatabases&) = delete;

    // False when either database cannot be used or holds no employer; what
    // went wrong has then been shown through meldingen. berekeningsdatum
    // chooses the constants the calculation starts with.
    bool Openen(TDateTime berekeningsdatum, TMeldingen& meldingen, TToegang toegang = TToegang::Exclusief);

    TdmConstanten Constanten;
    TdmVektaris Werknemers;
};

// Opens the constants database, loads the three effective dates and closes it
// again. On failure it shows the start-up message with the cause and returns
// false.
bool OpenConstanten(TdmConstanten& constanten, TMeldingen& meldingen);

} // namespace vkt
