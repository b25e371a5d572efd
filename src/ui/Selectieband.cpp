#include "ui/Selectieband.h"

#include "store/Gegevensscherm.h"
#include "store/WerknemerRecords.h"
#include "ui/Velden.h"
#include "widgets/Toegankelijkheid.h"
#include "widgets/ZNODBDateEdit.h"

#include <QComboBox>
#include <QLineEdit>
#include <QSignalBlocker>

#include <algorithm>

namespace vkt::ui {
namespace {

constexpr int kMaximaleNaamlengte = 50;

} // namespace

TSelectieband::TSelectieband(TGegevensScherm& s, QWidget* ouder) : TPaneel(ouder, Rand::Geen)
{
    setObjectName("pnlSelectie");
    MaakTekst(this, "Selecteer werknemer:", {8, 7, 110, 21});
    cmbWerknemer = new QComboBox(this);
    cmbWerknemer->setObjectName("cmbWerknemer");
    cmbWerknemer->setGeometry(118, 7, 209, 21);
    cmbWerknemer->setToolTip("geef de naam van de werknemer");
    cmbWerknemer->setInsertPolicy(QComboBox::NoInsert);
    widgets::ZetToegankelijkeNaam(*cmbWerknemer, "Selecteer werknemer:");
    deBerekeningDatum = MaakDatumveld(this, s.deBerekeningDatum, "Berekeningsdatum:",
                                      "geef de datum voor de desbetreffende berekening", {352, 7, 100 + 80, 21}, 100);
    deBerekeningDatum->Invoerveld().SetFixedYear(2020);
    deBerekeningDatum->Invoerveld().SetDisplayErrors(false);
    connect(cmbWerknemer, &QComboBox::activated, this, &TSelectieband::Gekozen);
}

void TSelectieband::Vul(const std::vector<TWerknemerItem>& werknemers)
{
    const QSignalBlocker stil(cmbWerknemer);
    cmbWerknemer->clear();
    WerknemerNummers.clear();
    for (const TWerknemerItem& werknemer : werknemers) {
        cmbWerknemer->addItem(QString::fromStdString(werknemer.Naam));
        WerknemerNummers.push_back(werknemer.Werknemersnummer);
    }
    WisKeuze();
}

std::optional<int> TSelectieband::GekozenNummer() const
{
    const int index = cmbWerknemer->currentIndex();
    if (index < 0 || index >= static_cast<int>(WerknemerNummers.size()))
        return std::nullopt;
    return WerknemerNummers[static_cast<std::size_t>(index)];
}

void TSelectieband::KiesNummer(int nummer)
{
    const auto gevonden = std::find(WerknemerNummers.begin(), WerknemerNummers.end(), nummer);
    const QSignalBlocker stil(cmbWerknemer);
    cmbWerknemer->setCurrentIndex(gevonden == WerknemerNummers.end()
                                      ? -1
                                      : static_cast<int>(gevonden - WerknemerNummers.begin()));
}

void TSelectieband::WisKeuze()
{
    const QSignalBlocker stil(cmbWerknemer);
    cmbWerknemer->setCurrentIndex(-1);
    if (cmbWerknemer->isEditable())
        cmbWerknemer->setEditText({});
}

bool TSelectieband::HeeftKeuze() const { return GekozenNummer().has_value(); }

void TSelectieband::Leeg() { Vul({}); }

void TSelectieband::ZetNieuweNaam(bool nieuw)
{
    const QSignalBlocker stil(cmbWerknemer);
    cmbWerknemer->setEditable(nieuw);
    if (nieuw) {
        cmbWerknemer->lineEdit()->setMaxLength(kMaximaleNaamlengte);
        cmbWerknemer->setCurrentIndex(-1);
        cmbWerknemer->setEditText({});
    }
}

void TSelectieband::ZetNaam(const std::string& naam)
{
    if (cmbWerknemer->isEditable())
        cmbWerknemer->setEditText(QString::fromStdString(naam));
}

std::string TSelectieband::Naam() const { return cmbWerknemer->currentText().toStdString(); }

} // namespace vkt::ui
