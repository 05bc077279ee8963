#include "report/report_document.h"

#include "report/report_sections.h"

#include <QAbstractTextDocumentLayout>
#include <QFontDatabase>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QSaveFile>
#include <QTextBlock>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextLayout>

#include <cmath>
#include <memory>

namespace tivora {

namespace {

QTextCharFormat PieceFormat(ReportPiece::Role role) {
    QTextCharFormat format;
    format.setFontWeight(role == ReportPiece::Role::Heading ? QFont::Bold : QFont::Normal);
    switch (role) {
    case ReportPiece::Role::Heading:
        format.setForeground(kHeadingColor);
        break;
    case ReportPiece::Role::Label:
        format.setForeground(kLabelColor);
        break;
    case ReportPiece::Role::Value:
    case ReportPiece::Role::Footer:
        format.setForeground(kValueColor);
        break;
    }
    return format;
}

// Inserts one line's text, turning web addresses into links as they go in.
void InsertLineText(QTextCursor& cursor, const QString& text, const QTextCharFormat& format) {
    qsizetype done = 0;
    for (const ReportLink& link : FindReportLinks(text)) {
        cursor.insertText(text.mid(done, link.start - done), format);
        QTextCharFormat anchor = format;
        anchor.setAnchor(true);
        anchor.setAnchorHref(link.href);
        anchor.setFontUnderline(true);
        cursor.insertText(text.mid(link.start, link.length), anchor);
        done = link.start + link.length;
    }
    cursor.insertText(text.mid(done), format);
}

// CR LF (and a stray CR or LF) ends a paragraph; Qt would turn a CR LF pair
// into two paragraphs if the text went in whole.
void InsertPiece(QTextCursor& cursor, const QString& text, const QTextCharFormat& format) {
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c != QLatin1Char('\r') && c != QLatin1Char('\n'))
            continue;
        InsertLineText(cursor, text.mid(start, i - start), format);
        cursor.insertBlock(cursor.blockFormat(), format);
        if (c == QLatin1Char('\r') && i + 1 < text.size() && text[i + 1] == QLatin1Char('\n'))
            ++i;
        start = i + 1;
    }
    InsertLineText(cursor, text.mid(start), format);
}

} // namespace

QFont ReportBaseFont() {
    // Verdana where it is installed; otherwise its stand-in by name, as a
    // missing family sends every lookup on a search for a substitute.
    static const bool haveVerdana = QFontDatabase::families().contains(QStringLiteral("Verdana"));
    QFont font;
    font.setFamilies({haveVerdana ? QStringLiteral("Verdana") : QStringLiteral("DejaVu Sans")});
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(9.75);
    // No ligatures: a PDF drawn with the "fi" glyph gives "ﬁ" to a search or
    // a copy. Text that needs shaping (other scripts) is still shaped.
    font.setStyleStrategy(QFont::PreferNoShaping);
    return font;
}

