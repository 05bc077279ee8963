#include "cli/cli.h"

#include "cli/batch.h"
#include "cli/exit_status.h"
#include "cli/place_options.h"
#include "cli/reading_job.h"

#include "entry/birth_summary.h"
#include "language/entry_messages.h"
#include "language/language.h"
#include "report/reading_file.h"
#include "report/report_document.h"
#include "report/summary_words.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <memory>
#include <set>

namespace tivora::cli {

bool NameTooLong(const std::string& name) {
    if (name.size() <= static_cast<std::size_t>(kMaxNameLength))
        return false;
    return QString::fromStdString(Trimmed(name)).size() > kMaxNameLength;
}

namespace {

// The entry's refusal in the language in effect.
std::string RefusalText(const EntryMessage& message) {
    return EntryMessageText(message.text).toStdString();
}

// Qt notes on standard error each time a Latin font stands first for
// Devanagari text; the glyphs come from a Devanagari font all the same, and
// the note would read as a fault of the command.
QtMessageHandler qtHandler = nullptr;
void QuietFontFallback(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type == QtWarningMsg &&
        text.trimmed().startsWith(QLatin1String("OpenType support missing")))
        return;
    qtHandler(type, context, text);
}

// The application object the command needs: Qt's translations need one, the
// report's fonts a graphical one (drawn offscreen: no window is shown). Kept
// until the command ends; none is made when one exists.
std::unique_ptr<QCoreApplication> MakeApplication(bool graphical) {
    if (QCoreApplication::instance())
        return nullptr;
    // The arguments must outlive the application object.
    static int argc = 1;
    static char name[] = "tivora-cli";
    static char* argv[] = {name, nullptr};
    if (!graphical)
        return std::make_unique<QCoreApplication>(argc, argv);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (!qtHandler)
        qtHandler = qInstallMessageHandler(QuietFontFallback);
    return std::make_unique<QGuiApplication>(argc, argv);
}

// Options shared by the commands that compute a reading.
int ParseReading(const std::vector<std::string>& args, std::size_t from, ReadingJob& job,
                 bool& json, std::ostream& err) {
    bool seen[5] = {};
    const char* required[] = {"--date", "--time", "--lon", "--lat", "--zone"};
    PlaceOptions place;
    bool dst = false;
    std::set<std::string> given;
    for (std::size_t i = from; i < args.size(); ++i) {
        const std::string& option = args[i];
        // "The last one wins" would hide a typing slip.
        if (option.rfind("--", 0) == 0 && !given.insert(option).second)
            return Usage(err, option + " is given more than once");
        if (option == "--json") {
            json = true;
            continue;
        }
        if (option == "--dst") {
            job.entry.dst = dst = true;
            continue;
        }
        if (i + 1 >= args.size())
            return Usage(err, option + " needs a value");
        const std::string& value = args[++i];
        if (option == "--place" || option == "--tz" || option == "--fold") {
            if (value.empty())
                return Usage(err, option + " needs a value");
            if (option == "--fold" && value != "earlier" && value != "later")
                return Usage(err, "--fold takes earlier or later");
            (option == "--place" ? place.place
             : option == "--tz"  ? place.timeZone
                                 : place.fold) = value;
            continue;
        }
        std::string error;
        if (!ParseReadingOption(option, value, job, error))
            return Usage(err, error);
        if (option == "--name" && NameTooLong(job.entry.name))
            return Usage(err, std::string("--name is ") + kNameTooLong);
        for (int k = 0; k < 5; ++k)
            if (option == required[k])
                seen[k] = true;
    }
    place.lonGiven = seen[2];
    place.latGiven = seen[3];
    place.zoneGiven = seen[4];
    const bool fromPlace = !place.place.empty();
    const bool fromZone = fromPlace || !place.timeZone.empty();
    for (int k = 0; k < 5; ++k) {
        const bool filled = (k == 2 || k == 3) ? fromPlace : k == 4 && fromZone;
        if (!seen[k] && !filled)
            return Usage(err,
                         std::string("missing ") + required[k] + (k >= 2 ? " (or --place)" : ""));
    }
    if (!fromZone) {
        if (!place.fold.empty())
            return Usage(err, "--fold goes with --place or --tz");
        return kDone;
    }
    if (dst && !place.zoneGiven)
        return Usage(err, "--dst goes with --zone: the offset from --place or --tz includes "
                          "daylight saving");
    std::string error;
    if (!ApplyPlaceOptions(place, job, error))
        return Refuse(err, error);
    if (!job.placeUse.note.empty())
        err << "tivora-cli: " << job.placeUse.note << "\n";
    return kDone;
}

// The reading's options from args[first] on, then the reading itself; a
// usage fault or a refused birth ends here with its status.
int ParseAndRun(const std::vector<std::string>& args, std::size_t first, ReadingJob& job,
                bool& json, std::ostream& err) {
    if (const int status = ParseReading(args, first, job, json, err); status != kDone)
        return status;
    if (!job.run())
        return Refuse(err, RefusalText(*job.message));
    return kDone;
}

int RunReading(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    ReadingJob job;
    bool json = false;
    if (const int status = ParseAndRun(args, 1, job, json, err); status != kDone)
        return status;
    out << (json ? ReadingJson(job) : ReadingText(job));
    return kDone;
}

QString PathArgument(const std::string& path) {
    return QString::fromLocal8Bit(path.c_str());
}

// open FILE: the Open command's reading rules from the main window's
// defaults, then the reading.
int RunOpen(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    bool json = false;
    if (args.size() == 3 && args[2] == "--json")
        json = true;
    else if (args.size() != 2)
        return Usage(err, "open takes FILE and optionally --json");
    ReadingJob job;
    std::vector<ReadingFileNote> notes;
    if (OpenReadingFile(PathArgument(args[1]), job.entry, &notes) != OpenResult::Applied)
        return Refuse(
            err, QCoreApplication::translate("ReadingFile", kCheckTheFileMessage).toStdString());
    // The reading is still made from what the file gave, but a reading from
    // defaults must not pass for the saved one.
    for (const ReadingFileNote& note : notes)
        err << "tivora-cli: warning: " << ReadingFileNoteText(note).toStdString() << "\n";
    if (!job.run())
        return Refuse(err, RefusalText(*job.message));
    UseSavedTown(job);
    out << (json ? ReadingJson(job) : ReadingText(job));
    return notes.empty() ? kDone : kRefused;
}

// save FILE and report FILE.pdf take the reading's options after the file.
int RunSaveOrReport(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    const bool save = args[0] == "save";
    if (args.size() < 2 || args[1].rfind("--", 0) == 0)
        return Usage(err, args[0] + " takes FILE followed by the options of reading");
    ReadingJob job;
    bool json = false;
    if (const int status = ParseAndRun(args, 2, job, json, err); status != kDone)
        return status;
    QString path = PathArgument(args[1]);
    // A name the system's encoding cannot hold would be written under a
    // mangled name.
    if (path.toLocal8Bit() != QByteArray::fromStdString(args[1]))
        return Refuse(err, "the file name is not valid text in this system's encoding");
    if (save) {
        // Lines 11 and 12 can say "ahead" (a leading "-") or "as the
        // longitude says", never "behind" east of Greenwich.
        if (job.chart.ZoneDirection == ZoneDirection::West && job.chart.Longitude < 0)
            return Refuse(err, "a saved reading cannot hold a zone behind universal time east of "
                               "Greenwich; give the zone as H:MM or +H:MM");
        // As the save dialog does when no extension is typed.
        if (QFileInfo(path).suffix().isEmpty())
            path += QStringLiteral(".tvr");
        if (!MayBeReplacedByFile(path))
            return Refuse(err, path.toStdString() + " exists and is not a regular file");
        if (!SaveReadingFile(job.chart, path))
            return Refuse(
                err,
                QCoreApplication::translate("ReadingFile", kCouldNotSaveMessage).toStdString());
    } else {
        const std::unique_ptr<QCoreApplication> app = MakeApplication(true);
        if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
            return Refuse(err, "the report needs a graphical application object");
        // The PDF is headed with whose reading it is and from which birth data.
        const PlaceUse& use = job.placeUse;
        const std::string zoneNote = ZoneNote(
            use.offsetDescription.substr(0, use.offsetDescription.find(" = ")), use.offsetCertain);
        // In Hindi the summary names the ascendant's sign as the reading does.
        const std::string sign =
            InstalledLanguage() == QLatin1String(kEnglish) ? std::string() : job.info.VedicName;
        const ReportHeader header{
            QString::fromStdString(job.chart.BirthName),
            QString::fromStdString(BirthSummary(job.chart, use.placeDisplay, zoneNote, false,
                                                SummaryWordsInEffect(sign)))};
        if (!WriteReportPdf(job.info, path, header))
            return Refuse(err, "could not write " + args[1]);
    }
    out << path.toStdString() << "\n";
    return kDone;
}

} // namespace

