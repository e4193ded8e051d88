// category_tabs.cpp - the detail tab lists and the tab-to-sub-view table of each category.

#include "shell/category_tabs.h"

#include "model/CaptionCatalog.h"

namespace varnholt {
namespace {

// Caption ids of the tab titles.
constexpr CaptionId kGeneral = 51632;
constexpr CaptionId kStatus = 51945;
constexpr CaptionId kPredecessors = 50749;
constexpr CaptionId kSuccessors = 50750;
constexpr CaptionId kCodes = 51634;
constexpr CaptionId kNotebook = 40117;
constexpr CaptionId kSteps = 40118;
constexpr CaptionId kNotes = 51636;
constexpr CaptionId kResponsibility = 30572;
constexpr CaptionId kResources = 50745;
constexpr CaptionId kPrices = 57455;
constexpr CaptionId kLimits = 57537;

constexpr CaptionId kActivityTabs[] = {kGeneral, kStatus, kPredecessors, kSuccessors, kCodes, kNotebook, kSteps};
constexpr CaptionId kWbsTabs[] = {kGeneral, kNotebook};
constexpr CaptionId kProjectTabs[] = {kGeneral, kCodes};
constexpr CaptionId kResourceTabs[] = {kGeneral, kCodes, kNotes};
constexpr CaptionId kObsTabs[] = {kGeneral, kResponsibility};
constexpr CaptionId kRoleTabs[] = {kGeneral, kResources, kPrices, kLimits};

using enum SubView;
using enum SubViewPlacement;

constexpr TabSubViews kActivitySubViews[] = {
    {kPredecessors, predecessors, none, relationship},
    {kSuccessors, successors, none, relationship},
    {kCodes, activity_codes, none, single},
    {kNotebook, task_memos, task_memo_text, side_by_side},
    {kSteps, activity_steps, step_text, side_by_side},
};
constexpr TabSubViews kWbsSubViews[] = {{kNotebook, wbs_memos, wbs_memo_text, side_by_side}};
constexpr TabSubViews kProjectSubViews[] = {{kCodes, project_codes, none, single}};
constexpr TabSubViews kResourceSubViews[] = {
    {kCodes, resource_codes, none, single},
    {kNotes, none, resource_notes, single},
};
constexpr TabSubViews kObsSubViews[] = {{kResponsibility, obs_responsibility, none, single}};
constexpr TabSubViews kRoleSubViews[] = {
    {kResources, role_resources, none, single},
    {kPrices, role_rates, none, single},
    {kLimits, role_limits, none, single},
};

}  // namespace

std::span<const CaptionId> DetailTabCaptions(Category category) noexcept {
    switch (category) {
    case Category::activities: return kActivityTabs;
    case Category::wbs: return kWbsTabs;
    case Category::projects: return kProjectTabs;
    case Category::resources: return kResourceTabs;
    case Category::obs: return kObsTabs;
    case Category::roles: return kRoleTabs;
    case Category::file_page: break;
    }
    return {};
}

std::span<const TabSubViews> TabSubViewTable(Category category) noexcept {
    switch (category) {
    case Category::activities: return kActivitySubViews;
    case Category::wbs: return kWbsSubViews;
    case Category::projects: return kProjectSubViews;
    case Category::resources: return kResourceSubViews;
    case Category::obs: return kObsSubViews;
    case Category::roles: return kRoleSubViews;
    case Category::file_page: break;
    }
    return {};
}

const TabSubViews* FindTabSubViews(Category category, std::wstring_view title) {
    if (title.empty()) return nullptr;
    const CaptionCatalog& captions = CaptionCatalog::Instance();
    for (const TabSubViews& row : TabSubViewTable(category)) {
        if (captions.Lookup(row.tab) == title) return &row;
    }
    return nullptr;
}

}  // namespace varnholt
