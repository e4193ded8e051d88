// startup.cpp - the application object and the toolkit's main loop, refused with one line on
// standard error where there is no display to show them on.

#include "app/startup.h"

#include "app/VarnholtApp.h"

#include <wx/init.h>
#include <wx/log.h>

#include <gdk/gdk.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace varnholt {
namespace {

constexpr const char* kNeedsDisplay = "VarnholtReader needs a graphical display: ";

bool IsSet(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr && *value != '\0';
}

void RefuseStart(const std::string& reason) { std::fprintf(stderr, "%s%s\n", kNeedsDisplay, reason.c_str()); }

// Keeps the toolkit's own reason for a failed start, which it would otherwise try to show in
// a message box there is no display for. The toolkit deletes the log it finds active once it
// has started, so the reason is written to the caller's string.
class StartLog final : public wxLog {
public:
    explicit StartLog(std::string& reason) : m_reason(reason) {}

protected:
    void DoLogRecord(wxLogLevel level, const wxString& message, const wxLogRecordInfo& /*info*/) override {
        if (level <= wxLOG_Warning && m_reason.empty()) m_reason = message.utf8_string();
    }

private:
    std::string& m_reason;
};

// A Wayland desktop that also offers X11 (XWayland, as GNOME's does) gets an X11 client: the
// toolkit's Wayland backend loses copied text and cannot place the ribbon's pop-ups or the
// window. The choice is the user's where GDK_BACKEND makes it, and stays in this process: the
// programs started from here (the help viewer) see the environment as it was.
void PreferX11WhereOffered() {
    if (IsSet("DISPLAY") && !IsSet("GDK_BACKEND")) gdk_set_allowed_backends("x11,*");
}

}  // namespace

int RunVarnholtReader(int argc, char** argv) {
    if (!IsSet("DISPLAY") && !IsSet("WAYLAND_DISPLAY")) {
        RefuseStart("DISPLAY and WAYLAND_DISPLAY are not set");
        return 1;
    }
    PreferX11WhereOffered();
    auto* const app = new VarnholtApp;  // the toolkit deletes it at the end
    app->KeepArgumentBytes(argc, argv);
    wxApp::SetInstance(app);

    // The toolkit is started here once; wxEntry finds it started and runs the application.
    std::string reason;
    auto* const start_log = new StartLog(reason);  // the toolkit deletes it once started
    wxLog* const previous = wxLog::SetActiveTarget(start_log);
    const bool started = wxInitialize(argc, argv);
    if (!started) {
        if (wxLog::GetActiveTarget() == start_log) delete wxLog::SetActiveTarget(previous);
        RefuseStart(reason.empty() ? "the toolkit could not connect to it" : reason);
        return 1;
    }
    // The arguments go back as the toolkit converted them while it started: given the program's
    // own, it would convert them again over the first copy, which then leaks.
    int started_argc = wxTheApp->argc;
    wchar_t** const started_argv = wxTheApp->argv;
    const int code = wxEntry(started_argc, started_argv);
    wxUninitialize();
    return code;
}

}  // namespace varnholt
