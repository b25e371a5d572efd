#include "ui/Schermregels.h"

#include "calc/Berekening.h"
#include "calc/OpenenBerekening.h"
#include "calc/Samenvatting.h"
#include "calc/SchermInvoer.h"
#include "common/Meldingen.h"
#include "model/QuelvarException.h"
#include "store/Gegevensscherm.h"
#include "store/SocialeFondsen.h"
#include "ui/Kern.h"
#include "ui/Regelkoppeling.h"
#include "ui/Selectieband.h"
#include "ui/TabBerekeningsgegevens.h"
#include "ui/TabWerkgeverslasten.h"
#include "ui/TabWerknemersgegevens.h"
#include "widgets/KolomRegelControl.h"
#include "widgets/NumeriekVeld.h"
#include "widgets/Paneel.h"
#include "widgets/VensterMeldingen.h"
#include "widgets/ZNODBCheckbox.h"
#include "widgets/ZNODBComboboxEx.h"
#include "widgets/ZNODBDateEdit.h"
#include "widgets/ZNODBNumericEdit.h"

#include <QComboBox>
#include <QPushButton>
#include <QTabWidget>

#include <array>
#include <optional>

namespace vkt::ui {

using widgets::VoerUitMetFoutmelding;
namespace {

// The fields checked when they are left.
constexpr std::array<TInvoerveld, 3> kGecontroleerd = {TInvoerveld::Berekeningsdatum, TInvoerveld::Loonbedrag,
                                                       TInvoerveld::Geboortedatum};

// The bound field of the screen that holds an input field; the age, which
// is computed, has none.
db::TZNODBComponent* GebondenVeld(TGegevensScherm& s, TInvoerveld veld)
{
    switch (veld) {
    case TInvoerveld::Berekeningsdatum: return &s.deBerekeningDatum;
    case TInvoerveld::Loonbedrag: return &s.edLoonbedrag;
    case TInvoerveld::SoortLoonbedrag: return &s.cmbLoonbedrag;
    case TInvoerveld::SoortBerekening: return &s.cmbSoortWerknemer;
    case TInvoerveld::Geboortedatum: return &s.edGebDatum;
    case TInvoerveld::Loontijdvak: return &s.cmbLoontijdvak;
    case TInvoerveld::Leeftijd: return nullptr;
    }
    return nullptr;
}

// The input that shows an input field: that of the panel bound to its field,
// or the age's own display.
QWidget* Invoerwidget(const TSchermdelen& delen, TGegevensScherm& s, TInvoerveld veld)
{
    if (veld == TInvoerveld::Leeftijd)
        return delen.Werknemersgegevens->edLeeftijd;
    const db::TZNODBComponent* gebonden = GebondenVeld(s, veld);
    for (widgets::TZNODBComponent* paneel : delen.Tabs->window()->findChildren<widgets::TZNODBComponent*>())
        if (&paneel->Veld() == gebonden)
            return paneel->InvoerWidget();
    return nullptr;
}

// The window's tab of an input tab.
std::optional<int> Tabindex(TInvoertab tab)
{
    switch (tab) {
    case TInvoertab::Werkgeverslasten: return tabWerkgeverslasten;
    case TInvoertab::SocialeFondsen: return tabSocialeFondsen;
    case TInvoertab::Werknemersgegevens: return tabWerknemersgegevens;
    case TInvoertab::Berekeningsgegevens: return tabBerekeningsgegevens;
    case TInvoertab::Geen: return std::nullopt;
    }
    return std::nullopt;
}

} // namespace

TSchermregels::TSchermregels(TKern& kern, const TSchermdelen& delen, const bool& initialised, QObject* ouder)
    : QObject(ouder), kern_(kern), delen_(delen), initialised_(initialised)
{
    Verbind();
    ZetControles();
}

TSchermregels::~TSchermregels()
{
    for (TInvoerveld veld : kGecontroleerd)
        GebondenVeld(kern_.Scherm, veld)->OnValidate = nullptr;
}

void TSchermregels::Verbind()
{
    TtsWerknemersgegevens* wn = delen_.Werknemersgegevens;
    // The lists tell a user's choice only: the window sets them quietly.
    connect(&wn->cmbSoortWerknemer->Invoerveld(), &QComboBox::currentIndexChanged, this, [this] {
        VoerUitMetFoutmelding(kern_.Meldingen, [this] { Soortregel(); });
    });
    connect(&wn->cmbLoontijdvak->Invoerveld(), &QComboBox::currentIndexChanged, this, &TSchermregels::LoontijdvakGekozen);
    connect(&wn->cbZfw->Invoerveld(), &QCheckBox::clicked, this, &TSchermregels::VerzekerdZvwGeklikt);
    connect(&delen_.Werkgeverslasten->cbActiefZvw->Invoerveld(), &QCheckBox::clicked, this,
            &TSchermregels::WerkgeverZvwGeklikt);
    connect(wn->edLoonbedrag, &widgets::TZNODBComponent::Exit, this, &TSchermregels::LoonbedragVerlaten);
    connect(delen_.Berekeningsgegevens->cmbAWfPremieType, &widgets::TZNODBComponent::Exit, this,
            &TSchermregels::AWfVerlaten);
    connect(wn->edGebDatum, &widgets::TZNODBComponent::Enter, this, &TSchermregels::GeboortedatumBinnen);
    connect(wn->edGebDatum, &widgets::TZNODBComponent::Exit, this, &TSchermregels::GeboortedatumVerlaten);
    connect(wn->btnMinimumloon, &QPushButton::clicked, this, &TSchermregels::Minimumloon);
    connect(wn->krcHogereZvw, &widgets::TKolomRegelControl::AfterInitialize, this,
            &TSchermregels::HogereZvwGeinitialiseerd);
}

// Leaving the calculation date, the wage amount or the birth date checks
// it; the lists of kinds are checked only before a save.
void TSchermregels::ZetControles()
{
    TGegevensScherm& s = kern_.Scherm;
    for (TInvoerveld veld : kGecontroleerd)
        GebondenVeld(s, veld)->OnValidate = [this, veld](db::TZNODBComponent&, bool& geldig) {
            geldig = Controleer(veld);
        };
    for (db::TZNODBComponent* veld : std::initializer_list<db::TZNODBComponent*>{&s.cmbSoortWerknemer, &s.cmbLoonbedrag, &s.cmbAWfPremieType})
        veld->SetValidateOnExit(false);
}

TBerekeningInvoer TSchermregels::LeesInvoer() const
{
    TBerekeningInvoer invoer = LeesGegevensScherm(kern_.Scherm);
    invoer.Werknemer = delen_.Selectie->Naam();
    const widgets::TKolomRegelControl& artiest = *delen_.Werknemersgegevens->edArtiestAftrek;
    invoer.ArtiestAftrekBPType = artiest.BPDType();
    invoer.ArtiestAftrekBedrag = static_cast<double>(artiest.Bedrag());
    invoer.ArtiestAftrekPercentage = static_cast<double>(artiest.Percentage());
    invoer.WGWaoVastPercentage = static_cast<double>(delen_.Werkgeverslasten->krcWGWaoVast->Percentage());
    invoer.SocialeFondsen = kern_.Fondsen.GetoondeFondsen();
    return invoer;
}

void TSchermregels::ZetArtiestAftrek(double bedrag)
{
    widgets::TKolomRegelControl& rij = *delen_.Werknemersgegevens->edArtiestAftrek;
    TKolomRegelValues waarden;
    waarden.Omschrijving = rij.CaptionText().toStdString();
    waarden.BPD = bpdBedrag;
    waarden.Bedrag = bedrag;
    rij.SetValues(waarden);
}

double TSchermregels::ArtiestAftrekBedrag() const
{
    return static_cast<double>(delen_.Werknemersgegevens->edArtiestAftrek->Bedrag());
}

void TSchermregels::Soortregel()
{
    TBerekeningInvoer invoer = LeesInvoer();
    const int loontijdvak = invoer.Loontijdvak;
    PasSoortregelToe(invoer);
    if (invoer.Loontijdvak != loontijdvak) {
        // The pay period the kind sets brings its wage days, as a chosen one does.
        KiesLoontijdvak(invoer, invoer.Loontijdvak);
        kern_.Scherm.cmbLoontijdvak.SetKey(std::to_string(invoer.Loontijdvak));
        kern_.Scherm.edLoondagenVoorDagtabel.SetNumber(invoer.LoondagenVoorDagtabel);
    }
    const TSoortVelden velden = SoortVelden(invoer.SoortBerekening);
    TtsWerknemersgegevens* wn = delen_.Werknemersgegevens;
    wn->cmbLoontijdvak->setEnabled(velden.LoontijdvakKiesbaar);
    wn->cmbTabelkleur->setEnabled(velden.TabelKiesbaar);
    wn->cmbLoonbelastingtabelVoorInwoner->setEnabled(velden.TabelKiesbaar);
    wn->edLoonheffingVrij->setEnabled(velden.LoonheffingVrij);
    wn->cbZfw->setEnabled(velden.VerzekerdZvwKiesbaar);
    wn->edArtiestAftrek->setEnabled(velden.ArtiestAftrek);
    wn->edJaarloonLBPH->setEnabled(velden.JaarloonVorigJaar);
    TtsBerekeningsgegevens* bg = delen_.Berekeningsgegevens;
    bg->pnlAfwLoonheffing->setVisible(velden.ArtiestLoonheffing);
    bg->DeelRijenIn(Werknemersregels(invoer.SoortBerekening));
    bg->krcWNLBPH->SetCaptionText(QString::fromStdString(LBPHBijschrift(invoer.SoortBerekening)));
    Zvwregel();
}

void TSchermregels::Zvwregel()
{
    TBerekeningInvoer invoer = LeesInvoer();
    TtsWerknemersgegevens* wn = delen_.Werknemersgegevens;
    wn->pnlZvwPremie->setVisible(invoer.VerzekerdZfw && invoer.ZfwIngeschakeld);
    wn->krcWNZvw->setEnabled(invoer.VerzekerdZfw);
    PasZvwRegelToe(invoer);
    if (invoer.Actief.Zvw != kern_.Scherm.cbActiefZvw.Checked())
        kern_.Scherm.cbActiefZvw.SetChecked(invoer.Actief.Zvw);
}

void TSchermregels::VerzekerdZvwGeklikt() { Zvwregel(); }

void TSchermregels::WerkgeverZvwGeklikt(bool aan)
{
    TBerekeningInvoer invoer = LeesInvoer();
    KiesWerkgeverZvw(invoer, aan);
    kern_.Scherm.cbZfw.SetChecked(invoer.VerzekerdZfw);
    Zvwregel();
}

void TSchermregels::LoontijdvakGekozen()
{
    TBerekeningInvoer invoer = LeesInvoer();
    KiesLoontijdvak(invoer, invoer.Loontijdvak);
    kern_.Scherm.edLoondagenVoorDagtabel.SetNumber(invoer.LoondagenVoorDagtabel);
}

void TSchermregels::LoonbedragVerlaten()
{
    if (kern_.Vast)
        kern_.Vast->Kolommen().SetBrutoloon(kern_.Scherm.edLoonbedrag.Number().value_or(0));
}

void TSchermregels::AWfVerlaten()
{
    if (kern_.Vast)
        kern_.Vast->AwfPremieType = kern_.Scherm.cmbAWfPremieType.Key();
}

void TSchermregels::GeboortedatumBinnen() { geboortedatum_ = kern_.Scherm.edGebDatum.Date(); }

// A new birth date may change the WAO/WIA premium the employer owes.
void TSchermregels::GeboortedatumVerlaten()
{
    const std::optional<TDateTime> datum = kern_.Scherm.edGebDatum.Date();
    if (!initialised_ || !datum || datum == geboortedatum_ || !kern_.Vast)
        return;
    try {
        TBerekening::VulHeffingsgegevens(*kern_.Vast, LeesInvoer());
        SetWAOPremieRegel(*kern_.Vast);
        delen_.Koppeling->Ververs(*delen_.Werkgeverslasten->krcWGWaoVast);
    } catch (const std::exception& fout) {
        kern_.Meldingen.ToonFoutmelding(std::string("frmMain.edGebDatumExit: ") + fout.what());
    }
}

void TSchermregels::Minimumloon()
{
    VoerUitMetFoutmelding(kern_.Meldingen, [this] {
        const TBerekeningInvoer invoer = LeesInvoer();
        const TMinimumloon minimumloon =
            BepaalMinimumloon(Leeftijd().value_or(0), invoer.BerekeningDatum, invoer.Loontijdvak, kern_.Constanten);
        if (minimumloon.Fout)
            ToonVeldfout(*minimumloon.Fout);
        else
            kern_.Scherm.edLoonbedrag.SetNumber(*minimumloon.Bedrag);
    });
}

// The booking type of the higher-Zvw row offers amount and percentage.
void TSchermregels::HogereZvwGeinitialiseerd()
{
    auto* lijst = delen_.Werknemersgegevens->krcHogereZvw->findChild<QComboBox*>("cmbBPD");
    if (lijst == nullptr || lijst->isEditable())
        return;
    const int gekozen = lijst->currentIndex();
    lijst->clear();
    lijst->addItems({"B", "P"});
    lijst->setCurrentIndex(gekozen >= 0 ? gekozen : 1);
    lijst->setToolTip("(B)edrag, (P)ercentage");
}

void TSchermregels::NaLaden()
{
    TabGetoond(delen_.Tabs->currentIndex() == tabBerekeningsgegevens ? tabBerekeningsgegevens : tabWerknemersgegevens);
}

void TSchermregels::TabGetoond(int tab)
{
    if (tab != tabWerknemersgegevens && tab != tabBerekeningsgegevens)
        return;
    Soortregel();
    if (tab == tabBerekeningsgegevens)
        ToonSamenvatting();
}

void TSchermregels::ToonSamenvatting()
{
    delen_.Berekeningsgegevens->ToonSamenvatting(LeesSamenvatting(kern_.Scherm, Leeftijd()));
}

void TSchermregels::WisSamenvatting() { delen_.Berekeningsgegevens->WisSamenvatting(); }

std::optional<int> TSchermregels::Leeftijd() const
{
    const widgets::TZNONumericEdit& veld = *delen_.Werknemersgegevens->edLeeftijd;
    if (veld.IsEmpty())
        return std::nullopt;
    return static_cast<int>(veld.AsInteger());
}

void TSchermregels::ToonLeeftijd(const TBerekeningInvoer& invoer)
{
    if (invoer.Geboortedatum != 0 && invoer.BerekeningDatum != 0)
        delen_.Werknemersgegevens->edLeeftijd->SetAsInteger(LeeftijdOpBerekeningsdatum(invoer));
}

void TSchermregels::VulLeeftijd()
{
    try {
        ToonLeeftijd(LeesInvoer());
    } catch (const std::exception& fout) {
        throw EQuelvarException(std::string("TfrmMain.VulLeeftijd: ") + fout.what());
    }
}

bool TSchermregels::Controleer(TInvoerveld veld)
{
    const TBerekeningInvoer invoer = LeesInvoer();
    if (const auto fout = ControleerVeld(invoer, veld)) {
        ToonVeldfout(*fout);
        return false;
    }
    if (veld != TInvoerveld::Loonbedrag)
        ToonLeeftijd(invoer);
    return true;
}

bool TSchermregels::ControleerVoorOpslaan()
{
    const TBerekeningInvoer invoer = LeesInvoer();
    if (const auto fout = ControleerInvoer(invoer)) {
        ToonVeldfout(*fout);
        return false;
    }
    ToonLeeftijd(invoer);
    return true;
}

void TSchermregels::ToonVeldfout(const TVeldFout& fout)
{
    kern_.Meldingen.ToonFoutmelding(fout.Melding);
    if (const std::optional<int> tab = Tabindex(fout.Tab))
        delen_.Tabs->setCurrentIndex(*tab);
    if (QWidget* veld = Invoerwidget(delen_, kern_.Scherm, fout.Veld))
        veld->setFocus();
}

} // namespace vkt::ui
