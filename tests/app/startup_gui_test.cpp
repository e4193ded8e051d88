// startup_gui_test.cpp - the real start-up, in-process under a virtual display: a file on the
// command line, a dropped file and one picked from File > Open's list by keys and clicks (named in
// Latin-1 too, also under a Latin-1 locale), and the user's files written when the frame closes.
// Message boxes are recorded and answered by a hook, so no test waits on one.

#include "../shell/sample_schedule.h"
#include "app/schedule_drop_target.h"
#include "app_gui_support.h"
#include "gui_input.h"
#include "platform/path_text.h"
#include "shell/command_ids.h"

#include <wx/filedlg.h>

#include <glib.h>
#include <gtk/gtk.h>
#include <gtest/gtest-spi.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <system_error>
#include <utility>
#include <vector>

namespace varnholt {
namespace {

namespace fs = std::filesystem;
using testing_app::run_folder;
using testing_app::WaitUntil;
using testing_shell::kBrokenWorkbook;
using testing_shell::kScheduleWithUdf;

using StartUpTest = testing_app::AppGuiTest;

TEST_F(StartUpTest, ARefusedFileOnTheCommandLineEndsStartUp) {
    const wxString path = Schedule(L"notes.xls", "just text");
    EXPECT_FALSE(Start(path));
    ASSERT_EQ(m_hook.messages.size(), 1u);
    EXPECT_NE(m_hook.messages[0].Find(path), wxNOT_FOUND);
    EXPECT_TRUE(WaitUntil([] { return wxTopLevelWindows.empty(); })) << "no frame is left";
}

TEST_F(StartUpTest, DroppedFilesOpenThroughTheSamePath) {
    ASSERT_TRUE(Start());
    CMainFrame* frame = Frame();
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(frame->GetTitle(), "VarnholtReader");
    auto* target = dynamic_cast<ScheduleDropTarget*>(frame->GetDropTarget());
    ASSERT_NE(target, nullptr);
    // A file as the toolkit gives it: its name's bytes converted by the locale's file-name
    // character set.
    const auto drop = [target](const wxString& path) {
        return target->OnDropFiles(0, 0, wxArrayString(1, wxString(PathFromWide(path.ToStdWstring()).c_str(), *wxConvFileName)));
    };

    const wxString plan = Schedule(L"Plän.xer", kScheduleWithUdf);
    ASSERT_TRUE(drop(plan));
    EXPECT_EQ(frame->GetTitle(), L"Plän.xer - VarnholtReader");
    const LayoutStore* store = frame->GetLayoutStore();
    ASSERT_NE(store, nullptr);

    // A damaged file changes nothing that the user can see.
    const wxString broken = Schedule(L"broken.xls", kBrokenWorkbook);
    EXPECT_FALSE(drop(broken));
    ASSERT_EQ(m_hook.messages.size(), 1u);
    EXPECT_NE(m_hook.messages[0].Find(broken), wxNOT_FOUND);
    EXPECT_EQ(frame->GetTitle(), L"Plän.xer - VarnholtReader");
    EXPECT_EQ(frame->GetRecentFiles().GetHistoryFile(0), plan);
    EXPECT_EQ(frame->GetLayoutStore(), store);
    EXPECT_EQ(frame->GetDocumentPath(), plan);

    // A name in Latin-1 bytes, as old shares leave them, opens all the same, its title marking
    // what it cannot show.
    ASSERT_TRUE(drop(Schedule(L"\U001000DCbergabe.xer", kScheduleWithUdf)));
    EXPECT_EQ(frame->GetTitle(), L"\uFFFDbergabe.xer - VarnholtReader");
}

// The working folder, where the file chooser opens, changed for the object's life.
class WorkingFolder {
public:
    explicit WorkingFolder(const fs::path& folder) : m_before(fs::current_path()) { fs::current_path(folder); }
    ~WorkingFolder() {
        std::error_code ignored;
        fs::current_path(m_before, ignored);
    }
    WorkingFolder(const WorkingFolder&) = delete;
    WorkingFolder& operator=(const WorkingFolder&) = delete;

private:
    fs::path m_before;
};

// The chooser's list of files: the one tree view inside it.
GtkTreeView* FileList(GtkWidget* widget) {
    if (GTK_IS_TREE_VIEW(widget)) return GTK_TREE_VIEW(widget);
    if (!GTK_IS_CONTAINER(widget)) return nullptr;
    GtkTreeView* found = nullptr;
    gtk_container_forall(
        GTK_CONTAINER(widget),
        [](GtkWidget* child, gpointer result) {
            auto& list = *static_cast<GtkTreeView**>(result);
            if (list == nullptr) list = FileList(child);
        },
        &found);
    return found;
}

// The names the list shows, top to bottom, as its first column draws them.
std::vector<wxString> ShownNames(GtkTreeView* list) {
    std::vector<wxString> names;
    GtkTreeModel* model = gtk_tree_view_get_model(list);
    GtkTreeViewColumn* column = gtk_tree_view_get_column(list, 0);
    GtkTreeIter row;
    if (model == nullptr || column == nullptr || !gtk_tree_model_get_iter_first(model, &row)) return names;
    GList* cells = gtk_cell_layout_get_cells(GTK_CELL_LAYOUT(column));
    do {
        gtk_tree_view_column_cell_set_cell_data(column, model, &row, FALSE, FALSE);
        for (GList* cell = cells; cell != nullptr; cell = cell->next) {
            if (!GTK_IS_CELL_RENDERER_TEXT(cell->data)) continue;
            gchar* text = nullptr;
            g_object_get(cell->data, "text", &text, nullptr);
            names.push_back(wxString::FromUTF8(text != nullptr ? text : ""));
            g_free(text);
        }
    } while (gtk_tree_model_iter_next(model, &row));
    g_list_free(cells);
    return names;
}

// Where the middle of an area of one of the toolkit's windows is on the screen.
wxPoint MiddleOnScreen(GdkWindow* window, const GdkRectangle& area) {
    gint x = 0;
    gint y = 0;
    gdk_window_get_origin(window, &x, &y);
    return {x + area.x + area.width / 2, y + area.y + area.height / 2};
}

// Where the hand picks the first row: where it rests already, where that lies on the row (the
// chooser opens where it stood, give or take a pixel, and a nested desktop may not pass on so
// small a move), else the row's middle.
wxPoint FirstRowOnScreen(GtkTreeView* list) {
    GtkTreePath* first = gtk_tree_path_new_first();
    GdkRectangle cell{};
    gtk_tree_view_get_cell_area(list, first, gtk_tree_view_get_column(list, 0), &cell);
    gtk_tree_path_free(first);
    const wxPoint middle = MiddleOnScreen(gtk_tree_view_get_bin_window(list), cell);
    wxRect row(middle - wxSize(cell.width / 2, cell.height / 2), wxSize(cell.width, cell.height));
    return row.Deflate(2).Contains(wxGetMousePosition()) ? wxGetMousePosition() : middle;
}

// Whether the whole of a shown window, its frame too, lies on its screen.
bool WhollyOnScreen(GtkWidget* window) {
    GdkWindow* shown = gtk_widget_get_window(window);
    GdkRectangle frame{};
    gdk_window_get_frame_extents(shown, &frame);
    GdkRectangle screen{};
    gdk_monitor_get_geometry(gdk_display_get_monitor_at_window(gtk_widget_get_display(window), shown), &screen);
    return wxRect(screen.x, screen.y, screen.width, screen.height).Contains(wxRect(frame.x, frame.y, frame.width, frame.height));
}

// The presses a widget of the toolkit's own gets while it lives: how many, and whether one came
// as the second of a double click, as the toolkit tells them apart by their times.
class PressWatch {
public:
    explicit PressWatch(GtkWidget* widget)
        : m_widget(widget), m_handler(g_signal_connect(widget, "button-press-event", G_CALLBACK(&PressWatch::Seen), this)) {}
    PressWatch(const PressWatch&) = delete;
    PressWatch& operator=(const PressWatch&) = delete;
    ~PressWatch() { g_signal_handler_disconnect(m_widget, m_handler); }

