#include "widgets/ZNODBDateEdit.h"

namespace vkt::widgets {

TZNODBDateEdit::TZNODBDateEdit(db::TComponentLijst* venster, const std::string& naam, QWidget* parent)
    : TGebondenVeld(venster, naam, "ComponentEdit", parent)
{
    resize(185, height());
    veld_.Toon = [this] {
        if (const auto datum = veld_.Date())
            invoer_->SetDate(*datum);
        else
            invoer_->Clear();
    };
    // While typing, the date the text gives on leaving (0 when it gives none).
    connect(invoer_, &QLineEdit::textChanged, this, [this] { veld_.SetDate(invoer_->QuietDate()); });
}

} // namespace vkt::widgets
