#include "windows/recent_births.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

using namespace tivora;

namespace {

BirthEntry Birth(const std::string& name, int hour = 12) {
    BirthEntry e;
    e.name = name;
    e.month = 6;
    e.day = 14;
    e.year = 1985 - 1901;
    e.hour = hour;
    e.minute = 5;
    e.second = 7;
    e.lonDegrees = "0";
    e.lonMinutes = "8";
    e.latDegrees = "51";
    e.latMinutes = "31";
    e.zoneHour = "0";
    e.zoneMinute = "0";
    e.east = false;
    e.dst = true;
    return e;
}

bool Same(const BirthEntry& a, const BirthEntry& b) {
    return SameBirth(a, b) && a.name == b.name && a.second == b.second &&
           a.zoneHour == b.zoneHour && a.zoneMinute == b.zoneMinute && a.dst == b.dst &&
           a.city == b.city && a.state == b.state && a.country == b.country;
}

} // namespace

// The Recent Births list: order, limit, one entry per birth, its menu text
// and its stored form.
class TestRecentBirths : public QObject {
    Q_OBJECT

private slots:
    void newestFirstTenAtMostOncePerBirth() {
        RecentBirths births;
        for (int i = 0; i < 12; ++i)
            AddRecentBirth(births, Birth("Child " + std::to_string(i)));
        QCOMPARE(births.size(), std::size_t(10));
        QCOMPARE(births.front().name, std::string("Child 11"));
        QCOMPARE(births.back().name, std::string("Child 2"));
        // The same birth again moves to the top, its newer zone replacing the old.
        BirthEntry again = Birth(" Child 5 ");
        again.zoneHour = "1";
        AddRecentBirth(births, again);
        QCOMPARE(births.size(), std::size_t(10));
        QCOMPARE(births.front().zoneHour, std::string("1"));
        QCOMPARE(std::count_if(births.begin(), births.end(),
                               [](const BirthEntry& b) { return SameBirth(b, Birth("Child 5")); }),
                 1);
        // Another hour or another town is another birth.
        QVERIFY(!SameBirth(Birth("A"), Birth("A", 13)));
        BirthEntry elsewhere = Birth("A");
        elsewhere.town = {"London", "England", "GB", "Europe/London"};
        QVERIFY(!SameBirth(Birth("A"), elsewhere));
    }

    void menuTextNamesTownPlaceOrCoordinates() {
        BirthEntry b = Birth("Asha");
        QCOMPARE(RecentBirthText(b),
                 QStringLiteral("Asha, 15 Jul 1985 12:05, 51\u00B0 31' N, 0\u00B0 8' W"));
        b.city = " Greenwich ";
        b.country = "UK";
        QCOMPARE(RecentBirthText(b), QStringLiteral("Asha, 15 Jul 1985 12:05, Greenwich, UK"));
        b.town = {"London", "England", "GB", "Europe/London"};
        QCOMPARE(RecentBirthText(b),
                 QStringLiteral("Asha, 15 Jul 1985 12:05, London, England, GB"));
    }

    void storedFormKeepsEveryEntryExactly() {
        BirthEntry b = Birth("\xE0\xA4\x86\xE0\xA4\xB6\xE0\xA4\xBE \xC3\xA9"); // आशा é
        b.city = "\xE0\xA4\xAE\xE0\xA5\x81\xE0\xA4\x82\xE0\xA4\xAC\xE0\xA4\x88";
        b.zoneHour = "-5";
        b.zoneMinute = "-30";
        b.south = true;
        b.town = {b.city, "Maharashtra", "IN", "Asia/Kolkata"};
        RecentBirths births{b, Birth("Ravi")};
        const RecentBirths back = RecentBirthsFrom(RecentBirthsValue(births));
        QCOMPARE(back.size(), std::size_t(2));
        QVERIFY(Same(back[0], b));
        QVERIFY(back[0].town == b.town);
        QVERIFY(Same(back[1], Birth("Ravi")));

        // Through a real settings file, as the program keeps it.
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("tivora.conf"));
        QSettings(path, QSettings::IniFormat).setValue(kRecentBirthsKey, RecentBirthsValue(births));
        const RecentBirths stored =
            RecentBirthsFrom(QSettings(path, QSettings::IniFormat).value(kRecentBirthsKey));
        QCOMPARE(stored.size(), std::size_t(2));
        QCOMPARE(stored[0].name, b.name);
        QVERIFY(stored[0].town == b.town);
    }

    void damagedStoreGivesWhatReadsWhole() {
        QVERIFY(RecentBirthsFrom(QVariant()).empty());
        QVERIFY(RecentBirthsFrom(QStringLiteral("not json")).empty());
        // The second entry's hour is not a number.
        QJsonArray array =
            QJsonDocument::fromJson(
                RecentBirthsValue({Birth("Kept"), Birth("Broken")}).toString().toUtf8())
                .array();
        QCOMPARE(array.size(), 2);
        QJsonObject broken = array[1].toObject();
        broken.insert(QStringLiteral("hour"), QStringLiteral("x"));
        array[1] = broken;
        const QString value = QString::fromUtf8(QJsonDocument(array).toJson());
        const RecentBirths births = RecentBirthsFrom(value);
        QCOMPARE(births.size(), std::size_t(1));
        QCOMPARE(births[0].name, std::string("Kept"));
    }
};

QTEST_GUILESS_MAIN(TestRecentBirths)
#include "test_recent_births.moc"
