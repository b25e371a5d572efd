#include "model/Kolomregels.h"

#include "common/Exception.h"
#include "db/Record.h"
#include "model/Afronding.h"
#include "model/Fiscaal.h"

#include <algorithm>
#include <cmath>

namespace vkt {

namespace {

// Positions in the premium-wage maxima: the employee-insurance maximum of pay
// period p is at p - 1, the Zvw maximum at p + 4; the daily maxima are those
// of the day period.
constexpr std::size_t EersteWWWAOMaximum = 0;
constexpr std::size_t EersteZvwMaximum = 5;

// A premium-wage maximum for the pay period of the levy data, or the daily
// maximum times the wage days when the day table applies.
double PremieloonMaximum(const TBaseKolom& kolom, std::size_t eerste)
{
    const TQuelvarConst* constanten = kolom.Constanten();
    if (constanten == nullptr)
        throw Exception("Er zijn geen fiscale gegevens voor de berekening van het maximum premieloon.");
    const TPremieloonMaxima& maxima = constanten->Fiscaal().GetPremieloonMaxima();
    if (kolom.DagTabelToepassen())
        return kolom.DagTabelDagen() * maxima.at(eerste + ltDag - 1);
    return maxima.at(eerste + static_cast<std::size_t>(GeldigLoontijdvak(kolom.TabelLoontijdvak()) - 1));
}

// The part of a basis above the franchise, never negative.
double BovenFranchise(double grondslag, double franchise)
{
    return franchise > grondslag ? 0 : grondslag - franchise;
}

} // namespace

// --- Amount lines ---------------------------------------------------------

TCustomKolomRegel::TCustomKolomRegel(TBaseKolom* kolom) : TBaseKolomRegel(kolom)
{
    Klassen |= Bit;
}

double TCustomKolomRegel::Bereken()
{
    ResultaatBedrag = 0;
    return 0;
}

TBasisKolomRegel::TBasisKolomRegel(TBaseKolom* kolom) : TCustomKolomRegel(kolom)
{
    Klassen |= Bit;
}

TCustomBedragKolomRegel::TCustomBedragKolomRegel(TBaseKolom* kolom) : TCustomKolomRegel(kolom)
{
    Klassen |= Bit;
}

void TCustomBedragKolomRegel::GetValues(TKolomRegelValues& values) const
{
    TCustomKolomRegel::GetValues(values);
    values.Bedrag = ResultaatBedrag;
}

void TCustomBedragKolomRegel::SetValues(const TKolomRegelValues& values)
{
    TCustomKolomRegel::SetValues(values);
    ResultaatBedrag = static_cast<double>(values.Bedrag);
    Bedrag = ResultaatBedrag;
}

void TCustomBedragKolomRegel::LoadFromDataSet(const db::Record& record)
{
    TCustomKolomRegel::LoadFromDataSet(record);
    Bedrag = record.AsDouble("Bedrag");
}

double TCustomBedragKolomRegel::Bereken()
{
    ResultaatBedrag = Actief ? Bedrag : 0;
    return ResultaatBedrag;
}

TBedragKolomRegel::TBedragKolomRegel(TBaseKolom* kolom) : TCustomBedragKolomRegel(kolom)
{
    Klassen |= Bit;
    Regeltype = rtBedrag;
}

void TBedragKolomRegel::GetValues(TKolomRegelValues& values) const
{
    TCustomBedragKolomRegel::GetValues(values);
    values.TbvSocialeFondsen = TbvSocialeFondsen;
    values.TbvVakantiegeld = TbvVakantiegeld;
    values.InclusiefSociaalFonds = false;
    values.InclusiefVakantiegeld = false;
}

void TBedragKolomRegel::SetValues(const TKolomRegelValues& values)
{
    TCustomBedragKolomRegel::SetValues(values);
    TbvSocialeFondsen = values.TbvSocialeFondsen;
    TbvVakantiegeld = values.TbvVakantiegeld;
}

void TBedragKolomRegel::LoadFromDataSet(const db::Record& record)
{
    TCustomBedragKolomRegel::LoadFromDataSet(record);
    TbvSocialeFondsen = record.AsBoolean("TbvSocialeFondsen");
    TbvVakantiegeld = record.AsBoolean("TbvVakantiegeld");
}

// The gross wage always counts for the social funds and for holiday pay.
TBrutoloonKolomRegel::TBrutoloonKolomRegel(TBaseKolom* kolom) : TBedragKolomRegel(kolom)
{
    Klassen |= Bit;
    Regeltype = rtBrutoloon;
    TbvSocialeFondsen = true;
    TbvVakantiegeld = true;
}

TNaturaKolomRegel::TNaturaKolomRegel(TBaseKolom* kolom) : TBedragKolomRegel(kolom)
{
    Klassen |= Bit;
    Regeltype = rtNatura;
}

TBijtellingAutoKolomRegel::TBijtellingAutoKolomRegel(TBaseKolom* kolom) : TBedragKolomRegel(kolom)
{
    Klassen |= Bit;
    Regeltype = rtBijtellingAuto;
}

TBijdrageAutoKolomRegel::TBijdrageAutoKolomRegel(TBaseKolom* kolom) : TBedragKolomRegel(kolom)
{
    Klassen |= Bit;
    Regeltype = rtBijdrageAuto;
}

THogereZvwKolomRegel::THogereZvwKolomRegel(TBaseKolom* kolom) : TBedragKolomRegel(kolom)
{
    Klassen |= Bit;
    Regeltype = rtHogereZvw;
}

TBijtellingFietsKolomRegel::TBijtellingFietsKolomRegel(TBaseKolom* kolom) : TBedragKolomRegel(kolom)
{
    Klassen |= Bit;
    Regeltype = rtBijtellingFiets;
}

TBijdrageFietsKolomRegel::TBijdrageFietsKolomRegel(TBaseKolom* kolom) : TBedragKolomRegel(kolom)
{
    Klassen |= Bit;
    Regeltype = rtBijdrageFiets;
}

TLoonLBPHKolomRegel::TLoonLBPHKolomRegel(TBaseKolom* kolom) : TBedragKolomRegel(kolom)
{
    Klassen |= Bit;
    Regeltype = rtLoonLBPH;
}

// --- Lines with a basis ---------------------------------------------------

TCustomBPDKolomRegel::TCustomBPDKolomRegel(TBaseKolom* kolom) : TCustomBedragKolomRegel(kolom)
{
    Klassen |= Bit;
}

void TCustomBPDKolomRegel::GetValues(TKolomRegelValues& values) const
{
    TCustomBedragKolomRegel::GetValues(values);
    values.BPD = static_cast<unsigned char>(BPDTypeVanScherm(BPDType));
    values.Percentage = Percentage;
    values.GrondslagKolom = GrondslagKolom;
}

void TCustomBPDKolomRegel::SetValues(const TKolomRegelValues& values)
{
    TCustomBedragKolomRegel::SetValues(values);
    BPDType = BPDTypeVanScherm(values.BPD);
    Percentage = static_cast<double>(values.Percentage);
    GrondslagKolom = values.GrondslagKolom;
}

void TCustomBPDKolomRegel::LoadFromDataSet(const db::Record& record)
{
    TCustomBedragKolomRegel::LoadFromDataSet(record);
    BPDType = static_cast<int>(record.AsInteger("BPDType"));
    Percentage = record.AsDouble("Percentage");
    GrondslagKolom = static_cast<int>(record.AsInteger("GrondslagKolom"));
    KolomType = static_cast<int>(record.AsInteger("KolomType"));
}

double TCustomBPDKolomRegel::Grondslag() const
{
    if (GrondslagKolom >= 3 && GrondslagKolom <= 19)
        return GetKolomTotaal(GrondslagKolom);
    return Kolom->GetBrutoloon();
}

// A formula that falls below zero leaves nothing to charge a premium on: its
// value is no amount of the calculation that counts negative by design, as
// the deductions of column 18 do, but a limit the user wrote (gross wage less
// a threshold, for instance).
double TCustomBPDKolomRegel::AfwijkendeGrondslag() const { return std::max(0.0, Kolom->AfwijkendeGrondslag(*this)); }

bool TCustomBPDKolomRegel::HeeftAfwijkendeGrondslag() const { return Kolom->HeeftAfwijkendeGrondslag(*this); }

double TCustomBPDKolomRegel::BerekeningsGrondslag() const
{
    return HeeftAfwijkendeGrondslag() ? AfwijkendeGrondslag() : Grondslag();
}

// --- Premium lines --------------------------------------------------------

TCustomPremieKolomRegel::TCustomPremieKolomRegel(TBaseKolom* kolom) : TCustomBPDKolomRegel(kolom)
{
    Klassen |= Bit;
    Regeltype = rtPremie;
}

void TCustomPremieKolomRegel::GetValues(TKolomRegelValues& values) const
{
    TCustomBPDKolomRegel::GetValues(values);
    values.Franchise = Franchise;
}

void TCustomPremieKolomRegel::SetValues(const TKolomRegelValues& values)
{
    TCustomBPDKolomRegel::SetValues(values);
    Franchise = static_cast<double>(values.Franchise);
}

void TCustomPremieKolomRegel::LoadFromDataSet(const db::Record& record)
{
    TCustomBPDKolomRegel::LoadFromDataSet(record);
    Franchise = record.AsDouble("Franchise");
}

// A premium is paid in whole cents: each line rounds its own amount, so the
// lines of a column add up to the column's total as the statement shows them.
double TCustomPremieKolomRegel::Bereken()
{
    ResultaatBedrag = Actief && IsVerzekerd() ? afronding_(BerekenPremie()) : 0;
    return ResultaatBedrag;
}

double TCustomPremieKolomRegel::GrondslagKolomTotaal() const
{
    return GetKolomTotaal(GrondslagKolom >= 3 && GrondslagKolom <= 19 ? GrondslagKolom : 8);
}

double TCustomPremieKolomRegel::MaximumPremieloon() const { return PremieloonMaximum(*Kolom, EersteWWWAOMaximum); }

bool TCustomPremieKolomRegel::IsVerzekerd() const { return Kolom->IsVerzekerd(*this); }

// A fixed amount, or the percentage of the basis above the franchise. A
// column's total counts by its magnitude: the deductions of column 18 are
// negative amounts, and a premium over them is charged on what is deducted.
// A deviating basis is never below zero.
double TCustomPremieKolomRegel::BerekenPremie() const
{
    if (BPDType == bpdBedrag)
        return Bedrag;
    const double grondslag = std::fabs(BerekeningsGrondslag());
    return BovenFranchise(grondslag, PeriodeFranchise()) * Percentage / 100;
}

// A part-timer's franchise shrinks with the part-time percentage.
double TCustomPremieKolomRegel::PeriodeFranchise() const
{
    const double deeltijdpercentage = Kolom->Deeltijdpercentage();
    if (deeltijdpercentage != 100)
        return deeltijdpercentage / 100 * Franchise;
    return Franchise;
}

TPremieKolomRegel::TPremieKolomRegel(TBaseKolom* kolom) : TCustomPremieKolomRegel(kolom)
{
    Klassen |= Bit;
}

TLevensloopWGKolomRegel::TLevensloopWGKolomRegel(TBaseKolom* kolom) : TPremieKolomRegel(kolom)
{
    Klassen |= Bit;
    Regeltype = rtLevensloopWG;
}

TOpnameLevensloopKolomRegel::TOpnameLevensloopKolomRegel(TBaseKolom* kolom) : TPremieKolomRegel(kolom)
{
    Klassen |= Bit;
    Regeltype = rtOpnameLevensloop;
}

TLevensloopWNKolomRegel::TLevensloopWNKolomRegel(TBaseKolom* kolom) : TPremieKolomRegel(kolom)
{
    Klassen |= Bit;
    Regeltype = rtLevensloopWN;
}

TPremieKolomRegelEx::TPremieKolomRegelEx(TBaseKolom* kolom) : TPremieKolomRegel(kolom)
{
    Klassen |= Bit;
    Regeltype = rtPremieEx;
}

void TPremieKolomRegelEx::GetValues(TKolomRegelValues& values) const
{
    TPremieKolomRegel::GetValues(values);
    values.TbvVakantiegeld = TbvVakantiegeld;
    values.InclusiefVakantiegeld = true;
}

void TPremieKolomRegelEx::SetValues(const TKolomRegelValues& values)
{
    TPremieKolomRegel::SetValues(values);
    TbvVakantiegeld = values.TbvVakantiegeld;
}

void TPremieKolomRegelEx::LoadFromDataSet(const db::Record& record)
{
    TPremieKolomRegel::LoadFromDataSet(record);
    TbvVakantiegeld = record.AsBoolean("TbvVakantieGeld");
}

// --- Social funds ---------------------------------------------------------

TCustomSociaalFonds::TCustomSociaalFonds(TBaseKolom* kolom) : TCustomPremieKolomRegel(kolom)
{
    Klassen |= Bit;
}

// A fund line shows and takes only its amount (and shows its description).
void TCustomSociaalFonds::GetValues(TKolomRegelValues& values) const { TBaseKolomRegel::GetValues(values); }

void TCustomSociaalFonds::SetValues(const TKolomRegelValues& values)
{
    ResultaatBedrag = static_cast<double>(values.Bedrag);
}

void TCustomSociaalFonds::LoadFromDataSet(const db::Record& record)
{
    TCustomPremieKolomRegel::LoadFromDataSet(record);
    Fondsnummer = static_cast<int>(record.AsInteger("Fondsnummer"));
    JaarGrens = record.AsDouble("JaarGrens");
    Deelname = static_cast<int>(record.AsInteger("Deelname"));
    GrondslagActief = record.AsBoolean("GrondslagActief");
    AfwijkendeGrondslagFormule = record.AsText("AfwijkendeGrondslag");
}

// The fund's own formula when it has one switched on (never below zero);
// otherwise the marked lines of columns 3 to 5, the total of a later column,
// or the gross wage.
double TCustomSociaalFonds::Grondslag() const
{
    if (GrondslagActief)
        return AfwijkendeGrondslag();
    if (GrondslagKolom >= 3 && GrondslagKolom <= 5)
        return Kolom->GetKolomTotaalTbvSocialeFondsen(GrondslagKolom);
    if (GrondslagKolom >= 6 && GrondslagKolom <= 19)
        return GetKolomTotaal(GrondslagKolom);
    return Kolom->GetBrutoloon();
}

// The annual amount times the share of the year's 260 insured days that the
// period covers. With the part-time setting for funds, the annual franchise
// follows the standard days of the period and the part-time percentage; with
// part-time participation both amounts follow the part-time percentage.
double TCustomSociaalFonds::PeriodeDeel(bool franchise, double jaarbedrag) const
{
    double dagen = Kolom->SVDagenFonds(franchise ? nullptr : this);
    const double deeltijdDagen = Kolom->SFDeeltijdDagen();
    if (deeltijdDagen != -1 && franchise) {
        dagen = deeltijdDagen;
        const double deel = dagen == 0 ? 0 : RondAfOpCenten(jaarbedrag * dagen / SVDagenPerJaar);
        return RondAfOpCenten(Kolom->Deeltijdpercentage() * deel / 100);
    }
    if (dagen == 0)
        return 0;
    const double deel = RondAfOpCenten(jaarbedrag * dagen / SVDagenPerJaar);
    if (Deelname == dnDeeltijd)
        return RondAfOpCenten(Kolom->Deeltijdpercentage() * deel / 100);
    return deel;
}

// A fund line does not ask whether the employee is insured; its amount is
// rounded to cents.
double TCustomSociaalFonds::Bereken()
{
    if (!Actief || Deelname == dnGeen) {
        ResultaatBedrag = 0;
        return 0;
    }
    double bedrag;
    if (BPDType == bpdBedrag) {
        bedrag = Bedrag;
    } else {
        // A column's total by its magnitude, as for the other premium lines.
        double grondslag = std::fabs(Grondslag());
        const double grens = PeriodeDeel(false, JaarGrens);
        if (grens > 0 && grondslag > grens)
            grondslag = grens;
        bedrag = BovenFranchise(grondslag, PeriodeDeel(true, Franchise)) * Percentage / 100;
    }
    ResultaatBedrag = RondAfOpCenten(bedrag);
    return ResultaatBedrag;
}

TSociaalFondsWN::TSociaalFondsWN(TBaseKolom* kolom) : TCustomSociaalFonds(kolom)
{
    Klassen |= Bit;
    Regeltype = rtSociaalFondsWN;
}

TSociaalFondsWG::TSociaalFondsWG(TBaseKolom* kolom) : TCustomSociaalFonds(kolom)
{
    Klassen |= Bit;
    Regeltype = rtSociaalFondsWG;
}

// --- Pension, early-retirement and IP premiums ----------------------------

TCustomPensioenPremieKolomRegel::TCustomPensioenPremieKolomRegel(TBaseKolom* kolom) : TCustomPremieKolomRegel(kolom)
{
    Klassen |= Bit;
}

double TCustomPensioenPremieKolomRegel::Grondslag() const
{
    const double grondslag = TCustomBPDKolomRegel::Grondslag();
    return Kolom->LoonInclusiefVakantiegeld() ? grondslag * Kolom->VakantiegeldFactor() : grondslag;
}

TPensioenPremieWNKolomRegel::TPensioenPremieWNKolomRegel(TBaseKolom* kolom) : TCustomPensioenPremieKolomRegel(kolom)
{
    Klassen |= Bit;
    Regeltype = rtPensioenPremieWN;
}

TPensioenPremieWGKolomRegel::TPensioenPremieWGKolomRegel(TBaseKolom* kolom) : TCustomPensioenPremieKolomRegel(kolom)
{
    Klassen |= Bit;
    Regeltype = rtPensioenPremieWG;
}

// The employer's part is read from ResultaatBedrag; it adds nothing to the
// column's plain sum.
double TPensioenPremieWGKolomRegel::Bereken()
{
    TCustomPensioenPremieKolomRegel::Bereken();
    return 0;
}

TVUTFPUPremieWNKolomRegel::TVUTFPUPremieWNKolomRegel(TBaseKolom* kolom) : TCustomPensioenPremieKolomRegel(kolom)
{
    Klassen |= Bit;
    Regeltype = rtVUTFPUPremieWN;
}

TVUTFPUPremieWGKolomRegel::TVUTFPUPremieWGKolomRegel(TBaseKolom* kolom) : TCustomPensioenPremieKolomRegel(kolom)
{
    Klassen |= Bit;
    Regeltype = rtVUTFPUPremieWG;
}

double TVUTFPUPremieWGKolomRegel::Bereken()
{
    TCustomPensioenPremieKolomRegel::Bereken();
    return 0;
}

TIPPremieWNKolomRegel::TIPPremieWNKolomRegel(TBaseKolom* kolom) : TCustomPensioenPremieKolomRegel(kolom)
{
    Klassen |= Bit;
    Regeltype = rtIPPremieWN;
}

// The IP franchise may be kept whole for part-timers.
double TIPPremieWNKolomRegel::PeriodeFranchise() const
{
    return Kolom->IPzonderDeeltijd() ? Franchise : TCustomPensioenPremieKolomRegel::PeriodeFranchise();
}

TIPPremieWGKolomRegel::TIPPremieWGKolomRegel(TBaseKolom* kolom) : TCustomPensioenPremieKolomRegel(kolom)
{
    Klassen |= Bit;
    Regeltype = rtIPPremieWG;
}

double TIPPremieWGKolomRegel::PeriodeFranchise() const
{
    return Kolom->IPzonderDeeltijd() ? Franchise : TCustomPensioenPremieKolomRegel::PeriodeFranchise();
}

double TIPPremieWGKolomRegel::Bereken()
{
    TCustomPensioenPremieKolomRegel::Bereken();
    return 0;
}

// --- Premiums without franchise -------------------------------------------

TCustomPremieSVWKolomRegel::TCustomPremieSVWKolomRegel(TBaseKolom* kolom) : TCustomPremieKolomRegel(kolom)
{
    Klassen |= Bit;
    Regeltype = rtPremieSVW;
}

double TCustomPremieSVWKolomRegel::Grondslag() const { return GrondslagKolomTotaal(); }

// Always a percentage, and the basis keeps its sign.
double TCustomPremieSVWKolomRegel::BerekenPremie() const { return BerekeningsGrondslag() * Percentage / 100; }

TPremieSVWKolomRegel::TPremieSVWKolomRegel(TBaseKolom* kolom) : TCustomPremieSVWKolomRegel(kolom)
{
    Klassen |= Bit;
}

TWhkVerhalingOpWerknemerKolomRegel::TWhkVerhalingOpWerknemerKolomRegel(TBaseKolom* kolom)
    : TCustomPremieSVWKolomRegel(kolom)
{
    Klassen |= Bit;
    Regeltype = rtWhkVerhalingOpWerknemer;
}

// --- Employee-insurance premiums ------------------------------------------

TCustomPremieWWWAOKolomRegel::TCustomPremieWWWAOKolomRegel(TBaseKolom* kolom) : TCustomPremieSVWKolomRegel(kolom)
{
    Klassen |= Bit;
}

// The basis column's total capped at the premium-wage maximum, less the
// franchise; a free calculation takes the total as it is.
double TCustomPremieWWWAOKolomRegel::Grondslag() const
{
    const double maximum = MaximumPremieloon();
    double grondslag = GrondslagKolomTotaal();
    const double franchise = PeriodeFranchise();
    if (Kolom->VrijeBerekening())
        return grondslag;
    if (grondslag > maximum)
        grondslag = maximum;
    return BovenFranchise(grondslag, franchise);
}

// A deviating basis is always capped and reduced, free calculation or not.
double TCustomPremieWWWAOKolomRegel::AfwijkendeGrondslag() const
{
    const double maximum = MaximumPremieloon();
    double grondslag = TCustomBPDKolomRegel::AfwijkendeGrondslag();
    const double franchise = PeriodeFranchise();
    if (grondslag > maximum)
        grondslag = maximum;
    return BovenFranchise(grondslag, franchise);
}

TWWPremieWGKolomRegel::TWWPremieWGKolomRegel(TBaseKolom* kolom) : TCustomPremieWWWAOKolomRegel(kolom)
{
    Klassen |= Bit;
    Regeltype = rtWWPremieWG;
}

// The AWf premium is read from ResultaatBedrag by the employer's column.
double TWWPremieWGKolomRegel::Bereken()
{
    TCustomPremieWWWAOKolomRegel::Bereken();
    return 0;
}

TWWPremieAwfLaagKolomRegel::TWWPremieAwfLaagKolomRegel(TBaseKolom* kolom) : TWWPremieWGKolomRegel(kolom)
{
    Klassen |= Bit;
    Regeltype = rtWWPremieAwfLaag;
}

TWWPremieAwfHoogKolomRegel::TWWPremieAwfHoogKolomRegel(TBaseKolom* kolom) : TWWPremieWGKolomRegel(kolom)
{
    Klassen |= Bit;
    Regeltype = rtWWPremieAwfHoog;
}

TWAOPremieKolomRegel::TWAOPremieKolomRegel(TBaseKolom* kolom) : TCustomPremieWWWAOKolomRegel(kolom)
{
    Klassen |= Bit;
    Regeltype = rtWAOPremie;
}

double TWAOPremieKolomRegel::Bereken()
{
    TCustomPremieWWWAOKolomRegel::Bereken();
    return 0;
}

TWAOPremieVastKolomRegel::TWAOPremieVastKolomRegel(TBaseKolom* kolom) : TWAOPremieKolomRegel(kolom)
{
    Klassen |= Bit;
    Regeltype = rtWAOPremieVast;
}

TWhkPremieKolomRegel::TWhkPremieKolomRegel(TBaseKolom* kolom) : TCustomPremieWWWAOKolomRegel(kolom)
{
    Klassen |= Bit;
    Regeltype = rtWhkPremie;
}

// --- Zvw contributions ----------------------------------------------------

TCustomZfwPremieKolomRegel::TCustomZfwPremieKolomRegel(TBaseKolom* kolom) : TCustomPremieKolomRegel(kolom)
{
    Klassen |= Bit;
}

// The Zvw wage, whatever column the line names.
double TCustomZfwPremieKolomRegel::GrondslagKolomTotaal() const { return GetKolomTotaal(12); }

double TCustomZfwPremieKolomRegel::MaximumPremieloon() const { return PremieloonMaximum(*Kolom, EersteZvwMaximum); }

double TCustomZfwPremieKolomRegel::Grondslag() const
{
    const double grondslag = GrondslagKolomTotaal();
    if (Kolom->VrijeBerekening())
        return grondslag;
    return std::min(grondslag, MaximumPremieloon());
}

double TCustomZfwPremieKolomRegel::AfwijkendeGrondslag() const
{
    return std::min(TCustomBPDKolomRegel::AfwijkendeGrondslag(), MaximumPremieloon());
}

TZfwPremieWNKolomRegel::TZfwPremieWNKolomRegel(TBaseKolom* kolom) : TCustomZfwPremieKolomRegel(kolom)
{
    Klassen |= Bit;
    Regeltype = rtZfwPremieWN;
}

// The employee's contribution is read from ResultaatBedrag.
double TZfwPremieWNKolomRegel::Bereken()
{
    TCustomZfwPremieKolomRegel::Bereken();
    return 0;
}

TZfwPremieWGKolomRegel::TZfwPremieWGKolomRegel(TBaseKolom* kolom) : TCustomZfwPremieKolomRegel(kolom)
{
    Klassen |= Bit;
    Regeltype = rtZfwPremieWG;
}

// The employer's contribution is due whether or not the employee is insured.
double TZfwPremieWGKolomRegel::Bereken()
{
    ResultaatBedrag = Actief ? RondAfOpCenten(BerekenPremie()) : 0;
    return ResultaatBedrag;
}

// --- Allowances and deductions --------------------------------------------

TCustomVergoedingInhoudingKolomRegel::TCustomVergoedingInhoudingKolomRegel(TBaseKolom* kolom)
    : TCustomPremieKolomRegel(kolom)
{
    Klassen |= Bit;
}

// The screen shows the positive amount; the sign lives in ResultaatBedrag.
void TCustomVergoedingInhoudingKolomRegel::GetValues(TKolomRegelValues& values) const
{
    TCustomPremieKolomRegel::GetValues(values);
    values.Bedrag = Bedrag;
}

void TCustomVergoedingInhoudingKolomRegel::SetValues(const TKolomRegelValues& values)
{
    TCustomPremieKolomRegel::SetValues(values);
    Bedrag = static_cast<double>(values.Bedrag);
}

// Bedrag keeps the computed amount as a positive figure; a deduction counts
// negative in ResultaatBedrag.
double TCustomVergoedingInhoudingKolomRegel::Bereken()
{
    const double bedrag = TCustomPremieKolomRegel::Bereken();
    ResultaatBedrag = bedrag;
    Bedrag = bedrag;
    if (!Vergoeding)
        ResultaatBedrag = -ResultaatBedrag;
    return ResultaatBedrag;
}

TVergoedingInhoudingKolomRegel::TVergoedingInhoudingKolomRegel(TBaseKolom* kolom)
    : TCustomVergoedingInhoudingKolomRegel(kolom)
{
    Klassen |= Bit;
    Regeltype = rtVergoedingInhouding;
    Vergoeding = true;
}

void TVergoedingInhoudingKolomRegel::GetValues(TKolomRegelValues& values) const
{
    TCustomVergoedingInhoudingKolomRegel::GetValues(values);
    values.Inhouding = !Vergoeding;
}

void TVergoedingInhoudingKolomRegel::SetValues(const TKolomRegelValues& values)
{
    TCustomVergoedingInhoudingKolomRegel::SetValues(values);
    Vergoeding = !values.Inhouding;
}

void TVergoedingInhoudingKolomRegel::LoadFromDataSet(const db::Record& record)
{
    TCustomVergoedingInhoudingKolomRegel::LoadFromDataSet(record);
    Vergoeding = record.AsBoolean("Vergoeding");
}

// Travel costs are an allowance of a fixed amount unless stored otherwise.
TVergoedingReiskostenKolomRegel::TVergoedingReiskostenKolomRegel(TBaseKolom* kolom)
    : TCustomVergoedingInhoudingKolomRegel(kolom)
{
    Klassen |= Bit;
    Regeltype = rtVergoedingReiskosten;
    Vergoeding = true;
    BPDType = bpdBedrag;
}

// --- Creating a line of a type --------------------------------------------

std::unique_ptr<TBaseKolomRegel> MaakKolomRegel(int regeltype, TBaseKolom* kolom)
{
    switch (regeltype) {
    case rtPremieOud:
    case rtPremie:
        return std::make_unique<TPremieKolomRegel>(kolom);
    case rtBedrag:
        return std::make_unique<TBedragKolomRegel>(kolom);
    case rtBrutoloon:
        return std::make_unique<TBrutoloonKolomRegel>(kolom);
    case rtNatura:
        return std::make_unique<TNaturaKolomRegel>(kolom);
    case rtBijtellingAuto:
        return std::make_unique<TBijtellingAutoKolomRegel>(kolom);
    case rtBijdrageAuto:
        return std::make_unique<TBijdrageAutoKolomRegel>(kolom);
    case rtLevensloopWG:
        return std::make_unique<TLevensloopWGKolomRegel>(kolom);
    case rtHogereZvw:
        return std::make_unique<THogereZvwKolomRegel>(kolom);
    case rtBijtellingFiets:
        return std::make_unique<TBijtellingFietsKolomRegel>(kolom);
    case rtBijdrageFiets:
        return std::make_unique<TBijdrageFietsKolomRegel>(kolom);
    case rtPremieSVW:
        return std::make_unique<TPremieSVWKolomRegel>(kolom);
    case rtPensioenPremieWN:
        return std::make_unique<TPensioenPremieWNKolomRegel>(kolom);
    case rtVUTFPUPremieWN:
        return std::make_unique<TVUTFPUPremieWNKolomRegel>(kolom);
    case rtPensioenPremieWG:
        return std::make_unique<TPensioenPremieWGKolomRegel>(kolom);
    case rtVUTFPUPremieWG:
        return std::make_unique<TVUTFPUPremieWGKolomRegel>(kolom);
    case rtIPPremieWN:
        return std::make_unique<TIPPremieWNKolomRegel>(kolom);
    case rtIPPremieWG:
        return std::make_unique<TIPPremieWGKolomRegel>(kolom);
    case rtPremieEx:
        return std::make_unique<TPremieKolomRegelEx>(kolom);
    case rtLoonLBPH:
        return std::make_unique<TLoonLBPHKolomRegel>(kolom);
    case rtOpnameLevensloop:
        return std::make_unique<TOpnameLevensloopKolomRegel>(kolom);
    case rtLevensloopWN:
        return std::make_unique<TLevensloopWNKolomRegel>(kolom);
    case rtZfwPremieWN:
        return std::make_unique<TZfwPremieWNKolomRegel>(kolom);
    case rtZfwPremieWG:
        return std::make_unique<TZfwPremieWGKolomRegel>(kolom);
    case rtWWPremieAwfLaag:
        return std::make_unique<TWWPremieAwfLaagKolomRegel>(kolom);
    case rtWWPremieAwfHoog:
        return std::make_unique<TWWPremieAwfHoogKolomRegel>(kolom);
    case rtWAOPremieVast:
        return std::make_unique<TWAOPremieVastKolomRegel>(kolom);
    case rtWhkPremie:
        return std::make_unique<TWhkPremieKolomRegel>(kolom);
    case rtVergoedingInhouding:
        return std::make_unique<TVergoedingInhoudingKolomRegel>(kolom);
    case rtVergoedingReiskosten:
        return std::make_unique<TVergoedingReiskostenKolomRegel>(kolom);
    case rtWhkVerhalingOpWerknemer:
        return std::make_unique<TWhkVerhalingOpWerknemerKolomRegel>(kolom);
    case rtSociaalFondsWN:
        return std::make_unique<TSociaalFondsWN>(kolom);
    case rtSociaalFondsWG:
        return std::make_unique<TSociaalFondsWG>(kolom);
    default:
        // Among them the employer's AWf and WAO codes without a rate of
        // their own (262144, 524288): loaded and stored, never computed.
        return std::make_unique<TBasisKolomRegel>(kolom);
    }
}

} // namespace vkt
