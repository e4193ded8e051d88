// print_scale.cpp - choosing the print scale and counting the pages of a job.

#include "shell/print/print_scale.h"

#include "model/number_text.h"

#include <cmath>

namespace varnholt::print {

float ChoosePrintScale(const PrintSettings& settings, PrintMeasure& measure, const PageGeometry& page,
                       std::vector<PrintMessage>& messages) {
    float scale = 1.0f;
    if (settings.useScale) {
        scale = settings.scale;
    } else if (settings.fitToPages) {
        scale = FitScaleToPages(settings, measure, page.width, page.height, settings.pagesWide, settings.pagesTall);
    }
    // A negative or unreadable scale would print at a negative size: it counts as none found.
    if (!std::isfinite(scale) || scale < 0.0f) scale = 0.0f;
    if (scale < kSmallPrintScale) {
        messages.push_back({IDS_PRINT_SCALE_SMALL, truncate_to_int32(static_cast<double>(scale) * 100.0)});
    }
    if (scale == 0.0f) {
        scale = 1.0f;
        messages.push_back({IDS_PRINT_SCALE_RESET, 100});
    }
    return scale;
}

JobPlan PlanPrintJob(const PrintSettings& settings, PrintMeasure& measure, const PageGeometry& page) {
    JobPlan plan;
    plan.scale = ChoosePrintScale(settings, measure, page, plan.messages);
    const float kept = measure.CurrentScale();
    measure.ApplyScale(plan.scale);
    Pagination& pages = plan.pagination;
    pages.pages_across = pages.pages_down = pages.table_pages_across = pages.table_pages_down = 0;
    if (!CountPrintPages(settings, measure, page.width, page.height, pages)) {
        // Nothing is drawn on the one page a job that cannot be cut still has.
        pages.column_pagination_ok = false;
        plan.messages.push_back({IDS_PRINT_NO_PAGES, std::nullopt});
        plan.pages = 1;
    } else {
        plan.pages = pages.PageCount();
        if (plan.pages > kManyPages) plan.messages.push_back({IDS_PRINT_MANY_PAGES, plan.pages});
    }
    measure.ApplyScale(kept);
    return plan;
}

}  // namespace varnholt::print
