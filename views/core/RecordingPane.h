// RecordingPane.h - a pane without a window: it paints into a recording backend, at once
// whenever its host asks for a repaint, and keeps the last cursor its view asked for. The view
// tests and the benchmarks drive views through it exactly as the program's panes do.
#pragma once

#include "views/core/PaneHost.h"
#include "views/draw/RecordingBackend.h"

#include <cstdint>
#include <optional>

namespace varnholt::view {

class RecordingPane final : public PaneOwner {
public:
    // Shows `view` (not owned; it may die before or after the pane)
    // in a client area of the given size.
    RecordingPane(View& view, std::int32_t client_width, std::int32_t client_height);

    // Clears the recording and paints the view into it.
    void Paint();
    [[nodiscard]] PaneHost& Host() noexcept { return m_host; }
    // The drawing of the last paint; SetPrinting on it paints as for a printed page.
    [[nodiscard]] RecordingBackend& Backend() noexcept { return m_backend; }
    [[nodiscard]] std::optional<CursorKind> Cursor() const noexcept { return m_cursor; }

    void RepaintPane() override { Paint(); }
    void SetScrollBars(std::int32_t, std::int32_t, std::int32_t, std::int32_t) override {}
    void SetPaneCursor(CursorKind kind) override { m_cursor = kind; }

private:
    RecordingBackend m_backend;
    std::optional<CursorKind> m_cursor;
    PaneHost m_host;  // last: it refers to this owner
};

}  // namespace varnholt::view
