#include "entry/birth_entry.h"

#include <algorithm>

namespace tivora {

namespace {

std::vector<std::string> Numbers(int first, int last) {
    std::vector<std::string> items;
    for (int n = first; n <= last; ++n)
        items.push_back(std::to_string(n));
    return items;
}

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

bool AllDigits(const std::string& text) {
    if (text.empty())
        return false;
    for (char c : text)
        if (c < '0' || c > '9')
            return false;
    return true;
}

// Digit boxes: digits only; the zone boxes may carry the picker's "-".
bool IsDigitText(const std::string& text, bool allowMinus) {
    if (allowMinus && !text.empty() && text.front() == '-')
        return AllDigits(text.substr(1));
    return AllDigits(text);
}

// Magnitude of a checked digit text, saturating so huge pasted numbers still
// compare as too large.
long long Magnitude(const std::string& digitText) {
    long long value = 0;
    for (char c : digitText) {
        if (c < '0' || c > '9')
            continue;
        value = value * 10 + (c - '0');
        if (value > 1000000)
            return 1000000;
    }
    return value;
}

EntryMessage Error(const char* text, EntryField focus) {
    return EntryMessage{text, MessageIcon::Error, focus};
}

void Assign(std::int16_t& field, const std::string& text) {
    if (auto value = ToWholeNumber(text))
        field = *value;
}

void AssignMagnitude(std::int16_t& field, const std::string& text) {
    if (auto value = ToWholeNumber(text)) {
        if (*value == -32768)
            return; // no 16-bit magnitude
        field = static_cast<std::int16_t>(*value < 0 ? -*value : *value);
    }
}

} // namespace

const std::vector<std::string>& ListItems(EntryList list) {
    static const std::vector<std::string> months{"January",   "February", "March",    "April",
                                                 "May",       "June",     "July",     "August",
                                                 "September", "October",  "November", "December"};
    static const std::vector<std::string> days = Numbers(1, 31);
    static const std::vector<std::string> years = Numbers(kFirstYear, kLastYear);
    static const std::vector<std::string> hours = Numbers(0, 23);
    static const std::vector<std::string> sixty = Numbers(0, 59);
    switch (list) {
    case EntryList::Month:
        return months;
    case EntryList::Day:
        return days;
    case EntryList::Year:
        return years;
    case EntryList::Hour:
        return hours;
    case EntryList::Minute:
    case EntryList::Second:
        break;
    }
    return sixty;
}

int FindListItem(EntryList list, const std::string& text) {
    const auto& items = ListItems(list);
    for (std::size_t i = 0; i < items.size(); ++i)
        if (items[i] == text)
            return static_cast<int>(i);
    return -1;
}

std::string ListItemText(EntryList list, int position) {
    const auto& items = ListItems(list);
    if (position < 0 || position >= static_cast<int>(items.size()))
        return {};
    return items[static_cast<std::size_t>(position)];
}

bool IsAcceptedDigitKey(int code) {
    return (code >= '0' && code <= '9') || code == 8;
}

std::string Trimmed(const std::string& text) {
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && IsBlank(text[begin]))
        ++begin;
    while (end > begin && IsBlank(text[end - 1]))
        --end;
    return text.substr(begin, end - begin);
}

std::optional<std::int16_t> ToWholeNumber(const std::string& text) {
    // Parsed by hand: plain decimal notation only, independent of the locale.
    const std::string t = Trimmed(text);
    std::size_t i = 0;
    bool negative = false;
    if (i < t.size() && (t[i] == '-' || t[i] == '+'))
        negative = t[i++] == '-';
    long long whole = 0;
    std::size_t digits = 0;
    for (; i < t.size() && t[i] >= '0' && t[i] <= '9'; ++i, ++digits)
        whole = std::min<long long>(whole * 10 + (t[i] - '0'), 100000);
    int fraction = 0; // -1 below a half, 0 exactly a half or none, 1 above
    bool half = false;
    if (i < t.size() && t[i] == '.') {
        ++i;
        std::size_t first = i;
        for (; i < t.size() && t[i] >= '0' && t[i] <= '9'; ++i, ++digits) {
            if (i == first) {
                half = t[i] == '5';
                fraction = t[i] > '5' ? 1 : (t[i] < '5' ? -1 : 0);
            } else if (t[i] != '0' && half) {
                fraction = 1;
            }
        }
    }
    if (digits == 0 || i != t.size())
        return std::nullopt;
    const bool hadFraction = fraction != 0 || half;
    if (hadFraction && (fraction > 0 || (fraction == 0 && whole % 2 == 1)))
        ++whole; // halves go to the even neighbour
    const long long value = negative ? -whole : whole;
    if (value < -32768 || value > 32767)
        return std::nullopt;
    return static_cast<std::int16_t>(value);
}

