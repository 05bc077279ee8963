#pragma once

#include "atlas/atlas.h"
#include "atlas/zone_offset.h"

#include <QDate>
#include <QString>
#include <QStringList>
#include <QTime>

#include <optional>

#include <vector>

namespace tivora::atlas {

// An offset the clocks of a town may have kept instead of the one its zone
// gives, and why: "standard time of America/Chicago that day".
struct OffsetAlternative {
    int minutes = 0;
    QString why;
};

// Whether the zone's offset can be trusted for a town on a date. Before 1970
// the time-zone database follows each zone's own city; a town far from that
// city (over 100 km) or in another region, in a year its zone changed its
// clocks (or on a day it was off standard time), may have kept other time.
// Then certain is false and the alternatives hold the zone's standard time
// that day and the zone city's offset.
struct OffsetDoubt {
    bool certain = true;
    std::vector<OffsetAlternative> alternatives;
    QString text; // a sentence for the user; empty when certain
};
OffsetDoubt DoubtAbout(const Place& place, const QDate& date, const ZoneOffset& used);

// Great-circle distance in kilometres.
double DistanceKm(double lat1, double lon1, double lat2, double lon2);

// What choosing a town puts into the main window for a local birth date and
// time: the coordinates to the minute, the zone boxes (only when the offset
// is unique, or the fold chose one, and the boxes can hold it), and the words
// that say what was filled or why the zone was not.
struct PlaceFill {
    DegreesMinutes latitude;
    DegreesMinutes longitude;
    LocalTimeOffsets offsets;
    // The offset the boxes were filled from: the unique one, or the side of
    // a repeated time that the fold chose. Empty when there is none.
    std::optional<ZoneOffset> used;
    ZoneBoxes boxes; // expressible only when the zone boxes should be filled
    OffsetDoubt doubt;
    QString text; // empty without a town
};

// Which offset a local time the clocks showed twice takes: none until the
// user answers, or the one given beforehand (the command line's --fold).
enum class Fold { Ask, Earlier, Later };

// What the caller already knows in place of the town's own: another zone id
// (the town's offset is then not doubted), the longitude the coordinate
// boxes hold (decimal degrees, east positive) when it is not the town's, and
// the fold.
struct FillChoices {
    QString zoneId;
    std::optional<double> longitude;
    Fold fold = Fold::Ask;
};

// The fill for a town (coordinates, zone and sentence), or with no town for
// a zone id alone (zone only).
PlaceFill FillForPlace(const Place* place, const QDate& date, const QTime& time,
                       const FillChoices& choices);
inline PlaceFill FillForPlace(const Place& place, const QDate& date, const QTime& time) {
    return FillForPlace(&place, date, time, {});
}

// What kind of clock time an offset was, for the place sentence: "local mean
// time", "war time" (an extra hour kept during the Second World War),
// "daylight saving" or "standard time".
QString OffsetKindText(const ZoneOffset& offset, const QDate& date);

// "CEST, UT+2:00"; just "UT+6:30" where the zone has no name for it.
QString OffsetChoiceText(const ZoneOffset& offset);

// Calculate's refusal of a time the clocks of town skipped: which hour never
// happened there and what to enter instead.
QString SkippedTimeMessage(const QString& town, const QDate& date, const QTime& time,
                           const LocalTimeOffsets& offsets);

// Calculate's question for a time the clocks of town showed twice, and its
// two answers ("Earlier: CEST, UT+2:00", "Later: CET, UT+1:00") besides Cancel.
QString RepeatedTimeQuestion(const QString& town, const QDate& date, const QTime& time,
                             const LocalTimeOffsets& offsets);
QStringList RepeatedTimeChoices(const LocalTimeOffsets& offsets);

// The place sentence when the zone boxes hold a zone the user set that is not
// what the town's clocks kept: "You typed UT+5:30; clocks in Kolkata on
// 1 Jun 1943 at 20:00 kept UT+6:30 (war time)".
QString TypedZoneText(const QString& town, const QDate& date, const QTime& time, int typedMinutes,
                      const ZoneOffset& clocks);

// The place sentence for a City text typed but not chosen from the list.
QString UnchosenCityText(const QString& typed);

// A town as a saved reading keeps it, found again without the atlas: the
// country's name from its code, the coordinates from the boxes.
Place RestoredPlace(const QString& name, const QString& region, const QString& countryCode,
                    const QString& timeZone, double latitude, double longitude);

// The town the user chose and whether the zone boxes still follow it. The
// zone follows the date and time until the user types a zone or picks one.
class ZoneFollower final {
public:
    void choose(const Place& place) {
        place_ = place;
        chosen_ = true;
        userZone_ = false;
    }
    void forget() { chosen_ = false; }
    void userSetZone() { userZone_ = true; }

    bool chosen() const { return chosen_; }
    const Place& place() const { return place_; }
    // A chosen town whose zone the user has not replaced.
    bool following() const { return chosen_ && !userZone_; }

private:
    Place place_;
    bool chosen_ = false;
    bool userZone_ = false;
};

} // namespace tivora::atlas
