#pragma once

#include "model/Basis.h"
#include "model/Fiscaal.h"
#include "model/Kolommen.h"

#include <limits>
#include <memory>
#include <string>

namespace vkt {

namespace db {
class Query;
class Record;
} // namespace db

// The levy data of one calculation: who the employee is, the pay period, the
// wage-tax table, the insurances, the employer's premium percentages, the
// deviating-basis formulas and the settings for artists, day tables and
// special rewards. It owns the column set and computes it until the net wage
// is stable; the wage tax itself is computed in Loonheffing.cpp.
class THeffingsgegevens : public TBaseHeffingen {
public:
    THeffingsgegevens();
    ~THeffingsgegevens() override;

    // Operations the column model asks for.
    int Soort() const override;
    double DagTabelFactor(int loontijdvak) const override;
    double TariefPercentage() const override;
    double Arbeidskorting(bool aow, double jaarloon) const override;
    double KortingsDagFactor() const override;
    bool GeenWAOVastPremie() const override;
    void Bereken() override;
    int TabelLoontijdvak() const override;
    double Loonheffing() override;
    double AfwijkendeGrondslag(const TBaseKolomRegel& regel) const override;
    double Aftrek() const override;
    double VastPercentageLoonheffing() const override;
    double SVDagenFonds(const TBaseKolomRegel* regel) const override;
    bool HeeftAfwijkendeGrondslag(const TBaseKolomRegel& regel) const override;
    bool IsVerzekerd(const TBaseKolomRegel& regel) const override;
    double VakantiegeldFactor() const override;
    bool LoonInclusiefVakantiegeld() const override;
    bool VrijeBerekening() const override;
    bool IPzonderDeeltijd() const override;
    double SFDeeltijdDagen() const override;
    bool ZonderSVDagen() const override;

    // Loading and copying. Loading a switched-on formula longer than
    // MaximaleFormuleLengte raises EExpressionError naming its column.
    virtual void ZetStandaardwaarden();
    virtual void LaadHeffingsgegevens(const db::Record& record);
    virtual void Assign(const THeffingsgegevens& bron);
    virtual void TelHeffingsgegevensOp(const db::Record& record);
    virtual void MaakStandaardRegels(db::Query& componenten, const db::Record& werkgever);
    // LaadHeffingsgegevens when the record set holds a record, else ZetStandaardwaarden.
    void LaadOfStandaard(db::Query& records);
    void LaadWerknemer(const db::Record& record);
    void LaadFormules(db::Query& records);

    // Wage-tax helpers.
    double PeriodeLoonVoorTabel() const;
    double Herleid(double bedrag) const;
    double Terugrekenen(double bedrag) const;
    double JaarloonVoorTabel(double periodeloon) const;
    double AlgemeneHeffingskorting(double jaarloon) const;
    double Ouderenkorting(double jaarloon) const;
    static void BegrensKortingen(double& heffing, double& arbeidskorting, double& overigeKortingen);
    double PercentageBijzondereBeloning() const;
    // The state-pension test with both dates moved to the first of their month.
    bool AOW() const;
    bool Geboren1946OfLater() const;
    // The bracket table of the employee's age group.
    TSchijventabel Schijven() const;

    TKolommen& Kolommen() { return *kolommen_; }
    const TKolommen& Kolommen() const { return *kolommen_; }

    void SetVrijeBerekening(bool vrij) { FVrijeBerekening = vrij; }
    void SetVastPercentageLoonheffing(double percentage) { FVastPercentageLoonheffing = percentage; }
    void SetIPzonderDeeltijd(bool zonder) { FIPzonderDeeltijd = zonder; }
    void SetZonderSVDagen(bool zonder) { FZonderSVDagen = zonder; }

