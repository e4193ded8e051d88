// Field access by id: which ids each record answers and from where, the calendar factors,
// the columns of user-defined fields and codes, and the relationship's two sides.

#include "hand_built_document.h"

#include "columns/ColumnCatalog.h"

#include "model/records/ActvCodeRecord.h"
#include "model/records/CurrTypeRecord.h"
#include "model/records/ObsRecord.h"
#include "model/records/PCatValRecord.h"
#include "model/records/RCatValRecord.h"
#include "model/records/RsrcRateRecord.h"
#include "model/records/ShiftRecord.h"
#include "model/records/UdfTypeRecord.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
#include <set>
#include <utility>

namespace varnholt {
namespace {

using namespace testing_support;

// Each id a record answers is a column of one of its tables in the catalogue: a dispatch entry
// under a wrong id would show its value in a column of another meaning.
template <class Record>
void ExpectOnlyCatalogueColumns(const Record& record, std::initializer_list<ColumnTable> tables) {
    int answered = 0;
    for (std::int32_t id = 0; id <= 700; ++id) {
        const s_val* value = record.GetFieldValue(id);
        ASSERT_NE(value, nullptr);
        if (s_val::is_null_value(value)) continue;
        ++answered;
        bool listed = false;
        for (const ColumnTable table : tables) {
            const ColumnCatalog::Run run = ColumnCatalog::Instance().columns(table);
            listed = listed || std::any_of(run.begin(), run.end(), [id](const ColumnDef& def) { return def.field_id == id; });
        }
        EXPECT_TRUE(listed) << "id " << id;
    }
    EXPECT_GT(answered, 10);
}

class FieldAccess : public HandBuiltDocumentTest {
protected:
    // Project PRJ with root P ("Project One") > A ("Alpha"), activity A100 in A on calendar
    // "Std", with a resource R1, OBS node "Office" responsible for P.
    void SetUp() override {
        HandBuiltDocumentTest::SetUp();
        project = AddProject(doc, 1, L"PRJ");
        root = AddWbs(doc, project, nullptr, 10, L"P", L"Project One");
        alpha = AddWbs(doc, project, root, 11, L"A", L"Alpha");
        calendar = AddCalendar(doc, L"Std");
        task = AddActivity(doc, alpha, 100, L"A100");
        task->calendar = calendar;
        resource = AddResource(doc, 5, L"R1", L"Rita");
        task->resource = resource;
        obs = doc.NewObs();
        obs->obs_name = Text(L"Office");
        LinkWbsToObs(*root, obs);
        root->ComputeDerived();
        alpha->ComputeDerived();
        task->ComputeDerived();
    }

