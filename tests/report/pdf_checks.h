#pragma once

#include <QColor>
#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QString>
#include <QTemporaryDir>

namespace tivora::test {

// Poppler's tools read back what a PDF shows; empty results when they are
// missing or fail.
inline bool HavePopplerTools() {
    return !QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty() &&
           !QStandardPaths::findExecutable(QStringLiteral("pdffonts")).isEmpty() &&
           !QStandardPaths::findExecutable(QStringLiteral("pdftoppm")).isEmpty();
}

inline QByteArray RunTool(const QString& tool, const QStringList& arguments) {
    QProcess process;
    process.start(tool, arguments);
    if (!process.waitForFinished(30000) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0)
        return {};
    return process.readAllStandardOutput();
}

// The PDF's text with all white space folded to single blanks.
inline QString PdfText(const QString& path) {
    return QString::fromUtf8(RunTool(QStringLiteral("pdftotext"), {path, QStringLiteral("-")}))
        .simplified();
}

inline QString PdfFonts(const QString& path) {
    return QString::fromUtf8(RunTool(QStringLiteral("pdffonts"), {path}));
}

inline QImage PdfFirstPage(const QString& path) {
    QTemporaryDir dir;
    const QString prefix = dir.filePath(QStringLiteral("page"));
    RunTool(QStringLiteral("pdftoppm"),
            {QStringLiteral("-r"), QStringLiteral("100"), QStringLiteral("-f"), QStringLiteral("1"),
             QStringLiteral("-l"), QStringLiteral("1"), QStringLiteral("-singlefile"),
             QStringLiteral("-png"), path, prefix});
    return QImage(prefix + QStringLiteral(".png"));
}

// Pixels within a small distance of a colour: glyph strokes drawn in it.
inline int PixelsNear(const QImage& image, const QColor& colour, int tolerance = 24) {
    int count = 0;
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < rgb.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        for (int x = 0; x < rgb.width(); ++x)
            if (qAbs(qRed(line[x]) - colour.red()) <= tolerance &&
                qAbs(qGreen(line[x]) - colour.green()) <= tolerance &&
                qAbs(qBlue(line[x]) - colour.blue()) <= tolerance)
                ++count;
    }
    return count;
}

} // namespace tivora::test
