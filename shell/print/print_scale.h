// print_scale.h - the scale a job prints at and the messages the page set-up shows: a scale
// below 20 % warns, a scale of 0 (nothing fitted) prints at 100 % instead, a column wider
// than the page and more than 50 pages are reported. Messages are ids with their argument;
// the shell puts them into words and shows them after the set-up has returned.
#pragma once

#include "shell/print/pagination.h"
#include "shell/print/page_setup.h"
#include "shell/string_ids.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace varnholt::print {

struct PrintMessage {
    StringId id = 0;
    std::optional<std::int64_t> argument;  // the one number the text takes
    friend bool operator==(const PrintMessage&, const PrintMessage&) = default;
};

// Warn below 20 %; more than 50 pages warns as well.
inline constexpr float kSmallPrintScale = 0.2f;
inline constexpr std::int32_t kManyPages = 50;

// The scale of the settings: a fixed scale, the fitted one, or 1.0. Then the checks: below
// 20 % message 214; 0 (or a scale that is not a usable number) becomes 1.0 with message 215.
[[nodiscard]] float ChoosePrintScale(const PrintSettings& settings, PrintMeasure& measure, const PageGeometry& page,
                                     std::vector<PrintMessage>& messages);

// The whole set-up of a job after the page was measured: the scale, then the pages counted at
// it. The scale in force before stays in force afterwards. Messages 216 and 217 as the count
// asks.
struct JobPlan {
    float scale = 1.0f;
    Pagination pagination;
    std::int32_t pages = 1;  // the highest page
    std::vector<PrintMessage> messages;
};
[[nodiscard]] JobPlan PlanPrintJob(const PrintSettings& settings, PrintMeasure& measure, const PageGeometry& page);

}  // namespace varnholt::print
