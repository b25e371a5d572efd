#include "ui/Regelkoppeling.h"

#include "model/Heffingsgegevens.h"
#include "widgets/KolomRegelControl.h"

#include <exception>

namespace vkt::ui {

void TRegelkoppeling::VoegToe(widgets::TKolomRegelControl* rij, TRegelSleutel sleutel)
{
    rijen_.push_back({rij, sleutel});
}

void TRegelkoppeling::Leeg(widgets::TKolomRegelControl& rij)
{
    rij.SetKolomRegel(nullptr);
    TKolomRegelValues leeg;
    leeg.Omschrijving = rij.CaptionText().toStdString();
    rij.SetValues(leeg);
    rij.SetAfwijkendeGrondslag(false);
}

TRegelkoppeling::TRij* TRegelkoppeling::Zoek(const TBaseKolomRegel& regel)
{
    for (TRij& rij : rijen_) {
        const TRegelSleutel& sleutel = rij.Sleutel;
        if (regel.Regeltype == sleutel.Regeltype &&
            (sleutel.Looncomponent == 0 || (regel.Kolomnummer == 18 && regel.Looncomponentnummer == sleutel.Looncomponent)))
            return &rij;
    }
    return nullptr;
}

void TRegelkoppeling::Koppel(THeffingsgegevens* heffing)
{
    for (TRij& rij : rijen_)
        Leeg(*rij.Rij);
    if (heffing == nullptr)
        return;
    const TKolommen& kolommen = heffing->Kolommen();
    for (int k = 0; k < kolommen.Count(); ++k)
        for (int r = 0; r < kolommen.Item(k).Count(); ++r) {
            TBaseKolomRegel& regel = kolommen.Item(k).GetRegel(r);
            TRij* rij = Zoek(regel);
            if (rij == nullptr || rij->Rij->KolomRegel() != nullptr)
                continue;
            rij->Rij->SetKolomRegel(&regel);
            rij->Rij->SetAfwijkendeGrondslag(heffing->HeeftAfwijkendeGrondslag(regel));
            Ververs(*rij->Rij);
        }
}

void TRegelkoppeling::Ververs(widgets::TKolomRegelControl& rij) const
{
    const TBaseKolomRegel* regel = rij.KolomRegel();
    if (regel == nullptr)
        return;
    // The row keeps its own caption: the window names its rows itself.
    TKolomRegelValues waarden = regel->Values();
    waarden.Omschrijving = rij.CaptionText().toStdString();
    try {
        rij.SetValues(waarden);
    } catch (const std::exception&) {
        // A stored value the row cannot hold (the calculation has been
        // refused for it): the row shows the line without its values.
        TKolomRegelValues leeg;
        leeg.Omschrijving = waarden.Omschrijving;
        rij.SetValues(leeg);
    }
    rij.SetInclusiefSociaalFonds(false);
    rij.SetInclusiefVakantiegeld(false);
    for (const TRij& gekoppeld : rijen_)
        if (gekoppeld.Rij == &rij && gekoppeld.Sleutel.Regeltype == rtVergoedingInhouding)
            rij.SetVI(gekoppeld.Sleutel.Looncomponent == 2 ? 1 : 0);
}

widgets::TKolomRegelControl* TRegelkoppeling::Rij(const TRegelSleutel& sleutel) const
{
    for (const TRij& rij : rijen_)
        if (rij.Sleutel == sleutel)
            return rij.Rij;
    return nullptr;
}

} // namespace vkt::ui