    std::string Sofinummer = "TYDELYK01";
    TDateTime Geboortedatum = 0;
    bool CodeLoonheffingskorting = false;
    int Tabelkleur = tkWit;
    int LoonbelastingtabelVoorInwoner = igNederland;
    double Vastloon = 0;
    bool VerzekerdZfw = false;
    double JaarloonVorigJaar = 0;
    bool AfwijkendPercentageLBPH = false;
    double PercentageLBPH = 0;
    std::string FormulePensioen;
    std::string FormuleVUTFPU;
    std::string FormuleBelVrijVergoeding;
    std::string FormuleBelVrijInhouding;
    std::string FormuleWW;
    std::string FormuleWAO;
    std::string FormuleWhk;
    std::string FormuleZfw;
    std::string FormuleIP;
    double PercentageVakantiegeld = 0;
    double PremieZfwWG = 0;
    double PremieZfwWN = 0;
    double PremieWhk = 0;
    double PremieAwfLaag = 0;
    double PremieAwfHoog = 0;
    double ToegepasteArbeidskorting = 0;
    int ArtiestAftrekBPType = 1;
    double ArtiestAftrekBedrag = 0;
    double ArtiestAftrekPercentage = 0;
    TDateTime ArtiestAftrekDatum = 0;
    bool InclusiefVakantie = false;
    bool SFDeeltijd = false;
    // Fields whose name the operation of the same name reads.
    bool FVrijeBerekening = false;
    double FVastPercentageLoonheffing = 0;
    bool FIPzonderDeeltijd = false;
    bool FZonderSVDagen = false;

protected:
    // The wage tax of the table computation, before any day factor.
    double TabelLoonheffing();
    // The formula that belongs to a line's class; nullptr when none does.
    const std::string* FormuleVoor(const TBaseKolomRegel& regel) const;
    void WisFormules();
    void LaadIngeschakeldeFormules(const db::Record& record);

private:
    std::unique_ptr<TKolommen> kolommen_;
    // AOW and Geboren1946OfLater read only the two dates, and a computation
    // asks them in every pass: kept for the dates they were worked out for
    // (none yet: NaN never equals a date).
    mutable TDateTime aowBerekeningsDatum_ = std::numeric_limits<double>::quiet_NaN();
    mutable TDateTime aowGeboortedatum_ = std::numeric_limits<double>::quiet_NaN();
    mutable bool aow_ = false;
    mutable TDateTime geboorteJaarVan_ = std::numeric_limits<double>::quiet_NaN();
    mutable bool geboren1946OfLater_ = false;
    // The table tax of the pass before, while Bereken runs its passes: of
    // everything that tax depends on, only the table wage can change from one
    // pass to the next, and it mostly does not.
    struct TVorigeTabelheffing {
        bool Geldig = false;
        double Periodeloon = 0;
        double Heffing = 0;
        double Arbeidskorting = 0;
    };
    bool passenLopen_ = false;
    TVorigeTabelheffing vorigeTabelheffing_;
};

// The regular calculation.
class TVasteHeffingsgegevens : public THeffingsgegevens {
};

// Calculations with a day table (pay period "Dag", wage days, artists, free
// calculations).
class TEenmaligeHeffingsgegevens : public THeffingsgegevens {
public:
    int Soort() const override;
    double KortingsDagFactor() const override;
    int TabelLoontijdvak() const override;
    double Loonheffing() override;
    void ZetStandaardwaarden() override;
    void LaadHeffingsgegevens(const db::Record& record) override;
    void Assign(const THeffingsgegevens& bron) override;
    void TelHeffingsgegevensOp(const db::Record& record) override;
};

// The calculation of a special reward, taxed with a percentage from the
// special-rewards table.
class TBijzondereHeffingsgegevens : public THeffingsgegevens {
public:
    void SetSVDagen(double dagen) override;
    int Soort() const override;
    double Loonheffing() override;
    double SVDagenFonds(const TBaseKolomRegel* regel) const override;
    void ZetStandaardwaarden() override;
    void LaadHeffingsgegevens(const db::Record& record) override;
    void Assign(const THeffingsgegevens& bron) override;
};

} // namespace vkt
