// startup.cpp - the application object and the toolkit's main loop, refused with one line on
// standard error where there is no display to show them on.

#include "app/startup.h"

#include "app/VarnholtApp.h"
#include "platform/path_text.h"

#include <wx/init.h>
#include <wx/log.h>

#include <gdk/gdk.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

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

// The arguments as the program's wide text, each read as the file system's bytes whatever the
// locale: a file name in UTF-8 or in another character set then opens under LANG=C as under any
// other locale. The toolkit takes its own options (--name, --display, ...) out of this list as it
// starts, moving the rest up.
class WideArguments {
public:
    WideArguments(int count, char** arguments) {
        for (int i = 0; i < count; ++i) m_texts.push_back(WideFromPath(arguments[i]));
        for (std::wstring& text : m_texts) m_pointers.push_back(text.data());
        m_pointers.push_back(nullptr);
    }
    [[nodiscard]] wchar_t** Get() noexcept { return m_pointers.data(); }

private:
    std::vector<std::wstring> m_texts;
    std::vector<wchar_t*> m_pointers;
};

}  // namespace

int RunVarnholtReader(int argc, char** argv) {
    if (!IsSet("DISPLAY") && !IsSet("WAYLAND_DISPLAY")) {
        RefuseStart("DISPLAY and WAYLAND_DISPLAY are not set");
        return 1;
    }
    PreferX11WhereOffered();
    wxApp::SetInstance(new VarnholtApp);  // the toolkit deletes it at the end

    // The toolkit is started here once; wxEntry finds it started and runs the application.
    std::string reason;
    auto* const start_log = new StartLog(reason);  // the toolkit deletes it once started
    wxLog* const previous = wxLog::SetActiveTarget(start_log);
    WideArguments arguments(argc, argv);  // the toolkit rearranges it; it lasts until the end
    const bool started = wxInitialize(argc, arguments.Get());
    if (!started) {
        if (wxLog::GetActiveTarget() == start_log) delete wxLog::SetActiveTarget(previous);
        RefuseStart(reason.empty() ? "the toolkit could not connect to it" : reason);
        return 1;
    }
    // The toolkit is started already: wxEntry runs the application over the list it kept.
    const int code = wxEntry(argc, arguments.Get());
    wxUninitialize();
    return code;
}

}  // namespace varnholt
