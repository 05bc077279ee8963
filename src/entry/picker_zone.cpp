#include "entry/picker_zone.h"

#include "entry/birth_entry.h"

namespace tivora {

int PickerZone::pickerHours() const {
    return -(secondsEast_ / 3600);
}

int PickerZone::pickerMinutes() const {
    return -(secondsEast_ % 3600 / 60);
}

bool PickerZone::Marked(std::string_view box) {
    const std::string_view text = TrimmedView(box);
    return !text.empty() && text.front() == kAheadMark;
}

} // namespace tivora
