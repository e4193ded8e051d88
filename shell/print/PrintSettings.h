// PrintSettings.h - what the user chose for printing and print preview: what to print, the
// scale or the pages to fit, the chart's date range, the margins and the header and footer
// bands. The main frame keeps one for the whole run; it is never saved, so every run starts
// from these defaults. Lengths are inches.
#pragma once

#include "model/s_date.h"

#include <cstdint>

namespace varnholt {

// Header and footer bands are this tall while they are printed.
inline constexpr float kPrintBandHeight = 0.3f;

struct PrintSettings {
    s_date startDate = s_date::from_seconds(0);  // the empty date until a job or the dialog sets it
    s_date endDate = s_date::from_seconds(0);
    bool printTable = true;
    bool printAllColumns = true;  // false: the columns end where the table pane's width ends
    bool printGantt = true;
    bool printHeader = true;
    bool printFooter = true;
    bool useScale = true;
    bool fitToPages = false;
    float scale = 1.0f;       // 1.0 is 100 %
    float pageWidth = 0.0f;   // paper width, written by printing; 0 before the first job
    float pageHeight = 0.0f;
    std::int32_t pagesWide = 1;
    std::int32_t pagesTall = 1;
    float headerHeight = kPrintBandHeight;  // 0 while printHeader is off
    float footerHeight = kPrintBandHeight;  // 0 while printFooter is off
    float marginLeft = 0.2f;
    float marginRight = 0.2f;
    float marginTop = 0.2f;
    float marginBottom = 0.2f;
    float maxMarginVertical = 3.0f;  // bounds of the margins; each job sets them from the paper
    float maxMarginHorizontal = 3.0f;
};

}  // namespace varnholt
