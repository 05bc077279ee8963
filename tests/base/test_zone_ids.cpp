#include "base/zone_ids.h"

#include <QtTest>

using namespace tivora;

// The zone names are read once a process, so this program points the zone
// folder at its own tzdata.zi before the first look-up.
class TestZoneIds : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        QVERIFY(folder_.isValid());
        QFile zi(folder_.filePath(QStringLiteral("tzdata.zi")));
        QVERIFY(zi.open(QIODevice::WriteOnly));
        zi.write("# version 2099z\n"
                 "Z Test/Somewhere 5:30 - TST\n"
                 "L Test/Somewhere Test/Elsewhere\n");
        zi.close();
        qputenv("TIVORA_ZONEINFO_DIR", QFile::encodeName(folder_.path()));
    }

    // The names come from the folder the zones' clocks are read from, not
    // from a fixed system path (which Windows does not have).
    void namesComeFromTheZoneFolder() {
        QCOMPARE(ZoneDataFolder(), folder_.path());
        QVERIFY(IsKnownZoneId(QStringLiteral("Test/Somewhere")));
        QVERIFY(IsKnownZoneId(QStringLiteral("Test/Elsewhere")));
        QVERIFY(IsKnownZoneId(QStringLiteral("UTC")));
        QVERIFY(!IsKnownZoneId(QStringLiteral("Asia/Kolkata")));
        QVERIFY(!IsKnownZoneId(QStringLiteral("test/somewhere")));
    }

private:
    QTemporaryDir folder_;
};

QTEST_GUILESS_MAIN(TestZoneIds)
#include "test_zone_ids.moc"
