// ColumnCatalog.h - the six process-wide tables of column definitions (activity, project, WBS,
// resource, predecessor, successor), their lookups and the columns a file adds while it loads.
//
// Lifetime: each new document rebuilds the tables (BuildAllColumns), which drops the previous
// file's load-time columns; the import then appends the new file's columns. A pointer a lookup
// returns points into its table and stays valid until that table is next appended to or
// rebuilt. Lookups never throw; they return null when nothing matches.
//
// One thread: the activity and WBS lookups by id rebuild their index lazily after a change,
// so even the const lookups write to the (unlocked) catalogue.
#pragma once

#include "columns/ColumnDef.h"
#include "columns/column_codes.h"

#include <cstdint>
#include <map>
#include <span>
#include <string_view>
#include <vector>

namespace varnholt {

class ColumnCatalog {
public:
    using Run = std::span<const ColumnDef>;

    // The one catalogue of the process, empty until the first build.
    [[nodiscard]] static ColumnCatalog& Instance();
    // Back to the first-use state: six empty tables, no index; for tests.
    void Reset();

    // The six tables as one value. An open sets them aside while the next file loads and puts
    // them back when that load fails; moving a vector keeps its entries where they are, so
    // pointers into the tables set aside stay valid.
    struct Tables {
        std::vector<ColumnDef> activity, project, wbs, resource, predecessor, successor;
    };
    // Exchanges the catalogue's tables with these; the indexes rebuild on the next lookup.
    void SwapTables(Tables& other) noexcept;

    // Each builder empties its table, load-time columns included, and appends the built-in
    // entries in their fixed order, with captions in the current caption language.
    void BuildActivityColumns();
    void BuildProjectColumns();
    void BuildWbsColumns();
    void BuildResourceColumns();
    void BuildPredecessorColumns();
    void BuildSuccessorColumns();
    // The six builders in table order, as every opening of a document needs them.
    void BuildAllColumns();

    // Built-in adders: append one entry of the built-in form.
    void AddActivityColumn(const BuiltInColumn& row);
    void AddProjectColumn(const BuiltInColumn& row);
    void AddWbsColumn(const BuiltInColumn& row);
    void AddResourceColumn(const BuiltInColumn& row);
    void AddPredecessorColumn(const BuiltInColumn& row);
    void AddSuccessorColumn(const BuiltInColumn& row);

    // Load-time adders: append a column for a UDF or code type and return it, or return null
    // and append nothing when its column id would leave the range of its kind or is already
    // taken in the table (a damaged or hostile file). The kind must suit the table: UDFs go
    // anywhere, activity codes only to activities, project codes to projects, resource codes
    // to resources.
    [[nodiscard]] const ColumnDef* AddActivityColumnWithCaption(const LoadTimeColumn& column);
    [[nodiscard]] const ColumnDef* AddProjectColumnWithCaption(const LoadTimeColumn& column);
    [[nodiscard]] const ColumnDef* AddWbsColumnWithCaption(const LoadTimeColumn& column);
    [[nodiscard]] const ColumnDef* AddResourceColumnWithCaption(const LoadTimeColumn& column);

    // Present flags: a workbook clears them all, then marks the columns it supplies.
    void ClearPresent();
    // Marks the entry with this column id present; false when the table has none.
    bool MarkPresent(ColumnTable table, std::uint32_t column_id);

    [[nodiscard]] Run activity_columns() const noexcept { return m_activity_columns; }
    [[nodiscard]] Run project_columns() const noexcept { return m_project_columns; }
    [[nodiscard]] Run wbs_columns() const noexcept { return m_wbs_columns; }
    [[nodiscard]] Run resource_columns() const noexcept { return m_resource_columns; }
    [[nodiscard]] Run predecessor_columns() const noexcept { return m_predecessor_columns; }
    [[nodiscard]] Run successor_columns() const noexcept { return m_successor_columns; }
    [[nodiscard]] Run columns(ColumnTable table) const noexcept;

    // All tables in table order; the first table with a match answers.
    [[nodiscard]] const ColumnDef* FindAnyByFieldId(std::int32_t field_id) const;
    [[nodiscard]] const ColumnDef* FindAnyByColumnId(std::uint32_t column_id) const;

