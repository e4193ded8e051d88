// CBackStagePageInfo.cpp - the Info page's texts, links and miniature.

#include "app/backstage/CBackStagePageInfo.h"

#include "app/CMainFrame.h"
#include "app/app_services.h"
#include "app/backstage/FilePage.h"
#include "app/fixed_ground.h"
#include "app/focus_marks.h"
#include "shell/ui_text.h"

#include <wx/bmpbuttn.h>
#include <wx/dcmemory.h>
#include <wx/hyperlink.h>
#include <wx/sizer.h>
#include <wx/stattext.h>

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

namespace varnholt {
namespace {

// Control ids, shared with the page's own resources.
enum : int { kPreviewButton = 106, kDocumentHeading = 1042, kDocumentTitle = 1043, kVersionLine = 1127,
             kFirstHeaderField = 1136 };

const wxSize kPreviewSpace(360, 240);
constexpr int kShadowDepth = 5;
constexpr int kColumnMargin = 16;
const wxColour kLinkColour(0, 102, 204);
const wxColour kLinkHoverColour(0, 0, 255);

wxString Text(StringId id) { return LoadText(id); }

wxStaticText* NewLine(wxWindow* parent, const wxString& text, int point_change = 0, bool bold = false,
                      long style = 0, wxWindowID id = wxID_ANY) {
    auto* line = new wxStaticText(parent, id, text, wxDefaultPosition, wxDefaultSize, style);
    wxFont font = line->GetFont();
    if (point_change != 0) font.SetPointSize(font.GetPointSize() + point_change);
    if (bold) font.MakeBold();
    line->SetFont(font);
    return line;
}

// Sets the label to the text broken into lines of the width. The label keeps no width of its
// own, so that its column decides it.
void BreakLabel(wxStaticText& label, const wxString& text, int width) {
    const std::vector<std::wstring> lines = BreakIntoLines(text.ToStdWstring(), width, [&label](std::wstring_view line) {
        return label.GetTextExtent(wxString(line.data(), line.size())).x;
    });
    wxString shown;
    for (const std::wstring& line : lines) {
        if (!shown.empty()) shown += '\n';
        shown += line;
    }
    if (shown == label.GetLabelText()) return;
    label.SetLabelText(shown);  // a "&" in a file name is no mnemonic
    // The height of the lines as laid out in the label's font; the toolkit's own answer is
    // for a label that wraps at its present width, which may be any.
    label.SetMinSize(wxSize(label.GetCharWidth(), label.GetTextExtent(shown.empty() ? wxString("Ag") : shown).y));
}

wxHyperlinkCtrl* NewLink(wxWindow* parent, StringId label, const wxString& address, StringId tooltip) {
    auto* link = new wxHyperlinkCtrl(parent, wxID_ANY, Text(label), address);
    link->SetNormalColour(kLinkColour);
    link->SetHoverColour(kLinkHoverColour);
    link->SetVisitedColour(kLinkColour);
    link->SetToolTip(Text(tooltip));
    OutlineFocusPlainly(*link);
    return link;
}

// The shadow on the right and bottom of the picture, fading outwards.
void DrawShadow(wxDC& dc, const wxRect& picture) {
    for (int step = 0; step < kShadowDepth; ++step) {
        const auto grey = static_cast<unsigned char>(100 + step * 25);
        dc.SetPen(wxPen(wxColour(grey, grey, grey)));
        const int offset = step + 1;
        dc.DrawLine(picture.GetRight() + offset, picture.GetTop() + offset, picture.GetRight() + offset,
                    picture.GetBottom() + offset + 1);
        dc.DrawLine(picture.GetLeft() + offset, picture.GetBottom() + offset, picture.GetRight() + offset + 1,
                    picture.GetBottom() + offset);
    }
}

}  // namespace

CBackStagePageInfo::CBackStagePageInfo(wxWindow* parent, const InfoPageTexts& texts, const wxBitmap& screenshot,
                                       std::function<void()> close)
    : wxScrolledWindow(parent, wxID_ANY), m_close(std::move(close)), m_title_text(texts.title), m_path_text(texts.path) {
    // The File page's white, which a dark theme's colour for a window is not: the miniature's
    // margins and the focus outline round it are drawn against it.
    SetBackgroundColour(*wxWHITE);
    m_columns = new wxBoxSizer(wxHORIZONTAL);
    m_document_item = m_columns->Add(CreateDocumentColumn(texts), 1, wxEXPAND | wxALL, kColumnMargin);
    m_program_item = m_columns->Add(CreateProgramColumn(screenshot), 0, wxALL, kColumnMargin);
    SetSizer(m_columns);
    SetScrollRate(0, GetCharHeight());
    Bind(wxEVT_SIZE, [this](wxSizeEvent& event) {
        event.Skip();
        Arrange();
    });
}

void CBackStagePageInfo::Arrange() {
    const int width = GetClientSize().x;
    if (width <= 0) return;
    // Side by side while the schedule's column keeps the room its headings and header fields
    // take beside the program's; the name and path fit any width.
    const int document_least = m_document_item->GetSizer()->CalcMin().x + 2 * kColumnMargin;
    const int program_width = m_program_item->GetSizer()->CalcMin().x + 2 * kColumnMargin;
    const bool side_by_side = width >= document_least + program_width;
    m_columns->SetOrientation(side_by_side ? wxHORIZONTAL : wxVERTICAL);
    m_document_item->SetProportion(side_by_side ? 1 : 0);
    const int text_width = std::max(1, width - 2 * kColumnMargin - (side_by_side ? program_width : 0));
    BreakLabel(*m_title, m_title_text, text_width);
    BreakLabel(*m_path, m_path_text, text_width);
    FitInside();  // the page scrolls when its content is taller than the window
    Layout();
}

wxSizer* CBackStagePageInfo::CreateDocumentColumn(const InfoPageTexts& texts) {
    auto* column = new wxBoxSizer(wxVERTICAL);
    column->Add(NewLine(this, Text(IDS_INFO_DOCUMENT), 2, false, 0, kDocumentHeading), 0, wxBOTTOM, 8);
    // Both take the width of the column and break into lines to fit it (Arrange).
    m_title = NewLine(this, wxString(), 6, true, wxST_NO_AUTORESIZE, kDocumentTitle);
    column->Add(m_title, 0, wxEXPAND | wxBOTTOM, 5);
    m_path = NewLine(this, wxString(), 0, false, wxST_NO_AUTORESIZE);
    column->Add(m_path, 0, wxEXPAND | wxBOTTOM, 16);

    column->Add(NewLine(this, Text(IDS_INFO_HEADER_TITLE), 2, true), 0, wxBOTTOM, 6);
    auto* fields = new wxFlexGridSizer(2, wxSize(16, 4));
    const StringId labels[] = {IDS_INFO_XER_VERSION, IDS_INFO_EXPORT_DATE, IDS_INFO_USER, IDS_INFO_USER_NAME,
                               IDS_INFO_CURRENCY};
    for (std::size_t field = 0; field < m_header.size(); ++field) {
        fields->Add(NewLine(this, Text(labels[field])));
        m_header[field] = NewLine(this, texts.header[field], 0, false, 0, kFirstHeaderField + static_cast<int>(field));
        fields->Add(m_header[field]);
    }
    column->Add(fields);
    return column;
}

wxSizer* CBackStagePageInfo::CreateProgramColumn(const wxBitmap& screenshot) {
    auto* column = new wxBoxSizer(wxVERTICAL);
    m_preview = new wxBitmapButton(this, kPreviewButton, wxBitmap(), wxDefaultPosition, wxDefaultSize, wxBORDER_NONE);
    m_preview->SetCursor(wxCursor(wxCURSOR_HAND));
    OutlineFocusPlainly(*m_preview);  // Return on it closes the File page, as a click does
    m_preview->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) {
        if (m_close) m_close();
    });
    BuildPreviewImage(screenshot);
    column->Add(m_preview, 0, wxBOTTOM, 16);

    column->Add(NewLine(this, Text(IDS_INFO_PROGRAM), 2, true), 0, wxBOTTOM, 6);
    const std::array<int, 4> version = GetProgramVersion();
    m_version = NewLine(this,
                        FillPlaceholders(LoadText(IDS_INFO_VERSION),
                                         {NumberArgument(version[0]), NumberArgument(version[1]),
                                          NumberArgument(version[2]), NumberArgument(version[3])}),
                        0, false, 0, kVersionLine);
    column->Add(m_version, 0, wxBOTTOM, 16);
    column->Add(NewLine(this, Text(IDS_INFO_SUPPORT), 2, true), 0, wxBOTTOM, 6);
    wxHyperlinkCtrl* help = NewLink(this, IDS_INFO_HELP_LINK, HelpPageAddress(), IDS_HELP_TOOLTIP);
    // The same as the ribbon's help button, a missing page reported included.
    help->Bind(wxEVT_HYPERLINK, [this](wxHyperlinkEvent&) { OpenHelpPage(this); });
    column->Add(help, 0, wxBOTTOM, 4);
    // A build without a web site shows no link to one.
    if (const wxString home = HomePageAddress(); !home.empty()) {
        column->Add(NewLink(this, IDS_INFO_WEB_LINK, home, IDS_WEB_SITE_TOOLTIP));
    }
    return column;
}

