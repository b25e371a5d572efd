#include "widgets/ZNODBDateEdit.h"

namespace vkt::widgets {

TZNODBDateEdit::TZNODBDateEdit(db::TZNODBDateEdit& veld, QWidget* parent)
    : TGebondenVeld(veld, "ComponentEdit", parent)
{
    resize(185, height());
    // While typing, the date the text gives on leaving (0 when it gives none).
    connect(invoer_, &QLineEdit::textChanged, this,
            [this] { Bewerk([this] { veld_.SetDate(invoer_->QuietDate()); }); });
    // A field that the program checks on leaving is told about in the
    // check's own words; the input's message would come first, a second one.
    connect(this, &TZNODBComponent::Enter, this, [this] {
        if (veld_.OnValidate && veld_.ValidateOnExit())
            invoer_->SetDisplayErrors(false);
    });
    ToonVeld();
}

void TZNODBDateEdit::ToonVeld()
{
    if (const auto datum = veld_.Date())
        invoer_->SetDate(*datum);
    else
        invoer_->Clear();
}

} // namespace vkt::widgets
