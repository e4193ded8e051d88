// CategorySubTableViews.cpp - the item walks and column tables of the project, resource, OBS
// and role sub-tables. Every walk keeps the order of the records in the file.

#include "views/subtables/CategorySubTableViews.h"

#include "model/CaptionCatalog.h"
#include "model/Document.h"
#include "model/records/ObsRecord.h"
#include "model/records/PCatValRecord.h"
#include "model/records/ProjWbsRecord.h"
#include "model/records/ProjectRecord.h"
#include "model/records/RCatValRecord.h"
#include "model/records/RoleRateRecord.h"
#include "model/records/RoleRecord.h"
#include "model/records/RsrcRecord.h"
#include "model/records/RsrcRoleRecord.h"
#include "model/records/load_time_values.h"
#include "model/s_bool.h"
#include "model/s_string.h"
#include "rows/RecordRows.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <span>

namespace varnholt::view {

namespace {

const s_val& Value(const s_val* value) { return value != nullptr ? *value : s_val::null_value(); }

// A code whose type is not in the file has no type link: its first cell stays empty.
const s_val& ProjectCodeType(const Row& row) {
    const PCatTypeRecord* type = row.GetProjectCode()->type;
    return type != nullptr ? static_cast<const s_val&>(type->proj_catg_type) : s_val::null_value();
}
const s_val& ProjectCodeValue(const Row& row) { return row.GetProjectCode()->proj_catg_short_name; }
const s_val& ProjectCodeName(const Row& row) { return row.GetProjectCode()->proj_catg_name; }

const s_val& ResourceCodeType(const Row& row) {
    const RCatTypeRecord* type = row.GetResourceCode()->type;
    return type != nullptr ? static_cast<const s_val&>(type->rsrc_catg_type) : s_val::null_value();
}
const s_val& ResourceCodeValue(const Row& row) { return row.GetResourceCode()->rsrc_catg_short_name; }
const s_val& ResourceCodeName(const Row& row) { return row.GetResourceCode()->rsrc_catg_name; }

const s_val& WbsCode(const Row& row) { return Value(row.GetWBS()->GetFieldValue(374)); }
const s_val& WbsName(const Row& row) { return Value(row.GetWBS()->GetFieldValue(510)); }

// An assignment whose resource is not in the file shows no name and "No".
const s_val& RoleResourceName(const Row& row) {
    const RsrcRecord* resource = row.GetResourceRole()->resource;
    return resource != nullptr ? Value(resource->GetFieldValue(535)) : s_val::null_value();
}
const s_val& RoleSkill(const Row& row) { return row.GetResourceRole()->skill_level; }
const s_val& IsMainRole(const Row& row) {
    static const s_bool kYes(true);
    static const s_bool kNo(false);
    const RsrcRoleRecord& assignment = *row.GetResourceRole();
    const bool main = assignment.resource != nullptr && assignment.resource->role == assignment.role;
    return main ? kYes : kNo;
}

// The five price levels, by the row's place in the list.
constexpr std::array<CaptionId, 5> kPriceLabels = {51261, 200007, 200008, 200009, 200010};
constexpr std::array<s_unit RoleRateRecord::*, 5> kPrices = {
    &RoleRateRecord::cost_per_qty, &RoleRateRecord::cost_per_qty2, &RoleRateRecord::cost_per_qty3,
    &RoleRateRecord::cost_per_qty4, &RoleRateRecord::cost_per_qty5};
std::size_t PriceLevel(const Row& row) { return row.index > 0 ? static_cast<std::size_t>(row.index) % 5 : 0; }

using PriceLabels = std::array<s_string, kPriceLabels.size()>;

// The labels of one language's caption table; an id the table lacks stays empty, as a lookup.
PriceLabels LabelsOf(std::span<const CaptionEntry> captions) {
    PriceLabels labels;
    for (std::size_t level = 0; level < kPriceLabels.size(); ++level) {
        const auto found = std::ranges::find(captions, kPriceLabels[level], &CaptionEntry::id);
        if (found != captions.end()) labels[level] = s_string(found->text);
    }
    return labels;
}

// Built once per built-in language, so every label a caller holds stays as it read it.
const s_val& PriceLabel(const Row& row) {
    static const PriceLabels kEnglish = LabelsOf(EnglishCaptionTable());
    static const PriceLabels kFrench = LabelsOf(FrenchCaptionTable());
    const PriceLabels& labels = CaptionCatalog::Instance().language == kLanguageFrench ? kFrench : kEnglish;
    return labels[PriceLevel(row)];
}
const s_val& Price(const Row& row) { return row.GetRoleRate()->*kPrices[PriceLevel(row)]; }

const s_val& LimitDate(const Row& row) { return row.GetRoleLimit()->start_date; }
const s_val& LimitUnits(const Row& row) { return row.GetRoleLimit()->max_qty_per_hr; }

constexpr FixedColumn kProjectCodeColumns[] = {
    {57058, 200.0f, ProjectCodeType},   // "Project Code"
    {50835, 200.0f, ProjectCodeValue},  // "Code Value"
    {50832, 200.0f, ProjectCodeName},   // "Description"
};
constexpr FixedColumn kResourceCodeColumns[] = {
    {51610, 200.0f, ResourceCodeType},   // "Resource Code"
    {50835, 200.0f, ResourceCodeValue},  // "Code Value"
    {50832, 200.0f, ResourceCodeName},   // "Description"
};
constexpr FixedColumn kResponsibilityColumns[] = {
    {200033, 300.0f, WbsCode},  // "Project ID / WBS Code"
    {200034, 300.0f, WbsName},  // "Project Name / WBS Name"
};
constexpr FixedColumn kResourceRoleColumns[] = {
    {40218, 400.0f, RoleResourceName},  // "Resource"
    {51300, 200.0f, RoleSkill},         // "Proficiency"
    {51608, 100.0f, IsMainRole},        // the main-role title
};
constexpr FixedColumn kRoleRateColumns[] = {
    {57048, 200.0f, PriceLabel},  // "Rate Type"
    {51261, 200.0f, Price},       // "Price / Unit"
};
constexpr FixedColumn kRoleLimitColumns[] = {
    {51297, 200.0f, LimitDate},   // "Effective Date"
    {51260, 200.0f, LimitUnits},  // "Max Units / Time"
};

// Whether the record has a value in the code column of the type id; none when the column id
// would leave the int range (a damaged file).
template <class Record>
bool HasCodeValue(const Record& record, std::int32_t base, std::int64_t type_id) {
    const std::int64_t id = std::int64_t{base} + type_id;
    if (id > INT32_MAX) return false;
    return !s_val::is_null_value(record.GetColumnValue(static_cast<std::int32_t>(id)));
}

const RoleRecord* SelectedRole(const Row& selected) { return selected.IsRoleRow() ? selected.GetRole() : nullptr; }

// A linear walk over the document's assignments: it keeps their order, and the lists are short
// next to a paint.
void AddProjectCodes(Row& root, const Row& selected) {
    const ProjectRecord* project = selected.IsProjectRow() ? selected.GetProject() : nullptr;
    if (project == nullptr || project->doc == nullptr) return;
    for (const auto& assignment : project->doc->ProjPCats()) {
        if (assignment == nullptr || assignment->project != project) continue;
        if (!HasCodeValue(*project, kProjectCodeColumnBase, assignment->proj_catg_type_id.value)) continue;
        root.AddChild(std::make_unique<ProjectCodeRow>(assignment->value));
    }
}

void AddResourceCodes(Row& root, const Row& selected) {
    const RsrcRecord* resource = selected.IsResourceRow() ? selected.GetResource() : nullptr;
    if (resource == nullptr || resource->doc == nullptr) return;
    for (const auto& assignment : resource->doc->RsrcRCats()) {
        if (assignment == nullptr || assignment->resource != resource) continue;
        if (!HasCodeValue(*resource, kResourceCodeColumnBase, assignment->rsrc_catg_type_id.value)) continue;
        root.AddChild(std::make_unique<ResourceCodeRow>(assignment->value));
    }
}

void AddResponsibilities(Row& root, const Row& selected) {
    const ObsRecord* node = selected.IsOBSRow() ? selected.GetOBS() : nullptr;
    if (node == nullptr) return;
    for (ProjWbsRecord* element : node->wbs_elements)
        if (element != nullptr) root.AddChild(std::make_unique<WBSRow>(element));
}

void AddRoleResources(Row& root, const Row& selected) {
    const RoleRecord* role = SelectedRole(selected);
    if (role == nullptr) return;
    for (const RsrcRoleRecord* assignment : role->resource_roles)
        if (assignment != nullptr) root.AddChild(std::make_unique<ResourceRoleRow>(assignment));
}

void AddRatePrices(Row& root, const Row& selected) {
    const RoleRecord* role = SelectedRole(selected);
    if (role == nullptr || role->rate == nullptr) return;
    for (std::size_t level = 0; level < kPrices.size(); ++level) root.AddChild(std::make_unique<RoleRateRow>(role->rate));
}

void AddRoleLimits(Row& root, const Row& selected) {
    const RoleRecord* role = SelectedRole(selected);
    if (role == nullptr) return;
    for (const RoleLimitRecord* limit : role->limits)
        if (limit != nullptr) root.AddChild(std::make_unique<RoleLimitRow>(limit));
}

bool ShowsProjectCode(const Row& row) { return row.IsProjectCodeRow() && row.GetProjectCode() != nullptr; }
bool ShowsResourceCode(const Row& row) { return row.IsResourceCodeRow() && row.GetResourceCode() != nullptr; }
bool ShowsWbs(const Row& row) { return row.IsWBSRow() && row.GetWBS() != nullptr; }
bool ShowsResourceRole(const Row& row) { return row.IsResourceRoleRow() && row.GetResourceRole() != nullptr; }
bool ShowsRoleRate(const Row& row) { return row.IsRoleRateRow() && row.GetRoleRate() != nullptr; }
bool ShowsRoleLimit(const Row& row) { return row.IsRoleLimitRow() && row.GetRoleLimit() != nullptr; }

// What each kind of table lists and shows, in the order of CategorySubTable. A row is shown
// when it is of the kind's row class and has its record: a code assignment whose value the
// file lacks is listed without one, and takes no place.
struct SubTableKind {
    std::span<const FixedColumn> columns;
    void (*add_rows)(Row& root, const Row& selected);
    bool (*shows)(const Row& row);
};
const SubTableKind kKinds[] = {
    {kProjectCodeColumns, AddProjectCodes, ShowsProjectCode},
    {kResourceCodeColumns, AddResourceCodes, ShowsResourceCode},
    {kResponsibilityColumns, AddResponsibilities, ShowsWbs},
    {kResourceRoleColumns, AddRoleResources, ShowsResourceRole},
    {kRoleRateColumns, AddRatePrices, ShowsRoleRate},
    {kRoleLimitColumns, AddRoleLimits, ShowsRoleLimit},
};

}  // namespace

template <CategorySubTable Kind>
void CategorySubTableView<Kind>::AddRows(Row& root, const Row& selected) {
    kKinds[static_cast<std::size_t>(Kind)].add_rows(root, selected);
}

template <CategorySubTable Kind>
std::span<const FixedColumn> CategorySubTableView<Kind>::Columns() const {
    return kKinds[static_cast<std::size_t>(Kind)].columns;
}

template <CategorySubTable Kind>
bool CategorySubTableView<Kind>::ShowsRow(const Row& row) const {
    return kKinds[static_cast<std::size_t>(Kind)].shows(row);
}

template class CategorySubTableView<CategorySubTable::project_code>;
template class CategorySubTableView<CategorySubTable::resource_code>;
template class CategorySubTableView<CategorySubTable::obs_responsibility>;
template class CategorySubTableView<CategorySubTable::resource_role>;
template class CategorySubTableView<CategorySubTable::role_rate>;
template class CategorySubTableView<CategorySubTable::role_limit>;

}  // namespace varnholt::view
