#include "atlas/atlas.h"

#include <QTemporaryDir>
#include <QTimeZone>
#include <QtTest>

using namespace tivora::atlas;

namespace {

QStringList Names(const std::vector<Place>& places) {
    QStringList names;
    for (const Place& p : places)
        names << p.shortText();
    return names;
}

bool BestFirst(const std::vector<Place>& places) {
    for (std::size_t i = 1; i < places.size(); ++i)
        if (places[i].population > places[i - 1].population)
            return false;
    return true;
}

} // namespace

class TestAtlasSearch : public QObject {
    Q_OBJECT
    std::shared_ptr<const Atlas> atlas;

private slots:
    void initTestCase() {
        const QString path = AtlasDataPath();
        QVERIFY(!path.isEmpty());
        QString error;
        atlas = Atlas::load(path, &error);
        QVERIFY2(atlas, qPrintable(error));
        QVERIFY(atlas->size() > 140000);
    }

    void oldAndForeignNamesFindTheirTowns_data() {
        QTest::addColumn<QString>("query");
        QTest::addColumn<QString>("first");
        QTest::newRow("Bombay") << "Bombay"
                                << "Mumbai, Maharashtra, IN";
        QTest::newRow("Calcutta") << "calcutta"
                                  << "Kolkata, West Bengal, IN";
        QTest::newRow("Peking") << "Peking"
                                << "Beijing, Beijing, CN";
        QTest::newRow("muench") << "muench"
                                << "Munich, Bavaria, DE";
        QTest::newRow("München") << "München"
                                 << "Munich, Bavaria, DE";
        QTest::newRow("MÜNCHEN") << "MÜNCHEN"
                                 << "Munich, Bavaria, DE";
        QTest::newRow("Zürich without accent") << "zurich"
                                               << "Zürich, Zurich, CH";
        QTest::newRow("hyphen as blank") << "saint etienne"
                                         << "Saint-Étienne, Auvergne-Rhône-Alpes, FR";
        QTest::newRow("Łódź") << "lodz"
                              << "Łódź, Łódź Voivodeship, PL";
    }
    void oldAndForeignNamesFindTheirTowns() {
        QFETCH(QString, query);
        QFETCH(QString, first);
        const auto found = atlas->search(query, 5);
        QVERIFY(!found.empty());
        QCOMPARE(found.front().shortText(), first);
    }

    void placeFields() {
        const auto found = atlas->search(QStringLiteral("Munich, DE"), 1);
        QCOMPARE(found.size(), std::size_t{1});
        const Place& munich = found.front();
        QCOMPARE(munich.displayText(), QStringLiteral("Munich, Bavaria, Germany"));
        QCOMPARE(munich.timeZone, QStringLiteral("Europe/Berlin"));
        QVERIFY(qAbs(munich.latitude - 48.137) < 0.01);
        QVERIFY(qAbs(munich.longitude - 11.575) < 0.01);
        QVERIFY(munich.population > 1000000);
        const auto yellowknife = atlas->search(QStringLiteral("Yellowknife"), 1);
        QCOMPARE(yellowknife.front().timeZone, QStringLiteral("America/Edmonton"));
        const auto newYork = atlas->search(QStringLiteral("New York"), 1);
        QVERIFY(newYork.front().longitude < -73);
    }

    void everyZoneIsKnownAndNoLink() {
        QSet<QString> zones;
        for (int i = 0; i < atlas->size(); ++i)
            zones.insert(atlas->place(i).timeZone);
        QVERIFY(zones.size() > 350);
        for (const QString& zone : zones) {
            QVERIFY2(QTimeZone(zone.toUtf8()).isValid(), qPrintable(zone));
            QVERIFY2(QTimeZone::isTimeZoneIdAvailable(zone.toUtf8()), qPrintable(zone));
        }
    }

    void manyOfOneNameBestFirst() {
        const auto found = atlas->search(QStringLiteral("Springfield"), 30);
        QVERIFY(found.size() >= 20);
        QVERIFY(BestFirst(found));
        QSet<int> seen;
        for (const Place& p : found) {
            QVERIFY(!seen.contains(p.index));
            seen.insert(p.index);
        }
        // The towns of exactly that name come before longer names.
        int named = 0;
        for (const Place& p : found)
            named += p.name == QStringLiteral("Springfield");
        QVERIFY(named >= 20);
        QCOMPARE(found.front().name, QStringLiteral("Springfield"));
    }

