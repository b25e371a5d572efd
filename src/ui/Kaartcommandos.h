#pragma once

#include <QObject>

#include <vector>

class QAction;
class QToolButton;
class QWidget;

namespace vkt::ui {

struct TKern;
class TRegelkoppeling;
class TSchermregels;
class TSelectieband;
class TFondsRegelsScherm;

// The controls the record commands change: the "Nieuw" button and menu item
// (captioned "Selecteren" while a new calculation is being started), the
// delete command, "Opslaan als..." and the buttons that only make sense for
// a saved calculation.
struct TKaartknoppen {
    QToolButton* NieuwKnop;
    QAction* Nieuw;
    QToolButton* VerwijderenKnop;
    QAction* Verwijderen;
    QAction* OpslaanAls;
    std::vector<QWidget*> AlleenOpgeslagen;
};

// The commands on the saved calculations: choosing one from the drop-down,
// starting a new one, saving, saving as another employee and deleting,
// with the window's record mode (kept by the storage) and the employee list.
class TKaartcommandos : public QObject {
    Q_OBJECT

public:
    TKaartcommandos(TKern& kern, TSelectieband& selectie, TSchermregels& regels, TRegelkoppeling& koppeling,
                    TFondsRegelsScherm& fondsen, const TKaartknoppen& knoppen, QWidget* venster);

    void VulWerknemerLijst();
    // Positions the queries on the chosen calculation (or, with none chosen,
    // on the one that was open) and chooses its entry.
    void LaadBerekening();
    // Shows the positioned calculation: its fields, its levy data and lines.
    void VerversScherm();
    // Saves as "Opslaan" does; false when nothing was saved (a check or the
    // name refused it). An error of the save itself is raised.
    bool BewaarHuidige();
    // The caption of "Nieuw" and its menu item: "Selecteren" while a new
    // calculation is being started.
    void ZetNieuwBijschrift(bool selecteren);
    // Whether closing should offer to save: a calculation is chosen, or a
    // new one has a name.
    bool HeeftBerekening() const;

public slots:
    void Kies();
    void Nieuw();
    void Opslaan();
    void OpslaanAls();
    void Verwijderen();
    void RollBackLegeKaart();

private:
    void StartNieuw();
    void OpenWerknemer();
    // After a save: the list again, the saved calculation chosen and shown.
    void ToonOpgeslagen();
    bool NaamIngevuld();
    bool MagOpslaan();

    TKern& kern_;
    TSelectieband& selectie_;
    TSchermregels& regels_;
    TRegelkoppeling& koppeling_;
    TFondsRegelsScherm& fondsen_;
    TKaartknoppen knoppen_;
    QWidget* venster_;
};

} // namespace vkt::ui
