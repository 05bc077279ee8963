#include "app/application.h"
#include "app/start_up.h"
#include "language/language.h"
#include "language/sign_texts.h"
#include "links/single_instance.h"
#include "links/update_reminder.h"
#include "signs/sign_tables.h"
#include "support/fake_platform.h"
#include "support/sample_births.h"
#include "windows/birthplace_finder.h"
#include "windows/frm_main.h"
#include "windows/frm_result.h"
#include "windows/frm_save.h"
#include "windows/program_menus.h"

#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

using namespace tivora;
using tivora::test::FakePlatform;

namespace {

// Delhi, 1 January 2000, 12:00, zone 5:30, 77°13' E, 28°37' N.
BirthEntry Delhi() {
    BirthEntry e = test::DelhiEntry();
    e.dst = true;
    e.east = false;
    e.south = true;
    return e;
}

// Lets windows that were unloaded finish deleting themselves.
void FlushDeletes() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// The text a label or box shows.
QString Shown(const QWidget* widget) {
    if (auto* label = qobject_cast<const QLabel*>(widget))
        return label->text();
    if (auto* line = qobject_cast<const QLineEdit*>(widget))
        return line->text();
    if (auto* text = qobject_cast<const QPlainTextEdit*>(widget))
        return text->toPlainText();
    return QString();
}

QList<frmResult*> HiddenResultWindows() {
    QList<frmResult*> found;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* result = qobject_cast<frmResult*>(w); result && !result->isVisible())
            found.append(result);
    return found;
}

} // namespace

class TestApplication : public QObject {
    Q_OBJECT

    std::unique_ptr<FakePlatform> platform;
    std::unique_ptr<Application> app;

    void click(QWidget* window, const char* name) {
        QVERIFY(window);
        auto* button = window->findChild<QPushButton*>(QString::fromLatin1(name));
        QVERIFY2(button, name);
        QTest::mouseClick(button, Qt::LeftButton);
    }

    // Fills the main window and presses "Find My Lagna".
    void calculate() {
        frmMain* main = app->mainWindow();
        QVERIFY(main);
        main->setEntry(Delhi());
        click(main, "cmdCalculate");
    }

private slots:
    void init() {
        platform = std::make_unique<FakePlatform>();
        app = std::make_unique<Application>(*platform);
    }
    void cleanup() {
        app.reset();
        FlushDeletes();
        platform.reset();
    }

    void startUpRefusesASecondCopyAndShowsNothing() {
        QTemporaryDir dir;
        const QString lock = dir.filePath(QStringLiteral("tivora.lock"));
        SingleInstanceGuard first(lock);
        QVERIFY(first.tryAcquire());
        // A reminder would be due, but a second copy asks nothing else.
        platform->settings.insert(kLastReminderKey,
                                  EncodeReminderDate(platform->today().addDays(-30)));
        SingleInstanceGuard second(lock);
        QVERIFY(!StartProgram(*platform, *app, second, 0.0));
        QCOMPARE(platform->messageTexts(), QStringList{"Application is already running"});
        QVERIFY(!app->mainWindow());
    }

    void startUpRemindsThenShowsTheMainWindowThenDraws_data() {
        QTest::addColumn<double>("draw");
        QTest::addColumn<bool>("cobrand");
        QTest::newRow("1: co-brand") << 0.0 << true;
        QTest::newRow("2: full brand") << 0.2 << false;
        QTest::newRow("5: co-brand") << 0.7 << true;
        QTest::newRow("7: as designed") << 0.95 << false;
    }
    void startUpRemindsThenShowsTheMainWindowThenDraws() {
        QFETCH(double, draw);
        QFETCH(bool, cobrand);
        QTemporaryDir dir;
        SingleInstanceGuard instance(dir.filePath(QStringLiteral("tivora.lock")));
        platform->settings.insert(kLastReminderKey,
                                  EncodeReminderDate(platform->today().addDays(-30)));
        platform->answers.push_back(Platform::Answer::No);
        bool windowDuringQuestion = true;
        platform->onMessage = [&](const FakePlatform::Shown&) {
            windowDuringQuestion = app->mainWindow() != nullptr;
        };
        QVERIFY(StartProgram(*platform, *app, instance, draw));
        QVERIFY(instance.isHeld());
        QCOMPARE(platform->messages.size(), 1);
        QCOMPARE(platform->messages[0].buttons, Platform::Buttons::YesNo);
        QVERIFY(!windowDuringQuestion);
        QVERIFY(app->mainWindow() && app->mainWindow()->isVisible());
        QCOMPARE(app->mainWindow()->cobrandInFront(), cobrand);
    }