    void townRegionCountry() {
        QCOMPARE(atlas->search(QStringLiteral("London"), 1).front().shortText(),
                 QStringLiteral("London, England, GB"));
        QCOMPARE(atlas->search(QStringLiteral("London, GB"), 1).front().countryCode,
                 QStringLiteral("GB"));
        QCOMPARE(atlas->search(QStringLiteral("London, UK"), 1).front().countryCode,
                 QStringLiteral("GB"));
        QCOMPARE(atlas->search(QStringLiteral("London, Canada"), 1).front().shortText(),
                 QStringLiteral("London, Ontario, CA"));
        QCOMPARE(atlas->search(QStringLiteral("london, ontario"), 1).front().shortText(),
                 QStringLiteral("London, Ontario, CA"));
        const auto illinois = atlas->search(QStringLiteral("Springfield, Illinois, US"), 5);
        QVERIFY(!illinois.empty());
        for (const Place& p : illinois) {
            QCOMPARE(p.region, QStringLiteral("Illinois"));
            QCOMPARE(p.countryCode, QStringLiteral("US"));
        }
        QVERIFY(atlas->search(QStringLiteral("London, Atlantis"), 5).empty());
        QVERIFY(atlas->search(QStringLiteral("   "), 5).empty());
        QVERIFY(atlas->search(QStringLiteral("London"), 0).empty());
    }

    void shortPrefixesAgreeWithAFullScan_data() {
        QTest::addColumn<QString>("query");
        for (const char* q : {"s", "S", "m", "mu", "ba", "zh", "ö", "ss"})
            QTest::newRow(q) << QString::fromUtf8(q);
    }
    void shortPrefixesAgreeWithAFullScan() {
        // Ten results come from the prepared lists, two hundred from the keys.
        QFETCH(QString, query);
        const auto quick = atlas->search(query, 10);
        const auto scanned = atlas->search(query, 200);
        QCOMPARE(quick.size(), std::size_t{10});
        QCOMPARE(Names(quick), Names(std::vector<Place>(scanned.begin(), scanned.begin() + 10)));
    }

    void everyTownFindsItselfByItsName() {
        // The keys in the file were folded by the generator; the queries are
        // folded here: the two must agree.
        int missing = 0;
        for (int i = 0; i < atlas->size(); i += 37) {
            const Place p = atlas->place(i);
            if (p.name.contains(QLatin1Char(',')))
                continue; // a comma starts the region or country part of a query
            const auto found = atlas->search(p.name + QStringLiteral(", ") + p.countryCode, 500);
            bool ok = false;
            for (const Place& f : found)
                ok = ok || f.index == i;
            if (!ok && ++missing < 10)
                qWarning() << "not found by its name:" << p.shortText();
        }
        QCOMPARE(missing, 0);
    }

    void dataFileFailures() {
        QTemporaryDir dir;
        QString error;
        QVERIFY(!Atlas::load(dir.filePath(QStringLiteral("none.tsv.gz")), &error));
        QVERIFY(error.contains(QStringLiteral("Cannot open")));
        QFile damaged(dir.filePath(QStringLiteral("places.tsv.gz")));
        QVERIFY(damaged.open(QIODevice::WriteOnly));
        damaged.write("P\tTown\t0\tnorth\n");
        damaged.close();
        QVERIFY(!Atlas::load(damaged.fileName(), &error));
        QVERIFY(error.contains(QStringLiteral("damaged")));
        qputenv("TIVORA_DATA_DIR", dir.path().toUtf8());
        QCOMPARE(AtlasDataPath(), QDir::cleanPath(damaged.fileName()));
        qunsetenv("TIVORA_DATA_DIR");
        // A load told to stop gives no atlas and no error message.
        const std::atomic<bool> stop{true};
        error.clear();
        QVERIFY(!Atlas::load(AtlasDataPath(), &error, &stop));
        QVERIFY(error.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestAtlasSearch)
#include "test_atlas_search.moc"
