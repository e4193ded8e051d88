// picker_dates.h - schedule dates in a date picker with a time picker beside it. Dates are
// wall-clock fields counted as UTC, so the pickers get and give back those fields as they
// are, never through the local time zone: a date shown and read back keeps its seconds in
// every zone, and the chart's own first and last dates pass the range checks.
#pragma once

#include "model/s_date.h"

class wxDatePickerCtrl;
class wxTimePickerCtrl;

namespace varnholt {

void ShowInPickers(const s_date& date, wxDatePickerCtrl& day, wxTimePickerCtrl& time);
// The day and the time of day; a fresh date (given, unmarked).
[[nodiscard]] s_date ReadPickers(const wxDatePickerCtrl& day, const wxTimePickerCtrl& time);
// The day alone, at 00:00.
[[nodiscard]] s_date ReadPickerDay(const wxDatePickerCtrl& day);

}  // namespace varnholt
