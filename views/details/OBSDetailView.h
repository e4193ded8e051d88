// OBSDetailView.h - the detail pane of the OBS category: the selected node's name and its description
// on one line. The responsibility table of its other tab is placed below by the host.
#pragma once

#include "views/details/DetailView.h"

namespace varnholt::view {

class OBSDetailView final : public RecordDetailView {
public:
    [[nodiscard]] bool IsOBSDetailView() const override { return true; }

private:
    void DrawRecord(const Row* selected) override;
};

}  // namespace varnholt::view
