#include "engine/ephemeris.h"
#include "entry/birth_entry.h"
#include "entry/birth_summary.h"

#include <QtTest>

using namespace tivora;

namespace {

ChartRecord Calculated(int year, int month, int day, int hour, int minute, const char* lonD,
                       const char* lonM, bool east, const char* zoneHour, const char* zoneMinute,
                       bool dst) {
    BirthEntry e;
    e.name = "Asha";
    e.year = FindListItem(EntryList::Year, std::to_string(year));
    e.month = month - 1;
    e.day = day - 1;
    e.hour = hour;
    e.minute = minute;
    e.lonDegrees = lonD;
    e.lonMinutes = lonM;
    e.east = east;
    e.latDegrees = "40";
    e.latMinutes = "0";
    e.zoneHour = zoneHour;
    e.zoneMinute = zoneMinute;
    e.dst = dst;
    ChartRecord chart;
    WriteBirthData(e, chart);
    CalculateAscendant(chart);
    return chart;
}

} // namespace

class TestBirthSummary final : public QObject {
    Q_OBJECT
private slots:
    void offsetTexts() {
        QCOMPARE(UtcOffsetText(330), std::string("UT+5:30"));
        QCOMPARE(UtcOffsetText(-570), std::string("UT-9:30"));
        QCOMPARE(UtcOffsetText(0), std::string("UT+0:00"));
        QCOMPARE(UtcOffsetText(-45), std::string("UT-0:45"));
    }

    // Summer time in London is one hour ahead of universal time: 20:00 BST
    // is 19:00 UT, whether the boxes say 0 with DST or the picker's "-1".
    void londonSummerTime() {
        const ChartRecord dst = Calculated(1985, 7, 15, 20, 0, "0", "7", false, "0", "0", true);
        QCOMPARE(UtcOffsetMinutes(dst), 60);
        const std::string text = BirthSummary(dst, "London", "BST");
        // The name and the town are isolated (FSI ... PDI) from the figures.
        QVERIFY2(text.rfind("\u2068Asha\u2069, 15 Jul 1985 20:00, \u2068London\u2069 (40\xC2\xB0 "
                            "0' N, 0\xC2\xB0 7' W), "
                            "UT+1:00 BST, 19:00 UT, Ascendant ",
                            0) == 0,
                 text.c_str());
        QVERIFY(text.size() > dst.AscendantText.size() &&
                text.compare(text.size() - dst.AscendantText.size(), std::string::npos,
                             dst.AscendantText) == 0);

        const ChartRecord picked =
            Calculated(1985, 7, 15, 20, 0, "0", "7", false, "-1", "0", false);
        QCOMPARE(UtcOffsetMinutes(picked), 60);
    }

    // Universal time on another day than the local date says which.
    void dateChangesAtMidnight() {
        const ChartRecord delhi = Calculated(2000, 1, 1, 2, 0, "77", "13", true, "5", "30", false);
        const std::string east = BirthSummary(delhi, "", "");
        QVERIFY2(east.find("UT+5:30, 20:30 UT on 31 Dec 1999,") != std::string::npos, east.c_str());
        QVERIFY2(east.find("40\xC2\xB0 0' N, 77\xC2\xB0 13' E") != std::string::npos, east.c_str());

        const ChartRecord york = Calculated(1999, 12, 31, 23, 0, "74", "0", false, "5", "0", false);
        const std::string west = BirthSummary(york, "", "");
        QVERIFY2(west.find("UT-5:00, 04:00 UT on 1 Jan 2000,") != std::string::npos, west.c_str());

        const ChartRecord leap = Calculated(2000, 3, 1, 1, 0, "77", "13", true, "5", "30", false);
        QVERIFY(BirthSummary(leap, "", "").find("19:30 UT on 29 Feb 2000") != std::string::npos);
    }

    // A wrapped status line never breaks inside the ascendant.
    void unbrokenAscendant() {
        const ChartRecord c = Calculated(1985, 7, 15, 20, 0, "0", "7", false, "0", "0", true);
        const std::string text = BirthSummary(c, "", "", true);
        const std::string nbsp = "\xC2\xA0";
        const std::string tail = ", Ascendant " + Unbroken(c.AscendantText);
        QVERIFY2(text.size() > tail.size() &&
                     text.compare(text.size() - tail.size(), std::string::npos, tail) == 0,
                 text.c_str());
        QVERIFY(tail.find(' ', 2 + std::string(", Ascendant").size()) == std::string::npos);
        QCOMPARE(Unbroken("11\xC2\xB0 27' 8\" Sag"),
                 "11\xC2\xB0" + nbsp + "27'" + nbsp + "8\"" + nbsp + "Sag");
    }

    // The offset the zone boxes give Calculate, for the place sentence.
    void enteredOffset() {
        BirthEntry e;
        e.lonDegrees = "88";
        e.lonMinutes = "22";
        e.east = true;
        e.zoneHour = "5";
        e.zoneMinute = "30";
        QCOMPARE(EnteredOffsetMinutes(e), std::optional<int>(330));
        e.dst = true;
        QCOMPARE(EnteredOffsetMinutes(e), std::optional<int>(390));
        e = BirthEntry{};
        e.lonDegrees = "74";
        e.east = false;
        e.zoneHour = "5";
        e.zoneMinute = "0";
        QCOMPARE(EnteredOffsetMinutes(e), std::optional<int>(-300));
        e.zoneHour = "-5"; // the picker's mark: ahead whatever the longitude
        QCOMPARE(EnteredOffsetMinutes(e), std::optional<int>(300));
        e.zoneMinute = "";
        QCOMPARE(EnteredOffsetMinutes(e), std::optional<int>());
    }
};

QTEST_APPLESS_MAIN(TestBirthSummary)
#include "test_birth_summary.moc"
