// PrintPreviewPanel.cpp - the embedded print preview and its navigation bar.

#include "app/print/PrintPreviewPanel.h"

#include "app/CMainFrame.h"
#include "app/fixed_ground.h"
#include "app/focus_marks.h"
#include "app/print/PrintCommands.h"
#include "app/print/SchedulePrintout.h"
#include "app/print/SharpPrintPreview.h"

#include <wx/button.h>
#include <wx/choice.h>
#include <wx/print.h>
#include <wx/sizer.h>
#include <wx/stattext.h>

#include <algorithm>

namespace varnholt {
namespace {

constexpr int kZoomPercents[] = {25, 50, 75, 100, 150, 200};
constexpr int kStartZoomIndex = 1;
constexpr int kRingMargin = 3;  // DIPs round the preview, for the focus ring

}  // namespace

PrintPreviewPanel::PrintPreviewPanel(wxWindow* parent, CMainFrame& frame) : wxPanel(parent, wxID_ANY), m_frame(frame) {
    auto* bar = new wxBoxSizer(wxHORIZONTAL);
    const auto add_button = [&](const char* label, auto action) {
        auto* button = new wxButton(this, wxID_ANY, wxString::FromUTF8(label), wxDefaultPosition, wxDefaultSize,
                                    wxBU_EXACTFIT);
        button->Bind(wxEVT_BUTTON, [action](wxCommandEvent&) { action(); });
        OutlineFramedFocusOnWhite(*button);  // plain, as every other control of the File page
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
    m_zoom->Bind(wxEVT_CHOICE, [this](wxCommandEvent&) { ApplyChosenZoom(); });
    OutlineFocusPlainly(*m_zoom);  // a drop-down list leaves no room round its frame
    bar->Add(m_zoom, 0, wxALIGN_CENTER_VERTICAL);

    // One canvas for every preview built: the ring round it is drawn for this one window.
    m_canvas = new wxPreviewCanvas(nullptr, this);
    // The preview counts its pages at its first paint.
    m_canvas->Bind(wxEVT_PAINT, [this](wxPaintEvent& event) {
        event.Skip();
        CallAfter([this] { UpdatePageLabel(); });
    });
    // The canvas's own key and wheel handlers take its parent for the toolkit's preview frame,
    // which this panel is not. These run first and never pass the event on to them.
    m_canvas->Bind(wxEVT_KEY_DOWN, &PrintPreviewPanel::OnCanvasKeyDown, this);
    m_canvas->Bind(wxEVT_CHAR, &PrintPreviewPanel::OnCanvasChar, this);
    m_canvas->Bind(wxEVT_MOUSEWHEEL, &PrintPreviewPanel::OnCanvasWheel, this);
    // Page keys act on the preview while it has the focus: it shows so as plainly as the bar's
    // controls, on the page's white.
    RingFocusedControlOnWhite(*this, {m_canvas});

    auto* sizer = new wxBoxSizer(wxVERTICAL);
    sizer->Add(bar, 0, wxLEFT | wxRIGHT | wxBOTTOM, 16);
    sizer->Add(m_canvas, 1, wxEXPAND | wxLEFT | wxRIGHT | wxBOTTOM, FromDIP(kRingMargin));
    SetSizer(sizer);
    // The page counter stands on the File page's white, made after the page wrote its labels.
    WriteLabelsDarkOnWhite(*this);
}

wxPrintPreviewBase* PrintPreviewPanel::GetPreview() const noexcept { return m_preview.get(); }

// The canvas goes before its preview, which it paints from.
PrintPreviewPanel::~PrintPreviewPanel() { m_canvas->Destroy(); }

void PrintPreviewPanel::Rebuild() {
    m_canvas->SetPreview(nullptr);
    m_preview.reset();
    m_preview = std::make_unique<SharpPrintPreview>(new SchedulePrintout(m_frame, &m_frame.GetSaidPrintMessages()),
                                                    &m_frame.GetPrintData());
    if (!m_preview->IsOk()) {
        m_preview.reset();
        m_canvas->Hide();
        Layout();
        UpdatePageLabel();
        return;
    }
    m_preview->SetCanvas(m_canvas);
    m_canvas->SetPreview(m_preview.get());
    if (!m_canvas->IsShown()) {
        m_canvas->Show();
        // The toolkit leaves a window out of the Tab order that it made while the window was
        // hidden; placing it anew has the order made again.
        m_canvas->MoveAfterInTabOrder(m_zoom);
    }
    m_wheel_rotation = 0;
    ApplyChosenZoom();
    Layout();
    UpdatePageLabel();
    m_canvas->Refresh();
}

bool PrintPreviewPanel::GoTo(int page) {
    if (!m_preview || page < m_preview->GetMinPage() || page > m_preview->GetMaxPage()) return false;
    m_preview->SetCurrentPage(page);
    UpdatePageLabel();
    return true;
}

void PrintPreviewPanel::StepZoom(int steps) {
    const int last = static_cast<int>(std::size(kZoomPercents)) - 1;
    const int chosen = std::clamp(m_zoom->GetSelection() + steps, 0, last);
    if (chosen == m_zoom->GetSelection()) return;
    m_zoom->SetSelection(chosen);
    ApplyChosenZoom();
}

void PrintPreviewPanel::ApplyChosenZoom() {
    if (!m_preview) return;
    // The toolkit's preview gives its canvas the keys at each zoom; they stay where the user
    // has them: on the item that showed the page, or on the zoom list.
    wxWindow* focused = FindFocus();
    m_preview->SetZoom(kZoomPercents[std::max(m_zoom->GetSelection(), 0)]);
    if (focused != nullptr && focused != FindFocus()) focused->SetFocus();
}

void PrintPreviewPanel::UpdatePageLabel() {
    if (!m_preview || m_preview->GetMaxPage() <= 0) {
        m_page_label->SetLabel(wxString());
        return;
    }
    m_page_label->SetLabel(wxString::Format("%d / %d", m_preview->GetCurrentPage(), m_preview->GetMaxPage()));
}

// Page keys act on their key press: their characters never follow. Any other key goes on to
// become a character.
void PrintPreviewPanel::OnCanvasKeyDown(wxKeyEvent& event) {
    if (!m_preview) return;
    switch (event.GetKeyCode()) {
    case WXK_PAGEUP:
    case WXK_NUMPAD_PAGEUP: GoTo(m_preview->GetCurrentPage() - 1); return;
    case WXK_PAGEDOWN:
    case WXK_NUMPAD_PAGEDOWN: GoTo(m_preview->GetCurrentPage() + 1); return;
    case WXK_HOME:
    case WXK_NUMPAD_HOME: GoTo(m_preview->GetMinPage()); return;
    case WXK_END:
    case WXK_NUMPAD_END: GoTo(m_preview->GetMaxPage()); return;
    // The Enter that closed the page settings lands here: it must not start a print.
    case WXK_RETURN:
    case WXK_NUMPAD_ENTER: return;
    default: event.Skip();
    }
}

void PrintPreviewPanel::OnCanvasChar(wxKeyEvent& event) {
    switch (event.GetKeyCode()) {
    case '+':
    case WXK_ADD:
    case WXK_NUMPAD_ADD: StepZoom(1); break;
    case '-':
    case WXK_SUBTRACT:
    case WXK_NUMPAD_SUBTRACT: StepZoom(-1); break;
    case WXK_UP:
    case WXK_DOWN:
    case WXK_LEFT:
    case WXK_RIGHT: m_canvas->HandleOnChar(event); break;  // one scroll step, as in any scrolled window
    case WXK_TAB:
        m_canvas->Navigate(event.ShiftDown() ? wxNavigationKeyEvent::IsBackward : wxNavigationKeyEvent::IsForward);
        break;
    default: break;
    }
    event.Skip(false);
}

void PrintPreviewPanel::OnCanvasWheel(wxMouseEvent& event) {
    if (!m_preview || event.GetWheelDelta() <= 0) return;
    m_wheel_rotation += event.GetWheelRotation();
    const int notches = m_wheel_rotation / event.GetWheelDelta();
    m_wheel_rotation -= notches * event.GetWheelDelta();
    if (notches == 0) return;
    const int per_notch = event.IsPageScroll() ? m_canvas->GetScrollThumb(wxVERTICAL) : event.GetLinesPerAction();
    const int lines = notches * std::max(per_notch, 1);
    const wxPoint start = m_canvas->GetViewStart();
    if (event.GetWheelAxis() == wxMOUSE_WHEEL_HORIZONTAL) {
        m_canvas->Scroll(start.x + lines, -1);
        return;
    }
    // Turning up (a positive rotation) moves toward the top of the page.
    m_canvas->Scroll(-1, start.y - lines);
    if (m_canvas->GetViewStart().y != start.y) return;
    // Already at that end of the page: on to the neighbouring page, shown from the end that
    // meets this one.
    const bool up = notches > 0;
    if (!GoTo(m_preview->GetCurrentPage() + (up ? -1 : 1))) return;
    m_canvas->Scroll(-1, up ? m_canvas->GetScrollRange(wxVERTICAL) : 0);
}

}  // namespace varnholt
