// HTMLView.h - the memo view: one long text of the record selected in a master view (a
// notebook topic of an activity or WBS element, a step, a resource's notes) as word-wrapped
// plain text under a one-line title. The stored HTML is converted in Update only, never per
// paint, and a paint lays out no more lines than the pane shows, so a long memo paints as fast
// as a short one.
#pragma once

#include "views/core/View.h"
#include "views/draw/TextStyle.h"

#include <memory>
#include <string>

namespace varnholt::view {

class HTMLView final : public View {
public:
    explicit HTMLView(View* master);

    [[nodiscard]] bool IsHTMLView() const override { return true; }
    // No extent: the host never scrolls the memo view.
    [[nodiscard]] float GetWidth() const override { return 0.0f; }
    [[nodiscard]] float GetHeight() const override { return 0.0f; }
    // Title and text from the master's current selection.
    void Update() override;
    // A white title band as high as the master's header, the text below it.
    void Draw(const RectF& area) override;
    // The text grows with the scale; the title keeps its size.
    void SetScale() override;

    [[nodiscard]] const std::wstring& Title() const noexcept { return m_title; }
    [[nodiscard]] const std::wstring& MemoText() const noexcept { return m_text; }

private:
    View* m_master;  // not owned
    std::unique_ptr<TextStyle> m_text_style;
    std::unique_ptr<TextStyle> m_title_style;
    std::wstring m_text;
    std::wstring m_title;
};

}  // namespace varnholt::view
