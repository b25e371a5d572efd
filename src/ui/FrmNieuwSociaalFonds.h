#pragma once

#include <QDialog>

namespace vkt {
class TdmVektaris;
class TMeldingen;
} // namespace vkt

namespace vkt::widgets {
class TVKTSocialeFondsKolomRegelControl;
class TZNOEdit;
} // namespace vkt::widgets

namespace vkt::ui {

// "Nieuw sociaal fonds": a description and one fund row. "&Opslaan" adds
// the fund to the catalogue and attaches it to the open calculation; a
// missing or taken description is refused and nothing is stored.
class TfrmNieuwSociaalFondsVKT : public QDialog {
    Q_OBJECT

public:
    TfrmNieuwSociaalFondsVKT(TdmVektaris& dm, TMeldingen& meldingen, QWidget* ouder = nullptr);

    // The number of the fund stored, after "&Opslaan".
    int Fondsnummer() const { return fondsnummer_; }

private:
    void Opslaan();

    TdmVektaris& dm_;
    TMeldingen& meldingen_;
    widgets::TZNOEdit* edOmschrijving_;
    widgets::TVKTSocialeFondsKolomRegelControl* edSociaalFonds_;
    int fondsnummer_ = 0;
};

} // namespace vkt::ui
