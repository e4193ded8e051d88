// TextLayoutCache.cpp - a bounded, least recently used map of shaped Pango layouts.

#include "app/draw/TextLayoutCache.h"

#include <pango/pangocairo.h>

#include <algorithm>

namespace varnholt {

void AppendUtf8(std::wstring_view text, std::string& out) {
    for (const wchar_t wide : text) {
        auto code = static_cast<std::uint32_t>(wide);
        if (code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) code = 0xFFFD;
        if (code < 0x80) {
            out.push_back(static_cast<char>(code));
        } else if (code < 0x800) {
            out.push_back(static_cast<char>(0xC0 | (code >> 6)));
            out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
        } else if (code < 0x10000) {
            out.push_back(static_cast<char>(0xE0 | (code >> 12)));
            out.push_back(static_cast<char>(0x80 | ((code >> 6) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
        } else {
            out.push_back(static_cast<char>(0xF0 | (code >> 18)));
            out.push_back(static_cast<char>(0x80 | ((code >> 12) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | ((code >> 6) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
        }
    }
}

TextLayoutCache::TextLayoutCache(std::size_t capacity) : m_capacity(std::max<std::size_t>(capacity, 1)) {
    m_entries.reserve(m_capacity + 1);
}

TextLayoutCache::~TextLayoutCache() {
    Clear();
    if (m_context != nullptr) g_object_unref(m_context);
    if (m_options != nullptr) cairo_font_options_destroy(m_options);
}

void TextLayoutCache::Clear() {
    for (Entry& entry : m_order) g_object_unref(entry.shaped.layout);
    m_entries.clear();
    m_order.clear();
    m_text_bytes = 0;
}

void TextLayoutCache::Attach(cairo_t* cr) {
    // What Pango takes from a target: its font options (the surface's under the context's) and
    // its transformation without the translation. Updating the Pango context always counts as a
    // change to it, so it is updated only when one of these really changed.
    cairo_font_options_t* options = cairo_font_options_create();
    cairo_surface_get_font_options(cairo_get_target(cr), options);
    cairo_font_options_t* own = cairo_font_options_create();
    cairo_get_font_options(cr, own);
    cairo_font_options_merge(options, own);
    cairo_font_options_destroy(own);
    cairo_matrix_t scale;
    cairo_get_matrix(cr, &scale);
    scale.x0 = scale.y0 = 0.0;
    const bool same = m_context != nullptr && cairo_font_options_equal(options, m_options) && scale.xx == m_scale.xx &&
                      scale.yx == m_scale.yx && scale.xy == m_scale.xy && scale.yy == m_scale.yy;
    if (same) {
        cairo_font_options_destroy(options);
        return;
    }
    Clear();
    if (m_options != nullptr) cairo_font_options_destroy(m_options);
    m_options = options;
    m_scale = scale;
    if (m_context == nullptr) m_context = pango_cairo_create_context(cr);
    else pango_cairo_update_context(cr, m_context);
}

void TextLayoutCache::MakeKey(std::uint32_t font_id, std::string_view utf8) {
    m_probe.clear();
    m_probe.append(reinterpret_cast<const char*>(&font_id), sizeof font_id);
    m_probe.append(utf8);
}

const ShapedText* TextLayoutCache::Find() {
    const auto found = m_entries.find(std::string_view(m_probe));
    if (found == m_entries.end()) return nullptr;
    m_order.splice(m_order.begin(), m_order, found->second);
    return &found->second->shaped;
}

PangoLayout* TextLayoutCache::NewLayout(std::string_view utf8) {
    PangoLayout* layout = pango_layout_new(m_context);
    pango_layout_set_text(layout, utf8.data(), static_cast<int>(utf8.size()));
    return layout;
}

const ShapedText& TextLayoutCache::Insert(PangoLayout* layout) {
    ShapedText shaped{layout, {}, {}};
    pango_layout_get_pixel_extents(layout, &shaped.ink, &shaped.logical);  // shapes the line
    ++m_shaped;
    if (m_order.size() >= m_capacity) {
        Entry& oldest = m_order.back();
        m_entries.erase(std::string_view(oldest.key));
        m_text_bytes -= oldest.key.size();
        g_object_unref(oldest.shaped.layout);
        m_order.pop_back();
    }
    m_order.push_front(Entry{m_probe, shaped});
    m_text_bytes += m_probe.size();
    m_entries.emplace(std::string_view(m_order.front().key), m_order.begin());
    return m_order.front().shaped;
}

}  // namespace varnholt
