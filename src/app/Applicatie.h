#pragma once

#include "calc/Berekening.h"
#include "store/BerekeningOpslag.h"
#include "store/Databases.h"
#include "store/Gegevensscherm.h"
#include "store/SocialeFondsen.h"
#include "store/WerknemerRecords.h"
#include "ui/Kern.h"

#include <memory>

namespace vkt {
class TInstellingen;
class TMeldingen;
} // namespace vkt

namespace vkt::ui {
class TfrmMain;
}

namespace vkt::app {

// The organisation and application names the desktop files the program's
// data under: "Zyrdo Software" and "Vkt2020", so that its application-data
// folder is the one the command line uses too (GebruikersDataMap).
void ZetProgrammanamen();

// How the program is started.
struct TStartopties {
    bool SsoStart = false;     // leave the highlight colour alone
    bool Startvenster = true;  // the start window, closed by the user
    bool ZonderGebruiker = false; // no window waits for a click: every message goes to the TMeldingen
};

// The desktop program: it owns the core objects (both data modules, the
// window's bound fields, the funds, the records and their storage, the
// regular levy data and the run) and the main window, and takes the program
// from its start to the running window. The window goes first when the
// program ends, the data modules last; the employee data module then
// remembers the calculation that was open.
class TApplicatie {
public:
    TApplicatie(const TDatabasemappen& mappen, TInstellingen& instellingen, TMeldingen& meldingen,
                TStartopties opties = {});
    ~TApplicatie();
    TApplicatie(const TApplicatie&) = delete;
    TApplicatie& operator=(const TApplicatie&) = delete;

    // Opens the employee database (held for this program alone) and the
    // constants database, shows the start window and creates the main
    // window. False when the program must end; the user has then been told
    // why.
    bool Start();
    // For a run without a user: lets the first activation open the
    // calculation open at the last exit or, when that one is gone, the one
    // saved last. False when there is no saved calculation.
    bool KiesLaatsteBerekening();

    ui::TfrmMain& Venster() { return *venster_; }
    TdmVektaris& Werknemers() { return databases_.Werknemers; }

private:
    void MeldStartfout(const std::string& oorzaak);

    TStartopties opties_;
    TMeldingen& meldingen_;
    TDatabases databases_;
    TSocialeFondsen fondsen_;
    TWerknemerRecords records_;
    TGegevensScherm scherm_;
    TBerekeningOpslag opslag_;
    std::unique_ptr<TVasteHeffingsgegevens> vast_;
    TBerekening berekening_;
    ui::TKern kern_;
    std::unique_ptr<ui::TfrmMain> venster_;
};

} // namespace vkt::app
