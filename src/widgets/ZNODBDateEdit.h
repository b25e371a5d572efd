#pragma once

#include "widgets/ZNODBComponent.h"
#include "widgets/Datumveld.h"

namespace vkt::widgets {

// A date field; the panel is 185 wide.
class TZNODBDateEdit : public TGebondenVeld<db::TZNODBDateEdit, TZNODateEdit> {
    Q_OBJECT

public:
    TZNODBDateEdit(db::TZNODBDateEdit& veld, QWidget* parent = nullptr);

protected:
    void ToonVeld() override;
};

} // namespace vkt::widgets
