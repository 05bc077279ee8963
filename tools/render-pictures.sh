#!/bin/sh
# Renders the sign pictures and the program icon to PNG contact sheets for
# review. Uses Qt's own SVG renderer, since that is what users see; other
# renderers differ in gradient and stroke details.
#
# Usage: tools/render-pictures.sh [output-dir]   (default /tmp/tivora-pictures)
# Writes sheet-1x.png, sheet-2x.png (every picture at 200 px and at 2x),
# icon-sizes.png (the icon at 16, 24, 32, 48, 64, 128 and 256 px) and one PNG
# per picture.
set -eu

here=$(cd "$(dirname "$0")/.." && pwd)
pictures="$here/src/reading/pictures"
out=${1:-/tmp/tivora-pictures}
work=$(mktemp -d /tmp/tivora-render.XXXXXX)
trap 'rm -rf "$work"' EXIT
mkdir -p "$out"

cat >"$work/render.cpp" <<'EOF'
#include <QColor>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QStringList>
#include <QSvgRenderer>
#include <cstdio>

static QImage render(const QString& file, int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QSvgRenderer renderer(file);
    if (!renderer.isValid()) {
        std::fprintf(stderr, "invalid SVG: %s\n", qPrintable(file));
        return image;
    }
    QPainter painter(&image);
    renderer.render(&painter);
    return image;
}

// A sheet of pictures on a mid-grey checkerboard so that transparent edges and
// halos are visible.
static QImage sheet(const QStringList& files, int size, int columns) {
    const int gap = size / 10;
    const int rows = (files.size() + columns - 1) / columns;
    QImage result(columns * (size + gap) + gap, rows * (size + gap) + gap,
                  QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&result);
    const int cell = 8;
    for (int y = 0; y < result.height(); y += cell)
        for (int x = 0; x < result.width(); x += cell)
            painter.fillRect(x, y, cell, cell,
                             ((x / cell + y / cell) % 2) ? QColor(200, 200, 200)
                                                         : QColor(235, 235, 235));
    for (int i = 0; i < files.size(); ++i)
        painter.drawImage(gap + (i % columns) * (size + gap), gap + (i / columns) * (size + gap),
                          render(files[i], size));
    return result;
}

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    const QString out = app.arguments().at(1);
    const QString icon = app.arguments().at(2);
    const QStringList signs = app.arguments().mid(3);
    for (const QString& file : signs)
        render(file, 200).save(out + "/" + QFileInfo(file).completeBaseName() + ".png");
    render(icon, 256).save(out + "/tivora.png");
    sheet(signs, 200, 4).save(out + "/sheet-1x.png");
    sheet(signs, 400, 4).save(out + "/sheet-2x.png");

    const int sizes[] = {16, 24, 32, 48, 64, 128, 256};
    QImage strip(16 * 8 + 24 + 32 + 48 + 64 + 128 + 256, 256 + 16,
                 QImage::Format_ARGB32_Premultiplied);
    strip.fill(Qt::white);
    QPainter painter(&strip);
    int x = 8;
    for (const int s : sizes) {
        painter.drawImage(x, 8, render(icon, s));
        x += s + 16;
    }
    painter.end();
    strip.save(out + "/icon-sizes.png");
    return 0;
}
EOF

# Sign pictures in the order the result window lists them.
set -- aquarius aries cancer capricorn gemini leo libra pisces sagittarius scorpio taurus virgo
files=""
for name in "$@"; do
    files="$files $pictures/$name.svg"
done

# shellcheck disable=SC2046
g++ -std=c++17 -O1 -fPIC -o "$work/render" "$work/render.cpp" \
    $(pkg-config --cflags --libs Qt6Svg Qt6Gui Qt6Core)
# shellcheck disable=SC2086
QT_QPA_PLATFORM=offscreen "$work/render" "$out" "$pictures/tivora.svg" $files
echo "Wrote $out/sheet-1x.png, $out/sheet-2x.png, $out/icon-sizes.png"