    int Presses() const { return m_presses; }
    bool SawADoubleClick() const { return m_double_click; }

private:
    static gboolean Seen(GtkWidget*, GdkEventButton* event, gpointer self) {
        auto& watch = *static_cast<PressWatch*>(self);
        if (event->type == GDK_BUTTON_PRESS) ++watch.m_presses;
        if (event->type == GDK_2BUTTON_PRESS) watch.m_double_click = true;
        return FALSE;
    }

    GtkWidget* m_widget;
    gulong m_handler;
    int m_presses = 0;
    bool m_double_click = false;
};

GtkWidget* OpenButton(GtkWidget* chooser) { return gtk_dialog_get_widget_for_response(GTK_DIALOG(chooser), GTK_RESPONSE_ACCEPT); }

// A button has no window of its own: its area lies in its parent's.
wxPoint ButtonOnScreen(GtkWidget* button) {
    GtkAllocation area{};
    gtk_widget_get_allocation(button, &area);
    return MiddleOnScreen(gtk_widget_get_window(button), area);
}

// File > Open in a folder that holds a schedule and a note, both named in Latin-1 bytes, as old
// shares leave them: the chooser stands on the screen, shows the folder and lists the schedule,
// and not the note; the schedule picked by keys, by a double click, or by a click and one on
// Open, opens, its title marking what it cannot show.
TEST_F(StartUpTest, AFileNamedInLatin1IsListedInTheChooserAndOpens) {
    ASSERT_TRUE(Start());
    CMainFrame& frame = *Frame();
    const fs::path folder = run_folder() / "shares";
    fs::create_directories(folder);
    const wxString path = Schedule(L"shares/Stra\U001000DFe \U001000DCbergabe.xer", kScheduleWithUdf);
    const std::string schedule = PathFromWide(path.ToStdWstring()).native();
    // As the desktop shows the name: by the locale's character set where it is not UTF-8, else
    // with a mark for each byte it cannot read.
    gchar* shown_name = g_filename_display_basename(schedule.c_str());
    const wxString listed_name = wxString::FromUTF8(shown_name);
    g_free(shown_name);
    (void)Schedule(L"shares/Notiz f\U001000FCr \U001000DCbergabe.txt", "just text");
    const WorkingFolder working(folder);
    const wxString title = L"Stra\uFFFDe \uFFFDbergabe.xer - VarnholtReader";
    const char* seat = testing_gui::SeatDisplay();

    enum class Pick { keys, double_click, click_and_open };
    const std::pair<Pick, const char*> picks[] = {
        {Pick::keys, "Down and Return"},
        {Pick::double_click, "a double click on the row"},
        {Pick::click_and_open, "a click on the row and one on Open"},
    };
    for (const auto& [pick, how] : picks) {
        SCOPED_TRACE(how);
        ASSERT_TRUE(frame.OpenFile(Schedule(L"plan.xer", kScheduleWithUdf)));  // a title the pick changes
        bool listed = false;
        bool ran = false;
        m_hook.CancelAfter<wxFileDialog>(ran, [&](wxFileDialog& dialog) {
            GtkWidget* chooser = static_cast<GtkWidget*>(dialog.GetHandle());
            gchar* shown = gtk_file_chooser_get_current_folder(GTK_FILE_CHOOSER(chooser));
            EXPECT_STREQ(shown, folder.c_str()) << "the chooser opens in the working folder";
            g_free(shown);
            GtkTreeView* list = FileList(chooser);
            ASSERT_NE(list, nullptr);
            ASSERT_TRUE(WaitUntil([list] { return !ShownNames(list).empty(); })) << "the list stays empty";
            const std::vector<wxString> names = ShownNames(list);
            ASSERT_EQ(names.size(), 1u) << "the schedule alone";
            EXPECT_TRUE(names[0].StartsWith(listed_name)) << names[0];
            listed = true;
            // A window manager may still be placing the dialog.
            ASSERT_TRUE(testing_gui::SettledByTheWindowManager(dialog));
            // Large text on a small screen makes the toolkit's own size for it larger than the
            // screen.
            EXPECT_TRUE(WhollyOnScreen(chooser)) << "the chooser stands off the screen";
            const wxPoint row = FirstRowOnScreen(list);
            const auto picked = [list] { return gtk_tree_selection_count_selected_rows(gtk_tree_view_get_selection(list)) == 1; };
            switch (pick) {
                case Pick::keys:
                    // Without a window manager the keys follow the pointer.
                    ASSERT_NO_FATAL_FAILURE(testing_gui::MoveThroughTheDesktop(row, seat));
                    ASSERT_TRUE(WaitUntil([list] { return gtk_widget_has_focus(GTK_WIDGET(list)); })) << "the list has the keys";
                    ASSERT_TRUE(testing_gui::RunTool(testing_gui::Xdotool(seat, "key Down")));
                    ASSERT_TRUE(WaitUntil(picked));
                    ASSERT_TRUE(testing_gui::RunTool(testing_gui::Xdotool(seat, "key Return")));
                    break;
                case Pick::double_click:
                    // A nested desktop too busy to keep up may pass a double click on as two
                    // clicks too far apart, and a person then double-clicks again. A double
                    // click the list had as one must open the file at once.
                    for (int tries = 0; tries < 3; ++tries) {
                        const PressWatch presses(GTK_WIDGET(list));
                        ASSERT_NO_FATAL_FAILURE(testing_gui::DoubleClickThroughTheDesktop(row, seat));
                        (void)WaitUntil([&] { return !dialog.IsModal() || presses.Presses() >= 2; });
                        (void)WaitUntil([&] { return !dialog.IsModal() || presses.SawADoubleClick(); }, std::chrono::seconds(1));
                        if (!dialog.IsModal() || presses.SawADoubleClick()) break;
                    }
                    break;
                case Pick::click_and_open:
                    ASSERT_NO_FATAL_FAILURE(testing_gui::ClickThroughTheDesktop(row, seat));
                    ASSERT_TRUE(WaitUntil(picked));
                    testing_gui::ClickThroughTheDesktop(ButtonOnScreen(OpenButton(chooser)), seat);
                    break;
            }
            EXPECT_TRUE(WaitUntil([&dialog] { return !dialog.IsModal(); })) << "the pick closes the chooser";
        });
        // As the menu sends it: the chooser's own loop runs the script.
        wxCommandEvent open(wxEVT_MENU, ID_FILE_OPEN);
        (void)frame.GetEventHandler()->ProcessEvent(open);
        ASSERT_TRUE(ran);
        ASSERT_TRUE(listed);
        EXPECT_TRUE(WaitUntil([&] { return frame.GetTitle() == title; })) << frame.GetTitle();
    }
    EXPECT_TRUE(m_hook.messages.empty());
}

TEST_F(StartUpTest, AFileOpensARecentEntryReopensAndClosingWritesTheUsersLayouts) {
    const wxString first = Schedule(L"first.xer", kScheduleWithUdf);
    ASSERT_TRUE(Start(first));
    CMainFrame* frame = Frame();
    ASSERT_NE(frame, nullptr);
    EXPECT_TRUE(frame->IsShown());
    EXPECT_EQ(frame->GetTitle(), "first.xer - VarnholtReader");
    EXPECT_EQ(frame->GetMainButtonText(), "File");
    ASSERT_NE(frame->GetLayoutStore(), nullptr);
    EXPECT_NE(frame->GetDocument().GetSchedule(), nullptr);
    EXPECT_EQ(frame->GetDocument().GetSchedule(), frame->GetLayoutStore()->GetDocument());
    ASSERT_TRUE(frame->OpenFile(Schedule(L"SECOND.XER", kScheduleWithUdf)));
    EXPECT_EQ(frame->GetTitle(), "SECOND.XER - VarnholtReader");

    wxCommandEvent pick(wxEVT_MENU, wxID_FILE1 + 1);
    wxPostEvent(frame, pick);
    ASSERT_TRUE(WaitUntil([&] { return frame->GetTitle() == "first.xer - VarnholtReader"; }));
    EXPECT_EQ(frame->GetRecentFiles().GetHistoryFile(0), first);
    EXPECT_TRUE(m_hook.messages.empty());

    frame->Close(true);
    ASSERT_TRUE(WaitUntil([] { return wxTopLevelWindows.empty(); }));
    const fs::path data = run_folder() / "data/Oskeldan/VarnholtReader";
    // Each folder holds the user's columns; the activity folder its sub-tables' and filters too.
    const std::pair<const char*, const char*> files[] = {
        {"VP_WBS", "_columns.cfg"},      {"VP_PROJ", "_columns.cfg"},      {"VP_RES", "_columns.cfg"},
        {"VP_ACT", "_columns.cfg"},      {"VP_ACT", "_pred_columns.cfg"}, {"VP_ACT", "_succ_columns.cfg"},
        {"VP_ACT", "_filters.cfg"},
    };
    for (const auto& [folder, suffix] : files) {
        const std::string_view wanted = suffix;
        EXPECT_TRUE(std::ranges::any_of(fs::directory_iterator(data / folder), [wanted](const fs::directory_entry& entry) {
            return entry.path().filename().string().ends_with(wanted);
        })) << folder << " " << wanted;
    }
}

// A toolkit assertion fails the test that raised it instead of opening a box nobody answers,
// and a warning GTK logs fails it instead of passing by on stderr.
TEST(ToolkitAssertionTest, AnAssertionOrAGtkWarningFailsTheTest) {
    EXPECT_NONFATAL_FAILURE(wxFAIL_MSG("deliberately raised"), "deliberately raised");
    EXPECT_NONFATAL_FAILURE(g_log("Gtk", G_LOG_LEVEL_WARNING, "deliberately logged"), "Gtk-WARNING: deliberately logged");
}

}  // namespace
}  // namespace varnholt

int main(int argc, char** argv) { return varnholt::testing_app::RunAppGuiTests(argc, argv); }
