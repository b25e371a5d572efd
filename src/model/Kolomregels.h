#pragma once

#include "model/Afronding.h"
#include "model/Basis.h"

#include <cstdint>
#include <memory>
#include <string>

namespace vkt {

// The line classes. Each constructor sets its own Regeltype; the classes
// whose name begins with TCustom are never created as such.

// One bit per line class. A line's Klassen holds the bit of its own class and
// of every class it derives from, so a class test is a single AND: the
// columns test the classes of their lines many times in every pass.
enum TRegelKlasseBit : int {
    krCustomKolomRegel,
    krBasisKolomRegel,
    krCustomBedragKolomRegel,
    krBedragKolomRegel,
    krBrutoloonKolomRegel,
    krNaturaKolomRegel,
    krBijtellingAutoKolomRegel,
    krBijdrageAutoKolomRegel,
    krHogereZvwKolomRegel,
    krBijtellingFietsKolomRegel,
    krBijdrageFietsKolomRegel,
    krLoonLBPHKolomRegel,
    krCustomBPDKolomRegel,
    krCustomPremieKolomRegel,
    krPremieKolomRegel,
    krLevensloopWGKolomRegel,
    krOpnameLevensloopKolomRegel,
    krLevensloopWNKolomRegel,
    krPremieKolomRegelEx,
    krCustomSociaalFonds,
    krSociaalFondsWN,
    krSociaalFondsWG,
    krCustomPensioenPremieKolomRegel,
    krPensioenPremieWNKolomRegel,
    krPensioenPremieWGKolomRegel,
    krVUTFPUPremieWNKolomRegel,
    krVUTFPUPremieWGKolomRegel,
    krIPPremieWNKolomRegel,
    krIPPremieWGKolomRegel,
    krCustomPremieSVWKolomRegel,
    krPremieSVWKolomRegel,
    krWhkVerhalingOpWerknemerKolomRegel,
    krCustomPremieWWWAOKolomRegel,
    krWWPremieWGKolomRegel,
    krWWPremieAwfLaagKolomRegel,
    krWWPremieAwfHoogKolomRegel,
    krWAOPremieKolomRegel,
    krWAOPremieVastKolomRegel,
    krWhkPremieKolomRegel,
    krCustomZfwPremieKolomRegel,
    krZfwPremieWNKolomRegel,
    krZfwPremieWGKolomRegel,
    krCustomVergoedingInhoudingKolomRegel,
    krVergoedingInhoudingKolomRegel,
    krVergoedingReiskostenKolomRegel,
};
static_assert(krVergoedingReiskostenKolomRegel < 64);

// Whether the line is of class T or a class derived from it.
template <typename T>
bool IsVan(const TBaseKolomRegel& regel)
{
    return (regel.Klassen & T::Bit) != 0;
}
// The line as a T, or nullptr when it is not one.
template <typename T>
T* Als(TBaseKolomRegel* regel)
{
    return regel != nullptr && IsVan<T>(*regel) ? static_cast<T*>(regel) : nullptr;
}
template <typename T>
const T* Als(const TBaseKolomRegel* regel)
{
    return regel != nullptr && IsVan<T>(*regel) ? static_cast<const T*>(regel) : nullptr;
}


class TCustomKolomRegel : public TBaseKolomRegel {
public:
    static constexpr std::uint64_t Bit = std::uint64_t{1} << krCustomKolomRegel;
    explicit TCustomKolomRegel(TBaseKolom* kolom);
    double Bereken() override; // 0
};

// Created for every line type without a class of its own: loaded and stored,
// it always yields 0.
class TBasisKolomRegel : public TCustomKolomRegel {
public:
    static constexpr std::uint64_t Bit = std::uint64_t{1} << krBasisKolomRegel;
    explicit TBasisKolomRegel(TBaseKolom* kolom);
};

// A line with an amount of its own.
class TCustomBedragKolomRegel : public TCustomKolomRegel {
public:
    static constexpr std::uint64_t Bit = std::uint64_t{1} << krCustomBedragKolomRegel;
    explicit TCustomBedragKolomRegel(TBaseKolom* kolom);
    void GetValues(TKolomRegelValues& values) const override;
    void SetValues(const TKolomRegelValues& values) override;
    void LoadFromDataSet(const db::Record& record) override;
    double Bereken() override; // Bedrag while active

