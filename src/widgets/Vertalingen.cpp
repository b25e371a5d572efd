#include "widgets/Vertalingen.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace vkt::widgets {

bool LaadQtVertalingen()
{
    QCoreApplication* toepassing = QCoreApplication::instance();
    if (!toepassing)
        return false;
    // The translator lives as long as the application object; a second call
    // finds it there.
    if (toepassing->findChild<QTranslator*>("qtbase_nl", Qt::FindDirectChildrenOnly))
        return true;
    auto* vertaler = new QTranslator(toepassing);
    vertaler->setObjectName("qtbase_nl");
    if (!vertaler->load(QLocale(QLocale::Dutch, QLocale::Netherlands), "qtbase", "_",
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete vertaler;
        return false;
    }
    return QCoreApplication::installTranslator(vertaler);
}

} // namespace vkt::widgets
