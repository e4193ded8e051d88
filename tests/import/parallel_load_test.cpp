// Loading one file with one thread and with several: every record's field texts, every link
// and every derived value come out the same, whichever thread read which rows.

#include "import/Document_xer.h"
#include "model/CaptionCatalog.h"
#include "model/records/ProjWbsRecord.h"
#include "model/records/ProjectRecord.h"
#include "model/records/TaskPredRecord.h"
#include "model/records/TaskRecord.h"
#include "model/records/TaskRsrcRecord.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace varnholt {
namespace {

using document::Document_xer;

// Enough activities and relationships for several threads, with what makes order matter: a
// second field line in the middle of a table, repeated activity ids (the first wins), links to
// activities outside the file, and names in two encodings (so the file decodes value by value).
std::string ScheduleText() {
    std::string text = "ERMHDR\t8.0\t2020-01-01 00:00\tProject\tadmin\tAdmin\tdb\tPM\tUSD\n";
    text += "%T\tPROJECT\n%F\tproj_id\tproj_short_name\tclndr_id\n%R\t1\tP1\t1\n";
    text += "%T\tCALENDAR\n%F\tclndr_id\tclndr_name\tday_hr_cnt\n%R\t1\tStandard\t8\n";
    text += "%T\tPROJWBS\n%F\twbs_id\tproj_id\tparent_wbs_id\twbs_short_name\twbs_name\n";
    for (int wbs = 1; wbs <= 40; ++wbs)
        text += "%R\t" + std::to_string(wbs) + "\t1\t" + std::to_string(wbs / 2) + "\tW" + std::to_string(wbs) + "\tWBS\n";
    text += "%T\tTASK\n%F\ttask_id\tproj_id\twbs_id\tclndr_id\ttask_code\ttask_name\ttarget_start_date\ttarget_end_date\n";
    const auto task_row = [&](int id, const std::string& extra) {
        const int day = 1 + id % 27;
        text += "%R\t" + std::to_string(id % 8000 + 1) + "\t1\t" + std::to_string(1 + id % 40) + "\t1\tA" +
                std::to_string(id) + "\t" + (id % 3 == 0 ? "Caf\xC3\xA9 " : "Caf\xE9 ") + std::to_string(id) +
                "\t2020-02-" + (day < 10 ? "0" : "") + std::to_string(day) + " 08:00\t2020-03-" +
                (day < 10 ? "0" : "") + std::to_string(day) + " 17:00" + extra + "\n";
    };
    for (int id = 0; id < 5000; ++id) {
        task_row(id, "");
        // Lines that are not rows, and CR LF line ends, inside a run of rows.
        if (id % 997 == 0) text += "\n%X\tnot a row\n";
        if (id % 1999 == 0) text.insert(text.size() - 1, "\r");
    }
    text += "%F\ttotal_float_hr_cnt\tstatus_code\n";  // adds to the field list of the rows after it
    for (int id = 5000; id < 8400; ++id) task_row(id, "\t" + std::to_string(id % 50 - 10) + "\tTK_Active");
    text += "%T\tTASKPRED\n%F\ttask_pred_id\ttask_id\tpred_task_id\tpred_type\tlag_hr_cnt\n";
    for (int id = 0; id < 9000; ++id) {
        text += "%R\t" + std::to_string(id) + "\t" + std::to_string(id % 8100 + 1) + "\t" + std::to_string((id * 7) % 8100 + 1) +
                "\tPR_FS\t" + std::to_string(id % 5) + "\n";
    }
    text += "%T\tRSRC\n%F\trsrc_id\trsrc_short_name\trsrc_name\n%R\t1\tR1\tCrew\n";
    text += "%T\tTASKRSRC\n%F\ttaskrsrc_id\ttask_id\tproj_id\trsrc_id\ttarget_qty\tot_factor\n";
    for (int id = 0; id < 6000; ++id) {
        text += "%R\t" + std::to_string(id) + "\t" + std::to_string(id % 8200 + 1) + "\t1\t1\t" + std::to_string(id % 90) +
                (id % 4 == 0 ? "\t1.5" : "") + "\n";
    }
    return text;
}

// Every value a record's field ids give, as its text.
template <class Record>
std::vector<std::wstring> FieldTexts(const Record& record) {
    std::vector<std::wstring> texts;
    for (std::int32_t field = 0; field < 700; ++field) {
        if (const s_val* value = record.GetFieldValue(field)) texts.push_back(std::to_wstring(field) + L"=" + value->to_string());
    }
    return texts;
}

// Each record's place in its table; links are compared by place, records outside the file as -1.
template <class Record>
std::map<const Record*, long> Places(const std::vector<std::unique_ptr<Record>>& table) {
    std::map<const Record*, long> places{{nullptr, -1}};
    for (std::size_t i = 0; i < table.size(); ++i) places.emplace(table[i].get(), static_cast<long>(i));
    return places;
}

// What a loaded document holds, with links as places in their tables.
std::vector<std::wstring> Describe(const Document_xer& doc) {
    const auto tasks = Places(doc.Tasks());
    const auto preds = Places(doc.TaskPreds());
    const auto wbs_places = Places(doc.ProjWbs());
    const auto projects = Places(doc.Projects());
    const auto place = [](const auto& places, const auto* record) { return std::to_wstring(places.at(record)); };
    std::vector<std::wstring> lines;
    for (const auto& task : doc.Tasks()) {
        for (std::wstring& text : FieldTexts(*task)) lines.push_back(L"task " + std::move(text));
        std::wstring links = L"links order " + task->load_order.to_string() + L" wbs " + place(wbs_places, task->wbs) +
                             L" project " + place(projects, task->project);
        for (const TaskRsrcRecord* assignment : task->assignments) {
            links += L" a" + assignment->taskrsrc_id.to_string() + L"=" + assignment->target_qty.to_string() + L"/" +
                     assignment->Details().ot_factor.to_string() + (assignment->details != nullptr ? L"+" : L"-");
        }
        for (const TaskPredRecord* pred : task->predecessors) links += L" p" + place(preds, pred);
        for (const TaskPredRecord* succ : task->successors) links += L" s" + place(preds, succ);
        lines.push_back(std::move(links));
    }
    for (const auto& pred : doc.TaskPreds()) {
        for (std::wstring& text : FieldTexts(*pred)) lines.push_back(L"pred " + std::move(text));
        lines.push_back(L"ends " + place(tasks, pred->predecessor) + L" " + place(tasks, pred->successor));
    }
    for (const auto& wbs : doc.ProjWbs()) {
        for (std::wstring& text : FieldTexts(*wbs)) lines.push_back(L"wbs " + std::move(text));
        lines.push_back(L"parent " + place(wbs_places, wbs->parent));
    }
    return lines;
}

TEST(ParallelLoad, OneThreadAndSeveralReadTheSame) {
    CaptionCatalog::Instance().ChooseLanguage(L"ENU");
    const std::string text = ScheduleText();
    Document_xer one;
    one.SetLoadThreads(1);
    ASSERT_TRUE(one.LoadBytes(text));
    ASSERT_EQ(one.Tasks().size(), 8400u);
    ASSERT_EQ(one.TaskPreds().size(), 9000u);
    ASSERT_EQ(one.TaskRsrcs().size(), 6000u);
    EXPECT_EQ(one.Tasks()[3]->task_name.text, L"Caf\u00E9 3");
    EXPECT_EQ(one.Tasks()[4]->task_name.text, L"Caf\u00E9 4");
    const std::vector<std::wstring> expected = Describe(one);
    for (const unsigned threads : {3u, 8u}) {
        SCOPED_TRACE(threads);
        Document_xer several;
        several.SetLoadThreads(threads);
        ASSERT_TRUE(several.LoadBytes(text));
        const std::vector<std::wstring> got = Describe(several);
        ASSERT_EQ(got.size(), expected.size());
        for (std::size_t i = 0; i < got.size(); ++i) ASSERT_EQ(got[i], expected[i]) << "line " << i;
    }
}

// Opening the file reads through a buffer whose text is given back as the records are made.
TEST(ParallelLoad, OpeningTheFileReadsWhatItsBytesRead) {
    CaptionCatalog::Instance().ChooseLanguage(L"ENU");
    const std::string text = ScheduleText();
    Document_xer from_bytes;
    from_bytes.SetLoadThreads(1);
    ASSERT_TRUE(from_bytes.LoadBytes(text));
    const std::vector<std::wstring> expected = Describe(from_bytes);

    const std::filesystem::path path =
        std::filesystem::temp_directory_path() / ("varnholt_parallel_load_" + std::to_string(::getpid()) + ".xer");
    std::ofstream(path, std::ios::binary) << text;
    for (const unsigned threads : {1u, 8u}) {
        SCOPED_TRACE(threads);
        Document_xer opened;
        opened.SetLoadThreads(threads);
        ASSERT_TRUE(opened.Open(std::filesystem::path(path).wstring()));
        EXPECT_TRUE(Describe(opened) == expected);
    }
    std::filesystem::remove(path);
}

}  // namespace
}  // namespace varnholt
