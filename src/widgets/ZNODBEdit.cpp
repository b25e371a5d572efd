#include "widgets/ZNODBEdit.h"

namespace vkt::widgets {

TZNODBEdit::TZNODBEdit(db::TComponentLijst* venster, const std::string& naam, QWidget* parent)
    : TGebondenVeld(venster, naam, "ComponentEdit", parent)
{
    veld_.Toon = [this] {
        invoer_->setText(QString::fromStdString(veld_.Text()));
    };
    connect(invoer_, &QLineEdit::textChanged, this, [this](const QString& tekst) { veld_.SetText(tekst.toStdString()); });
}

void TZNODBEdit::SetMaxLength(int maxLength)
{
    TZNODBComponent::SetMaxLength(maxLength);
    invoer_->setMaxLength(maxLength > 0 ? maxLength : 32767);
}

} // namespace vkt::widgets
