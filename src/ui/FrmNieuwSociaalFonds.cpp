#include "ui/FrmNieuwSociaalFonds.h"

#include "store/SocialeFondsen.h"
#include "ui/FondsWaarden.h"
#include "widgets/SocialeFondsKolomRegelControl.h"
#include "widgets/Toegankelijkheid.h"
#include "widgets/VensterMeldingen.h"
#include "widgets/Vensterdelen.h"
#include "widgets/ZNOEdit.h"

#include <QLabel>
#include <QPushButton>

namespace vkt::ui {
namespace {

constexpr int kRijX = 6;

// The titles over the row's inputs, centred over them (x is the centre in
// the row); "Boeken als" stands at the left of its wide list.
struct TKolomtitel {
    const char* tekst;
    int x;
};
constexpr TKolomtitel kKolomtitels[] = {{"Grondslag", 100},    {"B/P", 433},   {"Jaargrens", 485},
                                        {"Jaarfranchise", 554}, {"Perc.", 612}, {"Bedrag", 670}};

} // namespace

TfrmNieuwSociaalFondsVKT::TfrmNieuwSociaalFondsVKT(TdmVektaris& dm, TMeldingen& meldingen, QWidget* ouder)
    : QDialog(ouder), dm_(dm), meldingen_(meldingen)
{
    setObjectName("frmNieuwSociaalFondsVKT");
    setWindowTitle("Nieuw sociaal fonds");
    setFixedSize(726, 188);

    QLabel* lblOmschrijving = widgets::MaakLabel(this, "lblOmschrijving", "Omschrijving", QPoint(12, 15));
    QFont vet = lblOmschrijving->font();
    vet.setBold(true); // required
    lblOmschrijving->setFont(vet);
    lblOmschrijving->adjustSize();
    edOmschrijving_ = new widgets::TZNOEdit(this);
    edOmschrijving_->setObjectName("edOmschrijving");
    edOmschrijving_->setGeometry(98, 12, 300, 21);
    edOmschrijving_->setMaxLength(64);
    edOmschrijving_->setToolTip("vermeld de naam van het sociaal fonds");
    widgets::ZetToegankelijkeNaam(*edOmschrijving_, "Omschrijving");
    lblOmschrijving->setBuddy(edOmschrijving_);

    for (const TKolomtitel& titel : kKolomtitels) {
        QLabel* label = widgets::MaakLabel(this, "lblKolomtitel", titel.tekst, QPoint(0, 46));
        label->move(kRijX + titel.x - label->width() / 2, 46);
    }
    widgets::MaakLabel(this, "lblKolomtitel", "Boeken als", QPoint(kRijX + 136, 46));
    edSociaalFonds_ = new widgets::TVKTSocialeFondsKolomRegelControl(this);
    edSociaalFonds_->setObjectName("edSociaalFonds");
    edSociaalFonds_->move(kRijX, 62);
    edSociaalFonds_->SetCaption("");
    edSociaalFonds_->SetAfwijkendeGrondslagWerknemer(false);
    edSociaalFonds_->SetAfwijkendeGrondslagWerkgever(false);

    QPushButton* btnOpslaan = widgets::MaakKnop(this, "btnOpslaan", "&Opslaan", QRect(561, 152, 75, 25));
    QPushButton* btnAnnuleren = widgets::MaakKnop(this, "btnAnnuleren", "&Annuleren", QRect(644, 152, 75, 25));
    connect(btnOpslaan, &QPushButton::clicked, this, [this] { Opslaan(); });
    connect(btnAnnuleren, &QPushButton::clicked, this, &QDialog::reject);
}

void TfrmNieuwSociaalFondsVKT::Opslaan()
{
    widgets::VoerUitMetFoutmelding(meldingen_, [this] {
        TNieuwSociaalFonds fonds(dm_);
        fonds.Omschrijving = edOmschrijving_->text().toStdString();
        fonds.Waarden = LeesFondsWaarden(*edSociaalFonds_);
        fonds.Waarden.Omschrijving = fonds.Omschrijving;
        if (!fonds.Opslaan(meldingen_)) {
            edOmschrijving_->setFocus();
            return;
        }
        fondsnummer_ = fonds.Fondsnummer;
        accept();
    });
}

} // namespace vkt::ui
