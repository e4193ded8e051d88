// ProjectRecord.cpp - the link of WBS elements to their project and its root element.

#include "model/records/ProjectRecord.h"

#include "model/records/ProjWbsRecord.h"

namespace varnholt {

void LinkWbsToProject(ProjWbsRecord& wbs, ProjectRecord* project, const ProjWbsRecord* parent_in_file) {
    if (project == nullptr) return;
    project->AddWbs(&wbs);
    wbs.project = project;
    if (parent_in_file == nullptr) project->root_wbs = &wbs;
}

}  // namespace varnholt
