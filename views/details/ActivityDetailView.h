// ActivityDetailView.h - the detail pane of the Activities category: the selected activity's
// ID and name over the "General" and "Status" sheets. Under the other five tabs it paints the
// strip and the header pair only; the host places the sub-table of that tab below.
#pragma once

#include "views/details/DetailView.h"

namespace varnholt {
class TaskRecord;
}

namespace varnholt::view {

class ActivityDetailView final : public RecordDetailView {
public:
    [[nodiscard]] bool IsActivityDetailView() const override { return true; }

private:
    void DrawRecord(const Row* selected) override;
    void DrawGeneralSheet(const TaskRecord* activity);
    void DrawStatusSheet(const TaskRecord* activity);
};

}  // namespace varnholt::view
