// ContentViews.cpp - making, binding and resetting the content views.

#include "shell/ContentViews.h"

#include "layouts/LayoutStore.h"
#include "model/CaptionCatalog.h"

namespace varnholt {
namespace {

void GiveTabs(view::DetailView& details, view::View* master, Category category) {
    const CaptionCatalog& captions = CaptionCatalog::Instance();
    details.SetMaster(master);
    for (const CaptionId id : DetailTabCaptions(category)) details.AddTab(captions.Lookup(id));
    details.SetCurrentTab(captions.Lookup(view::kGeneralTabCaption));
}

template <class Table>
void DropAndForget(Table& table) {
    table.DropTree();
    table.SetLayout(nullptr);
    table.SetDocument(nullptr);
}

}  // namespace

ContentViews::ContentViews() {
    using namespace view;
    activity_table = std::make_unique<ActivityTableView>();
    activity_gantt = std::make_unique<GanttView>();
    activity_details = std::make_unique<ActivityDetailView>();
    predecessors = std::make_unique<RelationshipTableView>(RelationshipTableView::Kind::predecessors, activity_table.get());
    successors = std::make_unique<RelationshipTableView>(RelationshipTableView::Kind::successors, activity_table.get());
    activity_codes = std::make_unique<ActivityCodeTableView>(activity_table.get());
    activity_steps = std::make_unique<ActivityStepTableView>(activity_table.get());
    task_memos = std::make_unique<TaskMemoTableView>(activity_table.get());
    task_memo_text = std::make_unique<HTMLView>(task_memos.get());
    step_text = std::make_unique<HTMLView>(activity_steps.get());

    wbs_table = std::make_unique<WBSTableView>();
    wbs_gantt = std::make_unique<GanttView>();
    wbs_details = std::make_unique<WBSDetailView>();
    wbs_memos = std::make_unique<WBSMemoTableView>(wbs_table.get());
    wbs_memo_text = std::make_unique<HTMLView>(wbs_memos.get());

    project_table = std::make_unique<ProjectTableView>();
    project_gantt = std::make_unique<GanttView>();
    project_details = std::make_unique<ProjectDetailView>();
    project_codes = std::make_unique<ProjectCodeTableView>(project_table.get());

    resource_table = std::make_unique<ResourceTableView>();
    resource_details = std::make_unique<ResourceDetailView>();
    resource_codes = std::make_unique<ResourceCodeTableView>(resource_table.get());
    resource_notes = std::make_unique<HTMLView>(resource_table.get());

    obs_table = std::make_unique<OBSTableView>();
    obs_details = std::make_unique<OBSDetailView>();
    obs_responsibility = std::make_unique<OBSResponsibilityTableView>(obs_table.get());

    role_table = std::make_unique<RoleTableView>();
    role_details = std::make_unique<RoleDetailView>();
    role_resources = std::make_unique<ResourceRoleTableView>(role_table.get());
    role_rates = std::make_unique<RoleRateTableView>(role_table.get());
    role_limits = std::make_unique<RoleLimitTableView>(role_table.get());

    GiveTabs(*activity_details, activity_table.get(), Category::activities);
    GiveTabs(*wbs_details, wbs_table.get(), Category::wbs);
    GiveTabs(*project_details, project_table.get(), Category::projects);
    GiveTabs(*resource_details, resource_table.get(), Category::resources);
    GiveTabs(*obs_details, obs_table.get(), Category::obs);
    GiveTabs(*role_details, role_table.get(), Category::roles);
}

// Dependants first: a sub-view never outlives the master it reads.
ContentViews::~ContentViews() {
    role_limits.reset();
    role_rates.reset();
    role_resources.reset();
    role_details.reset();
    role_table.reset();
    obs_responsibility.reset();
    obs_details.reset();
    obs_table.reset();
    resource_notes.reset();
    resource_codes.reset();
    resource_details.reset();
    resource_table.reset();
    project_codes.reset();
    project_details.reset();
    project_gantt.reset();
    project_table.reset();
    wbs_memo_text.reset();
    wbs_memos.reset();
    wbs_details.reset();
    wbs_gantt.reset();
    wbs_table.reset();
    step_text.reset();
    task_memo_text.reset();
    task_memos.reset();
    activity_steps.reset();
    activity_codes.reset();
    successors.reset();
    predecessors.reset();
    activity_details.reset();
    activity_gantt.reset();
    activity_table.reset();
}

view::View* ContentViews::Table(Category category) const noexcept {
    switch (category) {
    case Category::activities: return activity_table.get();
    case Category::wbs: return wbs_table.get();
    case Category::projects: return project_table.get();
    case Category::resources: return resource_table.get();
    case Category::obs: return obs_table.get();
    case Category::roles: return role_table.get();
    case Category::file_page: break;
    }
    return nullptr;
}

view::GanttView* ContentViews::Gantt(Category category) const noexcept {
    switch (category) {
    case Category::activities: return activity_gantt.get();
    case Category::wbs: return wbs_gantt.get();
    case Category::projects: return project_gantt.get();
    default: return nullptr;
    }
}

view::DetailView* ContentViews::Details(Category category) const noexcept {
    switch (category) {
    case Category::activities: return activity_details.get();
    case Category::wbs: return wbs_details.get();
    case Category::projects: return project_details.get();
    case Category::resources: return resource_details.get();
    case Category::obs: return obs_details.get();
    case Category::roles: return role_details.get();
    case Category::file_page: break;
    }
    return nullptr;
}

view::View* ContentViews::Find(SubView sub_view) const noexcept {
    switch (sub_view) {
    case SubView::none: return nullptr;
    case SubView::predecessors: return predecessors.get();
    case SubView::successors: return successors.get();
    case SubView::activity_codes: return activity_codes.get();
    case SubView::task_memos: return task_memos.get();
    case SubView::task_memo_text: return task_memo_text.get();
    case SubView::activity_steps: return activity_steps.get();
    case SubView::step_text: return step_text.get();
    case SubView::wbs_memos: return wbs_memos.get();
    case SubView::wbs_memo_text: return wbs_memo_text.get();
    case SubView::project_codes: return project_codes.get();
    case SubView::resource_codes: return resource_codes.get();
    case SubView::resource_notes: return resource_notes.get();
    case SubView::obs_responsibility: return obs_responsibility.get();
    case SubView::role_resources: return role_resources.get();
    case SubView::role_rates: return role_rates.get();
    case SubView::role_limits: return role_limits.get();
    }
    return nullptr;
}

std::array<view::GanttView*, 3> ContentViews::GanttViews() const noexcept {
    return {activity_gantt.get(), wbs_gantt.get(), project_gantt.get()};
}

void ContentViews::Reset() {
    DropAndForget(*activity_table);
    DropAndForget(*wbs_table);
    DropAndForget(*project_table);
    DropAndForget(*resource_table);
    DropAndForget(*obs_table);
    DropAndForget(*role_table);
    for (view::GanttView* gantt : GanttViews()) {
        gantt->SetLayout(nullptr);
        gantt->SetDocument(nullptr);
    }
    predecessors->SetLayout(nullptr);
    successors->SetLayout(nullptr);
    // Each list empties for want of a selected row in its master, then its text view.
    const std::array<view::View*, 16> sub_views = {
        predecessors.get(),  successors.get(),     activity_codes.get(),     activity_steps.get(),
        task_memos.get(),    task_memo_text.get(), step_text.get(),          wbs_memos.get(),
        wbs_memo_text.get(), project_codes.get(),  resource_codes.get(),     resource_notes.get(),
        obs_responsibility.get(), role_resources.get(), role_rates.get(),    role_limits.get()};
    for (view::View* sub_view : sub_views) sub_view->Update();
}

view::Layout* CurrentLayout(Category category, const LayoutStore& store) {
    switch (category) {
    case Category::activities: return store.GetCurrentActivityLayout();
    case Category::wbs: return store.GetCurrentWbsLayout();
    case Category::projects: return store.GetCurrentProjectLayout();
    case Category::resources: return store.GetCurrentResourceLayout();
    default: return nullptr;
    }
}

void ContentViews::BindTable(Category category, LayoutStore& store) {
    view::View* table = Table(category);
    if (table == nullptr) return;
    table->SetDocument(store.GetDocument());
    if (category == Category::obs || category == Category::roles) {
        table->Update();
        return;
    }
    view::Layout* layout = CurrentLayout(category, store);
    if (table->GetLayout() == layout) return;
    table->SetLayout(layout);
    if (category == Category::resources) {
        resource_table->DropTree();
    } else {
        static_cast<view::GridTableView*>(table)->DropTree();
    }
    table->Update();
}

void ContentViews::BindGantt(Category category, LayoutStore& store) {
    view::GanttView* gantt = Gantt(category);
    if (gantt == nullptr) return;
    gantt->SetDocument(store.GetDocument());
    gantt->SetLayout(CurrentLayout(category, store));
    gantt->SetCompanion(Table(category));
    gantt->Update();
}

}  // namespace varnholt
