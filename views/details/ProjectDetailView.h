// ProjectDetailView.h - the detail pane of the Projects category: the selected project's ID and name, each shown only
// when the file supplies its column, over a "General" row of its status and responsible manager.
// Under "Codes" it paints the strip and the header pair only; the host places the code table below.
#pragma once

#include "views/details/DetailView.h"

namespace varnholt::view {

class ProjectDetailView final : public RecordDetailView {
public:
    [[nodiscard]] bool IsProjectDetailView() const override { return true; }

private:
    void DrawRecord(const Row* selected) override;
};

}  // namespace varnholt::view
