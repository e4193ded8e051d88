// OBSDetailView.cpp - the node's name and description. A description memo (marked "<HTML>",
// case counting) is converted to one line; any other text shows as it stands, its line breaks
// as blanks, as the resource table shows a notes text that is not a memo.

#include "views/details/OBSDetailView.h"

#include "memo_text/HtmlToText.h"
#include "model/records/ObsRecord.h"
#include "rows/Row.h"

#include <algorithm>

namespace varnholt::view {
namespace {

constexpr SheetField kName{1, 0, 51114, 0};         // OBS Name
constexpr SheetField kDescription{1, 1, 51117, 0};  // OBS Description

std::wstring OneLineDescription(const ObsRecord& node) {
    std::wstring text = node.obs_descr.to_string();
    if (text.starts_with(L"<HTML>")) return HtmlToText::Convert(text, false);
    std::replace_if(text.begin(), text.end(), [](wchar_t c) { return c == L'\r' || c == L'\n'; }, L' ');
    return text;
}

}  // namespace

void OBSDetailView::DrawRecord(const Row* selected) {
    const ObsRecord* node = selected != nullptr && selected->IsOBSRow() ? selected->GetOBS() : nullptr;
    DrawField(kName, node != nullptr ? node->obs_name.to_string() : std::wstring());
    DrawField(kDescription, node != nullptr ? OneLineDescription(*node) : std::wstring());
}

}  // namespace varnholt::view
