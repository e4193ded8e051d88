// VarnholtDoc.h - the document of the main frame. It holds no schedule of its own: opening a
// file replaces the frame's layout store, which owns the schedule. Nothing is ever written
// back, so the document is never modified.
#pragma once

#include <wx/string.h>

namespace varnholt {

namespace document {
class Document;
}

class CMainFrame;

class VarnholtDoc {
public:
    explicit VarnholtDoc(CMainFrame& frame) : m_frame(frame) {}

    // The empty state: the frame shows its views without data.
    bool OnNewDocument() { return true; }
    // Opens the file into the frame; false, after a message, when the file is refused.
    bool OnOpenDocument(const wxString& path);

    // The schedule the frame's store holds; null before the first successful open.
    [[nodiscard]] document::Document* GetSchedule() const;

private:
    CMainFrame& m_frame;
};

}  // namespace varnholt
