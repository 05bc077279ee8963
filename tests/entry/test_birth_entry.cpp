#include "engine/ephemeris.h"
#include "entry/birth_entry.h"
#include "entry/calculate.h"
#include "support/sample_births.h"

#include <QtTest>

using namespace tivora;

namespace {

BirthEntry ValidEntry() {
    return test::DelhiEntry();
}

QString MessageOf(const BirthEntry& e) {
    const auto m = ValidateInput(e);
    return m ? QString::fromStdString(m->text) : QString();
}

} // namespace

Q_DECLARE_METATYPE(tivora::EntryField)

class TestBirthEntry : public QObject {
    Q_OBJECT

private slots:
    void listsHoldTheirItems() {
        QCOMPARE(ListItems(EntryList::Month).size(), 12u);
        QCOMPARE(ListItems(EntryList::Month).front(), std::string("January"));
        QCOMPARE(ListItems(EntryList::Day).back(), std::string("31"));
        QCOMPARE(ListItems(EntryList::Year).size(), 150u);
        QCOMPARE(ListItems(EntryList::Year).front(), std::string("1901"));
        QCOMPARE(ListItems(EntryList::Year).back(), std::string("2050"));
        QCOMPARE(ListItems(EntryList::Hour).back(), std::string("23"));
        QCOMPARE(ListItems(EntryList::Second).back(), std::string("59"));
        QCOMPARE(FindListItem(EntryList::Day, "07"), -1); // no leading zeros
        QCOMPARE(FindListItem(EntryList::Year, "1900"), -1);
        QCOMPARE(ListItemText(EntryList::Month, -1), std::string());
    }

    void keyFilter() {
        for (char c = '0'; c <= '9'; ++c)
            QVERIFY(IsAcceptedDigitKey(c));
        QVERIFY(IsAcceptedDigitKey(8));
        for (int code : {int('a'), int('-'), int('.'), int(' '), 13, 22, 127, int('/'), int(':')})
            QVERIFY2(!IsAcceptedDigitKey(code), qPrintable(QString::number(code)));
    }

    void wholeNumbers() {
        QCOMPARE(ToWholeNumber(" 12 "), std::optional<std::int16_t>(12));
        QCOMPARE(ToWholeNumber("-10"), std::optional<std::int16_t>(-10));
        QCOMPARE(ToWholeNumber("2.5"), std::optional<std::int16_t>(2));
        QCOMPARE(ToWholeNumber("3.5"), std::optional<std::int16_t>(4));
        QCOMPARE(ToWholeNumber("2.51"), std::optional<std::int16_t>(3));
        QCOMPARE(ToWholeNumber("2.49"), std::optional<std::int16_t>(2));
        QCOMPARE(ToWholeNumber("32767"), std::optional<std::int16_t>(32767));
        QCOMPARE(ToWholeNumber("-32768"), std::optional<std::int16_t>(-32768));
        QVERIFY(!ToWholeNumber("32768"));
        QVERIFY(!ToWholeNumber("99999999999999999999999"));
        QVERIFY(!ToWholeNumber(""));
        QVERIFY(!ToWholeNumber("   "));
        QVERIFY(!ToWholeNumber("12a"));
        QVERIFY(!ToWholeNumber("0x10"));
        QVERIFY(!ToWholeNumber("-"));
        QVERIFY(!ToWholeNumber("."));
    }

    void emptyFormShowsOnlyTheName() {
        const auto m = ValidateInput(BirthEntry{});
        QVERIFY(m);
        QCOMPARE(*m, (EntryMessage{"Please Enter Name", MessageIcon::Error, EntryField::Name}));
    }

