// option_settings.h - what the option pages show and what their OK stores. Each store
// function sets its settings and writes Settings.cfg at once; the language goes to the
// registry, so only the decision of what to write lives here.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace varnholt {

// The Units page's controls: the selected texts and the check boxes.
struct UnitsChoice {
    std::wstring duration_unit;
    std::wstring duration_decimals;
    bool duration_label = false;
    std::wstring unit_unit;
    std::wstring unit_decimals;
    bool unit_label = false;
};
// The settings in effect as the page shows them.
[[nodiscard]] UnitsChoice CurrentUnitsChoice();
// The six settings both in effect and stored; false when Settings.cfg could not be written.
bool StoreUnitsChoice(const UnitsChoice& choice);

bool StoreRememberChanges(bool remember);

// The Gridlines page's controls. A scale list without a selection keeps the stored scale.
struct GridlinesChoice {
    std::optional<std::wstring> vertical_scale;
    bool vertical_enabled = true;
    std::wstring horizontal_interval;
    bool horizontal_enabled = true;
};
[[nodiscard]] GridlinesChoice CurrentGridlinesChoice();  // the scale only when it is offered
bool StoreGridlinesChoice(const GridlinesChoice& choice);

// The Language page: the entry of a stored code (0 English, 1 French, none for any other),
// and the code to write for the selected entry's text, if any. Nothing is written when the
// list has no selection or the code is the stored one.
[[nodiscard]] std::optional<int> LanguageEntryOf(std::wstring_view stored_code);
[[nodiscard]] std::optional<std::wstring> LanguageCodeToWrite(std::wstring_view stored_code,
                                                              const std::optional<std::wstring>& selected_text);

}  // namespace varnholt
