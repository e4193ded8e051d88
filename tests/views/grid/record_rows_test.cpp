// Record rows: one kind and one getter per class, how each routes column and field ids, and
// the WBS summary rule.

#include "grid_test_support.h"

#include "model/records/ProjWbsRecord.h"
#include "model/s_unit.h"

#include <gtest/gtest.h>

#include <array>

namespace varnholt::view {
namespace {

using namespace testing_support;
using namespace view::testing;

using RecordRows = HandBuiltDocumentTest;

std::array<bool, 18> Kinds(const Row& r) {
    return {r.IsActivityRow(), r.IsOBSRow(), r.IsProjectRow(), r.IsWBSRow(), r.IsGroupRow(), r.IsResourceRow(),
            r.IsRoleRow(), r.IsRelationshipRow(), r.IsActivityCodeRow(), r.IsProjectCodeRow(), r.IsResourceCodeRow(),
            r.IsActivityStepRow(), r.IsResourceRoleRow(), r.IsRoleRateRow(), r.IsRoleLimitRow(), r.IsTaskMemoRow(),
            r.IsWBSMemoRow(), r.IsRootRow()};
}
// The getters in the order of the kinds, with null standing in for the group and root kinds.
std::array<const void*, 18> Records(const Row& r) {
    return {r.GetActivity(), r.GetOBS(), r.GetProject(), r.GetWBS(), nullptr, r.GetResource(), r.GetRole(),
            r.GetRelationship(), r.GetActivityCode(), r.GetProjectCode(), r.GetResourceCode(), r.GetActivityStep(),
            r.GetResourceRole(), r.GetRoleRate(), r.GetRoleLimit(), r.GetTaskMemo(), r.GetWBSMemo(), nullptr};
}

// A row of the class on the record, with the record its getter should return.
using Made = std::pair<std::unique_ptr<Row>, const void*>;
template <class RowClass, class Record>
Made Make(Record* record) {
    return {std::make_unique<RowClass>(record), record};
}

TEST_F(RecordRows, EachClassAnswersOneKindAndOneGetter) {
    const GroupBy entry = Entry(132);
    Made rows[] = {
        Make<ActivityRow>(doc.NewTask()), Make<OBSRow>(doc.NewObs()),
        Make<ProjectRow>(doc.NewProject()), Make<WBSRow>(doc.NewProjWbs()),
        {std::make_unique<GroupRow>(std::make_unique<WBSGroupItem>(entry, &doc, s_string(L"g"))), nullptr},
        Make<ResourceRow>(doc.NewRsrc()), Make<RoleRow>(doc.NewRole()),
        Make<RelationshipRow>(doc.NewTaskPred()), Make<ActivityCodeRow>(doc.NewActvCode()),
        Make<ProjectCodeRow>(doc.NewPCatVal()), Make<ResourceCodeRow>(doc.NewRCatVal()),
        Make<ActivityStepRow>(doc.NewTaskProc()), Make<ResourceRoleRow>(doc.NewRsrcRole()),
        Make<RoleRateRow>(doc.NewRoleRate()), Make<RoleLimitRow>(doc.NewRoleLimit()),
        Make<TaskMemoRow>(doc.NewTaskMemo()), Make<WBSMemoRow>(doc.NewWbsMemo()),
        {std::make_unique<RootRow>(), nullptr},
    };
    constexpr std::size_t kWithValues[] = {0, 2, 3, 4, 5, 7};
    for (std::size_t kind = 0; kind < std::size(rows); ++kind) {
        SCOPED_TRACE(kind);
        const Row& r = *rows[kind].first;
        std::array<bool, 18> kinds{};
        std::array<const void*, 18> records{};
        kinds[kind] = true;
        records[kind] = rows[kind].second;
        EXPECT_EQ(Kinds(r), kinds);
        EXPECT_EQ(Records(r), records);
        if (std::find(std::begin(kWithValues), std::end(kWithValues), kind) == std::end(kWithValues)) {
            EXPECT_TRUE(s_val::is_null_value(&r.GetCodeValue(132)) && s_val::is_null_value(&r.GetFieldValue(132)));
        }
    }
}

TEST_F(RecordRows, LoadTimeIdsRouteByExclusiveRanges) {
    UdfTypeRecord& field = UdfField(doc, 1, L"Text", 2);
    TaskRecord* task = AddActivity(doc, nullptr, 11, L"A");
    ProjWbsRecord* wbs = AddWbs(doc, nullptr, nullptr, 21, L"W");
    task->doc = wbs->doc = &doc;
    for (const auto& [owner, type, text] : {std::tuple{11u, 1u, L"t1"}, {11u, 399999u, L"t2"}, {21u, 1u, L"w1"}, {21u, 399999u, L"w2"}}) {
        UdfValueRecord& value = UdfValue(doc, field, owner);
        value.udf_type_id = s_unsigned_long(type);
        value.udf_text = s_string(text);
    }
    AssignCode(doc, CodeType(doc, 1, L"Phase"), *task, L"C1");
    doc.BuildIndexes();
    const ActivityRow activity(task);
    const WBSRow element(wbs);
    const GroupBy entry = Entry(132);
    const GroupRow group(ActivityGroupItem::ForValue(entry, &doc, s_string(L"A"), task));
    struct Case {
        std::int32_t id;
        const wchar_t *activity, *wbs;  // null: the shared null value
    } const cases[] = {{100000, nullptr, nullptr}, {100001, L"t1", L"w1"}, {499999, L"t2", L"w2"},
                       {500000, nullptr, nullptr}, {500001, L"C1", nullptr}, {600001, nullptr, nullptr}};
    const auto shows = [](const s_val& value, const wchar_t* text) {
        return text == nullptr ? s_val::is_null_value(&value) : value.to_string() == text;
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.id);
        EXPECT_TRUE(shows(activity.GetCodeValue(c.id), c.activity));
        EXPECT_TRUE(shows(element.GetCodeValue(c.id), c.wbs));
        EXPECT_EQ(&group.GetCodeValue(c.id), &group.GetFieldValue(c.id));
    }
}

// Roll-ups that treat every WBS column as a quantity, so that a total can carry a fraction
// into a column that the catalogue calls an integer column.
class QuantityFactsDocument final : public document::Document {
public:
    bool Open(std::wstring_view) override { return false; }
    void Build() override {}
    ColumnFact FindColumnFact(ColumnFactTable, std::int32_t) const override {
        return {.exists = true, .present = true, .value_kind = static_cast<std::int32_t>(ColumnValueKind::quantity)};
    }
};

TEST_F(RecordRows, WbsSummariesFollowTheColumnsRuleAndStayInTheRecord) {
    ColumnCatalog& catalog = ColumnCatalog::Instance();
    catalog.Reset();
    for (const auto& [id, kind] : {std::pair{498, ColumnValueKind::integer}, {499, ColumnValueKind::real}})
        catalog.AddWbsColumn({.id = id, .field_name = L"qty", .kind = kind, .summary = ColumnSummaryRule::total,
                              .present = 1, .xer_field_name = ""});
    QuantityFactsDocument facts;
    for (const auto& [sum, shown] : {std::pair{7.9, L"7"}, {-7.9, L"-7"}, {0.4, L"0"}}) {
        SCOPED_TRACE(sum);
        ProjWbsRecord& wbs = *facts.NewProjWbs();
        wbs.doc = &facts;
        wbs.act_work_qty = s_unit(sum, s_unit::kQuantity);
        WBSRow row(&wbs);
        EXPECT_EQ(&row.GetFieldValue(498), wbs.GetFieldValue(498)) << "no summary flag: the record's own value";
        row.summary = true;
        const s_val& total = row.GetFieldValue(498);
        EXPECT_EQ(total.to_string(), shown);
        WBSRow again(&wbs);  // another view's row of the element finds the kept value
        again.summary = true;
        EXPECT_EQ(&again.GetFieldValue(498), &total);
        EXPECT_TRUE(s_val::is_null_value(&row.GetFieldValue(499)));
        EXPECT_FALSE(wbs.summary_cache.contains(499));
    }
}

}  // namespace
}  // namespace varnholt::view
