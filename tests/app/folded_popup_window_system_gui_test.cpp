// folded_popup_window_system_gui_test.cpp - a folded panel's pop-up and the window system around
// it: opening it asks no window manager to activate a window, the keys go back where they were as
// it closes, whichever way it closes (Alt+F among them), the pointer moving between windows around
// it leaves the toolkit quiet, a control clicked before the pop-up's window is active keeps the
// keys once it is, a close request closes it and then the window even in a burst with others or
// landing while the toolkit reads other events, while one for another program's window alone leaves
// it open, a hold another program refused at first is taken once free, a compositor that says
// nothing of the pop-up's frames leaves it drawing what changes, and on Wayland itself a pop-up the
// compositor took away opens again with one click.

#include "app/VarnholtView.h"
#include "app/ribbon/MainRibbon.h"
#include "app/ribbon/FoldedPanels.h"
#include "app_gui_support.h"
#include "folded_panels_support.h"
#include "gui_input.h"
#include "screen_pixels.h"

#include <wx/bmpbuttn.h>
#include <wx/ribbon/panel.h>
#include <wx/slider.h>
#include <wx/uiaction.h>

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <gdk/gdkx.h>
#include <poll.h>
#ifdef GDK_WINDOWING_WAYLAND
#include <gdk/gdkwayland.h>
#endif

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <thread>
#include <utility>
#include <vector>

