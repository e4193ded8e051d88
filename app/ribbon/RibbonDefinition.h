// RibbonDefinition.h - what the ribbon's six category pages hold: their panels and, in each,
// the controls with their labels, kinds, command ids and pictures. Static data; the ribbon
// builder turns it into windows.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace varnholt::ribbon {

enum class ControlKind : std::uint8_t {
    button,            // a large button of a button bar
    toggle,            // a large button that shows a checked state
    layout_choice,     // a drop-down list, 150 pixels wide
    timescale_choice,  // a drop-down list, 108 pixels wide
    zoom_slider,       // a slider of 80 pixels with a zoom-out and a zoom-in button
};

enum class Glyph : std::uint8_t {
    details, gantt, table, predecessors, successors, expand, collapse, go_to, relationships,
    calendar, shifts, filter, find, zoom_in, zoom_out, layout, timescale,
};

struct ControlDef {
    ControlKind kind;
    int id;
    std::string_view label;
    Glyph glyph;
};

struct PanelDef {
    std::string_view label;
    Glyph glyph;  // the picture shown when the panel is too narrow for its controls
    std::span<const ControlDef> controls;
};

struct CategoryDef {
    std::string_view label;
    std::span<const PanelDef> panels;
};

// The six categories in tab order (tab pages 1 to 6).
[[nodiscard]] std::span<const CategoryDef> Categories() noexcept;

}  // namespace varnholt::ribbon
