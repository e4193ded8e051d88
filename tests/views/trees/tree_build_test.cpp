// Building, sorting, listing, collapsing and expanding the three trees, and the trees' life
// across Update, ExpandAll and a missing layout.

#include "tree_fixture.h"

#include "memo_text/HtmlToText.h"
#include "model/s_string.h"

namespace varnholt::testing_trees {
namespace {

TEST_F(TreeTest, RecordsSortBySequenceThenFileOrderAndEachIsListedOnce) {
    const std::string outline = Outline(m_resources);
    // SURVEYOR (seq 1) passes CREW (seq 2) although the file lists it later; WELDER and FITTER
    // share seq 1 and keep file order; the orphan lists at the top.
    EXPECT_TRUE(outline.starts_with("SURVEYOR\nCREW\n  WELDER\n  FITTER\nORPHAN\n")) << outline;
    // One of the loop's two links is refused: one of them lists at the top, the other under it.
    const bool a_on_top = outline.ends_with("LOOPA\n  LOOPB\n");
    const bool b_on_top = outline.ends_with("LOOPB\n  LOOPA\n");
    EXPECT_TRUE(a_on_top || b_on_top) << outline;
    EXPECT_EQ(m_resources.GetRowList().Size(), m_document.Rsrcs().size());
    EXPECT_EQ(Outline(m_obs), "ROOT\n  ENG\n  OPS\n");
    EXPECT_EQ(Outline(m_roles), "LEAD\n  DEV\n");
}

TEST_F(TreeTest, CollapseAllListsTheTopRecordsAndExpandingOneShowsItsChildrenCollapsed) {
    m_resources.SelectRow(m_resources.GetRowList().At(2));
    m_resources.CollapseAll();
    EXPECT_TRUE(Outline(m_resources).starts_with("SURVEYOR\nCREW\nORPHAN\nLOOP")) << Outline(m_resources);
    EXPECT_EQ(m_resources.GetSelectedRow(), nullptr);
    EXPECT_EQ(m_resources.GetRowList().Size(), 4u);

    m_obs.CollapseAll();
    EXPECT_EQ(Outline(m_obs), "ROOT\n");
    m_obs.GetRowList().At(0)->expanded = true;
    m_obs.Update();
    EXPECT_EQ(Outline(m_obs), "ROOT\n  ENG\n  OPS\n");
}

TEST_F(TreeTest, FlagsAndRowsSurviveUpdateAndExpandAllResetsThem) {
    view::Row* crew = m_resources.GetRowList().At(1);
    crew->expanded = false;
    m_resources.SelectRow(crew);
    m_resources.Update();
    EXPECT_EQ(m_resources.GetRowList().At(1), crew);
    EXPECT_EQ(m_resources.GetSelectedRow(), crew);
    EXPECT_TRUE(Outline(m_resources).starts_with("SURVEYOR\nCREW*\nORPHAN\n"));

    m_resources.ExpandAll();
    EXPECT_EQ(m_resources.GetSelectedRow(), nullptr);
    EXPECT_TRUE(Outline(m_resources).starts_with("SURVEYOR\nCREW\n  WELDER\n"));
}

// Throwing a tree away empties the list with it: nothing listed outlives its rows.
TEST_F(TreeTest, ExpandAllWithoutLayoutLeavesNoFreedRowListed) {
    m_resources.SelectRow(m_resources.GetRowList().At(0));
    m_resources.SetLayout(nullptr);
    m_resources.ExpandAll();
    EXPECT_EQ(m_resources.GetSelectedRow(), nullptr);
    EXPECT_EQ(m_resources.GetRowList().Size(), 0u);
    EXPECT_EQ(m_resources.GetWidth(), 0.0f);
    m_host.Paint(m_resources);
    EXPECT_TRUE(m_host.Backend(m_resources).Lines().empty());
    EXPECT_EQ(m_resources.GetText(), L"");

    m_obs.SetDocument(nullptr);
    m_obs.ExpandAll();
    EXPECT_EQ(m_obs.GetRowList().Size(), 0u);
}

TEST_F(TreeTest, GetTextGivesTitlesAndVisibleRowsAndOnlyTheResourceViewCopies) {
    SetColumns({{kShortName, 100.0f}, {kNotes, 150.0f}});
    m_layout.GetColumn(0)->title = L"T1";
    m_layout.GetColumn(1)->title = L"T2";
    m_resources.CollapseAll();
    const std::wstring memo = HtmlToText::Convert(L"<HTML><p>First</p><p>Second</p></HTML>", false);
    ASSERT_EQ(memo.find(L'\n'), std::wstring::npos);
    const std::wstring text = m_resources.GetText();
    EXPECT_TRUE(text.starts_with(L"T1\tT2\t\nSURVEYOR\t" + memo + L"\nCREW\tplain note\nORPHAN\t\nLOOP"));
    EXPECT_FALSE(text.ends_with(L"\n"));
    EXPECT_EQ(m_obs.GetText(), L"");
    EXPECT_EQ(m_roles.GetText(), L"");
}

TEST_F(TreeTest, NotesAreConvertedAgainOnlyForANewTree) {
    SetColumns({{kShortName, 100.0f}, {kNotes, 150.0f}});
    m_layout.GetColumn(0)->title = m_layout.GetColumn(1)->title = L"T";
    m_resources.CollapseAll();
    const std::wstring memo = HtmlToText::Convert(L"<HTML><p>First</p><p>Second</p></HTML>", false);
    EXPECT_TRUE(m_resources.GetText().starts_with(L"T\tT\t\nSURVEYOR\t" + memo)) << m_resources.GetText();
    m_host.Paint(m_resources);
    EXPECT_TRUE(m_resources.GetText().starts_with(L"T\tT\t\nSURVEYOR\t" + memo)) << "the same text from the kept one";

    view::Row& surveyor = *m_resources.GetRowList().At(0);
    const_cast<RsrcRecord*>(surveyor.GetResource())->rsrc_notes = s_string(std::wstring_view(L"<HTML><b>Third</b></HTML>"));
    m_resources.ExpandAll();  // a new tree
    m_resources.CollapseAll();
    EXPECT_TRUE(m_resources.GetText().starts_with(L"T\tT\t\nSURVEYOR\tThird \nCREW\tplain note\n")) << m_resources.GetText();
}

}  // namespace
}  // namespace varnholt::testing_trees
