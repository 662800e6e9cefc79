#include "app/SvgBild.h"
#include "platform/SpeedBar.h"
#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>
#include <algorithm>

bool ShowSvgPicture(TImage* picture, const QString& path)
{
    if (!picture) return false;
    QSvgRenderer renderer(path);
    if (!renderer.isValid() || picture->width() <= 0 || picture->height() <= 0) return false;
    const qreal ratio = picture->devicePixelRatioF();
    const int side = std::min(picture->width(), picture->height());
    QPixmap pixmap(QSize(side, side) * ratio);
    pixmap.fill(Qt::transparent);
    {
        QPainter painter(&pixmap);
        renderer.render(&painter);
    }
    pixmap.setDevicePixelRatio(ratio);
    picture->setPixmap(pixmap);
    picture->setAlignment(Qt::AlignCenter);
    return true;
}
