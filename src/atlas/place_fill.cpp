#include "atlas/place_fill.h"

namespace tivora::atlas {

PlaceFill FillForPlace(const Place& place, const QDate& date, const QTime& time) {
    PlaceFill fill;
    fill.latitude = ToDegreesMinutes(place.latitude);
    fill.longitude = ToDegreesMinutes(place.longitude);
    fill.offsets = ResolveLocalTime(place.timeZone, date, time, place.longitude);
    const QString where = place.displayText();
    switch (fill.offsets.kind) {
    case LocalTimeKind::Unique:
        fill.boxes = ZoneBoxesFor(fill.offsets.offset, place.longitude);
        fill.text = FilledText(where, place.timeZone, date, time, fill.offsets.offset);
        if (!fill.boxes.expressible)
            fill.text += QStringLiteral(". ") + fill.boxes.message +
                         QStringLiteral(" Please enter the time zone yourself.");
        break;
    case LocalTimeKind::HappenedTwice:
        fill.text = where + QStringLiteral(": ") + fill.offsets.message +
                    QStringLiteral(". Find My Lagna will ask which one you mean.");
        break;
    case LocalTimeKind::NeverHappened:
    case LocalTimeKind::UnknownZone:
    case LocalTimeKind::NoSuchDate:
        fill.text = where + QStringLiteral(": ") + fill.offsets.message + QLatin1Char('.');
        break;
    }
    return fill;
}

QString FoldQuestion(const LocalTimeOffsets& offsets) {
    return offsets.message +
           QStringLiteral(".\n\nWas the birth at the first of the two, %1?\n"
                          "Yes: the first, %1. No: the second, %2.")
               .arg(DescribeOffset(offsets.earlier), DescribeOffset(offsets.later));
}

} // namespace tivora::atlas
