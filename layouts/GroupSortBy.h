// GroupSortBy.h - how a layout groups and sorts its rows: the group-by fields (outermost
// first), the sort keys (first key first) and the colours of each group depth.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace varnholt {

// Colour words hold the alpha in the top byte; layouts always use opaque colours.
using ColorWord = std::uint32_t;
inline constexpr ColorWord kOpaqueBlack = 0xFF000000;

// A colour as layout files write it (a decimal number, red in the low byte) as a colour word:
// its low 24 bits, made opaque.
[[nodiscard]] constexpr ColorWord ColorFromFileNumber(std::int64_t number) noexcept {
    return kOpaqueBlack | (static_cast<ColorWord>(number) & 0x00FFFFFF);
}

// Date units of a group-by on a date column.
inline constexpr std::int32_t kGroupDateNone = 0;
inline constexpr std::int32_t kGroupDateDay = 2;
inline constexpr std::int32_t kGroupDateWeek = 3;
inline constexpr std::int32_t kGroupDateMonth = 4;
inline constexpr std::int32_t kGroupDateQuarter = 5;
inline constexpr std::int32_t kGroupDateYear = 6;

struct GroupBy {
    std::int32_t field = 0;  // a column id
    bool include_all = false;
    std::int32_t date_unit = kGroupDateNone;
};

inline constexpr std::int32_t kSortAscending = 0;
inline constexpr std::int32_t kSortDescending = 1;

struct SortBy {
    std::int32_t field = 0;  // a field id
    std::int32_t sort_type = kSortAscending;
};

class GroupLevel {
public:
    explicit GroupLevel(ColorWord back) : back_color(back) {}

    [[nodiscard]] ColorWord GetBackColor() const noexcept { return back_color; }
    [[nodiscard]] ColorWord GetColor() const noexcept { return color; }

    ColorWord back_color;
    std::wstring text;
    ColorWord color = kOpaqueBlack;  // the text colour
};

class GroupSortBy {
public:
    // Appends {field, not include-all, no date unit}; the reader sets the other two.
    GroupBy& AddGroupBy(std::int32_t field);
    // The grid views call it too, when a column header is clicked.
    SortBy& AddSortBy(std::int32_t field, std::int32_t sort_type);
    void ClearSortBys() { sort_bys.clear(); }
    GroupLevel& AddLevel(ColorWord back_color);

    // Owned elements, so that a reference handed out stays valid while the lists grow.
    std::vector<std::unique_ptr<GroupBy>> group_bys;
    std::vector<std::unique_ptr<SortBy>> sort_bys;
    std::vector<std::unique_ptr<GroupLevel>> levels;  // one per group depth, outermost first
};

}  // namespace varnholt
