#include "base/scramble.h"
#include "links/update_reminder.h"
#include "links/vendor_pages.h"
#include "support/fake_platform.h"

#include <QtTest>

using namespace tivora;
using Answer = Platform::Answer;

namespace {

const QString kKey = QString::fromLatin1(kLastReminderKey);

// The last reminder `offset` days from the platform's today.
void StoreLastReminder(test::FakePlatform& platform, int offset) {
    platform.settings.insert(kKey, EncodeReminderDate(platform.today().addDays(offset)));
}

QDate StoredDate(test::FakePlatform& platform) {
    return DecodeReminderDate(platform.settings.value(kKey));
}

} // namespace

class TestUpdateReminder : public QObject {
    Q_OBJECT

private slots:
    void storedFormIsTheScrambledIsoDate() {
        const QDate date(2026, 3, 9);
        const QByteArray stored = EncodeReminderDate(date);
        // Digits and '-' shifted up by 85, one byte per character.
        QCOMPARE(stored, QByteArray("\x87\x85\x87\x8B\x82\x85\x88\x82\x85\x8E"));
        QCOMPARE(UnscrambleText(stored), QByteArray("2026-03-09"));
        QCOMPARE(DecodeReminderDate(stored), date);
        // As text (a hand-edited settings file) it reads the same.
        QCOMPARE(DecodeReminderDate(FromWindows1252(stored)), date);
    }

    void unreadableValuesCountAsNothingStored_data() {
        QTest::addColumn<QVariant>("stored");
        QTest::newRow("missing") << QVariant();
        QTest::newRow("empty") << QVariant(QByteArray());
        QTest::newRow("unscrambled date") << QVariant(QByteArray("2026-03-09"));
        QTest::newRow("garbage") << QVariant(QByteArray("\x01\xFFxyz", 5));
        QTest::newRow("scrambled non-date") << QVariant(ScrambleText("yesterday"));
        QTest::newRow("scrambled impossible date") << QVariant(ScrambleText("2026-02-30"));
        QTest::newRow("number") << QVariant(42);
    }
    void unreadableValuesCountAsNothingStored() {
        QFETCH(QVariant, stored);
        QVERIFY(!DecodeReminderDate(stored).isValid());

        test::FakePlatform platform;
        if (stored.isValid())
            platform.settings.insert(kKey, stored);
        UpdateReminder(platform);
        QVERIFY(platform.messages.isEmpty());
        QVERIFY(platform.openedUrls.isEmpty());
        QCOMPARE(platform.settings.value(kKey).toByteArray(),
                 EncodeReminderDate(platform.clock.date()));
    }

    void withinFourteenDaysStaysQuiet_data() {
        QTest::addColumn<int>("offset");
        for (const int offset : {0, -1, -14, 1, 14})
            QTest::addRow("%+d days", offset) << offset;
    }
    void withinFourteenDaysStaysQuiet() {
        QFETCH(int, offset);
        test::FakePlatform platform;
        StoreLastReminder(platform, offset);
        const QVariant before = platform.settings.value(kKey);
        UpdateReminder(platform);
        QVERIFY(platform.messages.isEmpty());
        QVERIFY(platform.openedUrls.isEmpty());
        // Nothing stored: the date stays the old one.
        QCOMPARE(platform.settings.value(kKey), before);
        QCOMPARE(ReminderDue(platform.today().addDays(offset), platform.today()),
                 ReminderAction::Nothing);
    }

    void fifteenDaysOrMoreAsks_data() {
        QTest::addColumn<int>("offset");
        QTest::addColumn<bool>("yes");
        // Negative: the last reminder lies in the past; positive: the clock
        // was set back since.
        for (const int offset : {-15, -16, -400, 15, 30})
            for (const bool yes : {true, false})
                QTest::addRow("%+d days, %s", offset, yes ? "Yes" : "No") << offset << yes;
    }
    void fifteenDaysOrMoreAsks() {
        QFETCH(int, offset);
        QFETCH(bool, yes);
        test::FakePlatform platform;
        StoreLastReminder(platform, offset);
        platform.answers.push_back(yes ? Answer::Yes : Answer::No);
        // The date is stored after the answer, not before the question.
        QDate storedWhileAsking;
        platform.onMessage = [&](const test::FakePlatform::Shown&) {
            storedWhileAsking = StoredDate(platform);
        };

        UpdateReminder(platform);

        QCOMPARE(platform.messages.size(), 1);
        const auto& shown = platform.messages.constFirst();
        QCOMPARE(shown.title, QStringLiteral("Tivora"));
        QCOMPARE(shown.text, QStringLiteral("There maybe an update to this software available\r"
                                            "Do you want to check for an update?"));
        QCOMPARE(shown.icon, Platform::Icon::Information);
        QCOMPARE(shown.buttons, Platform::Buttons::YesNo);
        QVERIFY(platform.unexpected.isEmpty());
        QCOMPARE(storedWhileAsking, platform.today().addDays(offset));

        QCOMPARE(StoredDate(platform), platform.today());
        if (yes)
            QCOMPARE(platform.openedUrls, QList<QUrl>{VendorPageUrl(VendorPage::Download)});
        else
            QVERIFY(platform.openedUrls.isEmpty());
    }

    void promptDoesNotReturnForAnotherFifteenDays() {
        test::FakePlatform platform;
        const QDate start = platform.clock.date();
        UpdateReminder(platform); // first start
        QVERIFY(platform.messages.isEmpty());
        platform.clock = platform.clock.addSecs(8 * 3600); // later that day
        UpdateReminder(platform);
        QVERIFY(platform.messages.isEmpty());

        platform.clock.setDate(start.addDays(15));
        platform.answers.push_back(Answer::No);
        UpdateReminder(platform);
        QCOMPARE(platform.messages.size(), 1);

        // No was answered, yet the next fourteen days stay quiet.
        for (int day = 1; day <= 14; ++day) {
            platform.clock.setDate(start.addDays(15 + day));
            UpdateReminder(platform);
        }
        QCOMPARE(platform.messages.size(), 1);
        platform.clock.setDate(start.addDays(30));
        platform.answers.push_back(Answer::No);
        UpdateReminder(platform);
        QCOMPARE(platform.messages.size(), 2);
        QVERIFY(platform.openedUrls.isEmpty());
    }

    void acrossYearAndLeapDay() {
        // Calendar days, not months: 2028-02-15 to 2028-03-01 is 15 days.
        QCOMPARE(ReminderDue(QDate(2028, 2, 15), QDate(2028, 3, 1)), ReminderAction::Ask);
        QCOMPARE(ReminderDue(QDate(2028, 2, 16), QDate(2028, 3, 1)), ReminderAction::Nothing);
        QCOMPARE(ReminderDue(QDate(2026, 12, 20), QDate(2027, 1, 3)), ReminderAction::Nothing);
        QCOMPARE(ReminderDue(QDate(2026, 12, 19), QDate(2027, 1, 3)), ReminderAction::Ask);
        QCOMPARE(ReminderDue(QDate(), QDate(2027, 1, 3)), ReminderAction::StoreToday);
    }
};

QTEST_GUILESS_MAIN(TestUpdateReminder)
#include "test_update_reminder.moc"
