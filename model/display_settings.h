// display_settings.h - how durations and quantities are shown: time unit, decimals and unit
// label. The value displays read the active settings on every call; the settings file keeps
// the saved ones. A workbook may change the active settings for itself only, so its units
// never reach the settings file and the next open restores the user's choice.
#pragma once

#include <cstdint>

namespace varnholt {

// Time-unit codes shared by the settings and the duration and quantity displays.
inline constexpr std::int32_t kUnitHour = 0;
inline constexpr std::int32_t kUnitDay = 1;
inline constexpr std::int32_t kUnitWeek = 2;
inline constexpr std::int32_t kUnitMonth = 3;
inline constexpr std::int32_t kUnitYear = 4;

struct UnitDisplaySettings {
    std::int32_t duration_UnitOfTime = kUnitDay;  // also the "per" unit of quantities per time
    std::int32_t duration_Decimals = 1;           // 0 stored form, 1 none, 2 one, 3 two decimals
    bool duration_ShowDurationLabel = false;
    std::int32_t unit_UnitOfTime = kUnitDay;
    std::int32_t unit_Decimals = 1;               // also the decimals of prices
    bool unit_ShowDurationLabel = false;

    friend bool operator==(const UnitDisplaySettings&, const UnitDisplaySettings&) = default;
};

struct DisplaySettings {
    UnitDisplaySettings active;  // what the displays use now
    UnitDisplaySettings saved;   // what the settings file holds

    // The option page confirms its choices by making them the saved ones too.
    void SaveActive() { saved = active; }
};

[[nodiscard]] DisplaySettings& display_settings();
void ResetDisplaySettings();

}  // namespace varnholt
