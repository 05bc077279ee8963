#include "report/report_document.h"

#include "report/pdf_text_layer.h"
#include "report/report_sections.h"

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QCoreApplication>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
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

// Marks the block of a section heading.
constexpr int kHeadingBlock = QTextFormat::UserProperty + 1;
// Lines of the text below a heading that must share its page.
constexpr int kLinesKeptWithHeading = 2;
constexpr qreal kPageFooterPoints = 8;

void MarkHeadingBlock(QTextCursor& cursor, bool heading) {
    QTextBlockFormat format = cursor.blockFormat();
    if (heading)
        format.setProperty(kHeadingBlock, true);
    else
        format.clearProperty(kHeadingBlock);
    cursor.setBlockFormat(format);
}

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
    for (const ReportPiece& piece : ComposeReport(info)) {
        const bool heading = piece.role == ReportPiece::Role::Heading;
        if (heading)
            MarkHeadingBlock(cursor, true);
        InsertPiece(cursor, QString::fromStdString(piece.text), PieceFormat(piece.role));
        // The block after it took the heading's format along.
        if (heading)
            MarkHeadingBlock(cursor, false);
    }
    cursor.endEditBlock();
}

QString ReportDocumentText(const QTextDocument& document) {
    QString text = document.toPlainText();
    text.replace(QLatin1Char('\n'), QLatin1String(kReportLineBreak));
    return text;
}

bool IsReportHeading(const QTextBlock& block) {
    return block.blockFormat().boolProperty(kHeadingBlock);
}

QString PageFooterText(int page, int pages) {
    return QCoreApplication::translate("tivora::Report", "Page %1 of %2").arg(page).arg(pages);
}

void PaginateReport(QTextDocument& document) {
    const qreal pageHeight = document.pageSize().height();
    if (!(pageHeight > 0) || qIsInf(pageHeight))
        return;
    QAbstractTextDocumentLayout* layout = document.documentLayout();
    // Where a block's line stands (-1 when it has none); a block may begin on
    // one page while its line is pushed to the next, and the line's place is
    // what shows. Asking lays the document out up to the block.
    const auto lineTop = [layout](const QTextBlock& block, int line) -> qreal {
        layout->blockBoundingRect(block);
        const QTextLayout* lines = block.layout();
        if (!lines || lines->lineCount() == 0)
            return -1;
        line = std::min(line, lines->lineCount() - 1);
        return lines->position().y() + lines->lineAt(line).y();
    };
    const auto pageOf = [pageHeight](qreal y) { return int(std::floor(y / pageHeight)); };
    // Every page's first line stands where the first page's does, below the
    // page's margin (in the paint device's units).
    const qreal pageTop = lineTop(document.begin(), 0);
    const auto opensPage = [&](qreal top) {
        return top >= pageHeight && std::fmod(top, pageHeight) <= pageTop + 1;
    };
    for (QTextBlock block = document.begin().next(); block.isValid(); block = block.next()) {
        if (!block.isVisible())
            continue;
        if (block.text().isEmpty()) {
            if (!opensPage(lineTop(block, 0)))
                continue;
            block.setVisible(false);
            // Lays the rest out again, so later page tops are found where
            // they now fall.
            document.markContentsDirty(block.position(), block.length());
            continue;
        }
        // A heading that would end its page apart from the first lines it
        // heads starts the next page instead.
        const QTextBlock next = block.next();
        if (!IsReportHeading(block) || !next.isValid() || opensPage(lineTop(block, 0)) ||
            pageOf(lineTop(next, kLinesKeptWithHeading - 1)) == pageOf(lineTop(block, INT_MAX)))
            continue;
        QTextBlockFormat breakBefore;
        breakBefore.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
        QTextCursor(block).mergeBlockFormat(breakBefore);
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

namespace {

// Prints the document on the device's pages; with a recorder, every text
// item drawn is also drawn on it, page by page.
void PrintPages(const QTextDocument& document, QPagedPaintDevice& device,
                TextItemRecorder* recorder) {
    const std::unique_ptr<QTextDocument> copy(document.clone());
    QAbstractTextDocumentLayout* layout = copy->documentLayout();
    layout->setPaintDevice(&device);
    const QSizeF paper = device.pageLayout().paintRectPixels(device.logicalDpiX()).size();
    QFont footerFont = ReportBaseFont();
    footerFont.setPointSizeF(kPageFooterPoints);
    const QFontMetricsF footerMetrics(footerFont, &device);
    // The text keeps clear of the footer by a line.
    const qreal footerBand = 2 * footerMetrics.height();
    const QSizeF page(paper.width(), paper.height() - footerBand);
    copy->setPageSize(page);
    PaginateReport(*copy);

    QPainter painter(&device);
    if (!painter.isActive())
        return;
    QPainter recording;
    if (recorder && !recording.begin(recorder))
        recorder = nullptr;
    const int pages = copy->pageCount();
    const auto drawPage = [&](QPainter& on, int index) {
        on.save();
        // The document is one long strip of pages: this page's lines, each
        // drawn whole on the one page it stands on. (Drawing the strip
        // clipped to the page would put the neighbour pages' lines of a
        // block that runs over a page's end into the PDF's text, unseen.)
        on.translate(0, -index * page.height());
        const QRectF view(0, index * page.height(), page.width(), page.height());
        on.setClipRect(view);
        for (QTextBlock block = copy->begin(); block.isValid(); block = block.next()) {
            // Every line is looked at, not just those of blocks whose box meets
            // the page: a line pushed over a page's end lies outside its box.
            const QTextLayout* lines = block.layout();
            if (!block.isVisible() || !lines)
                continue;
            for (int i = 0; i < lines->lineCount(); ++i) {
                const QTextLine line = lines->lineAt(i);
                const qreal top = lines->position().y() + line.y();
                if (top >= view.top() && top < view.bottom())
                    line.draw(&on, lines->position());
            }
        }
        on.restore();

        on.setFont(footerFont);
        on.setPen(kValueColor);
        on.drawText(QRectF(0, paper.height() - footerMetrics.height(), paper.width(),
                           footerMetrics.height()),
                    Qt::AlignHCenter | Qt::AlignBottom, PageFooterText(index + 1, pages));
    };
    for (int index = 0; index < pages; ++index) {
        if (index > 0) {
            device.newPage();
            if (recorder)
                recorder->newPage();
        }
        drawPage(painter, index);
        if (recorder)
            drawPage(recording, index);
    }
}

} // namespace

void PrintReportDocument(const QTextDocument& document, QPagedPaintDevice& device) {
    PrintPages(document, device, nullptr);
}

bool WriteReportPdf(const SignInformation& info, const QString& path, const ReportHeader& header) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    QBuffer written;
    written.open(QIODevice::WriteOnly);
    QList<QStringList> pageTexts;
    {
        QTextDocument document;
        document.setDefaultFont(ReportBaseFont());
        ComposeReportDocument(document, info);
        QPdfWriter writer(&written);
        writer.setTitle(QStringLiteral("Tivora"));
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setPageMargins(QMarginsF(20, 20, 20, 20), QPageLayout::Millimeter);
        TextItemRecorder recorder(writer);
        PrintPages(*HeadedReport(document, header), writer, &recorder);
        pageTexts = recorder.pages();
    }
    // Copying or searching the text then gives what was written, in any script.
    const QByteArray pdf = WithActualText(written.data(), pageTexts);
    // As with the reading file: commit() would miss a failing last flush.
    if (file.write(pdf) != pdf.size() || !file.flush()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

} // namespace tivora
