// pane_host_test.cpp - the pane rules without a window: scroll ranges and positions at each
// paint, the update and repaint order after a click, the flat sub-tables, the display scale
// and where cursor requests go.

#include "rows/display_scale.h"
#include "views/core/PaneHost.h"
#include "views/core/View.h"
#include "views/draw/RecordingBackend.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <limits>
#include <string>
#include <vector>

namespace varnholt::view {
namespace {

using Log = std::vector<std::string>;

// The type query a test view answers true to; `none` stands for every other view kind.
enum class Kind {
    none, activity_code, activity_step, obs_responsibility, project_code, relationship, resource_code,
    resource_role, role_limit, role_rate, task_memo, wbs_memo, activity_table, activity_detail
};

class ProbeView final : public View {
public:
    ProbeView(Log& log, std::string name, Kind kind = Kind::none) : m_log(log), m_name(std::move(name)), m_kind(kind) {}

    [[nodiscard]] bool IsActivityCodeTableView() const override { return m_kind == Kind::activity_code; }
    [[nodiscard]] bool IsActivityStepTableView() const override { return m_kind == Kind::activity_step; }
    [[nodiscard]] bool IsOBSResponsibilityTableView() const override { return m_kind == Kind::obs_responsibility; }
    [[nodiscard]] bool IsProjectCodeTableView() const override { return m_kind == Kind::project_code; }
    [[nodiscard]] bool IsRelationshipTableView() const override { return m_kind == Kind::relationship; }
    [[nodiscard]] bool IsResourceCodeTableView() const override { return m_kind == Kind::resource_code; }
    [[nodiscard]] bool IsResourceRoleTableView() const override { return m_kind == Kind::resource_role; }
    [[nodiscard]] bool IsRoleLimitTableView() const override { return m_kind == Kind::role_limit; }
    [[nodiscard]] bool IsRoleRateTableView() const override { return m_kind == Kind::role_rate; }
    [[nodiscard]] bool IsTaskMemoTableView() const override { return m_kind == Kind::task_memo; }
    [[nodiscard]] bool IsWBSMemoTableView() const override { return m_kind == Kind::wbs_memo; }
    [[nodiscard]] bool IsActivityTableView() const override { return m_kind == Kind::activity_table; }
    [[nodiscard]] bool IsDetailView() const override { return m_kind == Kind::activity_detail; }
    [[nodiscard]] bool IsActivityDetailView() const override { return m_kind == Kind::activity_detail; }

    [[nodiscard]] float GetWidth() const override { return width; }
    [[nodiscard]] float GetHeight() const override { return height; }
    void Update() override { m_log.push_back("update " + m_name); }
    void Draw(const RectF& area) override {
        const DrawContext& context = GetDrawContext();
        drawn_area = area;
        drawn_with_device = context.HasDevice();
        drawn_origin = {context.GetOriginX(), context.GetOriginY()};
    }
    void SetScale() override { m_log.push_back(m_name + " at " + std::to_string(DisplayScale())); }
    bool OnMouseMove(std::uint32_t, float, float) override { return move_answer; }
    bool OnLButtonDown(std::uint32_t flags, float, float) override {
        m_log.push_back("down " + m_name + " " + std::to_string(flags));
        return true;
    }
    bool OnLButtonUp(std::uint32_t, float, float) override {
        m_log.push_back("up " + m_name);
        return false;
    }

    float width = 0.0f;
    float height = 0.0f;
    bool move_answer = false;
    RectF drawn_area{-1.0f, -1.0f, -1.0f, -1.0f};
    bool drawn_with_device = false;
    std::array<std::int32_t, 2> drawn_origin{-1, -1};

private:
    Log& m_log;
    std::string m_name;
    Kind m_kind;
};

class ProbeOwner final : public PaneOwner {
public:
    ProbeOwner(Log& log, std::string name) : m_log(log), m_name(std::move(name)) {}

    void RepaintPane() override { m_log.push_back("repaint " + m_name); }
    void SetScrollBars(std::int32_t range_x, std::int32_t range_y, std::int32_t x, std::int32_t y) override {
        bars = {range_x, range_y, x, y};
    }
    void SetPaneCursor(CursorKind kind) override {
        m_log.push_back(m_name + " cursor " + std::to_string(static_cast<int>(kind)));
    }