    // C0, DEL and C1 controls could drive a terminal or hide part of a name.
    void namesWithControlCharactersAreRefused() {
        BirthEntry e;
        e.name = "Asha";
        const std::optional<EntryMessage> plain = ValidateInput(e);
        QVERIFY(!plain || plain->focus != EntryField::Name);
        for (const char* name : {"A\x1b[31mred", "A\tB", "A\x7f",
                                 "A\xc2\x9b"
                                 "2J",
                                 "A\nB"}) {
            e.name = std::string(name);
            const auto m = ValidateInput(e);
            QVERIFY2(m && m->text == kNameControlMessage, name);
            QCOMPARE(m->focus, EntryField::Name);
        }
        e.name = std::string("A\0B", 3);
        QVERIFY(HasControlCharacter(e.name));
        // Accents and other scripts are not controls (U+00A0 and U+00E9 start with C2, C3).
        for (const char* name : {"Zo\xc3\xab",
                                 "\xc2\xa0"
                                 "Asha",
                                 "\xe0\xa4\x86\xe0\xa4\xb6\xe0\xa4\xbe"})
            QVERIFY2(!HasControlCharacter(name), name);
        QCOMPARE(Isolated("Asha"), std::string("\u2068Asha\u2069"));
    }

    void checksFireInOrder_data() {
        QTest::addColumn<int>("clear"); // how many of the required boxes are cleared
        QTest::addColumn<QString>("message");
        QTest::addColumn<EntryField>("focus");
        QTest::newRow("name") << 0 << "Please Enter Name" << EntryField::Name;
        QTest::newRow("zone") << 1 << "Please Enter Hour and Minute of Time Zone"
                              << EntryField::ZoneHour;
        QTest::newRow("lon deg") << 2 << "Please Enter Degree of Longitude"
                                 << EntryField::LonDegrees;
        QTest::newRow("lon min") << 3 << "Please Enter Minute of Longitude"
                                 << EntryField::LonMinutes;
        QTest::newRow("lat deg") << 4 << "Please Enter Degree of Latitude"
                                 << EntryField::LatDegrees;
        QTest::newRow("lat min") << 5 << "Please Enter Minute of Latitude"
                                 << EntryField::LatMinutes;
    }
    void checksFireInOrder() {
        // Box k and every later one are empty (blanks only): check k fires.
        QFETCH(int, clear);
        QFETCH(QString, message);
        QFETCH(EntryField, focus);
        BirthEntry e = ValidEntry();
        e.month = 1;
        e.day = 30; // also a bad date, which must come after the empty boxes
        std::string* boxes[] = {&e.name,       &e.zoneHour,   &e.lonDegrees,
                                &e.lonMinutes, &e.latDegrees, &e.latMinutes};
        for (int i = clear; i < 6; ++i)
            *boxes[i] = "  ";
        const auto m = ValidateInput(e);
        QVERIFY(m);
        QCOMPARE(QString::fromStdString(m->text), message);
        QCOMPARE(m->focus, focus);
        QCOMPARE(m->icon, MessageIcon::Error);
    }

    void zoneMinuteAloneFocusesZoneHour() {
        BirthEntry e = ValidEntry();
        e.zoneMinute = "";
        const auto m = ValidateInput(e);
        QCOMPARE(m->focus, EntryField::ZoneHour);
    }

