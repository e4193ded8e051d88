// GanttBarPainter.cpp - the bars of one row as the layout's bar definitions call for them:
// body, start and end shapes, and labels that stack outwards from the bars drawn so far.
// Offsets are unscaled pixels from the row's top; an 18-pixel row keeps its bars between
// 5 and 13.

#include "views/gantt/GanttView.h"

#include "layouts/GanttBarSet.h"
#include "layouts/Layout.h"
#include "rows/Row.h"
#include "views/draw/device_coords.h"

#include <algorithm>
#include <vector>

namespace varnholt::view {

namespace {

constexpr float kLabelGap = 10.0f;
constexpr std::uint32_t kBarLabelFormat = kTextVCenter | kTextSingleLine;

struct BodyBand {
    float top;
    float height;
};
// Body kinds 1-6: full bar, upper half, lower half, thin top line, centred half bar, thin
// bottom line.
constexpr BodyBand kBodies[] = {{5, 8}, {5, 4}, {9, 4}, {5, 2}, {7, 4}, {11, 2}};

// End shapes by kind, points relative to the bar's corner; kinds without points draw nothing.
struct EndShape {
    std::int32_t kind;
    std::vector<PointF> points;
};
const std::vector<EndShape>& EndShapes() {
    static const std::vector<EndShape> shapes = {
        {2, {{-4, 5}, {0, 13}, {4, 5}}},                  // triangle pointing down
        {4, {{-4, 9}, {0, 5}, {4, 9}, {0, 13}}},          // diamond
        {5, {{-4, 13}, {-4, 9}, {0, 5}, {4, 9}, {4, 13}}},  // pentagon pointing up
        {12, {{-1, 5}, {-1, 9}, {3, 13}, {3, 5}}},
        {13, {{-1, 9}, {-1, 13}, {3, 13}, {3, 5}}},
        {14, {{-4, 5}, {-4, 13}, {0, 9}, {0, 5}}},
        {15, {{-4, 5}, {-4, 13}, {0, 13}, {0, 9}}},
    };
    return shapes;
}


bool IsRecordRow(const Row& row) { return row.IsActivityRow() || row.IsWBSRow() || row.IsProjectRow(); }

// A summary bar belongs to group rows; any other bar to the record rows its filter list
// accepts. Without a filter list it is drawn on no row; an empty one passes every row.
bool BarApplies(const GanttBar& bar, const Row& row) {
    if (!bar.visible) return false;
    if (bar.summary) return row.IsGroupRow();
    if (!IsRecordRow(row) || bar.filter == nullptr) return false;
    return bar.filter->filters.empty() || bar.filter->Match(row);
}

}  // namespace

void GanttView::DrawActivityRow(const Frame& f, const Row& row, float y) {
    const GanttBarSet* bars = m_layout->GetGanttBars();
    if (bars == nullptr) return;
    float left = -1.0f, right = -1.0f;  // extent of the bars drawn so far; -1: none
    for (const auto& bar : bars->bars) {
        if (!BarApplies(*bar, row)) continue;
        const s_val& start = row.GetFieldValue(bar->start_field);
        // A bar needs a start; an empty end keeps it at zero width.
        if (!IsPlaceableDate(start)) continue;
        const float x1 = WholePixel(ValueToX(start, f.cell));
        const float x2 = std::max(WholePixel(ValueToX(row.GetFieldValue(bar->end_field), f.cell)), x1);
        const RectF r{x1, WholePixel(y), x2 - x1, WholePixel(f.rh)};

        if (left == -1.0f && right == -1.0f) {
            if (x1 >= 0.0f) left = x1;
            if (x2 >= 0.0f) right = x2;
        } else {
            left = std::min(left, x1);
            right = std::max(right, x2);
        }
        DrawBar(f, r, bar->mid_rect.get());
        DrawBarEndShapes(f, r.TopLeft(), bar->start_point.get());
        DrawBarEndShapes(f, r.TopRight(), bar->end_point.get());
        if (left != -1.0f && right != -1.0f) DrawBarLabels(f, *bar, row, {left, y, right - left, f.rh});
    }
}

void GanttView::DrawBar(const Frame& f, const RectF& r, const GanttBarShape* shape) {
    if (shape == nullptr || shape->shape < 1 || shape->shape > 6) return;
    const BodyBand& band = kBodies[shape->shape - 1];
    const RectF body{r.x, r.y + band.top * f.scale, r.width, band.height * f.scale};
    m_draw_context->FillRect(shape->GetColor(), body);
    m_draw_context->FrameRect(1.0f, shape->GetBorderColor(), body.x, body.y, body.width, body.height);
}

void GanttView::DrawBarEndShapes(const Frame& f, PointF at, const GanttBarShape* shape) {
    if (shape == nullptr || shape->shape == 0) return;
    for (const EndShape& end : EndShapes()) {
        if (end.kind != shape->shape) continue;
        std::vector<PointF> polygon;
        polygon.reserve(end.points.size() + 1);
        for (const PointF& p : end.points) polygon.push_back({at.x + p.x * f.scale, at.y + p.y * f.scale});
        polygon.push_back(polygon.front());  // closed
        m_draw_context->FillPolygon(shape->GetColor(), polygon);
        m_draw_context->DrawPolyline(shape->GetBorderColor(), polygon);
        return;
    }
}

void GanttView::DrawBarLabels(const Frame& f, const GanttBar& bar, const Row& row, const RectF& extent) {
    const float gap = kLabelGap * f.scale;
    float left_edge = extent.x - gap, right_edge = extent.Right() + gap;
    for (const auto& label : bar.labels) {
        const std::wstring text = row.GetFieldValue(label->field).to_string();
        const float w = m_draw_context->MeasureText(*m_label_style, text).width;
        RectF place{};
        if (label->position == kLabelRight) {
            place = {right_edge, extent.y, w, extent.height};
            right_edge += w + gap;
        } else if (label->position == kLabelLeft) {
            place = {left_edge - w, extent.y, w, extent.height};
            left_edge -= w + gap;
        }
        m_draw_context->DrawTextWithFont(m_label_style->font_block, Color::Black(), text, kBarLabelFormat, place);
    }
}

}  // namespace varnholt::view
