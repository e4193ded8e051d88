// CMainFrame.h - the program's one top-level window. It owns the ribbon with its File page,
// the two splitters that make the table, Gantt and details panes, every content view, the
// layout store of the open schedule and what the find dialog remembers. Files from every
// entry (command line, File > Open, the recent list, a drop) come through one open path.
#pragma once

#include "app/VarnholtDoc.h"
#include "app/owed_focus.h"
#include "layouts/LayoutStore.h"
#include "shell/ContentViews.h"
#include "shell/category_tabs.h"
#include "shell/find_state.h"
#include "shell/open_document.h"
#include "shell/print/PrintSettings.h"
#include "shell/print/said_messages.h"

#include <wx/bitmap.h>
#include <wx/filehistory.h>
#include <wx/frame.h>
#include <wx/utils.h>

#include <array>
#include <memory>
#include <string>

class wxPrintData;
class wxRibbonBar;
class wxRibbonBarEvent;

namespace varnholt {

class CVarnSplitterWnd;
class FilePage;
struct CommandContext;
class VarnholtView;

// The smallest size of the main window.
inline constexpr int kMinimumFrameWidth = 600;
inline constexpr int kMinimumFrameHeight = 400;

class CMainFrame final : public wxFrame, public OpenHost {
public:
    // Builds the ribbon, the File page, the splitters and panes, then the content views (see
    // CreateContentViews), in the languages chosen at start-up. The recent list is the
    // application's and outlives the frame.
    explicit CMainFrame(wxFileHistory& recent);
    ~CMainFrame() override;

    // The framework's open path: the path made absolute, the open sequence, then, on success,
    // the path recorded, the title and the recent list. False after the sequence's message.
    bool OpenFile(const wxString& path);

    [[nodiscard]] LayoutStore* GetLayoutStore() const noexcept { return m_store.get(); }
    [[nodiscard]] VarnholtDoc& GetDocument() noexcept { return *m_document; }
    [[nodiscard]] const wxString& GetDocumentPath() const noexcept { return m_path; }
    [[nodiscard]] wxFileHistory& GetRecentFiles() noexcept { return m_recent; }
    // What to print and how, for the rest of the run; never saved. The paper chosen in the
    // last print dialog goes to the next preview.
    [[nodiscard]] PrintSettings& GetPrintSettings() noexcept { return *m_print_settings; }
    [[nodiscard]] wxPrintData& GetPrintData() noexcept { return *m_print_data; }
    // What the previews of the open schedule have told the user about its pages.
    [[nodiscard]] print::SaidMessages& GetSaidPrintMessages() noexcept { return m_said_print_messages; }

    // The text of the ribbon's File tab.
    void SetMainButtonText(const wxString& text);
    [[nodiscard]] wxString GetMainButtonText() const;

    // The table and Gantt views of the active category; the File page keeps the category the
    // user left active. OBS and Roles have no searchable table, the last three no chart.
    [[nodiscard]] view::View* GetCurrentTableView() const;
    [[nodiscard]] view::GanttView* GetCurrentGanttView() const;
    [[nodiscard]] Category GetActiveCategory() const noexcept { return m_categories.Active(); }

    // Shows category 1 to 6 in the panes; any other index shows nothing.
    void ShowCategory(std::int32_t index);
    void ShowActivities() { DisplayCategory(Category::activities); }
    void ShowWbs() { DisplayCategory(Category::wbs); }
    void ShowProjects() { DisplayCategory(Category::projects); }
    void ShowResources() { DisplayCategory(Category::resources); }
    void ShowObs() { DisplayCategory(Category::obs); }
    void ShowRoles() { DisplayCategory(Category::roles); }

    // What choosing a ribbon tab does: page 0 the File page, 1 to 6 a category.
    void SwitchToPage(std::int32_t page);
    // The File page in place of the panes, and back to the last category.
    void ShowFilePage();
    void CloseFilePage();
    [[nodiscard]] bool IsFilePageShown() const noexcept { return m_categories.FilePageShown(); }

    // The table pane takes the keyboard, so that Ctrl+C and the arrows act at once; never while
    // the focus is in another window of the program, such as a dialog.
    void FocusTable();

    // The options sheet at the given page (0 units, 1 layouts); OK marks the charts' grids.
    void ShowOptions(int initial_page);

