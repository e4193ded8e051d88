// pane_view_gui_test.cpp - the panes of the real program over a schedule of 72 activities:
// the wheel and the scroll bar keep the table and its chart on the same rows, Ctrl+C copies
// a table's text, clicks select and the details pane follows, the details button goes to the
// related activity, the sub-views of another category's tab do not linger, a column resize
// ends even when the button is released outside the pane and a quick one ends on the pointer's
// pixel, a click whose release comes late or never ends once, a window closed while a pane holds
// the pointer leaves no capture, another category or file leaves the chart beside its rows, keys
// the panes do not answer move neither pane, a layout chosen from the ribbon leaves the table the
// keys, and back from another program the keys go where the user clicked.

#include "../shell/every_category_schedule.h"
#include "app/VarnholtView.h"
#include "app/details_arrangement.h"
#include "app/find_events.h"
#include "app/ribbon/MainRibbon.h"
#include "app_gui_support.h"
#include "folded_panels_support.h"
#include "gui_input.h"
#include "layouts/Layout.h"
#include "model/CaptionCatalog.h"
#include "model/records/TaskPredRecord.h"
#include "model/records/TaskRecord.h"
#include "rows/Row.h"
#include "rows/display_scale.h"
#include "shell/command_ids.h"
#include "views/core/RowList.h"

#include <wx/choice.h>
#include <wx/clipbrd.h>
#include <wx/dataobj.h>
#include <wx/dcmemory.h>
#include <wx/eventfilter.h>
#include <wx/uiaction.h>

#include <array>
#include <chrono>
#include <cmath>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

namespace varnholt {
namespace {

using testing_app::WaitUntil;

// The every-category schedule with 70 more activities in the same WBS element; the first
// activity also drives the last one, so the details button has far to go.
std::string LongSchedule() {
    std::string text = testing_shell::EveryCategorySchedule("P");
    std::string tasks;
    for (int id = 1020; id < 1090; ++id) {
        const std::string day = std::to_string(10 + id % 15);
        tasks += "%R\t" + std::to_string(id) + "\t10\t110\tA" + std::to_string(id) + "\tStep " + std::to_string(id) +
                 "\t2024-01-" + day + " 08:00\t2024-01-" + day + " 17:00\t2024-01-" + day + " 08:00\t2024-01-" + day +
                 " 17:00\n";
    }
    text.insert(text.find("%T\tTASKPRED"), tasks);
    const std::string link = "%R\t1\t1010\t1000\t10\t10\tPR_FS\n";
    text.insert(text.find(link) + link.size(), "%R\t2\t1089\t1000\t10\t10\tPR_FS\n");
    return text;
}

wxString ClipboardText() {
    wxClipboardLocker locker;
    if (!locker) return "<no clipboard>";
    wxTextDataObject data;
    return wxTheClipboard->GetData(data) ? data.GetText() : wxString("<empty>");
}

void SeedClipboard(const wxString& text) {
    wxClipboardLocker locker;
    ASSERT_TRUE(!!locker);
    wxTheClipboard->SetData(new wxTextDataObject(text));
}

// Where a pane shows its content from, as painted and as its scroll bars say.
struct Shown {
    std::int32_t drawn_x, drawn_y, bar_x, bar_y;
    friend bool operator==(const Shown&, const Shown&) = default;
};

void PrintTo(const Shown& shown, std::ostream* out) {
    *out << "drawn from " << shown.drawn_x << "," << shown.drawn_y << ", bars at " << shown.bar_x << "," << shown.bar_y;
}

Shown ShownBy(VarnholtView& pane) {
    const view::DrawContext& context = pane.GetContentView()->GetDrawContext();
    return {context.GetOriginX(), context.GetOriginY(), pane.GetScrollPos(wxHORIZONTAL), pane.GetScrollPos(wxVERTICAL)};
}

class PaneViewTest : public testing_app::AppGuiTest {
protected:
    void StartWithSchedule() {
        ASSERT_TRUE(Start(Schedule(L"long.xer", LongSchedule())));
        frame = Frame();
        ASSERT_NE(frame, nullptr);
        frame->SwitchToPage(1);
        Settle();
    }
    // Starts with the schedule in front; the first column of the table's layout.
    view::LayoutColumn* StartWithFirstColumn() {
        StartWithSchedule();
        frame->Raise();
        return frame->GetTablePane()->GetContentView()->GetLayout()->GetColumn(0);
    }
    void Settle() {
        frame->Refresh();
        frame->Update();
        for (int i = 0; i < 5; ++i) (void)wxTheApp->Yield(true);
    }
    static void Paint(VarnholtView& pane) {
        const wxSize size = pane.GetClientSize();
        wxBitmap bitmap(std::max(size.x, 1), std::max(size.y, 1), 24);
        wxMemoryDC dc(bitmap);
        pane.RenderTo(dc);
    }
    static void Mouse(VarnholtView& pane, wxEventType type, wxPoint at, bool left_down) {
        wxMouseEvent event(type);
        event.SetPosition(at);
        event.m_leftDown = left_down;
        event.SetEventObject(&pane);
        (void)pane.ProcessWindowEvent(event);
    }
    // A press and a release in the middle of the row, as the window system delivers them.
    static void Click(VarnholtView& pane, const view::Row& row) {
        Paint(pane);
        const view::RectF rect = row.GetRect();
        const auto origin_y = static_cast<float>(pane.Host().ScrollY());
        const wxPoint at(static_cast<int>(rect.x + 20.0f), static_cast<int>(rect.y - origin_y + rect.height / 2.0f));
        Mouse(pane, wxEVT_LEFT_DOWN, at, true);
        Mouse(pane, wxEVT_LEFT_UP, at, false);
    }
    static void CtrlC(VarnholtView& pane) {
        wxKeyEvent key(wxEVT_CHAR_HOOK);
        key.m_keyCode = 'C';
        key.m_controlDown = true;
        key.SetEventObject(&pane);
        (void)pane.ProcessWindowEvent(key);
    }
    [[nodiscard]] static std::size_t SelectedCount(const view::View& view) {
        std::size_t count = 0;
        for (const view::Row* row : view.GetRowList().Rows()) count += row->selected ? 1 : 0;
        return count;
    }

