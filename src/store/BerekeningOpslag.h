#pragma once

#include <string>

namespace vkt {

// The name window's check: a name is accepted when it is filled in and is
// not the old name (ignoring letter case and surrounding blanks).
bool IsNieuweNaam(const std::string& oud, const std::string& nieuw);

class TdmVektaris;
class TGegevensScherm;
class TMeldingen;
class TSocialeFondsen;
class TVasteHeffingsgegevens;
class TWerknemerRecords;

// What the calculation window holds: nothing opened yet, a saved
// calculation, a new one that is not saved yet, or a delete in progress.
enum TKaartModus { kmGeen, kmBestaand, kmNieuw, kmVerwijderen };

// Saving and deleting the open calculation: the employee and settings rows
// through the window's data groups, the levy row, the lines and the
// attached social funds, each time in one transaction that is rolled back
// as a whole when a step fails.
class TBerekeningOpslag {
public:
    TBerekeningOpslag(TdmVektaris& dm, TWerknemerRecords& records, TGegevensScherm& scherm, TSocialeFondsen& fondsen,
                      TMeldingen& meldingen)
        : dm_(dm), records_(records), scherm_(scherm), fondsen_(fondsen), meldingen_(meldingen)
    {
        ToonLengtemeldingen();
    }

    // Stores the open calculation: its rows are updated (kmBestaand) or
    // inserted under a new employee number (kmNieuw), which becomes the data
    // module's. A failure raises an EQuelvarException after the rollback and
    // leaves the data module's employee as it was.
    void BewaarBerekening(TVasteHeffingsgegevens& vast);
    // "Opslaan als": stores the open calculation with all its lines and
    // attached funds as a new calculation of that name, then copies its
    // deviating-basis formulas to it. A failure of the save raises (the
    // window then stays with a new, unsaved calculation); a failure of the
    // copy is shown and leaves the copy saved without formulas.
    void BewaarAls(TVasteHeffingsgegevens& vast, const std::string& naam);
    // Deletes every row of the open calculation and marks its lines as
    // deleted; says so when done.
    void VerwijderBerekening(TVasteHeffingsgegevens& vast);
    // Deletes every row that carries the employee number in any table of a
    // calculation, in one transaction, without reading them: also a
    // calculation whose rows cannot be read can go. Says so when done.
    void VerwijderBerekening(int nummer);

    TKaartModus KaartModus = kmGeen;

private:
    // The data groups' length check shows its figures as a plain message.
    void ToonLengtemeldingen();
    void BewaarWerknemer();
    void BewaarHeffingsgegevens(TVasteHeffingsgegevens& vast);
    void VoegNieuweWerknemerToe();
    bool IsArtiest() const;
    void VerwijderRijen(int nummer);

    TdmVektaris& dm_;
    TWerknemerRecords& records_;
    TGegevensScherm& scherm_;
    TSocialeFondsen& fondsen_;
    TMeldingen& meldingen_;
};

} // namespace vkt
