// RoleDetailView.h - the detail pane of the Roles category: the selected role's ID and name over the
// resource, price and limit tables that the host places below for the other tabs.
#pragma once

#include "views/details/DetailView.h"

namespace varnholt::view {

class RoleDetailView final : public RecordDetailView {
public:
    [[nodiscard]] bool IsRoleDetailView() const override { return true; }

private:
    void DrawRecord(const Row* selected) override;
};

}  // namespace varnholt::view
