#pragma once

#include "widgets/ZNODBComponent.h"
#include "widgets/ZNOEdit.h"

namespace vkt::widgets {

// A text field.
class TZNODBEdit : public TGebondenVeld<db::TZNODBEdit, TZNOEdit> {
    Q_OBJECT

public:
    TZNODBEdit(db::TZNODBEdit& veld, QWidget* parent = nullptr);

    // Also limits what can be typed.
    void SetMaxLength(int maxLength) override;

protected:
    void ToonVeld() override { invoer_->setText(QString::fromStdString(veld_.Text())); }
};

} // namespace vkt::widgets
