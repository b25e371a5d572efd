#include "widgets/ZNODBEdit.h"

namespace vkt::widgets {

TZNODBEdit::TZNODBEdit(db::TZNODBEdit& veld, QWidget* parent) : TGebondenVeld(veld, "ComponentEdit", parent)
{
    connect(invoer_, &QLineEdit::textChanged, this,
            [this](const QString& tekst) { Bewerk([&] { veld_.SetText(tekst.toStdString()); }); });
    SetMaxLength(veld.MaxLength());
    ToonVeld();
}

void TZNODBEdit::SetMaxLength(int maxLength)
{
    TZNODBComponent::SetMaxLength(maxLength);
    invoer_->setMaxLength(maxLength > 0 ? maxLength : 32767);
}

} // namespace vkt::widgets
