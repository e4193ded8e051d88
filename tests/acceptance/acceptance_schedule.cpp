// acceptance_schedule.cpp - the acceptance schedules as XER text, table by table.

#include "acceptance_schedule.h"

#include <fstream>
#include <initializer_list>
#include <string_view>

namespace varnholt::acceptance {
namespace {

class XerText {
public:
    XerText() { m_text = "ERMHDR\t19.12\t2024-01-31\tProject\tplanner\tPlanner\tdb\tProject Management\tUSD\n"; }
    XerText& Table(std::string_view name, std::initializer_list<std::string_view> fields) {
        m_text.append("%T\t").append(name).append("\n%F");
        for (std::string_view field : fields) m_text.append("\t").append(field);
        m_text += '\n';
        return *this;
    }
    XerText& Row(std::initializer_list<std::string_view> values) {
        m_text += "%R";
        for (std::string_view value : values) m_text.append("\t").append(value);
        m_text += '\n';
        return *this;
    }
    std::string End() { return m_text + "%E\n"; }

private:
    std::string m_text;
};

// Monday to Friday 08:00-16:00, no exceptions.
constexpr std::string_view kWeekdays =
    "(0||CalendarData()(  (0||DaysOfWeek()(  (0||1()())  (0||2()(  (0||0(s|08:00|f|16:00)()))  "
    "(0||3()(  (0||0(s|08:00|f|16:00)()))  (0||4()(  (0||0(s|08:00|f|16:00)()))  "
    "(0||5()(  (0||0(s|08:00|f|16:00)()))  (0||6()(  (0||0(s|08:00|f|16:00)()))  (0||7()()))  "
    "(0||Exceptions()())))";

void Write(const std::filesystem::path& path, std::string_view bytes) {
    std::ofstream(path, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

}  // namespace

std::string AcceptanceSchedule() {
    XerText xer;
    xer.Table("CURRTYPE", {"curr_id", "decimal_digit_cnt", "curr_symbol", "decimal_symbol", "digit_group_symbol",
                           "curr_short_name"})
        .Row({"1", "2", "$", ".", ",", "USD"});
    xer.Table("OBS", {"obs_id", "parent_obs_id", "seq_num", "obs_name"})
        .Row({"1", "", "1", "Enterprise"})
        .Row({"2", "1", "1", "Site Management"});
    xer.Table("CALENDAR", {"clndr_id", "default_flag", "clndr_name", "proj_id", "base_clndr_id", "clndr_type",
                           "clndr_data", "day_hr_cnt", "week_hr_cnt", "year_hr_cnt", "month_hr_cnt"})
        .Row({"1", "Y", "Standard", "", "", "CA_Base", kWeekdays, "8", "40", "2000", "172"})
        .Row({"2", "N", "Standard", "", "", "CA_Base", kWeekdays, "8", "40", "2000", "172"})
        .Row({"3", "N", "Crew Calendar", "", "1", "CA_Rsrc", kWeekdays, "8", "40", "2000", "172"});
    xer.Table("PROJECT", {"proj_id", "proj_short_name", "clndr_id", "plan_start_date", "plan_end_date",
                          "last_recalc_date"})
        .Row({"10", "ACTIVE-1", "1", "2024-01-08 08:00", "2024-01-31 16:00", "2024-01-08 08:00"})
        .Row({"20", "DORMANT-2", "1", "2024-01-08 08:00", "2024-01-31 16:00", "2024-01-08 08:00"});
    xer.Table("PROJWBS", {"wbs_id", "proj_id", "obs_id", "seq_num", "proj_node_flag", "status_code",
                          "wbs_short_name", "wbs_name", "parent_wbs_id"})
        .Row({"100", "10", "2", "1", "Y", "WS_Open", "ACTIVE-1", "Riverside Plant", ""})
        .Row({"110", "10", "2", "1", "N", "WS_Open", "CIV", "Civil Works", "100"})
        .Row({"200", "20", "", "2", "Y", "WS_Closed", "DORMANT-2", "Harbour Depot", ""})
        .Row({"210", "20", "", "1", "N", "WS_Closed", "ELE", "Electrical Works", "200"});
    xer.Table("ROLES", {"role_id", "parent_role_id", "seq_num", "role_short_name", "role_name"})
        .Row({"1", "", "1", "ENG", "Engineer"})
        .Row({"2", "", "2", "INS", "Inspector"});
    xer.Table("ROLERATE", {"role_rate_id", "role_id", "cost_per_qty"}).Row({"1", "1", "85"});
    xer.Table("SHIFT", {"shift_id", "shift_name"}).Row({"1", "Two Shifts"}).Row({"2", "Day Shift"});
    xer.Table("SHIFTPER", {"shift_period_id", "shift_id", "shift_start_hr_num"})
        .Row({"1", "1", "0"})
        .Row({"2", "1", "8"})
        .Row({"3", "2", "8"});
    xer.Table("RSRC", {"rsrc_id", "clndr_id", "rsrc_seq_num", "active_flag", "rsrc_type", "rsrc_short_name",
                       "rsrc_name", "parent_rsrc_id", "curr_id", "role_id", "shift_id", "rsrc_notes"})
        .Row({"1", "3", "1", "Y", "RT_Labor", "CREW", "Concrete Crew", "", "1", "1", "1",
              "<html><body><p>Works <b>nights</b> in January</p></body></html>"});
    xer.Table("RSRCROLE", {"rsrc_role_id", "rsrc_id", "role_id"}).Row({"1", "1", "1"});
    xer.Table("ACTVTYPE", {"actv_code_type_id", "seq_num", "actv_code_type", "actv_code_type_scope", "proj_id"})
        .Row({"1", "1", "Phase", "AS_Global", ""});
    xer.Table("ACTVCODE", {"actv_code_id", "actv_code_type_id", "seq_num", "short_name", "actv_code_name",
                           "parent_actv_code_id"})
        .Row({"1", "1", "1", "DSN", "Design Phase", ""})
        .Row({"2", "1", "2", "CON", "Construction Phase", ""});
    xer.Table("UDFTYPE", {"udf_type_id", "table_name", "udf_type_name", "udf_type_label", "logical_data_type"})
        .Row({"1", "TASK", "user_field_1", "Colour", "FT_TEXT"});
    xer.Table("MEMOTYPE", {"memo_type_id", "seq_num", "task_flag", "memo_type"}).Row({"1", "1", "Y", "Minutes"});
    xer.Table("TASK", {"task_id", "proj_id", "wbs_id", "clndr_id", "task_code", "task_name", "task_type",
                       "status_code", "target_start_date", "target_end_date", "early_start_date", "early_end_date",
                       "late_start_date", "late_end_date", "target_drtn_hr_cnt", "remain_drtn_hr_cnt",
                       "total_float_hr_cnt"})
        .Row({"1000", "10", "110", "1", "A1000", "Design", "TT_Task", "TK_NotStart", "2024-01-08 08:00",
              "2024-01-12 16:00", "2024-01-08 08:00", "2024-01-12 16:00", "2024-01-08 08:00", "2024-01-12 16:00",
              "40", "40", "0"})
        .Row({"1010", "10", "110", "1", "A1010", "Build", "TT_Task", "TK_NotStart", "2024-01-15 08:00",
              "2024-01-26 16:00", "2024-01-15 08:00", "2024-01-26 16:00", "2024-01-15 08:00", "2024-01-26 16:00",
              "80", "80", "0"})
        .Row({"1020", "10", "110", "1", "A1020", "Handover", "TT_FinMile", "TK_NotStart", "2024-01-26 16:00",
              "2024-01-26 16:00", "2024-01-26 16:00", "2024-01-26 16:00", "2024-01-26 16:00", "2024-01-26 16:00",
              "0", "0", "0"})
        .Row({"2000", "20", "210", "2", "B2000", "Cabling", "TT_Task", "TK_NotStart", "2024-01-09 08:00",
              "2024-01-19 16:00", "2024-01-09 08:00", "2024-01-19 16:00", "2024-01-09 08:00", "2024-01-19 16:00",
              "72", "72", "0"});
    xer.Table("TASKPRED", {"task_pred_id", "task_id", "pred_task_id", "proj_id", "pred_proj_id", "pred_type",
                           "lag_hr_cnt"})
        .Row({"1", "1010", "1000", "10", "10", "PR_FS", "0"})
        .Row({"2", "1020", "1010", "10", "10", "PR_FS", "0"});
    xer.Table("TASKACTV", {"task_id", "actv_code_type_id", "actv_code_id", "proj_id"})
        .Row({"1000", "1", "1", "10"})
        .Row({"1010", "1", "2", "10"});
    xer.Table("UDFVALUE", {"udf_type_id", "fk_id", "proj_id", "udf_date", "udf_text", "udf_number"})
        .Row({"1", "1000", "10", "", "Red", ""})
        .Row({"1", "1010", "10", "", "red", ""});
    xer.Table("TASKPROC", {"proc_id", "task_id", "proj_id", "seq_num", "proc_name", "complete_flag", "proc_wt",
                           "proc_descr"})
        .Row({"1", "1000", "10", "1", "Survey the site", "Y", "1", "<p>Levels and boundaries</p>"})
        .Row({"2", "1000", "10", "2", "Issue the drawings", "N", "3", "<p>For approval</p>"});
    xer.Table("TASKMEMO", {"memo_id", "task_id", "memo_type_id", "proj_id", "task_memo"})
        .Row({"1", "1000", "1", "10", "<html><body><p>Kick-off held on site</p></body></html>"});
    return xer.End();
}

std::string UndatedSchedule() {
    XerText xer;
    xer.Table("PROJECT", {"proj_id", "proj_short_name"}).Row({"1", "NODATES"});
    xer.Table("PROJWBS", {"wbs_id", "proj_id", "seq_num", "proj_node_flag", "wbs_short_name", "wbs_name",
                          "parent_wbs_id"})
        .Row({"10", "1", "1", "Y", "NODATES", "Undated Project", ""});
    xer.Table("TASK", {"task_id", "proj_id", "wbs_id", "task_code", "task_name"})
        .Row({"1", "1", "10", "U100", "Undated one"})
        .Row({"2", "1", "10", "U110", "Undated two"});
    return xer.End();
}

void WriteAcceptanceFiles(const std::filesystem::path& folder) {
    Write(folder / "acceptance.xer", AcceptanceSchedule());
    Write(folder / "undated.xer", UndatedSchedule());
    Write(folder / "notes.txt", "Meeting notes, not a schedule.\n");
    Write(folder / "plan.xlsx", "PK\x03\x04 a newer workbook");
    Write(folder / "no-header.xer", "%T\tTASK\n%F\ttask_id\n%R\t1\n%E\n");
    Write(folder / "text.xls", "task_code\ttask_name\nA1\tDesign\n");
}

}  // namespace varnholt::acceptance
