#include "atlas/atlas.h"

#include <QSet>
#include <QTimeZone>
#include <QtTest>

using namespace tivora::atlas;

// The data file as shipped: every town, every zone and the keys' folding.
class TestAtlasReal : public QObject {
    Q_OBJECT
    std::shared_ptr<const Atlas> atlas;

private slots:
    void initTestCase() {
        QString error;
        atlas = Atlas::load(QStringLiteral(TIVORA_REAL_ATLAS), &error);
        QVERIFY2(atlas, qPrintable(error));
        // Every cities500 town of 500 people or more and every seat.
        QVERIFY(atlas->size() > 175000);
    }

    void villagesAndEveryScript() {
        const auto plains = atlas->search(QStringLiteral("Plains, Georgia"), 3);
        QVERIFY(!plains.empty());
        QCOMPARE(plains.front().shortText(), QStringLiteral("Plains, Georgia, US"));
        for (const char* query : {"Москва", "मुंबई", "東京"}) {
            const auto found = atlas->search(QString::fromUtf8(query), 3);
            QVERIFY2(!found.empty(), query);
            QVERIFY2(found.front().population > 8000000, query);
        }
    }

    void everyZoneIsKnownWithItsCity() {
        QSet<QString> zones;
        for (int i = 0; i < atlas->size(); ++i) {
            const Place p = atlas->place(i);
            if (zones.contains(p.timeZone))
                continue;
            zones.insert(p.timeZone);
            QVERIFY2(QTimeZone::isTimeZoneIdAvailable(p.timeZone.toUtf8()), qPrintable(p.timeZone));
            QVERIFY2(p.zoneCityLatitude != 0 || p.zoneCityLongitude != 0, qPrintable(p.timeZone));
        }
        QVERIFY(zones.size() > 350);
        const auto chicago = atlas->search(QStringLiteral("Duluth, MN"), 1);
        QCOMPARE(chicago.front().timeZone, QStringLiteral("America/Chicago"));
        QCOMPARE(chicago.front().zoneCityRegion, QStringLiteral("Illinois"));
    }

    void everyTownFindsItselfByItsName() {
        // The keys in the file were folded by the generator; the queries are
        // folded here: the two must agree.
        int missing = 0;
        for (int i = 0; i < atlas->size(); i += 37) {
            const Place p = atlas->place(i);
            const auto found = atlas->search(p.name + QStringLiteral(", ") + p.countryCode, 500);
            bool ok = false;
            for (const Place& f : found)
                ok = ok || f.index == i;
            if (!ok && ++missing < 10)
                qWarning() << "not found by its name:" << p.shortText();
        }
        QCOMPARE(missing, 0);
    }
};

QTEST_GUILESS_MAIN(TestAtlasReal)
#include "test_atlas_real.moc"
