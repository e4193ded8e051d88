// acceptance_schedule.h - the files the acceptance programs open, written at test time: a small
// schedule that holds exactly what the checks name, the same schedule without any date, and
// files the program must refuse.
#pragma once

#include <filesystem>
#include <string>

namespace varnholt::acceptance {

// Activities of January 2024 (A1000 "Design", A1010 "Build", A1020 "Handover") with codes, a
// text user field ("Red" and "red"), steps weighted 1 and 3, memos and finish-to-start links;
// a resource with an HTML note; roles with and without a rate; an OBS; three calendars, two of
// them named alike; two shifts (periods at 00:00 and 08:00, and one at 08:00); an "Active"
// project with a manager and an "Inactive" one without.
std::string AcceptanceSchedule();

// One project with activities that carry no date at all.
std::string UndatedSchedule();

// Writes the small schedules and the refused files ("notes.txt", "plan.xlsx", "no-header.xer"
// without ERMHDR, and "text.xls", a text file) into the folder.
void WriteAcceptanceFiles(const std::filesystem::path& folder);

}  // namespace varnholt::acceptance
