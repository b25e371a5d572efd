#pragma once

#include "widgets/Paneel.h"

#include <optional>
#include <string>
#include <vector>

class QComboBox;

namespace vkt {
class TGegevensScherm;
struct TWerknemerItem;
} // namespace vkt

namespace vkt::widgets {
class TZNODBDateEdit;
}

namespace vkt::ui {

// The band under the tool bar: the drop-down of the saved calculations by
// name and the calculation date. Behind each entry of the drop-down is its
// employee number (WerknemerNummers, in the same order). While a new
// calculation is being started the drop-down is an editable text, the new
// name.
class TSelectieband : public widgets::TPaneel {
    Q_OBJECT

public:
    TSelectieband(TGegevensScherm& scherm, QWidget* ouder = nullptr);

    // Fills the drop-down, nothing chosen.
    void Vul(const std::vector<TWerknemerItem>& werknemers);
    // The number of the chosen entry, if one is chosen.
    std::optional<int> GekozenNummer() const;
    // Chooses the entry of that number; none when it is not listed.
    void KiesNummer(int nummer);
    void WisKeuze();
    bool HeeftKeuze() const;
    // Removes every entry.
    void Leeg();
    // An editable text for a new name (emptied, nothing chosen), or the
    // pick-only list.
    void ZetNieuweNaam(bool nieuw);
    void ZetNaam(const std::string& naam);
    std::string Naam() const;

    QComboBox* cmbWerknemer;
    widgets::TZNODBDateEdit* deBerekeningDatum;

signals:
    // The user chose an entry of the drop-down.
    void Gekozen();

private:
    std::vector<int> WerknemerNummers;
};

} // namespace vkt::ui
