#include "galerij/Galerij.h"

#include "db/Component.h"
#include "db/DBComponent.h"
#include "db/KeyList.h"
#include "model/Basis.h"
#include "widgets/Afbeeldingen.h"
#include "widgets/Datumveld.h"
#include "widgets/FrmAbout.h"
#include "widgets/FrmSplash.h"
#include "widgets/FrmStatus.h"
#include "widgets/KolomRegelControl.h"
#include "widgets/NumeriekVeld.h"
#include "widgets/Paneel.h"
#include "widgets/SocialeFondsKolomRegelControl.h"
#include "widgets/Toegankelijkheid.h"
#include "widgets/ZNODBCheckbox.h"
#include "widgets/ZNODBComboboxEx.h"
#include "widgets/ZNODBDateEdit.h"
#include "widgets/ZNODBEdit.h"
#include "widgets/ZNODBNumericEdit.h"
#include "widgets/ZNOMessageForm.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QToolButton>

namespace vkt::galerij {
namespace {

using namespace vkt::widgets;

// A window of the given size on the skin's panel colour.
std::unique_ptr<QWidget> Venster(int breedte, int hoogte)
{
    auto venster = std::make_unique<QWidget>();
    venster->setFixedSize(breedte, hoogte);
    auto* paneel = new TPaneel(venster.get());
    paneel->setObjectName("pnlGalerij");
    paneel->setGeometry(0, 0, breedte, hoogte);
    return venster;
}

QWidget& Paneel(QWidget& venster) { return *venster.findChild<TPaneel*>("pnlGalerij"); }

QLabel* Bijschrift(QWidget& ouder, const QString& tekst, int x, int y, int breedte = 150)
{
    auto* label = new QLabel(tekst, &ouder);
    label->setGeometry(x, y + 3, breedte, 17);
    return label;
}

std::unique_ptr<QWidget> NumeriekeVelden()
{
    auto venster = Venster(420, 190);
    QWidget& p = Paneel(*venster);
    struct Voorbeeld {
        const char* bijschrift;
        const char* formaat;
        int cijfers;
        int decimalen;
        double waarde;
        bool alleenLezen;
    };
    const Voorbeeld kVelden[] = {
        {"Loonbedrag:", "1.000,00", 12, 2, 3500, false},    {"Groot bedrag:", "1.000,00", 12, 2, 1234567.5, false},
        {"Negatief:", "1.000,00", 12, 2, -250.75, false},   {"Zonder groepen:", "1000,00", 12, 2, 98765.43, false},
        {"Percentage:", "1.000,00", 7, 3, 6.775, false},    {"Kolom:", "1000,00", 3, 0, 14, false},
        {"Alleen lezen:", "1.000,00", 12, 2, 2602.92, true},
    };
    int y = 10;
    for (const Voorbeeld& v : kVelden) {
        Bijschrift(p, v.bijschrift, 12, y);
        auto* veld = new TZNONumericEdit(&p);
        veld->SetNumericFormat(v.formaat);
        veld->SetDecimals(0); // the digits must leave room for the decimals
        veld->SetDigits(v.cijfers);
        veld->SetDecimals(v.decimalen);
        veld->SetValue(v.waarde);
        veld->setReadOnly(v.alleenLezen);
        veld->setGeometry(170, y, 110, 21);
        ZetToegankelijkeNaam(*veld, v.bijschrift);
        y += 25;
    }
    return venster;
}

std::unique_ptr<QWidget> Datumvelden()
{
    auto venster = Venster(320, 120);
    QWidget& p = Paneel(*venster);
    auto maak = [&](const char* bijschrift, int y) {
        Bijschrift(p, bijschrift, 12, y);
        auto* veld = new TZNODateEdit(&p);
        veld->setGeometry(170, y, 80, 21);
        ZetToegankelijkeNaam(*veld, bijschrift);
        return veld;
    };
    maak("Berekeningsdatum:", 10)->SetDate(EncodeDate(2020, 3, 15));
    maak("Geboortedatum:", 35)->SetDate(EncodeDate(1980, 1, 1));
    auto* vastJaar = maak("Vast jaar 2020:", 60);
    vastJaar->SetFixedYear(2020);
    vastJaar->SetDate(EncodeDate(2020, 7, 1));
    maak("Leeg:", 85);
    return venster;
}

// One row of each kind, booked as an amount and as a percentage.
std::unique_ptr<QWidget> Kolomregels()
{
    auto venster = Venster(500, 330);
    QWidget& p = Paneel(*venster);
    struct Rij {
        const char* omschrijving;
        TKolomRegelControlType soort;
        int bpd;
        double bedrag;
        double percentage;
    };
    const Rij kRijen[] = {
        {"Standaard", ltStandaard, 0, 150, 0},
        {"Loon in natura", ltBedrag, 0, 150, 0},
        {"Whk verhaling op werknemer", ltPremieSVW, 1, 17.96, 0.57},
        {"Pensioenpremie (bedrag)", ltPremie, 0, 120, 0},
        {"Pensioenpremie (percentage)", ltPremie, 1, 109.8, 3.33},
        {"Premie met vakantiegeld", ltPremieEx, 1, 42.5, 1.25},
        {"Belastingvrije vergoeding", ltVergoeding, 0, 75, 0},
        {"Belastingvrije inhouding", ltVergoeding, 1, 40.56, 1.23},
        {"Pensioenpremie werkgever", ltPremieWG, 1, 219.6, 6.66},
    };
    int y = 10;
    for (const Rij& r : kRijen) {
        auto* rij = new TKolomRegelControl(&p);
        rij->move(12, y);
        rij->SetTypeLoonComponent(r.soort);
        rij->SetCaptionText(r.omschrijving);
        rij->SetBPDType(r.bpd);
        rij->SetBedrag(r.bedrag);
        rij->SetPercentage(r.percentage);
        rij->SetVI(r.soort == ltVergoeding && r.bpd == 1 ? 1 : 0);
        rij->SetTbvVakantiegeld(r.soort == ltBedrag);
        y += 25;
    }
    auto* vkt = new TKolomRegelControl(&p);
    vkt->move(12, y);
    vkt->SetTypeLoonComponent(ltPremieSVW);
    vkt->SetCaptionText("WAO/WIA premie (afw. grondslag)");
    vkt->SetVoorVKT(true);
    vkt->SetAfwijkendeGrondslag(true);
    vkt->SetPercentage(6.77);
    return venster;
}

std::unique_ptr<QWidget> SocialeFondsen()
{
    auto venster = Venster(740, 180);
    QWidget& p = Paneel(*venster);
    auto maak = [&](const char* naam, int bpd, int y) {
        auto* fonds = new TVKTSocialeFondsKolomRegelControl(&p);
        fonds->move(12, y);
        fonds->SetCaption(naam);
        fonds->SetBPDType(bpd);
        fonds->SetWNBoekenInKolom(7);
        fonds->SetWGBoekenInKolom(0);
        fonds->SetPremieWN(1.2);
        fonds->SetPremieWG(2.4);
        fonds->SetJaargrensWN(52000);
        fonds->SetJaargrensWG(52000);
        fonds->SetFranchiseWN(13000);
        fonds->SetFranchiseWG(13000);
        fonds->SetBedragWN(25);
        fonds->SetBedragWG(50);
    };
    maak("Bedrijfstakpensioenfonds Bouw", 1, 10);
    maak("Opleidings- en ontwikkelingsfonds", 0, 92);
    return venster;
}

// The storage-layer fields the sample panels show; made after the panels'
// parent, they go after the panels.
struct TVoorbeeldvelden : QObject {
    using QObject::QObject;
    db::TZNODBEdit naam{nullptr, "edNaam"};
    db::TZNODBDateEdit datum{nullptr, "deBerekeningDatum"};
    db::TZNODBNumericEdit bedrag{nullptr, "edLoonbedrag"};
    db::TZNODBComboboxEx tijdvak{nullptr, "cmbLoontijdvak"};
    db::TZNODBCheckbox verzekerd{nullptr, "cbWW"};
};

// The five data-aware fields as the windows show them.
std::unique_ptr<QWidget> Gegevensvelden()
{
    auto venster = Venster(260, 150);
    QWidget& p = Paneel(*venster);
    auto* velden = new TVoorbeeldvelden(venster.get());
    auto* naam = new TZNODBEdit(velden->naam, &p);
    naam->SetLabelCaption("Naam:");
    naam->SetRequired(true);
    naam->Invoerveld().setText("J. de Vries");
    naam->move(12, 10);
    auto* datum = new TZNODBDateEdit(velden->datum, &p);
    datum->SetLabelCaption("Datum:");
    datum->Invoerveld().SetDate(EncodeDate(2020, 3, 15));
    datum->move(12, 35);
    auto* bedrag = new TZNODBNumericEdit(velden->bedrag, &p);
    bedrag->SetLabelCaption("Loonbedrag:");
    bedrag->Invoerveld().SetValue(3500);
    bedrag->move(12, 60);
    auto* tijdvak = new TZNODBComboboxEx(velden->tijdvak, &p);
    tijdvak->SetLabelCaption("Loontijdvak:");
    tijdvak->SetKeyList(db::TKeyList({"5=Dag", "4=Week", "3=4 Weken", "2=Maand", "1=Kwartaal"}));
    tijdvak->Invoerveld().setCurrentIndex(3);
    tijdvak->move(12, 85);
    auto* verzekerd = new TZNODBCheckbox(velden->verzekerd, &p);
    verzekerd->SetLabelCaption("Verzekerd WW");
    verzekerd->Invoerveld().setChecked(true);
    verzekerd->move(12, 115);
    return venster;
}

std::unique_ptr<QWidget> Melding(const QString& tekst, const QString& titel, int soort, int breedte = -1,
                                 int hoogte = -1)
{
    auto venster = std::make_unique<TZNOMessageForm>();
    venster->ZetMelding(tekst, titel, soort, 0, false, false, breedte, hoogte);
    return venster;
}

std::unique_ptr<QWidget> Werkbalk()
{
    auto venster = std::make_unique<QWidget>();
    venster->setFixedSize(753, 86);
    auto* balk = new TPaneel(venster.get());
    balk->setObjectName("pnlControlBar");
    balk->setGeometry(0, 0, 753, 86);
    const std::pair<const char*, QString> kKnoppen[] = {
        {"Nieuw", Afbeeldingen::Nieuw},     {"Verwijderen", Afbeeldingen::Verwijderen},
        {"Opslaan", Afbeeldingen::Opslaan}, {"Afdrukken", Afbeeldingen::Afdrukken},
        {"Afsluiten", Afbeeldingen::Afsluiten},
    };
    int links = 4;
    for (const auto& [bijschrift, afbeelding] : kKnoppen) {
        auto* knop = new QToolButton(balk);
        knop->setText(bijschrift);
        ZetToegankelijkeNaam(*knop, bijschrift);
        knop->setIcon(Pictogram(afbeelding));
        knop->setIconSize(QSize(48, 48));
        knop->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        knop->setGeometry(links, 4, 114, 78);
        links += 114;
    }
    auto* logo = new QLabel(balk);
    logo->setGeometry(753 - 143 - 6, 8, 143, 70);
    logo->setPixmap(Afbeelding(Afbeeldingen::Logo, logo->size(), qApp->devicePixelRatio()));
    return venster;
}

} // namespace

std::vector<TVoorbeeld> Voorbeelden()
{
    const QString vraag = "Vkt2020 wordt afgesloten.\r\nWilt u de huidige berekening opslaan?";
    return {
        {"numerieke-velden", "Numerieke velden", NumeriekeVelden},
        {"datumvelden", "Datumvelden", Datumvelden},
        {"kolomregels", "Kolomregels van elke soort", Kolomregels},
        {"sociale-fondsen", "Sociale fondsen", SocialeFondsen},
        {"gegevensvelden", "Gegevensvelden", Gegevensvelden},
        {"melding-0", "Melding (OK)", [] { return Melding("De gegevens zijn opgeslagen.", "Vkt2020", msOk); }},
        {"melding-1", "Melding (OK, Annuleren)",
         [] { return Melding("De berekening wordt opnieuw uitgevoerd.", "Vkt2020", msOkAnnuleren); }},
        {"melding-3", "Vraag (Ja, Nee, Annuleren)", [vraag] { return Melding(vraag, "Vkt2020", msJaNeeAnnuleren); }},
        {"melding-4", "Vraag (Ja, Nee)",
         [] { return Melding("Wilt u de gegevens van deze werknemer verwijderen?", "Vkt2020", msJaNee); }},
        {"melding-124", "Vraag (Nee, Ja)",
         [] { return Melding("Wilt u de wijzigingen ongedaan maken?", "Vkt2020", msNeeJa); }},
        {"melding-125", "Vraag (Ja, Ja op alles, Nee)",
         [] { return Melding("Wilt u dit sociale fonds ook voor de andere werknemers vastleggen?", "Vkt2020",
                             msJaJaOpAllesNee); }},
        {"melding-126", "Melding in een tekstvak",
         [] { return Melding("Formule niet geldig:\r\nregel 1: onbekende naam 'Brutoloon2'\r\nregel 3: ')' "
                             "verwacht\r\n",
                             "Vkt2020", msMemo); }},
        {"foutmelding", "Foutmelding",
         [] { return Melding("Er is een fout opgetreden bij  starten van Vkt2020.\r\nDe fout betrof: "
                             "ConnectDatabase: het bestand VktC2020.db kon niet worden geopend, omdat een ander "
                             "programma het in gebruik heeft of de map niet leesbaar is.\r\n\r\nDe applicatie "
                             "zal worden beëindigd.",
                             "Bericht", msOk); }},
        {"splash", "Startvenster", [] { return std::make_unique<TfrmSplash>(); }},
        {"status", "Statusvenster",
         [] {
             auto status = std::make_unique<TfrmStatus>();
             status->VerhoogVoortgang(50);
             return std::unique_ptr<QWidget>(std::move(status));
         }},
        {"info", "Informatie", [] { return std::make_unique<TfrmAbout>(); }},
        {"werkbalk", "Werkbalk", Werkbalk},
    };
}

} // namespace vkt::galerij
