#pragma once

#include "atlas/zone_data.h"

#include <QDate>
#include <QString>
#include <QTime>

namespace tivora::atlas {

enum class OffsetSource {
    Tzdata,        // the system's time-zone database
    LocalMeanTime, // the birth longitude's mean solar time, before standard time
};

// The offset from universal time that the clocks of a place kept.
struct ZoneOffset {
    int totalMinutes = 0;        // ahead of universal time (India: 330, New York in winter: -300)
    int totalSeconds = 0;        // the same to the second (Amsterdam 1909: 1172)
    int daylightMinutes = 0;     // total minus the zone's standard offset then (may be negative)
    QString abbreviation;        // "BST", "BDST", "IST", "LMT", "+0630"
    bool isDaylightTime = false; // daylightMinutes > 0
    OffsetSource source = OffsetSource::Tzdata;

    bool operator==(const ZoneOffset& other) const {
        return totalMinutes == other.totalMinutes && daylightMinutes == other.daylightMinutes &&
               abbreviation == other.abbreviation && source == other.source;
    }
};

// The zone of the system's database with that id, made once a process and
// shared (reading a zone's file and rules costs more than using it). An
// invalid zone for an unknown id.
const ZoneData& CachedZone(const QString& zoneId);

// "Tzdata" -> "tzdata", "LocalMeanTime" -> "local mean time".
QString SourceText(OffsetSource source);

enum class LocalTimeKind {
    Unique,        // offset holds the answer
    NeverHappened, // clocks jumped forward over it: earlier/later are the offsets before and after
    HappenedTwice, // clocks went back: earlier is the first occurrence's offset, later the second's
    UnknownZone,   // the zone id is not in the system's database
    NoSuchDate,    // the date or time is not a valid one
};

struct LocalTimeOffsets {
    LocalTimeKind kind = LocalTimeKind::UnknownZone;
    ZoneOffset offset;
    ZoneOffset earlier;
    ZoneOffset later;
    QString message; // plain words for every kind but Unique
    // For NeverHappened and HappenedTwice: what the clocks showed just before
    // the change and what they were set to (02:00 and 03:00 in spring).
    QTime clocksBefore;
    QTime clocksAfter;
};

// The offset(s) in force in zoneId at the local (wall-clock) date and time.
// Before the zone kept standard time (tzdata's "LMT"), the local mean time of
// longitude (decimal degrees, east positive) is used instead of the zone's
// main city's.
LocalTimeOffsets ResolveLocalTime(const QString& zoneId, const QDate& date, const QTime& time,
                                  double longitude);

// Local mean time of a longitude: longitude / 15 hours, to the minute.
int LocalMeanTimeMinutes(double longitude);

// "UT+5:30", "UT-5:00", "UT+0:00".
QString OffsetText(int minutes);
// "UT+5:30", or "UT+0:19:32" when the seconds are not zero.
QString OffsetSecondsText(int seconds);

// "BST = UT+1:00 (daylight saving)", "IST = UT+5:30 (standard time)",
// "LMT = UT+5:09 (local mean time)".
QString DescribeOffset(const ZoneOffset& offset);

// What a chosen place filled in, for the user to check:
// "London, England, United Kingdom: Europe/London, on 15 Jul 1985 at 20:00
// BST = UT+1:00 (daylight saving)".
QString FilledText(const QString& placeText, const QString& zoneId, const QDate& date,
                   const QTime& time, const ZoneOffset& offset);

// A coordinate as the main window's degree and minute boxes hold it: rounded
// to the nearest minute; positive is east or north (0° 0' counts as positive
// unless the value is below zero).
struct DegreesMinutes {
    int degrees = 0;
    int minutes = 0;
    bool positive = true;

    // Decimal degrees, as the boxes say it.
    double value() const {
        const double magnitude = degrees + minutes / 60.0;
        return positive ? magnitude : -magnitude;
    }
};
DegreesMinutes ToDegreesMinutes(double value);

// What the main window's zone boxes and DST box should hold for an offset,
// given the longitude (decimal degrees, east positive) the longitude boxes
// hold (through ToDegreesMinutes). Offsets ahead of universal time are written
// with the picker's "-" ("-5" and "-30" for UT+5:30). DST is ticked only when
// the daylight part is exactly 60 minutes, and then the boxes hold the
// standard offset. When the boxes cannot carry the offset (behind universal
// time at an east longitude, or more than 14 hours), expressible is false and
// message says so; nothing should be filled then.
struct ZoneBoxes {
    bool expressible = false;
    QString hour;
    QString minute;
    bool dst = false;
    // Seconds beside the minutes, in the same direction: an offset with
    // seconds (local mean time) fills the boxes with its whole minutes
    // toward zero, so the boxes and the seconds together give it exactly.
    int second = 0;
    QString message;
};
ZoneBoxes ZoneBoxesFor(const ZoneOffset& offset, double longitude);

} // namespace tivora::atlas
