// info_page.cpp - the Info page's texts and miniature size.

#include "shell/info_page.h"

#include "model/Document.h"
#include "platform/user_paths.h"
#include "shell/ui_text.h"

#include <algorithm>
#include <cstddef>

namespace varnholt {
namespace {

bool IsBlank(wchar_t c) { return c == L' ' || c == L'\t'; }
bool EndsPiece(wchar_t c) { return IsBlank(c) || c == L'/' || c == L'\\' || c == L'-' || c == L'_'; }

// The largest of the ascending `ends` whose line from `start` fits, by bisection: widths grow
// with the length, and a measure costs a text layout. None when even the first does not fit.
std::optional<std::size_t> LongestFitting(std::wstring_view text, std::size_t start, const std::vector<std::size_t>& ends,
                                          std::int32_t width, const MeasureWidth& measure) {
    const auto fits = [&](std::size_t end) {
        std::wstring_view line = text.substr(start, end - start);
        while (!line.empty() && IsBlank(line.back())) line.remove_suffix(1);  // dropped at the break
        return measure(line) <= width;
    };
    std::size_t good = 0;  // ends[0..good) fit
    std::size_t bad = ends.size();
    while (good < bad) {
        const std::size_t middle = good + (bad - good) / 2;
        if (fits(ends[middle])) good = middle + 1;
        else bad = middle;
    }
    if (good == 0) return std::nullopt;
    return ends[good - 1];
}

}  // namespace

InfoPageTexts InfoTextsFor(const document::Document* schedule, const std::wstring& path) {
    InfoPageTexts texts;
    if (schedule == nullptr) {
        texts.title = LoadText(IDS_NO_SCHEDULE);
        return texts;
    }
    texts.title = ShownFileName(path);
    texts.path = ShownPath(path);
    if (schedule->IsXer()) {
        texts.header = {schedule->GetXerVersion().to_string(), schedule->GetExportDate().to_string(),
                        schedule->GetHeaderField3().to_string(), schedule->GetHeaderField4().to_string(),
                        schedule->GetHeaderField7().to_string()};
    }
    return texts;
}

std::optional<MiniatureSize> FitMiniature(std::int32_t space_width, std::int32_t space_height,
                                          std::int32_t shot_width, std::int32_t shot_height) {
    if (shot_width <= 0 || shot_height <= 0 || space_width <= 0 || space_height <= 0) return std::nullopt;
    const double scale = std::min(static_cast<double>(space_width) / shot_width,
                                  static_cast<double>(space_height) / shot_height);
    const auto width = static_cast<std::int32_t>(shot_width * scale);
    const auto height = static_cast<std::int32_t>(shot_height * scale);
    if (width <= 0 || height <= 0) return std::nullopt;
    return MiniatureSize{width, height};
}

std::vector<std::wstring> BreakIntoLines(std::wstring_view text, std::int32_t width, const MeasureWidth& measure) {
    std::vector<std::wstring> lines;
    std::vector<std::size_t> ends;
    std::size_t start = 0;
    while (start < text.size()) {
        ends.clear();
        for (std::size_t i = start; i < text.size(); ++i) {
            if (EndsPiece(text[i]) && !(i + 1 < text.size() && IsBlank(text[i + 1]))) ends.push_back(i + 1);
        }
        if (ends.empty() || ends.back() != text.size()) ends.push_back(text.size());
        std::optional<std::size_t> end = LongestFitting(text, start, ends, width, measure);
        if (!end) {
            // The first piece alone is too wide: as many of its characters as fit, one at least.
            std::vector<std::size_t> characters;
            for (std::size_t i = start + 1; i <= ends.front(); ++i) characters.push_back(i);
            end = LongestFitting(text, start, characters, width, measure).value_or(start + 1);
        }
        std::wstring_view line = text.substr(start, *end - start);
        while (!line.empty() && IsBlank(line.back())) line.remove_suffix(1);
        lines.emplace_back(line);
        start = *end;
        while (start < text.size() && IsBlank(text[start])) ++start;
    }
    return lines;
}

}  // namespace varnholt
