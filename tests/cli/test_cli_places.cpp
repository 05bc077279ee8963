#include "cli/cli.h"
#include "cli/csv.h"
#include "support/cli_run.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QtTest>
#include <sstream>

using namespace tivora;

namespace {

using test::Cli;
using test::Run;

QJsonDocument Json(const Run& run) {
    return QJsonDocument::fromJson(run.out.toUtf8());
}

QStringList Birth(const QString& date, const QString& time) {
    return {"reading", "--name", "Asha", "--date", date, "--time", time, "--json"};
}

} // namespace

class TestCliPlaces : public QObject {
    Q_OBJECT

private slots:
    void placesListsBestMatches() {
        const Run text = Cli({"places", "Springfield", "--limit", "3"});
        QCOMPARE(text.status, 0);
        const QStringList lines = text.out.split('\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 3);
        QCOMPARE(lines.front().split('\t').size(), 7);
        QCOMPARE(lines.front().split('\t').front(), QStringLiteral("Springfield"));

        const Run json = Cli({"places", "London, Canada", "--json", "--limit", "2"});
        QCOMPARE(json.status, 0);
        const QJsonArray places = Json(json).array();
        QCOMPARE(places.size(), 1);
        const QJsonObject london = places.first().toObject();
        QCOMPARE(london["Name"].toString(), QStringLiteral("London"));
        QCOMPARE(london["Region"].toString(), QStringLiteral("Ontario"));
        QCOMPARE(london["CountryCode"].toString(), QStringLiteral("CA"));
        QCOMPARE(london["Country"].toString(), QStringLiteral("Canada"));
        QCOMPARE(london["TimeZone"].toString(), QStringLiteral("America/Toronto"));
        QVERIFY(qAbs(london["Latitude"].toDouble() - 42.98) < 0.05);
        QVERIFY(qAbs(london["Longitude"].toDouble() + 81.23) < 0.05);
        QVERIFY(london["Population"].toDouble() > 300000);

        QCOMPARE(Cli({"places"}).status, 2);
        QCOMPARE(Cli({"places", "London", "--limit", "0"}).status, 2);
        const Run none = Cli({"places", "Qqqqxz"});
        QCOMPARE(none.status, 1);
        QCOMPARE(none.out, QString());
        QVERIFY2(none.err.contains("no town called \"Qqqqxz\" is in the atlas"),
                 qPrintable(none.err));
    }

    void placesSayWhichNameMatched() {
        const QJsonArray places =
            Json(Cli({"places", "Sandringham", "--json", "--limit", "10"})).array();
        QVERIFY(places.size() >= 2);
        QCOMPARE(places.first()["Name"].toString(), QStringLiteral("Sandringham"));
        bool hampton = false;
        for (const QJsonValue& p : places) {
            QVERIFY(p.toObject().contains("MatchedName"));
            if (p["Name"].toString() == QStringLiteral("Hampton")) {
                hampton = true;
                QCOMPARE(p["MatchedName"].toString(), QStringLiteral("Sandringham"));
            } else {
                QCOMPARE(p["MatchedName"].toString(), p["Name"].toString());
            }
        }
        QVERIFY(hampton);
    }

    void placeTakenFromSeveralIsSaid() {
        const Run several = Cli(Birth("1985-07-15", "20:00") << "--place"
                                                             << "Springfield");
        QCOMPARE(several.status, 0);
        QCOMPARE(Json(several).object()["Place"].toString(),
                 QStringLiteral("Springfield, Missouri, US"));
        QVERIFY2(several.err.contains("took Springfield, Missouri, US") &&
                     several.err.contains("add its region or country"),
                 qPrintable(several.err));
        const Run one = Cli(Birth("1985-07-15", "20:00") << "--place"
                                                         << "springfield il");
        QCOMPARE(one.status, 0);
        QCOMPARE(Json(one).object()["Place"].toString(),
                 QStringLiteral("Springfield, Illinois, US"));
        QCOMPARE(one.err, QString());
        const Run none = Cli(Birth("1985-07-15", "20:00") << "--place"
                                                          << "Qqqqxz");
        QCOMPARE(none.status, 1);
        QVERIFY2(none.err.contains("no town called \"Qqqqxz\""), qPrintable(none.err));
    }

    void offsetsFarFromTheZoneCityBefore1970AreUncertain_data() {
        QTest::addColumn<QString>("place");
        QTest::addColumn<QString>("date");
        QTest::newRow("Hope, Arkansas") << "Hope, Arkansas"
                                        << "1946-08-19";
        QTest::newRow("Duluth, Minnesota") << "Duluth MN"
                                           << "1941-05-24";
    }
    void offsetsFarFromTheZoneCityBefore1970AreUncertain() {
        QFETCH(QString, place);
        QFETCH(QString, date);
        // Chicago kept summer time; the towns' records say standard time.
        const Run run = Cli(Birth(date, "12:00") << "--place" << place);
        QCOMPARE(run.status, 0);
        const QJsonObject json = Json(run).object();
        QCOMPARE(json["UtcOffsetText"].toString(), QStringLiteral("UT-5:00"));
        QCOMPARE(json["OffsetCertain"], QJsonValue(false));
        const QJsonArray alternatives = json["OffsetAlternatives"].toArray();
        QCOMPARE(alternatives.size(), 2);
        QCOMPARE(alternatives[0]["UtcOffset"].toInt(), -360);
        QCOMPARE(alternatives[0]["UtcOffsetText"].toString(), QStringLiteral("UT-6:00"));
        QVERIFY(alternatives[0]["Why"].toString().contains("standard time"));
        QCOMPARE(alternatives[1]["UtcOffset"].toInt(), -300);
        QVERIFY(alternatives[1]["Why"].toString().contains("Chicago"));
        const Run text = Cli(Birth(date, "12:00").mid(0, 7) << "--place" << place);
        QVERIFY2(text.out.contains("OffsetCertain: no. Offset uncertain"), qPrintable(text.out));
    }

    void offsetsStayCertainAfter1970AndAtTheZoneCity() {
        for (const auto& [place, date] :
             {std::pair("Hope, Arkansas", "1985-08-19"), std::pair("Chicago", "1946-08-19"),
              std::pair("London, GB", "1946-08-19")}) {
            const QJsonObject json = Json(Cli(Birth(date, "12:00") << "--place" << place)).object();
            QCOMPARE(json["OffsetCertain"], QJsonValue(true));
            QVERIFY(!json.contains("OffsetAlternatives"));
        }
        // Without a place there is no doubt to tell either.
        const QJsonObject typed = Json(Cli(Birth("1946-08-19", "12:00") << "--lon"
                                                                        << "93:35W"
                                                                        << "--lat"
                                                                        << "33:40N"
                                                                        << "--zone"
                                                                        << "-6:00"))
                                      .object();
        QCOMPARE(typed["OffsetCertain"], QJsonValue(true));
        const Run batch = Cli({"batch", "-"}, "BirthName,BirthMonth,BirthDay,BirthYear,BirthHour,"
                                              "BirthMinute,Place\nA,8,19,1946,12,0,Hope AR\n"
                                              "B,8,19,1985,12,0,Hope AR\n");
        QCOMPARE(batch.status, 0);
        const QStringList lines = batch.out.split("\r\n", Qt::SkipEmptyParts);
        QVERIFY(lines[0].endsWith(",OffsetCertain"));
        QVERIFY(lines[1].endsWith(",0"));
        QVERIFY(lines[2].endsWith(",1"));
    }

    void zoneOffsetsToTheSecond() {
        // Amsterdam kept UT+0:19:32 in 1909: the zone's offset is used whole.
        const QJsonObject amsterdam = Json(Cli(Birth("1909-06-01", "12:00") << "--place"
                                                                            << "Amsterdam, NL"))
                                          .object();
        QCOMPARE(amsterdam["UtcOffsetSeconds"].toInt(), 1172);
        QCOMPARE(amsterdam["UtcOffsetText"].toString(), QStringLiteral("UT+0:19:32"));
        QCOMPARE(amsterdam["UtcOffset"].toInt(), 20);
        QVERIFY(qAbs(amsterdam["UniversalHours"].toDouble() - (12 - 1172 / 3600.0)) < 1e-9);
        // The same zone by its id, and a batch row.
        const QJsonObject byId = Json(Cli(Birth("1909-06-01", "12:00") << "--tz"
                                                                       << "Europe/Amsterdam"
                                                                       << "--lon"
                                                                       << "4:53E"
                                                                       << "--lat"
                                                                       << "52:22N"))
                                     .object();
        QCOMPARE(byId["UtcOffsetSeconds"].toInt(), 1172);
        const Run batch =
            Cli({"batch", "-"}, "BirthName,BirthMonth,BirthDay,BirthYear,BirthHour,"
                                "BirthMinute,Place\nA,6,1,1909,12,0,\"Amsterdam, NL\"\n"
                                "B,6,1,1985,12,0,\"Amsterdam, NL\"\n");
        QVERIFY2(batch.out.contains(",20,UT+0:19:32,") && batch.out.contains(",120,UT+2:00,"),
                 qPrintable(batch.out));
        // Typed, the offset stays in minutes, as ever.
        const QJsonObject typed = Json(Cli(Birth("1909-06-01", "12:00") << "--lon"
                                                                        << "4:53E"
                                                                        << "--lat"
                                                                        << "52:22N"
                                                                        << "--zone"
                                                                        << "+0:20"))
                                      .object();
        QCOMPARE(typed["UniversalHours"].toDouble(), 12 - 20 / 60.0);
        QVERIFY(!typed.contains("UtcOffsetSeconds"));
    }

    void damagedAtlasIsNamedAndFoundOnce() {
        QFile good(QDir(qEnvironmentVariable("TIVORA_DATA_DIR")).filePath("places.tsv.gz"));
        QVERIFY(good.open(QIODevice::ReadOnly));
        const QByteArray bytes = good.readAll();
        QTemporaryDir dir;
        const QString path = dir.filePath("places.tsv.gz");
        QFile cut(path);
        QVERIFY(cut.open(QIODevice::WriteOnly));
        cut.write(bytes.left(bytes.size() / 2));
        cut.close();
        const QByteArray before = qgetenv("TIVORA_DATA_DIR");
        qputenv("TIVORA_DATA_DIR", dir.path().toUtf8());
        const Run places = Cli({"places", "London"});
        const Run reading = Cli(Birth("1985-07-15", "20:00") << "--place"
                                                             << "London, GB");
        // Mended on disk, it stays refused: the fault was found once.
        QVERIFY(cut.open(QIODevice::WriteOnly | QIODevice::Truncate));
        cut.write(bytes);
        cut.close();
        const Run batch = Cli(
            {"batch", "-"}, "BirthName,BirthMonth,BirthDay,BirthYear,BirthHour,BirthMinute,Place\n"
                            "A,7,15,1985,20,0,London\nB,7,15,1985,20,0,London\n");
        qputenv("TIVORA_DATA_DIR", before);
        for (const Run& run : {places, reading, batch}) {
            QCOMPARE(run.status, 1);
            QCOMPARE(run.err.count(path), 1);
            QVERIFY2(run.err.contains("is cut short"), qPrintable(run.err));
        }
        QCOMPARE(batch.out, QString());
    }

    void readingAtAPlaceUsesItsCoordinatesAndHistoricalOffset() {
        const Run run = Cli(Birth("1985-07-15", "20:00") << "--place"
                                                         << "London, GB");
        QCOMPARE(run.status, 0);
        const QJsonObject o = Json(run).object();
        QCOMPARE(o["Place"].toString(), QStringLiteral("London, England, GB"));
        QCOMPARE(o["TimeZone"].toString(), QStringLiteral("Europe/London"));
        QCOMPARE(o["UtcOffset"].toInt(), 60);
        QCOMPARE(o["UtcOffsetText"].toString(), QStringLiteral("UT+1:00"));
        QCOMPARE(o["IsDaylightTime"].toBool(), true);
        QCOMPARE(o["OffsetSource"].toString(), QStringLiteral("tzdata"));
        QVERIFY(qAbs(o["PlaceLatitude"].toDouble() - 51.5085) < 0.001);
        QVERIFY(qAbs(o["PlaceLongitude"].toDouble() + 0.1257) < 0.001);
        QCOMPARE(o["UniversalHours"].toDouble(), 19.0);
        // The same birth typed by hand gives the same chart.
        const Run byHand = Cli(Birth("1985-07-15", "20:00") << "--lon"
                                                            << "0:08W"
                                                            << "--lat"
                                                            << "51:31N"
                                                            << "--zone"
                                                            << "+1:00");
        const QJsonObject h = Json(byHand).object();
        for (const char* key : {"LonDegrees", "LonMinutes", "IsEast", "LatDegrees", "LatMinutes",
                                "IsSouth", "AscendantText"})
            QCOMPARE(o[key], h[key]);

        const Run text = Cli({"reading", "--name", "Asha", "--date", "1985-07-15", "--time",
                              "20:00", "--place", "London, GB"});
        QVERIFY(text.out.contains(
            QStringLiteral("Place: \u2068London, England, United Kingdom\u2069\n")));
        QVERIFY(text.out.contains(QStringLiteral("UtcOffset: BST = UT+1:00 (daylight saving)")));
    }

    void clockChangesAreRefusedOrChosen() {
        const Run twice = Cli(Birth("2021-10-31", "02:30") << "--place"
                                                           << "Berlin, DE");
        QCOMPARE(twice.status, 1);
        QVERIFY(twice.err.contains(QStringLiteral("UT+2:00")));
        QVERIFY(twice.err.contains(QStringLiteral("UT+1:00")));
        QVERIFY(twice.err.contains(QStringLiteral("--fold")));
        const Run earlier = Cli(Birth("2021-10-31", "02:30") << "--place"
                                                             << "Berlin, DE"
                                                             << "--fold"
                                                             << "earlier");
        QCOMPARE(Json(earlier).object()["UtcOffset"].toInt(), 120);
        const Run later = Cli(Birth("2021-10-31", "02:30") << "--place"
                                                           << "Berlin, DE"
                                                           << "--fold"
                                                           << "later");
        QCOMPARE(Json(later).object()["UtcOffset"].toInt(), 60);

        const Run never = Cli(Birth("2021-03-28", "02:30") << "--place"
                                                           << "Berlin, DE");
        QCOMPARE(never.status, 1);
        QVERIFY(never.err.contains(QStringLiteral("never happened")));
    }

    void zoneWithoutTheAtlas() {
        const Run kolkata = Cli(Birth("1943-06-01", "12:00") << "--tz"
                                                             << "Asia/Kolkata"
                                                             << "--lon"
                                                             << "88:22E"
                                                             << "--lat"
                                                             << "22:34N");
        const QJsonObject k = Json(kolkata).object();
        QCOMPARE(k["UtcOffset"].toInt(), 390);
        QCOMPARE(k["IsDST"].toBool(), true);
        QCOMPARE(k["UniversalHours"].toDouble(), 5.5);
        QVERIFY(!k.contains("Place"));
        // Behind universal time east of Greenwich: still the right universal time.
        const Run east = Cli(Birth("1985-07-15", "12:00") << "--tz"
                                                          << "America/New_York"
                                                          << "--lon"
                                                          << "10:00E"
                                                          << "--lat"
                                                          << "40:00N");
        QCOMPARE(Json(east).object()["UniversalHours"].toDouble(), 16.0);
        // Before standard time: the mean time of the birth longitude.
        const Run kathmandu = Cli(Birth("1901-06-01", "12:00") << "--place"
                                                               << "Kathmandu");
        const QJsonObject m = Json(kathmandu).object();
        QCOMPARE(m["OffsetSource"].toString(), QStringLiteral("local mean time"));
        QCOMPARE(m["UtcOffset"].toInt(), 341);
        // --zone overrides the place's offset.
        const Run zone = Cli(Birth("1985-07-15", "20:00") << "--place"
                                                          << "London, GB"
                                                          << "--zone"
                                                          << "0:00");
        QCOMPARE(Json(zone).object()["UtcOffset"].toInt(), 0);
        QVERIFY(!Json(zone).object().contains("TimeZone"));
    }

    void batchRowsNameTheirPlaceOrZone() {
        // Place fills empty coordinate and zone cells; TimeZone the zone.
        const Run run =
            Cli({"batch", "-"},
                "BirthName,BirthMonth,BirthDay,BirthYear,BirthHour,BirthMinute,Place,TimeZone,Fold,"
                "LonDegrees,LonMinutes,LatDegrees,LatMinutes,IsEast,IsSouth,ZoneHours,ZoneMinutes,"
                "IsDST\n"
                "A,7,15,1985,20,0,\"London, GB\",,,,,,,,,,,0\n"
                "B,7,15,1985,20,0,\"London, GB\",,,,,,,,,,,1\n"
                "C,6,1,1943,12,0,,Asia/Kolkata,,88,22,22,34,1,0,,,\n"
                "D,10,31,2021,2,30,\"Berlin, DE\",,,,,,,,,,,\n"
                "E,10,31,2021,2,30,\"Berlin, DE\",,later,,,,,,,,,\n");
        QCOMPARE(run.status, 1);
        std::istringstream output(run.out.toStdString());
        cli::CsvReader reader(output);
        std::vector<std::vector<std::string>> rows;
        std::vector<std::string_view> row;
        std::string error;
        while (reader.next(row, error) == cli::CsvReader::Status::Record)
            rows.emplace_back(row.begin(), row.end());
        QCOMPARE(rows.size(), 6u);
        const auto column = [&](std::size_t rowIndex, const std::string& name) {
            const auto& header = rows[0];
            const auto at = std::find(header.begin(), header.end(), name) - header.begin();
            return QString::fromStdString(rows[rowIndex].at(static_cast<std::size_t>(at)));
        };
        const QJsonObject london = Json(Cli(Birth("1985-07-15", "20:00") << "--place"
                                                                         << "London, GB"))
                                       .object();
        QCOMPARE(column(1, "AscendantText"), london["AscendantText"].toString());
        QCOMPARE(column(1, "PlaceUsed"), QStringLiteral("London, England, GB"));
        QCOMPARE(column(1, "TimeZoneUsed"), QStringLiteral("Europe/London"));
        QCOMPARE(column(1, "UtcOffset"), QStringLiteral("60"));
        QCOMPARE(column(1, "IsDaylightTime"), QStringLiteral("1"));
        QVERIFY(column(2, "Message").startsWith("IsDST goes with ZoneHours"));
        QCOMPARE(column(3, "UtcOffsetText"), QStringLiteral("UT+6:30"));
        QCOMPARE(column(3, "PlaceUsed"), QString());
        QVERIFY(column(4, "Message").contains("Fold"));
        QCOMPARE(column(5, "UtcOffset"), QStringLiteral("60"));
    }

    void badPlaceOptions() {
        QCOMPARE(Cli(Birth("1985-07-15", "20:00") << "--place"
                                                  << "Qqqqxz, Atlantis")
                     .status,
                 1);
        QCOMPARE(Cli(Birth("1985-07-15", "20:00") << "--place"
                                                  << "London"
                                                  << "--dst")
                     .status,
                 2);
        QCOMPARE(Cli(Birth("1985-07-15", "20:00") << "--place"
                                                  << "London"
                                                  << "--fold"
                                                  << "x")
                     .status,
                 2);
        QCOMPARE(Cli(Birth("1985-07-15", "20:00") << "--tz"
                                                  << "Europe/London")
                     .status,
                 2);
        QCOMPARE(Cli(Birth("1985-07-15", "20:00") << "--tz"
                                                  << "Mars/Olympus"
                                                  << "--lon"
                                                  << "0:00E"
                                                  << "--lat"
                                                  << "0:00N")
                     .status,
                 1);
        const QString help = Cli({"--help"}).out;
        QVERIFY(help.contains("Place") && help.contains("TimeZone") && help.contains("Fold"));
        for (const char* option : {"--place QUERY", "--tz ZONE-ID", "--fold earlier|later",
                                   "places QUERY [--limit N] [--json]", "GeoNames"})
            QVERIFY2(help.contains(QString::fromLatin1(option)), option);
    }
};

QTEST_GUILESS_MAIN(TestCliPlaces)
#include "test_cli_places.moc"
