#pragma once

#include <string>
#include <string_view>

namespace tivora {

// An offset as the zone picker writes it, which the zone boxes, the saved
// file and the command line keep: the boxes hold magnitudes, and a "-"
// marks a zone AHEAD of universal time, east of Greenwich. India, UT+5:30,
// is written "-5" and "-30"; New York in winter, UT-5:00, "5" and "0". A
// zone written without the mark takes its direction from the longitude.
class PickerZone {
public:
    static constexpr char kAheadMark = '-';

    // An offset of so many seconds ahead of universal time (behind: below 0).
    static PickerZone FromSecondsEast(int seconds) { return PickerZone(seconds); }
    // The picker's signed hours and minutes: -5 and -30 are UT+5:30.
    static PickerZone FromPicker(int hours, int minutes) {
        return PickerZone(-(hours * 3600 + minutes * 60));
    }

    int secondsEast() const { return secondsEast_; }
    // The picker's signed whole hours, and whole minutes beyond them; the
    // seconds beyond those are left out.
    int pickerHours() const;
    int pickerMinutes() const;
    // As the boxes write them: "-5" and "-30"; a part that is zero is "0".
    std::string hourText() const { return std::to_string(pickerHours()); }
    std::string minuteText() const { return std::to_string(pickerMinutes()); }

    // Whether a box's text carries the mark (blanks around it aside).
    static bool Marked(std::string_view box);
    // A magnitude's text with the mark before it, zero too ("-0" still says
    // ahead, where the boxes hold nothing else that can).
    static std::string WithMark(const std::string& magnitude) { return kAheadMark + magnitude; }

private:
    explicit PickerZone(int secondsEast) : secondsEast_(secondsEast) {}

    int secondsEast_ = 0;
};

} // namespace tivora
