// page_bands.cpp - the bands' texts, centred on one line each in the printout's own font.

#include "shell/print/page_bands.h"

#include "platform/path_text.h"
#include "shell/string_ids.h"
#include "shell/ui_text.h"
#include "views/draw/TextStyle.h"

namespace varnholt::print {
namespace {

constexpr std::uint32_t kBandText =
    view::kTextCenter | view::kTextVCenter | view::kTextSingleLine | view::kTextWordEllipsis | view::kTextNoPrefix;
constexpr std::int32_t kBandTextSize = 14;

view::RectF ToRect(std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height) {
    return {static_cast<float>(x), static_cast<float>(y), static_cast<float>(width), static_cast<float>(height)};
}

}  // namespace

void DrawPageBands(view::DrawContext& context, const PrintSettings& settings, const PageBands& bands,
                   const PageBandTexts& texts) {
    const auto text_style = view::TextStyle::New(L"Calibri", kBandTextSize, view::Color::Black());
    if (texts.nothing_to_print) {
        context.DrawText(*text_style, LoadText(IDS_PRINT_NOTHING), kBandText, ToRect(0, 0, bands.width, bands.height));
    }
    if (settings.printHeader) {
        // The name as the window's title shows it: a byte no character set names is a mark.
        context.DrawText(*text_style, ShownFileName(texts.document_path), kBandText,
                         ToRect(bands.left, bands.top, bands.width, bands.header));
    }
    if (settings.printFooter) {
        const std::wstring footer =
            FillPlaceholders(LoadText(IDS_PRINT_FOOTER), {NumberArgument(texts.page), NumberArgument(texts.pages)});
        context.DrawText(*text_style, footer, kBandText,
                         ToRect(bands.left, bands.top + bands.header + bands.height, bands.width, bands.footer));
    }
}

}  // namespace varnholt::print
