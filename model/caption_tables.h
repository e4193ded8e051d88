// caption_tables.h - the built-in caption texts, one table per language with the same ids.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace varnholt {

using CaptionId = std::int32_t;

struct CaptionEntry {
    CaptionId id;
    std::wstring_view text;
};

[[nodiscard]] std::span<const CaptionEntry> EnglishCaptionTable();
[[nodiscard]] std::span<const CaptionEntry> FrenchCaptionTable();

}  // namespace varnholt