    void startsWithTheMainWindow() {
        QVERIFY(!app->mainWindow());
        frmMain* main = app->showMainWindow();
        QVERIFY(main);
        QCOMPARE(app->mainWindow(), main);
        QVERIFY(main->isVisible());
        QVERIFY(!app->resultWindow());
        // Asking again shows the same window rather than a second one.
        QCOMPARE(app->showMainWindow(), main);
    }

    void calculateSwapsInTheResultWindow() {
        QPointer<frmMain> main = app->showMainWindow();
        QSignalSpy quitting(app.get(), &Application::quitting);
        calculate();
        QVERIFY(platform->messages.isEmpty());

        QPointer<frmResult> result = app->resultWindow();
        QVERIFY(result);
        QVERIFY(result->isVisible());
        QCOMPARE(result->currentPage(), 1);
        QVERIFY(!app->mainWindow());
        QVERIFY(main && !main->isVisible());
        // Taken apart once the result window is on the screen.
        QVERIFY(QTest::qWaitForWindowExposed(result));
        QTRY_VERIFY(main.isNull());
        QCOMPARE(quitting.count(), 0); // the program keeps running

        QCOMPARE(QString::fromStdString(app->chart().AscendantText).right(3),
                 QStringLiteral("Pis"));
        QCOMPARE(app->chart().BirthName, std::string("Asha"));
        // The application's reading is now Pisces, and the result window shows it.
        QCOMPARE(app->signs().EnglishName.substr(0, 3), std::string("Pis"));
        QCOMPARE(result->findChild<QLabel*>(QStringLiteral("lblVedicName"))->text(),
                 QString::fromStdString(app->signs().VedicName));
    }

    void calculateUsesTheWindowBuiltWhileTheBirthWasEntered() {
        frmMain* main = app->showMainWindow();
        QVERIFY(QTest::qWaitForWindowExposed(main));
        QTest::qWait(400);
        QList<frmResult*> ready = HiddenResultWindows();
        QCOMPARE(ready.size(), 1);
        QPointer<frmResult> prepared = ready.front();
        calculate();
        QCOMPARE(app->resultWindow(), prepared.data());
        QVERIFY(prepared->isVisible());
        QCOMPARE(prepared->currentPage(), 1);
        QCOMPARE(prepared->findChild<QLabel*>(QStringLiteral("lblVedicName"))->text(),
                 QString::fromStdString(app->signs().VedicName));
        QCOMPARE(prepared->findChild<QLineEdit*>(QStringLiteral("txtEnglishName"))->text(),
                 QString::fromStdString(app->signs().EnglishName));
        // Laid out as a window built for this reading at Calculate would be.
        QVERIFY(QTest::qWaitForWindowExposed(prepared));
        frmResult direct(*platform, app->signs());
        direct.setBirthSummary(app->birthSummary());
        direct.show();
        QVERIFY(QTest::qWaitForWindowExposed(&direct));
        QCOMPARE(prepared->size(), direct.size());
        for (QWidget* part : direct.findChildren<QWidget*>()) {
            if (part->objectName().isEmpty() || !part->isVisible())
                continue;
            auto* same = prepared->findChild<QWidget*>(part->objectName());
            QVERIFY2(same && same->geometry() == part->geometry(), qPrintable(part->objectName()));
            QCOMPARE(Shown(same), Shown(part));
        }
        // None is built while the result window is up.
        QTest::qWait(400);
        QVERIFY(HiddenResultWindows().isEmpty());
    }

