// acceptance_support.cpp - starting the program over the run's fixtures and reading what its
// panes show.

#include "acceptance_support.h"

#include "acceptance_schedule.h"
#include "rows/Row.h"
#include "views/core/RecordingPane.h"
#include "views/core/RowList.h"

#include <wx/clipbrd.h>
#include <wx/dataobj.h>
#include <wx/dcmemory.h>

#include <cstdlib>

namespace varnholt::acceptance {

namespace fs = std::filesystem;
using testing_app::run_folder;
using testing_app::WaitUntil;

fs::path FixtureFolder() { return run_folder() / "fixtures"; }

wxString FixturePath(const char* name) { return wxString::FromUTF8((FixtureFolder() / name).string()); }

fs::path UserDataFolder() { return run_folder() / "data/Oskeldan/VarnholtReader"; }

namespace {

// Made once a program: the generator's large schedule takes a moment.
void MakeFixtures() {
    static bool made = false;
    if (made) return;
    made = true;
    const fs::path folder = FixtureFolder();
    fs::create_directories(folder);
    WriteAcceptanceFiles(folder);
    const std::string command = std::string(VARNHOLT_XER_GENERATOR) + " 2000 '" + (folder / "large.xer").string() + "'";
    ASSERT_EQ(std::system(command.c_str()), 0) << command;
    fs::copy_file(fs::path(VARNHOLT_XLS_FIXTURES) / "export.xls", folder / "export.xls",
                  fs::copy_options::overwrite_existing);
}

}  // namespace

void AcceptanceTest::SetUp() {
    AppGuiTest::SetUp();
    MakeFixtures();
    // Relative paths of the program land in the run's own folder.
    fs::current_path(run_folder());
}

CMainFrame& AcceptanceTest::StartWith(const char* fixture) {
    const bool started = fixture == nullptr ? Start() : Start(FixturePath(fixture));
    EXPECT_TRUE(started);
    CMainFrame* frame = Frame();
    if (frame == nullptr) throw std::runtime_error("the program did not start");
    Settle();
    return *frame;
}

void AcceptanceTest::Settle() {
    for (wxWindow* window : wxTopLevelWindows) {
        window->Refresh();
        window->Update();
    }
    (void)WaitUntil([] { return !wxTheApp->Pending(); });
    for (int i = 0; i < 5; ++i) (void)wxTheApp->Yield(true);
}

void AcceptanceTest::Post(CMainFrame& frame, int id, int value) {
    auto* event = new wxCommandEvent(wxEVT_MENU, id);
    event->SetInt(value);
    wxQueueEvent(&frame, event);
    Settle();
}

std::string AcceptanceTest::Drawing(VarnholtView& pane) {
    view::View* content = pane.GetContentView();
    if (content == nullptr) return {};
    const wxSize size = pane.GetClientSize();
    view::RecordingPane recording(*content, size.x, size.y);
    recording.Host().ScrollTo(pane.Host().ScrollX(), pane.Host().ScrollY());
    recording.Paint();
    pane.Host().SetView(content);  // the view's cursor goes back to the live pane
    return recording.Backend().Joined();
}

void AcceptanceTest::Click(VarnholtView& pane, wxPoint at) {
    for (const auto& [type, down] : {std::pair{wxEVT_LEFT_DOWN, true}, std::pair{wxEVT_LEFT_UP, false}}) {
        wxMouseEvent event(type);
        event.SetPosition(at);
        event.m_leftDown = down;
        event.SetEventObject(&pane);
        (void)pane.ProcessWindowEvent(event);
    }
}

void AcceptanceTest::ClickRow(VarnholtView& pane, const view::Row& row) {
    (void)Drawing(pane);  // rows are placed at a paint
    const view::RectF rect = row.GetRect();
    const auto top = static_cast<float>(pane.Host().ScrollY());
    Click(pane, wxPoint(static_cast<int>(rect.x + 20.0f), static_cast<int>(rect.y - top + rect.height / 2.0f)));
}

bool AcceptanceTest::Focus(wxWindow& window) {
    wxWindow* top = wxGetTopLevelParent(&window);
    if (top != nullptr) top->Raise();
    window.SetFocus();
    return WaitUntil([&window] { return wxWindow::FindFocus() == &window; });
}

wxString AcceptanceTest::ClipboardText() {
    wxClipboardLocker locker;
    if (!locker) return "<no clipboard>";
    wxTextDataObject data;
    return wxTheClipboard->GetData(data) ? data.GetText() : wxString("<empty>");
}

void AcceptanceTest::SeedClipboard(const wxString& text) {
    wxClipboardLocker locker;
    ASSERT_TRUE(!!locker);
    wxTheClipboard->SetData(new wxTextDataObject(text));
}

view::Row* AcceptanceTest::FirstRecordRow(VarnholtView& pane) {
    view::View* content = pane.GetContentView();
    if (content == nullptr) return nullptr;
    for (view::Row* row : content->GetRowList().Rows()) {
        if (!row->IsGroupRow()) return row;
    }
    return nullptr;
}

int RunAcceptanceTests(int argc, char** argv) { return testing_app::RunAppGuiTests(argc, argv); }

}  // namespace varnholt::acceptance
