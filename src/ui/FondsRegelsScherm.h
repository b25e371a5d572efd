#pragma once

#include <QObject>

#include <vector>

class QScrollArea;
class QWidget;

namespace vkt {
class TdmVektaris;
class TMeldingen;
class TSocialeFondsen;
} // namespace vkt

namespace vkt::widgets {
class TVKTSocialeFondsKolomRegelControl;
}

namespace vkt::ui {

// The fund rows of the open calculation on the social-funds tab: one row
// control per fund in the storage's FondsRegels, in the same order, inside
// the tab's scroll area. Only shown rows are visible, stacked 5 pixels
// apart. The rows' values live in the controls while they are on screen;
// NeemWaardenOver hands them to the storage before it saves or computes.
class TFondsRegelsScherm : public QObject {
    Q_OBJECT

public:
    // venster: the main window, the parent of the dialogs opened from here.
    TFondsRegelsScherm(TdmVektaris& dm, TSocialeFondsen& fondsen, QScrollArea& scrollbox, TMeldingen& meldingen,
                       QWidget* venster);
    ~TFondsRegelsScherm() override;

    // A shown row for fund f with the values stored under key k, or under
    // the catalogue when k is -1; nothing while no calculation is open.
    void MaakFondsRegel(int f, int k);
    void PlaatsFondsRegels();
    // Removes every row; FondsRegels becomes absent.
    void VerwijderFondsRegels();
    // The rows of the funds attached to employee n.
    void LaadSocialeFondsen(int n);
    // Shows the rows the storage holds now, in place of those on screen:
    // after loading a calculation that loaded its funds itself.
    void ToonGeladenFondsen();
    // "Sociale fondsen": attaches and detaches catalogue funds; false on cancel.
    bool KiesSocialeFondsen();
    // "Nieuw sociaal fonds": defines a fund and shows its row; false on cancel.
    bool NieuwSociaalFonds();
    void NeemWaardenOver();

    widgets::TVKTSocialeFondsKolomRegelControl* Rij(int fondsnummer) const;
    const std::vector<widgets::TVKTSocialeFondsKolomRegelControl*>& Rijen() const { return rijen_; }

signals:
    // A row's value or deviating basis changed: the calculation is out of date.
    void Gewijzigd();

private:
    // Makes a control for every storage row that has none yet, and gives each
    // control the row's shown flag.
    void MaakRijenBij();
    widgets::TVKTSocialeFondsKolomRegelControl* MaakRij();
    void VerwijderRijen();

    TdmVektaris& dm_;
    TSocialeFondsen& fondsen_;
    QScrollArea& scrollbox_;
    TMeldingen& meldingen_;
    QWidget* venster_;
    QWidget* inhoud_;
    std::vector<widgets::TVKTSocialeFondsKolomRegelControl*> rijen_;
};

} // namespace vkt::ui
