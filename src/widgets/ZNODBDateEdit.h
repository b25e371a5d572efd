#pragma once

#include "widgets/ZNODBComponent.h"
#include "widgets/Datumveld.h"

namespace vkt::widgets {

// A date field; the panel is 185 wide.
class TZNODBDateEdit : public TGebondenVeld<db::TZNODBDateEdit, TZNODateEdit> {
    Q_OBJECT

public:
    TZNODBDateEdit(db::TComponentLijst* venster, const std::string& naam, QWidget* parent = nullptr);
};

} // namespace vkt::widgets