namespace varnholt {
namespace {

using namespace testing_app;

using WindowSystemTest = ActivitiesPageTest;

// A panel folded at half a laptop screen, once the window system has placed the window.
wxRibbonPanel* FoldedAtHalfALaptop(CMainFrame& frame, const wxString& caption) {
    ResizeFrame(frame, wxSize(700, 600));
    wxRibbonPanel* folded = nullptr;
    if (!WaitUntil([&] { return (folded = FoldedPanel(frame, caption)) != nullptr; })) return nullptr;
    return testing_gui::SettledByTheWindowManager(frame) ? folded : nullptr;
}

wxRibbonPanel* FoldedLayout(CMainFrame& frame) { return FoldedAtHalfALaptop(frame, "Layout"); }

bool Closed(wxRibbonPanel& folded) { return WaitUntil([&folded] { return folded.GetExpandedPanel() == nullptr; }); }

const char* WindowManager() { return std::getenv("VARNHOLT_WINDOW_MANAGER"); }

Display* ToolkitDisplay() { return GDK_DISPLAY_XDISPLAY(gdk_display_get_default()); }

// The X focus: a window, or PointerRoot where the keys follow the pointer.
Window XFocus() {
    Window focus = None;
    int revert = 0;
    XGetInputFocus(ToolkitDisplay(), &focus, &revert);
    return focus;
}

Window XWindowOf(wxWindow& window) { return GDK_WINDOW_XID(gtk_widget_get_window(wxGetTopLevelParent(&window)->GetHandle())); }

// A connection of its own to the display, as another program has.
class AnotherClient {
public:
    AnotherClient() : m_display(XOpenDisplay(nullptr)) {}
    ~AnotherClient() {
        if (m_display != nullptr) XCloseDisplay(m_display);
    }
    AnotherClient(const AnotherClient&) = delete;
    AnotherClient& operator=(const AnotherClient&) = delete;
    [[nodiscard]] Display* get() const { return m_display; }

private:
    Display* m_display;
};

// A key typed over the bare desktop, where no window manager runs and the keys follow the
// pointer, reaches no window of the program.
void ExpectKeysOverTheDesktopGoNowhere(CMainFrame& frame) {
    const wxPoint desktop = frame.GetScreenRect().GetTopRight() + wxSize(100, 300);
    wxUIActionSimulator().MouseMove(desktop);
    ASSERT_TRUE(WaitUntil([&] { return wxGetMousePosition() == desktop; }));
    wxUIActionSimulator().Char('F', wxMOD_CONTROL);
    testing_gui::RunEventLoopFor(std::chrono::milliseconds(500));
    EXPECT_EQ(frame.GetFindDialog(), nullptr) << "a key typed over the desktop reached the program";
}

// Where a user leaves the keys: with no window manager they follow the pointer. The pop-up, closed
// by Escape or by a click in the table, leaves them as it found them; over the bare desktop they
// then reach no window of the program, over the table they reach it.
TEST_F(WindowSystemTest, TheKeysGoBackWhereTheyWereAsAPopUpCloses) {
    CMainFrame& frame = Open();
    wxRibbonPanel* folded = FoldedLayout(frame);
    ASSERT_NE(folded, nullptr);
    VarnholtView& table = *frame.GetTablePane();
    // A desktop without a window manager, as it starts: the keys follow the pointer. (Earlier tests
    // may have left them with a window that is gone.)
    if (WindowManager() == nullptr) XSetInputFocus(ToolkitDisplay(), PointerRoot, RevertToPointerRoot, CurrentTime);
    const Window before = XFocus();
    wxUIActionSimulator keys;
    for (const bool by_escape : {true, false}) {
        SCOPED_TRACE(by_escape ? "Escape" : "a click in the table");
        ASSERT_NE(OpenPopUpPanel(*folded), nullptr);
        if (by_escape) {
            keys.Char(WXK_ESCAPE);
        } else {
            ASSERT_TRUE(ClickMiddleOnce(table));
        }
        ASSERT_TRUE(Closed(*folded));
        EXPECT_EQ(XFocus(), before);
    }
    if (WindowManager() != nullptr) return;
    ExpectKeysOverTheDesktopGoNowhere(frame);
    ASSERT_TRUE(testing_gui::MoveTo(table, wxPoint(table.GetClientSize().x / 2, table.GetClientSize().y / 2)));
    keys.Char('F', wxMOD_CONTROL);
    EXPECT_TRUE(WaitUntil([&frame] { return frame.GetFindDialog() != nullptr; })) << "a key typed over the table opens Find";
}

// Alt+F closes the pop-up and opens the File page, whose first item takes the keys as the hold
// ends; a click on the Activities tab then leaves it. The keys go back where they were all the
// same: with no window manager they follow the pointer, and reach another program under it.
TEST_F(WindowSystemTest, AltFWithAPopUpOpenGivesTheKeysBackAsTheyWere) {
    CMainFrame& frame = Open();
    wxRibbonPanel* folded = FoldedLayout(frame);
    ASSERT_NE(folded, nullptr);
    if (WindowManager() == nullptr) XSetInputFocus(ToolkitDisplay(), PointerRoot, RevertToPointerRoot, CurrentTime);
    const Window before = XFocus();
    ASSERT_NE(OpenPopUpPanel(*folded), nullptr);
    wxUIActionSimulator().Char('F', wxMOD_ALT);
    ASSERT_TRUE(WaitUntil([&frame] { return frame.IsFilePageShown(); })) << "the File page shows";
    auto& bar = dynamic_cast<MainRibbonBar&>(*frame.GetRibbon());
    const wxRect tab = bar.GetTabRect(kActivitiesTabPage);
    ASSERT_TRUE(ClickOnce(bar, tab.GetPosition() + wxSize(tab.width / 2, tab.height / 2)));
    ASSERT_TRUE(WaitUntil([&frame] { return !frame.IsFilePageShown(); })) << "the tab leaves the File page";
    EXPECT_TRUE(WaitUntil([before] { return XFocus() == before; })) << "the X focus stays on " << XFocus();
    if (WindowManager() == nullptr) ExpectKeysOverTheDesktopGoNowhere(frame);
}

// The Timescale pop-up's "+" button: the last picture button beside its slider.
wxWindow* ZoomInButton(wxWindow& popup) {
    wxWindow* zoom_in = nullptr;
    for (wxWindow* child : popup.FindWindow(IDC_SLIDER_ACT_TIMESCALE)->GetParent()->GetChildren()) {
        if (dynamic_cast<wxBitmapButton*>(child) != nullptr) zoom_in = child;
    }
    return zoom_in;
}

// The requests to activate a window that programs send the window manager, as another client
// that watches the desktop's root window sees them.
class ActivationRequests {
public:
    ActivationRequests() {
        XSelectInput(m_watch.get(), DefaultRootWindow(m_watch.get()), SubstructureNotifyMask);
        XSync(m_watch.get(), False);
    }
    // The windows named by the requests sent since the last call.
    std::vector<Window> Since() {
        std::vector<Window> named;
        const Atom activate = XInternAtom(m_watch.get(), "_NET_ACTIVE_WINDOW", False);
        XSync(m_watch.get(), False);
        while (XPending(m_watch.get()) > 0) {
            XEvent event{};
            XNextEvent(m_watch.get(), &event);
            if (event.type == ClientMessage && event.xclient.message_type == activate) named.push_back(event.xclient.window);
        }
        return named;
    }

private:
    AnotherClient m_watch;
};

// Under a window manager, opening a pop-up asks it to activate no window: the pop-up is not one it
// manages, and GNOME's, answering late on a busy machine, took the keys from the program then,
// which closed the pop-up under the user's hand.
TEST_F(WindowSystemTest, OpeningAPopUpAsksTheWindowManagerToActivateNoWindow) {
    ASSERT_NE(WindowManager(), nullptr) << "runs under a window manager";
    CMainFrame& frame = Open();
    wxRibbonPanel* folded = FoldedLayout(frame);
    ASSERT_NE(folded, nullptr);
    ActivationRequests requests;
    wxRibbonPanel* unfolded = OpenPopUpPanel(*folded);
    ASSERT_NE(unfolded, nullptr);
    GtkWindow* popup = GTK_WINDOW(wxGetTopLevelParent(unfolded)->GetHandle());
    ASSERT_TRUE(WaitUntil([popup] { return gtk_window_is_active(popup) != FALSE; })) << "the pop-up has the keys";
    ASSERT_TRUE(testing_gui::Drained(frame));  // what its activation queued has run
    const std::vector<Window> named = requests.Since();
    EXPECT_TRUE(std::ranges::all_of(named, [&frame](Window window) { return window == XWindowOf(frame); }))
        << named.size() << " requests, the first for window " << (named.empty() ? 0 : named.front());
    wxUIActionSimulator().Char(WXK_ESCAPE);
    EXPECT_TRUE(Closed(*folded));
}

// With no window manager the pointer moves the keys between windows: a zoom button of the
// pop-up takes them by a click, the pointer moves over the table, Escape closes the pop-up and the
// pointer leaves the window. No control loses keys it did not have on the way, so the toolkit
// prints nothing (AppGuiTest fails on any line).
TEST_F(WindowSystemTest, ThePointerMovingBetweenWindowsAroundAPopUpPrintsNothing) {
    CMainFrame& frame = Open();
    ResizeFrame(frame, wxSize(700, 600));
    ASSERT_TRUE(testing_gui::SettledByTheWindowManager(frame));
    wxRibbonPanel* folded = FoldedPanel(frame, "Timescale");
    ASSERT_NE(folded, nullptr);
    if (WindowManager() == nullptr) XSetInputFocus(ToolkitDisplay(), PointerRoot, RevertToPointerRoot, CurrentTime);
    wxRibbonPanel* popup = OpenPopUpPanel(*folded);
    ASSERT_NE(popup, nullptr);
    wxWindow* zoom_in = ZoomInButton(*popup);
    ASSERT_NE(zoom_in, nullptr);
    ASSERT_TRUE(testing_gui::ClickMiddle(*zoom_in));
    ASSERT_TRUE(WaitUntil([zoom_in] { return wxWindow::FindFocus() == zoom_in; })) << "the zoom button has the keys";
    VarnholtView& table = *frame.GetTablePane();
    ASSERT_TRUE(testing_gui::MoveTo(table, wxPoint(table.GetClientSize().x / 2, table.GetClientSize().y / 2)));
    wxUIActionSimulator().Char(WXK_ESCAPE);
    ASSERT_TRUE(Closed(*folded));
    if (WindowManager() != nullptr) return;
    // With the keys following the pointer, the window is active while the pointer is over it.
    GtkWindow* window = GTK_WINDOW(frame.GetHandle());
    EXPECT_TRUE(WaitUntil([window] { return gtk_window_is_active(window) != FALSE; })) << "the keys are back";
    ExpectKeysOverTheDesktopGoNowhere(frame);
    EXPECT_TRUE(WaitUntil([window] { return gtk_window_is_active(window) == FALSE; })) << "the pointer took the keys away";
}

// The word that a pop-up has the keys, held back from the toolkit until let through: the pop-up's
// window then comes to be active late, as on a busy machine where the word reaches the program only
// after the user's next click. Where no window manager runs, the word is the pointer entering the
// pop-up as it takes hold of it, the keys following the pointer; else the display's focus.
class LateActivation {
public:
    LateActivation() { gdk_window_add_filter(nullptr, Watch, this); }
    ~LateActivation() { LetThrough(); }
    LateActivation(const LateActivation&) = delete;
    LateActivation& operator=(const LateActivation&) = delete;

