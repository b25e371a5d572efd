#include "widgets/ZNODBCheckbox.h"

#include <QLabel>

namespace vkt::widgets {

TZNODBCheckbox::TZNODBCheckbox(db::TComponentLijst* venster, const std::string& naam, QWidget* parent)
    : TGebondenVeld(venster, naam, "ComponentCheckbox", parent)
{
    resize(137, 17);
    setFixedHeight(17);
    Label()->move(4, 1);
    veld_.Toon = [this] {
        invoer_->setChecked(veld_.Checked());
    };
    connect(invoer_, &QCheckBox::toggled, this, [this](bool aan) { veld_.SetChecked(aan); });
}

} // namespace vkt::widgets
