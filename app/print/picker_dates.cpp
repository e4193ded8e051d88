// picker_dates.cpp - calendar fields between schedule dates and the pickers.

#include "app/print/picker_dates.h"

#include <wx/datectrl.h>
#include <wx/textctrl.h>
#include <wx/timectrl.h>

#include <algorithm>

namespace varnholt {
namespace {

// The years a picker can show.
constexpr std::int64_t kFirstYear = 1;
constexpr std::int64_t kLastYear = 9999;

}  // namespace

void ShowInPickers(const s_date& date, wxDatePickerCtrl& day, wxTimePickerCtrl& time) {
    const auto year = static_cast<int>(std::clamp(date.year(), kFirstYear, kLastYear));
    // Local midnight of the same calendar day: the picker shows the fields, not a moment.
    day.SetValue(wxDateTime(static_cast<wxDateTime::wxDateTime_t>(date.day()),
                            static_cast<wxDateTime::Month>(date.month() - 1), year));
    const std::int64_t second = ((date.seconds % 60) + 60) % 60;
    // The time picker selects its hours and takes the keyboard whenever it is given a time.
    // A time the program shows leaves the keyboard where it was and nothing selected, so that
    // only the control with the keyboard looks focused.
    wxWindow* const focused = wxWindow::FindFocus();
    time.SetTime(date.hour(), date.minute(), static_cast<int>(second));
    for (wxWindow* part : time.GetChildren()) {
        if (auto* text = dynamic_cast<wxTextCtrl*>(part); text != nullptr && text != focused) text->SetSelection(0, 0);
    }
    const bool stolen = focused != nullptr && wxWindow::FindFocus() != focused;
    if (stolen && wxGetTopLevelParent(focused) == wxGetTopLevelParent(&time)) focused->SetFocus();
}

s_date ReadPickers(const wxDatePickerCtrl& day, const wxTimePickerCtrl& time) {
    s_date date = ReadPickerDay(day);
    int hour = 0, minute = 0, second = 0;
    if (time.GetTime(&hour, &minute, &second)) date.seconds += 3600LL * hour + 60LL * minute + second;
    return date;
}

s_date ReadPickerDay(const wxDatePickerCtrl& day) {
    const wxDateTime value = day.GetValue();
    if (!value.IsValid()) return s_date::from_seconds(0);
    return s_date::from_ymd(value.GetYear(), static_cast<std::int32_t>(value.GetMonth()) + 1, value.GetDay());
}

}  // namespace varnholt
