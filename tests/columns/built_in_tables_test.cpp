// built_in_tables_test.cpp - the built-in column tables as a whole: sizes, ids, stored order,
// captions from the caption catalogue, and the rules their entries follow.

#include "column_catalog_fixture.h"

#include "model/CaptionCatalog.h"
#include "model/text_utils.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace varnholt {
namespace {

using BuiltInTablesTest = ColumnCatalogTest;

struct TableShape {
    ColumnTable table;
    const char* name;
    std::size_t entries;
    std::uint32_t first_id;
    std::uint32_t last_id;
    ColumnOwner owner;
};

constexpr TableShape kShapes[] = {
    {ColumnTable::activity, "activity", 208, 6, 213, ColumnOwner::activity},
    {ColumnTable::project, "project", 160, 214, 373, ColumnOwner::project},
    {ColumnTable::wbs, "WBS", 139, 374, 512, ColumnOwner::wbs},
    {ColumnTable::resource, "resource", 31, 513, 543, ColumnOwner::resource},
    {ColumnTable::predecessor, "predecessor", 28, 544, 571, ColumnOwner::relationship},
    {ColumnTable::successor, "successor", 28, 572, 599, ColumnOwner::relationship},
};

std::vector<std::uint32_t> ColumnIds(ColumnCatalog::Run run) {
    std::vector<std::uint32_t> ids;
    for (const ColumnDef& def : run) ids.push_back(def.column_id);
    return ids;
}

TEST_F(BuiltInTablesTest, EachTableHoldsEveryIdOfItsRangeOnceWithItsOwner) {
    for (const TableShape& shape : kShapes) {
        SCOPED_TRACE(shape.name);
        const ColumnCatalog::Run run = catalog().columns(shape.table);
        ASSERT_EQ(run.size(), shape.entries);
        const std::vector<std::uint32_t> listed = ColumnIds(run);
        const std::set<std::uint32_t> ids(listed.begin(), listed.end());
        EXPECT_EQ(ids.size(), shape.entries) << "an id occurs twice";
        EXPECT_EQ(*ids.begin(), shape.first_id);
        EXPECT_EQ(*ids.rbegin(), shape.last_id);
        for (const ColumnDef& def : run) {
            SCOPED_TRACE(def.column_id);
            EXPECT_EQ(def.field_id, static_cast<std::int32_t>(def.column_id)) << "built-in ids coincide";
            EXPECT_EQ(def.owner, shape.owner);
            EXPECT_NE(def.caption_id, 0);
        }
    }
}

TEST_F(BuiltInTablesTest, RebuildingLeavesTheSameTables) {
    const std::vector<std::uint32_t> first_build = ColumnIds(catalog().activity_columns());
    catalog().BuildAllColumns();
    EXPECT_EQ(ColumnIds(catalog().activity_columns()), first_build);
    for (const TableShape& shape : kShapes) {
        SCOPED_TRACE(shape.name);
        EXPECT_EQ(catalog().columns(shape.table).size(), shape.entries);
    }
}

// Stored order matters: every scan and the column chooser meet entries in it.
TEST_F(BuiltInTablesTest, StoredOrderKeepsItsExceptions) {
    struct Run {
        ColumnTable table;
        std::vector<std::uint32_t> ids;
        const char* reason;
    };
    const Run runs[] = {
        {ColumnTable::activity, {52, 54, 53, 55}, "actual start is stored before actual finish"},
        {ColumnTable::activity, {83, 212, 84}, "actual progress date sits between the dates and durations"},
        {ColumnTable::activity, {98, 100, 99, 101}, "accounting variance in units before the cost one"},
        {ColumnTable::wbs, {474, 374, 510, 475}, "WBS code and name within the general group"},
        {ColumnTable::wbs, {482, 377, 483}, "activity count behind the other counts"},
    };
    for (const Run& run : runs) {
        SCOPED_TRACE(run.reason);
        const std::vector<std::uint32_t> ids = ColumnIds(catalog().columns(run.table));
        const auto at = std::search(ids.begin(), ids.end(), run.ids.begin(), run.ids.end());
        EXPECT_NE(at, ids.end());
    }

    const std::vector<std::uint32_t> activity = ColumnIds(catalog().activity_columns());
    EXPECT_EQ(activity.front(), 6u);
    EXPECT_EQ(activity.back(), 213u) << "the group-name column comes last";
    EXPECT_EQ(activity[47], 54u);
    EXPECT_EQ(activity[48], 53u);
    const std::vector<std::uint32_t> wbs = ColumnIds(catalog().wbs_columns());
    EXPECT_EQ(wbs.front(), 375u);
    EXPECT_EQ(wbs[99], 374u) << "the WBS code is the hundredth entry";

    for (const ColumnTable table : {ColumnTable::project, ColumnTable::resource, ColumnTable::predecessor,
                                    ColumnTable::successor}) {
        const std::vector<std::uint32_t> ids = ColumnIds(catalog().columns(table));
        EXPECT_TRUE(std::is_sorted(ids.begin(), ids.end())) << static_cast<int>(table);
    }
}

// A name that two entries of one table shared, even in another case, would hide the second
// from every name lookup.
TEST_F(BuiltInTablesTest, FieldNamesAreUniqueWithinATableWithoutRegardToCase) {
    for (const TableShape& shape : kShapes) {
        SCOPED_TRACE(shape.name);
        std::set<std::wstring> folded;
        for (const ColumnDef& def : catalog().columns(shape.table)) {
            EXPECT_FALSE(def.field_name.empty()) << def.column_id;
            EXPECT_TRUE(folded.insert(fold_case(def.field_name)).second) << def.column_id;
        }
    }
}

TEST_F(BuiltInTablesTest, EveryCaptionIdHasAnEnglishText) {
    CaptionMap english;
    LoadEnglishCaptions(english);
    for (const TableShape& shape : kShapes) {
        SCOPED_TRACE(shape.name);
        for (const ColumnDef& def : catalog().columns(shape.table)) {
            SCOPED_TRACE(def.column_id);
            const auto found = english.find(def.caption_id);
            ASSERT_NE(found, english.end());
            EXPECT_FALSE(found->second.empty());
            EXPECT_EQ(def.caption, found->second) << "built under English";
        }
    }
}

TEST_F(BuiltInTablesTest, CaptionsMatchTheQuotedEnglishTexts) {
    struct Quoted {
        ColumnTable table;
        std::uint32_t id;
        const wchar_t* caption;
    };
    constexpr Quoted kQuoted[] = {
        {ColumnTable::activity, 6, L"Activity Step Count"},
        {ColumnTable::activity, 112, L"Estimate at Completion-Labor Units"},
        {ColumnTable::activity, 148, L"Project ID"},
        {ColumnTable::activity, 180, L"Cost % of Budget (%)"},
        {ColumnTable::activity, 212, L"Actual Progress Date"},
        {ColumnTable::activity, 213, L"Group Name"},
        {ColumnTable::project, 214, L"Baseline"},
        {ColumnTable::project, 325, L"Link %s and At Completion"},
        {ColumnTable::project, 334, L"Reset Original to Remaining"},
        {ColumnTable::wbs, 374, L"WBS Code"},
        {ColumnTable::wbs, 494, L"Steps % Complete"},
        {ColumnTable::resource, 528, L"Price / Unit2"},
        {ColumnTable::predecessor, 562, L"WBS"},
        {ColumnTable::successor, 574, L"Finish"},
    };
    for (const Quoted& quoted : kQuoted) {
        SCOPED_TRACE(quoted.id);
        const ColumnCatalog::Run run = catalog().columns(quoted.table);
        const auto entry = ColumnCatalog::FindInRangeByColumnId(run, quoted.id);
        ASSERT_NE(entry, run.end());
        EXPECT_EQ(entry->caption, quoted.caption);
    }
}

TEST_F(BuiltInTablesTest, CaptionsFollowTheLanguageOfTheLastBuild) {
    EXPECT_EQ(catalog().FindActivityByColumnId(132)->caption, L"Activity Name");

    CaptionCatalog::Instance().ChooseLanguage(L"FRA");
    EXPECT_EQ(catalog().FindActivityByColumnId(132)->caption, L"Activity Name") << "fixed until rebuilt";
    catalog().BuildAllColumns();
    EXPECT_EQ(catalog().FindActivityByColumnId(132)->caption, L"Nom de l'activité");

    CaptionCatalog::Instance().Reset();  // a catalogue that holds no text at all
    catalog().BuildAllColumns();
    for (const TableShape& shape : kShapes) {
        for (const ColumnDef& def : catalog().columns(shape.table)) {
            EXPECT_TRUE(def.caption.empty()) << shape.name << ' ' << def.column_id;
        }
    }
}

// The group rows rely on these pairings: a rule on a kind it does not fit shows garbage.
TEST_F(BuiltInTablesTest, SummaryRulesFitTheValueKind) {
    for (const TableShape& shape : kShapes) {
        SCOPED_TRACE(shape.name);
        for (const ColumnDef& def : catalog().columns(shape.table)) {
            SCOPED_TRACE(def.column_id);
            switch (def.summary_rule) {
            case ColumnSummaryRule::none: break;
            case ColumnSummaryRule::earliest:
            case ColumnSummaryRule::latest: EXPECT_EQ(def.value_kind, ColumnValueKind::date); break;
            case ColumnSummaryRule::total:
                EXPECT_TRUE(def.value_kind == ColumnValueKind::integer || def.value_kind == ColumnValueKind::quantity);
                break;
            case ColumnSummaryRule::duration_span: EXPECT_EQ(def.value_kind, ColumnValueKind::duration); break;
            }
            if (shape.owner == ColumnOwner::resource || shape.owner == ColumnOwner::relationship) {
                EXPECT_EQ(def.summary_rule, ColumnSummaryRule::none);
            }
            if (shape.owner == ColumnOwner::activity && def.value_kind == ColumnValueKind::duration) {
                EXPECT_EQ(def.summary_rule, ColumnSummaryRule::duration_span);
            }
        }
    }
}

TEST_F(BuiltInTablesTest, PresentDefaultsAndFileNamesAddUp) {
    struct Totals {
        ColumnTable table;
        int present;
        int with_file_name;
    };
    constexpr Totals kTotals[] = {
        {ColumnTable::activity, 80, 157}, {ColumnTable::project, 49, 15},   {ColumnTable::wbs, 33, 19},
        {ColumnTable::resource, 26, 30},  {ColumnTable::predecessor, 17, 0}, {ColumnTable::successor, 17, 0},
    };
    for (const Totals& totals : kTotals) {
        SCOPED_TRACE(static_cast<int>(totals.table));
        int present = 0;
        int with_file_name = 0;
        for (const ColumnDef& def : catalog().columns(totals.table)) {
            present += def.present;
            with_file_name += def.xer_field_name.empty() ? 0 : 1;
        }
        EXPECT_EQ(present, totals.present);
        EXPECT_EQ(with_file_name, totals.with_file_name);
    }
}

TEST_F(BuiltInTablesTest, EachSuccessorColumnMirrorsThePredecessorColumn28IdsBelow) {
    const ColumnCatalog::Run predecessors = catalog().predecessor_columns();
    const ColumnCatalog::Run successors = catalog().successor_columns();
    ASSERT_EQ(predecessors.size(), successors.size());
    for (std::size_t i = 0; i < successors.size(); ++i) {
        const ColumnDef& pred = predecessors[i];
        const ColumnDef& succ = successors[i];
        SCOPED_TRACE(succ.column_id);
        EXPECT_EQ(succ.column_id, pred.column_id + 28);
        EXPECT_EQ(succ.caption_id, pred.caption_id);
        EXPECT_EQ(succ.value_kind, pred.value_kind);
        EXPECT_EQ(succ.present, pred.present);
        EXPECT_EQ(succ.group, pred.group);

        std::wstring expected = pred.field_name;
        if (expected.starts_with(L"predtask")) expected.erase(0, 4);                // predtask -> task
        if (expected.starts_with(L"predproject")) expected.replace(0, 11, L"project");
        if (succ.column_id == 574) expected += L'e';  // "task\7Cend_datee", as users' files hold it
        EXPECT_EQ(succ.field_name, expected);
    }
}

}  // namespace
}  // namespace varnholt
