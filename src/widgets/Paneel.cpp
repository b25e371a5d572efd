#include "widgets/Paneel.h"

#include <QPainter>
#include <qdrawutil.h>

namespace vkt::widgets {

TPaneel::TPaneel(QWidget* ouder, Rand buiten, Rand binnen, int randbreedte)
    : QFrame(ouder), buiten_(buiten), binnen_(binnen), randbreedte_(randbreedte)
{
    setAutoFillBackground(true);
}

void TPaneel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    QRect rand = rect();
    // Each bevel is a one-pixel shade: light above and left when raised, dark
    // there when lowered.
    auto tekenBevel = [&](Rand soort) {
        if (soort == Rand::Geen)
            return;
        qDrawShadeRect(&painter, rand, palette(), soort == Rand::Verlaagd, 1, 0);
        rand.adjust(1, 1, -1, -1);
    };
    tekenBevel(buiten_);
    rand.adjust(randbreedte_, randbreedte_, -randbreedte_, -randbreedte_);
    tekenBevel(binnen_);
}

} // namespace vkt::widgets
