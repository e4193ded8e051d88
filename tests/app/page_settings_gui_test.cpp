// page_settings_gui_test.cpp - the page settings dialog of the running program, part of the
// printing tests' program: Enter on any page, the check box rule, the date clamp, dates through
// the pickers in any time zone, dates typed or picked and checked once the user is done, and
// how its fields and labels stand on their pages.

#include "app/print/PrintSettingsDialog.h"
#include "app/print/PrintSettingsPages.h"
#include "app/print/picker_dates.h"
#include "app_gui_support.h"
#include "gui_input.h"
#include "print_test_fixture.h"
#include "screen_pixels.h"
#include "shell/command_ids.h"

#include <wx/calctrl.h>
#include <wx/checkbox.h>
#include <wx/combo.h>
#include <wx/datectrl.h>
#include <wx/dateevt.h>
#include <wx/notebook.h>
#include <wx/radiobut.h>
#include <wx/settings.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>
#include <wx/timectrl.h>
#include <wx/uiaction.h>
#include <wx/uilocale.h>

#include <gtk/gtk.h>

#include <chrono>
#include <cstdlib>
#include <ctime>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace varnholt {
namespace {

using testing_app::WaitUntil;

TEST_F(PrintTest, OpeningPageSettingsClampsTheDatesOnlyBesideAChartEvenOnCancel) {
    ASSERT_TRUE(Start(GeneratedSchedule()));
    CMainFrame* frame = Frame();
    ASSERT_NE(frame, nullptr);
    PrintSettings& settings = frame->GetPrintSettings();
    m_hook.answer = wxID_CANCEL;

    frame->SwitchToPage(kResourcesTabPage);
    wxQueueEvent(frame, new wxCommandEvent(wxEVT_MENU, ID_OPEN_PAGE_SETTINGS));
    ASSERT_TRUE(WaitUntil([&] { return !wxTheApp->Pending(); }));
    (void)wxTheApp->Yield(true);
    EXPECT_EQ(settings.startDate.seconds, 0) << "no chart: the stored dates stay";
    EXPECT_EQ(settings.endDate.seconds, 0);

    frame->SwitchToPage(kActivitiesTabPage);
    const view::GanttView* chart = frame->GetCurrentGanttView();
    ASSERT_NE(chart, nullptr);
    wxQueueEvent(frame, new wxCommandEvent(wxEVT_MENU, ID_OPEN_PAGE_SETTINGS));
    EXPECT_TRUE(WaitUntil([&] { return settings.startDate.seconds != 0; }));
    EXPECT_EQ(settings.startDate.seconds, chart->GetStartDate().seconds);
    EXPECT_EQ(settings.endDate.seconds, chart->GetEndDate().seconds) << "kept although cancelled";
}

TEST_F(PrintTest, EnterOnTheMarginsPageAppliesEveryPage) {
    ASSERT_TRUE(Start(GeneratedSchedule()));
    CMainFrame* frame = Frame();
    ASSERT_NE(frame, nullptr);
    PrintSettings& settings = frame->GetPrintSettings();
    auto* dialog = new PrintSettingsDialog(frame, settings, frame->GetCurrentGanttView());
    PrintOptionsPage& options = dialog->GetOptionsPage();
    dialog->Show();

    options.print_table->SetValue(false);
    wxCommandEvent click(wxEVT_CHECKBOX, options.print_table->GetId());
    click.SetEventObject(options.print_table);
    click.SetInt(0);
    options.print_table->GetEventHandler()->ProcessEvent(click);
    EXPECT_FALSE(options.all_columns->IsEnabled()) << "at once";
    options.scale.edit->ChangeValue("85");

    dialog->GetNotebook()->SetSelection(1);
    wxTextCtrl* margin = dialog->GetMarginsPage().left.edit;
    margin->ChangeValue("-2");
    wxUIActionSimulator simulator;
    simulator.MouseMove(margin->GetScreenRect().GetPosition() + wxPoint(5, 5));
    margin->SetFocus();
    ASSERT_TRUE(WaitUntil([&] { return wxWindow::FindFocus() == margin; }));
    simulator.Char(WXK_RETURN);
    ASSERT_TRUE(WaitUntil([&] { return !dialog->IsShown(); }));
    EXPECT_EQ(dialog->GetReturnCode(), wxID_OK);
    EXPECT_FALSE(settings.printTable);
    EXPECT_TRUE(settings.printAllColumns) << "a disabled box keeps its check";
    EXPECT_FLOAT_EQ(settings.scale, 0.85f);
    EXPECT_EQ(settings.marginLeft, 0.0f) << "a negative margin is stored as 0";
    dialog->Destroy();
}

TEST_F(PrintTest, PickersKeepDatesInEveryTimeZone) {
    ASSERT_TRUE(Start(GeneratedSchedule()));
    CMainFrame* frame = Frame();
    ASSERT_NE(frame, nullptr);
    const view::GanttView* chart = frame->GetCurrentGanttView();
    ASSERT_NE(chart, nullptr);
    const char* const saved = std::getenv("TZ");
    const std::string kept = saved != nullptr ? saved : "";
    for (const char* zone : {"XST5", "XST-9", "UTC0"}) {
        SCOPED_TRACE(zone);
        setenv("TZ", zone, 1);
        tzset();
        PrintSettings settings;
        auto* dialog = new PrintSettingsDialog(frame, settings, chart);
        PrintOptionsPage& options = dialog->GetOptionsPage();
        for (const s_date& date : {chart->GetStartDate(), chart->GetEndDate(),
                                   s_date::from_seconds(s_date::from_ymdhm(2024, 3, 1, 0, 0).seconds + 59)}) {
            ShowInPickers(date, *options.start_day, *options.start_time);
            EXPECT_EQ(ReadPickers(*options.start_day, *options.start_time).seconds, date.seconds);
        }
        // The chart's own first and last dates pass the checks.
        ShowInPickers(chart->GetStartDate(), *options.start_day, *options.start_time);
        ShowInPickers(chart->GetEndDate(), *options.end_day, *options.end_time);
        m_hook.messages.clear();
        for (wxDatePickerCtrl* picker : {options.start_day, options.end_day}) {
            wxDateEvent changed(picker, picker->GetValue(), wxEVT_DATE_CHANGED);
            picker->GetEventHandler()->ProcessEvent(changed);
        }
        EXPECT_TRUE(options.CheckChangedDates());
        EXPECT_TRUE(m_hook.messages.empty()) << (m_hook.messages.empty() ? wxString() : m_hook.messages.front());
        dialog->Destroy();
    }
    if (saved != nullptr) setenv("TZ", kept.c_str(), 1); else unsetenv("TZ");
    tzset();
}

// The text as a reader sees it: word joiners dropped, no-break spaces as spaces.
std::string Readable(std::string_view utf8) {
    std::string out;
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        if (utf8.substr(i, 3) == "\xE2\x81\xA0") { i += 2; continue; }
        if (utf8.substr(i, 2) == "\xC2\xA0") { out += ' '; ++i; continue; }
        out += utf8[i];
    }
    return out;
}

