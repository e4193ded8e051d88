// chooser_gui_test.cpp - the columns dialog and the filters dialog inside the running program:
// what they add and keep, how their lists and arrows look on screen, and Tab through them.

#include "app/dialogs/ActivityFiltersDialog.h"
#include "chooser_test_support.h"
#include "gui_input.h"
#include "layouts/FilterSelection.h"
#include "layouts/Layout.h"
#include "layouts/NamedFilter.h"
#include "screen_pixels.h"
#include "tab_walk.h"

#include <memory>
#include <string>
#include <vector>

namespace varnholt {
namespace {

using testing_app::WaitUntil;
using testing_chooser::ChooserTest;
using testing_chooser::Centred;
using testing_chooser::ExpectOneCentredColumn;
using testing_chooser::HasGridLines;
using testing_gui::ChangedPixels;
using testing_gui::ClickAt;
using testing_gui::ExpectStopsInOrder;
using testing_gui::InVisibleOrder;
using testing_gui::NameOf;
using testing_gui::WalkTab;

TEST_F(ChooserTest, TheColumnsDialogAddsChosenColumnsOnlyAndKeepsThemAfterCancel) {
    CMainFrame* frame = StartWithSchedule();
    ASSERT_NE(frame, nullptr);
    frame->SwitchToPage(static_cast<std::int32_t>(Category::activities));
    view::Layout* layout = frame->GetLayoutStore()->GetCurrentActivityLayout();
    ASSERT_NE(layout, nullptr);
    const std::size_t before = layout->GetColumnCount();
    std::wstring added_caption;
    m_hook.answer = wxID_CANCEL;
    m_hook.inspect = [&](wxDialog& dialog) {
        auto* columns = dynamic_cast<ColumnsDialog*>(&dialog);
        ASSERT_NE(columns, nullptr);
        EXPECT_FALSE(columns->AddButton().IsEnabled());
        columns->Available().ChooseHeading(0);
        EXPECT_TRUE(WaitUntil([columns] { return columns->Available().ChosenEntries().empty(); }));
        columns->UpdateButtons();
        EXPECT_FALSE(columns->AddButton().IsEnabled()) << "a heading is not a column";
        columns->AddChosen();
        EXPECT_EQ(layout->GetColumnCount(), before);

        ASSERT_FALSE(columns->Lists().available.empty());
        const std::size_t pick = columns->Lists().available.size() / 2;
        added_caption = columns->Lists().available[pick].caption;
        columns->Available().ChooseEntry(pick);
        columns->UpdateButtons();
        EXPECT_TRUE(columns->AddButton().IsEnabled());
        columns->AddChosen();
        EXPECT_EQ(columns->Lists().selected.back().caption, added_caption);

        columns->Selected().ChooseEntry(0);
        columns->UpdateButtons();
        EXPECT_FALSE(columns->UpButton().IsEnabled());
        EXPECT_TRUE(columns->DownButton().IsEnabled());
        EXPECT_TRUE(columns->RemoveButton().IsEnabled());
    };
    ShowColumnsDialog(*frame, view::LayoutKind::activity);
    m_hook.inspect = nullptr;
    ASSERT_EQ(layout->GetColumnCount(), before + 1) << "Cancel does not undo";
    EXPECT_EQ(layout->GetColumn(before)->GetTitle(), added_caption);
    frame->Refresh();
    frame->Update();
    EXPECT_NE(frame->GetCurrentTableView()->GetText().find(added_caption), std::wstring::npos);
}

TEST_F(ChooserTest, TheFiltersDialogOfALayoutWithoutSelectionStartsClear) {
    CMainFrame* frame = StartWithSchedule();
    ASSERT_NE(frame, nullptr);
    frame->SwitchToPage(static_cast<std::int32_t>(Category::activities));
    view::Layout* layout = frame->GetLayoutStore()->GetCurrentActivityLayout();
    ASSERT_NE(layout, nullptr);
    layout->SetFilter(nullptr);
    std::wstring chosen;
    m_hook.answer = wxID_OK;
    m_hook.inspect = [&](wxDialog& dialog) {
        auto* filters = dynamic_cast<ActivityFiltersDialog*>(&dialog);
        ASSERT_NE(filters, nullptr);
        ASSERT_GT(filters->FilterList().EntryCount(), 0u);
        EXPECT_FALSE(filters->FilterList().AnyChecked());
        EXPECT_TRUE(filters->PassAll().GetValue());
        EXPECT_FALSE(filters->ClearAllButton().IsEnabled());
        filters->FilterList().SetChecked(0, true);
        EXPECT_TRUE(filters->ClearAllButton().IsEnabled());
        chosen = filters->Items().front().filter->name;
        filters->PassAny().SetValue(true);
        wxCommandEvent ok(wxEVT_BUTTON, wxID_OK);
        ok.SetEventObject(&dialog);
        dialog.GetEventHandler()->ProcessEvent(ok);
    };
    EXPECT_TRUE(ShowActivityFiltersDialog(*frame));
    m_hook.inspect = nullptr;
    const FilterSelection* selection = layout->GetFilter();
    ASSERT_NE(selection, nullptr);
    EXPECT_NE(selection->mode, 0);
    ASSERT_EQ(selection->filters.size(), 1u);
    EXPECT_EQ(selection->filters.front()->name, chosen);
}

TEST_F(ChooserTest, TheColumnChooserOnScreenHasItsControlsUnderTheirIdsAndCentredLists) {
    CMainFrame* frame = StartWithSchedule();
    ASSERT_NE(frame, nullptr);
    frame->SwitchToPage(static_cast<std::int32_t>(Category::activities));
    bool ran = false;
    m_hook.answer = wxID_CANCEL;
    m_hook.while_shown = [&ran](wxDialog& dialog) {
        auto* columns = dynamic_cast<ColumnsDialog*>(&dialog);
        ASSERT_NE(columns, nullptr);
        ran = true;
        const std::pair<int, const wxWindow*> controls[] = {
            {1271, &columns->Available()}, {1272, &columns->Selected()},  {1097, &columns->AddButton()},
            {1098, &columns->RemoveButton()}, {1099, &columns->UpButton()}, {1100, &columns->DownButton()}};
        for (const auto& [id, control] : controls) EXPECT_EQ(dialog.FindWindow(id), control) << id;
        ExpectOneCentredColumn(columns->Available(), 200);
        ExpectOneCentredColumn(columns->Selected(), 220);
        EXPECT_TRUE(HasGridLines(columns->Available()));
        EXPECT_FALSE(HasGridLines(columns->Selected()));
    };
    ShowColumnsDialog(*frame, view::LayoutKind::activity);
    EXPECT_TRUE(ran);
}

TEST_F(ChooserTest, TheFilterListOnScreenHasANarrowCheckColumnAndHeadingsThatNeverFold) {
    CMainFrame* frame = StartWithSchedule();
    ASSERT_NE(frame, nullptr);
    frame->SwitchToPage(static_cast<std::int32_t>(Category::activities));
    frame->GetLayoutStore()->GetCurrentActivityLayout()->SetFilter(nullptr);
    bool ran = false;
    m_hook.answer = wxID_CANCEL;
    m_hook.while_shown = [&ran](wxDialog& dialog) {
        auto* filters = dynamic_cast<ActivityFiltersDialog*>(&dialog);
        ASSERT_NE(filters, nullptr);
        ran = true;
        GroupedList& list = filters->FilterList();
        const std::pair<int, const wxWindow*> controls[] = {
            {1093, &list}, {1266, &filters->PassAll()}, {1267, &filters->PassAny()}, {3, &filters->ClearAllButton()}};
        for (const auto& [id, control] : controls) EXPECT_EQ(dialog.FindWindow(id), control) << id;
        EXPECT_TRUE(HasGridLines(list));
        ASSERT_EQ(list.GetColumnCount(), 2u);
        EXPECT_EQ(list.GetColumn(0)->GetTitle(), wxString(wxUniChar(0x2714)));
        EXPECT_EQ(list.GetColumn(0)->GetWidth(), 20);
        EXPECT_TRUE(Centred(*list.GetColumn(0)));
        EXPECT_GE(list.GetColumn(1)->GetWidth(), 250);

        // The built-in filters' heading tops the list. A click at the left end of its text, then
        // Shift+Left, would fold a tree's branch away; the row under the heading stays the first
        // filter.
        const wxDataViewItem heading = list.GetTopItem();
        ASSERT_TRUE(heading.IsOk());
        const wxRect row = list.GetItemRect(heading, list.GetColumn(1));
        ASSERT_FALSE(row.IsEmpty());
        ASSERT_TRUE(ClickAt(list, wxPoint(row.x + 8, row.y + row.height / 2)));
        ASSERT_TRUE(WaitUntil([&list] { return wxWindow::FindFocus() == &list; }));
        wxUIActionSimulator keys;
        keys.Char(WXK_LEFT, wxMOD_SHIFT);
        ASSERT_TRUE(ClickAt(list, wxPoint(row.x + row.width / 2, row.y + row.height + row.height / 2)));
        EXPECT_TRUE(WaitUntil([&list] { return list.ChosenEntries() == std::vector<std::size_t>{0}; }))
            << "the first filter still stands under its heading";
    };
    EXPECT_FALSE(ShowActivityFiltersDialog(*frame));
    EXPECT_TRUE(ran);
}

// Tab visits the columns dialog's controls in the order they stand on screen, and each stop shows
// the focus: the control looks different while it has it. A button that its own press disables
// hands the focus on rather than dropping it.
TEST_F(ChooserTest, TabWalksTheColumnsDialogInVisibleOrderAndEveryStopShowsTheFocus) {
    EXPECT_TRUE(WhileColumnsDialogShown([](wxDialog& dialog, ColumnsDialog* columns) {
        // Every button usable: a column chosen on each side, the shown one neither first nor last.
        columns->Available().ChooseEntry(0);
        columns->Selected().ChooseEntry(1);
        columns->UpdateButtons();
        const std::vector<wxWindow*> order = InVisibleOrder(dialog);
        ASSERT_EQ(order.size(), 8u) << "two lists, four arrows, OK and Cancel";
        // Once round and one step on, so that each stop is seen with the focus and without it.
        const auto [stops, shots] = WalkTab(dialog, order);
        ASSERT_EQ(stops.size(), order.size() + 1);
        ExpectStopsInOrder(stops, order);
        constexpr int kFocusMark = 20;  // pixels; a dotted outline round a button has some 120
        for (std::size_t k = 0; k + 1 < stops.size(); ++k) {
            if (stops[k] == nullptr) continue;  // already reported
            EXPECT_GE(ChangedPixels(shots[k], shots[k + 1], dialog, *stops[k]), kFocusMark)
                << "no focus mark on " << NameOf(stops[k]);
        }

        // Space on the focused Add button adds the column and disables the button.
        columns->AddButton().SetFocus();
        ASSERT_TRUE(WaitUntil([columns] { return wxWindow::FindFocus() == &columns->AddButton(); }));
        const std::size_t shown = columns->Lists().selected.size();
        wxUIActionSimulator keys;
        keys.Char(' ');
        ASSERT_TRUE(WaitUntil([columns, shown] { return columns->Lists().selected.size() == shown + 1; }));
        // The toolkit settles the focus on a control that can take it.
        (void)WaitUntil([] { return wxWindow::FindFocus() != nullptr && wxWindow::FindFocus()->IsEnabled(); });
        wxWindow* const focused = wxWindow::FindFocus();
        ASSERT_NE(focused, nullptr) << "the focus went nowhere";
        const wxImage with_focus = testing_gui::GrabSteady(&dialog);
        keys.Char(WXK_TAB);
        (void)WaitUntil([focused] { return wxWindow::FindFocus() != focused; });
        EXPECT_GE(ChangedPixels(with_focus, testing_gui::GrabSteady(&dialog), dialog, *focused), kFocusMark)
            << "no focus mark on " << NameOf(focused);
    }));
}

// Columns added with the Add button until the shown list scrolls: its rows stay as wide as the
// list beside the vertical scroll bar, so no sideways bar comes to cover the last of them.
TEST_F(ChooserTest, ColumnsAddedUntilTheListScrollsBringNoSidewaysBar) {
    EXPECT_TRUE(WhileColumnsDialogShown([](wxDialog&, ColumnsDialog* columns) {
        auto* window = GTK_SCROLLED_WINDOW(columns->Selected().GetHandle());
        GtkAdjustment* down = gtk_scrolled_window_get_vadjustment(window);
        GtkAdjustment* sideways = gtk_scrolled_window_get_hadjustment(window);
        const auto scrolls = [](GtkAdjustment* axis) {
            return gtk_adjustment_get_upper(axis) > gtk_adjustment_get_page_size(axis);
        };
        for (std::size_t added = 0; added < 8 && !scrolls(down); ++added) {
            columns->Available().ChooseEntry(2 * added);
            columns->UpdateButtons();
            const std::size_t shown = columns->Lists().selected.size();
            ASSERT_TRUE(testing_gui::ClickMiddle(columns->AddButton()));
            ASSERT_TRUE(WaitUntil([&] { return columns->Lists().selected.size() > shown; }));
            ASSERT_TRUE(testing_gui::WaitForFrames(*columns));  // the list lays out its rows
        }
        ASSERT_TRUE(scrolls(down)) << "enough columns to scroll";
        EXPECT_FALSE(scrolls(sideways)) << "rows " << gtk_adjustment_get_upper(sideways) << " px wide in a "
                                        << gtk_adjustment_get_page_size(sideways) << "-px list";
        EXPECT_FALSE(gtk_widget_get_mapped(gtk_scrolled_window_get_hscrollbar(window)));
    }));
}

// An arrow that can be used stands out from its button by 3 : 1 or more, in a light theme and
// in a dark one; one that cannot stands out less, yet is still there.
TEST_F(ChooserTest, TheColumnChoosersArrowsStandOutWhenUsableAndFadeWhenNot) {
    EXPECT_TRUE(WhileColumnsDialogShown([](wxDialog& dialog, ColumnsDialog* columns) {
        columns->Available().ChooseEntry(0);  // Add usable; nothing shown is chosen
        columns->UpdateButtons();
        ASSERT_TRUE(ClickAt(dialog, wxPoint(3, 3)));  // the pointer hovers over no button
        const wxImage picture = testing_gui::GrabSteady(&dialog);
        const std::pair<const char*, const wxButton*> arrows[] = {{"add", &columns->AddButton()},
                                                                  {"remove", &columns->RemoveButton()},
                                                                  {"up", &columns->UpButton()},
                                                                  {"down", &columns->DownButton()}};
        double faintest_usable = 100;
        double boldest_faded = 1;
        for (const auto& [name, button] : arrows) {
            // The picture's square in the middle of the button, inside any focus outline; the
            // button's face is most of it.
            const wxPoint middle = dialog.ScreenToClient(button->GetScreenPosition()) + button->GetSize() / 2;
            const wxSize half = button->FromDIP(wxSize(8, 8));
            const testing_gui::TextLook look = testing_gui::MeasureText(picture, wxRect(middle - half, half * 2));
            SCOPED_TRACE(testing::Message() << name << ": " << testing_gui::Describe(look));
            if (button->IsEnabled()) {
                EXPECT_GE(look.ratio, 3.0);
                faintest_usable = std::min(faintest_usable, look.ratio);
            } else {
                EXPECT_GE(look.ratio, 1.3) << "the faded arrow is still drawn";
                boldest_faded = std::max(boldest_faded, look.ratio);
            }
        }
        EXPECT_LT(boldest_faded, faintest_usable) << "a faded arrow stands out less than a usable one";
        EXPECT_TRUE(columns->AddButton().IsEnabled());
        EXPECT_FALSE(columns->UpButton().IsEnabled());
    }));
}

}  // namespace
}  // namespace varnholt

int main(int argc, char** argv) { return varnholt::testing_app::RunAppGuiTests(argc, argv); }
