#include "base/identity.h"
#include "engine/chart_record.h"
#include "language/entry_messages.h"
#include "language/language.h"
#include "links/vendor_pages.h"
#include "signs/sign_tables.h"
#include "support/fake_platform.h"
#include "support/sample_births.h"
#include "ui/tab_strip.h"
#include "windows/frm_about.h"
#include "windows/frm_main.h"
#include "windows/frm_result.h"
#include "windows/frm_save.h"
#include "windows/frm_time_zone.h"
#include "windows/program_menus.h"
#include "windows/window_texts.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QtTest>

#include <functional>
#include <memory>

using namespace tivora;
using tivora::test::FakePlatform;

namespace {

using Texts = QList<QPair<QString, QString>>; // where, text

void AddMenuTexts(QMenu& menu, const QString& where, Texts& texts) {
    texts.append({where + QStringLiteral(" title"), menu.title()});
    for (QAction* action : menu.actions()) {
        if (action->isSeparator())
            continue;
        if (action->menu())
            AddMenuTexts(*action->menu(), where + QLatin1Char('/') + action->objectName(), texts);
        else
            texts.append({where + QLatin1Char('/') + action->objectName(), action->text()});
    }
}

// Every text a person reads on the window, in a fixed order, with where it
// stands; not what the user typed or the reading's values.
Texts WindowTexts(QWidget& window) {
    Texts texts{{QStringLiteral("window title"), window.windowTitle()}};
    int n = 0;
    for (QWidget* widget : window.findChildren<QWidget*>()) {
        const QString where =
            QStringLiteral("%1 %2 #%3")
                .arg(widget->objectName(), QLatin1String(widget->metaObject()->className()))
                .arg(n++);
        if (!widget->toolTip().isEmpty())
            texts.append({where + QStringLiteral(" tooltip"), widget->toolTip()});
        if (auto* label = qobject_cast<QLabel*>(widget))
            texts.append({where, label->text()});
        else if (auto* button = qobject_cast<QAbstractButton*>(widget))
            texts.append({where, button->text()});
        else if (auto* group = qobject_cast<QGroupBox*>(widget))
            texts.append({where, group->title()});
        else if (auto* list = qobject_cast<QComboBox*>(widget))
            for (int i = 0; i < list->count(); ++i)
                texts.append({where + QString::number(i), list->itemText(i)});
        else if (auto* zones = qobject_cast<QListWidget*>(widget))
            for (int i = 0; i < zones->count(); ++i)
                texts.append({where + QString::number(i), zones->item(i)->text()});
        else if (auto* strip = qobject_cast<TabStrip*>(widget))
            for (int i = 0; i < strip->count(); ++i)
                texts.append({where + QString::number(i), strip->tabText(i)});
        else if (auto* bar = qobject_cast<QMenuBar*>(widget))
            for (QAction* action : bar->actions()) {
                if (action->menu())
                    AddMenuTexts(*action->menu(), where + action->menu()->objectName(), texts);
                else
                    texts.append({where + action->objectName(), action->text()});
            }
    }
    return texts;
}

// Names, addresses, numbers and signs read the same in either language.
bool SameInEitherLanguage(const QString& text) {
    static const QRegularExpression words(QStringLiteral("[A-Za-z]{2,}"));
    const QString rest = QString(text)
                             .remove(QString::fromLatin1(kWindowCaption))
                             .remove(QString::fromLatin1(kProgramTitle))
                             .remove(VendorSiteAddress())
                             .remove(QStringLiteral("English"));
    return !words.match(rest).hasMatch();
}

// Builds each window of the program and hands it to check, with a name.
void ForEachWindow(FakePlatform& platform, const std::function<void(QWidget&, QString)>& check) {
    ChartRecord chart;
    SignInformation info;
    SelectSignInformation("Leo", info);
    {
        frmMain main(platform, chart, info);
        check(main, QStringLiteral("main"));
    }
    {
        QLineEdit hours;
        QLineEdit minutes;
        frmTimeZone picker(hours, minutes);
        check(picker, QStringLiteral("picker"));
    }
    for (int page = 1; page <= 8; ++page) {
        frmResult result(platform, info);
        result.ShowPage(page);
        check(result, QStringLiteral("result page %1").arg(page));
    }
    {
        frmSave report(platform, chart, info);
        check(report, QStringLiteral("report"));
    }
    {
        frmAbout about(platform);
        check(about, QStringLiteral("about"));
    }
}

} // namespace

