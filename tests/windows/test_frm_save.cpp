#include "links/vendor_pages.h"
#include "report/pdf_checks.h"
#include "report/reading_file.h"
#include "report/reading_file_checks.h"
#include "report/report_document.h"
#include "report/report_sections.h"
#include "support/fake_platform.h"
#include "ui/widgets.h"
#include "windows/frm_save.h"
#include "windows/reading_commands.h"

#include <QFrame>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

using namespace tivora;
using tivora::test::FakePlatform;

namespace {

SignInformation Leo() {
    SignInformation info;
    SelectSignInformation("Leo", info);
    return info;
}

ChartRecord SomeChart() {
    ChartRecord c;
    c.BirthName = "Meera";
    c.BirthMonth = 7;
    c.BirthDay = 15;
    c.BirthYear = 1980;
    c.BirthHour = 8;
    c.BirthMinute = 30;
    c.LonDegrees = 74;
    c.LatDegrees = 40;
    c.LatMinutes = 43;
    c.ZoneHours = 5;
    c.IsDST = true;
    return c;
}

QByteArray ReadFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString Lf(QString text) {
    return text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
}

// A shown report window and what it is made of.
struct Window {
    FakePlatform platform;
    ChartRecord chart = SomeChart();
    SignInformation info = Leo();
    frmSave form{platform, chart, info};

    Window() {
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
    }
    ReportBox* box() { return form.findChild<ReportBox*>(QStringLiteral("RTB")); }
    template <typename T> T* find(const char* name) {
        return form.findChild<T*>(QLatin1String(name));
    }

    // Viewport point in the middle of the character at position.
    QPoint pointAt(int position) {
        ReportBox* rtb = box();
        QTextCursor cursor(rtb->document());
        cursor.setPosition(position);
        rtb->setTextCursor(cursor);
        rtb->ensureCursorVisible();
        const QRect left = rtb->cursorRect(cursor);
        cursor.setPosition(position + 1);
        const QRect right = rtb->cursorRect(cursor);
        return QPoint((left.x() + right.x()) / 2, left.center().y());
    }
    int positionOf(const QString& text, int from = 0) {
        return int(box()->document()->toPlainText().indexOf(text, from));
    }
    void click(int position, Qt::MouseButton button) {
        QTest::mouseClick(box()->viewport(), button, {}, pointAt(position));
    }
};

} // namespace

class TestFrmSave : public QObject {
    Q_OBJECT

private slots:
    void controlsCarryTheirNamesAndCaptions() {
        Window w;
        QCOMPARE(w.form.windowTitle(), QStringLiteral("Tivora v2.05"));
        QVERIFY(w.form.isModal());
        QCOMPARE(w.find<QPushButton>("cmdSave")->text(), QStringLiteral("&Save"));
        QCOMPARE(w.find<QPushButton>("cmdPrint")->text(), QStringLiteral("&Print"));
        auto* frame = w.find<QFrame>("fraFullBrand");
        QVERIFY(frame);
        QCOMPARE(w.find<LinkLabel>("lblFullBrand")->parentWidget(), frame);
        QCOMPARE(w.find<LinkLabel>("lblCobrand")->parentWidget(), frame);
        QCOMPARE(w.find<LinkLabel>("lblFullBrand")->text(),
                 QStringLiteral("Home Business Opportunity. Start your own Internet business and "
                                "make money online. Get this software fully branded for your "
                                "website. Click here for more details."));
        QCOMPARE(w.find<LinkLabel>("lblCobrand")->text(),
                 QStringLiteral("Co-brand this software for your site.  Increase loyalty and "
                                "traffic to your site. Put your site's name &  link here. See "
                                "\"Help\" for details.    Click Here for more info on "
                                "co-branding."));
        QCOMPARE(w.find<LinkLabel>("Label3")->text(),
                 "Click Here To Visit " + VendorSiteAddress() + " Now");
        QCOMPARE(w.find<LinkLabel>("Label14")->text(),
                 QStringLiteral("The Most Popular Online Kestrune Discussion Board"));
        QVERIFY(w.box()->isReadOnly());
        QCOMPARE(w.find<QPushButton>("cmdSavePDF")->text(), QStringLiteral("Save &as PDF"));
        QCOMPARE(w.box()->document()->defaultFont(), ReportBaseFont());
        QCOMPARE(ReportBaseFont().families(), VerdanaFont(9.75).families());
        QCOMPARE(ReportBaseFont().pointSizeF(), 9.75);
    }

