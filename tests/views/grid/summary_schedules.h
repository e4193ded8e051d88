// summary_schedules.h - XER schedules for the group summary tests: three calendars of different
// working weeks, activities whose planned, remaining, early and late dates are given in one line,
// and a reproducible larger export with milestones of both kinds.
#pragma once

#include "tests/views/support/schedule_text.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <initializer_list>
#include <sstream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace varnholt::testing_grid {

using view::test_support::ScheduleText;

// A week of two shifts a day, "(s|08:00|f|12:00)" style, on the given weekdays (1 = Sunday).
inline std::string Week(std::initializer_list<int> days, const char* start, const char* lunch, const char* resume,
                        const char* finish) {
    std::string text = "(0||CalendarData()((0||DaysOfWeek()(";
    for (int day = 1; day <= 7; ++day) {
        text += "(0||" + std::to_string(day) + "()(";
        if (std::find(days.begin(), days.end(), day) != days.end()) {
            text += std::string("(0||0(s|") + start + "|f|" + lunch + ")())(0||1(s|" + resume + "|f|" + finish + ")())";
        }
        text += "))";
    }
    return text + "))))";
}

// Three calendars: the project's default (Monday to Friday, eight hours), "HCRA - 1 - Normal
// Calendar" (Monday to Friday, ten hours) and "Standard 5 Day Workweek" (Monday to Thursday,
// eight hours), so that a duration shows which calendar it was worked out on.
inline std::string Calendars() {
    std::string s = "%T\tCALENDAR\n%F\tclndr_id\tdefault_flag\tclndr_name\tclndr_data\tday_hr_cnt\tweek_hr_cnt\n";
    s += "%R\t1\tY\tProject Default\t" + Week({2, 3, 4, 5, 6}, "08:00", "12:00", "13:00", "17:00") + "\t8\t40\n";
    s += "%R\t2\tN\tHCRA - 1 - Normal Calendar\t" + Week({2, 3, 4, 5, 6}, "07:00", "12:00", "13:00", "18:00") + "\t10\t50\n";
    s += "%R\t3\tN\tStandard 5 Day Workweek\t" + Week({2, 3, 4, 5}, "08:00", "12:00", "13:00", "17:00") + "\t8\t32\n";
    return s;
}

inline constexpr const char* kTaskFields =
    "%F\ttask_id\tproj_id\twbs_id\tclndr_id\ttask_type\ttask_code\ttask_name\ttarget_start_date\ttarget_end_date"
    "\trestart_date\treend_date\tearly_start_date\tearly_end_date\tlate_start_date\tlate_end_date";

// One activity line; the planned, remaining, early and late dates all run from `start` to `end`
// except the remaining start.
inline std::string Task(int id, int wbs, int calendar, std::string_view type, std::string_view code, std::string_view name,
                        std::string_view start, std::string_view end, std::string_view remaining_start) {
    std::ostringstream line;
    line << "%R\t" << id << "\t10\t" << wbs << '\t' << calendar << '\t' << type << '\t' << code << '\t' << name << '\t'
         << start << '\t' << end << '\t' << remaining_start << '\t' << end << '\t' << start << '\t' << end << '\t'
         << start << '\t' << end << '\n';
    return line.str();
}

// A reproducible export of 160 WBS elements up to seven deep and 600 activities over four
// days on three calendars. Activities land on any element, so most inner elements hold
// activities of their own beside children; two in five are milestones at 08:00 or 17:00, when
// the tasks start and finish, so hidden milestone ends tie with shown dates.
inline const std::string& LargeExport() {
    static const std::string text = [] {
        std::uint64_t state = 20250303;
        const auto below = [&state](std::uint32_t bound) {
            state = state * 6364136223846793005ULL + 1442695040888963407ULL;
            return static_cast<int>(static_cast<std::uint32_t>(state >> 33) % bound);
        };
        std::string s = ScheduleText({"%T\tPROJECT", "%F\tproj_id\tproj_short_name\tclndr_id", "%R\t10\tHOTEL\t1",
                                      "%T\tPROJWBS",
                                      "%F\twbs_id\tproj_id\tseq_num\tproj_node_flag\twbs_short_name\twbs_name\tparent_wbs_id",
                                      "%R\t1000\t10\t1\tY\tHOTEL\tHotel\t"});
        std::vector<std::pair<int, int>> elements{{1000, 0}};  // id, depth
        for (std::size_t i = 0; i < elements.size() && elements.size() < 160; ++i) {
            const auto [parent, depth] = elements[i];
            for (int c = depth < 6 ? 1 + below(3) : 0; c > 0; --c) {
                const int id = 1000 + static_cast<int>(elements.size());
                const int seq = below(3);
                s += "%R\t" + std::to_string(id) + "\t10\t" + std::to_string(seq) + "\tN\tE" + std::to_string(id) +
                     "\tElement\t" + std::to_string(parent) + "\n";
                elements.emplace_back(id, depth + 1);
            }
        }
        s += Calendars() + "%T\tTASK\n" + kTaskFields + "\n";
        const auto date = [](int day, int hour) {
            char text[24];
            std::snprintf(text, sizeof text, "2025-03-%02d %02d:00", day, hour);
            return std::string(text);
        };
        const std::string_view types[] = {"TT_Task", "TT_Task", "TT_Mile", "TT_FinMile", "TT_LOE"};
        const int calendars[] = {1, 2, 2, 3};
        for (int t = 1; t <= 600; ++t) {
            const int wbs = elements[static_cast<std::size_t>(below(static_cast<std::uint32_t>(elements.size())))].first;
            const std::string_view type = types[below(5)];
            const bool milestone = type.ends_with("Mile");
            const int day = 3 + below(4), hour = milestone && below(2) == 0 ? 17 : 8;
            const std::string start = date(day, hour), end = milestone ? start : date(day + below(4), 17);
            const int calendar = calendars[below(4)];
            const std::string name = "Name " + std::to_string(below(50));
            s += Task(t, wbs, calendar, type, "A" + std::to_string(10000 + t), name, start, end, start);
        }
        return s + "%E\n";
    }();
    return text;
}

}  // namespace varnholt::testing_grid
