// subtable_fixture.cpp - the sub-table tests' schedule, masters and recorded-text readers.

#include "tests/views/subtables/subtable_fixture.h"

#include "model/records/ProjWbsRecord.h"
#include "model/records/RsrcRecord.h"

#include <algorithm>

namespace varnholt::view::test_support {

const std::string& SubTableSchedule() {
    static const std::string text = ScheduleText({
        "%T\tPROJECT", "%F\tproj_id\tproj_short_name", "%R\t10\tALPHA",
        "%T\tPROJWBS", "%F\twbs_id\tproj_id\tseq_num\twbs_short_name\twbs_name\tparent_wbs_id",
        "%R\t100\t10\t1\tA\tAlpha\t",
        "%T\tRSRC", "%F\trsrc_id\trsrc_short_name\trsrc_name\trsrc_notes",
        "%R\t1\tCREW\tCrew\t<b>Night</b> shift",
        "%T\tTASK", "%F\ttask_id\tproj_id\twbs_id\ttask_code\ttask_name",
        "%R\t1000\t10\t100\tA1000\tPour", "%R\t1001\t10\t100\tP1\tExcavate", "%R\t1002\t10\t100\tP2\tFormwork",
        "%R\t1003\t10\t100\tP3\tRebar", "%R\t1004\t10\t100\tS1\tCure", "%R\t1005\t10\t100\tX1\tOrphan",
        "%T\tTASKPRED", "%F\ttask_pred_id\ttask_id\tpred_task_id\tproj_id\tpred_proj_id\tpred_type",
        "%R\t1\t1000\t1002\t10\t10\tPR_FS", "%R\t2\t1000\t1001\t10\t10\tPR_FS", "%R\t3\t1000\t1003\t10\t10\tPR_SS",
        "%R\t4\t1004\t1000\t10\t10\tPR_FS", "%R\t5\t1005\t9999\t10\t10\tPR_FS",
        "%T\tACTVTYPE", "%F\tactv_code_type_id\tactv_code_type\tactv_code_type_scope\tproj_id",
        "%R\t1\tPhase\tAS_Global\t", "%R\t2\tZone\tAS_Global\t",
        "%T\tACTVCODE", "%F\tactv_code_id\tactv_code_type_id\tshort_name\tactv_code_name\tparent_actv_code_id",
        "%R\t1\t2\tZ1\tNorthern zone of the site beyond the river crossing and the old quarry\t",
        "%R\t2\t1\tP1\tPlanning\t", "%R\t3\t7\tM1\tMystery\t",
        "%T\tTASKACTV", "%F\ttask_id\tactv_code_type_id\tactv_code_id\tproj_id",
        "%R\t1000\t2\t1\t10", "%R\t1000\t1\t2\t10", "%R\t1000\t1\t99\t10", "%R\t1000\t7\t3\t10",
        "%R\t1000\t5\t99\t10", "%R\t1000\t2147483000\t2\t10", "%R\t1001\t1\t2\t10",
        "%T\tTASKPROC", "%F\tproc_id\ttask_id\tproj_id\tseq_num\tproc_name\tcomplete_flag\tproc_wt\tproc_descr",
        "%R\t1\t1000\t10\t1\tSet forms\tY\t1\t<p>Check the level</p>",
        "%R\t2\t1000\t10\t2\tPour concrete\tN\t3\tPour<br>and vibrate",
        "%T\tMEMOTYPE", "%F\tmemo_type_id\tmemo_type", "%R\t1\tMinutes", "%R\t2\tIssues",
        "%T\tTASKMEMO", "%F\tmemo_id\ttask_id\tmemo_type_id\tproj_id\ttask_memo",
        "%R\t1\t1000\t2\t10\ta<br><br><br>b", "%R\t2\t1000\t9\t10\t<HTML><body>lost topic</body></HTML>",
        "%T\tWBSMEMO", "%F\twbs_memo_id\tproj_id\twbs_id\tmemo_type_id\twbs_memo",
        "%R\t1\t10\t100\t1\tfirst", "%R\t2\t10\t100\t8\tsecond",
        "%E",
    });
    return text;
}

void SubTableTest::SetUp() {
    EnterViewTest();
    ASSERT_TRUE(doc.LoadBytes(SubTableSchedule()));
    layout.AddPredColumn(kPredCode, 100.0f);
    layout.AddPredColumn(kPredName, 150.0f);
    layout.AddSuccColumn(kSuccCode, 100.0f);
    layout.AddSuccColumn(kSuccName, 150.0f);
    resources.resource_table = true;
}

void SubTableTest::TearDown() { LeaveViewTest(); }

TaskRecord& SubTableTest::Activity(std::wstring_view code) const {
    for (const auto& task : doc.Tasks())
        if (task->task_code.to_string() == code) return *task;
    ADD_FAILURE() << "no activity in the fixture";
    return *doc.Tasks().front();
}

void SubTableTest::SelectActivity(std::wstring_view code) {
    activities.selected = m_rows.emplace_back(std::make_unique<ActivityRow>(&Activity(code))).get();
}

void SubTableTest::SelectWbs() {
    wbs_table.selected = m_rows.emplace_back(std::make_unique<WBSRow>(doc.ProjWbs().front().get())).get();
}

void SubTableTest::SelectResource() {
    resources.selected = m_rows.emplace_back(std::make_unique<ResourceRow>(doc.Rsrcs().front().get())).get();
}

void SubTableTest::SelectGroup() {
    Row* group = m_rows.emplace_back(std::make_unique<StandInGroupRow>()).get();
    activities.selected = wbs_table.selected = resources.selected = group;
}

const std::vector<std::string>& SubTableTest::Paint(View& view) {
    if (m_attached.insert(&view).second) host.Attach(view, 1300, 400);
    host.Paint(view);
    return host.Backend(view).Lines();
}

// A text line reads: text X,Y clip L,T R,B COLOR FONT "TEXT"
std::vector<std::string> TextsByTop(const std::vector<std::string>& lines) {
    std::map<int, std::string> by_top;
    for (const std::string& line : lines) {
        if (!line.starts_with("text ")) continue;
        const std::size_t clip = line.find(" clip ") + 6;
        const std::size_t comma = line.find(',', clip);
        const std::string left = line.substr(clip, comma - clip);
        const int top = std::stoi(line.substr(comma + 1));
        const std::size_t quote = line.find(" \"");
        std::string& entry = by_top[top];
        if (!entry.empty()) entry += " | ";
        entry += left + ' ' + line.substr(quote + 2, line.size() - quote - 3);
    }
    std::vector<std::string> out;
    for (auto& [top, texts] : by_top) out.push_back(std::move(texts));
    return out;
}

std::vector<std::string> FontsOf(const std::vector<std::string>& lines) {
    std::vector<std::string> fonts;
    for (const std::string& line : lines) {
        if (!line.starts_with("text ")) continue;
        const std::size_t font = line.find(' ', line.find(' ', line.find(" clip ") + 6) + 1) + 1;
        const std::size_t after_color = line.find(' ', font) + 1;
        fonts.push_back(line.substr(after_color, line.find(' ', after_color) - after_color));
    }
    return fonts;
}

std::vector<std::string> LinesStarting(const std::vector<std::string>& lines, std::string_view prefix) {
    std::vector<std::string> out;
    std::copy_if(lines.begin(), lines.end(), std::back_inserter(out),
                 [&](const std::string& line) { return line.starts_with(prefix); });
    return out;
}

}  // namespace varnholt::view::test_support
