// View.h - the base of every content pane: tables, Gantt chart, detail views, sub-tables and
// the memo view. The host pane knows only this interface: it sizes its scroll bars from
// GetWidth and GetHeight, attaches its device and scroll position to the view's DrawContext
// before calling Draw, forwards the left button and mouse moves, and repaints when a handler
// answers true. Views follow each other through this interface too, never by run-time type
// tests: the type queries stand in for them.
#pragma once

#include "rows/Geometry.h"
#include "views/draw/DrawContext.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace varnholt::document {
class Document;
}

namespace varnholt::view {

class Layout;
class Row;
class RowList;

// Key flags of the mouse calls.
inline constexpr std::uint32_t kLeftButtonDown = 0x1;

class View {
public:
    View();
    View(const View&) = delete;
    View& operator=(const View&) = delete;
    // Frees the row list and the drawing context; rows belong to the concrete view's tree.
    virtual ~View();

    // Type queries: each concrete view answers true to its own; every detail view also to
    // IsDetailView.
    [[nodiscard]] virtual bool IsActivityTableView() const { return false; }
    [[nodiscard]] virtual bool IsWBSTableView() const { return false; }
    [[nodiscard]] virtual bool IsProjectTableView() const { return false; }
    [[nodiscard]] virtual bool IsResourceTableView() const { return false; }
    [[nodiscard]] virtual bool IsOBSTableView() const { return false; }
    [[nodiscard]] virtual bool IsRoleTableView() const { return false; }
    [[nodiscard]] virtual bool IsGanttView() const { return false; }
    [[nodiscard]] virtual bool IsDetailView() const { return false; }
    [[nodiscard]] virtual bool IsActivityDetailView() const { return false; }
    [[nodiscard]] virtual bool IsWBSDetailView() const { return false; }
    [[nodiscard]] virtual bool IsProjectCodeTableView() const { return false; }
    [[nodiscard]] virtual bool IsProjectDetailView() const { return false; }
    [[nodiscard]] virtual bool IsResourceDetailView() const { return false; }
    [[nodiscard]] virtual bool IsOBSDetailView() const { return false; }
    [[nodiscard]] virtual bool IsRoleDetailView() const { return false; }
    [[nodiscard]] virtual bool IsRelationshipTableView() const { return false; }
    [[nodiscard]] virtual bool IsActivityCodeTableView() const { return false; }
    [[nodiscard]] virtual bool IsActivityStepTableView() const { return false; }
    [[nodiscard]] virtual bool IsOBSResponsibilityTableView() const { return false; }
    [[nodiscard]] virtual bool IsResourceCodeTableView() const { return false; }
    [[nodiscard]] virtual bool IsResourceRoleTableView() const { return false; }
    [[nodiscard]] virtual bool IsRoleRateTableView() const { return false; }
    [[nodiscard]] virtual bool IsRoleLimitTableView() const { return false; }
    [[nodiscard]] virtual bool IsTaskMemoTableView() const { return false; }
    [[nodiscard]] virtual bool IsWBSMemoTableView() const { return false; }
    [[nodiscard]] virtual bool IsHTMLView() const { return false; }

    // Content size in pixels (DisplayScale applied).
    [[nodiscard]] virtual float GetWidth() const = 0;
    [[nodiscard]] virtual float GetHeight() const = 0;
    [[nodiscard]] virtual float GetHeaderHeight() const { return 0.0f; }
    [[nodiscard]] virtual float GetRowHeight() const { return 0.0f; }
    // The widths the layout's columns are drawn at, at scale 1, left to right: what the arrow
    // keys step over and printing splits into pages. By default the layout's own widths; empty
    // without a layout.
    [[nodiscard]] virtual std::vector<float> GetColumnWidths() const;
    // Rebuilds the content from the document and the layout.
    virtual void Update() = 0;
    // Paints through the drawing context; `area` is (0, 0, client width, client height).
    virtual void Draw(const RectF& area) = 0;
    // The row SelectRow chose last, while it is listed and still selected; else null.
    [[nodiscard]] virtual Row* GetSelectedRow() const;
    // The one way the selection moves, for clicks, keys and find alike: the row selected
    // before loses its flag, `row` (one of this view's rows, or null for none) gets it and is
    // kept for GetSelectedRow, so that no one has to search the listed rows for it.
    void SelectRow(Row* row) noexcept;
    [[nodiscard]] virtual std::int32_t GetMovedColumn() const { return -1; }
    // The content as clipboard text.
    [[nodiscard]] virtual std::wstring GetText() const { return {}; }
    virtual void ExpandAll() {}
    virtual void CollapseAll() {}
    // Re-derives sizes from DisplayScale.
    virtual void SetScale() {}
    // Client pixels; the view adds the drawing context's origin itself. True asks for a repaint.
    virtual bool OnMouseMove(std::uint32_t flags, float x, float y);
    virtual bool OnLButtonUp(std::uint32_t flags, float x, float y);
    virtual bool OnLButtonDown(std::uint32_t flags, float x, float y);

    [[nodiscard]] RowList& GetRowList() noexcept { return *m_row_list; }
    [[nodiscard]] const RowList& GetRowList() const noexcept { return *m_row_list; }
    [[nodiscard]] DrawContext& GetDrawContext() noexcept { return *m_draw_context; }
    [[nodiscard]] const DrawContext& GetDrawContext() const noexcept { return *m_draw_context; }
    [[nodiscard]] document::Document* GetDocument() const noexcept { return m_document; }
    void SetDocument(document::Document* document) noexcept { m_document = document; }
    [[nodiscard]] Layout* GetLayout() const noexcept { return m_layout; }
    void SetLayout(Layout* layout) noexcept { m_layout = layout; }

protected:
    // Forgets the kept row without touching it: the rows it could be are about to be freed.
    void ForgetSelection() noexcept { m_selected_row = nullptr; }

    std::unique_ptr<RowList> m_row_list;          // empty for views without rows
    std::unique_ptr<DrawContext> m_draw_context;  // the host fills it before each paint
    document::Document* m_document = nullptr;     // not owned
    Layout* m_layout = nullptr;                   // not owned; the layout store's

private:
    Row* m_selected_row = nullptr;                // not owned; one of the view's rows or null
};

}  // namespace varnholt::view
