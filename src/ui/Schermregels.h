#pragma once

#include "calc/Invoer.h"
#include "calc/Veldregels.h"

#include <QObject>

#include <optional>
#include <string>

class QTabWidget;

namespace vkt::ui {

struct TKern;
class TRegelkoppeling;
class TSelectieband;
class TtsBerekeningsgegevens;
class TtsWerkgeverslasten;
class TtsWerknemersgegevens;

// The tabs of the main window in their order.
enum TTab : int {
    tabWerkgeverslasten = 0,
    tabSocialeFondsen = 1,
    tabWerknemersgegevens = 2,
    tabBerekeningsgegevens = 3,
    tabToonBerekening = 4,
    tabVerloop = 5,
};

// The parts of the main window the rules work on.
struct TSchermdelen {
    QTabWidget* Tabs;
    TSelectieband* Selectie;
    TtsWerkgeverslasten* Werkgeverslasten;
    TtsWerknemersgegevens* Werknemersgegevens;
    TtsBerekeningsgegevens* Berekeningsgegevens;
    TRegelkoppeling* Koppeling;
};

// The rules between the fields of the main window and the checks of the
// fields, each a small slot that reads the inputs, lets the shared input
// layer decide and shows the outcome: the kind of calculation switches
// fields and rows, the two Zvw boxes exclude each other, the pay period sets
// the wage days, leaving a date checks it and shows the age, the button
// fills in the minimum wage. A failed check shows its message, brings its
// tab to the front and puts the focus in its field.
class TSchermregels : public QObject {
    Q_OBJECT

public:
    // initialised tells whether the window has finished its first loading.
    TSchermregels(TKern& kern, const TSchermdelen& delen, const bool& initialised, QObject* ouder = nullptr);
    // The fields outlive the window: their checks go with it.
    ~TSchermregels() override;

    // The inputs as the window shows them: the bound fields, the name, the
    // artist's reimbursement row, the fixed WAO/WIA row and the funds.
    TBerekeningInvoer LeesInvoer() const;

    // The artist's reimbursement row: an amount.
    void ZetArtiestAftrek(double bedrag);
    double ArtiestAftrekBedrag() const;

    // The kind rule, with the row layout and the Zvw rule.
    void Soortregel();
    void Zvwregel();
    // After a calculation was opened or started: the rules of the tab shown.
    void NaLaden();
    // What showing the employee or calculation-data tab does.
    void TabGetoond(int tab);
    void WisSamenvatting();
    // Shows the age of the two dates, when both are filled in, without a check.
    void VulLeeftijd();
    // The checks before a save, in the window's order; false after showing
    // the first that fails.
    bool ControleerVoorOpslaan();
    // Shows the message of a failed check, brings its tab to the front and
    // puts the focus in its field.
    void ToonVeldfout(const TVeldFout& fout);

private slots:
    void VerzekerdZvwGeklikt();
    void WerkgeverZvwGeklikt(bool aan);
    void LoontijdvakGekozen();
    void LoonbedragVerlaten();
    void AWfVerlaten();
    void GeboortedatumBinnen();
    void GeboortedatumVerlaten();
    void Minimumloon();
    void HogereZvwGeinitialiseerd();

private:
    void Verbind();
    void ZetControles();
    // The check run when the field is left; shows what fails.
    bool Controleer(TInvoerveld veld);
    void ToonLeeftijd(const TBerekeningInvoer& invoer);
    std::optional<int> Leeftijd() const;
    void ToonSamenvatting();

    TKern& kern_;
    TSchermdelen delen_;
    const bool& initialised_;
    std::optional<TDateTime> geboortedatum_; // when the field was entered
};

} // namespace vkt::ui
