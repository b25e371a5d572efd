#include "ui/TabSocialeFondsen.h"

#include "store/Gegevensscherm.h"
#include "store/SocialeFondsen.h"
#include "ui/Velden.h"
#include "widgets/Paneel.h"
#include "widgets/SocialeFondsKolomRegelControl.h"

#include <QPushButton>
#include <QScrollArea>

namespace vkt::ui {
namespace {

constexpr int kFondsX = 8;
constexpr int kFondsHoogte = 78; // a fund's box and the gap below it
constexpr int kFondsBreedte = 713;

using widgets::TVKTSocialeFondsKolomRegelControl;

void Toon(TVKTSocialeFondsKolomRegelControl& rij, const TSociaalFondsWaarden& f)
{
    rij.SetCaption(QString::fromStdString(f.Omschrijving));
    rij.SetFondsnummer(f.Fondsnummer);
    rij.SetBPDType(f.BPDType);
    rij.SetPremieWN(f.PremieWN);
    rij.SetPremieWG(f.PremieWG);
    rij.SetFranchiseWN(f.FranchiseWN);
    rij.SetFranchiseWG(f.FranchiseWG);
    rij.SetBedragWN(f.BedragWN);
    rij.SetBedragWG(f.BedragWG);
    rij.SetJaargrensWN(f.JaargrensWN);
    rij.SetJaargrensWG(f.JaargrensWG);
    rij.SetWNBoekenInKolom(f.WNBoekenInKolom);
    rij.SetWGBoekenInKolom(f.WGBoekenInKolom);
    rij.SetGrondslagnummerWN(f.GrondslagnummerWN);
    rij.SetGrondslagnummerWG(f.GrondslagnummerWG);
    rij.SetLooncomponentnummerWN(f.LooncomponentnummerWN);
    rij.SetLooncomponentnummerWG(f.LooncomponentnummerWG);
    rij.SetAfwijkendeGrondslagWN(QString::fromStdString(f.AfwijkendeGrondslagWN));
    rij.SetAfwijkendeGrondslagWG(QString::fromStdString(f.AfwijkendeGrondslagWG));
    rij.SetAfwijkendeGrondslagWerknemer(f.AfwijkendeGrondslagWerknemer);
    rij.SetAfwijkendeGrondslagWerkgever(f.AfwijkendeGrondslagWerkgever);
    rij.SetGetoond(f.Getoond);
}

// What the user can change in a row.
void Neem(const TVKTSocialeFondsKolomRegelControl& rij, TSociaalFondsWaarden& f)
{
    f.BPDType = rij.BPDType();
    f.PremieWN = static_cast<double>(rij.PremieWN());
    f.PremieWG = static_cast<double>(rij.PremieWG());
    f.FranchiseWN = static_cast<double>(rij.FranchiseWN());
    f.FranchiseWG = static_cast<double>(rij.FranchiseWG());
    f.BedragWN = static_cast<double>(rij.BedragWN());
    f.BedragWG = static_cast<double>(rij.BedragWG());
    f.JaargrensWN = static_cast<double>(rij.JaargrensWN());
    f.JaargrensWG = static_cast<double>(rij.JaargrensWG());
    f.WNBoekenInKolom = static_cast<int>(rij.WNBoekenInKolom());
    f.WGBoekenInKolom = static_cast<int>(rij.WGBoekenInKolom());
    f.GrondslagnummerWN = static_cast<int>(rij.GrondslagnummerWN());
    f.GrondslagnummerWG = static_cast<int>(rij.GrondslagnummerWG());
}

} // namespace

TtsSocialeFondsen::TtsSocialeFondsen(TGegevensScherm& s, QWidget* ouder) : QWidget(ouder)
{
    setObjectName("tsSocialeFondsen");
    MaakKoptitels(this, {{"Grondslag", {kFondsX + 4 + 72, 6, 56, 15}},
                         {"Boeken als", {kFondsX + 4 + 126, 6, 201, 15}},
                         {"B/P", {kFondsX + 4 + 417, 6, 33, 15}},
                         {"Jaargrens", {kFondsX + 4 + 453, 6, 65, 15}},
                         {"Jaarfranchise", {kFondsX + 4 + 518, 6, 73, 15}},
                         {"Perc.", {kFondsX + 4 + 590, 6, 45, 15}},
                         {"Bedrag", {kFondsX + 4 + 638, 6, 65, 15}}});
    sbSocialeFondsen_ = new QScrollArea(this);
    sbSocialeFondsen_->setObjectName("sbSocialeFondsen");
    sbSocialeFondsen_->setGeometry(4, 24, 737, 376);
    inhoud_ = new QWidget;
    inhoud_->setObjectName("sbSocialeFondsenInhoud");
    sbSocialeFondsen_->setWidget(inhoud_);

    auto* onder = MaakPaneel(this, "pnlSFOnder", {4, 404, 737, 52});
    MaakVinkveld(onder, s.cbSFDeeltijd, "Deeltijdfactor toepassen op jaarfranchise",
                 "aankruisen om aan te geven of deeltijdfactor van toepassing is op jaarfranchise", {4, 6});
    btnNieuwSF = MaakKnop(onder, "btnNieuwSF", "&Nieuw sociaal fonds",
                          "opent venster voor het aanmaken van een nieuw sociaal fonds", {4, 27, 170, 21});
    btnSocialeFondsen = MaakKnop(onder, "btnSocialeFondsen", "Beschikbare &sociale fondsen",
                                 "opent venster voor het selecteren uit de beschikbare sociale fondsen",
                                 {180, 27, 170, 21});
}

void TtsSocialeFondsen::ToonFondsen(TSocialeFondsen& fondsen)
{
    for (auto* rij : inhoud_->findChildren<TVKTSocialeFondsKolomRegelControl*>())
        delete rij;
    int y = 4;
    if (fondsen.FondsRegels)
        for (auto& [nummer, fonds] : *fondsen.FondsRegels) {
            if (!fonds.Getoond)
                continue;
            auto* rij = new TVKTSocialeFondsKolomRegelControl(inhoud_);
            rij->setObjectName(QString::fromStdString("sf" + nummer));
            rij->move(kFondsX, y);
            Toon(*rij, fonds);
            rij->show();
            // Found again when the row is left: the funds may have been reloaded.
            connect(rij, &TVKTSocialeFondsKolomRegelControl::Exit, rij, [rij, &fondsen, f = fonds.Fondsnummer] {
                if (TFondsRegel* waarden = fondsen.ZoekFondsRegel(f))
                    Neem(*rij, *waarden);
            });
            y += kFondsHoogte;
        }
    inhoud_->resize(kFondsX + kFondsBreedte, y);
}

} // namespace vkt::ui
