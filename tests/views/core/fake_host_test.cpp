// fake_host_test.cpp - the pane host's paint, click and move sequences, which every view test
// relies on.

#include "tests/views/support/FakeHost.h"

#include "views/core/RowList.h"
#include "views/draw/display_scale.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace varnholt::view {
namespace {

using test_support::FakeHost;
using Log = std::vector<std::string>;

// A view that reports each call into the host's log and paints one fill over its area.
class ProbeView final : public View {
public:
    ProbeView(FakeHost& host, std::string name, float width = 100, float height = 100)
        : m_host(host), m_name(std::move(name)), m_width(width), m_height(height) {}

    [[nodiscard]] float GetWidth() const override { return m_width; }
    [[nodiscard]] float GetHeight() const override { return m_height; }
    void Update() override {}
    void Draw(const RectF& area) override {
        const DrawContext& dc = GetDrawContext();
        last_area = area;
        last_origin = {dc.GetOriginX(), dc.GetOriginY()};
        GetDrawContext().FillRect(Color::White(), static_cast<float>(dc.GetOriginX()),
                                  static_cast<float>(dc.GetOriginY()), area.width, area.height);
    }
    void SetScale() override { Note("scale", std::to_string(DisplayScale())); }
    bool OnMouseMove(std::uint32_t flags, float x, float y) override {
        Note("move", Args(flags, x, y));
        GetDrawContext().RequestCursor(CursorKind::size_we);
        return move_answer;
    }
    bool OnLButtonDown(std::uint32_t flags, float x, float y) override {
        Note("down", Args(flags, x, y));
        return true;
    }
    bool OnLButtonUp(std::uint32_t flags, float x, float y) override {
        Note("up", Args(flags, x, y));
        return false;
    }
    [[nodiscard]] std::wstring GetText() const override { return L"Name\t\nA1000"; }

    RectF last_area;
    DevicePoint last_origin;
    bool move_answer = false;

private:
    // "CALL NAME DETAIL", built with append: g++ 12 misreads "literal" + string when optimising.
    void Note(const char* call, const std::string& detail) {
        std::string entry(call);
        entry.append(" ").append(m_name).append(" ").append(detail);
        m_host.Log().push_back(std::move(entry));
    }
    static std::string Args(std::uint32_t flags, float x, float y) {
        std::string out = std::to_string(flags);
        out.append(" ").append(std::to_string(static_cast<int>(x))).append(",").append(std::to_string(static_cast<int>(y)));
        return out;
    }
    FakeHost& m_host;
    std::string m_name;
    float m_width;
    float m_height;
};

TEST(FakeHost, SizesScrollRangesAndClampsPositions) {
    struct Case { const char* why; float width, height; int scroll_x, scroll_y; int range_x, range_y, x, y; };
    const Case cases[] = {
        {"content larger than the client", 1000, 500, 0, 0, 710, 310, 0, 0},
        {"a position beyond the range is clamped", 1000, 500, 900, 400, 710, 310, 710, 310},
        {"a fractional content size is truncated", 1000.9f, 500.9f, 50, 60, 710, 310, 50, 60},
        {"content smaller than the client gives no range", 100, 50, 30, 30, 0, 0, 0, 0},
        {"a negative position is clamped to 0", 1000, 500, -5, -1, 710, 310, 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        FakeHost host;
        ProbeView view(host, "A", c.width, c.height);
        host.Attach(view, "A", 300, 200);
        host.ScrollTo(view, c.scroll_x, c.scroll_y);
        host.Paint(view);
        EXPECT_EQ(host.RangeX(view), c.range_x);
        EXPECT_EQ(host.RangeY(view), c.range_y);
        EXPECT_EQ(view.last_origin, (DevicePoint{c.x, c.y}));
        EXPECT_EQ(view.last_area, (RectF{0, 0, 300, 200}));
        EXPECT_EQ(host.Backend(view).Lines(), Log{"fill ffffffff 0,0 300,200"});
        EXPECT_FALSE(view.GetDrawContext().HasDevice()) << "the device lives for one paint";
    }
}

TEST(FakeHost, ClicksCallTheViewThenUpdateThenRepaintWithPartners) {
    struct Case { const char* why; bool press; bool flat_sub_table; Log expected; };
    const Case cases[] = {
        {"press", true, false, {"down A 1 12,34", "update A", "paint A", "paint B", "paint C"}},
        {"release", false, false, {"up A 0 12,34", "update A", "paint A", "paint B", "paint C"}},
        {"a flat sub-table gets no update", true, true, {"down A 1 12,34", "paint A", "paint B", "paint C"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        FakeHost host;
        ProbeView a(host, "A"), b(host, "B"), partner(host, "C");
        host.Attach(a, "A", 300, 200, c.flat_sub_table);
        host.Attach(b, "B", 300, 200);
        host.Attach(partner, "C", 300, 200);
        host.SetPartners(a, {&b, &partner});
        if (c.press) (void)host.LButtonDown(a, 12.5f, 34.9f);
        else (void)host.LButtonUp(a, 12.5f, 34.9f);
        EXPECT_EQ(host.Log(), c.expected);
    }
}

TEST(FakeHost, MovesRepaintOnlyWhenTheViewAsks) {
    struct Case { const char* why; bool answer; Log expected; };
    const Case cases[] = {
        {"answered false: nothing repainted", false, {"move A 1 5,6"}},
        {"answered true: only the view repainted", true, {"move A 1 5,6", "paint A"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        FakeHost host;
        ProbeView a(host, "A"), b(host, "B");
        host.Attach(a, "A", 300, 200);
        host.Attach(b, "B", 300, 200);
        host.SetPartners(a, {&b});
        a.move_answer = c.answer;
        EXPECT_EQ(host.MouseMove(a, 5, 6, kLeftButtonDown), c.answer);
        EXPECT_EQ(host.Log(), c.expected);
        EXPECT_EQ(host.Cursor(a), CursorKind::size_we);
    }
}

TEST(FakeHost, ScaleChangesReachEveryViewAndCopyTakesTheViewText) {
    const float saved = DisplayScale();
    FakeHost host;
    ProbeView a(host, "A"), b(host, "B");
    host.Attach(a, "A", 300, 200);
    host.Attach(b, "B", 300, 200);
    host.ChangeDisplayScale(1.5f);
    EXPECT_EQ(host.Log(), (Log{"scale A 1.500000", "scale B 1.500000"}));
    EXPECT_EQ(host.Copy(a), L"Name\t\nA1000");
    DisplayScale() = saved;
}

}  // namespace
}  // namespace varnholt::view
