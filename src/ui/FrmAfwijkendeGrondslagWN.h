#pragma once

#include "store/GrondslagWN.h"
#include "ui/AfwijkendeGrondslagVenster.h"

namespace vkt {
class TdmVektaris;
class THeffingsgegevens;
class TMeldingen;
} // namespace vkt

namespace vkt::ui {

// "Afwijkende berekeningsgrondslag": the nine deviating-basis formulas of
// the employee the data module is on, stored in GrondslagWN when saved.
class TfrmAfwijkendeGrondslagWN : public TAfwijkendeGrondslagVenster {
    Q_OBJECT

public:
    // vast: the regular levy data of the open calculation, which takes the
    // saved formulas; nullptr when there is none.
    TfrmAfwijkendeGrondslagWN(TdmVektaris& dm, THeffingsgegevens* vast, TMeldingen& meldingen,
                              QWidget* ouder = nullptr);

    // Shows the dialog modally. After a save the levy data reads the stored
    // formulas again and FormulesHerladen asks the window to bind its line
    // rows anew. Returns the dialog's result.
    int Uitvoeren();

    TGrondslagFormules Formules() const;

signals:
    void FormulesHerladen();

protected:
    void Opslaan() override;

private:
    THeffingsgegevens* vast_;
    TMeldingen& meldingen_;
    TGrondslagWN grondslag_;
};

} // namespace vkt::ui
