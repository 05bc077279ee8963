#include "entry/zone_table.h"
#include "entry/picker_zone.h"

#include <array>

namespace tivora {

namespace {

constexpr std::array<const char*, 71> kZoneTexts{
    "Alaska/Hawaii Daylight Time,AHDT,-9.0",
    "Alaska/Hawaii Standard Time,AHST,-10.0",
    "Alaska/Hawaii War Time,AHWT,-9.0",
    "Atlantic Standard Time,AST,-4.0",
    "Atlantic War Time,AWT,-3.0",
    "Australian Central Daylight Time,ACDT,+10.5",
    "Australian Central Standard Time,ACST,+9.5",
    "Australian Eastern Daylight Time,AEDT,+11.0",
    "Australian Eastern Standard Time,AEST,+10.0",
    "Australian Western Daylight Time,AWDT,+9.0",
    "Australian Western Standard Time,AWST,+8.0",
    "Azores Time, AT, -2.0",
    "Baghdad Time, BAT, +3.0",
    "Bering Standard Time,BET,-11.0",
    "Brazil Zone 2,BZT2,-3.0",
    "British Double Summer Time,BDST,+2.0",
    "British Summer Time,BST,+1.0",
    "British War Time,BWT,+2.0",
    "Central Daylight Time,CDT,-5.0",
    "Central European Daylight,CED,+2.0",
    "Central European Time,CET,+1.0",
    "Central Standard Time,CST,-6.0",
    "Central War Time,CWT,-5.0",
    "China Coast Time,CCT,+8.0",
    "Eastern Daylight Time,EDT,-4.0",
    "Eastern European Daylight Time,EED,+3.0",
    "Eastern European Time,EET,+2.0",
    "Eastern Standard Time,EST,-5.0",
    "Eastern War Time,EWT,-4.0",
    "Greenwich Mean Time,GMT,0.0",
    "Guam Standard Time,GST,+10.0",
    "Hawaiian Daylight Time,HDT,-9.5",
    "Hawaiian Standard Time,HST,-10.5",
    "Hawaiian War Time,HWT,-9.5",
    "Indian Time, IST, +5.3",
    "Int'l Date Line East,IDLE,+12.0",
    "Int'l Date Line West,IDLW,-12.0",
    "Iran Time, IT, +3.5",
    "Japan Standard Time,JST,+9.0",
    "Java Time, JT, +7.5",
    "Middle European Daylight Time,MED,+2.0",
    "Middle European Time,MET,+1.0",
    "Moluccas Time, MT, +8.5",
    "Mountain Daylight Time,MDT,-6.0",
    "Mountain Standard Time,MST,-7.0",
    "Mountain War Time,MWT,-6.0",
    "New Zealand Std Summer Time,NZST,+13.0",
    "New Zealand Std Time,NZT,+12.0",
    "New Zealand Summer Time,NZS,+12.5",
    "New Zealand Time,NZ,+11.5",
    "Newfoundland Standard Time,NST,-3.5",
    "Nome Time, NT, -11.0",
    "North Sumatra Time,NST,+6.5",
    "Pacific Daylight Time,PDT,-7.0",
    "Pacific Standard Time,PST,-8.0",
    "Pacific War Time,PWT,-7.0",
    "South Australia Daylight Time,SAD,+10.5",
    "South Australia Daylight Time,SDT,+10.5",
    "South Australia Standard Time,SAST,+9.5",
    "South Australia Standard Time,SAT,+9.5",
    "South Sumatra Time,SST,+7.0",
    "Universal Time, UT, 0.0",
    "USSR Zone 10,UZ10,+11.0",
    "USSR Zone 3,USZ3,+4.0",
    "USSR Zone 4,USZ4,+5.0",
    "USSR Zone 5,USZ5,+6.0",
    "USSR Zone 6,USZ6,+7.0",
    "West Africa Time,WAT,-1.0",
    "Yukon Daylight Time,YDT,-8.0",
    "Yukon Standard Time,YST,-9.0",
    "Yukon War Time,YWT,-8.0",
};

// Digits with leading zeros dropped; "0" for none.
std::string PlainDigits(const std::string& digits) {
    const auto first = digits.find_first_not_of('0');
    return first == std::string::npos ? "0" : digits.substr(first);
}

// A stated part (whole hours or minutes) as the boxes hold it: the picker's
// mark when the zone is ahead of universal time; zero carries no mark.
std::string Reversed(bool statedNegative, const std::string& magnitude) {
    if (magnitude == "0" || statedNegative)
        return magnitude;
    return PickerZone::WithMark(magnitude);
}

} // namespace

ZoneRow ZoneRowFromText(const std::string& rowText) {
    const auto comma = rowText.rfind(',');
    std::size_t i = comma == std::string::npos ? 0 : comma + 1;
    while (i < rowText.size() && rowText[i] == ' ')
        ++i;
    bool negative = false;
    if (i < rowText.size() && (rowText[i] == '+' || rowText[i] == '-'))
        negative = rowText[i++] == '-';
    std::string whole;
    for (; i < rowText.size() && rowText[i] >= '0' && rowText[i] <= '9'; ++i)
        whole += rowText[i];
    bool fraction = false;
    if (i < rowText.size() && rowText[i] == '.')
        for (++i; i < rowText.size() && rowText[i] >= '0' && rowText[i] <= '9'; ++i)
            fraction = fraction || rowText[i] != '0';
    return ZoneRow{rowText, Reversed(negative, PlainDigits(whole)),
                   fraction ? Reversed(negative, "30") : "0"};
}

const std::vector<ZoneRow>& ZoneTable() {
    static const std::vector<ZoneRow> rows = [] {
        std::vector<ZoneRow> table;
        table.reserve(kZoneTexts.size());
        for (const char* text : kZoneTexts)
            table.push_back(ZoneRowFromText(text));
        return table;
    }();
    return rows;
}

} // namespace tivora
