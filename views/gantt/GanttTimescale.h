// GanttTimescale.h - the Gantt chart's two-tier timescale as plain values: the date span of a
// schedule, the cell starts of both tiers, the grid-line dates, the data date, the date-to-x
// mapping and the cell labels. Nothing here draws; the chart owns one and paints from it.
//
// Dates are stepped on their 64-bit seconds with UTC calendar fields; weeks start on Sunday.
// Floats appear only in pixel positions.
#pragma once

#include "model/s_date.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace varnholt::document { class Document; }

namespace varnholt::view {

// Lower cells added before the earliest and after the latest date.
inline constexpr std::int32_t kMarginCells = 5;
// The lower tier and the grid dates stop here (then the closing entry): a century of hour
// cells stays below it, and a damaged year-99999 date cannot ask for gigabytes.
inline constexpr std::size_t kMaxTimescaleCells = 1'000'000;

// The layout's unit numbers that have cells: 1-6 and 8. Unit 7 and anything a layout file may
// hold outside 1-8 give an empty timescale.
[[nodiscard]] bool HasCells(std::int32_t unit) noexcept;

// A date with a value after 1970-01-01 00:00. The dates that display empty (no value, or the
// zero date a workbook gives an empty cell) neither widen the span nor place a bar or line.
[[nodiscard]] bool IsPlaceableDate(const s_val& value);

// The span of the activities: the earliest start (field 82) and the latest finish (field 70).
// Dates without a value or at or before 0 s (the ones that display empty) are skipped; without
// a usable finish the latest date is the latest usable start and the other way round. With no
// usable date at all: earliest blank (0 s), latest 1970-01-01 00:00.
[[nodiscard]] s_date GetEarliestDate(const document::Document& doc);
[[nodiscard]] s_date GetLatestDate(const document::Document& doc);

// Aligns a span to the cell boundaries of a unit (unit index = unit - 1) with `margin` lower
// cells on either side; the upper start goes back to the start of its upper cell. All four
// dates are in-out. Public for printing, which aligns its own date range.
void AlignToUnit(std::int32_t unit_index, s_date& start, s_date& end, std::int32_t margin,
                 s_date& upper_start, s_date& upper_end);
// Steps a date in place to the start of the next cell of the lower or the upper tier. A unit
// index without cells leaves the date as it is.
void NextCellStart(s_date& date, bool lower_tier, std::int32_t unit_index);

// The label of one cell; empty for a unit without cells.
[[nodiscard]] std::wstring FormatCellLabel(const s_date& date, std::int32_t unit, bool lower_tier);

// The lower cells a pane shows: [first, end) over the lower tier, two cells more than fit.
struct CellWindow {
    std::size_t first = 0;
    std::size_t end = 0;
    [[nodiscard]] bool empty() const noexcept { return first >= end; }
};

class GanttTimescale {
public:
    // Empties both tiers (a chart without document, layout, timescale or companion).
    void ClearTiers() noexcept {
        lowerTierDates.clear();
        upperTierDates.clear();
    }

    // Fills both tiers for the document's span at the unit; empty for a document without
    // activities or a unit without cells.
    void BuildTimescale(const document::Document& doc, std::int32_t unit);
    // Fills the grid dates from the lower tier: spacing 2 months, 4 weeks, 5 days, any other
    // none. Clears the stale flag.
    void BuildGridDates(std::int32_t unit, std::int32_t spacing);
    // The earliest project data date; blank without a document or when the file has no
    // data-date column.
    void UpdateDataDate(const document::Document* doc);

    // Content width: one cell per lower entry, the closing one included; 0 when the cell
    // width is not a positive finite number.
    [[nodiscard]] float GetWidth(float cell) const;
    // The x of a date, linear over the span: the first entry at 0, the closing one at
    // GetWidth - cell. 0 with fewer than two entries or an unusable cell width.
    [[nodiscard]] float DateToX(const s_date& date, float cell) const { return SecondsToX(date.seconds, cell); }
    [[nodiscard]] float SecondsToX(std::int64_t seconds, float cell) const;
    // The lower cells visible from horizontal origin `origin_x` over `visible_width` pixels,
    // within the tier's bounds; empty for an unusable cell width or an origin past the end.
    [[nodiscard]] CellWindow VisibleCells(float origin_x, float visible_width, float cell) const;

    // First and last lower entry, or a blank date without entries.
    [[nodiscard]] s_date GetStartDate() const;
    [[nodiscard]] s_date GetEndDate() const;

    [[nodiscard]] const std::vector<s_date>& LowerTierDates() const noexcept { return lowerTierDates; }
    [[nodiscard]] const std::vector<s_date>& UpperTierDates() const noexcept { return upperTierDates; }
    [[nodiscard]] const std::vector<s_date>& GridDates() const noexcept { return gridDates; }
    [[nodiscard]] const s_date& DataDate() const noexcept { return dataDate; }
    [[nodiscard]] bool GridDatesStale() const noexcept { return gridDatesStale; }
    // The options sheet changed the grid settings: rebuild before the next paint.
    void MarkGridDatesStale() noexcept { gridDatesStale = true; }

private:
    std::vector<s_date> lowerTierDates;  // cell starts in time order, then the closing entry
    std::vector<s_date> upperTierDates;  // likewise
    std::vector<s_date> gridDates;
    bool gridDatesStale = true;
    s_date dataDate = BlankDate();

    [[nodiscard]] static s_date BlankDate();
};

}  // namespace varnholt::view
