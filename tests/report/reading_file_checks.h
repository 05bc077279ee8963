#pragma once

#include "base/scramble.h"
#include "entry/birth_entry.h"
#include "report/reading_file.h"

#include <string>

namespace tivora::test {

inline bool SameEntry(const BirthEntry& a, const BirthEntry& b) {
    return a.name == b.name && a.month == b.month && a.day == b.day && a.year == b.year &&
           a.hour == b.hour && a.minute == b.minute && a.second == b.second &&
           a.lonDegrees == b.lonDegrees && a.lonMinutes == b.lonMinutes &&
           a.latDegrees == b.latDegrees && a.latMinutes == b.latMinutes &&
           a.zoneHour == b.zoneHour && a.zoneMinute == b.zoneMinute && a.east == b.east &&
           a.south == b.south && a.dst == b.dst && a.town == b.town;
}

// The entry a main window holds before a file is opened into it.
inline BirthEntry EntryBeforeOpen() {
    BirthEntry e;
    e.name = "Before";
    e.month = 4;
    e.day = 9;
    e.year = 50;
    e.hour = 7;
    e.minute = 8;
    e.second = 33;
    e.zoneHour = "5";
    return e;
}

inline bool KeptOrValid(EntryList list, int before, int after) {
    return after == before || !ListItemText(list, after).empty();
}

inline QByteArray SaveAndReopen(const BirthEntry& entry) {
    ChartRecord chart;
    WriteBirthData(entry, chart);
    return ReadingFileBytes(chart);
}

// What must hold for any file content whatever: the rule broken first, or
// an empty text.
inline std::string CheckReadingFileContent(const QByteArray& content) {
    const QList<QByteArray> lines = ReadingFileLines(content);
    if (lines.size() > 17)
        return "more than seventeen lines read";
    qsizetype total = 0;
    for (const QByteArray& line : lines) {
        total += line.size();
        for (const char c : line)
            if (static_cast<unsigned char>(c) > 170)
                return "an unscrambled byte above 170";
    }
    if (total > content.size())
        return "lines longer than the content";

    const BirthEntry before = EntryBeforeOpen();
    BirthEntry entry = before;
    ApplyReadingFileLines(lines, entry);
    if (entry.second != before.second)
        return "the seconds list was touched";
    if (entry.month < -1 || entry.month > 11)
        return "month outside the list";
    if (!KeptOrValid(EntryList::Day, before.day, entry.day) ||
        !KeptOrValid(EntryList::Year, before.year, entry.year) ||
        !KeptOrValid(EntryList::Hour, before.hour, entry.hour) ||
        !KeptOrValid(EntryList::Minute, before.minute, entry.minute))
        return "a list position outside its list";
    BirthEntry again = entry;
    ApplyReadingFileLines(lines, again);
    if (!SameEntry(again, entry))
        return "opening the same file twice gives different entries";

    // Saving what was opened writes a well-formed file, and after one round
    // of normalising, saving and reopening changes nothing.
    const QByteArray first = SaveAndReopen(entry);
    const qsizetype ends = first.count("\r\n");
    if (ends < 15 || ends > 17 || first.count('\r') != ends || first.count('\n') != ends ||
        !first.endsWith("\r\n"))
        return "a saved file that is not fifteen to seventeen CR LF lines";
    BirthEntry second = before;
    ApplyReadingFileLines(ReadingFileLines(first), second);
    const QByteArray secondBytes = SaveAndReopen(second);
    BirthEntry third = before;
    ApplyReadingFileLines(ReadingFileLines(secondBytes), third);
    if (SaveAndReopen(third) != secondBytes)
        return "save and reopen do not settle";
    return {};
}

// Any text as a name: the saved bytes keep the format's properties (every
// line byte 85 or more, CR LF ends, a sixteenth line only when line 1 loses
// part of the name) and reopening gives the name back exactly when the Name
// box could hold it.
inline std::string CheckNameRoundTrip(const QByteArray& text) {
    ChartRecord chart;
    chart.BirthName = QString::fromUtf8(text).toStdString();
    const QByteArray bytes = ReadingFileBytes(chart);
    const QList<QByteArray> raw = bytes.split('\n');
    if (raw.size() != 16 && raw.size() != 17)
        return "a name gives a file that is not fifteen or sixteen lines";
    for (qsizetype i = 0; i + 1 < raw.size(); ++i) {
        if (!raw[i].endsWith('\r'))
            return "a line that does not end CR LF";
        for (qsizetype k = 0; k + 1 < raw[i].size(); ++k)
            if (static_cast<unsigned char>(raw[i][k]) < 85)
                return "a line byte below 85";
    }
    const bool carried = QString::fromStdString(chart.BirthName) ==
                         FromWindows1252(UnscrambleText(raw[0].chopped(1)));
    if (carried != (raw.size() == 16))
        return "line 16 written when line 1 holds the name, or missing when it does not";
    BirthEntry entry;
    ApplyReadingFileLines(ReadingFileLines(bytes), entry);
    // A name the Name box can hold comes back exactly; any other comes back
    // as one it can hold.
    const bool boxName = !HasControlCharacter(chart.BirthName) &&
                         QString::fromStdString(Trimmed(chart.BirthName)).size() <= 100;
    if (boxName && entry.name != chart.BirthName)
        return "the name does not come back exactly";
    if (!boxName &&
        (HasControlCharacter(entry.name) || QString::fromStdString(entry.name).size() > 100))
        return "a name with control characters or too long comes back as it was";
    return {};
}

} // namespace tivora::test
