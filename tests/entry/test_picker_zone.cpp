#include "entry/picker_zone.h"

#include <QTest>

using namespace tivora;

class TestPickerZone : public QObject {
    Q_OBJECT
private slots:
    // Offsets of real zones as the picker shows them: a minus means east,
    // ahead of universal time.
    void publishedOffsets_data() {
        QTest::addColumn<int>("secondsEast");
        QTest::addColumn<int>("hours");
        QTest::addColumn<int>("minutes");
        QTest::newRow("India, UT+5:30") << 19800 << -5 << -30;
        QTest::newRow("New York in winter, UT-5:00") << -18000 << 5 << 0;
        QTest::newRow("Nepal, UT+5:45") << 20700 << -5 << -45;
        QTest::newRow("Newfoundland, UT-3:30") << -12600 << 3 << 30;
        QTest::newRow("Azores in summer, UT+0:00") << 0 << 0 << 0;
        QTest::newRow("Marquesas, UT-9:30") << -34200 << 9 << 30;
        QTest::newRow("Chatham in summer, UT+13:45") << 49500 << -13 << -45;
    }
    void publishedOffsets() {
        QFETCH(int, secondsEast);
        QFETCH(int, hours);
        QFETCH(int, minutes);
        const PickerZone zone = PickerZone::FromSecondsEast(secondsEast);
        QCOMPARE(zone.pickerHours(), hours);
        QCOMPARE(zone.pickerMinutes(), minutes);
        QCOMPARE(zone.hourText(), std::to_string(hours));
        QCOMPARE(zone.minuteText(), std::to_string(minutes));
        QCOMPARE(PickerZone::FromPicker(hours, minutes).secondsEast(), secondsEast);
    }

    void marks() {
        // Half an hour ahead: only the minutes can carry the mark.
        const PickerZone half = PickerZone::FromSecondsEast(1800);
        QCOMPARE(half.hourText(), std::string("0"));
        QCOMPARE(half.minuteText(), std::string("-30"));
        // Amsterdam's 1909 UT+0:19:32: the seconds are not the picker's.
        QCOMPARE(PickerZone::FromSecondsEast(1172).minuteText(), std::string("-19"));
        QVERIFY(PickerZone::Marked(" -5"));
        QVERIFY(PickerZone::Marked("-0"));
        QVERIFY(!PickerZone::Marked("5"));
        QVERIFY(!PickerZone::Marked(""));
        QVERIFY(!PickerZone::Marked("5-"));
        QCOMPARE(PickerZone::WithMark("0"), std::string("-0"));
    }
};

QTEST_APPLESS_MAIN(TestPickerZone)
#include "test_picker_zone.moc"
