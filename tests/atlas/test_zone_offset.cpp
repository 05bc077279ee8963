#include "atlas/zone_offset.h"
#include "base/zone_ids.h"
#include "engine/ephemeris.h"
#include "entry/birth_entry.h"

#include <QtTest>
#include <cmath>

using namespace tivora;
using namespace tivora::atlas;

namespace {

LocalTimeOffsets Resolve(const char* zone, const char* date, const char* time,
                         double longitude = 0) {
    return ResolveLocalTime(QString::fromLatin1(zone), QDate::fromString(date, Qt::ISODate),
                            QTime::fromString(time, QStringLiteral("HH:mm")), longitude);
}

// Fills a main window's entries as a chosen place would, maps them into the
// chart record and runs the engine's conversion to universal time.
std::optional<double> UniversalHoursThroughBoxes(const ZoneBoxes& boxes, double longitude,
                                                 int hour) {
    BirthEntry e;
    e.name = "Round Trip";
    e.month = 5;
    e.day = 14;
    e.year = FindListItem(EntryList::Year, "1985");
    e.hour = hour;
    const DegreesMinutes lon = ToDegreesMinutes(longitude);
    e.lonDegrees = std::to_string(lon.degrees);
    e.lonMinutes = std::to_string(lon.minutes);
    e.east = lon.positive;
    e.latDegrees = "30";
    e.latMinutes = "0";
    e.zoneHour = boxes.hour.toStdString();
    e.zoneMinute = boxes.minute.toStdString();
    e.dst = boxes.dst;
    if (ValidateInput(e))
        return std::nullopt;
    ChartRecord c;
    WriteBirthData(e, c);
    CalculateAscendant(c);
    return c.UniversalHours;
}

} // namespace

class TestZoneOffset : public QObject {
    Q_OBJECT

private slots:
    void historicalOffsets_data() {
        QTest::addColumn<QString>("zone");
        QTest::addColumn<QString>("date");
        QTest::addColumn<QString>("time");
        QTest::addColumn<int>("total");
        QTest::addColumn<int>("daylightSaving");
        QTest::addColumn<QString>("abbreviation");
        // Offsets as the tz database's history gives them (zdump -v).
        QTest::newRow("London 1941 double summer time") << "Europe/London"
                                                        << "1941-06-15"
                                                        << "12:00" << 120 << 120 << "BDST";
        QTest::newRow("London 1985 summer") << "Europe/London"
                                            << "1985-07-15"
                                            << "20:00" << 60 << 60 << "BST";
        QTest::newRow("London 1969 British Standard Time") << "Europe/London"
                                                           << "1969-01-15"
                                                           << "12:00" << 60 << 0 << "BST";
        QTest::newRow("Kolkata 1942 before war time") << "Asia/Kolkata"
                                                      << "1942-06-01"
                                                      << "12:00" << 330 << 0 << "IST";
        QTest::newRow("Kolkata 1943 war time") << "Asia/Kolkata"
                                               << "1943-06-01"
                                               << "12:00" << 390 << 60 << "+0630";
        QTest::newRow("Indianapolis 1960") << "America/Indiana/Indianapolis"
                                           << "1960-07-01"
                                           << "12:00" << -300 << 0 << "EST";
        QTest::newRow("Moscow 1991 summer") << "Europe/Moscow"
                                            << "1991-07-01"
                                            << "12:00" << 180 << 60 << "EEST";
        QTest::newRow("Kathmandu 1980") << "Asia/Kathmandu"
                                        << "1980-06-01"
                                        << "12:00" << 330 << 0 << "+0530";
        QTest::newRow("Kathmandu 1990") << "Asia/Kathmandu"
                                        << "1990-06-01"
                                        << "12:00" << 345 << 0 << "+0545";
        QTest::newRow("Lord Howe January") << "Australia/Lord_Howe"
                                           << "2020-01-15"
                                           << "12:00" << 660 << 30 << "+11";
        QTest::newRow("Lord Howe July") << "Australia/Lord_Howe"
                                        << "2020-07-01"
                                        << "12:00" << 630 << 0 << "+1030";
        QTest::newRow("New York 1985 summer") << "America/New_York"
                                              << "1985-07-15"
                                              << "12:00" << -240 << 60 << "EDT";
        // Ireland's winter is a negative daylight saving in the tz database.
        QTest::newRow("Dublin winter") << "Europe/Dublin"
                                       << "2021-01-15"
                                       << "12:00" << 0 << -60 << "GMT";
        QTest::newRow("Dublin summer") << "Europe/Dublin"
                                       << "2021-07-15"
                                       << "12:00" << 60 << 0 << "IST";
    }
    void historicalOffsets() {
        QFETCH(QString, zone);
        QFETCH(QString, date);
        QFETCH(QString, time);
        QFETCH(int, total);
        QFETCH(int, daylightSaving);
        QFETCH(QString, abbreviation);
        const auto r = ResolveLocalTime(zone, QDate::fromString(date, Qt::ISODate),
                                        QTime::fromString(time, QStringLiteral("HH:mm")), 10.0);
        QCOMPARE(r.kind, LocalTimeKind::Unique);
        QCOMPARE(r.offset.totalMinutes, total);
        QCOMPARE(r.offset.daylightMinutes, daylightSaving);
        QCOMPARE(r.offset.abbreviation, abbreviation);
        QCOMPARE(r.offset.isDaylightTime, daylightSaving > 0);
        QCOMPARE(r.offset.source, OffsetSource::Tzdata);
    }

