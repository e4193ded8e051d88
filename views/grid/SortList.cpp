// SortList.cpp - the comparison behind header-click sorts.
#include "views/grid/SortList.h"

#include "model/records/ProjWbsRecord.h"
#include "model/records/ProjectRecord.h"
#include "model/records/TaskRecord.h"

#include <optional>
#include <utility>

namespace varnholt::view {
namespace {

template <class Record>
std::optional<std::pair<std::int32_t, std::int32_t>> Orders(const Record* a, const Record* b) {
    if (a == nullptr || b == nullptr) return std::nullopt;
    return std::pair{a->load_order.value, b->load_order.value};
}

// The places in the file of two rows of one record kind, or nullopt for any other pair.
std::optional<std::pair<std::int32_t, std::int32_t>> LoadOrders(const Row& a, const Row& b) {
    if (a.IsActivityRow() && b.IsActivityRow()) return Orders(a.GetActivity(), b.GetActivity());
    if (a.IsWBSRow() && b.IsWBSRow()) return Orders(a.GetWBS(), b.GetWBS());
    if (a.IsProjectRow() && b.IsProjectRow()) return Orders(a.GetProject(), b.GetProject());
    return std::nullopt;
}

// A row as the comparison sees it: its kind and its values of the sort keys, read from the
// row each time (Live) or once before the sort (Keyed).
struct LiveSide {
    const Row& row;
    const GroupSortBy* sort;  // the keys, or
    const SortBy* only_key;   // the one key
    [[nodiscard]] bool activity() const { return row.IsActivityRow(); }
    [[nodiscard]] bool group() const { return row.IsGroupRow(); }
    [[nodiscard]] const s_val& value(std::size_t key) const {
        return row.GetCodeValue(only_key != nullptr ? only_key->field : sort->sort_bys[key]->field);
    }
};
struct KeyedSide {
    std::unique_ptr<Row> row;
    const s_val* const* values = nullptr;
    bool is_activity = false, is_group = false;
    [[nodiscard]] bool activity() const { return is_activity; }
    [[nodiscard]] bool group() const { return is_group; }
    [[nodiscard]] const s_val& value(std::size_t key) const { return *values[key]; }
};

// One key's verdict on two rows.
template <class Side>
std::int32_t CompareSides(const Side& a, const Side& b, std::size_t key, const SortBy& item) {
    if (a.activity() && b.group()) return SortList::kFirstFirst;
    if (a.group() && b.activity()) return SortList::kSecondFirst;
    const bool ascending = item.sort_type == kSortAscending;
    const std::int32_t first = ascending ? SortList::kFirstFirst : SortList::kSecondFirst;
    const std::int32_t second = ascending ? SortList::kSecondFirst : SortList::kFirstFirst;
    const s_val& va = a.value(key);
    const s_val& vb = b.value(key);
    const bool a_none = s_val::is_null_value(&va), b_none = s_val::is_null_value(&vb);
    if (a_none && b_none) return SortList::kNoPreference;
    if (a_none) return second;
    if (b_none) return first;
    if (va.less(vb)) return first;
    if (va.greater(vb)) return second;
    return SortList::kNoPreference;
}

template <class Side>
bool LessSides(const Side& a, const Side& b, const Row& row_a, const Row& row_b, const GroupSortBy& sort) {
    if (sort.sort_bys.empty()) return false;
    for (std::size_t i = 0; i < sort.sort_bys.size(); ++i) {
        const std::int32_t result = CompareSides(a, b, i, *sort.sort_bys[i]);
        if (result != SortList::kNoPreference) return result == SortList::kFirstFirst;
    }
    const auto orders = LoadOrders(row_a, row_b);
    if (!orders) return false;
    return sort.sort_bys.front()->sort_type == kSortAscending ? orders->first < orders->second
                                                               : orders->first > orders->second;
}

}  // namespace

std::int32_t SortList::CompareKey(const Row& a, const Row& b, const SortBy& item) {
    return CompareSides(LiveSide{a, nullptr, &item}, LiveSide{b, nullptr, &item}, 0, item);
}

bool SortList::Less(const Row& a, const Row& b, const GroupSortBy& sort) {
    return LessSides(LiveSide{a, &sort, nullptr}, LiveSide{b, &sort, nullptr}, a, b, sort);
}

void SortList::Sort(std::vector<std::unique_ptr<Row>>& rows, const GroupSortBy& sort) {
    if (sort.sort_bys.empty() || rows.size() < 2) return;
    // A row's values are references into its record or its group's summaries, so they can be
    // read once and compared many times; so can its kind.
    const std::size_t keys = sort.sort_bys.size();
    std::vector<const s_val*> values(rows.size() * keys);
    std::vector<KeyedSide> keyed(rows.size());
    for (std::size_t r = 0; r < rows.size(); ++r) {
        for (std::size_t k = 0; k < keys; ++k) values[r * keys + k] = &rows[r]->GetCodeValue(sort.sort_bys[k]->field);
        const bool activity = rows[r]->IsActivityRow(), group = rows[r]->IsGroupRow();
        keyed[r] = {std::move(rows[r]), &values[r * keys], activity, group};
    }
    StableSortRange(keyed.begin(), keyed.end(),
                    [&sort](const KeyedSide& a, const KeyedSide& b) { return LessSides(a, b, *a.row, *b.row, sort); });
    for (std::size_t r = 0; r < rows.size(); ++r) rows[r] = std::move(keyed[r].row);
}

}  // namespace varnholt::view
