#pragma once

#include <string>
#include <vector>

namespace tivora {

// One named zone of the picker. The hour and minute texts are what the
// picker writes into the zone boxes: the stated offset with its sign
// reversed, so zones east of Greenwich come out with a leading "-".
struct ZoneRow {
    std::string text;
    std::string hour;
    std::string minute;
};

// The 71 named zones in list order.
const std::vector<ZoneRow>& ZoneTable();

// Hour and minute texts of a row text, from the offset after its last comma:
// whole hours with the sign reversed; "30" with the sign reversed when the
// offset has any fraction (".5" and the Indian row's ".3" alike), else "0".
ZoneRow ZoneRowFromText(const std::string& rowText);

} // namespace tivora
