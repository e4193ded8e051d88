// The document store: factories, lookups and their misses, duplicate keys, indexes, teardown.

#include "model/Document.h"
#include "model/records/ActvCodeRecord.h"
#include "model/records/CalendarRecord.h"
#include "model/records/CurrTypeRecord.h"
#include "model/records/MemoRecord.h"
#include "model/records/ObsRecord.h"
#include "model/records/PCatValRecord.h"
#include "model/records/ProjWbsRecord.h"
#include "model/records/ProjectRecord.h"
#include "model/records/RCatValRecord.h"
#include "model/records/RoleRecord.h"
#include "model/records/RsrcRateRecord.h"
#include "model/records/RsrcRecord.h"
#include "model/records/ShiftRecord.h"
#include "model/records/TaskPredRecord.h"
#include "model/records/TaskRecord.h"
#include "model/records/TaskRsrcRecord.h"
#include "model/records/UdfTypeRecord.h"

#include <gtest/gtest.h>

namespace varnholt::document {
namespace {

// The store itself does not read files.
class StoreOnly final : public Document {
public:
    bool Open(std::wstring_view) override { return false; }
    void Build() override {}
};

s_unsigned_long id(std::uint32_t value) { return s_unsigned_long(value); }
s_string text(const wchar_t* value) { return s_string(std::wstring_view{value}); }

TEST(DocumentStore, FactoriesNumberRowsAndPointBack) {
    StoreOnly doc;
    for (int i = 0; i < 3; ++i) {
        TaskRecord* task = doc.NewTask();
        EXPECT_EQ(task->load_order.value, i);
        EXPECT_EQ(task->doc, &doc);
    }
    EXPECT_EQ(doc.NewRsrc()->doc, &doc);
    doc.NewObs();
    EXPECT_EQ(doc.NewObs()->load_order.value, 1);
    EXPECT_EQ(doc.NewRole()->load_order.value, 0);
    EXPECT_EQ(doc.Tasks().size(), 3u);
}

TEST(DocumentStore, DuplicateKeysFindTheFirstRecord) {
    StoreOnly doc;
    ProjWbsRecord* first_wbs = doc.NewProjWbs();
    ProjWbsRecord* second_wbs = doc.NewProjWbs();
    first_wbs->wbs_id = id(7);
    second_wbs->wbs_id = id(7);
    ProjectRecord* first_project = doc.NewProject();
    doc.NewProject()->proj_id = id(3);
    first_project->proj_id = id(3);
    TaskRecord* first_task = doc.NewTask();
    first_task->task_id = id(11);
    doc.NewTask()->task_id = id(11);
    EXPECT_EQ(doc.FindWbs(id(7)), nullptr) << "the WBS lookup answers from the index only";
    doc.BuildIndexes();
    EXPECT_EQ(doc.ProjWbs().size(), 2u);
    EXPECT_EQ(doc.FindWbs(id(7)), first_wbs);
    EXPECT_EQ(doc.FindProject(id(3)), first_project);
    EXPECT_EQ(doc.TaskIndex().at(11), first_task);
}

TEST(DocumentStore, KeysCompareAsNumbersAndTextsExactly) {
    StoreOnly doc;
    ActvCodeRecord* code = doc.NewActvCode();
    code->actv_code_type_id = id(5);
    code->short_name = text(L"Design");
    EXPECT_EQ(doc.FindActvCode(id(5), text(L"Design")), code);
    EXPECT_EQ(doc.FindActvCode(id(5), text(L"design")), nullptr);
    EXPECT_EQ(doc.FindActvCode(id(6), text(L"Design")), nullptr);

    CalendarRecord* plain = doc.NewCalendar();
    plain->clndr_name = text(L"Standard");
    CalendarRecord* flagged = doc.NewCalendar();
    flagged->default_flag = s_bool(true);
    doc.NewCalendar()->default_flag = s_bool(true);
    EXPECT_EQ(doc.FindCalendarByName(text(L"Standard")), plain);
    EXPECT_EQ(doc.FindCalendarByName(text(L"standard")), nullptr);
    EXPECT_EQ(doc.GetDefaultCalendar(), flagged);

    // A key given as text "-1" is the number 4294967295, and null flags play no part.
    RsrcRecord* resource = doc.NewRsrc();
    resource->rsrc_id = s_unsigned_long(std::wstring_view{L"-1"});
    s_unsigned_long key(4294967295u);
    key.null_flag = 1;
    EXPECT_EQ(doc.FindResource(key), resource);

    ActvTypeRecord* type = doc.NewActvType();
    type->column_key = text(L"code_Phase");
    EXPECT_EQ(doc.FindActvTypeByName(text(L"code_Phase")), type);

    TaskActvRecord* assignment = doc.NewTaskActv();
    assignment->task_id = id(1);
    assignment->actv_code_type_id = id(5);
    EXPECT_EQ(doc.FindTaskActv(id(1), id(5)), assignment);
    EXPECT_EQ(doc.FindTaskActv(id(5), id(1)), nullptr);
}

TEST(DocumentStore, UserDefinedValuesAreFoundByRecordAndType) {
    StoreOnly doc;
    const auto add_value = [&](std::uint32_t fk, std::uint32_t type) {
        UdfValueRecord* value = doc.NewUdfValue();
        value->fk_id = id(fk);
        value->udf_type_id = id(type);
        return value;
    };
    UdfValueRecord* first = add_value(10, 1);
    add_value(10, 1);
    UdfValueRecord* other_type = add_value(10, 2);
    add_value(20, 3);
    doc.BuildIndexes();
    EXPECT_EQ(doc.FindUdfValue(id(10), id(1)), first);
    EXPECT_EQ(doc.FindUdfValue(id(10), id(2)), other_type);
    EXPECT_EQ(doc.FindUdfValue(id(20), id(1)), nullptr) << "the record has values of other types only";
    EXPECT_EQ(doc.FindUdfValue(id(30), id(1)), nullptr);
}

TEST(DocumentStore, ResourceRatesComeInTableOrder) {
    StoreOnly doc;
    RsrcRateRecord* a = doc.NewRsrcRate();
    a->rsrc_id = id(4);
    doc.NewRsrcRate()->rsrc_id = id(5);
    RsrcRateRecord* c = doc.NewRsrcRate();
    c->rsrc_id = id(4);
    EXPECT_EQ(doc.FindResourceRates(id(4)), (std::vector<RsrcRateRecord*>{a, c}));
}

TEST(DocumentStore, EveryLookupMissesOnAnEmptyDocument) {
    StoreOnly doc;
    doc.BuildIndexes();
    // Lookups that pair two keys or read a name must not stumble on empty indexes either.
    EXPECT_EQ(doc.FindWbs(id(1)), nullptr);
    EXPECT_EQ(doc.FindCalendarByName(text(L"Standard")), nullptr);
    EXPECT_EQ(doc.GetDefaultCalendar(), nullptr);
    EXPECT_TRUE(doc.FindResourceRates(id(1)).empty());
    EXPECT_EQ(doc.FindUdfValue(id(1), id(1)), nullptr);
    EXPECT_EQ(doc.FindActvCode(id(1), text(L"A")), nullptr);
    EXPECT_EQ(doc.FindRsrcRCat(id(1), id(1)), nullptr);
    EXPECT_EQ(doc.FindMemoType(id(1)), nullptr);
}

}  // namespace
}  // namespace varnholt::document
