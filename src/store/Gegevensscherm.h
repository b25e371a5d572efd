#pragma once

#include "db/Component.h"
#include "db/DBComponent.h"
#include "db/DataGroup.h"
#include "db/SQLOutputSet.h"

#include <memory>
#include <string>
#include <vector>

namespace vkt {

class TdmVektaris;

// The stored part of the calculation window without its widgets: the output
// sets of the employee, calculation-settings and levy rows, the two data
// groups and every bound field with the column it is loaded from and
// written to. The desktop window builds the same with its own widgets; the
// command line and the tests use this one.
class TGegevensScherm {
public:
    explicit TGegevensScherm(TdmVektaris& dm);

    db::TComponentLijst Componenten;
    db::TZNOADOSQLOutputSet osGegevensWN;
    db::TZNOADOSQLOutputSet osBerekeningsgegevens;
    db::TZNOADOSQLOutputSet osHeffingsgegevens;
    db::TZNODataGroup dgGegevensWN;
    db::TZNODataGroup dgHeffingsgegevens;

    // Bound fields of the employer charges.
    db::TZNODBNumericEdit edWGVakantiegeld;
    db::TZNODBCheckbox cbActiefWAO, cbActiefWhk, cbActiefWW, cbActiefZvw, cbActiefVUTFPU, cbActiefPensioen, cbActiefIP,
        cbActiefLevensloop, cbWGLastenTonen, cbLoonInclVakantie, cbSFDeeltijd;
    // Bound fields of the employee data.
    db::TZNODBComboboxEx cmbSoortWerknemer;
    db::TZNODBDateEdit edGebDatum;
    // Bound fields of the calculation data.
    db::TZNODBComboboxEx cmbLoontijdvak, cmbLoonbedrag;
    db::TZNODBNumericEdit edLoonbedrag;
    db::TZNODBComboboxEx cmbTabelkleur, cmbLoonbelastingtabelVoorInwoner;
    db::TZNODBNumericEdit edDeeltijdFactor;
    db::TZNODBCheckbox cbIPzonderDeeltijd, cbToepLoonheffing;
    db::TZNODBNumericEdit edJaarloonLBPH, edLoonheffingVrij;
    db::TZNODBCheckbox cbWW, cbWAO, cbZfw;
    db::TZNODBComboboxEx cmbAWfPremieType;
    db::TZNODBNumericEdit edLoondagenVoorDagtabel, edArtiestLoonheffing;
    db::TZNODBDateEdit deBerekeningDatum;

    // The text of the employee drop-down: the name of the calculation.
    std::string Naam;
    // The amount of the artist's reimbursement line.
    double ArtiestAftrekBedrag = 0;
};

} // namespace vkt
