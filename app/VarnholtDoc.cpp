// VarnholtDoc.cpp - the open sequence over the main frame.

#include "app/VarnholtDoc.h"

#include "app/CMainFrame.h"
#include "layouts/LayoutStore.h"
#include "shell/open_document.h"

namespace varnholt {

bool VarnholtDoc::OnOpenDocument(const wxString& path) {
    return OpenScheduleFile(m_frame, path.ToStdWstring());
}

document::Document* VarnholtDoc::GetSchedule() const {
    const LayoutStore* store = m_frame.GetLayoutStore();
    return store != nullptr ? store->GetDocument() : nullptr;
}

}  // namespace varnholt
