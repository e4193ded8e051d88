// ProjWbsRecord.cpp - links of a WBS element that reach into other records.

#include "model/records/ProjWbsRecord.h"

#include "model/records/ObsRecord.h"

namespace varnholt {

void LinkWbsToObs(ProjWbsRecord& wbs, ObsRecord* obs) {
    if (obs == nullptr) return;
    wbs.obs = obs;
    obs->AddWbs(&wbs);
}

}  // namespace varnholt
