// RoleDetailView.cpp - the role's ID and name.

#include "views/details/RoleDetailView.h"

#include "model/records/RoleRecord.h"
#include "rows/Row.h"

namespace varnholt::view {
namespace {

constexpr SheetField kRoleId{1, 0, 1470, 0};
constexpr SheetField kRoleName{1, 1, 51570, 0};

}  // namespace

void RoleDetailView::DrawRecord(const Row* selected) {
    const RoleRecord* role = selected != nullptr && selected->IsRoleRow() ? selected->GetRole() : nullptr;
    DrawField(kRoleId, role != nullptr ? role->role_short_name.to_string() : std::wstring());
    DrawField(kRoleName, role != nullptr ? role->role_name.to_string() : std::wstring());
}

}  // namespace varnholt::view
