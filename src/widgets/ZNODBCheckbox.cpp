#include "widgets/ZNODBCheckbox.h"

#include <QLabel>

namespace vkt::widgets {

TZNODBCheckbox::TZNODBCheckbox(db::TZNODBCheckbox& veld, QWidget* parent)
    : TGebondenVeld(veld, "ComponentCheckbox", parent)
{
    resize(137, 17);
    setFixedHeight(17);
    Label()->move(4, 1);
    connect(invoer_, &QCheckBox::toggled, this, [this](bool aan) { Bewerk([&] { veld_.SetChecked(aan); }); });
    ToonVeld();
}

} // namespace vkt::widgets