// Each width, from the date's own up to the whole text's, at which the shown box's label
// would wrap inside the date, as the toolkit wraps it when the box is narrower.
std::vector<int> WidthsSplittingTheDate(GtkWidget* box, const std::string& date) {
    std::vector<int> splitting;
    GtkWidget* area = gtk_message_dialog_get_message_area(GTK_MESSAGE_DIALOG(box));
    GList* children = gtk_container_get_children(GTK_CONTAINER(area));
    for (GList* child = children; child != nullptr; child = child->next) {
        if (!GTK_IS_LABEL(child->data)) continue;
        PangoLayout* layout = pango_layout_copy(gtk_label_get_layout(GTK_LABEL(child->data)));
        const char* text = pango_layout_get_text(layout);
        if (Readable(text).find(date) == std::string::npos) {
            g_object_unref(layout);
            continue;
        }
        PangoLayout* alone = pango_layout_copy(layout);
        pango_layout_set_attributes(alone, nullptr);
        pango_layout_set_text(alone, (date + ".").c_str(), -1);
        pango_layout_set_width(alone, -1);
        int least = 0, whole = 0;
        pango_layout_get_pixel_size(alone, &least, nullptr);
        pango_layout_set_width(layout, -1);
        pango_layout_get_pixel_size(layout, &whole, nullptr);
        for (int width = least + 1; width <= whole; ++width) {
            pango_layout_set_width(layout, width * PANGO_SCALE);
            bool on_one_line = false;
            for (GSList* item = pango_layout_get_lines_readonly(layout); item != nullptr; item = item->next) {
                const auto* line = static_cast<const PangoLayoutLine*>(item->data);
                const std::string_view piece(text + line->start_index, static_cast<std::size_t>(line->length));
                on_one_line = on_one_line || Readable(piece).find(date) != std::string::npos;
            }
            if (!on_one_line) splitting.push_back(width);
        }
        g_object_unref(alone);
        g_object_unref(layout);
    }
    g_list_free(children);
    return splitting;
}