    // The word reaches the toolkit now.
    void LetThrough() {
        gdk_window_remove_filter(nullptr, Watch, this);
        if (m_popup != nullptr) {
            g_signal_handler_disconnect(m_popup, m_hold);
            g_object_remove_weak_pointer(G_OBJECT(m_popup), reinterpret_cast<gpointer*>(&m_popup));
            m_popup = nullptr;
        }
        if (m_held == nullptr) return;
        gdk_display_put_event(gdk_display_get_default(), m_held);
        gdk_event_free(std::exchange(m_held, nullptr));
    }

private:
    // The first word from the display on a pop-up's window, as it is made, comes before any on its
    // keys: the window holds those back from then on.
    static GdkFilterReturn Watch(GdkXEvent* native, GdkEvent*, gpointer data) {
        auto& self = *static_cast<LateActivation*>(data);
        const auto& event = *static_cast<const XEvent*>(native);
        if (self.m_popup != nullptr || event.type == GenericEvent) return GDK_FILTER_CONTINUE;
        GdkWindow* window = gdk_x11_window_lookup_for_display(gdk_display_get_default(), event.xany.window);
        gpointer widget = nullptr;
        if (window != nullptr) gdk_window_get_user_data(window, &widget);
        if (widget == nullptr || !GTK_IS_WINDOW(widget) || gtk_window_get_window_type(GTK_WINDOW(widget)) != GTK_WINDOW_POPUP)
            return GDK_FILTER_CONTINUE;
        self.m_popup = GTK_WIDGET(widget);
        g_object_add_weak_pointer(G_OBJECT(self.m_popup), reinterpret_cast<gpointer*>(&self.m_popup));
        self.m_hold = g_signal_connect(self.m_popup, "focus-in-event", G_CALLBACK(Hold), &self);
        return GDK_FILTER_CONTINUE;
    }
    static gboolean Hold(GtkWidget*, GdkEventFocus* event, gpointer data) {
        auto& self = *static_cast<LateActivation*>(data);
        if (self.m_held == nullptr) self.m_held = gdk_event_copy(reinterpret_cast<GdkEvent*>(event));
        return TRUE;
    }
    GtkWidget* m_popup = nullptr;
    gulong m_hold = 0;
    GdkEvent* m_held = nullptr;
};

// The pop-up's window comes to be active only after the user clicked its zoom button, as on a busy
// machine: the button keeps the keys it was given by the click, and a space zooms once more.
TEST_F(WindowSystemTest, AZoomButtonClickedBeforeThePopUpIsActiveKeepsTheKeys) {
    if (!GDK_IS_X11_DISPLAY(gdk_display_get_default())) GTEST_SKIP() << "the word on the keys comes from an X display";
    CMainFrame& frame = Open();
    ResizeFrame(frame, wxSize(700, 600));
    ASSERT_TRUE(testing_gui::SettledByTheWindowManager(frame));
    wxRibbonPanel* folded = FoldedPanel(frame, "Timescale");
    ASSERT_NE(folded, nullptr);
    LateActivation late;
    wxRibbonPanel* popup = OpenPopUpPanel(*folded);
    ASSERT_NE(popup, nullptr);
    GtkWindow* window = GTK_WINDOW(wxGetTopLevelParent(popup)->GetHandle());
    ASSERT_FALSE(gtk_window_is_active(window)) << "the pop-up's window is not active yet";
    auto& slider = dynamic_cast<wxSlider&>(*popup->FindWindow(IDC_SLIDER_ACT_TIMESCALE));
    wxWindow* zoom_in = ZoomInButton(*popup);
    ASSERT_NE(zoom_in, nullptr);
    const int before = slider.GetValue();
    ASSERT_TRUE(testing_gui::ClickMiddle(*zoom_in));
    ASSERT_TRUE(WaitUntil([&] { return slider.GetValue() > before; })) << "the click zooms";
    const int clicked = slider.GetValue();
    late.LetThrough();
    ASSERT_TRUE(WaitUntil([window] { return gtk_window_is_active(window) != FALSE; })) << "the pop-up's window is active";
    ASSERT_TRUE(testing_gui::Drained(frame));  // what its activation queued has run
    EXPECT_EQ(wxWindow::FindFocus(), zoom_in) << "the zoom button lost the keys";
    wxUIActionSimulator().Char(WXK_SPACE);
    EXPECT_TRUE(WaitUntil([&] { return slider.GetValue() > clicked; })) << "a space zooms once more";
    wxUIActionSimulator().Char(WXK_ESCAPE);
    EXPECT_TRUE(Closed(*folded));
}

// A request to close a window, as another program sends it: to the window manager (_NET_CLOSE_WINDOW,
// as wmctrl -c does) or, where none runs, the close itself sent to the window (WM_DELETE_WINDOW).
void SendCloseRequest(Display* display, Window window, bool to_the_window_manager) {
    XEvent close{};
    close.xclient.type = ClientMessage;
    close.xclient.window = window;
    close.xclient.format = 32;
    if (to_the_window_manager) {
        close.xclient.message_type = XInternAtom(display, "_NET_CLOSE_WINDOW", False);
        close.xclient.data.l[1] = 2;  // from a pager or a script
        XSendEvent(display, DefaultRootWindow(display), False, SubstructureRedirectMask | SubstructureNotifyMask, &close);
        return;
    }
    close.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
    close.xclient.data.l[0] = static_cast<long>(XInternAtom(display, "WM_DELETE_WINDOW", False));
    close.xclient.data.l[1] = CurrentTime;
    XSendEvent(display, window, False, NoEventMask, &close);
}

// Another program on the desktop, with a connection of its own: its ordinary window takes the keys
// once shown, and a close sent to it (WM_DELETE_WINDOW) leaves it open; one that asks to save then
// asks in a window of its own, which takes the keys in turn. It runs beside the test until the
// object goes.
class AnotherProgramStayingOpen {
public:
    enum class OnClose { asks_to_save, does_nothing };
    AnotherProgramStayingOpen(wxPoint at, OnClose on_close) : m_window(NewWindow(at, None)), m_on_close(on_close) {
        XMapWindow(m_client.get(), m_window);
        XSync(m_client.get(), False);
        m_running = std::thread([this] { Run(); });
    }
    ~AnotherProgramStayingOpen() {
        m_stop = true;
        m_running.join();
        for (const Window window : {m_asking, m_window}) {
            if (window != None) XDestroyWindow(m_client.get(), window);
        }
        XSync(m_client.get(), False);
    }
    AnotherProgramStayingOpen(const AnotherProgramStayingOpen&) = delete;
    AnotherProgramStayingOpen& operator=(const AnotherProgramStayingOpen&) = delete;
    [[nodiscard]] Window window() const { return m_window; }
    // Whether a close has reached it.
    [[nodiscard]] bool Closed() const { return m_closed; }

private:
    Window NewWindow(wxPoint at, Window transient_for) {
        Display* display = m_client.get();
        const Window window = XCreateSimpleWindow(display, DefaultRootWindow(display), at.x, at.y, 200, 100, 0, 0,
                                                  WhitePixel(display, DefaultScreen(display)));
        XStoreName(display, window, "Another program");
        Atom delete_window = XInternAtom(display, "WM_DELETE_WINDOW", False);
        XSetWMProtocols(display, window, &delete_window, 1);
        XWMHints hints{};
        hints.flags = InputHint;
        hints.input = True;
        XSetWMHints(display, window, &hints);
        if (transient_for != None) XSetTransientForHint(display, window, transient_for);
        XSelectInput(display, window, StructureNotifyMask);
        return window;
    }
    void Run() {
        Display* display = m_client.get();
        const Atom protocols = XInternAtom(display, "WM_PROTOCOLS", False);
        const Atom delete_window = XInternAtom(display, "WM_DELETE_WINDOW", False);
        while (!m_stop) {
            while (XPending(display) > 0) {
                XEvent event{};
                XNextEvent(display, &event);
                if (event.type == MapNotify) XSetInputFocus(display, event.xmap.window, RevertToParent, CurrentTime);
                if (event.type != ClientMessage || event.xclient.message_type != protocols ||
                    static_cast<Atom>(event.xclient.data.l[0]) != delete_window)
                    continue;
                m_closed = true;
                if (m_on_close == OnClose::asks_to_save && m_asking == None) {
                    m_asking = NewWindow(wxPoint(1000, 600), m_window);
                    XMapWindow(display, m_asking);
                }
            }
            XFlush(display);
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
    }

    AnotherClient m_client;
    Window m_window;
    OnClose m_on_close;
    Window m_asking = None;
    std::atomic<bool> m_closed{false};
    std::atomic<bool> m_stop{false};
    std::thread m_running;
};

// The other program has the keys; the user turns back to the window by a click in the table, and
// opens the folded panel's pop-up.
void OpenPopUpBackFrom(const AnotherProgramStayingOpen& others, CMainFrame& frame, wxRibbonPanel& folded) {
    ASSERT_TRUE(WaitUntil([&others] { return XFocus() == others.window(); })) << "the other program has the keys";
    ASSERT_TRUE(ClickMiddleOnce(*frame.GetTablePane()));
    GtkWindow* window = GTK_WINDOW(frame.GetHandle());
    ASSERT_TRUE(WaitUntil([window] { return gtk_window_is_active(window) != FALSE; })) << "the window has the keys";
    ASSERT_NE(OpenPopUpPanel(folded), nullptr);
}

// A request to close the window while a pop-up is open closes the pop-up and then the window, as
// with none open: the window manager's close, or the close sent to the window itself where no
// window manager runs. Requests that come together share one serial: a close for another
// program's window just before ours in the same burst leaves ours whole, though that program
// had the keys and stays open asking to save. The requests come as the program runs: five tries,
// since a request lost now and then shows in some tries only.
TEST_F(WindowSystemTest, ACloseRequestWithAPopUpOpenClosesTheWindow) {
    for (int attempt = 0; attempt < 5; ++attempt) {
        SCOPED_TRACE("try " + std::to_string(attempt + 1));
        CMainFrame& frame = Open();
        wxRibbonPanel* folded = FoldedAtHalfALaptop(frame, "Timescale");
        ASSERT_NE(folded, nullptr);
        const AnotherProgramStayingOpen others(wxPoint(1000, 400), AnotherProgramStayingOpen::OnClose::asks_to_save);
        ASSERT_NO_FATAL_FAILURE(OpenPopUpBackFrom(others, frame, *folded));
        // The requests come from another program, as the program runs, not between its events.
        const Window main = XWindowOf(frame);
        std::thread sender([others = others.window(), main, attempt] {
            std::this_thread::sleep_for(std::chrono::milliseconds(20 + 7 * attempt));
            const AnotherClient client;
            SendCloseRequest(client.get(), others, true);
            SendCloseRequest(client.get(), main, WindowManager() != nullptr);
            XSync(client.get(), False);
        });
        const bool closed = WaitUntil([&frame] { return wxTopLevelWindows.Find(&frame) == nullptr; });
        sender.join();
        ASSERT_TRUE(closed) << "the window closes";
    }
}

// Under a window manager, a request to close another program's window alone, which the window
// manager answers by sending that program its close, leaves the pop-up open.
TEST_F(WindowSystemTest, ARequestToCloseAnotherProgramsWindowLeavesThePopUpOpen) {
    ASSERT_NE(WindowManager(), nullptr) << "the window manager sends the other program its close";
    CMainFrame& frame = Open();
    wxRibbonPanel* folded = FoldedAtHalfALaptop(frame, "Timescale");
    ASSERT_NE(folded, nullptr);
    const AnotherProgramStayingOpen others(wxPoint(1000, 400), AnotherProgramStayingOpen::OnClose::does_nothing);
    ASSERT_NO_FATAL_FAILURE(OpenPopUpBackFrom(others, frame, *folded));
    const AnotherClient client;
    SendCloseRequest(client.get(), others.window(), true);
    XSync(client.get(), False);
    ASSERT_TRUE(WaitUntil([&others] { return others.Closed(); })) << "the window manager sends the other program its close";
    XSync(ToolkitDisplay(), False);  // the request, sent to the program before, is in its queue
    ASSERT_TRUE(testing_gui::Drained(frame));
    EXPECT_NE(folded->GetExpandedPanel(), nullptr) << "the pop-up closed";
    wxUIActionSimulator().Char(WXK_ESCAPE);
    EXPECT_TRUE(Closed(*folded));
}

// Xlib's predicate: notes whether the close sent to a window (WM_DELETE_WINDOW) is queued, and
// takes no event.
struct QueuedClose {
    Window window;
    Atom protocols;
    Atom delete_window;
    bool queued = false;
};

Bool NoteQueuedClose(Display*, XEvent* event, XPointer data) {
    auto& close = *reinterpret_cast<QueuedClose*>(data);
    const XClientMessageEvent& message = event->xclient;
    close.queued = close.queued || (event->type == ClientMessage && message.window == close.window &&
                                    message.message_type == close.protocols && static_cast<Atom>(message.data.l[0]) == close.delete_window);
    return False;
}

// Until the close for `window` stands in the toolkit's own queue, read from the connection and not
// taken yet: the toolkit, reading on, then takes it in the read it is in. Called inside that read,
// where no loop turns: it waits on the connection itself.
bool CloseQueuedFor(Window window) {
    GdkDisplay* gdk_display = gdk_display_get_default();
    Display* display = GDK_DISPLAY_XDISPLAY(gdk_display);
    QueuedClose close{window, gdk_x11_get_xatom_by_name_for_display(gdk_display, "WM_PROTOCOLS"),
                      gdk_x11_get_xatom_by_name_for_display(gdk_display, "WM_DELETE_WINDOW")};
    const auto deadline = std::chrono::steady_clock::now() + testing_gui::kWaitLimit;
    for (;;) {
        if (XEventsQueued(display, QueuedAfterReading) > 0) {
            XEvent unused;
            (void)XCheckIfEvent(display, &unused, NoteQueuedClose, reinterpret_cast<XPointer>(&close));
        }
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
        if (close.queued || left.count() <= 0) return close.queued;
        pollfd connection{ConnectionNumber(display), POLLIN, 0};
        (void)poll(&connection, 1, static_cast<int>(left.count()));
    }
}

// A window manager's answer to a request to close the main window, landing while the toolkit reads
// on through events it makes nothing of, as on a busy desktop: once the toolkit reads the mark that
// another client puts on the root window, the request goes out, and the toolkit stays in that read
// until the window manager's close for it stands in the program's queue, so that both come in the
// same read with no turn of the event loop between them. Where no window manager runs, the close
// is sent with the request, as one would send it.
class CloseLandingMidRead {
public:
    explicit CloseLandingMidRead(Window main) : m_main(main) { gdk_window_add_filter(nullptr, OnEvent, this); }
    ~CloseLandingMidRead() { gdk_window_remove_filter(nullptr, OnEvent, this); }
    CloseLandingMidRead(const CloseLandingMidRead&) = delete;
    CloseLandingMidRead& operator=(const CloseLandingMidRead&) = delete;

