// chooser_entries.cpp - the find dialog, the column choosers and the filters dialog over the
// frame's open schedule.

#include "app/dialogs/chooser_entries.h"

#include "app/CMainFrame.h"
#include "app/dialogs/ActivityFiltersDialog.h"
#include "app/dialogs/ColumnsDialog.h"
#include "app/dialogs/FindDialog.h"
#include "layouts/LayoutStore.h"
#include "shell/find_fields.h"
#include "shell/string_ids.h"
#include "shell/ui_text.h"

namespace varnholt {
namespace {

view::Layout* CurrentLayout(const CMainFrame& frame, view::LayoutKind kind) {
    const LayoutStore* store = frame.GetLayoutStore();
    return store != nullptr ? store->GetCurrentLayout(kind) : nullptr;
}

}  // namespace

wxDialog* CreateFindDialog(CMainFrame& frame) {
    const LayoutStore* store = frame.GetLayoutStore();
    if (store == nullptr || store->GetDocument() == nullptr) return nullptr;
    if (!SearchKindOfView(frame.GetCurrentTableView())) return nullptr;
    return new FindDialog(frame);  // the window system owns it; the frame destroys it
}

void ShowColumnsDialog(CMainFrame& frame, view::LayoutKind kind) {
    ColumnsDialog dialog(&frame, LoadText(IDS_COLUMNS_TITLE), MainColumnList(CurrentLayout(frame, kind)));
    (void)dialog.ShowModal();
}

void ShowRelationshipColumnsDialog(CMainFrame& frame, bool successors) {
    view::Layout* layout = CurrentLayout(frame, view::LayoutKind::activity);
    ColumnsDialog dialog(&frame, LoadText(successors ? IDS_SUCCESSOR_COLUMNS_TITLE : IDS_PREDECESSOR_COLUMNS_TITLE),
                         successors ? SuccessorColumnList(layout) : PredecessorColumnList(layout));
    (void)dialog.ShowModal();
}

bool ShowActivityFiltersDialog(CMainFrame& frame) {
    ActivityFiltersDialog dialog(frame);
    return dialog.ShowModal() == wxID_OK;
}

}  // namespace varnholt
