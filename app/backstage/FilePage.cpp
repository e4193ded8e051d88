// FilePage.cpp - the File page's item column, its three pages and the recent-files list.

#include "app/backstage/FilePage.h"

#include "app/fixed_ground.h"
#include "app/focus_marks.h"

#include "platform/path_text.h"
#include "shell/command_ids.h"

#include <wx/button.h>
#include <wx/control.h>
#include <wx/dcclient.h>
#include <wx/filehistory.h>
#include <wx/scrolwin.h>
#include <wx/simplebook.h>
#include <wx/sizer.h>
#include <wx/stattext.h>

#include <algorithm>
#include <vector>

namespace varnholt {
namespace {

const wxColour kColumnColour(182, 35, 39);
const wxColour kShownItemColour(142, 27, 30);
const wxColour kItemText(255, 255, 255);
const wxColour kPageColour(255, 255, 255);
constexpr int kItemIndent = 16;  // between the column's left edge and an item's label

struct ItemDef {
    const char* label;
    int command;  // posted to the frame; 0 for an item with a page of its own
    int page;     // the book page it shows; -1 for a command
};

constexpr ItemDef kItems[FilePage::item_count] = {
    {"&Open...", ID_FILE_OPEN, -1}, {"Info", 0, 0},  {"Recent", 0, 1},
    {"Opt&ions", ID_TOOLS_OPTIONS, -1}, {"Print", 0, 2}, {"E&xit", ID_APP_EXIT, -1},
};

void PostToFrame(wxWindow* from, int id) {
    if (wxWindow* frame = wxGetTopLevelParent(from)) {
        wxQueueEvent(frame->GetEventHandler(), new wxCommandEvent(wxEVT_MENU, id));
    }
}

wxStaticText* Heading(wxWindow* parent, const wxString& text) {
    auto* heading = new wxStaticText(parent, wxID_ANY, text);
    heading->SetFont(heading->GetFont().Scaled(1.6f));
    return heading;
}

// The controls of `window` that Tab stops at, in the order it meets them. A panel takes the
// focus itself only where none of its children can.
void CollectTabStops(wxWindow& window, std::vector<wxWindow*>& stops) {
    for (wxWindow* child : window.GetChildren()) {
        if (child->IsTopLevel() || !child->IsShownOnScreen() || !child->IsEnabled()) continue;
        const std::size_t before = stops.size();
        CollectTabStops(*child, stops);
        if (stops.size() == before && child->CanAcceptFocusFromKeyboard()) stops.push_back(child);
    }
}

}  // namespace

FilePage::FilePage(wxWindow* parent, wxFileHistory& recent) : wxPanel(parent, wxID_ANY), m_recent(recent) {
    m_column = new wxPanel(this, wxID_ANY);
    m_column->SetBackgroundColour(kColumnColour);
    auto* column_sizer = new wxBoxSizer(wxVERTICAL);
    column_sizer->AddSpacer(16);
    // The items stand in from the column's edge; the column paints the shown item's band
    // across its whole width, the indent included.
    for (int index = 0; index < item_count; ++index) {
        auto* item = new wxButton(m_column, wxID_ANY, wxString::FromUTF8(kItems[index].label), wxDefaultPosition,
                                  wxSize(150, 40), wxBU_LEFT | wxBORDER_NONE);
        item->SetBackgroundColour(kColumnColour);
        item->SetForegroundColour(kItemText);
        item->Bind(wxEVT_BUTTON, [this, index](wxCommandEvent&) { OnItem(index); });
        OutlineFocusPlainly(*item);  // white on the red column, where the theme's mark hardly shows
        column_sizer->Add(item, 0, wxEXPAND | wxLEFT, kItemIndent);
        m_items[static_cast<std::size_t>(index)] = item;
    }
    m_column->SetSizer(column_sizer);
    m_column->Bind(wxEVT_PAINT, [this](wxPaintEvent&) {
        wxPaintDC dc(m_column);
        const wxRect item = m_items[static_cast<std::size_t>(m_shown)]->GetRect();
        dc.SetPen(*wxTRANSPARENT_PEN);
        dc.SetBrush(wxBrush(kShownItemColour));
        dc.DrawRectangle(0, item.y, m_column->GetClientSize().x, item.height);
    });

    m_book = new wxSimplebook(this, wxID_ANY);
    m_book->SetBackgroundColour(kPageColour);
    m_info_area = new wxPanel(m_book, wxID_ANY);
    m_book->AddPage(m_info_area, GetItemLabel(info_item));
    m_book->AddPage(CreateRecentPage(m_book), GetItemLabel(recent_item));
    m_book->AddPage(CreatePrintPage(m_book), GetItemLabel(print_item));

    auto* sizer = new wxBoxSizer(wxHORIZONTAL);
    sizer->Add(m_column, 0, wxEXPAND);
    sizer->Add(m_book, 1, wxEXPAND);
    SetSizer(sizer);

    WriteLabelsDarkOnWhite(*m_book);
    Bind(wxEVT_CHAR_HOOK, &FilePage::OnCharHook, this);
    ShowItem(info_item);
}

wxWindow* FilePage::CreateRecentPage(wxWindow* parent) {
    auto* page = new wxPanel(parent, wxID_ANY);
    m_recent_list = new wxScrolledWindow(page, wxID_ANY);
    m_recent_list->SetScrollRate(0, 10);
    m_recent_list->SetSizer(new wxBoxSizer(wxVERTICAL));
    auto* sizer = new wxBoxSizer(wxVERTICAL);
    sizer->Add(Heading(page, GetItemLabel(recent_item)), 0, wxALL, 16);
    sizer->Add(m_recent_list, 1, wxEXPAND | wxLEFT | wxRIGHT | wxBOTTOM, 16);
    page->SetSizer(sizer);
    RefreshRecent();
    return page;
}

wxWindow* FilePage::CreatePrintPage(wxWindow* parent) {
    auto* page = new wxPanel(parent, wxID_ANY);
    auto* settings = new wxButton(page, wxID_ANY, "Page settings");
    settings->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { PostToFrame(this, ID_OPEN_PAGE_SETTINGS); });
    OutlineFramedFocusOnWhite(*settings);  // plain, as every other control of the page
    m_print_area = new wxPanel(page, wxID_ANY);
    auto* sizer = new wxBoxSizer(wxVERTICAL);
    sizer->Add(Heading(page, GetItemLabel(print_item)), 0, wxALL, 16);
    sizer->Add(settings, 0, wxLEFT | wxBOTTOM, 16);
    sizer->Add(m_print_area, 1, wxEXPAND);
    page->SetSizer(sizer);
    return page;
}

