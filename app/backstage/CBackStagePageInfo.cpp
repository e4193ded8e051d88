// CBackStagePageInfo.cpp - the Info page's texts, links and miniature.

#include "app/backstage/CBackStagePageInfo.h"

#include "app/CMainFrame.h"
#include "app/app_services.h"
#include "app/backstage/FilePage.h"
#include "shell/ui_text.h"

#include <wx/bmpbuttn.h>
#include <wx/dcmemory.h>
#include <wx/hyperlink.h>
#include <wx/sizer.h>
#include <wx/stattext.h>

namespace varnholt {
namespace {

// Control ids, shared with the page's own resources.
enum : int { kPreviewButton = 106, kDocumentHeading = 1042, kDocumentTitle = 1043, kVersionLine = 1127,
             kFirstHeaderField = 1136 };

const wxSize kPreviewSpace(360, 240);
constexpr int kShadowDepth = 5;
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

wxHyperlinkCtrl* NewLink(wxWindow* parent, StringId label, const wxString& address, StringId tooltip) {
    auto* link = new wxHyperlinkCtrl(parent, wxID_ANY, Text(label), address);
    link->SetNormalColour(kLinkColour);
    link->SetHoverColour(kLinkHoverColour);
    link->SetVisitedColour(kLinkColour);
    link->SetToolTip(Text(tooltip));
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
    : wxPanel(parent, wxID_ANY), m_close(std::move(close)) {
    auto* columns = new wxBoxSizer(wxHORIZONTAL);
    columns->Add(CreateDocumentColumn(texts), 1, wxEXPAND | wxALL, 16);
    columns->Add(CreateProgramColumn(screenshot), 0, wxALL, 16);
    SetSizer(columns);
}

wxSizer* CBackStagePageInfo::CreateDocumentColumn(const InfoPageTexts& texts) {
    auto* column = new wxBoxSizer(wxVERTICAL);
    column->Add(NewLine(this, Text(IDS_INFO_DOCUMENT), 2, false, 0, kDocumentHeading), 0, wxBOTTOM, 8);
    m_title = NewLine(this, texts.title, 6, true, wxST_ELLIPSIZE_END, kDocumentTitle);
    column->Add(m_title, 0, wxEXPAND | wxBOTTOM, 5);
    // A long path is cut at its end.
    m_path = NewLine(this, texts.path, 0, false, wxST_ELLIPSIZE_END);
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

wxString CBackStagePageInfo::GetTitleText() const { return m_title->GetLabel(); }
wxString CBackStagePageInfo::GetPathText() const { return m_path->GetLabel(); }
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
    area->Layout();
}

}  // namespace varnholt