    ProjectRecord* project = nullptr;
    ProjWbsRecord* root = nullptr;
    ProjWbsRecord* alpha = nullptr;
    CalendarRecord* calendar = nullptr;
    TaskRecord* task = nullptr;
    RsrcRecord* resource = nullptr;
    ObsRecord* obs = nullptr;
};

TEST_F(FieldAccess, EveryAnsweredIdIsAColumnOfItsTable) {
    alpha->obs = obs;
    resource->calendar = calendar;
    resource->currency = doc.NewCurrType();
    resource->role = AddRole(doc, L"ENG", L"Engineer");
    resource->shift = doc.NewShift();
    resource->AddRate(doc.NewRsrcRate());
    TaskPredRecord* link = AddRelationship(doc, task, AddActivity(doc, alpha, 101, L"A090"));
    // An activity answers the WBS date ids with its own dates, so that WBS groups can show them.
    ExpectOnlyCatalogueColumns(*task, {ColumnTable::activity, ColumnTable::wbs});
    ExpectOnlyCatalogueColumns(*alpha, {ColumnTable::wbs});
    ExpectOnlyCatalogueColumns(*project, {ColumnTable::project});
    ExpectOnlyCatalogueColumns(*resource, {ColumnTable::resource});
    ExpectOnlyCatalogueColumns(*link, {ColumnTable::predecessor, ColumnTable::successor});
}

TEST_F(FieldAccess, ActivityAnswersFromItselfAndItsLinks) {
    struct Case { const char* why; std::int32_t id; const s_val* expected; } const cases[] = {
        {"own file value", 130, &task->task_code}, {"derived value", 82, &task->start_date},
        {"a WBS date id answers the activity's own date", 429, &task->end_date},
        {"the resource text, not the numeric id", 147, &task->rsrc_label},
        {"calculated physical percent is the file's", 191, &task->phys_complete_pct},
        {"calendar name", 138, &calendar->clndr_name}, {"project short name", 148, &project->proj_short_name},
        {"project name is the root element's name", 149, &root->wbs_name}, {"WBS status", 150, &alpha->status_code},
        {"WBS code is the full dotted code", 152, &alpha->wbs_concat_name}, {"WBS name", 154, &alpha->wbs_name},
        {"WBS path", 155, &alpha->wbs_path}, {"earned-value id without a value", 100, &s_val::null_value()},
        {"WBS id that activities do not answer", 419, &s_val::null_value()},
        {"most negative id", std::numeric_limits<std::int32_t>::min(), &s_val::null_value()},
        {"largest id", std::numeric_limits<std::int32_t>::max(), &s_val::null_value()},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        EXPECT_EQ(task->GetFieldValue(c.id), c.expected);
    }
    EXPECT_EQ(alpha->wbs_concat_name.text, L"P.A");
}

TEST_F(FieldAccess, ActivityWithoutLinksAnswersTheNullValueForLinkedIds) {
    TaskRecord* lone = AddActivity(doc, nullptr, 200, L"LONE");
    ProjectRecord* rootless = AddProject(doc, 2, L"NOROOT");
    TaskRecord* in_rootless = AddActivity(doc, nullptr, 201, L"X");
    in_rootless->project = rootless;
    for (const std::int32_t id : {138, 149, 155}) {
        SCOPED_TRACE(id);
        EXPECT_TRUE(s_val::is_null_value(lone->GetFieldValue(id)));
    }
    // The project name comes from the root WBS element: a project without one has no name.
    EXPECT_TRUE(s_val::is_null_value(in_rootless->GetFieldValue(149)));
    EXPECT_EQ(in_rootless->GetFieldValue(148), &rootless->proj_short_name);
}

TEST_F(FieldAccess, WbsLinkedValues) {
    EXPECT_EQ(root->GetFieldValue(473), &obs->obs_name);
    EXPECT_TRUE(s_val::is_null_value(alpha->GetFieldValue(473))) << "no OBS node";
    EXPECT_EQ(alpha->GetFieldValue(497), &project->proj_short_name);
    EXPECT_EQ(alpha->GetFieldValue(510), &alpha->wbs_name);
    EXPECT_EQ(alpha->GetColumnValue(510), &alpha->wbs_name);
}

TEST_F(FieldAccess, ProjectReadsItsRootElement) {
    struct Case { const char* why; std::int32_t id; const s_val* expected; } const cases[] = {
        {"original cost", 221, &root->orig_cost}, {"anticipated finish", 260, &root->anticip_end_date},
        {"anticipated start", 261, &root->anticip_start_date}, {"name", 330, &root->wbs_name},
        {"status", 331, &root->status_code}, {"responsible OBS node", 335, &obs->obs_name},
        {"data date is the last recalculation", 270, &project->last_recalc_date},
        {"own node kind", 327, &project->node_type}, {"own short name", 328, &project->proj_short_name},
        {"not answered", 222, &s_val::null_value()}, {"activity id", 213, &s_val::null_value()},
        {"beyond the project ids", 372, &s_val::null_value()},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        EXPECT_EQ(project->GetFieldValue(c.id), c.expected);
    }
    EXPECT_EQ(project->node_type.value, 1);
    ProjectRecord* rootless = AddProject(doc, 3, L"NOROOT");
    EXPECT_TRUE(s_val::is_null_value(rootless->GetFieldValue(221)));
}

TEST_F(FieldAccess, RelationshipReadsEachSideInTheSamePattern) {
    TaskRecord* before = AddActivity(doc, alpha, 101, L"A090");
    before->ComputeDerived();
    TaskPredRecord* link = AddRelationship(doc, task, before);
    link->lag_hr_cnt = s_dur(16.0);
    struct Case { const char* why; std::int32_t id; const s_val* expected; } const cases[] = {
        {"predecessor's activity id", 554, &before->task_code}, {"successor's activity id", 582, &task->task_code},
        {"predecessor's early finish", 544, &before->early_end_date},
        {"successor's total float, as it stands", 581, &task->total_float_hr_cnt},
        {"predecessor's resource text", 559, &before->rsrc_label},
        {"predecessor's project", 560, &project->proj_short_name},
        {"successor's WBS full name", 590, &alpha->wbs_full_name},
        {"successor's duration percent", 599, &task->WorkbookValues().drtn_complete_pct},
        {"own lag on the predecessor side", 551, &link->lag_hr_cnt},
        {"own lag on the successor side", 579, &link->lag_hr_cnt}, {"own type", 589, &link->pred_type},
        {"not answered", 557, &s_val::null_value()}, {"not answered on the successor side", 598, &s_val::null_value()},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        EXPECT_EQ(link->GetFieldValue(c.id), c.expected);
    }
    EXPECT_EQ(task->total_float_hr_cnt.calendar_applied, 0) << "relationship views apply no calendar";
}

TEST_F(FieldAccess, RelationshipWithAMissingEndAnswersTheNullValueOnThatSide) {
    TaskPredRecord* dangling = AddRelationship(doc, task, nullptr);
    TaskRecord* unplaced = AddActivity(doc, nullptr, 300, L"U");
    TaskPredRecord* from_unplaced = AddRelationship(doc, task, unplaced);
    EXPECT_TRUE(s_val::is_null_value(dangling->GetFieldValue(554)));
    EXPECT_EQ(dangling->GetFieldValue(582), &task->task_code);
    EXPECT_EQ(dangling->GetFieldValue(551), &dangling->lag_hr_cnt);
    EXPECT_EQ(from_unplaced->GetFieldValue(554), &unplaced->task_code);
    EXPECT_TRUE(s_val::is_null_value(from_unplaced->GetFieldValue(560))) << "no project";
    EXPECT_TRUE(s_val::is_null_value(from_unplaced->GetFieldValue(562))) << "no WBS element";
}

// The first read gives a duration or quantity the calendar's hours per period; later reads
// return the same value without taking them again.
TEST_F(FieldAccess, CalendarFactorsAreTakenOnceOnTheFirstRead) {
    calendar->day_hr_cnt = s_double(7.5);
    calendar->week_hr_cnt = s_double(37.5);
    struct Case { const char* why; std::int32_t id; };
    const Case cases[] = {{"total float", 92}, {"actual duration", 84}, {"remaining work", 206},
                          {"total work", 198}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        const s_val* first = task->GetFieldValue(c.id);
        const hour_factors* factors = first->is_dur() ? &static_cast<const s_dur*>(first)->factors.get()
                                                      : &static_cast<const s_unit*>(first)->factors.get();
        EXPECT_EQ(factors->hours_per_day, 7.5);
        EXPECT_EQ(factors->hours_per_week, 37.5);
        EXPECT_EQ(factors->hours_per_month, 8 * 21) << "the calendar's own month";
    }
    calendar->day_hr_cnt = s_double(10.0);
    const s_val* again = task->GetFieldValue(92);
    EXPECT_EQ(again, &task->total_float_hr_cnt);
    EXPECT_EQ(task->total_float_hr_cnt.factors->hours_per_day, 7.5) << "factors are not taken again";
    EXPECT_EQ(task->total_float_hr_cnt.calendar_applied, 1);
    EXPECT_EQ(task->WorkbookValues().remain_float_hr_cnt.calendar_applied, 0) << "ids without the step keep theirs";

    TaskRecord* without_calendar = AddActivity(doc, alpha, 102, L"NC");
    (void)without_calendar->GetFieldValue(92);
    EXPECT_EQ(without_calendar->total_float_hr_cnt.calendar_applied, 0);
    EXPECT_EQ(without_calendar->total_float_hr_cnt.factors->hours_per_day, 8);
}

TEST_F(FieldAccess, ResourceQuantitiesTakeTheResourceCalendar) {
    calendar->day_hr_cnt = s_double(6.0);
    resource->calendar = calendar;
    RsrcRateRecord* rate = doc.NewRsrcRate();
    resource->AddRate(rate);
    EXPECT_EQ(resource->GetFieldValue(519), &resource->def_qty_per_hr);
    EXPECT_EQ(resource->def_qty_per_hr.factors->hours_per_day, 6.0);
    EXPECT_EQ(resource->GetFieldValue(527), &rate->cost_per_qty);
    EXPECT_EQ(rate->cost_per_qty.factors->hours_per_day, 6.0);
    EXPECT_EQ(rate->cost_per_qty.calendar_applied, 1);
}

class LoadTimeColumns : public FieldAccess {
protected:
    // A user-defined field of the given data type with its value for the record `owner`.
    UdfValueRecord* AddUdf(std::uint32_t type_id, std::int32_t data_type, std::uint32_t owner, std::wstring_view text,
                           double number = 0) {
        UdfTypeRecord* type = doc.NewUdfType();
        type->udf_type_id = s_unsigned_long(type_id);
        type->logical_data_type = s_logical_data_type(data_type);
        UdfValueRecord* value = doc.NewUdfValue();
        value->udf_type_id = s_unsigned_long(type_id);
        value->fk_id = s_unsigned_long(owner);
        value->udf_text = Text(text);
        value->udf_number = s_double(number);
        LinkUdfValue(*value, type);
        return value;
    }
};

TEST_F(LoadTimeColumns, UserDefinedFieldsByDataType) {
    UdfValueRecord* text = AddUdf(7, 2, 100, L"note");
    UdfValueRecord* indicator = AddUdf(8, 6, 100, L"Green");
    UdfValueRecord* wbs_indicator = AddUdf(9, 6, 11, L"Red");
    UdfValueRecord* money = AddUdf(10, 4, 1, L"", 12.5);
    UdfValueRecord* whole = AddUdf(11, 5, 5, L"", 3.9);
    UdfValueRecord* decimal = AddUdf(12, 3, 100, L"", 2.25);
    UdfValueRecord* untyped = AddUdf(13, 2, 100, L"lost");
    untyped->udf_type = nullptr;
    doc.BuildIndexes();

    struct Case { const char* why; const s_val* got; const s_val* expected; } const cases[] = {
        {"activity text", task->GetColumnValue(100007), &text->udf_text},
        {"activity indicator shows the indicator", task->GetColumnValue(100008), &indicator->udf_indicator},
        {"activity decimal", task->GetColumnValue(100012), &decimal->udf_decimal},
        {"WBS indicator shows the text", alpha->GetColumnValue(100009), &wbs_indicator->udf_text},
        {"project money", project->GetColumnValue(100010), &money->udf_money},
        {"resource integer", resource->GetColumnValue(100011), &whole->udf_int},
        {"value without a field type", task->GetColumnValue(100013), &s_val::null_value()},
        {"field of another record", task->GetColumnValue(100010), &s_val::null_value()},
        {"built-in ids still answer", task->GetColumnValue(130), &task->task_code},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        EXPECT_EQ(c.got, c.expected);
    }
    EXPECT_EQ(whole->udf_int.value, 3);
}

TEST_F(LoadTimeColumns, CodesByTypeOfEachTable) {
    ActvTypeRecord* actv_type = doc.NewActvType();
    actv_type->actv_code_type_id = s_unsigned_long(4);
    ActvCodeRecord* actv_code = doc.NewActvCode();
    actv_code->short_name = Text(L"PH1");
    TaskActvRecord* actv = doc.NewTaskActv();
    actv->task_id = task->task_id;
    actv->actv_code_type_id = s_unsigned_long(4);
    LinkActivityCodeAssignment(*actv, actv_type, actv_code, task, project);

    PCatTypeRecord* pcat_type = doc.NewPCatType();
    PCatValRecord* pcat_value = doc.NewPCatVal();
    pcat_value->proj_catg_short_name = Text(L"EAST");
    ProjPCatRecord* pcat = doc.NewProjPCat();
    pcat->proj_id = project->proj_id;
    pcat->proj_catg_type_id = s_unsigned_long(6);
    LinkProjectCodeAssignment(*pcat, pcat_type, pcat_value, project);

    RCatTypeRecord* rcat_type = doc.NewRCatType();
    RCatValRecord* rcat_value = doc.NewRCatVal();
    rcat_value->rsrc_catg_short_name = Text(L"SKILL");
    RsrcRCatRecord* rcat = doc.NewRsrcRCat();
    rcat->rsrc_id = resource->rsrc_id;
    rcat->rsrc_catg_type_id = s_unsigned_long(2);
    LinkResourceCodeAssignment(*rcat, rcat_type, rcat_value, resource);

    struct Case { const char* why; const s_val* got; const s_val* expected; } const cases[] = {
        {"activity code", task->GetColumnValue(500004), &actv_code->short_name},
        {"activity without a code of that type", task->GetColumnValue(500005), &s_val::null_value()},
        {"project code", project->GetColumnValue(600006), &pcat_value->proj_catg_short_name},
        {"project code id on the activity side", project->GetColumnValue(500006), &s_val::null_value()},
        {"resource code", resource->GetColumnValue(700002), &rcat_value->rsrc_catg_short_name},
        {"WBS elements have no codes", alpha->GetColumnValue(500004), &s_val::null_value()},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        EXPECT_EQ(c.got, c.expected);
    }
}

}  // namespace
}  // namespace varnholt
