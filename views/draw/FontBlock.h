// FontBlock.h - the description of a font that the drawing backend receives: height, weight,
// style flags and face, with the defaults of the classic logical-font block (default character
// set, natural anti-aliased quality, a sans-serif family). A positive height is the character
// cell height in pixels (ascent plus descent).
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace varnholt::view {

struct FontBlock {
    // At most 31 characters of face name and the terminating zero.
    static constexpr std::size_t kFaceCapacity = 32;

    std::int32_t height = 0;
    std::int32_t width = 0;
    std::int32_t escapement = 0;
    std::int32_t orientation = 0;
    std::int32_t weight = 400;          // 700 bold
    std::uint8_t italic = 0;
    std::uint8_t underline = 0;
    std::uint8_t strike_out = 0;
    std::uint8_t char_set = 1;          // default character set
    std::uint8_t out_precision = 0;
    std::uint8_t clip_precision = 0;
    std::uint8_t quality = 6;           // natural quality, anti-aliased
    std::uint8_t pitch_and_family = 0x20;  // sans-serif family, default pitch
    std::array<wchar_t, kFaceCapacity> face_name{};

    // Copies the face, cut to the block's 31 characters.
    void SetFace(std::wstring_view face) noexcept {
        face_name.fill(L'\0');
        std::copy_n(face.begin(), std::min(face.size(), kFaceCapacity - 1), face_name.begin());
    }
    [[nodiscard]] std::wstring_view Face() const noexcept { return face_name.data(); }

    friend bool operator==(const FontBlock&, const FontBlock&) = default;
};

}  // namespace varnholt::view