void FilePage::ShowItem(int index) {
    if (index < 0 || index >= item_count || kItems[index].page < 0) return;
    if (index == recent_item) RefreshRecent();
    m_book->ChangeSelection(static_cast<std::size_t>(kItems[index].page));
    m_shown = index;
    for (int item = 0; item < item_count; ++item) {
        m_items[static_cast<std::size_t>(item)]->SetBackgroundColour(item == index ? kShownItemColour : kColumnColour);
        m_items[static_cast<std::size_t>(item)]->Refresh();
    }
    m_column->Refresh();
    if (m_item_shown) m_item_shown(index);
}

void FilePage::TakeKeys() {
    m_items[open_item]->SetFocus();
    ShowFocusMarks(*this);  // Return acts on the item: it shows so after a click on the File tab too
}

void FilePage::RefreshRecent() {
    m_recent_list->DestroyChildren();
    wxSizer* sizer = m_recent_list->GetSizer();
    sizer->Clear();
    for (std::size_t index = 0; index < m_recent.GetCount(); ++index) {
        const int command = wxID_FILE1 + static_cast<int>(index);
        auto* entry = new wxButton(m_recent_list, wxID_ANY, wxControl::EscapeMnemonics(ShownPath(m_recent.GetHistoryFile(index).ToStdWstring())),
                                   wxDefaultPosition, wxDefaultSize, wxBU_LEFT | wxBORDER_NONE);
        entry->Bind(wxEVT_BUTTON, [this, command](wxCommandEvent&) { PostToFrame(this, command); });
        OutlineFocusPlainly(*entry);
        sizer->Add(entry, 0, wxEXPAND | wxBOTTOM, 2);
    }
    WriteLabelsDarkOnWhite(*m_recent_list);
    m_recent_list->FitInside();
    m_recent_list->Layout();
}

