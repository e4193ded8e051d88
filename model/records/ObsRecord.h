// ObsRecord.h - a node of the organisational breakdown structure (XER table OBS).
#pragma once

#include "model/records/tree_links.h"
#include "model/records/xer_field_slot.h"

#include <array>
#include <vector>

namespace varnholt {

class ProjWbsRecord;

class ObsRecord {
public:
    ObsRecord() = default;
    ObsRecord(const ObsRecord&) = delete;
    ObsRecord& operator=(const ObsRecord&) = delete;

    void AddChild(ObsRecord* child) { children.push_back(child); }
    void AddWbs(ProjWbsRecord* wbs) { wbs_elements.push_back(wbs); }

    // The build pass's parent link (see LinkParent): refused for a node that would end up
    // below itself.
    bool SetParent(ObsRecord* parent_node) { return LinkParent(*this, parent_node); }

    s_unsigned_long obs_id;
    s_unsigned_long parent_obs_id;
    s_int seq_num;
    s_string obs_name;
    s_string guid;
    s_string obs_descr;
    s_int load_order;  // set by the document's factory

    std::vector<ObsRecord*> children;
    ObsRecord* parent = nullptr;
    std::vector<ProjWbsRecord*> wbs_elements;  // the elements this node is responsible for
};

inline constexpr std::array<xer_field_slot<ObsRecord>, 6> kObsXerFields = {
    &ObsRecord::obs_id,        &ObsRecord::seq_num, &ObsRecord::obs_name,
    &ObsRecord::parent_obs_id, &ObsRecord::guid,    &ObsRecord::obs_descr,
};
static_assert(EachMemberOnce(kObsXerFields));

}  // namespace varnholt
