// RibbonStyleMenu.cpp - three colour schemes of the ribbon's art: they share a light band and
// differ in the tab row, which carries the program's accent colour in the default one.

#include "app/ribbon/RibbonStyleMenu.h"

#include "app/ribbon/MainRibbon.h"
#include "app/ribbon/RibbonArt.h"
#include "shell/command_ids.h"
#include "shell/ui_text.h"

#include <wx/menu.h>
#include <wx/ribbon/art.h>
#include <wx/ribbon/bar.h>

#include <iterator>
#include <memory>

namespace varnholt {
namespace {

// Every text of the bar stands out from its own ground by a contrast ratio of 4.5 : 1 or more:
// the other tabs lie flat on the tab row, the current tab and a tab under the pointer take the
// band's colour, and captions and labels are dark on the band, on a hovered or pressed button's
// highlight and on a hovered caption's pale highlight. Labels of buttons that cannot be used are
// paler than the others, and still readable. A checked button stands out from the band by 3 : 1
// or more: no ground does that and still carries the dark labels readably, so it is dark and
// its label white.
struct RibbonStyle {
    int command;
    const char* menu_text;
    wxColour band;           // panels, the current tab and a tab under the pointer
    wxColour highlight;      // hovered and pressed buttons, a hovered panel's caption
    wxColour tab_row;        // the row behind the tabs, and the other tabs
    wxColour tab_text;       // the labels of the other tabs
    wxColour active_tab_text;
    wxColour text;           // captions and button labels
    wxColour disabled_text;  // labels of buttons that cannot be used now
    wxColour checked;        // a checked button's ground
};

const wxColour kAccent(182, 35, 39);
const wxColour kCheckedLabel(255, 255, 255);

const RibbonStyle kStyles[] = {
    {ID_VIEW_APPLOOK_2016_1, "&Colourful", wxColour(243, 243, 243), wxColour(250, 208, 208), kAccent,
     wxColour(255, 255, 255), kAccent, wxColour(38, 38, 38), wxColour(92, 92, 92), kAccent},
    {ID_VIEW_APPLOOK_2016_2, "&Dark Grey", wxColour(212, 212, 212), wxColour(185, 185, 185), wxColour(68, 68, 68),
     wxColour(255, 255, 255), wxColour(16, 16, 16), wxColour(16, 16, 16), wxColour(72, 72, 72), wxColour(68, 68, 68)},
    {ID_VIEW_APPLOOK_2016_3, "&White", wxColour(255, 255, 255), wxColour(225, 225, 225), wxColour(255, 255, 255),
     wxColour(68, 68, 68), kAccent, wxColour(38, 38, 38), wxColour(96, 96, 96), kAccent},
};

// A panel's caption strip: the band a shade darker.
wxColour CaptionGround(const wxColour& band) { return band.ChangeLightness(93); }

const RibbonStyle* FindStyle(int command) {
    for (const RibbonStyle& style : kStyles) {
        if (style.command == command) return &style;
    }
    return nullptr;
}

// The toolkit's menus take item ids below 32767 only, and the style and customise commands lie
// above that: the menu carries ids of its own, one per entry, mapped back to the command.
constexpr int kFirstMenuItem = wxID_HIGHEST + 1;
constexpr int kCustomizeItem = kFirstMenuItem + static_cast<int>(std::size(kStyles));

int MenuItemOfStyle(std::size_t index) { return kFirstMenuItem + static_cast<int>(index); }

void ShowStyleMenu(wxRibbonBar& bar, int current) {
    auto* styles = new wxMenu;  // owned by the menu below
    for (std::size_t index = 0; index < std::size(kStyles); ++index) {
        const RibbonStyle& style = kStyles[index];
        styles->AppendRadioItem(MenuItemOfStyle(index), wxString::FromUTF8(style.menu_text))
            ->Check(style.command == current);
    }
    wxMenu menu;
    menu.AppendSubMenu(styles, "&Style");
    menu.Append(kCustomizeItem, "C&ustomize...");
    bar.PopupMenu(&menu);
}

}  // namespace

void ApplyRibbonStyle(wxRibbonBar& bar, int style_command) {
    const RibbonStyle* style = FindStyle(style_command);
    wxRibbonArtProvider* art = bar.GetArtProvider();
    if (style == nullptr || art == nullptr) return;
    // The scheme derives every colour from the three; the grounds and texts that matter for
    // reading are set again here, since the scheme dims the band and writes a hovered panel's
    // caption in the band's colour.
    art->SetColourScheme(style->band, style->highlight, style->band);
    for (const int ground : {wxRIBBON_ART_PAGE_BACKGROUND_COLOUR, wxRIBBON_ART_PAGE_HOVER_BACKGROUND_COLOUR,
                             wxRIBBON_ART_PAGE_HOVER_BACKGROUND_GRADIENT_COLOUR}) {
        art->SetColour(ground, style->band);
    }
    art->SetColour(wxRIBBON_ART_PANEL_LABEL_BACKGROUND_COLOUR, CaptionGround(style->band));
    art->SetColour(wxRIBBON_ART_PANEL_LABEL_BACKGROUND_GRADIENT_COLOUR, CaptionGround(style->band));
    for (const int text : {wxRIBBON_ART_BUTTON_BAR_LABEL_COLOUR, wxRIBBON_ART_PANEL_LABEL_COLOUR,
                           wxRIBBON_ART_PANEL_HOVER_LABEL_COLOUR, wxRIBBON_ART_PANEL_MINIMISED_LABEL_COLOUR}) {
        art->SetColour(text, style->text);
    }
    art->SetColour(wxRIBBON_ART_BUTTON_BAR_LABEL_DISABLED_COLOUR, style->disabled_text);
    for (const int row : {wxRIBBON_ART_TAB_CTRL_BACKGROUND_COLOUR, wxRIBBON_ART_TAB_CTRL_BACKGROUND_GRADIENT_COLOUR,
                          wxRIBBON_ART_TAB_HOVER_BACKGROUND_COLOUR, wxRIBBON_ART_TAB_HOVER_BACKGROUND_TOP_COLOUR,
                          wxRIBBON_ART_TAB_HOVER_BACKGROUND_TOP_GRADIENT_COLOUR}) {
        art->SetColour(row, style->tab_row);  // the other tabs are drawn with the "hover" colours
    }
    for (const int current : {wxRIBBON_ART_TAB_ACTIVE_BACKGROUND_TOP_COLOUR, wxRIBBON_ART_TAB_ACTIVE_BACKGROUND_COLOUR,
                              wxRIBBON_ART_TAB_ACTIVE_BACKGROUND_GRADIENT_COLOUR}) {
        art->SetColour(current, style->band);  // the current tab and a tab under the pointer
    }
    art->SetColour(wxRIBBON_ART_TAB_LABEL_COLOUR, style->tab_text);
    art->SetColour(wxRIBBON_ART_TAB_ACTIVE_LABEL_COLOUR, style->active_tab_text);
    art->SetColour(wxRIBBON_ART_TAB_HOVER_LABEL_COLOUR, style->active_tab_text);
    if (auto* ours = dynamic_cast<ribbon::RibbonArt*>(art)) ours->SetCheckedColours(style->checked, kCheckedLabel);
    SetFileTabText(&bar, wxString(LoadText(IDS_FILE_TAB)));
    bar.Refresh();
}

void AttachRibbonStyleMenu(wxRibbonBar& bar) {
    auto current = std::make_shared<int>(ID_VIEW_APPLOOK_2016_1);
    ApplyRibbonStyle(bar, *current);

    // Right-clicks on a tab and on the free part of the tab row; the pages are windows of their
    // own, so a right-click in a panel never reaches the bar.
    bar.Bind(wxEVT_RIGHT_UP, [&bar, current](wxMouseEvent& event) {
        event.Skip();
        ShowStyleMenu(bar, *current);
    });
    bar.Bind(
        wxEVT_MENU,
        [&bar, current](wxCommandEvent& event) {
            *current = kStyles[static_cast<std::size_t>(event.GetId() - kFirstMenuItem)].command;
            ApplyRibbonStyle(bar, *current);
        },
        MenuItemOfStyle(0), MenuItemOfStyle(std::size(kStyles) - 1));
    bar.Bind(
        wxEVT_MENU,
        [&bar](wxCommandEvent&) {
            if (wxWindow* frame = wxGetTopLevelParent(&bar)) {
                wxQueueEvent(frame->GetEventHandler(), new wxCommandEvent(wxEVT_MENU, ID_RIBBON_CUSTOMIZE));
            }
        },
        kCustomizeItem);
}

}  // namespace varnholt
