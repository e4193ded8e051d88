// OffscreenPaint.h - paints a view through the wx backend into a memory bitmap, for programs
// that time or inspect painting without a window (benchmarks). Keeps the toolkit out of their
// sources: nothing here names a wx type.
#pragma once

#include <cstddef>
#include <memory>

namespace varnholt::view {
class View;
}

namespace varnholt {

class OffscreenPainter {
public:
    // Starts the toolkit; Ready() is false where no display can be had.
    OffscreenPainter();
    OffscreenPainter(const OffscreenPainter&) = delete;
    OffscreenPainter& operator=(const OffscreenPainter&) = delete;
    ~OffscreenPainter();

    [[nodiscard]] bool Ready() const noexcept { return m_ready; }
    // Paints the view once into a bitmap of the size, scrolled to (origin_x, origin_y), and
    // answers the milliseconds the view's Draw took. Fonts, pens and shaped texts are kept from
    // one paint to the next, as a pane keeps them; `pane` (0 or 1) picks one of two such caches,
    // for two panes painted side by side.
    double Paint(view::View& view, int width, int height, int origin_x = 0, int origin_y = 0, int pane = 0);

    // Paints through the toolkit's drawing calls only, as the program once did, or (false, the
    // default) straight on the bitmap's Cairo context.
    void SetToolkitOnly(bool toolkit_only) noexcept { m_toolkit_only = toolkit_only; }
    // Forgets every cached font and text, as a pane that has just been opened.
    void DropCaches();
    // The shaped texts cached for the pane, and the bytes of their text.
    [[nodiscard]] std::size_t CachedTexts(int pane = 0) const;
    [[nodiscard]] std::size_t CachedTextBytes(int pane = 0) const;

private:
    struct State;
    std::unique_ptr<State> m_state;
    bool m_ready = false;
    bool m_toolkit_only = false;
};

}  // namespace varnholt
