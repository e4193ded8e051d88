// column_chooser.cpp - the three column lists of a layout and the chooser's operations on them.

#include "shell/column_chooser.h"

#include "layouts/Layout.h"
#include "model/CaptionCatalog.h"
#include "model/text_utils.h"

#include <algorithm>
#include <array>
#include <functional>

namespace varnholt {
namespace {

// "Actual Progress Date": kept out of both lists of the main chooser.
constexpr std::int32_t kActualProgressDateField = 212;

// Columns that the file adds (user fields, code types) have no caption of the program's own.
bool NamedByFile(const ColumnDef& column) noexcept { return column.caption_id == 0; }

class MainList final : public ColumnList {
public:
    explicit MainList(view::Layout* layout) : m_layout(layout) {}

    [[nodiscard]] ColumnCatalog::Run Table() const override {
        if (m_layout == nullptr) return {};
        const ColumnCatalog& catalog = ColumnCatalog::Instance();
        switch (m_layout->GetKind()) {
        case view::LayoutKind::activity: return catalog.activity_columns();
        case view::LayoutKind::wbs: return catalog.wbs_columns();
        case view::LayoutKind::project: return catalog.project_columns();
        case view::LayoutKind::resource: return catalog.resource_columns();
        }
        return {};
    }
    [[nodiscard]] view::LayoutColumnList* Columns() const override {
        return m_layout == nullptr ? nullptr : m_layout->GetColumns();
    }
    [[nodiscard]] const ColumnDef* Shown(std::int32_t field) const override {
        if (field < 0) return nullptr;
        const ColumnDef* column = ColumnCatalog::Instance().FindAnyByColumnId(static_cast<std::uint32_t>(field));
        return column != nullptr && Offers(*column) ? column : nullptr;
    }
    [[nodiscard]] bool Offers(const ColumnDef& column) const override {
        return column.present != 0 && column.field_id != kActualProgressDateField;
    }
    void Add(const ColumnDef& column) override {
        if (m_layout != nullptr) m_layout->AddColumn(static_cast<std::int32_t>(column.column_id), kAddedColumnWidth);
    }
    void Remove(std::size_t position) override {
        if (m_layout != nullptr) m_layout->RemoveColumn(position);
    }
    void Move(std::size_t from, std::size_t to) override {
        if (m_layout != nullptr) m_layout->MoveColumn(from, to);
    }

private:
    view::Layout* m_layout;  // not owned; may be null
};

// A relationship table's list: its entries hold field ids, which equal the column ids there.
class RelationshipList final : public ColumnList {
public:
    RelationshipList(view::Layout* layout, bool successors) : m_layout(layout), m_successors(successors) {}