    // The modeless find dialog while it exists; the frame destroys it on a category switch,
    // when the File page opens and when the dialog reports its closing.
    void SetFindDialog(wxWindow* dialog) noexcept { m_find_dialog = dialog; }
    [[nodiscard]] wxWindow* GetFindDialog() const noexcept { return m_find_dialog; }
    void DestroyFindDialog();
    [[nodiscard]] std::array<FindState, 4>& FindStates() noexcept { return m_find_states; }

    // What the Filter command does once its dialog has closed: with OK the activity table lists
    // its rows again under the new filters; the window is redrawn either way.
    void ApplyFilterResult(bool ok);

    [[nodiscard]] ContentViews& GetContentViews() noexcept { return *m_views; }
    [[nodiscard]] wxRibbonBar* GetRibbon() const noexcept { return m_ribbon; }
    [[nodiscard]] FilePage* GetFilePage() const noexcept { return m_file_page; }
    [[nodiscard]] CVarnSplitterWnd* GetOuterSplitter() const noexcept { return m_outer; }
    [[nodiscard]] CVarnSplitterWnd* GetInnerSplitter() const noexcept { return m_inner; }
    [[nodiscard]] VarnholtView* GetTablePane() const noexcept { return m_table_pane; }
    [[nodiscard]] VarnholtView* GetGanttPane() const noexcept { return m_gantt_pane; }
    [[nodiscard]] VarnholtView* GetDetailsPane() const noexcept { return m_details_pane; }
    // The picture of the window taken as the File page opened.
    [[nodiscard]] const wxBitmap& GetScreenshot() const noexcept { return m_screenshot; }

    // OpenHost
    std::unique_ptr<LayoutStore>& LayoutStoreSlot() override { return m_store; }
    void ResetContentViews() override;
    void RebuildAfterOpen() override;
    void SetBusy(bool busy) override;
    void ShowMessage(const std::wstring& text) override;

private:
    void CreateRibbon();
    void CreateClient();
    void CreateContentViews();

    // The window and its sashes as the user left them (MainFrameWorkspace.cpp).
    void LoadWorkspace();
    void SaveWorkspace() const;
    void KeepNormalPlace();
    // The frame's least size, and more across where large text needs it for the ribbon's tabs.
    [[nodiscard]] wxSize LeastSize() const { return {m_least_width, kMinimumFrameHeight}; }
    [[nodiscard]] wxRect ClientPlace() const;

    // Category display (MainFrameCategories.cpp).
    void DisplayCategory(Category category);
    void PlaceSubViews(Category category);
    void EnsureSubViewWindows(Category category);
    void OnRibbonPageChanged(wxRibbonBarEvent& event);
    void OnRibbonKeys(wxKeyEvent& event);
    void OnRibbonPress(wxMouseEvent& event);
    void TakeScreenshot();

    // The ribbon's selectors (MainFrameSelectors.cpp).
    void RefreshSelectors(Category category);
    void FillLayoutCombo(Category category);
    void FillTimescaleCombo(Category category);
    void SetZoomSlider(Category category);

