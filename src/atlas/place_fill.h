#pragma once

#include "atlas/atlas.h"
#include "atlas/zone_offset.h"

#include <QDate>
#include <QString>
#include <QTime>

namespace tivora::atlas {

// What choosing a town puts into the main window for a local birth date and
// time: the coordinates to the minute, the zone boxes (only when the offset
// is unique and the boxes can hold it), and the words that say what was
// filled or why the zone was not.
struct PlaceFill {
    DegreesMinutes latitude;
    DegreesMinutes longitude;
    LocalTimeOffsets offsets;
    ZoneBoxes boxes; // expressible only when the zone boxes should be filled
    QString text;
};
PlaceFill FillForPlace(const Place& place, const QDate& date, const QTime& time);

// The question Calculate asks when the local time happened twice: Yes means
// the first occurrence.
QString FoldQuestion(const LocalTimeOffsets& offsets);

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
