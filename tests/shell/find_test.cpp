// find_test.cpp - the find dialog's search without a window: the text test, the walk over
// hand-built row trees (collapsed groups and tree rows, both directions, no wrap), the list
// labels, the searchable columns and the choices kept per table.

#include "columns/ColumnCatalog.h"
#include "columns/field_ids.h"
#include "columns/load_time_columns.h"
#include "layouts/ActivityLayout.h"
#include "layouts/LayoutStore.h"
#include "model/CaptionCatalog.h"
#include "model/s_string.h"
#include "rows/Row.h"
#include "shared_caption_columns.h"
#include "shell/find_fields.h"
#include "shell/find_next.h"
#include "views/core/FlattenRows.h"
#include "views/core/RowList.h"
#include "views/core/View.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

namespace varnholt {
namespace {

constexpr std::int32_t kColumn = 132;
constexpr std::int32_t kResourceNotes = kResourceNotesField;

enum class RowKind { record, group, wbs, resource };

class FakeRow final : public view::Row {
public:
    FakeRow(RowKind kind, std::wstring_view text) : m_kind(kind), m_value(text) {}
    [[nodiscard]] bool IsGroupRow() const override { return m_kind == RowKind::group; }
    [[nodiscard]] bool IsWBSRow() const override { return m_kind == RowKind::wbs; }
    [[nodiscard]] bool IsResourceRow() const override { return m_kind == RowKind::resource; }
    [[nodiscard]] const s_val& GetCodeValue(std::int32_t column_id) const override {
        return column_id == kColumn || column_id == kResourceNotes ? m_value : s_val::null_value();
    }

private:
    RowKind m_kind;
    s_string m_value;
};

// A table over a tree the test builds; Update lists the expanded part again, as the tables do.
class FakeTable final : public view::View {
public:
    explicit FakeTable(SearchKind kind) : m_kind(kind) {}
    [[nodiscard]] bool IsWBSTableView() const override { return m_kind == SearchKind::wbs; }
    [[nodiscard]] bool IsResourceTableView() const override { return m_kind == SearchKind::resources; }
    [[nodiscard]] float GetWidth() const override { return 0.0f; }
    [[nodiscard]] float GetHeight() const override { return 0.0f; }
    void Update() override {
        ++updates;
        view::FlattenRows(root, GetRowList());
    }
    void Draw(const view::RectF&) override {}

    FakeRow& Add(view::Row& parent, RowKind kind, std::wstring_view text, bool expanded = true) {
        auto row = std::make_unique<FakeRow>(kind, text);
        row->level = parent.level + 1;
        row->expanded = expanded;
        return static_cast<FakeRow&>(parent.AddChild(std::move(row)));
    }
    FakeRow& Add(RowKind kind, std::wstring_view text, bool expanded = true) { return Add(root, kind, text, expanded); }

    view::Row* Find(std::wstring_view text, bool down = true, ColumnValueKind kind = ColumnValueKind::text) {
        FindRequest request;
        request.column_id = kColumn;
        request.value_kind = kind;
        request.value = text;
        request.search_down = down;
        return FindNext(*this, m_kind, request);
    }

