// subtables_bench.cpp - times the detail pane's sub-tables on a generated schedule: the two
// relationship tables and the code, step and notebook tables rebuilt for a selected activity,
// and one paint of a memo view holding a 1 MB memo (on the recording backend, and on a wx
// memory bitmap where a display can be had). Prints figures; fails on nothing.
//
// Usage: subtables_bench FILE.xer   (a file from xer_generator)

#include "app/draw/OffscreenPaint.h"
#include "columns/ColumnCatalog.h"
#include "import/Document_xer.h"
#include "layouts/ActivityLayout.h"
#include "model/CaptionCatalog.h"
#include "model/records/MemoRecord.h"
#include "model/records/TaskRecord.h"
#include "rows/ActivityRow.h"
#include "views/core/RecordingPane.h"
#include "views/core/RowList.h"
#include "views/details/HTMLView.h"
#include "views/subtables/ActivityCodeTableView.h"
#include "views/subtables/ActivityStepTableView.h"
#include "views/subtables/RelationshipTableView.h"
#include "views/subtables/TaskMemoTableView.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

using namespace varnholt;
using Clock = std::chrono::steady_clock;

// The best and the median of the runs: the best shows the cost, the median how steady it is.
struct Figures {
    double best;
    double median;
};

template <class Step>
Figures Time(int runs, Step step) {
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        const Clock::time_point start = Clock::now();
        step();
        times.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
    }
    std::sort(times.begin(), times.end());
    return {times.front(), times[times.size() / 2]};
}

// The activity table as far as the sub-tables see it: its selected row.
class SelectingMaster final : public view::View {
public:
    [[nodiscard]] float GetWidth() const override { return 0.0f; }
    [[nodiscard]] float GetHeight() const override { return 0.0f; }
    [[nodiscard]] float GetHeaderHeight() const override { return 30.0f; }
    void Update() override {}
    void Draw(const view::RectF&) override {}
    [[nodiscard]] view::Row* GetSelectedRow() const override { return selected; }
    view::Row* selected = nullptr;
};

// About 1 MB of notebook HTML: paragraphs of prose with some markup.
std::wstring LongMemo() {
    std::wstring memo = L"<HTML><body>";
    while (memo.size() < 1'000'000)
        memo += L"<p>The pour of the <b>north</b> slab waits for the rebar inspection; the crew moves "
                L"to the formwork of the ramp meanwhile.</p>";
    return memo + L"</body></HTML>";
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: subtables_bench FILE.xer\n");
        return 2;
    }
    CaptionCatalog::Instance().ChooseLanguage(L"ENU");
    ColumnCatalog::Instance().BuildAllColumns();
    std::ifstream file(argv[1], std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    document::Document_xer doc;
    if (!doc.LoadBytes(bytes)) {
        std::fprintf(stderr, "cannot read %s\n", argv[1]);
        return 1;
    }
    // The activity with the most relationships, steps and memos, half-way down the file when tied.
    const auto& tasks = doc.Tasks();
    const auto weight = [](const TaskRecord& t) {
        return t.predecessors.size() + t.successors.size() + t.steps.size() + t.memos.size();
    };
    TaskRecord* activity = tasks[tasks.size() / 2].get();
    for (const auto& task : tasks)
        if (weight(*task) > weight(*activity)) activity = task.get();
    std::printf("%zu activities, %zu code assignments; activity %ls: %zu predecessors, %zu successors, "
                "%zu steps, %zu memos\n",
                tasks.size(), doc.TaskActvs().size(), activity->task_code.to_string().c_str(),
                activity->predecessors.size(), activity->successors.size(), activity->steps.size(),
                activity->memos.size());

    ActivityLayout layout;
    for (const std::int32_t field : {554, 555, 549, 546, 561, 551}) layout.AddPredColumn(field, 100.0f);
    for (const std::int32_t field : {582, 583, 577, 574, 589, 579}) layout.AddSuccColumn(field, 100.0f);
    SelectingMaster master;
    view::ActivityRow row(activity);
    row.selected = true;
    master.selected = &row;
    view::RelationshipTableView predecessors(view::RelationshipTableView::Kind::predecessors, &master);
    view::RelationshipTableView successors(view::RelationshipTableView::Kind::successors, &master);
    predecessors.SetLayout(&layout);
    successors.SetLayout(&layout);
    view::ActivityCodeTableView codes(&master);
    view::ActivityStepTableView steps(&master);
    view::TaskMemoTableView memos(&master);
    view::View* tables[] = {&predecessors, &successors, &codes, &steps, &memos};
    const Figures rebuild = Time(20, [&] {
        for (view::View* table : tables) table->Update();
    });
    std::printf("five sub-tables rebuilt: best %.3f ms, median %.3f ms (goal <= 2 ms); rows %zu %zu %zu %zu %zu\n",
                rebuild.best, rebuild.median,
                predecessors.GetRowList().Size(), successors.GetRowList().Size(), codes.GetRowList().Size(),
                steps.GetRowList().Size(), memos.GetRowList().Size());

    MemoRecord* memo = doc.NewTaskMemo();
    memo->memo_text = s_string(LongMemo());
    LinkTaskMemo(*memo, activity, activity->project, nullptr);
    memos.Update();
    memos.SelectRow(memos.GetRowList().Rows().back());
    view::HTMLView memo_view(&memos);
    const Figures convert = Time(3, [&] { memo_view.Update(); });
    std::printf("memo view update (1 MB converted once): best %.1f ms, %zu characters of text\n", convert.best,
                memo_view.MemoText().size());

    view::RecordingPane memo_pane(memo_view, 1000, 400);
    const Figures recorded = Time(10, [&] { memo_pane.Paint(); });
    std::printf("memo view paint, recording backend: best %.3f ms, median %.3f ms (goal <= 8 ms), %zu primitives\n",
                recorded.best, recorded.median,
                memo_pane.Backend().Lines().size());
    OffscreenPainter painter;
    if (painter.Ready()) {
        std::vector<double> times;
        for (int i = 0; i < 10; ++i) times.push_back(painter.Paint(memo_view, 1000, 400));
        std::sort(times.begin(), times.end());
        std::printf("memo view paint, wx memory bitmap: best %.3f ms, median %.3f ms (goal <= 8 ms)\n", times.front(),
                    times[times.size() / 2]);
    } else {
        std::printf("memo view paint, wx memory bitmap: no display\n");
    }
    return 0;
}