    void clockChanges() {
        const auto gap = Resolve("Europe/Berlin", "2021-03-28", "02:30");
        QCOMPARE(gap.kind, LocalTimeKind::NeverHappened);
        QCOMPARE(gap.earlier.totalMinutes, 60);
        QCOMPARE(gap.later.totalMinutes, 120);
        QCOMPARE(gap.message, QStringLiteral("28 Mar 2021 at 02:30 never happened in "
                                             "Europe/Berlin: the clocks jumped forward from "
                                             "02:00 to 03:00, from CET = UT+1:00 to CEST = "
                                             "UT+2:00"));

        const auto fold = Resolve("Europe/Berlin", "2021-10-31", "02:30");
        QCOMPARE(fold.kind, LocalTimeKind::HappenedTwice);
        QCOMPARE(fold.earlier.totalMinutes, 120);
        QCOMPARE(fold.earlier.abbreviation, QStringLiteral("CEST"));
        QCOMPARE(fold.later.totalMinutes, 60);
        QVERIFY(fold.message.contains(QStringLiteral("from 03:00 to 02:00")));
        QVERIFY(fold.message.contains(QStringLiteral("CEST = UT+2:00")));
        QVERIFY(fold.message.contains(QStringLiteral("CET = UT+1:00")));

        // The minutes on either side of a change are plain.
        QCOMPARE(Resolve("Europe/Berlin", "2021-03-28", "01:59").offset.totalMinutes, 60);
        QCOMPARE(Resolve("Europe/Berlin", "2021-03-28", "03:00").offset.totalMinutes, 120);
        QCOMPARE(Resolve("Europe/Berlin", "2021-10-31", "01:59").kind, LocalTimeKind::Unique);
        QCOMPARE(Resolve("Europe/Berlin", "2021-10-31", "03:00").offset.totalMinutes, 60);

        // Half an hour back on Lord Howe Island (02:00 became 01:30).
        const auto howe = Resolve("Australia/Lord_Howe", "2020-04-05", "01:45");
        QCOMPARE(howe.kind, LocalTimeKind::HappenedTwice);
        QCOMPARE(howe.earlier.totalMinutes, 660);
        QCOMPARE(howe.later.totalMinutes, 630);
        // India's war time ended at midnight on 14/15 May 1942 and came back on 1 Sep.
        const auto kolkata = Resolve("Asia/Kolkata", "1942-05-14", "23:30");
        QCOMPARE(kolkata.kind, LocalTimeKind::HappenedTwice);
        QCOMPARE(kolkata.earlier.totalMinutes, 390);
        QCOMPARE(kolkata.later.totalMinutes, 330);

        QCOMPARE(Resolve("Nowhere/Atlantis", "2000-01-01", "12:00").kind,
                 LocalTimeKind::UnknownZone);
        QCOMPARE(Resolve("Europe/Berlin", "2021-02-30", "12:00").kind, LocalTimeKind::NoSuchDate);
    }

