#include "ui/TabWerknemersgegevens.h"

#include "calc/Getalvelden.h"
#include "calc/Invoer.h"
#include "store/Gegevensscherm.h"
#include "ui/Kolomregelrijen.h"
#include "ui/Regelkoppeling.h"
#include "ui/Velden.h"
#include "widgets/KolomRegelControl.h"
#include "widgets/NumeriekVeld.h"
#include "widgets/Paneel.h"
#include "widgets/Toegankelijkheid.h"
#include "widgets/ZNODBCheckbox.h"
#include "widgets/ZNODBComboboxEx.h"
#include "widgets/ZNODBDateEdit.h"
#include "widgets/ZNODBNumericEdit.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

namespace vkt::ui {
namespace {

constexpr int kLinksBreedte = 394; // the left column
constexpr int kRechtsX = 402;      // the right column
constexpr int kRechtsBreedte = 339;
constexpr int kLabelBreedte = 112; // where the inputs start
// The wage amount takes the largest amount of every front end: its whole
// digits, the decimal comma and two decimals.

} // namespace

TtsWerknemersgegevens::TtsWerknemersgegevens(TGegevensScherm& s, TRegelkoppeling& koppeling, QWidget* ouder)
    : QWidget(ouder)
{
    setObjectName("tsWerknemerGegevens");
    cmbSoortWerknemer = MaakKeuzeveld(this, s.cmbSoortWerknemer, "Berekening voor:",
                                      "kies uit selectiebox de soort berekening die u wilt maken ",
                                      {8, 8, kLabelBreedte + 200, 21}, kLabelBreedte);
    edGebDatum = MaakDatumveld(this, s.edGebDatum, "Geboortedatum", {}, {8, 33, kLabelBreedte + 76, 21}, kLabelBreedte);
    edGebDatum->SetRequired(true);
    MaakTekst(this, "Leeftijd:", {12, 58, 100, 21});
    edLeeftijd = new widgets::TZNONumericEdit(this);
    edLeeftijd->setObjectName("edLeeftijd");
    edLeeftijd->SetNumericFormat("1000,00");
    edLeeftijd->SetDecimals(0);
    edLeeftijd->SetDigits(3);
    edLeeftijd->setGeometry(8 + kLabelBreedte, 58, 40, 21);
    edLeeftijd->setToolTip("vermeld de leeftijd van de werknemer");
    edLeeftijd->setEnabled(false);
    widgets::ZetToegankelijkeNaam(*edLeeftijd, "Leeftijd:");
    MaakLoongegevens(s);
    MaakHeffingsgegevens(s);
    MaakVerzekeringen(s, koppeling);
    MaakZorgverzekeringswet(koppeling);
    auto* onder = MaakPaneel(this, "pnlWNOnder", {4, 426, 737, 30});
    btnWNGrondslag = MaakKnop(onder, "btnWNGrondslag", "Afwijkende berekeningsgro&ndslag",
                              "opent venster voor afwijkende grondslag berekening", {4, 5, 200, 21});
}

void TtsWerknemersgegevens::MaakLoongegevens(TGegevensScherm& s)
{
    auto* groep = MaakGroep(this, "gbLoongegevens", "Loongegevens", {4, 88, kLinksBreedte, 190});
    cmbLoontijdvak = MaakKeuzeveld(groep, s.cmbLoontijdvak, "Loontijdvak:", "kies het loontijdvak dat van toepassing is",
                                   {4, 20, kLabelBreedte + 110, 21}, kLabelBreedte);
    cmbLoontijdvak->SetRequired(true);
    MaakKeuzeveld(groep, s.cmbLoonbedrag, "Soort loon:",
                  "kies uit de selectiebox welk soort loonbedrag basis is voor de berekening",
                  {4, 45, kLabelBreedte + 110, 21}, kLabelBreedte);
    edLoonbedrag = MaakGetalveld(groep, s.edLoonbedrag, "Loonbedrag:", "geef het te berekenen loonbedrag",
                                 {4, 70, kLabelBreedte + 110, 21}, kLabelBreedte, kVeldLoonbedrag.Cijfers,
                                 kVeldLoonbedrag.Decimalen);
    btnMinimumloon = MaakKnop(groep, "btnMinimumloon", "&Minimumloon", "bereken minimumloon bij leeftijd",
                              {kLabelBreedte + 124, 70, 90, 21});

    auto* artiesten = MaakGroep(groep, "gbArtiesten", "artiesten/beroepssporters", {6, 100, kLinksBreedte - 12, 80});
    MaakTekst(artiesten, "Omschrijving", {9, 20, 190, 15});
    MaakKoptitels(artiesten, {{"Bedrag", {8 + 302, 20, 62, 15}}});
    edArtiestAftrek = MaakRij(artiesten, "edArtiestAftrek", TRijvorm::ArtiestAftrek,
                              "Kostenverg.besch./kleineverg.regeling",
                              "vermeld het percentage of bedrag van de kostenvergoedingsbeschikking");
    edArtiestAftrek->setGeometry(8, 38, kLinksBreedte - 28, 23);
    // Its amount stands closer to the description than in other rows.
    edArtiestAftrek->findChild<QWidget*>("edPercentage")->move(261, 1);
    edArtiestAftrek->findChild<QWidget*>("edBedrag")->move(302, 1);
}

void TtsWerknemersgegevens::MaakHeffingsgegevens(TGegevensScherm& s)
{
    auto* groep = MaakGroep(this, "gbHeffingsgegevens", "Heffingsgegevens", {kRechtsX, 4, kRechtsBreedte, 202});
    cmbTabelkleur = MaakKeuzeveld(groep, s.cmbTabelkleur, "Tabelkleur:", "kies de kleur van de tabel die van toepassing is",
                                  {4, 20, kLabelBreedte + 110, 21}, kLabelBreedte);
    cmbLoonbelastingtabelVoorInwoner = MaakKeuzeveld(groep, s.cmbLoonbelastingtabelVoorInwoner, "Loonbelastingtabel",
                                                     {}, {4, 45, kLabelBreedte + 210, 21}, kLabelBreedte);
    MaakGetalveld(groep, s.edDeeltijdFactor, "Deeltijdfactor:", "geef het percentage deeltijd dat toegepast moet worden",
                  {4, 70, kLabelBreedte + 60, 21}, kLabelBreedte, kVeldDeeltijdfactor.Cijfers,
                  kVeldDeeltijdfactor.Decimalen);
    MaakTekst(groep, "%", {kLabelBreedte + 68, 70, 12, 21});
    MaakVinkveld(groep, s.cbIPzonderDeeltijd, "Deeltijdfactor niet toepassen op IP-premie",
                 "aanklikken voor berekening IP-premie zonder toepassen van de deeltijdfactor", {4, 98});
    MaakVinkveld(groep, s.cbToepLoonheffing, "Toepassen loonheffingskorting: ",
                 "aankruisen als loonheffingskorting van toepassing is", {4, 120});
    edJaarloonLBPH = MaakGetalveld(groep, s.edJaarloonLBPH, "Jaarloon LB/PH:", "geef het jaarloon voor de loonheffing",
                                   {4, 145, kLabelBreedte + 110, 21}, kLabelBreedte, kVeldJaarloon.Cijfers,
                                   kVeldJaarloon.Decimalen);
    edJaarloonLBPH->setEnabled(false);
    edLoonheffingVrij = MaakGetalveld(groep, s.edLoonheffingVrij, "Loonheffing:",
                                      "geef het toe te passen percentage aan loonheffing",
                                      {4, 170, kLabelBreedte + 110, 21}, kLabelBreedte,
                                      kVeldLoonheffing.Cijfers, kVeldLoonheffing.Decimalen);
    MaakTekst(groep, "%", {kLabelBreedte + 118, 170, 12, 21});
}

void TtsWerknemersgegevens::MaakVerzekeringen(TGegevensScherm& s, TRegelkoppeling& koppeling)
{
    auto* groep = MaakGroep(this, "gbSVPremies", "SV-premies", {kRechtsX, 210, kRechtsBreedte, 74});
    MaakTekst(groep, "Verzekerd voor: ", {8, 20, 100, 17});
    MaakVinkveld(groep, s.cbWW, "WW", "aankruisen voor berekening werknemersdeel WW-premie", {kLabelBreedte, 20});
    MaakVinkveld(groep, s.cbWAO, "WAO", "aankruisen als WAO-premie berekend moet worden", {kLabelBreedte + 60, 20});
    cbZfw = MaakVinkveld(groep, s.cbZfw, "Zvw", "aankruisen voor berekening Zvw-premie", {kLabelBreedte + 128, 20});

    pnlZvwPremie = MaakPaneel(groep, "pnlZvwPremie", {2, 42, kRechtsBreedte - 4, 27});
    krcWNZvw = MaakRij(pnlZvwPremie, "krcWNZvw", TRijvorm::WerknemersZvw, "Zvw:",
                       "geef het toe te passen percentage Zvw");
    krcWNZvw->setGeometry(6, 2, 180, 23);
    // The percentage right after the short caption.
    krcWNZvw->findChild<QWidget*>("edPercentage")->move(120, 1);
    MaakTekst(pnlZvwPremie, "%", {188, 2, 12, 23});
    koppeling.VoegToe(krcWNZvw, {rtZfwPremieWN, 0});
    pnlZvwPremie->hide();
}

void TtsWerknemersgegevens::MaakZorgverzekeringswet(TRegelkoppeling& koppeling)
{
    auto* groep = MaakGroep(this, "gbZorgverzekeringswet", "Zorgverzekeringswet", {4, 290, 737, 66});
    const std::vector<QLabel*> titels = MaakRijtitels(groep, {8, 20});
    // Only the description and the amount are entered here.
    for (std::size_t i = 1; i + 1 < titels.size(); ++i)
        titels[i]->hide();
    krcHogereZvw = MaakRij(groep, "krcHogereZvw", TRijvorm::Bedrag, "Hogere vergoeding Zvw",
                           "geef het bedrag of percentage hogere vergoeding Zvw");
    krcHogereZvw->move(8, 37);
    koppeling.VoegToe(krcHogereZvw, {rtHogereZvw, 0});
}

} // namespace vkt::ui
