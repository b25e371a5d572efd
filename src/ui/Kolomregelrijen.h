#pragma once

#include <QString>

class QWidget;

namespace vkt::widgets {
class TKolomRegelControl;
}

namespace vkt::ui {

// The make-up of a row of the main window by the kind of line it edits:
// which inputs it shows and whether it carries the basis mark.
enum class TRijvorm {
    PremieSVW,               // employee-insurance premiums and the Whk charged on: a percentage
    WerknemersZvw,           // the employee's Zvw percentage, without basis mark
    PremieWG,                // employer pension and IP premium: amount or percentage, with franchise
    PremieWGZonderFranchise, // employer FPU premium
    Premie,                  // employee premiums and life-course savings, with franchise
    PremieZonderFranchise,   // employee FPU premium
    Vergoeding,              // tax-free allowance or deduction
    Natura,                  // wage in kind: an amount
    LoonLBPH,                // wage taxed only for wage tax and Zvw: every input
    Bedrag,                  // car, bicycle and higher Zvw: an amount
    ArtiestAftrek,           // the artist's cost reimbursement: an amount
};

// A row of that make-up, named naam, with its caption and hint.
widgets::TKolomRegelControl* MaakRij(QWidget* ouder, const char* naam, TRijvorm vorm, const QString& bijschrift,
                                     const QString& hint = {});

} // namespace vkt::ui
