#include "reading/svg_draw.h"

#include <QFileInfo>

#include <iterator>

// Resources linked from a static library are registered only on request,
// from global scope.
static void InitPreDrawnResources() {
    Q_INIT_RESOURCE(pre_drawn_pictures);
}

namespace tivora {

QImage DrawPicture(const QString& path, int side) {
    static const bool registered = (InitPreDrawnResources(), true);
    (void)registered;
    if (side <= 0)
        return {};
    // The sides drawn at build time, smallest first.
    constexpr int kSides[] = {TIVORA_PRE_DRAWN_PICTURE_SIDES};
    int drawn = kSides[std::size(kSides) - 1];
    for (const int s : kSides)
        if (s >= side) {
            drawn = s;
            break;
        }
    const QImage image = QImage(QStringLiteral(":/pre_drawn/%1-%2.png")
                                    .arg(QFileInfo(path).completeBaseName())
                                    .arg(drawn))
                             .convertToFormat(QImage::Format_ARGB32_Premultiplied);
    if (image.isNull() || drawn == side)
        return image;
    return image.scaled(side, side, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

} // namespace tivora
