// chooser_long_names_gui_test.cpp - names from files of any length in the columns, filters and
// find dialogs: the dialogs keep within the screen, and a name cut short shows whole in a tip
// where the pointer comes to rest as a hand brings it.

#include "app/dialogs/ActivityFiltersDialog.h"
#include "chooser_test_support.h"
#include "gui_input.h"
#include "layouts/NamedFilter.h"
#include "shown_tip.h"

#include <wx/choice.h>
#include <wx/display.h>

#include <gtk/gtk.h>

#include <chrono>
#include <initializer_list>
#include <map>
#include <memory>
#include <string>
#include <thread>
#include <vector>

namespace varnholt {
namespace {

using testing_app::WaitUntil;
using testing_chooser::ChooserTest;
using testing_chooser::GeneratedSchedule;

// How a chooser stands on screen while shown: its outline and the widths of its lists, and
// whether any list scrolls sideways.
struct ChooserLook {
    wxRect dialog;
    std::vector<int> lists;
    bool scrolls_sideways = false;
    int opened_list = 0;  // the width of a drop-down list opened
};

ChooserLook LookAt(wxDialog& dialog, std::initializer_list<const GroupedList*> lists) {
    EXPECT_TRUE(testing_gui::WaitForFrames(dialog));  // laid out and drawn
    ChooserLook look{.dialog = dialog.GetScreenRect(), .lists = {}};
    for (const GroupedList* list : lists) {
        look.lists.push_back(list->GetSize().x);
        GtkAdjustment* sideways = gtk_scrolled_window_get_hadjustment(GTK_SCROLLED_WINDOW(list->GetHandle()));
        look.scrolls_sideways |= gtk_adjustment_get_upper(sideways) > gtk_adjustment_get_page_size(sideways);
    }
    return look;
}

// A code type, a user field and a layout's filter named at length, as files may name them: the
// Columns, Filters and Find dialogs stay inside the screen, no wider than half of it (or than
// the program's own captions make them), each list at least as wide as with short names, Find's
// opened field list too; a long name ends in an ellipsis inside its list instead of bringing a
// sideways bar.
TEST_F(ChooserTest, NamesFromFilesOfAnyLengthKeepTheChoosersWithinHalfTheScreen) {
    std::map<std::string, ChooserLook> short_names;
    for (const std::size_t length : {std::size_t{6}, std::size_t{200}}) {
        const std::string name(length, 'N');
        std::string schedule = GeneratedSchedule();
        schedule.insert(schedule.rfind("%E"),
                        "%T\tACTVTYPE\n%F\tactv_code_type_id\tactv_code_type\tactv_code_type_scope\n%R\t1\tC" + name +
                            "\tAS_Global\n%T\tUDFTYPE\n%F\tudf_type_id\ttable_name\tudf_type_name\tudf_type_label\t"
                            "logical_data_type\n%R\t1\tTASK\tuser_field_1\tU" + name + "\tFT_TEXT\n");
        ASSERT_TRUE(Start(Schedule(L"named.xer", schedule)));
        CMainFrame& frame = *Frame();
        frame.SwitchToPage(kActivitiesTabPage);
        auto filter = std::make_unique<NamedFilter>(L"F" + std::wstring(length, L'N'));
        filter->id = 5000;  // a layout file's own
        frame.GetLayoutStore()->ActivityFilters().push_back(std::move(filter));

        std::map<std::string, ChooserLook> shown;
        bool ran = false;
        m_hook.CancelAfter<ColumnsDialog>(ran, [&shown](ColumnsDialog& columns) {
            shown["columns"] = LookAt(columns, {&columns.Available(), &columns.Selected()});
        });
        Command(frame, IDC_BUTTON_ACT_TABLE);
        ASSERT_TRUE(ran);
        m_hook.CancelAfter<ActivityFiltersDialog>(ran = false, [&shown](ActivityFiltersDialog& filters) {
            shown["filters"] = LookAt(filters, {&filters.FilterList()});
        });
        Command(frame, IDC_BUTTON_ACT_FILTER);
        ASSERT_TRUE(ran);
        FindDialog* find = FindFromRibbon(frame);
        ASSERT_NE(find, nullptr);
        ChooserLook& found = shown["find"] = LookAt(*find, {});
        found.lists.push_back(find->FieldList().GetSize().x);
        ASSERT_TRUE(testing_gui::ClickMiddle(find->FieldList()));
        GtkWidget* opened = testing_gui::ShownDropDownList();
        ASSERT_NE(opened, nullptr);
        found.opened_list = gtk_widget_get_allocated_width(opened);
        wxUIActionSimulator().Char(WXK_ESCAPE);
        ASSERT_TRUE(WaitUntil([opened] { return !gtk_widget_get_mapped(opened); }));
        frame.Close(true);
        ASSERT_TRUE(WaitUntil([] { return wxTopLevelWindows.empty(); }));
        if (short_names.empty()) {
            short_names = shown;
            continue;
        }
        const wxRect screen = wxDisplay(0u).GetClientArea();
        for (const auto& [dialog, look] : shown) {
            const ChooserLook& usual = short_names.at(dialog);
            SCOPED_TRACE(dialog);
            EXPECT_TRUE(screen.Contains(look.dialog)) << look.dialog.x << "," << look.dialog.y << " " << look.dialog.width;
            EXPECT_LE(look.dialog.width, std::max(screen.width / 2, usual.dialog.width));
            for (std::size_t i = 0; i < look.lists.size(); ++i)
                EXPECT_GE(look.lists[i], usual.lists[i]) << "list " << i << " as wide as with short names";
            EXPECT_FALSE(look.scrolls_sideways);
            EXPECT_LE(look.opened_list, screen.width / 2) << "the opened list";
        }
    }
}

// How long the program's loop stands still while the hand comes to rest, as on a busy machine:
// longer than the half second in which the toolkit shows one tip soon after another.
constexpr std::chrono::milliseconds kBusyMachineStall{700};

// Rests the pointer on the list's row of this text, once scrolled into view, and answers the
// tip that then shows; empty when none does. The program's loop stands still for `stall` just
// as the hand arrives.
std::string TipOverRow(GroupedList& list, const wxString& text, std::chrono::milliseconds stall = {}) {
    wxDataViewItemArray rows;
    list.GetModel()->GetChildren(wxDataViewItem(), rows);
    for (const wxDataViewItem& row : rows) {
        wxVariant value;
        list.GetModel()->GetValue(value, row, 0);
        if (value.GetString() != text) continue;
        list.EnsureVisible(row);
        EXPECT_TRUE(testing_gui::WaitForFrames(list));
        const wxRect cell = list.GetItemRect(row, list.GetColumn(list.GetColumnCount() - 1));
        const wxPoint middle = list.ClientToScreen(wxPoint(cell.x + cell.width / 2, cell.y + cell.height / 2));
        EXPECT_TRUE(testing_gui::BringThePointerTo(middle));
        std::this_thread::sleep_for(stall);
        return testing_gui::TipWhileResting(middle);
    }
    ADD_FAILURE() << "no row of " << text.utf8_string();
    return {};
}

// Rests the pointer on the row of this index in a drop-down list open on screen, and answers
// the tip that then shows; empty when none does.
std::string TipOverOpenedRow(GtkWidget* opened, int index) {
    GList* rows = gtk_container_get_children(GTK_CONTAINER(gtk_bin_get_child(GTK_BIN(opened))));
    auto* row = static_cast<GtkWidget*>(g_list_nth_data(rows, static_cast<guint>(index)));
    g_list_free(rows);
    if (row == nullptr) {
        ADD_FAILURE() << "no row " << index;
        return {};
    }
    wxPoint inside;
    gtk_widget_translate_coordinates(row, opened, gtk_widget_get_allocated_width(row) / 3,
                                     gtk_widget_get_allocated_height(row) / 2, &inside.x, &inside.y);
    wxPoint origin;
    gdk_window_get_origin(gtk_widget_get_window(opened), &origin.x, &origin.y);
    return testing_gui::TipWhereTheHandRests(origin + inside);
}

// A name that ends in "…" in a list of the Columns, Filters or Find dialog shows whole in a tip
// while the pointer rests on it, in Find's opened field list too; also where the hand goes on to
// the next such name while the machine is too busy to run the program for a moment.
TEST_F(ChooserTest, ANameCutShortInAChoosersListShowsWholeOnHover) {
    const std::string code_type = "C" + std::string(200, 'N');
    const std::string next_code_type = "D" + std::string(200, 'N');
    std::string schedule = GeneratedSchedule();
    schedule.insert(schedule.rfind("%E"), "%T\tACTVTYPE\n%F\tactv_code_type_id\tactv_code_type\tactv_code_type_scope\n"
                                          "%R\t1\t" + code_type + "\tAS_Global\n%R\t2\t" + next_code_type + "\tAS_Global\n");
    ASSERT_TRUE(Start(Schedule(L"named.xer", schedule)));
    CMainFrame& frame = *Frame();
    frame.SwitchToPage(kActivitiesTabPage);
    const std::wstring filter_name = L"F" + std::wstring(200, L'N');
    auto filter = std::make_unique<NamedFilter>(filter_name);
    filter->id = 5000;  // a layout file's own
    frame.GetLayoutStore()->ActivityFilters().push_back(std::move(filter));

    std::string columns_tip;
    std::string next_tip;
    bool ran = false;
    m_hook.CancelAfter<ColumnsDialog>(ran, [&](ColumnsDialog& columns) {
        columns_tip = TipOverRow(columns.Available(), wxString::FromUTF8(code_type));
        next_tip = TipOverRow(columns.Available(), wxString::FromUTF8(next_code_type), kBusyMachineStall);
    });
    Command(frame, IDC_BUTTON_ACT_TABLE);
    ASSERT_TRUE(ran);
    EXPECT_EQ(columns_tip, code_type) << "Columns";
    EXPECT_EQ(next_tip, next_code_type) << "Columns, the next name on a busy machine";
    std::string filters_tip;
    m_hook.CancelAfter<ActivityFiltersDialog>(ran = false, [&](ActivityFiltersDialog& filters) {
        filters_tip = TipOverRow(filters.FilterList(), filter_name);
    });
    Command(frame, IDC_BUTTON_ACT_FILTER);
    ASSERT_TRUE(ran);
    EXPECT_EQ(filters_tip, wxString(filter_name).utf8_string()) << "Filters";

    FindDialog* find = FindFromRibbon(frame);
    ASSERT_NE(find, nullptr);
    const int item = find->FieldList().FindString(wxString::FromUTF8(code_type));
    ASSERT_NE(item, wxNOT_FOUND);
    ASSERT_TRUE(find->ChooseField(static_cast<std::uint32_t>(wxPtrToUInt(find->FieldList().GetClientData(item)))));
    const wxPoint field = find->FieldList().ClientToScreen(wxPoint(10, find->FieldList().GetClientSize().y / 2));
    EXPECT_EQ(testing_gui::TipWhereTheHandRests(field), code_type) << "Find";

    ASSERT_TRUE(testing_gui::ClickMiddle(find->FieldList()));
    GtkWidget* opened = testing_gui::ShownDropDownList();
    ASSERT_NE(opened, nullptr);
    EXPECT_EQ(TipOverOpenedRow(opened, item), code_type) << "Find's opened list";
    wxUIActionSimulator().Char(WXK_ESCAPE);
    EXPECT_TRUE(WaitUntil([opened] { return !gtk_widget_get_mapped(opened); }));
}

}  // namespace
}  // namespace varnholt
