// ColumnCatalog.cpp - building, appending to and searching the six column tables.

#include "columns/ColumnCatalog.h"

#include "columns/built_in_columns.h"

#include <algorithm>
#include <cassert>
#include <utility>

namespace varnholt {

namespace {

template <class Predicate>
const ColumnDef* find_first(ColumnCatalog::Run run, Predicate matches) {
    const auto found = std::find_if(run.begin(), run.end(), matches);
    return found != run.end() ? &*found : nullptr;
}

const ColumnDef* found_or_null(ColumnCatalog::Run run, ColumnCatalog::Run::iterator found) {
    return found != run.end() ? &*found : nullptr;
}

// Fills the map on the first lookup after a change; an id that occurs twice keeps its first entry.
template <class Index, class KeyOf>
const ColumnDef* indexed_lookup(Index& index, ColumnCatalog::Run run, KeyOf key_of,
                                typename decltype(Index::entries)::key_type key) {
    if (!index.built) {
        index.entries.clear();
        for (const ColumnDef& def : run) index.entries.try_emplace(key_of(def), &def);
        index.built = true;
    }
    const auto found = index.entries.find(key);
    return found != index.entries.end() ? found->second : nullptr;
}

constexpr auto kFieldIdOf = [](const ColumnDef& def) { return def.field_id; };
constexpr auto kColumnIdOf = [](const ColumnDef& def) { return def.column_id; };

bool kind_suits_table(LoadTimeKind kind, ColumnTable table) {
    switch (kind) {
    case LoadTimeKind::udf: return table != ColumnTable::predecessor && table != ColumnTable::successor;
    case LoadTimeKind::activity_code: return table == ColumnTable::activity;
    case LoadTimeKind::project_code: return table == ColumnTable::project;
    case LoadTimeKind::resource_code: return table == ColumnTable::resource;
    }
    return false;
}

}  // namespace

ColumnCatalog& ColumnCatalog::Instance() {
    static ColumnCatalog catalog;
    return catalog;
}

void ColumnCatalog::Reset() { *this = ColumnCatalog{}; }

void ColumnCatalog::SwapTables(Tables& other) noexcept {
    m_activity_columns.swap(other.activity);
    m_project_columns.swap(other.project);
    m_wbs_columns.swap(other.wbs);
    m_resource_columns.swap(other.resource);
    m_predecessor_columns.swap(other.predecessor);
    m_successor_columns.swap(other.successor);
    InvalidateIndexes(ColumnTable::activity);
    InvalidateIndexes(ColumnTable::wbs);
}

template <class Self>
auto& ColumnCatalog::TableOf(Self& self, ColumnTable which) noexcept {
    switch (which) {
    case ColumnTable::activity: return self.m_activity_columns;
    case ColumnTable::project: return self.m_project_columns;
    case ColumnTable::wbs: return self.m_wbs_columns;
    case ColumnTable::resource: return self.m_resource_columns;
    case ColumnTable::predecessor: return self.m_predecessor_columns;
    case ColumnTable::successor: return self.m_successor_columns;
    }
    assert(false && "ColumnTable holds six values");
    return self.m_activity_columns;
}

ColumnCatalog::Run ColumnCatalog::columns(ColumnTable which) const noexcept { return TableOf(*this, which); }

void ColumnCatalog::InvalidateIndexes(ColumnTable which) noexcept {
    // The maps hold pointers into the table, which any append may move.
    if (which == ColumnTable::activity) {
        m_activity_by_field_id.built = false;
        m_activity_by_column_id.built = false;
    } else if (which == ColumnTable::wbs) {
        m_wbs_by_field_id.built = false;
        m_wbs_by_column_id.built = false;
    }
}

void ColumnCatalog::Append(ColumnTable which, ColumnDef def) {
    TableOf(*this, which).push_back(std::move(def));
    InvalidateIndexes(which);
}

// ---- building ----

void ColumnCatalog::Rebuild(ColumnTable which, std::span<const BuiltInColumn> rows,
                            void (ColumnCatalog::*add)(const BuiltInColumn&)) {
    InvalidateIndexes(which);
    std::vector<ColumnDef>& entries = TableOf(*this, which);
    entries.clear();
    entries.reserve(rows.size());
    for (const BuiltInColumn& row : rows) (this->*add)(row);
}

void ColumnCatalog::BuildActivityColumns() {
    Rebuild(ColumnTable::activity, BuiltInActivityColumns(), &ColumnCatalog::AddActivityColumn);
}
void ColumnCatalog::BuildProjectColumns() {
    Rebuild(ColumnTable::project, BuiltInProjectColumns(), &ColumnCatalog::AddProjectColumn);
}
void ColumnCatalog::BuildWbsColumns() {
    Rebuild(ColumnTable::wbs, BuiltInWbsColumns(), &ColumnCatalog::AddWbsColumn);
}
void ColumnCatalog::BuildResourceColumns() {
    Rebuild(ColumnTable::resource, BuiltInResourceColumns(), &ColumnCatalog::AddResourceColumn);
}
void ColumnCatalog::BuildPredecessorColumns() {
    Rebuild(ColumnTable::predecessor, BuiltInPredecessorColumns(), &ColumnCatalog::AddPredecessorColumn);
}
void ColumnCatalog::BuildSuccessorColumns() {
    Rebuild(ColumnTable::successor, BuiltInSuccessorColumns(), &ColumnCatalog::AddSuccessorColumn);
}

void ColumnCatalog::BuildAllColumns() {
    BuildActivityColumns();
    BuildProjectColumns();
    BuildWbsColumns();
    BuildResourceColumns();
    BuildPredecessorColumns();
    BuildSuccessorColumns();
}

void ColumnCatalog::AddActivityColumn(const BuiltInColumn& row) {
    Append(ColumnTable::activity, ColumnDef::BuiltIn(row, ColumnOwner::activity));
}
void ColumnCatalog::AddProjectColumn(const BuiltInColumn& row) {
    Append(ColumnTable::project, ColumnDef::BuiltIn(row, ColumnOwner::project));
}
void ColumnCatalog::AddWbsColumn(const BuiltInColumn& row) {
    Append(ColumnTable::wbs, ColumnDef::BuiltIn(row, ColumnOwner::wbs));
}
void ColumnCatalog::AddResourceColumn(const BuiltInColumn& row) {
    Append(ColumnTable::resource, ColumnDef::BuiltIn(row, ColumnOwner::resource));
}
void ColumnCatalog::AddPredecessorColumn(const BuiltInColumn& row) {
    Append(ColumnTable::predecessor, ColumnDef::BuiltIn(row, ColumnOwner::relationship));
}
void ColumnCatalog::AddSuccessorColumn(const BuiltInColumn& row) {
    Append(ColumnTable::successor, ColumnDef::BuiltIn(row, ColumnOwner::relationship));
}

// ---- load-time columns ----

const ColumnDef* ColumnCatalog::AppendLoadTime(ColumnTable which, ColumnOwner owner,
                                               const LoadTimeColumn& column) {
    assert(kind_suits_table(column.kind, which) && "the import routes each kind to its own table");
    if (!kind_suits_table(column.kind, which)) return nullptr;
    const std::optional<std::uint32_t> column_id = LoadTimeColumnId(column.kind, column.type_id);
    if (!column_id) return nullptr;
    // A file that repeats a type id would otherwise give two columns one id; the first stays.
    const Run existing = columns(which);
    if (FindInRangeByColumnId(existing, *column_id) != existing.end()) return nullptr;
    Append(which, ColumnDef::LoadTime(column, *column_id, owner));
    return &TableOf(*this, which).back();
}

const ColumnDef* ColumnCatalog::AddActivityColumnWithCaption(const LoadTimeColumn& column) {
    return AppendLoadTime(ColumnTable::activity, ColumnOwner::activity, column);
}
const ColumnDef* ColumnCatalog::AddProjectColumnWithCaption(const LoadTimeColumn& column) {
    return AppendLoadTime(ColumnTable::project, ColumnOwner::project, column);
}
const ColumnDef* ColumnCatalog::AddWbsColumnWithCaption(const LoadTimeColumn& column) {
    return AppendLoadTime(ColumnTable::wbs, ColumnOwner::wbs, column);
}
const ColumnDef* ColumnCatalog::AddResourceColumnWithCaption(const LoadTimeColumn& column) {
    return AppendLoadTime(ColumnTable::resource, ColumnOwner::resource, column);
}

// ---- present flags ----

void ColumnCatalog::ClearPresent() {
    for (auto* entries : {&m_activity_columns, &m_project_columns, &m_wbs_columns, &m_resource_columns,
                          &m_predecessor_columns, &m_successor_columns}) {
        for (ColumnDef& def : *entries) def.present = 0;
    }
}

bool ColumnCatalog::MarkPresent(ColumnTable which, std::uint32_t column_id) {
    std::vector<ColumnDef>& entries = TableOf(*this, which);
    const auto found = std::find_if(entries.begin(), entries.end(),
                                    [column_id](const ColumnDef& def) { return def.column_id == column_id; });
    if (found == entries.end()) return false;
    found->present = 1;
    return true;
}

// ---- range searches ----

ColumnCatalog::Run::iterator ColumnCatalog::FindInRangeByColumnId(Run run, std::uint32_t column_id) noexcept {
    return std::find_if(run.begin(), run.end(),
                        [column_id](const ColumnDef& def) { return def.column_id == column_id; });
}

ColumnCatalog::Run::iterator ColumnCatalog::FindInRangeByFieldId(Run run, std::int32_t field_id) noexcept {
    return std::find_if(run.begin(), run.end(),
                        [field_id](const ColumnDef& def) { return def.field_id == field_id; });
}

// ---- lookups by id ----

const ColumnDef* ColumnCatalog::FindActivityByFieldId(std::int32_t field_id) const {
    return indexed_lookup(m_activity_by_field_id, m_activity_columns, kFieldIdOf, field_id);
}
const ColumnDef* ColumnCatalog::FindActivityByColumnId(std::uint32_t column_id) const {
    return indexed_lookup(m_activity_by_column_id, m_activity_columns, kColumnIdOf, column_id);
}
const ColumnDef* ColumnCatalog::FindWbsByFieldId(std::int32_t field_id) const {
    return indexed_lookup(m_wbs_by_field_id, m_wbs_columns, kFieldIdOf, field_id);
}
const ColumnDef* ColumnCatalog::FindWbsByColumnId(std::uint32_t column_id) const {
    return indexed_lookup(m_wbs_by_column_id, m_wbs_columns, kColumnIdOf, column_id);
}
const ColumnDef* ColumnCatalog::FindProjectByFieldId(std::int32_t field_id) const {
    return found_or_null(m_project_columns, FindInRangeByFieldId(m_project_columns, field_id));
}
const ColumnDef* ColumnCatalog::FindProjectByColumnId(std::uint32_t column_id) const {
    return found_or_null(m_project_columns, FindInRangeByColumnId(m_project_columns, column_id));
}
const ColumnDef* ColumnCatalog::FindResourceByColumnId(std::uint32_t column_id) const {
    return found_or_null(m_resource_columns, FindInRangeByColumnId(m_resource_columns, column_id));
}
const ColumnDef* ColumnCatalog::FindPredecessorByColumnId(std::uint32_t column_id) const {
    return found_or_null(m_predecessor_columns, FindInRangeByColumnId(m_predecessor_columns, column_id));
}
const ColumnDef* ColumnCatalog::FindSuccessorByColumnId(std::uint32_t column_id) const {
    return found_or_null(m_successor_columns, FindInRangeByColumnId(m_successor_columns, column_id));
}

const ColumnDef* ColumnCatalog::FindAnyByFieldId(std::int32_t field_id) const {
    if (const ColumnDef* def = FindActivityByFieldId(field_id)) return def;
    if (const ColumnDef* def = FindProjectByFieldId(field_id)) return def;
    if (const ColumnDef* def = FindWbsByFieldId(field_id)) return def;
    for (Run run : {resource_columns(), predecessor_columns(), successor_columns()}) {
        if (const auto found = FindInRangeByFieldId(run, field_id); found != run.end()) return &*found;
    }
    return nullptr;
}

const ColumnDef* ColumnCatalog::FindAnyByColumnId(std::uint32_t column_id) const {
    if (const ColumnDef* def = FindActivityByColumnId(column_id)) return def;
    if (const ColumnDef* def = FindProjectByColumnId(column_id)) return def;
    if (const ColumnDef* def = FindWbsByColumnId(column_id)) return def;
    if (const ColumnDef* def = FindResourceByColumnId(column_id)) return def;
    if (const ColumnDef* def = FindPredecessorByColumnId(column_id)) return def;
    return FindSuccessorByColumnId(column_id);
}

// ---- lookups by name and caption ----

namespace {

const ColumnDef* by_name(ColumnCatalog::Run run, std::wstring_view name) {
    return find_first(run, [name](const ColumnDef& def) { return def.FieldNameIsNoCase(name); });
}

// The relationship dialogs offer present columns only, so their name lookups skip the others.
const ColumnDef* by_name_if_present(ColumnCatalog::Run run, std::wstring_view name) {
    return find_first(run, [name](const ColumnDef& def) { return def.FieldNameIsNoCaseAndPresent(name); });
}

const ColumnDef* by_caption(ColumnCatalog::Run run, std::wstring_view caption) {
    return find_first(run, [caption](const ColumnDef& def) { return def.CaptionIsAndPresent(caption); });
}

}  // namespace

const ColumnDef* ColumnCatalog::FindActivityByName(std::wstring_view name) const {
    return by_name(m_activity_columns, name);
}
const ColumnDef* ColumnCatalog::FindProjectByName(std::wstring_view name) const {
    return by_name(m_project_columns, name);
}
const ColumnDef* ColumnCatalog::FindWbsByName(std::wstring_view name) const { return by_name(m_wbs_columns, name); }
const ColumnDef* ColumnCatalog::FindResourceByName(std::wstring_view name) const {
    return by_name(m_resource_columns, name);
}
const ColumnDef* ColumnCatalog::FindPredecessorByName(std::wstring_view name) const {
    return by_name_if_present(m_predecessor_columns, name);
}
const ColumnDef* ColumnCatalog::FindSuccessorByName(std::wstring_view name) const {
    return by_name_if_present(m_successor_columns, name);
}

const ColumnDef* ColumnCatalog::FindActivityByCaption(std::wstring_view caption) const {
    return by_caption(m_activity_columns, caption);
}
const ColumnDef* ColumnCatalog::FindProjectByCaption(std::wstring_view caption) const {
    return by_caption(m_project_columns, caption);
}
const ColumnDef* ColumnCatalog::FindWbsByCaption(std::wstring_view caption) const {
    return by_caption(m_wbs_columns, caption);
}
const ColumnDef* ColumnCatalog::FindResourceByCaption(std::wstring_view caption) const {
    return by_caption(m_resource_columns, caption);
}
const ColumnDef* ColumnCatalog::FindPredecessorByCaption(std::wstring_view caption) const {
    return by_caption(m_predecessor_columns, caption);
}
const ColumnDef* ColumnCatalog::FindSuccessorByCaption(std::wstring_view caption) const {
    return by_caption(m_successor_columns, caption);
}

const ColumnDef* ColumnCatalog::FindByXerFieldName(ColumnTable which, std::string_view name) const {
    if (name.empty()) return nullptr;  // computed values have no file name and match nothing
    return find_first(columns(which), [name](const ColumnDef& def) { return def.xer_field_name == name; });
}

}  // namespace varnholt
