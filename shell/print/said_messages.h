// said_messages.h - what the page set-up has told the user already. The File page makes its
// preview again each time it shows the Print page, and the print dialog's Preview makes one
// more; for the same schedule, settings and paper a preview keeps quiet about what any of them
// has said, and any change lets each message be said again. A print job says everything.
#pragma once

#include "shell/print/page_setup.h"
#include "shell/print/print_scale.h"

#include <vector>

namespace varnholt::print {

class SaidMessages {
public:
    // The messages not yet said for these settings and their paper (as the set-up left them),
    // which count as said from now on.
    [[nodiscard]] std::vector<PrintMessage> TakeUnsaid(const PrintSettings& settings,
                                                       const std::vector<PrintMessage>& messages);
    // Another schedule is open: everything may be said again.
    void Forget() noexcept { m_said.clear(); }

private:
    PrintSettings m_settings;
    std::vector<PrintMessage> m_said;  // for m_settings
};

}  // namespace varnholt::print
