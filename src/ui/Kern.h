#pragma once

#include <memory>

namespace vkt {
class TBerekening;
class TBerekeningOpslag;
class TdmConstanten;
class TdmVektaris;
class TGegevensScherm;
class TMeldingen;
class TSocialeFondsen;
class TVasteHeffingsgegevens;
class TWerknemerRecords;
} // namespace vkt

namespace vkt::ui {

// The core objects the main window works on. The application owns them and
// hands them to the window; the window keeps no core state of its own
// beyond what it shows.
struct TKern {
    TdmVektaris& Werknemers;
    TdmConstanten& Constanten;
    TGegevensScherm& Scherm;      // the bound fields, output sets and data groups
    TSocialeFondsen& Fondsen;     // the funds of the open calculation
    TWerknemerRecords& Records;
    TBerekeningOpslag& Opslag;    // also holds the window's record mode
    TMeldingen& Meldingen;
    std::unique_ptr<TVasteHeffingsgegevens>& Vast; // the regular levy data of the open calculation
    TBerekening& Berekening;      // the last run
    bool SsoStart = false;        // leave the highlight colour alone
};

} // namespace vkt::ui
