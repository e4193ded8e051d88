// find_state.h - what the find dialog remembers between its instances, one record per table
// it searches; the main frame keeps the four records for the whole run.
#pragma once

#include <array>
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

}  // namespace varnholt
