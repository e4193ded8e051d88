// PrintSettingsPages.cpp - the options, margins and header/footer pages.

#include "app/print/PrintSettingsPages.h"

#include "app/print/picker_dates.h"
#include "shell/open_document.h"
#include "shell/print/print_dialog_rules.h"
#include "shell/ui_text.h"
#include "views/gantt/GanttView.h"

#include <wx/checkbox.h>
#include <wx/combo.h>
#include <wx/datectrl.h>
#include <wx/dateevt.h>
#include <wx/dcclient.h>
#include <wx/dcmemory.h>
#include <wx/msgdlg.h>
#include <wx/radiobut.h>
#include <wx/sizer.h>
#include <wx/spinbutt.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>
#include <wx/timectrl.h>

#include <algorithm>
#include <utility>

namespace varnholt {
namespace {

// Control ids, shared with the dialog's own resources.
enum : int {
    kStartPicker = 1167, kEndPicker = 1215, kPrintTable = 1216, kAllColumns = 1105, kPrintGantt = 1218,
    kUseScale = 1248, kFitToPages = 1249, kScaleEdit = 1100, kScaleSpin = 1239, kWideEdit = 1101,
    kWideSpin = 1240, kTallEdit = 1102, kTallSpin = 1241, kTopEdit = 1103, kBottomEdit = 1104,
    kLeftEdit = 1106, kRightEdit = 1107, kTopSpin = 1220, kBottomSpin = 1221, kLeftSpin = 1222,
    kRightSpin = 1223, kPrintHeader = 1246, kPrintFooter = 1247,
};

constexpr int kSpinLowest = 1;
constexpr int kSpinHighest = 500;

wxString Text(StringId id) { return wxString(LoadText(id)); }

std::wstring EditText(const wxTextCtrl* edit) { return edit->GetValue().ToStdWstring(); }

// An edit with a spin button that changes the edit's text by one step per click; `step`
// answers the new text or none to leave it.
template <class Step>
SpinEdit MakeSpinEdit(wxWindow* parent, int edit_id, int spin_id, const wxString& text, Step step) {
    SpinEdit pair;
    pair.edit = new wxTextCtrl(parent, edit_id, text, wxDefaultPosition, wxSize(70, -1));
    pair.spin = new wxSpinButton(parent, spin_id, wxDefaultPosition, wxDefaultSize, wxSP_VERTICAL);
    pair.spin->SetRange(-1000, 1000);  // the edit holds the value; the button only counts clicks
    wxTextCtrl* edit = pair.edit;
    const auto click = [edit, step](wxSpinEvent& event, int delta) {
        if (const auto next = step(EditText(edit), delta)) edit->ChangeValue(*next);
        event.Veto();
    };
    pair.spin->Bind(wxEVT_SPIN_UP, [click](wxSpinEvent& event) { click(event, 1); });
    pair.spin->Bind(wxEVT_SPIN_DOWN, [click](wxSpinEvent& event) { click(event, -1); });
    return pair;
}

// Whole numbers within the spin's range.
SpinEdit MakeCountEdit(wxWindow* parent, int edit_id, int spin_id, std::int32_t value) {
    return MakeSpinEdit(parent, edit_id, spin_id, wxString::Format("%d", value),
                        [](const std::wstring& text, int delta) -> std::optional<wxString> {
                            const std::int64_t next = std::int64_t{print::ParseLeadingInteger(text)} + delta;
                            return wxString::Format("%d", static_cast<int>(std::clamp<std::int64_t>(next, kSpinLowest, kSpinHighest)));
                        });
}

wxBoxSizer* Row(std::initializer_list<wxWindow*> items) {
    auto* row = new wxBoxSizer(wxHORIZONTAL);
    for (wxWindow* item : items) row->Add(item, 0, wxRIGHT | wxALIGN_CENTER_VERTICAL, 4);
    return row;
}

// Rows that each start with a label or a choice: those stand in a column of their own, so the
// fields after them start at one left edge whatever the lengths of the words.
wxSizer* LeadersInAColumn(std::initializer_list<std::pair<wxWindow*, wxSizer*>> rows) {
    auto* grid = new wxFlexGridSizer(2, wxSize(4, 12));
    for (const auto& [leader, fields] : rows) {
        grid->Add(leader, 0, wxALIGN_CENTER_VERTICAL);
        grid->Add(fields, 0, wxALIGN_CENTER_VERTICAL);
    }
    return grid;
}

wxStaticText* Label(wxWindow* parent, StringId id) { return new wxStaticText(parent, wxID_ANY, Text(id)); }

bool IsWithin(const wxWindow* window, const wxWindow* ancestor) {
    for (; window != nullptr; window = window->GetParent()) {
        if (window == ancestor) return true;
    }
    return false;
}

// Focus events do not travel up to the parent: the handler goes on every part of a control.
template <class Handler>
void BindFocusLoss(wxWindow* control, const Handler& handler) {
    control->Bind(wxEVT_KILL_FOCUS, handler);
    for (wxWindow* part : control->GetChildren()) BindFocusLoss(part, handler);
}

}  // namespace

void SpinEdit::Enable(bool on) {
    edit->Enable(on);
    spin->Enable(on);
}

// --- Options -----------------------------------------------------------------------------

PrintOptionsPage::PrintOptionsPage(wxWindow* parent, PrintSettings& settings, const view::GanttView* chart)
    : wxPanel(parent, wxID_ANY), m_settings(settings),
      m_chart(chart != nullptr && chart->GetDocument() != nullptr && chart->IsGanttView() ? chart : nullptr) {
    SetBackgroundColour(*wxWHITE);
    print_table = new wxCheckBox(this, kPrintTable, Text(IDS_PRINT_TABLE));
    all_columns = new wxCheckBox(this, kAllColumns, Text(IDS_PRINT_ALL_COLUMNS));
    print_gantt = new wxCheckBox(this, kPrintGantt, Text(IDS_PRINT_GANTT));
    print_table->SetValue(settings.printTable);
    all_columns->SetValue(settings.printAllColumns);
    print_gantt->SetValue(settings.printGantt);
    all_columns->Enable(settings.printTable);
    print_table->Bind(wxEVT_CHECKBOX, [this](wxCommandEvent&) { all_columns->Enable(print_table->GetValue()); });

    if (m_chart != nullptr) print::ClampDateRange(settings, m_chart->GetStartDate(), m_chart->GetEndDate());
    const long picker_style = wxDP_DROPDOWN | wxDP_SHOWCENTURY;
    start_day = new wxDatePickerCtrl(this, kStartPicker, wxDefaultDateTime, wxDefaultPosition, wxDefaultSize, picker_style);
    start_time = new wxTimePickerCtrl(this, wxID_ANY);
    end_day = new wxDatePickerCtrl(this, kEndPicker, wxDefaultDateTime, wxDefaultPosition, wxDefaultSize, picker_style);
    end_time = new wxTimePickerCtrl(this, wxID_ANY);
    ShowInPickers(settings.startDate, *start_day, *start_time);
    ShowInPickers(settings.endDate, *end_day, *end_time);
    WatchField(start_day, start_time, start_drop_down_open, m_start_changed, &PrintOptionsPage::CheckStart);
    WatchField(end_day, end_time, end_drop_down_open, m_end_changed, &PrintOptionsPage::CheckEnd);

    use_scale = new wxRadioButton(this, kUseScale, Text(IDS_PRINT_USE_SCALE), wxDefaultPosition, wxDefaultSize, wxRB_GROUP);
    fit_to_pages = new wxRadioButton(this, kFitToPages, Text(IDS_PRINT_FIT_TO));
    scale = MakeCountEdit(this, kScaleEdit, kScaleSpin, print::ShownScalePercent(settings.scale));
    pages_wide = MakeCountEdit(this, kWideEdit, kWideSpin, settings.pagesWide);
    pages_tall = MakeCountEdit(this, kTallEdit, kTallSpin, settings.pagesTall);
    use_scale->SetValue(settings.useScale);
    fit_to_pages->SetValue(!settings.useScale && settings.fitToPages);
    if (settings.useScale || settings.fitToPages) EnableScaleControls(settings.useScale);
    use_scale->Bind(wxEVT_RADIOBUTTON, [this](wxCommandEvent&) { EnableScaleControls(true); });
    fit_to_pages->Bind(wxEVT_RADIOBUTTON, [this](wxCommandEvent&) { EnableScaleControls(false); });

    auto* sizer = new wxBoxSizer(wxVERTICAL);
    sizer->Add(Label(this, IDS_PRINT_WHAT), 0, wxALL, 6);
    sizer->Add(print_table, 0, wxLEFT | wxBOTTOM, 12);
    sizer->Add(all_columns, 0, wxLEFT | wxBOTTOM, 12);
    sizer->Add(print_gantt, 0, wxLEFT | wxBOTTOM, 12);
    sizer->Add(Label(this, IDS_PRINT_DATES), 0, wxALL, 6);
    sizer->Add(LeadersInAColumn({{Label(this, IDS_PRINT_START_DATE), Row({start_day, start_time})},
                                 {Label(this, IDS_PRINT_END_DATE), Row({end_day, end_time})}}),
               0, wxLEFT | wxBOTTOM, 12);
    sizer->Add(Label(this, IDS_PRINT_SCALING), 0, wxALL, 6);
    wxSizer* fixed = Row({scale.edit, scale.spin, Label(this, IDS_PRINT_PERCENT)});
    wxSizer* fitted = Row({pages_wide.edit, pages_wide.spin, Label(this, IDS_PRINT_PAGES_WIDE), pages_tall.edit,
                           pages_tall.spin, Label(this, IDS_PRINT_PAGES_TALL)});
    sizer->Add(LeadersInAColumn({{use_scale, fixed}, {fit_to_pages, fitted}}), 0, wxLEFT | wxBOTTOM, 12);
    SetSizer(sizer);
}

void PrintOptionsPage::EnableScaleControls(bool fixed_scale) {
    scale.Enable(fixed_scale);
    pages_wide.Enable(!fixed_scale);
    pages_tall.Enable(!fixed_scale);
}

void PrintOptionsPage::ShowError(const std::wstring& text) {
    wxMessageBox(text, WindowTitle({}), wxOK | wxICON_ERROR, this);
}

void PrintOptionsPage::WatchField(wxDatePickerCtrl* day, wxTimePickerCtrl* time, bool& drop_down_open, bool& changed,
                                  Check check) {
    const auto mark = [&changed](wxDateEvent& event) {
        changed = true;
        event.Skip();
    };
    day->Bind(wxEVT_DATE_CHANGED, mark);
    time->Bind(wxEVT_TIME_CHANGED, mark);
    const auto check_if_changed = [this, &changed, check] {
        if (changed) (this->*check)();
    };
    day->Bind(wxEVT_COMBOBOX_DROPDOWN, [&drop_down_open](wxCommandEvent& event) {
        drop_down_open = true;
        event.Skip();
    });
    day->Bind(wxEVT_COMBOBOX_CLOSEUP, [this, &drop_down_open, check_if_changed](wxCommandEvent& event) {
        drop_down_open = false;
        event.Skip();
        CallAfter(check_if_changed);  // a double click reports its day after the calendar has closed
    });
    // Where the focus went is known only once it has moved; checking after the move also keeps
    // a message box out of the middle of a focus change.
    const auto left = [this, &changed](wxFocusEvent& event) {
        event.Skip();
        if (changed) CallAfter(&PrintOptionsPage::CheckFieldsLeft);
    };
    BindFocusLoss(day, left);
    BindFocusLoss(time, left);
}

void PrintOptionsPage::LeaveChecksPendingOn(wxWindow& control) {
    m_leaves_unchecked = &control;
    control.Bind(wxEVT_KILL_FOCUS, [this](wxFocusEvent& event) {
        event.Skip();
        if (m_start_changed || m_end_changed) CallAfter(&PrintOptionsPage::CheckFieldsLeft);
    });
}

// Focus that stays within a field, goes into its calendar, leaves the dialog (another program,
// the dialog closing) or rests on the control that closes it unchecked keeps the field's change
// pending.
void PrintOptionsPage::CheckFieldsLeft() {
    wxWindow* now = wxWindow::FindFocus();
    if (now == nullptr || now == m_leaves_unchecked || wxGetTopLevelParent(now) != wxGetTopLevelParent(this)) return;
    const auto left = [now](const wxWindow* day, const wxWindow* time) {
        return !IsWithin(now, day) && !IsWithin(now, time);
    };
    if (m_start_changed && !start_drop_down_open && left(start_day, start_time)) CheckStart();
    if (m_end_changed && !end_drop_down_open && left(end_day, end_time)) CheckEnd();
}

bool PrintOptionsPage::CheckChangedDates() {
    bool accepted = true;
    if (m_start_changed) accepted = CheckStart() && accepted;
    if (m_end_changed) accepted = CheckEnd() && accepted;
    return accepted;
}

// A change is reported more than once (by each part of the field that loses the focus, and
// again while its message is shown): the first check takes it, before any message, so the
// others find nothing to check. The first refusal puts the stored date back, so a refused
// entry has one message.
bool PrintOptionsPage::CheckStart() {
    m_start_changed = false;
    bool accepted = true;
    if (m_chart != nullptr) {
        const s_date picked = ReadPickers(*start_day, *start_time);
        const s_date first = m_chart->GetStartDate();
        accepted = PutBackIfRefused(print::CheckStartBeforeChart(picked, first), first, m_settings.startDate,
                                    *start_day, *start_time) &&
                   PutBackIfRefused(print::CheckStartAfterEnd(picked, ReadPickers(*end_day, *end_time)), first,
                                    m_settings.startDate, *start_day, *start_time);
    }
    m_start_changed = false;  // putting the stored date back reports a change too
    return accepted;
}

bool PrintOptionsPage::CheckEnd() {
    m_end_changed = false;
    bool accepted = true;
    if (m_chart != nullptr) {
        const s_date picked = ReadPickerDay(*end_day);
        const s_date last = m_chart->GetEndDate();
        accepted = PutBackIfRefused(print::CheckEndAfterChart(picked, last), last, m_settings.endDate, *end_day, *end_time) &&
                   PutBackIfRefused(print::CheckEndBeforeStart(picked, ReadPickers(*start_day, *start_time)), last,
                                    m_settings.endDate, *end_day, *end_time);
    }
    m_end_changed = false;
    return accepted;
}

bool PrintOptionsPage::PutBackIfRefused(std::optional<StringId> refusal, const s_date& chart_bound,
                                        const s_date& stored, wxDatePickerCtrl& day, wxTimePickerCtrl& time) {
    if (!refusal) return true;
    ShowError(FillPlaceholders(LoadText(*refusal), {UnbrokenArgument(chart_bound.to_string())}));
    ShowInPickers(stored, day, time);
    return false;
}

void PrintOptionsPage::Apply(PrintSettings& settings) const {
    // Assignment keeps each field's blank flag; the picked date brings no mark.
    settings.startDate = ReadPickers(*start_day, *start_time);
    settings.endDate = ReadPickers(*end_day, *end_time);
    settings.printTable = print_table->GetValue();
    settings.printAllColumns = all_columns->GetValue();
    settings.printGantt = print_gantt->GetValue();
    settings.useScale = use_scale->GetValue();
    settings.scale = print::ScaleFromPercentText(EditText(scale.edit));
    settings.fitToPages = fit_to_pages->GetValue();
    settings.pagesWide = print::ParseLeadingInteger(EditText(pages_wide.edit));
    settings.pagesTall = print::ParseLeadingInteger(EditText(pages_tall.edit));
}

// --- Margins -----------------------------------------------------------------------------

namespace {

SpinEdit MakeMarginEdit(wxWindow* parent, int edit_id, int spin_id, float value, const float& bound) {
    return MakeSpinEdit(parent, edit_id, spin_id, wxString(print::FormatMargin(value)),
                        [parent, &bound](const std::wstring& text, int delta) -> std::optional<wxString> {
                            auto next = print::StepMargin(text, delta, bound);
                            parent->Refresh(false);  // the sample follows the edits
                            if (!next) return std::nullopt;
                            return wxString(*next);
                        });
}

// A one-pixel line in the system's halftone: every other pixel.
const wxBrush& HalftoneBrush() {
    static const wxBrush brush = [] {
        wxBitmap pattern(2, 2);
        {
            wxMemoryDC dc(pattern);
            dc.SetBackground(*wxWHITE_BRUSH);
            dc.Clear();
            dc.SetPen(*wxBLACK_PEN);
            dc.DrawPoint(0, 0);
            dc.DrawPoint(1, 1);
        }
        return wxBrush(pattern);
    }();
    return brush;
}

}  // namespace

PrintMarginsPage::PrintMarginsPage(wxWindow* parent, const PrintSettings& settings)
    : wxPanel(parent, wxID_ANY), m_settings(settings) {
    SetBackgroundColour(*wxWHITE);
    top = MakeMarginEdit(this, kTopEdit, kTopSpin, settings.marginTop, settings.maxMarginVertical);
    bottom = MakeMarginEdit(this, kBottomEdit, kBottomSpin, settings.marginBottom, settings.maxMarginVertical);
    left = MakeMarginEdit(this, kLeftEdit, kLeftSpin, settings.marginLeft, settings.maxMarginHorizontal);
    right = MakeMarginEdit(this, kRightEdit, kRightSpin, settings.marginRight, settings.maxMarginHorizontal);
    for (const SpinEdit* pair : {&top, &bottom, &left, &right}) {
        pair->edit->Bind(wxEVT_TEXT, [this](wxCommandEvent&) { Refresh(false); });
    }

    auto* middle = new wxBoxSizer(wxHORIZONTAL);
    middle->Add(Row({Label(this, IDS_MARGIN_LEFT), left.edit, left.spin}), 0, wxALIGN_CENTER_VERTICAL);
    middle->AddStretchSpacer();
    middle->AddSpacer(180);  // room for the page sample
    middle->AddStretchSpacer();
    middle->Add(Row({Label(this, IDS_MARGIN_RIGHT), right.edit, right.spin}), 0, wxALIGN_CENTER_VERTICAL);
    auto* sizer = new wxBoxSizer(wxVERTICAL);
    sizer->Add(Label(this, IDS_MARGIN_INCHES), 0, wxALL, 6);
    sizer->Add(Row({Label(this, IDS_MARGIN_TOP), top.edit, top.spin}), 0, wxALIGN_CENTER_HORIZONTAL | wxALL, 6);
    sizer->AddSpacer(60);
    sizer->Add(middle, 0, wxEXPAND | wxALL, 6);
    sizer->AddSpacer(60);
    sizer->Add(Row({Label(this, IDS_MARGIN_BOTTOM), bottom.edit, bottom.spin}), 0, wxALIGN_CENTER_HORIZONTAL | wxALL, 6);
    SetSizer(sizer);
    Bind(wxEVT_PAINT, &PrintMarginsPage::OnPaint, this);
}

void PrintMarginsPage::OnPaint(wxPaintEvent&) {
    wxPaintDC dc(this);
    const print::ControlEdges edges{left.spin->GetRect().GetRight() + 1, right.edit->GetPosition().x,
                                    top.edit->GetRect().GetBottom() + 1, bottom.edit->GetPosition().y};
    // The label before each edit lies in the free area too; the spin's and edit's own edges bound it.
    const print::PixelRect sample = print::PlaceSample(edges, m_settings.pageWidth, m_settings.pageHeight);
    dc.SetPen(*wxBLACK_PEN);
    dc.SetBrush(*wxTRANSPARENT_BRUSH);
    dc.DrawRectangle(sample.x, sample.y, sample.width, sample.height);
    const print::MarginInches margins{print::ParseLeadingNumber(EditText(left.edit)),
                                      print::ParseLeadingNumber(EditText(right.edit)),
                                      print::ParseLeadingNumber(EditText(top.edit)),
                                      print::ParseLeadingNumber(EditText(bottom.edit))};
    const auto lines = print::PlaceMarginLines(sample, margins, m_settings.pageWidth, m_settings.pageHeight);
    if (!lines) return;
    dc.SetPen(*wxTRANSPARENT_PEN);
    dc.SetBrush(HalftoneBrush());
    dc.DrawRectangle(sample.x, lines->top_y, sample.width, 1);
    dc.DrawRectangle(sample.x, lines->bottom_y, sample.width, 1);
    dc.DrawRectangle(lines->left_x, sample.y, 1, sample.height);
    dc.DrawRectangle(lines->right_x, sample.y, 1, sample.height);
}

void PrintMarginsPage::Apply(PrintSettings& settings) const {
    settings.marginTop = print::MarginFromText(EditText(top.edit));
    settings.marginBottom = print::MarginFromText(EditText(bottom.edit));
    settings.marginLeft = print::MarginFromText(EditText(left.edit));
    settings.marginRight = print::MarginFromText(EditText(right.edit));
}

// --- Header and footer -------------------------------------------------------------------

PrintHeaderFooterPage::PrintHeaderFooterPage(wxWindow* parent, const PrintSettings& settings)
    : wxPanel(parent, wxID_ANY) {
    SetBackgroundColour(*wxWHITE);
    header = new wxCheckBox(this, kPrintHeader, Text(IDS_PRINT_HEADER));
    footer = new wxCheckBox(this, kPrintFooter, Text(IDS_PRINT_FOOTER_BAND));
    header->SetValue(settings.printHeader);
    footer->SetValue(settings.printFooter);
    auto* sizer = new wxBoxSizer(wxVERTICAL);
    sizer->Add(header, 0, wxALL, 12);
    sizer->Add(footer, 0, wxLEFT | wxRIGHT | wxBOTTOM, 12);
    SetSizer(sizer);
}

void PrintHeaderFooterPage::Apply(PrintSettings& settings) const {
    settings.printHeader = header->GetValue();
    settings.printFooter = footer->GetValue();
    settings.headerHeight = settings.printHeader ? kPrintBandHeight : 0.0f;
    settings.footerHeight = settings.printFooter ? kPrintBandHeight : 0.0f;
}

}  // namespace varnholt