    void localMeanTimeBeforeStandardTime() {
        // Munich (11° 35' E) kept its own mean time before Germany took CET in
        // April 1893; the zone's own figure is Berlin's (UT+0:53:28).
        const auto munich = Resolve("Europe/Berlin", "1880-06-01", "12:00", 11.575);
        QCOMPARE(munich.kind, LocalTimeKind::Unique);
        QCOMPARE(munich.offset.source, OffsetSource::LocalMeanTime);
        QCOMPARE(munich.offset.totalMinutes, 46);
        QCOMPARE(munich.offset.daylightMinutes, 0);
        QCOMPARE(DescribeOffset(munich.offset), QStringLiteral("LMT = UT+0:46 (local mean time)"));
        const auto bombay = Resolve("Asia/Kolkata", "1850-01-01", "12:00", 72.8777);
        QCOMPARE(bombay.offset.totalMinutes, 292); // 4:51:30.6
        const auto newYork = Resolve("America/New_York", "1870-01-01", "12:00", -73.94);
        QCOMPARE(newYork.offset.totalMinutes, -296);
        QCOMPARE(OffsetText(newYork.offset.totalMinutes), QStringLiteral("UT-4:56"));

        // Aachen (6° 05' E) went from UT+0:24 to UT+1:00 at Berlin's midnight,
        // 23:30:32 Aachen time: its next half hour never happened.
        const auto aachen = Resolve("Europe/Berlin", "1893-03-31", "23:45", 6.0839);
        QCOMPARE(aachen.kind, LocalTimeKind::NeverHappened);
        QCOMPARE(aachen.earlier.totalMinutes, 24);
        QCOMPARE(aachen.earlier.source, OffsetSource::LocalMeanTime);
        QCOMPARE(aachen.later.totalMinutes, 60);
        QVERIFY(aachen.message.contains(QStringLiteral("from 23:30:32 to 00:06:32")));
        QCOMPARE(Resolve("Europe/Berlin", "1893-04-01", "00:10", 6.0839).offset.totalMinutes, 60);
        // East of Berlin the switch set the clocks back.
        QCOMPARE(Resolve("Europe/Berlin", "1893-04-01", "00:10", 20.0).kind,
                 LocalTimeKind::HappenedTwice);
    }

    void texts() {
        QCOMPARE(OffsetText(330), QStringLiteral("UT+5:30"));
        QCOMPARE(OffsetText(-300), QStringLiteral("UT-5:00"));
        QCOMPARE(OffsetText(0), QStringLiteral("UT+0:00"));
        QCOMPARE(OffsetText(-30), QStringLiteral("UT-0:30"));
        const auto london = Resolve("Europe/London", "1985-07-15", "20:00");
        QCOMPARE(DescribeOffset(london.offset), QStringLiteral("BST = UT+1:00 (daylight saving)"));
        const auto winter = Resolve("Europe/London", "1985-01-15", "20:00");
        QCOMPARE(DescribeOffset(winter.offset), QStringLiteral("GMT = UT+0:00 (standard time)"));
        QCOMPARE(SourceText(OffsetSource::LocalMeanTime), QStringLiteral("local mean time"));
        QCOMPARE(FilledText(QStringLiteral("London, England, United Kingdom"),
                            QStringLiteral("Europe/London"), QDate(1985, 7, 15), QTime(20, 0),
                            london.offset),
                 QStringLiteral("London, England, United Kingdom: Europe/London, on 15 Jul 1985 "
                                "at 20:00 BST = UT+1:00 (daylight saving)"));
    }

