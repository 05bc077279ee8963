#include "base/identity.h"
#include "language/language.h"
#include "language/sign_texts.h"
#include "report/file_size_limit.h"
#include "report/pdf_checks.h"
#include "report/pdf_text_layer.h"
#include "report/report_document.h"
#include "report/report_sections.h"

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QPainter>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QtTest>

using namespace tivora;

namespace {

SignInformation Aries() {
    SignInformation info;
    SelectSignInformation("Ari", info);
    return info;
}

// Every SignInformation field set to its own name, so a value in the wrong
// row shows.
SignInformation NamedFields() {
    SignInformation info;
    for (const SignField& field : SignTables())
        info.*field.member = field.name;
    return info;
}

QStringList Headings() {
    QStringList list;
    for (const ReportSection& section : ReportSections())
        list << QString::fromLatin1(section.heading);
    return list;
}

QString Footer() {
    return QString::fromStdString(ReportFooter());
}

// The format of the character at position (the one after the cursor).
QTextCharFormat FormatAt(const QTextDocument& document, int position) {
    QTextCursor cursor(const_cast<QTextDocument*>(&document));
    cursor.setPosition(position + 1);
    return cursor.charFormat();
}

struct Composed {
    QTextDocument document;
    explicit Composed(const SignInformation& info) {
        document.setDefaultFont(ReportBaseFont());
        ComposeReportDocument(document, info);
    }
};

} // namespace

class TestReportDocument : public QObject {
    Q_OBJECT

private slots:
    void textMatchesTheSectionTable() {
        for (const SignInformation& info : {Aries(), NamedFields(), SignInformation{}}) {
            Composed r(info);
            QCOMPARE(ReportDocumentText(r.document), QString::fromStdString(ReportPlainText(info)));
        }
    }

    void eightHeadingsTwentySevenRowsEightFooters() {
        const SignInformation info = NamedFields();
        Composed r(info);
        int headings = 0;
        int rows = 0;
        int footers = 0;
        for (QTextBlock block = r.document.begin(); block.isValid(); block = block.next()) {
            const QString text = block.text();
            if (Headings().contains(text))
                ++headings;
            if (text == Footer())
                ++footers;
            for (const ReportSection& section : ReportSections())
                for (const ReportRow& row : section.rows)
                    if (text ==
                        QString::fromLatin1(row.label) + QString::fromStdString(info.*row.field))
                        ++rows;
        }
        QCOMPARE(headings, 8);
        QCOMPARE(rows, 27);
        QCOMPARE(footers, 8);
        QCOMPARE(r.document.begin().text(), QStringLiteral("Common: "));
        QCOMPARE(r.document.lastBlock().text(), Footer());
        QVERIFY(!r.document.toPlainText().endsWith(QLatin1Char('\n')));
        // Heading, six rows, blank line, footer, blank line, next heading.
        QCOMPARE(r.document.findBlockByNumber(9).text(), QString());
        QCOMPARE(r.document.findBlockByNumber(10).text(), QStringLiteral("Sign Characteristics: "));
    }

    void emptyFieldsLeaveLabelsAlone() {
        Composed r{SignInformation{}};
        QCOMPARE(r.document.findBlockByNumber(1).text(), QStringLiteral("Vedic Name: "));
        QCOMPARE(r.document.findBlockByNumber(6).text(), QStringLiteral("Sign Color: "));
        QCOMPARE(r.document.blockCount(), Composed(Aries()).document.blockCount());
    }

    void headingsLabelsAndValuesHaveTheirLook() {
        Composed r(Aries());
        const QString text = r.document.toPlainText();
        const int heading = int(text.indexOf(QStringLiteral("Physique And Looks: ")));
        const int label = int(text.indexOf(QStringLiteral("\nLooks: "), heading)) + 1;
        const int value = label + int(qstrlen("Looks: "));
        QVERIFY(heading >= 0 && label > heading + 1);

        const QTextCharFormat h = FormatAt(r.document, heading);
        QCOMPARE(h.fontWeight(), int(QFont::Bold));
        QCOMPARE(h.foreground().color(), QColor(128, 0, 128));
        const QTextCharFormat l = FormatAt(r.document, label);
        QCOMPARE(l.fontWeight(), int(QFont::Normal));
        QCOMPARE(l.foreground().color(), QColor(0, 128, 128));
        const QTextCharFormat v = FormatAt(r.document, value);
        QCOMPARE(v.fontWeight(), int(QFont::Normal));
        QCOMPARE(v.foreground().color(), QColor(0, 0, 0));
        QVERIFY(!v.isAnchor());
        // The last character of a heading is bold too, the next label not.
        const int colon = heading + int(qstrlen("Physique And Looks:"));
        QCOMPARE(FormatAt(r.document, colon).fontWeight(), int(QFont::Bold));
        const int nextLabel = int(text.indexOf(QStringLiteral("Physique: "), heading));
        QCOMPARE(FormatAt(r.document, nextLabel).fontWeight(), int(QFont::Normal));

        // Face and size are the document's own: no piece overrides them.
        for (int at : {heading, label, value})
            QVERIFY(!FormatAt(r.document, at).hasProperty(QTextFormat::FontFamilies) &&
                    !FormatAt(r.document, at).hasProperty(QTextFormat::FontPointSize));
        QCOMPARE(r.document.defaultFont().pointSizeF(), 9.75);
    }

