#pragma once

#include "model/Afronding.h"
#include "model/Basis.h"
#include "model/Kolomregels.h"

namespace vkt {

class TKolommen;

// A numbered payroll column. Its questions go to the column set, which asks
// the levy data; each column class says how its total is formed.
class TCustomKolom : public TBaseKolom {
public:
    TCustomKolom(TKolommen* kolommen, int kolomnummer);

    // Totaal := the cent-rounded GetTotaal.
    void Bereken() override;
    int AddRegel(int regeltype) override;
    double GetKolomTotaal(int kolomnummer) const override;
    double GetBrutoloon() const override;
    double GetTotaalTbvSocialeFondsen() const override;
    double GetTotaalTbvVakantiegeld() const override;
    bool IsVerzekerd(const TBaseKolomRegel& regel) const override;
    double SVDagenFonds(const TBaseKolomRegel* regel) const override;
    double Deeltijdpercentage() const override;
    bool HeeftAfwijkendeGrondslag(const TBaseKolomRegel& regel) const override;
    double AfwijkendeGrondslag(const TBaseKolomRegel& regel) const override;
    double GetKolomTotaalTbvSocialeFondsen(int kolomnummer) const override;
    double VakantiegeldFactor() const override;
    bool LoonInclusiefVakantiegeld() const override;
    bool VrijeBerekening() const override;
    bool IPzonderDeeltijd() const override;
    double SFDeeltijdDagen() const override;
    bool ZonderSVDagen() const override;
    // The unrounded total.
    virtual double GetTotaal();

    TKolommen& Kolomset() const;

    // The first line of class T (or a descendant), or nullptr.
    template <typename T>
    T* EersteRegel() const
    {
        if (!HeeftKlasse(T::Bit))
            return nullptr;
        for (const auto& regel : Regels())
            if (auto* gevonden = Als<T>(regel.get()))
                return gevonden;
        return nullptr;
    }
    // The amount of the first line of class T, 0 when there is none.
    template <typename T>
    double ResultaatVan() const
    {
        const T* regel = EersteRegel<T>();
        return regel != nullptr ? regel->ResultaatBedrag : 0;
    }
    // The sum of the amounts of all lines of class T that pass the test.
    template <typename T, typename Test>
    double SomVan(Test test) const
    {
        double som = 0;
        if (!HeeftKlasse(T::Bit))
            return som;
        for (const auto& regel : Regels())
            if (const auto* gevonden = Als<T>(regel.get()); gevonden != nullptr && test(*gevonden))
                som += gevonden->ResultaatBedrag;
        return som;
    }

protected:
    // The plain sum: Bereken of every line whose effective status is not 2.
    double Som();

private:
    TCentenAfronding afronding_;
};

// Employer charges.
class TKolom0 : public TCustomKolom {
public:
    explicit TKolom0(TKolommen* kolommen) : TCustomKolom(kolommen, 0) {}
    double GetTotaal() override;
};

// Wage in money, less the employee's life-course savings.
class TKolom3 : public TCustomKolom {
public:
    explicit TKolom3(TKolommen* kolommen) : TCustomKolom(kolommen, 3) {}
    double GetTotaal() override;
    // The unrounded amount of the gross-wage line.
    double GetBrutoloon() const override;
};

// Wage in kind, less the employee's contributions for car and bicycle.
class TKolom4 : public TCustomKolom {
public:
    explicit TKolom4(TKolommen* kolommen) : TCustomKolom(kolommen, 4) {}
    double GetTotaal() override;
};

class TKolom5 : public TCustomKolom {
public:
    explicit TKolom5(TKolommen* kolommen) : TCustomKolom(kolommen, 5) {}
};

class TKolom7 : public TCustomKolom {
public:
    explicit TKolom7(TKolommen* kolommen) : TCustomKolom(kolommen, 7) {}
};

// Wage for the employee insurances.
class TKolom8 : public TCustomKolom {
public:
    explicit TKolom8(TKolommen* kolommen) : TCustomKolom(kolommen, 8) {}
    double GetTotaal() override;
};

// Wage for the Zvw contribution.
class TKolom12 : public TCustomKolom {
public:
    explicit TKolom12(TKolommen* kolommen) : TCustomKolom(kolommen, 12) {}
    double GetTotaal() override;
};

// The Zvw employer contribution, or the sum of the lines.
class TKolom13 : public TCustomKolom {
public:
    explicit TKolom13(TKolommen* kolommen) : TCustomKolom(kolommen, 13) {}
    double GetTotaal() override;
};

// Wage for wage tax and national insurance.
class TKolom14 : public TCustomKolom {
public:
    explicit TKolom14(TKolommen* kolommen) : TCustomKolom(kolommen, 14) {}
    double GetTotaal() override;
};

// Wage tax and national-insurance contributions.
class TKolom15 : public TCustomKolom {
public:
    explicit TKolom15(TKolommen* kolommen) : TCustomKolom(kolommen, 15) {}
    double GetTotaal() override;
};

class TKolom16 : public TCustomKolom {
public:
    explicit TKolom16(TKolommen* kolommen) : TCustomKolom(kolommen, 16) {}
};

class TKolom17 : public TCustomKolom {
public:
    explicit TKolom17(TKolommen* kolommen) : TCustomKolom(kolommen, 17) {}
};

// Tax-free allowances and deductions, less the Whk charged on to the employee.
class TKolom18 : public TCustomKolom {
public:
    explicit TKolom18(TKolommen* kolommen) : TCustomKolom(kolommen, 18) {}
    double GetTotaal() override;
};

// Net wage.
class TKolom19 : public TCustomKolom {
public:
    explicit TKolom19(TKolommen* kolommen) : TCustomKolom(kolommen, 19) {}
    double GetTotaal() override;
};

} // namespace vkt
