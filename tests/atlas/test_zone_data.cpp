#include "atlas/zone_data.h"

#include <QtTest>

using tivora::atlas::ZoneData;
using tivora::atlas::ZoneState;

namespace {

// Qt reads the same IANA files as the program only on Linux; on Windows it
// asks the registry, which keeps no history.
bool QtReadsTheSameZoneData() {
    return QSysInfo::productType() != QLatin1String("windows") &&
           QFileInfo(QStringLiteral("/usr/share/zoneinfo/Europe/London")).isFile();
}

qint64 Utc(int year, int month, int day) {
    return QDateTime(QDate(year, month, day), QTime(0, 0), Qt::UTC).toSecsSinceEpoch();
}

// Compares the reader with Qt's own reading of the system's zone data at one
// instant; an empty string when they agree.
QString Disagreement(const QTimeZone& qt, const ZoneData& ours, qint64 at) {
    const auto d = qt.offsetData(QDateTime::fromSecsSinceEpoch(at, Qt::UTC));
    const ZoneState s = ours.at(at);
    if (d.offsetFromUtc == s.offsetSeconds && d.standardTimeOffset == s.standardSeconds &&
        d.abbreviation == s.abbreviation)
        return {};
    return QStringLiteral("%1 at %2: Qt %3/%4 %5, ours %6/%7 %8")
        .arg(QString::fromUtf8(qt.id()),
             QDateTime::fromSecsSinceEpoch(at, Qt::UTC).toString(Qt::ISODate))
        .arg(d.offsetFromUtc)
        .arg(d.standardTimeOffset)
        .arg(d.abbreviation)
        .arg(s.offsetSeconds)
        .arg(s.standardSeconds)
        .arg(s.abbreviation);
}

QByteArray Be32(qint32 v) {
    QByteArray b(4, '\0');
    qToBigEndian(v, b.data());
    return b;
}

// A TZif v2 file with no changes, one type and the given footer.
QByteArray Tzif(int offset, const QByteArray& abbreviation, const QByteArray& footer) {
    QByteArray header = "TZif2" + QByteArray(15, '\0');
    for (qint32 count : {0, 0, 0, 0, 1, qint32(abbreviation.size() + 1)})
        header += Be32(count);
    const QByteArray body = Be32(offset) + QByteArray(1, '\0') + QByteArray(1, '\0') +
                            abbreviation + QByteArray(1, '\0');
    return header + body + header + body + '\n' + footer + '\n';
}

} // namespace

