// FakeHost.h - the pane host of the view tests. It drives views as the program's pane view
// does: before each paint it sizes the scroll ranges from the content (max(0, trunc(content)
// - client + 10)), clamps the scroll position, attaches a recording backend and the origin to
// the view's DrawContext and calls Draw((0, 0, client width, client height)); it forwards the
// left button and moves as float client points, calls Update after a press or release (not on
// a flat sub-table), then repaints the view and its partners; a move repaints only when the
// view answers true. Copy stands for the clipboard.
//
// Log() lists what the host did, one entry each: "update NAME", "paint NAME"; test views may
// append their own entries to see the order of calls.
#pragma once

#include "views/core/View.h"
#include "views/draw/RecordingBackend.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace varnholt::view::test_support {

class FakeHost {
public:
    // Hosts the view in a client area of the given size. The host must not outlive the views.
    void Attach(View& view, std::string name, std::int32_t client_width, std::int32_t client_height,
                bool flat_sub_table = false);
    // Views repainted after a press or release on `view`.
    void SetPartners(View& view, std::vector<View*> partners);

    void Paint(View& view);
    bool MouseMove(View& view, float x, float y, std::uint32_t flags = 0);
    bool LButtonDown(View& view, float x, float y);
    bool LButtonUp(View& view, float x, float y);
    // Clamped to the scroll ranges at the next paint.
    void ScrollTo(View& view, std::int32_t x, std::int32_t y);
    void SetClientSize(View& view, std::int32_t width, std::int32_t height);
    // What the copy command puts on the clipboard.
    [[nodiscard]] std::wstring Copy(const View& view) const { return view.GetText(); }
    // Sets DisplayScale and lets every hosted view re-derive its sizes.
    void ChangeDisplayScale(float scale);

    [[nodiscard]] std::int32_t ScrollX(const View& view) const { return Find(view).scroll_x; }
    [[nodiscard]] std::int32_t ScrollY(const View& view) const { return Find(view).scroll_y; }
    [[nodiscard]] std::int32_t RangeX(const View& view) const { return Find(view).range_x; }
    [[nodiscard]] std::int32_t RangeY(const View& view) const { return Find(view).range_y; }
    // The drawing of the view's last paint; SetPrinting on it paints as for a printed page.
    [[nodiscard]] RecordingBackend& Backend(const View& view) { return Find(view).backend; }
    // The last cursor the view asked for while the pointer moved.
    [[nodiscard]] std::optional<CursorKind> Cursor(const View& view) const { return *Find(view).cursor; }
    [[nodiscard]] std::int32_t PaintCount(const View& view) const { return Find(view).paints; }
    [[nodiscard]] std::vector<std::string>& Log() noexcept { return m_log; }

private:
    struct Pane {
        View* view = nullptr;
        std::string name;
        std::int32_t client_width = 0;
        std::int32_t client_height = 0;
        bool flat_sub_table = false;
        std::int32_t scroll_x = 0;
        std::int32_t scroll_y = 0;
        std::int32_t range_x = 0;
        std::int32_t range_y = 0;
        std::int32_t paints = 0;
        std::vector<View*> partners;
        RecordingBackend backend;
        // Shared with the view's cursor handler, which may outlive the host.
        std::shared_ptr<std::optional<CursorKind>> cursor = std::make_shared<std::optional<CursorKind>>();
    };

    [[nodiscard]] Pane& Find(const View& view);
    [[nodiscard]] const Pane& Find(const View& view) const;
    void AfterClick(Pane& pane);

    std::vector<std::unique_ptr<Pane>> m_panes;
    std::vector<std::string> m_log;
};

}  // namespace varnholt::view::test_support
