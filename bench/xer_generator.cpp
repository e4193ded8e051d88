// xer_generator.cpp - writes a deterministic, realistic XER schedule of a given size for the
// load benchmark: projects with an OBS and a WBS tree, activities with codes, user-defined
// fields, notebook memos and steps, relationships, resources with rates, assignments, and
// calendars with holidays. The same size always gives the same bytes.
//
// Usage: xer_generator ACTIVITIES OUTPUT.xer

#include <charconv>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <string>
#include <string_view>
#include <vector>

namespace {

// A small linear congruential generator: reproducible on every platform, unlike std::rand.
class Random {
public:
    std::uint32_t Next() {
        m_state = m_state * 6364136223846793005ULL + 1442695040888963407ULL;
        return static_cast<std::uint32_t>(m_state >> 33);
    }
    std::uint32_t Below(std::uint32_t bound) { return bound == 0 ? 0 : Next() % bound; }

private:
    std::uint64_t m_state = 20150304;
};

class XerWriter {
public:
    explicit XerWriter(std::ostream& out) : m_out(out) {}

    void Header() {
        m_out << "ERMHDR\t19.12\t2026-11-30\tProject\tplanner\tPlanner Name\tdb\tProject Management\tUSD\n";
    }
    void Table(std::string_view name, std::initializer_list<std::string_view> fields) {
        m_out << "%T\t" << name << "\n%F";
        for (std::string_view field : fields) m_out << '\t' << field;
        m_out << '\n';
    }
    template <class... Values>
    void Row(const Values&... values) {
        m_out << "%R";
        ((m_out << '\t' << values), ...);
        m_out << '\n';
    }
    void End() { m_out << "%E\n"; }

private:
    std::ostream& m_out;
};

// "yyyy-mm-dd hh:mm" for a day counted from 2025-01-01 (every month taken as 30 days keeps
// the generator simple; the dates stay valid).
std::string Date(std::uint32_t day, int hour = 8) {
    const std::uint32_t year = 2025 + day / 360;
    const std::uint32_t month = day % 360 / 30 + 1;
    const std::uint32_t dom = day % 30 + 1;
    char text[32];
    std::snprintf(text, sizeof text, "%04u-%02u-%02u %02d:00", year, month, dom, hour);
    return text;
}

// Text and number joined; written out because g++ 12 warns falsely on `"text" + std::string`.
std::string Label(std::string_view text, std::uint64_t number) {
    std::string label(text);
    label += std::to_string(number);
    return label;
}

const char* kStatuses[] = {"TK_Complete", "TK_Active", "TK_NotStart"};
const char* kTypes[] = {"TT_Task", "TT_Task", "TT_Task", "TT_Rsrc", "TT_Mile", "TT_FinMile", "TT_LOE"};
const char* kConstraints[] = {"", "", "", "", "CS_MSOA", "CS_MEOB", "CS_ALAP"};
const char* kRelations[] = {"PR_FS", "PR_FS", "PR_FS", "PR_SS", "PR_FF", "PR_SF"};

std::string CalendarData(std::uint32_t holidays_from) {
    std::string text = "(0||CalendarData()(  (0||DaysOfWeek()(  (0||1()())";
    for (int day = 2; day <= 6; ++day) {
        text += Label("  (0||", day) +
                "()(    (0||0(s|08:00|f|12:00)())    (0||1(s|13:00|f|17:00)())))";
    }
    text += "  (0||7()()))  (0||Exceptions()(";
    for (std::uint32_t i = 0; i < 40; ++i) {
        text += Label("  (0||", i) + Label("(d|", holidays_from + i * 45) + ")())";
    }
    text += ")))";
    return text;
}

void Generate(std::uint32_t activities, std::ostream& out) {
    Random random;
    XerWriter xer(out);
    const std::uint32_t projects = activities >= 20000 ? 4 : 2;
    const std::uint32_t per_project = activities / projects;
    const std::uint32_t wbs_per_project = per_project / 25 + 3;
    const std::uint32_t resources = activities / 100 + 5;
    const std::uint32_t relationships = activities * 8 / 5;
    const std::uint32_t assignments = activities * 3 / 5;

    xer.Header();
    xer.Table("CURRTYPE", {"curr_id", "decimal_digit_cnt", "curr_symbol", "decimal_symbol",
                           "digit_group_symbol", "curr_short_name"});
    xer.Row(1, 2, "$", ".", ",", "USD");

    xer.Table("OBS", {"obs_id", "seq_num", "obs_name", "parent_obs_id"});
    xer.Row(1, 0, "Enterprise", "");
    for (std::uint32_t i = 2; i <= 6; ++i) xer.Row(i, i, Label("Department ", i), 1);

    xer.Table("CALENDAR", {"clndr_id", "default_flag", "clndr_name", "proj_id", "base_clndr_id",
                           "clndr_type", "clndr_data", "day_hr_cnt", "week_hr_cnt", "year_hr_cnt",
                           "month_hr_cnt"});
    xer.Row(1, "Y", "Standard 5 Day", "", "", "CA_Base", CalendarData(45658), 8, 40, 2000, 172);
    xer.Row(2, "N", "Night Shift", "", 1, "CA_Base", CalendarData(45700), 8, 40, 2000, 172);
    xer.Row(3, "N", "Resource Calendar", "", 1, "CA_Rsrc", CalendarData(45800), 8, 40, 2000, 172);

    xer.Table("PROJECT", {"proj_id", "proj_short_name", "clndr_id", "plan_start_date", "plan_end_date",
                          "scd_end_date", "last_recalc_date", "def_complete_pct_type", "def_duration_type"});
    for (std::uint32_t p = 1; p <= projects; ++p)
        xer.Row(p, Label("PRJ-", p), 1, Date(0), Date(700), Date(720), Date(200), "CP_Drtn", "DT_FixedDUR2");

    xer.Table("PROJWBS", {"wbs_id", "proj_id", "obs_id", "seq_num", "proj_node_flag", "status_code",
                          "wbs_short_name", "wbs_name", "parent_wbs_id"});
    std::vector<std::uint32_t> leaf_wbs;
    std::uint32_t wbs_id = 1000;
    for (std::uint32_t p = 1; p <= projects; ++p) {
        const std::uint32_t root = ++wbs_id;
        xer.Row(root, p, 1, 0, "Y", "WS_Open", Label("PRJ-", p), Label("Project ", p), "");
        std::uint32_t phase = 0;
        for (std::uint32_t w = 0; w < wbs_per_project; ++w) {
            if (w % 8 == 0) {
                phase = ++wbs_id;
                xer.Row(phase, p, 2 + w % 5, w, "N", "WS_Open", Label("P", w / 8), Label("Phase ", w / 8), root);
            }
            const std::uint32_t leaf = ++wbs_id;
            xer.Row(leaf, p, 2 + w % 5, w, "N", "WS_Open", Label("W", w), Label("Work package ", w), phase);
            leaf_wbs.push_back(leaf);
        }
    }

    xer.Table("RSRC", {"rsrc_id", "clndr_id", "rsrc_seq_num", "active_flag", "rsrc_type", "rsrc_short_name",
                       "rsrc_name", "parent_rsrc_id", "curr_id", "def_qty_per_hr", "cost_qty_type", "email_addr"});
    for (std::uint32_t r = 1; r <= resources; ++r) {
        const char* type = r % 7 == 0 ? "RT_Equip" : r % 11 == 0 ? "RT_Mat" : "RT_Labor";
        xer.Row(r, 3, r, "Y", type, Label("R", r), Label("Resource ", r),
                r > 5 ? std::to_string(1 + r % 5) : "", 1, 1, "QT_Hour", Label("r", r) + "@example.org");
    }
    xer.Table("RSRCRATE", {"rsrc_rate_id", "rsrc_id", "start_date", "max_qty_per_hr", "cost_per_qty",
                           "cost_per_qty2"});
    for (std::uint32_t r = 1; r <= resources; ++r) {
        xer.Row(2 * r, r, Date(0, 0), 1, 50 + r % 40, 75 + r % 40);
        xer.Row(2 * r + 1, r, Date(180, 0), 1, 55 + r % 40, 80 + r % 40);
    }

    xer.Table("ACTVTYPE", {"actv_code_type_id", "actv_short_len", "seq_num", "actv_code_type",
                           "actv_code_type_scope", "proj_id"});
    xer.Row(1, 10, 1, "Phase", "AS_Global", "");
    xer.Row(2, 10, 2, "Area", "AS_Global", "");
    xer.Row(3, 10, 3, "Responsible", "AS_Project", 1);
    xer.Table("ACTVCODE", {"actv_code_id", "actv_code_type_id", "seq_num", "short_name", "parent_actv_code_id",
                           "actv_code_name"});
    for (std::uint32_t c = 1; c <= 30; ++c) {
        const std::uint32_t type = 1 + (c - 1) / 10;
        const std::string parent = (c - 1) % 10 >= 5 ? std::to_string(c - 5) : "";
        xer.Row(c, type, c, Label("C", c), parent, Label("Code value ", c));
    }

    xer.Table("UDFTYPE", {"udf_type_id", "table_name", "udf_type_name", "udf_type_label", "logical_data_type"});
    xer.Row(1, "TASK", "user_field_1", "Discipline", "FT_TEXT");
    xer.Row(2, "TASK", "user_field_2", "Weight", "FT_FLOAT_2_DECIMALS");
    xer.Row(3, "TASK", "user_field_3", "Review Date", "FT_START_DATE");
    xer.Row(4, "PROJWBS", "user_field_4", "Package Owner", "FT_TEXT");
    xer.Row(5, "RSRC", "user_field_5", "Crew Size", "FT_INT");

    xer.Table("MEMOTYPE", {"memo_type_id", "seq_num", "task_flag", "memo_type"});
    xer.Row(1, 1, "Y", "Notes");

    // Activities, then what hangs on them, one table at a time.
    xer.Table("TASK", {"task_id", "proj_id", "wbs_id", "clndr_id", "phys_complete_pct", "complete_pct_type",
                       "task_type", "duration_type", "status_code", "task_code", "task_name", "rsrc_id",
                       "total_float_hr_cnt", "free_float_hr_cnt", "remain_drtn_hr_cnt", "act_work_qty",
                       "remain_work_qty", "target_work_qty", "target_drtn_hr_cnt", "target_equip_qty",
                       "cstr_date", "act_start_date", "act_end_date", "late_start_date", "late_end_date",
                       "early_start_date", "early_end_date", "restart_date", "reend_date", "target_start_date",
                       "target_end_date", "cstr_type", "priority_type", "float_path", "driving_path_flag",
                       "update_date", "update_user", "create_date", "create_user"});
    std::vector<std::uint32_t> project_of(activities + 1);
    for (std::uint32_t t = 1; t <= activities; ++t) {
        const std::uint32_t project = std::min(projects, (t - 1) / std::max(1u, per_project) + 1);
        project_of[t] = project;
        const std::uint32_t wbs = leaf_wbs[(project - 1) * wbs_per_project + random.Below(wbs_per_project)];
        const std::uint32_t start = t * 600 / activities + random.Below(30);
        const std::uint32_t length = 1 + random.Below(20);
        const std::uint32_t status = start < 150 ? 0 : start < 200 ? 1 : 2;
        const bool started = status < 2;
        const std::uint32_t done = status == 0 ? 100 : status == 1 ? 40 : 0;
        const char* constraint = kConstraints[random.Below(7)];
        xer.Row(t, project, wbs, 1 + t % 2, done, "CP_Drtn", kTypes[random.Below(7)], "DT_FixedDUR2",
                kStatuses[status], Label("A", 10000 + t), Label("Activity number ", t),
                1 + random.Below(resources), static_cast<int>(random.Below(400)) - 80, random.Below(80),
                status == 0 ? 0 : length * 8, done * length * 8 / 100, (100 - done) * length * 8 / 100,
                length * 8, length * 8, 0, *constraint ? Date(start) : "", started ? Date(start) : "",
                status == 0 ? Date(start + length, 17) : "", Date(start + 10), Date(start + 10 + length, 17),
                Date(start), Date(start + length, 17), started ? "" : Date(start), Date(start + length, 17),
                Date(start), Date(start + length, 17), constraint, "PT_Normal", 1 + t % 5, t % 9 == 0 ? "Y" : "N",
                Date(210), "planner", Date(0), "planner");
    }

    xer.Table("TASKACTV", {"task_id", "actv_code_type_id", "actv_code_id", "proj_id"});
    for (std::uint32_t t = 1; t <= activities; ++t) {
        xer.Row(t, 1, 1 + random.Below(10), project_of[t]);
        if (t % 3 == 0) xer.Row(t, 2, 11 + random.Below(10), project_of[t]);
        if (project_of[t] == 1 && t % 4 == 0) xer.Row(t, 3, 21 + random.Below(10), 1);
    }

    xer.Table("UDFVALUE", {"udf_type_id", "fk_id", "proj_id", "udf_date", "udf_text", "udf_number"});
    for (std::uint32_t t = 1; t <= activities; t += 2) {
        xer.Row(1, t, project_of[t], "", Label("Discipline ", t % 7), "");
        xer.Row(2, t, project_of[t], "", "", (t % 1000) / 10.0);
        if (t % 10 == 1) xer.Row(3, t, project_of[t], Date(t % 500), "", "");
    }
    for (std::uint32_t w : leaf_wbs) xer.Row(4, w, 1, "", Label("Owner of ", w), "");
    for (std::uint32_t r = 1; r <= resources; ++r) xer.Row(5, r, "", "", "", 2 + r % 6);

    xer.Table("TASKPRED", {"task_pred_id", "task_id", "pred_task_id", "proj_id", "pred_proj_id", "pred_type",
                           "lag_hr_cnt"});
    for (std::uint32_t i = 1; i <= relationships; ++i) {
        const std::uint32_t successor = 2 + random.Below(activities - 1);
        const std::uint32_t predecessor = successor - 1 - random.Below(std::min(successor - 1, 40u));
        xer.Row(i, successor, predecessor, project_of[successor], project_of[predecessor],
                kRelations[random.Below(6)], random.Below(5) == 0 ? 16 : 0);
    }

    xer.Table("TASKRSRC", {"taskrsrc_id", "task_id", "proj_id", "rsrc_type", "rsrc_id", "remain_qty",
                           "target_qty", "act_reg_qty", "target_cost", "act_reg_cost", "remain_cost",
                           "target_start_date", "target_end_date", "rate_type"});
    for (std::uint32_t i = 1; i <= assignments; ++i) {
        const std::uint32_t task = 1 + random.Below(activities);
        const std::uint32_t hours = 8 + random.Below(200);
        xer.Row(i, task, project_of[task], "RT_Labor", 1 + random.Below(resources), hours / 2, hours, hours / 2,
                hours * 60, hours * 30, hours * 30, Date(task * 600 / activities), Date(task * 600 / activities + 10),
                "COST_PER_QTY");
    }

    xer.Table("TASKPROC", {"proc_id", "task_id", "proj_id", "seq_num", "proc_name", "complete_flag", "proc_wt"});
    for (std::uint32_t t = 10, id = 1; t <= activities; t += 10) {
        for (std::uint32_t s = 0; s < 3; ++s, ++id)
            xer.Row(id, t, project_of[t], s, Label("Step ", s + 1), s == 0 ? "Y" : "N", 1);
    }

    xer.Table("TASKMEMO", {"memo_id", "task_id", "memo_type_id", "proj_id", "task_memo"});
    for (std::uint32_t t = 7, id = 1; t <= activities; t += 10, ++id) {
        xer.Row(id, t, 1, project_of[t],
                "<html><body><p>Check the \"\"drawings\"\" before starting.</p><p>Second line.</p></body></html>");
    }
    xer.End();
}

}  // namespace

int main(int argc, char** argv) {
    std::uint32_t activities = 0;
    if (argc != 3 || std::from_chars(argv[1], argv[1] + std::char_traits<char>::length(argv[1]), activities).ec != std::errc{} ||
        activities < 10) {
        std::cerr << "usage: xer_generator ACTIVITIES(>=10) OUTPUT.xer\n";
        return 2;
    }
    std::ofstream out(argv[2], std::ios::binary);
    if (!out) {
        std::cerr << "cannot write " << argv[2] << '\n';
        return 1;
    }
    Generate(activities, out);
    out.close();
    if (!out) {
        std::cerr << "writing " << argv[2] << " failed\n";
        return 1;
    }
    return 0;
}
