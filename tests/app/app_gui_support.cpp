// app_gui_support.cpp - starting and closing the real program inside a test.

#include "app_gui_support.h"

#include "gui_input.h"
#include "toolkit_assertions.h"

#include "app/VarnholtApp.h"
#include "app/registry.h"
#include "platform/program_folder.h"
#include "platform/user_paths.h"
#include "shell/workspace_state.h"
#include "../test_exit_status.h"

#include <wx/fileconf.h>
#include <wx/msgdlg.h>
#include <wx/printdlg.h>

#include <gtk/gtk.h>

#include <cstdlib>
#include <fstream>
#include <utility>

namespace varnholt::testing_app {

namespace fs = std::filesystem;

fs::path& run_folder() {
    static fs::path folder;
    return folder;
}

namespace {

// The top-level window a native dialog is kept in front of.
wxWindow* OwnerOf(GtkWidget* dialog) {
    GtkWindow* owner = gtk_window_get_transient_for(GTK_WINDOW(dialog));
    for (wxWindow* window : wxTopLevelWindows) {
        if (owner != nullptr && window->GetHandle() == GTK_WIDGET(owner)) return window;
    }
    return nullptr;
}

// The desktop's print dialog once it is on screen; null before.
GtkWidget* ShownPrintDialog() {
    const GType dialog_type = g_type_from_name("GtkPrintUnixDialog");
    GList* windows = gtk_window_list_toplevels();
    GtkWidget* shown = nullptr;
    for (GList* window = windows; window != nullptr; window = window->next) {
        auto* widget = static_cast<GtkWidget*>(window->data);
        if (dialog_type != 0 && G_TYPE_CHECK_INSTANCE_TYPE(widget, dialog_type) && gtk_widget_get_mapped(widget))
            shown = widget;
    }
    g_list_free(windows);
    return shown;
}

}  // namespace

int RecordingHook::Enter(wxDialog* dialog) {
    if (dialog == m_showing) return wxID_NONE;
    const auto* box = dynamic_cast<wxMessageDialogBase*>(dialog);
    if (box != nullptr) messages.push_back(box->GetMessage());
    if (box != nullptr && show_messages) {
        // The box is a native dialog with a loop of its own, which runs this once it is made.
        dialog->CallAfter([this, dialog] {
            GtkWidget* native = dialog->GetHandle();
            ASSERT_NE(native, nullptr);
            EXPECT_TRUE(WaitUntil([native] { return gtk_widget_get_mapped(native) != 0; }));
            message_owners.push_back(OwnerOf(native));
            if (while_message_shown) while_message_shown(native);
            // A user reading the box: no condition ends it, and the program's events go on.
            testing_gui::RunEventLoopFor(std::chrono::milliseconds(300));
            gtk_dialog_response(GTK_DIALOG(native), GTK_RESPONSE_OK);
        });
        return wxID_NONE;
    }
    if (dynamic_cast<wxPrintDialogBase*>(dialog) != nullptr && while_print_dialog_shown) {
        // The toolkit's print dialog is a native one, which the wx object only stands for.
        dialog->CallAfter([script = std::exchange(while_print_dialog_shown, nullptr)] {
            GtkWidget* shown = nullptr;
            ASSERT_TRUE(WaitUntil([&shown] { return (shown = ShownPrintDialog()) != nullptr; }));
            script(shown);
        });
        return wxID_NONE;
    }
    if (box == nullptr && while_shown) {
        m_showing = dialog;
        // Queued on the dialog, so it runs in the dialog's own loop after ShowModal has shown it.
        dialog->CallAfter([this, dialog, script = std::exchange(while_shown, nullptr)] {
            EXPECT_TRUE(WaitUntil([dialog] { return dialog->IsShownOnScreen(); }));
            script(*dialog);
            if (dialog->IsModal()) dialog->EndModal(answer);
        });
        return wxID_NONE;  // the dialog goes on to show itself
    }
    if (inspect) inspect(*dialog);
    return answer;
}

// Only a dialog that Enter let show comes here, once it has closed.
void RecordingHook::Exit(wxDialog* dialog) {
    if (dialog == m_showing) m_showing = nullptr;
    if (dynamic_cast<wxMessageDialogBase*>(dialog) != nullptr) ++closed_messages;
}

void AppGuiTest::SetUp() {
    m_terminal = std::make_unique<testing_gui::TerminalOutput>();
    SetProgramFolder(VARNHOLT_SOURCE_DIR);  // the shipped layouts
    if (!m_keep_workspace) ForgetWorkspace();  // every test starts as a first start did
    m_hook.Register();
}

void AppGuiTest::TearDown() {
    for (wxWindow* window : wxTopLevelWindows) window->Close(true);
    EXPECT_TRUE(WaitUntil([] { return wxTopLevelWindows.empty(); }));
    m_hook.Unregister();
    SetProgramFolder({});
    const std::string printed = std::exchange(m_terminal, nullptr)->Finish();
    EXPECT_EQ(printed, "") << "the program printed on the terminal";
}

wxString AppGuiTest::Schedule(const std::wstring& name, std::string_view bytes) {
    const fs::path path = run_folder() / PathFromWide(name);
    std::ofstream(path, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return WideFromPath(path);
}

void AppGuiTest::ForgetWorkspace() {
    const auto store = OpenRegistryStore(registry_root::current_user);
    (void)store->DeleteGroup(RegistryGroup(WorkspaceKey()));
    (void)store->Flush();
}

bool AppGuiTest::Start(const wxString& file) {
    wxArrayString arguments;
    arguments.push_back("VarnholtReader");
    if (!file.empty()) arguments.push_back(file);
    return wxGetApp().StartUp(arguments);
}

CMainFrame* AppGuiTest::Frame() { return dynamic_cast<CMainFrame*>(wxTheApp->GetTopWindow()); }

int RunAppGuiTests(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    const char* kept = std::getenv("VARNHOLT_TEST_FOLDER");
    const bool temporary = kept == nullptr || *kept == '\0';
    char folder_template[] = "/tmp/varnholt-app-XXXXXX";
    std::error_code error;
    if (temporary && mkdtemp(folder_template) == nullptr) return 1;
    if (!temporary) fs::create_directories(kept, error);
    if (error) return 1;
    const fs::path folder = temporary ? fs::path(folder_template) : fs::path(kept);
    run_folder() = folder;
    // Per-user data and the registry stand-in under the test's folder, never the real home.
    setenv("XDG_DATA_HOME", (folder / "data").c_str(), 1);
    setenv("XDG_CONFIG_HOME", (folder / "config").c_str(), 1);
    setenv("XDG_CONFIG_DIRS", (folder / "machine").c_str(), 1);
    // The desktop's own settings, which the toolkit's file chooser writes, in memory: never the
    // user's, and no settings service to ask, which prints a line for each write where none runs.
    setenv("GSETTINGS_BACKEND", "memory", 1);

    wxApp::SetInstance(new VarnholtApp);
    if (!wxEntryStart(argc, argv)) {
        if (temporary) fs::remove_all(folder);
        return 77;
    }
    testing_gui::TurnToolkitAssertionsIntoFailures();
    const int result = testing_support::ExitStatusOf(RUN_ALL_TESTS());
    wxEntryCleanup();
    if (temporary) fs::remove_all(folder);
    return result;
}

}  // namespace varnholt::testing_app
