#include "ui/FondsWaarden.h"

#include "widgets/SocialeFondsKolomRegelControl.h"

#include <cmath>

namespace vkt::ui {
namespace {

// The row's column inputs hold whole numbers.
int Kolom(long double waarde) { return static_cast<int>(std::lround(static_cast<double>(waarde))); }

} // namespace

void ToonFondsWaarden(widgets::TVKTSocialeFondsKolomRegelControl& rij, const TSociaalFondsWaarden& w)
{
    rij.SetFondsnummer(w.Fondsnummer);
    rij.SetCaption(QString::fromStdString(w.Omschrijving));
    rij.SetBPDType(w.BPDType);
    rij.SetPremieWG(w.PremieWG);
    rij.SetPremieWN(w.PremieWN);
    rij.SetFranchiseWG(w.FranchiseWG);
    rij.SetFranchiseWN(w.FranchiseWN);
    rij.SetBedragWG(w.BedragWG);
    rij.SetBedragWN(w.BedragWN);
    rij.SetJaargrensWG(w.JaargrensWG);
    rij.SetJaargrensWN(w.JaargrensWN);
    rij.SetWGBoekenInKolom(w.WGBoekenInKolom);
    rij.SetWNBoekenInKolom(w.WNBoekenInKolom);
    rij.SetGrondslagnummerWG(w.GrondslagnummerWG);
    rij.SetGrondslagnummerWN(w.GrondslagnummerWN);
    rij.SetLooncomponentnummerWG(w.LooncomponentnummerWG);
    rij.SetLooncomponentnummerWN(w.LooncomponentnummerWN);
    rij.SetAfwijkendeGrondslagWG(QString::fromStdString(w.AfwijkendeGrondslagWG));
    rij.SetAfwijkendeGrondslagWN(QString::fromStdString(w.AfwijkendeGrondslagWN));
    rij.SetAfwijkendeGrondslagWerkgever(w.AfwijkendeGrondslagWerkgever);
    rij.SetAfwijkendeGrondslagWerknemer(w.AfwijkendeGrondslagWerknemer);
    rij.SetGetoond(w.Getoond);
}

TSociaalFondsWaarden LeesFondsWaarden(const widgets::TVKTSocialeFondsKolomRegelControl& rij)
{
    TSociaalFondsWaarden w;
    w.Fondsnummer = rij.Fondsnummer();
    w.Omschrijving = rij.Caption().toStdString();
    w.BPDType = rij.BPDType();
    w.PremieWG = static_cast<double>(rij.PremieWG());
    w.PremieWN = static_cast<double>(rij.PremieWN());
    w.FranchiseWG = static_cast<double>(rij.FranchiseWG());
    w.FranchiseWN = static_cast<double>(rij.FranchiseWN());
    w.BedragWG = static_cast<double>(rij.BedragWG());
    w.BedragWN = static_cast<double>(rij.BedragWN());
    w.JaargrensWG = static_cast<double>(rij.JaargrensWG());
    w.JaargrensWN = static_cast<double>(rij.JaargrensWN());
    w.WGBoekenInKolom = Kolom(rij.WGBoekenInKolom());
    w.WNBoekenInKolom = Kolom(rij.WNBoekenInKolom());
    w.GrondslagnummerWG = Kolom(rij.GrondslagnummerWG());
    w.GrondslagnummerWN = Kolom(rij.GrondslagnummerWN());
    w.LooncomponentnummerWG = rij.LooncomponentnummerWG();
    w.LooncomponentnummerWN = rij.LooncomponentnummerWN();
    w.AfwijkendeGrondslagWG = rij.AfwijkendeGrondslagWG().toStdString();
    w.AfwijkendeGrondslagWN = rij.AfwijkendeGrondslagWN().toStdString();
    w.AfwijkendeGrondslagWerkgever = rij.AfwijkendeGrondslagWerkgever();
    w.AfwijkendeGrondslagWerknemer = rij.AfwijkendeGrondslagWerknemer();
    w.Getoond = rij.Getoond();
    return w;
}

} // namespace vkt::ui
