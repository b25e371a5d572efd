#include "ui/FondsRegelsScherm.h"

#include "common/Meldingen.h"
#include "store/SocialeFondsen.h"
#include "ui/FondsWaarden.h"
#include "ui/FrmAfwijkendeGrondslagSF.h"
#include "ui/FrmNieuwSociaalFonds.h"
#include "ui/FrmSocialeFondsen.h"
#include "ui/Wachtcursor.h"
#include "widgets/SocialeFondsKolomRegelControl.h"
#include "widgets/VensterMeldingen.h"

#include <QApplication>
#include <QScrollArea>

namespace vkt::ui {
namespace {

using widgets::TVKTSocialeFondsKolomRegelControl;

constexpr int kTussenruimte = 5;

} // namespace

TFondsRegelsScherm::TFondsRegelsScherm(TdmVektaris& dm, TSocialeFondsen& fondsen, QScrollArea& scrollbox,
                                       TMeldingen& meldingen, QWidget* venster)
    : dm_(dm), fondsen_(fondsen), scrollbox_(scrollbox), meldingen_(meldingen), venster_(venster), inhoud_(new QWidget)
{
    inhoud_->setObjectName("sbSocialeFondsenInhoud");
    scrollbox_.setWidget(inhoud_);
}

TFondsRegelsScherm::~TFondsRegelsScherm() = default;

void TFondsRegelsScherm::MaakFondsRegel(int f, int k)
{
    fondsen_.MaakFondsRegel(f, k);
    MaakRijenBij();
}

void TFondsRegelsScherm::LaadSocialeFondsen(int n)
{
    {
        const TWachtcursor wacht;
        fondsen_.LaadSocialeFondsen(n);
    }
    ToonGeladenFondsen();
}

void TFondsRegelsScherm::ToonGeladenFondsen()
{
    VerwijderRijen();
    MaakRijenBij();
    PlaatsFondsRegels();
}

void TFondsRegelsScherm::MaakRijenBij()
{
    if (!fondsen_.FondsRegels)
        return;
    for (const auto& [nummer, regel] : *fondsen_.FondsRegels) {
        TVKTSocialeFondsKolomRegelControl* rij = Rij(regel.Fondsnummer);
        if (rij == nullptr) {
            rij = MaakRij();
            ToonFondsWaarden(*rij, regel);
            rij->setObjectName("SFControl" + QString::number(regel.Fondsnummer));
        }
        rij->SetGetoond(regel.Getoond);
    }
}

TVKTSocialeFondsKolomRegelControl* TFondsRegelsScherm::MaakRij()
{
    auto* rij = new TVKTSocialeFondsKolomRegelControl(inhoud_);
    rijen_.push_back(rij);
    connect(rij, &TVKTSocialeFondsKolomRegelControl::AfwijkendeGrondslagClick, this, [this, rij] {
        if (TfrmAfwijkendeGrondslagSF::Bewerk(*rij, venster_))
            emit Gewijzigd();
    });
    connect(rij, &TVKTSocialeFondsKolomRegelControl::Exit, this, &TFondsRegelsScherm::Gewijzigd);
    connect(rij, &TVKTSocialeFondsKolomRegelControl::InvalidKolomNr, this, [this](QWidget* veld) {
        meldingen_.ToonMelding("U mag in dit veld alleen kolomnummer 0, 3, 4, 5, 7 of 18 invullen");
        veld->setFocus();
    });
    connect(rij, &TVKTSocialeFondsKolomRegelControl::InvalidGrondslagnr, this, [this](QWidget* veld) {
        meldingen_.ToonMelding("U mag in dit veld alleen kolomnummer 0, 3, 4, 5, 7, 8, 14, 15, 16, 17 of 18 invullen");
        veld->setFocus();
    });
    return rij;
}

void TFondsRegelsScherm::PlaatsFondsRegels()
{
    inhoud_->setUpdatesEnabled(false);
    int top = 0;
    int breedte = 0;
    for (TVKTSocialeFondsKolomRegelControl* rij : rijen_) {
        rij->setVisible(rij->Getoond());
        if (!rij->Getoond())
            continue;
        rij->move(0, top);
        top += rij->height() + kTussenruimte;
        breedte = std::max(breedte, rij->width());
    }
    inhoud_->resize(breedte, std::max(0, top - kTussenruimte));
    inhoud_->setUpdatesEnabled(true);
}

void TFondsRegelsScherm::VerwijderFondsRegels()
{
    VerwijderRijen();
    fondsen_.VerwijderFondsRegels();
}

void TFondsRegelsScherm::VerwijderRijen()
{
    for (TVKTSocialeFondsKolomRegelControl* rij : rijen_) {
        rij->disconnect(this);
        delete rij;
    }
    rijen_.clear();
    inhoud_->resize(0, 0);
}

void TFondsRegelsScherm::NeemWaardenOver()
{
    for (TVKTSocialeFondsKolomRegelControl* rij : rijen_)
        if (TFondsRegel* regel = fondsen_.ZoekFondsRegel(rij->Fondsnummer()))
            *regel = LeesFondsWaarden(*rij);
}

bool TFondsRegelsScherm::KiesSocialeFondsen()
{
    NeemWaardenOver();
    TfrmSocialeFondsen venster(venster_);
    venster.Load(fondsen_.LaadCatalogus());
    if (venster.exec() != QDialog::Accepted)
        return false;
    fondsen_.VerwerkKeuze(venster.Keuze());
    MaakRijenBij();
    PlaatsFondsRegels();
    return true;
}

bool TFondsRegelsScherm::NieuwSociaalFonds()
{
    fondsen_.Regels();
    TfrmNieuwSociaalFondsVKT venster(dm_, meldingen_, venster_);
    if (venster.exec() != QDialog::Accepted)
        return false;
    MaakFondsRegel(venster.Fondsnummer(), -1);
    PlaatsFondsRegels();
    return true;
}

TVKTSocialeFondsKolomRegelControl* TFondsRegelsScherm::Rij(int fondsnummer) const
{
    for (TVKTSocialeFondsKolomRegelControl* rij : rijen_)
        if (rij->Fondsnummer() == fondsnummer)
            return rij;
    return nullptr;
}

} // namespace vkt::ui