void CBackStagePageInfo::BuildPreviewImage(const wxBitmap& screenshot) {
    const int shot_width = screenshot.IsOk() ? screenshot.GetWidth() : 0;
    const int shot_height = screenshot.IsOk() ? screenshot.GetHeight() : 0;
    const std::optional<MiniatureSize> size = FitMiniature(kPreviewSpace.x, kPreviewSpace.y, shot_width, shot_height);
    // Without a screenshot, or with too little of one to show, the button stays without a picture.
    if (!size || size->width <= 2 * kShadowDepth || size->height <= 2 * kShadowDepth) return;
    const wxRect picture(kShadowDepth, kShadowDepth, size->width - 2 * kShadowDepth, size->height - 2 * kShadowDepth);
    wxImage scaled = screenshot.ConvertToImage();
    scaled.Rescale(picture.width, picture.height, wxIMAGE_QUALITY_HIGH);

    wxBitmap miniature(size->width, size->height, 24);
    {
        wxMemoryDC dc(miniature);
        dc.SetBackground(wxBrush(GetBackgroundColour()));
        dc.Clear();
        DrawShadow(dc, picture);
        dc.DrawBitmap(wxBitmap(scaled), picture.GetTopLeft());
    }
    m_preview->SetBitmap(miniature);
    m_preview->SetMinSize(miniature.GetSize());
}

wxString CBackStagePageInfo::GetHeaderText(int field) const { return m_header.at(static_cast<std::size_t>(field))->GetLabel(); }
wxString CBackStagePageInfo::GetVersionText() const { return m_version->GetLabel(); }

void RebuildInfoPage(CMainFrame& frame) {
    FilePage* file_page = frame.GetFilePage();
    if (file_page == nullptr) return;
    wxWindow* area = file_page->GetInfoPageArea();
    area->DestroyChildren();
    if (area->GetSizer() == nullptr) area->SetSizer(new wxBoxSizer(wxVERTICAL));
    const LayoutStore* store = frame.GetLayoutStore();
    const InfoPageTexts texts = InfoTextsFor(store == nullptr ? nullptr : store->GetDocument(),
                                             frame.GetDocumentPath().ToStdWstring());
    auto* page = new CBackStagePageInfo(area, texts, frame.GetScreenshot(), [&frame] { frame.CloseFilePage(); });
    area->GetSizer()->Add(page, 1, wxEXPAND);
    WriteLabelsDarkOnWhite(*page);
    area->Layout();
}

}  // namespace varnholt
