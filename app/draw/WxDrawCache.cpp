// WxDrawCache.cpp - fonts fitted to their cell height, pens and brushes.

#include "app/draw/WxDrawCache.h"

#include "app/draw/TextLayoutCache.h"

#include <wx/fontenum.h>

#include <algorithm>
#include <cmath>

namespace varnholt {
namespace {

wxFont MakeFont(const wxString& face, std::int32_t pixel_height, const view::FontBlock& block) {
    wxFontInfo info(wxSize(0, std::max(1, pixel_height)));
    info.Family(wxFONTFAMILY_SWISS)
        .Weight(std::clamp<int>(block.weight, 100, 900))
        .Italic(block.italic != 0)
        .Underlined(block.underline != 0)
        .Strikethrough(block.strike_out != 0);
    if (!face.empty()) info.FaceName(face);
    return wxFont(info);
}

}  // namespace

wxColour ToWxColour(view::Color color) { return wxColour(color.GetRed(), color.GetGreen(), color.GetBlue()); }

WxDrawCache::WxDrawCache() = default;
WxDrawCache::~WxDrawCache() = default;

TextLayoutCache& WxDrawCache::Layouts() {
    if (!m_layouts) m_layouts = std::make_unique<TextLayoutCache>();
    return *m_layouts;
}

const wxFont& WxDrawCache::Font(const view::FontBlock& block, wxDC& dc) { return FontWithId(block, dc).font; }

wxString WxDrawCache::ResolveFace(std::wstring_view face) {
    if (const auto known = m_faces.find(face); known != m_faces.end()) return known->second;
    wxString wanted(face.data(), face.size());
    if (wanted.IsSameAs("Calibri", false)) wanted = "Carlito";
    const wxString resolved = !wanted.empty() && wxFontEnumerator::IsValidFacename(wanted) ? wanted : wxString();
    m_faces.emplace(std::wstring(face), resolved);
    return resolved;
}

WxDrawCache::NumberedFont WxDrawCache::FontWithId(const view::FontBlock& block, wxDC& dc) {
    FontKey key{std::wstring(block.Face()), block.height, block.weight, block.italic, block.underline,
                block.strike_out};
    if (const auto cached = m_fonts.find(key); cached != m_fonts.end())
        return {cached->second.font, cached->second.id};

    const wxString face = ResolveFace(block.Face());
    wxFont font;
    if (block.height == 0) {
        font = MakeFont(face, wxNORMAL_FONT->GetPixelSize().GetHeight(), block);
    } else if (block.height < 0) {
        font = MakeFont(face, -block.height, block);
    } else {
        // The toolkit sizes fonts by their em; fit the em so that the measured cell height
        // matches, correcting a pixel at a time for rounding.
        const std::int32_t target = block.height;
        std::int32_t em = target;
        font = MakeFont(face, em, block);
        const wxFont saved = dc.GetFont();
        dc.SetFont(font);
        const int measured = dc.GetCharHeight();
        if (measured > 0 && measured != target) {
            em = std::max(1, static_cast<std::int32_t>(std::lround(static_cast<double>(target) * target / measured)));
            for (int attempt = 0; attempt < 4; ++attempt) {
                font = MakeFont(face, em, block);
                dc.SetFont(font);
                const int height = dc.GetCharHeight();
                if (height == target || em <= 1) break;
                em += height < target ? 1 : -1;
            }
        }
        if (saved.IsOk()) dc.SetFont(saved);
    }
    const auto id = static_cast<std::uint32_t>(m_fonts.size());
    const FontEntry& entry = m_fonts.emplace(std::move(key), FontEntry{font, id}).first->second;
    return {entry.font, entry.id};
}

const wxPen& WxDrawCache::Pen(view::Color color, std::int32_t width) {
    // Views draw 1- and 2-pixel pens; a width beyond any page is cut rather than handed on.
    const auto key = std::make_pair(color.Word() & 0x00FFFFFF, std::clamp(width, 1, 1000));
    if (const auto cached = m_pens.find(key); cached != m_pens.end()) return cached->second;
    wxPen pen(ToWxColour(color), key.second, wxPENSTYLE_SOLID);
    pen.SetCap(wxCAP_BUTT);
    pen.SetJoin(wxJOIN_MITER);
    return m_pens.emplace(key, pen).first->second;
}

const wxBrush& WxDrawCache::Brush(view::Color color) {
    const std::uint32_t key = color.Word() & 0x00FFFFFF;
    if (const auto cached = m_brushes.find(key); cached != m_brushes.end()) return cached->second;
    return m_brushes.emplace(key, wxBrush(ToWxColour(color), wxBRUSHSTYLE_SOLID)).first->second;
}

}  // namespace varnholt
