// GanttView.cpp - the chart's slots, its timescale services and the order of a paint.

#include "views/gantt/GanttView.h"

#include "layouts/Layout.h"
#include "layouts/layout_records.h"
#include "layouts/settings_file.h"
#include "model/Document.h"
#include "rows/display_scale.h"
#include "views/draw/device_coords.h"

#include <cmath>

namespace varnholt::view {

namespace {

constexpr std::int32_t kInitialFontSize = 14;
constexpr float kFontSize = 15.0f;

// 15 x scale with the fraction dropped, through the clamped conversion (a NaN scale gives 0).
std::int32_t ScaledFontSize() {
    return device::Narrow(device::Truncate(static_cast<double>(kFontSize * DisplayScale())).value_or(0));
}

}  // namespace

GanttView::GanttView()
    : m_header_style(TextStyle::New(L"Calibri", kInitialFontSize, Color::Black(), true)),
      m_label_style(TextStyle::New(L"Calibri", kInitialFontSize, Color::Black())) {
    SetScale();
    BuildTimescale();
}

GanttView::~GanttView() = default;

void GanttView::SetScale() {
    m_header_style->SetSize(ScaledFontSize());
    m_label_style->SetSize(ScaledFontSize());
}

TimescaleSettings* GanttView::Settings() const {
    if (m_document == nullptr || m_layout == nullptr || m_companion == nullptr) return nullptr;
    return m_layout->GetTimescale();
}

float GanttView::CellWidth() const {
    const TimescaleSettings* settings = Settings();
    return settings != nullptr ? settings->cell_width * DisplayScale() : 0.0f;
}

float GanttView::GetWidth() const { return Settings() != nullptr ? m_timescale.GetWidth(CellWidth()) : 0.0f; }

float GanttView::GetHeight() const { return m_companion != nullptr ? m_companion->GetHeight() : 0.0f; }

float GanttView::DateToX(const s_date& date) const {
    return Settings() != nullptr ? m_timescale.DateToX(date, CellWidth()) : 0.0f;
}

// A value that is no date maps like a date without value: to second 0.
float GanttView::ValueToX(const s_val& value, float cell) const {
    return m_timescale.SecondsToX(value.is_date() ? value.as_int64() : 0, cell);
}

void GanttView::BuildTimescale() {
    const TimescaleSettings* settings = Settings();
    if (settings != nullptr)
        m_timescale.BuildTimescale(*m_document, settings->unit);
    else
        m_timescale.ClearTiers();
}

void GanttView::BuildGridDates() {
    if (m_layout == nullptr) return;
    const TimescaleSettings* settings = m_layout->GetTimescale();
    m_timescale.BuildGridDates(settings != nullptr ? settings->unit : 0, layout_settings().gridlines_VerticalScale);
}

void GanttView::UpdateDataDate() { m_timescale.UpdateDataDate(m_document); }

void GanttView::Update() {
    BuildTimescale();
    BuildGridDates();
    UpdateDataDate();
}

GanttView::Frame GanttView::MakeFrame() const {
    Frame f;
    f.scale = DisplayScale();
    f.cell = CellWidth();
    f.hh = m_companion->GetHeaderHeight();
    f.rh = m_companion->GetRowHeight();
    f.width = GetWidth();
    f.height = GetHeight();
    f.ox = static_cast<float>(m_draw_context->GetOriginX());
    f.oy = static_cast<float>(m_draw_context->GetOriginY());
    f.unit = Settings()->unit;
    return f;
}

void GanttView::Draw(const RectF& visible) {
    if (Settings() == nullptr) return;
    const Frame f = MakeFrame();
    // A display scale of 0 or NaN leaves no cell width: nothing can be placed.
    if (!(std::isfinite(f.cell) && f.cell > 0.0f)) return;
    DrawNonWorkingTime(f, visible);
    DrawGrid(f, visible);
    DrawRows(f, visible);
    DrawDataDateLine(f, visible);
    DrawTimescaleHeader(visible);
}

}  // namespace varnholt::view
