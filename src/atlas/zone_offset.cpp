#include "atlas/zone_offset.h"
#include "entry/picker_zone.h"

#include "atlas/zone_data.h"
#include "base/dates.h"
#include "base/zone_ids.h"
#include "entry/birth_summary.h"

#include <QCoreApplication>
#include <QDateTime>

#include <cmath>
#include <map>
#include <memory>
#include <mutex>
#include <set>

namespace tivora::atlas {

namespace {

// Wide enough that the offsets on both sides of any clock change near a wall
// time (which lies within 14 hours of its universal time) are seen.
constexpr qint64 kSearchSpan = 36 * 3600;

// The clocks at one instant, with local mean time already put in.
struct ClockState {
    int seconds = 0;
    int standardSeconds = 0;
    QString abbreviation;
    bool meanTime = false;
};

class ZoneClock {
public:
    ZoneClock(const ZoneData& zone, int meanTimeSeconds)
        : zone_(zone), meanTimeSeconds_(meanTimeSeconds) {}

    ClockState at(qint64 utcSeconds) const {
        const ZoneState d = zone_.at(utcSeconds);
        if (d.abbreviation == QLatin1String("LMT"))
            return {meanTimeSeconds_, meanTimeSeconds_, d.abbreviation, true};
        return {d.offsetSeconds, d.standardSeconds, d.abbreviation, false};
    }

