#pragma once

#include "common/DateTime.h"
#include "db/ZNOADOConnection.h"
#include "db/Query.h"
#include "store/SysteemGeg.h"

#include <filesystem>
#include <memory>

namespace vkt {

class TInstellingen;
class TMeldingen;

// How the employee database is opened: held for this program alone, as the
// window and the commands that change it need it; or shared for reading, so
// that any number of readers can run side by side. A reader waits a few
// seconds for a program that holds the database, and never writes it.
enum class TToegang { Exclusief, Lezen };

// The employee data module: the exclusively opened employee database, its
// version check, and the fixed queries the storage, the levy data and the
// calculation read.
class TdmVektaris {
public:
    static constexpr const char* Bestandsnaam = "Vkt2020.db";
    // The condition under which an employee row's number can be a saved
    // calculation's: a whole number that fits the program's numbers. A row
    // with another value (text, a real, 0) is told to the user and left out.
    static constexpr const char* BruikbaarNummer =
        "typeof(Werknemersgegevens.Werknemersnummer) = 'integer' AND "
        "Werknemersgegevens.Werknemersnummer BETWEEN 1 AND 2147483647";
    static constexpr int VereisteVersie = 202001;

    // databaseMap is the folder of the employee database. The last employee
    // shown is kept in instellingen; without them only in memory.
    TdmVektaris(std::filesystem::path databaseMap, TInstellingen& instellingen);
    explicit TdmVektaris(std::filesystem::path databaseMap);
    // Remembers the open employee as the last one shown.
    ~TdmVektaris();

    // Opens the employee database (exclusively unless asked otherwise) and
    // checks it before anything is written: a writer has the whole file
    // checked for damage; then its version and what every calculation needs
    // (ControleerWerknemersdatabase). On failure the reason goes to meldingen as an error
    // message and the result is false; the program must then end.
    bool Openen(TMeldingen& meldingen, TToegang toegang = TToegang::Exclusief);
    // Reads the first employer and opens its system wage components, the
    // saved calculations and their levy records; always true (a failure is
    // raised as an EQuelvarException).
    bool OpenWerknemersQuery();

    // Opens qryGrondslagWN on the current formulas of one employee.
    void OpenGrondslagWN(int werkgeversnummer, int werknemersnummer);

    // The date every current record carries as Ingangsdatum and Hersteldatum.
    static TDateTime Hersteldatum() { return EncodeDate(9999, 12, 31); }

    void SetWerkgeversnummer(int nummer) { Werkgeversnummer = nummer; }
    void SetWerknemersnummer(int nummer) { Werknemersnummer = nummer; }

    db::TZNOADOConnection adbQuelvar; // describes its tables for the output sets
    db::Query qryWG;                    // the employer
    db::Query qryWNvkt;                 // employees with their calculation settings
    db::Query qryVastHefGeg;            // regular levy records with their formulas (:WGNummer)
    db::Query qryVastHefReg;            // stored lines with their wage components (:WGNummer, :WNNummer)
    db::Query qryVKTSelectSociaalFonds; // the funds of a key (:WGNummer)
    db::Query qryGrondslagWN;           // the formulas of one employee (:WGNummer, :WNNummer)
    db::Query qrySystemLC;              // the employer's system wage components (:WGNummer)

    int Werkgeversnummer = -1;
    int Werknemersnummer = 0;
    int Versie = 0;
    std::unique_ptr<TSysteemGeg> SysteemGeg; // read when created

private:
    TdmVektaris(std::filesystem::path databaseMap, TInstellingen* instellingen);
    void Verbind(TToegang toegang);
    void ControleerIntegriteit();
    void ControleerVersie();

    std::filesystem::path databaseMap_;
    std::unique_ptr<TInstellingen> eigenInstellingen_; // when none were given
};

} // namespace vkt
