#include "widgets/SocialeFondsKolomRegelControl.h"

#include "widgets/FocusGrens.h"
#include "widgets/Foutmelding.h"
#include "widgets/Kleuren.h"
#include "widgets/KolomRegelControl.h"
#include "widgets/NumeriekVeld.h"
#include "widgets/Rijonderdelen.h"
#include "widgets/Toegankelijkheid.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>

#include <cmath>

namespace vkt::widgets {
namespace {

const QStringList kBP{"B", "P"};

// The columns a fund's part can be booked in; only the employer books as
// employer's charges.
struct TBoekenAls {
    const char* tekst;
    int kolom;
    bool alleenWerkgever;
};
const TBoekenAls kBoekenAls[] = {
    {"Loon in natura", 4, false},
    {"Pensioen of FPU", 7, false},
    {"Werknemersbijdrage Zvw", 16, false},
    {"Werkgeverslasten", 0, true},
    {"Aftrekpost loon SV/Zvw/LBPH", -7, false},
    {"Aftrekpost uit te betalen loon", -17, false},
    {"Bijtelpost loon SV/Zvw/LBPH", 3, false},
    {"Bijtelpost uit te betalen loon", 18, false},
};

} // namespace

TVKTSocialeFondsKolomRegelControl::TVKTSocialeFondsKolomRegelControl(QWidget* parent) : QGroupBox("Caption", parent)
{
    resize(713, 73);
    wn_.boekenIn = 7;
    MaakRij(wn_, false, 17, 21);
    MaakRij(wg_, true, 40, 43);

    btnAfwijkendeGrondslag_ = new QPushButton("Afw. grondslag", this);
    btnAfwijkendeGrondslag_->setObjectName("btnAfwijkendeGrondslag");
    btnAfwijkendeGrondslag_->setGeometry(333, 28, 80, 21);
    btnAfwijkendeGrondslag_->setToolTip("Afwijkende berekeningsgrondslag");
    ZetToegankelijkeNaam(*btnAfwijkendeGrondslag_, "Afw. grondslag");
    btnAfwijkendeGrondslag_->setFlat(true);
    btnAfwijkendeGrondslag_->setAutoFillBackground(true);
    QPalette knop = btnAfwijkendeGrondslag_->palette();
    knop.setColor(QPalette::Button, Kleuren::Knop);
    knop.setColor(QPalette::ButtonText, Kleuren::Wit);
    btnAfwijkendeGrondslag_->setPalette(knop);
    cmbBP_ = MaakKeuzelijst(this, "cmbBP", {417, 28, 33, 21}, kBP, "(B)edrag, (P)ercentage");
    cmbBP_->setCurrentIndex(bpdType_);

    // The caption in bold, everything inside in the normal font.
    QFont normaal = font();
    normaal.setBold(false); // set explicitly, or the children would take the bold of the box
    QFont vet = normaal;
    vet.setBold(true);
    setFont(vet);
    for (auto* kind : findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        kind->setFont(normaal);

    for (Rij* rij : {&wn_, &wg_}) {
        connect(rij->cmbBoekenAls, &QComboBox::activated, this, [this] {
            Indelen();
            BoekenAlsChanged();
        });
        connect(rij->edGrondslag, &TZNONumericEdit::Exit, this, [this, rij] {
            if (!TKolomRegelControl::IsGeldigeGrondslag(rij->edGrondslag->AsInteger()))
                emit InvalidGrondslagnr(rij->edGrondslag);
        });
        connect(rij->edBoeken, &TZNONumericEdit::Exit, this, [this, rij] {
            if (!IsGeldigeBoekingskolom(rij->edBoeken->AsInteger()))
                emit InvalidKolomNr(rij->edBoeken);
        });
    }
    connect(cmbBP_, &QComboBox::activated, this, [this] {
        Indelen();
        BPChanged();
    });
    connect(btnAfwijkendeGrondslag_, &QPushButton::clicked, this, [this] { AfwijkendeGrondslagClicked(); });
    auto* grens = new TFocusGrens(this);
    connect(grens, &TFocusGrens::Binnengekomen, this, &TVKTSocialeFondsKolomRegelControl::Enter);
    connect(grens, &TFocusGrens::Verlaten, this, [this] { Verlaten(); });
    Indelen();
}

void TVKTSocialeFondsKolomRegelControl::MaakRij(Rij& rij, bool werkgever, int y, int labelY)
{
    const QString wie = werkgever ? "Werkgever" : "Werknemer";
    rij.werkgever = werkgever;
    rij.lblCaption = MaakLabel(this, "lblCaption" + wie, {8, labelY, 80, 15}, wie);
    rij.lblAfwijkend = MaakLabel(this, "lblAfwijkendeGrondslag" + wie, {92, labelY, 20, 15}, "S");
    rij.edGrondslag = MaakGetalveld(this, "edGrondslag" + wie, {92, y, 20, 21}, 2, 0, "Kolom/Grondslag");
    rij.cmbBoekenAls = MaakKeuzelijst(this, "cmbBoekenAls" + wie, {126, y, 201, 21}, {}, "Boeken als");
    rij.edBoeken = MaakGetalveld(this, "edBoeken" + wie, {138, y, 20, 21}, 3, 0, "Boeken in");
    rij.edJaarGrens = MaakGetalveld(this, "edJaarGrens" + wie, {453, y, 65, 21}, 9, 2, "Jaargrens");
    rij.edJaarFranchise = MaakGetalveld(this, "edJaarFranchise" + wie, {522, y, 65, 21}, 9, 2, "Jaarfranchise");
    rij.edPercentage = MaakGetalveld(this, "edPercentage" + wie, {590, y, 45, 21}, 6, 3, "Percentage");
    rij.edBedrag = MaakGetalveld(this, "edBedrag" + wie, {638, y, 65, 21}, 9, 2, "Bedrag");
    VulBoekenAls(rij);
    ToonRij(rij);
}

void TVKTSocialeFondsKolomRegelControl::VulBoekenAls(Rij& rij)
{
    rij.cmbBoekenAls->clear();
    for (const TBoekenAls& keuze : kBoekenAls)
        if (rij.werkgever || !keuze.alleenWerkgever)
            rij.cmbBoekenAls->addItem(keuze.tekst, keuze.kolom);
}

// --- Values ---

void TVKTSocialeFondsKolomRegelControl::SetBPDType(int type)
{
    if (type != 0 && type != 1)
        return;
    bpdType_ = type;
    cmbBP_->setCurrentIndex(type);
    Indelen();
}

void TVKTSocialeFondsKolomRegelControl::ZetGetal(long double& waarde, TZNONumericEdit* veld, long double nieuw)
{
    veld->SetValue(static_cast<double>(nieuw));
    waarde = nieuw;
}

void TVKTSocialeFondsKolomRegelControl::ZetBoekenIn(Rij& rij, long double kolom)
{
    ZetGetal(rij.boekenIn, rij.edBoeken, kolom);
    rij.cmbBoekenAls->setCurrentIndex(rij.cmbBoekenAls->findData(static_cast<int>(std::trunc(kolom))));
}

void TVKTSocialeFondsKolomRegelControl::SetAfwijkendeGrondslagWerknemer(bool aan)
{
    wn_.afwijkend = aan;
    Indelen();
}

void TVKTSocialeFondsKolomRegelControl::SetAfwijkendeGrondslagWerkgever(bool aan)
{
    wg_.afwijkend = aan;
    Indelen();
}

bool TVKTSocialeFondsKolomRegelControl::IsGeldigeBoekingskolom(long long kolom)
{
    return kolom == 0 || kolom == 3 || kolom == 4 || kolom == 5 || kolom == 7 || kolom == 18;
}

// Every input of the row cleared and showing its stored value again.
void TVKTSocialeFondsKolomRegelControl::ToonRij(Rij& rij)
{
    for (TZNONumericEdit* veld : {rij.edGrondslag, rij.edBoeken, rij.edJaarGrens, rij.edJaarFranchise,
                                  rij.edPercentage, rij.edBedrag})
        veld->Clear();
    ZetGetal(rij.grondslag, rij.edGrondslag, rij.grondslag);
    ZetBoekenIn(rij, rij.boekenIn);
    ZetGetal(rij.jaargrens, rij.edJaarGrens, rij.jaargrens);
    ZetGetal(rij.franchise, rij.edJaarFranchise, rij.franchise);
    ZetGetal(rij.premie, rij.edPercentage, rij.premie);
    ZetGetal(rij.bedrag, rij.edBedrag, rij.bedrag);
}

void TVKTSocialeFondsKolomRegelControl::BewaarRij(Rij& rij)
{
    const int keuze = rij.cmbBoekenAls->currentIndex();
    ZetBoekenIn(rij, keuze < 0 ? GeenKeuze : rij.cmbBoekenAls->itemData(keuze).toInt());
    rij.grondslag = rij.edGrondslag->Value();
    rij.jaargrens = rij.edJaarGrens->Value();
    rij.franchise = rij.edJaarFranchise->Value();
    rij.premie = rij.edPercentage->Value();
    rij.bedrag = rij.edBedrag->Value();
}

// --- Initialising and laying out ---

void TVKTSocialeFondsKolomRegelControl::showEvent(QShowEvent* event)
{
    QGroupBox::showEvent(event);
    if (geinitialiseerd_)
        return;
    geinitialiseerd_ = true;
    Initialize();
}

void TVKTSocialeFondsKolomRegelControl::Initialize()
{
    cmbBP_->clear();
    cmbBP_->addItems(kBP);
    cmbBP_->setCurrentIndex(bpdType_);
    for (Rij* rij : {&wn_, &wg_}) {
        VulBoekenAls(*rij);
        ToonRij(*rij);
    }
    Indelen();
}

void TVKTSocialeFondsKolomRegelControl::Indelen()
{
    const bool bedrag = cmbBP_->currentIndex() == 0;
    for (Rij* rij : {&wn_, &wg_}) {
        rij->edBedrag->setVisible(bedrag);
        for (QWidget* veld : {rij->edPercentage, rij->edJaarGrens, rij->edJaarFranchise})
            veld->setVisible(!bedrag);
        rij->edGrondslag->hide();
        rij->edBoeken->hide();
        rij->lblAfwijkend->setText(rij->afwijkend ? "A" : "S");
    }
}

// --- What the user does ---

void TVKTSocialeFondsKolomRegelControl::BPChanged() { emit BPChange(this); }
void TVKTSocialeFondsKolomRegelControl::BoekenAlsChanged() { emit BoekenAlsChange(this); }
void TVKTSocialeFondsKolomRegelControl::AfwijkendeGrondslagClicked() { emit AfwijkendeGrondslagClick(this); }

void TVKTSocialeFondsKolomRegelControl::Verlaten()
{
    try {
        bpdType_ = cmbBP_->currentIndex() == 1 ? 1 : 0;
        BewaarRij(wn_);
        BewaarRij(wg_);
    } catch (const std::exception& fout) {
        ToonFout(this, fout);
    }
    emit Exit();
}

} // namespace vkt::widgets
