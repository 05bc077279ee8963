#include "report/reading_file_checks.h"

#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

using namespace tivora;
using namespace tivora::test;

namespace {

constexpr int kInputs = 2000;

// Bytes a reading file is made of: scrambled digits, "-", ".", a blank,
// letters, and the line ends, so most inputs get past the first checks.
const QByteArray kLikelyBytes = QByteArray::fromHex("75828385868788898a8b8c8d8eb6c00d0a");

ChartRecord RandomChart(QRandomGenerator& random) {
    ChartRecord c;
    c.BirthName = std::string(random.bounded(12), 'a' + char(random.bounded(26)));
    c.BirthMonth = std::int16_t(random.bounded(-2, 15));
    c.BirthDay = std::int16_t(random.bounded(0, 33));
    c.BirthYear = std::int16_t(random.bounded(1895, 2060));
    c.BirthHour = std::int16_t(random.bounded(-1, 26));
    c.BirthMinute = std::int16_t(random.bounded(0, 61));
    c.LonDegrees = std::int16_t(random.bounded(-200, 200));
    c.LonMinutes = std::int16_t(random.bounded(0, 61));
    c.LatDegrees = std::int16_t(random.bounded(-100, 100));
    c.LatMinutes = std::int16_t(random.bounded(0, 61));
    c.ZoneHours = std::int16_t(random.bounded(0, 16));
    c.ZoneMinutes = std::int16_t(random.bounded(0, 60));
    c.IsEast = random.bounded(2) == 1;
    c.IsSouth = random.bounded(2) == 1;
    c.IsDST = random.bounded(2) == 1;
    c.ZoneDirection = ZoneDirection(random.bounded(3));
    return c;
}

QByteArray RandomContent(QRandomGenerator& random) {
    QByteArray bytes;
    switch (random.bounded(3)) {
    case 0: // anything at all
        bytes.resize(random.bounded(300));
        for (char& b : bytes)
            b = char(random.bounded(256));
        break;
    case 1: // the bytes files are made of
        bytes.resize(random.bounded(300));
        for (char& b : bytes)
            b = kLikelyBytes[random.bounded(int(kLikelyBytes.size()))];
        break;
    default: { // a real file, then damaged
        bytes = ReadingFileBytes(RandomChart(random));
        const int damage = random.bounded(6);
        for (int i = 0; i < damage && !bytes.isEmpty(); ++i) {
            const int at = random.bounded(int(bytes.size()));
            switch (random.bounded(4)) {
            case 0:
                bytes[at] = char(random.bounded(256));
                break;
            case 1:
                bytes.remove(at, 1 + random.bounded(4));
                break;
            case 2:
                bytes.insert(at, random.bounded(2) ? '\r' : '\n');
                break;
            default:
                bytes.truncate(at);
                break;
            }
        }
        break;
    }
    }
    return bytes;
}

quint32 Seed() {
    bool ok = false;
    const quint32 seed = qEnvironmentVariable("TIVORA_RANDOM_SEED").toUInt(&ok);
    return ok ? seed : 20260107u;
}

} // namespace

class TestReadingFileRandom : public QObject {
    Q_OBJECT

private slots:
    void randomContentKeepsEveryRule() {
        const quint32 seed = Seed();
        qInfo("seed %u (set TIVORA_RANDOM_SEED to repeat another)", seed);
        QRandomGenerator random(seed);
        for (int runs = 0; runs < kInputs; ++runs) {
            const QByteArray content = RandomContent(random);
            std::string broken = CheckReadingFileContent(content);
            if (broken.empty())
                broken = CheckNameRoundTrip(content);
            if (!broken.empty())
                QFAIL(qPrintable(QStringLiteral("%1 after %2 inputs, content %3")
                                     .arg(QString::fromStdString(broken))
                                     .arg(runs)
                                     .arg(QString::fromLatin1(content.toHex()))));
        }
    }

    void filesOnDiskReadAsTheirContent() {
        QTemporaryDir dir;
        QRandomGenerator random(Seed() + 1);
        const QString path = dir.filePath("random.tvr");
        for (int i = 0; i < 300; ++i) {
            const QByteArray content = RandomContent(random);
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
            QCOMPARE(file.write(content), content.size());
            file.close();
            BirthEntry fromDisk = EntryBeforeOpen();
            QCOMPARE(OpenReadingFile(path, fromDisk), OpenResult::Applied);
            BirthEntry inMemory = EntryBeforeOpen();
            ApplyReadingFileLines(ReadingFileLines(content), inMemory);
            QVERIFY2(SameEntry(fromDisk, inMemory), content.toHex().constData());
        }
    }
};

QTEST_GUILESS_MAIN(TestReadingFileRandom)
#include "test_reading_file_random.moc"
