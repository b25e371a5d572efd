#include "widgets/ProgrammaStijl.h"

#include "output/Lettertypen.h"

#include <QApplication>
#include <QFont>
#include <QStyleFactory>

namespace vkt::widgets {

void ZetProgrammaStijl()
{
    QApplication::setStyle(QStyleFactory::create("Fusion"));
    ui::RegistreerLettertypen();
    QFont lettertype(ui::VensterFamilie(), 8);
    lettertype.setStyleHint(QFont::SansSerif);
    QApplication::setFont(lettertype);
}

} // namespace vkt::widgets