    void dates_data() {
        QTest::addColumn<QString>("month");
        QTest::addColumn<int>("day");
        QTest::addColumn<int>("year");
        QTest::addColumn<QString>("message");
        const QString feb = "Please Enter Correct Date Or Month!";
        const QString thirty = "Please Enter Correct Date Or Month !";
        QTest::newRow("29 Feb 2000") << "February" << 29 << 2000 << QString();
        QTest::newRow("29 Feb 1904") << "February" << 29 << 1904 << QString();
        QTest::newRow("29 Feb 1901") << "February" << 29 << 1901 << feb;
        QTest::newRow("30 Feb 2000") << "February" << 30 << 2000 << feb;
        QTest::newRow("31 Feb 2000") << "February" << 31 << 2000 << feb;
        QTest::newRow("28 Feb 1901") << "February" << 28 << 1901 << QString();
        QTest::newRow("31 Apr") << "April" << 31 << 1999 << thirty;
        QTest::newRow("31 Jun") << "June" << 31 << 1999 << thirty;
        QTest::newRow("31 Sep") << "September" << 31 << 1999 << thirty;
        QTest::newRow("31 Nov") << "November" << 31 << 1999 << thirty;
        QTest::newRow("30 Apr") << "April" << 30 << 1999 << QString();
        QTest::newRow("31 Mar") << "March" << 31 << 1999 << QString();
        QTest::newRow("31 Dec") << "December" << 31 << 1999 << QString();
    }
    void dates() {
        QFETCH(QString, month);
        QFETCH(int, day);
        QFETCH(int, year);
        QFETCH(QString, message);
        BirthEntry e = ValidEntry();
        e.month = FindListItem(EntryList::Month, month.toStdString());
        e.day = day - 1;
        e.year = FindListItem(EntryList::Year, std::to_string(year));
        const auto m = ValidateInput(e);
        QCOMPARE(m ? QString::fromStdString(m->text) : QString(), message);
        if (m) {
            QCOMPARE(m->icon, MessageIcon::Information);
            QCOMPARE(m->focus, EntryField::None);
        }
    }

    void addedChecks_data() {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("message");
        QTest::addColumn<EntryField>("focus");
        const QString numbers = "Only Numbers Are Accepted";
        const QString lon = "Please Enter Correct Longitude";
        const QString lat = "Please Enter Correct Latitude";
        const QString zone = "Please Enter Correct Time Zone";
        QTest::newRow("pasted letters") << "lonD"
                                        << "7x" << numbers << EntryField::LonDegrees;
        QTest::newRow("pasted decimal") << "latM"
                                        << "3.5" << numbers << EntryField::LatMinutes;
        QTest::newRow("minus in lon") << "lonM"
                                      << "-5" << numbers << EntryField::LonMinutes;
        QTest::newRow("zone minus ok") << "zoneH"
                                       << "-5" << QString() << EntryField::None;
        QTest::newRow("zone two minus") << "zoneM"
                                        << "--30" << numbers << EntryField::ZoneMinute;
        QTest::newRow("zone lone minus") << "zoneH"
                                         << "-" << numbers << EntryField::ZoneHour;
        QTest::newRow("lon 181") << "lonD"
                                 << "181" << lon << EntryField::LonDegrees;
        QTest::newRow("lon huge") << "lonD"
                                  << "99999999999999" << lon << EntryField::LonDegrees;
        QTest::newRow("lon 180 ok") << "lonD180"
                                    << "0" << QString() << EntryField::None;
        QTest::newRow("lon 180 and minutes") << "lonD180"
                                             << "1" << lon << EntryField::LonMinutes;
        QTest::newRow("lon min 60") << "lonM"
                                    << "60" << lon << EntryField::LonMinutes;
        QTest::newRow("lat 91") << "latD"
                                << "91" << lat << EntryField::LatDegrees;
        QTest::newRow("lat 95 75") << "latD"
                                   << "95" << lat << EntryField::LatDegrees;
        // At a pole the horizon, and so the ascendant, is undefined.
        QTest::newRow("lat 90 0, a pole") << "latD90"
                                          << "0" << lat << EntryField::LatDegrees;
        QTest::newRow("lat 89 59 ok") << "latD89"
                                      << "59" << QString() << EntryField::None;
        QTest::newRow("lat min 75") << "latM"
                                    << "75" << lat << EntryField::LatMinutes;
        QTest::newRow("zone 15") << "zoneH"
                                 << "15" << zone << EntryField::ZoneHour;
        QTest::newRow("zone -15") << "zoneH"
                                  << "-15" << zone << EntryField::ZoneHour;
        QTest::newRow("zone 14 ok") << "zoneH14"
                                    << "0" << QString() << EntryField::None;
        QTest::newRow("zone 14:30") << "zoneH14"
                                    << "30" << zone << EntryField::ZoneMinute;
        QTest::newRow("zone min 60") << "zoneM"
                                     << "60" << zone << EntryField::ZoneMinute;
    }
    void addedChecks() {
        QFETCH(QString, box);
        QFETCH(QString, text);
        QFETCH(QString, message);
        QFETCH(EntryField, focus);
        BirthEntry e = ValidEntry();
        const std::string t = text.toStdString();
        if (box == "lonD")
            e.lonDegrees = t;
        else if (box == "lonM")
            e.lonMinutes = t;
        else if (box == "latD")
            e.latDegrees = t;
        else if (box == "latM")
            e.latMinutes = t;
        else if (box == "zoneH")
            e.zoneHour = t;
        else if (box == "zoneM")
            e.zoneMinute = t;
        else if (box == "lonD180")
            e.lonDegrees = "180", e.lonMinutes = t;
        else if (box == "latD90")
            e.latDegrees = "90", e.latMinutes = t;
        else if (box == "latD89")
            e.latDegrees = "89", e.latMinutes = t;
        else if (box == "zoneH14")
            e.zoneHour = "14", e.zoneMinute = t;
        const auto m = ValidateInput(e);
        QCOMPARE(m ? QString::fromStdString(m->text) : QString(), message);
        if (m) {
            QCOMPARE(m->focus, focus);
            QCOMPARE(m->icon, MessageIcon::Error);
        }
    }

