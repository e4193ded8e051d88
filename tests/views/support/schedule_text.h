// schedule_text.h - what the table, tree and sub-table fixtures share: an XER text built from
// its record lines, the process-wide state each view test starts and ends with, and matchers
// over a recorded paint's lines.
#pragma once

#include "columns/ColumnCatalog.h"
#include "model/CaptionCatalog.h"
#include "model/number_formats.h"
#include "rows/display_scale.h"

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

namespace varnholt::view::test_support {

// A schedule file: the export header, then the lines as given.
inline std::string ScheduleText(std::initializer_list<std::string_view> lines) {
    std::string text = "ERMHDR\t8.0\t2024-01-02 10:30\tProject\tadmin\tAdmin\tdb\tPM\tUSD\n";
    for (const std::string_view line : lines) (text += line) += '\n';
    return text;
}

// English captions, the built-in columns, default formats and scale 1; LeaveViewTest undoes it.
inline void EnterViewTest() {
    CaptionCatalog::Instance().Reset();
    CaptionCatalog::Instance().ChooseLanguage(L"ENU");
    ColumnCatalog::Instance().BuildAllColumns();
    ResetValueFormats();
    DisplayScale() = 1.0f;
}
inline void LeaveViewTest() {
    DisplayScale() = 1.0f;
    ResetValueFormats();
    ColumnCatalog::Instance().Reset();
    CaptionCatalog::Instance().Reset();
}

inline std::size_t CountPart(const std::vector<std::string>& lines, std::string_view part) {
    return static_cast<std::size_t>(
        std::count_if(lines.begin(), lines.end(), [&](const std::string& l) { return l.find(part) != l.npos; }));
}
inline bool HasPart(const std::vector<std::string>& lines, std::string_view part) {
    return CountPart(lines, part) != 0;
}

}  // namespace varnholt::view::test_support
