#include "atlas/place_fill.h"

#include "base/dates.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QLocale>

#include <cmath>

namespace tivora::atlas {

namespace {

QString ClockText(const QTime& time) {
    return time.toString(QStringLiteral("HH:mm"));
}

constexpr double kNearZoneCityKm = 100;
constexpr int kFirstCertainYear = 1970;

// "America/Argentina/Buenos_Aires" -> "Buenos Aires".
QString ZoneCity(const QString& zoneId) {
    return zoneId.section(QLatin1Char('/'), -1).replace(QLatin1Char('_'), QLatin1Char(' '));
}

} // namespace

double DistanceKm(double lat1, double lon1, double lat2, double lon2) {
    constexpr double kRadians = M_PI / 180;
    const double p1 = lat1 * kRadians, p2 = lat2 * kRadians;
    const double dp = p2 - p1, dl = (lon2 - lon1) * kRadians;
    const double a = std::sin(dp / 2) * std::sin(dp / 2) +
                     std::cos(p1) * std::cos(p2) * std::sin(dl / 2) * std::sin(dl / 2);
    return 12742 * std::asin(std::min(1.0, std::sqrt(a)));
}

OffsetDoubt DoubtAbout(const Place& place, const QDate& date, const ZoneOffset& used) {
    OffsetDoubt doubt;
    // Without the zone's city there is no distance to judge by, and a
    // distance to nowhere would be a false alarm.
    if (date.year() >= kFirstCertainYear || used.source != OffsetSource::Tzdata ||
        !place.zoneCityKnown)
        return doubt;
    const double away = DistanceKm(place.latitude, place.longitude, place.zoneCityLatitude,
                                   place.zoneCityLongitude);
    const bool otherRegion =
        !place.zoneCityRegion.isEmpty() && place.region != place.zoneCityRegion;
    if (away <= kNearZoneCityKm && !otherRegion)
        return doubt;
    const ZoneData& zone = CachedZone(place.timeZone);
    if (!zone.isValid())
        return doubt;
    const QDateTime yearStart(QDate(date.year(), 1, 1), QTime(0, 0), Qt::UTC);
    const bool changedThatYear =
        !zone.transitions(yearStart.addDays(-1).toSecsSinceEpoch(),
                          yearStart.addYears(1).addDays(1).toSecsSinceEpoch())
             .empty();
    const int standard = used.totalMinutes - used.daylightMinutes;
    if (!changedThatYear && standard == used.totalMinutes)
        return doubt;

    doubt.certain = false;
    const QString city = ZoneCity(place.timeZone);
    doubt.alternatives.push_back(
        {standard, QCoreApplication::translate("tivora::atlas", "standard time of %1 that day")
                       .arg(place.timeZone)});
    doubt.alternatives.push_back(
        {used.totalMinutes,
         QCoreApplication::translate("tivora::atlas", "the clocks of %1 that day (%2)")
             .arg(city, used.abbreviation)});
    const QString where = otherRegion
                              ? QCoreApplication::translate("tivora::atlas", "in %1, not in %2")
                                    .arg(place.region, place.zoneCityRegion)
                              : QCoreApplication::translate("tivora::atlas", "%1 km from %2")
                                    .arg(qRound(away))
                                    .arg(city);
    // The town may have kept standard time, or not followed a change of the city's clocks.
    const bool offStandard = standard != used.totalMinutes;
    const char* sentence =
        offStandard
            ? QT_TRANSLATE_NOOP("tivora::atlas",
                                "Offset uncertain: before 1970 the time-zone database follows %1 "
                                "only, and %2 lies %3; its clocks in %4 may have kept standard "
                                "time, %5, instead of %6")
            : QT_TRANSLATE_NOOP("tivora::atlas",
                                "Offset uncertain: before 1970 the time-zone database follows %1 "
                                "only, and %2 lies %3; %1 changed its clocks in %4, and %2 may not "
                                "have followed it");
    doubt.text = QCoreApplication::translate("tivora::atlas", sentence)
                     .arg(city, place.name, where)
                     .arg(date.year());
    if (offStandard)
        doubt.text = doubt.text.arg(OffsetText(standard), OffsetText(used.totalMinutes));
    return doubt;
}

PlaceFill FillForPlace(const Place* place, const QDate& date, const QTime& time,
                       const FillChoices& choices) {
    PlaceFill fill;
    const QString& zoneId = choices.zoneId.isEmpty() && place ? place->timeZone : choices.zoneId;
    const double longitude = choices.longitude ? *choices.longitude : place ? place->longitude : 0;
    if (place) {
        fill.latitude = ToDegreesMinutes(place->latitude);
        fill.longitude = ToDegreesMinutes(place->longitude);
    }
    fill.offsets = ResolveLocalTime(zoneId, date, time, longitude);
    if (fill.offsets.kind == LocalTimeKind::Unique)
        fill.used = fill.offsets.offset;
    else if (fill.offsets.kind == LocalTimeKind::HappenedTwice && choices.fold != Fold::Ask)
        fill.used = choices.fold == Fold::Earlier ? fill.offsets.earlier : fill.offsets.later;
    if (fill.used) {
        fill.boxes = ZoneBoxesFor(*fill.used, longitude);
        // Only the town's own zone can be doubted for the town.
        if (place && choices.zoneId.isEmpty())
            fill.doubt = DoubtAbout(*place, date, *fill.used);
    }
    if (!place)
        return fill;
    const QString where = place->displayText();
    switch (fill.offsets.kind) {
    case LocalTimeKind::Unique:
        fill.text = FilledText(where, zoneId, date, time, fill.offsets.offset);
        if (!fill.boxes.expressible)
            fill.text += QStringLiteral(". ") + fill.boxes.message +
                         QStringLiteral(" Please enter the time zone yourself.");
        if (!fill.doubt.certain)
            fill.text += QStringLiteral(". ") + fill.doubt.text + QLatin1Char('.');
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

QString OffsetKindText(const ZoneOffset& offset, const QDate& date) {
    if (offset.source == OffsetSource::LocalMeanTime)
        return QCoreApplication::translate("tivora::atlas", "local mean time");
    if (!offset.isDaylightTime)
        return QCoreApplication::translate("tivora::atlas", "standard time");
    // The zone database keeps no word for it; the extra hour of these years
    // (India's UT+6:30, America's "War Time") was war time nearly everywhere.
    if (date >= QDate(1939, 9, 1) && date <= QDate(1945, 12, 31))
        return QCoreApplication::translate("tivora::atlas", "war time");
    return QCoreApplication::translate("tivora::atlas", "daylight saving");
}

QString OffsetChoiceText(const ZoneOffset& offset) {
    const QString& name = offset.abbreviation;
    // tzdata spells unnamed offsets as "+0630": saying them twice helps nobody.
    if (name.isEmpty() || name.startsWith(QLatin1Char('+')) || name.startsWith(QLatin1Char('-')))
        return OffsetText(offset.totalMinutes);
    return name + QStringLiteral(", ") + OffsetText(offset.totalMinutes);
}

QString SkippedTimeMessage(const QString& town, const QDate& date, const QTime& time,
                           const LocalTimeOffsets& offsets) {
    const int skipped = offsets.clocksBefore.secsTo(offsets.clocksAfter);
    return QCoreApplication::translate(
               "tivora::atlas",
               "On %1 the clocks in %2 went forward from %3 (%4) to %5 (%6): %7 never "
               "happened there.\n\nPlease enter the time of birth as it was registered. If the "
               "record itself says %7, the birth was at %8 by the clocks after the change: "
               "enter that time.")
        .arg(DayText(date), town, ClockText(offsets.clocksBefore),
             OffsetChoiceText(offsets.earlier), ClockText(offsets.clocksAfter),
             OffsetChoiceText(offsets.later), ClockText(time), ClockText(time.addSecs(skipped)));
}

QString RepeatedTimeQuestion(const QString& town, const QDate& date, const QTime& time,
                             const LocalTimeOffsets& offsets) {
    return QCoreApplication::translate(
               "tivora::atlas",
               "On %1 the clocks in %2 went back from %3 to %4, so %5 happened twice: first "
               "on %6, then on %7.\n\nWhich one was the time of birth?")
        .arg(DayText(date), town, ClockText(offsets.clocksBefore), ClockText(offsets.clocksAfter),
             ClockText(time), OffsetChoiceText(offsets.earlier), OffsetChoiceText(offsets.later));
}

QStringList RepeatedTimeChoices(const LocalTimeOffsets& offsets) {
    return {QCoreApplication::translate("tivora::atlas", "Earlier: %1")
                .arg(OffsetChoiceText(offsets.earlier)),
            QCoreApplication::translate("tivora::atlas", "Later: %1")
                .arg(OffsetChoiceText(offsets.later))};
}

QString TypedZoneText(const QString& town, const QDate& date, const QTime& time, int typedMinutes,
                      const ZoneOffset& clocks) {
    return QCoreApplication::translate("tivora::atlas",
                                       "You typed %1; clocks in %2 on %3 at %4 kept %5 (%6)")
        .arg(OffsetText(typedMinutes), town, DayText(date), ClockText(time),
             OffsetText(clocks.totalMinutes), OffsetKindText(clocks, date));
}

QString UnchosenCityText(const QString& typed) {
    return QCoreApplication::translate(
               "tivora::atlas",
               "\u201C%1\u201D is not a town chosen from the list. Choose the town from the list "
               "under City, or type the latitude, the longitude and the time zone yourself.")
        .arg(typed);
}

Place RestoredPlace(const QString& name, const QString& region, const QString& countryCode,
                    const QString& timeZone, double latitude, double longitude) {
    Place place;
    place.name = name;
    place.region = region;
    place.countryCode = countryCode;
    const QLocale::Territory territory = QLocale::codeToTerritory(countryCode);
    place.country =
        territory == QLocale::AnyTerritory ? countryCode : QLocale::territoryToString(territory);
    place.timeZone = timeZone;
    place.latitude = latitude;
    place.longitude = longitude;
    return place;
}

} // namespace tivora::atlas
