// xer_fields_codes.h - the columns of the code, user-defined field, OBS, calendar, currency
// and memo tables.
#pragma once

#include "import/xer_field_defs.h"

namespace varnholt {

inline constexpr xer_field_def kActvTypeFieldDefs[] = {
    {L"actv_code_type_id"}, {L"actv_short_len"}, {L"seq_num"}, {L"actv_code_type"},
    {L"actv_code_type_scope"}, {L"proj_id"}, {L"super_flag"},
};

inline constexpr xer_field_def kActvCodeFieldDefs[] = {
    {L"actv_code_id"}, {L"actv_code_type_id"}, {L"seq_num"}, {L"short_name"},
    {L"parent_actv_code_id"}, {L"actv_code_name"}, {L"color"},
};

inline constexpr xer_field_def kTaskActvFieldDefs[] = {
    {L"task_id"}, {L"actv_code_type_id"}, {L"actv_code_id"}, {L"proj_id"},
};

inline constexpr xer_field_def kRCatTypeFieldDefs[] = {
    {L"rsrc_catg_type_id"}, {L"seq_num"}, {L"rsrc_catg_short_len"}, {L"rsrc_catg_type"}, {L"super_flag"},
};

inline constexpr xer_field_def kRCatValFieldDefs[] = {
    {L"rsrc_catg_id"}, {L"rsrc_catg_type_id"}, {L"seq_num"}, {L"rsrc_catg_short_name"},
    {L"rsrc_catg_name"}, {L"parent_rsrc_catg_id"},
};

inline constexpr xer_field_def kRsrcRCatFieldDefs[] = {
    {L"rsrc_id"}, {L"rsrc_catg_type_id"}, {L"rsrc_catg_id"},
};

inline constexpr xer_field_def kPCatTypeFieldDefs[] = {
    {L"proj_catg_type_id"}, {L"seq_num"}, {L"proj_catg_short_len"}, {L"proj_catg_type"},
    {L"super_flag"}, {L"proj_catg_type_wt"}, {L"max_proj_catg_wt"},
};

inline constexpr xer_field_def kPCatValFieldDefs[] = {
    {L"proj_catg_id"}, {L"proj_catg_type_id"}, {L"seq_num"}, {L"proj_catg_short_name"},
    {L"parent_proj_catg_id"}, {L"proj_catg_name"}, {L"proj_catg_wt"},
};

inline constexpr xer_field_def kProjPCatFieldDefs[] = {
    {L"proj_id"}, {L"proj_catg_type_id"}, {L"proj_catg_id"},
};

inline constexpr xer_field_def kUdfTypeFieldDefs[] = {
    {L"udf_type_id"}, {L"table_name"}, {L"udf_type_name"}, {L"udf_type_label"},
    {L"logical_data_type"}, {L"super_flag"}, {L"indicator_expression"}, {L"summary_indicator_expression"},
};

inline constexpr xer_field_def kUdfValueFieldDefs[] = {
    {L"udf_type_id"}, {L"fk_id"}, {L"proj_id"}, {L"udf_date"}, {L"udf_text"}, {L"udf_number"},
    {L"udf_code_id"},
};

inline constexpr xer_field_def kObsFieldDefs[] = {
    {L"obs_id"}, {L"seq_num"}, {L"obs_name"}, {L"parent_obs_id"}, {L"guid"}, {L"obs_descr"},
};

inline constexpr xer_field_def kCalendarFieldDefs[] = {
    {L"clndr_id"}, {L"default_flag"}, {L"clndr_name"}, {L"proj_id"}, {L"base_clndr_id"},
    {L"last_chng_date"}, {L"clndr_type"}, {L"clndr_data"}, {L"day_hr_cnt"}, {L"week_hr_cnt"},
    {L"year_hr_cnt"}, {L"month_hr_cnt"},
};

inline constexpr xer_field_def kCurrTypeFieldDefs[] = {
    {L"curr_id"}, {L"decimal_digit_cnt"}, {L"curr_symbol"}, {L"decimal_symbol"},
    {L"digit_group_symbol"}, {L"pos_curr_fmt_type"}, {L"neg_curr_fmt_type"}, {L"curr_type"},
    {L"curr_short_name"}, {L"group_digit_cnt"}, {L"base_exch_rate"},
};

inline constexpr xer_field_def kMemoTypeFieldDefs[] = {
    {L"memo_type_id"}, {L"seq_num"}, {L"eps_flag"}, {L"proj_flag"}, {L"wbs_flag"}, {L"task_flag"},
    {L"memo_type"},
};

inline constexpr xer_field_def kTaskMemoFieldDefs[] = {
    {L"memo_id"}, {L"task_id"}, {L"memo_type_id"}, {L"proj_id"}, {L"task_memo"},
};

inline constexpr xer_field_def kWbsMemoFieldDefs[] = {
    {L"wbs_memo_id"}, {L"proj_id"}, {L"memo_type_id"}, {L"wbs_id"}, {L"wbs_memo"},
};

}  // namespace varnholt