    void addedChecksComeAfterTheWindowsOwnInOrder() {
        BirthEntry e = ValidEntry();
        e.month = -1;         // no month (a file can clear it)
        e.lonDegrees = "500"; // longitude out of range
        e.latDegrees = "500"; // latitude out of range
        e.zoneHour = "50";    // zone out of range
        e.latMinutes = "1x";  // pasted text
        QCOMPARE(MessageOf(e), QString("Only Numbers Are Accepted"));
        e.latMinutes = "1";
        QCOMPARE(MessageOf(e), QString("Please Enter Correct Date Or Month!"));
        QCOMPARE(ValidateInput(e)->focus, EntryField::Month);
        e.month = 4;
        QCOMPARE(MessageOf(e), QString("Please Enter Correct Longitude"));
        e.lonDegrees = "5";
        QCOMPARE(MessageOf(e), QString("Please Enter Correct Latitude"));
        e.latDegrees = "5";
        QCOMPARE(MessageOf(e), QString("Please Enter Correct Time Zone"));
        e.zoneHour = "5";
        QCOMPARE(MessageOf(e), QString());
        // An empty box is still reported as empty, before any added check.
        e.lonDegrees = "";
        e.month = -1;
        QCOMPARE(MessageOf(e), QString("Please Enter Degree of Longitude"));
    }

    void mappingIntoTheChartRecord() {
        BirthEntry e = ValidEntry();
        e.name = "  Asha Rao \t";
        e.month = 6;
        e.day = 14;
        e.year = FindListItem(EntryList::Year, "1980");
        e.hour = 8;
        e.minute = 30;
        e.second = 45;
        e.zoneHour = " -10 ";
        e.zoneMinute = "-30";
        e.east = false;
        e.south = true;
        e.dst = true;
        ChartRecord c;
        WriteBirthData(e, c);
        QCOMPARE(c.BirthName, std::string("Asha Rao"));
        QCOMPARE(int(c.BirthMonth), 7);
        QCOMPARE(int(c.BirthDay), 15);
        QCOMPARE(int(c.BirthYear), 1980);
        QCOMPARE(int(c.BirthHour), 8);
        QCOMPARE(int(c.BirthMinute), 30);
        QCOMPARE(int(c.ZoneHours), 10);
        QCOMPARE(int(c.ZoneMinutes), 30);
        QCOMPARE(int(c.LonDegrees), 77);
        QCOMPARE(int(c.LatMinutes), 37);
        QVERIFY(!c.IsEast);
        QVERIFY(c.IsSouth);
        QVERIFY(c.IsDST);
        QCOMPARE(c.ZoneDirection, ZoneDirection::East);

        e.zoneHour = "5";
        e.zoneMinute = "0";
        WriteBirthData(e, c);
        QCOMPARE(c.ZoneDirection, ZoneDirection::FromLongitude);
    }