    double Bedrag = 0;
};

class TBedragKolomRegel : public TCustomBedragKolomRegel {
public:
    static constexpr std::uint64_t Bit = std::uint64_t{1} << krBedragKolomRegel;
    explicit TBedragKolomRegel(TBaseKolom* kolom);
    void GetValues(TKolomRegelValues& values) const override;
    void SetValues(const TKolomRegelValues& values) override;
    void LoadFromDataSet(const db::Record& record) override;
};

class TBrutoloonKolomRegel : public TBedragKolomRegel {
public:
    static constexpr std::uint64_t Bit = std::uint64_t{1} << krBrutoloonKolomRegel;
    explicit TBrutoloonKolomRegel(TBaseKolom* kolom);
};

class TNaturaKolomRegel : public TBedragKolomRegel {
public:
    static constexpr std::uint64_t Bit = std::uint64_t{1} << krNaturaKolomRegel;
    explicit TNaturaKolomRegel(TBaseKolom* kolom);
};

class TBijtellingAutoKolomRegel : public TBedragKolomRegel {
public:
    static constexpr std::uint64_t Bit = std::uint64_t{1} << krBijtellingAutoKolomRegel;
    explicit TBijtellingAutoKolomRegel(TBaseKolom* kolom);
};

class TBijdrageAutoKolomRegel : public TBedragKolomRegel {
public:
    static constexpr std::uint64_t Bit = std::uint64_t{1} << krBijdrageAutoKolomRegel;
    explicit TBijdrageAutoKolomRegel(TBaseKolom* kolom);
};

class THogereZvwKolomRegel : public TBedragKolomRegel {
public:
    static constexpr std::uint64_t Bit = std::uint64_t{1} << krHogereZvwKolomRegel;
    explicit THogereZvwKolomRegel(TBaseKolom* kolom);
};

class TBijtellingFietsKolomRegel : public TBedragKolomRegel {
public:
    static constexpr std::uint64_t Bit = std::uint64_t{1} << krBijtellingFietsKolomRegel;
    explicit TBijtellingFietsKolomRegel(TBaseKolom* kolom);
};

class TBijdrageFietsKolomRegel : public TBedragKolomRegel {
public:
    static constexpr std::uint64_t Bit = std::uint64_t{1} << krBijdrageFietsKolomRegel;
    explicit TBijdrageFietsKolomRegel(TBaseKolom* kolom);
};

class TLoonLBPHKolomRegel : public TBedragKolomRegel {
public:
    static constexpr std::uint64_t Bit = std::uint64_t{1} << krLoonLBPHKolomRegel;
    explicit TLoonLBPHKolomRegel(TBaseKolom* kolom);
};

// A line whose amount is a fixed amount (B), a percentage of a basis (P) or
// the third code (D, computed like P).
class TCustomBPDKolomRegel : public TCustomBedragKolomRegel {
public:
    static constexpr std::uint64_t Bit = std::uint64_t{1} << krCustomBPDKolomRegel;
    explicit TCustomBPDKolomRegel(TBaseKolom* kolom);
    void GetValues(TKolomRegelValues& values) const override;
    void SetValues(const TKolomRegelValues& values) override;
    void LoadFromDataSet(const db::Record& record) override;

    // The stored total of GrondslagKolom (3..19), else the gross wage.
    virtual double Grondslag() const;
    // The value of the deviating-basis formula the levy data assigns, 0 when
    // it falls below zero.
    virtual double AfwijkendeGrondslag() const;
    bool HeeftAfwijkendeGrondslag() const;
    // The deviating basis when there is one, else Grondslag.
    double BerekeningsGrondslag() const;

    int KolomType = 1;
    int BPDType = bpdPercentage;
    int GrondslagKolom = 0;
    double Percentage = 0;
};

class TCustomPremieKolomRegel : public TCustomBPDKolomRegel {
public:
    static constexpr std::uint64_t Bit = std::uint64_t{1} << krCustomPremieKolomRegel;
    explicit TCustomPremieKolomRegel(TBaseKolom* kolom);
    void GetValues(TKolomRegelValues& values) const override;
    void SetValues(const TKolomRegelValues& values) override;
    void LoadFromDataSet(const db::Record& record) override;
    // BerekenPremie while active and insured, else 0.
    double Bereken() override;

