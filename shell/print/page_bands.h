// page_bands.h - what a printed page shows around its views: the schedule's file name in the
// header band, the page's number in the footer band, and the message on a page with nothing to
// print.
#pragma once

#include "shell/print/PrintSettings.h"
#include "shell/print/page_setup.h"
#include "views/draw/DrawContext.h"

#include <cstdint>
#include <string_view>

namespace varnholt::print {

// What one page shows around its views.
struct PageBandTexts {
    std::wstring_view document_path;  // the file's name heads the page
    std::int32_t page = 1;
    std::int32_t pages = 1;
    bool nothing_to_print = false;  // no table or chart to print: the message fills the area
};

// Draws the bands the settings ask for, (0, 0) being the paper's top-left corner.
void DrawPageBands(view::DrawContext& context, const PrintSettings& settings, const PageBands& bands,
                   const PageBandTexts& texts);

}  // namespace varnholt::print
