#pragma once

#include "widgets/ZNODBComponent.h"
#include "widgets/NumeriekVeld.h"

namespace vkt::widgets {

// A field for an amount, a percentage or a count.
class TZNODBNumericEdit : public TGebondenVeld<db::TZNODBNumericEdit, TZNONumericEdit> {
    Q_OBJECT

public:
    TZNODBNumericEdit(db::TZNODBNumericEdit& veld, QWidget* parent = nullptr);

protected:
    void ToonVeld() override;
};

} // namespace vkt::widgets
