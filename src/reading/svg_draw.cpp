#include "reading/svg_draw.h"

#include <QPainter>
#include <QRectF>
#include <QSvgRenderer>

namespace tivora {

QImage DrawSvg(QSvgRenderer& renderer, int side) {
    if (!renderer.isValid() || side <= 0)
        return QImage();
    QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    renderer.render(&painter, QRectF(0, 0, side, side));
    return image;
}

} // namespace tivora
