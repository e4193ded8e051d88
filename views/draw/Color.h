// Color.h - the packed colour word of the views: alpha in the top byte (always 0xFF in this
// program and ignored when painting), then blue, green and red, red in the low byte. Layout
// files store colours in the same form, so a word read from a layout converts implicitly.
#pragma once

#include <cstdint>

namespace varnholt::view {

class Color {
public:
    constexpr Color() = default;
    // Implicit on purpose: layouts hand their colour words (ColorWord) straight to the views.
    constexpr Color(std::uint32_t word) noexcept : m_word(word) {}  // NOLINT(google-explicit-constructor)

    [[nodiscard]] constexpr std::uint32_t Word() const noexcept { return m_word; }
    [[nodiscard]] constexpr std::uint8_t GetRed() const noexcept { return m_word & 0xFF; }
    [[nodiscard]] constexpr std::uint8_t GetGreen() const noexcept { return (m_word >> 8) & 0xFF; }
    [[nodiscard]] constexpr std::uint8_t GetBlue() const noexcept { return (m_word >> 16) & 0xFF; }
    // The colour as painted: the alpha byte set to 0xFF, so two words that paint alike compare equal.
    [[nodiscard]] constexpr Color Opaque() const noexcept { return Color(m_word | 0xFF000000u); }

    [[nodiscard]] static constexpr Color FromRgb(std::uint8_t red, std::uint8_t green, std::uint8_t blue) noexcept {
        return Color(0xFF000000u | (std::uint32_t{blue} << 16) | (std::uint32_t{green} << 8) | red);
    }

    // The named colours of the views.
    [[nodiscard]] static constexpr Color White() noexcept { return Color(0xFFFFFFFF); }
    [[nodiscard]] static constexpr Color Black() noexcept { return Color(0xFF000000); }
    [[nodiscard]] static constexpr Color Gray() noexcept { return Color(0xFF646464); }
    [[nodiscard]] static constexpr Color DarkGray() noexcept { return Color(0xFF323232); }
    [[nodiscard]] static constexpr Color LightGray() noexcept { return Color(0xFFC8C8C8); }
    [[nodiscard]] static constexpr Color PaleGray() noexcept { return Color(0xFFF0F0F0); }
    [[nodiscard]] static constexpr Color Blue() noexcept { return Color(0xFFFF9933); }
    [[nodiscard]] static constexpr Color LightBlue() noexcept { return Color(0xFFFFBC79); }
    [[nodiscard]] static constexpr Color DarkBlue() noexcept { return Color(0xFFFA8000); }

    friend constexpr bool operator==(Color, Color) = default;

private:
    std::uint32_t m_word = 0xFF000000;
};

}  // namespace varnholt::view
