// SchedulePrintout.cpp - preparing a job and drawing its pages through the views.

#include "app/print/SchedulePrintout.h"

#include "app/CMainFrame.h"
#include "app/draw/WxDrawBackend.h"
#include "app/draw/WxDrawCache.h"
#include "app/print/FramePrintMeasure.h"
#include "shell/open_document.h"
#include "shell/print/page_bands.h"
#include "shell/print/page_tiles.h"
#include "shell/print/print_dialog_rules.h"
#include "shell/ui_text.h"
#include "views/core/View.h"
#include "views/gantt/GanttView.h"

#include <wx/msgdlg.h>

namespace varnholt {
namespace {

constexpr view::Color kFrameGrey = view::Color::FromRgb(100, 100, 100);
view::RectF ToRect(std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height) {
    return {static_cast<float>(x), static_cast<float>(y), static_cast<float>(width), static_cast<float>(height)};
}

// The print scale for the length of one measure or one page, the kept scale afterwards.
class ScopedPrintScale {
public:
    ScopedPrintScale(print::PrintMeasure& measure, float scale) : m_measure(measure), m_kept(measure.CurrentScale()) {
        m_measure.ApplyScale(scale);
    }
    ~ScopedPrintScale() { m_measure.ApplyScale(m_kept); }
    ScopedPrintScale(const ScopedPrintScale&) = delete;
    ScopedPrintScale& operator=(const ScopedPrintScale&) = delete;

private:
    print::PrintMeasure& m_measure;
    float m_kept;
};

// Draws a view into a clipped part of the page with the given content point at (0, 0).
void DrawTile(wxDC& dc, view::DrawBackend& device, view::View& content, const print::PixelRect& clip,
              print::PixelPoint origin, const view::RectF& area) {
    if (clip.width <= 0 || clip.height <= 0) return;
    dc.SetClippingRegion(clip.x, clip.y, clip.width, clip.height);
    view::DrawContext& context = content.GetDrawContext();
    view::DrawBackend* kept_device = context.GetDevice();
    const std::int32_t kept_x = context.GetOriginX(), kept_y = context.GetOriginY();
    context.SetDevice(&device);
    context.SetOrigin(origin.x, origin.y);
    content.Draw(area);
    context.SetDevice(kept_device);
    context.SetOrigin(kept_x, kept_y);
    dc.DestroyClippingRegion();
}

}  // namespace

SchedulePrintout::SchedulePrintout(CMainFrame& frame, print::SaidMessages* said)
    : wxPrintout(WindowTitle(frame.GetDocumentPath().ToStdWstring())), m_frame(frame),
      m_settings(frame.GetPrintSettings()), m_said(said) {}

print::PaperMeasures SchedulePrintout::MeasurePaper() {
    print::PaperMeasures paper;
    GetPageSizeMM(&paper.width_mm, &paper.height_mm);
    GetPageSizePixels(&paper.width_px, &paper.height_px);
    GetPPIPrinter(&paper.printer_ppi_x, &paper.printer_ppi_y);
    GetPPIScreen(&paper.screen_ppi_x, &paper.screen_ppi_y);
    return paper;
}

void SchedulePrintout::OnPreparePrinting() {
    print::ViewPrintMeasure measure = MeasureFrame(m_frame);
    if (view::GanttView* chart = measure.Chart(); chart != nullptr && chart->GetDocument() != nullptr) {
        print::ClampDateRange(m_settings, chart->GetStartDate(), chart->GetEndDate());
    }
    m_page = print::SetUpPage(m_settings, MeasurePaper());
    m_plan = print::PlanPrintJob(m_settings, measure, m_page);
    ShowMessagesLater(m_said != nullptr ? m_said->TakeUnsaid(m_settings, m_plan.messages)
                                        : m_plan.messages);
}

void SchedulePrintout::ShowMessagesLater(const std::vector<print::PrintMessage>& messages) {
    std::vector<std::wstring> texts;
    for (const print::PrintMessage& message : messages) {
        const std::wstring pattern = LoadText(message.id);
        texts.push_back(message.argument ? FillPlaceholders(pattern, {NumberArgument(*message.argument)}) : pattern);
    }
    if (texts.empty()) return;
    // A preview prepares inside a paint and the toolkit's printing inside its own set-up:
    // neither may run a message loop.
    CMainFrame* frame = &m_frame;
    m_frame.CallAfter([frame, texts] {
        for (const std::wstring& text : texts) wxMessageBox(text, WindowTitle({}), wxOK | wxCENTRE, frame);
    });
}

void SchedulePrintout::GetPageInfo(int* min_page, int* max_page, int* from_page, int* to_page) {
    *min_page = 1;
    *max_page = m_plan.pages;
    *from_page = 1;
    *to_page = m_plan.pages;
}

bool SchedulePrintout::OnPrintPage(int page) {
    wxDC* dc = GetDC();
    if (dc == nullptr) return false;
    ++m_pages_drawn;
    MapScreenSizeToPage();
    DrawPage(*dc, page);
    return true;
}

void SchedulePrintout::OnEndPrinting() { m_frame.Refresh(); }

void SchedulePrintout::DrawPage(wxDC& dc, int page) {
    const print::Pagination& pages = m_plan.pagination;
    if (!pages.column_pagination_ok) return;
    print::ViewPrintMeasure measure = MeasureFrame(m_frame);
    const ScopedPrintScale scale(measure, m_plan.scale);
    const print::PageBands bands = print::MeasureBands(m_settings, m_page);
    WxDrawCache cache;

    dc.SetLogicalOrigin(0, 0);
    {
        WxDrawBackend device(dc, cache, true);
        view::DrawContext context;
        context.SetDevice(&device);
        const std::wstring path = m_frame.GetDocumentPath().ToStdWstring();
        print::DrawPageBands(context, m_settings, bands,
                             {path, page, pages.PageCount(), measure.Table() == nullptr && measure.Chart() == nullptr});
    }

    // From here (0, 0) is the top-left corner of the printable area.
    dc.SetLogicalOrigin(-bands.left, -(bands.top + bands.header));
    WxDrawBackend device(dc, cache, true);
    view::DrawContext context;
    context.SetDevice(&device);
    const view::RectF area = ToRect(0, 0, bands.width, bands.height);
    const print::Tile tile = print::TileOfPage(page, pages.pages_across);
    print::PixelPoint corner;
    if (m_settings.printTable && measure.TableHasDocument() && pages.table_pages_across > 0) {
        if (const auto table = print::TableTileOf(pages, tile)) {
            DrawTile(dc, device, *measure.Table(), table->clip, table->origin, area);
            corner = table->frame_corner;
        }
    }
    if (m_settings.printGantt && measure.ChartHasDocument()) {
        const print::ChartSpan span = measure.MeasureChart(m_settings.startDate, m_settings.endDate);
        const auto chart =
            print::ChartTileOf(pages, tile, bands.width, bands.height, span, pages.table_pages_across > 0);
        if (chart) {
            DrawTile(dc, device, *measure.Chart(), chart->clip, chart->origin, area);
            if (chart->separator_x) {
                const auto x = static_cast<float>(*chart->separator_x);
                context.PenLine(1, kFrameGrey, x, 0.0f, x, static_cast<float>(bands.height));
            }
            for (const auto& fill : {chart->fill_right, chart->fill_below}) {
                if (fill) context.FillRect(view::Color::White(), ToRect(fill->x, fill->y, fill->width, fill->height));
            }
            corner = chart->frame_corner;
        }
    }
    const auto fx = static_cast<float>(corner.x), fy = static_cast<float>(corner.y);
    context.DrawPolyline(kFrameGrey, {{0, 0}, {fx, 0}, {fx, fy}, {0, fy}, {0, 0}});
    dc.SetLogicalOrigin(0, 0);
}

}  // namespace varnholt
