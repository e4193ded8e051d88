// info_page.h - what the File page's Info page shows of the open schedule, and the size of
// the window's miniature on it.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace varnholt {

namespace document {
class Document;
}

struct InfoPageTexts {
    std::wstring title;                 // the file's name, or the "no schedule" text
    std::wstring path;                  // the full path; empty without a schedule
    std::array<std::wstring, 5> header; // version, export date and three more header values
};

// A workbook has no header line, so its header fields stay empty.
[[nodiscard]] InfoPageTexts InfoTextsFor(const document::Document* schedule, const std::wstring& path);

struct MiniatureSize {
    std::int32_t width = 0;
    std::int32_t height = 0;
    friend bool operator==(const MiniatureSize&, const MiniatureSize&) = default;
};
// The screenshot scaled to fit the space, keeping its proportions; none for an empty
// screenshot or space.
[[nodiscard]] std::optional<MiniatureSize> FitMiniature(std::int32_t space_width, std::int32_t space_height,
                                                        std::int32_t shot_width, std::int32_t shot_height);

// Measures a text's width in pixels.
using MeasureWidth = std::function<std::int32_t(std::wstring_view)>;

// The file's name or path broken into lines no wider than `width`, so that it shows whole in
// a narrow place or with large text. A line ends after a blank, a path separator, a hyphen or an
// underscore where it can; a piece wider than the whole width breaks between characters. The
// blanks at a break are dropped; every other character stays, in order. Each line holds one
// character at least, however narrow the width.
[[nodiscard]] std::vector<std::wstring> BreakIntoLines(std::wstring_view text, std::int32_t width,
                                                       const MeasureWidth& measure);

}  // namespace varnholt
