#include "widgets/ZNODBNumericEdit.h"

namespace vkt::widgets {

TZNODBNumericEdit::TZNODBNumericEdit(db::TComponentLijst* venster, const std::string& naam, QWidget* parent)
    : TGebondenVeld(venster, naam, "ComponentEdit", parent)
{
    veld_.Toon = [this] {
        if (const auto getal = veld_.Number())
            invoer_->SetValue(*getal);
        else
            invoer_->Clear();
    };
    connect(invoer_, &QLineEdit::textChanged, this, [this] {
        try {
            veld_.SetNumber(invoer_->IsEmpty() ? std::nullopt : std::optional<double>(invoer_->Value()));
        } catch (const ENumericError&) {
            // Not a number while being edited: the field keeps the last one.
        }
    });
}

} // namespace vkt::widgets
