#pragma once

#include "db/Connection.h"
#include "db/Query.h"

#include <filesystem>

namespace vkt {

class TMeldingen;

// The employee data module: the exclusively opened employee database, its
// version check, and the queries of the employer and its system wage
// components.
class TdmVektaris {
public:
    static constexpr const char* Bestandsnaam = "Vkt2020.db";
    static constexpr int VereisteVersie = 202001;

    // databaseMap is the folder of the employee database.
    explicit TdmVektaris(std::filesystem::path databaseMap);

    // Opens the employee database exclusively and checks its version. On
    // failure the reason goes to meldingen as an error message and the
    // result is false; the program must then end.
    bool Openen(TMeldingen& meldingen);
    // Reads the first employer and opens its system wage components.
    bool OpenWerknemersQuery();

    void SetWerkgeversnummer(int nummer) { Werkgeversnummer = nummer; }
    void SetWerknemersnummer(int nummer) { Werknemersnummer = nummer; }

    db::Connection adbQuelvar;
    db::Query qryWG;
    db::Query qrySystemLC;

    int Werkgeversnummer = -1;
    int Werknemersnummer = 0;
    int Versie = 0;

private:
    void Verbind();
    void ControleerVersie();

    std::filesystem::path databaseMap_;
};

} // namespace vkt
