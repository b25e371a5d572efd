#pragma once

#include <QGroupBox>
#include <QString>

class QComboBox;
class QLabel;
class QPushButton;

namespace vkt::widgets {

class TZNONumericEdit;

// One social fund on screen: a group box captioned with the fund's
// description, an employee row and an employer row, and between them the
// shared amount/percentage choice and the button for a deviating basis. Each
// row books its part as one of the "Boeken als" columns. The control keeps
// its own copy of the fund's stored values; leaving it takes them from the
// screen.
class TVKTSocialeFondsKolomRegelControl : public QGroupBox {
    Q_OBJECT

public:
    // A "Boeken als" list with nothing chosen.
    static constexpr long double GeenKeuze = -1.1111111L;

    explicit TVKTSocialeFondsKolomRegelControl(QWidget* parent = nullptr);

    QString Caption() const { return title(); }
    void SetCaption(const QString& caption) { setTitle(caption); }

    // 0 amount ("B"), 1 percentage ("P"); any other value is ignored.
    int BPDType() const { return bpdType_; }
    void SetBPDType(int type);
    long double GrondslagnummerWN() const { return wn_.grondslag; }
    void SetGrondslagnummerWN(long double kolom) { ZetGetal(wn_.grondslag, wn_.edGrondslag, kolom); }
    long double GrondslagnummerWG() const { return wg_.grondslag; }
    void SetGrondslagnummerWG(long double kolom) { ZetGetal(wg_.grondslag, wg_.edGrondslag, kolom); }
    long double WNBoekenInKolom() const { return wn_.boekenIn; }
    void SetWNBoekenInKolom(long double kolom) { ZetBoekenIn(wn_, kolom); }
    long double WGBoekenInKolom() const { return wg_.boekenIn; }
    void SetWGBoekenInKolom(long double kolom) { ZetBoekenIn(wg_, kolom); }
    long double JaargrensWN() const { return wn_.jaargrens; }
    void SetJaargrensWN(long double bedrag) { ZetGetal(wn_.jaargrens, wn_.edJaarGrens, bedrag); }
    long double JaargrensWG() const { return wg_.jaargrens; }
    void SetJaargrensWG(long double bedrag) { ZetGetal(wg_.jaargrens, wg_.edJaarGrens, bedrag); }
    long double FranchiseWN() const { return wn_.franchise; }
    void SetFranchiseWN(long double bedrag) { ZetGetal(wn_.franchise, wn_.edJaarFranchise, bedrag); }
    long double FranchiseWG() const { return wg_.franchise; }
    void SetFranchiseWG(long double bedrag) { ZetGetal(wg_.franchise, wg_.edJaarFranchise, bedrag); }
    long double PremieWN() const { return wn_.premie; }
    void SetPremieWN(long double percentage) { ZetGetal(wn_.premie, wn_.edPercentage, percentage); }
    long double PremieWG() const { return wg_.premie; }
    void SetPremieWG(long double percentage) { ZetGetal(wg_.premie, wg_.edPercentage, percentage); }
    long double BedragWN() const { return wn_.bedrag; }
    void SetBedragWN(long double bedrag) { ZetGetal(wn_.bedrag, wn_.edBedrag, bedrag); }
    long double BedragWG() const { return wg_.bedrag; }
    void SetBedragWG(long double bedrag) { ZetGetal(wg_.bedrag, wg_.edBedrag, bedrag); }

    // The deviating-basis formulas and the fund's numbers are kept, not shown.
    QString AfwijkendeGrondslagWN() const { return wn_.formule; }
    void SetAfwijkendeGrondslagWN(const QString& formule) { wn_.formule = formule; }
    QString AfwijkendeGrondslagWG() const { return wg_.formule; }
    void SetAfwijkendeGrondslagWG(const QString& formule) { wg_.formule = formule; }
    int Fondsnummer() const { return fondsnummer_; }
    void SetFondsnummer(int nummer) { fondsnummer_ = nummer; }
    int LooncomponentnummerWN() const { return wn_.looncomponent; }
    void SetLooncomponentnummerWN(int nummer) { wn_.looncomponent = nummer; }
    int LooncomponentnummerWG() const { return wg_.looncomponent; }
    void SetLooncomponentnummerWG(int nummer) { wg_.looncomponent = nummer; }
    // Set by the storage of the funds: whether the fund is new (1) or goes (-1),
    // and whether it is on screen.
    int Status() const { return status_; }
    void SetStatus(int status) { status_ = status; }
    bool Getoond() const { return getoond_; }
    void SetGetoond(bool getoond) { getoond_ = getoond; }

    // Whether a row uses a deviating basis: its marker reads "A" instead of "S".
    bool AfwijkendeGrondslagWerknemer() const { return wn_.afwijkend; }
    void SetAfwijkendeGrondslagWerknemer(bool aan);
    bool AfwijkendeGrondslagWerkgever() const { return wg_.afwijkend; }
    void SetAfwijkendeGrondslagWerkgever(bool aan);

    // Whether a row may book in that column: 0, 3, 4, 5, 7 and 18.
    static bool IsGeldigeBoekingskolom(long long kolom);

signals:
    void Enter();
    void Exit();
    void BPChange(QWidget* sender);
    void BoekenAlsChange(QWidget* sender);
    void InvalidKolomNr(QWidget* sender);
    void InvalidGrondslagnr(QWidget* sender);
    void AfwijkendeGrondslagClick(QWidget* sender);

protected:
    // Runs once, when the control is first shown.
    virtual void Initialize();
    virtual void BPChanged();
    virtual void BoekenAlsChanged();
    virtual void AfwijkendeGrondslagClicked();

    void showEvent(QShowEvent* event) override;

private:
    struct Rij {
        QLabel* lblCaption = nullptr;
        QLabel* lblAfwijkend = nullptr;
        TZNONumericEdit* edGrondslag = nullptr;
        QComboBox* cmbBoekenAls = nullptr;
        TZNONumericEdit* edBoeken = nullptr;
        TZNONumericEdit* edJaarGrens = nullptr;
        TZNONumericEdit* edJaarFranchise = nullptr;
        TZNONumericEdit* edPercentage = nullptr;
        TZNONumericEdit* edBedrag = nullptr;

        long double grondslag = 0;
        long double boekenIn = 0;
        long double jaargrens = 0;
        long double franchise = 0;
        long double premie = 0;
        long double bedrag = 0;
        QString formule;
        int looncomponent = 0;
        bool afwijkend = false;
        bool werkgever = false;
    };

    void MaakRij(Rij& rij, bool werkgever, int y, int labelY);
    void VulBoekenAls(Rij& rij);
    // Shows a value in its input, then stores it.
    static void ZetGetal(long double& waarde, TZNONumericEdit* veld, long double nieuw);
    void ZetBoekenIn(Rij& rij, long double kolom);
    void ToonRij(Rij& rij);
    void BewaarRij(Rij& rij);
    void Indelen();
    void Verlaten();

    QPushButton* btnAfwijkendeGrondslag_;
    QComboBox* cmbBP_;
    Rij wn_;
    Rij wg_;
    int bpdType_ = 1;
    int fondsnummer_ = 0;
    int status_ = 0;
    bool getoond_ = false;
    bool geinitialiseerd_ = false;
};

} // namespace vkt::widgets
