// TextLayoutCache.h - shaped lines of text kept across paints. Shaping is most of what drawing a
// text costs, and a table paints the same few hundred strings every time it scrolls by a row,
// so each (font, text) pair is shaped once and reused until it falls out of the least recently
// used end. One cache per kind of target: the layouts belong to one Pango context, which follows
// the target's font options and transformation and drops every layout when they change.
#pragma once

#include <cairo.h>
#include <pango/pango-layout.h>

#include <cstddef>
#include <cstdint>
#include <list>
#include <string>
#include <string_view>
#include <unordered_map>

namespace varnholt {

// A layout with the pixel extents answered from it, relative to the point it is drawn at.
struct ShapedText {
    PangoLayout* layout = nullptr;
    PangoRectangle ink{};      // where the glyphs put paint
    PangoRectangle logical{};  // the advance width and the line height
};

class TextLayoutCache {
public:
    static constexpr std::size_t kDefaultCapacity = 4000;

    explicit TextLayoutCache(std::size_t capacity = kDefaultCapacity);
    TextLayoutCache(const TextLayoutCache&) = delete;
    TextLayoutCache& operator=(const TextLayoutCache&) = delete;
    ~TextLayoutCache();

    // Binds the cache to the target of `cr` for the paint that follows. The first call makes the
    // Pango context; a later one on a target with other font options or another scale drops
    // every cached layout, since they were shaped for the old one.
    void Attach(cairo_t* cr);

    // The layout of `utf8` in the font numbered `font_id`, shaped on a miss by a new layout that
    // `prepare(PangoLayout*)` gives its font and attributes (the text is already set). Attach
    // must have been called.
    // The answer stays valid until the next Get or Attach.
    template <class Prepare>
    const ShapedText& Get(std::uint32_t font_id, std::string_view utf8, Prepare&& prepare) {
        MakeKey(font_id, utf8);
        if (const ShapedText* hit = Find()) return *hit;
        PangoLayout* layout = NewLayout(utf8);
        prepare(layout);
        return Insert(layout);
    }

    [[nodiscard]] std::size_t Size() const noexcept { return m_entries.size(); }
    [[nodiscard]] std::size_t Capacity() const noexcept { return m_capacity; }
    // How many layouts were shaped since the cache was made.
    [[nodiscard]] std::size_t ShapedCount() const noexcept { return m_shaped; }
    // The bytes of text held in the keys, a lower bound on what the cache keeps alive.
    [[nodiscard]] std::size_t TextBytes() const noexcept { return m_text_bytes; }
    void Clear();

private:
    struct Entry {
        std::string key;
        ShapedText shaped;
    };
    using Order = std::list<Entry>;

    void MakeKey(std::uint32_t font_id, std::string_view utf8);
    const ShapedText* Find();
    PangoLayout* NewLayout(std::string_view utf8);
    const ShapedText& Insert(PangoLayout* layout);

    std::size_t m_capacity;
    PangoContext* m_context = nullptr;
    cairo_font_options_t* m_options = nullptr;  // the target's, as the layouts were shaped for
    cairo_matrix_t m_scale{};  // the target's transformation without its translation
    Order m_order;  // most recently used first
    std::unordered_map<std::string_view, Order::iterator> m_entries;  // views into Entry::key
    std::string m_probe;  // the key being looked up, reused to spare an allocation a call
    std::size_t m_shaped = 0;
    std::size_t m_text_bytes = 0;
};

// UTF-8 of a wide string; what is no Unicode scalar value becomes U+FFFD.
void AppendUtf8(std::wstring_view text, std::string& out);

}  // namespace varnholt
