#pragma once

#include "output/Rapportuitvoer.h"

#include <QDialog>

namespace vkt::widgets {
class TZNONumericEdit;
}

namespace vkt::ui {

// "Marges instellen": the top margin in lines and the left margin in
// characters of the printed statement, whole numbers of at most three
// digits. The caller sets Marges before showing it and reads them back after
// "&Ok"; "&Annuleren" leaves them as they were.
class TfrmMarges : public QDialog {
    Q_OBJECT

public:
    explicit TfrmMarges(QWidget* ouder = nullptr);

    TMarges Marges() const { return marges_; }
    void SetMarges(const TMarges& marges);

private:
    void Opslaan();

    widgets::TZNONumericEdit* edMargesY_;
    widgets::TZNONumericEdit* edMargesX_;
    TMarges marges_;
};

} // namespace vkt::ui
