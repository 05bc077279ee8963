#include "cli/batch.h"

#include "cli/console.h"
#include "cli/csv.h"
#include "cli/exit_status.h"
#include "cli/place_options.h"
#include "cli/reading_job.h"

#include "base/numbers.h"
#include "engine/ephemeris.h"
#include "entry/birth_summary.h"
#include "entry/calculate.h"
#include "language/entry_messages.h"
#include "language/language.h"
#include "language/sign_texts.h"

#include <cerrno>
#include <charconv>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

namespace tivora::cli {

namespace {

// The batch columns that stand for the main window's controls.
enum class Column {
    BirthName,
    BirthMonth,
    BirthDay,
    BirthYear,
    BirthHour,
    BirthMinute,
    ZoneHours,
    ZoneMinutes,
    LonDegrees,
    LonMinutes,
    LatDegrees,
    LatMinutes,
    IsEast,
    IsSouth,
    IsDST,
    // Optional: what --place, --tz and --fold say, row by row.
    Place,
    TimeZone,
    Fold,
    Count
};
constexpr const char* kColumnNames[] = {
    "BirthName", "BirthMonth",  "BirthDay",   "BirthYear",  "BirthHour",  "BirthMinute",
    "ZoneHours", "ZoneMinutes", "LonDegrees", "LonMinutes", "LatDegrees", "LatMinutes",
    "IsEast",    "IsSouth",     "IsDST",      "Place",      "TimeZone",   "Fold"};
constexpr int kColumnCount = static_cast<int>(Column::Count);
static_assert(sizeof kColumnNames / sizeof *kColumnNames == kColumnCount);

// Added after the sign texts when the input can name a place or a zone.
constexpr const char* kPlaceColumns =
    ",PlaceUsed,TimeZoneUsed,UtcOffset,UtcOffsetText,IsDaylightTime,OffsetSource,"
    "PlaceLatitude,PlaceLongitude,OffsetCertain";
constexpr int kPlaceColumnCount = 9;

// Output is handed on in blocks of this size rather than a row at a time.
constexpr std::size_t kFlushBytes = 256 * 1024;

const char* Name(Column c) {
    return kColumnNames[static_cast<int>(c)];
}

bool IsBlankCell(std::string_view text) {
    return TrimmedView(text).empty();
}

// Where each column sits in the header (-1 when absent) and which of the
// required ones are missing.
struct Layout {
    int at[kColumnCount];
    std::string missing;

    bool has(Column c) const { return at[static_cast<int>(c)] >= 0; }
    bool namesPlaces() const { return has(Column::Place) || has(Column::TimeZone); }
};

Layout LayoutOf(const std::vector<std::string>& header) {
    Layout layout;
    for (int k = 0; k < kColumnCount; ++k) {
        layout.at[k] = -1;
        for (std::size_t i = 0; i < header.size(); ++i)
            if (header[i] == kColumnNames[k]) {
                layout.at[k] = static_cast<int>(i);
                break;
            }
    }
    // The atlas stands in for the coordinates, and the atlas or a zone id
    // for the zone.
    const bool place = layout.has(Column::Place);
    const bool zone = place || layout.has(Column::TimeZone);
    for (int k = 0; k < static_cast<int>(Column::Place); ++k) {
        const auto c = static_cast<Column>(k);
        const bool coordinate = c >= Column::LonDegrees && c <= Column::IsSouth;
        const bool zonePart =
            c == Column::ZoneHours || c == Column::ZoneMinutes || c == Column::IsDST;
        if (layout.has(c) || (coordinate && place) || (zonePart && zone))
            continue;
        layout.missing += std::string(layout.missing.empty() ? "" : ", ") + kColumnNames[k];
    }
    return layout;
}

// A date or time cell holds a whole number in plain digits, as the lists
// show them ("01" is 1; "+1", "1.5" and "1e0" are not numbers here).
int CellNumber(std::string_view text) {
    const auto value = DigitsNumber(TrimmedView(text), 9);
    return value ? static_cast<int>(*value) : -1;
}

// One row's reading: the job, and whether its place or zone came from the
// Place, TimeZone and Fold columns.
class RowReader {
public:
    explicit RowReader(const Layout& layout) : layout_(layout) {}

