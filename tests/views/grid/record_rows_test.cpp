// Record rows: how each routes column and field ids, and the WBS summary rule.

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
