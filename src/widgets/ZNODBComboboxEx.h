#pragma once

#include "widgets/ZNODBComponent.h"

#include <QComboBox>

namespace vkt::widgets {

// A pick-only drop-down list that shows the display texts of its field's
// key list and stores their keys.
class TZNODBComboboxEx : public TGebondenVeld<db::TZNODBComboboxEx, QComboBox> {
    Q_OBJECT

public:
    TZNODBComboboxEx(db::TZNODBComboboxEx& veld, QWidget* parent = nullptr);

    const db::TKeyList& KeyList() const { return veld_.KeyList(); }
    // The list's items become the display texts, in the order of the key list.
    void SetKeyList(db::TKeyList keyList);

protected:
    void ToonVeld() override;
    void showEvent(QShowEvent* event) override;

private:
    void VulLijst();
};

} // namespace vkt::widgets
