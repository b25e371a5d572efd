#include "ui/Kaartcommandos.h"

#include "common/Meldingen.h"
#include "store/SysteemGeg.h"
#include "store/DmVektaris.h"
#include "store/WerknemerRecords.h"
#include "ui/FrmOpslaanAls.h"
#include "ui/Kern.h"
#include "ui/OpenBerekening.h"
#include "ui/Schermregels.h"
#include "ui/Selectieband.h"
#include "widgets/Toegankelijkheid.h"

#include <QAction>
#include <QComboBox>
#include <QToolButton>

#include <algorithm>

namespace vkt::ui {
namespace {

const char* const kWisselvraag = "Wilt u de huidige berekening opslaan?";
const char* const kAfsluitvraag = "Vkt2020 wordt afgesloten.\r\nWilt u de huidige berekening opslaan?";

bool Bevat(const std::vector<TWerknemerItem>& lijst, int nummer)
{
    return std::any_of(lijst.begin(), lijst.end(),
                       [nummer](const TWerknemerItem& item) { return item.Werknemersnummer == nummer; });
}

} // namespace

TKaartcommandos::TKaartcommandos(TKern& kern, TOpenBerekening& open, TSelectieband& selectie, TSchermregels& regels,
                                 const TKaartknoppen& knoppen, QWidget* venster)
    : QObject(venster), kern_(kern), open_(open), selectie_(selectie), regels_(regels), knoppen_(knoppen),
      venster_(venster)
{
    connect(&selectie_, &TSelectieband::Gekozen, this, &TKaartcommandos::Kies);
    connect(&open_, &TOpenBerekening::Gewisseld, this, &TKaartcommandos::ToonToestand);
    ToonToestand();
}

void TKaartcommandos::ToonToestand()
{
    const bool opgeslagen = open_.Toestand() == TBerekeningToestand::Opgeslagen;
    const bool nieuw = open_.Toestand() == TBerekeningToestand::Nieuw;
    for (QWidget* knop : knoppen_.AlleenOpgeslagen)
        knop->setEnabled(opgeslagen);
    knoppen_.OpslaanAls->setEnabled(opgeslagen);
    knoppen_.Verwijderen->setEnabled(opgeslagen);
    knoppen_.Nieuw->setText(nieuw ? "Selecteren" : "&Nieuw");
    knoppen_.Nieuw->setIconText(nieuw ? "Selecteren" : "Nieuw");
    widgets::ZetToegankelijkeNaam(*knoppen_.NieuwKnop, knoppen_.Nieuw->iconText());
}

bool TKaartcommandos::OpenLaatste()
{
    const std::vector<TWerknemerItem> lijst = open_.VulLijst();
    if (lijst.empty()) {
        open_.ToonGeen();
        return false;
    }
    int laatste = -1;
    try {
        laatste = std::stoi(kern_.Werknemers.SysteemGeg->LaatsteWN);
    } catch (const std::logic_error&) {
        // not a number: none is chosen
    }
    if (Bevat(lijst, laatste))
        open_.Open(laatste);
    else
        open_.ToonGeen();
    return true;
}

bool TKaartcommandos::BewaarMetMeldingen()
{
    try {
        if (!open_.HeeftBerekening()) {
            kern_.Meldingen.ToonFoutmelding("Er is niets opgeslagen: er is geen berekening gekozen. Kies een werknemer "
                                            "bij \"Selecteer werknemer:\" of maak een nieuwe berekening met \"Nieuw\".");
            return false;
        }
        if (!open_.Bewaar())
            return false;
        emit Melding(QString("De berekening \"%1\" is opgeslagen.").arg(QString::fromStdString(open_.Naam())));
        return true;
    } catch (const std::exception& fout) {
        kern_.Meldingen.ToonFoutmelding(fout.what());
        return false;
    }
}

bool TKaartcommandos::VraagOmOpTeSlaan(const char* vraag)
{
    switch (kern_.Meldingen.StelVraag(vraag, true)) {
    case mrJa:
        return BewaarMetMeldingen();
    case mrNee:
        return true;
    default:
        return false;
    }
}

bool TKaartcommandos::MagWisselen(const char* vraag)
{
    return !open_.HeeftBerekening() || !open_.IsGewijzigd() || VraagOmOpTeSlaan(vraag);
}

void TKaartcommandos::Kies()
{
    const std::optional<int> gekozen = selectie_.GekozenNummer();
    const std::optional<int> open = open_.Nummer();
    if (!gekozen || gekozen == open)
        return;
    if (!MagWisselen(kWisselvraag)) {
        // The drop-down shows what is open, whatever the user pointed at.
        if (open_.Nummer())
            selectie_.KiesNummer(*open_.Nummer());
        else if (open_.Toestand() == TBerekeningToestand::Nieuw)
            selectie_.ZetNieuweNaam(true), selectie_.ZetNaam(open_.Naam());
        else
            selectie_.WisKeuze();
        return;
    }
    try {
        open_.Open(*gekozen);
    } catch (const std::exception& fout) {
        kern_.Meldingen.ToonFoutmelding(fout.what());
    }
}

void TKaartcommandos::Nieuw()
{
    if (open_.Toestand() == TBerekeningToestand::Nieuw) {
        TerugNaarOpgeslagen();
        return;
    }
    if (!MagWisselen(kWisselvraag))
        return;
    StartNieuw();
}

// A new calculation with the defaults, stored at once under the name the
// user gives it; without a name nothing changes.
void TKaartcommandos::StartNieuw()
{
    TfrmOpslaanAls naam("Nieuwe werknemer", "", kern_.Meldingen, venster_);
    if (naam.exec() != QDialog::Accepted)
        return;
    vorige_ = open_.Nummer().value_or(-1);
    try {
        open_.BeginNieuw(naam.NieuweNaam());
        if (open_.Bewaar())
            emit Melding(QString("De nieuwe berekening \"%1\" is opgeslagen.").arg(QString::fromStdString(open_.Naam())));
    } catch (const std::exception& fout) {
        // The new calculation stays on screen, unsaved: "Selecteren" goes back.
        kern_.Meldingen.ToonFoutmelding(std::string("Er is een fout opgetreden bij \r\nopslaan nieuwe werknemer ") +
                                        fout.what());
    }
    selectie_.cmbWerknemer->setFocus();
}

void TKaartcommandos::TerugNaarOpgeslagen()
{
    try {
        const std::vector<TWerknemerItem> lijst = open_.VulLijst();
        if (Bevat(lijst, vorige_))
            open_.Open(vorige_);
        else if (!lijst.empty())
            open_.Open(lijst.back().Werknemersnummer);
        else
            open_.ToonGeen();
        selectie_.cmbWerknemer->setFocus();
    } catch (const std::exception& fout) {
        kern_.Meldingen.ToonFoutmelding(std::string("frmMain.RollBackLegeKaart: ") + fout.what());
    }
}

void TKaartcommandos::Opslaan() { BewaarMetMeldingen(); }

void TKaartcommandos::OpslaanAls()
{
    if (open_.Toestand() != TBerekeningToestand::Opgeslagen || !regels_.ControleerVoorOpslaan())
        return;
    TfrmOpslaanAls naam("Opslaan Als...", open_.Naam(), kern_.Meldingen, venster_);
    if (naam.exec() != QDialog::Accepted)
        return;
    try {
        if (open_.BewaarAls(naam.NieuweNaam()))
            emit Melding(QString("De berekening is opgeslagen als \"%1\".").arg(QString::fromStdString(open_.Naam())));
    } catch (const std::exception& fout) {
        kern_.Meldingen.ToonFoutmelding(std::string("Er is een fout opgetreden bij \r\nopslaan als ") + fout.what());
    }
}

void TKaartcommandos::Verwijderen()
{
    if (open_.Toestand() != TBerekeningToestand::Opgeslagen) {
        kern_.Meldingen.ToonFoutmelding("Er is geen werknemer geselecteerd om te verwijderen.");
        return;
    }
    if (kern_.Meldingen.StelVraag("Geselecteerde berekening wordt uit bestand verwijderd. \r\nDoorgaan?", false) != mrJa)
        return;
    try {
        open_.Verwijder();
    } catch (const std::exception& fout) {
        kern_.Meldingen.ToonFoutmelding(fout.what());
        return;
    }
    NaVerwijderen();
}

void TKaartcommandos::NaVerwijderen()
{
    const std::vector<TWerknemerItem> lijst = open_.VulLijst();
    vorige_ = -1;
    if (lijst.empty())
        StartNieuw();
    else
        open_.Open(lijst.back().Werknemersnummer);
}

bool TKaartcommandos::MagSluiten()
{
    if (!open_.HeeftBerekening())
        return kern_.Meldingen.StelVraag("Wilt u Vkt2020 afsluiten?", false) == mrJa;
    return VraagOmOpTeSlaan(kAfsluitvraag);
}

} // namespace vkt::ui