    void startUpFollowsTheStoredLanguageElseTheSystems() {
        const auto environment = [](const char* lang) {
            return [lang](const char* name) {
                return qstrcmp(name, "LANG") == 0 ? QString::fromLatin1(lang) : QString();
            };
        };
        StartInChosenLanguage(*platform, environment("hi_IN.UTF-8"));
        QCOMPARE(InstalledLanguage(), QStringLiteral("hi"));
        platform->settings.insert(QString::fromLatin1(kLanguageKey), QStringLiteral("en"));
        StartInChosenLanguage(*platform, environment("hi_IN.UTF-8"));
        QCOMPARE(InstalledLanguage(), QStringLiteral("en"));
        platform->settings.insert(QString::fromLatin1(kLanguageKey), QStringLiteral("hi"));
        StartInChosenLanguage(*platform, environment("C"));
        QCOMPARE(InstalledLanguage(), QStringLiteral("hi"));
        InstallLanguage(QStringLiteral("en"));
    }

    void aWindowPreparedBeforeHindiIsChosenIsNotShown() {
        frmMain* main = app->showMainWindow();
        QVERIFY(QTest::qWaitForWindowExposed(main));
        QTest::qWait(400);
        QCOMPARE(HiddenResultWindows().size(), 1);
        QPointer<frmResult> prepared = HiddenResultWindows().front();
        main->findChild<QAction*>(QStringLiteral("mnuHindi"))->trigger();
        calculate();
        const QString sign =
            QString::fromStdString(TranslatedSignInformation(app->signs()).VedicName);
        InstallLanguage(QStringLiteral("en"));
        QVERIFY(app->resultWindow());
        QVERIFY(app->resultWindow() != prepared.data());
        QCOMPARE(app->resultWindow()->findChild<QPushButton*>(QStringLiteral("cmdSave"))->text(),
                 QStringLiteral("सहेजें (&S)"));
        // The status line too, its ascendant named by the sign's Hindi name.
        const QString summary = app->birthSummary();
        QVERIFY2(summary.contains(QStringLiteral(", लग्न ")) &&
                     !summary.contains(QStringLiteral("Ascendant")) &&
                     summary.endsWith(QChar(0x00A0) + sign),
                 qPrintable(summary));
    }

    void failedCalculateKeepsTheMainWindow() {
        frmMain* main = app->showMainWindow();
        click(main, "cmdCalculate");
        QCOMPARE(platform->messageTexts(), QStringList{"Please Enter Name"});
        QCOMPARE(app->mainWindow(), main);
        QVERIFY(main->isVisible());
        QVERIFY(!app->resultWindow());
    }

    void backGivesAFreshMainWindow() {
        app->showMainWindow();
        calculate();
        QPointer<frmResult> result = app->resultWindow();
        QVERIFY(result);
        result->ShowPage(4);
        click(result, "cmdBack");

        frmMain* main = app->mainWindow();
        QVERIFY(main);
        QVERIFY(main->isVisible());
        QVERIFY(!app->resultWindow());
        FlushDeletes();
        QVERIFY(result.isNull());

        const BirthEntry e = main->entry();
        QVERIFY(e.name.empty() && e.lonDegrees.empty() && e.lonMinutes.empty() &&
                e.latDegrees.empty() && e.latMinutes.empty() && e.zoneHour.empty() &&
                e.zoneMinute.empty() && e.city.empty() && e.state.empty() && e.country.empty());
        QCOMPARE(main->findChild<QComboBox*>(QStringLiteral("cboMonth"))->currentText(),
                 QStringLiteral("January"));
        QCOMPARE(main->findChild<QComboBox*>(QStringLiteral("cboDate"))->currentText(),
                 QStringLiteral("1"));
        QCOMPARE(main->findChild<QComboBox*>(QStringLiteral("cboYear"))->currentText(),
                 QStringLiteral("1901"));
        QVERIFY(e.hour == 0 && e.minute == 0 && e.second == 0);
        QVERIFY(e.east && !e.south && !e.dst);
        QVERIFY(!main->cobrandInFront());
        // The reading lives on in the chart record.
        QCOMPARE(app->chart().BirthName, std::string("Asha"));

        // Calculate again: a new result window on its first page.
        calculate();
        QVERIFY(app->resultWindow());
        QVERIFY(app->resultWindow() != result.data());
        QCOMPARE(app->resultWindow()->currentPage(), 1);
    }

