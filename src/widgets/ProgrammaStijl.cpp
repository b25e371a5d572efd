#include "widgets/ProgrammaStijl.h"

#include <QApplication>
#include <QFont>
#include <QStyleFactory>

namespace vkt::widgets {

void ZetProgrammaStijl()
{
    QApplication::setStyle(QStyleFactory::create("Fusion"));
    QFont lettertype("Liberation Sans", 8);
    lettertype.setStyleHint(QFont::SansSerif);
    QApplication::setFont(lettertype);
}

} // namespace vkt::widgets
