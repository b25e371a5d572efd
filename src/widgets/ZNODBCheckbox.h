#pragma once

#include "widgets/ZNODBComponent.h"
#include <QCheckBox>

namespace vkt::widgets {

// A check box, 137 x 17, its label a little higher than in the other fields.
class TZNODBCheckbox : public TGebondenVeld<db::TZNODBCheckbox, QCheckBox> {
    Q_OBJECT

public:
    TZNODBCheckbox(db::TZNODBCheckbox& veld, QWidget* parent = nullptr);

protected:
    void ToonVeld() override { invoer_->setChecked(veld_.Checked()); }
};

} // namespace vkt::widgets