    // Fills job from the row the way the controls would hold it; false with
    // message when a cell cannot stand for its control.
    bool fill(const std::vector<std::string_view>& row, ReadingJob& job,
              std::string& message) const;

private:
    std::string_view cell(const std::vector<std::string_view>& row, Column c) const {
        const int at = layout_.at[static_cast<int>(c)];
        return at < 0 ? std::string_view() : row[static_cast<std::size_t>(at)];
    }

    const Layout& layout_;
};

bool RowReader::fill(const std::vector<std::string_view>& row, ReadingJob& job,
                     std::string& message) const {
    BirthEntry& e = job.entry;
    e.name = cell(row, Column::BirthName);
    if (NameTooLong(e.name)) {
        message = std::string("BirthName is ") + kNameTooLong;
        return false;
    }
    // An unknown month leaves the list empty, and the window's own message
    // says so.
    e.month = ListPositionOf(EntryList::Month, CellNumber(cell(row, Column::BirthMonth)));
    struct ListColumn {
        Column column;
        EntryList list;
        int* position;
        const char* range;
    } const lists[] = {{Column::BirthDay, EntryList::Day, &e.day, "1 to 31"},
                       {Column::BirthYear, EntryList::Year, &e.year, "1901 to 2050"},
                       {Column::BirthHour, EntryList::Hour, &e.hour, "0 to 23"},
                       {Column::BirthMinute, EntryList::Minute, &e.minute, "0 to 59"}};
    for (const ListColumn& l : lists) {
        *l.position = ListPositionOf(l.list, CellNumber(cell(row, l.column)));
        if (*l.position < 0) {
            message = std::string(Name(l.column)) + " must be one of the main window's values, " +
                      l.range;
            return false;
        }
    }
    e.zoneHour = cell(row, Column::ZoneHours);
    e.zoneMinute = cell(row, Column::ZoneMinutes);
    e.lonDegrees = cell(row, Column::LonDegrees);
    e.lonMinutes = cell(row, Column::LonMinutes);
    e.latDegrees = cell(row, Column::LatDegrees);
    e.latMinutes = cell(row, Column::LatMinutes);

    // Views, not copies: most batches name no place.
    const bool places = layout_.namesPlaces();
    const std::string_view placeQuery = places ? TrimmedView(cell(row, Column::Place)) : "";
    const std::string_view zoneId = places ? TrimmedView(cell(row, Column::TimeZone)) : "";
    const std::string_view fold = places ? TrimmedView(cell(row, Column::Fold)) : "";
    const bool lonGiven = !IsBlankCell(e.lonDegrees);
    const bool latGiven = !IsBlankCell(e.latDegrees);
    const bool zoneGiven = !IsBlankCell(e.zoneHour);
    const bool fromPlace = !placeQuery.empty();
    const bool fromZone = fromPlace || !zoneId.empty();

    // A flag the atlas or the zone id decides may be left empty.
    const Column flags[] = {Column::IsEast, Column::IsSouth, Column::IsDST};
    const bool decided[] = {fromPlace && !lonGiven, fromPlace && !latGiven, fromZone && !zoneGiven};
    bool* targets[] = {&e.east, &e.south, &e.dst};
    for (int k = 0; k < 3; ++k) {
        const std::string_view value = TrimmedView(cell(row, flags[k]));
        if (!(value == "1" || value == "0" || (decided[k] && value.empty()))) {
            message = std::string(Name(flags[k])) + " must be 1 or 0";
            // A column left out because Place or TimeZone may stand for it.
            if (!layout_.has(flags[k]))
                message += std::string("; the input has no ") + Name(flags[k]) +
                           " column, which a row needs when its " +
                           (k == 2 ? "zone is not taken from Place or TimeZone"
                                   : "coordinates are not taken from Place");
            return false;
        }
        *targets[k] = value == "1";
    }
    if (!fromZone) {
        if (!fold.empty()) {
            message = "Fold goes with Place or TimeZone";
            return false;
        }
        return true;
    }
    if (!fold.empty() && fold != "earlier" && fold != "later") {
        message = "Fold must be earlier or later";
        return false;
    }
    if (e.dst && !zoneGiven) {
        message = "IsDST goes with ZoneHours: the offset from Place or TimeZone includes "
                  "daylight saving";
        return false;
    }
    // Without a month there is no date to find the offset for; the window's
    // message for the month comes first.
    if (e.month < 0)
        return true;
    PlaceOptions place;
    place.place = placeQuery;
    place.timeZone = zoneId;
    place.fold = fold;
    place.foldHint = QT_TRANSLATE_NOOP("tivora::cli", "a Fold cell of earlier or later");
    place.lonGiven = lonGiven;
    place.latGiven = latGiven;
    place.zoneGiven = zoneGiven;
    return ApplyPlaceOptions(place, job, message);
}

// The 27 sign texts of each sign as CSV columns, made the first time the
// sign comes up: every row of a sign shares them.
class SignColumns {
public:
    const std::string& of(std::string_view lagnaSign) {
        for (const auto& [sign, columns] : made_)
            if (sign == lagnaSign)
                return columns;
        SignInformation info;
        SelectSignInformation(std::string(lagnaSign), info);
        if (translated_)
            info = TranslatedSignInformation(info);
        std::string columns;
        for (const SignField& field : SignTables()) {
            columns += ',';
            AppendCsvField(columns, info.*field.member);
        }
        made_.emplace_back(lagnaSign, std::move(columns));
        return made_.back().second;
    }

private:
    const bool translated_ = InstalledLanguage() != QLatin1String(kEnglish);
    std::vector<std::pair<std::string, std::string>> made_;
};

void AppendPlaceColumns(std::string& line, const ReadingJob& job) {
    const PlaceUse& p = job.placeUse;
    if (!p.used) {
        line.append(kPlaceColumnCount, ',');
        return;
    }
    char number[32];
    line += ',';
    AppendCsvField(line, p.place);
    line += ',';
    AppendCsvField(line, p.timeZone);
    const int offset = UtcOffsetMinutes(job.chart);
    line += ',' + std::to_string(offset) + ',' + UtcOffsetSecondsText(UtcOffsetSeconds(job.chart)) +
            ',';
    if (!p.offsetSource.empty())
        line += std::string(p.isDaylightTime ? "1" : "0") + ',' + p.offsetSource;
    else
        line += ',';
    line += ',';
    if (!p.place.empty()) {
        std::snprintf(number, sizeof number, "%.6f,%.6f", p.latitude, p.longitude);
        line += number;
    } else {
        line += ',';
    }
    line += p.offsetCertain ? ",1" : ",0";
}

// Where the rows come from: standard input, a stream or a named file.
struct Source {
    int fd = -1;
    bool owned = false;
    std::string name;
    std::string problem;
    ~Source() {
        if (owned)
            ::close(fd);
    }
};

// Opens path (or takes standard input for "-"); false with problem when it
// cannot be read as a file.
bool OpenSource(const std::string& path, std::istream& in, Source& source) {
    source.name = path == "-" ? "standard input" : path;
    if (path == "-") {
        // The real standard input is read by its descriptor, which reports
        // its errors; any other stream (as in tests) through its buffer.
        if (&in != &std::cin)
            return true;
        source.fd = STDIN_FILENO;
    } else {
        source.fd = OpenForReading(path);
        if (source.fd < 0) {
            source.problem = std::strerror(errno);
            return false;
        }
        source.owned = true;
    }
    struct stat status;
    if (::fstat(source.fd, &status) == 0 && S_ISDIR(status.st_mode)) {
        source.problem = "it is a directory, not a file";
        return false;
    }
    return true;
}

} // namespace

int RunBatch(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
             std::ostream& err) {
    if (args.size() != 2)
        return Usage(err, "batch takes one FILE, or - for standard input");
    Source source;
    if (!OpenSource(args[1], in, source))
        return Refuse(err, "cannot read " + source.name + ": " + source.problem);
    CsvReader reader = source.fd >= 0 ? CsvReader(source.fd) : CsvReader(in);
    std::vector<std::string_view> headerFields;
    std::string error;
    const CsvReader::Status first = reader.next(headerFields, error);
    if (!reader.readError().empty())
        return Refuse(err, "cannot read " + source.name + ": " + reader.readError());
    if (first == CsvReader::Status::End)
        return Refuse(err, source.name + " is empty: the first line must be a CSV header");
    if (first != CsvReader::Status::Record)
        return Refuse(err, "the first line must be a valid CSV header");
    const std::vector<std::string> header(headerFields.begin(), headerFields.end());

    const Layout layout = LayoutOf(header);
    const RowReader rows(layout);
    const bool placeColumns = layout.namesPlaces();
    // A damaged atlas refuses the batch once, before any row.
    if (std::string problem; layout.has(Column::Place) && !AtlasReady(problem))
        return Refuse(err, problem);

    std::string pending;
    pending.reserve(kFlushBytes + 64 * 1024);
    for (const std::string& name : header) {
        AppendCsvField(pending, name);
        pending += ',';
    }
    pending += "Ascendant,AscendantText,LagnaSign,Message";
    for (const SignField& field : SignTables()) {
        pending += ',';
        pending += field.name;
    }
    if (placeColumns)
        pending += kPlaceColumns;
    pending += "\r\n";

    // One job for every row: its strings keep their room from row to row.
    auto job = std::make_unique<ReadingJob>();
    SignColumns signColumns;
    const bool translated = InstalledLanguage() != QLatin1String(kEnglish);
    std::vector<std::string_view> row;
    std::string message;
    const std::size_t emptyResults = SignTables().size() + (placeColumns ? kPlaceColumnCount : 0);
    bool anyMessage = false;
    for (;;) {
        const CsvReader::Status status = reader.next(row, error);
        if (status == CsvReader::Status::End)
            break;
        message.clear();
        // The row fills every box; the atlas's town names only with a place.
        BirthEntry& entry = job->entry;
        entry.second = 0;
        entry.zoneSecond = 0;
        entry.city.clear();
        entry.state.clear();
        entry.country.clear();
        entry.town = {};
        job->zoneWest = false;
        if (placeColumns)
            job->placeUse = PlaceUse{};
        bool ok = false;
        if (status == CsvReader::Status::Invalid) {
            message = error;
        } else if (!layout.missing.empty()) {
            message = "Missing column: " + layout.missing;
        } else if (row.size() != header.size()) {
            message = "Line " + std::to_string(reader.line()) + " has " +
                      std::to_string(row.size()) + " fields; the header has " +
                      std::to_string(header.size());
        } else if (rows.fill(row, *job, message)) {
            if (auto refused = CalculateChart(job->entry, job->chart, job->zoneWest))
                message = translated ? EntryMessageText(refused->text).toStdString()
                                     : std::move(refused->text);
            else
                ok = true;
        }
        row.resize(header.size());

        // A record without quotes holds no character that needs them.
        if (reader.lastRecordPlain()) {
            std::size_t length = 0;
            for (const std::string_view cell : row)
                length += cell.size() + 1;
            std::size_t at = pending.size();
            pending.resize(at + length);
            for (const std::string_view cell : row) {
                // A padded cell has no bytes at all, not even an address.
                if (!cell.empty())
                    std::memcpy(pending.data() + at, cell.data(), cell.size());
                at += cell.size();
                pending[at++] = ',';
            }
        } else {
            for (const std::string_view cell : row) {
                AppendCsvField(pending, cell);
                pending += ',';
            }
        }
        if (ok) {
            const std::string& text = job->chart.AscendantText;
            // As "%.6f" writes it, without the locale and format machinery.
            char number[64];
            const auto written = std::to_chars(number, number + sizeof number, job->chart.Ascendant,
                                               std::chars_format::fixed, 6);
            pending.append(number, written.ptr);
            pending += ',';
            AppendCsvField(pending, text);
            pending += ',';
            const std::string_view sign = LagnaSignIn(text);
            pending += sign;
            pending += ',';
            if (placeColumns)
                AppendCsvField(pending, job->placeUse.note);
            pending += signColumns.of(sign);
            if (placeColumns)
                AppendPlaceColumns(pending, *job);
        } else {
            anyMessage = true;
            pending += ",,,";
            AppendCsvField(pending, message);
            pending.append(emptyResults, ',');
        }
        pending += "\r\n";
        if (pending.size() >= kFlushBytes) {
            out.write(pending.data(), static_cast<std::streamsize>(pending.size()));
            pending.clear();
            // Nothing more can reach the output: no use reading on.
            if (!out)
                break;
        }
    }
    out.write(pending.data(), static_cast<std::streamsize>(pending.size()));
    // RunCli says that the output could not be written.
    if (!out.flush())
        return kRefused;
    if (!reader.readError().empty())
        return Refuse(err, "could not read all of " + source.name + ": " + reader.readError());
    return anyMessage ? kRefused : kDone;
}

} // namespace tivora::cli