    void labelsOpenTheirPages_data() {
        QTest::addColumn<QString>("label");
        QTest::addColumn<int>("page");
        QTest::newRow("lblFullBrand") << "lblFullBrand" << int(VendorPage::FullyBranded);
        QTest::newRow("lblCobrand") << "lblCobrand" << int(VendorPage::CoBrand);
        QTest::newRow("Label3") << "Label3" << int(VendorPage::Home);
        QTest::newRow("Label14") << "Label14" << int(VendorPage::Home);
    }
    void labelsOpenTheirPages() {
        QFETCH(QString, label);
        QFETCH(int, page);
        Window w;
        QTest::mouseClick(w.find<LinkLabel>(qPrintable(label)), Qt::LeftButton);
        QCOMPARE(w.platform.openedUrls, QList<QUrl>{VendorPageUrl(VendorPage(page))});
        QVERIFY(w.platform.messages.isEmpty());
    }

    void showsTheReportAndTheSameOneEachTime() {
        Window first;
        const QString expected = QString::fromStdString(ReportPlainText(first.info));
        QCOMPARE(first.form.reportText(), expected);
        Window second;
        QCOMPARE(second.form.reportText(), expected);
        QCOMPARE(second.box()->document()->toHtml(), first.box()->document()->toHtml());
    }

    void leftPressOnTheFooterLinkOpensIt() {
        Window w;
        const QString footer = QString::fromStdString(ReportFooter());
        const int last = int(w.box()->document()->toPlainText().lastIndexOf(footer));
        const int address = last + int(footer.size() - VendorSite().size()) + 4;
        QVERIFY(w.box()->document()->characterCount() > address);

        w.click(address, Qt::RightButton);
        w.click(address, Qt::MiddleButton);
        QVERIFY(w.platform.openedUrls.isEmpty());
        w.click(address, Qt::LeftButton);
        QCOMPARE(w.platform.openedUrls, QList<QUrl>{QUrl(VendorSite())});
        // The first footer is a link as well.
        const int first = w.positionOf(footer) + int(footer.size()) - 3;
        w.click(first, Qt::LeftButton);
        QCOMPARE(w.platform.openedUrls.size(), 2);
        QVERIFY(w.platform.messages.isEmpty());
    }

    void clicksElsewhereOpenNothing() {
        Window w;
        const QString footer = QString::fromStdString(ReportFooter());
        w.click(w.positionOf(QStringLiteral("Common")) + 2, Qt::LeftButton);
        w.click(w.positionOf(QStringLiteral("Vedic Name")) + 2, Qt::LeftButton);
        w.click(w.positionOf(footer) + 3, Qt::LeftButton); // "Report Generated By"
        const int lastFooter = int(w.box()->document()->toPlainText().lastIndexOf(footer));
        const QPoint belowText = w.pointAt(lastFooter) + QPoint(0, 200);
        QTest::mouseClick(w.box()->viewport(), Qt::LeftButton, {}, belowText);
        QVERIFY(w.platform.openedUrls.isEmpty());
    }

    void webAddressesInTheTextOpenAsWebPagesOnly() {
        FakePlatform platform;
        OpenReportLink(platform, QStringLiteral("file:///etc/passwd"));
        OpenReportLink(platform, QStringLiteral("javascript:alert(1)"));
        OpenReportLink(platform, QStringLiteral("ftp://example.com/x"));
        OpenReportLink(platform, QStringLiteral("https://"));
        QVERIFY(platform.openedUrls.isEmpty());
        OpenReportLink(platform, QStringLiteral("http://www.example.org"));
        QCOMPARE(platform.openedUrls, QList<QUrl>{QUrl("http://www.example.org")});

        Window w;
        w.info.Health = "Visit www.example.org daily.";
        frmSave form(w.platform, w.chart, w.info);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        auto* box = form.findChild<ReportBox*>(QStringLiteral("RTB"));
        QSignalSpy pressed(box, &ReportBox::linkPressed);
        const int at = int(box->document()->toPlainText().indexOf(QStringLiteral("example.org")));
        QTextCursor cursor(box->document());
        cursor.setPosition(at);
        box->setTextCursor(cursor);
        box->ensureCursorVisible();
        QTest::mouseClick(box->viewport(), Qt::LeftButton, {},
                          box->cursorRect(cursor).center() + QPoint(3, 0));
        QCOMPARE(pressed.size(), 1);
        QCOMPARE(pressed.first().first().toString(), QStringLiteral("http://www.example.org"));
        QCOMPARE(w.platform.openedUrls, QList<QUrl>{QUrl("http://www.example.org")});
    }

