// built_in_tables_test.cpp - the rules every entry of the built-in column tables follows.

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

struct TableShape { ColumnTable table; const char* name; ColumnOwner owner; };

constexpr TableShape kShapes[] = {
    {ColumnTable::activity, "activity", ColumnOwner::activity},
    {ColumnTable::project, "project", ColumnOwner::project}, {ColumnTable::wbs, "WBS", ColumnOwner::wbs},
    {ColumnTable::resource, "resource", ColumnOwner::resource},
    {ColumnTable::predecessor, "predecessor", ColumnOwner::relationship},
    {ColumnTable::successor, "successor", ColumnOwner::relationship},
};

// Lookups by id take the first entry: a repeated id would hide a column.
TEST_F(BuiltInTablesTest, EveryIdOnceWithItsOwner) {
    std::set<std::uint32_t> ids;
    for (const TableShape& shape : kShapes) {
        SCOPED_TRACE(shape.name);
        for (const ColumnDef& def : catalog().columns(shape.table)) {
            SCOPED_TRACE(def.column_id);
            EXPECT_TRUE(ids.insert(def.column_id).second) << "an id occurs twice";
            EXPECT_EQ(def.field_id, static_cast<std::int32_t>(def.column_id)) << "built-in ids coincide";
            EXPECT_EQ(def.owner, shape.owner);
        }
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
