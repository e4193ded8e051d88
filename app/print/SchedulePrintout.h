// SchedulePrintout.h - one print job or print preview of the current category: the date
// range and the page set-up when the job is prepared, then each page's header, footer, table
// tile and chart tile. The print scale is in force only while pages are counted and while one
// page is drawn, so the panes (and a preview that stays open) keep the screen's scale between.
#pragma once

#include "shell/print/page_setup.h"
#include "shell/print/print_scale.h"
#include "shell/print/said_messages.h"

#include <wx/print.h>

namespace varnholt {

class CMainFrame;
struct PrintSettings;

class SchedulePrintout final : public wxPrintout {
public:
    // A preview passes what its earlier previews have said, and says only the rest; a print
    // job says everything.
    explicit SchedulePrintout(CMainFrame& frame, print::SaidMessages* said = nullptr);
    // The job, made to print, runs as a preview after all (the print dialog's Preview): it
    // says only what the earlier previews have not said.
    void TreatAsPreview(print::SaidMessages& said) noexcept { m_said = &said; }

    // Clamps the chart's date range, measures the paper, chooses the scale and counts the
    // pages. Messages are shown once the caller (a paint, or the toolkit's print set-up) is done.
    void OnPreparePrinting() override;
    void GetPageInfo(int* min_page, int* max_page, int* from_page, int* to_page) override;
    [[nodiscard]] bool HasPage(int page) override { return page >= 1 && page <= m_plan.pages; }
    bool OnPrintPage(int page) override;
    // The panes show the screen scale again at once.
    void OnEndPrinting() override;

    [[nodiscard]] const print::JobPlan& Plan() const noexcept { return m_plan; }
    [[nodiscard]] const print::PageGeometry& Page() const noexcept { return m_page; }
    [[nodiscard]] int PagesDrawn() const noexcept { return m_pages_drawn; }

private:
    [[nodiscard]] print::PaperMeasures MeasurePaper();
    void DrawPage(wxDC& dc, int page);
    void ShowMessagesLater(const std::vector<print::PrintMessage>& messages);

    CMainFrame& m_frame;
    PrintSettings& m_settings;
    print::SaidMessages* m_said;
    print::PageGeometry m_page;
    print::JobPlan m_plan;
    int m_pages_drawn = 0;
};

}  // namespace varnholt