    void footerAddressIsALink() {
        Composed r(Aries());
        const QString text = r.document.toPlainText();
        const QString site = VendorSite();
        int links = 0;
        for (qsizetype at = text.indexOf(Footer()); at >= 0; at = text.indexOf(Footer(), at + 1)) {
            const int address = int(at + Footer().size() - site.size());
            const QTextCharFormat first = FormatAt(r.document, address);
            const QTextCharFormat last = FormatAt(r.document, int(at + Footer().size() - 1));
            QVERIFY(first.isAnchor() && last.isAnchor());
            QCOMPARE(first.anchorHref(), site);
            QVERIFY(first.fontUnderline());
            QCOMPARE(first.foreground().color(), QColor(0, 0, 0));
            const QTextCharFormat words = FormatAt(r.document, int(at));
            QVERIFY(!words.isAnchor() && !words.fontUnderline());
            ++links;
        }
        QCOMPARE(links, 8);
    }

    void composingAgainGivesTheSameReport() {
        Composed r(Aries());
        const QString once = r.document.toHtml();
        ComposeReportDocument(r.document, Aries());
        QCOMPARE(r.document.toHtml(), once);
        QCOMPARE(r.document.defaultFont(), ReportBaseFont());
    }

    void addressesInValuesBecomeLinks() {
        SignInformation info;
        info.Health = "See https://health.example.org/page?a=1, or www.example.net.";
        Composed r(info);
        const QString text = r.document.toPlainText();
        const int https = int(text.indexOf(QStringLiteral("https://health")));
        const int www = int(text.indexOf(QStringLiteral("www.example.net")));
        QCOMPARE(FormatAt(r.document, https).anchorHref(),
                 QStringLiteral("https://health.example.org/page?a=1"));
        QCOMPARE(FormatAt(r.document, www).anchorHref(), QStringLiteral("http://www.example.net"));
        // The punctuation after an address is not part of it.
        QVERIFY(!FormatAt(r.document, int(text.indexOf(QLatin1Char(','), https))).isAnchor());
        QVERIFY(!FormatAt(r.document, www + 15).isAnchor());
    }

