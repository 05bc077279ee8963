#include "base/scramble.h"
#include "engine/ephemeris.h"
#include "report/file_size_limit.h"
#include "report/reading_file.h"
#include "report/reading_file_checks.h"
#include "signs/sign_tables.h"

#include "make_fifo.h"

#include <QBuffer>
#include <QTemporaryDir>
#include <QtTest>
#include <cerrno>

using namespace tivora;

namespace {

// Accepts a fixed number of bytes, then fails every write, like a disk that
// fills up while the file is written.
class FailingDevice final : public QIODevice {
public:
    explicit FailingDevice(qint64 capacity) : capacity_(capacity) { open(QIODevice::WriteOnly); }
    QByteArray written;

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char* data, qint64 size) override {
        const qint64 room = capacity_ - written.size();
        if (room <= 0)
            return -1;
        const qint64 n = qMin(room, size);
        written.append(data, n);
        return n;
    }

private:
    qint64 capacity_;
};

// Delhi, 1 January 2000, 12:00, as Calculate writes it.
ChartRecord DelhiChart() {
    ChartRecord c;
    c.BirthName = "abc";
    c.BirthMonth = 1;
    c.BirthDay = 1;
    c.BirthYear = 2000;
    c.BirthHour = 12;
    c.BirthMinute = 0;
    c.LonDegrees = 77;
    c.LonMinutes = 13;
    c.LatDegrees = 28;
    c.LatMinutes = 37;
    c.ZoneHours = 5;
    c.ZoneMinutes = 30;
    c.IsEast = true;
    c.IsSouth = false;
    c.IsDST = false;
    return c;
}

QByteArray Line(const QByteArray& bytes, int index) {
    return bytes.split('\n').value(index).chopped(1);
}

QByteArray Hex(const char* hex) {
    return QByteArray::fromHex(hex);
}

// A file as it would be written, from plain line texts.
QByteArray FileOf(const QList<QByteArray>& texts) {
    QByteArray bytes;
    for (const QByteArray& text : texts)
        bytes += ScrambleText(text) + "\r\n";
    return bytes;
}

BirthEntry SomeEntry() {
    BirthEntry e = test::EntryBeforeOpen();
    e.lonDegrees = "1";
    e.lonMinutes = "2";
    e.latDegrees = "3";
    e.latMinutes = "4";
    e.zoneHour = "5";
    e.zoneMinute = "6";
    e.east = true;
    e.south = true;
    e.dst = true;
    return e;
}

using test::SameEntry;

