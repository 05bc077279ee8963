#include "atlas/zone_data.h"

#include "base/zone_ids.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QHash>
#include <QMutex>
#include <QRegularExpression>

#include <algorithm>
#include <cstdlib>

namespace tivora::atlas {

namespace {

constexpr qint64 kSecondsPerDay = 86400;
constexpr qint64 kUnixEpochJulianDay = 2440588;

// Big-endian fields of a TZif file, read without running past its end.
class Reader {
public:
    explicit Reader(const QByteArray& bytes) : bytes_(bytes) {}
    bool ok() const { return ok_; }
    qsizetype pos() const { return pos_; }
    bool skip(qint64 n) {
        if (n < 0 || n > bytes_.size() - pos_)
            return ok_ = false;
        pos_ += n;
        return true;
    }
    qint64 number(int width) {
        if (!ok_ || width > bytes_.size() - pos_)
            return ok_ = false;
        quint64 v = 0;
        for (int i = 0; i < width; ++i)
            v = (v << 8) | static_cast<quint8>(bytes_[pos_ + i]);
        pos_ += width;
        if (width == 4)
            return static_cast<qint32>(static_cast<quint32>(v));
        return static_cast<qint64>(v);
    }
    quint8 byte() { return static_cast<quint8>(number(1)); }

private:
    const QByteArray& bytes_;
    qsizetype pos_ = 0;
    bool ok_ = true;
};

struct Header {
    char version = 0;
    qint64 isUtCount = 0, isStdCount = 0, leapCount = 0, timeCount = 0, typeCount = 0,
           charCount = 0;
};

bool ReadHeader(Reader& in, const QByteArray& bytes, Header& h) {
    const qsizetype start = in.pos();
    if (!bytes.mid(start, 4).startsWith("TZif") || !in.skip(4))
        return false;
    h.version = static_cast<char>(in.byte());
    in.skip(15);
    h.isUtCount = in.number(4);
    h.isStdCount = in.number(4);
    h.leapCount = in.number(4);
    h.timeCount = in.number(4);
    h.typeCount = in.number(4);
    h.charCount = in.number(4);
    return in.ok() && h.isUtCount >= 0 && h.isStdCount >= 0 && h.leapCount >= 0 &&
           h.timeCount >= 0 && h.typeCount > 0 && h.typeCount <= 256 && h.charCount >= 0;
}

struct Type {
    int offset = 0;
    bool isDst = false;
    QString abbreviation;
};

int Year(qint64 utcSeconds) {
    qint64 days = utcSeconds / kSecondsPerDay;
    if (utcSeconds % kSecondsPerDay < 0)
        --days;
    return QDate::fromJulianDay(days + kUnixEpochJulianDay).year();
}

qint64 DaySeconds(const QDate& date) {
    return (date.toJulianDay() - kUnixEpochJulianDay) * kSecondsPerDay;
}

// "hh[:mm[:ss]]" with an optional sign; false when it is not that.
bool ParseClock(const QByteArray& text, int& seconds) {
    static const QRegularExpression form(
        QStringLiteral("^([+-]?)(\\d{1,3})(?::(\\d{2}))?(?::(\\d{2}))?$"));
    const auto m = form.match(QString::fromLatin1(text));
    if (!m.hasMatch())
        return false;
    const int value =
        (m.captured(2).toInt() * 60 + m.captured(3).toInt()) * 60 + m.captured(4).toInt();
    seconds = m.captured(1) == QLatin1String("-") ? -value : value;
    return true;
}

// A POSIX zone name ("GMT" or "<+0530>") and its offset, west positive as
// POSIX writes it; pos moves past what was read.
bool ParseZone(const QByteArray& text, qsizetype& pos, QString& name, int& westSeconds,
               bool offsetRequired) {
    qsizetype end = pos;
    if (pos < text.size() && text[pos] == '<') {
        end = text.indexOf('>', pos);
        if (end < 0)
            return false;
        name = QString::fromLatin1(text.mid(pos + 1, end - pos - 1));
        pos = end + 1;
    } else {
        while (end < text.size() && std::isalpha(static_cast<unsigned char>(text[end])))
            ++end;
        name = QString::fromLatin1(text.mid(pos, end - pos));
        pos = end;
    }
    if (name.size() < 3)
        return false;
    end = pos;
    while (end < text.size() && (QByteArray("+-0123456789:").contains(text[end])))
        ++end;
    if (end == pos)
        return !offsetRequired;
    const bool parsed = ParseClock(text.mid(pos, end - pos), westSeconds);
    pos = end;
    return parsed;
}

// The day a POSIX date rule names in year: "Mm.w.d", "Jn" (no leap day) or
// "n" (from 0, leap day counted).
QDate RuleDate(const QByteArray& rule, int year) {
    if (rule.startsWith('M')) {
        const QList<QByteArray> parts = rule.mid(1).split('.');
        if (parts.size() != 3)
            return {};
        const int month = parts[0].toInt(), week = parts[1].toInt();
        int weekday = parts[2].toInt();
        if (month < 1 || month > 12 || week < 1 || week > 5 || weekday < 0 || weekday > 6)
            return {};
        if (weekday == 0)
            weekday = 7;
        const QDate first(year, month, 1);
        QDate date = first.addDays((weekday - first.dayOfWeek() + 7) % 7 + (week - 1) * 7);
        while (date.month() != month)
            date = date.addDays(-7);
        return date;
    }
    bool ok = false;
    if (rule.startsWith('J')) {
        int day = rule.mid(1).toInt(&ok);
        if (!ok || day < 1 || day > 365)
            return {};
        if (!QDate::isLeapYear(year) || day < 60)
            --day;
        return QDate(year, 1, 1).addDays(day);
    }
    const int day = rule.toInt(&ok);
    if (!ok || day < 0 || day > 365)
        return {};
    return QDate(year, 1, 1).addDays(day);
}

bool RulePart(const QByteArray& part, QByteArray& date, int& time) {
    const qsizetype slash = part.indexOf('/');
    date = part.left(slash < 0 ? part.size() : slash);
    if (!RuleDate(date, 1972).isValid())
        return false;
    return slash < 0 || ParseClock(part.mid(slash + 1), time);
}

bool SafeZoneId(const QString& id) {
    static const QRegularExpression form(QStringLiteral("^[A-Za-z0-9_+-]+(/[A-Za-z0-9_+-]+)*$"));
    return form.match(id).hasMatch() && !id.split(QLatin1Char('/')).contains(QStringLiteral(".."));
}

} // namespace

ZoneData ZoneData::Load(const QString& zoneId) {
    if (!SafeZoneId(zoneId))
        return {};
    // A batch asks for the same few zones over and over; each file is read
    // once per folder.
    static QMutex mutex;
    static QHash<QString, ZoneData> loaded;
    const QString path = QDir(ZoneDataFolder()).filePath(zoneId);
    const QMutexLocker lock(&mutex);
    const auto found = loaded.constFind(path);
    if (found != loaded.constEnd())
        return *found;
    QFile file(path);
    // Real zone files are a few kilobytes.
    constexpr qint64 kMaxSize = 1 << 20;
    ZoneData zone;
    if (file.open(QIODevice::ReadOnly) && file.size() <= kMaxSize)
        zone = FromTzif(file.read(kMaxSize));
    if (loaded.size() < 1000)
        loaded.insert(path, zone);
    return zone;
}

ZoneData ZoneData::FromTzif(const QByteArray& bytes) {
    ZoneData zone;
    Reader in(bytes);
    Header h;
    // The first block has 32-bit times; versions 2 and later repeat it with
    // 64-bit times and add the rule for later times.
    if (!ReadHeader(in, bytes, h) || h.version < '2')
        return {};
    in.skip(h.timeCount * 5 + h.typeCount * 6 + h.charCount + h.leapCount * 8 + h.isStdCount +
            h.isUtCount);
    if (!in.ok() || !ReadHeader(in, bytes, h))
        return {};
    // Counts that promise more than the file holds are refused before
    // anything is allocated for them.
    const qint64 blockSize = h.timeCount * 9 + h.typeCount * 6 + h.charCount + h.leapCount * 12 +
                             h.isStdCount + h.isUtCount;
    if (blockSize > bytes.size() - in.pos())
        return {};

    std::vector<qint64> times(static_cast<size_t>(h.timeCount));
    for (auto& t : times)
        t = in.number(8);
    std::vector<int> typeOfChange(static_cast<size_t>(h.timeCount));
    for (auto& index : typeOfChange)
        index = in.byte();
    std::vector<Type> types(static_cast<size_t>(h.typeCount));
    std::vector<int> abbreviationAt(types.size());
    for (size_t i = 0; i < types.size(); ++i) {
        types[i].offset = static_cast<int>(in.number(4));
        types[i].isDst = in.byte() != 0;
        abbreviationAt[i] = in.byte();
    }
    const qsizetype charsAt = in.pos();
    in.skip(h.charCount);
    in.skip(h.leapCount * 12 + h.isStdCount + h.isUtCount);
    if (!in.ok())
        return {};
    for (size_t i = 0; i < types.size(); ++i) {
        if (abbreviationAt[i] >= h.charCount)
            return {};
        const QByteArray chars =
            bytes.mid(charsAt + abbreviationAt[i], h.charCount - abbreviationAt[i]);
        types[i].abbreviation = QString::fromLatin1(chars.left(chars.indexOf('\0')));
    }
    for (size_t i = 0; i < typeOfChange.size(); ++i)
        if (typeOfChange[i] >= h.typeCount || (i > 0 && times[i] <= times[i - 1]))
            return {};

    // The footer: "\nRULE\n".
    const qsizetype footerStart = in.pos();
    if (footerStart < bytes.size() && bytes[footerStart] == '\n') {
        const qsizetype footerEnd = bytes.indexOf('\n', footerStart + 1);
        if (footerEnd < 0)
            return {};
        const QByteArray rule = bytes.mid(footerStart + 1, footerEnd - footerStart - 1);
        if (!rule.isEmpty()) {
            Footer& f = zone.footer_;
            const QList<QByteArray> parts = rule.split(',');
            qsizetype pos = 0;
            int west = 0;
            if (!ParseZone(parts[0], pos, f.standard.abbreviation, west, true))
                return {};
            f.standard.standardSeconds = -west;
            if (pos < parts[0].size()) {
                int dstWest = west - 3600;
                if (!ParseZone(parts[0], pos, f.daylight.abbreviation, dstWest, false) ||
                    pos != parts[0].size() || parts.size() != 3 ||
                    !RulePart(parts[1], f.startRule, f.startTime) ||
                    !RulePart(parts[2], f.endRule, f.endTime))
                    return {};
                f.hasDaylight = true;
                f.daylight.standardSeconds = -west;
                f.daylight.daylightSeconds = west - dstWest;
            } else if (parts.size() != 1) {
                return {};
            }
            f.valid = true;
        }
    }

    // TZif gives each period's total offset and a daylight flag; the standard
    // offset under daylight time is taken from the standard time around it:
    // the one before, unless the daylight part then is not the usual one and
    // the standard time after it fits better.
    zone.beforeFirst_ = {types[0].offset, 0, types[0].abbreviation};
    int standard = types[0].offset;
    for (const int index : typeOfChange)
        if (!types[static_cast<size_t>(index)].isDst) {
            standard = types[static_cast<size_t>(index)].offset;
            break;
        }
    int lastDaylight = 3600;
    for (size_t i = 0; i < times.size(); ++i) {
        const Type& type = types[static_cast<size_t>(typeOfChange[i])];
        if (!type.isDst) {
            standard = type.offset;
        } else if (type.offset != standard + lastDaylight) {
            const int inferred = type.offset - lastDaylight;
            for (size_t j = i + 1; j < times.size(); ++j) {
                const Type& next = types[static_cast<size_t>(typeOfChange[j])];
                if (next.isDst)
                    continue;
                const int after = next.offset;
                if (after == standard) {
                } else if (after == inferred) {
                    standard = after;
                } else if (type.offset - 3600 == standard) {
                } else if (type.offset - 3600 == after) {
                    standard = after;
                } else if (after < type.offset
                               ? (standard >= type.offset ||
                                  std::abs(after - inferred) < std::abs(standard - inferred))
                               : (standard >= type.offset &&
                                  std::abs(after - inferred) < std::abs(standard - inferred))) {
                    standard = after;
                }
                break;
            }
            lastDaylight = type.offset - standard;
        }
        const Rule rule{standard, type.offset - standard, type.abbreviation};
        auto found = std::find_if(zone.rules_.begin(), zone.rules_.end(), [&](const Rule& r) {
            return r.standardSeconds == rule.standardSeconds &&
                   r.daylightSeconds == rule.daylightSeconds && r.abbreviation == rule.abbreviation;
        });
        if (found == zone.rules_.end())
            found = zone.rules_.insert(zone.rules_.end(), rule);
        zone.changes_.push_back({times[i], static_cast<int>(found - zone.rules_.begin())});
    }
    zone.valid_ = true;
    return zone;
}

ZoneState ZoneData::StateOf(const Rule& rule) {
    return {rule.standardSeconds + rule.daylightSeconds, rule.standardSeconds, rule.abbreviation};
}

std::vector<ZoneData::Dated> ZoneData::footerChanges(int firstYear, int lastYear) const {
    std::vector<Dated> out;
    const Footer& f = footer_;
    const int standard = f.standard.standardSeconds;
    const int daylight = standard + f.daylight.daylightSeconds;
    for (int year = firstYear; year <= lastYear; ++year) {
        const QDate startDay = RuleDate(f.startRule, year), endDay = RuleDate(f.endRule, year);
        if (!startDay.isValid() || !endDay.isValid())
            continue;
        // Rule times are local: the start's in standard time, the end's in
        // daylight time. The local instants, read as universal time:
        const qint64 startLocal = DaySeconds(startDay) + f.startTime;
        const qint64 endLocal = DaySeconds(endDay) + f.endTime;
        const Dated start{startLocal - standard, &f.daylight};
        const Dated end{endLocal - daylight, &f.standard};
        // Daylight time all year ("EST5EDT,0/0,J365/25") is written as a
        // change at the start of the year and one after its end.
        if (year == firstYear && start.at < end.at && startLocal <= DaySeconds(QDate(year, 1, 1)) &&
            endLocal >= DaySeconds(QDate(year, 12, 31)) + kSecondsPerDay)
            return {{changes_.empty() ? start.at : changes_.back().at, &f.daylight}};
        if (year == firstYear && start.at >= end.at && endLocal <= DaySeconds(QDate(year, 1, 1)) &&
            startLocal >= DaySeconds(QDate(year, 12, 31)) + kSecondsPerDay)
            return {{changes_.empty() ? end.at : changes_.back().at, &f.standard}};
        // A change whose local day lies in another year is left to that year.
        const bool useStart = Year(startLocal) == year;
        const bool useEnd = Year(endLocal) == year;
        if (useStart && useEnd && start.at < end.at)
            out.insert(out.end(), {start, end});
        else if (useStart && useEnd)
            out.insert(out.end(), {end, start});
        else if (useStart)
            out.push_back(start);
        else if (useEnd)
            out.push_back(end);
    }
    return out;
}

ZoneState ZoneData::at(qint64 utcSeconds) const {
    if (!valid_)
        return {};
    if (footer_.valid && (changes_.empty() || changes_.back().at < utcSeconds)) {
        if (!footer_.hasDaylight)
            return StateOf(footer_.standard);
        const int year = Year(utcSeconds);
        const std::vector<Dated> near = footerChanges(year - 1, year + 1);
        const auto after = std::partition_point(near.begin(), near.end(),
                                                [&](const Dated& d) { return d.at <= utcSeconds; });
        if (after != near.begin())
            return StateOf(*std::prev(after)->rule);
        if (changes_.empty() && !near.empty())
            return StateOf(*near.front().rule);
    }
    const auto after = std::partition_point(changes_.begin(), changes_.end(),
                                            [&](const Change& c) { return c.at <= utcSeconds; });
    if (after == changes_.begin())
        return StateOf(beforeFirst_);
    return StateOf(rules_[static_cast<size_t>(std::prev(after)->rule)]);
}

std::vector<qint64> ZoneData::transitions(qint64 from, qint64 to) const {
    std::vector<qint64> out;
    if (!valid_ || from > to)
        return out;
    for (const Change& c : changes_)
        if (c.at >= from && c.at <= to)
            out.push_back(c.at);
    const qint64 last = changes_.empty() ? from - 1 : changes_.back().at;
    if (footer_.valid && footer_.hasDaylight && to > last) {
        const std::vector<Dated> later =
            footerChanges(Year(std::max(from, last)) - 1, Year(to) + 1);
        for (const Dated& d : later)
            if (d.at > last && d.at >= from && d.at <= to)
                out.push_back(d.at);
    }
    return out;
}

} // namespace tivora::atlas