// Dates typed into the shown page settings, key by key, as a user types them.
class TypedDatesTest : public PrintTest {
protected:
    // Opens the page settings over the Activities chart and runs `script` while they are shown.
    void WhileSettingsShown(const std::function<void(PrintSettingsDialog&)>& script) {
        ASSERT_TRUE(Start(GeneratedSchedule()));
        frame = Frame();
        ASSERT_NE(frame, nullptr);
        frame->Raise();
        chart = frame->GetCurrentGanttView();
        ASSERT_NE(chart, nullptr);
        WhileSettingsShownAgain(script);
    }
    // The same, with the program already started.
    void WhileSettingsShownAgain(const std::function<void(PrintSettingsDialog&)>& script) {
        bool ran = false;
        m_hook.CancelAfter<PrintSettingsDialog>(ran, script);
        wxQueueEvent(frame, new wxCommandEvent(wxEVT_MENU, ID_OPEN_PAGE_SETTINGS));
        ASSERT_TRUE(WaitUntil([&] { return ran; }));  // inside the dialog's modal loop
    }

    // Selects the picker's text and types `day` in the picker's own date format.
    void Type(wxDatePickerCtrl& picker, const wxDateTime& day) {
        wxTextCtrl* text = nullptr;
        for (wxWindow* part : picker.GetChildren()) {
            if (auto* combo = dynamic_cast<wxComboCtrl*>(part)) text = combo->GetTextCtrl();
        }
        ASSERT_NE(text, nullptr);
        input.MouseMove(text->GetScreenRect().GetPosition() + wxPoint(5, 5));
        text->SetFocus();
        // The focus is reported on the picker that the text belongs to.
        ASSERT_TRUE(WaitUntil([&] { return wxWindow::FindFocus() == &picker; }));
        input.Char('a', wxMOD_CONTROL);
        wxString format = wxUILocale::GetCurrent().GetInfo(wxLOCALE_SHORT_DATE_FMT);
        format.Replace("%y", "%Y");
        const wxString typed = day.Format(format);
        input.Text(typed.utf8_str().data());
        ASSERT_TRUE(WaitUntil([&] { return text->GetValue() == typed; }));
    }

    // A calendar day as yyyymmdd.
    static std::int64_t Day(const s_date& date) { return date.year() * 10000 + date.month() * 100 + date.day(); }
    static std::int64_t Day(const wxDateTime& date) {
        return date.GetYear() * 10000 + (static_cast<int>(date.GetMonth()) + 1) * 100 + date.GetDay();
    }

    CMainFrame* frame = nullptr;
    const view::GanttView* chart = nullptr;
    wxUIActionSimulator input;
};

