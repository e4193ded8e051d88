// page_setup.h - the paper of a print job turned into screen pixels: the page's size in
// inches, the margin bounds, the margins kept within them, and the printable area. One logical
// unit on paper is one screen pixel, so the views draw in the units they use on screen.
#pragma once

#include "shell/print/PrintSettings.h"

#include <cstdint>

namespace varnholt::print {

// What the printer (or the preview standing in for it) reports.
struct PaperMeasures {
    std::int32_t width_mm = 0;
    std::int32_t height_mm = 0;
    std::int32_t width_px = 0;   // device pixels
    std::int32_t height_px = 0;
    std::int32_t printer_ppi_x = 0;
    std::int32_t printer_ppi_y = 0;
    std::int32_t screen_ppi_x = 0;
    std::int32_t screen_ppi_y = 0;
};

struct PageGeometry {
    std::int32_t page_width = 0;   // Wp: the page in screen pixels
    std::int32_t page_height = 0;  // Hp
    float ppi = 0.0f;              // screen pixels per inch of paper, both directions
    std::int32_t width = 0;        // W: printable width
    std::int32_t height = 0;       // H: printable height, bands taken off
    // An area of no pixels cannot be cut into pages.
    [[nodiscard]] bool Printable() const noexcept { return width > 0 && height > 0; }
};

// Writes pageWidth, pageHeight and the two margin bounds into the settings, keeps each margin
// within 0..its bound (a bound below 0 counts as 0) and answers the page in screen pixels.
PageGeometry SetUpPage(PrintSettings& settings, const PaperMeasures& paper);

// The lengths of one printed page, each inch length converted on its own.
struct PageBands {
    std::int32_t left = 0, right = 0, top = 0, bottom = 0;
    std::int32_t header = 0, footer = 0;
    std::int32_t width = 0, height = 0;  // printable area between margins and bands
};
[[nodiscard]] PageBands MeasureBands(const PrintSettings& settings, const PageGeometry& page);

}  // namespace varnholt::print
