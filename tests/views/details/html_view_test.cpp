// html_view_test.cpp - the memo view: title and text for each kind of master, and the paint
// (title band as high as the master's header, wrapped text cut at the bottom).

#include "tests/views/subtables/subtable_fixture.h"

#include "model/records/MemoRecord.h"
#include "views/core/RowList.h"
#include "views/details/HTMLView.h"
#include "views/subtables/ActivityStepTableView.h"
#include "views/subtables/TaskMemoTableView.h"
#include "views/subtables/WBSMemoTableView.h"

namespace varnholt::view::test_support {
namespace {

class HTMLViewTest : public SubTableTest {
protected:
    // Selects the listed row of a flat table, as a click would.
    static void SelectListed(View& table, std::size_t index) {
        table.Update();
        ASSERT_LT(index, table.GetRowList().Size());
        table.SelectRow(table.GetRowList().At(index));
    }

    TaskMemoTableView task_memos{&activities};
    ActivityStepTableView steps{&activities};
    WBSMemoTableView wbs_memos{&wbs_table};
};

TEST_F(HTMLViewTest, TitleAndTextFollowTheMastersKindAndSelection) {
    struct Case {
        const char* why;
        View* master;
        std::function<void()> select;
        std::wstring title;
        std::wstring text;
    };
    // The converter ends every line with a line feed.
    const std::vector<Case> cases = {
        {"notebook, nothing selected", &task_memos, [] {}, L"(No Notebook Topic selected)", L""},
        {"notebook topic", &task_memos, [&] { SelectListed(task_memos, 0); }, L"Issues", L"a\n\nb\n"},
        {"memo without a topic", &task_memos, [&] { SelectListed(task_memos, 1); }, L"(No Notebook Topic selected)",
         L"lost topic\n"},
        {"step master, nothing selected", &steps, [] {}, L"(No step name selected)", L""},
        {"step", &steps, [&] { SelectListed(steps, 1); }, L"Pour concrete", L"Pour\nand vibrate\n"},
        {"WBS notebook topic", &wbs_memos, [&] { SelectListed(wbs_memos, 0); }, L"Minutes", L"first\n"},
        {"resource with notes", &resources, [&] { SelectResource(); }, L"Resource Notes", L"Night shift\n"},
        {"another kind of master", &activities, [] {}, L"No topic selected", L""},
        {"no master", nullptr, [] {}, L"No topic selected", L""},
    };
    SelectActivity(L"A1000");
    SelectWbs();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        if (c.master != nullptr) c.master->Update();
        c.select();
        HTMLView memo(c.master);
        memo.Update();
        EXPECT_EQ(memo.Title(), c.title);
        EXPECT_EQ(memo.MemoText(), c.text);
    }
}

TEST_F(HTMLViewTest, TheTitleBandMatchesTheMastersHeader) {
    struct Case { const char* why; View* master; const char* band; const char* text_start; };
    const Case cases[] = {
        {"resource table header of 30", &resources, "fill ffffffff 0,0 600,30", "text 5,30 "},
        {"flat table header of 18", &task_memos, "fill ffffffff 0,0 600,18", "text 5,18 "},
    };
    SelectActivity(L"A1000");
    SelectResource();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        SelectListed(task_memos, 0);
        HTMLView memo(c.master);
        memo.Update();
        host.Attach(memo, 600, 300);
        host.Paint(memo);
        const auto& lines = host.Backend(memo).Lines();
        EXPECT_EQ(LinesStarting(lines, c.band).size(), 1u);
        EXPECT_EQ(LinesStarting(lines, "line 1 solid ffc8c8c8").size(), 1u) << "the line under the band";
        EXPECT_EQ(LinesStarting(lines, c.text_start).size(), 1u) << "the memo's first line";
    }
}

TEST_F(HTMLViewTest, ALongParagraphWrapsInsideTheWidthAndStopsAtTheBottom) {
    std::wstring paragraph;
    for (int i = 0; i < 5000; ++i) paragraph += L"word" + std::to_wstring(i) + L' ';
    doc.Tasks().front()->memos.front()->memo_text = s_string(paragraph);
    SelectActivity(L"A1000");
    SelectListed(task_memos, 0);
    HTMLView memo(&task_memos);
    memo.Update();
    host.Attach(memo, 400, 200);
    host.Paint(memo);
    const auto texts = LinesStarting(host.Backend(memo).Lines(), "text ");
    // The title, then as many 15-px lines as the 182 px below the band hold, the last one cut.
    ASSERT_EQ(texts.size(), 1u + 13u);
    // Lines are greedy: each fits the width (7 px a character here), and the next line's
    // first word would not have fitted behind it.
    const auto text_of = [](const std::string& line) {
        const std::size_t quote = line.find(" \"");
        return line.substr(quote + 2, line.size() - quote - 3);
    };
    for (std::size_t i = 1; i < texts.size(); ++i) {
        SCOPED_TRACE(texts[i]);
        const std::string line = text_of(texts[i]);
        EXPECT_LE(line.size() * 7, 395u);
        EXPECT_TRUE(texts[i].starts_with("text 5,")) << "left-aligned at the inset";
        if (i + 1 < texts.size()) {
            const std::string next = text_of(texts[i + 1]);
            EXPECT_GT((line.size() + 1 + next.find(' ')) * 7, 395u);
        }
    }
}

TEST_F(HTMLViewTest, WithoutAMasterNothingIsPainted) {
    HTMLView memo(nullptr);
    memo.Update();
    host.Attach(memo, 600, 300);
    host.Paint(memo);
    EXPECT_TRUE(host.Backend(memo).Lines().empty());
}

}  // namespace
}  // namespace varnholt::view::test_support