    void backFromTheMenu() {
        app->showMainWindow();
        calculate();
        auto* back = app->resultWindow()->findChild<QAction*>(QStringLiteral("mnuBack"));
        QVERIFY(back);
        back->trigger();
        QVERIFY(app->mainWindow());
        QVERIFY(!app->resultWindow());
    }

    void closingTheMainWindowQuits() {
        QPointer<frmMain> main = app->showMainWindow();
        QSignalSpy quitting(app.get(), &Application::quitting);
        QVERIFY(main->close()); // as the close box does
        QCOMPARE(quitting.count(), 1);
        QVERIFY(!main || !main->isVisible());
        QVERIFY(!app->resultWindow());
    }

    void closingTheResultWindowQuits() {
        app->showMainWindow();
        calculate();
        QPointer<frmResult> result = app->resultWindow();
        QSignalSpy quitting(app.get(), &Application::quitting);
        QVERIFY(result->close());
        QCOMPARE(quitting.count(), 1);
        QVERIFY(!result || !result->isVisible());
        for (QWidget* w : QApplication::topLevelWidgets())
            QVERIFY2(!w->isVisible(), qPrintable(w->objectName()));
    }

    void quitClosesEveryWindowOnce() {
        app->showMainWindow();
        QWidget stray; // another window of the program
        stray.show();
        QSignalSpy quitting(app.get(), &Application::quitting);
        app->quitApplication();
        QCOMPARE(quitting.count(), 1);
        QVERIFY(!stray.isVisible());
        QVERIFY(!app->mainWindow() || !app->mainWindow()->isVisible());
    }

    void saveOpensTheReportOverTheResult() {
        app->showMainWindow();
        calculate();
        frmResult* result = app->resultWindow();
        QString reportText;
        QWidget* reportParent = nullptr;
        int shown = 0;
        platform->dialogs.push_back([&](QDialog& dialog) {
            ++shown;
            auto* report = qobject_cast<frmSave*>(&dialog);
            if (report)
                reportText = report->reportText();
            reportParent = dialog.parentWidget();
            return int(QDialog::Rejected);
        });
        click(result, "cmdSave");
        QCOMPARE(shown, 1);
        QCOMPARE(reportParent, result);
        // The report is built from this reading.
        QVERIFY2(reportText.contains(QString::fromStdString(app->signs().VedicName)),
                 qPrintable(reportText.left(200)));
        QCOMPARE(app->resultWindow(), result);
        QVERIFY(result->isVisible());
    }

    void aboutShowsTheAboutWindowOverTheMainWindow() {
        frmMain* main = app->showMainWindow();
        auto* about = main->findChild<QAction*>(QStringLiteral("mnuAbout"));
        QVERIFY(about);
        platform->dialogs.push_back([](QDialog&) { return int(QDialog::Accepted); });
        about->trigger();
        QCOMPARE(platform->modals.size(), 1);
        QCOMPARE(platform->modals[0].className, QStringLiteral("tivora::frmAbout"));
        QCOMPARE(platform->modals[0].parent, main);
        QVERIFY(platform->openedUrls.isEmpty());
    }
};

QTEST_MAIN(TestApplication)
#include "test_application.moc"
