// option_conversions.cpp - unit, decimals and scale names, and the typed interval.

#include "shell/options/option_conversions.h"

#include "model/number_text.h"
#include "model/text_utils.h"
#include "shell/ui_text.h"

#include <algorithm>
#include <array>
#include <utility>

namespace varnholt {
namespace {

constexpr std::array<StringId, 5> kUnitNames = {IDS_UNIT_HOUR, IDS_UNIT_DAY, IDS_UNIT_WEEK, IDS_UNIT_MONTH,
                                                IDS_UNIT_YEAR};
constexpr std::array<std::pair<std::int32_t, StringId>, 6> kScaleNames = {{
    {1, IDS_UNIT_QUARTER}, {2, IDS_UNIT_MONTH}, {4, IDS_UNIT_WEEK},
    {5, IDS_UNIT_DAY},     {7, IDS_UNIT_SHIFT}, {8, IDS_UNIT_HOUR},
}};
constexpr std::array<const wchar_t*, 3> kDecimals = {L"0", L"1", L"2"};

}  // namespace

std::wstring UnitTimeName(std::int32_t code) {
    if (code < 0 || code >= static_cast<std::int32_t>(kUnitNames.size())) return LoadText(IDS_UNIT_HOUR);
    return LoadText(kUnitNames[static_cast<std::size_t>(code)]);
}

std::int32_t UnitTimeCode(std::wstring_view name) {
    for (std::size_t code = 0; code < kUnitNames.size(); ++code) {
        if (equals_no_case(name, LoadText(kUnitNames[code]))) return static_cast<std::int32_t>(code);
    }
    return 1;
}

std::vector<std::wstring> UnitTimeNames() {
    std::vector<std::wstring> names;
    for (const StringId id : kUnitNames) names.push_back(LoadText(id));
    return names;
}

std::wstring DecimalsText(std::int32_t code) {
    if (code < 1 || code > 3) return kDecimals[0];
    return kDecimals[static_cast<std::size_t>(code - 1)];
}

std::int32_t DecimalsCode(std::wstring_view text) {
    for (std::size_t index = 0; index < kDecimals.size(); ++index) {
        if (text == kDecimals[index]) return static_cast<std::int32_t>(index + 1);
    }
    return 1;
}

std::vector<std::wstring> DecimalsTexts() { return {kDecimals.begin(), kDecimals.end()}; }

std::wstring ScaleName(std::int32_t code) {
    for (const auto& [scale, id] : kScaleNames) {
        if (scale == code) return LoadText(id);
    }
    return LoadText(IDS_UNIT_MONTH);
}

std::int32_t ScaleCode(std::wstring_view name) {
    for (const auto& [scale, id] : kScaleNames) {
        if (equals_no_case(name, LoadText(id))) return scale;
    }
    return 2;
}

std::vector<std::int32_t> OfferedScaleCodes() { return {5, 4, 2}; }

std::uint32_t HorizontalIntervalFromText(std::wstring_view text) {
    return static_cast<std::uint32_t>(std::clamp(int_from_text(text), 1, 100));
}

}  // namespace varnholt
