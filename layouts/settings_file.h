// settings_file.h - the eleven program-wide display settings and their file, Settings.cfg in the
// per-user data folder. The six unit and duration settings live in the model's display
// settings (a saved and an active value each); the other five are here.
//
// The file is 8-bit text, one "key:value" token per line (TAB also separates tokens on
// reading), the eleven keys always written in one fixed order.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace varnholt {

struct LayoutSettings {
    bool layout_rememberChanges = true;         // layouts take their columns from _columns.cfg
    std::int32_t gridlines_VerticalScale = 2;   // unit of the Gantt chart's vertical grid lines
    std::uint32_t gridlines_HorizontalScale = 5;  // rows between two horizontal grid lines; >= 1
    bool gridlines_VerticalEnabled = true;
    bool gridlines_HorizontalEnabled = true;

    friend bool operator==(const LayoutSettings&, const LayoutSettings&) = default;
};

[[nodiscard]] LayoutSettings& layout_settings();
void ResetLayoutSettings();

// Applies the tokens of a settings file's bytes in file order: a key that occurs twice takes
// the later value, a key that does not occur keeps its setting, anything malformed is skipped.
void ApplySettingsText(std::string_view file_bytes);
// The whole file as the writer writes it: eleven lines in the fixed order, CR LF line ends, the
// saved values of the unit and duration settings.
[[nodiscard]] std::string SettingsFileText();

// The data folder's Settings.cfg; empty when there is no data folder.
[[nodiscard]] std::wstring SettingsFilePath();
// Reads Settings.cfg when it can be read; otherwise every setting stays as it is.
void LoadSettingsFile();
// Writes all eleven settings, replacing the file whole; false when it could not be written, and
// the old file then stays as it was.
bool SaveSettingsFile();

// Undoes what the previous schedule changed of the display for itself: the active unit and
// duration settings go back to the saved ones, percentages back to no decimals and the
// number formats back to ".", "," and "$" until the new file names its currency. Each open
// does this before it loads, so a file always shows the same whatever was open before it.
void RestoreSavedDisplaySettings();

}  // namespace varnholt
