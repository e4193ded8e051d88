// SheetGrid.h - where a detail view puts its labels, values and box titles: three columns of
// label/value pairs beside the tab strip, one text line every 24 units. Lengths are unscaled
// units times the display scale of the paint; the tab column width stays as it was built.
#pragma once

#include "rows/Geometry.h"

#include <cstdint>

namespace varnholt::view {

struct SheetGrid {
    float scale = 1.0f;      // DisplayScale at the time of painting
    float tab_width = 0.0f;  // the strip's width, fixed when the view was built

    static constexpr float kColumnStep = 350.0f;
    static constexpr float kLabelInset = 30.0f;    // from the strip to the first label
    static constexpr float kValueOffset = 130.0f;  // label x to value x
    static constexpr float kLabelWidth = 120.0f;
    static constexpr float kValueWidth = 200.0f;
    static constexpr float kLineStep = 24.0f;
    static constexpr float kLineHeight = 20.0f;
    static constexpr float kUnderlineLength = 320.0f;
    static constexpr std::int32_t kBoxTitleLine = 3;  // box rows follow from line 4
    static constexpr float kLabelClearance = 10.0f;   // kept free before a label that reaches left

    [[nodiscard]] constexpr float LabelX(std::int32_t column) const {
        return tab_width + kLabelInset * scale + kColumnStep * scale * static_cast<float>(column);
    }
    [[nodiscard]] constexpr float ValueX(std::int32_t column) const { return LabelX(column) + kValueOffset * scale; }
    // Line n (from 1) has its top at 24 units times n.
    [[nodiscard]] constexpr float LineY(std::int32_t line) const { return kLineStep * scale * static_cast<float>(line); }

    [[nodiscard]] constexpr RectF LabelCell(std::int32_t column, std::int32_t line) const {
        return {LabelX(column), LineY(line), kLabelWidth * scale, kLineHeight * scale};
    }
    [[nodiscard]] constexpr RectF ValueCell(std::int32_t column, std::int32_t line) const {
        return {ValueX(column), LineY(line), kValueWidth * scale, kLineHeight * scale};
    }
    // A box title sits in the label cell of line 3; `height` is in unscaled units.
    [[nodiscard]] constexpr RectF BoxTitleCell(std::int32_t column, float height) const {
        return {LabelX(column), LineY(kBoxTitleLine), kLabelWidth * scale, height * scale};
    }
    // How far a label too wide for its cell may reach left into the gap before it (from the
    // tab strip, or from the value cell of the column before), keeping clear of what lies there.
    [[nodiscard]] constexpr float LabelReach(std::int32_t column) const {
        const float gap = column == 0 ? kLabelInset : kColumnStep - kValueOffset - kValueWidth;
        return (gap - kLabelClearance) * scale;
    }
    // The line under the header pair, and the line under each box title.
    [[nodiscard]] constexpr float SeparatorY() const { return LineY(2); }
    [[nodiscard]] constexpr float UnderlineY() const { return LineY(kBoxTitleLine + 1); }
    [[nodiscard]] constexpr float UnderlineLength() const { return kUnderlineLength * scale; }
};

}  // namespace varnholt::view
