// s_enums.cpp - the descriptor of each enumerated field: the texts it reads, its default, its
// captions (English text in the comments) and its comparisons.
//
// Ranks sort a class by its English texts in code-unit order, and stay fixed whatever the
// caption language, so a French table keeps the English order.

#include "s_enums.h"

namespace varnholt {

namespace {

constexpr auto kByValue = enum_order::value;
constexpr auto kByRank = enum_order::rank;

// Unnamed comparisons keep the base answer (false); the sorts use only less and greater, the
// filters less, equal and not_equal.
constexpr enum_orders kValuesStrict{.less = kByValue, .greater = kByValue, .equal = kByValue, .not_equal = kByValue};
constexpr enum_orders kValuesAll{.less = kByValue, .less_equal = kByValue, .greater = kByValue,
                                 .greater_equal = kByValue, .equal = kByValue, .not_equal = kByValue};
constexpr enum_orders kValuesNoNotEqual{.less = kByValue, .greater = kByValue, .equal = kByValue};
constexpr enum_orders kRanksStrict{.less = kByRank, .greater = kByRank, .equal = kByValue, .not_equal = kByValue};
constexpr enum_orders kRanksAll{.less = kByRank, .less_equal = kByRank, .greater = kByRank,
                                .greater_equal = kByRank, .equal = kByValue, .not_equal = kByValue};

constexpr enum_text kActivityStatusTexts[] = {
    {L"TK_Complete", 0},   {L"Completed", 0},
    {L"TK_Active", 1},     {L"In Progress", 1},
    {L"TA_NotStarted", 2}, {L"Not Started", 2},
};
constexpr enum_shown kActivityStatusShown[] = {
    {.caption = 3140},  // Completed
    {.caption = 3141},  // In Progress
    {.caption = 3142},  // Not Started
};

constexpr enum_text kActivityTypeTexts[] = {
    {L"TT_Task", 0},    {L"Task Dependent", 0},
    {L"TT_Rsrc", 1},    {L"Resource Dependent", 1},
    {L"TT_LOE", 2},     {L"Level of Effort", 2},
    {L"TT_Mile", 3},    {L"Start Milestone", 3},
    {L"TT_FinMile", 4}, {L"Finish Milestone", 4},
    {L"TT_WBS", 5},     {L"WBS Summary", 5},
};
constexpr enum_shown kActivityTypeShown[] = {
    {.caption = 51495, .rank = 4},  // Task Dependent
    {.caption = 51496, .rank = 2},  // Resource Dependent
    {.caption = 51497, .rank = 1},  // Level of Effort
    {.caption = 1203, .rank = 3},   // Start Milestone
    {.caption = 3756, .rank = 0},   // Finish Milestone
    {.caption = 57293, .rank = 5},  // WBS Summary
};

constexpr enum_text kLevelingPriorityTexts[] = {
    {L"PT_Top", 0},    {L"1 - Top", 0},
    {L"PT_High", 1},   {L"2 - High", 1},
    {L"PT_Normal", 2}, {L"3 - Normal", 2},
    {L"PT_Low", 3},    {L"4 - Low", 3},
    {L"PT_Lowest", 4}, {L"5 - Lowest", 4},
};
constexpr enum_shown kLevelingPriorityShown[] = {
    {.caption = 1040},  // 1 - Top
    {.caption = 1041},  // 2 - High
    {.caption = 1042},  // 3 - Normal
    {.caption = 1043},  // 4 - Low
    {.caption = 1044},  // 5 - Lowest
};

constexpr enum_text kDurationTypeTexts[] = {
    {L"DT_FixedRate", 0}, {L"Fixed Units/Time", 0},
    {L"DT_FixedDrtn", 1}, {L"Fixed Duration and Units/Time", 1},
    {L"DT_FixedQty", 2},  {L"Fixed Units", 2},
    {L"DT_FixedDUR2", 3}, {L"Fixed Duration & Units", 3},
};
constexpr enum_shown kDurationTypeShown[] = {
    {.caption = 1430, .rank = 3},  // Fixed Units/Time
    {.caption = 1024, .rank = 1},  // Fixed Duration and Units/Time
    {.caption = 1025, .rank = 2},  // Fixed Units
    {.caption = 3742, .rank = 0},  // Fixed Duration & Units
};

constexpr enum_text kConstraintTypeTexts[] = {
    {L"CS_ALAP", 1},      {L"As Late As Possible", 1},
    {L"CS_MSO", 2},       {L"Start On", 2},
    {L"CS_MSOB", 3},      {L"Start On or Before", 3},
    {L"CS_MSOA", 4},      {L"Start On or After", 4},
    {L"CS_MANDSTART", 5}, {L"Mandatory Start", 5},
    {L"CS_MEO", 6},       {L"Finish On", 6},
    {L"CS_MEOB", 7},      {L"Finish On or Before", 7},
    {L"CS_MEOA", 8},      {L"Finish On or After", 8},
    {L"CS_MANDFIN", 9},   {L"Mandatory Finish", 9},
};
constexpr enum_shown kConstraintTypeShown[] = {
    {.rank = 9},                    // no constraint: empty, after all others
    {.caption = 51506, .rank = 0},  // As Late As Possible
    {.caption = 51500, .rank = 6},  // Start On
    {.caption = 51501, .rank = 8},  // Start On or Before
    {.caption = 51502, .rank = 7},  // Start On or After
    {.caption = 51647, .rank = 5},  // Mandatory Start
    {.caption = 51503, .rank = 1},  // Finish On
    {.caption = 51504, .rank = 3},  // Finish On or Before
    {.caption = 51505, .rank = 2},  // Finish On or After
    {.caption = 51648, .rank = 4},  // Mandatory Finish
};

constexpr enum_text kPercentCompleteTypeTexts[] = {
    {L"CP_Phys", 0},  {L"Physical", 0},
    {L"CP_Drtn", 1},  {L"Duration", 1},
    {L"CP_Units", 2}, {L"Units", 2},
};
constexpr enum_shown kPercentCompleteTypeShown[] = {
    {.caption = 51489, .rank = 1},  // Physical
    {.caption = 51490, .rank = 0},  // Duration
    {.caption = 51491, .rank = 2},  // Units
};

// No text gives 3; the default 5 stands for every other code.
constexpr enum_text kProjectStatusTexts[] = {
    {L"WS_Open", 0},    {L"Active", 0},
    {L"WS_Closed", 1},  {L"Inactive", 1},
    {L"WS_Planned", 2}, {L"Planned", 2},
    {L"WS_Whatif", 4},  {L"What-if", 4},
};
constexpr enum_shown kProjectStatusShown[] = {
    {.caption = 1329},   // Active
    {.caption = 1330},   // Inactive
    {.caption = 30261},  // Planned
    {},                  // no text
    {.caption = 2898},   // What-if
    {},                  // no text
};

constexpr enum_text kResourceTypeTexts[] = {
    {L"RT_Mat", 2},   {L"Material", 2},
    {L"RT_Labor", 0}, {L"Labor", 0},
    {L"RT_Equip", 1}, {L"Nonlabor", 1},
};
constexpr enum_shown kResourceTypeShown[] = {
    {.caption = 4306},  // Labor
    {.caption = 1717},  // Nonlabor
    {.caption = 4307},  // Material
};

// The five prices share one caption, told apart by the digit after it.
constexpr CaptionId kPricePerUnit = 51261;
constexpr enum_text kRateTypeTexts[] = {
    {L"COST_PER_QTY", 0},  {L"Price / Unit", 0},
    {L"COST_PER_QTY2", 1}, {L"Price / Unit2", 1},
    {L"COST_PER_QTY3", 2}, {L"Price / Unit3", 2},
    {L"COST_PER_QTY4", 3}, {L"Price / Unit4", 3},
    {L"COST_PER_QTY5", 4}, {L"Price / Unit5", 4},
};
constexpr enum_shown kRateTypeShown[] = {
    {.caption = kPricePerUnit},
    {.caption = kPricePerUnit, .fixed_text = L"2"},
    {.caption = kPricePerUnit, .fixed_text = L"3"},
    {.caption = kPricePerUnit, .fixed_text = L"4"},
    {.caption = kPricePerUnit, .fixed_text = L"5"},
};

constexpr enum_text kRelationshipTypeTexts[] = {
    {L"PR_FF", 0}, {L"FF", 0},
    {L"PR_FS", 1}, {L"FS", 1},
    {L"PR_SF", 2}, {L"SF", 2},
    {L"PR_SS", 3}, {L"SS", 3},
};
constexpr enum_shown kRelationshipTypeShown[] = {
    {.caption = 1462},  // FF
    {.caption = 1463},  // FS
    {.caption = 1464},  // SF
    {.caption = 1465},  // SS
};

constexpr enum_text kCalendarTypeTexts[] = {{L"CA_Base", 0}, {L"CA_Rsrc", 1}, {L"CA_Project", 2}};
constexpr enum_shown kCalendarTypeShown[] = {
    {.caption = 57387},  // Global
    {.caption = 40218},  // Resource
    {.caption = 57389},  // Project
};

constexpr enum_text kCustomIndicatorTexts[] = {
    {L"UDF_G1", 2}, {L"Red", 2},
    {L"UDF_G2", 3}, {L"Yellow", 3},
    {L"UDF_G3", 1}, {L"Green", 1},
    {L"UDF_G4", 4}, {L"Blue", 4},
};
// Ranks follow the colour names; no indicator goes after all others.
constexpr enum_shown kCustomIndicatorShown[] = {
    {.rank = 4},                           // no indicator
    {.fixed_text = L"UDF_G3", .rank = 1},  // Green
    {.fixed_text = L"UDF_G1", .rank = 2},  // Red
    {.fixed_text = L"UDF_G2", .rank = 3},  // Yellow
    {.fixed_text = L"UDF_G4", .rank = 0},  // Blue
};

constexpr enum_shown kNodeTypeShown[] = {
    {.caption = 40224},  // WBS
    {.caption = 57389},  // Project
};

constexpr enum_text kLogicalDataTypeTexts[] = {
    {L"FT_START_DATE", 0}, {L"FT_END_DATE", 1},  {L"FT_TEXT", 2},       {L"FT_FLOAT_2_DECIMALS", 3},
    {L"FT_MONEY", 4},      {L"FT_INT", 5},       {L"FT_STATICTYPE", 6},
};
constexpr enum_shown kLogicalDataTypeShown[] = {
    {.caption = 30106},   // Start Date
    {.caption = 30107},   // End Date
    {.caption = 4299},    // Text
    {.caption = 200024},  // Float 2 Decimals
    {.caption = 51559},   // Money
    {.caption = 3088},    // Integer
    {.caption = 200025},  // Static Type
};

constexpr enum_text kActivityCodeTypeScopeTexts[] = {{L"AS_Global", 0}, {L"AS_EPS", 1}, {L"AS_Project", 2}};
constexpr enum_shown kActivityCodeTypeScopeShown[] = {
    {.caption = 57387},  // Global
    {.caption = 57388},  // EPS
    {.caption = 57389},  // Project
};

constexpr enum_text kProficiencyLevelTexts[] = {{L"1", 0}, {L"2", 1}, {L"3", 2}, {L"4", 3}, {L"5", 4}};
constexpr enum_shown kProficiencyLevelShown[] = {
    {.caption = 1441},  // 1 - Master
    {.caption = 1442},  // 2 - Expert
    {.caption = 1443},  // 3 - Skilled
    {.caption = 1444},  // 4 - Proficient
    {.caption = 1445},  // 5 - Inexperienced
};

}  // namespace

// constinit: the tables are ready before any record is built, with no start-up code.
constinit const enum_descriptor s_activity_status::kDescriptor{
    .texts = kActivityStatusTexts, .default_value = 2, .shown = kActivityStatusShown, .orders = kValuesStrict};

constinit const enum_descriptor s_activity_type::kDescriptor{
    .texts = kActivityTypeTexts, .default_value = 0, .shown = kActivityTypeShown, .orders = kRanksAll};

constinit const enum_descriptor s_leveling_priority::kDescriptor{
    .texts = kLevelingPriorityTexts, .default_value = 2, .shown = kLevelingPriorityShown, .orders = kValuesStrict};

constinit const enum_descriptor s_duration_type::kDescriptor{
    .texts = kDurationTypeTexts, .default_value = 3, .shown = kDurationTypeShown, .orders = kRanksStrict};

constinit const enum_descriptor s_constraint_type::kDescriptor{
    .texts = kConstraintTypeTexts, .default_value = 0, .shown = kConstraintTypeShown, .orders = kRanksStrict};

constinit const enum_descriptor s_percent_comlete_type::kDescriptor{
    .texts = kPercentCompleteTypeTexts, .default_value = 0, .shown = kPercentCompleteTypeShown,
    .orders = kRanksStrict};

constinit const enum_descriptor s_project_status::kDescriptor{
    .texts = kProjectStatusTexts, .default_value = 5, .shown = kProjectStatusShown, .orders = kValuesStrict};

constinit const enum_descriptor s_resource_type::kDescriptor{
    .texts = kResourceTypeTexts, .default_value = 0, .shown = kResourceTypeShown, .orders = kValuesNoNotEqual};

constinit const enum_descriptor s_rate_type::kDescriptor{
    .texts = kRateTypeTexts, .default_value = 0, .shown = kRateTypeShown, .orders = kValuesNoNotEqual};

constinit const enum_descriptor s_relationship_type::kDescriptor{
    .texts = kRelationshipTypeTexts, .default_value = 1, .shown = kRelationshipTypeShown,
    .orders = kValuesNoNotEqual};

constinit const enum_descriptor s_calendar_type::kDescriptor{
    .texts = kCalendarTypeTexts, .default_value = 0, .shown = kCalendarTypeShown, .orders = kValuesAll};

// The indicator and proficiency readers leave the no-value flag set; nothing reads it.
constinit const enum_descriptor s_custom_indicator::kDescriptor{
    .texts = kCustomIndicatorTexts, .default_value = 0, .shown = kCustomIndicatorShown, .orders = kRanksStrict,
    .text_clears_null_flag = false};

constinit const enum_descriptor s_node_type::kDescriptor{
    .texts = {}, .default_value = 0, .shown = kNodeTypeShown, .orders = kValuesAll};

constinit const enum_descriptor s_logical_data_type::kDescriptor{
    .texts = kLogicalDataTypeTexts, .default_value = 2, .shown = kLogicalDataTypeShown, .orders = kValuesNoNotEqual};

constinit const enum_descriptor s_activity_code_type_scope::kDescriptor{
    .texts = kActivityCodeTypeScopeTexts, .default_value = 0, .shown = kActivityCodeTypeScopeShown,
    .orders = kValuesAll};

// No codes and no display text of its own.
constinit const enum_descriptor s_review_status::kDescriptor{
    .texts = {}, .default_value = 0, .shown = {}, .orders = kValuesNoNotEqual};

constinit const enum_descriptor s_proficiency_level::kDescriptor{
    .texts = kProficiencyLevelTexts, .default_value = 2, .shown = kProficiencyLevelShown,
    .orders = kValuesNoNotEqual, .text_clears_null_flag = false};

}  // namespace varnholt
