// calendar_options_gui_test.cpp - the calendar and shift dialogs over an open schedule, the
// option pages in the real options sheet, and the File page's Info page, driven through the
// modal-dialog hook inside the running program.

#include "../shell/every_category_schedule.h"
#include "app/backstage/CBackStagePageInfo.h"
#include "app/backstage/FilePage.h"
#include "app/dialogs/CalendarDlg.h"
#include "app/dialogs/CalendarSubDialogs.h"
#include "app/dialogs/DrawnArea.h"
#include "app/dialogs/ResourceShiftsDlg.h"
#include "app/dialogs/calendar_entries.h"
#include "app/draw/WxDrawBackend.h"
#include "app/options/OptionPage.h"
#include "app/registry.h"
#include "app/ribbon/MainRibbon.h"
#include "app_gui_support.h"
#include "screen_pixels.h"
#include "tab_walk.h"
#include "gui_input.h"
#include "layouts/settings_file.h"
#include "platform/user_paths.h"
#include "shell/command_ids.h"
#include "shell/ui_text.h"
#include "tests/app/draw/forwarding_backend.h"
#include "views/draw/RecordingBackend.h"

#include <wx/bmpbuttn.h>
#include <wx/button.h>
#include <wx/bookctrl.h>
#include <wx/choice.h>
#include <wx/dcmemory.h>
#include <wx/checkbox.h>
#include <wx/listbox.h>
#include <wx/listbook.h>
#include <wx/listctrl.h>
#include <wx/propdlg.h>
#include <wx/radiobut.h>
#include <wx/spinbutt.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>
#include <wx/uiaction.h>

#include <gtk/gtk.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <vector>