    FakeRow root{RowKind::record, L""};
    int updates = 0;

private:
    SearchKind m_kind;
};

struct TextCase {
    const wchar_t* search;
    const wchar_t* text;
    bool match_case;
    bool whole_text;
    bool matches;
};

TEST(FindText, MatchesByTheTwoOptions) {
    const TextCase cases[] = {
        {L"abc", L"xABCx", false, false, true},
        {L"abc", L"xABCx", true, false, false},
        {L"ABC", L"xABCx", true, false, true},
        {L"abc", L"ABC", false, true, true},
        {L"abc", L"xABCx", false, true, false},
        {L"abc", L"ABC", true, true, false},
        {L"ABC", L"ABC", true, true, true},
        {L"\u00e9", L"\u00c9t\u00e9", false, false, true},  // é finds É only without match case
        {L"\u00e9", L"\u00c9", true, false, false},
        {L"", L"anything", false, false, true},
    };
    for (const TextCase& c : cases) {
        EXPECT_EQ(TextMatches(c.search, c.text, c.match_case, c.whole_text), c.matches)
            << "search \"" << std::wstring(c.search).size() << "\" in " << c.match_case << c.whole_text;
    }
}

TEST(FindWalk, WithoutSelectionDownStartsAtTheFirstRowAndUpAtTheLast) {
    FakeTable table(SearchKind::activities);
    FakeRow& first = table.Add(RowKind::record, L"x1");
    table.Add(RowKind::record, L"x2");
    FakeRow& last = table.Add(RowKind::record, L"x3");
    table.Update();
    EXPECT_EQ(table.Find(L"x"), &first);
    table.SelectRow(nullptr);
    EXPECT_EQ(table.Find(L"x", false), &last);
    EXPECT_EQ(table.GetSelectedRow(), &last);
}

TEST(FindWalk, StopsAtTheEndWithoutWrappingAndKeepsTheSelection) {
    FakeTable table(SearchKind::activities);
    FakeRow& first = table.Add(RowKind::record, L"x1");
    FakeRow& last = table.Add(RowKind::record, L"x2");
    table.Update();
    table.SelectRow(&last);
    EXPECT_EQ(table.Find(L"x"), nullptr);
    EXPECT_EQ(table.GetSelectedRow(), &last);
    table.SelectRow(&first);
    EXPECT_EQ(table.Find(L"x", false), nullptr);
    EXPECT_EQ(table.GetSelectedRow(), &first);
    EXPECT_TRUE(first.selected);
    EXPECT_FALSE(last.selected);
}

TEST(FindWalk, StartsNextToTheSelectedRowInEachDirection) {
    FakeTable table(SearchKind::activities);
    FakeRow& a = table.Add(RowKind::record, L"x");
    FakeRow& b = table.Add(RowKind::record, L"x");
    FakeRow& c = table.Add(RowKind::record, L"x");
    table.Update();
    table.SelectRow(&b);
    EXPECT_EQ(table.Find(L"x"), &c);
    EXPECT_FALSE(b.selected);
    table.SelectRow(&b);
    EXPECT_EQ(table.Find(L"x", false), &a);
}

TEST(FindWalk, AMatchInACollapsedGroupOpensEveryCollapsedRowOnItsPath) {
    FakeTable table(SearchKind::activities);
    FakeRow& before = table.Add(RowKind::record, L"start");
    FakeRow& outer = table.Add(RowKind::group, L"Outer", false);
    FakeRow& inner = table.Add(outer, RowKind::group, L"Inner", false);
    FakeRow& sibling = table.Add(outer, RowKind::group, L"Other", false);
    table.Add(sibling, RowKind::record, L"target elsewhere");
    FakeRow& match = table.Add(inner, RowKind::record, L"the target");
    table.Update();
    table.SelectRow(&before);
    const int updates = table.updates;

    EXPECT_EQ(table.Find(L"TARGET"), &match);
    EXPECT_TRUE(outer.expanded);
    EXPECT_TRUE(inner.expanded);
    EXPECT_FALSE(sibling.expanded) << "only the path opens";
    EXPECT_TRUE(match.selected);
    EXPECT_FALSE(before.selected);
    EXPECT_EQ(table.updates, updates + 1);
    EXPECT_TRUE(table.GetRowList().Lists(match));
    EXPECT_EQ(table.GetSelectedRow(), &match);
}

TEST(FindWalk, ACollapsedGroupRowIsTestedOnItsOwnValueOnlyByTheMainWalk) {
    FakeTable table(SearchKind::activities);
    FakeRow& group = table.Add(RowKind::group, L"Alpha", false);
    table.Add(group, RowKind::record, L"beta");
    FakeRow& outer = table.Add(RowKind::group, L"Outer", false);
    FakeRow& nested = table.Add(outer, RowKind::group, L"Gamma", false);
    table.Add(nested, RowKind::record, L"delta");
    table.Update();

    EXPECT_EQ(table.Find(L"Alpha"), &group);
    EXPECT_FALSE(group.expanded);
    table.SelectRow(nullptr);
    EXPECT_EQ(table.Find(L"Gamma"), nullptr) << "a hidden group row is not tested";
    EXPECT_FALSE(outer.expanded);
}

TEST(FindWalk, ACollapsedTreeRowThatMatchesItselfOpens) {
    for (const SearchKind kind : {SearchKind::wbs, SearchKind::resources}) {
        FakeTable table(kind);
        const RowKind tree = kind == SearchKind::wbs ? RowKind::wbs : RowKind::resource;
        FakeRow& parent = table.Add(tree, L"Plant", false);
        table.Add(parent, tree, L"Design");
        table.Update();
        EXPECT_EQ(table.Find(L"plant"), &parent);
        EXPECT_TRUE(parent.expanded);
        EXPECT_EQ(table.GetRowList().Size(), 2u);
    }
}

TEST(FindWalk, TreeRowsAreNotOpenedInTheActivityTable) {
    // Only the WBS table's WBS rows and the resource table's resource rows hide searchable rows.
    FakeTable table(SearchKind::activities);
    FakeRow& parent = table.Add(RowKind::wbs, L"Plant", false);
    table.Add(parent, RowKind::wbs, L"Design");
    table.Update();
    EXPECT_EQ(table.Find(L"Design"), nullptr);
    EXPECT_FALSE(parent.expanded);
}

TEST(FindWalk, UpVisitsChildrenLastToFirstThenTheTreeRow) {
    FakeTable table(SearchKind::wbs);
    FakeRow& parent = table.Add(RowKind::wbs, L"w", false);
    table.Add(parent, RowKind::wbs, L"w1");
    FakeRow& second = table.Add(parent, RowKind::wbs, L"w2", false);
    FakeRow& grandchild = table.Add(second, RowKind::wbs, L"w21");
    table.Update();

    EXPECT_EQ(table.Find(L"w", false), &grandchild);
    EXPECT_TRUE(parent.expanded);
    EXPECT_TRUE(second.expanded);

    FakeTable down(SearchKind::wbs);
    FakeRow& top = down.Add(RowKind::wbs, L"w", false);
    down.Add(top, RowKind::wbs, L"w1");
    down.Update();
    EXPECT_EQ(down.Find(L"w"), &top) << "down tests the tree row before its children";
}

TEST(FindWalk, HtmlResourceNotesMatchTheirPlainTextAlsoUnderACollapsedParent) {
    FakeTable table(SearchKind::resources);
    FakeRow& parent = table.Add(RowKind::resource, L"Crews", false);
    FakeRow& crew = table.Add(parent, RowKind::resource, L"<HTML><BODY><P>Night <B>shift</B></P></BODY></HTML>");
    table.Update();
    FindRequest request;
    request.column_id = kResourceNotes;
    request.value = L"night shift";
    EXPECT_EQ(FindNext(table, SearchKind::resources, request), &crew);
    EXPECT_TRUE(parent.expanded);
    EXPECT_EQ(FindRowText(crew, kResourceNotes).find(L'<'), std::wstring::npos);
    request.value = L"BODY";
    table.SelectRow(nullptr);
    EXPECT_EQ(FindNext(table, SearchKind::resources, request), nullptr) << "the markup is not searched";
}

TEST(FindWalk, ListLabelsMatchWholeTextsOnly) {
    struct ListCase {
        ColumnValueKind kind;
        const wchar_t* label;
        const wchar_t* other;
    };
    const ListCase cases[] = {
        {ColumnValueKind::project_status, L"Active", L"Inactive"},
        {ColumnValueKind::resource_type, L"Labor", L"Nonlabor"},
    };
    for (const ListCase& c : cases) {
        FakeTable table(SearchKind::projects);
        table.Add(RowKind::record, c.other);
        FakeRow& exact = table.Add(RowKind::record, c.label);
        table.Update();
        EXPECT_EQ(table.Find(c.label, true, c.kind), &exact);
        table.SelectRow(&exact);
        EXPECT_EQ(table.Find(c.label, false, c.kind), nullptr);
    }
}

TEST(FindWalk, AnEmptyTableFindsNothing) {
    FakeTable table(SearchKind::activities);
    table.Update();
    EXPECT_EQ(table.Find(L""), nullptr);
    EXPECT_EQ(table.Find(L"", false), nullptr);
}

TEST(FindStates, TheKindNumbersMapBothWays) {
    const std::pair<SearchKind, FindTable> pairs[] = {
        {SearchKind::activities, FindTable::activities},
        {SearchKind::projects, FindTable::projects},
        {SearchKind::wbs, FindTable::wbs},
        {SearchKind::resources, FindTable::resources},
    };
    for (const auto& [kind, table] : pairs) {
        EXPECT_EQ(FindTableOf(kind), table);
        EXPECT_EQ(SearchKindOf(table), kind);
    }
    EXPECT_EQ(static_cast<int>(SearchKind::projects), 1);
    EXPECT_EQ(static_cast<int>(FindTable::projects), 2);
}

class FindFieldsTest : public testing::Test {
protected:
    void SetUp() override {
        CaptionCatalog::Instance().Reset();
        CaptionCatalog::Instance().ChooseLanguage(L"ENU");
        ColumnCatalog::Instance().BuildAllColumns();
    }
    void TearDown() override {
        ColumnCatalog::Instance().Reset();
        CaptionCatalog::Instance().Reset();
    }
};

TEST_F(FindFieldsTest, SavedChoicesComeBackPerKind) {
    std::array<FindState, 4> states = DefaultFindStates();
    SaveFindChoices(states, SearchKind::projects, {331, true, false, false});
    SaveFindChoices(states, SearchKind::resources, {std::nullopt, false, true, true});
    const ColumnDef* project_fields[] = {FindSearchColumn(SearchKind::projects, 330),
                                         FindSearchColumn(SearchKind::projects, 331)};
    ASSERT_NE(project_fields[1], nullptr);
    const RestoredFind projects = RestoreFindChoices(states, SearchKind::projects, project_fields);
    EXPECT_EQ(projects.field_index, 1u);
    EXPECT_TRUE(projects.state.whole_text);
    EXPECT_FALSE(projects.state.search_down);

    const RestoredFind resources = RestoreFindChoices(states, SearchKind::resources, {});
    EXPECT_EQ(resources.state.column_id, 535) << "no chosen field keeps the stored one";
    EXPECT_TRUE(resources.state.match_case);
    EXPECT_FALSE(resources.field_index.has_value()) << "a saved id no item has selects nothing";

    for (const SearchKind untouched : {SearchKind::activities, SearchKind::wbs}) {
        const FindState& state = FindStateOf(states, untouched);
        EXPECT_FALSE(state.whole_text || state.match_case);
        EXPECT_TRUE(state.search_down);
    }
    EXPECT_EQ(FindStateOf(states, SearchKind::wbs).column_id, 510);
}

TEST_F(FindFieldsTest, ListKindsOfferTheirLabelsInOrder) {
    using K = ColumnValueKind;
    const std::pair<K, std::vector<std::wstring>> cases[] = {
        {K::flag, {L"Yes", L"No"}},
        {K::resource_type, {L"Material", L"Labor", L"Nonlabor"}},
        {K::rate_type, {L"Price / Unit", L"Price / Unit2", L"Price / Unit3", L"Price / Unit4", L"Price / Unit5"}},
        {K::project_status, {L"Active", L"Inactive", L"Planned", L"What-if"}},
        {K::relationship_type, {L"FF", L"FS", L"SF", L"SS"}},
        {K::text, {}},
        {K::date, {}},
    };
    for (const auto& [kind, labels] : cases) EXPECT_EQ(ValueLabels(kind), labels) << static_cast<int>(kind);
    EXPECT_EQ(ValueLabels(K::constraint_type).size(), 9u);
    EXPECT_EQ(ValueLabels(K::activity_type).back(), L"WBS Summary");
    EXPECT_EQ(ValueLabels(K::leveling_priority).front(), L"1 - Top");
}

TEST_F(FindFieldsTest, SearchableColumnsArePresentFlagsTextsAndListsOfTheWholeTable) {
    LayoutStore store;
    EXPECT_TRUE(SearchableColumns(SearchKind::activities, store).empty()) << "no current layout";

    auto layout = std::make_unique<ActivityLayout>();
    layout->SetName(store.CurrentActivityLayoutName());
    store.ActivityLayouts().push_back(std::move(layout));
    ColumnCatalog& catalog = ColumnCatalog::Instance();
    const auto columns = SearchableColumns(SearchKind::activities, store);
    ASSERT_FALSE(columns.empty());
    for (const ColumnDef* column : columns) {
        EXPECT_TRUE(IsSearchableValueKind(column->value_kind)) << column->column_id;
        EXPECT_NE(column->present, 0);
    }
    EXPECT_TRUE(std::ranges::is_sorted(columns, {}, [&](const ColumnDef* c) { return c - catalog.activity_columns().data(); }));

    catalog.ClearPresent();
    ASSERT_TRUE(catalog.MarkPresent(ColumnTable::activity, 132));
    const auto present = SearchableColumns(SearchKind::activities, store);
    ASSERT_EQ(present.size(), 1u);
    EXPECT_EQ(present.front()->column_id, 132u);
}

TEST_F(FindFieldsTest, ColumnsOfOneCaptionStayApartByTheirIds) {
    LayoutStore store;  // builds the tables; the file's columns follow
    const auto added = testing_shell::AddSharedCaptionColumns(ColumnCatalog::Instance());
    ASSERT_TRUE(added.has_value());
    const std::uint32_t ids[] = {added->user_start, added->global_phase, added->project_phase};
    auto layout = std::make_unique<ActivityLayout>();
    layout->SetName(store.CurrentActivityLayoutName());
    store.ActivityLayouts().push_back(std::move(layout));

    const auto columns = SearchableColumns(SearchKind::activities, store);
    for (const std::uint32_t id : ids) {
        const auto hits = std::ranges::count_if(columns, [id](const ColumnDef* c) { return c->column_id == id; });
        EXPECT_EQ(hits, 1) << id;
    }
    // The field chosen by id is the one searched: the user field, not the built-in "Start".
    std::array<FindState, 4> states = DefaultFindStates();
    SaveFindChoices(states, SearchKind::activities, {ids[2], false, false, true});
    const RestoredFind restored = RestoreFindChoices(states, SearchKind::activities, columns);
    ASSERT_TRUE(restored.field_index.has_value());
    EXPECT_EQ(columns[*restored.field_index]->column_id, ids[2]);
    EXPECT_EQ(FindSearchColumn(SearchKind::activities, ids[0])->caption, L"Start");
}

}  // namespace
}  // namespace varnholt
