// SharpPrintPreview.cpp - the preview's sheet and its page drawn at the canvas's device pixels.

#include "app/print/SharpPrintPreview.h"

#include <wx/cmndata.h>
#include <wx/dc.h>
#include <wx/paper.h>

#include <cmath>
#include <utility>

namespace varnholt {
namespace {

// The views lay a page out in logical pixels of 1/96 inch, whatever the screen's device pixels:
// a desktop scale of 2 reports twice the resolution and would halve everything on the page.
constexpr int kLogicalPixelsPerInch = 96;

// The printer resolution the preview reckons with, in dots per inch: the print quality's, the
// usual 600 where it names none.
int PrinterResolution(const wxPrintData& data) {
    switch (data.GetQuality()) {
    case wxPRINT_QUALITY_HIGH: return 1200;
    case wxPRINT_QUALITY_LOW: return 300;
    case wxPRINT_QUALITY_DRAFT: return 150;
    default: return data.GetQuality() > 0 ? data.GetQuality() : 600;
    }
}

}  // namespace

SharpPrintPreview::SharpPrintPreview(wxPrintout* printout, wxPrintData* data)
    : wxPrintPreviewBase(printout, nullptr, data) {
    DetermineScaling();
}

void SharpPrintPreview::DetermineScaling() {
    const wxPrintData& data = m_printDialogData.GetPrintData();
    const wxPrintPaperType* paper = wxThePrintPaperDatabase->FindPaperType(data.GetPaperId());
    if (paper == nullptr) paper = wxThePrintPaperDatabase->FindPaperType(wxPAPER_A4);
    if (paper == nullptr || m_previewPrintout == nullptr) return;
    const int dpi = PrinterResolution(data);
    const wxSize screen(kLogicalPixelsPerInch, kLogicalPixelsPerInch);
    wxSize mm(paper->GetWidth() / 10, paper->GetHeight() / 10);  // from tenths
    // A point is 1/72 inch.
    wxSize pixels(static_cast<int>(std::lround(paper->GetSizeDeviceUnits().x * dpi / 72.0)),
                  static_cast<int>(std::lround(paper->GetSizeDeviceUnits().y * dpi / 72.0)));
    if (data.GetOrientation() == wxLANDSCAPE) {
        std::swap(mm.x, mm.y);
        std::swap(pixels.x, pixels.y);
    }
    m_pageWidth = pixels.x;
    m_pageHeight = pixels.y;
    m_previewPrintout->SetPPIScreen(screen.x, screen.y);
    m_previewPrintout->SetPPIPrinter(dpi, dpi);
    m_previewPrintout->SetPageSizeMM(mm.x, mm.y);
    m_previewPrintout->SetPageSizePixels(pixels.x, pixels.y);
    m_previewPrintout->SetPaperRectPixels(wxRect(pixels));
    // At a zoom of 100 % the sheet is as large on the screen as on paper.
    m_previewScaleX = static_cast<float>(screen.x) / static_cast<float>(dpi);
    m_previewScaleY = static_cast<float>(screen.y) / static_cast<float>(dpi);
}

bool SharpPrintPreview::RenderPage(int page) {
    if (m_previewCanvas == nullptr) return false;
    wxRect page_rect, paper_rect;
    CalcRects(m_previewCanvas, page_rect, paper_rect);
    wxBitmap drawn;
    if (page_rect.IsEmpty() || !drawn.CreateWithDIPSize(page_rect.GetSize(), m_previewCanvas->GetContentScaleFactor(), 24))
        return false;
    if (!RenderPageIntoBitmap(drawn, page)) return false;
    delete m_previewBitmap;
    m_previewBitmap = new wxBitmap(drawn);
    return true;
}

bool SharpPrintPreview::PaintPage(wxPreviewCanvas* canvas, wxDC& dc) {
    if (canvas == nullptr) return false;
    DrawBlankPage(canvas, dc);
    if (m_previewBitmap == nullptr) return false;
    // Moved to a screen of another scale: drawn again for it.
    if (m_previewBitmap->GetScaleFactor() != canvas->GetContentScaleFactor()) {
        InvalidatePreviewBitmap();
        return false;
    }
    wxRect page_rect, paper_rect;
    CalcRects(canvas, page_rect, paper_rect);
    dc.DrawBitmap(*m_previewBitmap, page_rect.GetPosition());
    return true;
}

}  // namespace varnholt