    void printSendsTheWholeReport() {
        Window w;
        QTextCursor part(w.box()->document());
        part.setPosition(10);
        part.setPosition(60, QTextCursor::KeepAnchor);
        w.box()->setTextCursor(part);
        QVERIFY(w.box()->textCursor().hasSelection());

        w.form.setPrintJobName(QStringLiteral("job-1"));
        QTest::mouseClick(w.find<QPushButton>("cmdPrint"), Qt::LeftButton);
        QCOMPARE(w.platform.printed.size(), 1);
        QCOMPARE(w.platform.printed[0].jobName, QStringLiteral("job-1"));
        QCOMPARE(w.platform.printed[0].plainText,
                 Lf(QString::fromStdString(ReportPlainText(w.info))));
        QVERIFY(w.platform.printed[0].html.contains(QStringLiteral("#800080")));
        QVERIFY(!w.box()->textCursor().hasSelection());
        QVERIFY(w.platform.messages.isEmpty());
    }

    void printWithoutAPrinterSaysSo() {
        Window w;
        w.platform.printerAvailable = false;
        const QString before = w.form.reportText();
        QTest::mouseClick(w.find<QPushButton>("cmdPrint"), Qt::LeftButton);
        QCOMPARE(w.platform.messages.size(), 1);
        QCOMPARE(w.platform.messages[0].title, QStringLiteral("Tivora"));
        // The old first line, then how to set up a default printer.
        const QString text = w.platform.messages[0].text;
        QVERIFY(text.startsWith(QStringLiteral("Could Not Print The Report.\n\n")));
        QVERIFY(text.contains(QStringLiteral("make it the default")));
        QVERIFY(text.contains(QStringLiteral("lpadmin -d")));
        QCOMPARE(w.platform.messages[0].icon, Platform::Icon::Error);
        QCOMPARE(w.platform.messages[0].buttons, Platform::Buttons::Ok);
        QCOMPARE(w.form.reportText(), before);
    }

    void saveAsPdfWritesTheCommandLineReport() {
        Window w;
        QTemporaryDir dir;
        const QString path = dir.filePath("leo.pdf");
        w.platform.fileNames.push_back(path);
        QTest::mouseClick(w.find<QPushButton>("cmdSavePDF"), Qt::LeftButton);
        QCOMPARE(w.platform.fileRequests.size(), 1);
        const auto& asked = w.platform.fileRequests[0];
        QVERIFY(asked.save);
        QCOMPARE(asked.request.filter, QStringLiteral("PDF (*.pdf)"));
        QCOMPARE(asked.request.defaultSuffix, QStringLiteral("pdf"));
        QVERIFY(w.platform.messages.isEmpty());
        QVERIFY(ReadFile(path).startsWith("%PDF-"));
        // The same pages as the command line's report of the same reading.
        const QString cli = dir.filePath("cli.pdf");
        QVERIFY(WriteReportPdf(w.info, cli));
        if (!test::HavePopplerTools())
            QSKIP("poppler-utils are not installed; the PDF's content is not compared");
        QCOMPARE(test::PdfText(path), test::PdfText(cli));
        QVERIFY(test::PdfText(path).contains(QStringLiteral("Simha")));

        // Cancelled: nothing written, nothing said. Failed: said.
        w.platform.fileRequests.clear();
        w.platform.fileNames.push_back(QString());
        QTest::mouseClick(w.find<QPushButton>("cmdSavePDF"), Qt::LeftButton);
        QCOMPARE(w.platform.fileRequests.size(), 1);
        QVERIFY(w.platform.messages.isEmpty());
        w.platform.fileNames.push_back(dir.filePath("missing/leo.pdf"));
        w.form.cmdSavePDF_Click();
        QCOMPARE(w.platform.messageTexts(), QStringList{"Could Not Save The PDF File."});
        QCOMPARE(w.platform.messages[0].icon, Platform::Icon::Error);
    }

    void saveWritesTheCurrentChartRecord() {
        Window w;
        QTemporaryDir dir;
        const QString path = dir.filePath("meera.tvr");
        w.platform.fileNames.push_back(path);
        w.chart.BirthName = "Meera Devi"; // changed after the window was made
        QTest::mouseClick(w.find<QPushButton>("cmdSave"), Qt::LeftButton);

        QCOMPARE(w.platform.fileRequests.size(), 1);
        const auto& asked = w.platform.fileRequests[0];
        QVERIFY(asked.save);
        QCOMPARE(asked.request.title, QStringLiteral("Save Your Lagna Details"));
        QCOMPARE(asked.request.filter, QStringLiteral("Rich Text Format (*.tvr)"));
        QCOMPARE(asked.request.defaultSuffix, QStringLiteral("tvr"));
        QCOMPARE(ReadFile(path), ReadingFileBytes(w.chart));
        BirthEntry entry;
        QCOMPARE(OpenReadingFile(path, entry), OpenResult::Applied);
        QCOMPARE(entry.name, std::string("Meera Devi"));
        QVERIFY(w.platform.messages.isEmpty());
    }