bool WriteFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QByteArray ReadFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestReadingFile : public QObject {
    Q_OBJECT

private slots:
    void fileHasFifteenScrambledLinesInTableOrder() {
        const QByteArray bytes = ReadingFileBytes(DelhiChart());
        QVERIFY(bytes.endsWith("\r\n"));
        QCOMPARE(bytes.count("\r\n"), 15);
        QCOMPARE(bytes.count('\r'), 15);
        QCOMPARE(bytes.count('\n'), 15);
        // name, month, day, year, hour, minute, lon, lat, zone, E, S, DST,
        // each byte shifted up by 85.
        QCOMPARE(bytes, FileOf({"abc", "1", "1", "2000", "12", "0", "77", "13", "28", "37", "5",
                                "30", "1", "0", "0"}));
        QCOMPARE(bytes.toHex(),
                 QByteArray("b6b7b80d0a860d0a860d0a878585850d0a86870d0a850d0a8c8c0d0a86880d0a"
                            "878d0d0a888c0d0a8a0d0a88850d0a860d0a850d0a850d0a"));
    }

    void byteExactExamples() {
        ChartRecord c = DelhiChart();
        // Each byte is the character plus 85: "abc" is B6 B7 B8.
        QCOMPARE(Line(ReadingFileBytes(c), 0), Hex("b6b7b8"));
        // Digits 0-9 are 0x85-0x8E, "-" is 0x82, a blank 0x75.
        c.BirthYear = 1987;
        c.LonMinutes = 0;
        c.LatDegrees = -45;
        c.BirthName = "a b";
        const QByteArray bytes = ReadingFileBytes(c);
        QCOMPARE(Line(bytes, 3), Hex("868e8d8c"));
        QCOMPARE(Line(bytes, 7), Hex("85"));
        QCOMPARE(Line(bytes, 8), Hex("82898a"));
        QCOMPARE(Line(bytes, 0), Hex("b675b7"));
        QCOMPARE(Line(bytes, 12), Hex("86"));
        QCOMPARE(Line(bytes, 13), Hex("85"));
    }

    void namesKeepOnlyCodesUpTo170() {
        ChartRecord c = DelhiChart();
        // é (233) has no image, Ω is not in Windows-1252 at all; € is 0x80
        // and ª is 170, the last code that still fits.
        c.BirthName = "Ren\xC3\xA9\xCE\xA9x \xE2\x82\xAC\xC2\xAA\xC2\xAB";
        QCOMPARE(Line(ReadingFileBytes(c), 0), Hex("a7bac3cd75d5ff"));

        // Line 16 brings the whole name back.
        const QList<QByteArray> lines = ReadingFileLines(ReadingFileBytes(c));
        QCOMPARE(lines.size(), 16);
        BirthEntry e;
        ApplyReadingFileLines(lines, e);
        QCOMPARE(e.name, c.BirthName);
        // Without it, line 1 gives what it holds.
        BirthEntry fromLineOne;
        ApplyReadingFileLines(lines.mid(0, 15), fromLineOne);
        QCOMPARE(QString::fromStdString(fromLineOne.name),
                 QString::fromUtf8("Renx \xE2\x82\xAC\xC2\xAA"));
    }

    void everyNameSurvivesSaveAndOpen_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("lineOneHoldsIt");
        QTest::newRow("ascii") << "Asha Rao" << true;
        QTest::newRow("euro, a-ordinal") << QString::fromUtf8("\xE2\x82\xAC \xC2\xAA") << true;
        QTest::newRow("Zoe Muller") << QString::fromUtf8("Zo\xC3\xAB M\xC3\xBCller") << false;
        QTest::newRow("Jose") << QString::fromUtf8("Jos\xC3\xA9") << false;
        QTest::newRow("Lukasz") << QString::fromUtf8(
                                       "\xC5\x81ukasz \xC5\xBB\xC3\xB3\xC5\x82\xC4\x87")
                                << false;
        QTest::newRow("Devanagari")
            << QString::fromUtf8("\xE0\xA4\x86\xE0\xA4\xB6\xE0\xA4\xBE "
                                 "\xE0\xA4\xA6\xE0\xA5\x87\xE0\xA4\xB5\xE0\xA5\x80")
            << false;
        QTest::newRow("Chinese") << QString::fromUtf8("\xE6\x9D\x8E\xE6\x98\x8E") << false;
        QTest::newRow("100 characters")
            << QString::fromUtf8("\xE0\xA4\x86").repeated(50) + QString(50, 'a') << false;
    }
    void everyNameSurvivesSaveAndOpen() {
        QFETCH(QString, name);
        QFETCH(bool, lineOneHoldsIt);
        ChartRecord c = DelhiChart();
        c.BirthName = name.toStdString();
        const QByteArray bytes = ReadingFileBytes(c);
        QCOMPARE(bytes.count("\r\n"), lineOneHoldsIt ? 15 : 16);
        // Every line byte stays at 85 or more, so no line holds CR or LF.
        for (const QByteArray& line : bytes.split('\n'))
            for (const char b : line.chopped(line.isEmpty() ? 0 : 1))
                QVERIFY(static_cast<unsigned char>(b) >= 85);
        QTemporaryDir dir;
        const QString path = dir.filePath("name.tvr");
        QVERIFY(SaveReadingFile(c, path));
        BirthEntry e = SomeEntry();
        QCOMPARE(OpenReadingFile(path, e), OpenResult::Applied);
        QCOMPARE(QString::fromStdString(e.name), name);
        QCOMPARE(test::CheckNameRoundTrip(name.toUtf8()), std::string());
    }

    void malformedLineSixteenFallsBackToLineOne() {
        ChartRecord c = DelhiChart();
        c.BirthName = "Jos\xC3\xA9";
        const QByteArray good = ReadingFileBytes(c);
        const QByteArray sixteen = good.split('\n')[15].chopped(1);
        const QByteArray fifteen = good.left(good.size() - sixteen.size() - 2);
        // Broken base64, no mark, and a name that does not reduce to line 1.
        ChartRecord other = DelhiChart();
        other.BirthName = "Li \xC3\xA9";
        const QByteArray foreign = ReadingFileBytes(other).split('\n')[15];
        for (const QByteArray& bad :
             {QByteArray(sixteen).append(ScrambleText("!")), sixteen.mid(3), foreign.chopped(1)}) {
            BirthEntry e;
            ApplyReadingFileLines(ReadingFileLines(fifteen + bad + "\r\n"), e);
            QCOMPARE(e.name, std::string("Jos"));
        }
    }

    // Names from any line are held to what the Name box takes: no control
    // characters and at most 100 characters, with a note for the line.
    void namesFromTheFileAreHeldToTheNameBox() {
        const QList<QByteArray> rest = {"1",  "1",  "2000", "12", "0", "77", "13",
                                        "28", "37", "5",    "30", "1", "0",  "0"};
        struct Case {
            ChartRecord chart;
            std::string expected;
            int line;
        };
        ChartRecord escape = DelhiChart();
        escape.BirthName = "Asha\x1b]0;owned\x07\x1b[2J";
        ChartRecord nul = DelhiChart();
        nul.BirthName = std::string("Ra\0o", 5);
        ChartRecord longUtf8 = DelhiChart();
        longUtf8.BirthName = QString::fromUtf8("a\xC3\xA9").repeated(8000).toStdString();
        ChartRecord longLatin = DelhiChart();
        longLatin.BirthName = std::string(300, 'x');
        const Case cases[] = {
            {escape, "Asha]0;owned[2J", 1},
            {nul, "Rao", 1},
            // Line 16 is passed over, and line 1's reduced name is cut.
            {longUtf8, std::string(100, 'a'), 1},
            {longLatin, std::string(100, 'x'), 1},
        };
        for (const Case& c : cases) {
            BirthEntry e = SomeEntry();
            const auto notes =
                ApplyReadingFileLines(ReadingFileLines(ReadingFileBytes(c.chart)), e);
            QCOMPARE(QString::fromStdString(e.name), QString::fromStdString(c.expected));
            QVERIFY(!notes.empty());
            QCOMPARE(notes.front().line, c.line);
            QVERIFY(notes.front().shortened);
            QVERIFY(ReadingFileNoteText(notes.front()).contains("line 1 (name) held control"));
        }
        // A control character at the end, where trimming would hide it (found by fuzzing).
        QCOMPARE(test::CheckNameRoundTrip(QByteArray(" \xac\t")), std::string());
        // A well-formed line 16 with a name too long for the box is ignored;
        // line 1 gives what it holds ("Jos" for each "José").
        ChartRecord jose = DelhiChart();
        jose.BirthName = QString::fromUtf8("Jos\xC3\xA9").repeated(30).toStdString();
        BirthEntry e = SomeEntry();
        const auto notes = ApplyReadingFileLines(ReadingFileLines(ReadingFileBytes(jose)), e);
        QCOMPARE(e.name, QStringLiteral("Jos").repeated(30).toStdString());
        QCOMPARE(notes.size(), std::size_t(1));
        QCOMPARE(notes[0].line, 16);
        QVERIFY(!notes[0].missing && !notes[0].shortened);
    }

    void oldFifteenLineFileOpensAsBefore() {
        const QString path = QStringLiteral(TIVORA_REPORT_TEST_DATA "/fifteen_lines.tvr");
        QVERIFY(!path.isEmpty());
        BirthEntry e = SomeEntry();
        QCOMPARE(OpenReadingFile(path, e), OpenResult::Applied);
        QCOMPARE(QString::fromStdString(e.name), QString::fromUtf8("Asha \xE2\x82\xAC Rao"));
        QCOMPARE(e.month, 2);
        QCOMPARE(e.day, 16);
        QCOMPARE(e.year, FindListItem(EntryList::Year, "1999"));
        QCOMPARE(e.lonDegrees, std::string("77"));
        QCOMPARE(e.zoneMinute, std::string("30"));
        QVERIFY(e.east && !e.south && !e.dst);
        // No town, and nothing to note about the lines it never had.
        e.town = {"Stale", "", "IN", "Asia/Kolkata"};
        std::vector<ReadingFileNote> notes;
        QCOMPARE(OpenReadingFile(path, e, &notes), OpenResult::Applied);
        QVERIFY(e.town.empty());
        QVERIFY(notes.empty());
        // Saving it again gives the very same bytes: no sixteenth line.
        ChartRecord c;
        WriteBirthData(e, c);
        QCOMPARE(ReadingFileBytes(c), ReadFile(path));
    }

    void townKeptOnLineSeventeen_data() {
        QTest::addColumn<QString>("name");
        QTest::newRow("name fits line 1") << QStringLiteral("Asha");
        QTest::newRow("Devanagari name on line 16") << QString::fromUtf8("आशा"); // आशा
    }
    void townKeptOnLineSeventeen() {
        QFETCH(QString, name);
        ChartRecord plain = DelhiChart();
        plain.BirthName = name.toStdString();
        ChartRecord withTown = plain;
        // मुंबई, महाराष्ट्र
        withTown.BirthPlace = {"मुंबई",
                               "महारा"
                               "ष्ट्र",
                               "IN", "Asia/Kolkata"};
        const QByteArray without = ReadingFileBytes(plain);
        const QByteArray with = ReadingFileBytes(withTown);
        // Lines 1 to 15, and line 16 where the name needs it, are the same bytes.
        const QList<QByteArray> a = without.split('\n');
        const QList<QByteArray> b = with.split('\n');
        QCOMPARE(b.size(), 18); // seventeen lines and the empty rest
        for (qsizetype i = 0; i + 1 < a.size(); ++i)
            QCOMPARE(b[i], a[i]);
        // Where line 1 holds the name, line 16 carries it all the same, so
        // a reader of sixteen lines finds nothing to pass over.
        QCOMPARE(ScrambleText(UnscrambleText(b[15].chopped(1))), b[15].chopped(1));
        BirthEntry sixteen = SomeEntry();
        QVERIFY(ApplyReadingFileLines(ReadingFileLines(with).mid(0, 16), sixteen).empty());
        QCOMPARE(QString::fromStdString(sixteen.name), name);
        for (const char byte : b[16].chopped(1))
            QVERIFY(static_cast<unsigned char>(byte) >= 85);

        BirthEntry e = SomeEntry();
        std::vector<ReadingFileNote> notes;
        ApplyReadingFileLines(ReadingFileLines(with), e);
        QCOMPARE(e.town, withTown.BirthPlace);
        QCOMPARE(QString::fromStdString(e.name), name);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("town.tvr"));
        QVERIFY(WriteFile(path, with));
        BirthEntry opened = SomeEntry();
        QCOMPARE(OpenReadingFile(path, opened, &notes), OpenResult::Applied);
        QVERIFY(notes.empty());
        QCOMPARE(opened.town, withTown.BirthPlace);
    }

    void emptyNameLeavesLineSixteenEmptyBeforeTheTown() {
        ChartRecord c = DelhiChart();
        c.BirthName.clear();
        c.BirthPlace = {"Delhi", "", "IN", "Asia/Kolkata"};
        const QByteArray bytes = ReadingFileBytes(c);
        QCOMPARE(Line(bytes, 15), QByteArray());
        BirthEntry e = SomeEntry();
        QVERIFY(ApplyReadingFileLines(ReadingFileLines(bytes), e).empty());
        QCOMPARE(e.town, c.BirthPlace);
        QVERIFY(e.name.empty());
    }

    void malformedLineSeventeenGivesNoTown() {
        ChartRecord c = DelhiChart();
        c.BirthPlace = {"Kolkata", "West Bengal", "IN", "Asia/Kolkata"};
        const QByteArray good = ReadingFileBytes(c);
        const QByteArray sixteen = good.left(good.lastIndexOf("\r\n", good.size() - 3) + 2);
        const QByteArray line = Line(good, 16);
        const auto town = [](const QByteArray& text) {
            return ScrambleText("TOWN:" + text) + "\r\n";
        };
        for (const QByteArray& bad :
             {QByteArray(line).append(ScrambleText("!")) + "\r\n", line.mid(2) + "\r\n",
              town("S29sa2F0YQ==::SU4="),                      // three fields
              town("S29sa2F0YQ==::SU4=:TWFycy9PbHltcHVz"),     // Mars/Olympus: no such zone
              town("::SU4=:QXNpYS9Lb2xrYXRh"),                 // no town name
              town("S29sa2F0YQ==::SU4=:QXNpYS9Lb2xrYXRh!")}) { // not base64
            BirthEntry e;
            e.town = {"Before", "", "GB", "Europe/London"};
            const auto notes = ApplyReadingFileLines(ReadingFileLines(sixteen + bad), e);
            QVERIFY(e.town.empty());
            QCOMPARE(notes.size(), std::size_t(1));
            QCOMPARE(notes[0].line, 17);
        }
        BirthEntry e;
        ApplyReadingFileLines(
            ReadingFileLines(sixteen + town("S29sa2F0YQ==::SU4=:QXNpYS9Lb2xrYXRh")), e);
        QCOMPARE(e.town, (BirthTown{"Kolkata", "", "IN", "Asia/Kolkata"}));
    }

    void noFileLargerThanOpenAcceptsIsWritten() {
        ChartRecord c = DelhiChart();
        c.BirthName = std::string(kMaxReadingFileSize, 'a');
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        QVERIFY(!WriteReadingFile(c, buffer));
        QTemporaryDir dir;
        QVERIFY(!SaveReadingFile(c, dir.filePath("big.tvr")));
        QVERIFY(!QFile::exists(dir.filePath("big.tvr")));
    }

    void zoneHoursKeepTheirDirection_data() {
        QTest::addColumn<int>("direction");
        QTest::addColumn<bool>("east");
        QTest::addColumn<int>("lonDegrees");
        QTest::addColumn<int>("lonMinutes");
        QTest::addColumn<int>("hours");
        QTest::addColumn<QByteArray>("line");
        const int ahead = int(ZoneDirection::East);
        const int fromLon = int(ZoneDirection::FromLongitude);
        const int behind = int(ZoneDirection::West);
        QTest::newRow("picked ahead, west") << ahead << false << 0 << 10 << 1 << QByteArray("-1");
        QTest::newRow("picked ahead, 0 0 E") << ahead << true << 0 << 0 << 1 << QByteArray("-1");
        QTest::newRow("picked ahead, 0 0 W") << ahead << false << 0 << 0 << 0 << QByteArray("-0");
        QTest::newRow("picked ahead, east") << ahead << true << 77 << 13 << 5 << QByteArray("5");
        QTest::newRow("picked ahead, 0 1 E") << ahead << true << 0 << 1 << 1 << QByteArray("1");
        QTest::newRow("typed, west") << fromLon << false << 74 << 0 << 5 << QByteArray("5");
        QTest::newRow("typed, 0 0 E") << fromLon << true << 0 << 0 << 1 << QByteArray("1");
        QTest::newRow("behind, west") << behind << false << 74 << 0 << 10 << QByteArray("10");
    }
    void zoneHoursKeepTheirDirection() {
        QFETCH(int, direction);
        QFETCH(bool, east);
        QFETCH(int, lonDegrees);
        QFETCH(int, lonMinutes);
        QFETCH(int, hours);
        QFETCH(QByteArray, line);
        ChartRecord c = DelhiChart();
        c.ZoneDirection = ZoneDirection(direction);
        c.IsEast = east;
        c.LonDegrees = std::int16_t(lonDegrees);
        c.LonMinutes = std::int16_t(lonMinutes);
        c.ZoneHours = std::int16_t(hours);
        const QByteArray bytes = ReadingFileBytes(c);
        QCOMPARE(Line(bytes, 10), ScrambleText(line));
        QCOMPARE(Line(bytes, 11), ScrambleText("30")); // minutes never carry it
    }

    void linesEndAtCrLfLoneCrOrTheEnd() {
        const QByteArray a = ScrambleText("a");
        const QByteArray b = ScrambleText("b");
        QCOMPARE(ReadingFileLines(a + "\r\n" + b + "\r\n"), (QList<QByteArray>{"a", "b"}));
        QCOMPARE(ReadingFileLines(a + "\r" + b), (QList<QByteArray>{"a", "b"}));
        QCOMPARE(ReadingFileLines(a + "\r\r\n" + b), (QList<QByteArray>{"a", "", "b"}));
        // A lone LF is part of its line and, below 85, vanishes on unscrambling.
        QCOMPARE(ReadingFileLines(a + "\n" + b), (QList<QByteArray>{"ab"}));
        QCOMPARE(ReadingFileLines("\r\n\r\n"), (QList<QByteArray>{"", ""}));
        QCOMPARE(ReadingFileLines(QByteArray()), QList<QByteArray>{});
        QCOMPARE(ReadingFileLines(a), QList<QByteArray>{"a"});
    }

    void linesAfterTheSeventeenthAreNotRead() {
        QList<QByteArray> texts;
        for (int i = 0; i < 20; ++i)
            texts << QByteArray::number(i);
        const QList<QByteArray> lines = ReadingFileLines(FileOf(texts));
        // Line 16 is read for the name and line 17 for the town; later lines are not read.
        QCOMPARE(lines.size(), 17);
        QCOMPARE(lines.last(), QByteArray("16"));
    }

    void readerFillsEveryControl() {
        BirthEntry e = SomeEntry();
        ApplyReadingFileLines(
            ReadingFileLines(FileOf({"Asha Rao", "3", "17", "1999", "23", "59", "77", "13", "28",
                                     "37", "-5", "30", "0", "1", "1"})),
            e);
        QCOMPARE(e.name, std::string("Asha Rao"));
        QCOMPARE(e.month, 2);
        QCOMPARE(e.day, FindListItem(EntryList::Day, "17"));
        QCOMPARE(e.year, FindListItem(EntryList::Year, "1999"));
        QCOMPARE(e.hour, 23);
        QCOMPARE(e.minute, 59);
        QCOMPARE(e.second, 33); // the seconds list is never touched
        QCOMPARE(e.lonDegrees, std::string("77"));
        QCOMPARE(e.lonMinutes, std::string("13"));
        QCOMPARE(e.latDegrees, std::string("28"));
        QCOMPARE(e.latMinutes, std::string("37"));
        QCOMPARE(e.zoneHour, std::string("-5")); // as it stands
        QCOMPARE(e.zoneMinute, std::string("30"));
        QCOMPARE(e.east, false);
        QCOMPARE(e.south, true);
        QCOMPARE(e.dst, true);
    }

    void monthLine_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<int>("month"); // 4 (May) is the selection before
        QTest::newRow("1") << QByteArray("1") << 0;
        QTest::newRow("12") << QByteArray("12") << 11;
        QTest::newRow("13 keeps") << QByteArray("13") << 4;
        QTest::newRow("0 clears") << QByteArray("0") << -1;
        QTest::newRow("-1 keeps") << QByteArray("-1") << 4;
        QTest::newRow("blanks") << QByteArray(" 3 ") << 2;
        QTest::newRow("1.5 rounds after minus") << QByteArray("1.5") << 0;
        QTest::newRow("2.5 to even") << QByteArray("2.5") << 2;
        QTest::newRow("0.5 is -0.5, to 0") << QByteArray("0.5") << 0;
        QTest::newRow("-0.5 is -1.5, to -2") << QByteArray("-0.5") << 4;
        QTest::newRow("12.5 is 11.5, to 12") << QByteArray("12.5") << 4;
        QTest::newRow("12.49") << QByteArray("12.49") << 11;
        QTest::newRow("text") << QByteArray("March") << 4;
        QTest::newRow("empty") << QByteArray("") << 4;
        QTest::newRow("huge") << QByteArray(400, '9') << 4;
    }
    void monthLine() {
        QFETCH(QByteArray, text);
        QFETCH(int, month);
        BirthEntry e = SomeEntry();
        ApplyReadingFileLines(ReadingFileLines(FileOf({"x", text})), e);
        QCOMPARE(e.month, month);
    }

    void listLinesKeepTheirSelectionOnUnknownText() {
        BirthEntry e = SomeEntry();
        // Year before and after the list, day 32, hour 24 and minute "07".
        ApplyReadingFileLines(ReadingFileLines(FileOf({"x", "1", "32", "1900", "24", "07"})), e);
        QCOMPARE(e.day, 9);
        QCOMPARE(e.year, 50);
        QCOMPARE(e.hour, 7);
        QCOMPARE(e.minute, 8);
        ApplyReadingFileLines(ReadingFileLines(FileOf({"x", "1", "31", "2051", "0", "0"})), e);
        QCOMPARE(e.day, 30);
        QCOMPARE(e.year, 50);
        QCOMPARE(e.hour, 0);
        QCOMPARE(e.minute, 0);
        ApplyReadingFileLines(ReadingFileLines(FileOf({"x", "1", "1", "2050"})), e);
        QCOMPARE(e.year, FindListItem(EntryList::Year, "2050"));
    }

    void flagsCompareWithOneExactly() {
        for (const QByteArray& text : {QByteArray("0"), QByteArray(" 1"), QByteArray("01"),
                                       QByteArray("true"), QByteArray("-1"), QByteArray()}) {
            BirthEntry e = SomeEntry();
            QList<QByteArray> texts(15, "1");
            texts[12] = texts[13] = texts[14] = text;
            ApplyReadingFileLines(ReadingFileLines(FileOf(texts)), e);
            QVERIFY2(!e.east && !e.south && !e.dst, text.constData());
        }
    }

    void threeLineFile() {
        BirthEntry e = SomeEntry();
        ApplyReadingFileLines(ReadingFileLines(FileOf({"Ravi", "2", "14"})), e);
        QCOMPARE(e.name, std::string("Ravi"));
        QCOMPARE(e.month, 1);
        QCOMPARE(e.day, 13);
        QCOMPARE(e.year, 50);
        QCOMPARE(e.hour, 7);
        QCOMPARE(e.minute, 8);
        for (const std::string* box : {&e.lonDegrees, &e.lonMinutes, &e.latDegrees, &e.latMinutes,
                                       &e.zoneHour, &e.zoneMinute})
            QVERIFY(box->empty());
        QCOMPARE(e.east, false);  // West
        QCOMPARE(e.south, false); // North
        QCOMPARE(e.dst, false);
    }

    void plainTextFileIsGarbled() {
        // Digits and capitals sit below 85 and vanish; small letters shift.
        BirthEntry e = SomeEntry();
        ApplyReadingFileLines(ReadingFileLines("Asha\r\n3\r\n17\r\n1999\r\n10\r\n30\r\n77\r\n"
                                               "13\r\n28\r\n37\r\n5\r\n30\r\n1\r\n0\r\n0\r\n"),
                              e);
        // "Asha" unscrambles to three control characters, which are left out.
        QCOMPARE(e.name, std::string());
        QCOMPARE(e.month, 4);
        QCOMPARE(e.day, 9);
        QCOMPARE(e.year, 50);
        QVERIFY(e.lonDegrees.empty());
        QVERIFY(e.zoneHour.empty());
        QVERIFY(!e.east);
        QVERIFY(ValidateInput(e).has_value());
    }

    void openChecksTheExtensionCaseSensitively() {
        QTemporaryDir dir;
        const QByteArray good = ReadingFileBytes(DelhiChart());
        for (const QString& name : {QStringLiteral("a.TVR"), QStringLiteral("a.Tvr"),
                                    QStringLiteral("a.tvr.txt"), QStringLiteral("a.tv")}) {
            const QString path = dir.filePath(name);
            QVERIFY(WriteFile(path, good));
            BirthEntry e = SomeEntry();
            QCOMPARE(OpenReadingFile(path, e), OpenResult::WrongExtension);
            QVERIFY(SameEntry(e, SomeEntry()));
        }
        // The last three characters count, not a dotted extension.
        BirthEntry e = SomeEntry();
        QVERIFY(WriteFile(dir.filePath("plaintvr"), good));
        QCOMPARE(OpenReadingFile(dir.filePath("plaintvr"), e), OpenResult::Applied);
        QCOMPARE(e.name, std::string("abc"));
        BirthEntry untouched = SomeEntry();
        QCOMPARE(OpenReadingFile(QString(), untouched), OpenResult::WrongExtension);
    }

    void openRefusesWhatItCannotRead() {
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir("folder.tvr"));
        QVERIFY(WriteFile(dir.filePath("big.tvr"), QByteArray(kMaxReadingFileSize + 1, '\x96')));
        for (const QString& path :
             {dir.filePath("missing.tvr"), dir.filePath("folder.tvr"), dir.filePath("big.tvr")}) {
            BirthEntry e = SomeEntry();
            QCOMPARE(OpenReadingFile(path, e), OpenResult::Unreadable);
            QVERIFY2(SameEntry(e, SomeEntry()), qPrintable(path));
        }
        // The limit itself is still read.
        QByteArray padded = ReadingFileBytes(DelhiChart());
        padded += QByteArray(kMaxReadingFileSize - padded.size(), '\x96');
        QVERIFY(WriteFile(dir.filePath("limit.tvr"), padded));
        BirthEntry e = SomeEntry();
        QCOMPARE(OpenReadingFile(dir.filePath("limit.tvr"), e), OpenResult::Applied);
        QCOMPARE(e.name, std::string("abc"));
    }

    void openRefusesAFileWithoutReadPermission() {
        QTemporaryDir dir;
        const QString path = dir.filePath("secret.tvr");
        QVERIFY(WriteFile(path, ReadingFileBytes(DelhiChart())));
        QVERIFY(QFile::setPermissions(path, QFileDevice::WriteOwner));
        QFile probe(path);
        if (probe.open(QIODevice::ReadOnly))
            QSKIP("this user reads files without read permission (root)");
        BirthEntry e = SomeEntry();
        QCOMPARE(OpenReadingFile(path, e), OpenResult::Unreadable);
        QVERIFY(SameEntry(e, SomeEntry()));
    }

    void emptyFileEmptiesTheBoxes() {
        QTemporaryDir dir;
        QVERIFY(WriteFile(dir.filePath("empty.tvr"), QByteArray()));
        BirthEntry e = SomeEntry();
        QCOMPARE(OpenReadingFile(dir.filePath("empty.tvr"), e), OpenResult::Applied);
        QVERIFY(e.name.empty());
        QVERIFY(e.zoneMinute.empty());
        QCOMPARE(e.month, 4);
        QVERIFY(!e.east && !e.south && !e.dst);
    }

    void roundTripRestoresEveryInputAndTheReading_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("zoneHour");
        QTest::addColumn<bool>("east");
        QTest::addColumn<bool>("south");
        QTest::addColumn<bool>("dst");
        QTest::addColumn<QString>("expectedZoneHour");
        QTest::newRow("east, north") << "Asha"
                                     << "5" << true << false << false << "5";
        QTest::newRow("west, south, dst") << "Juan Perez"
                                          << "3" << false << true << true << "3";
        // A typed sign is not kept where the longitude gives the direction...
        QTest::newRow("typed minus, east") << "Li"
                                           << "-5" << true << false << false << "5";
        // ...but a zone picked as ahead at a western place keeps its "-".
        QTest::newRow("picked minus, west") << "Ola"
                                            << "-1" << false << false << true << "-1";
    }
    void roundTripRestoresEveryInputAndTheReading() {
        QFETCH(QString, name);
        QFETCH(QString, zoneHour);
        QFETCH(bool, east);
        QFETCH(bool, south);
        QFETCH(bool, dst);
        QFETCH(QString, expectedZoneHour);

        BirthEntry typed;
        typed.name = name.toStdString();
        typed.month = 6;
        typed.day = 14;
        typed.year = FindListItem(EntryList::Year, "1980");
        typed.hour = 8;
        typed.minute = 30;
        typed.lonDegrees = "74";
        typed.lonMinutes = "5";
        typed.latDegrees = "40";
        typed.latMinutes = "43";
        typed.zoneHour = zoneHour.toStdString();
        typed.zoneMinute = "30";
        typed.east = east;
        typed.south = south;
        typed.dst = dst;
        QVERIFY(!ValidateInput(typed));
        ChartRecord saved;
        WriteBirthData(typed, saved);
        CalculateAscendant(saved);

        QTemporaryDir dir;
        const QString path = dir.filePath("reading.tvr");
        QVERIFY(SaveReadingFile(saved, path));
        BirthEntry reopened; // a fresh main window's defaults
        QCOMPARE(OpenReadingFile(path, reopened), OpenResult::Applied);

        BirthEntry expected = typed;
        expected.zoneHour = expectedZoneHour.toStdString();
        QVERIFY(SameEntry(reopened, expected));

        QVERIFY(!ValidateInput(reopened));
        ChartRecord recalculated;
        WriteBirthData(reopened, recalculated);
        CalculateAscendant(recalculated);
        QCOMPARE(recalculated.AscendantText, saved.AscendantText);
        QCOMPARE(recalculated.UniversalHours, saved.UniversalHours);
        SignInformation before;
        SignInformation after;
        SelectSignInformation(LagnaSignOf(saved.AscendantText), before);
        SelectSignInformation(LagnaSignOf(recalculated.AscendantText), after);
        QVERIFY(!after.VedicName.empty());
        QCOMPARE(after.VedicName, before.VedicName);
    }

    void writerStopsAtAFailingDevice() {
        const QByteArray bytes = ReadingFileBytes(DelhiChart());
        FailingDevice full(10);
        QVERIFY(!WriteReadingFile(DelhiChart(), full));
        QCOMPARE(full.written, bytes.left(10));
        FailingDevice roomy(bytes.size());
        QVERIFY(WriteReadingFile(DelhiChart(), roomy));
        QCOMPARE(roomy.written, bytes);
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        QVERIFY(WriteReadingFile(DelhiChart(), buffer));
        QCOMPARE(buffer.data(), bytes);
    }

    void saveReplacesAnEarlierFile() {
        QTemporaryDir dir;
        const QString path = dir.filePath("r.tvr");
        QVERIFY(WriteFile(path, QByteArray(500, 'x')));
        QVERIFY(SaveReadingFile(DelhiChart(), path));
        QCOMPARE(ReadFile(path), ReadingFileBytes(DelhiChart()));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"r.tvr"});
    }

    void failedSaveLeavesTheEarlierFileIntact() {
        QTemporaryDir dir;
        const QString path = dir.filePath("r.tvr");
        ChartRecord earlier = DelhiChart();
        earlier.BirthName = "Earlier";
        QVERIFY(SaveReadingFile(earlier, path));
        const QByteArray before = ReadFile(path);

        ChartRecord later = DelhiChart();
        later.BirthName = std::string(100, 'L');
        {
            // The new file cannot grow past 20 bytes: its write fails part-way.
            test::FileSizeLimit limit(20);
            if (!limit.ok())
                QSKIP("no limit on the size of written files here");
            QVERIFY(!SaveReadingFile(later, path));
        }
        QCOMPARE(ReadFile(path), before);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"r.tvr"});
    }

    void failedSyncOrSpecialTargetFailsTheSave() {
        QTemporaryDir dir;
        const QString path = dir.filePath("r.tvr");
        ChartRecord earlier = DelhiChart();
        earlier.BirthName = "Earlier";
        QVERIFY(SaveReadingFile(earlier, path));
        const QByteArray before = ReadFile(path);
        const auto failingSync = [](int) {
            errno = EIO;
            return -1;
        };
        QVERIFY(!SaveReadingFile(DelhiChart(), path, failingSync));
        QCOMPARE(ReadFile(path), before);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"r.tvr"});

        // A FIFO, and a link to it, stay as they are.
        const QString fifo = dir.filePath("pipe.tvr");
        if (!MakeFifo(fifo))
            QSKIP("no FIFOs here");
        QVERIFY(QFile::link(fifo, dir.filePath("link.tvr")));
        for (const QString& target : {fifo, dir.filePath("link.tvr")}) {
            QVERIFY(!SaveReadingFile(DelhiChart(), target));
            QVERIFY(!QFileInfo(fifo).isFile());
        }
        QVERIFY(QFileInfo(dir.filePath("link.tvr")).isSymLink());
    }

    void saveIntoAMissingOrUnwritableFolderFails() {
        QTemporaryDir dir;
        QVERIFY(!SaveReadingFile(DelhiChart(), dir.filePath("no/such/folder/r.tvr")));
        QVERIFY(!QFile::exists(dir.filePath("no")));
        // Not even root may create files here.
        QVERIFY(!SaveReadingFile(DelhiChart(), QStringLiteral("/proc/self/tivora.tvr")));
        QVERIFY(!SaveReadingFile(DelhiChart(), QString()));
        // A folder in the file's place is not replaced.
        QVERIFY(QDir(dir.path()).mkdir("taken.tvr"));
        QVERIFY(!SaveReadingFile(DelhiChart(), dir.filePath("taken.tvr")));
        QVERIFY(QFileInfo(dir.filePath("taken.tvr")).isDir());
    }
};

QTEST_GUILESS_MAIN(TestReadingFile)
#include "test_reading_file.moc"
