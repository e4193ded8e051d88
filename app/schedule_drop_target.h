// schedule_drop_target.h - files dropped on the main frame: the first one opens through the
// frame's one open path; the others are ignored, as one schedule is open at a time.
#pragma once

#include <wx/dnd.h>

namespace varnholt {

class CMainFrame;

class ScheduleDropTarget final : public wxFileDropTarget {
public:
    explicit ScheduleDropTarget(CMainFrame& frame) : m_frame(frame) {}
    bool OnDropFiles(wxCoord x, wxCoord y, const wxArrayString& files) override;

private:
    CMainFrame& m_frame;
};

}  // namespace varnholt