    // Real notches of the mouse wheel over the middle of the pane, toward the user: the
    // toolkit has no way to send them, so the X test extension's tool does (button 5).
    static void TurnWheelDown(VarnholtView& pane, int notches) {
        const wxPoint middle = pane.ClientToScreen(wxPoint(pane.GetClientSize().x / 2, pane.GetClientSize().y / 2));
        wxUIActionSimulator().MouseMove(middle);
        ASSERT_TRUE(WaitUntil([&] { return wxGetMousePosition() == middle; }));
        const std::string command = "xdotool click --delay 20 --repeat " + std::to_string(notches) + " 5";
        ASSERT_TRUE(testing_gui::RunTool(command)) << command;
    }
    // A real click on a category's tab, or the File tab.
    void ClickTab(Category category) {
        auto& ribbon = dynamic_cast<MainRibbonBar&>(*frame->GetRibbon());
        const auto page = static_cast<int>(category);
        const wxRect tab = ribbon.GetTabRect(page);
        ASSERT_TRUE(testing_gui::ClickAt(ribbon, tab.GetPosition() + wxSize(tab.width / 2, tab.height / 2)));
        if (category == Category::file_page) {
            ASSERT_TRUE(WaitUntil([&] { return frame->IsFilePageShown(); }));
        } else {
            ASSERT_TRUE(WaitUntil([&] { return frame->GetActiveCategory() == category && !frame->IsFilePageShown(); }));
        }
        Settle();
    }