TEST_F(TypedDatesTest, FromIsCheckedOnceTheFieldIsLeftNeverMidDate) {
    std::int64_t typed_day = 0;
    WhileSettingsShown([&](PrintSettingsDialog& dialog) {
        PrintOptionsPage& options = dialog.GetOptionsPage();
        const s_date first = chart->GetStartDate();
        const s_date stored = frame->GetPrintSettings().startDate;

        // Each keystroke that forms a date (years 2, 20, 201) is no finished choice.
        const wxDateTime before(15, wxDateTime::Feb, static_cast<int>(first.year()) - 10);
        Type(*options.start_day, before);
        EXPECT_TRUE(m_hook.messages.empty()) << m_hook.messages.front();
        EXPECT_EQ(Day(ReadPickerDay(*options.start_day)), Day(before));

        // Leaving the field: the date before the chart gets its message once, in front of the
        // dialog, and goes back. The box stays up while a user reads it.
        // However narrow the box, its date stays on one line.
        const std::string shown_date = wxString(first.to_string()).utf8_string();
        std::optional<std::vector<int>> splitting;
        m_hook.show_messages = true;
        m_hook.while_message_shown = [&](GtkWidget* box) { splitting = WidthsSplittingTheDate(box, shown_date); };
        input.Char(WXK_TAB, wxMOD_SHIFT);
        ASSERT_TRUE(WaitUntil([&] { return m_hook.closed_messages == 1; }));
        m_hook.show_messages = false;
        m_hook.while_message_shown = nullptr;
        ASSERT_EQ(m_hook.messages.size(), 1u);
        EXPECT_EQ(m_hook.message_owners, std::vector<wxWindow*>{&dialog});
        EXPECT_NE(Readable(m_hook.messages.front().utf8_string()).find(shown_date), std::string::npos);
        ASSERT_TRUE(splitting.has_value()) << "the box's label holds the date";
        EXPECT_TRUE(splitting->empty()) << splitting->size() << " widths split the date, the first "
                                        << splitting->front();
        EXPECT_EQ(ReadPickers(*options.start_day, *options.start_time).seconds, stored.seconds);

        // A date inside the chart, confirmed with Enter while still in the field.
        const wxDateTime inside(20, wxDateTime::Jan, static_cast<int>(first.year()) + 1);
        typed_day = Day(inside);
        Type(*options.start_day, inside);
        input.Char(WXK_RETURN);
        EXPECT_TRUE(WaitUntil([&] { return !dialog.IsShown(); }));
    });
    EXPECT_EQ(m_hook.messages.size(), 1u);
    EXPECT_EQ(Day(frame->GetPrintSettings().startDate), typed_day) << "stored on OK";
}

// The fields after the labels "From:" and "To:", and after the two scaling choices, each start
// at one left edge, whatever the lengths of the words before them.
TEST_F(TypedDatesTest, ThePageSettingsFieldsOfARowPairStartAtOneEdge) {
    WhileSettingsShown([&](PrintSettingsDialog& dialog) {
        PrintOptionsPage& options = dialog.GetOptionsPage();
        const struct {
            const char* why;
            wxWindow* upper;
            wxWindow* lower;
        } pairs[] = {{"the dates", options.start_day, options.end_day},
                     {"the scale and the pages wide", options.scale.edit, options.pages_wide.edit}};
        for (const auto& pair : pairs) {
            SCOPED_TRACE(pair.why);
            EXPECT_EQ(pair.upper->GetScreenPosition().x, pair.lower->GetScreenPosition().x);
        }
    });
}

// The pages are white in every theme: each label on them stands out from the white, also where
// a dark theme writes labels light.
TEST_F(TypedDatesTest, EveryLabelOfThePageSettingsStandsOutFromItsPage) {
    WhileSettingsShown([&](PrintSettingsDialog& dialog) {
        auto* notebook = dynamic_cast<wxNotebook*>(dialog.GetOptionsPage().GetParent());
        ASSERT_NE(notebook, nullptr);
        for (size_t index = 0; index < notebook->GetPageCount(); ++index) {
            notebook->SetSelection(index);
            wxWindow& page = *notebook->GetPage(index);
            ASSERT_TRUE(WaitUntil([&page] { return page.IsShownOnScreen(); }));
            const wxImage shown = testing_gui::GrabSteady(&page);
            for (wxWindow* child : page.GetChildren()) {
                const bool label = dynamic_cast<wxStaticText*>(child) != nullptr ||
                                   dynamic_cast<wxCheckBox*>(child) != nullptr ||
                                   dynamic_cast<wxRadioButton*>(child) != nullptr;
                if (!label || !child->IsShown() || child->GetLabel().empty()) continue;
                const testing_gui::TextLook look = testing_gui::MeasureText(shown, child->GetRect());
                EXPECT_GE(look.ratio, 4.5) << child->GetLabel() << ": " << testing_gui::Describe(look);
            }
        }
    });
}