    void findLinks_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("hrefs");
        QTest::addColumn<QList<int>>("starts");
        QTest::newRow("none") << "Mars and Venus" << QStringList{} << QList<int>{};
        QTest::newRow("footer") << "Report Generated By https://www.example.com"
                                << QStringList{"https://www.example.com"} << QList<int>{20};
        QTest::newRow("two") << "http://a.b/c http://d.e"
                             << QStringList{"http://a.b/c", "http://d.e"} << QList<int>{0, 13};
        QTest::newRow("bracketed")
            << "(see https://a.b/x)." << QStringList{"https://a.b/x"} << QList<int>{5};
        QTest::newRow("capitals") << "HTTPS://A.B" << QStringList{"HTTPS://A.B"} << QList<int>{0};
        QTest::newRow("bare www") << "at www.x.org" << QStringList{"http://www.x.org"}
                                  << QList<int>{3};
        QTest::newRow("scheme only") << "https:// and www." << QStringList{} << QList<int>{};
        QTest::newRow("other schemes")
            << "ftp://a.b mailto:a@b.c file:///etc/passwd" << QStringList{} << QList<int>{};
        QTest::newRow("inside a word") << "xhttp://a.b" << QStringList{} << QList<int>{};
        QTest::newRow("ends at quote")
            << "\"http://a.b\"" << QStringList{"http://a.b"} << QList<int>{1};
    }
    void findLinks() {
        QFETCH(QString, text);
        QFETCH(QStringList, hrefs);
        QFETCH(QList<int>, starts);
        const QList<ReportLink> links = FindReportLinks(text);
        QCOMPARE(links.size(), hrefs.size());
        for (qsizetype i = 0; i < links.size(); ++i) {
            QCOMPARE(links[i].href.endsWith(text.mid(links[i].start, links[i].length)), true);
            QCOMPARE(links[i].href, hrefs[i]);
            QCOMPARE(int(links[i].start), starts[i]);
        }
    }

    void onlyWebPagesOpen() {
        QVERIFY(IsOpenableReportLink(QUrl("https://www.example.com")));
        QVERIFY(IsOpenableReportLink(QUrl("HTTP://example.com/a?b=c")));
        QVERIFY(!IsOpenableReportLink(QUrl("file:///etc/passwd")));
        QVERIFY(!IsOpenableReportLink(QUrl("javascript:alert(1)")));
        QVERIFY(!IsOpenableReportLink(QUrl("ftp://example.com")));
        QVERIFY(!IsOpenableReportLink(QUrl("https:")));
        QVERIFY(!IsOpenableReportLink(QUrl("example.com")));
        QVERIFY(!IsOpenableReportLink(QUrl()));
    }

    void pdfHoldsTheReport() {
        QTemporaryDir dir;
        const QString path = dir.filePath("report.pdf");
        QVERIFY(WriteReportPdf(Aries(), path));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.read(5) == "%PDF-");
        QVERIFY(!WriteReportPdf(Aries(), dir.filePath("missing/report.pdf")));
        {
            // A write that fails part-way leaves the earlier PDF in place.
            QFile earlier(path);
            QVERIFY(earlier.open(QIODevice::ReadOnly));
            const QByteArray earlierBytes = earlier.readAll();
            earlier.close();
            test::FileSizeLimit limit(1000);
            if (!limit.ok())
                QSKIP("no limit on the size of written files here");
            QVERIFY(!WriteReportPdf(SignInformation{}, path));
            QVERIFY(earlier.open(QIODevice::ReadOnly));
            QCOMPARE(earlier.readAll(), earlierBytes);
        }

        if (!test::HavePopplerTools())
            QSKIP("poppler-utils are not installed; the PDF's content is not checked");
        const QString text = test::PdfText(path);
        for (const QString& heading : Headings())
            QVERIFY2(text.contains(heading.trimmed()), qPrintable(heading));
        QCOMPARE(text.count(Footer()), 8);
        // Nothing but the last page's number after the report's last words.
        static const QRegularExpression lastPage(QStringLiteral(" Page (\\d+) of \\1$"));
        const qsizetype at = text.indexOf(lastPage);
        QVERIFY2(at > 0 && text.left(at).endsWith(Footer()), qPrintable(text.right(80)));
        // Bold headings, and the three colours on the page.
        QVERIFY(test::PdfFonts(path).contains(QStringLiteral("Bold")));
        const QImage page = test::PdfFirstPage(path);
        QVERIFY(!page.isNull());
        QVERIFY(test::PixelsNear(page, kHeadingColor) > 50);
        QVERIFY(test::PixelsNear(page, kLabelColor) > 50);
        QVERIFY(test::PixelsNear(page, Qt::black) > 50);
    }

    // Searching and copying the PDF finds the words as written, and no page
    // after the first opens with an empty line, for every sign.
    // Shaping reorders and joins Devanagari glyphs; the text a reader takes
    // from the PDF must still be the words written, and the name exact.
    void hindiPdfEmbedsDevanagariAndKeepsEveryWord() {
        if (!test::HavePopplerTools())
            QSKIP("poppler-utils is not installed");
        QVERIFY(InstallLanguage(QString::fromLatin1(kHindi)));
        const auto english = qScopeGuard([] { InstallLanguage(QString::fromLatin1(kEnglish)); });
        const QString name = QString::fromUtf8("किशोर क्षत्रिय");
        // A town in Latin letters, isolated as the summary line isolates it.
        const QString summary = QString::fromUtf8("12 जनवरी 1990 02:30, \u2068Lucknow, Uttar "
                                                  "Pradesh, India\u2069 (26° 50' N, 80° 55' E)");
        QTemporaryDir dir;
        // Signs whose texts run over a page's end at different lines.
        for (const char* sign : {"Ari", "Lib", "Aqu", "Pis"}) {
            SignInformation info;
            SelectSignInformation(sign, info);
            info = TranslatedSignInformation(info);
            const QString path = dir.filePath(QString::fromLatin1(sign) + ".pdf");
            QVERIFY(WriteReportPdf(info, path, {name, summary}));
            const QStringList devanagariFonts =
                test::PdfFonts(path).split('\n').filter(QStringLiteral("Devanagari"));
            QVERIFY2(!devanagariFonts.isEmpty() && devanagariFonts.first().contains(" yes "),
                     qPrintable(test::PdfFonts(path)));

            const QString text = test::PdfText(path);
            QVERIFY2(text.startsWith(name + ' '), qPrintable(text.left(40)));
            QVERIFY(text.contains("India (26° 50' N"));
            // A line may break after a hyphen, which pdftotext then drops.
            QMap<QString, int> found;
            for (const QString& word : QString(text).remove('-').split(' '))
                ++found[word];
            QStringList lost;
            static const QRegularExpression devanagari(QStringLiteral("[\\x{0900}-\\x{097F}]"));
            const QString written =
                (summary + ' ' + QString::fromStdString(ReportPlainText(info))).simplified();
            for (const QString& word : QString(written).remove('-').split(' '))
                if (word.contains(devanagari) && found[word]-- <= 0)
                    lost << word;
            QVERIFY2(lost.isEmpty(), qPrintable(QString::fromLatin1(sign) + ": " + lost.join(' ')));
        }
    }

    void textLayerLeavesWhatItCannotPairAlone() {
        QByteArray pdf;
        {
            QBuffer buffer(&pdf);
            buffer.open(QIODevice::WriteOnly);
            QPdfWriter writer(&buffer);
            QPainter painter(&writer);
            painter.drawText(QPointF(100, 100), QStringLiteral("one"));
            painter.drawText(QPointF(100, 400), QStringLiteral("two"));
        }
        QCOMPARE(WithActualText(pdf, {{QStringLiteral("one")}}), pdf);
        QCOMPARE(WithActualText(pdf, {{QStringLiteral("one"), QStringLiteral("two")}, {}}), pdf);
        QCOMPARE(WithActualText("not a PDF", {{}}), QByteArray("not a PDF"));
        const QByteArray marked =
            WithActualText(pdf, {{QStringLiteral("one"), QStringLiteral("two")}});
        QVERIFY(marked.startsWith("%PDF-1.5") && marked.mid(8).startsWith(pdf.mid(8)) &&
                marked.size() > pdf.size());
    }

    void pdfTextIsPlainAndPagesStartWithText_data() {
        QTest::addColumn<QString>("sign");
        for (const char* sign :
             {"Ari", "Tau", "Gem", "Can", "Leo", "Vir", "Lib", "Sco", "Sag", "Cap", "Aqu", "Pis"})
            QTest::newRow(sign) << QString::fromLatin1(sign);
    }
    void pdfTextIsPlainAndPagesStartWithText() {
        QFETCH(QString, sign);
        if (!test::HavePopplerTools())
            QSKIP("poppler-utils are not installed");
        SignInformation info;
        SelectSignInformation(sign.toStdString(), info);
        info.Nature += " With confidence, fine office flair.";
        QTemporaryDir dir;
        const QString path = dir.filePath("report.pdf");
        QVERIFY(WriteReportPdf(info, path));
        const QString text = QString::fromUtf8(
            test::RunTool(QStringLiteral("pdftotext"), {path, QStringLiteral("-")}));
        QVERIFY(text.contains(QStringLiteral("With confidence, fine office flair.")));
        for (const QChar ligature : {QChar(0xFB00), QChar(0xFB01), QChar(0xFB02), QChar(0xFB03)})
            QVERIFY(!text.contains(ligature));
        // Every page's first words stand as high as the first page's.
        const QString boxes = QString::fromUtf8(test::RunTool(
            QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), path, QStringLiteral("-")}));
        static const QRegularExpression firstWord(
            QStringLiteral(R"re(<page[^>]*>\s*<word xMin="[0-9.]+" yMin="([0-9.]+)")re"));
        QList<double> tops;
        for (auto match = firstWord.globalMatch(boxes); match.hasNext();)
            tops << match.next().captured(1).toDouble();
        QVERIFY(tops.size() >= 2);
        for (int page = 1; page < tops.size(); ++page)
            QVERIFY2(qAbs(tops.at(page) - tops.at(0)) < 2,
                     qPrintable(QStringLiteral("page %1 starts at %2, page 1 at %3")
                                    .arg(page + 1)
                                    .arg(tops.at(page))
                                    .arg(tops.at(0))));
    }

    // Every page carries its number at its foot, and no page ends on a
    // section heading: for every sign, with the text below shifted by a few
    // lines so headings come to stand at many places on the page.
    void pdfPagesAreNumberedAndKeepHeadingsWithTheirText_data() {
        QTest::addColumn<QString>("sign");
        QTest::addColumn<int>("extraLines");
        for (const char* sign :
             {"Ari", "Tau", "Gem", "Can", "Leo", "Vir", "Lib", "Sco", "Sag", "Cap", "Aqu", "Pis"})
            for (int extra = 0; extra < 6; extra += 2)
                QTest::addRow("%s+%d", sign, extra) << QString::fromLatin1(sign) << extra;
    }
    void pdfPagesAreNumberedAndKeepHeadingsWithTheirText() {
        QFETCH(QString, sign);
        QFETCH(int, extraLines);
        if (!test::HavePopplerTools())
            QSKIP("poppler-utils are not installed");
        SignInformation info;
        SelectSignInformation(sign.toStdString(), info);
        for (int i = 0; i < extraLines; ++i)
            info.Nature += "\r\nOne more line.";
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("report.pdf"));
        QVERIFY(WriteReportPdf(info, path, {QStringLiteral("Asha"), QStringLiteral("Summary")}));
        // pdftotext ends every page with a form feed.
        QStringList pages =
            QString::fromUtf8(test::RunTool(QStringLiteral("pdftotext"),
                                            {QStringLiteral("-layout"), path, QStringLiteral("-")}))
                .split(QLatin1Char('\f'));
        QVERIFY(pages.last().trimmed().isEmpty());
        pages.removeLast();
        QVERIFY(pages.size() >= 2);
        QStringList headings;
        for (const QString& heading : Headings())
            headings << heading.trimmed();
        for (int page = 0; page < pages.size(); ++page) {
            QStringList lines;
            for (const QString& line : pages.at(page).split(QLatin1Char('\n')))
                if (!line.trimmed().isEmpty())
                    lines << line.trimmed();
            QVERIFY(lines.size() >= 2);
            QCOMPARE(lines.last(), QStringLiteral("Page %1 of %2").arg(page + 1).arg(pages.size()));
            QVERIFY2(!headings.contains(lines.at(lines.size() - 2)),
                     qPrintable(QStringLiteral("page %1 ends on %2")
                                    .arg(page + 1)
                                    .arg(lines.at(lines.size() - 2))));
        }
    }

    // The pages as laid out before printing: each heading shares its page
    // with at least the first two lines below it.
    void headingsStayWithTheirLines() {
        for (int extra = 0; extra < 40; ++extra) {
            SignInformation info = Aries();
            for (int i = 0; i < extra; ++i)
                info.Nature += "\r\nOne more line.";
            Composed r(info);
            r.document.setPageSize(QSizeF(400, 300));
            PaginateReport(r.document);
            int headings = 0;
            for (QTextBlock block = r.document.begin(); block.isValid(); block = block.next()) {
                if (!IsReportHeading(block))
                    continue;
                ++headings;
                const auto pageOf = [&r](const QTextBlock& b, int line) {
                    const QRectF box = r.document.documentLayout()->blockBoundingRect(b);
                    const QTextLine l =
                        b.layout()->lineAt(std::min(line, b.layout()->lineCount() - 1));
                    return int((box.top() + l.y()) / 300);
                };
                QVERIFY2(pageOf(block, 0) == pageOf(block.next(), 1),
                         qPrintable(QStringLiteral("+%1: %2").arg(extra).arg(block.text())));
            }
            QCOMPARE(headings, 8);
        }
    }

    void headerGoesAboveTheSections() {
        QTextDocument report;
        ComposeReportDocument(report, Aries());
        const QString plain = report.toPlainText();
        const ReportHeader header{QStringLiteral("Asha"),
                                  QStringLiteral("Asha, 15 Jul 1985 20:00, UT+1:00 BST")};
        const QString headed = HeadedReport(report, header)->toPlainText();
        // The name is isolated (FSI ... PDI): a right-to-left one cannot turn the line.
        QCOMPARE(headed, QChar(0x2068) + header.name + QChar(0x2069) + '\n' + header.summary +
                             "\n\n" + plain);
        QCOMPARE(report.toPlainText(), plain); // the shown report keeps its text
        QCOMPARE(HeadedReport(report, {})->toPlainText(), plain);

        QTemporaryDir dir;
        const QString path = dir.filePath("headed.pdf");
        QVERIFY(WriteReportPdf(Aries(), path, header));
        if (!test::HavePopplerTools())
            QSKIP("poppler-utils are not installed; the PDF's content is not checked");
        const QString text = test::PdfText(path);
        QVERIFY2(
            text.startsWith(header.name + ' ' + header.summary + ' ' + Headings()[0].trimmed()),
            qPrintable(text.left(120)));
    }
};

QTEST_MAIN(TestReportDocument)
#include "test_report_document.moc"
