#include "widgets/KolomRegelControl.h"

#include "widgets/Foutmelding.h"
#include "widgets/NumeriekVeld.h"
#include "widgets/Rijonderdelen.h"

#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>

namespace vkt::widgets {
namespace {

const QStringList kBP{"B", "P"};
const QStringList kVI{"V", "I"};

} // namespace

TKolomRegelControl::TKolomRegelControl(QWidget* parent)
    : TCustomKolomRegelControl(parent),
      cmbBPD_(MaakKeuzelijst(this, "cmbBPD", {193, 1, 31, 21}, kBP, "(B)edrag, (P)ercentage")),
      cmbVI_(MaakKeuzelijst(this, "cmbVI", {223, 1, 31, 21}, kVI, "(V)ergoedingen, (I)nhoudingen")),
      edGrondslag_(MaakGetalveld(this, "edGrondslag", {253, 1, 20, 21}, 3, 0, "Kolom/Grondslag")),
      lblGrondslag_(MaakLabel(this, "lblGrondslag", {259, 5, 20, 15}, "A")),
      edPercentage_(MaakGetalveld(this, "edPercentage", {272, 1, 41, 21}, 7, 3, "Percentage")),
      edFranchise_(MaakGetalveld(this, "edFranchise", {312, 1, 56, 21}, 8, 2, "Franchise")),
      edBedrag_(MaakGetalveld(this, "edBedrag", {368, 1, 62, 21}, 9, 2, "Bedrag")),
      cbVakantiegeld_(MaakVinkje(this, "cbVakantiegeld", {433, 2, 13, 17}, "t.b.v. vakantiegeld")),
      cbSociaalFonds_(MaakVinkje(this, "cbSociaalFonds", {453, 2, 13, 17}, "t.b.v. sociale fondsen"))
{
    cmbBPD_->setCurrentIndex(1);
    for (QWidget* invoer : {edGrondslag_, edPercentage_, edFranchise_})
        invoer->hide();
    lblGrondslag_->hide();
    for (QWidget* invoer : std::initializer_list<QWidget*>{cmbBPD_, cmbVI_, edGrondslag_, edPercentage_, edFranchise_, edBedrag_})
        invoer->installEventFilter(this);

    connect(cmbBPD_, &QComboBox::activated, this, &TKolomRegelControl::BPDGekozen);
    connect(cmbVI_, &QComboBox::activated, this, &TKolomRegelControl::VIGekozen);
    connect(edGrondslag_, &TZNONumericEdit::Exit, this, &TKolomRegelControl::GrondslagVerlaten);
    connect(cbVakantiegeld_, &QCheckBox::clicked, this, [this] { emit VakantieGeldClick(cbVakantiegeld_); });
    connect(cbSociaalFonds_, &QCheckBox::clicked, this, [this] { emit SociaalFondsClick(cbSociaalFonds_); });
    Indelen();
}

// --- Values ---

void TKolomRegelControl::GetValues(TKolomRegelValues& values) const
{
    TCustomKolomRegelControl::GetValues(values);
    values.Bedrag = edBedrag_->Value();
    values.BPD = PercentageGekozen() ? 1 : 0;
    values.Franchise = edFranchise_->Value();
    values.GrondslagKolom = static_cast<int>(edGrondslag_->AsInteger());
    values.InclusiefSociaalFonds = inclusiefSociaalFonds_;
    values.InclusiefVakantiegeld = inclusiefVakantiegeld_;
    values.Percentage = edPercentage_->Value();
    values.TbvSocialeFondsen = cbSociaalFonds_->isChecked();
    values.TbvVakantiegeld = cbVakantiegeld_->isChecked();
    values.Inhouding = cmbVI_->currentIndex() == 1;
}

void TKolomRegelControl::SetValues(const TKolomRegelValues& values)
{
    TCustomKolomRegelControl::SetValues(values);
    SetBedrag(values.Bedrag);
    SetBPDType(values.BPD);
    SetFranchise(values.Franchise);
    SetGrondslagKolom(values.GrondslagKolom);
    SetInclusiefSociaalFonds(values.InclusiefSociaalFonds);
    SetInclusiefVakantiegeld(values.InclusiefVakantiegeld);
    SetPercentage(values.Percentage);
    SetTbvSocialeFondsen(values.TbvSocialeFondsen);
    SetTbvVakantiegeld(values.TbvVakantiegeld);
    SetVI(values.Inhouding ? 1 : 0);
}

// Each setter shows the value first: a value the input cannot show is
// refused before it is stored.
void TKolomRegelControl::SetBedrag(long double bedrag)
{
    edBedrag_->SetValue(static_cast<double>(bedrag));
    bedrag_ = bedrag;
}

void TKolomRegelControl::SetBPDType(int type)
{
    bpdType_ = type;
    cmbBPD_->setCurrentIndex(type == 1 ? 1 : 0);
    Indelen();
}

void TKolomRegelControl::SetFranchise(long double franchise)
{
    edFranchise_->SetValue(static_cast<double>(franchise));
    franchise_ = franchise;
}

void TKolomRegelControl::SetGrondslagKolom(int kolom)
{
    edGrondslag_->SetAsInteger(kolom);
    grondslagKolom_ = kolom;
}

void TKolomRegelControl::SetPercentage(long double percentage)
{
    edPercentage_->SetValue(static_cast<double>(percentage));
    percentage_ = percentage;
}

void TKolomRegelControl::SetVI(int vi)
{
    vi_ = vi;
    cmbVI_->setCurrentIndex(vi != 0 ? 1 : 0);
}

bool TKolomRegelControl::TbvSocialeFondsen() const { return cbSociaalFonds_->isChecked(); }
void TKolomRegelControl::SetTbvSocialeFondsen(bool aan) { cbSociaalFonds_->setChecked(aan); }
bool TKolomRegelControl::TbvVakantiegeld() const { return cbVakantiegeld_->isChecked(); }
void TKolomRegelControl::SetTbvVakantiegeld(bool aan) { cbVakantiegeld_->setChecked(aan); }

void TKolomRegelControl::SetTypeLoonComponent(TKolomRegelControlType type)
{
    type_ = type;
    Indelen();
}

void TKolomRegelControl::Zet(bool& eigenschap, bool aan)
{
    eigenschap = aan;
    Indelen();
}

// --- Initialising and laying out ---

void TKolomRegelControl::Initialize()
{
    cmbBPD_->clear();
    cmbBPD_->addItems(kBP);
    cmbBPD_->setCurrentIndex(bpdType_ == 1 ? 1 : 0);
    cmbVI_->clear();
    cmbVI_->addItems(kVI);
    cmbVI_->setCurrentIndex(vi_ != 0 ? 1 : 0);
    for (TZNONumericEdit* invoer : {edGrondslag_, edPercentage_, edFranchise_, edBedrag_})
        invoer->Clear();
    edGrondslag_->SetAsInteger(grondslagKolom_);
    edPercentage_->SetValue(static_cast<double>(percentage_));
    edFranchise_->SetValue(static_cast<double>(franchise_));
    edBedrag_->SetValue(static_cast<double>(bedrag_));
    emit AfterInitialize(this);
    Indelen();
}

bool TKolomRegelControl::PercentageGekozen() const { return cmbBPD_->currentIndex() == 1; }

void TKolomRegelControl::Indelen()
{
    const TKolomRegelControlType t = type_;
    const bool bpdZichtbaar =
        (t == ltPremie || t == ltPremieEx || t == ltVergoeding || t == ltPremieWG) && inclusiefBPD_;
    if (t == ltPremieSVW) {
        // A premium without franchise is always a percentage.
        cmbBPD_->setCurrentIndex(1);
        bpdType_ = 1;
    }
    const bool percentage = PercentageGekozen();
    const bool bedragGekozen = cmbBPD_->currentIndex() == 0;
    cmbBPD_->setVisible(bpdZichtbaar);
    cmbVI_->setVisible(t == ltVergoeding && inclusiefVI_);
    edGrondslag_->setVisible(bpdZichtbaar && inclusiefGrondslag_ && percentage && !afwijkendeGrondslag_);
    lblGrondslag_->setText(afwijkendeGrondslag_ ? "A" : "S");
    lblGrondslag_->move(inclusiefGrondslag_ ? 259 : 250, lblGrondslag_->y());
    lblGrondslag_->setVisible(voorVKT_ || (bpdZichtbaar && percentage && afwijkendeGrondslag_) ||
                              (t == ltPremieSVW && afwijkendeGrondslag_));
    const bool percentageZichtbaar = (bpdZichtbaar && percentage) || t == ltPremieSVW;
    edPercentage_->setVisible(percentageZichtbaar);
    edFranchise_->setVisible(percentageZichtbaar && inclusiefFranchise_);
    cbVakantiegeld_->setVisible((t == ltBedrag || t == ltPremieEx) && inclusiefVakantiegeld_);
    cbSociaalFonds_->setVisible(t == ltBedrag && inclusiefSociaalFonds_);
    const bool bedragZichtbaar = inclusiefBedrag_ || bedragGekozen;
    edBedrag_->setVisible(bedragZichtbaar);
    // In percentage mode the amount is the line's computed result.
    edBedrag_->setEnabled(isEnabled() && bedragZichtbaar && (t == ltBedrag || t == ltStandaard || bedragGekozen));
}

void TKolomRegelControl::changeEvent(QEvent* event)
{
    TCustomKolomRegelControl::changeEvent(event);
    if (event->type() == QEvent::EnabledChange)
        Indelen();
}

// --- What the user does ---

void TKolomRegelControl::BPDGekozen(int index)
{
    bpdType_ = index;
    Indelen();
    emit BPDChange(cmbBPD_);
}

void TKolomRegelControl::VIGekozen(int index)
{
    vi_ = index;
    emit VIChange(cmbVI_);
}

bool TKolomRegelControl::IsGeldigeGrondslag(long long kolom)
{
    return kolom == 0 || kolom == 3 || kolom == 4 || kolom == 5 || kolom == 7 || kolom == 8 ||
           (kolom >= 14 && kolom <= 19);
}

void TKolomRegelControl::GrondslagVerlaten()
{
    const long long kolom = edGrondslag_->AsInteger();
    if (IsGeldigeGrondslag(kolom))
        grondslagKolom_ = static_cast<int>(kolom);
    else
        emit InvalidGrondslagnr(edGrondslag_);
}

// Alt+V and Alt+S in any input of the row tick or clear the holiday-pay and
// social-fund boxes, as far as the row shows them.
bool TKolomRegelControl::eventFilter(QObject* object, QEvent* event)
{
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::ShortcutOverride)
        return TCustomKolomRegelControl::eventFilter(object, event);
    auto* toets = static_cast<QKeyEvent*>(event);
    QCheckBox* vinkje = toets->key() == Qt::Key_V ? cbVakantiegeld_ : toets->key() == Qt::Key_S ? cbSociaalFonds_ : nullptr;
    if (vinkje == nullptr || toets->modifiers() != Qt::AltModifier)
        return TCustomKolomRegelControl::eventFilter(object, event);
    event->accept();
    if (event->type() == QEvent::KeyPress && vinkje->isVisibleTo(this) && vinkje->isEnabled())
        vinkje->click();
    return true;
}

void TKolomRegelControl::Verlaten()
{
    try {
        TKolomRegelValues values;
        GetValues(values);
        if (KolomRegel() != nullptr)
            KolomRegel()->SetValues(values);
        SetValues(values);
    } catch (const std::exception& fout) {
        ToonFout(this, fout);
    }
    TCustomKolomRegelControl::Verlaten();
}

} // namespace vkt::widgets
