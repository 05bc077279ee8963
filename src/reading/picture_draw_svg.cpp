#include "reading/svg_draw.h"

#include <QHash>
#include <QSvgRenderer>

#include <memory>

namespace tivora {

QImage DrawPicture(const QString& path, int side) {
    // Each file is read and parsed once; only drawing depends on the size.
    static QHash<QString, std::shared_ptr<QSvgRenderer>> renderers;
    auto& renderer = renderers[path];
    if (!renderer)
        renderer = std::make_shared<QSvgRenderer>(path);
    return DrawSvg(*renderer, side);
}

} // namespace tivora
