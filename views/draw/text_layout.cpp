// text_layout.cpp - line breaking, placing and ellipsis of drawn text.

#include "views/draw/text_layout.h"

#include "views/draw/DrawContext.h"

#include <algorithm>

namespace varnholt::view {
namespace {

constexpr std::wstring_view kEllipsis = L"...";

bool IsBlank(wchar_t c) { return c == L' ' || c == L'\t'; }

// At most `limit` paragraphs: each takes a line at least.
std::vector<std::wstring_view> SplitParagraphs(std::wstring_view text, std::size_t limit) {
    std::vector<std::wstring_view> paragraphs;
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (paragraphs.size() == limit) return paragraphs;
        if (text[i] != L'\r' && text[i] != L'\n') continue;
        paragraphs.push_back(text.substr(start, i - start));
        if (text[i] == L'\r' && i + 1 < text.size() && text[i + 1] == L'\n') ++i;
        start = i + 1;
    }
    paragraphs.push_back(text.substr(start));
    return paragraphs;
}

// Greedy wrap at blanks: a line takes words while it fits; a word wider than the rectangle
// stands alone and is clipped. Blanks at a break are dropped; a paragraph's leading blanks stay.
// Stops once `lines` holds max_lines. The number of words a line takes is found by doubling,
// then halving, so a line costs a few measures rather than one per word (a measure is a text
// layout on a real device).
void WrapParagraph(std::wstring_view paragraph, std::int32_t width, const MeasureLine& measure,
                   std::vector<std::wstring>& lines, std::size_t max_lines) {
    const auto skip_blanks = [&](std::size_t i) {
        while (i < paragraph.size() && IsBlank(paragraph[i])) ++i;
        return i;
    };
    if (skip_blanks(0) == paragraph.size()) {
        lines.emplace_back();
        return;
    }
    std::vector<std::size_t> ends;  // where the line's candidate words end, found as needed
    std::size_t start = 0;
    while (start < paragraph.size() && lines.size() < max_lines) {
        ends.clear();
        std::size_t scan = start;
        const auto has_word = [&](std::size_t k) {  // whether the line has a word k (from 0)
            while (ends.size() <= k) {
                scan = skip_blanks(scan);
                if (scan == paragraph.size()) return false;
                while (scan < paragraph.size() && !IsBlank(paragraph[scan])) ++scan;
                ends.push_back(scan);
            }
            return true;
        };
        const auto fits = [&](std::size_t k) {
            return measure(paragraph.substr(start, ends[k] - start)).width <= width;
        };
        (void)has_word(0);
        std::size_t good = 0;  // the line takes words 0..good; the first word stands even when too wide
        std::size_t bad = 0;   // the first count known not to fit; 0 while unknown
        for (std::size_t step = 1; bad == 0; step *= 2) {
            if (has_word(good + step)) {
                if (fits(good + step)) good += step;
                else bad = good + step;
                continue;
            }
            const std::size_t last = ends.size() - 1;  // fewer words are left: try them all
            if (last > good && fits(last)) good = last;
            bad = last > good ? last : good + 1;
        }
        while (bad - good > 1) {
            const std::size_t middle = good + (bad - good) / 2;
            if (fits(middle)) good = middle;
            else bad = middle;
        }
        lines.emplace_back(paragraph.substr(start, ends[good] - start));
        start = skip_blanks(ends[good]);
    }
}

// The longest start of the line that fits with "..." after it; the dots themselves are cut
// when not even they fit, so the result never leaves the rectangle.
std::wstring Ellipsize(const std::wstring& line, std::int32_t width, const MeasureLine& measure) {
    if (measure(line).width <= width) return line;
    auto with_dots = [&](std::size_t keep) {
        std::wstring_view head = std::wstring_view(line).substr(0, keep);
        while (!head.empty() && IsBlank(head.back())) head.remove_suffix(1);
        return std::wstring(head) + std::wstring(kEllipsis);
    };
    std::size_t low = 0;  // with_dots(low) is the best known to fit, once `fits`
    std::size_t high = line.size();
    bool fits = measure(with_dots(0)).width <= width;
    if (!fits) {
        for (std::size_t dots = kEllipsis.size(); dots-- > 0;) {
            std::wstring shorter(kEllipsis.substr(0, dots));
            if (shorter.empty() || measure(shorter).width <= width) return shorter;
        }
    }
    while (high - low > 1) {  // measured widths grow with the kept length
        const std::size_t middle = low + (high - low) / 2;
        if (measure(with_dots(middle)).width <= width) low = middle;
        else high = middle;
    }
    return with_dots(low);
}

}  // namespace

std::vector<LaidOutLine> LayOutText(std::wstring_view text, std::uint32_t format, DeviceRect rect,
                                    const MeasureLine& measure) {
    std::vector<LaidOutLine> out;
    if (text.empty() || rect.IsEmpty()) return out;
    const std::int32_t width = rect.right - rect.left;
    const std::int32_t height = rect.bottom - rect.top;
    const bool single_line = (format & kTextSingleLine) != 0;

    std::vector<std::wstring> lines;
    if (single_line) {
        std::wstring line(text);
        std::replace_if(line.begin(), line.end(), [](wchar_t c) { return c == L'\r' || c == L'\n'; }, L' ');
        lines.push_back(std::move(line));
    } else {
        // Lines below the rectangle are never drawn: a long text is split and wrapped only as
        // far as the rectangle reaches, so it lays out as fast as a short one.
        const std::size_t max_lines = static_cast<std::size_t>(height / std::max(1, measure(L"Ag").height)) + 1;
        for (const auto paragraph : SplitParagraphs(text, max_lines)) {
            if (lines.size() >= max_lines) break;
            if ((format & kTextWordBreak) != 0) WrapParagraph(paragraph, width, measure, lines, max_lines);
            else lines.emplace_back(paragraph);
        }
    }

    // Measuring costs a text layout on a real device: the line height only when more than
    // one line or a vertical placement needs it, a line's width only to centre or right-align it.
    const bool placed_vertically = single_line && (format & (kTextVCenter | kTextBottom)) != 0;
    const std::int32_t line_height = lines.size() > 1 || placed_vertically ? std::max(1, measure(L"Ag").height) : 0;
    const bool aligned = (format & (kTextCenter | kTextRight)) != 0;
    std::int32_t top = rect.top;
    if (single_line && (format & kTextVCenter) != 0) top = rect.top + (height - line_height) / 2;
    else if (single_line && (format & kTextBottom) != 0) top = rect.bottom - line_height;

    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::int64_t y = std::int64_t{top} + std::int64_t{line_height} * static_cast<std::int64_t>(i);
        if (i > 0 && y >= rect.bottom) break;  // cut at the bottom; a partly visible line is clipped
        std::wstring line = (format & kTextWordEllipsis) != 0 ? Ellipsize(lines[i], width, measure) : lines[i];
        if (line.empty()) continue;
        const std::int32_t line_width = aligned ? measure(line).width : 0;
        std::int32_t x = rect.left;
        if ((format & kTextCenter) != 0) x = rect.left + (width - line_width) / 2;
        else if ((format & kTextRight) != 0) x = rect.right - line_width;
        out.push_back({DevicePoint{x, static_cast<std::int32_t>(y)}, std::move(line)});
    }
    return out;
}

}  // namespace varnholt::view
