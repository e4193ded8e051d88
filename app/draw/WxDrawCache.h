// WxDrawCache.h - fonts and pens for the wx drawing backend, made once and kept across paints:
// a table paint asks for the same few fonts and pens thousands of times, and sizing a font
// takes a measurement. Owned by whoever paints (a pane, a printout); one cache per kind of
// device, since a font's size is fitted on the device it is first used on.
#pragma once

#include "views/draw/Color.h"
#include "views/draw/FontBlock.h"

#include <wx/brush.h>
#include <wx/dc.h>
#include <wx/font.h>
#include <wx/pen.h>

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <tuple>
#include <utility>

namespace varnholt {

class TextLayoutCache;

[[nodiscard]] wxColour ToWxColour(view::Color color);

class WxDrawCache {
public:
    // The font of the block. A positive height is the cell height (ascent plus descent) in
    // pixels, as measured on `dc`; a negative one the character height; 0 the default size.
    [[nodiscard]] const wxFont& Font(const view::FontBlock& block, wxDC& dc);
    // The same font with a number of its own, which the text layouts are keyed by: two blocks
    // that differ in face, size, weight, slant, underline or strike-out never share one.
    struct NumberedFont {
        const wxFont& font;
        std::uint32_t id;
    };
    [[nodiscard]] NumberedFont FontWithId(const view::FontBlock& block, wxDC& dc);
    // A solid pen with flat ends, so a line covers exactly the pixels between its end points.
    [[nodiscard]] const wxPen& Pen(view::Color color, std::int32_t width);
    [[nodiscard]] const wxBrush& Brush(view::Color color);

    // The face a block's face is drawn with: "Calibri" becomes its metric twin "Carlito" when
    // the system has it; a face the system lacks becomes the default sans-serif face ("").
    [[nodiscard]] wxString ResolveFace(std::wstring_view face);

    // Shaped lines of text for the drawing paths that draw with Pango themselves.
    [[nodiscard]] TextLayoutCache& Layouts();

    WxDrawCache();
    WxDrawCache(const WxDrawCache&) = delete;
    WxDrawCache& operator=(const WxDrawCache&) = delete;
    ~WxDrawCache();

private:
    struct FontEntry {
        wxFont font;
        std::uint32_t id;
    };
    using FontKey = std::tuple<std::wstring, std::int32_t, std::int32_t, std::uint8_t, std::uint8_t, std::uint8_t>;
    std::map<FontKey, FontEntry> m_fonts;
    std::map<std::pair<std::uint32_t, std::int32_t>, wxPen> m_pens;
    std::map<std::uint32_t, wxBrush> m_brushes;
    std::map<std::wstring, wxString, std::less<>> m_faces;
    std::unique_ptr<TextLayoutCache> m_layouts;  // made on first use
};

}  // namespace varnholt
