// RibbonStyleMenu.cpp - three colour schemes of the ribbon's art: they share a light band and
// differ in the tab row, which carries the program's accent colour in the default one.

#include "app/ribbon/RibbonStyleMenu.h"

#include "app/ribbon/MainRibbon.h"
#include "shell/command_ids.h"
#include "shell/ui_text.h"

#include <wx/menu.h>
#include <wx/ribbon/art.h>
#include <wx/ribbon/bar.h>

#include <memory>

namespace varnholt {
namespace {

struct RibbonStyle {
    int command;
    const char* menu_text;
    wxColour band;       // panels and the current tab
    wxColour highlight;  // hovered and pressed buttons
    wxColour tab_row;
    wxColour tab_text;
    wxColour active_tab_text;
};

const wxColour kAccent(182, 35, 39);
const wxColour kText(38, 38, 38);

const RibbonStyle kStyles[] = {
    {ID_VIEW_APPLOOK_2016_1, "&Colourful", wxColour(243, 243, 243), wxColour(250, 208, 208), kAccent,
     wxColour(255, 255, 255), kAccent},
    {ID_VIEW_APPLOOK_2016_2, "&Dark Grey", wxColour(212, 212, 212), wxColour(170, 170, 170), wxColour(68, 68, 68),
     wxColour(255, 255, 255), wxColour(38, 38, 38)},
    {ID_VIEW_APPLOOK_2016_3, "&White", wxColour(255, 255, 255), wxColour(225, 225, 225), wxColour(255, 255, 255),
     wxColour(68, 68, 68), kAccent},
};

const RibbonStyle* FindStyle(int command) {
    for (const RibbonStyle& style : kStyles) {
        if (style.command == command) return &style;
    }
    return nullptr;
}

void ShowStyleMenu(wxRibbonBar& bar, int current) {
    auto* styles = new wxMenu;  // owned by the menu below
    for (const RibbonStyle& style : kStyles) {
        styles->AppendRadioItem(style.command, wxString::FromUTF8(style.menu_text))->Check(style.command == current);
    }
    wxMenu menu;
    menu.AppendSubMenu(styles, "&Style");
    menu.Append(ID_RIBBON_CUSTOMIZE, "C&ustomize...");
    bar.PopupMenu(&menu);
}

}  // namespace

void ApplyRibbonStyle(wxRibbonBar& bar, int style_command) {
    const RibbonStyle* style = FindStyle(style_command);
    wxRibbonArtProvider* art = bar.GetArtProvider();
    if (style == nullptr || art == nullptr) return;
    art->SetColourScheme(style->band, style->highlight, style->band);
    art->SetColour(wxRIBBON_ART_BUTTON_BAR_LABEL_COLOUR, kText);
    art->SetColour(wxRIBBON_ART_PANEL_LABEL_COLOUR, kText);
    art->SetColour(wxRIBBON_ART_TAB_CTRL_BACKGROUND_COLOUR, style->tab_row);
    art->SetColour(wxRIBBON_ART_TAB_CTRL_BACKGROUND_GRADIENT_COLOUR, style->tab_row);
    art->SetColour(wxRIBBON_ART_TAB_LABEL_COLOUR, style->tab_text);
    art->SetColour(wxRIBBON_ART_TAB_ACTIVE_LABEL_COLOUR, style->active_tab_text);
    art->SetColour(wxRIBBON_ART_TAB_HOVER_LABEL_COLOUR, style->tab_text);
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
            *current = event.GetId();
            ApplyRibbonStyle(bar, *current);
        },
        ID_VIEW_APPLOOK_2016_1, ID_VIEW_APPLOOK_2016_3);
    bar.Bind(
        wxEVT_MENU,
        [&bar](wxCommandEvent&) {
            if (wxWindow* frame = wxGetTopLevelParent(&bar)) {
                wxQueueEvent(frame->GetEventHandler(), new wxCommandEvent(wxEVT_MENU, ID_RIBBON_CUSTOMIZE));
            }
        },
        ID_RIBBON_CUSTOMIZE);
}

}  // namespace varnholt