    // The first instant in (from, to] whose offset differs from the one at from.
    qint64 changeBetween(qint64 from, qint64 to) const {
        const int before = at(from).seconds;
        while (to - from > 1) {
            const qint64 mid = from + (to - from) / 2;
            if (at(mid).seconds == before)
                from = mid;
            else
                to = mid;
        }
        return to;
    }

private:
    const ZoneData& zone_; // a cached zone, which lives as long as the program
    int meanTimeSeconds_;
};

int RoundToMinutes(int seconds) {
    return static_cast<int>(std::lround(seconds / 60.0));
}

ZoneOffset ToOffset(const ClockState& s) {
    ZoneOffset o;
    o.totalMinutes = RoundToMinutes(s.seconds);
    o.totalSeconds = s.seconds;
    o.daylightMinutes = o.totalMinutes - RoundToMinutes(s.standardSeconds);
    o.abbreviation = s.abbreviation;
    o.isDaylightTime = o.daylightMinutes > 0;
    o.source = s.meanTime ? OffsetSource::LocalMeanTime : OffsetSource::Tzdata;
    return o;
}

QString NamedOffset(const ZoneOffset& o) {
    // To the second when the seconds belong to these minutes.
    const QString text = RoundToMinutes(o.totalSeconds) == o.totalMinutes
                             ? OffsetSecondsText(o.totalSeconds)
                             : OffsetText(o.totalMinutes);
    if (o.abbreviation.isEmpty())
        return text;
    return o.abbreviation + QStringLiteral(" = ") + text;
}

QTime WallTime(qint64 utcSeconds, int offsetSeconds) {
    return QDateTime::fromSecsSinceEpoch(utcSeconds + offsetSeconds, Qt::UTC).time();
}

QString WallClock(qint64 utcSeconds, int offsetSeconds, bool withDate = false) {
    const QDateTime wall = QDateTime::fromSecsSinceEpoch(utcSeconds + offsetSeconds, Qt::UTC);
    const QTime t = wall.time();
    const QString clock =
        t.toString(t.second() ? QStringLiteral("HH:mm:ss") : QStringLiteral("HH:mm"));
    if (!withDate)
        return clock;
    return DayText(wall.date()) + QLatin1Char(' ') + clock;
}

// The clocks' readings on both sides of a change; with their dates when the
// change skipped or repeated a whole day (Apia, end of 2011), where the
// times alone would read "from 00:00 to 00:00".
std::pair<QString, QString> ChangeClocks(qint64 change, int beforeSeconds, int afterSeconds) {
    const bool dates = std::abs(afterSeconds - beforeSeconds) >= 24 * 3600;
    return {WallClock(change, beforeSeconds, dates), WallClock(change, afterSeconds, dates)};
}

} // namespace

const ZoneData& CachedZone(const QString& zoneId) {
    // Zones are never dropped: there are a few hundred ids at most, and a
    // flood of unknown ones is not kept.
    static std::mutex mutex;
    static std::map<QString, std::unique_ptr<ZoneData>> zones;
    static const ZoneData invalid;
    // Only the database's own names are looked up: never a path or a rule.
    if (!IsKnownZoneId(zoneId))
        return invalid;
    const std::lock_guard<std::mutex> lock(mutex);
    if (const auto it = zones.find(zoneId); it != zones.end())
        return *it->second;
    auto zone = std::make_unique<ZoneData>(ZoneData::Load(zoneId));
    if (!zone->isValid())
        return invalid;
    return *zones.emplace(zoneId, std::move(zone)).first->second;
}

QString SourceText(OffsetSource source) {
    return source == OffsetSource::LocalMeanTime ? QStringLiteral("local mean time")
                                                 : QStringLiteral("tzdata");
}

int LocalMeanTimeMinutes(double longitude) {
    return static_cast<int>(std::lround(longitude * 4.0));
}

LocalTimeOffsets ResolveLocalTime(const QString& zoneId, const QDate& date, const QTime& time,
                                  double longitude) {
    LocalTimeOffsets result;
    // Only the database's own names are looked up: never a path or a rule.
    if (!IsKnownZoneId(zoneId)) {
        result.message =
            QCoreApplication::translate("tivora::atlas", "The time zone \"%1\" is not known")
                .arg(EscapedForMessage(zoneId));
        return result;
    }
    const ZoneData& zone = CachedZone(zoneId);
    if (!zone.isValid()) {
        result.message =
            QCoreApplication::translate("tivora::atlas", "The time zone \"%1\" is not known")
                .arg(zoneId);
        return result;
    }
    if (!date.isValid() || !time.isValid()) {
        result.kind = LocalTimeKind::NoSuchDate;
        result.message = QCoreApplication::translate(
            "tivora::atlas", "The date or time of birth is not a valid one");
        return result;
    }
    const ZoneClock clock(zone, LocalMeanTimeMinutes(longitude) * 60);
    // The wall time read as if it were universal time.
    const qint64 wall =
        QDateTime(date, QTime(time.hour(), time.minute()), Qt::UTC).toSecsSinceEpoch();

    // Every offset in force near the wall time is a candidate; it is the
    // answer when the clocks showed it at the instant it gives.
    std::set<int> candidates{clock.at(wall - kSearchSpan).seconds,
                             clock.at(wall + kSearchSpan).seconds};
    for (const qint64 t : zone.transitions(wall - kSearchSpan, wall + kSearchSpan))
        candidates.insert(clock.at(t).seconds);
    std::vector<ClockState> valid; // largest offset (earliest instant) first
    for (auto it = candidates.rbegin(); it != candidates.rend(); ++it) {
        const ClockState s = clock.at(wall - *it);
        if (s.seconds == *it)
            valid.push_back(s);
    }

    const QString when = QCoreApplication::translate("tivora::atlas", "%1 at %2")
                             .arg(DayText(date), time.toString(QStringLiteral("HH:mm")));
    if (valid.size() == 1) {
        result.kind = LocalTimeKind::Unique;
        result.offset = ToOffset(valid.front());
        return result;
    }
    if (valid.size() >= 2) {
        const ClockState& first = valid.front();
        const ClockState& second = valid.back();
        result.kind = LocalTimeKind::HappenedTwice;
        result.earlier = ToOffset(first);
        result.later = ToOffset(second);
        const qint64 change = clock.changeBetween(wall - first.seconds, wall - second.seconds);
        result.clocksBefore = WallTime(change, first.seconds);
        result.clocksAfter = WallTime(change, second.seconds);
        const auto [from, to] = ChangeClocks(change, first.seconds, second.seconds);
        result.message = QCoreApplication::translate(
                             "tivora::atlas", "%1 happened twice in %2: first at %3, then again "
                                              "at %4 after the clocks went back from %5 to %6")
                             .arg(when, zoneId, NamedOffset(result.earlier),
                                  NamedOffset(result.later), from, to);
        return result;
    }
    // In a gap the larger offset lands before the change and the smaller after it.
    const ClockState before = clock.at(wall - *candidates.rbegin());
    const ClockState after = clock.at(wall - *candidates.begin());
    result.kind = LocalTimeKind::NeverHappened;
    result.earlier = ToOffset(before);
    result.later = ToOffset(after);
    const qint64 change =
        clock.changeBetween(wall - *candidates.rbegin(), wall - *candidates.begin());
    result.clocksBefore = WallTime(change, before.seconds);
    result.clocksAfter = WallTime(change, after.seconds);
    const auto [from, to] = ChangeClocks(change, before.seconds, after.seconds);
    result.message =
        QCoreApplication::translate("tivora::atlas", "%1 never happened in %2: the clocks jumped "
                                                     "forward from %3 to %4, from %5 to %6")
            .arg(when, zoneId, from, to, NamedOffset(result.earlier), NamedOffset(result.later));
    return result;
}

QString OffsetText(int minutes) {
    return QString::fromStdString(UtcOffsetText(minutes));
}

QString OffsetSecondsText(int seconds) {
    return QString::fromStdString(UtcOffsetSecondsText(seconds));
}

QString DescribeOffset(const ZoneOffset& o) {
    const QString kind = o.source == OffsetSource::LocalMeanTime
                             ? QCoreApplication::translate("tivora::atlas", "local mean time")
                         : o.isDaylightTime
                             ? QCoreApplication::translate("tivora::atlas", "daylight saving")
                             : QCoreApplication::translate("tivora::atlas", "standard time");
    return NamedOffset(o) + QStringLiteral(" (") + kind + QLatin1Char(')');
}

QString FilledText(const QString& placeText, const QString& zoneId, const QDate& date,
                   const QTime& time, const ZoneOffset& offset) {
    return QCoreApplication::translate("tivora::atlas", "%1: %2, on %3 at %4 %5")
        .arg(placeText, zoneId, DayText(date), time.toString(QStringLiteral("HH:mm")),
             DescribeOffset(offset));
}

DegreesMinutes ToDegreesMinutes(double value) {
    const long totalMinutes = std::lround(std::fabs(value) * 60.0);
    return {static_cast<int>(totalMinutes / 60), static_cast<int>(totalMinutes % 60), value >= 0};
}

ZoneBoxes ZoneBoxesFor(const ZoneOffset& offset, double longitude) {
    if (offset.totalSeconds % 60 != 0 &&
        std::lround(offset.totalSeconds / 60.0) == offset.totalMinutes) {
        ZoneOffset whole = offset;
        whole.totalMinutes = offset.totalSeconds / 60;
        whole.totalSeconds = whole.totalMinutes * 60;
        ZoneBoxes boxes = ZoneBoxesFor(whole, longitude);
        boxes.second = std::abs(offset.totalSeconds % 60);
        return boxes;
    }
    // The boxes carry a magnitude. "-" marks it ahead of universal time;
    // without it the longitude decides: ahead east of Greenwich, behind west
    // of it, and behind at 0° 0'. DST adds an hour in the zone's direction.
    const DegreesMinutes lon = ToDegreesMinutes(longitude);
    const bool eastOfGreenwich = lon.positive && (lon.degrees != 0 || lon.minutes != 0);
    auto fill = [&](int minutes, bool dst) {
        ZoneBoxes boxes;
        const int magnitude = std::abs(minutes);
        if (magnitude > 14 * 60 || (minutes < 0 && eastOfGreenwich))
            return boxes;
        const PickerZone zone = PickerZone::FromSecondsEast(minutes * 60);
        boxes.expressible = true;
        boxes.hour = QString::fromStdString(zone.hourText());
        boxes.minute = QString::fromStdString(zone.minuteText());
        boxes.dst = dst;
        return boxes;
    };
    if (offset.daylightMinutes == 60) {
        ZoneBoxes boxes = fill(offset.totalMinutes - 60, true);
        if (boxes.expressible)
            return boxes;
    }
    ZoneBoxes boxes = fill(offset.totalMinutes, false);
    if (boxes.expressible)
        return boxes;
    if (std::abs(offset.totalMinutes) > 14 * 60)
        boxes.message =
            QCoreApplication::translate("tivora::atlas",
                                        "The zone boxes cannot hold %1: they go up to 14 hours.")
                .arg(OffsetText(offset.totalMinutes));
    else
        boxes.message = QCoreApplication::translate(
                            "tivora::atlas", "The zone boxes cannot hold %1 at an east longitude: "
                                             "they count a zone behind universal time only west of "
                                             "Greenwich.")
                            .arg(OffsetText(offset.totalMinutes));
    return boxes;
}

} // namespace tivora::atlas
