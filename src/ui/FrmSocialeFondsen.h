#pragma once

#include "store/SocialeFondsen.h"

#include <QDialog>

#include <vector>

class QLabel;
class QListWidget;

namespace vkt::ui {

// "Sociale fondsen": the catalogue of funds as a check list, each fund
// checked when it is attached to the open calculation. "&OK" accepts the
// checks; "&Annuleren" and Escape leave everything as it was. An empty
// catalogue tells how to make a fund.
class TfrmSocialeFondsen : public QDialog {
    Q_OBJECT

public:
    explicit TfrmSocialeFondsen(QWidget* ouder = nullptr);

    // Lists the catalogue, in its order.
    void Load(const std::vector<TCatalogusFonds>& catalogus);
    // The catalogue with the checks as the user left them.
    std::vector<TCatalogusFonds> Keuze() const;

private:
    QListWidget* lbSociaalFonds_;
    QLabel* lblGeenFondsen_;
    std::vector<TCatalogusFonds> catalogus_;
};

} // namespace vkt::ui
