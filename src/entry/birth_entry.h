#pragma once

#include "engine/chart_record.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tivora {

// What the main window's controls hold, so checks and the mapping into the
// chart record run without a window (the command-line tool uses them too).
struct BirthEntry {
    std::string name;
    // Positions in the drop-down lists; -1 means nothing is selected.
    int month = 0;
    int day = 0;
    int year = 0;
    int hour = 0;
    int minute = 0;
    int second = 0;
    std::string lonDegrees;
    std::string lonMinutes;
    std::string latDegrees;
    std::string latMinutes;
    std::string zoneHour;
    std::string zoneMinute;
    int zoneSecond = 0; // from the zone database only, never typed
    std::string city;
    std::string state;
    std::string country;
    bool east = true;
    bool south = false;
    bool dst = false;
    // The atlas town the place boxes were filled from, while they hold it.
    BirthTown town;
};

enum class EntryField {
    None,
    Name,
    Month,
    Day,
    Year,
    Hour,
    Minute,
    Second,
    LonDegrees,
    LonMinutes,
    LatDegrees,
    LatMinutes,
    ZoneHour,
    ZoneMinute,
    City,
    State,
    Country,
};

enum class MessageIcon { Information, Error, Question };

// A message box the entry logic asks for, and the control to focus after it.
struct EntryMessage {
    std::string text;
    MessageIcon icon = MessageIcon::Error;
    EntryField focus = EntryField::None;

    bool operator==(const EntryMessage& other) const {
        return text == other.text && icon == other.icon && focus == other.focus;
    }
};

// The fixed items of the six drop-down lists.
enum class EntryList { Month, Day, Year, Hour, Minute, Second };
const std::vector<std::string>& ListItems(EntryList list);
// Position of the item whose text equals text exactly, or -1.
int FindListItem(EntryList list, const std::string& text);
// Text of the item at position, or "" when there is none.
const std::string& ListItemText(EntryList list, int position);
// The position of the item that stands for number (the month list's names
// for 1 to 12), or -1 when the list has none.
int ListPositionOf(EntryList list, int number);

constexpr int kFirstYear = 1901;
constexpr int kLastYear = 2050;

// The digit boxes accept only digits and backspace from the keyboard.
bool IsAcceptedDigitKey(int characterCode);
inline constexpr const char* kOnlyNumbersMessage = "Only Numbers Are Accepted";

// The text without the blanks (spaces and tabs) around it.
std::string Trimmed(const std::string& text);
inline std::string_view TrimmedView(std::string_view text) {
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && (text[begin] == ' ' || text[begin] == '\t'))
        ++begin;
    while (end > begin && (text[end - 1] == ' ' || text[end - 1] == '\t'))
        --end;
    return text.substr(begin, end - begin);
}

// Text from outside the program (a name, a town): a C0 control, DEL or a C1
// control (U+0080 to U+009F) anywhere in the UTF-8 text. Such a name could
// drive a terminal or hide part of itself.
bool HasControlCharacter(std::string_view utf8);
// The Name box's length in UTF-16 units, as the box counts them: long enough
// for any real name, and a name read from a file is held to it too.
inline constexpr int kNameLength = 100;
inline constexpr const char* kNameControlMessage = "Please Remove Control Characters From The Name";

// The text between FIRST STRONG ISOLATE and POP DIRECTIONAL ISOLATE, so
// right-to-left letters or direction marks in it cannot turn the words
// around it.
std::string Isolated(std::string_view utf8);

// A box's text as a 16-bit whole number: trimmed, fractions rounded half to
// even; nothing when it does not convert.
std::optional<std::int16_t> ToWholeNumber(std::string_view text);

// Checks the entries in order and returns the first failure's message, or
// nothing when Calculate may go on.
std::optional<EntryMessage> ValidateInput(const BirthEntry& entry);

// Writes the birth-data fields from name to hemispheres, in that order. A text that does not
// convert leaves its field as it was.
void WriteBirthData(const BirthEntry& entry, ChartRecord& chart);

// The coordinates lookup: the first empty place box's message, if any.
std::optional<EntryMessage> CheckPlace(const BirthEntry& entry);
std::string PlaceQuery(const BirthEntry& entry);

} // namespace tivora
