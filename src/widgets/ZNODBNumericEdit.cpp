#include "widgets/ZNODBNumericEdit.h"

namespace vkt::widgets {

TZNODBNumericEdit::TZNODBNumericEdit(db::TZNODBNumericEdit& veld, QWidget* parent)
    : TGebondenVeld(veld, "ComponentEdit", parent)
{
    connect(invoer_, &QLineEdit::textChanged, this, [this] {
        try {
            const std::optional<double> getal =
                invoer_->IsEmpty() ? std::nullopt : std::optional<double>(invoer_->Value());
            Bewerk([&] { veld_.SetNumber(getal); });
        } catch (const ENumericError&) {
            // Not a number while being edited: the field keeps the last one.
        }
    });
    ToonVeld();
}

void TZNODBNumericEdit::ToonVeld()
{
    if (const auto getal = veld_.Number())
        invoer_->SetValue(*getal);
    else
        invoer_->Clear();
}

} // namespace vkt::widgets