    std::array<std::int32_t, 4> bars{-1, -1, -1, -1};

private:
    Log& m_log;
    std::string m_name;
};

struct ScrollCase {
    const char* name;
    float content_width, content_height;
    std::int32_t client_width, client_height;
    std::int32_t scroll_x, scroll_y;
    std::array<std::int32_t, 4> bars;  // range x, range y, x, y
};

constexpr float kInfinity = std::numeric_limits<float>::infinity();

TEST(PaneHost, EachPaintSizesTheScrollBarsFromTheContentAndClampsThePositions) {
    const ScrollCase cases[] = {
        {"content within the client area", 200.0f, 100.0f, 300, 200, 50, 60, {0, 0, 0, 0}},
        {"content ten pixels short of the edge", 290.0f, 190.0f, 300, 200, 0, 0, {0, 0, 0, 0}},
        {"fractions of content truncated", 1000.9f, 750.99f, 300, 200, 100, 100, {710, 560, 100, 100}},
        {"position beyond the range", 1000.0f, 750.0f, 300, 200, 5000, 900, {710, 560, 710, 560}},
        {"negative position", 1000.0f, 750.0f, 300, 200, -40, -1, {710, 560, 0, 0}},
        {"content without a usable size", std::nanf(""), kInfinity, 300, 200, 30, 30, {0, 0, 0, 0}},
    };
    for (const ScrollCase& c : cases) {
        SCOPED_TRACE(c.name);
        Log log;
        ProbeOwner owner(log, "pane");
        ProbeView view(log, "view");
        view.width = c.content_width;
        view.height = c.content_height;
        PaneHost host(owner);
        host.SetView(&view);
        host.SetClientSize(c.client_width, c.client_height);
        host.ScrollTo(c.scroll_x, c.scroll_y);
        RecordingBackend device;
        host.Paint(device);
        EXPECT_EQ(owner.bars, c.bars);
        EXPECT_EQ((std::array{host.RangeX(), host.RangeY(), host.ScrollX(), host.ScrollY()}), c.bars);
        EXPECT_EQ(view.drawn_origin, (std::array{c.bars[2], c.bars[3]}));
        EXPECT_EQ(view.drawn_area, (RectF{0.0f, 0.0f, static_cast<float>(c.client_width), static_cast<float>(c.client_height)}));
        EXPECT_TRUE(view.drawn_with_device);
        EXPECT_FALSE(view.GetDrawContext().HasDevice()) << "the device lives for one paint";
    }
}

TEST(PaneHost, AnEmptyClientAreaDrawsFromThePositionsAsTheyStood) {
    Log log;
    ProbeOwner owner(log, "pane");
    ProbeView view(log, "view");
    view.width = 100.0f;
    view.height = 100.0f;
    PaneHost host(owner);
    host.SetView(&view);
    host.SetClientSize(0, 200);
    host.ScrollTo(500, 40);
    RecordingBackend device;
    host.Paint(device);
    EXPECT_EQ(view.drawn_origin, (std::array{500, 40}));
    EXPECT_EQ(owner.bars, (std::array{110, 0, 110, 0}));
    EXPECT_EQ(view.drawn_area, (RectF{0.0f, 0.0f, 0.0f, 200.0f}));
}

TEST(PaneHost, WithoutAViewAPaintOnlyEmptiesTheScrollBars) {
    Log log;
    ProbeOwner owner(log, "pane");
    PaneHost host(owner);
    host.SetClientSize(300, 200);
    host.ScrollTo(50, 50);
    RecordingBackend device;
    host.Paint(device);
    EXPECT_EQ(owner.bars, (std::array{0, 0, 0, 0}));
    EXPECT_TRUE(device.Lines().empty());
    EXPECT_FALSE(host.LButtonDown(kLeftButtonDown, 1.0f, 1.0f));
    EXPECT_TRUE(log.empty());
}

TEST(PaneHost, AClickUpdatesTheViewThenRepaintsThisPaneAndItsPartnersInOrder) {
    Log log;
    ProbeOwner table_owner(log, "table"), gantt_owner(log, "gantt"), details_owner(log, "details");
    ProbeView table(log, "table", Kind::activity_table);
    PaneHost table_pane(table_owner), gantt_pane(gantt_owner), details_pane(details_owner);
    table_pane.SetView(&table);
    table_pane.SetPartners({&gantt_pane, &details_pane});
    EXPECT_TRUE(table_pane.LButtonDown(kLeftButtonDown, 10.0f, 40.0f));
    EXPECT_FALSE(table_pane.LButtonUp(0, 10.0f, 40.0f));
    EXPECT_EQ(log, (Log{"down table 1", "update table", "repaint table", "repaint gantt", "repaint details",
                        "up table", "update table", "repaint table", "repaint gantt", "repaint details"}));
}

TEST(PaneHost, AClickOnAFlatSubTableListsNothingAgain) {
    const Kind flat[] = {Kind::activity_code, Kind::activity_step, Kind::obs_responsibility, Kind::project_code,
                         Kind::relationship, Kind::resource_code, Kind::resource_role, Kind::role_limit,
                         Kind::role_rate, Kind::task_memo, Kind::wbs_memo};
    for (const Kind kind : flat) {
        SCOPED_TRACE(static_cast<int>(kind));
        Log log;
        ProbeOwner owner(log, "details");
        ProbeView sub_table(log, "sub-table", kind);
        EXPECT_TRUE(PaneHost::IsFlatSubTable(sub_table));
        PaneHost host(owner);
        host.SetView(&sub_table);
        (void)host.LButtonDown(kLeftButtonDown, 10.0f, 10.0f);
        EXPECT_EQ(log, (Log{"down sub-table 1", "repaint details"}));
    }
    Log log;
    for (const Kind kind : {Kind::none, Kind::activity_table, Kind::activity_detail})
        EXPECT_FALSE(PaneHost::IsFlatSubTable(ProbeView(log, "other", kind)));
}

TEST(PaneHost, AMoveRepaintsOnlyWhenTheViewAsks) {
    Log log;
    ProbeOwner owner(log, "pane");
    ProbeView view(log, "view");
    PaneHost host(owner);
    host.SetView(&view);
    EXPECT_FALSE(host.MouseMove(0, 5.0f, 5.0f));
    view.move_answer = true;
    EXPECT_TRUE(host.MouseMove(0, 5.0f, 5.0f));
    EXPECT_EQ(log, (Log{"repaint pane"}));
}

TEST(PaneHost, AScaleChangeReachesEveryView) {
    Log log;
    ProbeView table(log, "table"), chart(log, "chart");
    std::vector<View*> views{&table, nullptr, &chart};
    ChangeDisplayScale(1.5f, views);
    EXPECT_EQ(log, (Log{"table at 1.500000", "chart at 1.500000"}));
    DisplayScale() = 1.0f;
}

TEST(PaneHost, CursorRequestsFollowTheViewToItsPane) {
    Log log;
    ProbeView first(log, "first"), second(log, "second");
    ProbeOwner left_owner(log, "left"), right_owner(log, "right");
    {
        PaneHost left(left_owner), right(right_owner);
        left.SetView(&first);
        first.GetDrawContext().RequestCursor(CursorKind::size_we);
        left.SetView(&second);
        right.SetView(&first);
        second.GetDrawContext().RequestCursor(CursorKind::size_all);
        first.GetDrawContext().RequestCursor(CursorKind::arrow);
        left.SetView(nullptr);  // leaves the first view's new pane alone
        first.GetDrawContext().RequestCursor(CursorKind::size_we);
        second.GetDrawContext().RequestCursor(CursorKind::arrow);
    }
    first.GetDrawContext().RequestCursor(CursorKind::arrow);  // its pane is gone: dropped
    EXPECT_EQ(log, (Log{"left cursor 1", "left cursor 2", "right cursor 0", "right cursor 1"}));
}

TEST(PaneHost, APaneMayOutliveItsView) {
    Log log;
    ProbeOwner owner(log, "pane");
    PaneHost host(owner);
    {
        ProbeView view(log, "view");
        host.SetView(&view);
    }
    // Neither destroying the host nor giving it another view touches the dead one.
    ProbeView next(log, "next");
    host.SetView(&next);
    next.GetDrawContext().RequestCursor(CursorKind::size_all);
    EXPECT_EQ(log, (Log{"pane cursor 2"}));
}

}  // namespace
}  // namespace varnholt::view
