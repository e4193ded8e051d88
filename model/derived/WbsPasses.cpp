// WbsPasses.cpp - the post-load passes over WBS elements: the dotted codes and paths, the node
// kind, the full name, and the calendar of the element's summary durations.

#include "model/records/ProjWbsRecord.h"

#include "model/derived/wbs_walk.h"
#include "model/records/TaskRecord.h"

#include <string>
#include <vector>

namespace varnholt {

namespace {

constexpr std::wstring_view kStandardCalendarName = L"Standard 5 Day Workweek";

const CalendarRecord* CalendarOf(const TaskRecord* activity) {
    return activity != nullptr ? activity->calendar : nullptr;
}

bool HasContent(const ProjWbsRecord* element) {
    return element != nullptr && (!element->activities.empty() || !element->children.empty());
}

const CalendarRecord* StandardCalendar(const ProjWbsRecord& element) {
    if (element.doc == nullptr) return nullptr;
    return element.doc->FindCalendarByName(s_string(kStandardCalendarName));
}

// A text value computed here: it has a value, and its text is kept exactly (no un-doubling of
// quotation marks, which the file's texts have had already).
s_string ComputedText(std::wstring text) {
    s_string value;
    value.text = std::move(text);
    value.null_flag = 0;
    return value;
}

const CalendarRecord* SummaryCalendarOf(const ProjWbsRecord& element, WbsWalk& walk, int depth) {
    // The own activities' one calendar, or without own activities the first one below.
    const CalendarRecord* calendar = nullptr;
    if (element.activities.empty()) {
        calendar = element.FirstActivityCalendar();
    } else {
        calendar = CalendarOf(element.activities.front());
        for (const TaskRecord* activity : element.activities) {
            if (CalendarOf(activity) != calendar) {
                calendar = nullptr;
                break;
            }
        }
    }
    bool mixed = false;
    if (depth < kMaxWbsDepth) {
        for (const ProjWbsRecord* child : element.children) {
            if (!HasContent(child)) continue;  // an empty branch does not count against the calendar
            if (!walk.Visit()) break;
            if (SummaryCalendarOf(*child, walk, depth + 1) != calendar) {
                mixed = true;
                break;
            }
        }
    }
    if (!mixed && calendar != nullptr) return calendar;
    return StandardCalendar(element);
}

}  // namespace

void ProjWbsRecord::BuildPath(s_string& out) const {
    // Collected upward, written downward; a loop of parent links ends with the walk's steps.
    std::vector<const ProjWbsRecord*> chain;
    WbsWalk walk(*this);
    for (const ProjWbsRecord* element = this; element != nullptr && chain.size() < kMaxWbsDepth && walk.Visit();
         element = element->parent) {
        chain.push_back(element);
    }
    for (auto element = chain.rbegin(); element != chain.rend(); ++element) {
        out.append((*element)->wbs_short_name.text);
        out.append(L".");
    }
}

std::wstring ProjWbsRecord::TextAfterFirstDot(const s_val& value) {
    std::wstring text = value.to_string();
    const std::size_t dot = text.find(L'.');
    return dot == std::wstring::npos ? text : text.substr(dot + 1);
}

const CalendarRecord* ProjWbsRecord::FirstActivityCalendar() const {
    WbsWalk walk(*this);
    for (const ProjWbsRecord* element = this; element != nullptr && walk.Visit();) {
        if (!element->activities.empty()) return CalendarOf(element->activities.front());
        const ProjWbsRecord* next = nullptr;
        for (const ProjWbsRecord* child : element->children) {
            if (HasContent(child)) {
                next = child;
                break;
            }
        }
        element = next;
    }
    return nullptr;
}

const CalendarRecord* ProjWbsRecord::GetSummaryCalendar() const {
    WbsWalk walk(*this);
    return SummaryCalendarOf(*this, walk, 0);
}

namespace {

// The codes and paths of both passes: for P > A > B, B's parent path is "P.A.", its path "A.B"
// (the top's short name cut off), its code "P.A.B" and its full name "P.A.B" and its name.
void ComputePaths(ProjWbsRecord& element) {
    if (element.parent != nullptr) {
        s_string parent_path;
        if (element.parent->parent != nullptr) element.parent->parent->BuildPath(parent_path);
        parent_path.append(element.parent->wbs_short_name.text);
        parent_path.append(L".");
        element.wbs_parent_path = ComputedText(parent_path.text);
        element.wbs_path = ComputedText(
            ProjWbsRecord::TextAfterFirstDot(ComputedText(parent_path.text + element.wbs_short_name.text)));
    } else {
        element.wbs_parent_path = s_string{};
        element.wbs_path = element.wbs_short_name;
    }
    element.wbs_concat_name = ComputedText(element.wbs_parent_path.text + element.wbs_short_name.text);
    element.wbs_full_name = ComputedText(element.wbs_concat_name.text + L" " + element.wbs_name.text);
}

}  // namespace

void ProjWbsRecord::ComputeDerived() {
    ComputePaths(*this);
    node_type = s_node_type(parent != nullptr ? 0 : 1);
    summary_calendar = GetSummaryCalendar();
}

// Workbooks carry no node kinds and no calendars for summary durations.
void ProjWbsRecord::ComputeDerivedXls() { ComputePaths(*this); }

}  // namespace varnholt
