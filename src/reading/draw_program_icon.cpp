// Build step: draws the program icon at the sizes given and writes them as
// the C++ source of PreDrawnProgramIcon.
//   tivora-draw-program-icon ICON.svg OUT.cpp SIDE...
#include "reading/svg_draw.h"

#include <QFile>
#include <QGuiApplication>
#include <QSvgRenderer>
#include <cstdio>

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
    QFile file(args[2]);
    if (!file.open(QIODevice::WriteOnly) || file.write(out) != out.size()) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(args[2]));
        return 1;
    }
    return 0;
}
