#include "widgets/Foutmelding.h"

#include <QApplication>
#include <QMessageBox>

namespace vkt::widgets {

void ToonFout(QWidget* parent, const std::exception& fout)
{
    QApplication::beep();
    QMessageBox::critical(parent, QApplication::applicationDisplayName(), QString::fromStdString(fout.what()));
}

} // namespace vkt::widgets
