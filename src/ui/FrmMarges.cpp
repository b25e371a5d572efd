#include "ui/FrmMarges.h"

#include "widgets/NumeriekVeld.h"
#include "widgets/Rijonderdelen.h"
#include "widgets/Toegankelijkheid.h"
#include "widgets/Vensterdelen.h"

#include <QPushButton>

namespace vkt::ui {
namespace {

using widgets::TZNONumericEdit;

// A whole-number field of three digits with its label in front.
TZNONumericEdit* MaakMargeveld(QWidget* ouder, const QString& naam, const QString& label, int y, const QString& hint)
{
    widgets::MaakLabel(ouder, "lbl" + naam.mid(2), QRect(16, y + 3, 70, 15), label);
    auto* veld = widgets::MaakGetalveld(ouder, naam, QRect(90, y, 41, 21), 3, 0, hint);
    widgets::ZetToegankelijkeNaam(*veld, label);
    veld->SetAlignment(Qt::AlignRight);
    // An empty field is a margin of none.
    QObject::connect(veld, &TZNONumericEdit::Exit, veld, [veld] {
        if (veld->IsEmpty())
            veld->SetAsInteger(0);
    });
    return veld;
}

} // namespace

TfrmMarges::TfrmMarges(QWidget* ouder) : QDialog(ouder)
{
    setObjectName("frmMarges");
    setWindowTitle("Marges instellen");
    setFixedSize(241, 105);
    edMargesY_ = MaakMargeveld(this, "edMargesY", "Bovenmarge:", 14, "vermeld (in regels) de bovenmarge van de loonberekening");
    edMargesX_ = MaakMargeveld(this, "edMargesX", "Linkermarge:", 42, "vermeld (in tekens) de linkermarge van de loonberekening");
    QPushButton* btnOpslaan = widgets::MaakKnop(this, "btnOpslaan", "&Ok", QRect(74, 72, 75, 25));
    QPushButton* btnAnnuleren = widgets::MaakKnop(this, "btnAnnuleren", "&Annuleren", QRect(156, 72, 75, 25));
    btnOpslaan->setDefault(true);
    setTabOrder(edMargesY_, edMargesX_);
    setTabOrder(edMargesX_, btnOpslaan);
    setTabOrder(btnOpslaan, btnAnnuleren);
    connect(btnOpslaan, &QPushButton::clicked, this, [this] { Opslaan(); });
    connect(btnAnnuleren, &QPushButton::clicked, this, &QDialog::reject);
    SetMarges({});
}

void TfrmMarges::SetMarges(const TMarges& marges)
{
    marges_ = marges;
    edMargesY_->SetAsInteger(marges.Boven);
    edMargesX_->SetAsInteger(marges.Links);
}

void TfrmMarges::Opslaan()
{
    // An empty field reads as 0; a negative margin prints as none.
    marges_.Boven = edMargesY_->IsEmpty() ? 0 : static_cast<int>(edMargesY_->AsInteger());
    marges_.Links = edMargesX_->IsEmpty() ? 0 : static_cast<int>(edMargesX_->AsInteger());
    accept();
}

} // namespace vkt::ui