std::string UsageText() {
    return R"(Usage:
  tivora-cli [--lang en|hi] COMMAND ...
  tivora-cli reading --name TEXT --date YYYY-MM-DD --time HH:MM
                     --lon DEG:MIN(E|W) --lat DEG:MIN(N|S) --zone Z [--dst] [--json]
  tivora-cli reading --name TEXT --date YYYY-MM-DD --time HH:MM
                     --place QUERY [--fold earlier|later] [--json]
  tivora-cli reading --name TEXT --date YYYY-MM-DD --time HH:MM
                     --lon DEG:MIN(E|W) --lat DEG:MIN(N|S) --tz ZONE-ID [--json]
  tivora-cli places QUERY [--limit N] [--json]
  tivora-cli batch FILE|-
  tivora-cli open FILE.tvr [--json]
  tivora-cli save FILE.tvr <the options of reading>
  tivora-cli report FILE.pdf <the options of reading>
  tivora-cli --help

reading  Works out the ascendant (Lagna) and prints the birth data it used
         (name, local date and time, place, coordinates, zone and its
         direction, DST, offset and universal time), AscendantText, LagnaSign
         and the reading laid out as the report's sections; with --json one
         object with the whole chart record and the SignInformation texts.
         The date and time must lie in the main window's lists (years 1901
         to 2050, hours 0 to 23, minutes 0 to 59).
         --zone Z: the time zone's offset from universal time.
           H:MM   direction taken from the longitude, as the main window does
                  (east of Greenwich ahead of universal time, west behind)
           +H:MM  ahead of universal time (east), e.g. +5:30 for India
           -H:MM  behind universal time (west), e.g. -5:00 for New York
         --dst: the birth time is daylight-saving time (only with --zone).
         --place QUERY: the birthplace from the atlas of towns (the town's
           name and, in any order, with or without commas, its region or a
           common abbreviation such as IL or NSW, and its country as ISO
           code or name): its coordinates, rounded to the minute, and the
           offset from universal time its clocks kept at that date and time
           (from the time-zone database; local mean time of the longitude
           before standard time). When towns in several regions or countries
           carry the name, the first is taken and standard error says which.
           --lon, --lat, --zone and --tz override each part.
         --tz ZONE-ID: the offset of a time-zone database zone (such as
           Europe/London) at that date and time, without the atlas. Only
           the database's zone and link names are taken (UTC and Etc/GMT-5
           too; not IST, Berlin or POSIX rules); 'tivora-cli places TOWN'
           shows a town's zone.
         --fold earlier|later: which of the two offsets a local time that
           happened twice (clocks went back) had. A time that happened twice
           without --fold, and one that never happened, are refused.
         With --place or --tz the output also says what was used: the place,
           the zone and the offset, used to the second (JSON keys Place,
           TimeZone, UtcOffset in minutes ahead of universal time,
           UtcOffsetSeconds, UtcOffsetText such as "UT+0:19:32" when the
           seconds are not zero, IsDaylightTime,
           OffsetSource "tzdata" or "local mean time", PlaceLatitude and
           PlaceLongitude in decimal degrees, north and EAST positive; the
           chart record's Longitude is in degrees, WEST positive).
         Before 1970 the time-zone database follows each zone's own city: a
           town over 100 km from it or in another region, in a year the zone
           changed its clocks, has OffsetCertain false and
           OffsetAlternatives (UtcOffset, UtcOffsetText, Why: the zone's
           standard time that day and its city's clocks); give --zone to use
           another. OffsetCertain is in every JSON reading.

places   Lists the towns that best match QUERY (any script; accents and case
         do not matter; towns whose name takes more of the words first, then
         whole names before begun ones, a town's own name before another
         town's old or foreign name, then by population), one a line: name,
         region, country code, latitude, longitude (decimal degrees, north
         and EAST positive), zone id and population, separated by tabs.
         --limit N (default 10); --json: an array of objects with Name,
         Region, CountryCode, Country, Latitude, Longitude (east positive),
         TimeZone, Population and MatchedName (the name that matched, the
         town's own or another). No match: a message and exit status 1.
         Place data (c) GeoNames (geonames.org), CC BY 4.0.

batch    Reads CSV (RFC 4180, UTF-8; lines end in CR LF, LF or CR) from FILE
         or standard input. The header names chart-record fields, in any
         order: BirthName, BirthMonth, BirthDay, BirthYear, BirthHour,
         BirthMinute, ZoneHours, ZoneMinutes, LonDegrees, LonMinutes,
         LatDegrees, LatMinutes, IsEast, IsSouth, IsDST (flags 1 or 0).
         Other columns are carried through. Date and time cells are whole
         numbers in plain digits. Every other value is taken as the text the
         window's control would hold: an empty cell is an empty box and gets
         the window's message. A negative ZoneHours or ZoneMinutes carries
         the zone picker's sign and means EAST (ahead of universal time) --
         the opposite of --zone's everyday sign.
         Optional columns do what --place, --tz and --fold do, row by row:
         Place fills empty coordinate and zone cells from the atlas,
         TimeZone (a zone id) fills empty zone cells, and Fold (earlier or
         later) picks the offset of a local time that happened twice; with
         them the coordinate and zone columns may be left out.
         Writes CSV: every input column, then Ascendant (degrees),
         AscendantText, LagnaSign, Message and the 27 SignInformation texts;
         with a Place or TimeZone column also PlaceUsed, TimeZoneUsed,
         UtcOffset, UtcOffsetText, IsDaylightTime, OffsetSource,
         PlaceLatitude, PlaceLongitude (east positive) and OffsetCertain
         (1 or 0). A town taken from several of one name says so in Message
         without failing the row; an unreadable atlas refuses the batch
         before its first row. A row that fails has its message
         in Message and empty results; a record longer than 64 KiB (such as
         one left open by an unclosed quote) is cut off with a message and
         reading goes on at the next line.

open     Reads a saved reading file as the main window's Open command does
         (starting from the window's defaults) and prints the reading as
         'reading' does; a file that kept its atlas town adds Place and
         TimeZone, and before 1970 the doubt about its offset that
         'reading --place' gives.
save     Writes the saved reading file that the report window's Save
         command writes (".tvr" is added when FILE has no extension).
report   Writes the formatted report, as the report window shows and prints
         it, to a PDF file.

--lang en|hi  The language of the reading's words: English (the default)
         or Hindi. With hi, the text output, the sign texts (also in JSON
         and batch output), the birth data's refusals and the report are in
         Hindi; JSON keys, batch column names, saved files and exit statuses
         stay the same.

Exit status: 0 done, 1 the birth data or a file was refused (the program's
message is on standard error), a batch row carries a message or the output
could not be written, 2 a usage error.
)";
}

namespace {

int RunCommand(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
               std::ostream& err) {
    if (args.empty())
        return Usage(err, "no command given");
    const std::string& command = args[0];
    if (command == "--help" || command == "-h" || command == "help") {
        out << UsageText();
        return kDone;
    }
    if (command == "reading")
        return RunReading(args, out, err);
    if (command == "places")
        return RunPlaces(args, out, err);
    if (command == "batch")
        return RunBatch(args, in, out, err);
    if (command == "open")
        return RunOpen(args, out, err);
    if (command == "save" || command == "report")
        return RunSaveOrReport(args, out, err);
    return Usage(err, "unknown command " + command);
}

} // namespace

int RunCli(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
           std::ostream& err) {
    // --lang comes before the command, so no command's own options can
    // swallow it; English unless asked, since scripts read the output.
    int status = kDone;
    if (!args.empty() && args[0] == "--lang") {
        if (args.size() < 2 || (args[1] != kEnglish && args[1] != kHindi))
            status = Usage(err, "--lang takes en or hi");
        else if (args[1] == kHindi) {
            const bool report = args.size() > 2 && args[2] == "report";
            const std::unique_ptr<QCoreApplication> app = MakeApplication(report);
            if (!InstallLanguage(QString::fromLatin1(kHindi)))
                status = Refuse(err, "the Hindi texts could not be loaded");
            else
                status = RunCommand({args.begin() + 2, args.end()}, in, out, err);
            InstallLanguage(QString::fromLatin1(kEnglish));
        } else {
            status = RunCommand({args.begin() + 2, args.end()}, in, out, err);
        }
    } else {
        status = RunCommand(args, in, out, err);
    }
    // Output lost to a full disk or a closed pipe must not pass for done.
    if (!out.flush())
        return Refuse(err, kCouldNotWriteOutput);
    return status;
}

} // namespace tivora::cli