    void zoneBoxes_data() {
        QTest::addColumn<QString>("zone");
        QTest::addColumn<QString>("date");
        QTest::addColumn<double>("longitude");
        QTest::addColumn<QString>("hour");
        QTest::addColumn<QString>("minute");
        QTest::addColumn<bool>("dst");
        QTest::newRow("London summer") << "Europe/London"
                                       << "1985-07-15" << -0.1257 << "0"
                                       << "0" << true;
        QTest::newRow("London double summer") << "Europe/London"
                                              << "1941-06-15" << -0.1257 << "-2"
                                              << "0" << false;
        QTest::newRow("Kolkata war time") << "Asia/Kolkata"
                                          << "1943-06-01" << 88.3697 << "-5"
                                          << "-30" << true;
        QTest::newRow("New York summer") << "America/New_York"
                                         << "1985-07-15" << -74.006 << "5"
                                         << "0" << true;
        QTest::newRow("Sydney summer") << "Australia/Sydney"
                                       << "2020-01-15" << 151.2073 << "-10"
                                       << "0" << true;
        QTest::newRow("Lord Howe half-hour daylight") << "Australia/Lord_Howe"
                                                      << "2020-01-15" << 159.07 << "-11"
                                                      << "0" << false;
        QTest::newRow("Dublin winter") << "Europe/Dublin"
                                       << "2021-01-15" << -6.26 << "0"
                                       << "0" << false;
        QTest::newRow("Newfoundland") << "America/St_Johns"
                                      << "2021-01-15" << -52.7 << "3"
                                      << "30" << false;
        // Ahead of universal time at a west longitude: the "-" says so.
        QTest::newRow("Madrid west of Greenwich") << "Europe/Madrid"
                                                  << "2021-01-15" << -3.7038 << "-1"
                                                  << "0" << false;
    }
    void zoneBoxes() {
        QFETCH(QString, zone);
        QFETCH(QString, date);
        QFETCH(double, longitude);
        QFETCH(QString, hour);
        QFETCH(QString, minute);
        QFETCH(bool, dst);
        const auto r =
            ResolveLocalTime(zone, QDate::fromString(date, Qt::ISODate), QTime(12, 0), longitude);
        QCOMPARE(r.kind, LocalTimeKind::Unique);
        const ZoneBoxes boxes = ZoneBoxesFor(r.offset, longitude);
        QVERIFY(boxes.expressible);
        QCOMPARE(boxes.hour, hour);
        QCOMPARE(boxes.minute, minute);
        QCOMPARE(boxes.dst, dst);
    }

    void boxesRoundTripThroughTheEngine() {
        // Every offset the boxes take gives back universal time = local - offset;
        // the only ones refused are behind universal time east of Greenwich.
        const double longitudes[] = {-150.5, -74.0, -0.004, 0.0, 0.004, 0.3, 77.2, 179.9};
        const int daylights[] = {0, 60, 30, -60, 120};
        int filled = 0;
        for (double longitude : longitudes) {
            const DegreesMinutes lon = ToDegreesMinutes(longitude);
            const bool eastOfGreenwich = lon.positive && (lon.degrees || lon.minutes);
            for (int total = -14 * 60; total <= 14 * 60; total += 15) {
                for (int saving : daylights) {
                    ZoneOffset offset;
                    offset.totalMinutes = total;
                    offset.daylightMinutes = saving;
                    const ZoneBoxes boxes = ZoneBoxesFor(offset, longitude);
                    const QString where = QStringLiteral("%1 daylight %2 at %3")
                                              .arg(total)
                                              .arg(saving)
                                              .arg(longitude);
                    if (!boxes.expressible) {
                        QVERIFY2(total < 0 && eastOfGreenwich, qPrintable(where));
                        QVERIFY(boxes.message.contains(OffsetText(total)));
                        continue;
                    }
                    const int standard = total - 60;
                    QCOMPARE(boxes.dst, saving == 60 && standard >= -14 * 60 &&
                                            !(standard < 0 && eastOfGreenwich));
                    const auto ut = UniversalHoursThroughBoxes(boxes, longitude, 12);
                    QVERIFY2(ut.has_value(), qPrintable(where + " refused by the checks"));
                    QVERIFY2(std::fabs(*ut - (12.0 - total / 60.0)) < 1e-9, qPrintable(where));
                    ++filled;
                }
            }
        }
        QVERIFY(filled > 3000);
        ZoneOffset far;
        far.totalMinutes = 14 * 60 + 15;
        QVERIFY(!ZoneBoxesFor(far, 170.0).expressible);
    }

