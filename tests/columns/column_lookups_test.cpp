// column_lookups_test.cpp - finding columns by field name, caption, id and file field name:
// case rules, which tables skip absent entries, table order, and the lazily built indexes.

#include "column_catalog_fixture.h"

#include <gtest/gtest.h>

#include <string>

namespace varnholt {
namespace {

using ColumnLookupTest = ColumnCatalogTest;
using NameLookup = const ColumnDef* (ColumnCatalog::*)(std::wstring_view) const;

struct NameCase {
    NameLookup lookup;
    const wchar_t* key;
    std::uint32_t expected;  // 0: nothing found
    const char* reason;
};

void ExpectNameCases(const ColumnCatalog& catalog, std::span<const NameCase> cases) {
    for (const NameCase& c : cases) {
        SCOPED_TRACE(c.reason);
        const ColumnDef* def = (catalog.*c.lookup)(c.key);
        if (c.expected == 0) {
            EXPECT_EQ(def, nullptr);
        } else {
            ASSERT_NE(def, nullptr);
            EXPECT_EQ(def->column_id, c.expected);
        }
    }
}

TEST_F(ColumnLookupTest, FieldNamesMatchWithoutRegardToCase) {
    const NameCase cases[] = {
        {&ColumnCatalog::FindActivityByName, L"task_code", 130, "exact"},
        {&ColumnCatalog::FindActivityByName, L"TASK_CODE", 130, "capitals"},
        {&ColumnCatalog::FindActivityByName, L"Project\\7cPROJ_NAME", 149, "mixed case across the \\7C"},
        {&ColumnCatalog::FindActivityByName, L"project|proj_name", 0, "\\7C is kept literally, never decoded"},
        {&ColumnCatalog::FindActivityByName, L"task_code ", 0, "no trimming"},
        {&ColumnCatalog::FindActivityByName, L"task_cod", 0, "no prefix match"},
        {&ColumnCatalog::FindActivityByName, L"[CAPTION]", 213, "the group-name column"},
        {&ColumnCatalog::FindActivityByName, L"user_id", 145, "absent entries answer by name"},
        {&ColumnCatalog::FindProjectByName, L"PROJECT\\7CPROJ_SHORT_NAME", 328, "project field"},
        {&ColumnCatalog::FindProjectByName, L"wbs_name", 0, "a WBS-only name"},
        {&ColumnCatalog::FindWbsByName, L"[caption]", 511, "WBS group-name column"},
        {&ColumnCatalog::FindWbsByName, L"Act_Progress_Date", 512, "absent WBS entry answers by name"},
        {&ColumnCatalog::FindResourceByName, L"EMPLOYEE_CODE", 521, "resource"},
        {&ColumnCatalog::FindPredecessorByName, L"PRED_TYPE", 561, "predecessor"},
        {&ColumnCatalog::FindSuccessorByName, L"pred_type", 589, "same name, successor table"},
        {&ColumnCatalog::FindSuccessorByName, L"task\\7Cend_datee", 574, "the doubled e as stored"},
        {&ColumnCatalog::FindSuccessorByName, L"TASK\\7CEND_DATEE", 574, "doubled e in capitals"},
        {&ColumnCatalog::FindSuccessorByName, L"task\\7Cend_date", 0, "the regular spelling is not a column"},
        {&ColumnCatalog::FindPredecessorByName, L"critical_flag", 0, "absent relationship entries are skipped"},
        {&ColumnCatalog::FindSuccessorByName, L"rtf", 0, "float-path columns start absent"},
    };
    ExpectNameCases(catalog(), cases);
}

TEST_F(ColumnLookupTest, LatinOneCapitalsFoldLikeAsciiOnes) {
    // Built-in names are ASCII; file names need not be. Folding must not depend on the locale
    // the suite runs under.
    const ColumnDef* added = AddUdf(L"TASK", 1, L"Größe", L"ÄNDERUNG_ÉTÉ");
    ASSERT_NE(added, nullptr);
    EXPECT_EQ(catalog().FindActivityByName(L"änderung_été"), added);
    EXPECT_EQ(catalog().FindActivityByName(L"ANDERUNG_ETE"), nullptr) << "accents are not dropped";
}

TEST_F(ColumnLookupTest, CaptionsMatchExactlyAndOnlyPresentEntries) {
    const NameCase cases[] = {
        {&ColumnCatalog::FindActivityByCaption, L"Activity Name", 132, "exact"},
        {&ColumnCatalog::FindActivityByCaption, L"activity name", 0, "case counts"},
        {&ColumnCatalog::FindActivityByCaption, L"Activity Name ", 0, "no trimming"},
        {&ColumnCatalog::FindActivityByCaption, L"Owner", 0, "145 is absent"},
        {&ColumnCatalog::FindActivityByCaption, L"Project Status", 0, "150 is absent"},
        {&ColumnCatalog::FindActivityByCaption, L"Start", 82, "first present entry of that caption"},
        {&ColumnCatalog::FindProjectByCaption, L"Project Status", 331, "project"},
        {&ColumnCatalog::FindWbsByCaption, L"WBS Code", 374, "WBS"},
        {&ColumnCatalog::FindResourceByCaption, L"Resource Name", 535, "resource"},
        {&ColumnCatalog::FindResourceByCaption, L"Calendar", 0, "517 is absent"},
        {&ColumnCatalog::FindPredecessorByCaption, L"WBS", 562, "predecessor"},
        {&ColumnCatalog::FindSuccessorByCaption, L"Finish", 574, "successor"},
        {&ColumnCatalog::FindSuccessorByCaption, L"Driving", 0, "586 is absent"},
    };
    ExpectNameCases(catalog(), cases);
}

TEST_F(ColumnLookupTest, EmptyCaptionFindsTheFirstPresentEntryWhenNoTextIsLoaded) {
    OpenDocumentUnder(L"ENU");
    CaptionCatalog::Instance().Reset();
    catalog().BuildAllColumns();
    EXPECT_EQ(catalog().FindActivityByCaption(L"")->column_id, 6u);
    EXPECT_EQ(catalog().FindWbsByCaption(L"")->column_id, 379u) << "375, 376 and 378 are absent";
    EXPECT_EQ(catalog().FindActivityByCaption(L"Activity Name"), nullptr);
}

TEST_F(ColumnLookupTest, ClearPresentSilencesCaptionAndRelationshipNameLookupsOnly) {
    catalog().ClearPresent();
    EXPECT_EQ(catalog().FindActivityByCaption(L"Activity Name"), nullptr);
    EXPECT_EQ(catalog().FindPredecessorByCaption(L"WBS"), nullptr);
    EXPECT_EQ(catalog().FindPredecessorByName(L"pred_type"), nullptr);
    EXPECT_EQ(catalog().FindSuccessorByName(L"pred_type"), nullptr);

    EXPECT_NE(catalog().FindActivityByName(L"task_code"), nullptr);
    EXPECT_NE(catalog().FindResourceByName(L"rsrc_name"), nullptr);
    EXPECT_NE(catalog().FindAnyByColumnId(599), nullptr);
    EXPECT_NE(catalog().FindWbsByFieldId(374), nullptr);

    // A workbook then marks what it supplies.
    EXPECT_TRUE(catalog().MarkPresent(ColumnTable::predecessor, 561));
    EXPECT_EQ(catalog().FindPredecessorByName(L"pred_type")->column_id, 561u);
    EXPECT_EQ(catalog().FindSuccessorByName(L"pred_type"), nullptr);
    EXPECT_FALSE(catalog().MarkPresent(ColumnTable::predecessor, 589)) << "a successor id";
}

TEST_F(ColumnLookupTest, AnyTableAnswersFromTheFirstTableThatHasTheId) {
    struct IdCase { std::uint32_t id; ColumnTable table; bool found; const char* reason; };
    constexpr IdCase kCases[] = {
        {0, ColumnTable::activity, false, "no column has 0"},
        {5, ColumnTable::activity, false, "below the built-in ids"},
        {6, ColumnTable::activity, true, "first activity id"}, {213, ColumnTable::activity, true, "last activity id"},
        {214, ColumnTable::project, true, "first project id"},
        {373, ColumnTable::project, true, "last project id"}, {374, ColumnTable::wbs, true, "first WBS id"},
        {512, ColumnTable::wbs, true, "last WBS id"}, {513, ColumnTable::resource, true, "first resource id"},
        {571, ColumnTable::predecessor, true, "last predecessor id"},
        {572, ColumnTable::successor, true, "successor, after five tables gave nothing"},
        {599, ColumnTable::successor, true, "last built-in id"},
        {600, ColumnTable::activity, false, "past the built-in ids"},
        {100000, ColumnTable::activity, false, "no load-time column yet"},
    };
    for (const IdCase& c : kCases) {
        SCOPED_TRACE(c.reason);
        const ColumnDef* def = catalog().FindAnyByColumnId(c.id);
        EXPECT_EQ(catalog().FindAnyByFieldId(static_cast<std::int32_t>(c.id)), def) << "built-in ids coincide";
        if (!c.found) {
            EXPECT_EQ(def, nullptr);
            continue;
        }
        ASSERT_NE(def, nullptr);
        EXPECT_EQ(def->column_id, c.id);
        EXPECT_TRUE(Holds(catalog().columns(c.table), def));
    }
}

// The index maps hold pointers into a table that an append may move; every append must make
// the next lookup rebuild them, whichever index was used before.
TEST_F(ColumnLookupTest, IndexesSeeColumnsAppendedAfterAnEarlierLookup) {
    for (const bool field_id_first : {true, false}) {
        SCOPED_TRACE(field_id_first ? "field id index used first" : "column id index used first");
        OpenDocumentUnder(L"ENU");
        if (field_id_first) {
            EXPECT_EQ(catalog().FindWbsByFieldId(2), nullptr);
        } else {
            EXPECT_EQ(catalog().FindWbsByColumnId(100004), nullptr);
        }
        const ColumnDef* added = AddUdf(L"PROJWBS", 4, L"Zone", L"user_field_4");
        ASSERT_NE(added, nullptr);
        EXPECT_EQ(catalog().FindWbsByColumnId(100004), added);
        EXPECT_EQ(catalog().FindWbsByFieldId(2), added);
        EXPECT_EQ(catalog().FindWbsByColumnId(374)->field_name, L"wbs_concat_name") << "old entries moved too";
    }
}

TEST_F(ColumnLookupTest, RangeSearchesReturnTheFirstMatchOrTheEnd) {
    const ColumnCatalog::Run wbs = catalog().wbs_columns();
    EXPECT_EQ(ColumnCatalog::FindInRangeByColumnId(wbs, 374) - wbs.begin(), 99);
    EXPECT_EQ(ColumnCatalog::FindInRangeByFieldId(wbs, 375), wbs.begin());
    EXPECT_EQ(ColumnCatalog::FindInRangeByFieldId(wbs, 6), wbs.end());
    const ColumnCatalog::Run head = wbs.first(99);
    EXPECT_EQ(ColumnCatalog::FindInRangeByColumnId(head, 374), head.end()) << "only within the run";
}

TEST_F(ColumnLookupTest, FileFieldNamesMatchExactlyAndNeverWhenEmpty) {
    struct FileNameCase { ColumnTable table; const char* name; std::uint32_t expected; const char* reason; };
    constexpr FileNameCase kCases[] = {
        {ColumnTable::activity, "task_code", 130, "same as the field name"},
        {ColumnTable::activity, "TASK_CODE", 0, "case counts"},
        {ColumnTable::activity, "_project__proj_short_name", 148, "a name of its own"},
        {ColumnTable::activity, "project\\7Cproj_short_name", 0, "the field name is not the file name"},
        {ColumnTable::activity, "", 0, "computed values have no file name"},
        {ColumnTable::project, "project_short_name", 328, "the project name without '_'"},
        {ColumnTable::wbs, "wbs_id", 374, "the WBS code"},
        {ColumnTable::wbs, "projwbs__status_code", 472, "WBS status"},
        {ColumnTable::resource, "employee_code", 0, "the one resource column without a file name"},
        {ColumnTable::predecessor, "pred_type", 0, "relationship columns have none"},
    };
    for (const FileNameCase& c : kCases) {
        SCOPED_TRACE(c.reason);
        const ColumnDef* def = catalog().FindByXerFieldName(c.table, c.name);
        if (c.expected == 0) {
            EXPECT_EQ(def, nullptr);
        } else {
            ASSERT_NE(def, nullptr);
            EXPECT_EQ(def->column_id, c.expected);
        }
    }
}

}  // namespace
}  // namespace varnholt
