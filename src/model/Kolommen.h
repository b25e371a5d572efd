#pragma once

#include "model/Basis.h"
#include "model/Kolom.h"

namespace vkt {

namespace db {
class Connection;
class Query;
} // namespace db

// The payslip of one calculation: the fourteen columns in their fixed order.
// It computes them, answers named amounts, forwards the lines' questions to
// the levy data, merges another set, and loads and stores its lines.
class TKolommen final : public TBaseKolommen {
public:
    // Creates the fourteen empty columns.
    explicit TKolommen(TBaseHeffingen* heffingsgegevens);

    double GetBijtellingAuto() const override;
    double GetBijdrageAuto() const override;
    double GetBijtellingFiets() const override;
    double GetBijdrageFiets() const override;
    double GetVergoedingReiskosten() const override;
    double GetVergoedingen() const override;
    double GetInhoudingen() const override;
    double GetWhkVerhaling() const override;
    double GetWhkPremie() const override;
    double GetBrutoloon() const override;
    double GetPensioenPremieWN() const override;
    double GetPensioenPremieWG() const override;
    double GetIPPremieWN() const override;
    double GetIPPremieWG() const override;
    double GetVUTFPUPremieWN() const override;
    double GetVUTFPUPremieWG() const override;
    double GetZvwPremieWG() const override;
    double GetLoonInNatura() const override;
    double GetLevensloopWG() override;
    double GetLevensloopWN() override;
    double GetOpnameLevensloop() override;
    double GetHogereZvw() const override;
    double GetWAOPremie() const override;
    double GetLoonTbvVakantiegeld() const override;
    void SetBrutoloon(double bedrag) override;
    void BerekenKolommen() override;
    double GetSocialeFondsenKolom12() const override;
    double GetOverigKolom13() const override;
    double GetSocialeFondsenKolom14() const override;
    double Aftrek() const override;
    double VastPercentageLoonheffing() const override;
    double GetKolomTotaalTbvSocialeFondsen(int kolomnummer) const override;
    double Loonheffing() override;
    // The lines' questions to the levy data, asked several times in every
    // pass: inline, so that a column reaches the levy data in one call.
    bool HeeftAfwijkendeGrondslag(const TBaseKolomRegel& regel) const override
    {
        return Heffingsgegevens->HeeftAfwijkendeGrondslag(regel);
    }
    double AfwijkendeGrondslag(const TBaseKolomRegel& regel) const override
    {
        return Heffingsgegevens->AfwijkendeGrondslag(regel);
    }
    bool IsVerzekerd(const TBaseKolomRegel& regel) const override { return Heffingsgegevens->IsVerzekerd(regel); }
    double SVDagenFonds(const TBaseKolomRegel* regel) const override { return Heffingsgegevens->SVDagenFonds(regel); }
    double Deeltijdpercentage() const override { return Heffingsgegevens->Deeltijdpercentage; }
    double GetKolomTotaal(int kolomnummer) const override { return GetKolom(kolomnummer).Totaal; }
    double VakantiegeldFactor() const override { return Heffingsgegevens->VakantiegeldFactor(); }
    bool LoonInclusiefVakantiegeld() const override { return Heffingsgegevens->LoonInclusiefVakantiegeld(); }
    bool VrijeBerekening() const override { return Heffingsgegevens->VrijeBerekening(); }
    bool IPzonderDeeltijd() const override { return Heffingsgegevens->IPzonderDeeltijd(); }
    double SFDeeltijdDagen() const override { return Heffingsgegevens->SFDeeltijdDagen(); }
    bool ZonderSVDagen() const override { return Heffingsgegevens->ZonderSVDagen(); }
    double GetAwfPremieLaag() const override;
    double GetAwfPremieHoog() const override;
    double GetWAOPremieVast() const override;
    double GetZvwPremieWN() const override;
    double GetLoonLBPH() const override;

    // The column of that number (the column-removed error for any other).
    TCustomKolom& Kolom(int kolomnummer) const;

    // The first line of that type (and wage component, when not 0), column
    // by column in their fixed order; nullptr when there is none.
    TBaseKolomRegel* ZoekRegel(int regeltype, int looncomponentnummer = 0) const;

    // Loads the stored lines of regelRecords (HEFFINGSREGELS joined with the
    // employer's wage components); lcRecords are the employer's system wage
    // components, from which the AWf lines take their description and number.
    void LaadRegels(db::Query& lcRecords, db::Query& regelRecords);
    // Writes every line back with INSERT, UPDATE or DELETE by its effective
    // status; a database error propagates at once.
    bool SlaRegelsOp(db::Connection& connection, TDateTime ingangsdatum, TDateTime hersteldatum);
    // Adds the totals and lines of another set into this one.
    void VoegKolommenToe(const TKolommen& bron);
    // Makes this set what emptying it and adding bron gives, reusing the lines
    // it holds where they are of the same type, so that a set copied again
    // and again from the same source allocates nothing.
    void NeemOver(const TKolommen& bron);
    // Removes the lines of every column; the totals stay.
    void MaakLeeg();

private:
    // Every premium asks the gross wage, several times in every pass.
    mutable TCentenAfronding brutoloonAfronding_;
};

} // namespace vkt
