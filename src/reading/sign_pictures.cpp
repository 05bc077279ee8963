#include "reading/sign_pictures.h"

#include <QImage>
#include <QPainter>
#include <QRectF>
#include <QSvgRenderer>

#include <utility>

// Resources linked from a static library are registered only on request. The
// macro declares the initialiser in the enclosing namespace, so it must be
// called from global scope.
static void InitPictureResources() {
    Q_INIT_RESOURCE(pictures);
}

namespace tivora {
namespace {

void EnsurePictureResources() {
    static const bool registered = (InitPictureResources(), true);
    (void)registered;
}

QPixmap RenderSvg(const QString& path, int logicalSize, qreal devicePixelRatio) {
    EnsurePictureResources();
    // A ratio of zero, a negative one or NaN would give an empty image; huge
    // ones only waste memory.
    const qreal ratio = devicePixelRatio > 0 ? qMin(devicePixelRatio, qreal(8)) : qreal(1);
    QSvgRenderer renderer(path);
    if (!renderer.isValid())
        return QPixmap();
    const int side = qRound(logicalSize * ratio);
    QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        renderer.render(&painter, QRectF(0, 0, side, side));
    }
    QPixmap pixmap = QPixmap::fromImage(std::move(image));
    pixmap.setDevicePixelRatio(ratio);
    return pixmap;
}

} // namespace

QStringList SignPictureKeys() {
    return {QStringLiteral("Aquarius"),  QStringLiteral("Aries"),  QStringLiteral("Cancer"),
            QStringLiteral("Capricorn"), QStringLiteral("Gemini"), QStringLiteral("Leo"),
            QStringLiteral("Libra"),     QStringLiteral("Pisces"), QStringLiteral("Sagittarius"),
            QStringLiteral("Scorpio"),   QStringLiteral("Taurus"), QStringLiteral("Virgo")};
}

QPixmap SignPicture(int index, qreal devicePixelRatio) {
    const QStringList keys = SignPictureKeys();
    if (index < 0 || index >= keys.size())
        return QPixmap();
    const QString path = QStringLiteral(":/pictures/%1.svg").arg(keys.at(index).toLower());
    return RenderSvg(path, kSignPictureSize, devicePixelRatio);
}

int FindSignPicture(const QString& key) {
    return int(SignPictureKeys().indexOf(key));
}

QIcon ProgramIcon() {
    // Rendered per size rather than scaled from one pixmap, so the small
    // sizes stay sharp.
    QIcon icon;
    for (const int size : {16, 24, 32, 48, 64, 128, 256})
        icon.addPixmap(RenderSvg(QStringLiteral(":/pictures/tivora.svg"), size, 1.0));
    return icon;
}

} // namespace tivora
