#pragma once

#include "calc/Veldregels.h"

#include <QWidget>

#include <vector>

class QLabel;
class QPlainTextEdit;
class QPushButton;
class QScrollArea;

namespace vkt {
class TGegevensScherm;
struct TSamenvatting;
} // namespace vkt

namespace vkt::widgets {
class TKolomRegelControl;
class TPaneel;
class TZNODBComboboxEx;
class TZNODBNumericEdit;
} // namespace vkt::widgets

namespace vkt::ui {

class TRegelkoppeling;

// The tab "&Berekeningsgegevens": a summary of the employee's settings, the
// AWf premium type, the wage days and the artist's own wage-tax percentage
// on the left; on the right the rows of the lines entered for the employee.
class TtsBerekeningsgegevens : public QWidget {
    Q_OBJECT

public:
    // The fields are those of scherm; the rows are added to koppeling.
    TtsBerekeningsgegevens(TGegevensScherm& scherm, TRegelkoppeling& koppeling, QWidget* ouder = nullptr);

    // Shows these rows, in this order, one below the other from the top;
    // hides the others.
    void DeelRijenIn(const std::vector<TRegelSleutel>& zichtbaar);
    void ToonSamenvatting(const TSamenvatting& samenvatting);
    // Empties the summary, all but the part-time factor and the wage-tax table.
    void WisSamenvatting();

    widgets::TZNODBComboboxEx* cmbAWfPremieType;
    widgets::TPaneel* pnlAfwLoonheffing;
    widgets::TKolomRegelControl* krcWNLBPH;
    QPushButton* btnGrondslagWN;

private:
    void MaakSamenvatting();
    void MaakRijen(TRegelkoppeling& koppeling);
    QLabel* MaakWaarde(QWidget* groep, const QString& bijschrift, int y);

    QPlainTextEdit* memSoortBerekening_;
    QLabel* lblSoortLoonbedrag_;
    QLabel* lblLoontijdvak_;
    QLabel* lblTabelkleur_;
    QLabel* lblLoonbelastingtabel_;
    QLabel* lblLeeftijd_;
    QLabel* lblLoonbedrag_;
    QLabel* lblDeeltijdfactor_;
    QLabel* lblVerzekerdVoor_;
    QScrollArea* sbRegels_;
    std::vector<std::pair<TRegelSleutel, widgets::TKolomRegelControl*>> rijen_;
};

} // namespace vkt::ui
