// VarnholtDoc.cpp - the open sequence over the main frame.

#include "app/VarnholtDoc.h"

#include "app/CMainFrame.h"
#include "shell/open_document.h"

namespace varnholt {

bool VarnholtDoc::OnOpenDocument(const wxString& path) {
    if (!OpenScheduleFile(m_frame, path.ToStdWstring())) return false;
    schedule = m_frame.GetLayoutStore()->GetDocument();
    return true;
}

}  // namespace varnholt
