// print_dialog_rules.h - the print-settings dialog's rules without its controls: how typed
// numbers read, the margin steps, the scale shown, where the page sample sits and where its
// margin lines go, the date range clamped to the chart, and the four date checks. Numbers are
// read and written without the locale.
#pragma once

#include "model/s_date.h"
#include "shell/print/PrintSettings.h"
#include "shell/print/page_tiles.h"
#include "shell/string_ids.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace varnholt::print {

// A leading decimal number ("12abc" reads 12, "1.5" 1.5), else 0. Blanks before it are
// skipped; "nan" and "inf" are not numbers; one too large for a double reads as an infinity.
[[nodiscard]] double ParseLeadingNumber(std::wstring_view text);
// A leading whole number, saturated to the int range, else 0.
[[nodiscard]] std::int32_t ParseLeadingInteger(std::wstring_view text);

// "%.1f" without the locale.
[[nodiscard]] std::wstring FormatMargin(double inches);

// One spin click on a margin edit: the text plus delta / 10. The new text, or none when the
// value would leave 0..bound.
[[nodiscard]] std::optional<std::wstring> StepMargin(std::wstring_view text, std::int32_t delta, float bound);

// The scale as a whole percent, half rounded up.
[[nodiscard]] std::int32_t ShownScalePercent(float scale);
// The typed percent as a scale; a negative or unreadable one is 0, which printing reports.
[[nodiscard]] float ScaleFromPercentText(std::wstring_view text);
// A typed margin; below 0 (or unreadable) it is 0.
[[nodiscard]] float MarginFromText(std::wstring_view text);

// The page sample: 147 × 104 for a landscape page, else 100 × 112, centred in the free area
// right of `left_spin`, left of `right_edit`, below `top_edit` and above `bottom_edit`.
struct ControlEdges {
    std::int32_t left_spin_right = 0;
    std::int32_t right_edit_left = 0;
    std::int32_t top_edit_bottom = 0;
    std::int32_t bottom_edit_top = 0;
};
[[nodiscard]] PixelRect PlaceSample(const ControlEdges& edges, float page_width, float page_height);

// The four margin lines inside the sample; none before the first print, when the page size is
// unknown (the sample shows its outline only).
struct MarginLines {
    std::int32_t top_y = 0;
    std::int32_t bottom_y = 0;
    std::int32_t left_x = 0;
    std::int32_t right_x = 0;
};
struct MarginInches {
    double left = 0, right = 0, top = 0, bottom = 0;
};
[[nodiscard]] std::optional<MarginLines> PlaceMarginLines(const PixelRect& sample, const MarginInches& margins,
                                                          float page_width, float page_height);

// Raises an empty or early start to the chart's first date and lowers an empty or late end to
// its last date; each keeps its blank flag.
void ClampDateRange(PrintSettings& settings, const s_date& chart_first, const s_date& chart_last);

// The date checks of the options page: the message to show, or none.
[[nodiscard]] std::optional<StringId> CheckStartBeforeChart(const s_date& picked_start, const s_date& chart_first);
[[nodiscard]] std::optional<StringId> CheckStartAfterEnd(const s_date& picked_start, const s_date& picked_end);
[[nodiscard]] std::optional<StringId> CheckEndAfterChart(const s_date& picked_end, const s_date& chart_last);
[[nodiscard]] std::optional<StringId> CheckEndBeforeStart(const s_date& picked_end, const s_date& picked_start);

}  // namespace varnholt::print
