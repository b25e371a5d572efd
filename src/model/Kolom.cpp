#include "model/Kolom.h"

#include "model/Afronding.h"
#include "model/Kolommen.h"
#include "model/Kolomregels.h"

namespace vkt {

TCustomKolom::TCustomKolom(TKolommen* kolommen, int kolomnummer) : TBaseKolom(kolommen, kolomnummer) {}

TKolommen& TCustomKolom::Kolomset() const { return *static_cast<TKolommen*>(Kolommen); }

void TCustomKolom::Bereken() { Totaal = afronding_(GetTotaal()); }

int TCustomKolom::AddRegel(int regeltype)
{
    auto regel = MaakKolomRegel(regeltype, this);
    regel->Kolomnummer = Kolomnummer;
    return Append(std::move(regel));
}

double TCustomKolom::GetKolomTotaal(int kolomnummer) const { return Kolomset().GetKolomTotaal(kolomnummer); }
double TCustomKolom::GetBrutoloon() const { return Kolomset().GetBrutoloon(); }

double TCustomKolom::GetTotaalTbvSocialeFondsen() const
{
    return SomVan<TBaseKolomRegel>([](const TBaseKolomRegel& regel) { return regel.TbvSocialeFondsen; });
}

double TCustomKolom::GetTotaalTbvVakantiegeld() const
{
    return SomVan<TBaseKolomRegel>([](const TBaseKolomRegel& regel) { return regel.TbvVakantiegeld; });
}

bool TCustomKolom::IsVerzekerd(const TBaseKolomRegel& regel) const { return Kolomset().IsVerzekerd(regel); }
double TCustomKolom::SVDagenFonds(const TBaseKolomRegel* regel) const { return Kolomset().SVDagenFonds(regel); }
double TCustomKolom::Deeltijdpercentage() const { return Kolomset().Deeltijdpercentage(); }

bool TCustomKolom::HeeftAfwijkendeGrondslag(const TBaseKolomRegel& regel) const
{
    return Kolomset().HeeftAfwijkendeGrondslag(regel);
}

double TCustomKolom::AfwijkendeGrondslag(const TBaseKolomRegel& regel) const
{
    return Kolomset().AfwijkendeGrondslag(regel);
}

double TCustomKolom::GetKolomTotaalTbvSocialeFondsen(int kolomnummer) const
{
    return Kolomset().GetKolomTotaalTbvSocialeFondsen(kolomnummer);
}

double TCustomKolom::VakantiegeldFactor() const { return Kolomset().VakantiegeldFactor(); }
bool TCustomKolom::LoonInclusiefVakantiegeld() const { return Kolomset().LoonInclusiefVakantiegeld(); }
bool TCustomKolom::VrijeBerekening() const { return Kolomset().VrijeBerekening(); }
bool TCustomKolom::IPzonderDeeltijd() const { return Kolomset().IPzonderDeeltijd(); }
double TCustomKolom::SFDeeltijdDagen() const { return Kolomset().SFDeeltijdDagen(); }
bool TCustomKolom::ZonderSVDagen() const { return Kolomset().ZonderSVDagen(); }

double TCustomKolom::GetTotaal() { return Som(); }

double TCustomKolom::Som()
{
    double som = 0;
    for (const auto& regel : Regels())
        if (regel->GetEffectieveStatus() != rsVerwijderd)
            som += regel->Bereken();
    return som;
}

// Every employer charge once. The Zvw levy, the Whk premium and the employer's
// life-course savings return their amounts to the plain sum; the AWf and
// WAO/WIA lines report 0 to it and count through their kept amounts, the AWf
// only for the premium type the employer pays.
double TKolom0::GetTotaal()
{
    const double som = Som();
    const TKolommen& set = Kolomset();
    return som + set.GetAwfPremieLaag() + set.GetAwfPremieHoog() + set.GetWAOPremie();
}

double TKolom3::GetTotaal()
{
    Som(); // computes every line once; the total is formed below
    double totaal = 0;
    for (const auto& regel : Regels()) {
        if (regel->GetEffectieveStatus() == rsVerwijderd)
            continue;
        const double bedrag = regel->Bereken();
        totaal += IsVan<TLevensloopWNKolomRegel>(*regel) ? -bedrag : bedrag;
    }
    return totaal;
}

double TKolom3::GetBrutoloon() const { return ResultaatVan<TBrutoloonKolomRegel>(); }

double TKolom4::GetTotaal()
{
    double totaal = 0;
    for (const auto& regel : Regels()) {
        const bool bijdrage = IsVan<TBijdrageAutoKolomRegel>(*regel) || IsVan<TBijdrageFietsKolomRegel>(*regel);
        const double bedrag = regel->Bereken();
        totaal += bijdrage ? -bedrag : bedrag;
    }
    return totaal;
}

double TKolom8::GetTotaal()
{
    const TKolommen& set = Kolomset();
    const double loon = set.GetKolomTotaal(3) + set.GetKolomTotaal(4) + set.GetKolomTotaal(5);
    const int soort = Werknemersoort();
    if (soort == wsThuiswerker)
        return loon - set.Aftrek();
    if (IsArtiest(soort))
        return loon - set.GetKolomTotaal(7) - set.Aftrek();
    return loon - set.GetKolomTotaal(7);
}

// The wage for wage tax and national insurance only (the LB/PH line) is one
// of the column's own lines, so the plain sum holds it already.
double TKolom12::GetTotaal()
{
    const double som = Som();
    return som + Kolomset().GetKolomTotaal(8);
}

double TKolom13::GetTotaal()
{
    const double som = Som();
    return EersteRegel<TZfwPremieWGKolomRegel>() != nullptr ? ResultaatVan<TZfwPremieWGKolomRegel>() : som;
}

double TKolom14::GetTotaal()
{
    const double som = Som();
    const TKolommen& set = Kolomset();
    return som + set.GetKolomTotaal(12) + set.GetKolomTotaal(13) - set.GetOverigKolom13();
}

double TKolom15::GetTotaal() { return Kolomset().Loonheffing(); }

double TKolom18::GetTotaal()
{
    double totaal = 0;
    for (const auto& regel : Regels()) {
        const double bedrag = regel->Bereken();
        totaal += IsVan<TWhkVerhalingOpWerknemerKolomRegel>(*regel) ? -bedrag : bedrag;
    }
    return totaal;
}

double TKolom19::GetTotaal()
{
    const TKolommen& set = Kolomset();
    auto k = [&](int n) { return set.GetKolomTotaal(n); };
    return k(3) - k(7) + set.GetSocialeFondsenKolom12() + set.GetLoonLBPH() + k(13) - set.GetOverigKolom13() - k(15) -
           k(16) - k(17) + set.GetSocialeFondsenKolom14() + k(18) - set.GetBijdrageAuto() - set.GetBijdrageFiets() -
           set.GetZvwPremieWN();
}

} // namespace vkt
