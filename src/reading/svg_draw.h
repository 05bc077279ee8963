#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

class QSvgRenderer;

namespace tivora {

// The renderer's picture drawn at side by side pixels on a transparent
// ground. A null image when the renderer holds no valid picture.
QImage DrawSvg(QSvgRenderer& renderer, int side);

// The SVG picture at path (one of the program's resources) at side by side
// pixels: drawn by Qt Svg (picture_draw_svg.cpp), or where the build has no
// Qt Svg (Windows) taken from the sides drawn at build time and scaled from
// the nearest larger one for other sides (picture_draw_pre_drawn.cpp).
QImage DrawPicture(const QString& path, int side);

// The program icon's usual sizes, drawn at build time by DrawSvg: loading
// them costs far less at start-up than drawing them. The pixels of a side
// by side ARGB32 premultiplied image, row after row; empty for other sides.
QByteArray PreDrawnProgramIcon(int side);

} // namespace tivora
