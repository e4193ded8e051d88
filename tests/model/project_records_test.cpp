// Projects, WBS elements and the OBS: the links that the import's build pass makes between them.

#include "model/records/ObsRecord.h"
#include "model/records/ProjWbsRecord.h"
#include "model/records/ProjectRecord.h"
#include "tree_link_checks.h"

#include <gtest/gtest.h>

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace varnholt {
namespace {

// ---- the build pass ----

struct WbsRow {
    std::uint32_t wbs_id;
    std::uint32_t proj_id;
    std::uint32_t parent_wbs_id;
};

// What the build pass does for WBS elements and projects: elements into their projects (with
// the root choice), then the WBS tree. Lookups by key, first match, null for none.
class WbsBuild {
public:
    WbsBuild(const std::vector<std::uint32_t>& project_ids, const std::vector<WbsRow>& rows) {
        for (std::uint32_t id : project_ids) {
            projects_.push_back(std::make_unique<ProjectRecord>());
            projects_.back()->proj_id = s_unsigned_long(id);
        }
        for (const WbsRow& row : rows) {
            wbs_.push_back(std::make_unique<ProjWbsRecord>());
            wbs_.back()->wbs_id = s_unsigned_long(row.wbs_id);
            wbs_.back()->proj_id = s_unsigned_long(row.proj_id);
            wbs_.back()->parent_wbs_id = s_unsigned_long(row.parent_wbs_id);
        }
        for (const auto& wbs : wbs_) LinkWbsToProject(*wbs, FindProject(wbs->proj_id.value), FindWbs(wbs->parent_wbs_id.value));
        for (const auto& wbs : wbs_) wbs->SetParent(FindWbs(wbs->parent_wbs_id.value));
    }

    ProjectRecord* FindProject(std::uint32_t id) const {
        for (const auto& p : projects_)
            if (p->proj_id.value == id) return p.get();
        return nullptr;
    }
    ProjWbsRecord* FindWbs(std::uint32_t id) const {
        for (const auto& w : wbs_)
            if (w->wbs_id.value == id) return w.get();
        return nullptr;
    }

private:
    std::vector<std::unique_ptr<ProjectRecord>> projects_;
    std::vector<std::unique_ptr<ProjWbsRecord>> wbs_;
};

std::vector<std::uint32_t> WbsIds(const std::vector<ProjWbsRecord*>& elements) {
    std::vector<std::uint32_t> ids;
    for (const ProjWbsRecord* w : elements) ids.push_back(w->wbs_id.value);
    return ids;
}

TEST(ProjectRootWbs, IsTheLastElementWhoseParentIsNotInTheFile) {
    struct Case {
        const char* why;
        std::vector<WbsRow> rows;  // all of project 1
        std::uint32_t root;        // 0: none
    };
    const Case cases[] = {
        {"no element without a parent", {{10, 1, 11}, {11, 1, 10}}, 0},
        {"one top element", {{20, 1, 0}, {21, 1, 20}, {22, 1, 21}}, 20},
        {"top element listed after its children", {{21, 1, 20}, {22, 1, 20}, {20, 1, 0}}, 20},
        {"two parentless elements: the later stays", {{30, 1, 99}, {31, 1, 30}, {32, 1, 0}, {33, 1, 32}}, 32},
        {"a parent id that names no element counts as none", {{40, 1, 0}, {41, 1, 4711}}, 41},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        const WbsBuild build({1}, c.rows);
        const ProjectRecord* project = build.FindProject(1);
        EXPECT_EQ(project->root_wbs == nullptr ? 0u : project->root_wbs->wbs_id.value, c.root);
        EXPECT_EQ(project->wbs_elements.size(), c.rows.size()) << "the project lists every element, top or not";
        for (const WbsRow& row : c.rows) EXPECT_EQ(build.FindWbs(row.wbs_id)->project, project);
    }
}

TEST(ProjectRootWbs, ElementsGoToTheirOwnProjectOnly) {
    const WbsBuild build({1, 2}, {{10, 1, 0}, {20, 2, 0}, {21, 2, 20}, {11, 1, 21}, {30, 3, 0}});
    const ProjectRecord* first = build.FindProject(1);
    const ProjectRecord* second = build.FindProject(2);
    EXPECT_EQ(WbsIds(first->wbs_elements), (std::vector<std::uint32_t>{10, 11}));
    EXPECT_EQ(WbsIds(second->wbs_elements), (std::vector<std::uint32_t>{20, 21}));
    EXPECT_EQ(first->root_wbs, build.FindWbs(10)) << "11's parent is in the file, if in another project";
    EXPECT_EQ(second->root_wbs, build.FindWbs(20));

    const ProjWbsRecord* orphan = build.FindWbs(30);
    EXPECT_EQ(orphan->project, nullptr) << "its proj_id names no project";
    EXPECT_EQ(build.FindWbs(11)->parent, build.FindWbs(21));
    EXPECT_EQ(WbsIds(build.FindWbs(20)->children), std::vector<std::uint32_t>{21});
}

TEST(WbsTree, FollowsTheTreeLinkRules) { testing_support::ExpectTreeLinkRules<ProjWbsRecord>(); }
TEST(ObsTree, FollowsTheTreeLinkRules) { testing_support::ExpectTreeLinkRules<ObsRecord>(); }

TEST(WbsTree, ElementsThatNameEachOtherKeepOneLinkOnly) {
    // 10 names 11 and 11 names 10: the first link is made, the one that would close the loop
    // is refused, so 11 stays a top element of the tree.
    const WbsBuild build({1}, {{10, 1, 11}, {11, 1, 10}});
    EXPECT_EQ(build.FindWbs(10)->parent, build.FindWbs(11));
    EXPECT_EQ(build.FindWbs(11)->parent, nullptr);
    EXPECT_TRUE(build.FindWbs(10)->children.empty());
}

TEST(WbsObsLink, ListsTheElementUnderItsNodeOnlyWhenFound) {
    const auto node = std::make_unique<ObsRecord>();
    const auto managed = std::make_unique<ProjWbsRecord>();
    const auto orphan = std::make_unique<ProjWbsRecord>();
    LinkWbsToObs(*managed, node.get());
    LinkWbsToObs(*orphan, nullptr);
    EXPECT_EQ(managed->obs, node.get());
    EXPECT_EQ(orphan->obs, nullptr);
    EXPECT_EQ(node->wbs_elements, std::vector<ProjWbsRecord*>{managed.get()});
}

}  // namespace
}  // namespace varnholt
