#include "report/reading_file.h"

#include "base/numbers.h"
#include "base/rounding.h"
#include "base/scramble.h"
#include "base/zone_ids.h"
#include "entry/picker_zone.h"
#include "report/sync_to_disk.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QSaveFile>
#include <QStringDecoder>
#include <QTimeZone>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <iterator>

namespace tivora {

namespace {

constexpr int kLineCount = 15;
// Line 16 holds the full name when line 1 cannot: this mark, then the UTF-8
// bytes in base64, so every byte stays below 171 and scrambles to 85 or more.
constexpr char kFullNameMark[] = "UTF-8:";
// Line 17 holds the atlas town: this mark, then the town, region, country
// code and zone id, each its UTF-8 bytes in base64, separated by colons.
constexpr char kTownMark[] = "TOWN:";
constexpr int kTownLine = kLineCount + 1; // index of line 17
constexpr char kCr = '\r';
constexpr char kLf = '\n';

QByteArray NumberText(int value) {
    return QByteArray::number(value);
}

QByteArray FlagText(bool value) {
    return value ? QByteArrayLiteral("1") : QByteArrayLiteral("0");
}

// The file holds the zone as a magnitude and the engine takes its direction
// from the longitude. A zone picked as ahead of universal time at a place
// the engine would count as west needs its "-" kept, or reopening the file
// would turn the zone around.
QByteArray ZoneHoursText(const ChartRecord& chart) {
    const bool countsAsWest = !chart.IsEast || (chart.LonDegrees == 0 && chart.LonMinutes == 0);
    if (chart.ZoneDirection == ZoneDirection::East && countsAsWest)
        return PickerZone::kAheadMark + NumberText(chart.ZoneHours);
    return NumberText(chart.ZoneHours);
}

std::string LineText(const QList<QByteArray>& lines, int index) {
    if (index >= lines.size())
        return {};
    return FromWindows1252(lines[index]).toStdString();
}

bool SelectListItem(EntryList list, const std::string& text, int& position) {
    const int found = FindListItem(list, text);
    if (found >= 0)
        position = found;
    return found >= 0;
}

// What line 1 keeps of a name: Windows-1252 codes up to 170.
QByteArray ReducedName(const QString& name) {
    return UnscrambleText(ScrambleText(ToWindows1252(name)));
}

// The name of a well-formed line 16 (the mark, strict base64, valid UTF-8,
// and the name reduces to line 1), or nothing.
std::optional<std::string> FullName(const QList<QByteArray>& lines) {
    if (lines.size() <= kLineCount || !lines[kLineCount].startsWith(kFullNameMark))
        return std::nullopt;
    const auto decoded =
        QByteArray::fromBase64Encoding(lines[kLineCount].mid(qsizetype(sizeof kFullNameMark - 1)),
                                       QByteArray::AbortOnBase64DecodingErrors);
    if (!decoded || decoded.decoded.isEmpty())
        return std::nullopt;
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString name = utf8.decode(decoded.decoded);
    if (utf8.hasError() || ReducedName(name) != lines[0])
        return std::nullopt;
    return decoded.decoded.toStdString();
}

QByteArray TownLine(const BirthTown& town) {
    QByteArrayList parts;
    for (const std::string* field : {&town.name, &town.region, &town.countryCode, &town.timeZone})
        parts << QByteArray::fromStdString(*field).toBase64();
    return kTownMark + parts.join(':');
}

// The town of a well-formed line 17 (the mark, four strict base64 fields of
// valid UTF-8 without control characters, a name and a zone of the system's
// database), or nothing. The zone id is checked against the database's list
// before anything opens it.
std::optional<BirthTown> TownOf(const QByteArray& line) {
    if (!line.startsWith(kTownMark))
        return std::nullopt;
    const QByteArrayList parts = line.mid(qsizetype(sizeof kTownMark - 1)).split(':');
    if (parts.size() != 4)
        return std::nullopt;
    std::string fields[4];
    for (int k = 0; k < 4; ++k) {
        const auto decoded =
            QByteArray::fromBase64Encoding(parts[k], QByteArray::AbortOnBase64DecodingErrors);
        QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        (void)utf8.decode(decoded.decoded);
        if (!decoded || utf8.hasError() ||
            HasControlCharacter(
                std::string_view(decoded.decoded.constData(), std::size_t(decoded.decoded.size()))))
            return std::nullopt;
        fields[k] = decoded.decoded.toStdString();
    }
    BirthTown town{fields[0], fields[1], fields[2], fields[3]};
    if (town.name.empty() || !IsKnownZoneId(QString::fromStdString(town.timeZone)))
        return std::nullopt;
    return town;
}

// A name from the file as the Name box could hold it: without control
// characters, trimmed and cut to the box's length (never inside a
// character). True when it had to change.
bool CleanName(const std::string& name, std::string& cleaned) {
    const QString original = QString::fromStdString(name);
    QString text;
    for (const QChar c : original) {
        const char16_t u = c.unicode();
        if (u >= 0x20 && u != 0x7F && !(u >= 0x80 && u <= 0x9F))
            text += c;
    }
    const bool hadControls = text.size() != original.size();
    text = QString::fromStdString(Trimmed(text.toStdString()));
    const bool tooLong = text.size() > kNameLength;
    if (tooLong)
        text.truncate(text[kNameLength - 1].isHighSurrogate() ? kNameLength - 1 : kNameLength);
    cleaned = text.toStdString();
    return hadControls || tooLong;
}

bool Synced(SyncFunction sync, int fd) {
    int result;
    do
        result = sync(fd);
    while (result != 0 && errno == EINTR);
    return result == 0;
}

} // namespace

QByteArray ReadingFileBytes(const ChartRecord& chart) {
    const QByteArray fields[kLineCount] = {
        ToWindows1252(QString::fromStdString(chart.BirthName)),
        NumberText(chart.BirthMonth),
        NumberText(chart.BirthDay),
        NumberText(chart.BirthYear),
        NumberText(chart.BirthHour),
        NumberText(chart.BirthMinute),
        NumberText(chart.LonDegrees),
        NumberText(chart.LonMinutes),
        NumberText(chart.LatDegrees),
        NumberText(chart.LatMinutes),
        ZoneHoursText(chart),
        NumberText(chart.ZoneMinutes),
        FlagText(chart.IsEast),
        FlagText(chart.IsSouth),
        FlagText(chart.IsDST),
    };
    QByteArray bytes;
    for (const QByteArray& field : fields)
        bytes += ScrambleText(field) + "\r\n";
    // Readers that stop at line 15 never see line 16; it is written only
    // when line 1 loses part of the name.
    // Line 17 needs a line 16 before it: the full name then stands there even
    // when line 1 holds it, which readers of sixteen lines take as it is.
    const QString name = QString::fromStdString(chart.BirthName);
    const bool town = !chart.BirthPlace.empty();
    if (FromWindows1252(ReducedName(name)) != name || (town && !name.isEmpty()))
        bytes += ScrambleText(kFullNameMark + name.toUtf8().toBase64()) + "\r\n";
    else if (town)
        bytes += "\r\n";
    if (town)
        bytes += ScrambleText(TownLine(chart.BirthPlace)) + "\r\n";
    return bytes;
}

bool WriteReadingFile(const ChartRecord& chart, QIODevice& device) {
    const QByteArray bytes = ReadingFileBytes(chart);
    // Never write a file that Open would refuse.
    if (bytes.size() > kMaxReadingFileSize)
        return false;
    qint64 written = 0;
    while (written < bytes.size()) {
        const qint64 n = device.write(bytes.constData() + written, bytes.size() - written);
        if (n <= 0)
            return false;
        written += n;
    }
    return true;
}

bool MayBeReplacedByFile(const QString& path) {
    const QFileInfo target(path);
    return !target.exists() || target.isFile();
}

bool SaveReadingFile(const ChartRecord& chart, const QString& path) {
    return SaveReadingFile(chart, path, SyncToDisk);
}

bool SaveReadingFile(const ChartRecord& chart, const QString& path, SyncFunction sync) {
    if (path.isEmpty())
        return false;
    if (!MayBeReplacedByFile(path))
        return false;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    // commit() overlooks failures of its own final flush and of the sync
    // to disk, and would put a cut-off file in place, so both are checked
    // first.
    if (!WriteReadingFile(chart, file) || !file.flush() || !Synced(sync, file.handle())) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

QList<QByteArray> ReadingFileLines(const QByteArray& content) {
    QList<QByteArray> lines;
    qsizetype start = 0;
    const qsizetype size = content.size();
    while (start < size && lines.size() < kTownLine + 1) {
        qsizetype end = content.indexOf(kCr, start);
        if (end < 0)
            end = size;
        lines.append(UnscrambleText(content.mid(start, end - start)));
        start = end + 1;
        if (end < size && start < size && content[start] == kLf)
            ++start;
    }
    return lines;
}

std::vector<ReadingFileNote> ApplyReadingFileLines(const QList<QByteArray>& lines,
                                                   BirthEntry& entry) {
    std::vector<ReadingFileNote> notes;
    for (int line = static_cast<int>(lines.size()); line < kLineCount; ++line)
        notes.push_back({line + 1, true});
    auto ignored = [&](int index) {
        if (index < lines.size())
            notes.push_back({index + 1, false});
    };

    // A line 16 that is not a clean name is passed over for line 1; line 1
    // is kept in part. An empty line 16 only makes room for line 17.
    std::string cleaned;
    std::optional<std::string> fullName = FullName(lines);
    if (fullName && CleanName(*fullName, cleaned))
        fullName.reset();
    if (fullName) {
        entry.name = *fullName;
    } else {
        if (!(kLineCount < lines.size() && lines[kLineCount].isEmpty()))
            ignored(kLineCount);
        const std::string first = LineText(lines, 0);
        entry.name = first;
        if (CleanName(first, cleaned)) {
            entry.name = cleaned;
            notes.push_back({1, false, true});
        }
    }
    const std::optional<BirthTown> town =
        kTownLine < lines.size() ? TownOf(lines[kTownLine]) : std::nullopt;
    entry.town = town.value_or(BirthTown{});
    if (!town)
        ignored(kTownLine);

    // The month line is read as a decimal number; one is taken off before the
    // rounding, so "1.5" gives 0.5 and then January, not February.
    const auto month = DecimalNumber(Trimmed(LineText(lines, 1)));
    const double position = month ? RoundHalfToEven(*month - 1) : -2;
    if (position >= -1 && position <= 11)
        entry.month = static_cast<int>(position);
    else
        ignored(1);
    const EntryList lists[] = {EntryList::Day, EntryList::Year, EntryList::Hour, EntryList::Minute};
    int* positions[] = {&entry.day, &entry.year, &entry.hour, &entry.minute};
    for (int k = 0; k < 4; ++k)
        if (!SelectListItem(lists[k], LineText(lines, 2 + k), *positions[k]))
            ignored(2 + k);

    entry.lonDegrees = LineText(lines, 6);
    entry.lonMinutes = LineText(lines, 7);
    entry.latDegrees = LineText(lines, 8);
    entry.latMinutes = LineText(lines, 9);
    entry.zoneHour = LineText(lines, 10);
    entry.zoneMinute = LineText(lines, 11);

    bool* flags[] = {&entry.east, &entry.south, &entry.dst};
    for (int k = 0; k < 3; ++k) {
        const std::string text = LineText(lines, 12 + k);
        *flags[k] = text == "1";
        if (text != "1" && text != "0")
            ignored(12 + k);
    }
    std::sort(notes.begin(), notes.end(),
              [](const ReadingFileNote& a, const ReadingFileNote& b) { return a.line < b.line; });
    return notes;
}

QString ReadingFileNoteText(const ReadingFileNote& note) {
    static const char* const kLineNames[] = {QT_TRANSLATE_NOOP("ReadingFile", "name"),
                                             QT_TRANSLATE_NOOP("ReadingFile", "month"),
                                             QT_TRANSLATE_NOOP("ReadingFile", "day"),
                                             QT_TRANSLATE_NOOP("ReadingFile", "year"),
                                             QT_TRANSLATE_NOOP("ReadingFile", "hour"),
                                             QT_TRANSLATE_NOOP("ReadingFile", "minute"),
                                             QT_TRANSLATE_NOOP("ReadingFile", "longitude degrees"),
                                             QT_TRANSLATE_NOOP("ReadingFile", "longitude minutes"),
                                             QT_TRANSLATE_NOOP("ReadingFile", "latitude degrees"),
                                             QT_TRANSLATE_NOOP("ReadingFile", "latitude minutes"),
                                             QT_TRANSLATE_NOOP("ReadingFile", "time-zone hours"),
                                             QT_TRANSLATE_NOOP("ReadingFile", "time-zone minutes"),
                                             QT_TRANSLATE_NOOP("ReadingFile", "East or West"),
                                             QT_TRANSLATE_NOOP("ReadingFile", "North or South"),
                                             QT_TRANSLATE_NOOP("ReadingFile", "daylight saving"),
                                             QT_TRANSLATE_NOOP("ReadingFile", "full name"),
                                             QT_TRANSLATE_NOOP("ReadingFile", "town")};
    if (note.line < 1 || note.line > int(std::size(kLineNames)))
        return {};
    const QString name = QCoreApplication::translate("ReadingFile", kLineNames[note.line - 1]);
    const char* text =
        note.missing ? QT_TRANSLATE_NOOP("ReadingFile", "line %1 (%2) is missing")
        : note.shortened
            ? QT_TRANSLATE_NOOP("ReadingFile", "line %1 (%2) held control characters or more than "
                                               "100 characters; only the rest was kept")
            : QT_TRANSLATE_NOOP("ReadingFile", "line %1 (%2) is not a value it can take and was "
                                               "ignored");
    return QCoreApplication::translate("ReadingFile", text).arg(note.line).arg(name);
}

OpenResult OpenReadingFile(const QString& path, BirthEntry& entry,
                           std::vector<ReadingFileNote>* notes) {
    if (!path.endsWith(QLatin1String("tvr"), Qt::CaseSensitive))
        return OpenResult::WrongExtension;

    const QFileInfo info(path);
    if (!info.exists() || !info.isFile() || info.size() > kMaxReadingFileSize)
        return OpenResult::Unreadable;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return OpenResult::Unreadable;
    // The size is checked again on what is read: the file may grow meanwhile.
    const QByteArray content = file.read(kMaxReadingFileSize + 1);
    if (content.size() > kMaxReadingFileSize || file.error() != QFileDevice::NoError)
        return OpenResult::Unreadable;

    std::vector<ReadingFileNote> found = ApplyReadingFileLines(ReadingFileLines(content), entry);
    if (notes)
        *notes = std::move(found);
    return OpenResult::Applied;
}

} // namespace tivora
