// print_dialog_rules.cpp - typed numbers, margin steps, the page sample and the date checks.

#include "shell/print/print_dialog_rules.h"

#include "model/number_text.h"

#include <charconv>
#include <cmath>
#include <string>

namespace varnholt::print {
namespace {

// Steps may land a rounding error beyond a bound they reach exactly ("2.9" + 0.1).
constexpr double kStepTolerance = 1e-6;

}  // namespace

// Typed numbers read as the numbers of a schedule file do: the leading number, never the locale.
double ParseLeadingNumber(std::wstring_view text) { return number_from_text(text); }

std::int32_t ParseLeadingInteger(std::wstring_view text) { return int_from_text(text); }

std::wstring FormatMargin(double inches) {
    char buffer[64];
    const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, inches, std::chars_format::fixed, 1);
    if (error != std::errc{}) return L"0.0";
    return std::wstring(buffer, end);
}

std::optional<std::wstring> StepMargin(std::wstring_view text, std::int32_t delta, float bound) {
    const double value = ParseLeadingNumber(text) + static_cast<double>(delta) / 10.0;
    if (!(value >= -kStepTolerance) || !(value <= static_cast<double>(bound) + kStepTolerance)) return std::nullopt;
    return FormatMargin(std::max(value, 0.0));
}

std::int32_t ShownScalePercent(float scale) {
    return truncate_to_int32(std::floor(static_cast<double>(scale) * 100.0 + 0.5));
}

float ScaleFromPercentText(std::wstring_view text) {
    const auto scale = static_cast<float>(ParseLeadingNumber(text) / 100.0);
    if (!std::isfinite(scale) || scale < 0.0f) return 0.0f;
    return scale;
}

float MarginFromText(std::wstring_view text) {
    const auto margin = static_cast<float>(ParseLeadingNumber(text));
    if (!std::isfinite(margin) || margin < 0.0f) return 0.0f;
    return margin;
}

PixelRect PlaceSample(const ControlEdges& edges, float page_width, float page_height) {
    const bool landscape = page_height < page_width;
    const std::int32_t width = landscape ? 147 : 100;
    const std::int32_t height = landscape ? 104 : 112;
    const std::int32_t inset_x = (edges.right_edit_left - edges.left_spin_right - width) / 2;
    const std::int32_t inset_y = (edges.bottom_edit_top - edges.top_edit_bottom - height) / 2;
    const std::int32_t left = edges.left_spin_right + inset_x;
    const std::int32_t top = edges.top_edit_bottom + inset_y;
    return {left, top, edges.right_edit_left - inset_x - left, edges.bottom_edit_top - inset_y - top};
}

std::optional<MarginLines> PlaceMarginLines(const PixelRect& sample, const MarginInches& margins, float page_width,
                                            float page_height) {
    if (!(page_width > 0.0f) || !(page_height > 0.0f)) return std::nullopt;
    const auto round = [](double value) { return truncate_to_int32(value + 0.5); };
    const double w = sample.width, h = sample.height;
    const std::int32_t right = sample.x + sample.width;
    const std::int32_t bottom = sample.y + sample.height;
    return MarginLines{sample.y + round(margins.top * h / page_height),
                       bottom - 1 - round(margins.bottom * h / page_height),
                       sample.x + round(margins.left * w / page_width),
                       right - 1 - round(margins.right * w / page_width)};
}

void ClampDateRange(PrintSettings& settings, const s_date& chart_first, const s_date& chart_last) {
    if (settings.startDate.seconds < chart_first.seconds) settings.startDate = chart_first;
    if (settings.endDate.seconds > chart_last.seconds || settings.endDate.seconds == 0) settings.endDate = chart_last;
}

std::optional<StringId> CheckStartBeforeChart(const s_date& picked_start, const s_date& chart_first) {
    if (picked_start.seconds < chart_first.seconds) return IDS_START_BEFORE_CHART;
    return std::nullopt;
}

std::optional<StringId> CheckStartAfterEnd(const s_date& picked_start, const s_date& picked_end) {
    if (picked_start.seconds > picked_end.seconds) return IDS_START_AFTER_END;
    return std::nullopt;
}

std::optional<StringId> CheckEndAfterChart(const s_date& picked_end, const s_date& chart_last) {
    if (picked_end.seconds > chart_last.seconds) return IDS_END_AFTER_CHART;
    return std::nullopt;
}

std::optional<StringId> CheckEndBeforeStart(const s_date& picked_end, const s_date& picked_start) {
    if (picked_end.seconds < picked_start.seconds) return IDS_END_BEFORE_START;
    return std::nullopt;
}

}  // namespace varnholt::print