    void Go() {
        XEvent mark{};
        mark.xclient.type = ClientMessage;
        mark.xclient.window = DefaultRootWindow(m_sender.get());
        mark.xclient.message_type = XInternAtom(m_sender.get(), kMark, False);
        mark.xclient.format = 32;
        XSendEvent(m_sender.get(), DefaultRootWindow(m_sender.get()), False, SubstructureNotifyMask, &mark);
        XSync(m_sender.get(), False);
    }
    // Whether the close came within the toolkit's read of the mark.
    [[nodiscard]] bool Landed() const { return m_landed; }

private:
    static constexpr const char* kMark = "VARNHOLT_TEST_MARK";
    static GdkFilterReturn OnEvent(GdkXEvent* native, GdkEvent*, gpointer data) {
        auto& self = *static_cast<CloseLandingMidRead*>(data);
        const auto& event = *static_cast<const XEvent*>(native);
        if (self.m_sent || event.type != ClientMessage || event.xclient.message_type != XInternAtom(self.m_sender.get(), kMark, False))
            return GDK_FILTER_CONTINUE;
        self.m_sent = true;
        SendCloseRequest(self.m_sender.get(), self.m_main, true);
        if (WindowManager() == nullptr) SendCloseRequest(self.m_sender.get(), self.m_main, false);
        XSync(self.m_sender.get(), False);
        self.m_landed = CloseQueuedFor(self.m_main);
        return GDK_FILTER_CONTINUE;
    }

