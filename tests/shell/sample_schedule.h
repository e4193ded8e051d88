// sample_schedule.h - a small XER export of our own with one activity user-defined field, and
// a workbook that carries the compound-file signature and nothing readable after it.
#pragma once

#include <string_view>

namespace varnholt::testing_shell {

inline constexpr std::string_view kScheduleWithUdf =
    "ERMHDR\t8.0\t2024-02-05 10:00\tProject\tplanner\tPlanner\tdbx\tProject Management\tUSD\r\n"
    "%T\tPROJECT\r\n%F\tproj_id\tproj_short_name\r\n%R\t10\tHarbour\r\n"
    "%T\tPROJWBS\r\n%F\twbs_id\tproj_id\tparent_wbs_id\twbs_short_name\twbs_name\tproj_node_flag\r\n"
    "%R\t100\t10\t\tHarbour\tHarbour\tY\r\n"
    "%T\tTASK\r\n%F\ttask_id\tproj_id\twbs_id\ttask_code\ttask_name\r\n"
    "%R\t1000\t10\t100\tA1000\tDredge the berth\r\n"
    "%T\tUDFTYPE\r\n%F\tudf_type_id\ttable_name\tudf_type_name\tudf_type_label\tlogical_data_type\r\n"
    "%R\t1\tTASK\tuser_field_1\tDiscipline\tFT_TEXT\r\n"
    "%T\tUDFVALUE\r\n%F\tudf_type_id\tfk_id\tproj_id\tudf_date\tudf_text\tudf_number\r\n"
    "%R\t1\t1000\t10\t\tMarine\t\r\n"
    "%E\r\n";

// The activity column of the user-defined field above.
inline constexpr unsigned kUdfColumnId = 100001;

// A workbook's signature followed by damage: it passes the signature test, then fails to load.
inline constexpr std::string_view kBrokenWorkbook = "\xD0\xCF\x11\xE0 this is not a compound file";

}  // namespace varnholt::testing_shell
