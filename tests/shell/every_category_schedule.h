// every_category_schedule.h - a small schedule with something to show in every category and
// every detail tab: activities with relationships, codes, steps and notebook topics, WBS
// notes, project codes, resources with codes and notes, an OBS and roles with their
// resources, prices and limits. The second schedule has other names, so a test can tell
// which one a view shows.
#pragma once

#include <string>
#include <string_view>

namespace varnholt::testing_shell {

inline std::string EveryCategorySchedule(std::string_view prefix) {
    const std::string p(prefix);
    std::string text = "ERMHDR\t8.0\t2024-01-02 10:30\tProject\tadmin\tAdmin\tdb\tPM\tUSD\n";
    const std::string lines[] = {
        "%T\tOBS", "%F\tobs_id\tparent_obs_id\tseq_num\tobs_name", "%R\t1\t\t1\t" + p + " Enterprise",
        "%R\t2\t1\t1\t" + p + " Engineering",
        "%T\tPROJECT", "%F\tproj_id\tproj_short_name", "%R\t10\t" + p + "-PROJ",
        "%T\tPROJWBS", "%F\twbs_id\tproj_id\tseq_num\twbs_short_name\twbs_name\tparent_wbs_id\tobs_id",
        "%R\t100\t10\t1\t" + p + "\t" + p + " Plant\t\t2", "%R\t110\t10\t1\tDES\tDesign\t100\t2",
        "%T\tPCATTYPE", "%F\tproj_catg_type_id\tproj_catg_type", "%R\t1\tRegion",
        "%T\tPCATVAL", "%F\tproj_catg_id\tproj_catg_type_id\tproj_catg_short_name\tproj_catg_name",
        "%R\t11\t1\tNORTH\tNorth",
        "%T\tPROJPCAT", "%F\tproj_id\tproj_catg_type_id\tproj_catg_id", "%R\t10\t1\t11",
        "%T\tROLES", "%F\trole_id\tparent_role_id\tseq_num\trole_short_name\trole_name", "%R\t1\t\t1\tLEAD\t" + p + " Lead",
        "%T\tRSRC", "%F\trsrc_id\trsrc_short_name\trsrc_name\trole_id\trsrc_notes",
        "%R\t1\tCREW\t" + p + " Crew\t1\t<b>Night</b> shift",
        "%T\tRCATTYPE", "%F\trsrc_catg_type_id\trsrc_catg_type", "%R\t1\tSkill",
        "%T\tRCATVAL", "%F\trsrc_catg_id\trsrc_catg_type_id\trsrc_catg_short_name\trsrc_catg_name",
        "%R\t11\t1\tWLD\tWelding",
        "%T\tRSRCRCAT", "%F\trsrc_id\trsrc_catg_type_id\trsrc_catg_id", "%R\t1\t1\t11",
        "%T\tRSRCROLE", "%F\trsrc_role_id\trsrc_id\trole_id", "%R\t1\t1\t1",
        "%T\tROLERATE", "%F\trole_rate_id\trole_id\tcost_per_qty", "%R\t1\t1\t10",
        "%T\tROLELIMIT", "%F\trolelimit_id\trole_id\tstart_date\tmax_qty_per_hr", "%R\t1\t1\t2024-01-15 00:00\t8",
        "%T\tTASK",
        "%F\ttask_id\tproj_id\twbs_id\ttask_code\ttask_name\ttarget_start_date\ttarget_end_date\tearly_start_date\tearly_end_date",
        "%R\t1000\t10\t110\tA1000\t" + p + " Design\t2024-01-08 08:00\t2024-01-12 17:00\t2024-01-08 08:00\t2024-01-12 17:00",
        "%R\t1010\t10\t110\tA1010\t" + p + " Review\t2024-01-15 08:00\t2024-01-19 17:00\t2024-01-15 08:00\t2024-01-19 17:00",
        "%T\tTASKPRED", "%F\ttask_pred_id\ttask_id\tpred_task_id\tproj_id\tpred_proj_id\tpred_type",
        "%R\t1\t1010\t1000\t10\t10\tPR_FS",
        "%T\tACTVTYPE", "%F\tactv_code_type_id\tactv_code_type\tactv_code_type_scope\tproj_id", "%R\t1\tPhase\tAS_Global\t",
        "%T\tACTVCODE", "%F\tactv_code_id\tactv_code_type_id\tshort_name\tactv_code_name\tparent_actv_code_id",
        "%R\t1\t1\tP1\tPlanning\t",
        "%T\tTASKACTV", "%F\ttask_id\tactv_code_type_id\tactv_code_id\tproj_id", "%R\t1000\t1\t1\t10",
        "%T\tTASKPROC", "%F\tproc_id\ttask_id\tproj_id\tseq_num\tproc_name\tcomplete_flag\tproc_wt\tproc_descr",
        "%R\t1\t1000\t10\t1\tSet forms\tY\t1\t<p>Check the level</p>",
        "%T\tMEMOTYPE", "%F\tmemo_type_id\tmemo_type", "%R\t1\tMinutes",
        "%T\tTASKMEMO", "%F\tmemo_id\ttask_id\tmemo_type_id\tproj_id\ttask_memo", "%R\t1\t1000\t1\t10\tKick-off held",
        "%T\tWBSMEMO", "%F\twbs_memo_id\tproj_id\twbs_id\tmemo_type_id\twbs_memo", "%R\t1\t10\t110\t1\tScope agreed",
        "%E"};
    for (const std::string& line : lines) (text += line) += '\n';
    return text;
}

}  // namespace varnholt::testing_shell