    AnotherClient m_sender;
    Window m_main;
    bool m_sent = false;
    bool m_landed = false;
};

// The request to close the window and the window manager's close for it land while the toolkit
// reads other events: the pop-up closes on the request, and the window with the close.
TEST_F(WindowSystemTest, ACloseLandingWhileTheToolkitReadsOnClosesTheWindow) {
    CMainFrame& frame = Open();
    wxRibbonPanel* folded = FoldedAtHalfALaptop(frame, "Timescale");
    ASSERT_NE(folded, nullptr);
    ASSERT_NE(OpenPopUpPanel(*folded), nullptr);
    CloseLandingMidRead close(XWindowOf(frame));
    close.Go();
    EXPECT_TRUE(WaitUntil([&frame] { return wxTopLevelWindows.Find(&frame) == nullptr; })) << "the window closes";
    EXPECT_TRUE(close.Landed()) << "the close came after the toolkit's read";
}

// Another program holds the keyboard as the pop-up opens, so the pop-up stands without its hold;
// once the keyboard is free the pop-up takes it, and a click on another program closes it.
TEST_F(WindowSystemTest, AHoldRefusedAtFirstIsTakenOnceFree) {
    const wxPoint other_place(1000, 400);  // right of the narrow window
    const AnotherProgram other(other_place);
    ASSERT_TRUE(other.Shown());
    CMainFrame& frame = Open();
    wxRibbonPanel* folded = FoldedLayout(frame);
    ASSERT_NE(folded, nullptr);
    AnotherClient holder;
    ASSERT_NE(holder.get(), nullptr);
    ASSERT_EQ(XGrabKeyboard(holder.get(), DefaultRootWindow(holder.get()), False, GrabModeAsync, GrabModeAsync, CurrentTime),
              GrabSuccess);
    XSync(holder.get(), False);
    ASSERT_NE(OpenPopUpPanel(*folded), nullptr);
    XUngrabKeyboard(holder.get(), CurrentTime);
    XSync(holder.get(), False);
    GdkDevice* keyboard = gdk_seat_get_keyboard(gdk_display_get_default_seat(gdk_display_get_default()));
    ASSERT_TRUE(WaitUntil([keyboard] { return gdk_display_device_is_grabbed(gdk_display_get_default(), keyboard) != FALSE; }))
        << "the pop-up takes the keyboard once it is free";
    ClickThroughTheDesktop(other_place + wxSize(20, 10), std::getenv("DISPLAY"));
    EXPECT_TRUE(Closed(*folded)) << "the pop-up stands over the other program";
}

// With no window manager: another program holds the keyboard as the pop-up opens, gives its own
// window the keys and lets go; the pop-up then takes its hold, and closed by Escape it leaves the
// keys with that window.
TEST_F(WindowSystemTest, AHoldTakenLateLeavesAnotherProgramsFocusAlone) {
    ASSERT_EQ(WindowManager(), nullptr) << "runs where the program itself decides where the keys go";
    CMainFrame& frame = Open();
    wxRibbonPanel* folded = FoldedLayout(frame);
    ASSERT_NE(folded, nullptr);
    XSetInputFocus(ToolkitDisplay(), PointerRoot, RevertToPointerRoot, CurrentTime);
    AnotherClient other;
    ASSERT_NE(other.get(), nullptr);
    const Window others = XCreateSimpleWindow(other.get(), DefaultRootWindow(other.get()), 1000, 400, 100, 100, 0, 0, 0);
    XMapWindow(other.get(), others);
    ASSERT_EQ(XGrabKeyboard(other.get(), DefaultRootWindow(other.get()), False, GrabModeAsync, GrabModeAsync, CurrentTime),
              GrabSuccess);
    XSync(other.get(), False);
    ASSERT_NE(OpenPopUpPanel(*folded), nullptr);
    XSetInputFocus(other.get(), others, RevertToPointerRoot, CurrentTime);
    XUngrabKeyboard(other.get(), CurrentTime);
    XSync(other.get(), False);
    GdkDevice* keyboard = gdk_seat_get_keyboard(gdk_display_get_default_seat(gdk_display_get_default()));
    ASSERT_TRUE(WaitUntil([keyboard] { return gdk_display_device_is_grabbed(gdk_display_get_default(), keyboard) != FALSE; }))
        << "the pop-up takes the keyboard once it is free";
    wxUIActionSimulator().Char(WXK_ESCAPE);
    ASSERT_TRUE(Closed(*folded));
    ASSERT_TRUE(testing_gui::Drained(frame));  // the keys given back, once more after the events at hand
    EXPECT_EQ(XFocus(), others) << "the other program lost the keys";
}

// A compositor, as far as the program can tell, that says it showed each frame of the main window
// and none of the pop-up's, as one does that has not taken in a window just mapped on a busy
// machine. It stands until it goes.
class CompositorSilentOnPopUps {
public:
    explicit CompositorSilentOnPopUps(Window main) : m_main(main) {
        Display* display = m_client.get();
        m_check = XCreateSimpleWindow(display, DefaultRootWindow(display), -10, -10, 1, 1, 0, 0, 0);
        for (const Window on : {DefaultRootWindow(display), m_check})
            XChangeProperty(display, on, Named("_NET_SUPPORTING_WM_CHECK"), XA_WINDOW, 32, PropModeReplace, Bytes(m_check), 1);
        const Atom drawn = Named("_NET_WM_FRAME_DRAWN");
        XChangeProperty(display, DefaultRootWindow(display), Named("_NET_SUPPORTED"), XA_ATOM, 32, PropModeReplace, Bytes(drawn), 1);
        XSync(display, False);
        m_answers = g_timeout_add(5, AnswerTheMainWindow, this);
    }
    ~CompositorSilentOnPopUps() {
        g_source_remove(m_answers);
        XDeleteProperty(m_client.get(), DefaultRootWindow(m_client.get()), Named("_NET_SUPPORTED"));
        XDeleteProperty(m_client.get(), DefaultRootWindow(m_client.get()), Named("_NET_SUPPORTING_WM_CHECK"));
        XDestroyWindow(m_client.get(), m_check);
        XSync(m_client.get(), False);
    }

private:
    Atom Named(const char* name) const { return XInternAtom(m_client.get(), name, False); }
    static const unsigned char* Bytes(const unsigned long& value) { return reinterpret_cast<const unsigned char*>(&value); }
    static gboolean AnswerTheMainWindow(gpointer data) {
        auto& self = *static_cast<CompositorSilentOnPopUps*>(data);
        XEvent drawn{};
        drawn.xclient = {ClientMessage, 0, False, nullptr, self.m_main, self.Named("_NET_WM_FRAME_DRAWN"), 32, {}};
        XSendEvent(self.m_client.get(), self.m_main, False, NoEventMask, &drawn);
        XFlush(self.m_client.get());
        return G_SOURCE_CONTINUE;
    }
    AnotherClient m_client;
    Window m_main;
    Window m_check = None;
    guint m_answers = 0;
};

// Where the compositor has not taken in the pop-up yet and says nothing of its frames, the pop-up
// still shows what changes in it: a click on its zoom button moves its slider on the screen.
TEST_F(WindowSystemTest, APopUpTheCompositorSaysNothingOfStillShowsWhatChanges) {
    // It stands in for the desktop's own compositor: only where none runs.
    if (WindowManager() != nullptr || !GDK_IS_X11_DISPLAY(gdk_display_get_default())) return;
    CMainFrame& frame = Open();
    ResizeFrame(frame, wxSize(700, 600));
    const CompositorSilentOnPopUps compositor(XWindowOf(frame));
    wxRibbonPanel* folded = FoldedPanel(frame, "Timescale");
    ASSERT_NE(folded, nullptr);
    wxRibbonPanel* popup = OpenPopUpPanel(*folded);
    ASSERT_NE(popup, nullptr);
    wxWindow& slider = *popup->FindWindow(IDC_SLIDER_ACT_TIMESCALE);
    wxWindow* zoom_in = ZoomInButton(*popup);
    ASSERT_NE(zoom_in, nullptr);
    const wxImage before = testing_gui::GrabSteady(&slider);
    ASSERT_TRUE(testing_gui::ClickMiddle(*zoom_in));
    EXPECT_TRUE(WaitUntil([&] {
        const wxImage now = testing_gui::GrabSteady(&slider);
        return std::memcmp(now.GetData(), before.GetData(), static_cast<size_t>(now.GetWidth() * now.GetHeight() * 3)) != 0;
    })) << "the slider moves on the screen";
    wxUIActionSimulator().Char(WXK_ESCAPE);
    EXPECT_TRUE(Closed(*folded));
}

#ifdef GDK_WINDOWING_WAYLAND
// Input on a nested Wayland desktop goes through its seat: the pointer and keys of the X display
// it runs in (OUTER_DISPLAY), whose screen shows its output one pixel for one.
std::string OnTheSeat(const std::string& arguments) {
    return std::string("env DISPLAY=") + std::getenv("OUTER_DISPLAY") + " xdotool " + arguments;
}

// Where the pointer is on the window's surface, while it is over it.
std::optional<wxPoint> PointerOnSurface(wxWindow& frame) {
    GdkDevice* pointer = gdk_seat_get_pointer(gdk_display_get_default_seat(gdk_display_get_default()));
    GdkWindow* surface = gtk_widget_get_window(frame.GetHandle());
    GdkWindow* under = gdk_device_get_window_at_position(pointer, nullptr, nullptr);
    if (under == nullptr || gdk_window_get_toplevel(under) != surface) return std::nullopt;
    gint x = 0;
    gint y = 0;
    (void)gdk_window_get_device_position(surface, pointer, &x, &y, nullptr);
    return wxPoint(x, y);
}

// The seat's pointer moved to a point of the output. A nested compositor may take a move for the
// pointer leaving its output, and report nothing: the move is made again until the window reports
// the pointer at `on_surface`, the point of its surface expected there, or off its surface where
// none is expected.
bool MoveOnTheSeat(wxWindow& frame, wxPoint at, std::optional<wxPoint> on_surface) {
    for (int attempt = 0; attempt < 6; ++attempt) {
        if (!RunTool(OnTheSeat("mousemove " + std::to_string(at.x) + " " + std::to_string(at.y)))) return false;
        if (WaitUntil([&] { return PointerOnSurface(frame) == on_surface; }, std::chrono::milliseconds(400))) return true;
    }
    return false;
}

// A client cannot ask where the compositor shows its window: the pointer is moved over the output
// until the window reports it over its surface, which gives the surface's place, and a second
// move confirms it.
std::optional<wxPoint> SurfaceOrigin(wxWindow& frame) {
    const wxSize step(40, 25);
    // The pointer comes from below the output, which the compositor then sees it enter, and clicks
    // the desktop's corner: a nested compositor reports the moves of its pointer from its first
    // press on.
    if (!RunTool(OnTheSeat("mousemove 960 1130")) || !RunTool(OnTheSeat("mousemove 5 1075")) || !RunTool(OnTheSeat("click 1")))
        return std::nullopt;
    for (int y = 540; y < 1080; y += 120) {
        for (int x = 960; x < 1920; x += 160) {
            for (const wxPoint at : {wxPoint(x, y), wxPoint(1920 - x, 1080 - y)}) {
                std::optional<wxPoint> local;
                for (int attempt = 0; attempt < 3 && !local; ++attempt) {
                    if (!RunTool(OnTheSeat("mousemove " + std::to_string(at.x) + " " + std::to_string(at.y)))) return std::nullopt;
                    (void)WaitUntil([&] { return (local = PointerOnSurface(frame)).has_value(); }, std::chrono::milliseconds(400));
                }
                if (!local) continue;
                // The second move goes towards the window's middle, so as to stay over it.
                const wxSize inwards(local->x < frame.GetSize().x / 2 ? step.x : -step.x, local->y < frame.GetSize().y / 2 ? step.y : -step.y);
                if (MoveOnTheSeat(frame, at + inwards, *local + inwards)) return at - *local;
            }
        }
    }
    return std::nullopt;
}

// A person's click through the seat, on a point of the output that shows `on_surface` of the
// window's surface (none beside it): press, about 120 ms, release.
void ClickOnTheOutput(wxWindow& frame, wxPoint at, std::optional<wxPoint> on_surface) {
    ASSERT_TRUE(MoveOnTheSeat(frame, at, on_surface)) << "the pointer did not reach " << at.x << ", " << at.y;
    ASSERT_TRUE(RunTool(OnTheSeat("mousedown 1")));
    testing_gui::RunEventLoopFor(testing_gui::kClickHold);
    ASSERT_TRUE(RunTool(OnTheSeat("mouseup 1")));
}

// On Wayland itself a click beside the window ends the pop-up's grab, and the compositor takes the
// pop-up off the screen without another word: it closes then, so that one click on a folded
// button opens it again, and nothing is printed on the terminal on the way.
TEST_F(WindowSystemTest, OnWaylandAPopUpTakenAwayByTheCompositorOpensAgainWithOneClick) {
    if (std::getenv("OUTER_DISPLAY") == nullptr || !GDK_IS_WAYLAND_DISPLAY(gdk_display_get_default()))
        GTEST_SKIP() << "run on a nested Wayland compositor";
    CMainFrame& frame = Open();
    frame.SetSize(wxSize(700, 600));
    ASSERT_TRUE(testing_gui::SettledByTheWindowManager(frame));
    const std::optional<wxPoint> origin = SurfaceOrigin(frame);
    ASSERT_TRUE(origin.has_value()) << "the window's surface was not found on the output";
    // Below the window's right corner: the bare desktop, or the compositor's own background.
    const wxPoint beside = *origin + frame.GetSize() + wxSize(40, 40);
    for (const char* caption : {"Layout", "Panes", "Timescale"}) {
        SCOPED_TRACE(caption);
        wxRibbonPanel* folded = FoldedPanel(frame, caption);
        ASSERT_NE(folded, nullptr) << "folded at 700 px";
        const wxPoint button = folded->GetScreenPosition() + folded->GetSize() / 2;
        const auto open = [folded] { return folded->GetExpandedPanel() != nullptr && folded->GetExpandedPanel()->IsShownOnScreen(); };
        ClickOnTheOutput(frame, *origin + button, button);
        ASSERT_TRUE(WaitUntil(open)) << "one click opens the pop-up";
        ClickOnTheOutput(frame, beside, std::nullopt);
        ASSERT_TRUE(Closed(*folded)) << "the pop-up the compositor took away is closed";
        ClickOnTheOutput(frame, *origin + button, button);
        ASSERT_TRUE(WaitUntil(open)) << "one click opens it again";
        ASSERT_TRUE(RunTool(OnTheSeat("key Escape")));
        ASSERT_TRUE(Closed(*folded)) << "Escape closes it";
        ASSERT_TRUE(WaitUntil([&frame] { return wxWindow::FindFocus() == static_cast<wxWindow*>(frame.GetTablePane()); }))
            << "the table has the keys";
    }
}
#endif

}  // namespace
}  // namespace varnholt
