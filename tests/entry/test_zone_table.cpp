#include "entry/zone_table.h"

#include <QtTest>

using namespace tivora;

namespace {

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

// The rule worked out independently: the offset read as a number, whole
// hours and the half hour reversed in sign.
std::pair<QString, QString> ExpectedTexts(const QString& rowText) {
    bool ok = false;
    const double offset = rowText.section(QLatin1Char(','), -1).trimmed().toDouble(&ok);
    if (!ok)
        return {QStringLiteral("unreadable"), QStringLiteral("unreadable")};
    const int hours = static_cast<int>(std::trunc(offset));
    const bool fraction = offset != std::trunc(offset);
    return {QString::number(-hours),
            fraction ? QString::number(offset > 0 ? -30 : 30) : QStringLiteral("0")};
}

} // namespace

class TestZoneTable : public QObject {
    Q_OBJECT

private slots:
    void tableShape() {
        const auto& table = ZoneTable();
        QCOMPARE(table.size(), 71u);
        QSet<QString> seen;
        for (const ZoneRow& row : table) {
            QCOMPARE(Q(row.text).count(QLatin1Char(',')), 2);
            QVERIFY2(!seen.contains(Q(row.text)), row.text.c_str());
            seen.insert(Q(row.text));
        }
        // Alphabetical, ignoring case ("Universal Time" before "USSR Zone 10").
        for (std::size_t i = 1; i < table.size(); ++i)
            QVERIFY2(Q(table[i - 1].text).compare(Q(table[i].text), Qt::CaseInsensitive) < 0,
                     table[i].text.c_str());
    }

    void anchorRows_data() {
        QTest::addColumn<int>("position");
        QTest::addColumn<QString>("text");
        QTest::newRow("first") << 0 << "Alaska/Hawaii Daylight Time,AHDT,-9.0";
        QTest::newRow("blanks after commas") << 11 << "Azores Time, AT, -2.0";
        QTest::newRow("Indian") << 34 << "Indian Time, IST, +5.3";
        QTest::newRow("apostrophe") << 35 << "Int'l Date Line East,IDLE,+12.0";
        QTest::newRow("Newfoundland NST") << 50 << "Newfoundland Standard Time,NST,-3.5";
        QTest::newRow("Sumatra NST") << 52 << "North Sumatra Time,NST,+6.5";
        QTest::newRow("SA daylight SAD") << 56 << "South Australia Daylight Time,SAD,+10.5";
        QTest::newRow("SA daylight SDT") << 57 << "South Australia Daylight Time,SDT,+10.5";
        QTest::newRow("SA standard SAST") << 58 << "South Australia Standard Time,SAST,+9.5";
        QTest::newRow("SA standard SAT") << 59 << "South Australia Standard Time,SAT,+9.5";
        QTest::newRow("Universal") << 61 << "Universal Time, UT, 0.0";
        QTest::newRow("last") << 70 << "Yukon War Time,YWT,-8.0";
    }
    void anchorRows() {
        QFETCH(int, position);
        QFETCH(QString, text);
        QCOMPARE(Q(ZoneTable().at(static_cast<std::size_t>(position)).text), text);
    }

    void repeatedAbbreviations() {
        int nst = 0;
        int southAustralia = 0;
        for (const ZoneRow& row : ZoneTable()) {
            nst += Q(row.text).contains(QStringLiteral(",NST,")) ? 1 : 0;
            southAustralia += Q(row.text).startsWith(QStringLiteral("South Australia")) ? 1 : 0;
        }
        QCOMPARE(nst, 2);
        QCOMPARE(southAustralia, 4);
    }

    void tellingRows_data() {
        QTest::addColumn<int>("position");
        QTest::addColumn<QString>("hour");
        QTest::addColumn<QString>("minute");
        QTest::newRow("west, whole") << 0 << "9"
                                     << "0";
        QTest::newRow("east, half") << 5 << "-10"
                                    << "-30";
        QTest::newRow("Greenwich") << 29 << "0"
                                   << "0";
        QTest::newRow("west, half") << 32 << "10"
                                    << "30";
        QTest::newRow("Indian .3") << 34 << "-5"
                                   << "-30";
        QTest::newRow("two digits east") << 46 << "-13"
                                         << "0";
        QTest::newRow("Newfoundland") << 50 << "3"
                                      << "30";
        QTest::newRow("British Summer") << 16 << "-1"
                                        << "0";
        QTest::newRow("Universal") << 61 << "0"
                                   << "0";
    }
    void tellingRows() {
        QFETCH(int, position);
        QFETCH(QString, hour);
        QFETCH(QString, minute);
        const ZoneRow& row = ZoneTable().at(static_cast<std::size_t>(position));
        QCOMPARE(Q(row.hour), hour);
        QCOMPARE(Q(row.minute), minute);
    }

    void everyRowFollowsTheRule() {
        for (const ZoneRow& row : ZoneTable()) {
            const auto [hour, minute] = ExpectedTexts(Q(row.text));
            QVERIFY2(Q(row.hour) == hour && Q(row.minute) == minute,
                     qPrintable(Q(row.text) + QStringLiteral(" gave ") + Q(row.hour) +
                                QLatin1Char('/') + Q(row.minute)));
        }
    }

    void ruleOnOddTexts_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("hour");
        QTest::addColumn<QString>("minute");
        QTest::newRow("no sign") << "X,X,5.5"
                                 << "-5"
                                 << "-30";
        QTest::newRow("minus half") << "X,X,-0.5"
                                    << "0"
                                    << "30";
        QTest::newRow("plus half") << "X,X,+0.5"
                                   << "0"
                                   << "-30";
        QTest::newRow("no fraction") << "X,X,+7"
                                     << "-7"
                                     << "0";
        QTest::newRow("trailing zero fraction") << "X,X,-4.00"
                                                << "4"
                                                << "0";
        QTest::newRow("late fraction digit") << "X,X,+4.05"
                                             << "-4"
                                             << "-30";
    }
    void ruleOnOddTexts() {
        QFETCH(QString, text);
        QFETCH(QString, hour);
        QFETCH(QString, minute);
        const ZoneRow row = ZoneRowFromText(text.toStdString());
        QCOMPARE(Q(row.text), text);
        QCOMPARE(Q(row.hour), hour);
        QCOMPARE(Q(row.minute), minute);
    }
};

QTEST_APPLESS_MAIN(TestZoneTable)
#include "test_zone_table.moc"
