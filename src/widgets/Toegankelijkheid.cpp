#include "widgets/Toegankelijkheid.h"

#include <QWidget>

namespace vkt::widgets {

QString ZonderSneltoets(const QString& bijschrift)
{
    QString tekst;
    for (qsizetype i = 0; i < bijschrift.size(); ++i) {
        if (bijschrift[i] == u'&' && i + 1 < bijschrift.size())
            ++i;
        tekst += bijschrift[i];
    }
    return tekst;
}

void ZetToegankelijkeNaam(QWidget& widget, const QString& bijschrift)
{
    widget.setAccessibleName(ZonderSneltoets(bijschrift));
}

} // namespace vkt::widgets