    void degreesAndMinutes() {
        const DegreesMinutes london = ToDegreesMinutes(-0.1257);
        QCOMPARE(london.degrees, 0);
        QCOMPARE(london.minutes, 8);
        QVERIFY(!london.positive);
        const DegreesMinutes nearly = ToDegreesMinutes(77.9999);
        QCOMPARE(nearly.degrees, 78);
        QCOMPARE(nearly.minutes, 0);
        QVERIFY(nearly.positive);
    }
    // Texts that are not zones of the database: a rule that makes the time-zone
    // library's parser loop, paths, abbreviations, bare city names, POSIX rules.
    void onlyTheDatabasesZonesAreTaken() {
        const QString hostile[] = {QStringLiteral("AAA0BBB,M13.1.0,M1.1.0"),
                                   QStringLiteral("../../../dev/stdin"),
                                   QStringLiteral("/etc/passwd"),
                                   QStringLiteral("IST"),
                                   QStringLiteral("Kolkata"),
                                   QStringLiteral("Berlin"),
                                   QStringLiteral("XXX-5:30"),
                                   QStringLiteral("EST5EDT,M3.2.0,M11.1.0"),
                                   QStringLiteral("Asia/Kolkata") + QChar(0) + QStringLiteral("x"),
                                   QStringLiteral("asia/kolkata"),
                                   QString()};
        QElapsedTimer clock;
        clock.start();
        for (const QString& id : hostile) {
            QVERIFY2(!IsKnownZoneId(id), qPrintable(id));
            const auto r = ResolveLocalTime(id, QDate(2000, 1, 1), QTime(12, 0), 77.2);
            QCOMPARE(r.kind, LocalTimeKind::UnknownZone);
            QVERIFY(r.message.contains(QStringLiteral("is not known")));
            for (const QChar c : r.message)
                QVERIFY2(c.unicode() >= 0x20, "a control character reached the message");
        }
        QVERIFY(clock.elapsed() < 5000);

        for (const char* id : {"Asia/Kolkata", "Asia/Calcutta", "UTC", "Etc/UTC", "Etc/GMT-5",
                               "Etc/GMT+10", "America/Argentina/Buenos_Aires"})
            QVERIFY2(IsKnownZoneId(QString::fromLatin1(id)), id);
        const auto utc = Resolve("UTC", "2000-01-01", "12:00");
        QCOMPARE(utc.kind, LocalTimeKind::Unique);
        QCOMPARE(utc.offset.totalMinutes, 0);
        const auto plusFive = Resolve("Etc/GMT-5", "2000-01-01", "12:00");
        QCOMPARE(plusFive.kind, LocalTimeKind::Unique);
        QCOMPARE(plusFive.offset.totalMinutes, 300);
    }

    void zoneListOfTzdataZi() {
        const QSet<QString> ids = ZoneIdsOfTzdataZi("# version 2025b\n"
                                                    "R E 1981 ma - Mar lastSu 1u 1 S\n"
                                                    "Z Asia/Kolkata 5:53:28 - LMT 1854 Jun 28\n"
                                                    "5:30 - IST\n"
                                                    "L Asia/Kolkata Asia/Calcutta\n"
                                                    "Z Etc/GMT-14 14 - %z\n");
        QCOMPARE(ids,
                 (QSet<QString>{QStringLiteral("Asia/Kolkata"), QStringLiteral("Asia/Calcutta"),
                                QStringLiteral("Etc/GMT-14")}));
    }

    // Apia skipped 30 Dec 2011 entirely: the message says which days.
    void dayLongGapNamesTheDays() {
        const auto apia = Resolve("Pacific/Apia", "2011-12-30", "12:00", -171.75);
        QCOMPARE(apia.kind, LocalTimeKind::NeverHappened);
        QVERIFY2(
            apia.message.contains(QStringLiteral("from 30 Dec 2011 00:00 to 31 Dec 2011 00:00")),
            qPrintable(apia.message));
        // An ordinary hour's gap keeps the short form.
        const auto london = Resolve("Europe/London", "2021-03-28", "01:30");
        QVERIFY2(london.message.contains(QStringLiteral("from 01:00 to 02:00")),
                 qPrintable(london.message));
    }
};

QTEST_GUILESS_MAIN(TestZoneOffset)
#include "test_zone_offset.moc"
