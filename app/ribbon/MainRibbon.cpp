// MainRibbon.cpp - builds the ribbon from its definition and turns every control's own event
// into one menu command for the top-level window.

#include "app/ribbon/MainRibbon.h"

#include "app/draw/TextResolution.h"
#include "app/ribbon/FoldedPanels.h"
#include "app/ribbon/FoldedPopUpClosing.h"
#include "app/ribbon/FoldedRibbonPanel.h"
#include "app/ribbon/RibbonArt.h"
#include "app/ribbon/RibbonDefinition.h"
#include "app/ribbon/RibbonGlyphs.h"
#include "app/ribbon/RibbonStyleMenu.h"
#include "app/ribbon/SelectorStrip.h"
#include "app/ribbon/folded_updates.h"
#include "layouts/layout_files.h"
#include "shell/command_ids.h"
#include "shell/string_ids.h"
#include "shell/timescale_choices.h"
#include "shell/ui_text.h"

#include <wx/bmpbuttn.h>
#include <wx/dcclient.h>
#include <wx/choice.h>
#include <wx/ribbon/bar.h>
#include <wx/ribbon/buttonbar.h>
#include <wx/ribbon/page.h>
#include <wx/ribbon/panel.h>
#include <wx/sizer.h>
#include <wx/slider.h>

#include <algorithm>
#include <cmath>
#include <set>

namespace varnholt {
namespace {

using ribbon::ControlDef;
using ribbon::ControlKind;
using ribbon::Glyph;
using ribbon::PanelDef;

constexpr int kLayoutChoiceWidth = 150;
constexpr int kTimescaleChoiceWidth = 108;
constexpr int kSliderWidth = 80;
constexpr int kZoomStep = 10;

MainRibbonBar* BarOf(wxWindow* window) {
    for (; window != nullptr; window = window->GetParent()) {
        if (auto* bar = dynamic_cast<MainRibbonBar*>(window)) return bar;
    }
    return nullptr;
}

// Queued rather than processed on the spot, so that the control has finished its own handling
// (a toggle button its flip, a slider its drag) before the command runs. The pop-up of the folded
// panel the control was clicked in closes first, as a menu does, so that the command's dialogs
// and the focus find the main window as the user left it; once the command has returned, from a
// dialog perhaps, the bar looks where the pointer is.
void PostCommand(wxWindow* from, int id, int value, const wxString& text = {}, wxRibbonPanel* folded = nullptr) {
    wxWindow* target = wxGetTopLevelParent(from);
    MainRibbonBar* bar = BarOf(from);
    if (target == nullptr || bar == nullptr) return;
    wxCommandEvent command(wxEVT_MENU, id);
    command.SetInt(value);
    command.SetString(text);
    command.SetEventObject(from);
    target->CallAfter([target, bar, command, folded]() mutable {
        if (folded != nullptr) CloseForCommand(*folded);
        target->ProcessWindowEvent(command);
        bar->ForgetStaleHover();
    });
}

wxString Label(std::string_view text) { return wxString::FromUTF8(text.data(), text.size()); }

// A button bar that knows which of its buttons can be used, so that its panel, folded into a
// single picture in a narrow window, shows that picture faded while none of them can.
class PanelButtons final : public wxRibbonButtonBar {
public:
    PanelButtons(wxRibbonPanel* panel, Glyph panel_glyph)
        : wxRibbonButtonBar(panel), m_panel(panel), m_panel_glyph(panel_glyph) {
        Bind(wxEVT_IDLE, [this](wxIdleEvent& event) {
            event.Skip();
            ribbon::AskFrameWhileFolded(*this, *m_panel);
        });
    }

    // The toolkit moves the bar into the pop-up when the folded panel opens, and back again.
    bool Reparent(wxWindowBase* parent) override {
        if (!wxRibbonButtonBar::Reparent(parent)) return false;
        FollowFoldedPanel(*this, *m_panel);
        return true;
    }

    // Folded away, the bar asks the frame about each button itself (see AskFrameWhileFolded).
    void UpdateWindowUI(long flags) override {
        if (IsShownOnScreen()) {
            wxRibbonButtonBar::UpdateWindowUI(flags);
            return;
        }
        for (size_t index = 0; index < GetButtonCount(); ++index) {
            const int id = GetItemId(GetItem(index));
            wxUpdateUIEvent update(id);
            update.SetEventObject(this);
            if (!ProcessWindowEvent(update)) continue;
            if (update.GetSetEnabled()) EnableButton(id, update.GetEnabled());
            if (update.GetSetChecked()) ToggleButton(id, update.GetChecked());
        }
    }

