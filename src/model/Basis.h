#pragma once

#include "common/DateTime.h"
#include "model/Enumeraties.h"

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace vkt {

namespace db {
class Record;
}
class TQuelvarConst;
class TBaseKolom;
class TBaseKolommen;
class TBaseHeffingen;

// The model reaches from a line to its column, from a column to the column
// set, from the set to the levy data and from there to the fiscal parameters,
// always through the virtual operations of these abstract classes.

// The visible values of one line, as exchanged with its screen control.
struct TKolomRegelValues {
    long double Bedrag = 0;
    unsigned char BPD = 0; // TBPDType
    std::string Tekst;     // never filled by the model
    long double Franchise = 0;
    int GrondslagKolom = 0;
    bool InclusiefSociaalFonds = false;
    bool InclusiefVakantiegeld = false;
    std::string Omschrijving; // at most 64 characters
    long double Percentage = 0;
    bool TbvSocialeFondsen = false;
    long double Reserve = 0; // never filled by the model
    bool TbvVakantiegeld = false;
    bool Inhouding = false; // true: a deduction, false: an allowance
};
constexpr std::size_t MaximaleOmschrijvingLengte = 64;

// One line of a payroll column.
class TBaseKolomRegel {
public:
    explicit TBaseKolomRegel(TBaseKolom* kolom);
    virtual ~TBaseKolomRegel() = default;
    TBaseKolomRegel(const TBaseKolomRegel&) = delete;
    TBaseKolomRegel& operator=(const TBaseKolomRegel&) = delete;

    virtual void GetValues(TKolomRegelValues& values) const;
    virtual void SetValues(const TKolomRegelValues& values);
    virtual void LoadFromDataSet(const db::Record& record);
    // Computes the line, keeps the amount in ResultaatBedrag and returns what
    // the line adds to its column's plain sum.
    virtual double Bereken() = 0;

    // The stored total of another column (never recomputed).
    double GetKolomTotaal(int kolomnummer) const;
    // The storage state that counts: with no stored levy record every line is
    // new (1), except a deleted one (2).
    int GetEffectieveStatus() const;
    // A copy of the record GetValues fills.
    TKolomRegelValues Values() const;

    bool Debet = false;
    double ResultaatBedrag = 0;
    int Kolomnummer = 0; // may be negative for social-fund lines
    int Looncomponentnummer = 0;
    int Rekeningnummer = 0;
    int Tegenrekening = 0;
    std::string Omschrijving;
    TBaseKolom* Kolom; // owning column, not owned
    bool Nieuw = false;
    bool TbvSocialeFondsen = false;
    bool TbvVakantiegeld = false;
    int Status = rsNietOpslaan;
    int Fondsnummer = 0;
    bool Actief = true;
    int Regeltype = 0;
    // The classes of this line, one bit each (see Kolomregels.h); every line
    // is a TBaseKolomRegel.
    std::uint64_t Klassen = 0;
    static constexpr std::uint64_t Bit = ~std::uint64_t{0};
};

// A payroll column: an ordered list of lines it owns, and its last computed,
// cent-rounded total.
class TBaseKolom {
public:
    TBaseKolom(TBaseKolommen* kolommen, int kolomnummer);
    virtual ~TBaseKolom() = default;
    TBaseKolom(const TBaseKolom&) = delete;
    TBaseKolom& operator=(const TBaseKolom&) = delete;

    virtual void Bereken() = 0;
    // Creates a line of the class the line type selects, appends it and
    // returns its position.
    virtual int AddRegel(int regeltype) = 0;
    virtual double GetKolomTotaal(int kolomnummer) const = 0;
    virtual double GetBrutoloon() const = 0;
    virtual double GetTotaalTbvSocialeFondsen() const = 0;
    virtual double GetTotaalTbvVakantiegeld() const = 0;
    virtual bool IsVerzekerd(const TBaseKolomRegel& regel) const = 0;
    virtual double SVDagenFonds(const TBaseKolomRegel* regel) const = 0;
    virtual double Deeltijdpercentage() const = 0;
    virtual bool HeeftAfwijkendeGrondslag(const TBaseKolomRegel& regel) const = 0;
    virtual double AfwijkendeGrondslag(const TBaseKolomRegel& regel) const = 0;
    virtual double GetKolomTotaalTbvSocialeFondsen(int kolomnummer) const = 0;
    virtual double VakantiegeldFactor() const = 0;
    virtual bool LoonInclusiefVakantiegeld() const = 0;
    virtual bool VrijeBerekening() const = 0;
    virtual bool IPzonderDeeltijd() const = 0;
    virtual double SFDeeltijdDagen() const = 0;
    virtual bool ZonderSVDagen() const = 0;

    // Read from the levy data through the column set.
    int Werknemersoort() const;
    bool GeenHeffingsrecord() const;
    const TQuelvarConst* Constanten() const;
    int TabelLoontijdvak() const;
    bool DagTabelToepassen() const;
    double DagTabelDagen() const;

    int Count() const { return static_cast<int>(regels_.size()); }
    TBaseKolomRegel& GetRegel(int index) const { return *regels_.at(static_cast<std::size_t>(index)); }
    const std::vector<std::unique_ptr<TBaseKolomRegel>>& Regels() const { return regels_; }
    // Whether a line has one of these class bits: the columns look for lines
    // of classes they mostly do not hold, several times in every pass.
    bool HeeftKlasse(std::uint64_t bits) const { return (klassen_ & bits) != 0; }
    // Takes the line and returns its position.
    int Append(std::unique_ptr<TBaseKolomRegel> regel);
    // Takes the line in place of the one at index, or appends it at Count().
    void Plaats(int index, std::unique_ptr<TBaseKolomRegel> regel);
    // Removes the lines from position aantal on.
    void KortIn(int aantal);
    void Clear();

    TBaseKolommen* Kolommen; // owning column set, not owned
    int Kolomnummer;
    double Totaal = 0;

private:
    void TelKlassen();

    std::vector<std::unique_ptr<TBaseKolomRegel>> regels_;
    std::uint64_t klassen_ = 0; // the class bits of all lines together
};

// The fourteen payroll columns of one calculation.
class TBaseKolommen {
public:
    explicit TBaseKolommen(TBaseHeffingen* heffingsgegevens) : Heffingsgegevens(heffingsgegevens) {}
    virtual ~TBaseKolommen() = default;
    TBaseKolommen(const TBaseKolommen&) = delete;
    TBaseKolommen& operator=(const TBaseKolommen&) = delete;

    virtual double GetBijtellingAuto() const = 0;
    virtual double GetBijdrageAuto() const = 0;
    virtual double GetBijtellingFiets() const = 0;
    virtual double GetBijdrageFiets() const = 0;
    virtual double GetVergoedingReiskosten() const = 0;
    virtual double GetVergoedingen() const = 0;
    virtual double GetInhoudingen() const = 0;
    virtual double GetWhkVerhaling() const = 0;
    virtual double GetWhkPremie() const = 0;
    virtual double GetBrutoloon() const = 0;
    virtual double GetPensioenPremieWN() const = 0;
    virtual double GetPensioenPremieWG() const = 0;
    virtual double GetIPPremieWN() const = 0;
    virtual double GetIPPremieWG() const = 0;
    virtual double GetVUTFPUPremieWN() const = 0;
    virtual double GetVUTFPUPremieWG() const = 0;
    virtual double GetZvwPremieWG() const = 0;
    virtual double GetLoonInNatura() const = 0;
    virtual double GetLevensloopWG() = 0;
    virtual double GetLevensloopWN() = 0;
    virtual double GetOpnameLevensloop() = 0;
    virtual double GetHogereZvw() const = 0;
    virtual double GetWAOPremie() const = 0;
    virtual double GetLoonTbvVakantiegeld() const = 0;
    virtual void SetBrutoloon(double bedrag) = 0;
    virtual void BerekenKolommen() = 0;
    virtual double GetSocialeFondsenKolom12() const = 0;
    virtual double GetOverigKolom13() const = 0;
    virtual double GetSocialeFondsenKolom14() const = 0;
    virtual double Aftrek() const = 0;
    virtual double VastPercentageLoonheffing() const = 0;
    virtual double GetKolomTotaalTbvSocialeFondsen(int kolomnummer) const = 0;
    virtual double Loonheffing() = 0;
    virtual bool HeeftAfwijkendeGrondslag(const TBaseKolomRegel& regel) const = 0;
    virtual double AfwijkendeGrondslag(const TBaseKolomRegel& regel) const = 0;
    virtual bool IsVerzekerd(const TBaseKolomRegel& regel) const = 0;
    virtual double SVDagenFonds(const TBaseKolomRegel* regel) const = 0;
    virtual double Deeltijdpercentage() const = 0;
    virtual double GetKolomTotaal(int kolomnummer) const = 0;
    virtual double VakantiegeldFactor() const = 0;
    virtual bool LoonInclusiefVakantiegeld() const = 0;
    virtual bool VrijeBerekening() const = 0;
    virtual bool IPzonderDeeltijd() const = 0;
    virtual double SFDeeltijdDagen() const = 0;
    virtual bool ZonderSVDagen() const = 0;
    virtual double GetAwfPremieLaag() const = 0;
    virtual double GetAwfPremieHoog() const = 0;
    virtual double GetWAOPremieVast() const = 0;
    virtual double GetZvwPremieWN() const = 0;
    virtual double GetLoonLBPH() const = 0;

    // The column of that number; a number that is no column raises the
    // column-removed error (a vkt::Exception).
    TBaseKolom& GetKolom(int kolomnummer) const
    {
        if (kolomnummer >= 0 && kolomnummer < static_cast<int>(opNummer_.size()))
            if (TBaseKolom* kolom = opNummer_[static_cast<std::size_t>(kolomnummer)])
                return *kolom;
        return ZoekKolom(kolomnummer);
    }

    int Werknemersoort() const;
    bool GeenHeffingsrecord() const;
    const TQuelvarConst* Constanten() const;
    int TabelLoontijdvak() const;
    bool DagTabelToepassen() const;
    double DagTabelDagen() const;
    bool GeenWAOVastPremie() const;

    int Count() const { return static_cast<int>(kolommen_.size()); }
    TBaseKolom& Item(int index) const { return *kolommen_.at(static_cast<std::size_t>(index)); }
    void Append(std::unique_ptr<TBaseKolom> kolom);

    TBaseHeffingen* Heffingsgegevens; // owning levy data, not owned

private:
    TBaseKolom& ZoekKolom(int kolomnummer) const;

    std::vector<std::unique_ptr<TBaseKolom>> kolommen_;
    // The columns by their number, which every line asks for many times in
    // each pass.
    std::array<TBaseKolom*, 20> opNummer_{};
};

// The levy data of one calculation: the fields the column model relies on and
// the operations it asks for. THeffingsgegevens holds the rest.
class TBaseHeffingen {
public:
    TBaseHeffingen() = default;
    virtual ~TBaseHeffingen() = default;
    TBaseHeffingen(const TBaseHeffingen&) = delete;
    TBaseHeffingen& operator=(const TBaseHeffingen&) = delete;

    virtual void SetSVDagen(double dagen) { SVDagen = dagen; }
    virtual void SetDagTabelToepassen(bool toepassen) { DagTabelToepassen = toepassen; }
    virtual int Soort() const = 0;
    virtual double DagTabelFactor(int loontijdvak) const = 0;
    virtual double TariefPercentage() const = 0;
    virtual double Arbeidskorting(bool aow, double jaarloon) const = 0;
    virtual double KortingsDagFactor() const = 0;
    virtual bool GeenWAOVastPremie() const = 0;
    virtual void Bereken() = 0;
    virtual int TabelLoontijdvak() const = 0;
    virtual double Loonheffing() = 0;
    virtual double AfwijkendeGrondslag(const TBaseKolomRegel& regel) const = 0;
    virtual double Aftrek() const = 0;
    virtual double VastPercentageLoonheffing() const = 0;
    virtual double SVDagenFonds(const TBaseKolomRegel* regel) const = 0;
    virtual bool HeeftAfwijkendeGrondslag(const TBaseKolomRegel& regel) const = 0;
    virtual bool IsVerzekerd(const TBaseKolomRegel& regel) const = 0;
    virtual double VakantiegeldFactor() const = 0;
    virtual bool LoonInclusiefVakantiegeld() const = 0;
    virtual bool VrijeBerekening() const = 0;
    virtual bool IPzonderDeeltijd() const = 0;
    virtual double SFDeeltijdDagen() const = 0;
    virtual bool ZonderSVDagen() const = 0;

    void SetConstanten(const TQuelvarConst* constanten) { Constanten = constanten; }
    void SetGeenHeffingsrecord(bool geen) { GeenHeffingsrecord = geen; }
    void SetDagTabelDagen(double dagen) { DagTabelDagen = dagen; }
    void SetBerekeningsDatum(TDateTime datum) { BerekeningsDatum = datum; }

    int Werkgeversnummer = 0;
    int Werknemersnummer = 0;
    int Werknemersoort = wsWerknemer;
    int Loontijdvak = StandaardLoontijdvak;
    TDateTime BerekeningsDatum = 0;
    double SVDagen = 0;
    bool DagTabelToepassen = false;
    double DagTabelDagen = 0;
    double Deeltijdpercentage = 100;
    bool VerzekerdWW = false;
    bool VerzekerdWAO = false;
    double PremieWAOVast = 0;
    std::string AwfPremieType = AwfPremieLaag;
    bool GeenHeffingsrecord = false;
    const TQuelvarConst* Constanten = nullptr; // not owned
};

// The questions that go from a line to its column, to the column set and on
// to the levy data, asked many times in every pass: defined here so that
// they cost no calls of their own.

inline double TBaseKolomRegel::GetKolomTotaal(int kolomnummer) const { return Kolom->GetKolomTotaal(kolomnummer); }

inline int TBaseKolomRegel::GetEffectieveStatus() const
{
    if (Kolom != nullptr && Kolom->GeenHeffingsrecord())
        return Status == rsVerwijderd ? rsVerwijderd : rsNieuw;
    return Status;
}

inline int TBaseKolom::Werknemersoort() const { return Kolommen->Werknemersoort(); }
inline bool TBaseKolom::GeenHeffingsrecord() const { return Kolommen->GeenHeffingsrecord(); }
inline const TQuelvarConst* TBaseKolom::Constanten() const { return Kolommen->Constanten(); }
inline int TBaseKolom::TabelLoontijdvak() const { return Kolommen->TabelLoontijdvak(); }
inline bool TBaseKolom::DagTabelToepassen() const { return Kolommen->DagTabelToepassen(); }
inline double TBaseKolom::DagTabelDagen() const { return Kolommen->DagTabelDagen(); }

inline int TBaseKolommen::Werknemersoort() const { return Heffingsgegevens->Werknemersoort; }
inline bool TBaseKolommen::GeenHeffingsrecord() const { return Heffingsgegevens->GeenHeffingsrecord; }
inline const TQuelvarConst* TBaseKolommen::Constanten() const { return Heffingsgegevens->Constanten; }
inline int TBaseKolommen::TabelLoontijdvak() const { return Heffingsgegevens->TabelLoontijdvak(); }
inline bool TBaseKolommen::DagTabelToepassen() const { return Heffingsgegevens->DagTabelToepassen; }
inline double TBaseKolommen::DagTabelDagen() const { return Heffingsgegevens->DagTabelDagen; }
inline bool TBaseKolommen::GeenWAOVastPremie() const { return Heffingsgegevens->GeenWAOVastPremie(); }

} // namespace vkt
