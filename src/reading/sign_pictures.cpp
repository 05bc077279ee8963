#include "reading/sign_pictures.h"

#include "reading/svg_draw.h"

#include <QHash>
#include <QIconEngine>
#include <QImage>
#include <QPainter>

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

// A ratio of zero, a negative one or NaN would give an empty image; huge
// ones only waste memory.
qreal SaneRatio(qreal devicePixelRatio) {
    return devicePixelRatio > 0 ? qMin(devicePixelRatio, qreal(8)) : qreal(1);
}

QPixmap RenderSvg(const QString& path, int side) {
    EnsurePictureResources();
    return QPixmap::fromImage(DrawPicture(path, side));
}

// Each picture is rendered once per pixel size and kept: windows are made
// anew for every reading, and an SVG takes milliseconds to draw.
// The ratio is part of the key so a copy never detaches to change it.
QPixmap CachedSvg(const QString& path, int side, qreal ratio = 1.0) {
    static QHash<QString, QPixmap> cache;
    const QString key = QStringLiteral("%1@%2x%3").arg(path).arg(side).arg(ratio);
    const auto found = cache.constFind(key);
    if (found != cache.constEnd())
        return *found;
    QPixmap pixmap = RenderSvg(path, side);
    if (!pixmap.isNull()) {
        pixmap.setDevicePixelRatio(ratio);
        cache.insert(key, pixmap);
    }
    return pixmap;
}

const QString& IconPath() {
    static const QString path = QStringLiteral(":/pictures/tivora.svg");
    return path;
}

// The program icon at side pixels: drawn at build time for the usual sides.
QPixmap ProgramIconPixmap(int side) {
    static QHash<int, QPixmap> cache;
    const auto found = cache.constFind(side);
    if (found != cache.constEnd())
        return *found;
    const QByteArray pixels = PreDrawnProgramIcon(side);
    if (pixels.isEmpty())
        return CachedSvg(IconPath(), side);
    // The image only borrows the pixels; fromImage copies them.
    const QImage image(reinterpret_cast<const uchar*>(pixels.constData()), side, side, side * 4,
                       QImage::Format_ARGB32_Premultiplied);
    QPixmap pixmap = QPixmap::fromImage(image);
    cache.insert(side, pixmap);
    return pixmap;
}

// The program icon drawn on request at the size asked for, each size once.
class ProgramIconEngine final : public QIconEngine {
public:
    QPixmap pixmap(const QSize& size, QIcon::Mode, QIcon::State) override {
        return ProgramIconPixmap(qMin(size.width(), size.height()));
    }
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        const qreal ratio = painter->device() ? painter->device()->devicePixelRatioF() : 1.0;
        painter->drawPixmap(rect, pixmap(rect.size() * ratio, mode, state));
    }
    QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override {
        const int side = qMin(size.width(), size.height());
        return {side, side};
    }
    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override {
        QList<QSize> sizes;
        for (const int side : {16, 24, 32, 48, 64})
            sizes.append(QSize(side, side));
        return sizes;
    }
    QIconEngine* clone() const override { return new ProgramIconEngine; }
    QString key() const override { return QStringLiteral("tivora-program-icon"); }
};

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
    const qreal ratio = SaneRatio(devicePixelRatio);
    return CachedSvg(path, qRound(kSignPictureSize * ratio), ratio);
}

QIcon ProgramIcon() {
    // Drawn for each size asked for rather than scaled from one pixmap, so
    // the small sizes stay sharp; one engine, so each size is drawn once.
    static const QIcon icon(new ProgramIconEngine);
    return icon;
}

} // namespace tivora
