#include "ui/FrmAfwijkendeGrondslagSF.h"

#include "ui/Formuleveld.h"
#include "widgets/SocialeFondsKolomRegelControl.h"
#include "widgets/ZNOMessageForm.h"

#include <QCheckBox>

namespace vkt::ui {

TfrmAfwijkendeGrondslagSF::TfrmAfwijkendeGrondslagSF(widgets::TVKTSocialeFondsKolomRegelControl& fonds, QWidget* ouder)
    : TAfwijkendeGrondslagVenster(true, ouder), fonds_(fonds)
{
    setObjectName("frmAfwijkendeGrondslagSF");
    setWindowTitle("Afwijkende berekeningsgrondslag sociaal fonds - " + fonds.Caption());
    Opbouwen({{"WNDeel", "Werknemersdeel"}, {"WGDeel", "Werkgeversdeel"}});
    Rijen()[0].Veld->setText(fonds.AfwijkendeGrondslagWN());
    Rijen()[0].Actief->setChecked(fonds.AfwijkendeGrondslagWerknemer());
    Rijen()[1].Veld->setText(fonds.AfwijkendeGrondslagWG());
    Rijen()[1].Actief->setChecked(fonds.AfwijkendeGrondslagWerkgever());
}

bool TfrmAfwijkendeGrondslagSF::Bewerk(widgets::TVKTSocialeFondsKolomRegelControl& fonds, QWidget* ouder)
{
    TfrmAfwijkendeGrondslagSF dialoog(fonds, ouder);
    if (dialoog.exec() != QDialog::Accepted)
        return false;
    const auto& rijen = dialoog.Rijen();
    fonds.SetAfwijkendeGrondslagWerknemer(rijen[0].Actief->isChecked());
    fonds.SetAfwijkendeGrondslagWerkgever(rijen[1].Actief->isChecked());
    fonds.SetAfwijkendeGrondslagWN(rijen[0].Veld->text());
    fonds.SetAfwijkendeGrondslagWG(rijen[1].Veld->text());
    return true;
}

void TfrmAfwijkendeGrondslagSF::Opslaan()
{
    if (ControleerFormules())
        accept();
    else
        widgets::ZNOMessageBox(OngeldigeFormules, "Fout!", widgets::msOk);
}

} // namespace vkt::ui