// Only the control that holds the keyboard looks focused: a time field the program has filled,
// when the dialog opens or after a refused date went back, shows no selection.
TEST_F(TypedDatesTest, ATimeFieldWithoutTheKeyboardShowsNoSelection) {
    WhileSettingsShown([&](PrintSettingsDialog& dialog) {
        PrintOptionsPage& options = dialog.GetOptionsPage();
        const auto expect_no_stray_selection = [&](const char* when) {
            SCOPED_TRACE(when);
            const wxImage shown = testing_gui::GrabSteady(&dialog);
            const wxColour highlight = wxSystemSettings::GetColour(wxSYS_COLOUR_HIGHLIGHT);
            for (wxTimePickerCtrl* time : {options.start_time, options.end_time}) {
                for (wxWindow* part : time->GetChildren()) {
                    if (dynamic_cast<wxTextCtrl*>(part) == nullptr || wxWindow::FindFocus() == part) continue;
                    wxRect inside = part->GetScreenRect().Deflate(3);  // inside the field's frame
                    inside.SetPosition(dialog.ScreenToClient(inside.GetPosition()));
                    int selected = 0;
                    testing_gui::ForEachPixel(shown, inside, [&](const wxColour& pixel) {
                        const int off = std::abs(pixel.Red() - highlight.Red()) +
                                        std::abs(pixel.Green() - highlight.Green()) +
                                        std::abs(pixel.Blue() - highlight.Blue());
                        selected += off < 48;
                    });
                    EXPECT_EQ(selected, 0) << "pixels of the selection colour in a time field";
                }
            }
        };
        expect_no_stray_selection("opened");

        // A start before the chart, and Shift+Tab out of the field: refused, and put back.
        Type(*options.start_day, wxDateTime(15, wxDateTime::Feb, static_cast<int>(chart->GetStartDate().year()) - 10));
        m_hook.show_messages = true;
        input.Char(WXK_TAB, wxMOD_SHIFT);
        ASSERT_TRUE(WaitUntil([&] { return !m_hook.message_owners.empty(); }));
        ASSERT_TRUE(WaitUntil([&] { return wxWindow::FindFocus() == options.print_gantt; }))
            << "the keyboard is where the user sent it";
        m_hook.show_messages = false;
        EXPECT_EQ(m_hook.messages.size(), 1u);
        expect_no_stray_selection("after a refused date");
    });
}

// Cancel closes without a look at the dates, however long a person holds the button: its press
// takes the focus from the date field before its release closes the dialog.
TEST_F(TypedDatesTest, CancelClosesUncheckedAtAPersonsClickSpeed) {
    for (const int held_ms : {0, 120, 300}) {
        SCOPED_TRACE(testing::Message() << "held " << held_ms << " ms");
        s_date stored;
        bool closed = false;
        const auto script = [&](PrintSettingsDialog& dialog) {
            PrintOptionsPage& options = dialog.GetOptionsPage();
            stored = frame->GetPrintSettings().startDate;
            Type(*options.start_day, wxDateTime(15, wxDateTime::Feb, static_cast<int>(chart->GetStartDate().year()) - 10));
            wxWindow* cancel = dialog.FindWindow(ID_PRINT_SETTINGS_CANCEL);
            ASSERT_NE(cancel, nullptr);
            ASSERT_TRUE(testing_gui::MoveTo(*cancel, wxPoint(cancel->GetClientSize().x / 2, cancel->GetClientSize().y / 2)));
            input.MouseDown();
            testing_gui::RunEventLoopFor(std::chrono::milliseconds(held_ms));
            input.MouseUp();
            closed = WaitUntil([&] { return !dialog.IsShown(); });
        };
        if (frame == nullptr) WhileSettingsShown(script);
        else WhileSettingsShownAgain(script);
        EXPECT_TRUE(closed);
        EXPECT_TRUE(m_hook.messages.empty()) << m_hook.messages.front();
        EXPECT_EQ(frame->GetPrintSettings().startDate.seconds, stored.seconds) << "nothing stored";
        m_hook.messages.clear();
    }
}

