// filter_definitions_test.cpp - filters that an activity layout file defines: a child that
// names a filter of the store, a new filter with its groups and conditions, the argument
// values by value kind and by the records they name, and the unit tokens of durations.

#include "columns/field_ids.h"
#include "import/data_parser.h"
#include "layouts/ActivityLayout.h"
#include "layouts/LayoutStore.h"
#include "layouts/filter_definitions.h"
#include "layouts_test_support.h"
#include "model/records/ActvCodeRecord.h"
#include "model/records/CalendarRecord.h"
#include "model/records/RsrcRecord.h"
#include "model/records/TaskRecord.h"
#include "model/s_date.h"
#include "model/s_integers.h"
#include "model/s_string.h"
#include "rows/ActivityRow.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace varnholt {
namespace {

using testing_layouts::SketchDocument;
using view::FilterEntry;

TEST(ReadUnitAmount, TheNumberBetweenTheEqualsSignAndTheLastCharacter) {
    struct Case { const char* why; std::wstring_view text; bool read; double number; std::int32_t unit; } const cases[] = {
        {"a fraction", L"[QT_Week=1.5]", true, 1.5, kTimeUnitWeek}, {"years", L"xQT_Year=1]", true, 1.0, kTimeUnitYear},
        {"tokens match with their case", L"[qt_day=2]", true, 2.0, kTimeUnitHour},
        {"no number", L"[QT_Day=]", true, 0.0, kTimeUnitDay}, {"no equals sign", L"2", false, 0.0, 0},
        {"nothing after the equals sign", L"[QT_Day=", false, 0.0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        const std::optional<unit_amount> amount = ReadUnitAmount(c.text);
        ASSERT_EQ(amount.has_value(), c.read);
        if (!amount) continue;
        EXPECT_DOUBLE_EQ(amount->number, c.number);
        EXPECT_EQ(amount->unit, c.unit);
    }
}

class FilterDefinitionsTest : public testing_layouts::StoreTest {
protected:
    // Reads an activity layout whose Filter node (all-of) holds the given children.
    ActivityLayout& ReadFilterNode(const std::string& children) {
        const std::string text = "(0||Layout(view_type|VP_ACT|view_name|F)((0||TaskView()((0||Filter(source_field|"
                                 "bool_and)(" + children + ")))))";
        auto root = data_parser::new_node(DecodeText(text));
        root->parse();
        store().ReadActivityLayout(*root);
        return static_cast<ActivityLayout&>(*store().ActivityLayouts().back());
    }
    // One definition of a filter with the given id, mode and condition children.
    static std::string Definition(const std::string& id, const std::string& mode, const std::string& conditions) {
        return "(0||d(filter_id|" + id + "|filter_name|Mine|table_name|TASK" +
               (mode.empty() ? "" : "|source_field|" + mode) + ")(" + conditions + "))";
    }
    static std::string Condition(const std::string& props) { return "(0||c(table_name|TASK|" + props + ")())"; }
    // A new id for each definition of a loop: a known id would choose the earlier filter.
    std::string NextId() { return std::to_string(m_next_id++); }
    int m_next_id = 2000;
    // The one filter a definition made, and the entries of its root.
    const NamedFilter& Defined() { return *store().ActivityFilters().back(); }
    std::vector<const FilterEntry*> Entries(const view::FilterGroup& group) {
        std::vector<const FilterEntry*> entries;
        for (const auto& child : group.children)
            if (child->IsEntry()) entries.push_back(static_cast<const FilterEntry*>(child.get()));
        return entries;
    }
    const FilterEntry& OnlyEntry() {
        const std::vector<const FilterEntry*> entries = Entries(*Defined().root);
        EXPECT_EQ(entries.size(), 1u);
        return *entries.at(0);
    }
    static std::wstring DecodeText(const std::string& text) { return std::wstring(text.begin(), text.end()); }
};

TEST_F(FilterDefinitionsTest, ANewFilterJoinsTheSelectionAndTheStore) {
    ActivityLayout& layout = ReadFilterNode(
        Definition("500", "bool_or", Condition("source_field|status_code|op|=|arg1|TK_Active")) +
        "(0||again(filter_id|500)())" +              // a later reference finds it by id
        "(0||noname(filter_id|501)())" +              // neither known nor a definition
        "(0||noid(filter_name|Nameless)())" +
        "\r\n");
    const NamedFilter* mine = store().FindActivityFilter(500);
    ASSERT_NE(mine, nullptr);
    EXPECT_EQ(mine, store().ActivityFilters().back().get());
    EXPECT_EQ(mine->root->kind, kMatchAny);
    EXPECT_EQ(layout.GetFilter()->filters, (std::vector<const NamedFilter*>{mine, mine}));
    EXPECT_EQ(store().FindActivityFilter(501), nullptr);
}

TEST_F(FilterDefinitionsTest, WithoutAModeTheFilterHasNoConditionsAndPassesEveryRow) {
    ReadFilterNode(Definition("600", "", Condition("source_field|task_code|op|=|arg1|X")));
    EXPECT_EQ(Defined().root, nullptr);
    TaskRecord task;
    EXPECT_TRUE(Defined().Match(view::ActivityRow(&task)));
}

TEST_F(FilterDefinitionsTest, ConditionsThatCannotBeReadAreLeftOut) {
    ReadFilterNode(Definition(
        "700", "bool_and",
        "(0||c(table_name|PROJECT|source_field|task_code|op|=|arg1|X)())" +  // another table
        Condition("source_field|no_such_field|op|=|arg1|X") +
        Condition("source_field|task_code|arg1|X") +                         // no operator
        "(0||c(source_field|task_code|op|=|arg1|X)())" +                     // no table
        Condition("source_field|task_code|op|==|arg1|A1") +                  // unknown operator: "="
        Condition("source_field|TASK_NAME|op|contains") +                    // no argument: still a condition
        Condition("source_field|task_code|op|notbetween|arg1|A|arg2|C")));
    const std::vector<const FilterEntry*> entries = Entries(*Defined().root);
    ASSERT_EQ(entries.size(), 3u);
    EXPECT_EQ(entries[0]->field, 130);
    EXPECT_EQ(entries[0]->op, OperatorCode(FilterOperator::equal));
    EXPECT_EQ(entries[1]->field, 132);
    EXPECT_EQ(entries[1]->FirstArgument(), nullptr);
    EXPECT_EQ(entries[2]->op, OperatorCode(FilterOperator::notbetween));
    ASSERT_NE(entries[2]->FirstArgument(), nullptr);
    EXPECT_EQ(entries[2]->FirstArgument()->high->to_string(), L"C");
}

TEST_F(FilterDefinitionsTest, GroupsNestAndSkipChildrenWithoutAMode) {
    ReadFilterNode(Definition(
        "800", "bool_and",
        Condition("source_field|status_code|op|<>|arg1|TK_Complete") +
        "(0||g(source_field|bool_or)(" + Condition("source_field|task_type|op|=|arg1|TT_Mile") +
        "(0||skipped(table_name|TASK|op|=)())" +
        "(0||inner(source_field|bool_and)(" + Condition("source_field|critical_flag|op|=|arg1|Y") + "))))" +
        "(0||empty()())"));
    const view::FilterGroup& root = *Defined().root;
    ASSERT_EQ(root.children.size(), 2u) << "a condition and a group; the child without source_field reads as nothing";
    const view::FilterGroup& any = *root.children[1];
    EXPECT_EQ(any.kind, kMatchAny);
    ASSERT_EQ(any.children.size(), 2u);
    EXPECT_EQ(any.children[1]->kind, kMatchAll);
    ASSERT_EQ(any.children[1]->children.size(), 1u);

    TaskRecord milestone;
    milestone.status_code = s_activity_status(1);
    milestone.task_type = s_activity_type(3);
    TaskRecord complete;
    complete.status_code = s_activity_status(0);
    complete.task_type = s_activity_type(3);
    EXPECT_TRUE(Defined().Match(view::ActivityRow(&milestone)));
    EXPECT_FALSE(Defined().Match(view::ActivityRow(&complete)));
}

TEST_F(FilterDefinitionsTest, ArgumentValuesByValueKind) {
    // The display text of the value and of the upper bound; "-" for none.
    struct Case { const char* why; std::string props; std::wstring low, high; } const cases[] = {
        {"a flag", "source_field|critical_flag|op|=|arg1|Y", s_bool(true).to_string(), L"-"},
        {"a text with doubled quotes", "source_field|task_name|op|=|arg1|say \"\"hi\"\"", L"say \"hi\"", L"-"},
        {"an enumeration by caption", "source_field|status_code|op|=|arg1|Completed",
         s_activity_status(0).to_string(), L"-"},
        {"a range of dates, one blank", "source_field|start_date|op|between|arg1|0|arg2|25571",
         s_date{}.to_string(), s_date::from_seconds(2 * 86400).to_string()},
        {"this month", "source_field|end_date|op|>=|arg1|CM", s_date::month_start().to_string(), L"-"},
        {"no arg1, no argument", "source_field|task_code|op|=", L"-", L"-"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        ReadFilterNode(Definition(NextId(), "bool_or", Condition(c.props)));
        const FilterEntry& entry = OnlyEntry();
        if (c.low == L"-") {
            EXPECT_EQ(entry.FirstArgument(), nullptr);
            continue;
        }
        ASSERT_NE(entry.FirstArgument(), nullptr);
        EXPECT_EQ(entry.FirstArgument()->low->to_string(), c.low);
        EXPECT_EQ(entry.FirstArgument()->HasUpperBound(), c.high != L"-");
        if (c.high != L"-") {
            EXPECT_EQ(entry.FirstArgument()->high->to_string(), c.high);
        }
    }
}

TEST_F(FilterDefinitionsTest, DurationsCarryTheUnitOfTheirText) {
    ReadFilterNode(Definition("1100", "bool_or",
                              Condition("source_field|total_float_hr_cnt|op|between|arg1|[QT_Day=2]|arg2|[QT_Week=1]") +
                                  Condition("source_field|remain_drtn_hr_cnt|op|<|arg1|[QT_Month=1.5]|arg2|7") +
                                  Condition("source_field|target_drtn_hr_cnt|op|<|arg1|12") +
                                  Condition("source_field|act_work_qty|op|>|arg1|{QT_Year=3}")));
    const std::vector<const FilterEntry*> entries = Entries(*Defined().root);
    ASSERT_EQ(entries.size(), 4u);
    const view::FilterArgument* range = entries[0]->FirstArgument();
    ASSERT_NE(range, nullptr);
    EXPECT_TRUE(range->low->is_dur());
    EXPECT_EQ(range->low_unit, kTimeUnitDay);
    EXPECT_EQ(range->high_unit, kTimeUnitWeek);
    const view::FilterArgument* single = entries[1]->FirstArgument();
    ASSERT_NE(single, nullptr);
    EXPECT_FALSE(single->HasUpperBound()) << "an upper bound without a unit token is no bound";
    EXPECT_EQ(single->low_unit, kTimeUnitMonth);
    EXPECT_EQ(entries[2]->FirstArgument(), nullptr) << "a duration text without a unit token gives no argument";
    const view::FilterArgument* quantity = entries[3]->FirstArgument();
    ASSERT_NE(quantity, nullptr);
    EXPECT_TRUE(quantity->low->is_unit());
    EXPECT_EQ(quantity->low_unit, kTimeUnitYear);
}

TEST_F(FilterDefinitionsTest, IdsOfRecordsBecomeTheirNames) {
    auto document = std::make_unique<SketchDocument>();
    CalendarRecord* calendar = document->NewCalendar();
    calendar->clndr_id = s_unsigned_long(5u);
    calendar->clndr_name = s_string(std::wstring_view(L"Five Day"));
    RsrcRecord* resource = document->NewRsrc();
    resource->rsrc_id = s_unsigned_long(7u);
    resource->rsrc_short_name = s_string(std::wstring_view(L"ENG"));
    resource->rsrc_name = s_string(std::wstring_view(L"Engineering"));
    ActvCodeRecord* code = document->NewActvCode();
    code->actv_code_id = s_unsigned_long(31u);
    code->short_name = s_string(std::wstring_view(L"PH1"));
    TaskActvRecord* assignment = document->NewTaskActv();
    assignment->actv_code = code;
    LoadTimeColumn phase;
    phase.kind = LoadTimeKind::activity_code;
    phase.type_id = 2;
    phase.caption = L"Phase";
    phase.field_name = L"Phase";
    ASSERT_NE(ColumnCatalog::Instance().AddActivityColumnWithCaption(phase), nullptr);
    document->BuildIndexes();

    struct Case { const char* why; std::string props; std::wstring argument; /* "-" for none */ } const cases[] = {
        {"a calendar", "source_field|clndr_id|op|=|arg1|5", L"Five Day"},
        {"no such calendar", "source_field|clndr_id|op|=|arg1|6", L"-"},
        {"a resource", "source_field|rsrc_id|op|under|arg1|7", L"ENG.Engineering"},
        {"a code value by id", "source_field|Phase|op|=|arg1|31", L"PH1"},
        {"a code value no activity uses compares as its text", "source_field|Phase|op|=|arg1|32", L"32"},
    };
    store().AdoptDocument(std::move(document));
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        ReadFilterNode(Definition(NextId(), "bool_or", Condition(c.props)));
        const FilterEntry& entry = OnlyEntry();
        if (c.argument == L"-") {
            EXPECT_EQ(entry.FirstArgument(), nullptr);
            continue;
        }
        ASSERT_NE(entry.FirstArgument(), nullptr);
        EXPECT_EQ(entry.FirstArgument()->low->to_string(), c.argument);
        EXPECT_FALSE(entry.FirstArgument()->HasUpperBound());
    }
    EXPECT_EQ(OnlyEntry().field, kActivityCodeField);
    EXPECT_EQ(OnlyEntry().column_id, 500002);

    store().DropDocument();
    ReadFilterNode(Definition("1300", "bool_or", Condition("source_field|clndr_id|op|=|arg1|5")));
    EXPECT_EQ(OnlyEntry().FirstArgument(), nullptr) << "without a document no calendar is found";
}

TEST_F(FilterDefinitionsTest, AKnownIdChoosesTheStoresFilter) {
    const std::size_t before = store().ActivityFilters().size();
    ActivityLayout& layout = ReadFilterNode(Definition("-4", "bool_or", Condition("source_field|task_code|op|=|arg1|X")));
    EXPECT_EQ(store().ActivityFilters().size(), before) << "name and conditions are ignored";
    EXPECT_EQ(layout.GetFilter()->filters, std::vector<const NamedFilter*>{store().FindActivityFilter(-4)});
}

TEST_F(FilterDefinitionsTest, UserFieldsAreNamedByTheirTypeId) {
    ASSERT_NE(testing_layouts::AddUdfColumn(), nullptr);
    ReadFilterNode(Definition("900", "bool_or",
                              Condition("source_field|user_field_12|op|=|arg1|North") +
                                  Condition("source_field|user_field_|op|=|arg1|x") +
                                  Condition("source_field|user_field_99999999999|op|=|arg1|x") +
                                  Condition("source_field|user_field_yard|op|=|arg1|x")));
    const std::vector<const FilterEntry*> entries = Entries(*Defined().root);
    ASSERT_EQ(entries.size(), 1u) << "the digits name the type; the field name is not looked up";
    EXPECT_EQ(entries[0]->field, kUserFieldField);
    EXPECT_EQ(entries[0]->column_id, 100012);
    EXPECT_EQ(entries[0]->FirstArgument()->low->to_string(), L"North");
}

}  // namespace
}  // namespace varnholt
