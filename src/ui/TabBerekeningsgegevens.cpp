#include "ui/TabBerekeningsgegevens.h"

#include "calc/Getalvelden.h"
#include "calc/Samenvatting.h"
#include "store/Gegevensscherm.h"
#include "ui/Kolomregelrijen.h"
#include "ui/Regelkoppeling.h"
#include "ui/Velden.h"
#include "widgets/KolomRegelControl.h"
#include "widgets/Paneel.h"
#include "widgets/ZNODBComboboxEx.h"
#include "widgets/ZNODBNumericEdit.h"

#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QTextOption>

namespace vkt::ui {
namespace {

constexpr int kLinksBreedte = 270;
constexpr int kRegelsX = 280;
constexpr int kRegelsBreedte = 461;
constexpr int kRijHoogte = 25;
constexpr int kRijBreedte = 438; // as far as a row shows anything
constexpr int kBijschriftBreedte = 96;

// The rows in their order on screen, with their line, caption and hint.
struct TRijdefinitie {
    const char* Naam;
    TRegelSleutel Regel;
    TRijvorm Vorm;
    const char* Bijschrift;
    const char* Hint;
};

const TRijdefinitie kRijen[] = {
    {"krcWNNatura", {rtNatura, 0}, TRijvorm::Natura, "Natura", "vermeld het bedrag aan loon anders dan in geld"},
    {"krcWNLBPH", {rtLoonLBPH, 0}, TRijvorm::LoonLBPH, "LB/PH/Zvw-loon",
     "vermeld het bedrag aan loon in geld (alleen belast voor de loonheffing)"},
    {"krcWNVUTFPU", {rtVUTFPUPremieWN, 0}, TRijvorm::PremieZonderFranchise, "FPU/Vroegpensioenpremie",
     "geef het bedrag of percentage voor de berekening van de FPU/Vroegpensioenpremie"},
    {"krcWNPensioen", {rtPensioenPremieWN, 0}, TRijvorm::Premie, "Pensioenpremie",
     "geef het bedrag of percentage voor de berekening van de pensioenpremie"},
    {"krcWNIPPremie", {rtIPPremieWN, 0}, TRijvorm::Premie, "IP-premie",
     "geef het bedrag of percentage voor de berekening van de IP-premie"},
    {"krcWNLevensloop", {rtLevensloopWN, 0}, TRijvorm::Premie, "Werknemersinleg levensloopregeling",
     "geef het bedrag of percentage voor de berekening van de werknemersinleg levensloopregeling"},
    {"krcOpnameLevensloop", {rtOpnameLevensloop, 0}, TRijvorm::Premie, "Opname levensloopregeling",
     "geef het bedrag of percentage voor de berekening van de opname levensloopregeling"},
    {"krcBijtellingAuto", {rtBijtellingAuto, 0}, TRijvorm::Bedrag, "Bijtelling privé-gebruik auto",
     "geef het bedrag of percentage voor de berekening van de bijtelling privé-gebruik auto"},
    {"krcBijdrageAuto", {rtBijdrageAuto, 0}, TRijvorm::Bedrag, "Eigen bijdrage privé-gebruik auto",
     "geef het bedrag of percentage voor de berekening van de eigen bijdrage privé-gebruik auto"},
    {"krcBijtellingFiets", {rtBijtellingFiets, 0}, TRijvorm::Bedrag, "Bijtelling fiets van de zaak",
     "geef het bedrag of percentage voor de berekening van de bijtelling fiets van de zaak"},
    {"krcBijdrageFiets", {rtBijdrageFiets, 0}, TRijvorm::Bedrag, "Eigen bijdrage fiets van de zaak",
     "geef het bedrag of percentage voor de berekening van de eigen bijdrage fiets van de zaak"},
    {"krcWNVergoeding", {rtVergoedingInhouding, 1}, TRijvorm::Vergoeding, "Belastingvrije vergoeding",
     "geef het bedrag of percentage voor de berekening van de belastingvrije vergoeding"},
    {"krcWNInhouding", {rtVergoedingInhouding, 2}, TRijvorm::Vergoeding, "Belastingvrije inhouding",
     "geef het bedrag of percentage voor de berekening van de belastingvrije inhouding"},
    {"krcWNWhkVerhalen", {rtWhkVerhalingOpWerknemer, 0}, TRijvorm::PremieSVW, "Whk verhaling op werknemer",
     "geef het bedrag of percentage voor het verhalen van Wkh"},
};

QLabel* WaardeLabel(QWidget* ouder, const QRect& plaats)
{
    auto* label = MaakTekst(ouder, {}, plaats, Qt::AlignRight);
    QFont vet = label->font();
    vet.setBold(true);
    label->setFont(vet);
    return label;
}

} // namespace

TtsBerekeningsgegevens::TtsBerekeningsgegevens(TGegevensScherm& s, TRegelkoppeling& koppeling, QWidget* ouder)
    : QWidget(ouder)
{
    setObjectName("tsBerekeningsGegevens");
    MaakSamenvatting();
    cmbAWfPremieType = MaakKeuzeveld(this, s.cmbAWfPremieType, "AWf-premie type",
                                     "kies de AWf-premie type die van toepassing is", {8, 232, 230, 21}, 112);
    MaakGetalveld(this, s.edLoondagenVoorDagtabel, "Loondagen:", "geef het aantal toe te passen loondagen voor dagtabel",
                  {8, 257, 112 + 70, 21}, 112, kVeldLoondagen.Cijfers, kVeldLoondagen.Decimalen);
    pnlAfwLoonheffing = MaakPaneel(this, "pnlAfwLoonheffing", {4, 282, kLinksBreedte, 27});
    MaakGetalveld(pnlAfwLoonheffing, s.edArtiestLoonheffing, "Afwijkend tarief loonheffing:",
                  "geef het toe te passen percentage aan loonheffing", {4, 3, 150 + 90, 21}, 150, kVeldArtiestLoonheffing.Cijfers,
                  kVeldArtiestLoonheffing.Decimalen);
    MaakTekst(pnlAfwLoonheffing, "%", {248, 3, 12, 21});
    pnlAfwLoonheffing->hide();
    MaakRijen(koppeling);
    auto* onder = MaakPaneel(this, "pnlBGOnder", {4, 426, 737, 30});
    btnGrondslagWN = MaakKnop(onder, "btnGrondslagWN", "Afwijkende berekeningsgro&ndslag",
                              "opent venster voor afwijkende grondslag berekening", {4, 5, 200, 21});
}

void TtsBerekeningsgegevens::MaakSamenvatting()
{
    auto* groep = MaakGroep(this, "gbWerknemer", "Werknemer", {4, 4, kLinksBreedte, 220});
    MaakTekst(groep, "Berekening voor:", {8, 20, kBijschriftBreedte, 17});
    memSoortBerekening_ = new QPlainTextEdit(groep);
    memSoortBerekening_->setObjectName("memSoortBerekening");
    memSoortBerekening_->setGeometry(8 + kBijschriftBreedte, 21, kLinksBreedte - kBijschriftBreedte - 16, 32);
    memSoortBerekening_->setReadOnly(true);
    memSoortBerekening_->setFrameShape(QFrame::NoFrame);
    memSoortBerekening_->setFocusPolicy(Qt::NoFocus);
    memSoortBerekening_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    memSoortBerekening_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    memSoortBerekening_->viewport()->setAutoFillBackground(false);
    memSoortBerekening_->setAccessibleName("Berekening voor:");
    memSoortBerekening_->document()->setDefaultTextOption(QTextOption(Qt::AlignRight));
    memSoortBerekening_->document()->setDocumentMargin(0);
    QFont vet = memSoortBerekening_->font();
    vet.setBold(true);
    memSoortBerekening_->setFont(vet);
    int y = 56;
    lblSoortLoonbedrag_ = MaakWaarde(groep, "Soort loonbedrag:", y);
    lblLoontijdvak_ = MaakWaarde(groep, "Loontijdvak:", y += 18);
    lblTabelkleur_ = MaakWaarde(groep, "Tabelkleur:", y += 18);
    lblLoonbelastingtabel_ = MaakWaarde(groep, "Loonbelastingtabel", y += 18);
    lblLeeftijd_ = MaakWaarde(groep, "Leeftijd:", y += 18);
    lblLoonbedrag_ = MaakWaarde(groep, "Loonbedrag:", y += 18);
    lblDeeltijdfactor_ = MaakWaarde(groep, "Deeltijdfactor:", y += 18);
    lblVerzekerdVoor_ = MaakWaarde(groep, "Verzekerd voor: ", y += 18);
}

QLabel* TtsBerekeningsgegevens::MaakWaarde(QWidget* groep, const QString& bijschrift, int y)
{
    MaakTekst(groep, bijschrift, {8, y, kBijschriftBreedte, 17});
    return WaardeLabel(groep, {8 + kBijschriftBreedte, y, kLinksBreedte - kBijschriftBreedte - 16, 17});
}

void TtsBerekeningsgegevens::MaakRijen(TRegelkoppeling& koppeling)
{
    auto* kader = new QFrame(this);
    kader->setObjectName("pnlRegels");
    kader->setFrameShape(QFrame::StyledPanel);
    kader->setGeometry(kRegelsX, 4, kRegelsBreedte, 416);
    MaakRijtitels(kader, {5, 4});
    sbRegels_ = new QScrollArea(kader);
    sbRegels_->setObjectName("sbRegels");
    sbRegels_->setGeometry(2, 21, kRegelsBreedte - 4, 393);
    sbRegels_->setFrameShape(QFrame::NoFrame);
    auto* inhoud = new QWidget;
    inhoud->setObjectName("sbRegelsInhoud");
    inhoud->resize(kRijBreedte, kRijHoogte * static_cast<int>(std::size(kRijen)));
    for (const TRijdefinitie& definitie : kRijen) {
        widgets::TKolomRegelControl* rij =
            MaakRij(inhoud, definitie.Naam, definitie.Vorm, definitie.Bijschrift, definitie.Hint);
        rij->resize(kRijBreedte, rij->height());
        koppeling.VoegToe(rij, definitie.Regel);
        rijen_.emplace_back(definitie.Regel, rij);
    }
    sbRegels_->setWidget(inhoud);
    krcWNLBPH = rijen_[1].second;
}

void TtsBerekeningsgegevens::DeelRijenIn(const std::vector<TRegelSleutel>& zichtbaar)
{
    // Laid out out of sight, so the rows do not jump about while they move.
    sbRegels_->hide();
    setUpdatesEnabled(false);
    for (const auto& [regel, rij] : rijen_)
        rij->hide();
    int plek = 0;
    for (const TRegelSleutel& regel : zichtbaar)
        for (const auto& [sleutel, rij] : rijen_)
            if (sleutel == regel) {
                rij->move(0, kRijHoogte * plek++);
                rij->show();
            }
    setUpdatesEnabled(true);
    sbRegels_->show();
}

void TtsBerekeningsgegevens::ToonSamenvatting(const TSamenvatting& s)
{
    memSoortBerekening_->setPlainText(QString::fromStdString(s.SoortBerekening));
    lblSoortLoonbedrag_->setText(QString::fromStdString(s.SoortLoonbedrag));
    lblLoontijdvak_->setText(QString::fromStdString(s.Loontijdvak));
    lblTabelkleur_->setText(QString::fromStdString(s.Tabelkleur));
    lblLoonbelastingtabel_->setText(QString::fromStdString(s.Loonbelastingtabel));
    lblLeeftijd_->setText(QString::fromStdString(s.Leeftijd));
    lblLoonbedrag_->setText(QString::fromStdString(s.Loonbedrag));
    lblDeeltijdfactor_->setText(QString::fromStdString(s.Deeltijdfactor));
    lblVerzekerdVoor_->setText(QString::fromStdString(s.VerzekerdVoor));
}

void TtsBerekeningsgegevens::WisSamenvatting()
{
    memSoortBerekening_->clear();
    for (QLabel* waarde : {lblSoortLoonbedrag_, lblLoontijdvak_, lblTabelkleur_, lblLeeftijd_, lblLoonbedrag_,
                           lblVerzekerdVoor_})
        waarde->clear();
}

} // namespace vkt::ui
