// folded_panels_support.h - what the tests of a narrow window share: the program open on its
// Activities page, sizing the frame as the window system does, finding a folded panel, opening its pop-up by pointer and waiting for it to close,
// and clicks and another program's window under a window manager.
#pragma once

#include "../shell/every_category_schedule.h"
#include "app/CMainFrame.h"
#include "app_gui_support.h"
#include "app/CVarnSplitterWnd.h"
#include "gui_input.h"
#include "screen_pixels.h"
#include "shell/command_ids.h"

#include <wx/ribbon/bar.h>
#include <wx/ribbon/buttonbar.h>
#include <wx/ribbon/page.h>
#include <wx/ribbon/panel.h>

#include <gtest/gtest.h>
#include <gtk/gtk.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>

namespace varnholt::testing_app {

// The program started with a schedule of every category, on its Activities page.
class ActivitiesPageTest : public AppGuiTest {
protected:
    static CMainFrame& Open() {
        const bool started = Start(Schedule(L"A.xer", testing_shell::EveryCategorySchedule("A")));
        EXPECT_TRUE(started);
        CMainFrame& frame = *Frame();
        frame.SwitchToPage(varnholt::kActivitiesTabPage);
        Settle(frame);
        return frame;
    }
    static void Settle(CMainFrame& frame) {
        frame.Refresh();
        frame.Update();
        (void)wxTheApp->Yield(true);
    }
};

// The window system's resize: the frame takes the size and lays its panes out again.
inline void ResizeFrame(CMainFrame& frame, wxSize size) {
    frame.SetSize(size);
    EXPECT_TRUE(testing_gui::WaitUntil([&] {
        return frame.GetSize() == size && frame.GetOuterSplitter()->GetRect().GetBottom() + 1 == frame.GetClientSize().y;
    })) << size.x << " x " << size.y;
}

// Whether every container above the window's focused widget names it, or the container it lies
// in, as the child with the focus: else GTK keeps pointing at the widget after it is gone.
inline bool FocusChainWhole(wxWindow& frame) {
    GtkWidget* child = gtk_window_get_focus(GTK_WINDOW(frame.GetHandle()));
    for (GtkWidget* parent = child != nullptr ? gtk_widget_get_parent(child) : nullptr; parent != nullptr;
         child = parent, parent = gtk_widget_get_parent(parent)) {
        if (gtk_container_get_focus_child(GTK_CONTAINER(parent)) != child) return false;
    }
    return true;
}

// Every panel of the page lies whole inside it, and the page shows no scroll arrows.
inline void ExpectEveryPanelWhole(wxRibbonPage& page) {
    const wxRect inside(page.GetClientSize());
    for (wxWindow* child : page.GetChildren()) {
        if (auto* panel = dynamic_cast<wxRibbonPanel*>(child)) {
            EXPECT_TRUE(inside.Contains(panel->GetRect())) << panel->GetLabel() << " lies partly outside the page";
        } else {
            EXPECT_FALSE(child->IsShown()) << "the page scrolls";
        }
    }
}

// A panel of the current page folded into one picture, by its caption.
inline wxRibbonPanel* FoldedPanel(CMainFrame& frame, const wxString& caption) {
    wxRibbonBar& ribbon = *frame.GetRibbon();
    for (wxWindow* child : ribbon.GetPage(static_cast<size_t>(ribbon.GetActivePage()))->GetChildren()) {
        auto* panel = dynamic_cast<wxRibbonPanel*>(child);
        if (panel != nullptr && panel->GetLabel() == caption && panel->IsMinimised()) return panel;
    }
    return nullptr;
}

// How many pop-ups of the current page's folded panels stand on the screen.
inline int PopUpsShown(CMainFrame& frame) {
    wxRibbonBar& ribbon = *frame.GetRibbon();
    int shown = 0;
    for (wxWindow* child : ribbon.GetPage(static_cast<size_t>(ribbon.GetActivePage()))->GetChildren()) {
        auto* panel = dynamic_cast<wxRibbonPanel*>(child);
        if (panel != nullptr && panel->GetExpandedPanel() != nullptr && panel->GetExpandedPanel()->IsShownOnScreen()) ++shown;
    }
    return shown;
}

// Clicks at the point of the window (its client pixels) as a single click: two clicks on one spot
// within the desktop's double-click time are a double click, whose second press the toolkit
// reports as such alone, so the click waits that long after the last one sent this way. The time
// counts from the last press itself, which a busy machine may send well after the click began.
inline std::chrono::steady_clock::time_point& LastPress() {
    static auto last_press = std::chrono::steady_clock::time_point();
    return last_press;
}

inline bool ClickOnce(wxWindow& window, wxPoint point) {
    gint double_click_ms = 400;
    g_object_get(gtk_settings_get_default(), "gtk-double-click-time", &double_click_ms, nullptr);
    const auto apart = LastPress() + std::chrono::milliseconds(double_click_ms + 50);
    (void)testing_gui::WaitUntil([apart] { return std::chrono::steady_clock::now() > apart; });
    const bool clicked = testing_gui::ClickAt(window, point);
    LastPress() = std::chrono::steady_clock::now();
    return clicked;
}

inline bool ClickMiddleOnce(wxWindow& window) {
    return ClickOnce(window, wxPoint(window.GetClientSize().x / 2, window.GetClientSize().y / 2));
}

// Clicks the folded panel, as a user opens it, and answers its pop-up once the display shows it
// (a compositor may show the new window blank at first). A click soon after one that closed it
// opens it as well, as a double click's second press.
inline wxRibbonPanel* OpenPopUpPanel(wxRibbonPanel& panel) {
    // The pointer comes from outside the panel, as a user's does: from its right, since the
    // first panel may stand at the screen's left edge.
    if (!testing_gui::MoveTo(panel, wxPoint(panel.GetSize().x + 5, -5)) || !testing_gui::ClickMiddle(panel)) return nullptr;
    LastPress() = std::chrono::steady_clock::now();
    if (!testing_gui::WaitUntil([&panel] {
            wxRibbonPanel* popup = panel.GetExpandedPanel();
            if (popup == nullptr || !popup->IsShownOnScreen()) return false;
            const wxImage shown = testing_gui::GrabSteady(popup);
            return testing_gui::MeasureText(shown, wxRect(shown.GetSize())).ratio > 1;
        }))
        return nullptr;
    return panel.GetExpandedPanel();
}

// The buttons of a folded panel's pop-up, once it is open.
inline wxRibbonButtonBar* OpenPopUp(wxRibbonPanel& panel) {
    wxRibbonPanel* popup = OpenPopUpPanel(panel);
    if (popup == nullptr) return nullptr;
    for (wxWindow* child : popup->GetChildren()) {
        if (auto* buttons = dynamic_cast<wxRibbonButtonBar*>(child)) return buttons;
    }
    return nullptr;
}

// Clicks a button of a button bar in its middle.
inline bool ClickButton(wxRibbonButtonBar& buttons, int id) {
    const wxRect item = buttons.GetItemRect(id);
    return testing_gui::ClickAt(buttons, item.GetPosition() + wxSize(item.width / 2, item.height / 2));
}

inline bool PopUpClosed(wxRibbonPanel& panel) {
    const bool closed = testing_gui::WaitUntil([&panel] { return panel.GetExpandedPanel() == nullptr; });
    (void)panel.HideExpanded();  // so that what follows starts from a closed pop-up all the same
    return closed;
}

// Where on the screen an open drop-down list stands: the toolkit shows it in a window of its own,
// which the program's windows do not know of. Empty while no list is open.
inline wxRect OpenListOnScreen() {
    wxRect shown;
    GList* windows = gtk_window_list_toplevels();
    for (GList* item = windows; item != nullptr; item = item->next) {
        auto* window = static_cast<GtkWidget*>(item->data);
        GtkWidget* child = GTK_IS_BIN(window) ? gtk_bin_get_child(GTK_BIN(window)) : nullptr;
        if (!gtk_widget_get_mapped(window) || child == nullptr || !GTK_IS_MENU(child)) continue;
        gint x = 0;
        gint y = 0;
        gdk_window_get_origin(gtk_widget_get_window(window), &x, &y);
        shown = wxRect(x, y, gtk_widget_get_allocated_width(window), gtk_widget_get_allocated_height(window));
    }
    g_list_free(windows);
    return shown;
}

// A point of the window, in its client pixels, that no open list covers: the first one in the row
// of `wanted` from there to the right, then from there to the left, then in the rows below. The
// list opens over its box and may reach far down, or cover the window whole.
inline std::optional<wxPoint> BesideTheOpenList(wxWindow& window, wxPoint wanted) {
    const wxRect list = OpenListOnScreen();
    const wxSize size = window.GetClientSize();
    const auto free = [&](int x, int y) { return !list.Contains(window.ClientToScreen(wxPoint(x, y))); };
    for (int y = wanted.y; y < size.y; y += 4) {
        for (int x = wanted.x; x < size.x; x += 4) {
            if (free(x, y)) return wxPoint(x, y);
        }
        for (int x = wanted.x; x >= 0; x -= 4) {
            if (free(x, y)) return wxPoint(x, y);
        }
    }
    return std::nullopt;
}

using testing_gui::ClickThroughTheDesktop;
using testing_gui::RunTool;

// Another program's window on the desktop, at the screen's point given, while the object lives.
class AnotherProgram {
public:
    explicit AnotherProgram(wxPoint at) {
        const std::string command = "xmessage -geometry +" + std::to_string(at.x) + "+" + std::to_string(at.y) +
                                    " 'Another program' >/dev/null 2>&1 & echo $!";
        if (FILE* started = popen(command.c_str(), "r")) {
            if (std::fscanf(started, "%d", &m_pid) != 1) m_pid = 0;
            pclose(started);
        }
    }
    ~AnotherProgram() {
        if (m_pid > 0) kill(m_pid, SIGTERM);
    }
    AnotherProgram(const AnotherProgram&) = delete;
    AnotherProgram& operator=(const AnotherProgram&) = delete;
    [[nodiscard]] bool Shown() const {
        return m_pid > 0 && std::system("timeout 10 xdotool search --sync --onlyvisible --name '^xmessage$' >/dev/null 2>&1") == 0;
    }

private:
    int m_pid = 0;
};

}  // namespace varnholt::testing_app
