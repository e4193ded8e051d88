// command_rules.h - when each ribbon command is enabled and when its button shows pressed.
// The frame describes its state in a CommandContext at every update and asks StateOf for
// each command id, so every rule lives here and can be tested without a window.
#pragma once

#include "shell/category_tabs.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace varnholt {

// The relationship list a detail tab shows, found by the tab's title.
enum class RelationshipTab : std::uint8_t { none, predecessors, successors };

struct CommandContext {
    // The frame holds a layout store and the store holds a document.
    bool document_loaded = false;
    bool read_from_xer = false;
    Category active_category = Category::activities;
    std::int32_t details_height = 0;  // the details pane's client height
    std::int32_t gantt_width = 0;     // the Gantt pane's client width
    // Whether the current layout of each kind exists, indexed by view::LayoutKind.
    std::array<bool, 4> has_current_layout{};
    bool details_shows_activity_view = false;
    RelationshipTab details_tab = RelationshipTab::none;
    bool gantt_has_content = false;
    bool relationship_lines = false;  // the flag of the chart in the Gantt pane
    std::size_t filter_count = 0;     // filters chosen in the current activity layout
    bool find_dialog_open = false;
};

struct CommandState {
    bool enabled = false;
    bool checked = false;
};

// Every id of the ribbon's command table and the options command; any other id is disabled.
[[nodiscard]] CommandState StateOf(int command_id, const CommandContext& context);

// The commands whose buttons stay pressed while their state is checked.
[[nodiscard]] bool IsToggleCommand(int command_id) noexcept;

// Which relationship list an activity detail tab of this title shows, by the same title
// comparison that places the details pane's lists.
[[nodiscard]] RelationshipTab RelationshipTabOf(std::wstring_view title);

}  // namespace varnholt
