#pragma once

#include <QObject>

#include <vector>

class QAction;
class QToolButton;
class QWidget;

namespace vkt::ui {

struct TKern;
class TOpenBerekening;
class TSchermregels;
class TSelectieband;

// The commands whose use depends on what is open: "Nieuw" (captioned
// "Selecteren" while a new calculation is not saved yet), delete, "Opslaan
// als..." and the buttons that only make sense for a saved calculation.
struct TKaartknoppen {
    QToolButton* NieuwKnop;
    QAction* Nieuw;
    QAction* Verwijderen;
    QAction* OpslaanAls;
    std::vector<QWidget*> AlleenOpgeslagen;
};

// The commands on the saved calculations: choosing one from the drop-down,
// starting a new one, saving, saving as another employee, deleting and the
// question before the window closes. Each asks the open calculation what is
// open and lets it do the work; a command that would drop changes not saved
// asks first whether to save them.
class TKaartcommandos : public QObject {
    Q_OBJECT

public:
    TKaartcommandos(TKern& kern, TOpenBerekening& open, TSelectieband& selectie, TSchermregels& regels,
                    const TKaartknoppen& knoppen, QWidget* venster);

    // At the first activation: the list, and the calculation open at the
    // last exit or, when it is gone, none. False when there is no saved
    // calculation at all.
    bool OpenLaatste();
    // The closing questions; true when the window may close. A calculation
    // the user wants saved but that is not saved keeps the window open.
    bool MagSluiten();

public slots:
    void Kies();
    void Nieuw();
    void Opslaan();
    void OpslaanAls();
    void Verwijderen();

signals:
    // A short note for the status bar, such as that a save succeeded.
    void Melding(const QString& tekst);

private:
    // Shows the record state in the commands: what may be done now.
    void ToonToestand();
    // Before the open calculation makes way for another: false when the user
    // cancels or wants to save and the save did not succeed.
    bool MagWisselen(const char* vraag);
    // Asks whether to save the open calculation: true after "Nee", or after
    // "Ja" when the save succeeded.
    bool VraagOmOpTeSlaan(const char* vraag);
    // Saves with the messages of a save; true when saved.
    bool BewaarMetMeldingen();
    void StartNieuw();
    // Back from a new calculation that was not saved: to the one open before,
    // or when that is gone to the last listed, or none.
    void TerugNaarOpgeslagen();
    // After a delete: the last listed calculation, or a new one when none is left.
    void NaVerwijderen();

    TKern& kern_;
    TOpenBerekening& open_;
    TSelectieband& selectie_;
    TSchermregels& regels_;
    TKaartknoppen knoppen_;
    QWidget* venster_;
    int vorige_ = -1; // the saved calculation open before a new one was started
};

} // namespace vkt::ui
