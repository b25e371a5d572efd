#include "ui/Kolomregelrijen.h"

#include "model/Enumeraties.h"
#include "widgets/KolomRegelControl.h"

#include <map>

namespace vkt::ui {
namespace {

using widgets::TKolomRegelControlType;

// The inputs of a row that its make-up switches on; holiday-pay and
// social-fund marks are never shown in the main window.
struct TInstelling {
    TKolomRegelControlType Type;
    bool VoorVKT;
    bool Grondslag;
    bool Franchise;
    bool BPD;
    bool VI;
    bool Bedrag;
};

const std::map<TRijvorm, TInstelling> kInstellingen = {
    {TRijvorm::PremieSVW, {widgets::ltPremieSVW, true, false, false, true, false, false}},
    {TRijvorm::WerknemersZvw, {widgets::ltPremieSVW, false, false, false, true, false, false}},
    {TRijvorm::PremieWG, {widgets::ltPremieWG, true, false, true, true, false, false}},
    {TRijvorm::PremieWGZonderFranchise, {widgets::ltPremieWG, true, false, false, true, false, false}},
    {TRijvorm::Premie, {widgets::ltPremie, true, false, true, true, false, false}},
    {TRijvorm::PremieZonderFranchise, {widgets::ltPremie, true, false, false, true, false, false}},
    {TRijvorm::Vergoeding, {widgets::ltVergoeding, true, false, false, true, false, false}},
    {TRijvorm::Natura, {widgets::ltBedrag, false, false, false, true, false, true}},
    {TRijvorm::LoonLBPH, {widgets::ltBedrag, false, true, true, true, true, true}},
    {TRijvorm::Bedrag, {widgets::ltBedrag, false, false, false, false, false, true}},
    {TRijvorm::ArtiestAftrek, {widgets::ltPremie, false, false, false, false, false, true}},
};

} // namespace

widgets::TKolomRegelControl* MaakRij(QWidget* ouder, const char* naam, TRijvorm vorm, const QString& bijschrift,
                                     const QString& hint)
{
    const TInstelling& instelling = kInstellingen.at(vorm);
    auto* rij = new widgets::TKolomRegelControl(ouder);
    rij->setObjectName(naam);
    rij->SetTypeLoonComponent(instelling.Type);
    rij->SetVoorVKT(instelling.VoorVKT);
    rij->SetInclusiefSociaalFonds(false);
    rij->SetInclusiefVakantiegeld(false);
    rij->SetInclusiefGrondslag(instelling.Grondslag);
    rij->SetInclusiefFranchise(instelling.Franchise);
    rij->SetInclusiefBPD(instelling.BPD);
    rij->SetInclusiefVI(instelling.VI);
    rij->SetInclusiefBedrag(instelling.Bedrag);
    rij->SetAfwijkendeGrondslag(false);
    // A row without the amount/percentage choice books an amount.
    if (!instelling.BPD && instelling.Type != widgets::ltBedrag)
        rij->SetBPDType(bpdBedrag);
    rij->SetCaptionType(widgets::ctStatic);
    rij->SetCaptionText(bijschrift);
    if (!hint.isEmpty())
        rij->setToolTip(hint);
    return rij;
}

} // namespace vkt::ui