    void secondsTakeNoPart() {
        BirthEntry e = ValidEntry();
        ChartRecord a, b;
        WriteBirthData(e, a);
        e.second = 59;
        WriteBirthData(e, b);
        CalculateAscendant(a);
        CalculateAscendant(b);
        QCOMPARE(a.AscendantText, b.AscendantText);
    }

    void pickedBritishSummerTimeIsAheadAtAWesternLongitude() {
        // London, 0° 7' West, "British Summer Time" picked: "-1" and "0".
        BirthEntry e = ValidEntry();
        e.lonDegrees = "0";
        e.lonMinutes = "7";
        e.east = false;
        e.latDegrees = "51";
        e.latMinutes = "30";
        e.zoneHour = "-1";
        e.zoneMinute = "0";
        e.hour = 14;
        QVERIFY(!ValidateInput(e));
        ChartRecord c;
        WriteBirthData(e, c);
        CalculateAscendant(c);
        QCOMPARE(c.UniversalHours, 13.0);
    }

    void unconvertibleTextLeavesTheField() {
        ChartRecord c;
        c.LonDegrees = 42;
        BirthEntry e = ValidEntry();
        e.lonDegrees = "99999";
        WriteBirthData(e, c);
        QCOMPARE(int(c.LonDegrees), 42);
    }

    void calculateChecksFirstThenMakesTheWholeReading() {
        ChartRecord chart;
        SignInformation signs;
        chart.BirthName = "earlier";
        signs.VedicName = "earlier";
        BirthEntry refused = ValidEntry();
        refused.latDegrees = "91";
        const auto message = Calculate(refused, chart, signs);
        QVERIFY(message);
        QCOMPARE(message->text, std::string("Please Enter Correct Latitude"));
        QCOMPARE(chart.BirthName, std::string("earlier"));
        QCOMPARE(signs.VedicName, std::string("earlier"));

        QVERIFY(!Calculate(ValidEntry(), chart, signs));
        QCOMPARE(chart.BirthName, std::string("Asha"));
        QCOMPARE(chart.AscendantText, std::string("13\xC2\xB0 12' 18\" Pis"));
        QCOMPARE(signs.EnglishName, std::string("Pisces"));
        QCOMPARE(chart.ZoneDirection, ZoneDirection::FromLongitude);
        QCOMPARE(chart.UniversalHours, 12.0 - 5.5);

        // Said to be behind universal time, the same clock is 11 hours later
        // there, and the sign texts follow the new ascendant.
        QVERIFY(!Calculate(ValidEntry(), chart, signs, true));
        QCOMPARE(chart.ZoneDirection, ZoneDirection::West);
        QCOMPARE(chart.UniversalHours, 12.0 + 5.5);
        QVERIFY(chart.AscendantText != "13\xC2\xB0 12' 18\" Pis");
        QCOMPARE(signs.EnglishName.substr(0, 3), LagnaSignOf(chart.AscendantText));
    }

    void placeLookup() {
        BirthEntry e;
        QCOMPARE(CheckPlace(e)->text, std::string("Please Enter City"));
        QCOMPARE(CheckPlace(e)->focus, EntryField::City);
        QCOMPARE(CheckPlace(e)->icon, MessageIcon::Information);
        e.city = "Pune";
        QCOMPARE(CheckPlace(e)->text, std::string("Please Enter State"));
        e.state = " "; // blanks pass
        QCOMPARE(CheckPlace(e)->text, std::string("Please Enter Country"));
        e.country = "India";
        QVERIFY(!CheckPlace(e));
        QCOMPARE(PlaceQuery(e), std::string("Pune   India Latitude Longitude"));
    }
};

QTEST_APPLESS_MAIN(TestBirthEntry)
#include "test_birth_entry.moc"
