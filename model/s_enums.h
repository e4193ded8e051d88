// s_enums.h - the enumerated fields of the schedule records. Each class reads the file's code
// (and for most, the English display text a workbook cell holds), shows a caption and sorts
// as its descriptor in s_enums.cpp says.
#pragma once

#include "enum_value.h"

#include <string_view>

namespace varnholt {

// Completed, In Progress, Not Started.
class s_activity_status final : public enum_value<s_activity_status> {
public:
    using enum_value::enum_value;
    static const enum_descriptor kDescriptor;
};

// Task Dependent, Resource Dependent, Level of Effort, the milestones, WBS Summary.
class s_activity_type final : public enum_value<s_activity_type> {
public:
    using enum_value::enum_value;
    static const enum_descriptor kDescriptor;
};

// "1 - Top" to "5 - Lowest".
class s_leveling_priority final : public enum_value<s_leveling_priority> {
public:
    using enum_value::enum_value;
    static const enum_descriptor kDescriptor;
};

// Which of duration, units and units/time stay fixed when one of them changes.
class s_duration_type final : public enum_value<s_duration_type> {
public:
    using enum_value::enum_value;
    static const enum_descriptor kDescriptor;
};

// A scheduling constraint; 0 is no constraint.
class s_constraint_type final : public enum_value<s_constraint_type> {
public:
    using enum_value::enum_value;
    static const enum_descriptor kDescriptor;
};

// What an activity's percent complete measures: physical progress, duration or units.
class s_percent_comlete_type final : public enum_value<s_percent_comlete_type> {
public:
    using enum_value::enum_value;
    static const enum_descriptor kDescriptor;
};

// Active, Inactive, Planned, What-if; 3 and 5 have no text.
class s_project_status final : public enum_value<s_project_status> {
public:
    using enum_value::enum_value;
    static const enum_descriptor kDescriptor;
};

// Labor, Nonlabor, Material.
class s_resource_type final : public enum_value<s_resource_type> {
public:
    using enum_value::enum_value;
    static const enum_descriptor kDescriptor;
};

// Which of a resource's five prices applies.
class s_rate_type final : public enum_value<s_rate_type> {
public:
    using enum_value::enum_value;
    static const enum_descriptor kDescriptor;
};

// FF, FS, SF, SS.
class s_relationship_type final : public enum_value<s_relationship_type> {
public:
    using enum_value::enum_value;
    static const enum_descriptor kDescriptor;
};

// Global, resource or project calendar.
class s_calendar_type final : public enum_value<s_calendar_type> {
public:
    using enum_value::enum_value;
    static const enum_descriptor kDescriptor;
};

// The coloured indicator of a user-defined field. It shows as its code, which the activity
// table draws as the indicator's picture; 0 is no indicator.
class s_custom_indicator final : public enum_value<s_custom_indicator> {
public:
    using enum_value::enum_value;
    static const enum_descriptor kDescriptor;
};

// A node of the project tree: WBS or project. Built from its integer only.
class s_node_type final : public enum_value<s_node_type> {
public:
    using enum_value::enum_value;
    explicit s_node_type(std::wstring_view file_text) = delete;
    static const enum_descriptor kDescriptor;
};

// The data type of a user-defined field.
class s_logical_data_type final : public enum_value<s_logical_data_type> {
public:
    using enum_value::enum_value;
    static const enum_descriptor kDescriptor;
};

// Where an activity code type is defined: globally, for an EPS node or for one project.
class s_activity_code_type_scope final : public enum_value<s_activity_code_type_scope> {
public:
    using enum_value::enum_value;
    static const enum_descriptor kDescriptor;
};

// The review status of an activity: an integer without codes or display text, built by the
// activity record from its integer only.
class s_review_status final : public enum_value<s_review_status> {
public:
    using enum_value::enum_value;
    explicit s_review_status(std::wstring_view file_text) = delete;
    static const enum_descriptor kDescriptor;
};

// A role proficiency of a resource, written in the file as a digit from "1" (Master) to "5".
class s_proficiency_level final : public enum_value<s_proficiency_level> {
public:
    using enum_value::enum_value;
    static const enum_descriptor kDescriptor;
};

}  // namespace varnholt
