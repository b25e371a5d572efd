#include "ui/Kaartcommandos.h"

#include "calc/OpenenBerekening.h"
#include "calc/SchermInvoer.h"
#include "calc/Veldregels.h"
#include "common/Meldingen.h"
#include "common/Text.h"
#include "model/DmConstanten.h"
#include "store/BerekeningOpslag.h"
#include "store/DmVektaris.h"
#include "store/Gegevensscherm.h"
#include "store/WerknemerRecords.h"
#include "ui/FondsRegelsScherm.h"
#include "ui/FrmOpslaanAls.h"
#include "ui/Kern.h"
#include "ui/Regelkoppeling.h"
#include "ui/Schermregels.h"
#include "ui/Selectieband.h"
#include "ui/Wachtcursor.h"
#include "widgets/Toegankelijkheid.h"
#include "widgets/VensterMeldingen.h"

#include <QAction>
#include <QComboBox>
#include <QToolButton>

namespace vkt::ui {

using widgets::VoerUitMetFoutmelding;
namespace {

const QString kNieuw = QStringLiteral("Nieuw");
const QString kSelecteren = QStringLiteral("Selecteren");

} // namespace

TKaartcommandos::TKaartcommandos(TKern& kern, TSelectieband& selectie, TSchermregels& regels,
                                 TRegelkoppeling& koppeling, TFondsRegelsScherm& fondsen, const TKaartknoppen& knoppen,
                                 QWidget* venster)
    : QObject(venster), kern_(kern), selectie_(selectie), regels_(regels), koppeling_(koppeling), fondsen_(fondsen),
      knoppen_(knoppen), venster_(venster)
{
    connect(&selectie_, &TSelectieband::Gekozen, this, &TKaartcommandos::Kies);
}

void TKaartcommandos::VulWerknemerLijst()
{
    const TWachtcursor wacht;
    selectie_.Vul(kern_.Records.VulWerknemerLijst());
}

void TKaartcommandos::LaadBerekening()
{
    const TWachtcursor wacht;
    TdmVektaris& dm = kern_.Werknemers;
    int n = -1;
    if (const auto gekozen = selectie_.GekozenNummer())
        n = *gekozen;
    else if ((kern_.Opslag.KaartModus == kmBestaand || kern_.Opslag.KaartModus == kmNieuw) && kern_.Vast)
        n = dm.qryWNvkt.RecordCount() == 0 ? -1 : dm.Werknemersnummer; // the list has just been filled again
    if (n >= 1)
        dm.qryWNvkt.Locate("Werknemersnummer", db::Value::Integer(n));
    kern_.Records.LaadBerekening(n);
    if (dm.Werknemersnummer == -1)
        selectie_.WisKeuze();
    else
        selectie_.KiesNummer(static_cast<int>(dm.qryWNvkt.AsInteger("Werknemersnummer")));
    fondsen_.ToonGeladenFondsen();
}

void TKaartcommandos::VerversScherm()
{
    TdmVektaris& dm = kern_.Werknemers;
    TGegevensScherm& s = kern_.Scherm;
    const bool opgeslagen = dm.Werknemersnummer >= 1;
    if (opgeslagen) {
        kern_.Opslag.KaartModus = kmBestaand;
        s.dgGegevensWN.Load();
        // A calculation stored without a date opens on the date a new one gets.
        if (s.deBerekeningDatum.IsEmpty())
            s.deBerekeningDatum.SetDate(TdmConstanten::BeginBerekeningsdatum(Today()));
        regels_.VulLeeftijd();
    }
    for (QWidget* knop : knoppen_.AlleenOpgeslagen)
        knop->setEnabled(opgeslagen);
    knoppen_.OpslaanAls->setEnabled(opgeslagen);
    OpenWerknemer();
    if (s.cbActiefZvw.Checked() && s.cbZfw.Checked())
        s.cbZfw.SetChecked(false);
    regels_.NaLaden();
}

// The regular levy data of the positioned calculation, its lines bound to
// the rows.
void TKaartcommandos::OpenWerknemer()
{
    const TWachtcursor wacht;
    TdmVektaris& dm = kern_.Werknemers;
    TGegevensScherm& s = kern_.Scherm;
    koppeling_.Koppel(nullptr);
    kern_.Vast.reset();
    const TBerekeningInvoer invoer = regels_.LeesInvoer();
    const bool opgeslagen = dm.Werknemersnummer >= 1;
    kern_.Vast = opgeslagen ? LaadVasteHeffingsgegevens(dm, kern_.Constanten, invoer)
                            : LaadNieuweHeffingsgegevens(dm, kern_.Constanten, invoer);
    if (kern_.Vast->GeenHeffingsrecord) {
        s.edLoondagenVoorDagtabel.SetNumber(StandaardSVDagen(ltMaand));
        s.cmbAWfPremieType.SetKey(AwfPremieLaag);
    } else {
        s.dgHeffingsgegevens.Load();
    }
    koppeling_.Koppel(kern_.Vast.get());
    const db::Query& werknemer = dm.qryWNvkt;
    regels_.ZetArtiestAftrek(opgeslagen && !werknemer.IsNull("ArtiestAftrekBedrag")
                                 ? werknemer.AsDouble("ArtiestAftrekBedrag")
                                 : 0);
}

void TKaartcommandos::Kies()
{
    if (kern_.Opslag.KaartModus == kmNieuw)
        return;
    VoerUitMetFoutmelding(kern_.Meldingen, [this] {
        LaadBerekening();
        VerversScherm();
        venster_->update();
    });
}

void TKaartcommandos::ZetNieuwBijschrift(bool selecteren)
{
    knoppen_.NieuwKnop->setText(selecteren ? kSelecteren : kNieuw);
    widgets::ZetToegankelijkeNaam(*knoppen_.NieuwKnop, knoppen_.NieuwKnop->text());
    knoppen_.Nieuw->setText(selecteren ? kSelecteren : "&" + kNieuw);
}

void TKaartcommandos::Nieuw()
{
    if (knoppen_.NieuwKnop->text() == kSelecteren) {
        RollBackLegeKaart();
        return;
    }
    try {
        StartNieuw();
    } catch (const std::exception& fout) {
        kern_.Meldingen.ToonFoutmelding(std::string("Er is een fout opgetreden bij \r\nopslaan nieuwe werknemer ") +
                                        fout.what());
        RollBackLegeKaart();
    }
}

// A new calculation with the defaults, stored at once under the name the
// user gives it.
void TKaartcommandos::StartNieuw()
{
    TGegevensScherm& s = kern_.Scherm;
    ZetNieuwBijschrift(kern_.Opslag.KaartModus != kmNieuw);
    kern_.Opslag.KaartModus = kmNieuw;
    s.dgGegevensWN.ClearAll();
    s.dgHeffingsgegevens.ClearAll();
    knoppen_.VerwijderenKnop->setEnabled(false);
    knoppen_.Verwijderen->setEnabled(false);
    selectie_.Leeg();
    selectie_.ZetNieuweNaam(true);
    VulGegevensScherm(s, NieuweBerekeningInvoer(Today()), AwfPremieLaag);
    regels_.WisSamenvatting();
    koppeling_.Koppel(nullptr);
    kern_.Vast.reset();
    LaadBerekening();
    VerversScherm();
    selectie_.cmbWerknemer->setFocus();

    TfrmOpslaanAls naam("Nieuwe werknemer", "", kern_.Meldingen, venster_);
    if (naam.exec() != QDialog::Accepted) {
        RollBackLegeKaart();
        return;
    }
    kern_.Opslag.KaartModus = kmNieuw;
    selectie_.ZetNaam(naam.NieuweNaam());
    kern_.Vast->SetGeenHeffingsrecord(true);
    Opslaan();
}

void TKaartcommandos::Opslaan()
{
    VoerUitMetFoutmelding(kern_.Meldingen, [this] { BewaarHuidige(); });
}

bool TKaartcommandos::BewaarHuidige()
{
    if (!MagOpslaan())
        return false;
    kern_.Scherm.Naam = selectie_.Naam();
    kern_.Scherm.ArtiestAftrekBedrag = regels_.ArtiestAftrekBedrag();
    fondsen_.NeemWaardenOver();
    kern_.Opslag.BewaarBerekening(*kern_.Vast);
    ToonOpgeslagen();
    return true;
}

// The field that had the focus is left, and so checked, first; a check that
// fails keeps the focus and stops the save there, with its one message.
bool TKaartcommandos::MagOpslaan()
{
    selectie_.cmbWerknemer->setFocus();
    if (venster_->focusWidget() != nullptr && venster_->focusWidget() != selectie_.cmbWerknemer)
        return false;
    venster_->update();
    const TKaartModus modus = kern_.Opslag.KaartModus;
    // A window showing no saved calculation has nothing to update.
    const bool bestaand = modus == kmBestaand && kern_.Werknemers.Werknemersnummer >= 1;
    return (bestaand || modus == kmNieuw) && kern_.Vast && NaamIngevuld() && regels_.ControleerVoorOpslaan();
}

bool TKaartcommandos::NaamIngevuld()
{
    if (!Trim(selectie_.Naam()).empty())
        return true;
    kern_.Meldingen.ToonFoutmelding("Naam werknemer is niet ingevuld.");
    selectie_.cmbWerknemer->setFocus();
    return false;
}

void TKaartcommandos::ToonOpgeslagen()
{
    VulWerknemerLijst();
    LaadBerekening();
    VerversScherm();
    selectie_.ZetNieuweNaam(false);
    ZetNieuwBijschrift(false);
    knoppen_.VerwijderenKnop->setEnabled(true);
    knoppen_.Verwijderen->setEnabled(true);
}

void TKaartcommandos::OpslaanAls()
{
    try {
        TfrmOpslaanAls naam("Opslaan Als...", selectie_.Naam(), kern_.Meldingen, venster_);
        if (naam.exec() != QDialog::Accepted || !kern_.Vast)
            return;
        kern_.Opslag.KaartModus = kmNieuw;
        selectie_.ZetNieuweNaam(true);
        selectie_.ZetNaam(naam.NieuweNaam());
        kern_.Vast->SetGeenHeffingsrecord(true);
        selectie_.cmbWerknemer->setFocus();
        if (!NaamIngevuld() || !regels_.ControleerVoorOpslaan())
            return;
        kern_.Scherm.ArtiestAftrekBedrag = regels_.ArtiestAftrekBedrag();
        fondsen_.NeemWaardenOver();
        kern_.Opslag.BewaarAls(*kern_.Vast, naam.NieuweNaam());
        ToonOpgeslagen();
    } catch (const std::exception& fout) {
        kern_.Meldingen.ToonFoutmelding(std::string("Er is een fout opgetreden bij \r\nopslaan als ") + fout.what());
    }
}

void TKaartcommandos::Verwijderen()
{
    VoerUitMetFoutmelding(kern_.Meldingen, [this] {
        if (!selectie_.HeeftKeuze() || !kern_.Vast) {
            kern_.Meldingen.ToonFoutmelding("Er is geen werknemer geselecteerd om te verwijderen.");
            return;
        }
        if (kern_.Meldingen.StelVraag("Geselecteerde berekening wordt uit bestand verwijderd. \r\nDoorgaan?", false) !=
            mrJa)
            return;
        kern_.Opslag.VerwijderBerekening(*kern_.Vast);
        VulWerknemerLijst();
        const db::Query& werknemers = kern_.Werknemers.qryWNvkt;
        if (werknemers.RecordCount() == 0) {
            selectie_.WisKeuze();
            kern_.Opslag.KaartModus = kmNieuw;
            Nieuw();
        } else {
            selectie_.KiesNummer(static_cast<int>(werknemers.AsInteger("Werknemersnummer")));
            Kies();
        }
    });
}

void TKaartcommandos::RollBackLegeKaart()
{
    try {
        selectie_.ZetNieuweNaam(false);
        ZetNieuwBijschrift(false);
        knoppen_.VerwijderenKnop->setEnabled(true);
        knoppen_.Verwijderen->setEnabled(true);
        kern_.Opslag.KaartModus = kmBestaand;
        VulWerknemerLijst();
        const db::Query& werknemers = kern_.Werknemers.qryWNvkt;
        if (werknemers.RecordCount() > 0)
            selectie_.KiesNummer(static_cast<int>(werknemers.AsInteger("Werknemersnummer")));
        LaadBerekening();
        VerversScherm();
        selectie_.cmbWerknemer->setFocus();
    } catch (const std::exception& fout) {
        kern_.Meldingen.ToonFoutmelding(std::string("frmMain.RollBackLegeKaart: ") + fout.what());
    }
}

bool TKaartcommandos::HeeftBerekening() const
{
    return selectie_.HeeftKeuze() || (kern_.Opslag.KaartModus == kmNieuw && !selectie_.Naam().empty());
}

} // namespace vkt::ui
