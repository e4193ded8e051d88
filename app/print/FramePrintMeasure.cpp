// FramePrintMeasure.cpp - the frame's views handed to pagination.

#include "app/print/FramePrintMeasure.h"

#include "app/CMainFrame.h"
#include "app/VarnholtView.h"

namespace varnholt {

print::ViewPrintMeasure MeasureFrame(CMainFrame& frame) {
    VarnholtView* pane = frame.GetTablePane();
    return {frame.GetCurrentTableView(), frame.GetCurrentGanttView(), pane != nullptr ? pane->Host().ClientWidth() : 0};
}

}  // namespace varnholt
