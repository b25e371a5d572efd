#include "ui/FrmAfwijkendeGrondslagWN.h"

#include "common/Meldingen.h"
#include "model/Heffingsgegevens.h"
#include "store/DmVektaris.h"
#include "ui/Formuleveld.h"
#include "ui/Wachtcursor.h"
#include "widgets/VensterMeldingen.h"

#include <QApplication>
#include <QCheckBox>

namespace vkt::ui {

TfrmAfwijkendeGrondslagWN::TfrmAfwijkendeGrondslagWN(TdmVektaris& dm, THeffingsgegevens* vast, TMeldingen& meldingen,
                                                     QWidget* ouder)
    : TAfwijkendeGrondslagVenster(false, ouder), vast_(vast), meldingen_(meldingen), grondslag_(dm)
{
    setObjectName("frmAfwijkendeGrondslagWN");
    setWindowTitle("Afwijkende berekeningsgrondslag");
    // In the order of GrondslagKolommen.
    Opbouwen({{"Pensioen", "Pensioenpremie"},
              {"VUT", "FPU/Vroegpensioen"},
              {"Vergoeding", "Belastingvrije vergoeding"},
              {"Inhouding", "Belastingvrije inhouding"},
              {"WW", "WW-premie"},
              {"WAO", "WAO-premie"},
              {"ZfW", "Zvw-premie"},
              {"IPPremie", "IP-premie"},
              {"Whk", "Whk-premie"}});
    {
        const TWachtcursor wacht;
        const TGrondslagFormules formules = grondslag_.Laad();
        for (std::size_t i = 0; i < AantalGrondslagen; ++i) {
            Rijen()[i].Veld->setText(QString::fromStdString(formules[i].Formule));
            Rijen()[i].Actief->setChecked(formules[i].Ingeschakeld);
        }
    }
}

int TfrmAfwijkendeGrondslagWN::Uitvoeren()
{
    const int resultaat = exec();
    if (resultaat == QDialog::Accepted && vast_ != nullptr) {
        grondslag_.GeefAan(*vast_);
        emit FormulesHerladen();
    }
    return resultaat;
}

TGrondslagFormules TfrmAfwijkendeGrondslagWN::Formules() const
{
    TGrondslagFormules formules;
    for (std::size_t i = 0; i < AantalGrondslagen; ++i)
        formules[i] = {Rijen()[i].Veld->text().toStdString(), Rijen()[i].Actief->isChecked()};
    return formules;
}

void TfrmAfwijkendeGrondslagWN::Opslaan()
{
    if (!ControleerFormules()) {
        meldingen_.ToonFoutmelding(OngeldigeFormules);
        return;
    }
    widgets::VoerUitMetFoutmelding(meldingen_, [this] {
        const TGrondslagOpslag modus = grondslag_.Bewaar(Formules());
        meldingen_.ToonMelding(modus == TGrondslagOpslag::Verwijderen ? "De grondslaggegevens zijn verwijderd"
                                                                      : "De grondslaggegevens zijn opgeslagen");
        accept();
    });
}

} // namespace vkt::ui
