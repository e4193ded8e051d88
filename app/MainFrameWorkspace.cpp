// MainFrameWorkspace.cpp - the main window comes back as the user left it: its place, size and
// maximized state and the two splitters' sashes are read from the user's store when the frame
// is made and written there when it closes, under the program's key.

#include "app/CMainFrame.h"

#include "app/CVarnSplitterWnd.h"
#include "app/registry.h"
#include "shell/workspace_state.h"

#include <wx/display.h>
#include <wx/fileconf.h>
#include <wx/log.h>

#include <gtk/gtk.h>

#include <vector>

namespace varnholt {
namespace {

// The work area of every screen, the primary one first.
std::vector<ScreenRect> WorkAreas() {
    std::vector<ScreenRect> screens;
    for (unsigned index = 0; index < wxDisplay::GetCount(); ++index) {
        const wxDisplay display(index);
        const wxRect area = display.GetClientArea();
        const ScreenRect rect{area.x, area.y, area.width, area.height};
        screens.insert(display.IsPrimary() ? screens.begin() : screens.end(), rect);
    }
    return screens;
}

WorkspaceValues ReadStoredWorkspace() {
    const auto config = OpenRegistryStore(registry_root::current_user);
    WorkspaceValues values;
    const wxString group = RegistryGroup(WorkspaceKey());
    if (!config->HasGroup(group)) return values;
    config->SetPath(group);
    wxString name;
    long cookie = 0;
    for (bool more = config->GetFirstEntry(name, cookie); more; more = config->GetNextEntry(name, cookie)) {
        wxString value;
        if (config->Read(name, &value)) values.emplace(name.ToStdWstring(), value.ToStdWstring());
    }
    return values;
}

void WriteStoredWorkspace(const WorkspaceValues& values) {
    const wxLogNull quiet;  // an unwritable store only costs the layout at the next start
    const auto config = OpenRegistryStore(registry_root::current_user);
    const wxString group = RegistryGroup(WorkspaceKey());
    (void)config->DeleteGroup(group);  // no value of an earlier layout stays behind
    config->SetPath(group);
    for (const auto& [name, value] : values) (void)config->Write(name, wxString(value));
    (void)config->Flush();
}

}  // namespace

// The client area's top left on the screen, as the window system has it. The toolkit's own
// window position counts the window manager's title bar only once it has learnt its height,
// which a process whose window was first shown maximized never does: there it is the client
// area's place, elsewhere the title bar's.
wxRect CMainFrame::ClientPlace() const {
    return {ClientToScreen(wxPoint(0, 0)), GetClientSize()};
}

// Before the window is shown: the size and place, then the sashes, which the splitters keep
// as requests until their first layout. The details pane's height counts from the bottom.
// The size is the client area's: a window whose decorations are drawn by the program itself
// (GTK on Wayland) counts them in its outer size once they are known, but not in the size it
// is asked for before it is shown, and would grow by them at every start. The place is the
// client area's too, asked for with static gravity, which places the client area itself
// wherever the window manager puts its title bar.
void CMainFrame::LoadWorkspace() {
    const WorkspaceState state =
        RestoreWorkspace(ReadStoredWorkspace(), WorkAreas(), LeastSize().x, LeastSize().y,
                         m_outer->GetMinimumPaneSize());
    const ScreenRect& window = state.window;
    SetClientSize(window.width, window.height);
    gtk_window_set_gravity(GTK_WINDOW(GetHandle()), GDK_GRAVITY_STATIC);
    if (state.has_position) Move(window.x, window.y);
    m_normal_place = wxRect(window.x, window.y, window.width, window.height);
    if (state.maximized) Maximize();

    m_inner->SetSashPosition(state.table_width);
    if (!state.gantt_shown) {
        m_gantt_closed = true;
        m_inner->HideColumn();
    }
    if (state.details_height > 0) m_outer->ShowColumnAt(-state.details_height);
}

void CMainFrame::SaveWorkspace() const {
    WorkspaceState state;
    state.maximized = IsMaximized();
    const bool normal_on_screen = !state.maximized && !IsIconized() && IsShownOnScreen();
    const wxRect place = normal_on_screen ? ClientPlace() : m_normal_place;
    state.has_position = true;
    state.window = {place.x, place.y, place.width, place.height};
    if (m_outer->SecondPaneExtent() > 0) state.details_height = m_outer->GetClientSize().y - m_outer->GetSashPosition();
    state.table_width = m_inner->KeptSashPosition();
    state.gantt_shown = !m_gantt_closed;
    WriteStoredWorkspace(StoreWorkspace(state));
}

// A maximized or iconized window still has the place it goes back to. The first size event
// comes after Show() but before the window system has the window: until it is mapped there is
// no place to ask for, and the one read from the store stands.
void CMainFrame::KeepNormalPlace() {
    if (!gtk_widget_get_mapped(GetHandle())) return;
    if (IsShownOnScreen() && !IsMaximized() && !IsIconized() && !IsFullScreen()) m_normal_place = ClientPlace();
}

}  // namespace varnholt
