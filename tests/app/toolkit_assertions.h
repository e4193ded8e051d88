// toolkit_assertions.h - every assertion the toolkit raises during a GUI test becomes a test
// failure at the place that raised it; the default handler would open a modal box that an
// unattended run never answers, and a test would pass over the fault.
#pragma once

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

// Installs the handler; call it once the toolkit has started.
inline void TurnToolkitAssertionsIntoFailures() { wxSetAssertHandler(&FailOnToolkitAssertion); }

}  // namespace varnholt::testing_gui
