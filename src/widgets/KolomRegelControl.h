#pragma once

#include "widgets/CustomKolomRegelControl.h"

class QCheckBox;
class QComboBox;
class QLabel;

namespace vkt::widgets {

class TZNONumericEdit;

// The kind of line a row edits; it decides which inputs the row shows.
enum TKolomRegelControlType { ltStandaard, ltBedrag, ltPremieSVW, ltPremie, ltPremieEx, ltVergoeding, ltPremieWG };

// The row of one column line: booking type (amount or percentage), allowance
// or deduction, basis column, percentage, franchise, amount and the two
// marks for holiday pay and social funds. The row keeps its own copy of the
// values; leaving the row hands them to its line, if it is attached to one.
class TKolomRegelControl : public TCustomKolomRegelControl {
    Q_OBJECT

public:
    explicit TKolomRegelControl(QWidget* parent = nullptr);

    void GetValues(TKolomRegelValues& values) const override;
    void SetValues(const TKolomRegelValues& values) override;
    void Initialize() override;

    long double Bedrag() const { return bedrag_; }
    void SetBedrag(long double bedrag);
    // 0 amount ("B"), 1 percentage ("P").
    int BPDType() const { return bpdType_; }
    void SetBPDType(int type);
    long double Franchise() const { return franchise_; }
    void SetFranchise(long double franchise);
    int GrondslagKolom() const { return grondslagKolom_; }
    void SetGrondslagKolom(int kolom);
    long double Percentage() const { return percentage_; }
    void SetPercentage(long double percentage);
    // 0 allowance ("V"), 1 deduction ("I").
    int VI() const { return vi_; }
    void SetVI(int vi);
    bool TbvSocialeFondsen() const;
    void SetTbvSocialeFondsen(bool aan);
    bool TbvVakantiegeld() const;
    void SetTbvVakantiegeld(bool aan);

    // Each of these shows or hides inputs, so setting one lays the row out again.
    bool VoorVKT() const { return voorVKT_; }
    void SetVoorVKT(bool aan) { Zet(voorVKT_, aan); }
    bool AfwijkendeGrondslag() const { return afwijkendeGrondslag_; }
    void SetAfwijkendeGrondslag(bool aan) { Zet(afwijkendeGrondslag_, aan); }
    bool InclusiefSociaalFonds() const { return inclusiefSociaalFonds_; }
    void SetInclusiefSociaalFonds(bool aan) { Zet(inclusiefSociaalFonds_, aan); }
    bool InclusiefVakantiegeld() const { return inclusiefVakantiegeld_; }
    void SetInclusiefVakantiegeld(bool aan) { Zet(inclusiefVakantiegeld_, aan); }
    bool InclusiefGrondslag() const { return inclusiefGrondslag_; }
    void SetInclusiefGrondslag(bool aan) { Zet(inclusiefGrondslag_, aan); }
    bool InclusiefFranchise() const { return inclusiefFranchise_; }
    void SetInclusiefFranchise(bool aan) { Zet(inclusiefFranchise_, aan); }
    bool InclusiefBPD() const { return inclusiefBPD_; }
    void SetInclusiefBPD(bool aan) { Zet(inclusiefBPD_, aan); }
    bool InclusiefVI() const { return inclusiefVI_; }
    void SetInclusiefVI(bool aan) { Zet(inclusiefVI_, aan); }
    // Whether the amount stays in view in percentage mode (read-only there).
    bool InclusiefBedrag() const { return inclusiefBedrag_; }
    void SetInclusiefBedrag(bool aan) { Zet(inclusiefBedrag_, aan); }
    TKolomRegelControlType TypeLoonComponent() const { return type_; }
    void SetTypeLoonComponent(TKolomRegelControlType type);

    // Whether a basis column may be entered: 0, 3, 4, 5, 7, 8 and 14 to 19.
    static bool IsGeldigeGrondslag(long long kolom);

signals:
    void BPDChange(QWidget* sender);
    void VIChange(QWidget* sender);
    void VakantieGeldClick(QWidget* sender);
    void SociaalFondsClick(QWidget* sender);
    void InvalidGrondslagnr(QWidget* sender);
    void AfterInitialize(QWidget* sender);

protected:
    void Verlaten() override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* object, QEvent* event) override;

private slots:
    void BPDGekozen(int index);
    void VIGekozen(int index);
    void GrondslagVerlaten();

private:
    void Zet(bool& eigenschap, bool aan);
    // Shows the inputs that fit the kind of line and the booking type.
    void Indelen();
    bool PercentageGekozen() const;

    QComboBox* cmbBPD_;
    QComboBox* cmbVI_;
    TZNONumericEdit* edGrondslag_;
    QLabel* lblGrondslag_;
    TZNONumericEdit* edPercentage_;
    TZNONumericEdit* edFranchise_;
    TZNONumericEdit* edBedrag_;
    QCheckBox* cbVakantiegeld_;
    QCheckBox* cbSociaalFonds_;

    long double bedrag_ = 0;
    int bpdType_ = 1;
    long double franchise_ = 0;
    int grondslagKolom_ = 0;
    long double percentage_ = 0;
    int vi_ = 0;

    bool voorVKT_ = false;
    bool afwijkendeGrondslag_ = false;
    bool inclusiefSociaalFonds_ = true;
    bool inclusiefVakantiegeld_ = true;
    bool inclusiefGrondslag_ = true;
    bool inclusiefFranchise_ = true;
    bool inclusiefBPD_ = true;
    bool inclusiefVI_ = true;
    bool inclusiefBedrag_ = true;
    TKolomRegelControlType type_ = ltStandaard;
};

} // namespace vkt::widgets
