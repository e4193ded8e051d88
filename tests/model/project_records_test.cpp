// Project, WBS, OBS, project-code and currency records: construction defaults, where each
// XER field lands, and the links that the import's build pass makes between them.

#include "model/records/CurrTypeRecord.h"
#include "model/records/ObsRecord.h"
#include "model/records/PCatValRecord.h"
#include "model/records/ProjWbsRecord.h"
#include "model/records/ProjectRecord.h"
#include "model/records/code_value_path.h"
#include "tree_link_checks.h"
#include "xer_field_store.h"

#include <gtest/gtest.h>

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace varnholt {
namespace {

using testing_support::FieldIsDropped;
using testing_support::FieldLandsIn;
using testing_support::FirstSharedMember;

// The field numbers of a table that no member keeps.
template <class Record, std::size_t N>
std::vector<std::int32_t> DroppedFields(const std::array<xer_field_slot<Record>, N>& slots) {
    std::vector<std::int32_t> dropped;
    for (std::int32_t number = 1; number <= static_cast<std::int32_t>(N); ++number)
        if (FieldIsDropped(slots, number)) dropped.push_back(number);
    return dropped;
}

// ---- defaults ----

TEST(ProjectRecordDefaults, FlagsAndTextsTheFileMayLeaveOut) {
    const auto project = std::make_unique<ProjectRecord>();
    struct Flag { const char* name; const s_bool& flag; bool yes; };
    const Flag flags[] = {
        {"chng_eff_cmp_pct_flag", project->chng_eff_cmp_pct_flag, false},
        {"rsrc_self_add_flag", project->rsrc_self_add_flag, true},
        {"allow_complete_flag", project->allow_complete_flag, false},
        {"rsrc_multi_assign_flag", project->rsrc_multi_assign_flag, true},
        {"checkout_flag", project->checkout_flag, false},
        {"project_flag", project->project_flag, true},
        {"step_complete_flag", project->step_complete_flag, false},
        {"cost_qty_recalc_flag", project->cost_qty_recalc_flag, false},
        {"sum_only_flag", project->sum_only_flag, false},
        {"batch_sum_flag", project->batch_sum_flag, true},
        {"act_this_per_link_flag", project->act_this_per_link_flag, true},
        {"act_pct_link_flag", project->act_pct_link_flag, false},
        {"def_rollup_dates_flag", project->def_rollup_dates_flag, true},
        {"rem_target_link_flag", project->rem_target_link_flag, true},
        {"reset_planned_flag", project->reset_planned_flag, true},
        {"allow_neg_act_flag", project->allow_neg_act_flag, false},
        {"msp_managed_flag", project->msp_managed_flag, false},
        {"msp_update_actuals_flag", project->msp_update_actuals_flag, false},
        {"use_project_baseline_flag", project->use_project_baseline_flag, true},
        {"ts_rsrc_vw_compl_asgn_flag", project->ts_rsrc_vw_compl_asgn_flag, false},
        {"ts_rsrc_mark_act_finish_flag", project->ts_rsrc_mark_act_finish_flag, false},
        {"ts_rsrc_vw_inact_actv_flag", project->ts_rsrc_vw_inact_actv_flag, false},
    };
    for (const auto& f : flags) {
        SCOPED_TRACE(f.name);
        EXPECT_EQ(f.flag.as_bool(), f.yes);
        EXPECT_EQ(f.flag.null_flag, 0) << "a default flag counts as given";
    }
    // Flags without a default have no value until the file gives one.
    EXPECT_EQ(project->add_act_remain_flag.null_flag, 1);
    EXPECT_EQ(project->task_code_prefix_flag.null_flag, 1);

    EXPECT_EQ(project->def_complete_pct_type, L"CP_Drtn");
    EXPECT_EQ(project->def_task_type, L"TT_Task");
    EXPECT_EQ(project->sum_assign_level, L"SL_Taskrsrc");
    EXPECT_EQ(project->name_sep_char, L"");
    EXPECT_EQ(project->critical_drtn_hr_cnt.blank, 1);
    EXPECT_EQ(project->critical_drtn_hr_cnt.null_flag, 1);
    EXPECT_EQ(project->root_wbs, nullptr);
}

TEST(ProjWbsRecordDefaults, SequenceFlagsStatusAndQuantity) {
    const auto wbs = std::make_unique<ProjWbsRecord>();
    EXPECT_EQ(wbs->seq_num.value, 1);
    EXPECT_EQ(wbs->seq_num.null_flag, 0);
    EXPECT_TRUE(wbs->proj_node_flag.as_bool());
    EXPECT_EQ(wbs->proj_node_flag.null_flag, 0);
    EXPECT_FALSE(wbs->sum_data_flag.as_bool());
    EXPECT_EQ(wbs->sum_data_flag.null_flag, 0);
    EXPECT_EQ(wbs->status_code.value, 5) << "no value, but holding 5";
    EXPECT_EQ(wbs->status_code.null_flag, 1);
    EXPECT_EQ(wbs->indep_remain_work_qty.blank, 1);
    EXPECT_EQ(wbs->indep_remain_work_qty.kind, s_unit::kQuantity);
}

TEST(CodeAndCurrencyDefaults, WeightsFlagsAndDigitGroups) {
    const auto type = std::make_unique<PCatTypeRecord>();
    EXPECT_FALSE(type->super_flag.as_bool());
    EXPECT_EQ(type->super_flag.null_flag, 0);
    for (const s_double* weight : {&type->proj_catg_type_wt, &type->max_proj_catg_wt}) {
        EXPECT_EQ(weight->value, 0.0);
        EXPECT_EQ(weight->null_flag, 0) << "0.0 counts as given";
    }
    EXPECT_EQ(type->column_key.text, L"");

    const auto currency = std::make_unique<CurrTypeRecord>();
    EXPECT_EQ(currency->group_digit_cnt.value, 3);
    EXPECT_EQ(currency->group_digit_cnt.null_flag, 0);
    EXPECT_EQ(currency->decimal_digit_cnt.null_flag, 1);
}

// ---- XER fields ----

TEST(ProjectXerFields, EveryKeptFieldHasItsOwnMember) {
    EXPECT_EQ(FirstSharedMember(kProjectXerFields), 0);
    EXPECT_EQ(FirstSharedMember(kProjWbsXerFields), 0);
    EXPECT_EQ(FirstSharedMember(kObsXerFields), 0);
    EXPECT_EQ(FirstSharedMember(kPCatTypeXerFields), 0);
    EXPECT_EQ(FirstSharedMember(kPCatValXerFields), 0);
    EXPECT_EQ(FirstSharedMember(kProjPCatXerFields), 0);
    EXPECT_EQ(FirstSharedMember(kCurrTypeXerFields), 0);
}

TEST(ProjectXerFields, DroppedFieldsKeepTheirNumbers) {
    EXPECT_EQ(DroppedFields(kProjectXerFields), (std::vector<std::int32_t>{33, 56, 59, 60, 61, 62, 63, 64, 65, 66, 70}));
    EXPECT_EQ(DroppedFields(kProjWbsXerFields), std::vector<std::int32_t>{17});
    EXPECT_TRUE(DroppedFields(kObsXerFields).empty());
    EXPECT_TRUE(DroppedFields(kPCatValXerFields).empty());
    EXPECT_TRUE(DroppedFields(kCurrTypeXerFields).empty());
}

// The members whose place in the record differs from their number in the file.
TEST(ProjectXerFields, FieldsOutOfRecordOrderLandInTheirMembers) {
    EXPECT_TRUE(FieldLandsIn(kProjectXerFields, 2, &ProjectRecord::fy_start_month_num));
    EXPECT_TRUE(FieldLandsIn(kProjectXerFields, 12, &ProjectRecord::def_complete_pct_type));
    EXPECT_TRUE(FieldLandsIn(kProjectXerFields, 14, &ProjectRecord::acct_id));
    EXPECT_TRUE(FieldLandsIn(kProjectXerFields, 43, &ProjectRecord::add_act_remain_flag));
    EXPECT_TRUE(FieldLandsIn(kProjectXerFields, 50, &ProjectRecord::use_project_baseline_flag));
    EXPECT_TRUE(FieldLandsIn(kProjectXerFields, 55, &ProjectRecord::last_fin_dates_id));
    EXPECT_TRUE(FieldLandsIn(kProjectXerFields, 67, &ProjectRecord::chng_eff_cmp_pct_flag));
    EXPECT_TRUE(FieldLandsIn(kProjectXerFields, 71, &ProjectRecord::rsrc_id));
    EXPECT_TRUE(FieldLandsIn(kProjectXerFields, 75, &ProjectRecord::checkout_user_id));
    EXPECT_TRUE(FieldLandsIn(kProjectXerFields, 79, &ProjectRecord::intg_proj_type));
    EXPECT_TRUE(FieldLandsIn(kProjWbsXerFields, 4, &ProjWbsRecord::seq_num));
    EXPECT_TRUE(FieldLandsIn(kProjWbsXerFields, 11, &ProjWbsRecord::phase_id));
    EXPECT_TRUE(FieldLandsIn(kProjWbsXerFields, 12, &ProjWbsRecord::parent_wbs_id));
    EXPECT_TRUE(FieldLandsIn(kProjWbsXerFields, 18, &ProjWbsRecord::dscnt_period_type));
    EXPECT_TRUE(FieldLandsIn(kObsXerFields, 2, &ObsRecord::seq_num));
    EXPECT_TRUE(FieldLandsIn(kObsXerFields, 4, &ObsRecord::parent_obs_id));
    EXPECT_TRUE(FieldLandsIn(kPCatValXerFields, 5, &PCatValRecord::parent_proj_catg_id));
    EXPECT_TRUE(FieldLandsIn(kPCatValXerFields, 6, &PCatValRecord::proj_catg_name));
}

TEST(ProjectXerFields, ARowWithoutFlagsKeepsTheDefaults) {
    const auto project = std::make_unique<ProjectRecord>();
    testing_support::StoreXerField(*project, kProjectXerFields, 1, L"12");
    testing_support::StoreXerField(*project, kProjectXerFields, 13, L"PLANT-A");
    testing_support::StoreXerField(*project, kProjectXerFields, 6, L"Y");  // checkout_flag
    EXPECT_EQ(project->proj_id.value, 12u);
    EXPECT_EQ(project->proj_short_name.text, L"PLANT-A");
    EXPECT_TRUE(project->checkout_flag.as_bool());
    EXPECT_TRUE(project->project_flag.as_bool());
    EXPECT_TRUE(project->def_rollup_dates_flag.as_bool());
    EXPECT_FALSE(project->allow_neg_act_flag.as_bool());
}

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

// ---- project codes ----

struct CodeRow {
    std::uint32_t id;
    std::uint32_t parent_id;
    const wchar_t* short_name;
};

// The project-code link pass over values in file order; answers the short names after it.
std::vector<std::wstring> LinkProjectCodes(const std::vector<CodeRow>& rows, PCatTypeRecord* type) {
    std::vector<std::unique_ptr<PCatValRecord>> values;
    for (const CodeRow& row : rows) {
        values.push_back(std::make_unique<PCatValRecord>());
        values.back()->proj_catg_id = s_unsigned_long(row.id);
        values.back()->parent_proj_catg_id = s_unsigned_long(row.parent_id);
        values.back()->proj_catg_short_name = s_string(std::wstring_view{row.short_name});
    }
    auto find = [&](std::uint32_t id) -> const PCatValRecord* {
        for (const auto& v : values)
            if (v->proj_catg_id.value == id) return v.get();
        return nullptr;
    };
    std::vector<std::wstring> names;
    for (const auto& v : values) {
        LinkProjectCodeValue(*v, type, find(v->parent_proj_catg_id.value));
        EXPECT_EQ(v->type, type);
    }
    for (const auto& v : values) names.push_back(v->proj_catg_short_name.text);
    return names;
}

TEST(ProjectCodeValues, TakeTheirParentsPathInFileOrder) {
    struct Case {
        const char* why;
        std::vector<CodeRow> rows;
        std::vector<std::wstring> names;
    };
    const Case cases[] = {
        {"parents before children pass on the whole path",
         {{1, 0, L"R"}, {2, 1, L"A"}, {3, 2, L"B"}},
         {L"R", L"R.A", L"R.A.B"}},
        {"a child before its parent gets only the parent's own name",
         {{3, 2, L"B"}, {1, 0, L"R"}, {2, 1, L"A"}},
         {L"A.B", L"R", L"R.A"}},
        {"a parent id that names no value leaves the name", {{1, 77, L"X"}}, {L"X"}},
        {"parent id 0 is a top value, even when a value has id 0", {{0, 0, L"Z"}, {5, 0, L"Y"}}, {L"Z", L"Y"}},
        {"a value that names itself is prefixed once", {{4, 4, L"S"}}, {L"S.S"}},
    };
    PCatTypeRecord type;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        EXPECT_EQ(LinkProjectCodes(c.rows, &type), c.names);
    }
    EXPECT_EQ(LinkProjectCodes({{1, 0, L"R"}}, nullptr), std::vector<std::wstring>{L"R"}) << "no type found";
}

TEST(CodeValuePaths, StopGrowingAtTheLimit) {
    const std::wstring long_name(kMaxCodePathLength - 2, L'P');
    s_string parent(std::wstring_view{long_name});

    s_string fits(std::wstring_view{L"C"});  // long_name + "." + "C" is exactly the limit
    EXPECT_TRUE(PrependParentPath(fits, parent));
    EXPECT_EQ(fits.text.size(), kMaxCodePathLength);

    s_string too_long(std::wstring_view{L"CD"});
    EXPECT_FALSE(PrependParentPath(too_long, parent));
    EXPECT_EQ(too_long.text, L"CD") << "left as it was";

    // A hostile chain: every value copies its parent's path, which stays bounded.
    std::vector<std::unique_ptr<PCatValRecord>> chain;
    for (std::uint32_t id = 1; id <= 2000; ++id) {
        chain.push_back(std::make_unique<PCatValRecord>());
        chain.back()->proj_catg_id = s_unsigned_long(id);
        chain.back()->parent_proj_catg_id = s_unsigned_long(id - 1);
        chain.back()->proj_catg_short_name = s_string(std::wstring_view{L"ABCDEFGH"});
        LinkProjectCodeValue(*chain.back(), nullptr, id > 1 ? chain[id - 2].get() : nullptr);
        EXPECT_LE(chain.back()->proj_catg_short_name.text.size(), kMaxCodePathLength);
    }
}

TEST(ProjectCodeAssignments, TakeWhatTheLookupsFound) {
    PCatTypeRecord type;
    PCatValRecord value;
    ProjectRecord project;
    ProjPCatRecord found;
    LinkProjectCodeAssignment(found, &type, &value, &project);
    EXPECT_EQ(found.type, &type);
    EXPECT_EQ(found.value, &value);
    EXPECT_EQ(found.project, &project);

    ProjPCatRecord missing;
    LinkProjectCodeAssignment(missing, &type, nullptr, nullptr);
    EXPECT_EQ(missing.type, &type);
    EXPECT_EQ(missing.value, nullptr);
    EXPECT_EQ(missing.project, nullptr);
}

}  // namespace
}  // namespace varnholt
