// xls_wbs_paths.cpp - the WBS tree synthesised from activities' dotted paths.

#include "import/xls_wbs_paths.h"

#include "import/xls/xls_sheet.h"
#include "import/xls_task_sheet.h"
#include "import/xls_text.h"
#include "model/Document.h"
#include "model/derived/wbs_walk.h"
#include "model/records/ProjWbsRecord.h"
#include "model/records/ProjectRecord.h"
#include "model/records/TaskRecord.h"

#include <map>
#include <string>
#include <utility>

namespace varnholt::document {

namespace {

constexpr std::int32_t kWbsNode = 0;
constexpr std::int32_t kProjectNode = 1;

// Elements by (parent, short name), the top ones under a null parent. A path is found step by
// step, so the index holds each step once however long the paths are.
using WbsStepIndex = std::map<std::pair<const ProjWbsRecord*, std::string>, ProjWbsRecord*>;

}  // namespace

ProjWbsRecord* NewWbsNode(Document& doc, ProjectRecord* project, ProjWbsRecord* parent, std::string_view short_name,
                          std::string_view name, std::string_view status) {
    ProjWbsRecord* node = doc.NewProjWbs();
    if (node == nullptr) return nullptr;
    node->wbs_id = s_unsigned_long(static_cast<std::uint32_t>(doc.ProjWbs().size()));
    node->wbs_short_name = s_string(short_name);
    node->wbs_name = s_string(name);
    node->status_code = s_project_status(widen_cell(status));
    if (project == nullptr) return node;
    node->proj_id = project->proj_id;
    project->AddWbs(node);
    node->project = project;
    if (parent != nullptr) {
        node->parent_wbs_id = parent->wbs_id;
        node->SetParent(parent);
    }
    return node;
}

bool BuildWbsFromTasks(Document& doc, const xls_sheet& sheet, XlsImportState& state) {
    ProjectRecord* project = doc.FindProject(s_unsigned_long(1));
    if (project == nullptr) return false;
    const xls_column* path_column = sheet.find_column("wbs_id");
    const xls_column* status_column = sheet.find_column("projwbs__status_code");
    const xls_column* name_column = sheet.find_column("wbs_name");

    if (path_column != nullptr) {
        WbsStepIndex index;
        const auto& tasks = doc.Tasks();
        for (std::uint32_t r = kFirstDataRow; r < sheet.row_count(); ++r) {
            std::vector<std::string> steps = SplitText(sheet.column_text(path_column, r), ".");
            if (steps.size() > static_cast<std::size_t>(kMaxWbsDepth)) steps.resize(kMaxWbsDepth);
            const std::string name = sheet.column_text(name_column, r);
            const std::string status = sheet.column_text(status_column, r);

            if (project->root_wbs == nullptr && !steps.empty()) {
                ProjWbsRecord* root = NewWbsNode(doc, project, nullptr, steps.front(), name, status);
                if (root == nullptr) return false;
                index.emplace(std::pair(nullptr, steps.front()), root);
                project->root_wbs = root;
                project->proj_short_name = s_string(std::string_view(steps.front()));
                state.project.filled.emplace("project_short_name");
                root->node_type = s_node_type(kProjectNode);
            }

            // Down the steps already known, then new elements for the rest.
            ProjWbsRecord* current = nullptr;
            std::size_t step = 0;
            for (; step < steps.size(); ++step) {
                const auto found = index.find(std::pair(current, steps[step]));
                if (found == index.end()) break;
                current = found->second;
            }
            for (; step < steps.size(); ++step) {
                ProjWbsRecord* node = NewWbsNode(doc, project, current, steps[step], name, status);
                if (node == nullptr) return false;
                index.emplace(std::pair(current, steps[step]), node);
                node->node_type = s_node_type(kWbsNode);
                current = node;
            }

            if (current == nullptr) continue;  // an empty path: the activity has no element
            if (name_column != nullptr) {
                s_string row_name(std::string_view{name});
                if (current->wbs_name.text != row_name.text) current->wbs_name = std::move(row_name);
            }
            const std::size_t activity = r - kFirstDataRow;
            if (activity >= tasks.size()) continue;  // the activity of the row was never made
            TaskRecord* task = tasks[activity].get();
            task->wbs = current;
            task->wbs_id = current->wbs_id;
            current->AddActivity(task);
        }
        for (const char* name : {"wbs_id", "_node_type", "_task_cnt", "wbs_path"}) state.wbs.filled.emplace(name);
        state.project.filled.emplace("_task_cnt");
        state.activity.filled.emplace("_wbs_id");
        state.activity.filled.emplace("_wbs_path");
    }
    if (status_column != nullptr) {
        state.wbs.filled.emplace("projwbs__status_code");
        state.activity.filled.emplace("_status_code");
    }
    if (name_column != nullptr) {
        state.wbs.filled.emplace("wbs_name");
        state.activity.filled.emplace("wbs_name");
        state.activity.filled.emplace("_project__proj_name");
    }
    return true;
}

}  // namespace varnholt::document
