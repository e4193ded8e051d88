// FakeHost.h - the panes of the view tests: each attached view gets a pane of its own that
// paints at once into a recording backend, driven by the program's pane host. The tests name
// panes by their views.
#pragma once

#include "views/core/RecordingPane.h"
#include "views/core/View.h"
#include "views/draw/RecordingBackend.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

namespace varnholt::view::test_support {

class FakeHost {
public:
    // Hosts the view in a client area of the given size.
    void Attach(View& view, std::int32_t client_width, std::int32_t client_height);
    // Views repainted after a press or release on `view`; each must be attached.
    void SetPartners(View& view, const std::vector<View*>& partners);

    void Paint(View& view) { Find(view).Paint(); }
    bool MouseMove(View& view, float x, float y, std::uint32_t flags = 0) { return Host(view).MouseMove(flags, x, y); }
    bool LButtonDown(View& view, float x, float y) { return Host(view).LButtonDown(kLeftButtonDown, x, y); }
    bool LButtonUp(View& view, float x, float y) { return Host(view).LButtonUp(0, x, y); }
    // Clamped to the scroll ranges at the next paint.
    void ScrollTo(View& view, std::int32_t x, std::int32_t y) { Host(view).ScrollTo(x, y); }
    void SetClientSize(View& view, std::int32_t width, std::int32_t height) { Host(view).SetClientSize(width, height); }
    // Sets DisplayScale and lets every hosted view re-derive its sizes.
    void ChangeDisplayScale(float scale);

    [[nodiscard]] std::int32_t ScrollX(View& view) { return Host(view).ScrollX(); }
    [[nodiscard]] std::int32_t ScrollY(View& view) { return Host(view).ScrollY(); }
    // The drawing of the view's last paint; SetPrinting on it paints as for a printed page.
    [[nodiscard]] RecordingBackend& Backend(View& view) { return Find(view).Backend(); }
    // The last cursor the view asked for while the pointer moved.
    [[nodiscard]] std::optional<CursorKind> Cursor(View& view) { return Find(view).Cursor(); }

private:
    [[nodiscard]] RecordingPane& Find(const View& view);
    [[nodiscard]] PaneHost& Host(View& view) { return Find(view).Host(); }

    std::vector<std::unique_ptr<RecordingPane>> m_panes;
};

}  // namespace varnholt::view::test_support