QList<ReportLink> FindReportLinks(const QString& text) {
    // Addresses end at a blank or a character an address never holds; a
    // closing punctuation mark belongs to the sentence, not the address.
    static const QRegularExpression address(
        QStringLiteral(R"((?<![\w.@/-])(?:https?://|www\.)[^\s<>"{}|\\^`]+)"),
        QRegularExpression::CaseInsensitiveOption);
    static const QString trailing = QStringLiteral(".,;:!?'\")]");
    QList<ReportLink> links;
    auto matches = address.globalMatch(text);
    while (matches.hasNext()) {
        const QRegularExpressionMatch match = matches.next();
        QString found = match.captured(0);
        while (!found.isEmpty() && trailing.contains(found.back()))
            found.chop(1);
        const bool bare = found.startsWith(QLatin1String("www."), Qt::CaseInsensitive);
        if (found.size() <= (bare ? 4 : found.indexOf(QLatin1String("://")) + 3))
            continue; // a scheme or "www." with nothing after it
        links.append({match.capturedStart(0), found.size(),
                      bare ? QStringLiteral("http://") + found : found});
    }
    return links;
}

bool IsOpenableReportLink(const QUrl& url) {
    const QString scheme = url.scheme().toLower();
    return url.isValid() && !url.host().isEmpty() &&
           (scheme == QLatin1String("http") || scheme == QLatin1String("https"));
}

void ComposeReportDocument(QTextDocument& document, const SignInformation& info) {
    // Clearing keeps the default font, so a second composition is no doubled
    // report and still in the caller's base font.
    document.clear();
    QTextCursor cursor(&document);
    cursor.beginEditBlock();
    for (const ReportPiece& piece : ComposeReport(info))
        InsertPiece(cursor, QString::fromStdString(piece.text), PieceFormat(piece.role));
    cursor.endEditBlock();
}

QString ReportDocumentText(const QTextDocument& document) {
    QString text = document.toPlainText();
    text.replace(QLatin1Char('\n'), QLatin1String(kReportLineBreak));
    return text;
}

void HideBlankLinesAtPageTops(QTextDocument& document) {
    const qreal pageHeight = document.pageSize().height();
    if (!(pageHeight > 0) || qIsInf(pageHeight))
        return;
    QAbstractTextDocumentLayout* layout = document.documentLayout();
    // Where a line stands; a block may begin on one page while its line is
    // pushed to the next, and the line's place is what shows.
    const auto lineTop = [layout](const QTextBlock& block) -> qreal {
        layout->blockBoundingRect(block);
        const QTextLayout* lines = block.layout();
        return lines && lines->lineCount() > 0 ? lines->position().y() + lines->lineAt(0).y() : -1;
    };
    // Every page's first line stands where the first page's does, below the
    // page's margin (in the paint device's units).
    const qreal pageTop = lineTop(document.begin());
    for (QTextBlock block = document.begin().next(); block.isValid(); block = block.next()) {
        if (!block.text().isEmpty() || !block.isVisible())
            continue;
        const qreal top = lineTop(block);
        if (top < pageHeight || std::fmod(top, pageHeight) > pageTop + 1)
            continue;
        block.setVisible(false);
        // Lays the rest out again, so later page tops are found where they
        // now fall.
        document.markContentsDirty(block.position(), block.length());
    }
}

std::unique_ptr<QTextDocument> HeadedReport(const QTextDocument& report,
                                            const ReportHeader& header) {
    std::unique_ptr<QTextDocument> copy(report.clone());
    if (header.isEmpty())
        return copy;
    QTextCursor cursor(copy.get());
    cursor.movePosition(QTextCursor::Start);
    cursor.beginEditBlock();
    // The first block keeps the report's own format; the header goes in front of it.
    const QTextBlockFormat reportBlock = cursor.blockFormat();
    QTextCharFormat name = PieceFormat(ReportPiece::Role::Heading);
    name.setFontPointSize(report.defaultFont().pointSizeF() * 1.3);
    // The name comes from outside: isolated, its direction marks end with it.
    cursor.insertText(QChar(0x2068) + header.name + QChar(0x2069), name);
    cursor.insertBlock(reportBlock, PieceFormat(ReportPiece::Role::Value));
    cursor.insertText(header.summary, PieceFormat(ReportPiece::Role::Value));
    cursor.insertBlock(reportBlock, PieceFormat(ReportPiece::Role::Value));
    cursor.insertBlock(reportBlock, PieceFormat(ReportPiece::Role::Value));
    cursor.endEditBlock();
    return copy;
}

void PrintReportDocument(const QTextDocument& document, QPagedPaintDevice& device) {
    // Laid out on the page beforehand, the copy prints as it stands; left to
    // itself, print() would add a page number under every page.
    const std::unique_ptr<QTextDocument> copy(document.clone());
    copy->documentLayout()->setPaintDevice(&device);
    copy->setPageSize(device.pageLayout().paintRectPixels(device.logicalDpiX()).size());
    HideBlankLinesAtPageTops(*copy);
    copy->print(&device);
}

bool WriteReportPdf(const SignInformation& info, const QString& path, const ReportHeader& header) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    {
        QTextDocument document;
        document.setDefaultFont(ReportBaseFont());
        ComposeReportDocument(document, info);
        QPdfWriter writer(&file);
        writer.setTitle(QStringLiteral("Tivora"));
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setPageMargins(QMarginsF(20, 20, 20, 20), QPageLayout::Millimeter);
        PrintReportDocument(*HeadedReport(document, header), writer);
    }
    // As with the reading file: commit() would miss a failing last flush.
    if (!file.flush()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

} // namespace tivora
