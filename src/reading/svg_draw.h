#pragma once

#include <QByteArray>
#include <QImage>

class QSvgRenderer;

namespace tivora {

// The renderer's picture drawn at side by side pixels on a transparent
// ground. A null image when the renderer holds no valid picture.
QImage DrawSvg(QSvgRenderer& renderer, int side);

// The program icon's usual sizes, drawn at build time by DrawSvg: loading
// them costs far less at start-up than drawing them. The pixels of a side
// by side ARGB32 premultiplied image, row after row; empty for other sides.
QByteArray PreDrawnProgramIcon(int side);

} // namespace tivora
