// RowList.h - the visible rows of a table view in display order, the deepest level among them,
// and the row of each listed activity. The list refers to rows; the view's tree owns them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace varnholt {
class TaskRecord;
}

namespace varnholt::view {

class Row;

class RowList {
public:
    // Lists the row at the end: its index becomes its display position.
    void Append(Row& row);
    // Remembers the activity's visible row; the first row stored for an activity stays.
    void MapActivity(const TaskRecord& activity, Row& row);
    // The same by the activity's load order, as its row keeps it; a negative order is ignored.
    void MapActivity(std::int32_t load_order, Row& row);
    // Empties the list; costs the number of rows listed, not the number of activities.
    void Clear() noexcept;

    // The activity's listed row, null when it has none.
    [[nodiscard]] Row* FindActivityRow(const TaskRecord* activity) const noexcept;

    [[nodiscard]] const std::vector<Row*>& Rows() const noexcept { return m_rows; }
    [[nodiscard]] std::size_t Size() const noexcept { return m_rows.size(); }
    [[nodiscard]] bool Empty() const noexcept { return m_rows.empty(); }
    [[nodiscard]] Row* At(std::size_t index) const noexcept { return index < m_rows.size() ? m_rows[index] : nullptr; }
    // Whether the row is listed now, by the place it was last listed at: no search.
    [[nodiscard]] bool Lists(const Row& row) const noexcept;
    // The largest level appended since the last Clear; 0 when empty.
    [[nodiscard]] std::int32_t GetDeepestLevel() const noexcept { return m_deepest_level; }

private:
    std::vector<Row*> m_rows;
    std::int32_t m_deepest_level = 0;
    // Indexed by the activity's load order, which is dense from 0; m_mapped lists the slots in
    // use so that Clear resets only those.
    std::vector<Row*> m_activity_rows;
    std::vector<std::size_t> m_mapped;
};

}  // namespace varnholt::view
