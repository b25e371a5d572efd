#pragma once

#include <QWidget>

class QPushButton;

namespace vkt {
class TGegevensScherm;
}

namespace vkt::widgets {
class TKolomRegelControl;
class TPaneel;
class TZNODBCheckbox;
class TZNODBComboboxEx;
class TZNODBDateEdit;
class TZNODBNumericEdit;
class TZNONumericEdit;
} // namespace vkt::widgets

namespace vkt::ui {

class TRegelkoppeling;

// The tab "&Werknemersgegevens": the kind of calculation, the birth date and
// age, the wage, the wage-tax settings, the insurances and the Zvw rows.
class TtsWerknemersgegevens : public QWidget {
    Q_OBJECT

public:
    // The fields are those of scherm; the Zvw rows are added to koppeling.
    TtsWerknemersgegevens(TGegevensScherm& scherm, TRegelkoppeling& koppeling, QWidget* ouder = nullptr);

    widgets::TZNODBComboboxEx* cmbSoortWerknemer;
    widgets::TZNODBDateEdit* edGebDatum;
    widgets::TZNONumericEdit* edLeeftijd; // computed, never entered
    widgets::TZNODBComboboxEx* cmbLoontijdvak;
    widgets::TZNODBComboboxEx* cmbTabelkleur;
    widgets::TZNODBComboboxEx* cmbLoonbelastingtabelVoorInwoner;
    widgets::TZNODBNumericEdit* edLoonbedrag;
    QPushButton* btnMinimumloon;
    widgets::TKolomRegelControl* edArtiestAftrek;
    widgets::TZNODBNumericEdit* edJaarloonLBPH;
    widgets::TZNODBNumericEdit* edLoonheffingVrij;
    widgets::TZNODBCheckbox* cbZfw;
    widgets::TPaneel* pnlZvwPremie;
    widgets::TKolomRegelControl* krcWNZvw;
    widgets::TKolomRegelControl* krcHogereZvw;
    QPushButton* btnWNGrondslag;

private:
    void MaakLoongegevens(TGegevensScherm& s);
    void MaakHeffingsgegevens(TGegevensScherm& s);
    void MaakVerzekeringen(TGegevensScherm& s, TRegelkoppeling& koppeling);
    void MaakZorgverzekeringswet(TRegelkoppeling& koppeling);
};

} // namespace vkt::ui
