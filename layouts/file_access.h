// file_access.h - how the layout files and the per-user column and filter files are found and
// read: the per-user file name of a layout, made safe to use as a file name, the whole bytes
// of a small file, and the one decoding rule that turns those bytes into wide text.
#pragma once

#include "layouts/Layout.h"

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace varnholt {

// The subfolder of the per-user data folder for a view kind, ending in "/": "VP_ACT/",
// "VP_WBS/", "VP_PROJ/" or "VP_RES/".
[[nodiscard]] std::wstring_view ViewKindFolder(view::LayoutKind kind) noexcept;

// A layout name as the stem of a file name: path separators ("/" and "\") and control
// characters become "_", so that a name can never reach outside its folder. The names "." and
// ".." are refused (nullopt); any other name, the empty one included, is kept.
[[nodiscard]] std::optional<std::wstring> SafeLayoutFileStem(std::wstring_view layout_name);

// The per-user file of a layout: the data folder, the subfolder of its kind, the safe stem of
// its name and the suffix ("_columns.cfg", "_filters.cfg", ...). Empty when there is no data
// folder or the name is refused.
[[nodiscard]] std::wstring PerUserFilePath(view::LayoutKind kind, std::wstring_view layout_name,
                                           std::wstring_view suffix);
// The same inside a given folder (a path ending in "/").
[[nodiscard]] std::wstring PerUserFilePathIn(std::wstring_view folder, std::wstring_view layout_name,
                                             std::wstring_view suffix);

inline constexpr std::wstring_view kColumnsFileSuffix = L"_columns.cfg";
inline constexpr std::wstring_view kPredColumnsFileSuffix = L"_pred_columns.cfg";
inline constexpr std::wstring_view kSuccColumnsFileSuffix = L"_succ_columns.cfg";
inline constexpr std::wstring_view kFiltersFileSuffix = L"_filters.cfg";

// Layout and per-user files are a few kilobytes; a larger file is not read at all. A columns
// file turns every token into a remembered column, so its bound is the tighter one.
inline constexpr std::size_t kMaxLayoutFileBytes = std::size_t{1} << 22;
inline constexpr std::size_t kMaxPerUserFileBytes = std::size_t{1} << 18;

// The whole file, or nullopt when it cannot be opened or read or holds more than `max_bytes`.
[[nodiscard]] std::optional<std::string> ReadFileBytes(const std::filesystem::path& path,
                                                       std::size_t max_bytes = kMaxLayoutFileBytes);

// The bytes of a layout or per-user file as wide text, decoded as XER files are: UTF-8 when the
// text is valid UTF-8 or starts with a byte-order mark (which is dropped), else Windows-1252.
// So a field name reads the same from a schedule, a layout file and a columns file.
[[nodiscard]] std::wstring DecodeFileText(std::string_view bytes);

}  // namespace varnholt
