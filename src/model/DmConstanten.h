#pragma once

#include "common/DateTime.h"
#include "db/Connection.h"
#include "db/Query.h"
#include "model/Fiscaal.h"

#include <filesystem>

namespace vkt {

// The constants data module: reads the fiscal parameters of the effective
// dates 1 January, 1 April and 1 July 2020 from the read-only constants
// database once, and hands out the record of a calculation date.
class TdmConstanten {
public:
    static constexpr const char* Bestandsnaam = "VktC2020.db";

    // databaseMap is the folder of the constants database; vandaag the date
    // from which the first calculation date is taken.
    explicit TdmConstanten(std::filesystem::path databaseMap, TDateTime vandaag = Today());

    // Connects to the constants database and loads and checks every figure
    // of the three effective dates, so that a database that misses any
    // (a table without the rows of a date, an empty value) is refused before
    // the program starts; throws an EQuelvarException with the cause, naming
    // the table, when it cannot.
    bool Openen();
    // Fills the three constants objects; an EQuelvarException naming the
    // date and the table when a figure is missing.
    void LaadConstanten();
    // Disconnects; false when that failed.
    bool Sluiten();
    // The constants object of Berekeningsdatum.
    TQuelvarConst& GetConstanten();
    // The constants object of a calculation date; only reads, so calculations
    // on several threads may share the module.
    const TQuelvarConst& ConstantenOp(TDateTime datum) const;
    // Reloads the minimum wages of the constants object of a date (the
    // connection opens again when it was closed).
    void LaadMinimumloon(TDateTime datum);

    // Today's day and month in 2020 while today is not after 31 December 2020,
    // else 31 December 2020.
    static TDateTime BeginBerekeningsdatum(TDateTime vandaag);

    TDateTime Berekeningsdatum;

    db::Connection adbConst;
    db::Query qrySociaalFiscaal;
    db::Query qryMinimumloon;
    db::Query qryBijzondereTabellen;
    db::Query qryPremieloon;
    db::Query qryPercentages;

private:
    TQuelvarConst& ConstantenVan(TDateTime datum);
    void LaadIngangsdatum(TQuelvarConst& constanten);
    void ControleerPercentages();
    void OpenQuery(db::Query& query, const char* statement, TDateTime datum);

    std::filesystem::path databaseMap_;
    TQuelvarConst januari_;
    TQuelvarConst april_;
    TQuelvarConst juli_;
};

} // namespace vkt
