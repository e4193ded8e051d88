// toolkit_assertions.h - every assertion the toolkit raises, every line it logs and every warning
// or critical message GTK logs during a GUI test becomes a test failure at the place that raised
// it; the default assertion handler would open a modal box that an unattended run never answers,
// and the logged lines only reach stderr, where a passing test would hide them and a user who
// started the program from a terminal would read them.
#pragma once

#include <glib.h>
#include <gtest/gtest.h>
#include <wx/debug.h>
#include <wx/log.h>
#include <wx/string.h>

#include <cstring>

namespace varnholt::testing_gui {

inline void FailOnToolkitAssertion(const wxString& file, int line, const wxString& function, const wxString& condition,
                                   const wxString& message) {
    ADD_FAILURE_AT(file.utf8_str().data(), line)
        << "toolkit assertion in " << function.utf8_str().data() << ": " << condition.utf8_str().data() << " "
        << message.utf8_str().data();
}

inline void FailOnGtkDiagnostic(const gchar* domain, GLogLevelFlags level, const gchar* message, gpointer) {
    const char* kind = (level & G_LOG_LEVEL_CRITICAL) != 0 ? "CRITICAL" : "WARNING";
    ADD_FAILURE() << (domain != nullptr ? domain : "?") << "-" << kind << ": " << (message != nullptr ? message : "");
}

// The domains whose warnings always mean that the program misused the toolkit.
inline constexpr const char* kGtkLogDomains[] = {"Gtk", "Gdk", "GLib-GObject"};

// GTK logs through GLib's structured log, which passes by the handlers of g_log_set_handler:
// its messages reach the writer, which still prints every message.
inline GLogWriterOutput FailOnStructuredGtkDiagnostic(GLogLevelFlags level, const GLogField* fields, gsize count,
                                                      gpointer) {
    if ((level & (G_LOG_LEVEL_WARNING | G_LOG_LEVEL_CRITICAL)) != 0) {
        const char* domain = "";
        const char* message = "";
        for (gsize n = 0; n < count; ++n) {
            if (std::strcmp(fields[n].key, "GLIB_DOMAIN") == 0) domain = static_cast<const char*>(fields[n].value);
            if (std::strcmp(fields[n].key, "MESSAGE") == 0) message = static_cast<const char*>(fields[n].value);
        }
        for (const char* ours : kGtkLogDomains) {
            if (std::strcmp(domain, ours) == 0) FailOnGtkDiagnostic(domain, level, message, nullptr);
        }
    }
    return g_log_writer_default(level, fields, count, nullptr);
}

// The program logs nothing, so whatever reaches the log came from the toolkit: debug lines too,
// which it prints on the terminal at every level. Each line is still printed.
class FailOnToolkitLog final : public wxLogStderr {
protected:
    void DoLogTextAtLevel(wxLogLevel level, const wxString& message) override {
        ADD_FAILURE() << "the toolkit logged: " << message.utf8_str().data();
        wxLogStderr::DoLogTextAtLevel(level, message);
    }
};

// Installs the handlers and the log target; call it once the toolkit has started, and once only (GLib takes one
// writer a process).
inline void TurnToolkitAssertionsIntoFailures() {
    wxSetAssertHandler(&FailOnToolkitAssertion);
    // The default GUI log would show modal boxes and hang an unattended run.
    delete wxLog::SetActiveTarget(new FailOnToolkitLog);
    const auto levels = static_cast<GLogLevelFlags>(G_LOG_LEVEL_WARNING | G_LOG_LEVEL_CRITICAL);
    for (const char* domain : kGtkLogDomains) g_log_set_handler(domain, levels, &FailOnGtkDiagnostic, nullptr);
    g_log_set_writer_func(&FailOnStructuredGtkDiagnostic, nullptr, nullptr);
}

}  // namespace varnholt::testing_gui