class TestHindiWindows : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { InstallLanguage(QString::fromLatin1(kEnglish)); }

    void everyTextIsHindi() {
        FakePlatform platform;
        QList<Texts> english;
        InstallLanguage(QString::fromLatin1(kEnglish));
        ForEachWindow(platform, [&](QWidget& window, const QString&) {
            english.append(WindowTexts(window));
        });
        QVERIFY(InstallLanguage(QString::fromLatin1(kHindi)));
        QStringList untranslated;
        int windows = 0;
        int compared = 0;
        ForEachWindow(platform, [&](QWidget& window, const QString& name) {
            const Texts hindi = WindowTexts(window);
            const Texts& before = english.at(windows++);
            QCOMPARE(hindi.size(), before.size());
            for (int i = 0; i < hindi.size(); ++i) {
                const QString& text = hindi.at(i).second;
                if (text == before.at(i).second && !SameInEitherLanguage(text))
                    untranslated << name + QStringLiteral(": ") + hindi.at(i).first +
                                        QStringLiteral(": ") + text;
                ++compared;
            }
        });
        QCOMPARE(windows, 12);
        QVERIFY(compared > 300);
        QVERIFY2(untranslated.isEmpty(), qPrintable(untranslated.join(QLatin1Char('\n'))));
    }

    void entryMessagesAreHindi() {
        QVERIFY(InstallLanguage(QString::fromLatin1(kHindi)));
        FakePlatform platform;
        ChartRecord chart;
        SignInformation info;
        frmMain main(platform, chart, info);
        // Nothing entered: the first check asks for the name.
        main.cmdCalculate_Click();
        QCOMPARE(platform.messageTexts(), QStringList{QStringLiteral("कृपया नाम लिखें")});
        platform.clear();
    }

    void readingAndReportShowTheSignInHindi() {
        QVERIFY(InstallLanguage(QString::fromLatin1(kHindi)));
        FakePlatform platform;
        ChartRecord chart;
        SignInformation leo;
        SelectSignInformation("Leo", leo);
        frmResult result(platform, leo);
        QCOMPARE(result.findChild<QLabel*>(QStringLiteral("lblVedicName"))->text(),
                 QStringLiteral("सिंह"));
        frmSave report(platform, chart, leo);
        QVERIFY(report.reportText().contains(QStringLiteral("सिंह")));
        QVERIFY(!report.reportText().contains(QStringLiteral("Simha")));
    }

    // Each check of the entry says what is wrong in Hindi: its text is one
    // the catalogue knows.
    void everyEntryMessageIsHindi() {
        using Change = std::function<void(BirthEntry&)>;
        const QList<Change> changes{
            [](BirthEntry& e) { e.name.clear(); },
            [](BirthEntry& e) { e.name = "A\x01"; },
            [](BirthEntry& e) { e.zoneHour.clear(); },
            [](BirthEntry& e) { e.lonDegrees.clear(); },
            [](BirthEntry& e) { e.lonMinutes.clear(); },
            [](BirthEntry& e) { e.latDegrees.clear(); },
            [](BirthEntry& e) { e.latMinutes.clear(); },
            [](BirthEntry& e) { e.lonDegrees = "7a"; },
            [](BirthEntry& e) { e.lonDegrees = "181"; },
            [](BirthEntry& e) { e.latDegrees = "91"; },
            [](BirthEntry& e) { e.zoneHour = "15"; },
            [](BirthEntry& e) {
                e.month = 1;
                e.day = 30;
            },
            [](BirthEntry& e) { e.city.clear(); },
            [](BirthEntry& e) { e.state.clear(); },
            [](BirthEntry& e) { e.country.clear(); },
        };
        QVERIFY(InstallLanguage(QString::fromLatin1(kHindi)));
        QStringList english;
        for (const Change& change : changes) {
            BirthEntry entry = test::DelhiEntry();
            change(entry);
            std::optional<EntryMessage> message = ValidateInput(entry);
            if (!message)
                message = CheckPlace(entry);
            QVERIFY(message);
            const QString text = QString::fromStdString(message->text);
            if (EntryMessageText(message->text) == text)
                english << text;
        }
        QVERIFY2(english.isEmpty(), qPrintable(english.join(QLatin1Char('\n'))));
    }

    void languageMenuKeepsTheChoiceForLaterWindows() {
        FakePlatform platform;
        ChartRecord chart;
        SignInformation info;
        auto main = std::make_unique<frmMain>(platform, chart, info);
        auto* menu = main->findChild<QMenu*>(QStringLiteral("mnuLanguage"));
        QVERIFY(menu);
        auto* english = main->findChild<QAction*>(QStringLiteral("mnuEnglish"));
        auto* hindi = main->findChild<QAction*>(QStringLiteral("mnuHindi"));
        QVERIFY(english && hindi);
        QVERIFY(english->isChecked() && !hindi->isChecked());

        hindi->trigger();
        QCOMPARE(platform.settings.value(QString::fromLatin1(kLanguageKey)).toString(),
                 QStringLiteral("hi"));
        QVERIFY(hindi->isChecked() && !english->isChecked());
        QCOMPARE(InstalledLanguage(), QStringLiteral("hi"));

        frmResult next(platform, info);
        QCOMPARE(next.findChild<QPushButton*>(QStringLiteral("cmdSave"))->text(),
                 QStringLiteral("सहेजें (&S)"));
        auto* nextHindi = next.findChild<QAction*>(QStringLiteral("mnuHindi"));
        QVERIFY(nextHindi && nextHindi->isChecked());

        next.findChild<QAction*>(QStringLiteral("mnuEnglish"))->trigger();
        QCOMPARE(platform.settings.value(QString::fromLatin1(kLanguageKey)).toString(),
                 QStringLiteral("en"));
        main = std::make_unique<frmMain>(platform, chart, info);
        QCOMPARE(main->findChild<QPushButton*>(QStringLiteral("cmdCalculate"))->text(),
                 QStringLiteral("Find My Lagna"));
    }

    // Hindi words run longer than English ones: every label and button still
    // gets the room its text asks for, at 1x and (as a second run) 2x.
    void nothingClippedInHindi() {
        QVERIFY(InstallLanguage(QString::fromLatin1(kHindi)));
        FakePlatform platform;
        QStringList clipped;
        ForEachWindow(platform, [&](QWidget& window, const QString& name) {
            window.show();
            QVERIFY(QTest::qWaitForWindowExposed(&window));
            QCoreApplication::processEvents();
            if (!qEnvironmentVariableIsEmpty("TIVORA_SHOTS"))
                window.grab().save(qEnvironmentVariable("TIVORA_SHOTS") + QStringLiteral("/hi-") +
                                   QString(name).replace(QLatin1Char(' '), QLatin1Char('-')) +
                                   QStringLiteral(".png"));
            for (QWidget* widget : window.findChildren<QWidget*>()) {
                if (!widget->isVisible() || widget->window() != &window)
                    continue;
                const QString where = name + QStringLiteral(": ") + widget->objectName() +
                                      QLatin1Char(' ') +
                                      QLatin1String(widget->metaObject()->className());
                const QRect inWindow(widget->mapTo(&window, QPoint(0, 0)), widget->size());
                if (!window.rect().contains(inWindow))
                    clipped << where + QStringLiteral(" sticks out");
                if (auto* label = qobject_cast<QLabel*>(widget)) {
                    if (!label->pixmap().isNull() || label->text().isEmpty())
                        continue;
                    const bool fits = label->wordWrap()
                                          ? label->heightForWidth(label->width()) <= label->height()
                                          : label->sizeHint().width() <= label->width() &&
                                                label->sizeHint().height() <= label->height();
                    if (!fits)
                        clipped << where + QStringLiteral(": ") + label->text();
                } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
                    if (button->sizeHint().width() > button->width() ||
                        button->minimumSizeHint().height() > button->height())
                        clipped << where + QStringLiteral(": ") + button->text();
                } else if (auto* group = qobject_cast<QGroupBox*>(widget)) {
                    if (group->minimumSizeHint().width() > group->width())
                        clipped << where + QStringLiteral(": ") + group->title();
                }
            }
            window.hide();
        });
        QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join(QLatin1Char('\n'))));
    }
};

QTEST_MAIN(TestHindiWindows)
#include "test_hindi_windows.moc"