    // By id: the first entry in table order. Activity and WBS go through their indexes.
    [[nodiscard]] const ColumnDef* FindActivityByFieldId(std::int32_t field_id) const;
    [[nodiscard]] const ColumnDef* FindActivityByColumnId(std::uint32_t column_id) const;
    [[nodiscard]] const ColumnDef* FindProjectByFieldId(std::int32_t field_id) const;
    [[nodiscard]] const ColumnDef* FindProjectByColumnId(std::uint32_t column_id) const;
    [[nodiscard]] const ColumnDef* FindWbsByFieldId(std::int32_t field_id) const;
    [[nodiscard]] const ColumnDef* FindWbsByColumnId(std::uint32_t column_id) const;
    [[nodiscard]] const ColumnDef* FindResourceByColumnId(std::uint32_t column_id) const;
    [[nodiscard]] const ColumnDef* FindPredecessorByColumnId(std::uint32_t column_id) const;
    [[nodiscard]] const ColumnDef* FindSuccessorByColumnId(std::uint32_t column_id) const;

    // By field name, without regard to case. The relationship tables answer present entries only.
    [[nodiscard]] const ColumnDef* FindActivityByName(std::wstring_view name) const;
    [[nodiscard]] const ColumnDef* FindProjectByName(std::wstring_view name) const;
    [[nodiscard]] const ColumnDef* FindWbsByName(std::wstring_view name) const;
    [[nodiscard]] const ColumnDef* FindResourceByName(std::wstring_view name) const;
    [[nodiscard]] const ColumnDef* FindPredecessorByName(std::wstring_view name) const;
    [[nodiscard]] const ColumnDef* FindSuccessorByName(std::wstring_view name) const;

    // By caption, exactly (case counts), present entries only.
    [[nodiscard]] const ColumnDef* FindActivityByCaption(std::wstring_view caption) const;
    [[nodiscard]] const ColumnDef* FindProjectByCaption(std::wstring_view caption) const;
    [[nodiscard]] const ColumnDef* FindWbsByCaption(std::wstring_view caption) const;
    [[nodiscard]] const ColumnDef* FindResourceByCaption(std::wstring_view caption) const;
    [[nodiscard]] const ColumnDef* FindPredecessorByCaption(std::wstring_view caption) const;
    [[nodiscard]] const ColumnDef* FindSuccessorByCaption(std::wstring_view caption) const;

    // By the field's name in the schedule file or workbook header, exactly; entries without
    // one never match. What the workbook import matches its header names against.
    [[nodiscard]] const ColumnDef* FindByXerFieldName(ColumnTable table, std::string_view name) const;

    // Range searches over any run of entries: the first match, or run.end() when none.
    [[nodiscard]] static Run::iterator FindInRangeByColumnId(Run run, std::uint32_t column_id) noexcept;
    [[nodiscard]] static Run::iterator FindInRangeByFieldId(Run run, std::int32_t field_id) noexcept;

private:
    ColumnCatalog() = default;

    // An ordered map from an id to the first entry with it, valid while `built` holds.
    template <class Key>
    struct IdIndex {
        std::map<Key, const ColumnDef*> entries;
        bool built = false;
    };

    // The table behind a ColumnTable code, const or not as `self` is.
    template <class Self>
    static auto& TableOf(Self& self, ColumnTable which) noexcept;
    void Rebuild(ColumnTable which, std::span<const BuiltInColumn> rows,
                 void (ColumnCatalog::*add)(const BuiltInColumn&));
    void InvalidateIndexes(ColumnTable which) noexcept;
    void Append(ColumnTable which, ColumnDef def);
    const ColumnDef* AppendLoadTime(ColumnTable which, ColumnOwner owner, const LoadTimeColumn& column);

    std::vector<ColumnDef> m_activity_columns;
    std::vector<ColumnDef> m_project_columns;
    std::vector<ColumnDef> m_wbs_columns;
    std::vector<ColumnDef> m_resource_columns;
    std::vector<ColumnDef> m_predecessor_columns;
    std::vector<ColumnDef> m_successor_columns;

    // Rebuilt by the lookups, hence mutable.
    mutable IdIndex<std::int32_t> m_activity_by_field_id;
    mutable IdIndex<std::uint32_t> m_activity_by_column_id;
    mutable IdIndex<std::int32_t> m_wbs_by_field_id;
    mutable IdIndex<std::uint32_t> m_wbs_by_column_id;
};

}  // namespace varnholt
