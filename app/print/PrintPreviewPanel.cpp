// PrintPreviewPanel.cpp - the embedded print preview and its navigation bar.

#include "app/print/PrintPreviewPanel.h"

#include "app/CMainFrame.h"
#include "app/print/PrintCommands.h"
#include "app/print/SchedulePrintout.h"

#include <wx/button.h>
#include <wx/choice.h>
#include <wx/print.h>
#include <wx/sizer.h>
#include <wx/stattext.h>

namespace varnholt {
namespace {

constexpr int kZoomPercents[] = {25, 50, 75, 100, 150, 200};
constexpr int kStartZoomIndex = 1;

}  // namespace

PrintPreviewPanel::PrintPreviewPanel(wxWindow* parent, CMainFrame& frame) : wxPanel(parent, wxID_ANY), m_frame(frame) {
    auto* bar = new wxBoxSizer(wxHORIZONTAL);
    const auto add_button = [&](const char* label, auto action) {
        auto* button = new wxButton(this, wxID_ANY, wxString::FromUTF8(label), wxDefaultPosition, wxDefaultSize,
                                    wxBU_EXACTFIT);
        button->Bind(wxEVT_BUTTON, [action](wxCommandEvent&) { action(); });
        bar->Add(button, 0, wxRIGHT | wxALIGN_CENTER_VERTICAL, 4);
    };
    add_button("Print\u2026", [this] { wxQueueEvent(&m_frame, new wxCommandEvent(wxEVT_MENU, ID_FILE_PRINT)); });
    bar->AddSpacer(12);
    add_button("|<", [this] { GoTo(1); });
    add_button("<", [this] { if (m_preview) GoTo(m_preview->GetCurrentPage() - 1); });
    m_page_label = new wxStaticText(this, wxID_ANY, wxString(), wxDefaultPosition, wxSize(80, -1), wxALIGN_CENTRE_HORIZONTAL);
    bar->Add(m_page_label, 0, wxRIGHT | wxALIGN_CENTER_VERTICAL, 4);
    add_button(">", [this] { if (m_preview) GoTo(m_preview->GetCurrentPage() + 1); });
    add_button(">|", [this] { if (m_preview) GoTo(m_preview->GetMaxPage()); });
    bar->AddSpacer(12);
    m_zoom = new wxChoice(this, wxID_ANY);
    for (int percent : kZoomPercents) m_zoom->Append(wxString::Format("%d%%", percent));
    m_zoom->SetSelection(kStartZoomIndex);
    m_zoom->Bind(wxEVT_CHOICE, [this](wxCommandEvent&) {
        if (m_preview && m_zoom->GetSelection() >= 0) m_preview->SetZoom(kZoomPercents[m_zoom->GetSelection()]);
    });
    bar->Add(m_zoom, 0, wxALIGN_CENTER_VERTICAL);

    auto* sizer = new wxBoxSizer(wxVERTICAL);
    sizer->Add(bar, 0, wxLEFT | wxRIGHT | wxBOTTOM, 16);
    SetSizer(sizer);
}

PrintPreviewPanel::~PrintPreviewPanel() {
    if (m_canvas != nullptr) m_canvas->Destroy();
}

void PrintPreviewPanel::Rebuild() {
    if (m_canvas != nullptr) {
        GetSizer()->Detach(m_canvas);
        m_canvas->Destroy();
        m_canvas = nullptr;
    }
    m_preview.reset();
    m_preview = std::make_unique<wxPrintPreview>(new SchedulePrintout(m_frame), nullptr, &m_frame.GetPrintData());
    if (!m_preview->IsOk()) {
        m_preview.reset();
        UpdatePageLabel();
        return;
    }
    m_canvas = new wxPreviewCanvas(m_preview.get(), this);
    m_preview->SetCanvas(m_canvas);
    // The preview counts its pages at its first paint.
    m_canvas->Bind(wxEVT_PAINT, [this](wxPaintEvent& event) {
        event.Skip();
        CallAfter([this] { UpdatePageLabel(); });
    });
    m_preview->SetZoom(kZoomPercents[std::max(m_zoom->GetSelection(), 0)]);
    GetSizer()->Add(m_canvas, 1, wxEXPAND);
    Layout();
    UpdatePageLabel();
    m_canvas->Refresh();
}

void PrintPreviewPanel::GoTo(int page) {
    if (!m_preview || page < m_preview->GetMinPage() || page > m_preview->GetMaxPage()) return;
    m_preview->SetCurrentPage(page);
    UpdatePageLabel();
}

void PrintPreviewPanel::UpdatePageLabel() {
    if (!m_preview || m_preview->GetMaxPage() <= 0) {
        m_page_label->SetLabel(wxString());
        return;
    }
    m_page_label->SetLabel(wxString::Format("%d / %d", m_preview->GetCurrentPage(), m_preview->GetMaxPage()));
}

}  // namespace varnholt