namespace varnholt {
namespace {

namespace fs = std::filesystem;
using testing_app::WaitUntil;
using testing_gui::ClickAt;
using testing_gui::ClickMiddle;

std::string CalendarSchedule(std::string_view global_name = "Standard") {
    std::string text = testing_shell::EveryCategorySchedule("A");
    text.erase(text.rfind("%E"));
    const char* const week = "(0||CalendarData()(  (0||DaysOfWeek()(  (0||1()())"
                             "  (0||2()(    (0||0(s|08:00|f|12:00)())    (0||1(s|13:00|f|17:00)())))"
                             "  (0||3()()) (0||4()()) (0||5()()) (0||6()()) (0||7()()))  (0||Exceptions()()))";
    text += "%T\tCALENDAR\n%F\tclndr_id\tdefault_flag\tclndr_name\tproj_id\tbase_clndr_id\tclndr_type\tclndr_data\t"
            "day_hr_cnt\tweek_hr_cnt\tyear_hr_cnt\tmonth_hr_cnt\n";
    text += "%R\t1\tY\t" + std::string(global_name) + "\t\t\tCA_Base\t" + week + "\t8\t40\t2000\t172\n";
    text += std::string("%R\t2\tN\tCrane\t\t1\tCA_Rsrc\t") + week + "\t8\t37.5\t2000\t172\n";
    text += "%T\tSHIFT\n%F\tshift_id\tshift_name\n%R\t1\tDay\n%R\t2\tDay and night\n";
    text += "%T\tSHIFTPER\n%F\tshift_period_id\tshift_id\tshift_start_hr_num\n%R\t1\t1\t8\n%R\t2\t2\t0\n%R\t3\t2\t8\n";
    return text + "%E\n";
}

template <class Control>
void Notify(Control& control, wxEventType type) {
    wxCommandEvent event(type, control.GetId());
    event.SetEventObject(&control);
    if constexpr (std::is_same_v<Control, wxListBox>) event.SetInt(control.GetSelection());
    control.ProcessWindowEvent(event);
}

// Which control a resource id must name.
using ControlKind = bool (*)(const wxWindow*);
template <class Control>
bool Is(const wxWindow* window) {
    return dynamic_cast<const Control*>(window) != nullptr;
}
void ExpectControls(const wxWindow& parent, std::initializer_list<std::pair<int, ControlKind>> controls) {
    for (const auto& [id, kind] : controls) EXPECT_TRUE(kind(parent.FindWindow(id))) << "control " << id;
}

// Clicks the sheet's OK button and waits for the sheet to close.
void ClickOk(wxDialog& dialog) {
    EXPECT_TRUE(ClickMiddle(*dialog.FindWindow(wxID_OK)));
    EXPECT_TRUE(WaitUntil([&dialog] { return !dialog.IsModal(); }));
}

// What the window shows on screen now.
// The height of the dark pixels (text) inside the rectangle; 0 without any.
int InkHeight(const wxImage& image, const wxRect& rect) {
    int top = -1, bottom = -1;
    for (int y = rect.GetTop(); y <= rect.GetBottom(); ++y) {
        for (int x = rect.GetLeft(); x <= rect.GetRight(); ++x) {
            if (image.GetRed(x, y) < 110 && image.GetGreen(x, y) < 110 && image.GetBlue(x, y) < 110) {
                if (top < 0) top = y;
                bottom = y;
                break;
            }
        }
    }
    return top < 0 ? 0 : bottom - top + 1;
}

// Where the text of a row of a list begins: the first column of pixels with one that stands
// out from the row's ground.
int TextStart(const wxImage& image, wxRect row) {
    row.Intersect(wxRect(image.GetSize()));
    const wxColour ground = testing_gui::MeasureText(image, row).ground;
    for (int x = row.GetLeft(); x <= row.GetRight(); ++x) {
        for (int y = row.GetTop(); y <= row.GetBottom(); ++y) {
            const wxColour pixel(image.GetRed(x, y), image.GetGreen(x, y), image.GetBlue(x, y));
            if (testing_gui::ContrastRatio(pixel, ground) >= 2.0) return x;
        }
    }
    return row.GetRight() + 1;
}

wxRect ToWxRect(const view::DeviceRect& r) { return {r.left, r.top, r.right - r.left, r.bottom - r.top}; }

// Where a paint puts each text, laid out with the screen's own text measures.
class TextPlaces final : public testing_gui::ForwardingBackend {
public:
    using ForwardingBackend::ForwardingBackend;
    void Text(view::DevicePoint origin, std::wstring_view text, const view::FontBlock& font, view::Color color,
              view::DeviceRect clip) override {
        places[std::wstring(text)] = clip;
        ForwardingBackend::Text(origin, text, font, color, clip);
    }
    std::map<std::wstring, view::DeviceRect> places;
};

// The text without its line breaks and blanks: what must all be on screen of a wrapped text.
wxString Characters(wxString text) {
    text.Replace("\n", "");
    text.Replace(" ", "");
    return text;
}

// Whether the native text field shows all of its text: the text's layout fits the field's text area.
::testing::AssertionResult ShowsWhole(wxTextCtrl& field) {
    GtkEntry* entry = GTK_ENTRY(field.GetHandle());
    int width = 0;
    pango_layout_get_pixel_size(gtk_entry_get_layout(entry), &width, nullptr);
    GdkRectangle area{};
    gtk_entry_get_text_area(entry, &area);
    if (width <= area.width) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << '"' << field.GetValue() << "\" is " << width << " px wide in a " << area.width
                                         << "-px field";
}

// Whether the list shows each of its rows whole: nothing to scroll sideways, and each name as
// wide as the list's font makes it fits the visible width.
::testing::AssertionResult ShowsWhole(wxListBox& list) {
    GtkAdjustment* sideways = gtk_scrollable_get_hadjustment(GTK_SCROLLABLE(list.m_treeview));
    const double visible = gtk_adjustment_get_page_size(sideways);
    if (gtk_adjustment_get_upper(sideways) > visible)
        return ::testing::AssertionFailure() << "rows " << gtk_adjustment_get_upper(sideways) << " px wide in a "
                                             << visible << "-px list";
    for (unsigned int row = 0; row < list.GetCount(); ++row) {
        if (list.GetTextExtent(list.GetString(row)).x > visible)
            return ::testing::AssertionFailure() << '"' << list.GetString(row) << "\" is wider than the list";
    }
    return ::testing::AssertionSuccess();
}

class CalendarOptionsTest : public testing_app::AppGuiTest {
protected:
    static wxString ScheduleFile() { return Schedule(L"calendars.xer", CalendarSchedule()); }
    static fs::path DataFolder() { return PathFromWide(GetUserDataFolder()); }
    // The sheet's page of the type, as the hook sees the sheet.
    template <class Page>
    static Page* PageOf(wxDialog& dialog, int index) {
        auto* sheet = dynamic_cast<wxPropertySheetDialog*>(&dialog);
        return sheet == nullptr ? nullptr : dynamic_cast<Page*>(sheet->GetBookCtrl()->GetPage(static_cast<size_t>(index)));
    }
    // Opens the calendar dialog and runs the script inside it once it is on screen.
    void WhileCalendarDialogShown(const std::function<void(CalendarDlg&)>& script) {
        bool ran = false;
        m_hook.CancelAfter<CalendarDlg>(ran, script);
        ShowCalendarDialog(*Frame());
        EXPECT_TRUE(ran);
    }
};

TEST_F(CalendarOptionsTest, TheCalendarDialogFiltersStepsAndOpensItsSubDialogs) {
    ASSERT_TRUE(Start(ScheduleFile()));
    CMainFrame* frame = Frame();
    bool inspected = false;
    wxString hours_per_week;
    int workweek_day = 0;
    m_hook.answer = wxID_CANCEL;
    m_hook.inspect = [&](wxDialog& dialog) {
        if (auto* periods = dynamic_cast<CalendarTimePeriodsDlg*>(&dialog)) {
            hours_per_week = periods->GetHoursEdit(1)->GetValue();
            return;
        }
        if (auto* week = dynamic_cast<CalendarWorkweekDlg*>(&dialog)) {
            workweek_day = week->ShownWeekday();
            return;
        }
        auto* calendars = dynamic_cast<CalendarDlg*>(&dialog);
        ASSERT_NE(calendars, nullptr);
        inspected = true;
        const s_date today = s_date::today();
        EXPECT_TRUE(calendars->GetKindButton(0)->GetValue());
        EXPECT_EQ(calendars->GetBrowser().Year(), today.year());
        EXPECT_EQ(calendars->GetBrowser().Month(), today.month());
        ASSERT_EQ(calendars->GetCalendarList()->GetCount(), 1u);
        EXPECT_EQ(calendars->GetNameEdit()->GetValue(), "Standard");

        // The left arrow, clicked on the grid itself after a paint has laid it out.
        view::RecordingBackend recording;
        view::DrawContext dc;
        dc.SetDevice(&recording);
        calendars->GetMonthArea()->PaintTo(dc);
        dc.SetDevice(nullptr);
        wxMouseEvent click(wxEVT_LEFT_DOWN);
        click.SetPosition(wxPoint(4, 4));
        calendars->GetMonthArea()->ProcessWindowEvent(click);
        const std::int32_t month = today.month() == 1 ? 12 : today.month() - 1;
        EXPECT_EQ(calendars->GetBrowser().Month(), month);
        EXPECT_EQ(calendars->GetBrowser().Selected().day(), 1);

        calendars->GetKindButton(1)->SetValue(true);
        Notify(*calendars->GetKindButton(1), wxEVT_RADIOBUTTON);
        ASSERT_EQ(calendars->GetCalendarList()->GetCount(), 1u);
        EXPECT_EQ(calendars->GetNameEdit()->GetValue(), "Crane");
        EXPECT_EQ(calendars->GetBaseEdit()->GetValue(), "Standard");
        calendars->OnTimePeriods();
        calendars->OnWorkweek();

        calendars->GetKindButton(2)->SetValue(true);
        Notify(*calendars->GetKindButton(2), wxEVT_RADIOBUTTON);
        EXPECT_EQ(calendars->GetCalendarList()->GetCount(), 0u) << "no project calendars";
        EXPECT_TRUE(calendars->GetNameEdit()->IsEmpty());
        EXPECT_TRUE(calendars->GetBaseEdit()->IsEmpty());
        EXPECT_EQ(calendars->GetCurrentCalendar(), nullptr);
    };
    ShowCalendarDialog(*frame);
    EXPECT_TRUE(inspected);
    EXPECT_EQ(hours_per_week, "37.5");
    EXPECT_EQ(workweek_day, 1);
}

TEST_F(CalendarOptionsTest, TheHourNumbersAreAsTallAsTheOtherGridTexts) {
    ASSERT_TRUE(Start(ScheduleFile()));
    WhileCalendarDialogShown([](CalendarDlg& calendars) {
        DrawnArea& day = *calendars.GetDayArea();
        ASSERT_TRUE(testing_gui::WaitForFrames(day));  // painted
        const wxImage shown = testing_gui::GrabSteady(&day);
        // The area paints once more where the test sees where each text goes.
        wxBitmap bitmap(day.GetClientSize(), 24);
        wxMemoryDC memory(bitmap);
        WxDrawCache cache;
        WxDrawBackend screen(memory, cache);
        TextPlaces drawn(screen);
        view::DrawContext context;
        context.SetDevice(&drawn);
        day.PaintTo(context);
        context.SetDevice(nullptr);
        // The digits of ":00-:30" stand highest in the header.
        const int header = InkHeight(shown, ToWxRect(drawn.places.at(L":00-:30")));
        ASSERT_GT(header, 5);
        for (const std::uint32_t hour : {8u, 23u}) {
            SCOPED_TRACE(hour);
            EXPECT_NEAR(InkHeight(shown, ToWxRect(drawn.places.at(std::to_wstring(hour)))), header, 1);
        }
    });
}

// A name a little longer than most, with large text (GDK_DPI_SCALE) as at the usual size: the
// list of each kind, and the Name and Base calendar fields, show it whole.
TEST_F(CalendarOptionsTest, TheCalendarNamesShowWhole) {
    ASSERT_TRUE(Start(Schedule(L"calendars.xer", CalendarSchedule("Standard 5 Day Workweek"))));
    WhileCalendarDialogShown([](CalendarDlg& calendars) {
        ASSERT_TRUE(testing_gui::WaitForFrames(calendars));  // laid out and drawn
        wxListBox& list = *calendars.GetCalendarList();
        EXPECT_EQ(list.GetString(0), "Standard 5 Day Workweek");
        EXPECT_TRUE(ShowsWhole(list));
        EXPECT_TRUE(ShowsWhole(*calendars.GetNameEdit()));

        // The resource calendar is based on the global one: its name is in the Base field.
        const wxPoint pointer = wxGetMousePosition();
        ASSERT_TRUE(ClickMiddle(*calendars.GetKindButton(1)));
        ASSERT_TRUE(WaitUntil([&calendars] { return calendars.GetBaseEdit()->GetValue() == "Standard 5 Day Workweek"; }));
        ASSERT_TRUE(testing_gui::WaitForFrames(calendars));  // laid out anew
        EXPECT_TRUE(ShowsWhole(list));
        EXPECT_TRUE(ShowsWhole(*calendars.GetNameEdit()));
        EXPECT_TRUE(ShowsWhole(*calendars.GetBaseEdit()));
        // Focus follows the pointer without a window manager: it goes back to where the next
        // dialog expects none of its controls.
        wxUIActionSimulator().MouseMove(pointer);
        EXPECT_TRUE(WaitUntil([pointer] { return wxGetMousePosition() == pointer; }));
    });
}

// Dark enough to be text drawn in black, with its smoothed edges left out.
bool IsInk(const wxImage& image, int x, int y) {
    return image.GetRed(x, y) < 110 && image.GetGreen(x, y) < 110 && image.GetBlue(x, y) < 110;
}

bool IsGridLine(const wxImage& image, int x, int y) {
    return image.GetRed(x, y) == 150 && image.GetGreen(x, y) == 150 && image.GetBlue(x, y) == 150;
}

// The rows of the picture that a horizontal grid line crosses from end to end, or nearly.
std::vector<int> GridLineRows(const wxImage& image) {
    std::vector<int> rows;
    for (int y = 0; y < image.GetHeight(); ++y) {
        int grey = 0;
        for (int x = 0; x < image.GetWidth(); ++x) grey += IsGridLine(image, x, y) ? 1 : 0;
        if (grey > image.GetWidth() * 9 / 10) rows.push_back(y);
    }
    return rows;
}

// With the usual text and with large text (GDK_DPI_SCALE) alike, as the screen shows them: the
// month grid's rows keep their proportion to the list's text beside them, the hour numbers stand
// clear of their cells, and the Name field has room above and below a name with descenders.
TEST_F(CalendarOptionsTest, TheCalendarGridsAndFieldsGrowWithTheText) {
    ASSERT_TRUE(Start(Schedule(L"calendars.xer", CalendarSchedule("Standard 5 Day Workweek"))));
    WhileCalendarDialogShown([](CalendarDlg& calendars) {
        ASSERT_TRUE(testing_gui::WaitForFrames(calendars));  // laid out and drawn
        const std::vector<int> lines = GridLineRows(testing_gui::GrabSteady(calendars.GetMonthArea()));
        ASSERT_GE(lines.size(), 2u);
        const double month_row = (lines.back() - lines.front()) / 6.0;  // the seven lines below the title
        const int text = calendars.GetCalendarList()->GetCharHeight();
        EXPECT_NEAR(month_row / text, 2.1, 0.3) << "month rows of " << month_row << " px beside the list's " << text
                                                << "-px text";

        // The cells start where a grid line runs down most of the hours' height; the numbers
        // are the ink before it.
        const wxImage day = testing_gui::GrabSteady(calendars.GetDayArea());
        const int top = day.GetHeight() / 5, bottom = day.GetHeight() * 9 / 10;
        int cells = 0;
        for (int x = 0; x < day.GetWidth() && cells == 0; ++x) {
            int grey = 0;
            for (int y = top; y < bottom; ++y) grey += IsGridLine(day, x, y) ? 1 : 0;
            if (grey > (bottom - top) * 3 / 4) cells = x;
        }
        int numbers_end = -1;
        for (int x = 0; x < cells; ++x) {
            for (int y = top; y < bottom; ++y) numbers_end = IsInk(day, x, y) ? x : numbers_end;
        }
        ASSERT_GT(numbers_end, 0);
        EXPECT_GE(cells - numbers_end - 1, 2) << "blank pixels between the hour numbers and their cells";

        // The name's ink stands out from the field's ground; the field's frame hardly does.
        const wxImage shown = testing_gui::GrabSteady(&calendars);
        const wxRect field = calendars.GetNameEdit()->GetRect();
        const wxColour ground = testing_gui::MeasureText(shown, field).ground;
        int ink_top = -1, ink_bottom = -1;
        for (int y = field.GetTop(); y <= field.GetBottom(); ++y) {
            for (int x = field.GetLeft() + 4; x < field.GetRight() - 4; ++x) {
                const wxColour pixel(shown.GetRed(x, y), shown.GetGreen(x, y), shown.GetBlue(x, y));
                if (testing_gui::ContrastRatio(pixel, ground) < 4.0) continue;
                ink_top = ink_top < 0 ? y : ink_top;
                ink_bottom = y;
            }
        }
        ASSERT_GE(ink_top, 0) << "the name is shown";
        EXPECT_GE(ink_top - field.GetTop(), 3) << "room above the name";
        EXPECT_GE(field.GetBottom() - ink_bottom, 3) << "room below the name";
        EXPECT_GE(ink_bottom - ink_top + 1, calendars.GetNameEdit()->GetCharHeight() * 3 / 4) << "descenders and all";
    });
}

// Tab stops only where a control can take the keys, and each shows that it holds them.
TEST_F(CalendarOptionsTest, EveryTabStopOfTheCalendarDialogShowsTheFocus) {
    ASSERT_TRUE(Start(ScheduleFile()));
    WhileCalendarDialogShown([](CalendarDlg& calendars) {
        const wxPoint pointer = wxGetMousePosition();
        const std::vector<wxWindow*> order = testing_gui::InVisibleOrder(calendars);
        const auto [stops, shots] = testing_gui::WalkTab(calendars, order);
        ASSERT_EQ(stops.size(), order.size() + 1);
        testing_gui::ExpectStopsInOrder(stops, order);
        for (std::size_t k = 0; k + 1 < stops.size(); ++k) {
            if (stops[k] == nullptr) continue;  // already reported
            EXPECT_GE(testing_gui::ChangedPixels(shots[k], shots[k + 1], calendars, *stops[k]), 20)
                << "no focus mark on " << testing_gui::NameOf(stops[k]);
        }
        // Focus follows the pointer without a window manager: it goes back to where the next
        // dialog expects none of its controls.
        ASSERT_TRUE(testing_gui::MoveTo(calendars, calendars.ScreenToClient(pointer)));
    });
}

// Tab reaches the month grid, which a frame then marks by 3 : 1 all round, against the grid and
// against the dialog's ground round it; there Page Down and Page Up step the month keeping the
// day of the month, and the arrow keys move the selected day within it.
TEST_F(CalendarOptionsTest, TheMonthGridTakesTheKeysAndShowsThatItHasThem) {
    ASSERT_TRUE(Start(ScheduleFile()));
    WhileCalendarDialogShown([](CalendarDlg& calendars) {
        const wxPoint pointer = wxGetMousePosition();
        ASSERT_TRUE(ClickAt(calendars, wxPoint(3, 3)));  // the pointer on the margin keeps the keyboard here
        DrawnArea* grid = calendars.GetMonthArea();
        calendars.GetCalendarList()->SetFocus();
        wxImage before = testing_gui::GrabSteady(&calendars);
        wxImage after = before;
        for (int presses = 0; wxWindow::FindFocus() != grid && presses < 8; ++presses) {
            const wxWindow* left = wxWindow::FindFocus();
            wxUIActionSimulator().Char(WXK_TAB);
            ASSERT_TRUE(WaitUntil([left] { return wxWindow::FindFocus() != left; }));
            before = after;
            after = testing_gui::GrabSteady(&calendars);
        }
        ASSERT_EQ(wxWindow::FindFocus(), grid) << "Tab reaches the month grid";
        EXPECT_GE(testing_gui::FocusRingCoverage(after, before, grid->GetRect()), 0.9);
        EXPECT_GE(testing_gui::EdgeOnGroundShare(after, grid->GetRect()), 0.9) << "against the dialog round it";

        const MonthBrowser& browser = calendars.GetBrowser();
        const std::int64_t year = browser.Year();
        const std::int32_t month = browser.Month();
        const auto months_on = [&browser, year, month] { return (browser.Year() - year) * 12 + browser.Month() - month; };
        // The 1st clicked; the page keys keep the day of the month.
        const GridRect first = browser.Layout().day_cells.begin()->second;
        ASSERT_TRUE(ClickAt(*grid, wxPoint((first.left + first.right) / 2, (first.top + first.bottom) / 2)));
        ASSERT_TRUE(WaitUntil([&browser] { return browser.Selected().day() == 1; }));
        const struct {
            int key;
            std::int64_t months_on;  // from the month shown at first
            std::int32_t day;        // selected afterwards
        } presses[] = {{WXK_RIGHT, 0, 2}, {WXK_DOWN, 0, 9},     {WXK_PAGEDOWN, 1, 9}, {WXK_PAGEUP, 0, 9},
                       {WXK_UP, 0, 2},    {WXK_LEFT, 0, 1},     {WXK_LEFT, 0, 1},     {WXK_PAGEUP, -1, 1}};
        for (const auto& press : presses) {
            SCOPED_TRACE(testing::Message() << "key " << press.key << " to day " << press.day);
            wxUIActionSimulator().Char(press.key);
            EXPECT_TRUE(WaitUntil([&] { return months_on() == press.months_on && browser.Selected().day() == press.day; }))
                << months_on() << " months on, day " << browser.Selected().day();
            EXPECT_EQ(wxWindow::FindFocus(), grid);
        }
        // Focus follows the pointer without a window manager: it goes back to where the next
        // dialog expects none of its controls.
        ASSERT_TRUE(testing_gui::MoveTo(calendars, calendars.ScreenToClient(pointer)));
    });
}

TEST_F(CalendarOptionsTest, TheShiftDialogOnScreenHasNothingChosenUntilTheUserPicksAShift) {
    ASSERT_TRUE(Start(ScheduleFile()));
    bool ran = false;
    m_hook.answer = wxID_CANCEL;
    m_hook.while_shown = [&ran](wxDialog& dialog) {
        auto* shifts = dynamic_cast<ResourceShiftsDlg*>(&dialog);
        ASSERT_NE(shifts, nullptr);
        ran = true;
        // The toolkit settles the dialog's focus in the first rounds of its loop: on the list.
        ASSERT_TRUE(WaitUntil([shifts] { return wxWindow::FindFocus() == shifts->GetShiftList(); }));
        ASSERT_TRUE(testing_gui::WaitForFrames(*shifts));
        EXPECT_EQ(shifts->GetCurrentShift(), nullptr);
        EXPECT_EQ(shifts->GetPeriodTable()->GetItemCount(), 0);
        EXPECT_EQ(shifts->GetPeriodTable()->GetColumnCount(), 3);

        wxListView& list = *shifts->GetShiftList();
        ASSERT_EQ(list.GetItemCount(), 2);
        EXPECT_EQ(list.GetSelectedItemCount(), 0);
        // The list has the focus; the first arrow key chooses the first shift.
        ASSERT_EQ(wxWindow::FindFocus(), &list);
        wxUIActionSimulator().Char(WXK_DOWN);
        ASSERT_TRUE(WaitUntil([shifts] { return shifts->GetCurrentShift() != nullptr; }));
        EXPECT_EQ(list.GetFirstSelected(), 0);
        EXPECT_EQ(shifts->GetPeriodTable()->GetItemCount(), 1);
        wxRect second;
        ASSERT_TRUE(list.GetItemRect(1, second));
        ASSERT_TRUE(ClickAt(list, wxPoint(second.x + second.width / 2, second.y + second.height / 2)));
        ASSERT_TRUE(WaitUntil([&list] { return list.GetFirstSelected() == 1; }));
        ASSERT_EQ(shifts->GetPeriodTable()->GetItemCount(), 2);
        EXPECT_EQ(shifts->GetPeriodTable()->GetItemText(1, 2), "16") << "periods at 00:00 and 08:00";
    };
    ShowResourceShiftsDialog(*Frame());
    EXPECT_TRUE(ran);
}

// Over a schedule without shifts both lists are empty, and each still shows when Tab brings it
// the focus: a ring that stands out from the dialog's ground by 3 : 1 stands all round it.
TEST_F(CalendarOptionsTest, TheShiftDialogsEmptyListsShowTheFocus) {
    ASSERT_TRUE(Start(Schedule(L"no shifts.xer", testing_shell::EveryCategorySchedule("A"))));
    bool ran = false;
    m_hook.CancelAfter<ResourceShiftsDlg>(ran, [](ResourceShiftsDlg& shifts) {
        ASSERT_TRUE(ClickAt(shifts, wxPoint(3, 3)));  // the pointer on the margin keeps the keyboard here
        wxWindow* const lists[] = {shifts.GetShiftList(), shifts.GetPeriodTable()};
        ASSERT_EQ(shifts.GetShiftList()->GetItemCount(), 0);
        ASSERT_TRUE(WaitUntil([&] { return wxWindow::FindFocus() == lists[0]; })) << "the shift list first";
        // The list, then Tab on to the period table, then on to the Close button.
        std::vector<wxImage> shots{testing_gui::GrabSteady(&shifts)};
        for (int step = 0; step < 2; ++step) {
            const wxWindow* before = wxWindow::FindFocus();
            wxUIActionSimulator().Char(WXK_TAB);
            ASSERT_TRUE(WaitUntil([before] { return wxWindow::FindFocus() != before; }));
            ASSERT_EQ(wxWindow::FindFocus() == lists[1], step == 0);
            shots.push_back(testing_gui::GrabSteady(&shifts));
        }
        for (std::size_t k = 0; k < 2; ++k) {
            EXPECT_GE(testing_gui::FocusRingCoverage(shots[k], shots[k + 1], lists[k]->GetRect()), 0.9)
                << (k == 0 ? "the shift list" : "the period table");
        }
    });
    ShowResourceShiftsDialog(*Frame());
    EXPECT_TRUE(ran);
}

TEST_F(CalendarOptionsTest, PagesReachedInThePageListStoreTheirSettingsOnOk) {
    ASSERT_TRUE(Start(ScheduleFile()));
    CMainFrame* frame = Frame();
    const RegistryFiles before = registry_files();
    const fs::path folder = testing_app::run_folder() / "pages";
    fs::create_directories(folder);
    SetRegistryFiles({WideFromPath(folder / "user.conf"), WideFromPath(folder / "machine.conf")});
    const bool vertical = layout_settings().gridlines_VerticalEnabled;
    m_hook.answer = wxID_CANCEL;
    m_hook.while_shown = [&](wxDialog& dialog) {
        auto* book = dynamic_cast<wxListbook*>(dynamic_cast<wxPropertySheetDialog&>(dialog).GetBookCtrl());
        ASSERT_NE(book, nullptr);
        ASSERT_EQ(book->GetSelection(), 0) << "Options opens the units page";
        wxListView& pages = *book->GetListView();
        // A click on the gridlines page, and a click on its first box.
        wxRect item;
        ASSERT_TRUE(pages.GetItemRect(2, item));
        ASSERT_TRUE(ClickAt(pages, wxPoint(item.x + item.width / 2, item.y + item.height / 2)));
        ASSERT_TRUE(WaitUntil([book] { return book->GetSelection() == 2; }));
        wxCheckBox& box = *dynamic_cast<GridlinesPropertyPage&>(*book->GetPage(2)).GetVerticalBox();
        ASSERT_TRUE(ClickAt(box, wxPoint(box.GetClientSize().y / 2, box.GetClientSize().y / 2)));
        ASSERT_TRUE(WaitUntil([&box, vertical] { return box.GetValue() != vertical; }));
        // The End key in the page list reaches the language page.
        pages.SetFocus();
        ASSERT_TRUE(WaitUntil([&pages] { return wxWindow::FindFocus() == &pages; }));
        wxUIActionSimulator keys;
        keys.Char(WXK_END);
        ASSERT_TRUE(WaitUntil([book] { return book->GetSelection() == 3; }));
        wxChoice& language = *dynamic_cast<LanguagePropertyPage&>(*book->GetPage(3)).GetLanguageList();
        language.SetFocus();
        ASSERT_TRUE(WaitUntil([&language] { return wxWindow::FindFocus() == &language; }));
        keys.Char(WXK_DOWN);
        ASSERT_TRUE(WaitUntil([&language] { return language.GetSelection() == 1; }));
        ClickOk(dialog);
    };
    frame->ShowOptions(0);
    EXPECT_NE(layout_settings().gridlines_VerticalEnabled, vertical) << "the gridlines page was clicked";
    EXPECT_EQ(ReadRegistryString(kProgramKey, kLanguageValue, "ENU").ToStdString(), "FRA")
        << "the language page was reached by a key";
    ASSERT_EQ(m_hook.messages.size(), 1u);
    EXPECT_EQ(m_hook.messages.front(), wxString(LoadText(IDS_LANGUAGE_CHANGED)));
    SetRegistryFiles(before);
}

// The sheet's page list reads as any list: every page name starts at one edge, by the list's
// left side, whatever its length.
TEST_F(CalendarOptionsTest, ThePageNamesStartAtTheListsLeftEdge) {
    ASSERT_TRUE(Start(ScheduleFile()));
    bool looked = false;
    m_hook.answer = wxID_CANCEL;
    m_hook.while_shown = [&looked](wxDialog& dialog) {
        auto* book = dynamic_cast<wxListbook*>(dynamic_cast<wxPropertySheetDialog&>(dialog).GetBookCtrl());
        ASSERT_NE(book, nullptr);
        wxListView& pages = *book->GetListView();
        const wxImage shown = testing_gui::GrabSteady(&pages);
        std::vector<int> starts;
        for (int page = 0; page < pages.GetItemCount(); ++page) {
            wxRect row;
            ASSERT_TRUE(pages.GetItemRect(page, row));
            starts.push_back(TextStart(shown, wxRect(0, row.y, pages.GetClientSize().x, row.height).Deflate(0, 2)));
        }
        ASSERT_EQ(starts.size(), 4u);
        EXPECT_EQ(*std::ranges::max_element(starts), *std::ranges::min_element(starts))
            << "names start at " << starts[0] << ", " << starts[1] << ", " << starts[2] << ", " << starts[3];
        EXPECT_LE(*std::ranges::max_element(starts), pages.FromDIP(8)) << "by the list's left side";
        looked = true;
    };
    Frame()->ShowOptions(0);
    EXPECT_TRUE(looked);
}

TEST_F(CalendarOptionsTest, WithoutAScheduleTheCalendarCommandsOpenNothing) {
    ASSERT_TRUE(Start());
    bool opened = false;
    m_hook.inspect = [&opened](wxDialog&) { opened = true; };
    ShowCalendarDialog(*Frame());
    ShowResourceShiftsDialog(*Frame());
    EXPECT_FALSE(opened);
}

TEST_F(CalendarOptionsTest, TheUnitsPageIsDisabledWithoutAnXerFileAndStoresOnlyItself) {
    ASSERT_TRUE(Start());
    CMainFrame* frame = Frame();
    layout_settings().gridlines_VerticalScale = 7;
    layout_settings().gridlines_HorizontalScale = 150;
    bool disabled = false;
    m_hook.answer = wxID_OK;
    m_hook.inspect = [&disabled](wxDialog& dialog) {
        auto* units = PageOf<UnitsPropertyPage>(dialog, 0);
        if (units == nullptr) return;  // a message of the open
        disabled = !units->GetList(0)->IsEnabled() && !units->GetUnitLabel()->IsEnabled();
        EXPECT_EQ(dialog.FindWindow(wxID_OK)->GetLabel(), wxString(LoadText(IDS_OK)));
    };
    frame->ShowOptions(0);
    EXPECT_TRUE(disabled) << "no schedule";
    EXPECT_EQ(layout_settings().gridlines_VerticalScale, 7) << "the gridlines page was never shown";
    EXPECT_EQ(layout_settings().gridlines_HorizontalScale, 150u);
    EXPECT_TRUE(fs::exists(DataFolder() / "Settings.cfg")) << "the units page stored what it showed";

    disabled = false;
    ASSERT_TRUE(frame->OpenFile(wxString(VARNHOLT_XLS_FIXTURES) + "/export.xls"));
    frame->ShowOptions(0);
    EXPECT_TRUE(disabled) << "a workbook";

    ASSERT_TRUE(frame->OpenFile(ScheduleFile()));
    frame->ShowOptions(0);
    EXPECT_FALSE(disabled) << "an XER file";
}

TEST_F(CalendarOptionsTest, TheResetActsAtOnceAndSurvivesCancelAndExit) {
    ASSERT_TRUE(Start(ScheduleFile()));
    CMainFrame* frame = Frame();
    std::ofstream(DataFolder() / "VP_ACT" / "Mine_columns.cfg") << "task_code:90\r\n";
    m_hook.answer = wxID_CANCEL;
    m_hook.inspect = [](wxDialog& dialog) {
        auto* layouts = PageOf<LayoutsPropertyPage>(dialog, 1);
        ASSERT_NE(layouts, nullptr);
        layouts->OnResetLayouts();
    };
    frame->ShowOptions(1);
    for (const char* kind : {"VP_ACT", "VP_WBS", "VP_PROJ", "VP_RES"}) EXPECT_TRUE(fs::is_empty(DataFolder() / kind)) << kind;
    // The layouts saved at exit are those the reset left alone.
    frame->Close(true);
    ASSERT_TRUE(WaitUntil([] { return wxTopLevelWindows.empty(); }));
    for (const char* kind : {"VP_ACT", "VP_WBS", "VP_PROJ", "VP_RES"}) EXPECT_TRUE(fs::is_empty(DataFolder() / kind)) << kind;
}

TEST_F(CalendarOptionsTest, TheLanguageIsReportedOnlyWhenItWasStored) {
    ASSERT_TRUE(Start());
    const RegistryFiles before = registry_files();
    const fs::path folder = testing_app::run_folder() / "language";
    fs::create_directories(folder);
    std::ofstream(folder / "blocker") << "a file, not a folder";
    struct Case {
        const char* why;
        fs::path user_file;
        const char* stored;  // null: no value
        int choose;          // -1: leave the list as it opened
        wxString expected_value;
        std::optional<StringId> message;
    } const cases[] = {
        {"a config without the value", folder / "fresh.conf", nullptr, 1, "FRA", IDS_LANGUAGE_CHANGED},
        {"English over ENU", folder / "enu.conf", "ENU", 0, "ENU", std::nullopt},
        {"French over ENU", folder / "enu2.conf", "ENU", 1, "FRA", IDS_LANGUAGE_CHANGED},
        {"DEU with nothing selected", folder / "deu.conf", "DEU", -1, "DEU", std::nullopt},
        {"a config that cannot be written", folder / "blocker" / "user.conf", nullptr, 1, "ENU", IDS_LANGUAGE_NOT_SAVED},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        SetRegistryFiles({WideFromPath(c.user_file), WideFromPath(folder / "machine.conf")});
        if (c.stored != nullptr) {
            ASSERT_TRUE(WriteRegistryString(kProgramKey, kLanguageValue, c.stored));
        }
        m_hook.messages.clear();
        auto* page = new LanguagePropertyPage(Frame());
        if (c.choose >= 0) page->GetLanguageList()->SetSelection(c.choose);
        page->OnOK();
        page->Destroy();
        EXPECT_EQ(ReadRegistryString(kProgramKey, kLanguageValue, "ENU"), c.expected_value);
        std::vector<wxString> expected;
        if (c.message) expected.emplace_back(LoadText(*c.message));
        EXPECT_EQ(m_hook.messages, expected);
    }
    SetRegistryFiles(before);
}

TEST_F(CalendarOptionsTest, TheDialogsAndPagesHaveTheirControlsUnderTheirResourceIds) {
    ASSERT_TRUE(Start(ScheduleFile()));
    CMainFrame* frame = Frame();
    int sub_dialogs = 0;
    m_hook.answer = wxID_CANCEL;
    m_hook.inspect = [&sub_dialogs](wxDialog& dialog) {
        if (dynamic_cast<CalendarTimePeriodsDlg*>(&dialog) != nullptr) {
            ++sub_dialogs;
            ExpectControls(dialog, {{1100, Is<wxTextCtrl>}, {1101, Is<wxTextCtrl>}, {1102, Is<wxTextCtrl>},
                                    {1103, Is<wxTextCtrl>}});
        } else if (dynamic_cast<CalendarWorkweekDlg*>(&dialog) != nullptr) {
            ++sub_dialogs;
            ExpectControls(dialog, {{1176, Is<DrawnArea>}, {1184, Is<wxListBox>}});
        } else if (dynamic_cast<ResourceShiftsDlg*>(&dialog) != nullptr) {
            ExpectControls(dialog, {{1206, Is<wxListView>}, {1207, Is<wxListCtrl>}});
        }
    };
    m_hook.while_shown = [](wxDialog& dialog) {
        ExpectControls(dialog, {{1177, Is<DrawnArea>}, {1176, Is<DrawnArea>}, {1181, Is<DrawnArea>},
                                {1182, Is<DrawnArea>}, {1183, Is<DrawnArea>}, {1171, Is<wxRadioButton>},
                                {1172, Is<wxRadioButton>}, {1173, Is<wxRadioButton>}, {1093, Is<wxListBox>},
                                {1175, Is<wxTextCtrl>}, {1180, Is<wxTextCtrl>}, {1178, Is<wxButton>},
                                {1179, Is<wxButton>}});
        // The two buttons open the sub-dialogs by their ids.
        for (const int button : {1178, 1179}) {
            wxCommandEvent click(wxEVT_BUTTON, button);
            click.SetEventObject(dialog.FindWindow(button));
            dialog.FindWindow(button)->ProcessWindowEvent(click);
        }
    };
    ShowCalendarDialog(*frame);
    EXPECT_EQ(sub_dialogs, 2);
    ShowResourceShiftsDialog(*frame);

    m_hook.inspect = [](wxDialog& dialog) {
        wxBookCtrlBase& book = *dynamic_cast<wxPropertySheetDialog&>(dialog).GetBookCtrl();
        ExpectControls(*book.GetPage(0), {{1101, Is<wxChoice>}, {1104, Is<wxChoice>}, {1105, Is<wxCheckBox>},
                                          {1103, Is<wxChoice>}, {1107, Is<wxChoice>}, {1108, Is<wxCheckBox>}});
        ExpectControls(*book.GetPage(1), {{1165, Is<wxCheckBox>}, {1166, Is<wxButton>}});
        ExpectControls(*book.GetPage(2), {{1107, Is<wxCheckBox>}, {1188, Is<wxChoice>}, {1190, Is<wxCheckBox>},
                                          {1189, Is<wxTextCtrl>}, {1193, Is<wxSpinButton>}});
        ExpectControls(*book.GetPage(3), {{1174, Is<wxChoice>}});
    };
    frame->ShowOptions(0);

    frame->ShowFilePage();
    const wxWindowList& children = frame->GetFilePage()->GetInfoPageArea()->GetChildren();
    ASSERT_EQ(children.size(), 1u);
    ExpectControls(*children.front(), {{106, Is<wxBitmapButton>}, {1042, Is<wxStaticText>}, {1043, Is<wxStaticText>},
                                       {1127, Is<wxStaticText>}, {1136, Is<wxStaticText>}, {1137, Is<wxStaticText>},
                                       {1138, Is<wxStaticText>}, {1139, Is<wxStaticText>}, {1140, Is<wxStaticText>}});
}

TEST_F(CalendarOptionsTest, TheInfoPageShowsTheFileAndItsMiniatureClosesTheFilePage) {
    ASSERT_TRUE(Start(ScheduleFile()));
    CMainFrame* frame = Frame();
    frame->ShowFilePage();
    ASSERT_TRUE(frame->IsFilePageShown());
    const wxWindowList& children = frame->GetFilePage()->GetInfoPageArea()->GetChildren();
    ASSERT_EQ(children.size(), 1u);
    auto* info = dynamic_cast<CBackStagePageInfo*>(children.front());
    ASSERT_NE(info, nullptr);
    EXPECT_EQ(info->GetTitleText(), "calendars.xer");
    EXPECT_EQ(info->GetHeaderText(0), "8.0");
    EXPECT_EQ(info->GetHeaderText(4), "USD");
    EXPECT_TRUE(info->GetPreviewButton()->GetBitmap().IsOk());

    wxCommandEvent click(wxEVT_BUTTON, info->GetPreviewButton()->GetId());
    click.SetEventObject(info->GetPreviewButton());
    info->GetPreviewButton()->ProcessWindowEvent(click);
    EXPECT_TRUE(WaitUntil([frame] { return !frame->IsFilePageShown(); }));
}

// A long name and path, with large text (GDK_DPI_SCALE) as at the usual size: the Info page,
// reached by a click on the File tab, shows each whole, broken into lines inside the page
// rather than shortened.
TEST_F(CalendarOptionsTest, TheInfoPageShowsTheFilesNameAndPathWhole) {
    const wxString name = "North Harbour Bridge - Baseline Update 12 (issued for construction).xer";
    const wxString path = Schedule(name.ToStdWstring(), CalendarSchedule());
    ASSERT_TRUE(Start(path));
    CMainFrame& frame = *Frame();
    auto* ribbon = dynamic_cast<MainRibbonBar*>(frame.GetRibbon());
    ASSERT_NE(ribbon, nullptr);
    ASSERT_TRUE(ClickAt(*ribbon, ribbon->GetTabRect(kFileTabPage).GetPosition() + wxSize(10, 10)));
    ASSERT_TRUE(WaitUntil([&frame] { return frame.IsFilePageShown(); }));
    ASSERT_TRUE(testing_gui::WaitForFrames(frame));  // laid out and drawn

    wxWindow& page = *frame.GetFilePage()->GetInfoPageArea()->GetChildren().front();
    for (const wxString& text : {name, path}) {
        SCOPED_TRACE(text.ToStdString());
        wxStaticText* line = nullptr;  // the line that shows the text, with or without breaks
        for (wxWindow* child : page.GetChildren()) {
            auto* label = dynamic_cast<wxStaticText*>(child);
            if (label != nullptr && Characters(label->GetLabelText()) == Characters(text)) line = label;
        }
        ASSERT_NE(line, nullptr);
        PangoLayout* shown = gtk_label_get_layout(GTK_LABEL(line->GetHandle()));
        EXPECT_FALSE(pango_layout_is_ellipsized(shown));
        EXPECT_EQ(Characters(wxString::FromUTF8(pango_layout_get_text(shown))), Characters(text));
        int width = 0;
        int height = 0;
        pango_layout_get_pixel_size(shown, &width, &height);
        EXPECT_LE(width, line->GetSize().x);
        EXPECT_NEAR(line->GetSize().y, height, 2) << "as tall as its lines";
        EXPECT_LE(line->GetRect().GetRight(), page.GetClientSize().x) << "inside the page";
    }
}

}  // namespace
}  // namespace varnholt

int main(int argc, char** argv) { return varnholt::testing_app::RunAppGuiTests(argc, argv); }
