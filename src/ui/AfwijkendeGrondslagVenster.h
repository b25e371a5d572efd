#pragma once

#include <QDialog>
#include <QString>

#include <vector>

class QCheckBox;
class QGroupBox;
class QLabel;

namespace vkt::ui {

class TFormuleVeld;

// What both deviating-basis dialogs share: a formula field per premium with
// its "actief" box, the legend of the letters that type the calculation
// variables ("Rekenvariabelen"), and "&Opslaan" and "&Annuleren". A box can
// only stay checked next to a formula: leaving an empty field, or a checked
// box whose field is empty, unchecks it.
class TAfwijkendeGrondslagVenster : public QDialog {
    Q_OBJECT

public:
    // Whether every formula is valid; invalid ones turn red.
    bool ControleerFormules();

    // Told when "&Opslaan" finds an invalid formula.
    static constexpr const char* OngeldigeFormules =
        "Eén of meerdere berekeningsgrondslagen zijn niet correct. De berekeningsgrondslagen kunnen niet worden "
        "opgeslagen.";

protected:
    struct TFormuleRij {
        TFormuleVeld* Veld = nullptr;
        QCheckBox* Actief = nullptr;
    };

    // fonds: the social fund's dialog, whose formulas may use [Zvw-loon].
    TAfwijkendeGrondslagVenster(bool fonds, QWidget* ouder);

    // Adds the rows, one per (name, label), then the legend and the buttons.
    void Opbouwen(const std::vector<std::pair<QString, QString>>& rijen);
    const std::vector<TFormuleRij>& Rijen() const { return rijen_; }
    // "&Opslaan" was pressed.
    virtual void Opslaan() = 0;

    bool eventFilter(QObject* object, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    int MaakRijen(const std::vector<std::pair<QString, QString>>& rijen);
    int MaakLegenda(int links);

    bool fonds_;
    std::vector<TFormuleRij> rijen_;
    // The legend's texts, until the window is first shown: then each shows
    // the variable its letter types.
    std::vector<std::pair<QLabel*, QString>> legenda_;
    bool getoond_ = false;
};

} // namespace vkt::ui