    [[nodiscard]] ColumnCatalog::Run Table() const override {
        const ColumnCatalog& catalog = ColumnCatalog::Instance();
        return m_successors ? catalog.successor_columns() : catalog.predecessor_columns();
    }
    [[nodiscard]] view::LayoutColumnList* Columns() const override {
        if (m_layout == nullptr) return nullptr;
        return m_successors ? m_layout->GetSuccColumns() : m_layout->GetPredColumns();
    }
    [[nodiscard]] const ColumnDef* Shown(std::int32_t field) const override {
        if (field < 0) return nullptr;
        const ColumnCatalog::Run table = Table();
        const auto found = ColumnCatalog::FindInRangeByColumnId(table, static_cast<std::uint32_t>(field));
        return found != table.end() && Offers(*found) ? &*found : nullptr;
    }
    [[nodiscard]] bool Offers(const ColumnDef& column) const override { return column.present != 0; }
    void Add(const ColumnDef& column) override {
        if (Columns() == nullptr) return;
        if (m_successors) {
            m_layout->AddSuccColumn(column.field_id, kAddedColumnWidth);
        } else {
            m_layout->AddPredColumn(column.field_id, kAddedColumnWidth);
        }
    }
    void Remove(std::size_t position) override {
        if (Columns() == nullptr) return;
        if (m_successors) {
            m_layout->RemoveSuccColumn(position);
        } else {
            m_layout->RemovePredColumn(position);
        }
    }
    void Move(std::size_t from, std::size_t to) override {
        if (Columns() == nullptr) return;
        if (m_successors) {
            m_layout->MoveSuccColumn(from, to);
        } else {
            m_layout->MovePredColumn(from, to);
        }
    }

private:
    view::Layout* m_layout;  // not owned; may be null
    bool m_successors;
};

bool Lists(const view::LayoutColumnList& columns, std::uint32_t column_id) {
    return std::ranges::any_of(columns, [column_id](const auto& column) {
        return column->field >= 0 && static_cast<std::uint32_t>(column->field) == column_id;
    });
}

std::wstring GroupCaption(ColumnGroup group) {
    const CaptionId id = ColumnGroupCaptionId(group);
    return id == 0 ? std::wstring() : CaptionCatalog::Instance().Lookup(id);
}

}  // namespace

std::unique_ptr<ColumnList> MainColumnList(view::Layout* layout) { return std::make_unique<MainList>(layout); }
std::unique_ptr<ColumnList> PredecessorColumnList(view::Layout* layout) {
    return std::make_unique<RelationshipList>(layout, false);
}
std::unique_ptr<ColumnList> SuccessorColumnList(view::Layout* layout) {
    return std::make_unique<RelationshipList>(layout, true);
}

ChooserLists FillChooserLists(const ColumnList& list) {
    ChooserLists lists;
    const view::LayoutColumnList* columns = list.Columns();
    if (columns == nullptr) return lists;
    for (std::size_t position = 0; position < columns->size(); ++position) {
        if (const ColumnDef* column = list.Shown((*columns)[position]->field)) {
            lists.selected.push_back({column->column_id, column->caption, column->group, position, NamedByFile(*column)});
        }
    }
    std::array<bool, static_cast<std::size_t>(ColumnGroup::baseline) + 1> used{};
    for (const ColumnDef& column : list.Table()) {
        if (!list.Offers(column) || Lists(*columns, column.column_id)) continue;
        lists.available.push_back({column.column_id, column.caption, column.group, 0, NamedByFile(column)});
        const auto group = static_cast<std::size_t>(column.group);
        if (group < used.size()) used[group] = true;
    }
    const auto by_caption = [](const auto& a, const auto& b) { return compare_code_units(a.caption, b.caption) < 0; };
    std::ranges::stable_sort(lists.available, by_caption);
    for (std::size_t group = 0; group < used.size(); ++group) {
        if (used[group]) {
            const auto code = static_cast<ColumnGroup>(group);
            lists.groups.push_back({code, GroupCaption(code)});
        }
    }
    std::ranges::stable_sort(lists.groups, by_caption);
    return lists;
}

void AddColumns(ColumnList& list, const ChooserLists& lists, std::span<const std::size_t> available) {
    std::vector<std::size_t> order(available.begin(), available.end());
    std::ranges::sort(order);
    const auto [first, last] = std::ranges::unique(order);
    order.erase(first, last);
    const ColumnCatalog::Run table = list.Table();
    for (std::size_t index : order) {
        if (index >= lists.available.size()) continue;
        const auto column = ColumnCatalog::FindInRangeByColumnId(table, lists.available[index].column_id);
        if (column != table.end() && list.Offers(*column)) list.Add(*column);
    }
}

void RemoveColumns(ColumnList& list, const ChooserLists& lists, std::span<const std::size_t> selected) {
    std::vector<std::size_t> positions;
    for (std::size_t index : selected) {
        if (index < lists.selected.size()) positions.push_back(lists.selected[index].position);
    }
    std::ranges::sort(positions, std::greater<>());
    const auto [first, last] = std::ranges::unique(positions);
    positions.erase(first, last);
    for (std::size_t position : positions) list.Remove(position);
}

std::optional<std::size_t> MoveColumnUp(ColumnList& list, const ChooserLists& lists, std::size_t i) {
    if (i == 0 || i >= lists.selected.size()) return std::nullopt;
    list.Move(lists.selected[i].position, lists.selected[i - 1].position);
    return i - 1;
}

std::optional<std::size_t> MoveColumnDown(ColumnList& list, const ChooserLists& lists, std::size_t i) {
    if (i + 1 >= lists.selected.size()) return std::nullopt;
    list.Move(lists.selected[i].position, lists.selected[i + 1].position + 1);
    return i + 1;
}

SelectedButtons SelectedButtonStates(std::size_t count, std::span<const std::size_t> selected) {
    SelectedButtons buttons;
    buttons.remove = !selected.empty();
    if (selected.size() == 1) {
        buttons.up = selected.front() > 0;
        buttons.down = selected.front() + 1 < count;
    }
    return buttons;
}

}  // namespace varnholt
