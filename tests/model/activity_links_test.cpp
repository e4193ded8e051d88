// Activity records: the link rules that loading applies to relationships, assignments,
// steps, activity code values, user-defined values and memos.

#include "model/records/ActvCodeRecord.h"
#include "model/records/code_value_path.h"
#include "model/records/MemoRecord.h"
#include "model/records/TaskPredRecord.h"
#include "model/records/TaskProcRecord.h"
#include "model/records/TaskRecord.h"
#include "model/records/TaskRsrcRecord.h"
#include "model/records/UdfTypeRecord.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cwchar>
#include <limits>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace varnholt {
namespace {

std::unique_ptr<TaskRecord> MakeActivity(std::uint32_t task_id, std::uint32_t proj_id) {
    auto task = std::make_unique<TaskRecord>();
    task->task_id = s_unsigned_long(task_id);
    task->proj_id = s_unsigned_long(proj_id);
    return task;
}

TEST(RelationshipLinks, ActivityRelatedToItselfListsItOnBothSides) {
    auto a = MakeActivity(1, 7);
    TaskPredRecord loop;
    LinkRelationship(loop, a.get(), a.get());
    ASSERT_EQ(a->predecessors.size(), 1u);
    ASSERT_EQ(a->successors.size(), 1u);
    EXPECT_EQ(a->predecessors[0], &loop);
    EXPECT_EQ(a->successors[0], &loop);
}

TEST(StepLinks, StepListedOnlyUnderAFoundActivity) {
    auto task = MakeActivity(101, 7);
    TaskProcRecord found, orphan;
    LinkActivityStep(found, task.get(), nullptr);
    LinkActivityStep(orphan, nullptr, nullptr);
    EXPECT_EQ(found.task, task.get());
    EXPECT_EQ(orphan.task, nullptr);
    EXPECT_EQ(task->steps, (std::vector<TaskProcRecord*>{&found}));
}

std::unique_ptr<UdfTypeRecord> MakeUdfType(const wchar_t* logical_type) {
    auto type = std::make_unique<UdfTypeRecord>();
    type->logical_data_type = s_logical_data_type(std::wstring_view(logical_type));
    return type;
}

TEST(UdfValueLinks, DecimalCopiesTheNumberWithItsFlags) {
    auto type = MakeUdfType(L"FT_FLOAT_2_DECIMALS");
    UdfValueRecord given, empty;
    given.udf_number = s_double(2.75);
    empty.udf_number.value = 4.0;  // a number the file did not give
    LinkUdfValue(given, type.get());
    LinkUdfValue(empty, type.get());
    EXPECT_EQ(given.udf_decimal.value, 2.75);
    EXPECT_EQ(given.udf_decimal.null_flag, 0);
    EXPECT_EQ(empty.udf_decimal.value, 4.0);
    EXPECT_EQ(empty.udf_decimal.null_flag, 1) << "the missing value stays missing";
}

TEST(UdfValueLinks, IndicatorTakesOnlyTheNumberOfItsText) {
    auto type = MakeUdfType(L"FT_STATICTYPE");
    struct Case { const wchar_t* text; std::int32_t indicator; };
    const Case cases[] = {{L"UDF_G1", 2}, {L"Red", 2}, {L"UDF_G4", 4}, {L"purple", 0}, {L"", 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "text " << std::string(c.text, c.text + std::wcslen(c.text)));
        UdfValueRecord value;
        value.udf_text = s_string(std::wstring_view(c.text));
        LinkUdfValue(value, type.get());
        EXPECT_EQ(value.udf_indicator.value, c.indicator);
        EXPECT_EQ(value.udf_indicator.null_flag, 1);
    }
}

TEST(UdfValueLinks, OtherTypesAndMissingTypesFillNothing) {
    auto date_type = MakeUdfType(L"FT_START_DATE");
    auto text_type = MakeUdfType(L"FT_TEXT");
    auto unread_type = std::make_unique<UdfTypeRecord>();  // data type left at its default
    struct Case { const char* why; UdfTypeRecord* type; };
    const Case cases[] = {{"start date", date_type.get()}, {"text", text_type.get()},
                          {"type row without a data type", unread_type.get()}, {"type missing", nullptr}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        UdfValueRecord value;
        value.udf_number = s_double(3.0);
        value.udf_text = s_string(std::wstring_view(L"UDF_G1"));
        LinkUdfValue(value, c.type);
        EXPECT_EQ(value.udf_type, c.type);
        EXPECT_EQ(value.udf_money.null_flag, 1);
        EXPECT_EQ(value.udf_int.null_flag, 1);
        EXPECT_EQ(value.udf_decimal.null_flag, 1);
        EXPECT_EQ(value.udf_indicator.value, 0);
    }
}

TEST(MemoLinks, TaskMemoListedOnlyUnderAFoundActivity) {
    auto task = MakeActivity(101, 7);
    MemoTypeRecord topic;
    MemoRecord found, orphan;
    LinkTaskMemo(found, task.get(), nullptr, &topic);
    LinkTaskMemo(orphan, nullptr, nullptr, &topic);
    EXPECT_EQ(found.task, task.get());
    EXPECT_EQ(found.memo_type, &topic);
    EXPECT_EQ(orphan.task, nullptr);
    EXPECT_EQ(orphan.memo_type, &topic) << "the topic links even without an owner";
    EXPECT_EQ(task->memos, (std::vector<MemoRecord*>{&found}));
}

TEST(MemoLinks, WbsMemoNeverPointsAtAnActivity) {
    MemoTypeRecord topic;
    MemoRecord memo;
    LinkWbsMemo(memo, nullptr, nullptr, &topic);
    EXPECT_EQ(memo.task, nullptr);
    EXPECT_EQ(memo.wbs, nullptr);
    EXPECT_EQ(memo.memo_type, &topic);
}

}  // namespace
}  // namespace varnholt
