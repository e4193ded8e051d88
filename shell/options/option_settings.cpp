// option_settings.cpp - the option pages' settings, read for display and stored on OK.

#include "shell/options/option_settings.h"

#include "layouts/settings_file.h"
#include "model/display_settings.h"
#include "shell/options/option_conversions.h"
#include "shell/ui_text.h"

#include <algorithm>

namespace varnholt {

UnitsChoice CurrentUnitsChoice() {
    const UnitDisplaySettings& active = display_settings().active;
    return {UnitTimeName(active.duration_UnitOfTime), DecimalsText(active.duration_Decimals),
            active.duration_ShowDurationLabel,        UnitTimeName(active.unit_UnitOfTime),
            DecimalsText(active.unit_Decimals),       active.unit_ShowDurationLabel};
}

bool StoreUnitsChoice(const UnitsChoice& choice) {
    UnitDisplaySettings& active = display_settings().active;
    active.duration_UnitOfTime = UnitTimeCode(choice.duration_unit);
    active.duration_Decimals = DecimalsCode(choice.duration_decimals);
    active.duration_ShowDurationLabel = choice.duration_label;
    active.unit_UnitOfTime = UnitTimeCode(choice.unit_unit);
    active.unit_Decimals = DecimalsCode(choice.unit_decimals);
    active.unit_ShowDurationLabel = choice.unit_label;
    display_settings().SaveActive();
    return SaveSettingsFile();
}

bool StoreRememberChanges(bool remember) {
    layout_settings().layout_rememberChanges = remember;
    return SaveSettingsFile();
}

GridlinesChoice CurrentGridlinesChoice() {
    const LayoutSettings& settings = layout_settings();
    GridlinesChoice choice;
    const std::vector<std::int32_t> offered = OfferedScaleCodes();
    if (std::ranges::find(offered, settings.gridlines_VerticalScale) != offered.end()) {
        choice.vertical_scale = ScaleName(settings.gridlines_VerticalScale);
    }
    choice.vertical_enabled = settings.gridlines_VerticalEnabled;
    choice.horizontal_interval = std::to_wstring(settings.gridlines_HorizontalScale);
    choice.horizontal_enabled = settings.gridlines_HorizontalEnabled;
    return choice;
}

bool StoreGridlinesChoice(const GridlinesChoice& choice) {
    LayoutSettings& settings = layout_settings();
    if (choice.vertical_scale) settings.gridlines_VerticalScale = ScaleCode(*choice.vertical_scale);
    settings.gridlines_VerticalEnabled = choice.vertical_enabled;
    settings.gridlines_HorizontalScale = HorizontalIntervalFromText(choice.horizontal_interval);
    settings.gridlines_HorizontalEnabled = choice.horizontal_enabled;
    return SaveSettingsFile();
}

std::optional<int> LanguageEntryOf(std::wstring_view stored_code) {
    if (stored_code == L"ENU") return 0;
    if (stored_code == L"FRA") return 1;
    return std::nullopt;
}

std::optional<std::wstring> LanguageCodeToWrite(std::wstring_view stored_code,
                                                const std::optional<std::wstring>& selected_text) {
    if (!selected_text) return std::nullopt;
    std::wstring code = *selected_text == LoadText(IDS_LANGUAGE_FRENCH) ? L"FRA" : L"ENU";
    if (code == stored_code) return std::nullopt;
    return code;
}

}  // namespace varnholt
