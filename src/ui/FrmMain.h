#pragma once

#include "ui/Afdrukken.h"
#include "ui/Regelkoppeling.h"

#include <QMainWindow>

#include <functional>

class QAction;
class QLabel;
class QTabWidget;
class QToolButton;

namespace vkt::ui {

struct TKern;
class TFondsRegelsScherm;
class TKaartcommandos;
class TOpenBerekening;
class TSchermregels;
class TSelectieband;
class TtsBerekeningsgegevens;
class TtsSocialeFondsen;
class TtsToonBerekening;
class TtsVerloop;
class TtsWerkgeverslasten;
class TtsWerknemersgegevens;

// The program's main window: a tool bar, the choice of the saved
// calculation with its date, and six tabs holding every input of the
// calculation, its statement and its wage curve. It builds its menus, tool
// bar and tabs and wires them to small slots; the rules between the fields
// are TSchermregels', the record commands TKaartcommandos'. The first time
// the window becomes active it loads the fiscal parameters and opens the
// calculation that was open at the last exit.
class TfrmMain : public QMainWindow {
    Q_OBJECT

public:
    explicit TfrmMain(TKern& kern, QWidget* ouder = nullptr);
    ~TfrmMain() override;

    bool Initialised() const { return initialised_; }
    // Closes without the closing questions (a run without a user).
    void SluitZonderVragen();
    // The statement's printer, font, margins and export folder.
    TAfdrukken& Uitvoer() { return afdrukken_; }

    QTabWidget* pgMain;
    TSelectieband* Selectie;
    TtsToonBerekening* tsToonBerekening;
    TtsVerloop* tsVerloop;

signals:
    // The first activation has finished loading, successfully or not.
    void EersteActiveringKlaar();

protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* object, QEvent* event) override;

private slots:
    void TabGewijzigd(int tab);
    void Informatie();
    void Knippen();
    void Kopieren();
    void Plakken();
    void Afdrukken();
    void ExporterenNaarWord();
    void PrinterInstellingen();
    void Lettertype();
    void Marges();
    void AfwijkendeGrondslag();
    void NieuwSociaalFonds();
    void BeschikbareSocialeFondsen();

private:
    QAction* Actie(const char* naam, const QString& tekst, const QKeySequence& toets = {});
    void MaakActies();
    void MaakMenu();
    QWidget* MaakWerkbalk();
    void MaakTabs();
    void MaakGeenBerekeningMelding();
    void PlaatsGeenBerekeningMelding();
    void Verbind();
    // A tool-bar button for a command of the menu, with its picture.
    QToolButton* MaakKnop(QWidget* balk, const char* naam, QAction* actie, const QString& afbeelding);
    void ZetRapportActies();
    // The statement or the curve of the calculation on screen again, when
    // that tab is shown: after another calculation was opened, or a field of
    // the selection band changed.
    void VerversUitvoer();
    // What the window shows of the record state: a note and no inputs when
    // no calculation is chosen.
    void ToonToestand();
    // Runs the calculation on screen; false, with the reason shown, when
    // there is none to run or a check refuses its inputs.
    bool RekenHuidige(const std::function<void(const QString&)>& toonReden);
    void ToonBerekening();
    void ToonVerloop();
    void EersteWeergave();
    void EersteActivering();
    bool StartLaden();
    void Afsluiten();

    TKern& kern_;
    TRegelkoppeling koppeling_;
    TtsWerkgeverslasten* tsAlgemeen_;
    TtsSocialeFondsen* tsSocialeFondsen_;
    TtsWerknemersgegevens* tsWerknemerGegevens_;
    TtsBerekeningsgegevens* tsBerekeningsGegevens_;
    TSchermregels* regels_ = nullptr;
    TOpenBerekening* open_ = nullptr;
    TKaartcommandos* kaart_ = nullptr;
    TFondsRegelsScherm* fondsRegels_ = nullptr;
    TAfdrukken afdrukken_; // the statement's printer, font and margins

    QAction* Openenlegekaart1_;
    QAction* Opslaangegevens1_;
    QAction* Opslaanals_;
    QAction* Verwijderen1_;
    QAction* Exporteren1_;
    QAction* Afdrukken1_;
    QAction* Printerinstellingen1_;
    QAction* Einde1_;
    QAction* Knippen1_;
    QAction* Kopieren1_;
    QAction* Plakken1_;
    QAction* Lettertype1_;
    QAction* Marges1_;
    QAction* Informatie1_;
    QToolButton* sbLegeKaart_;
    QLabel* lblGeenBerekening_; // shown while no calculation is chosen

    // Whether the tab shown holds a statement or curve that was computed, so
    // that printing and export have something to take.
    bool uitvoerBerekend_ = false;

    bool initialised_ = false;
    bool activeringBezig_ = false;
    bool getoond_ = false;
    bool zonderVragen_ = false;
    bool afgesloten_ = false;
};

} // namespace vkt::ui
