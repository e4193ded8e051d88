// find_state.h - what the find dialog remembers between its instances, one record per table
// it searches; the main frame keeps the four records for the whole run.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace varnholt {

struct FindState {
    std::int32_t column_id = 0;  // the column searched
    bool whole_text = false;
    bool match_case = false;
    bool search_down = true;
};

// Activity, WBS, project and resource tables, in that order.
enum class FindTable : std::uint8_t { activities, wbs, projects, resources };

// Each table starts searching its name column.
[[nodiscard]] constexpr std::array<FindState, 4> DefaultFindStates() noexcept {
    return {FindState{132}, FindState{510}, FindState{330}, FindState{535}};
}

// The table the find dialog searches, numbered as the dialog numbers it. The order differs
// from FindTable's, so every crossing between the two goes through the pair below.
enum class SearchKind : std::int32_t { activities = 0, projects = 1, wbs = 2, resources = 3 };

[[nodiscard]] constexpr FindTable FindTableOf(SearchKind kind) noexcept {
    switch (kind) {
    case SearchKind::activities: return FindTable::activities;
    case SearchKind::projects: return FindTable::projects;
    case SearchKind::wbs: return FindTable::wbs;
    case SearchKind::resources: return FindTable::resources;
    }
    return FindTable::activities;
}

[[nodiscard]] constexpr SearchKind SearchKindOf(FindTable table) noexcept {
    switch (table) {
    case FindTable::activities: return SearchKind::activities;
    case FindTable::wbs: return SearchKind::wbs;
    case FindTable::projects: return SearchKind::projects;
    case FindTable::resources: return SearchKind::resources;
    }
    return SearchKind::activities;
}

// The frame's record of a kind.
[[nodiscard]] constexpr FindState& FindStateOf(std::array<FindState, 4>& states, SearchKind kind) noexcept {
    return states[static_cast<std::size_t>(FindTableOf(kind))];
}

}  // namespace varnholt
