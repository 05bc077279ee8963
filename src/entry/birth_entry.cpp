#include "entry/birth_entry.h"
#include "entry/picker_zone.h"

#include <algorithm>

namespace tivora {

namespace {

struct NumberRange {
    int first;
    int last;
};

// The numbers the lists stand for: the month list's names stand for 1 to 12.
NumberRange RangeOf(EntryList list) {
    switch (list) {
    case EntryList::Month:
        return {1, 12};
    case EntryList::Day:
        return {1, 31};
    case EntryList::Year:
        return {kFirstYear, kLastYear};
    case EntryList::Hour:
        return {0, 23};
    case EntryList::Minute:
    case EntryList::Second:
        break;
    }
    return {0, 59};
}

std::vector<std::string> Numbers(NumberRange range) {
    std::vector<std::string> items;
    for (int n = range.first; n <= range.last; ++n)
        items.push_back(std::to_string(n));
    return items;
}

bool AllDigits(std::string_view text) {
    if (text.empty())
        return false;
    for (char c : text)
        if (c < '0' || c > '9')
            return false;
    return true;
}

// Digit boxes: digits only; the zone boxes may carry the picker's "-".
bool IsDigitText(std::string_view text, bool allowMinus) {
    if (allowMinus && !text.empty() && text.front() == PickerZone::kAheadMark)
        return AllDigits(text.substr(1));
    return AllDigits(text);
}

// Magnitude of a checked digit text, saturating so huge pasted numbers still
// compare as too large.
long long Magnitude(std::string_view digitText) {
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

// The number a list stands for at position, without going through its
// text; -1 when nothing is selected there.
int ListNumber(EntryList list, int position) {
    const NumberRange range = RangeOf(list);
    return position >= 0 && position <= range.last - range.first ? range.first + position : -1;
}

void AssignListNumber(std::int16_t& field, EntryList list, int position) {
    if (const int value = ListNumber(list, position); value >= 0)
        field = static_cast<std::int16_t>(value);
}

void Assign(std::int16_t& field, std::string_view text) {
    if (auto value = ToWholeNumber(text))
        field = *value;
}

void AssignMagnitude(std::int16_t& field, std::string_view text) {
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
    static const std::vector<std::string> days = Numbers(RangeOf(EntryList::Day));
    static const std::vector<std::string> years = Numbers(RangeOf(EntryList::Year));
    static const std::vector<std::string> hours = Numbers(RangeOf(EntryList::Hour));
    static const std::vector<std::string> sixty = Numbers(RangeOf(EntryList::Minute));
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

int ListPositionOf(EntryList list, int number) {
    const NumberRange range = RangeOf(list);
    return number >= range.first && number <= range.last ? number - range.first : -1;
}

const std::string& ListItemText(EntryList list, int position) {
    static const std::string none;
    const auto& items = ListItems(list);
    if (position < 0 || position >= static_cast<int>(items.size()))
        return none;
    return items[static_cast<std::size_t>(position)];
}

bool IsAcceptedDigitKey(int code) {
    return (code >= '0' && code <= '9') || code == 8;
}

bool HasControlCharacter(std::string_view utf8) {
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        const auto byte = static_cast<unsigned char>(utf8[i]);
        if (byte < 0x20 || byte == 0x7F)
            return true;
        // U+0080 to U+009F are C2 80 to C2 9F in UTF-8.
        if (byte == 0xC2 && i + 1 < utf8.size()) {
            const auto next = static_cast<unsigned char>(utf8[i + 1]);
            if (next >= 0x80 && next <= 0x9F)
                return true;
        }
    }
    return false;
}

std::string Isolated(std::string_view utf8) {
    std::string text = "\u2068";
    text += utf8;
    text += "\u2069";
    return text;
}

std::string Trimmed(const std::string& text) {
    return std::string(TrimmedView(text));
}

std::optional<std::int16_t> ToWholeNumber(std::string_view text) {
    // Parsed by hand: plain decimal notation only, independent of the locale.
    const std::string_view t = TrimmedView(text);
    // Most boxes hold a few plain digits.
    if (!t.empty() && t.size() <= 5) {
        int value = 0;
        std::size_t k = 0;
        for (; k < t.size() && t[k] >= '0' && t[k] <= '9'; ++k)
            value = value * 10 + (t[k] - '0');
        if (k == t.size() && value <= 32767)
            return static_cast<std::int16_t>(value);
    }
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
    // Each box trimmed once; the checks below read it several times.
    const std::string_view zoneHour = TrimmedView(e.zoneHour);
    const std::string_view zoneMinute = TrimmedView(e.zoneMinute);
    const std::string_view lonDegrees = TrimmedView(e.lonDegrees);
    const std::string_view lonMinutes = TrimmedView(e.lonMinutes);
    const std::string_view latDegrees = TrimmedView(e.latDegrees);
    const std::string_view latMinutes = TrimmedView(e.latMinutes);

    if (TrimmedView(e.name).empty())
        return Error("Please Enter Name", EntryField::Name);
    if (HasControlCharacter(e.name))
        return Error(kNameControlMessage, EntryField::Name);
    if (zoneHour.empty() || zoneMinute.empty())
        return Error("Please Enter Hour and Minute of Time Zone", EntryField::ZoneHour);
    if (lonDegrees.empty())
        return Error("Please Enter Degree of Longitude", EntryField::LonDegrees);
    if (lonMinutes.empty())
        return Error("Please Enter Minute of Longitude", EntryField::LonMinutes);
    if (latDegrees.empty())
        return Error("Please Enter Degree of Latitude", EntryField::LatDegrees);
    if (latMinutes.empty())
        return Error("Please Enter Minute of Latitude", EntryField::LatMinutes);

    // The date checks work on list positions, as the lists are laid out.
    constexpr int february = 1;
    const int year = ListNumber(EntryList::Year, e.year);
    const bool leap = year >= 0 && year % 4 == 0;
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
        std::string_view text;
        EntryField field;
        bool zone;
    } digitBoxes[] = {
        {lonDegrees, EntryField::LonDegrees, false}, {lonMinutes, EntryField::LonMinutes, false},
        {latDegrees, EntryField::LatDegrees, false}, {latMinutes, EntryField::LatMinutes, false},
        {zoneHour, EntryField::ZoneHour, true},      {zoneMinute, EntryField::ZoneMinute, true},
    };
    for (const auto& box : digitBoxes)
        if (!IsDigitText(box.text, box.zone))
            return Error(kOnlyNumbersMessage, box.field);

    if (e.month < 0 || e.month > 11)
        return Error("Please Enter Correct Date Or Month!", EntryField::Month);

    struct Range {
        std::string_view degrees;
        std::string_view minutes;
        long long limit;
        bool limitAllowed;
        const char* message;
        EntryField degreeField;
        EntryField minuteField;
    };
    // A pole is no place for an ascendant: the horizon is undefined there.
    const Range ranges[] = {
        {lonDegrees, lonMinutes, 180, true, "Please Enter Correct Longitude",
         EntryField::LonDegrees, EntryField::LonMinutes},
        {latDegrees, latMinutes, 90, false, "Please Enter Correct Latitude", EntryField::LatDegrees,
         EntryField::LatMinutes},
        {zoneHour, zoneMinute, 14, true, "Please Enter Correct Time Zone", EntryField::ZoneHour,
         EntryField::ZoneMinute},
    };
    for (const auto& r : ranges) {
        const long long degrees = Magnitude(r.degrees);
        const long long minutes = Magnitude(r.minutes);
        if (degrees > r.limit || (degrees == r.limit && !r.limitAllowed))
            return Error(r.message, r.degreeField);
        if (minutes > 59 || (degrees == r.limit && minutes > 0))
            return Error(r.message, r.minuteField);
    }
    return std::nullopt;
}

void WriteBirthData(const BirthEntry& e, ChartRecord& c) {
    c.BirthName.assign(TrimmedView(e.name));
    c.BirthMonth = static_cast<std::int16_t>(e.month + 1);
    AssignListNumber(c.BirthDay, EntryList::Day, e.day);
    AssignListNumber(c.BirthYear, EntryList::Year, e.year);
    AssignListNumber(c.BirthHour, EntryList::Hour, e.hour);
    AssignListNumber(c.BirthMinute, EntryList::Minute, e.minute);
    Assign(c.LonDegrees, e.lonDegrees);
    Assign(c.LonMinutes, e.lonMinutes);
    Assign(c.LatDegrees, e.latDegrees);
    Assign(c.LatMinutes, e.latMinutes);
    AssignMagnitude(c.ZoneHours, e.zoneHour);
    AssignMagnitude(c.ZoneMinutes, e.zoneMinute);
    c.ZoneSeconds =
        static_cast<std::int16_t>(e.zoneSecond >= 0 && e.zoneSecond < 60 ? e.zoneSecond : 0);
    c.IsDST = e.dst;
    c.IsEast = e.east;
    c.IsSouth = e.south;
    const bool picked = PickerZone::Marked(e.zoneHour) || PickerZone::Marked(e.zoneMinute);
    c.ZoneDirection = picked ? ZoneDirection::East : ZoneDirection::FromLongitude;
    c.BirthPlace = e.town;
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
