// WBSDetailView.h - the detail pane of the WBS category: the selected element's code and name
// over a "General" sheet of its status and responsible manager. Under "Notebook" it paints the
// strip and the header pair only; the host places the notebook table below.
#pragma once

#include "views/details/DetailView.h"

namespace varnholt::view {

class WBSDetailView final : public RecordDetailView {
public:
    [[nodiscard]] bool IsWBSDetailView() const override { return true; }

private:
    void DrawRecord(const Row* selected) override;
};

}  // namespace varnholt::view