TEST_F(TypedDatesTest, OkRefusesADateTypedPastTheChartAndKeepsTheDialogOpen) {
    WhileSettingsShown([&](PrintSettingsDialog& dialog) {
        PrintOptionsPage& options = dialog.GetOptionsPage();
        const s_date last = chart->GetEndDate();
        Type(*options.end_day, wxDateTime(20, wxDateTime::Jan, static_cast<int>(last.year()) + 4));
        EXPECT_TRUE(m_hook.messages.empty()) << m_hook.messages.front();

        input.Char(WXK_RETURN);
        ASSERT_TRUE(WaitUntil([&] { return !m_hook.messages.empty(); }));
        for (int i = 0; i < 10; ++i) (void)wxTheApp->Yield(true);
        EXPECT_EQ(m_hook.messages.size(), 1u);
        const std::string shown_date = wxString(last.to_string()).utf8_string();
        EXPECT_NE(Readable(m_hook.messages.front().utf8_string()).find(shown_date), std::string::npos);
        EXPECT_TRUE(dialog.IsShown()) << "the refused date is not stored";
        EXPECT_EQ(Day(ReadPickerDay(*options.end_day)), Day(frame->GetPrintSettings().endDate));
    });
    EXPECT_EQ(frame->GetPrintSettings().endDate.seconds, chart->GetEndDate().seconds);
}

TEST_F(TypedDatesTest, ADayPickedInTheCalendarIsCheckedOnceItCloses) {
    WhileSettingsShown([&](PrintSettingsDialog& dialog) {
        PrintOptionsPage& options = dialog.GetOptionsPage();
        const wxRect picker = options.start_day->GetScreenRect();
        ClickAt(input, wxPoint(picker.GetRight() - 8, picker.GetTop() + picker.GetHeight() / 2));  // its button
        ASSERT_TRUE(WaitUntil([&] { return options.start_drop_down_open; }));

        // A day before the chart, picked as the calendar reports a pick: no message while open.
        wxCalendarCtrl& calendar = *options.start_day->GetCalendar();
        const s_date first = chart->GetStartDate();
        const wxDateTime before(10, wxDateTime::Jan, static_cast<int>(first.year()) - 1);
        calendar.SetDate(before);
        wxCalendarEvent picked(&calendar, before, wxEVT_CALENDAR_SEL_CHANGED);
        calendar.HandleWindowEvent(picked);
        EXPECT_EQ(Day(ReadPickerDay(*options.start_day)), Day(before));
        for (int i = 0; i < 10; ++i) (void)wxTheApp->Yield(true);
        EXPECT_TRUE(m_hook.messages.empty());

        // A click beside the calendar closes it; then the checks run, once.
        ClickAt(input, options.print_gantt->GetScreenRect().GetRightBottom() + wxPoint(30, 0));
        ASSERT_TRUE(WaitUntil([&] { return !m_hook.messages.empty(); }));
        for (int i = 0; i < 10; ++i) (void)wxTheApp->Yield(true);
        EXPECT_EQ(m_hook.messages.size(), 1u);
        EXPECT_FALSE(options.start_drop_down_open);
        EXPECT_EQ(Day(ReadPickerDay(*options.start_day)), Day(first));
    });
}

}  // namespace
}  // namespace varnholt
