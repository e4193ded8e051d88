// filter_chooser_test.cpp - the activity filters dialog's list and the selection it installs.

#include "layouts/ActivityLayout.h"
#include "layouts/filter_operator.h"
#include "rows/Row.h"
#include "shell/filter_chooser.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

namespace varnholt {
namespace {

NamedFilterList Filters(std::initializer_list<std::pair<const wchar_t*, std::int32_t>> entries) {
    NamedFilterList filters;
    for (const auto& [name, id] : entries) {
        filters.push_back(std::make_unique<NamedFilter>(name));
        filters.back()->id = id;
    }
    return filters;
}

std::vector<std::wstring> Names(const std::vector<FilterItem>& items) {
    std::vector<std::wstring> names;
    for (const FilterItem& item : items) names.push_back(item.filter->name);
    return names;
}

TEST(FilterChooser, NamesSortByCodeUnits) {
    const NamedFilterList filters = Filters({{L"alpha", 1}, {L"Zeta", 2}, {L"Abc", 3}, {L"Ab", 4}});
    EXPECT_EQ(Names(FilterItems(filters, nullptr)), (std::vector<std::wstring>{L"Ab", L"Abc", L"Zeta", L"alpha"}));
    EXPECT_TRUE(FilterNameLess(*filters[1], *filters[0]));
    EXPECT_FALSE(FilterNameLess(*filters[2], *filters[3]));
}

TEST(FilterChooser, BuiltInIdsFormTheFirstGroup) {
    const std::pair<std::int32_t, std::int32_t> cases[] = {
        {-49, kBuiltInFilterGroup}, {-1, kBuiltInFilterGroup}, {-50, kOtherFilterGroup},
        {0, kOtherFilterGroup},     {5, kOtherFilterGroup},
    };
    for (const auto& [id, group] : cases) EXPECT_EQ(FilterListGroup(id), group) << id;
}

TEST(FilterChooser, ChecksTheFiltersOfTheSelection) {
    const NamedFilterList filters = Filters({{L"B", -2}, {L"A", 7}, {L"C", 9}});
    FilterSelection selection(kMatchAny);
    selection.AddFilter(filters[0].get());
    selection.AddFilter(filters[2].get());
    const std::vector<FilterItem> items = FilterItems(filters, &selection);
    ASSERT_EQ(items.size(), 3u);
    EXPECT_FALSE(items[0].checked);
    EXPECT_TRUE(items[1].checked);
    EXPECT_EQ(items[1].group, kBuiltInFilterGroup);
    EXPECT_TRUE(items[2].checked);
    for (const FilterItem& item : FilterItems(filters, nullptr)) EXPECT_FALSE(item.checked);
}

TEST(FilterChooser, OkInstallsTheCheckedFiltersInListOrder) {
    const NamedFilterList filters = Filters({{L"Late", 5}, {L"Critical", -3}, {L"Open", -1}});
    ActivityLayout layout;
    std::vector<FilterItem> items = FilterItems(filters, nullptr);
    items[0].checked = true;  // Critical
    items[1].checked = true;  // Late
    ApplyFilterChoice(&layout, kMatchAny, items);
    const FilterSelection* selection = layout.GetFilter();
    ASSERT_NE(selection, nullptr);
    EXPECT_EQ(selection->mode, kMatchAny);
    ASSERT_EQ(selection->filters.size(), 2u);
    EXPECT_EQ(selection->filters[0]->name, L"Critical");
    EXPECT_EQ(selection->filters[1]->name, L"Late");
    EXPECT_EQ(filters.size(), 3u) << "the filters stay in the store";
}

TEST(FilterChooser, NothingCheckedInstallsAnEmptySelectionThatPassesEveryRow) {
    const NamedFilterList filters = Filters({{L"Late", 5}});
    ActivityLayout layout;
    layout.SetFilter(std::make_unique<FilterSelection>(kMatchAny));
    ApplyFilterChoice(&layout, kMatchAll, FilterItems(filters, nullptr));
    ASSERT_NE(layout.GetFilter(), nullptr);
    EXPECT_TRUE(layout.GetFilter()->filters.empty());
    EXPECT_TRUE(layout.GetFilter()->Match(view::Row()));
}

TEST(FilterChooser, WithoutALayoutNothingChanges) {
    const NamedFilterList filters = Filters({{L"Late", 5}});
    std::vector<FilterItem> items = FilterItems(filters, nullptr);
    items[0].checked = true;
    ApplyFilterChoice(nullptr, kMatchAll, items);  // nothing to install into, nothing leaks
    SUCCEED();
}

}  // namespace
}  // namespace varnholt
