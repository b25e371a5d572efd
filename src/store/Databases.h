#pragma once

#include "common/DataFolder.h"
#include "common/DateTime.h"
#include "model/DmConstanten.h"
#include "store/DmVektaris.h"

#include <filesystem>

namespace vkt {

class TInstellingen;
class TMeldingen;

// Both databases of the program, opened as the program starts: the employee
// database first (held for the program or shared for reading, with its
// version checked), then the constants of the three effective dates, read and
// closed again; last the employer and the employee queries.
class TDatabases {
public:
    // The last employee shown is kept in instellingen; without them only in
    // memory.
    explicit TDatabases(const TDatabasemappen& mappen);
    TDatabases(const TDatabasemappen& mappen, TInstellingen& instellingen);
    TDatabases(const TDatabases&) = delete;
    TDatabases& operator=(const TDatabases&) = delete;

    // False when either database cannot be used or holds no employer; what
    // went wrong has then been shown through meldingen. berekeningsdatum
    // chooses the constants the calculation starts with.
    bool Openen(TDateTime berekeningsdatum, TMeldingen& meldingen, TToegang toegang = TToegang::Exclusief);
    // Opens the employee database alone; a user of an installed program who
    // has none yet first gets one. False (and the reason shown) when it
    // cannot be used.
    bool OpenWerknemers(TMeldingen& meldingen, TToegang toegang = TToegang::Exclusief);

    TdmConstanten Constanten;
    TdmVektaris Werknemers;

private:
    TDatabasemappen mappen_;
};

// Opens the constants database, loads the three effective dates and closes it
// again. On failure it shows the start-up message with the cause and returns
// false.
bool OpenConstanten(TdmConstanten& constanten, TMeldingen& meldingen);

} // namespace vkt
