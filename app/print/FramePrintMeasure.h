// FramePrintMeasure.h - pagination's measure of the main frame's current category.
#pragma once

#include "shell/print/ViewPrintMeasure.h"

namespace varnholt {

class CMainFrame;

// The current table view, the category's chart and the table pane's last client width.
[[nodiscard]] print::ViewPrintMeasure MeasureFrame(CMainFrame& frame);

}  // namespace varnholt