    void cancelledSaveDoesNothing() {
        Window w;
        w.platform.fileNames.push_back(QString()); // the user cancels
        QTest::mouseClick(w.find<QPushButton>("cmdSave"), Qt::LeftButton);
        QCOMPARE(w.platform.fileRequests.size(), 1);
        QVERIFY(w.platform.messages.isEmpty());
        QVERIFY(w.platform.printed.isEmpty());
    }

    void failedSaveSaysSoAndKeepsTheEarlierFile() {
        Window w;
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("taken.tvr")));
        for (const QString& path :
             {dir.filePath("missing/r.tvr"), QStringLiteral("/proc/self/r.tvr"),
              dir.filePath("taken.tvr")}) {
            w.platform.messages.clear();
            w.platform.fileNames.push_back(path);
            w.form.cmdSave_Click();
            QCOMPARE(w.platform.messageTexts(), QStringList{"Could Not Save The File."});
            QCOMPARE(w.platform.messages[0].icon, Platform::Icon::Error);
        }
        QVERIFY(QFileInfo(dir.filePath("taken.tvr")).isDir());
    }

    void openCommandFillsTheEntryOrSaysWhy() {
        FakePlatform platform;
        const BirthEntry before = test::EntryBeforeOpen();
        BirthEntry entry = before;
        platform.fileNames.push_back(QString()); // the user cancels
        QVERIFY(!OpenReadingCommand(platform, nullptr, entry));
        QVERIFY(platform.messages.isEmpty());
        QCOMPARE(platform.fileRequests.size(), 1);
        QVERIFY(!platform.fileRequests[0].save);
        QCOMPARE(platform.fileRequests[0].request.title, QStringLiteral("Select the source file"));
        QCOMPARE(platform.fileRequests[0].request.filter, QStringLiteral("Tivora (*.tvr)"));
        QCOMPARE(platform.fileRequests[0].request.defaultSuffix, QStringLiteral("tvr"));

        QTemporaryDir dir;
        const QString good = dir.filePath("good.tvr");
        QVERIFY(SaveReadingFile(SomeChart(), good));
        QVERIFY(QFile::copy(good, dir.filePath("good.TVR")));
        for (const QString& path : {dir.filePath("good.TVR"), dir.filePath("missing.tvr")}) {
            platform.messages.clear();
            platform.fileNames.push_back(path);
            QVERIFY(!OpenReadingCommand(platform, nullptr, entry));
            QCOMPARE(platform.messageTexts(), QStringList{"Please Check The File."});
            QCOMPARE(platform.messages[0].icon, Platform::Icon::Error);
            QVERIFY(test::SameEntry(entry, before));
        }
        platform.messages.clear();
        platform.fileNames.push_back(good);
        QVERIFY(OpenReadingCommand(platform, nullptr, entry));
        QVERIFY(platform.messages.isEmpty());
        QCOMPARE(entry.name, std::string("Meera"));
        QCOMPARE(entry.month, 6);
    }

    void nothingIsClipped() {
        Window w;
        QCoreApplication::processEvents();
        for (const char* name : {"lblFullBrand", "lblCobrand", "Label3", "Label14"}) {
            auto* label = w.find<LinkLabel>(name);
            QVERIFY2(label->height() >= label->heightForWidth(label->width()), name);
            QVERIFY2(label->width() > 50, name);
        }
        for (const char* name : {"cmdSave", "cmdPrint", "cmdSavePDF"}) {
            auto* button = w.find<QPushButton>(name);
            QVERIFY2(button->width() >= button->sizeHint().width(), name);
            QVERIFY2(button->height() >= button->sizeHint().height(), name);
        }
        // The report box shows a good part of the report, not a sliver.
        const int lineHeight = QFontMetrics(VerdanaFont(9.75)).lineSpacing();
        QVERIFY(w.box()->viewport()->height() > 12 * lineHeight);

        const QString shots = qEnvironmentVariable("TIVORA_SHOTS_DIR");
        if (!shots.isEmpty()) {
            const qreal ratio = w.form.devicePixelRatioF();
            const QString name =
                ratio > 1.5 ? QStringLiteral("frmSave-2x.png") : QStringLiteral("frmSave.png");
            QDir().mkpath(shots);
            QVERIFY(w.form.grab().save(QDir(shots).filePath(name)));
        }
    }
};

QTEST_MAIN(TestFrmSave)
#include "test_frm_save.moc"
