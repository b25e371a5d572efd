// The wage tax and national-insurance contributions of one pay period: the
// annual wage for the table, the bracket tax, the wage-tax credits and their
// capping, the calculation limit, the fixed-rate tariffs and the tax on
// special rewards.

#include "common/Exception.h"
#include "model/Afronding.h"
#include "model/Datumregels.h"
#include "model/Heffingsgegevens.h"

#include <algorithm>
#include <cctype>
#include <cmath>

namespace vkt {
namespace {

const TFiscaal& FiscaalVan(const TBaseHeffingen& heffingsgegevens)
{
    if (heffingsgegevens.Constanten == nullptr)
        throw Exception("De fiscale gegevens van de berekeningsdatum zijn niet ingesteld.");
    return heffingsgegevens.Constanten->Fiscaal();
}

// The anonymous tariff applies when the citizen service number starts with
// "ANONIEM", in any letter case.
bool IsAnoniem(const std::string& sofinummer)
{
    static constexpr char kAnoniem[] = "ANONIEM";
    constexpr std::size_t lengte = sizeof(kAnoniem) - 1;
    if (sofinummer.size() < lengte)
        return false;
    for (std::size_t i = 0; i < lengte; ++i)
        if (std::toupper(static_cast<unsigned char>(sofinummer[i])) != kAnoniem[i])
            return false;
    return true;
}

const TSchijventabel& SchijvenVoor(const TFiscaal& fiscaal, bool aow, bool geboren1946OfLater)
{
    if (!aow)
        return fiscaal.SchijvenOnder65();
    return geboren1946OfLater ? fiscaal.SchijvenBoven65Geboren1946EnLater() : fiscaal.SchijvenBoven65();
}

// A credit parameter in the variant of the employee's age group.
double KortingParameter(const TFiscaal& fiscaal, int inwonergroep, TKorting onderAOW, bool aow)
{
    return fiscaal.Korting(KortingVoor(onderAOW, aow), inwonergroep);
}

// The general tax credit phases out from the upper bound of the first bracket
// (the threshold of row 2) and is gone above the upper bound of the third
// (the threshold of row 4).
double AlgemeneKorting(const TFiscaal& fiscaal, int inwonergroep, bool aow, const TSchijventabel& schijven,
                       double jaarloon)
{
    if (jaarloon > schijven[3].Drempel)
        return 0;
    const double maximum = KortingParameter(fiscaal, inwonergroep, ahk1OnderAOW, aow);
    const double afbouw = KortingParameter(fiscaal, inwonergroep, ahk2OnderAOW, aow);
    return RondOmhoog(maximum - afbouw * std::max(jaarloon - schijven[1].Drempel, 0.0));
}

double OuderenKorting(const TFiscaal& fiscaal, int inwonergroep, bool aow, double jaarloon)
{
    const double maximum = KortingParameter(fiscaal, inwonergroep, ouk1OnderAOW, aow);
    const double grens = KortingParameter(fiscaal, inwonergroep, ouk2OnderAOW, aow);
    const double afbouw = KortingParameter(fiscaal, inwonergroep, ouk3OnderAOW, aow);
    return RondOmhoog(std::max(maximum - std::max(jaarloon - grens, 0.0) * afbouw, 0.0));
}

// The bracket rates are applied with two decimals, a half rounded to even.
double TariefOpTweeDecimalen(double percentage) { return std::nearbyint(percentage * 100) / 100; }

} // namespace

bool THeffingsgegevens::AOW() const
{
    if (aowBerekeningsDatum_ != BerekeningsDatum || aowGeboortedatum_ != Geboortedatum) {
        aow_ = IsAOWGerechtigdInMaand(BerekeningsDatum, Geboortedatum);
        aowBerekeningsDatum_ = BerekeningsDatum;
        aowGeboortedatum_ = Geboortedatum;
    }
    return aow_;
}

bool THeffingsgegevens::Geboren1946OfLater() const
{
    if (geboorteJaarVan_ != Geboortedatum) {
        geboren1946OfLater_ = Jaar(Geboortedatum) >= 1946;
        geboorteJaarVan_ = Geboortedatum;
    }
    return geboren1946OfLater_;
}

TSchijventabel THeffingsgegevens::Schijven() const
{
    return SchijvenVoor(FiscaalVan(*this), AOW(), Geboren1946OfLater());
}

double THeffingsgegevens::PeriodeLoonVoorTabel() const
{
    return std::max(Kolommen().GetKolomTotaal(14), 0.0) / DagTabelFactor(TabelLoontijdvak());
}

double THeffingsgegevens::Herleid(double bedrag) const
{
    return bedrag * FiscaalVan(*this).FactorGeenBon(TabelLoontijdvak());
}

double THeffingsgegevens::Terugrekenen(double bedrag) const
{
    return bedrag / FiscaalVan(*this).FactorGeenBon(TabelLoontijdvak());
}

double THeffingsgegevens::JaarloonVoorTabel(double periodeloon) const
{
    if (periodeloon <= 0)
        return periodeloon;
    const TFiscaal& fiscaal = FiscaalVan(*this);
    double jaarloon = Herleid(periodeloon);
    if (fiscaal.FactorBerekenGrens() > jaarloon)
        jaarloon = 0;
    // Within the tables the annual wage goes down to the table's step; above
    // them it is taken as it is.
    if (jaarloon <= fiscaal.BerekenGrens())
        return RondAfOpVeelvoud(fiscaal.FactorBerekenGrens(), jaarloon);
    return RondAfOpVijfDecimalen(jaarloon);
}

double THeffingsgegevens::Arbeidskorting(bool aow, double jaarloon) const
{
    if (Tabelkleur == tkGroen)
        return 0;
    const TFiscaal& fiscaal = FiscaalVan(*this);
    auto parameter = [&](TKorting onderAOW) {
        return KortingParameter(fiscaal, LoonbelastingtabelVoorInwoner, onderAOW, aow);
    };
    if (jaarloon >= parameter(arkg4Onder65))
        return 0;
    // Three build-up steps, each capped at its cumulative maximum, then the
    // phase-out above the third limit.
    const double s1 = std::min(RondAfOpVijfDecimalen(jaarloon * parameter(arko1Onder65)), parameter(arkm1Onder65));
    const double s2 = std::min(
        s1 + RondAfOpVijfDecimalen(std::max(jaarloon - parameter(arkg1Onder65), 0.0) * parameter(arko2Onder65)),
        parameter(arkm2Onder65));
    const double s3 = std::min(
        s2 + RondAfOpVijfDecimalen(std::max(jaarloon - parameter(arkg2Onder65), 0.0) * parameter(arko3Onder65)),
        parameter(arkm3Onder65));
    const double s4 =
        std::max(s3 - RondAfOpVijfDecimalen(std::max(jaarloon - parameter(arkg3Onder65), 0.0) * parameter(arka1Onder65)),
                 0.0);
    return RondOmhoog(s4);
}

double THeffingsgegevens::AlgemeneHeffingskorting(double jaarloon) const
{
    const TFiscaal& fiscaal = FiscaalVan(*this);
    const bool aow = AOW();
    return AlgemeneKorting(fiscaal, LoonbelastingtabelVoorInwoner, aow,
                           SchijvenVoor(fiscaal, aow, Geboren1946OfLater()), jaarloon);
}

double THeffingsgegevens::Ouderenkorting(double jaarloon) const
{
    return OuderenKorting(FiscaalVan(*this), LoonbelastingtabelVoorInwoner, AOW(), jaarloon);
}

void THeffingsgegevens::BegrensKortingen(double& heffing, double& arbeidskorting, double& overigeKortingen)
{
    // Credits never make the tax negative; the labour credit gives way first.
    if (heffing >= 0)
        return;
    const double minderArbeidskorting = std::min(-heffing, arbeidskorting);
    heffing += minderArbeidskorting;
    arbeidskorting -= minderArbeidskorting;
    const double minderOverige = std::min(-heffing, overigeKortingen);
    overigeKortingen -= minderOverige;
    heffing = 0;
}

double THeffingsgegevens::TariefPercentage() const
{
    const TFiscaal& fiscaal = FiscaalVan(*this);
    if (IsAnoniem(Sofinummer))
        return fiscaal.AnoniemenTarief();
    switch (Werknemersoort) {
    case wsThuiswerker:
        if (AOW())
            return CodeLoonheffingskorting ? fiscaal.BelThuiswerkKortingBoven65() : fiscaal.BelThuiswerkGeenKortingBoven65();
        return CodeLoonheffingskorting ? fiscaal.BelThuiswerkKortingOnder65() : fiscaal.BelThuiswerkGeenKortingOnder65();
    case wsBinnenlandseArtiest:
    case wsArtiestAlsBinnenlands: {
        const bool aow = AOW();
        if (Aftrek() == 0)
            return aow ? fiscaal.BelArtiestInBoven65() : fiscaal.BelArtiestInOnder65();
        // With a cost-reimbursement decision the first-bracket rate applies;
        // at pension age that of the "Boven65" table, whatever the birth year.
        return (aow ? fiscaal.SchijvenBoven65() : fiscaal.SchijvenOnder65())[0].Percentage;
    }
    case wsBuitenlandseArtiest:
        return AOW() ? fiscaal.BelArtiestUitBoven65() : fiscaal.BelArtiestUitOnder65();
    default:
        return 0;
    }
}

double THeffingsgegevens::Aftrek() const
{
    if (Werknemersoort == wsThuiswerker) {
        const TKolommen& kolommen = Kolommen();
        return FiscaalVan(*this).KostenAftrekThuiswerk() *
               (kolommen.GetKolomTotaal(3) + kolommen.GetKolomTotaal(4) + kolommen.GetKolomTotaal(5)) / 100;
    }
    if (IsArtiest(Werknemersoort)) {
        const bool beschikking = ArtiestAftrekPercentage > 0 || ArtiestAftrekBedrag > 0;
        return beschikking && ArtiestAftrekDatum <= BerekeningsDatum ? ArtiestAftrekBedrag : 0;
    }
    return 0;
}

double THeffingsgegevens::TabelLoonheffing()
{
    const double periodeloon = PeriodeLoonVoorTabel();
    if (Werknemersoort == wsThuiswerker || IsArtiest(Werknemersoort) || IsAnoniem(Sofinummer))
        return TariefPercentage() * periodeloon / 100;

    if (passenLopen_ && vorigeTabelheffing_.Geldig && vorigeTabelheffing_.Periodeloon == periodeloon) {
        ToegepasteArbeidskorting = vorigeTabelheffing_.Arbeidskorting;
        return vorigeTabelheffing_.Heffing;
    }
    const TFiscaal& fiscaal = FiscaalVan(*this);
    const bool aow = AOW();
    const TSchijventabel& schijven = SchijvenVoor(fiscaal, aow, Geboren1946OfLater());
    const double jaarloon = JaarloonVoorTabel(periodeloon);
    double w = jaarloon < 0 ? 0 : jaarloon;

    double drempel = 0;
    double percentage = 0;
    double bijtel = 0;
    for (const TSchijf& schijf : schijven) {
        if (schijf.Van <= w && w <= schijf.Tot) {
            drempel = schijf.Drempel;
            percentage = TariefOpTweeDecimalen(schijf.Percentage);
            bijtel = schijf.Bijtel;
            break;
        }
    }

    double arbeidskorting = 0;
    double overigeKortingen = 0;
    if (CodeLoonheffingskorting) {
        // The credits are computed on the annual wage before the limit below.
        arbeidskorting = Arbeidskorting(aow, w);
        overigeKortingen = AlgemeneKorting(fiscaal, LoonbelastingtabelVoorInwoner, aow, schijven, w) +
                           OuderenKorting(fiscaal, LoonbelastingtabelVoorInwoner, aow, w);
    }

    // Above the calculation limit the table tax stops and the excess is taxed
    // at the limit's rate.
    const double grens = fiscaal.BerekenGrens();
    if (w > grens)
        w = grens;
    const double hoog = std::max(jaarloon, grens);
    double heffing = KapAf((w - drempel) * percentage / 100 + bijtel) - (arbeidskorting + overigeKortingen) +
                     (hoog - grens) * fiscaal.PercentageBerekenGrens();
    BegrensKortingen(heffing, arbeidskorting, overigeKortingen);
    heffing = KapAf(heffing);
    ToegepasteArbeidskorting = RondAfOpCenten(Terugrekenen(KortingsDagFactor() * arbeidskorting));
    const double tabelheffing = RondAfOpCenten(Terugrekenen(heffing));
    if (passenLopen_)
        vorigeTabelheffing_ = {true, periodeloon, tabelheffing, ToegepasteArbeidskorting};
    return tabelheffing;
}

double THeffingsgegevens::Loonheffing() { return TabelLoonheffing(); }

double TEenmaligeHeffingsgegevens::Loonheffing()
{
    // The table gives the tax of one wage day; the period has DagTabelDagen of them.
    const double heffing = TabelLoonheffing();
    return DagTabelToepassen ? heffing * DagTabelFactor(TabelLoontijdvak()) : heffing;
}

double TBijzondereHeffingsgegevens::Loonheffing()
{
    return KapAfOpCenten(Kolommen().GetKolomTotaal(14) * PercentageBijzondereBeloning() / 100);
}

double THeffingsgegevens::PercentageBijzondereBeloning() const
{
    if (AfwijkendPercentageLBPH)
        return PercentageLBPH;
    TBijzondereBeloningRij rij;
    FiscaalVan(*this).BijzondereBeloning(Tabelkleur == tkWit, LoonbelastingtabelVoorInwoner, JaarloonVorigJaar, rij);
    if (!AOW())
        return CodeLoonheffingskorting ? rij.Onder65MetKorting + rij.Onder65Verrekening : rij.Onder65ZonderKorting;
    if (Geboren1946OfLater())
        return CodeLoonheffingskorting
                   ? rij.Boven65Geboren1946EnLaterMetKorting + rij.Boven65Geboren1946EnLaterVerrekening
                   : rij.Boven65Geboren1946EnLaterZonderKorting;
    return CodeLoonheffingskorting ? rij.Boven65MetKorting + rij.Boven65Verrekening : rij.Boven65ZonderKorting;
}

} // namespace vkt
