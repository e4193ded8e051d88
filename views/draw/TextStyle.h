// TextStyle.h - font and colour of drawn text. The font block is what the drawing backend
// receives; it is kept in step with the fields, so whoever changes size or weight after
// construction uses SetSize and SetBold (or calls UpdateLogFont).
#pragma once

#include "views/draw/Color.h"
#include "views/draw/FontBlock.h"

#include <cstdint>
#include <memory>
#include <string>

namespace varnholt::view {

class TextStyle {
public:
    TextStyle(std::wstring face, std::int32_t size, Color color, bool bold = false, bool italic = false,
              bool underline = false, bool strike_out = false);

    // The style with its font block filled in; the view that asks owns it.
    [[nodiscard]] static std::unique_ptr<TextStyle> New(std::wstring face, std::int32_t size, Color color,
                                                        bool bold = false, bool italic = false,
                                                        bool underline = false, bool strike_out = false);

    [[nodiscard]] Color GetColor() const noexcept { return color; }
    // Refills the font block from the fields below.
    void UpdateLogFont() noexcept;
    // A new character height, written to the size and the block together.
    void SetSize(std::int32_t new_size) noexcept;
    void SetBold(bool on) noexcept;

    FontBlock font_block;
    Color color;
    bool italic = false;
    bool underline = false;
    bool strike_out = false;
    bool bold = false;
    std::int32_t size = 0;  // character height in pixels
    std::wstring face;
};

}  // namespace varnholt::view