    CMainFrame* frame = nullptr;
};

TEST_F(PaneViewTest, TheWheelAndTheScrollBarMoveTheTableAndTheChartTogether) {
    StartWithSchedule();
    VarnholtView& table = *frame->GetTablePane();
    VarnholtView& gantt = *frame->GetGanttPane();
    ASSERT_GT(table.Host().RangeY(), 100) << "the schedule is longer than the pane";
    ASSERT_EQ(table.Host().ScrollY(), 0);

    wxMouseEvent wheel(wxEVT_MOUSEWHEEL);
    wheel.m_wheelAxis = wxMOUSE_WHEEL_VERTICAL;
    wheel.m_wheelRotation = -120;  // a notch toward the user
    wheel.m_wheelDelta = 120;
    (void)table.ProcessWindowEvent(wheel);
    EXPECT_EQ(table.Host().ScrollY(), 20);
    EXPECT_EQ(gantt.Host().ScrollY(), 20);
    EXPECT_EQ(gantt.GetScrollPos(wxVERTICAL), 20);

    wheel.m_wheelAxis = wxMOUSE_WHEEL_HORIZONTAL;
    (void)table.ProcessWindowEvent(wheel);
    EXPECT_EQ(table.Host().ScrollY(), 20) << "a horizontal wheel does nothing";
    EXPECT_EQ(table.Host().ScrollX(), 0);

    wxScrollWinEvent line(wxEVT_SCROLLWIN_LINEDOWN, 0, wxVERTICAL);
    (void)table.ProcessWindowEvent(line);
    EXPECT_EQ(table.Host().ScrollY(), 38);
    EXPECT_EQ(gantt.Host().ScrollY(), 38);
    EXPECT_EQ(table.GetScrollPos(wxVERTICAL), 38);
    EXPECT_EQ(gantt.GetScrollPos(wxVERTICAL), 38);

    // The bar's range ends at the largest position.
    EXPECT_EQ(table.GetScrollRange(wxVERTICAL) - table.GetScrollThumb(wxVERTICAL), table.Host().RangeY());
}

TEST_F(PaneViewTest, CtrlCCopiesTheTablesTextAndLeavesTheClipboardWithoutOne) {
    ASSERT_TRUE(Start());
    frame = Frame();
    frame->SwitchToPage(1);
    SeedClipboard("seed");
    CtrlC(*frame->GetTablePane());
    EXPECT_EQ(ClipboardText(), "seed") << "a blank pane copies nothing";
    frame->Close(true);
    ASSERT_TRUE(WaitUntil([] { return wxTopLevelWindows.empty(); }));

    StartWithSchedule();
    frame->SwitchToPage(4);
    Settle();
    VarnholtView& table = *frame->GetTablePane();
    const std::wstring text = table.GetContentView()->GetText();
    ASSERT_FALSE(text.empty());
    CtrlC(table);
    EXPECT_EQ(ClipboardText().ToStdWstring(), text);
    const std::wstring titles = text.substr(0, text.find(L'\n'));
    EXPECT_EQ(titles.back(), L'\t') << "each title is followed by a tab";

    frame->SwitchToPage(5);
    Settle();
    SeedClipboard("seed");
    CtrlC(*frame->GetTablePane());
    EXPECT_EQ(ClipboardText(), "seed") << "the OBS table has no text to copy";
}

// Ctrl+C typed at once copies the table: at a start with a file and after a click on a
// category's tab, where the table has the keys (the arrows too), and after a click in the
// chart, which has no text of its own.
TEST_F(PaneViewTest, CtrlCCopiesTheTableAtOnceAfterAStartATabClickOrAClickInTheChart) {
    ASSERT_TRUE(Start(Schedule(L"long.xer", LongSchedule())));
    frame = Frame();
    VarnholtView& table = *frame->GetTablePane();
    ASSERT_TRUE(WaitUntil([&] { return table.IsShownOnScreen(); }));
    // The keyboard follows the pointer without a window manager: it rests on the ribbon.
    const wxRect ribbon = frame->GetRibbon()->GetScreenRect();
    ASSERT_TRUE(testing_gui::MoveTo(*frame->GetRibbon(), wxPoint(ribbon.width - 5, ribbon.height - 5)));
    const auto copies_the_table = [&](const char* after) {
        SCOPED_TRACE(after);
        SeedClipboard("seed");
        wxUIActionSimulator().Char('c', wxMOD_CONTROL);
        const wxString text = table.GetContentView()->GetText();
        EXPECT_TRUE(WaitUntil([&] { return ClipboardText() == text; })) << ClipboardText().Left(40);
    };
    EXPECT_TRUE(WaitUntil([&] { return wxWindow::FindFocus() == &table; })) << "the keys reach the table";
    copies_the_table("a start with the file");
    ClickTab(Category::wbs);
    EXPECT_EQ(wxWindow::FindFocus(), &table) << "the keys reach the table";
    copies_the_table("a click on the WBS tab");
    ASSERT_TRUE(testing_gui::ClickMiddle(*frame->GetGanttPane()));
    ASSERT_TRUE(WaitUntil([&] { return wxWindow::FindFocus() == frame->GetGanttPane(); }));
    copies_the_table("a click in the chart");
}

// A layout chosen from the ribbon's list leaves the keys with the table, as a tab does: by the
// pointer and by Down and Return, Ctrl+C then copies the table and Page Down moves it.
TEST_F(PaneViewTest, ALayoutChosenFromTheRibbonLeavesTheTableTheKeys) {
    StartWithSchedule();
    frame->Raise();
    auto& list = *dynamic_cast<wxChoice*>(frame->FindWindow(IDC_COMBO_ACTIVITY_LAYOUT));
    ASSERT_TRUE(list.IsShownOnScreen()) << "the ribbon is unfolded";
    ASSERT_GE(list.GetCount(), 3u);
    VarnholtView& table = *frame->GetTablePane();
    for (const bool by_keys : {false, true}) {
        SCOPED_TRACE(by_keys ? "by Down and Return" : "by the pointer");
        const int before = list.GetSelection();
        const int chosen = before + 1 < static_cast<int>(list.GetCount()) ? before + 1 : before - 1;
        ASSERT_TRUE(testing_gui::ClickMiddle(list));
        ASSERT_TRUE(WaitUntil([] { return !testing_app::OpenListOnScreen().IsEmpty(); })) << "the list opens";
        if (by_keys) {
            wxUIActionSimulator().Char(chosen > before ? WXK_DOWN : WXK_UP);
            wxUIActionSimulator().Char(WXK_RETURN);
        } else {
            // The list opens with the current item over its box, the others above and below it.
            const wxRect open = testing_app::OpenListOnScreen();
            const int item = open.height / static_cast<int>(list.GetCount());
            const wxPoint over_box = list.ClientToScreen(wxPoint(list.GetClientSize().x / 2, list.GetClientSize().y / 2));
            const wxPoint target(over_box.x, over_box.y + (chosen - before) * item);
            ASSERT_TRUE(testing_gui::ClickAt(*frame, frame->ScreenToClient(target)));
        }
        ASSERT_TRUE(WaitUntil([&] { return frame->GetLayoutStore()->CurrentActivityLayoutName() == list.GetString(static_cast<unsigned>(chosen)); }));
        ASSERT_TRUE(WaitUntil([] { return testing_app::OpenListOnScreen().IsEmpty(); })) << "the list closes";
        Settle();
        SeedClipboard("seed");
        wxUIActionSimulator().Char('c', wxMOD_CONTROL);
        const wxString text = table.GetContentView()->GetText();
        EXPECT_TRUE(WaitUntil([&] { return ClipboardText() == text; })) << ClipboardText().Left(40);
        table.Host().ScrollTo(0, 0);
        wxUIActionSimulator().Char(WXK_PAGEDOWN);
        EXPECT_TRUE(WaitUntil([&] { return table.Host().ScrollY() > 0; })) << "Page Down moves the table";
    }
}

// Where the window system has a point of a window inside the frame: under a window manager only
// the frame's own place is reported rightly.
wxPoint OnTheDesktop(wxWindow& window, wxPoint point) {
    for (wxWindow* inside = &window; !inside->IsTopLevel(); inside = inside->GetParent()) point += inside->GetPosition();
    return wxGetTopLevelParent(&window)->ClientToScreen(point);
}

// Counts the presses that reach a window, while it lives.
class PressesOn final : public wxEventFilter {
public:
    explicit PressesOn(wxWindow& window) : m_window(window) { wxEvtHandler::AddFilter(this); }
    ~PressesOn() override { wxEvtHandler::RemoveFilter(this); }
    PressesOn(const PressesOn&) = delete;
    PressesOn& operator=(const PressesOn&) = delete;
    int FilterEvent(wxEvent& event) override {
        if (event.GetEventType() == wxEVT_LEFT_DOWN && event.GetEventObject() == &m_window) ++count;
        return Event_Skip;
    }
    int count = 0;

private:
    wxWindow& m_window;
};

// Under a window manager, a schedule opened or another category shown while another program is
// in front gives the table the keys when the user comes back as from a taskbar or by a click on
// the title bar; a user who comes back by a click in the chart keeps the keys there.
TEST_F(PaneViewTest, BackFromAnotherProgramTheKeysGoWhereTheUserClicked) {
    if (std::getenv("OUTER_DISPLAY") == nullptr) GTEST_SKIP() << "run under under_mutter.sh";
    const wxPoint other_place(1400, 200);  // right of where the window manager puts the program
    const testing_app::AnotherProgram other(other_place);
    ASSERT_TRUE(other.Shown());
    StartWithSchedule();
    ASSERT_TRUE(WaitUntil([&] { return frame->IsActive(); }));
    VarnholtView& chart = *frame->GetGanttPane();
    enum class Back { by_a_click_in_the_chart, as_from_a_taskbar, by_a_click_on_the_title_bar };
    struct Round { const char* what; bool opens_a_schedule; Back back; };
    // Whether the press or the activation reaches the program first is the window system's
    // choice, and it varies: the chart is clicked in many rounds.
    std::vector<Round> rounds;
    for (int click = 0; click < 8; ++click) {
        const bool opens = click % 2 == 1;
        rounds.push_back({opens ? "a schedule opened" : "another category", opens, Back::by_a_click_in_the_chart});
    }
    rounds.push_back({"a schedule opened", true, Back::by_a_click_on_the_title_bar});
    rounds.push_back({"another category", false, Back::as_from_a_taskbar});
    for (std::size_t index = 0; index < rounds.size(); ++index) {
        const Round& round = rounds[index];
        SCOPED_TRACE(testing::Message() << "round " << index << ": " << round.what << ", back " << static_cast<int>(round.back));
        testing_app::ClickThroughTheDesktop(other_place + wxSize(20, 10));
        ASSERT_TRUE(WaitUntil([&] { return !frame->IsActive(); })) << "the other program is in front";
        if (round.opens_a_schedule) {
            ASSERT_TRUE(frame->OpenFile(Schedule(L"other.xer", LongSchedule())));
        } else {
            frame->SwitchToPage(StepCategoryTab(frame->GetRibbon()->GetActivePage(), 1));
        }
        Settle();
        if (round.back == Back::as_from_a_taskbar) {
            const std::string activate = "xdotool search --name '^" + frame->GetTitle().ToStdString() + "$' windowactivate";
            ASSERT_TRUE(testing_gui::RunTool(activate)) << activate;
        } else if (round.back == Back::by_a_click_on_the_title_bar) {
            testing_app::ClickThroughTheDesktop(frame->ClientToScreen(wxPoint(frame->GetClientSize().x / 2, -10)));
        } else {
            // A window manager busy with other work may take a click for the activation alone and
            // pass no press on: the user clicks again.
            PressesOn presses(chart);
            for (int click = 0; click < 3 && presses.count == 0; ++click) {
                testing_app::ClickThroughTheDesktop(OnTheDesktop(chart, wxPoint(chart.GetClientSize().x / 2, chart.GetClientSize().y / 2)));
                (void)WaitUntil([&presses] { return presses.count > 0; }, std::chrono::milliseconds(2000));
            }
            ASSERT_GT(presses.count, 0) << "no click reached the chart";
        }
        ASSERT_TRUE(WaitUntil([&] { return frame->IsActive(); }));
        ASSERT_TRUE(testing_gui::WaitForFrames(*frame, 4));
        EXPECT_EQ(wxWindow::FindFocus(), round.back == Back::by_a_click_in_the_chart ? &chart : frame->GetTablePane());
        frame->SwitchToPage(static_cast<std::int32_t>(Category::activities));  // the chart shows in the next round
        Settle();
    }
}

TEST_F(PaneViewTest, TheDetailsButtonGoesToTheRelatedActivity) {
    StartWithSchedule();
    ContentViews& views = frame->GetContentViews();
    VarnholtView& table_pane = *frame->GetTablePane();
    VarnholtView& details = *frame->GetDetailsPane();
    views.activity_details->SetCurrentTab(CaptionCatalog::Instance().Lookup(50750));  // Successors
    frame->ShowCategory(1);
    Settle();

    view::View& table = *views.activity_table;
    view::Row* first = nullptr;
    for (view::Row* row : table.GetRowList().Rows()) {
        if (row->GetActivity() != nullptr && row->GetActivity()->task_id.value == 1000) first = row;
    }
    ASSERT_NE(first, nullptr);
    Click(table_pane, *first);
    EXPECT_EQ(table.GetSelectedRow(), first);
    EXPECT_EQ(SelectedCount(table), 1u);
    ASSERT_TRUE(WaitUntil([&] { return views.successors->GetRowList().Size() == 2; })) << "the details pane follows";
    ASSERT_NE(details.first_sub_view, nullptr);
    ASSERT_NE(details.details_button, nullptr);
    EXPECT_TRUE(details.first_sub_view->IsShown());
    EXPECT_TRUE(details.details_button->IsShown());
    EXPECT_FALSE(details.details_button->IsEnabled());

    view::Row* relationship = views.successors->GetRowList().At(1);
    ASSERT_NE(relationship->GetRelationship(), nullptr);
    const TaskRecord* target = relationship->GetRelationship()->successor;
    Click(*details.first_sub_view, *relationship);
    EXPECT_EQ(views.successors->GetSelectedRow(), relationship);
    EXPECT_TRUE(details.details_button->IsEnabled());

    table.SelectRow(nullptr);
    details.first_sub_view->UpdateRelatedControls();
    EXPECT_FALSE(details.details_button->IsEnabled()) << "no activity selected";
    table.SelectRow(first);
    details.first_sub_view->UpdateRelatedControls();
    ASSERT_TRUE(details.details_button->IsEnabled());

    wxCommandEvent press(wxEVT_BUTTON, kDetailsButtonId);
    press.SetEventObject(details.details_button);
    (void)details.details_button->ProcessWindowEvent(press);
    const view::Row* now = table.GetSelectedRow();
    ASSERT_NE(now, nullptr);
    EXPECT_EQ(now->GetActivity(), target);
    EXPECT_EQ(SelectedCount(table), 1u);
    const std::int32_t row_height = static_cast<std::int32_t>(table.GetRowHeight());
    const std::int32_t top = row_height * now->index + static_cast<std::int32_t>(table.GetHeaderHeight());
    const std::int32_t y = table_pane.Host().ScrollY();
    EXPECT_GT(y, 0);
    EXPECT_EQ(top + 2 * row_height, y + table_pane.Host().ClientHeight()) << "two rows inside the bottom edge";
    EXPECT_EQ(frame->GetGanttPane()->Host().ScrollY(), y);

    // The find dialog's notice brings the found row into view the same way.
    table_pane.Host().ScrollTo(0, 0);
    Paint(table_pane);
    wxCommandEvent found(EVT_FIND_DIALOG_DID_FIND);
    (void)table_pane.ProcessWindowEvent(found);
    EXPECT_EQ(table_pane.Host().ScrollY(), y);
}

TEST_F(PaneViewTest, AnotherCategorysTabLeavesNoSubViewBehind) {
    StartWithSchedule();
    ContentViews& views = frame->GetContentViews();
    VarnholtView& details = *frame->GetDetailsPane();
    views.activity_details->SetCurrentTab(CaptionCatalog::Instance().Lookup(40117));  // Notebook
    frame->ShowCategory(1);
    Settle();
    ASSERT_NE(details.second_sub_view, nullptr);
    EXPECT_TRUE(details.first_sub_view->IsShown());
    EXPECT_TRUE(details.second_sub_view->IsShown());
    EXPECT_EQ(details.first_sub_view->GetPartner(), details.second_sub_view);

    views.project_details->SetCurrentTab(CaptionCatalog::Instance().Lookup(view::kGeneralTabCaption));
    frame->SwitchToPage(3);
    Settle();
    details.SyncWithCategory();
    EXPECT_FALSE(details.first_sub_view->IsShown());
    EXPECT_FALSE(details.second_sub_view->IsShown());
    EXPECT_EQ(details.first_sub_view->GetPartner(), nullptr);
}

TEST_F(PaneViewTest, AColumnResizeReleasedOutsideThePaneEndsThere) {
    view::LayoutColumn* column = StartWithFirstColumn();
    ASSERT_NE(column, nullptr);
    VarnholtView& table_pane = *frame->GetTablePane();
    const view::View& table = *table_pane.GetContentView();
    Paint(table_pane);
    const int border = static_cast<int>(column->width * view::DisplayScale());
    const wxPoint press = table_pane.ClientToScreen(wxPoint(border, static_cast<int>(table.GetHeaderHeight() / 2)));
    const wxPoint outside = frame->GetGanttPane()->ClientToScreen(wxPoint(100, 200));
    const float before = column->width;

    wxUIActionSimulator input;
    input.MouseMove(press);
    ASSERT_TRUE(WaitUntil([&] { return wxGetMousePosition() == press; }));
    input.MouseDown();
    ASSERT_TRUE(WaitUntil([&] { return table_pane.HasCapture(); }));
    input.MouseMove(outside);
    ASSERT_TRUE(WaitUntil([&] { return column->width != before; })) << "the drag resizes";
    input.MouseUp();
    ASSERT_TRUE(WaitUntil([&] { return !table_pane.HasCapture(); }));
    const float released = column->width;

    input.MouseMove(table_pane.ClientToScreen(wxPoint(border / 2, 200)));
    for (int i = 0; i < 10; ++i) (void)wxTheApp->Yield(true);
    EXPECT_EQ(column->width, released) << "moves after the release no longer resize";
}

// Holds back the releases that reach a window while it lives, as a window system does that gives
// them to another window's grab or delivers them late; `Deliver` hands the last one on after all.
class ReleasesHeldFrom final : public wxEventFilter {
public:
    explicit ReleasesHeldFrom(wxWindow& window) : m_window(window) { wxEvtHandler::AddFilter(this); }
    ~ReleasesHeldFrom() override { wxEvtHandler::RemoveFilter(this); }
    ReleasesHeldFrom(const ReleasesHeldFrom&) = delete;
    ReleasesHeldFrom& operator=(const ReleasesHeldFrom&) = delete;
    int FilterEvent(wxEvent& event) override {
        if (event.GetEventType() != wxEVT_LEFT_UP || event.GetEventObject() != &m_window || m_delivering) return Event_Skip;
        held.reset(event.Clone());
        return Event_Processed;
    }
    void Deliver() {
        m_delivering = true;
        (void)m_window.ProcessWindowEvent(*held);
        m_delivering = false;
    }
    std::unique_ptr<wxEvent> held;

private:
    wxWindow& m_window;
    bool m_delivering = false;
};

// A click on a WBS group's expander whose release the pane never gets still ends once the
// button is up: the group folds and the pane lets the pointer go. The next click at once, which
// the window system may take for a double click's second press, is a click. Where the release
// comes after all, the group stays as one click left it.
TEST_F(PaneViewTest, AClickWhoseReleaseThePaneGetsLateOrNeverEndsOnce) {
    StartWithSchedule();
    frame->Raise();
    VarnholtView& pane = *frame->GetTablePane();
    const auto group = [&pane](std::size_t nth) -> const view::Row* {
        for (const view::Row* row : pane.GetContentView()->GetRowList().Rows()) {
            if (row->IsGroupRow() && nth-- == 0) return row;
        }
        return nullptr;
    };
    const auto expander = [&pane, &group](std::size_t nth) {
        Paint(pane);
        const view::PointF middle = group(nth)->GetExpanderRect().Center();
        return wxPoint(static_cast<int>(middle.x) - pane.Host().ScrollX(), static_cast<int>(middle.y) - pane.Host().ScrollY());
    };
    ASSERT_TRUE(group(1) != nullptr && group(0)->expanded && group(1)->expanded);
    {
        ReleasesHeldFrom never(pane);
        ASSERT_TRUE(testing_gui::ClickAt(pane, expander(0)));
        ASSERT_TRUE(WaitUntil([&] { return never.held != nullptr; }));
        EXPECT_TRUE(WaitUntil([&] { return !pane.HasCapture(); })) << "the pane lets the pointer go";
        EXPECT_FALSE(group(0)->expanded) << "the click ended";
    }
    ASSERT_TRUE(testing_gui::ClickAt(pane, expander(0)));
    EXPECT_TRUE(WaitUntil([&] { return group(0)->expanded && !pane.HasCapture(); })) << "the next click is a click";

    // Another group's, so that the window system counts no third click.
    ReleasesHeldFrom late(pane);
    ASSERT_TRUE(testing_gui::ClickAt(pane, expander(1)));
    ASSERT_TRUE(WaitUntil([&] { return late.held != nullptr && !pane.HasCapture(); }));
    late.Deliver();
    EXPECT_FALSE(group(1)->expanded) << "folded once";
}

// The program's window closed while the button is held on a pane: the pane, which holds the
// pointer's capture, lets it go as it goes.
TEST_F(PaneViewTest, AWindowClosedWhileAPaneHoldsThePointerLeavesNoCapture) {
    StartWithSchedule();
    frame->Raise();
    VarnholtView& pane = *frame->GetTablePane();
    ASSERT_TRUE(testing_gui::MoveTo(pane, wxPoint(40, pane.GetClientSize().y / 2)));
    wxUIActionSimulator mouse;
    mouse.MouseDown();
    const bool captured = WaitUntil([&] { return pane.HasCapture(); });
    if (captured) frame->Close(true);
    EXPECT_TRUE(WaitUntil([] { return wxTopLevelWindows.empty(); }));
    mouse.MouseUp();
    ASSERT_TRUE(captured);
    EXPECT_EQ(wxWindow::GetCapture(), nullptr);
}

// A quick drag of a border, steps of two pixels with no pause between them, right and left:
// the window system merges and drops the moves, and the border still stands on the pixel the
// pointer is on while the button is held and where it let go, and comes back to where it
// started, in a grouped table, a tree and a relationship table alike. The X test extension's
// tool sends each drag at once, as a quick hand does; the last kind is a drag whose moves all
// came with its release.
TEST_F(PaneViewTest, AQuickDragLeavesTheColumnBorderWhereThePointerLetGo) {
    StartWithSchedule();
    frame->Raise();
    frame->GetContentViews().activity_details->SetCurrentTab(CaptionCatalog::Instance().Lookup(50750));  // Successors
    const auto xdotool = [](const std::string& actions) { return testing_gui::RunTool("xdotool " + actions); };
    int releases = 0;
    const auto count_releases = [&releases](wxMouseEvent& event) {
        ++releases;
        event.Skip();
    };
    enum class Kind { quick, held, with_the_release };
    struct Table { const char* name; Category category; bool successors; };
    for (const Table& shown : {Table{"activities", Category::activities, false}, Table{"resources", Category::resources, false},
                               Table{"successors", Category::activities, true}}) {
        SCOPED_TRACE(shown.name);
        frame->SwitchToPage(static_cast<std::int32_t>(shown.category));
        if (shown.successors) {
            wxCommandEvent details(wxEVT_MENU, IDC_BUTTON_ACT_DETAILS);
            (void)frame->GetEventHandler()->ProcessEvent(details);
        }
        Settle();
        VarnholtView* pane = shown.successors ? frame->GetDetailsPane()->first_sub_view : frame->GetTablePane();
        ASSERT_TRUE(pane != nullptr && pane->IsShownOnScreen());
        const view::View& table = *pane->GetContentView();
        view::LayoutColumn* column = shown.successors ? table.GetLayout()->GetSuccColumn(0) : table.GetLayout()->GetColumn(0);
        ASSERT_NE(column, nullptr);
        column->width = 200.0f;  // well inside the pane, and wider than the least width
        ASSERT_TRUE(testing_gui::WaitForFrames(*pane)) << "shown";
        if (shown.category != Category::resources) pane->Bind(wxEVT_LEFT_UP, count_releases);  // the table pane once
        // The pixel the border is drawn on: drawn lengths are cut to whole pixels.
        const auto border = [&] {
            return static_cast<int>(std::floor(column->width * view::DisplayScale())) - pane->Host().ScrollX();
        };
        Paint(*pane);
        const int start = border();
        for (const Kind kind : {Kind::quick, Kind::held, Kind::with_the_release}) {
            for (const int distance : {40, -40}) {
                SCOPED_TRACE(testing::Message() << distance << ", kind " << static_cast<int>(kind));
                Paint(*pane);
                const int pressed_x = border();
                const wxPoint press(pressed_x, static_cast<int>(table.GetHeaderHeight() / 2));
                const int pointer_x = pressed_x + distance;
                ASSERT_TRUE(testing_gui::MoveTo(*pane, press));
                std::string moves = "mousedown 1";
                for (int step = 2; step <= std::abs(distance); step += 2) {
                    moves += distance > 0 ? " mousemove_relative 2 0" : " mousemove_relative -- -2 0";
                }
                const int released_before = releases;
                if (kind == Kind::with_the_release) {
                    Mouse(*pane, wxEVT_LEFT_DOWN, press, true);
                    Mouse(*pane, wxEVT_LEFT_UP, press + wxSize(distance, 0), false);
                } else if (kind == Kind::held) {
                    ASSERT_TRUE(xdotool(moves));
                    EXPECT_TRUE(WaitUntil([&] { return border() == pointer_x; })) << border();
                    ASSERT_TRUE(xdotool("mouseup 1"));
                } else {
                    ASSERT_TRUE(xdotool(moves + " mouseup 1"));
                }
                ASSERT_TRUE(WaitUntil([&] { return releases > released_before; }));
                EXPECT_EQ(border(), pointer_x);
            }
        }
        EXPECT_EQ(border(), start) << "as far right as left";
    }
}

// The chart's rows stand beside the same rows of the table after a paint clamped the table's
// position to a shorter content: another category's table, or another file's.
TEST_F(PaneViewTest, AnotherCategoryOrFileLeavesTheChartBesideItsRows) {
    StartWithSchedule();
    VarnholtView& table = *frame->GetTablePane();
    VarnholtView& gantt = *frame->GetGanttPane();
    const auto rows_shown_at = [&](const char* step) {
        SCOPED_TRACE(step);
        Settle();
        EXPECT_EQ(gantt.GetContentView()->GetDrawContext().GetOriginY(), table.GetContentView()->GetDrawContext().GetOriginY());
        EXPECT_EQ(gantt.GetScrollPos(wxVERTICAL), table.GetScrollPos(wxVERTICAL));
        EXPECT_EQ(gantt.Host().ScrollY(), table.Host().ScrollY());
    };

    TurnWheelDown(table, 12);
    ASSERT_TRUE(WaitUntil([&] { return table.Host().ScrollY() == 240 && gantt.Host().ScrollY() == 240; }));
    ClickTab(Category::resources);
    ASSERT_LT(table.Host().ScrollY(), 240) << "the resources are fewer";
    ClickTab(Category::activities);
    rows_shown_at("after the resources");

    TurnWheelDown(table, 12);
    ASSERT_TRUE(WaitUntil([&] { return table.Host().ScrollY() == 240 && gantt.Host().ScrollY() == 240; }));
    // File > Open from the File page, with the path its dialog answers.
    ClickTab(Category::file_page);
    ASSERT_TRUE(frame->OpenFile(Schedule(L"short.xer", testing_shell::EveryCategorySchedule("S"))));
    rows_shown_at("after a shorter file");
}

// Home, End, Ctrl+Home and Ctrl+End mean nothing to a pane: neither the table nor its chart
// moves, across or down.
TEST_F(PaneViewTest, KeysThePanesDoNotAnswerMoveNeitherPane) {
    StartWithSchedule();
    VarnholtView& table = *frame->GetTablePane();
    VarnholtView& gantt = *frame->GetGanttPane();
    TurnWheelDown(table, 3);
    ASSERT_TRUE(WaitUntil([&] { return table.Host().ScrollY() == 60; }));
    ASSERT_TRUE(testing_gui::ClickAt(table, wxPoint(40, table.GetClientSize().y / 2)));
    ASSERT_TRUE(WaitUntil([&] { return wxWindow::FindFocus() == &table; }));
    Settle();
    const std::array before{ShownBy(table), ShownBy(gantt)};

    const std::array<std::pair<int, int>, 4> keys{{{WXK_HOME, wxMOD_NONE}, {WXK_END, wxMOD_NONE},
                                                   {WXK_HOME, wxMOD_CONTROL}, {WXK_END, wxMOD_CONTROL}}};
    int last_key = 0;  // as the pane received it
    table.Bind(wxEVT_KEY_DOWN, [&last_key](wxKeyEvent& event) {
        last_key = event.GetKeyCode();
        event.Skip();
    });
    for (const auto& [key, modifiers] : keys) {
        SCOPED_TRACE(testing::Message() << "key " << key << " with modifiers " << modifiers);
        last_key = 0;
        wxUIActionSimulator().Char(key, modifiers);
        ASSERT_TRUE(WaitUntil([&last_key, key] { return last_key == key; }));
        ASSERT_TRUE(testing_gui::WaitForFrames(table));  // anything the key moved is drawn
        Settle();
        EXPECT_EQ(ShownBy(table), before[0]);
        EXPECT_EQ(ShownBy(gantt), before[1]);
    }
    // The keys did reach the pane: the next one it answers moves it.
    wxUIActionSimulator().Char(WXK_RIGHT);
    EXPECT_TRUE(WaitUntil([&] { return table.Host().ScrollX() > before[0].drawn_x; }));
}

}  // namespace
}  // namespace varnholt

int main(int argc, char** argv) { return varnholt::testing_app::RunAppGuiTests(argc, argv); }