class TestZoneData : public QObject {
    Q_OBJECT
private slots:
    // Every zone of the system: each clock change, a second either side of
    // it, and a day every season from 1850 to 2100 (past the last recorded
    // change, where the zone's rule takes over).
    void agreesWithQtEverywhere() {
        if (!QtReadsTheSameZoneData())
            QSKIP("Qt does not read the IANA zone files here");
        int zones = 0;
        qint64 checks = 0;
        QStringList wrong;
        const qint64 from = Utc(1850, 1, 1), to = Utc(2100, 1, 1);
        for (const QByteArray& id : QTimeZone::availableTimeZoneIds()) {
            const QTimeZone qt(id);
            const ZoneData ours = ZoneData::Load(QString::fromUtf8(id));
            // Qt's own fixed-offset zones ("UTC", "UTC+05:30") read no zone data.
            if (!qt.isValid() || !qt.hasTransitions() || !ours.isValid())
                continue;
            ++zones;
            std::vector<qint64> instants;
            for (const auto& t : qt.transitions(QDateTime::fromSecsSinceEpoch(from, Qt::UTC),
                                                QDateTime::fromSecsSinceEpoch(to, Qt::UTC)))
                for (const qint64 delta : {-1, 0, 1})
                    instants.push_back(t.atUtc.toSecsSinceEpoch() + delta);
            for (qint64 at = from; at < to; at += 91 * 86400 + 3677)
                instants.push_back(at);
            for (const qint64 at : instants) {
                ++checks;
                const QString problem = Disagreement(qt, ours, at);
                if (!problem.isEmpty() && wrong.size() < 20)
                    wrong << problem;
            }
        }
        QVERIFY2(zones > 300, qPrintable(QString::number(zones)));
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(QLatin1Char('\n'))));
        qInfo("%d zones, %lld instants agree", zones, checks);
    }

    // The changes listed are those Qt lists, recorded ones and rule ones
    // alike. Qt lists none after 2037 (though its offsets follow the rule
    // there), so later ones are checked as real changes of Qt's offsets.
    void transitionsAgreeWithQt() {
        if (!QtReadsTheSameZoneData())
            QSKIP("Qt does not read the IANA zone files here");
        const char* ids[] = {"Europe/London",       "America/New_York", "Asia/Kolkata",
                             "Australia/Lord_Howe", "America/Santiago", "Africa/Casablanca",
                             "Europe/Amsterdam",    "Asia/Kathmandu",   "Pacific/Chatham"};
        for (const char* id : ids) {
            const QTimeZone qt(id);
            const ZoneData ours = ZoneData::Load(QString::fromLatin1(id));
            for (const auto& [from, to] : {std::pair{Utc(1900, 1, 1), Utc(1950, 1, 1)},
                                           std::pair{Utc(2020, 3, 1), Utc(2037, 1, 1)}}) {
                std::vector<qint64> expected;
                for (const auto& t : qt.transitions(QDateTime::fromSecsSinceEpoch(from, Qt::UTC),
                                                    QDateTime::fromSecsSinceEpoch(to, Qt::UTC)))
                    expected.push_back(t.atUtc.toSecsSinceEpoch());
                QCOMPARE(ours.transitions(from, to), expected);
            }
            const auto later = ours.transitions(Utc(2037, 1, 1), Utc(2100, 1, 1));
            // Some files mark the end of 32-bit time with a change to the
            // same clocks.
            constexpr qint64 kEndOf32BitTime = 2147483647;
            for (const qint64 t : later)
                QVERIFY2(t == kEndOf32BitTime ||
                             qt.offsetFromUtc(QDateTime::fromSecsSinceEpoch(t - 1, Qt::UTC)) !=
                                 qt.offsetFromUtc(QDateTime::fromSecsSinceEpoch(t, Qt::UTC)),
                         qPrintable(QStringLiteral("%1 %2").arg(QLatin1String(id)).arg(t)));
            // Two a year by the rule, 2037 to 2099.
            if (qstrcmp(id, "Europe/London") == 0)
                QCOMPARE(later.size(), size_t(2 * 63));
        }
    }

    // What Windows' own zones get wrong: war time, local rules before 1970,
    // offsets to the second, zones it does not know.
    void historyToTheSecond() {
        if (!ZoneData::Load(QStringLiteral("Europe/London")).isValid())
            QSKIP("no zone data");
        const ZoneState london =
            ZoneData::Load(QStringLiteral("Europe/London")).at(Utc(1941, 6, 1));
        QCOMPARE(london.offsetSeconds, 7200);
        QCOMPARE(london.abbreviation, QStringLiteral("BDST"));
        QVERIFY(london.isDaylightTime());
        const ZoneState amsterdam =
            ZoneData::Load(QStringLiteral("Europe/Amsterdam")).at(Utc(1909, 6, 1));
        QCOMPARE(amsterdam.offsetSeconds, 19 * 60 + 32);
        QCOMPARE(ZoneData::Load(QStringLiteral("Asia/Kathmandu")).at(Utc(2000, 1, 1)).offsetSeconds,
                 5 * 3600 + 45 * 60);
    }

    // Only plain zone names are looked up, never a path out of the folder.
    void refusesOddNamesAndBrokenFiles() {
        for (const char* id : {"", "../../etc/passwd", "/etc/passwd", "Europe/../../../etc/hosts",
                               "Europe//London", "Europe/London/"})
            QVERIFY2(!ZoneData::Load(QString::fromLatin1(id)).isValid(), id);
        const QByteArray good = Tzif(3600, "CET", "CET-1CEST,M3.5.0,M10.5.0/3");
        QVERIFY(ZoneData::FromTzif(good).isValid());
        for (qsizetype cut : {0, 10, 44, 60, 100})
            QVERIFY(!ZoneData::FromTzif(good.left(cut)).isValid());
        QVERIFY(!ZoneData::FromTzif(QByteArray(good).replace("TZif2", "TZif\0")).isValid());
        QVERIFY(!ZoneData::FromTzif(Tzif(0, "UTC", "U")).isValid());
        // A second header that promises two thousand million changes.
        QByteArray huge = good;
        const qsizetype second = huge.indexOf("TZif", 4);
        huge.replace(second + 32, 4, Be32(0x7fffffff));
        QVERIFY(!ZoneData::FromTzif(huge).isValid());
        QVERIFY(!ZoneData::FromTzif(Tzif(3600, "CET", "CET-1CEST,M3.5.0")).isValid());
    }

    // A zone made only of its rule: the rule's clocks, its changes at the
    // local times it names (daylight time ends by the daylight clock).
    void ruleOnlyZone() {
        const ZoneData zone = ZoneData::FromTzif(Tzif(3600, "CET", "CET-1CEST,M3.5.0,M10.5.0/3"));
        QCOMPARE(zone.at(Utc(2030, 1, 15)).offsetSeconds, 3600);
        const ZoneState summer = zone.at(Utc(2030, 7, 1));
        QCOMPARE(summer.offsetSeconds, 7200);
        QCOMPARE(summer.standardSeconds, 3600);
        QCOMPARE(summer.abbreviation, QStringLiteral("CEST"));
        // 2030: last Sunday of March is the 31st, of October the 27th;
        // 02:00 CET and 03:00 CEST are both 01:00 UT.
        const std::vector<qint64> expected{Utc(2030, 3, 31) + 3600, Utc(2030, 10, 27) + 3600};
        QCOMPARE(zone.transitions(Utc(2030, 1, 1), Utc(2031, 1, 1)), expected);
        const ZoneData india = ZoneData::FromTzif(Tzif(19800, "IST", "IST-5:30"));
        QCOMPARE(india.at(Utc(2040, 5, 5)).offsetSeconds, 19800);
        QVERIFY(india.transitions(Utc(2000, 1, 1), Utc(2100, 1, 1)).empty());
    }
};

QTEST_GUILESS_MAIN(TestZoneData)
#include "test_zone_data.moc"
