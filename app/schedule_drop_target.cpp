// schedule_drop_target.cpp - a drop opens its first file.

#include "app/schedule_drop_target.h"

#include "app/CMainFrame.h"
#include "app/toolkit_file_names.h"

namespace varnholt {

bool ScheduleDropTarget::OnDropFiles(wxCoord, wxCoord, const wxArrayString& files) {
    if (files.empty()) return false;
    return m_frame.OpenFile(FileNameFromToolkit(files[0]));
}

}  // namespace varnholt
