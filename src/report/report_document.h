#pragma once

#include "signs/sign_tables.h"

#include <QColor>
#include <QFont>
#include <QList>
#include <QString>
#include <QUrl>

#include <memory>

class QPagedPaintDevice;
class QTextBlock;
class QTextDocument;

namespace tivora {

inline const QColor kHeadingColor{128, 0, 128};
inline const QColor kLabelColor{0, 128, 128};
inline const QColor kValueColor{0, 0, 0};

// The report's base font: Verdana 9.75 pt, or the sans serif that stands in
// for it, drawn without ligatures. Needs only Qt Gui, so the PDF writer can use it without widgets.
QFont ReportBaseFont();

// Builds the formatted report into an empty document: the same pieces as
// the plain text, headings bold magenta, labels cyan, the rest black, in the
// document's base font, with the footer addresses as links.
void ComposeReportDocument(QTextDocument& document, const SignInformation& info);

// The document's text with CR LF line breaks, to compare with ReportPlainText.
QString ReportDocumentText(const QTextDocument& document);

// A web address found in inserted text: where it stands and what it opens
// ("www." addresses get "http://" in front).
struct ReportLink {
    qsizetype start;
    qsizetype length;
    QString href;
};
QList<ReportLink> FindReportLinks(const QString& text);

// Only web pages leave the report: http and https with a host.
bool IsOpenableReportLink(const QUrl& url);

// Breaks a composed report into pages of the document's page size (which
// must be set): a blank line that would open a page is hidden, and a section
// heading that would end a page, apart from the lines it heads, starts the
// next page instead.
void PaginateReport(QTextDocument& document);

// Whether block is a section heading, kept with the lines that follow it.
bool IsReportHeading(const QTextBlock& block);

// What stands at the foot of every printed page.
QString PageFooterText(int page, int pages);

// Whose reading it is and from which birth data: the person's name as a
// heading, then the one-line birth summary. Printing and the PDF put it
// above the report's sections; the report window's own text has none.
struct ReportHeader {
    QString name;
    QString summary;
    bool isEmpty() const { return name.isEmpty() && summary.isEmpty(); }
};

// A copy of the report with the header above its first line (a plain copy
// when the header is empty), for the printer and the PDF.
std::unique_ptr<QTextDocument> HeadedReport(const QTextDocument& report,
                                            const ReportHeader& header);

// Prints a document as laid out for the device's page: the report's fonts,
// bold and colours, paginated by PaginateReport, "Page N of M" at the foot
// of every page.
void PrintReportDocument(const QTextDocument& document, QPagedPaintDevice& device);

// Renders the report on A4 pages into a PDF file; false when the file cannot
// be written. Needs a QGuiApplication.
bool WriteReportPdf(const SignInformation& info, const QString& path,
                    const ReportHeader& header = {});

} // namespace tivora