    // The ribbon's commands and their update rules (MainFrameCommands.cpp).
    void BindRibbonCommands();
    void OnUpdateRibbonCommand(wxUpdateUIEvent& event);
    [[nodiscard]] bool IsDocumentLoaded() const noexcept;
    [[nodiscard]] CommandContext DescribeForCommands() const;
    void RedrawNow();
    // Pane toggles, go to, relationship lines and copy (MainFramePaneCommands.cpp).
    void OnToggleDetails(wxCommandEvent& event);
    void OnToggleGantt(wxCommandEvent& event);
    void OnGoToActivity(wxCommandEvent& event);
    void OnGoToWbs(wxCommandEvent& event);
    void OnGoToProject(wxCommandEvent& event);
    void GoToSelectedStart(Category category);
    void OnRelationshipLines(wxCommandEvent& event);
    void OnCopyTable(wxCommandEvent& event);
    // The table pane's text onto the clipboard; false when nothing was copied.
    bool CopyTable();
    // Expand and collapse of each category's table (MainFrameTreeCommands.cpp).
    void OnActivityExpandAll(wxCommandEvent& event);
    void OnActivityCollapseAll(wxCommandEvent& event);
    void OnWbsExpandAll(wxCommandEvent& event);
    void OnWbsCollapseAll(wxCommandEvent& event);
    void OnProjectExpandAll(wxCommandEvent& event);
    void OnProjectCollapseAll(wxCommandEvent& event);
    void OnResourceExpandAll(wxCommandEvent& event);
    void OnResourceCollapseAll(wxCommandEvent& event);
    void OnObsExpandAll(wxCommandEvent& event);
    void OnObsCollapseAll(wxCommandEvent& event);
    void OnRoleExpandAll(wxCommandEvent& event);
    void OnRoleCollapseAll(wxCommandEvent& event);
    void ExpandTable(Category category, bool expand);
    // The dialogs the ribbon opens (MainFrameDialogCommands.cpp).
    void OnActivityTable(wxCommandEvent& event);
    void OnWbsTable(wxCommandEvent& event);
    void OnProjectTable(wxCommandEvent& event);
    void OnResourceTable(wxCommandEvent& event);
    void OpenColumnsDialog(Category category);
    void OnPredecessorsTable(wxCommandEvent& event);
    void OnSuccessorsTable(wxCommandEvent& event);
    void OpenRelationshipColumnsDialog(bool successors);
    void OnCalendar(wxCommandEvent& event);
    void OnActivityFilter(wxCommandEvent& event);
    void OnResourceShifts(wxCommandEvent& event);
    void OnFind(wxCommandEvent& event);
    // Choices in the selectors (MainFrameSelectors.cpp).
    void OnActivityLayoutChange(wxCommandEvent& event);
    void OnWbsLayoutChange(wxCommandEvent& event);
    void OnProjectLayoutChange(wxCommandEvent& event);
    void OnResourceLayoutChange(wxCommandEvent& event);
    void ChangeLayout(Category category);
    void OnActivityTimescale(wxCommandEvent& event);
    void OnWbsTimescale(wxCommandEvent& event);
    void OnProjectTimescale(wxCommandEvent& event);
    void ChangeTimescale(Category category);
    void OnActivityZoom(wxCommandEvent& event);
    void OnWbsZoom(wxCommandEvent& event);
    void OnProjectZoom(wxCommandEvent& event);
    void ChangeZoom(Category category);

    void OnFileOpen(wxCommandEvent& event);
    void OnRecentFile(wxCommandEvent& event);
    void OnToolsOptions(wxCommandEvent& event);
    void OnRibbonCustomize(wxCommandEvent& event);
    void OnAppExit(wxCommandEvent& event);
    void OnCloseFilePage(wxCommandEvent& event);
    void OnFindDialogDidClose(wxCommandEvent& event);
    void OnCharHook(wxKeyEvent& event);
    void OnActivate(wxActivateEvent& event);
    void OnSize(wxSizeEvent& event);
    void OnMove(wxMoveEvent& event);
    void OnClose(wxCloseEvent& event);

    // The store is declared before the views, so the views go first: they point into it.
    std::unique_ptr<LayoutStore> m_store;  // null until a file has opened
    std::unique_ptr<ContentViews> m_views;
    std::unique_ptr<VarnholtDoc> m_document;
    wxFileHistory& m_recent;
    wxString m_path;
    std::unique_ptr<wxBusyCursor> m_busy;
    std::unique_ptr<PrintSettings> m_print_settings;
    std::unique_ptr<wxPrintData> m_print_data;
    print::SaidMessages m_said_print_messages;

    // Windows, owned by the window system as children of the frame.
    wxRibbonBar* m_ribbon = nullptr;
    int m_least_width = kMinimumFrameWidth;  // see LeastSize
    FilePage* m_file_page = nullptr;
    CVarnSplitterWnd* m_outer = nullptr;
    CVarnSplitterWnd* m_inner = nullptr;
    VarnholtView* m_table_pane = nullptr;
    VarnholtView* m_gantt_pane = nullptr;
    VarnholtView* m_details_pane = nullptr;
    wxWindow* m_find_dialog = nullptr;

    bool m_gantt_closed = false;  // the user hid the chart with its toggle
    OwedFocus m_owed_focus{*this};  // see FocusTable
    // While neither maximized nor iconized: the client area's place on the screen and its size.
    wxRect m_normal_place;
    CategoryTracker m_categories;
    std::array<FindState, 4> m_find_states = DefaultFindStates();
    wxBitmap m_screenshot;
};

}  // namespace varnholt
