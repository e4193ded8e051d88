// page_setup.cpp - from millimetres and device pixels to the printable area in screen pixels.

#include "shell/print/page_setup.h"

#include "model/number_text.h"

#include <algorithm>
#include <cmath>

namespace varnholt::print {
namespace {

constexpr float kMillimetresPerInch = 25.4f;
constexpr float kMarginShareOfPage = 0.3f;

// value × numerator / denominator, rounded; 0 for a denominator of 0.
std::int32_t Scaled(std::int32_t value, std::int32_t numerator, std::int32_t denominator) {
    if (denominator == 0) return 0;
    return truncate_to_int32(std::round(static_cast<double>(value) * numerator / denominator));
}

// Negative or unreadable margins would widen the printable area past the paper.
float Bounded(float margin, float bound) {
    if (!(margin > 0.0f)) return 0.0f;
    return std::min(margin, bound);
}

}  // namespace

PageGeometry SetUpPage(PrintSettings& settings, const PaperMeasures& paper) {
    settings.pageWidth = static_cast<float>(paper.width_mm) / kMillimetresPerInch;
    settings.pageHeight = static_cast<float>(paper.height_mm) / kMillimetresPerInch;

    PageGeometry page;
    page.page_width = Scaled(paper.width_px, paper.screen_ppi_x, paper.printer_ppi_x);
    page.page_height = Scaled(paper.height_px, paper.screen_ppi_y, paper.printer_ppi_y);
    page.ppi = settings.pageWidth > 0.0f ? static_cast<float>(page.page_width) / settings.pageWidth : 0.0f;

    const float vertical =
        kMarginShareOfPage * settings.pageHeight - (settings.headerHeight + settings.footerHeight) * 0.5f;
    settings.maxMarginVertical = std::max(vertical, 0.0f);
    settings.maxMarginHorizontal = std::max(kMarginShareOfPage * settings.pageWidth, 0.0f);
    settings.marginTop = Bounded(settings.marginTop, settings.maxMarginVertical);
    settings.marginBottom = Bounded(settings.marginBottom, settings.maxMarginVertical);
    settings.marginLeft = Bounded(settings.marginLeft, settings.maxMarginHorizontal);
    settings.marginRight = Bounded(settings.marginRight, settings.maxMarginHorizontal);

    page.width = page.page_width - truncate_to_int32((settings.marginLeft + settings.marginRight) * page.ppi);
    page.height = page.page_height - truncate_to_int32((settings.marginTop + settings.marginBottom) * page.ppi) -
                  truncate_to_int32((settings.headerHeight + settings.footerHeight) * page.ppi);
    return page;
}

PageBands MeasureBands(const PrintSettings& settings, const PageGeometry& page) {
    const auto pixels = [&](float inches) { return truncate_to_int32(static_cast<double>(inches) * page.ppi); };
    PageBands bands;
    bands.left = pixels(settings.marginLeft);
    bands.right = pixels(settings.marginRight);
    bands.top = pixels(settings.marginTop);
    bands.bottom = pixels(settings.marginBottom);
    bands.header = pixels(settings.headerHeight);
    bands.footer = pixels(settings.footerHeight);
    bands.width = page.page_width - bands.left - bands.right;
    bands.height = page.page_height - bands.top - bands.bottom - bands.header - bands.footer;
    return bands;
}

}  // namespace varnholt::print
