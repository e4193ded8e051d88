// Record rows: one kind and one getter per class, how each routes column and field ids, and
// the WBS summary rule.

#include "grid_test_support.h"

#include "model/records/ProjWbsRecord.h"
#include "model/s_unit.h"

#include <gtest/gtest.h>

#include <array>
#include <functional>

namespace varnholt::view {
namespace {

using namespace testing_support;
using namespace view::testing;

using KindQuery = bool (Row::*)() const;
constexpr std::array<KindQuery, 18> kKinds = {
    &Row::IsActivityRow, &Row::IsOBSRow, &Row::IsProjectRow, &Row::IsWBSRow, &Row::IsGroupRow,
    &Row::IsResourceRow, &Row::IsRoleRow, &Row::IsRelationshipRow, &Row::IsActivityCodeRow,
    &Row::IsProjectCodeRow, &Row::IsResourceCodeRow, &Row::IsActivityStepRow, &Row::IsResourceRoleRow,
    &Row::IsRoleRateRow, &Row::IsRoleLimitRow, &Row::IsTaskMemoRow, &Row::IsWBSMemoRow, &Row::IsRootRow};

using Getter = std::function<const void*(const Row&)>;
const std::array<Getter, 16> kGetters = {
    [](const Row& r) -> const void* { return r.GetActivity(); },
    [](const Row& r) -> const void* { return r.GetOBS(); },
    [](const Row& r) -> const void* { return r.GetProject(); },
    [](const Row& r) -> const void* { return r.GetWBS(); },
    [](const Row& r) -> const void* { return r.GetResource(); },
    [](const Row& r) -> const void* { return r.GetRole(); },
    [](const Row& r) -> const void* { return r.GetRelationship(); },
    [](const Row& r) -> const void* { return r.GetActivityCode(); },
    [](const Row& r) -> const void* { return r.GetProjectCode(); },
    [](const Row& r) -> const void* { return r.GetResourceCode(); },
    [](const Row& r) -> const void* { return r.GetActivityStep(); },
    [](const Row& r) -> const void* { return r.GetResourceRole(); },
    [](const Row& r) -> const void* { return r.GetRoleRate(); },
    [](const Row& r) -> const void* { return r.GetRoleLimit(); },
    [](const Row& r) -> const void* { return r.GetTaskMemo(); },
    [](const Row& r) -> const void* { return r.GetWBSMemo(); },
};

class RecordRows : public HandBuiltDocumentTest {};

TEST_F(RecordRows, EachClassAnswersOneKindAndOneGetter) {
    const GroupBy entry = Entry(132);
    struct Case {
        const char* why;
        std::unique_ptr<Row> row;
        std::size_t kind;       // index into kKinds
        const void* record;     // what the kind's getter returns
        bool has_values;        // answers its record's values
    };
    Case cases[] = {
        {"activity", std::make_unique<ActivityRow>(doc.NewTask()), 0, doc.Tasks().back().get(), true},
        {"OBS node", std::make_unique<OBSRow>(doc.NewObs()), 1, doc.Obs().back().get(), false},
        {"project", std::make_unique<ProjectRow>(doc.NewProject()), 2, doc.Projects().back().get(), true},
        {"WBS element", std::make_unique<WBSRow>(doc.NewProjWbs()), 3, doc.ProjWbs().back().get(), true},
        {"group", std::make_unique<GroupRow>(std::make_unique<WBSGroupItem>(entry, &doc, s_string(L"g"))), 4, nullptr, true},
        {"resource", std::make_unique<ResourceRow>(doc.NewRsrc()), 5, doc.Rsrcs().back().get(), true},
        {"role", std::make_unique<RoleRow>(doc.NewRole()), 6, doc.Roles().back().get(), false},
        {"relationship", std::make_unique<RelationshipRow>(doc.NewTaskPred()), 7, doc.TaskPreds().back().get(), true},
        {"activity code", std::make_unique<ActivityCodeRow>(doc.NewActvCode()), 8, doc.ActvCodes().back().get(), false},
        {"project code", std::make_unique<ProjectCodeRow>(doc.NewPCatVal()), 9, doc.PCatVals().back().get(), false},
        {"resource code", std::make_unique<ResourceCodeRow>(doc.NewRCatVal()), 10, doc.RCatVals().back().get(), false},
        {"step", std::make_unique<ActivityStepRow>(doc.NewTaskProc()), 11, doc.TaskProcs().back().get(), false},
        {"resource role", std::make_unique<ResourceRoleRow>(doc.NewRsrcRole()), 12, doc.RsrcRoles().back().get(), false},
        {"role rate", std::make_unique<RoleRateRow>(doc.NewRoleRate()), 13, doc.RoleRates().back().get(), false},
        {"role limit", std::make_unique<RoleLimitRow>(doc.NewRoleLimit()), 14, doc.RoleLimits().back().get(), false},
        {"activity memo", std::make_unique<TaskMemoRow>(doc.NewTaskMemo()), 15, doc.TaskMemos().back().get(), false},
        {"WBS memo", std::make_unique<WBSMemoRow>(doc.NewWbsMemo()), 16, doc.WbsMemos().back().get(), false},
        {"root", std::make_unique<RootRow>(), 17, nullptr, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        for (std::size_t k = 0; k < kKinds.size(); ++k) EXPECT_EQ(((*c.row).*kKinds[k])(), k == c.kind) << k;
        // Getters follow the kinds without the group and root kinds.
        const std::size_t getter = c.kind < 4 ? c.kind : c.kind - 1;
        for (std::size_t g = 0; g < kGetters.size(); ++g)
            EXPECT_EQ(kGetters[g](*c.row), g == getter && c.kind != 4 ? c.record : nullptr) << g;
        if (!c.has_values) {
            EXPECT_TRUE(s_val::is_null_value(&c.row->GetCodeValue(132)));
            EXPECT_TRUE(s_val::is_null_value(&c.row->GetFieldValue(132)));
        }
    }
}

TEST_F(RecordRows, LoadTimeIdsRouteByTheirExclusiveRanges) {
    UdfTypeRecord& text_field = *doc.NewUdfType();
    text_field.logical_data_type = s_logical_data_type(2);  // text
    LoadTimeFixture load{doc};
    TaskRecord* task = AddActivity(doc, nullptr, 11, L"A");
    task->doc = &doc;
    ProjWbsRecord* wbs = AddWbs(doc, nullptr, nullptr, 21, L"W");
    wbs->doc = &doc;
    for (const auto& [owner, type, text] : {std::tuple{11u, 1u, L"t1"}, {11u, 399999u, L"t399999"}, {21u, 1u, L"w1"},
                                             {21u, 399999u, L"w399999"}}) {
        UdfValueRecord& value = load.UdfValue(text_field, owner);
        value.udf_type_id = s_unsigned_long(type);
        value.udf_text = s_string(text);
    }
    load.AssignCode(load.CodeType(1, L"Phase"), *task, L"C1", L"Code one");
    doc.BuildIndexes();
    const ActivityRow activity(task);
    const WBSRow element(wbs);
    const GroupBy entry = Entry(132);
    const GroupRow group(ActivityGroupItem::ForValue(entry, &doc, s_string(L"A"), task));

    struct Case {
        std::int32_t id;
        const wchar_t* activity;  // null: the shared null value
        const wchar_t* wbs;
    };
    const Case cases[] = {
        {100000, nullptr, nullptr},  {100001, L"t1", L"w1"},     {499999, L"t399999", L"w399999"},
        {500000, nullptr, nullptr},  {500001, L"C1", nullptr},   {600001, nullptr, nullptr},
    };
    const auto shows = [](const s_val& value, const wchar_t* text) {
        return text == nullptr ? s_val::is_null_value(&value) : value.to_string() == text;
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.id);
        EXPECT_TRUE(shows(activity.GetCodeValue(c.id), c.activity));
        EXPECT_TRUE(shows(element.GetCodeValue(c.id), c.wbs));
        EXPECT_EQ(&group.GetCodeValue(c.id), &group.GetFieldValue(c.id));
        EXPECT_TRUE(s_val::is_null_value(&group.GetFieldValue(c.id)));
    }
}

// A document whose roll-ups treat every WBS column as a quantity, so that a total can carry
// a fraction into a column that the catalogue calls an integer column.
class QuantityFactsDocument final : public document::Document {
public:
    bool Open(std::wstring_view) override { return false; }
    void Build() override {}
    ColumnFact FindColumnFact(ColumnFactTable, std::int32_t) const override {
        return {.exists = true, .present = true, .value_kind = static_cast<std::int32_t>(ColumnValueKind::quantity)};
    }
};

TEST_F(RecordRows, WbsSummariesFollowTheColumnsRuleAndAreKept) {
    ColumnCatalog& catalog = ColumnCatalog::Instance();
    catalog.Reset();
    catalog.AddWbsColumn({.id = 498, .field_name = L"act_work_qty", .kind = ColumnValueKind::integer,
                          .summary = ColumnSummaryRule::total, .present = 1, .xer_field_name = ""});
    catalog.AddWbsColumn({.id = 499, .field_name = L"act_equip_qty", .kind = ColumnValueKind::real,
                          .summary = ColumnSummaryRule::total, .present = 1, .xer_field_name = ""});
    QuantityFactsDocument facts;
    struct Case {
        double sum;
        const wchar_t* shown;
    };
    for (const Case c : {Case{7.9, L"7"}, Case{-7.9, L"-7"}, Case{0.4, L"0"}}) {
        SCOPED_TRACE(c.sum);
        ProjWbsRecord& wbs = *facts.NewProjWbs();
        wbs.doc = &facts;
        wbs.act_work_qty = s_unit(c.sum, s_unit::kQuantity);
        WBSRow row(&wbs);
        EXPECT_EQ(&row.GetFieldValue(498), wbs.GetFieldValue(498)) << "no summary flag: the record's own value";
        row.summary = true;
        const s_val& total = row.GetFieldValue(498);
        EXPECT_EQ(total.to_string(), c.shown);
        EXPECT_EQ(&row.GetFieldValue(498), &total);
        EXPECT_EQ(&WBSRow(&wbs).GetFieldValue(498), wbs.GetFieldValue(498)) << "the cache lives in the record";
        EXPECT_TRUE(s_val::is_null_value(&row.GetFieldValue(499)));
        EXPECT_FALSE(wbs.summary_cache.contains(499));
    }
}

}  // namespace
}  // namespace varnholt::view
