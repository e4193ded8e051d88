// toolkit_assertions.h - every assertion the toolkit raises and every warning or critical
// message GTK logs during a GUI test becomes a test failure at the place that raised it; the
// default assertion handler would open a modal box that an unattended run never answers, and
// GTK's own messages only reach stderr, where a passing test would hide them.
#pragma once

#include <glib.h>
#include <gtest/gtest.h>
#include <wx/debug.h>
#include <wx/string.h>

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

// Installs both handlers; call it once the toolkit has started.
inline void TurnToolkitAssertionsIntoFailures() {
    wxSetAssertHandler(&FailOnToolkitAssertion);
    const auto levels = static_cast<GLogLevelFlags>(G_LOG_LEVEL_WARNING | G_LOG_LEVEL_CRITICAL);
    for (const char* domain : kGtkLogDomains) g_log_set_handler(domain, levels, &FailOnGtkDiagnostic, nullptr);
}

}  // namespace varnholt::testing_gui