    virtual double GrondslagKolomTotaal() const;
    virtual double MaximumPremieloon() const;
    virtual bool IsVerzekerd() const;
    virtual double BerekenPremie() const;
    virtual double PeriodeFranchise() const;

    double Franchise = 0; // per period; for social funds per year

private:
    TCentenAfronding afronding_;
};

class TPremieKolomRegel : public TCustomPremieKolomRegel {
public:
    static constexpr std::uint64_t Bit = std::uint64_t{1} << krPremieKolomRegel;
    explicit TPremieKolomRegel(TBaseKolom* kolom);
};

class TLevensloopWGKolomRegel : public TPremieKolomRegel {
public:
    static constexpr std::uint64_t Bit = std::uint64_t{1} << krLevensloopWGKolomRegel;
    explicit TLevensloopWGKolomRegel(TBaseKolom* kolom);
};

class TOpnameLevensloopKolomRegel : public TPremieKolomRegel {
public:
    static constexpr std::uint64_t Bit = std::uint64_t{1} << krOpnameLevensloopKolomRegel;
    explicit TOpnameLevensloopKolomRegel(TBaseKolom* kolom);
};

class TLevensloopWNKolomRegel : public TPremieKolomRegel {
public:
    static constexpr std::uint64_t Bit = std::uint64_t{1} << krLevensloopWNKolomRegel;
    explicit TLevensloopWNKolomRegel(TBaseKolom* kolom);
};

// A premium line with its own holiday-pay mark.
class TPremieKolomRegelEx : public TPremieKolomRegel {
public:
    static constexpr std::uint64_t Bit = std::uint64_t{1} << krPremieKolomRegelEx;
    explicit TPremieKolomRegelEx(TBaseKolom* kolom);
    void GetValues(TKolomRegelValues& values) const override;
    void SetValues(const TKolomRegelValues& values) override;
    void LoadFromDataSet(const db::Record& record) override;
};

// A social-fund contribution: annual limit and annual franchise turned into
// the period's share, participation, and an optional formula of its own.
class TCustomSociaalFonds : public TCustomPremieKolomRegel {
public:
    static constexpr std::uint64_t Bit = std::uint64_t{1} << krCustomSociaalFonds;
    explicit TCustomSociaalFonds(TBaseKolom* kolom);
    void GetValues(TKolomRegelValues& values) const override;
    void SetValues(const TKolomRegelValues& values) override;
    void LoadFromDataSet(const db::Record& record) override;
    double Bereken() override;
    double Grondslag() const override;

    // The period's share of an annual amount; franchise says whether it is
    // the annual franchise (true) or the annual limit (false).
    double PeriodeDeel(bool franchise, double jaarbedrag) const;