    // Called for each button at every update-UI.
    void EnableButton(int id, bool enable) override {
        wxRibbonButtonBar::EnableButton(id, enable);
        const bool was_usable = Usable();
        if (enable) {
            m_disabled.erase(id);
        } else {
            m_disabled.insert(id);
        }
        if (Usable() == was_usable) return;
        SetFoldedPicture(*m_panel, m_panel_glyph, Usable());
    }

private:
    [[nodiscard]] bool Usable() const { return m_disabled.size() < GetButtonCount(); }

    wxRibbonPanel* m_panel;  // the parent, also while the bar sits in the panel's unfolded copy
    Glyph m_panel_glyph;
    std::set<int> m_disabled;
};

void AddButtons(wxRibbonPanel* panel, const PanelDef& def) {
    auto* bar = new PanelButtons(panel, def.glyph);
    for (const ControlDef& control : def.controls) {
        const auto kind = control.kind == ControlKind::toggle ? wxRIBBON_BUTTON_TOGGLE : wxRIBBON_BUTTON_NORMAL;
        // The toolkit's own disabled picture is the grey of the usable one, which is mostly
        // grey already: a button that cannot be used would look like one that can.
        bar->AddButton(control.id, Label(control.label), ribbon::GlyphBitmap(control.glyph, ribbon::kLargeGlyphSize),
                       ribbon::GlyphBitmap(control.glyph, ribbon::kSmallGlyphSize),
                       ribbon::FadedGlyphBitmap(control.glyph, ribbon::kLargeGlyphSize),
                       ribbon::FadedGlyphBitmap(control.glyph, ribbon::kSmallGlyphSize), kind, {});
    }
}

// A small button that moves the slider one step and then reports it as moved, as the slider
// reports a drag: the report travels from the slider to the ribbon, also out of a folded panel's
// pop-up, which is a window of its own.
wxWindow* ZoomButton(wxWindow* parent, wxSlider* slider, Glyph glyph, int step) {
    auto* button = new wxBitmapButton(parent, wxID_ANY, ribbon::GlyphBitmap(glyph, ribbon::kSmallGlyphSize),
                                      wxDefaultPosition, wxDefaultSize, wxBORDER_NONE);
    button->Bind(wxEVT_BUTTON, [slider, step](wxCommandEvent&) {
        const int value = std::clamp(slider->GetValue() + step, slider->GetMin(), slider->GetMax());
        if (value == slider->GetValue()) return;
        slider->SetValue(value);
        wxCommandEvent moved(wxEVT_SLIDER, slider->GetId());
        moved.SetInt(value);
        moved.SetEventObject(slider);
        (void)slider->ProcessWindowEvent(moved);
    });
    // The frame answers for the slider; the buttons follow it.
    button->Bind(wxEVT_UPDATE_UI, [slider](wxUpdateUIEvent& event) { event.Enable(slider->IsThisEnabled()); });
    return button;
}

wxSizer* ZoomRow(wxWindow* parent, int id) {
    auto* slider = new wxSlider(parent, id, kZoomMinimum, kZoomMinimum, kZoomMaximum, wxDefaultPosition,
                                wxSize(kSliderWidth, -1), wxSL_HORIZONTAL);
    auto* row = new wxBoxSizer(wxHORIZONTAL);
    row->Add(ZoomButton(parent, slider, Glyph::zoom_out, -kZoomStep), 0, wxALIGN_CENTER_VERTICAL);
    row->Add(slider, 0, wxALIGN_CENTER_VERTICAL | wxLEFT | wxRIGHT, 2);
    row->Add(ZoomButton(parent, slider, Glyph::zoom_in, kZoomStep), 0, wxALIGN_CENTER_VERTICAL);
    return row;
}

// An empty list as wide as the longest of `texts` needs in the current font, with the padding the
// desktop's theme gives the control, and never narrower than `least`. Lists are filled once a
// schedule is open.
wxChoice* ChoiceFitting(wxWindow* parent, int id, const wxArrayString& texts, int least) {
    auto* choice = new wxChoice(parent, id, wxDefaultPosition, wxDefaultSize, texts);
    const int width = std::max(least, choice->GetBestSize().x);
    choice->Clear();
    choice->SetInitialSize(wxSize(width, -1));
    return choice;
}

// Every timescale of the current language shows whole.
wxChoice* TimescaleChoice(wxWindow* parent, int id) {
    wxArrayString choices;
    for (StringId text = IDS_TIMESCALE_FIRST; text <= IDS_TIMESCALE_LAST; ++text) choices.Add(wxString(LoadText(text)));
    return ChoiceFitting(parent, id, choices, kTimescaleChoiceWidth);
}

// The layout a schedule opens with in the list's category shows whole, and the list is never
// narrower than designed at the desktop's text size. A longer name shows whole in the list's
// tooltip.
wxChoice* LayoutChoice(wxWindow* parent, int id) {
    const std::wstring_view opened_with = id == IDC_COMBO_WBS_LAYOUT    ? kDefaultWbsLayout
                                          : id == IDC_COMBO_PROJ_LAYOUT ? kDefaultProjectLayout
                                          : id == IDC_COMBO_RES_LAYOUT  ? kDefaultResourceLayout
                                                                        : kDefaultActivityLayout;
    const wxArrayString names(1, wxString(opened_with.data(), opened_with.size()));
    return ChoiceFitting(parent, id, names, static_cast<int>(std::lround(kLayoutChoiceWidth * DesktopTextScale())));
}

// Drop-down lists and sliders sit side by side, centred in the band's height: the toolkit's
// controls are too tall to stack two of them in the band.
void AddSelectors(wxRibbonPanel* panel, const PanelDef& def) {
    auto* strip = new ribbon::SelectorStrip(panel, def.glyph);
    wxBoxSizer& row = strip->Row();
    for (const ControlDef& control : def.controls) {
        switch (control.kind) {
            case ControlKind::layout_choice:
                row.Add(LayoutChoice(strip, control.id), 0, wxALIGN_CENTER_VERTICAL | wxALL, 2);
                break;
            case ControlKind::timescale_choice:
                row.Add(TimescaleChoice(strip, control.id), 0, wxALIGN_CENTER_VERTICAL | wxALL, 2);
                break;
            case ControlKind::zoom_slider: row.Add(ZoomRow(strip, control.id), 0, wxALIGN_CENTER_VERTICAL | wxALL, 2); break;
            case ControlKind::button:
            case ControlKind::toggle: break;  // the definition keeps buttons in panels of their own
        }
    }
}

bool HoldsButtons(const PanelDef& def) {
    return std::ranges::all_of(def.controls, [](const ControlDef& control) {
        return control.kind == ControlKind::button || control.kind == ControlKind::toggle;
    });
}

void AddCategory(wxRibbonBar* bar, const ribbon::CategoryDef& category) {
    auto* page = new wxRibbonPage(bar, wxID_ANY, Label(category.label));
    for (const PanelDef& def : category.panels) {
        auto* panel = new FoldedRibbonPanel(page, Label(def.label), ribbon::GlyphBitmap(def.glyph, ribbon::kSmallGlyphSize));
        if (HoldsButtons(def)) {
            AddButtons(panel, def);
        } else {
            AddSelectors(panel, def);
        }
    }
}

void ForwardControlEvents(wxRibbonBar* bar) {
    bar->Bind(wxEVT_RIBBONBUTTONBAR_CLICKED, [bar](wxRibbonButtonBarEvent& event) {
        PostCommand(bar, event.GetId(), event.IsChecked() ? 1 : 0, {}, FoldedPanelHolding(event.GetBar()));
    });
    // A choice closes the pop-up it was made in, as a click on a button does; the slider and its
    // zoom buttons leave it open for the next step.
    bar->Bind(wxEVT_CHOICE, [bar](wxCommandEvent& event) {
        PostCommand(bar, event.GetId(), event.GetSelection(), event.GetString(),
                    FoldedPanelHolding(dynamic_cast<wxWindow*>(event.GetEventObject())));
    });
    bar->Bind(wxEVT_SLIDER, [bar](wxCommandEvent& event) { PostCommand(bar, event.GetId(), event.GetInt()); });
    bar->Bind(wxEVT_RIBBONBAR_HELP_CLICK, [bar](wxRibbonBarEvent&) { PostCommand(bar, ID_APP_ABOUT, 0); });
}

}  // namespace

wxRect MainRibbonBar::GetTabRect(int page) const {
    if (page < 0 || static_cast<size_t>(page) >= m_pages.GetCount()) return {};
    return m_pages.Item(static_cast<size_t>(page)).rect;
}

int MainRibbonBar::GetLeastWholeTabsWidth() const {
    if (m_art == nullptr) return 0;
    // Each label in the current tab's bold font, with a little room on either side.
    wxClientDC dc(const_cast<MainRibbonBar*>(this));
    dc.SetFont(m_art->GetFont(wxRIBBON_ART_TAB_LABEL_FONT).Bold());
    const int room = dc.GetTextExtent(" ").x;
    int width = m_tab_margin_left + m_tab_margin_right;
    for (size_t page = 0; page < m_pages.GetCount(); ++page) {
        width += dc.GetTextExtent(m_pages.Item(page).page->GetLabel()).x + room;
        if (page > 0) width += m_art->GetMetric(wxRIBBON_ART_TAB_SEPARATION_SIZE);
    }
    return width;
}

void MainRibbonBar::ShowBand(bool show) {
    CloseFoldedPopUps();
    if (!show) {
        ShowPanels(false);
        return;
    }
    // The toolkit's own way back measures the panels before its parent has given the band back
    // its height: at no height at all every panel takes its folded size, and the panels then grow
    // from there as far as their folded heights let them. The band takes its height first here,
    // and the panels are measured once, at that height: they fold as they do at this width from
    // the start. The two fields are the ones the toolkit's ShowPanels sets; it offers no other
    // way to set them than that call, with its own order.
    m_arePanelsShown = true;
    m_ribbon_state = wxRIBBON_BAR_PINNED;
    SetMinSize(wxSize(GetSize().x, DoGetBestSize().y));
    GetParent()->Layout();
    (void)Realize();
}

bool MainRibbonBar::Realize() {
    CloseFoldedPopUps();  // the panels are about to fold anew
    return wxRibbonBar::Realize();
}

void MainRibbonBar::ForgetStaleHover() {
    const wxPoint pointer = wxGetMousePosition();
    // A leave event makes the panel and the button bar test the position it carries.
    const auto tell_left = [&pointer](wxWindow* window) {
        if (window->GetScreenRect().Contains(pointer)) return;
        wxMouseEvent leave(wxEVT_LEAVE_WINDOW);
        leave.SetPosition(window->ScreenToClient(pointer));
        leave.SetEventObject(window);
        window->GetEventHandler()->ProcessEvent(leave);
    };
    for (size_t page = 0; page < m_pages.GetCount(); ++page) {
        for (wxWindow* child : m_pages.Item(page).page->GetChildren()) {
            auto* panel = dynamic_cast<wxRibbonPanel*>(child);
            if (panel == nullptr || !panel->IsHovered()) continue;
            for (wxWindow* control : panel->GetChildren()) {
                if (dynamic_cast<wxRibbonButtonBar*>(control) != nullptr) tell_left(control);
            }
            tell_left(panel);
        }
    }
    tell_left(this);  // a tab under the pointer
}

MainRibbonBar* CreateMainRibbon(wxWindow* parent) {
    auto* bar = new MainRibbonBar(parent, wxID_ANY, wxDefaultPosition, wxDefaultSize,
                                  wxRIBBON_BAR_FLOW_HORIZONTAL | wxRIBBON_BAR_SHOW_PAGE_LABELS |
                                      wxRIBBON_BAR_SHOW_HELP_BUTTON);
    bar->SetArtProvider(new ribbon::RibbonArt);  // owned by the bar; the pages and panels made next share it
    new wxRibbonPage(bar, wxID_ANY, wxString(LoadText(IDS_FILE_TAB)));
    for (const ribbon::CategoryDef& category : ribbon::Categories()) AddCategory(bar, category);
    ForwardControlEvents(bar);
    // An open pop-up closes before another page shows; before the panels fold anew at a new
    // width, the frame closes it as it resizes.
    bar->Bind(wxEVT_RIBBONBAR_PAGE_CHANGING, [](wxRibbonBarEvent& event) {
        CloseFoldedPopUps();
        event.Skip();
    });
    AttachRibbonStyleMenu(*bar);
    bar->SetActivePage(static_cast<size_t>(kActivitiesTabPage));
    bar->Realize();
    return bar;
}

void SetFileTabText(wxRibbonBar* bar, const wxString& text) {
    if (bar == nullptr || bar->GetPageCount() == 0) return;
    bar->GetPage(kFileTabPage)->SetLabel(text);
    bar->Realize();  // measures the tabs again
    bar->Refresh();
}

}  // namespace varnholt
