// ResourceDetailView.h - the detail pane of the Resources category: the selected resource's ID and
// name. Its other tabs are sub-tables and the notes view that the host places below.
#pragma once

#include "views/details/DetailView.h"

namespace varnholt::view {

class ResourceDetailView final : public RecordDetailView {
public:
    [[nodiscard]] bool IsResourceDetailView() const override { return true; }

private:
    void DrawRecord(const Row* selected) override;
};

}  // namespace varnholt::view
