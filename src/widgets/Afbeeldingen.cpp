#include "widgets/Afbeeldingen.h"

#include <QPainter>
#include <QSvgRenderer>

namespace vkt::widgets {

QPixmap Afbeelding(const QString& pad, const QSize& maat, qreal pixelverhouding)
{
    QPixmap afbeelding(maat * pixelverhouding);
    afbeelding.setDevicePixelRatio(pixelverhouding);
    afbeelding.fill(Qt::transparent);
    QSvgRenderer tekening(pad);
    if (tekening.isValid()) {
        QPainter painter(&afbeelding);
        tekening.render(&painter, QRectF(QPointF(0, 0), QSizeF(maat)));
    }
    return afbeelding;
}

QIcon Pictogram(const QString& pad)
{
    return QIcon(pad);
}

} // namespace vkt::widgets