    double JaarGrens = 0;
    int Deelname = dnDeelname;
    bool GrondslagActief = false;
    std::string AfwijkendeGrondslagFormule;
};

class TSociaalFondsWN : public TCustomSociaalFonds {
public:
    static constexpr std::uint64_t Bit = std::uint64_t{1} << krSociaalFondsWN;
    explicit TSociaalFondsWN(TBaseKolom* kolom);
};

class TSociaalFondsWG : public TCustomSociaalFonds {
public:
    static constexpr std::uint64_t Bit = std::uint64_t{1} << krSociaalFondsWG;
    explicit TSociaalFondsWG(TBaseKolom* kolom);
};

// Pension, early-retirement and IP premiums: the basis includes holiday pay
// when the levy data says so.
class TCustomPensioenPremieKolomRegel : public TCustomPremieKolomRegel {
public:
    static constexpr std::uint64_t Bit = std::uint64_t{1} << krCustomPensioenPremieKolomRegel;
    explicit TCustomPensioenPremieKolomRegel(TBaseKolom* kolom);
    double Grondslag() const override;
};

class TPensioenPremieWNKolomRegel : public TCustomPensioenPremieKolomRegel {
public:
    static constexpr std::uint64_t Bit = std::uint64_t{1} << krPensioenPremieWNKolomRegel;
    explicit TPensioenPremieWNKolomRegel(TBaseKolom* kolom);
};

class TPensioenPremieWGKolomRegel : public TCustomPensioenPremieKolomRegel {
public:
    static constexpr std::uint64_t Bit = std::uint64_t{1} << krPensioenPremieWGKolomRegel;
    explicit TPensioenPremieWGKolomRegel(TBaseKolom* kolom);
    double Bereken() override; // keeps the amount, reports 0
};

class TVUTFPUPremieWNKolomRegel : public TCustomPensioenPremieKolomRegel {
public:
    static constexpr std::uint64_t Bit = std::uint64_t{1} << krVUTFPUPremieWNKolomRegel;
    explicit TVUTFPUPremieWNKolomRegel(TBaseKolom* kolom);
};

class TVUTFPUPremieWGKolomRegel : public TCustomPensioenPremieKolomRegel {
public:
    static constexpr std::uint64_t Bit = std::uint64_t{1} << krVUTFPUPremieWGKolomRegel;
    explicit TVUTFPUPremieWGKolomRegel(TBaseKolom* kolom);
    double Bereken() override; // keeps the amount, reports 0
};

class TIPPremieWNKolomRegel : public TCustomPensioenPremieKolomRegel {
public:
    static constexpr std::uint64_t Bit = std::uint64_t{1} << krIPPremieWNKolomRegel;
    explicit TIPPremieWNKolomRegel(TBaseKolom* kolom);
    double PeriodeFranchise() const override;
};

class TIPPremieWGKolomRegel : public TCustomPensioenPremieKolomRegel {
public:
    static constexpr std::uint64_t Bit = std::uint64_t{1} << krIPPremieWGKolomRegel;
    explicit TIPPremieWGKolomRegel(TBaseKolom* kolom);
    double PeriodeFranchise() const override;
    double Bereken() override; // keeps the amount, reports 0
};

// A premium without franchise: basis x percentage.
class TCustomPremieSVWKolomRegel : public TCustomPremieKolomRegel {
public:
    static constexpr std::uint64_t Bit = std::uint64_t{1} << krCustomPremieSVWKolomRegel;
    explicit TCustomPremieSVWKolomRegel(TBaseKolom* kolom);
    double Grondslag() const override;
    double BerekenPremie() const override;
};

class TPremieSVWKolomRegel : public TCustomPremieSVWKolomRegel {
public:
    static constexpr std::uint64_t Bit = std::uint64_t{1} << krPremieSVWKolomRegel;
    explicit TPremieSVWKolomRegel(TBaseKolom* kolom);
};

class TWhkVerhalingOpWerknemerKolomRegel : public TCustomPremieSVWKolomRegel {
public:
    static constexpr std::uint64_t Bit = std::uint64_t{1} << krWhkVerhalingOpWerknemerKolomRegel;
    explicit TWhkVerhalingOpWerknemerKolomRegel(TBaseKolom* kolom);
};

// Employee-insurance premiums: the basis is capped at the premium-wage
// maximum and the franchise is taken off it.
class TCustomPremieWWWAOKolomRegel : public TCustomPremieSVWKolomRegel {
public:
    static constexpr std::uint64_t Bit = std::uint64_t{1} << krCustomPremieWWWAOKolomRegel;
    explicit TCustomPremieWWWAOKolomRegel(TBaseKolom* kolom);
    double Grondslag() const override;
    double AfwijkendeGrondslag() const override;
};

class TWWPremieWGKolomRegel : public TCustomPremieWWWAOKolomRegel {
public:
    static constexpr std::uint64_t Bit = std::uint64_t{1} << krWWPremieWGKolomRegel;
    explicit TWWPremieWGKolomRegel(TBaseKolom* kolom);
    double Bereken() override; // keeps the amount, reports 0
};

class TWWPremieAwfLaagKolomRegel : public TWWPremieWGKolomRegel {
public:
    static constexpr std::uint64_t Bit = std::uint64_t{1} << krWWPremieAwfLaagKolomRegel;
    explicit TWWPremieAwfLaagKolomRegel(TBaseKolom* kolom);
};

class TWWPremieAwfHoogKolomRegel : public TWWPremieWGKolomRegel {
public:
    static constexpr std::uint64_t Bit = std::uint64_t{1} << krWWPremieAwfHoogKolomRegel;
    explicit TWWPremieAwfHoogKolomRegel(TBaseKolom* kolom);
};

class TWAOPremieKolomRegel : public TCustomPremieWWWAOKolomRegel {
public:
    static constexpr std::uint64_t Bit = std::uint64_t{1} << krWAOPremieKolomRegel;
    explicit TWAOPremieKolomRegel(TBaseKolom* kolom);
    double Bereken() override; // keeps the amount, reports 0
};

class TWAOPremieVastKolomRegel : public TWAOPremieKolomRegel {
public:
    static constexpr std::uint64_t Bit = std::uint64_t{1} << krWAOPremieVastKolomRegel;
    explicit TWAOPremieVastKolomRegel(TBaseKolom* kolom);
};

class TWhkPremieKolomRegel : public TCustomPremieWWWAOKolomRegel {
public:
    static constexpr std::uint64_t Bit = std::uint64_t{1} << krWhkPremieKolomRegel;
    explicit TWhkPremieKolomRegel(TBaseKolom* kolom);
};

// Zvw contributions: the basis is column 12, capped at the Zvw maximum.
class TCustomZfwPremieKolomRegel : public TCustomPremieKolomRegel {
public:
    static constexpr std::uint64_t Bit = std::uint64_t{1} << krCustomZfwPremieKolomRegel;
    explicit TCustomZfwPremieKolomRegel(TBaseKolom* kolom);
    double GrondslagKolomTotaal() const override;
    double MaximumPremieloon() const override;
    double Grondslag() const override;
    double AfwijkendeGrondslag() const override;
};

class TZfwPremieWNKolomRegel : public TCustomZfwPremieKolomRegel {
public:
    static constexpr std::uint64_t Bit = std::uint64_t{1} << krZfwPremieWNKolomRegel;
    explicit TZfwPremieWNKolomRegel(TBaseKolom* kolom);
    double Bereken() override; // keeps the amount, reports 0
};

class TZfwPremieWGKolomRegel : public TCustomZfwPremieKolomRegel {
public:
    static constexpr std::uint64_t Bit = std::uint64_t{1} << krZfwPremieWGKolomRegel;
    explicit TZfwPremieWGKolomRegel(TBaseKolom* kolom);
    double Bereken() override; // without the insurance test
};

// Tax-free allowances (positive) and deductions (negative).
class TCustomVergoedingInhoudingKolomRegel : public TCustomPremieKolomRegel {
public:
    static constexpr std::uint64_t Bit = std::uint64_t{1} << krCustomVergoedingInhoudingKolomRegel;
    explicit TCustomVergoedingInhoudingKolomRegel(TBaseKolom* kolom);
    void GetValues(TKolomRegelValues& values) const override;
    void SetValues(const TKolomRegelValues& values) override;
    double Bereken() override;

    bool Vergoeding = false; // true: allowance, false: deduction
};

class TVergoedingInhoudingKolomRegel : public TCustomVergoedingInhoudingKolomRegel {
public:
    static constexpr std::uint64_t Bit = std::uint64_t{1} << krVergoedingInhoudingKolomRegel;
    explicit TVergoedingInhoudingKolomRegel(TBaseKolom* kolom);
    void GetValues(TKolomRegelValues& values) const override;
    void SetValues(const TKolomRegelValues& values) override;
    void LoadFromDataSet(const db::Record& record) override;
};

class TVergoedingReiskostenKolomRegel : public TCustomVergoedingInhoudingKolomRegel {
public:
    static constexpr std::uint64_t Bit = std::uint64_t{1} << krVergoedingReiskostenKolomRegel;
    explicit TVergoedingReiskostenKolomRegel(TBaseKolom* kolom);
};

// The line of the class a line type selects; TBasisKolomRegel for a type
// without a class of its own (among them 262144 and 524288).
std::unique_ptr<TBaseKolomRegel> MaakKolomRegel(int regeltype, TBaseKolom* kolom);

} // namespace vkt
