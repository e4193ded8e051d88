// ContentViews.h - the 31 content views of the main window: the table, Gantt chart, detail
// pane and sub-views of every category. They are made once, each after its master, and live
// as long as the frame; showing a category or opening a file only rebinds them.
#pragma once

#include "shell/category_tabs.h"
#include "views/details/ActivityDetailView.h"
#include "views/details/HTMLView.h"
#include "views/details/OBSDetailView.h"
#include "views/details/ProjectDetailView.h"
#include "views/details/ResourceDetailView.h"
#include "views/details/RoleDetailView.h"
#include "views/details/WBSDetailView.h"
#include "views/gantt/GanttView.h"
#include "views/grid/ActivityTableView.h"
#include "views/grid/ProjectTableView.h"
#include "views/grid/WBSTableView.h"
#include "views/subtables/ActivityCodeTableView.h"
#include "views/subtables/ActivityStepTableView.h"
#include "views/subtables/CategorySubTableViews.h"
#include "views/subtables/RelationshipTableView.h"
#include "views/subtables/TaskMemoTableView.h"
#include "views/subtables/WBSMemoTableView.h"
#include "views/trees/OBSTableView.h"
#include "views/trees/ResourceTableView.h"
#include "views/trees/RoleTableView.h"

#include <array>
#include <memory>

namespace varnholt {

class LayoutStore;

class ContentViews {
public:
    // Makes every view with its master and gives each detail view its tab titles in the
    // current caption language, with "General" current.
    ContentViews();
    ContentViews(const ContentViews&) = delete;
    ContentViews& operator=(const ContentViews&) = delete;
    ~ContentViews();

    // Per category: its table, its Gantt chart (none for Resources, OBS and Roles) and its
    // detail view; none for the File page.
    [[nodiscard]] view::View* Table(Category category) const noexcept;
    [[nodiscard]] view::GanttView* Gantt(Category category) const noexcept;
    [[nodiscard]] view::DetailView* Details(Category category) const noexcept;
    [[nodiscard]] view::View* Find(SubView sub_view) const noexcept;
    [[nodiscard]] std::array<view::GanttView*, 3> GanttViews() const noexcept;

    // Before the store of the open schedule goes: every table drops its rows, every table,
    // chart and relationship table forgets the document and the layout, and every sub-view
    // empties (masters first, so that each finds no selection). After this no view holds
    // anything of the old schedule.
    void Reset();

    // The table takes the store's document and the category's current layout. A table whose
    // layout changed drops its rows and lists them again; the OBS and role tables, which have
    // no layout, always do. Nothing happens for the File page.
    void BindTable(Category category, LayoutStore& store);
    // The chart takes the document, the current layout and the table as its companion, then
    // rebuilds its timescale. Only the three categories with a chart.
    void BindGantt(Category category, LayoutStore& store);

    // Activities
    std::unique_ptr<view::ActivityTableView> activity_table;
    std::unique_ptr<view::GanttView> activity_gantt;
    std::unique_ptr<view::ActivityDetailView> activity_details;
    std::unique_ptr<view::RelationshipTableView> predecessors;
    std::unique_ptr<view::RelationshipTableView> successors;
    std::unique_ptr<view::ActivityCodeTableView> activity_codes;
    std::unique_ptr<view::ActivityStepTableView> activity_steps;
    std::unique_ptr<view::TaskMemoTableView> task_memos;
    std::unique_ptr<view::HTMLView> task_memo_text;
    std::unique_ptr<view::HTMLView> step_text;
    // WBS
    std::unique_ptr<view::WBSTableView> wbs_table;
    std::unique_ptr<view::GanttView> wbs_gantt;
    std::unique_ptr<view::WBSDetailView> wbs_details;
    std::unique_ptr<view::WBSMemoTableView> wbs_memos;
    std::unique_ptr<view::HTMLView> wbs_memo_text;
    // Projects
    std::unique_ptr<view::ProjectTableView> project_table;
    std::unique_ptr<view::GanttView> project_gantt;
    std::unique_ptr<view::ProjectDetailView> project_details;
    std::unique_ptr<view::ProjectCodeTableView> project_codes;
    // Resources
    std::unique_ptr<view::ResourceTableView> resource_table;
    std::unique_ptr<view::ResourceDetailView> resource_details;
    std::unique_ptr<view::ResourceCodeTableView> resource_codes;
    std::unique_ptr<view::HTMLView> resource_notes;
    // OBS
    std::unique_ptr<view::OBSTableView> obs_table;
    std::unique_ptr<view::OBSDetailView> obs_details;
    std::unique_ptr<view::OBSResponsibilityTableView> obs_responsibility;
    // Roles
    std::unique_ptr<view::RoleTableView> role_table;
    std::unique_ptr<view::RoleDetailView> role_details;
    std::unique_ptr<view::ResourceRoleTableView> role_resources;
    std::unique_ptr<view::RoleRateTableView> role_rates;
    std::unique_ptr<view::RoleLimitTableView> role_limits;
};

// The current layout of the category's kind in the store (Activities, WBS, Projects,
// Resources); none for OBS, Roles and the File page.
[[nodiscard]] view::Layout* CurrentLayout(Category category, const LayoutStore& store);

}  // namespace varnholt
