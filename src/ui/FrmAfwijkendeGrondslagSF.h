#pragma once

#include "ui/AfwijkendeGrondslagVenster.h"

namespace vkt::widgets {
class TVKTSocialeFondsKolomRegelControl;
}

namespace vkt::ui {

// "Afwijkende berekeningsgrondslag sociaal fonds": the employee's and the
// employer's formula of one fund row. It stores nothing; the row keeps the
// formulas and switches until the funds are saved.
class TfrmAfwijkendeGrondslagSF : public TAfwijkendeGrondslagVenster {
    Q_OBJECT

public:
    explicit TfrmAfwijkendeGrondslagSF(widgets::TVKTSocialeFondsKolomRegelControl& fonds, QWidget* ouder = nullptr);

    // Shows the dialog for the row; after "&Opslaan" the row takes both
    // formulas and switches. Returns whether it did.
    static bool Bewerk(widgets::TVKTSocialeFondsKolomRegelControl& fonds, QWidget* ouder = nullptr);

protected:
    void Opslaan() override;

private:
    widgets::TVKTSocialeFondsKolomRegelControl& fonds_;
};

} // namespace vkt::ui
