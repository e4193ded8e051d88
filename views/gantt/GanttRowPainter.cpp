// GanttRowPainter.cpp - the chart area: its frame, the bands of the companion's visible rows
// and the relationship lines between activities. Ends of a relationship are found through the
// companion's row list; an end that is not listed draws nothing.

#include "columns/field_ids.h"
#include "views/gantt/GanttView.h"

#include "model/Document.h"
#include "model/records/TaskPredRecord.h"
#include "model/records/TaskRecord.h"
#include "rows/Row.h"
#include "views/core/RowList.h"
#include "views/draw/device_coords.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace varnholt::view {

namespace {

// The date fields a relationship joins, by type FF, FS, SF, SS: {predecessor, successor}.
constexpr std::array<std::array<std::int32_t, 2>, 4> kLineFields = {
    {{kFinishField, kFinishField}, {kFinishField, kStartField}, {kStartField, kFinishField}, {kStartField, kStartField}}};

std::size_t RowIndex(double value, std::size_t limit) {
    return static_cast<std::size_t>(std::clamp<std::int64_t>(device::Truncate(value).value_or(0), 0,
                                                              static_cast<std::int64_t>(limit)));
}

}  // namespace

void GanttView::DrawRows(const Frame& f, const RectF& visible) {
    DrawContext& dc = *m_draw_context;
    dc.DrawLine(kPenSolid, 1.0f, Color::Gray(), 0.0f, 0.0f, 0.0f, f.height);
    dc.DrawLine(kPenSolid, 1.0f, Color::Gray(), f.width, 0.0f, f.width, f.height);
    dc.DrawLine(kPenSolid, 1.0f, Color::Gray(), 0.0f, f.height, f.width, f.height);
    if (!CanPlaceDates() || !(std::isfinite(f.rh) && f.rh > 0.0f)) return;

    const RowList& rows = m_companion->GetRowList();
    const std::size_t first = RowIndex(static_cast<double>(f.oy) / f.rh, rows.Size());
    const std::size_t end = std::min(first + RowIndex(static_cast<double>(visible.height) / f.rh, rows.Size()),
                                     rows.Size());
    for (std::size_t i = first; i < end; ++i) {
        const Row* row = rows.At(i);
        if (row == nullptr) continue;
        DrawActivityRow(f, *row, f.hh + static_cast<float>(i) * f.rh);
        if (m_show_relationships && row->IsActivityRow() && DrawsRelationshipLines()) DrawRelationships(f, *row);
    }
}

bool GanttView::DrawsRelationshipLines() const {
    return m_document->IsXer() || (m_document->IsXls() && m_document->ShowsRelationshipLines());
}

// Both lists are walked, so a line whose ends are both visible is drawn twice on the same
// pixels, and one whose other end is scrolled away still shows from this end.
void GanttView::DrawRelationships(const Frame& f, const Row& row) {
    const TaskRecord* activity = row.GetActivity();
    if (activity == nullptr) return;
    const RowList& rows = m_companion->GetRowList();
    for (const TaskPredRecord* link : activity->successors) {
        if (const Row* other = rows.FindActivityRow(link->successor))
            DrawRelationshipLine(f, row, *other, link->pred_type.value);
    }
    for (const TaskPredRecord* link : activity->predecessors) {
        if (const Row* other = rows.FindActivityRow(link->predecessor))
            DrawRelationshipLine(f, *other, row, link->pred_type.value);
    }
}

void GanttView::DrawRelationshipLine(const Frame& f, const Row& predecessor, const Row& successor,
                                     std::int32_t type) {
    if (predecessor.index == -1 || successor.index == -1 || type < 0 || type > 3) return;
    const auto [from_field, to_field] = kLineFields[static_cast<std::size_t>(type)];
    const s_val& from = predecessor.GetFieldValue(from_field);
    const s_val& to = successor.GetFieldValue(to_field);
    if (!IsPlaceableDate(from) || !IsPlaceableDate(to)) return;
    const float y1 = f.hh + static_cast<float>(predecessor.index) * f.rh + f.rh * 0.5f;
    const float y2 = f.hh + static_cast<float>(successor.index) * f.rh + f.rh * 0.5f;
    m_draw_context->DrawPolygon(type, Color::DarkGray(), ValueToX(from, f.cell), y1, ValueToX(to, f.cell), y2);
}

}  // namespace varnholt::view