wxString FilePage::GetItemLabel(int index) const {
    if (index < 0 || index >= item_count) return {};
    return m_items[static_cast<std::size_t>(index)]->GetLabelText();
}

void FilePage::OnItem(int index) {
    if (kItems[index].command != 0) {
        PostToFrame(this, kItems[index].command);
    } else {
        ShowItem(index);
    }
}

void FilePage::OnCharHook(wxKeyEvent& event) {
    if (event.GetKeyCode() == WXK_ESCAPE && !event.HasAnyModifiers()) {
        PostToFrame(this, ID_CLOSE_FILE_PAGE);
        return;
    }
    if (ActOnAccessLetter(event)) return;
    if (!event.HasAnyModifiers() && StepFocusedItem(event.GetKeyCode())) return;
    if (event.GetKeyCode() == WXK_TAB && (event.GetModifiers() & ~wxMOD_SHIFT) == 0 && WrapTab(!event.ShiftDown())) return;
    event.Skip();
}

// The letter an item's label marks with "&", upper case; 0 for a label without one.
wxChar FilePage::AccessLetter(int index) {
    const wxString label = wxString::FromUTF8(kItems[index].label);
    const int mark = label.Find('&');
    return mark == wxNOT_FOUND || mark + 1 >= static_cast<int>(label.length()) ? wxChar(0) : static_cast<wxChar>(wxToupper(label[static_cast<std::size_t>(mark) + 1].GetValue()));
}

bool FilePage::ActOnAccessLetter(const wxKeyEvent& event) {
    // The letter alone while the item column has the keys, as in a menu; with Alt anywhere on the
    // page, as on a dialog's buttons. Elsewhere a plain letter is the control's own: typed on the
    // print preview, say.
    const int modifiers = event.GetModifiers();
    if (modifiers == wxMOD_NONE) {
        if (std::ranges::find(m_items, wxWindow::FindFocus()) == m_items.end()) return false;
    } else if (modifiers != wxMOD_ALT) {
        return false;
    }
    const wxChar letter = wxToupper(static_cast<wxChar>(event.GetUnicodeKey()));
    if (letter == 0 || event.GetUnicodeKey() == WXK_NONE) return false;
    for (int index = 0; index < item_count; ++index) {
        if (AccessLetter(index) != letter) continue;
        m_items[static_cast<std::size_t>(index)]->SetFocus();
        OnItem(index);
        return true;
    }
    return false;
}

bool FilePage::WrapTab(bool forward) {
    std::vector<wxWindow*> stops;
    CollectTabStops(*this, stops);
    if (stops.empty() || wxWindow::FindFocus() != (forward ? stops.back() : stops.front())) return false;
    // The page stands in place of the window's panes as a menu does: the keys stay on it, and
    // Escape leaves it.
    (forward ? stops.front() : stops.back())->SetFocus();
    return true;
}

bool FilePage::StepFocusedItem(int key) {
    const bool up = key == WXK_UP || key == WXK_NUMPAD_UP;
    if (!up && key != WXK_DOWN && key != WXK_NUMPAD_DOWN) return false;
    const auto focused = std::ranges::find(m_items, wxWindow::FindFocus());
    if (focused == m_items.end()) return false;
    // As in a menu, the column wraps round from its last item to its first and back.
    const auto index = static_cast<std::size_t>(focused - m_items.begin());
    m_items[(index + (up ? m_items.size() - 1 : 1)) % m_items.size()]->SetFocus();
    return true;
}

}  // namespace varnholt
