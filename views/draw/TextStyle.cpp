// TextStyle.cpp - text styles and their font blocks.

#include "views/draw/TextStyle.h"

#include <utility>

namespace varnholt::view {

TextStyle::TextStyle(std::wstring face_name, std::int32_t size_px, Color text_color, bool is_bold, bool is_italic,
                     bool is_underline, bool is_strike_out)
    : color(text_color), italic(is_italic), underline(is_underline), strike_out(is_strike_out), bold(is_bold),
      size(size_px), face(std::move(face_name)) {
    UpdateLogFont();
}

std::unique_ptr<TextStyle> TextStyle::New(std::wstring face_name, std::int32_t size_px, Color text_color, bool is_bold,
                                          bool is_italic, bool is_underline, bool is_strike_out) {
    return std::make_unique<TextStyle>(std::move(face_name), size_px, text_color, is_bold, is_italic, is_underline,
                                       is_strike_out);
}

void TextStyle::UpdateLogFont() noexcept {
    font_block = FontBlock{};
    font_block.height = size;
    font_block.weight = bold ? 700 : 400;
    font_block.italic = italic ? 1 : 0;
    font_block.underline = underline ? 1 : 0;
    font_block.strike_out = strike_out ? 1 : 0;
    font_block.SetFace(face);
}

void TextStyle::SetSize(std::int32_t new_size) noexcept {
    size = new_size;
    font_block.height = new_size;
}

void TextStyle::SetBold(bool on) noexcept {
    bold = on;
    font_block.weight = on ? 700 : 400;
}

}  // namespace varnholt::view