std::optional<EntryMessage> ValidateInput(const BirthEntry& e) {
    if (Trimmed(e.name).empty())
        return Error("Please Enter Name", EntryField::Name);
    if (Trimmed(e.zoneHour).empty() || Trimmed(e.zoneMinute).empty())
        return Error("Please Enter Hour and Minute of Time Zone", EntryField::ZoneHour);
    if (Trimmed(e.lonDegrees).empty())
        return Error("Please Enter Degree of Longitude", EntryField::LonDegrees);
    if (Trimmed(e.lonMinutes).empty())
        return Error("Please Enter Minute of Longitude", EntryField::LonMinutes);
    if (Trimmed(e.latDegrees).empty())
        return Error("Please Enter Degree of Latitude", EntryField::LatDegrees);
    if (Trimmed(e.latMinutes).empty())
        return Error("Please Enter Minute of Latitude", EntryField::LatMinutes);

    // The date checks work on list positions, as the lists are laid out.
    constexpr int february = 1;
    const auto year = ToWholeNumber(ListItemText(EntryList::Year, e.year));
    const bool leap = year && *year % 4 == 0;
    const bool februaryFails = e.month == february && (leap ? e.day >= 29 : e.day >= 28);
    if (februaryFails)
        return EntryMessage{"Please Enter Correct Date Or Month!", MessageIcon::Information,
                            EntryField::None};
    const bool shortMonth = e.month == 3 || e.month == 5 || e.month == 8 || e.month == 10;
    if (shortMonth && e.day == 30)
        return EntryMessage{"Please Enter Correct Date Or Month !", MessageIcon::Information,
                            EntryField::None};

    // Pasted text would otherwise be computed from stale numbers.
    const struct {
        const std::string& text;
        EntryField field;
        bool zone;
    } digitBoxes[] = {
        {e.lonDegrees, EntryField::LonDegrees, false},
        {e.lonMinutes, EntryField::LonMinutes, false},
        {e.latDegrees, EntryField::LatDegrees, false},
        {e.latMinutes, EntryField::LatMinutes, false},
        {e.zoneHour, EntryField::ZoneHour, true},
        {e.zoneMinute, EntryField::ZoneMinute, true},
    };
    for (const auto& box : digitBoxes)
        if (!IsDigitText(Trimmed(box.text), box.zone))
            return Error(kOnlyNumbersMessage, box.field);

    if (e.month < 0 || e.month > 11)
        return Error("Please Enter Correct Date Or Month!", EntryField::Month);

    struct Range {
        const std::string& degrees;
        const std::string& minutes;
        long long limit;
        const char* message;
        EntryField degreeField;
        EntryField minuteField;
    };
    const Range ranges[] = {
        {e.lonDegrees, e.lonMinutes, 180, "Please Enter Correct Longitude", EntryField::LonDegrees,
         EntryField::LonMinutes},
        {e.latDegrees, e.latMinutes, 90, "Please Enter Correct Latitude", EntryField::LatDegrees,
         EntryField::LatMinutes},
        {e.zoneHour, e.zoneMinute, 14, "Please Enter Correct Time Zone", EntryField::ZoneHour,
         EntryField::ZoneMinute},
    };
    for (const auto& r : ranges) {
        const long long degrees = Magnitude(Trimmed(r.degrees));
        const long long minutes = Magnitude(Trimmed(r.minutes));
        if (degrees > r.limit)
            return Error(r.message, r.degreeField);
        if (minutes > 59 || (degrees == r.limit && minutes > 0))
            return Error(r.message, r.minuteField);
    }
    return std::nullopt;
}

void WriteBirthData(const BirthEntry& e, ChartRecord& c) {
    c.BirthName = Trimmed(e.name);
    c.BirthMonth = static_cast<std::int16_t>(e.month + 1);
    Assign(c.BirthDay, ListItemText(EntryList::Day, e.day));
    Assign(c.BirthYear, ListItemText(EntryList::Year, e.year));
    Assign(c.BirthHour, ListItemText(EntryList::Hour, e.hour));
    Assign(c.BirthMinute, ListItemText(EntryList::Minute, e.minute));
    Assign(c.LonDegrees, e.lonDegrees);
    Assign(c.LonMinutes, e.lonMinutes);
    Assign(c.LatDegrees, e.latDegrees);
    Assign(c.LatMinutes, e.latMinutes);
    AssignMagnitude(c.ZoneHours, e.zoneHour);
    AssignMagnitude(c.ZoneMinutes, e.zoneMinute);
    c.IsDST = e.dst;
    c.IsEast = e.east;
    c.IsSouth = e.south;
    // The picker writes zones ahead of universal time with a leading "-".
    const bool picked =
        Trimmed(e.zoneHour).rfind('-', 0) == 0 || Trimmed(e.zoneMinute).rfind('-', 0) == 0;
    c.ZoneDirection = picked ? ZoneDirection::East : ZoneDirection::FromLongitude;
}

std::optional<EntryMessage> CheckPlace(const BirthEntry& e) {
    // Blanks count here: only a box with no characters at all is empty.
    if (e.city.empty())
        return EntryMessage{"Please Enter City", MessageIcon::Information, EntryField::City};
    if (e.state.empty())
        return EntryMessage{"Please Enter State", MessageIcon::Information, EntryField::State};
    if (e.country.empty())
        return EntryMessage{"Please Enter Country", MessageIcon::Information, EntryField::Country};
    return std::nullopt;
}

std::string PlaceQuery(const BirthEntry& e) {
    return e.city + " " + e.state + " " + e.country + " Latitude Longitude";
}

} // namespace tivora
