#include "app/qt_platform.h"
#include "report/pdf_checks.h"
#include "report/report_document.h"
#include "report/report_sections.h"
#include "windows/frm_save.h"

#include <QApplication>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

using namespace tivora;

namespace {

// What cups-start.sh set up: key=value lines.
QMap<QString, QString> FixtureState() {
    QMap<QString, QString> state;
    QFile file(qEnvironmentVariable("TIVORA_CUPS_STATE") + QStringLiteral("/state"));
    if (!file.open(QIODevice::ReadOnly))
        return state;
    for (const QByteArray& line : file.readAll().split('\n')) {
        const qsizetype eq = line.indexOf('=');
        if (eq > 0)
            state.insert(QString::fromUtf8(line.left(eq)), QString::fromUtf8(line.mid(eq + 1)));
    }
    return state;
}

QString FindPdf(const QString& folder, const QString& jobName) {
    QDirIterator it(folder, {QStringLiteral("*.pdf")}, QDir::Files);
    while (it.hasNext()) {
        const QString path = it.next();
        if (QFileInfo(path).fileName().contains(jobName))
            return path;
    }
    return {};
}

} // namespace

class TestReportPrint : public QObject {
    Q_OBJECT

private slots:
    void printsTheWholeReportOnTheDefaultPrinter() {
        if (qEnvironmentVariableIsEmpty("TIVORA_CUPS_STATE"))
            QSKIP("run through ctest, whose CUPS fixture sets up the printer");
        const QMap<QString, QString> state = FixtureState();
        if (state.contains(QStringLiteral("skip")))
            QSKIP(qPrintable(state.value(QStringLiteral("skip"))));
        const QString out = state.value(QStringLiteral("out"));
        QVERIFY2(!out.isEmpty(), "the CUPS fixture did not run");

        QtPlatform platform;
        ChartRecord chart;
        SignInformation info;
        SelectSignInformation("Sag", info);
        frmSave form(platform, chart, info);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        const QString job = QStringLiteral("TivoraPrintTest%1x%2")
                                .arg(QCoreApplication::applicationPid())
                                .arg(QDateTime::currentMSecsSinceEpoch());
        form.setPrintJobName(job);

        // A message box would wait for a user: note and close any.
        QStringList boxes;
        QTimer watch;
        connect(&watch, &QTimer::timeout, this, [&boxes] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                boxes << box->text();
                box->done(QMessageBox::Ok);
            }
        });
        watch.start(100);
        QTest::mouseClick(form.findChild<QPushButton*>(QStringLiteral("cmdPrint")), Qt::LeftButton);
        watch.stop();
        QVERIFY2(boxes.isEmpty(), qPrintable(boxes.join(QLatin1Char('\n'))));

        // cups-pdf writes the file a moment after the job is queued.
        QString pdf;
        QString text;
        QElapsedTimer timer;
        timer.start();
        while (timer.elapsed() < 60000) {
            pdf = FindPdf(out, job);
            if (!pdf.isEmpty()) {
                text = test::PdfText(pdf);
                if (text.contains(QString::fromStdString(ReportFooter()).simplified()))
                    break;
            }
            QTest::qWait(250);
        }
        QVERIFY2(!pdf.isEmpty(), qPrintable("no PDF for " + job + " in " + out));
        const auto cleanup = qScopeGuard([&pdf] { QFile::remove(pdf); });

        for (const ReportSection& section : ReportSections())
            QVERIFY2(text.contains(QString::fromLatin1(section.heading).trimmed()),
                     section.heading);
        QCOMPARE(text.count(QString::fromStdString(ReportFooter())), 8);
        QVERIFY(text.contains(QString::fromStdString(info.VedicName)));
        // Numbered pages on the printer too.
        static const QRegularExpression lastPage(QStringLiteral("Page (\\d+) of \\1$"));
        QVERIFY2(text.contains(lastPage), qPrintable(text.right(80)));
        QVERIFY(text.contains(QStringLiteral("Page 1 of ")));
        // The printer got the look as well as the words.
        QVERIFY(test::PdfFonts(pdf).contains(QStringLiteral("Bold")));
        const QImage page = test::PdfFirstPage(pdf);
        QVERIFY(!page.isNull());
        QVERIFY(test::PixelsNear(page, kHeadingColor) > 50);
        QVERIFY(test::PixelsNear(page, kLabelColor) > 50);
    }
};

QTEST_MAIN(TestReportPrint)
#include "test_report_print.moc"
