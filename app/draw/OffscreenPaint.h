// OffscreenPaint.h - paints a view through the wx backend into a memory bitmap, for programs
// that time or inspect painting without a window (benchmarks). Keeps the toolkit out of their
// sources: nothing here names a wx type.
#pragma once

#include <memory>

namespace varnholt::view {
class View;
}

namespace varnholt::app {

class OffscreenPainter {
public:
    // Starts the toolkit; Ready() is false where no display can be had.
    OffscreenPainter();
    OffscreenPainter(const OffscreenPainter&) = delete;
    OffscreenPainter& operator=(const OffscreenPainter&) = delete;
    ~OffscreenPainter();

    [[nodiscard]] bool Ready() const noexcept { return m_ready; }
    // Paints the view once into a bitmap of the size, at scroll position (0, 0), and answers
    // the milliseconds the view's Draw took. Fonts and pens are kept from one paint to the next,
    // as a pane keeps them.
    double Paint(view::View& view, int width, int height);

private:
    struct State;
    std::unique_ptr<State> m_state;
    bool m_ready = false;
};

}  // namespace varnholt::app
