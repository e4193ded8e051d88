// built_in_filters.cpp - the seventeen filters every layout store starts with, and the lookups
// of a filter by id.

#include "layouts/LayoutStore.h"

#include "layouts/built_in_filters.h"
#include "model/CaptionCatalog.h"
#include "model/s_bool.h"
#include "model/s_dur.h"
#include "model/s_enums.h"

#include <span>

namespace varnholt {

namespace {

using Op = FilterOperator;
using MakeValue = s_val_ptr (*)(std::int32_t);

template <class Value>
s_val_ptr Make(std::int32_t value) {
    return Value(value).clone();
}
s_val_ptr MakeFlag(std::int32_t value) { return s_bool(value != 0).clone(); }
s_val_ptr MakeHours(std::int32_t value) { return s_dur(static_cast<double>(value)).clone(); }

// One condition: a field, an operator and the one value it compares with.
struct BuiltInCondition {
    std::int32_t field;
    Op op;
    MakeValue make;
    std::int32_t value;
};

enum class FilterList : std::uint8_t { activity, wbs, project };

struct BuiltInFilter {
    FilterList list;
    std::int32_t id;
    CaptionId caption;
    std::int32_t root_kind;
    std::span<const BuiltInCondition> conditions;
};

constexpr MakeValue kStatus = Make<s_activity_status>;
constexpr MakeValue kType = Make<s_activity_type>;
constexpr MakeValue kConstraint = Make<s_constraint_type>;
constexpr MakeValue kNode = Make<s_node_type>;

// Activity fields: 92 total float, 133 status, 134 type, 139 critical, 144 longest path,
// 146 and 151 the two constraints, 150 the status of the activity's project.
constexpr BuiltInCondition kCompleted[] = {{133, Op::equal, kStatus, 0}};
constexpr BuiltInCondition kCritical[] = {{139, Op::equal, MakeFlag, 1}};
constexpr BuiltInCondition kFinishConstraint[] = {
    {146, Op::equal, kConstraint, 6}, {146, Op::equal, kConstraint, 7}, {146, Op::equal, kConstraint, 8},
    {146, Op::equal, kConstraint, 9}, {151, Op::equal, kConstraint, 6}, {151, Op::equal, kConstraint, 7},
    {151, Op::equal, kConstraint, 8}, {151, Op::equal, kConstraint, 9}};
constexpr BuiltInCondition kStartConstraint[] = {
    {146, Op::equal, kConstraint, 2}, {146, Op::equal, kConstraint, 3}, {146, Op::equal, kConstraint, 4},
    {146, Op::equal, kConstraint, 5}, {151, Op::equal, kConstraint, 2}, {151, Op::equal, kConstraint, 3},
    {151, Op::equal, kConstraint, 4}, {151, Op::equal, kConstraint, 5}};
constexpr BuiltInCondition kInProgress[] = {{133, Op::equal, kStatus, 1}};
constexpr BuiltInCondition kLevelOfEffort[] = {{134, Op::equal, kType, 2}};
constexpr BuiltInCondition kLongestPath[] = {{144, Op::equal, MakeFlag, 1}, {133, Op::not_equal, kStatus, 0}};
constexpr BuiltInCondition kMilestone[] = {{134, Op::equal, kType, 3}, {134, Op::equal, kType, 4}};
constexpr BuiltInCondition kNegativeFloat[] = {{92, Op::less, MakeHours, 0}};
constexpr BuiltInCondition kNonWhatIf[] = {{150, Op::not_equal, Make<s_project_status>, 4}};
constexpr BuiltInCondition kNonCritical[] = {{139, Op::not_equal, MakeFlag, 1}};
constexpr BuiltInCondition kNormal[] = {{134, Op::equal, kType, 0}, {134, Op::equal, kType, 1}, {134, Op::equal, kType, 5}};
constexpr BuiltInCondition kNotStarted[] = {{133, Op::equal, kStatus, 2}};
// WBS field 471 and project field 327: the node type (0 WBS, 1 project, 2 EPS node).
constexpr BuiltInCondition kWbsProjects[] = {{471, Op::equal, kNode, 1}};
constexpr BuiltInCondition kWbsElements[] = {{471, Op::equal, kNode, 0}};
constexpr BuiltInCondition kProjects[] = {{327, Op::equal, kNode, 1}};
constexpr BuiltInCondition kEpsNodes[] = {{327, Op::equal, kNode, 2}};

constexpr BuiltInFilter kBuiltInFilters[] = {
    {FilterList::activity, kFilterCompleted, 3140, kMatchAny, kCompleted},
    {FilterList::activity, kFilterCritical, 40223, kMatchAny, kCritical},
    {FilterList::activity, kFilterFinishConstraint, 3147, kMatchAny, kFinishConstraint},
    {FilterList::activity, kFilterStartConstraint, 3146, kMatchAny, kStartConstraint},
    {FilterList::activity, kFilterInProgress, 3141, kMatchAny, kInProgress},
    {FilterList::activity, kFilterLevelOfEffort, 51497, kMatchAny, kLevelOfEffort},
    {FilterList::activity, kFilterLongestPath, 57083, kMatchAll, kLongestPath},
    {FilterList::activity, kFilterMilestone, 3136, kMatchAny, kMilestone},
    {FilterList::activity, kFilterNegativeFloat, 3143, kMatchAny, kNegativeFloat},
    {FilterList::activity, kFilterNonWhatIf, 3150, kMatchAny, kNonWhatIf},
    {FilterList::activity, kFilterNonCritical, 3139, kMatchAny, kNonCritical},
    {FilterList::activity, kFilterNormal, 3135, kMatchAny, kNormal},
    {FilterList::activity, kFilterNotStarted, 3142, kMatchAny, kNotStarted},
    {FilterList::wbs, kFilterAllProjects, 2876, kMatchAny, kWbsProjects},
    {FilterList::wbs, kFilterWbsBelowProject, 2877, kMatchAny, kWbsElements},
    {FilterList::project, kFilterAllProjects, 2876, kMatchAny, kProjects},
    {FilterList::project, kFilterAllEpsElements, 2875, kMatchAny, kEpsNodes},
};

std::unique_ptr<NamedFilter> MakeFilter(const BuiltInFilter& definition) {
    auto filter = std::make_unique<NamedFilter>(CaptionCatalog::Instance().Lookup(definition.caption));
    filter->id = definition.id;
    filter->root = std::make_unique<view::FilterGroup>(definition.root_kind);
    for (const BuiltInCondition& condition : definition.conditions) {
        auto entry = view::FilterEntry::ForField(condition.field, OperatorCode(condition.op));
        // A duration argument is in hours: unit code 0, the argument's default.
        entry->AddArgument(view::FilterArgument::MakeSingle(*condition.make(condition.value)));
        filter->root->AddChild(std::move(entry));
    }
    return filter;
}

NamedFilter* FindById(const NamedFilterList& filters, std::int32_t id) {
    for (const auto& filter : filters)
        if (filter != nullptr && filter->id == id) return filter.get();
    return nullptr;
}

}  // namespace

void LayoutStore::BuildBuiltInFilters() {
    for (const BuiltInFilter& definition : kBuiltInFilters) {
        NamedFilterList& list = definition.list == FilterList::activity ? m_activity_filters
                                : definition.list == FilterList::wbs    ? m_wbs_filters
                                                                        : m_project_filters;
        list.push_back(MakeFilter(definition));
    }
}

NamedFilter* LayoutStore::FindActivityFilter(std::int32_t id) const { return FindById(m_activity_filters, id); }
NamedFilter* LayoutStore::FindWbsFilter(std::int32_t id) const { return FindById(m_wbs_filters, id); }
NamedFilter* LayoutStore::FindProjectFilter(std::int32_t id) const { return FindById(m_project_filters, id); }

}  // namespace varnholt
