// Build step: draws the program icon at the sizes given and writes them as
// the C++ source of PreDrawnProgramIcon, as a Windows icon file (PNG
// images, up to 256 pixels) when OUT ends in .ico, or as PNG files
// OUT-SIDE.png when OUT ends in .png (any SVG picture, for builds without
// Qt Svg).
//   tivora-draw-program-icon PICTURE.svg OUT.cpp|OUT.ico|OUT.png SIDE...
#include "reading/svg_draw.h"

#include <QBuffer>
#include <QFile>
#include <QGuiApplication>
#include <QSvgRenderer>
#include <QtEndian>
#include <cstdio>

namespace {

// An ICO file: a directory of entries, each a whole PNG file.
QByteArray IconFile(const QList<QImage>& images) {
    auto le16 = [](QByteArray& out, quint16 v) { out.append(char(v & 0xff)).append(char(v >> 8)); };
    auto le32 = [&](QByteArray& out, quint32 v) {
        le16(out, quint16(v & 0xffff));
        le16(out, quint16(v >> 16));
    };
    QList<QByteArray> pngs;
    for (const QImage& image : images) {
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        image.save(&buffer, "PNG");
        pngs.append(png);
    }
    QByteArray out;
    le16(out, 0);
    le16(out, 1); // an icon
    le16(out, quint16(images.size()));
    quint32 offset = 6 + 16 * quint32(images.size());
    for (qsizetype i = 0; i < images.size(); ++i) {
        const int side = images[i].width();
        out.append(char(side >= 256 ? 0 : side)).append(char(side >= 256 ? 0 : side));
        out.append(char(0)).append(char(0)); // no palette
        le16(out, 1);                        // planes
        le16(out, 32);                       // bits per pixel
        le32(out, quint32(pngs[i].size()));
        le32(out, offset);
        offset += quint32(pngs[i].size());
    }
    for (const QByteArray& png : pngs)
        out += png;
    return out;
}

int WriteFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return 1;
    }
    return 0;
}

} // namespace

int main(int argc, char* argv[]) {
    QGuiApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() < 4) {
        std::fprintf(stderr, "usage: %s ICON.svg OUT.cpp SIDE...\n", argv[0]);
        return 2;
    }
    QSvgRenderer renderer(args[1]);
    if (!renderer.isValid()) {
        std::fprintf(stderr, "cannot read %s\n", qPrintable(args[1]));
        return 1;
    }
    if (args[2].endsWith(QLatin1String(".png"))) {
        const QString stem = args[2].chopped(4);
        for (int i = 3; i < args.size(); ++i) {
            const QString path = stem + QLatin1Char('-') + args[i] + QStringLiteral(".png");
            if (!tivora::DrawSvg(renderer, args[i].toInt()).save(path, "PNG")) {
                std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
                return 1;
            }
        }
        return 0;
    }
    if (args[2].endsWith(QLatin1String(".ico"))) {
        QList<QImage> images;
        for (int i = 3; i < args.size(); ++i)
            images.append(tivora::DrawSvg(renderer, qBound(1, args[i].toInt(), 256)));
        return WriteFile(args[2], IconFile(images));
    }
    QByteArray out = "// Written by tivora-draw-program-icon from the program's SVG icon.\n"
                     "#include \"reading/svg_draw.h\"\n\nnamespace tivora {\nnamespace {\n";
    QByteArray cases;
    for (int i = 3; i < args.size(); ++i) {
        const int side = args[i].toInt();
        const QImage image = tivora::DrawSvg(renderer, side);
        if (image.isNull() || image.bytesPerLine() != side * 4) {
            std::fprintf(stderr, "cannot draw the icon at %d pixels\n", side);
            return 1;
        }
        const QByteArray name = "kSide" + QByteArray::number(side);
        out += "const unsigned char " + name + "[] = {";
        const auto* bytes = image.constBits();
        for (qsizetype b = 0; b < image.sizeInBytes(); ++b)
            out += (b % 24 == 0 ? "\n    " : "") + QByteArray::number(bytes[b]) + ',';
        out += "\n};\n";
        cases += "    case " + QByteArray::number(side) +
                 ":\n        return QByteArray::fromRawData(reinterpret_cast<const char*>(" + name +
                 "), sizeof " + name + ");\n";
    }
    out += "} // namespace\n\nQByteArray PreDrawnProgramIcon(int side) {\n    switch (side) {\n" +
           cases + "    default:\n        return {};\n    }\n}\n\n} // namespace tivora\n";
    return WriteFile(args[2], out);
}
