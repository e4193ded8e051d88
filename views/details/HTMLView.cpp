// HTMLView.cpp - what the memo view shows for each kind of master, and how it paints it.

#include "views/details/HTMLView.h"

#include "memo_text/HtmlToText.h"
#include "model/CaptionCatalog.h"
#include "model/records/MemoRecord.h"
#include "model/records/RsrcRecord.h"
#include "model/records/TaskProcRecord.h"
#include "rows/Row.h"
#include "rows/display_scale.h"

namespace varnholt::view {

namespace {

constexpr CaptionId kNoTopicSelected = 200030;
constexpr CaptionId kNoNotebookTopicSelected = 200031;
constexpr CaptionId kNoStepSelected = 200032;
constexpr CaptionId kResourceNotes = 51255;

std::int32_t FontSize() { return static_cast<std::int32_t>(15.0f * DisplayScale()); }

std::wstring Caption(CaptionId id) { return CaptionCatalog::Instance().Lookup(id); }

// Memo texts keep their line breaks, whether or not they start with "<HTML>".
std::wstring PlainText(const s_val& html) { return HtmlToText::Convert(html.to_string(), true); }

}  // namespace

HTMLView::HTMLView(View* master)
    : m_master(master),
      m_text_style(TextStyle::New(L"Calibri", 14, Color::Black())),
      m_title_style(TextStyle::New(L"Calibri", 14, Color::Black(), true)) {
    m_text_style->SetSize(FontSize());
    m_title_style->SetSize(FontSize());
}

void HTMLView::SetScale() { m_text_style->SetSize(FontSize()); }

void HTMLView::Update() {
    m_text.clear();
    m_title = Caption(kNoTopicSelected);
    if (m_master == nullptr) return;
    const Row* selected = m_master->GetSelectedRow();
    const auto show_memo = [this, selected](const MemoRecord* (Row::*getter)() const) {
        m_title = Caption(kNoNotebookTopicSelected);
        const MemoRecord* memo = selected != nullptr ? (selected->*getter)() : nullptr;
        if (memo == nullptr) return;
        m_text = PlainText(memo->memo_text);
        if (memo->memo_type != nullptr) m_title = memo->memo_type->memo_type.to_string();
    };
    if (m_master->IsTaskMemoTableView()) {
        show_memo(&Row::GetTaskMemo);
    } else if (m_master->IsActivityStepTableView()) {
        m_title = Caption(kNoStepSelected);
        const TaskProcRecord* step = selected != nullptr ? selected->GetActivityStep() : nullptr;
        if (step == nullptr) return;
        m_text = PlainText(step->proc_descr);
        m_title = step->proc_name.to_string();
    } else if (m_master->IsWBSMemoTableView()) {
        show_memo(&Row::GetWBSMemo);
    } else if (m_master->IsResourceTableView()) {
        m_title = Caption(kResourceNotes);
        const RsrcRecord* resource = selected != nullptr ? selected->GetResource() : nullptr;
        if (resource != nullptr) m_text = PlainText(resource->rsrc_notes);
    }
}

void HTMLView::Draw(const RectF& area) {
    if (m_master == nullptr) return;
    DrawContext& dc = GetDrawContext();
    const float inset = 5.0f * DisplayScale();
    const float band = m_master->GetHeaderHeight();
    dc.FillRect(Color::White(), 0.0f, 0.0f, area.width, band);
    dc.PenLine(1, Color::LightGray(), 0.0f, band, area.x + area.width, band);
    dc.DrawText(*m_title_style, m_title, kTextSingleLine | kTextVCenter, {inset, 0.0f, area.width - inset, band});
    dc.DrawTextWithFont(m_text_style->font_block, m_text_style->GetColor(), m_text, kTextWordBreak,
                        {inset, band, area.width - inset, area.height - band});
}

}  // namespace varnholt::view
