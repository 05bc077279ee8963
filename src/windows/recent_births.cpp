#include "windows/recent_births.h"

#include "base/dates.h"
#include "platform/platform.h"
#include "windows/window_texts.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStringList>

#include <algorithm>

namespace tivora {

namespace {

QString Text(const std::string& text) {
    return QString::fromStdString(text);
}

std::string Trim(const std::string& text) {
    return std::string(TrimmedView(text));
}

// The list positions and the flags, in the stored object's order.
struct NumberField {
    const char* key;
    int BirthEntry::*member;
};
constexpr NumberField kNumbers[] = {
    {"month", &BirthEntry::month}, {"day", &BirthEntry::day},       {"year", &BirthEntry::year},
    {"hour", &BirthEntry::hour},   {"minute", &BirthEntry::minute}, {"second", &BirthEntry::second},
};
struct TextField {
    const char* key;
    std::string BirthEntry::*member;
};
constexpr TextField kTexts[] = {
    {"name", &BirthEntry::name},
    {"lonDegrees", &BirthEntry::lonDegrees},
    {"lonMinutes", &BirthEntry::lonMinutes},
    {"latDegrees", &BirthEntry::latDegrees},
    {"latMinutes", &BirthEntry::latMinutes},
    {"zoneHour", &BirthEntry::zoneHour},
    {"zoneMinute", &BirthEntry::zoneMinute},
    {"city", &BirthEntry::city},
    {"state", &BirthEntry::state},
    {"country", &BirthEntry::country},
};
struct FlagField {
    const char* key;
    bool BirthEntry::*member;
};
constexpr FlagField kFlags[] = {
    {"east", &BirthEntry::east}, {"south", &BirthEntry::south}, {"dst", &BirthEntry::dst}};
struct TownField {
    const char* key;
    std::string BirthTown::*member;
};
constexpr TownField kTown[] = {{"town", &BirthTown::name},
                               {"region", &BirthTown::region},
                               {"countryCode", &BirthTown::countryCode},
                               {"timeZone", &BirthTown::timeZone}};

QJsonObject ToJson(const BirthEntry& birth) {
    QJsonObject object;
    for (const auto& f : kTexts)
        object.insert(QLatin1String(f.key), Text(birth.*f.member));
    for (const auto& f : kNumbers)
        object.insert(QLatin1String(f.key), birth.*f.member);
    for (const auto& f : kFlags)
        object.insert(QLatin1String(f.key), birth.*f.member);
    for (const auto& f : kTown)
        object.insert(QLatin1String(f.key), Text(birth.town.*f.member));
    return object;
}

bool FromJson(const QJsonObject& object, BirthEntry& birth) {
    for (const auto& f : kTexts) {
        const QJsonValue v = object.value(QLatin1String(f.key));
        if (!v.isString())
            return false;
        birth.*f.member = v.toString().toStdString();
    }
    for (const auto& f : kNumbers) {
        const QJsonValue v = object.value(QLatin1String(f.key));
        if (!v.isDouble())
            return false;
        birth.*f.member = v.toInt(-2);
        if (birth.*f.member < -1)
            return false;
    }
    for (const auto& f : kFlags) {
        const QJsonValue v = object.value(QLatin1String(f.key));
        if (!v.isBool())
            return false;
        birth.*f.member = v.toBool();
    }
    for (const auto& f : kTown)
        birth.town.*f.member = object.value(QLatin1String(f.key)).toString().toStdString();
    return true;
}

} // namespace

bool SameBirth(const BirthEntry& a, const BirthEntry& b) {
    return Trim(a.name) == Trim(b.name) && a.month == b.month && a.day == b.day &&
           a.year == b.year && a.hour == b.hour && a.minute == b.minute &&
           Trim(a.lonDegrees) == Trim(b.lonDegrees) && Trim(a.lonMinutes) == Trim(b.lonMinutes) &&
           Trim(a.latDegrees) == Trim(b.latDegrees) && Trim(a.latMinutes) == Trim(b.latMinutes) &&
           a.east == b.east && a.south == b.south && a.town == b.town;
}

void AddRecentBirth(RecentBirths& births, const BirthEntry& birth) {
    births.erase(std::remove_if(births.begin(), births.end(),
                                [&](const BirthEntry& old) { return SameBirth(old, birth); }),
                 births.end());
    births.insert(births.begin(), birth);
    if (births.size() > static_cast<std::size_t>(kRecentBirthLimit))
        births.resize(kRecentBirthLimit);
}

QString RecentBirthText(const BirthEntry& b) {
    const QString date =
        QStringLiteral("%1 %2 %3 %4:%5")
            .arg(Text(ListItemText(EntryList::Day, b.day)), ShortMonthName(b.month + 1),
                 Text(ListItemText(EntryList::Year, b.year)))
            .arg(b.hour, 2, 10, QLatin1Char('0'))
            .arg(b.minute, 2, 10, QLatin1Char('0'));
    QStringList place;
    if (!b.town.empty()) {
        for (const std::string* part : {&b.town.name, &b.town.region, &b.town.countryCode})
            if (!part->empty())
                place << Text(*part);
    } else {
        for (const std::string* part : {&b.city, &b.state, &b.country})
            if (!Trim(*part).empty())
                place << Text(Trim(*part));
    }
    if (place.isEmpty())
        place << QStringLiteral("%1\u00B0 %2' %3, %4\u00B0 %5' %6")
                     .arg(Text(Trim(b.latDegrees)), Text(Trim(b.latMinutes)),
                          b.south ? QStringLiteral("S") : QStringLiteral("N"),
                          Text(Trim(b.lonDegrees)), Text(Trim(b.lonMinutes)),
                          b.east ? QStringLiteral("E") : QStringLiteral("W"));
    return QStringList{Text(Trim(b.name)), date, place.join(QStringLiteral(", "))}.join(
        QStringLiteral(", "));
}

QVariant RecentBirthsValue(const RecentBirths& births) {
    QJsonArray array;
    for (const BirthEntry& birth : births)
        array.append(ToJson(birth));
    return QString::fromUtf8(QJsonDocument(array).toJson(QJsonDocument::Compact));
}

RecentBirths RecentBirthsFrom(const QVariant& stored) {
    RecentBirths births;
    const QJsonDocument document = QJsonDocument::fromJson(stored.toString().toUtf8());
    for (const QJsonValue value : document.array()) {
        BirthEntry birth;
        if (value.isObject() && FromJson(value.toObject(), birth) &&
            births.size() < static_cast<std::size_t>(kRecentBirthLimit))
            births.push_back(birth);
    }
    return births;
}

RecentBirths LoadRecentBirths(Platform& platform) {
    return RecentBirthsFrom(platform.setting(QLatin1String(kRecentBirthsKey)));
}

void RememberBirth(Platform& platform, const BirthEntry& birth) {
    RecentBirths births = LoadRecentBirths(platform);
    AddRecentBirth(births, birth);
    platform.setSetting(QLatin1String(kRecentBirthsKey), RecentBirthsValue(births));
}

void ClearRecentBirths(Platform& platform) {
    platform.setSetting(QLatin1String(kRecentBirthsKey), RecentBirthsValue({}));
}

} // namespace tivora
