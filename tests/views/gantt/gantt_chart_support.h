// gantt_chart_support.h - a Gantt chart under test: a document of hand-made activities, a
// layout with bars and a timescale, and a small companion table whose visible rows the test
// lists itself (activity rows and hand-made group rows), all painted by the fake host.
#pragma once

#include "columns/ColumnCatalog.h"
#include "layouts/GanttBarSet.h"
#include "layouts/Layout.h"
#include "layouts/layout_records.h"
#include "layouts/settings_file.h"
#include "model/CaptionCatalog.h"
#include "model/Document.h"
#include "model/records/CalendarRecord.h"
#include "model/records/TaskPredRecord.h"
#include "model/records/TaskRecord.h"
#include "model/s_enums.h"
#include "model/s_hour.h"
#include "rows/ActivityRow.h"
#include "rows/RecordRows.h"
#include "rows/display_scale.h"
#include "tests/views/support/FakeHost.h"
#include "views/core/RowList.h"
#include "views/gantt/GanttView.h"
#include "views/grid/GroupRow.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

namespace varnholt::view::gantt_test {

enum class FileKind { xer, workbook_with_lines, workbook_without_lines };

class ChartDocument final : public document::Document {
public:
    bool Open(std::wstring_view) override { return false; }
    void Build() override {}
    [[nodiscard]] bool IsXer() const override { return kind == FileKind::xer; }
    [[nodiscard]] bool IsXls() const override { return kind != FileKind::xer; }
    [[nodiscard]] bool ShowsRelationshipLines() const override { return kind == FileKind::workbook_with_lines; }
    FileKind kind = FileKind::xer;
};

class ChartLayout final : public Layout {
public:
    ChartLayout() : Layout(LayoutKind::activity) {}
    [[nodiscard]] GanttBarSet* GetGanttBars() override { return &bars; }
    [[nodiscard]] TimescaleSettings* GetTimescale() override { return &timescale; }
    GanttBarSet bars;
    TimescaleSettings timescale;
};

// The table beside the chart: header 30 and rows 18, times the display scale.
class CompanionTable final : public View {
public:
    [[nodiscard]] float GetWidth() const override { return 300.0f; }
    [[nodiscard]] float GetHeight() const override {
        return GetHeaderHeight() + static_cast<float>(GetRowList().Size()) * GetRowHeight();
    }
    [[nodiscard]] float GetHeaderHeight() const override { return 30.0f * DisplayScale(); }
    [[nodiscard]] float GetRowHeight() const override { return row_height * DisplayScale(); }
    void Update() override {}
    void Draw(const RectF&) override {}

    // Lists the row at the end of the visible rows; the table keeps it.
    Row& List(std::unique_ptr<Row> row) {
        Row& listed = *m_rows.emplace_back(std::move(row));
        GetRowList().Append(listed);
        if (const TaskRecord* activity = listed.GetActivity()) GetRowList().MapActivity(*activity, listed);
        return listed;
    }

    float row_height = 18.0f;

private:
    std::vector<std::unique_ptr<Row>> m_rows;
};

inline constexpr std::uint32_t kBarFill = 0xFF0000FF;
inline constexpr std::uint32_t kBarBorder = 0xFF00FF00;
inline constexpr const char* kFill = "ff0000ff";
inline constexpr const char* kBorder = "ff00ff00";
inline constexpr const char* kConnector = "ff323232";

// Monday 4 March 2024 + days, at 00:00.
inline s_date Day(std::int32_t days) { return s_date::from_seconds(s_date::from_ymd(2024, 3, 4).seconds + days * 86400LL); }

class GanttChartTest : public testing::Test {
protected:
    void SetUp() override {
        CaptionCatalog::Instance().Reset();
        CaptionCatalog::Instance().ChooseLanguage(L"ENU");
        ColumnCatalog::Instance().BuildAllColumns();
        ResetLayoutSettings();
        DisplayScale() = 1.0f;
        layout.timescale = {5, 50.0f};
        chart.SetDocument(&doc);
        chart.SetLayout(&layout);
        chart.SetCompanion(&table);
        host.Attach(chart, 600, 400);
    }
    void TearDown() override {
        DisplayScale() = 1.0f;
        ResetLayoutSettings();
        ColumnCatalog::Instance().Reset();
        CaptionCatalog::Instance().Reset();
    }

    TaskRecord* AddActivity(const s_date& start, const s_date& finish, std::wstring_view code = L"A1") {
        TaskRecord* task = doc.NewTask();
        task->start_date = start;
        task->end_date = finish;
        task->task_code = s_string(code);
        return task;
    }
    Row& ListActivity(const TaskRecord* task) { return table.List(std::make_unique<ActivityRow>(task)); }
    // A group row over the activities: its dates are their earliest start and latest finish.
    void ListGroup(std::initializer_list<const TaskRecord*> members) {
        auto group = std::make_unique<GroupRow>(std::make_unique<ActivityGroupItem>(m_group_by, &doc, m_group_key, nullptr));
        for (const TaskRecord* member : members) group->AddChild(std::make_unique<ActivityRow>(member));
        table.List(std::move(group));
    }
    // A bar over the activity dates with the body kind, and a filter list that passes every row.
    GanttBar& AddBar(std::int32_t body_kind, std::int32_t start_field = 82, std::int32_t end_field = 70) {
        GanttBar& bar = layout.bars.AddBar(L"bar", start_field, end_field, true, false);
        bar.mid_rect = Shape(body_kind);
        bar.filter = std::make_unique<FilterSelection>(0);
        return bar;
    }
    static std::unique_ptr<GanttBarShape> Shape(std::int32_t kind) {
        auto shape = std::make_unique<GanttBarShape>();
        shape->shape = kind;
        shape->color = kBarFill;
        shape->border_color = kBarBorder;
        return shape;
    }
    TaskPredRecord* Link(TaskRecord* predecessor, TaskRecord* successor, std::int32_t type) {
        TaskPredRecord* link = doc.NewTaskPred();
        link->pred_type = s_relationship_type(type);
        LinkRelationship(*link, successor, predecessor);
        return link;
    }
    CalendarRecord* AddWeekdayCalendar() {
        CalendarRecord* calendar = doc.NewCalendar();
        calendar->default_flag = s_bool(true);
        for (std::int32_t weekday = 2; weekday <= 6; ++weekday)
            calendar->AddWeekdayPeriod(calendar->GetWeekday(weekday), s_hour(8u * 60), s_hour(17u * 60));
        return calendar;
    }

    // Updates and paints; the recorded lines that start with `prefix` and contain `part`.
    std::vector<std::string> Paint(const std::string& prefix = "", const std::string& part = "") {
        chart.Update();
        host.Paint(chart);
        std::vector<std::string> lines;
        for (const std::string& line : host.Backend(chart).Lines())
            if (line.starts_with(prefix) && line.find(part) != std::string::npos) lines.push_back(line);
        return lines;
    }

    ChartDocument doc;
    ChartLayout layout;
    CompanionTable table;
    GanttView chart;
    test_support::FakeHost host;

private:
    const GroupBy m_group_by{.field = 132};
    const s_string m_group_key{L"Group"};
};

}  // namespace varnholt::view::gantt_test
