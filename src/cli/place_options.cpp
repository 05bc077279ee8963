#include "cli/place_options.h"

#include "atlas/atlas.h"
#include "atlas/place_fill.h"
#include "atlas/shared_atlas.h"
#include "atlas/zone_offset.h"
#include "base/numbers.h"
#include "base/zone_ids.h"
#include "entry/birth_summary.h"

#include <QCoreApplication>
#include <QDate>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStringList>
#include <QTime>
#include <cmath>
#include <cstdlib>
#include <memory>
#include <optional>
#include <set>

namespace tivora::cli {

namespace {

// Commands run one after another share the program's one atlas.
std::shared_ptr<const atlas::Atlas> LoadAtlas(std::string& error) {
    QString problem;
    auto loaded = atlas::LoadSharedAtlas(&problem);
    if (!loaded)
        error = problem.toStdString();
    return loaded;
}

// The longitude the boxes hold, in decimal degrees, east positive.
double EntryLongitude(const BirthEntry& e) {
    const auto degrees = ToWholeNumber(e.lonDegrees);
    const auto minutes = ToWholeNumber(e.lonMinutes);
    const double value = (degrees ? *degrees : 0) + (minutes ? *minutes : 0) / 60.0;
    return e.east ? value : -value;
}

void FillCoordinate(const atlas::DegreesMinutes& dm, std::string& degrees, std::string& minutes,
                    bool& positive) {
    degrees = std::to_string(dm.degrees);
    minutes = std::to_string(dm.minutes);
    positive = dm.positive;
}

std::string OffsetWords(const atlas::ZoneOffset& offset) {
    return atlas::DescribeOffset(offset).toStdString();
}

// Whether the offset is the town's, for the output.
void TakeDoubt(PlaceUse& use, const atlas::OffsetDoubt& doubt) {
    use.offsetCertain = doubt.certain;
    use.offsetDoubt = doubt.text.toStdString();
    for (const atlas::OffsetAlternative& a : doubt.alternatives)
        use.alternatives.push_back({a.minutes, a.why.toStdString()});
}

} // namespace

void UseSavedTown(ReadingJob& job) {
    const ChartRecord& c = job.chart;
    if (c.BirthPlace.empty())
        return;
    const auto value = [](int degrees, int minutes, bool negative) {
        const double v = degrees + minutes / 60.0;
        return negative ? -v : v;
    };
    const auto text = [](const std::string& s) { return QString::fromStdString(s); };
    const atlas::Place p = atlas::RestoredPlace(
        text(c.BirthPlace.name), text(c.BirthPlace.region), text(c.BirthPlace.countryCode),
        text(c.BirthPlace.timeZone), value(c.LatDegrees, c.LatMinutes, c.IsSouth),
        value(c.LonDegrees, c.LonMinutes, !c.IsEast));
    PlaceUse& use = job.placeUse;
    use.used = true;
    use.place = p.shortText().toStdString();
    use.placeDisplay = p.displayText().toStdString();
    use.latitude = p.latitude;
    use.longitude = p.longitude;
    use.timeZone = c.BirthPlace.timeZone;

    // Before 1970 the saved offset may be one the town's clocks did not keep,
    // as a reading by --place says; only the atlas knows the zone's city.
    std::string unreadable;
    const auto loaded = LoadAtlas(unreadable);
    atlas::Place town = p;
    if (!loaded || !loaded->addZoneCity(town))
        return;
    const QDate date(c.BirthYear, c.BirthMonth, c.BirthDay);
    const QTime time(c.BirthHour, c.BirthMinute);
    const atlas::LocalTimeOffsets clocks =
        atlas::ResolveLocalTime(town.timeZone, date, time, town.longitude);
    const int saved = UtcOffsetSeconds(c);
    // The doubt is about the zone's offset; an offset of the user's own is theirs.
    for (const atlas::ZoneOffset& kept : {clocks.offset, clocks.earlier, clocks.later}) {
        if (clocks.kind == atlas::LocalTimeKind::UnknownZone || kept.totalSeconds != saved)
            continue;
        TakeDoubt(use, atlas::DoubtAbout(town, date, kept));
        return;
    }
}

bool ApplyPlaceOptions(const PlaceOptions& options, ReadingJob& job, std::string& error) {
    BirthEntry& e = job.entry;
    PlaceUse& use = job.placeUse;
    use.used = true;
    std::optional<atlas::Place> town;
    if (!options.place.empty()) {
        const auto loaded = LoadAtlas(error);
        if (!loaded)
            return false;
        const QString query = QString::fromStdString(options.place);
        // A whole name first; the start of one when no town has it whole.
        auto found = loaded->search(query, 10, true);
        if (found.empty())
            found = loaded->search(query, 10);
        if (found.empty()) {
            error = QCoreApplication::translate(
                        "tivora::cli",
                        "no town called \"%1\" is in the atlas; give the coordinates and the "
                        "zone instead")
                        .arg(EscapedForMessage(QString::fromStdString(options.place)))
                        .toStdString();
            return false;
        }
        const atlas::Place& p = found.front();
        town = p;
        use.note = atlas::TakenFromSeveral(query, found).toStdString();
        use.place = p.shortText().toStdString();
        use.placeDisplay = p.displayText().toStdString();
        use.latitude = p.latitude;
        use.longitude = p.longitude;
        e.city = p.name.toStdString();
        e.state = p.region.toStdString();
        e.country = p.country.toStdString();
    }

    const QDate date(std::stoi(ListItemText(EntryList::Year, e.year)), e.month + 1, e.day + 1);
    const QTime time(e.hour, e.minute);
    atlas::FillChoices choices;
    choices.zoneId = QString::fromStdString(options.timeZone);
    // The offset follows the longitude the boxes hold: the typed one, or the
    // town's to the minute.
    choices.longitude = town && !options.lonGiven ? atlas::ToDegreesMinutes(town->longitude).value()
                                                  : EntryLongitude(e);
    choices.fold = options.fold.empty()        ? atlas::Fold::Ask
                   : options.fold == "earlier" ? atlas::Fold::Earlier
                                               : atlas::Fold::Later;
    const atlas::PlaceFill fill = atlas::FillForPlace(town ? &*town : nullptr, date, time, choices);
    if (town) {
        bool north = true;
        if (!options.lonGiven)
            FillCoordinate(fill.longitude, e.lonDegrees, e.lonMinutes, e.east);
        if (!options.latGiven) {
            FillCoordinate(fill.latitude, e.latDegrees, e.latMinutes, north);
            e.south = !north;
        }
        // As the window does: a saved reading keeps the town while its
        // coordinates are the atlas's.
        if (!options.lonGiven && !options.latGiven)
            e.town = {town->name.toStdString(), town->region.toStdString(),
                      town->countryCode.toStdString(), town->timeZone.toStdString()};
    }
    if (options.zoneGiven)
        return true;

    use.timeZone =
        !options.timeZone.empty() || !town ? options.timeZone : town->timeZone.toStdString();
    if (!fill.used) {
        const std::string message = fill.offsets.message.toStdString();
        switch (fill.offsets.kind) {
        case atlas::LocalTimeKind::HappenedTwice:
            error = QCoreApplication::translate("tivora::cli", "%1; say which with %2")
                        .arg(fill.offsets.message,
                             QCoreApplication::translate("tivora::cli", options.foldHint))
                        .toStdString();
            break;
        case atlas::LocalTimeKind::UnknownZone:
            error =
                QCoreApplication::translate(
                    "tivora::cli", "%1 to this system's time-zone database; give a zone id such as "
                                   "Asia/Kolkata ('tivora-cli places TOWN' shows a town's zone)")
                    .arg(fill.offsets.message)
                    .toStdString();
            break;
        case atlas::LocalTimeKind::Unique:
        case atlas::LocalTimeKind::NeverHappened:
        case atlas::LocalTimeKind::NoSuchDate:
            error = message;
            break;
        }
        return false;
    }
    const atlas::ZoneOffset& offset = *fill.used;
    TakeDoubt(use, fill.doubt);
    use.isDaylightTime = offset.isDaylightTime;
    use.offsetSource = atlas::SourceText(offset.source).toStdString();
    use.offsetDescription = OffsetWords(offset);

    // To the second: the boxes hold the whole minutes and the seconds go beside them.
    const atlas::ZoneBoxes& boxes = fill.boxes;
    e.zoneSecond = boxes.second;
    if (boxes.expressible) {
        e.zoneHour = boxes.hour.toStdString();
        e.zoneMinute = boxes.minute.toStdString();
        e.dst = boxes.dst;
        return true;
    }
    // Behind universal time east of Greenwich: the window's boxes cannot say
    // it, the command line's zone direction can.
    const int wholeMinutes = boxes.second != 0 ? offset.totalSeconds / 60 : offset.totalMinutes;
    const int magnitude = std::abs(wholeMinutes);
    e.zoneHour = std::to_string(magnitude / 60);
    e.zoneMinute = std::to_string(magnitude % 60);
    e.dst = false;
    job.zoneWest = wholeMinutes < 0;
    return true;
}

bool AtlasReady(std::string& error) {
    return LoadAtlas(error) != nullptr;
}

int RunPlaces(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    std::string query;
    int limit = 10;
    bool json = false;
    std::set<std::string> given;
    for (std::size_t i = 1; i < args.size(); ++i) {
        // As for reading: "the last one wins" would hide a typing slip.
        if (args[i].rfind("--", 0) == 0 && !given.insert(args[i]).second) {
            err << "tivora-cli: " << args[i] << " is given more than once\n"
                << "Try 'tivora-cli --help'.\n";
            return 2;
        }
        if (args[i] == "--json") {
            json = true;
        } else if (args[i] == "--limit") {
            const std::string value = i + 1 < args.size() ? args[++i] : "";
            const auto number = ExactNumber<int>(value);
            limit = number.value_or(0);
            if (limit < 1) {
                err << "tivora-cli: --limit takes a whole number from 1\n"
                    << "Try 'tivora-cli --help'.\n";
                return 2;
            }
        } else if (query.empty() && args[i].rfind("--", 0) != 0) {
            query = args[i];
        } else {
            err << "tivora-cli: places takes one QUERY, --limit N and --json\n"
                << "Try 'tivora-cli --help'.\n";
            return 2;
        }
    }
    if (query.empty()) {
        err << "tivora-cli: places needs a QUERY such as \"London, GB\"\n"
            << "Try 'tivora-cli --help'.\n";
        return 2;
    }
    std::string error;
    const auto loaded = LoadAtlas(error);
    if (!loaded) {
        err << "tivora-cli: " << error << "\n";
        return 1;
    }
    const auto found = loaded->search(QString::fromStdString(query), limit);
    if (found.empty()) {
        err << "tivora-cli: "
            << QCoreApplication::translate("tivora::cli", "no town called \"%1\" is in the atlas")
                   .arg(QString::fromStdString(query))
                   .toStdString()
            << "\n";
        return 1;
    }
    std::string text;
    QJsonArray array;
    for (const atlas::Place& p : found) {
        if (json) {
            array.append(QJsonObject{{"Name", p.name},
                                     {"Region", p.region},
                                     {"CountryCode", p.countryCode},
                                     {"Country", p.country},
                                     {"Latitude", p.latitude},
                                     {"Longitude", p.longitude},
                                     {"TimeZone", p.timeZone},
                                     {"Population", p.population},
                                     {"MatchedName", p.matchedName}});
        } else {
            text +=
                (QStringList{p.name, p.region, p.countryCode, QString::number(p.latitude, 'g', 10),
                             QString::number(p.longitude, 'g', 10), p.timeZone,
                             QString::number(p.population)}
                     .join('\t') +
                 '\n')
                    .toStdString();
        }
    }
    if (json)
        text = QJsonDocument(array).toJson(QJsonDocument::Indented).toStdString();
    out << text;
    return 0;
}

} // namespace tivora::cli
