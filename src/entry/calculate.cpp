#include "entry/calculate.h"

#include "engine/ephemeris.h"

namespace tivora {

std::optional<EntryMessage> CalculateChart(const BirthEntry& entry, ChartRecord& chart,
                                           bool zoneBehind) {
    if (auto message = ValidateInput(entry))
        return message;
    WriteBirthData(entry, chart);
    if (zoneBehind)
        chart.ZoneDirection = ZoneDirection::West;
    CalculateAscendant(chart);
    return std::nullopt;
}

std::optional<EntryMessage> Calculate(const BirthEntry& entry, ChartRecord& chart,
                                      SignInformation& signs, bool zoneBehind) {
    if (auto message = CalculateChart(entry, chart, zoneBehind))
        return message;
    SelectSignInformation(LagnaSignOf(chart.AscendantText), signs);
    return std::nullopt;
}

} // namespace tivora
