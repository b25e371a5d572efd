#pragma once

#include "widgets/ZNODBComponent.h"
#include "widgets/NumeriekVeld.h"

namespace vkt::widgets {

// A field for an amount, a percentage or a count.
class TZNODBNumericEdit : public TGebondenVeld<db::TZNODBNumericEdit, TZNONumericEdit> {
    Q_OBJECT

public:
    TZNODBNumericEdit(db::TComponentLijst* venster, const std::string& naam, QWidget* parent = nullptr);
};

} // namespace vkt::widgets
