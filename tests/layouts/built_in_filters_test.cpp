// built_in_filters_test.cpp - which activities of a small schedule each filter that every
// layout store starts with passes.

#include "layouts/LayoutStore.h"
#include "layouts/built_in_filters.h"
#include "layouts_test_support.h"
#include "model/records/TaskRecord.h"
#include "model/s_dur.h"
#include "model/s_enums.h"
#include "model/s_string.h"
#include "rows/ActivityRow.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace varnholt {
namespace {

using testing_layouts::LayoutsTest;
using testing_layouts::SketchDocument;

class BuiltInFiltersTest : public LayoutsTest {};

// One activity of the small schedule below.
struct Sketch {
    const wchar_t* code;
    std::int32_t status;  // 0 completed, 1 in progress, 2 not started
    std::int32_t type;    // 0 task, 1 resource, 2 level of effort, 3 start and 4 finish milestone, 5 WBS
    bool critical = false;
    bool driving = false;
    std::int32_t constraint = 0;
    std::int32_t second_constraint = 0;
    double total_float = 8.0;
};

TEST_F(BuiltInFiltersTest, EachPassesTheActivitiesItNames) {
    const Sketch sketches[] = {
        {L"A100", 0, 0}, {L"A200", 1, 1, true, true, 2},
        {L"A300", 2, 3, false, false, 0, 6}, {L"A400", 2, 2, false, false, 0, 0, -8.0},
        {L"A500", 0, 4, false, true, 9}, {L"A600", 1, 5, false, false, 0, 3, 0.0},
    };
    SketchDocument document;
    for (const Sketch& sketch : sketches) {
        TaskRecord* task = document.NewTask();
        task->task_code = s_string(std::wstring_view(sketch.code));
        task->status_code = s_activity_status(sketch.status);
        task->task_type = s_activity_type(sketch.type);
        task->critical_flag = s_bool(sketch.critical);
        task->driving_path_flag = s_bool(sketch.driving);
        task->cstr_type = s_constraint_type(sketch.constraint);
        task->EnsureOptionalValues().cstr_type2 = s_constraint_type(sketch.second_constraint);
        task->total_float_hr_cnt = s_dur(sketch.total_float);
    }
    const std::map<std::int32_t, std::vector<std::wstring>> expected = {
        {kFilterCompleted, {L"A100", L"A500"}}, {kFilterCritical, {L"A200"}},
        {kFilterFinishConstraint, {L"A300", L"A500"}}, {kFilterStartConstraint, {L"A200", L"A600"}},
        {kFilterInProgress, {L"A200", L"A600"}}, {kFilterLevelOfEffort, {L"A400"}},
        {kFilterLongestPath, {L"A200"}},  // A500 drives too, but is complete
        {kFilterMilestone, {L"A300", L"A500"}},
        {kFilterNegativeFloat, {L"A400"}},  // zero float is not negative
        {kFilterNonWhatIf, {L"A100", L"A200", L"A300", L"A400", L"A500", L"A600"}},
        {kFilterNonCritical, {L"A100", L"A300", L"A400", L"A500", L"A600"}},
        {kFilterNormal, {L"A100", L"A200", L"A600"}}, {kFilterNotStarted, {L"A300", L"A400"}},
    };
    const LayoutStore store;
    for (const auto& [id, codes] : expected) {
        const NamedFilter* filter = store.FindActivityFilter(id);
        ASSERT_NE(filter, nullptr);
        SCOPED_TRACE(std::string(filter->name.begin(), filter->name.end()));
        std::vector<std::wstring> passed;
        for (const auto& task : document.Tasks())
            if (filter->Match(view::ActivityRow(task.get()))) passed.push_back(task->task_code.text);
        EXPECT_EQ(passed, codes);
    }
}

// A WBS or project row reduced to its node type.
class NodeRow final : public view::Row {
public:
    explicit NodeRow(std::int32_t field, std::int32_t node_type) : m_field(field), m_node(node_type) {}
    const s_val& GetFieldValue(std::int32_t id) const override { return id == m_field ? m_node : s_val::null_value(); }

private:
    std::int32_t m_field;
    s_node_type m_node;
};

TEST_F(BuiltInFiltersTest, WbsAndProjectFiltersTestTheNodeType) {
    const LayoutStore store;
    struct Case { const char* why; const NamedFilter* filter; std::int32_t field, node_type; bool passes; };
    const Case cases[] = {
        {"a project's top WBS node", store.FindWbsFilter(kFilterAllProjects), 471, 1, true},
        {"a WBS element is no project", store.FindWbsFilter(kFilterAllProjects), 471, 0, false},
        {"a WBS element below the project", store.FindWbsFilter(kFilterWbsBelowProject), 471, 0, true},
        {"an EPS node", store.FindProjectFilter(kFilterAllEpsElements), 327, 2, true},
        {"a project is no EPS node", store.FindProjectFilter(kFilterAllEpsElements), 327, 1, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        ASSERT_NE(c.filter, nullptr);
        EXPECT_EQ(c.filter->Match(NodeRow(c.field, c.node_type)), c.passes);
    }
}

TEST_F(BuiltInFiltersTest, LookupsByIdSearchTheirOwnList) {
    const LayoutStore store;
    EXPECT_EQ(store.FindActivityFilter(-108), nullptr) << "-108 is a WBS and project filter only";
    EXPECT_NE(store.FindWbsFilter(-108), nullptr);
    EXPECT_EQ(store.FindProjectFilter(-109), nullptr);
}

}  // namespace
}  // namespace varnholt
