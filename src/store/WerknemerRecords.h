#pragma once

#include <cstdint>
#include <set>
#include <string>
#include <vector>

namespace vkt {

class TdmVektaris;
class TMeldingen;
class THeffingsgegevens;
class TSocialeFondsen;

// One saved calculation as the employee list shows it.
struct TWerknemerItem {
    int Werknemersnummer = 0;
    std::string Naam;
};

// Listing the saved calculations and positioning the data module's queries
// on one of them, without a window.
class TWerknemerRecords {
public:
    // fondsen: the fund rows of the open calculation, replaced whenever
    // another calculation is positioned on (none: funds are left alone).
    TWerknemerRecords(TdmVektaris& dm, TMeldingen& meldingen, TSocialeFondsen* fondsen = nullptr)
        : dm_(dm), meldingen_(meldingen), fondsen_(fondsen)
    {
    }

    // The saved calculations in the order of the employee query. The first
    // call reads the employer and opens the queries; without an employer it
    // says so and lists nothing. A current employee row that cannot be a
    // saved calculation (its number is no whole number from 1 to the largest
    // int, or it has no settings row) is left out and told once, as an error
    // message naming the table, the column and the row; the database is left
    // as it is. Afterwards the employee query rests on the
    // data module's employee, or on its last row when that is not listed.
    std::vector<TWerknemerItem> VulWerknemerLijst();

    // Positions the employee query and the levy records on employee n (-1:
    // none), makes n the data module's employee and loads its attached
    // funds. An error, such as a number that is not saved, is shown and
    // leaves no employee chosen (-1); the result then is false.
    bool LaadBerekening(int n);

    // The numbers of the saved calculations the list shows, lowest first,
    // read from the database without moving the queries.
    std::vector<int> OpgeslagenNummers() const;

    // The number a new calculation gets: the highest number any row of the
    // employer holds in any table of a calculation + 1, or 1 for the first,
    // so that it never takes over rows left under its number. Raises an
    // EQuelvarException when the highest is the largest int.
    int NieuwWerknemersnummer();

    // Copies the deviating-basis formulas of employee oud to the data
    // module's employee (a copy saved under a new number) and gives them to
    // the levy data, when there is one. A failure is shown; the copy then
    // stays saved without formulas.
    void KopieerGrondslag(int oud, THeffingsgegevens* vast);

    bool Initialised = false;

private:
    void MeldOnbruikbareBerekeningen();

    TdmVektaris& dm_;
    TMeldingen& meldingen_;
    TSocialeFondsen* fondsen_;
    std::set<std::int64_t> gemeldeRijen_; // rows told already, by rowid
};

} // namespace vkt
