// path_text.h - file names as the program's wide text and back. The file system takes any bytes
// for a name; a name written in another character set than UTF-8 (as old shares and archives
// leave them) must still reach the same file. Each byte that is no part of a UTF-8 character is
// kept as a character of its own, as the toolkit keeps it in the names its file chooser and drops
// give, so that the name goes back to the file system byte for byte. A name that holds those very
// characters (from the private-use plane 16) in UTF-8 keeps their bytes one by one, as the
// toolkit's names do, so that no name is taken for another.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace varnholt {

// The file system's name of a wide path of ours, and back: PathFromWide(WideFromPath(p)) == p
// for any bytes.
[[nodiscard]] std::filesystem::path PathFromWide(std::wstring_view path);
[[nodiscard]] std::wstring WideFromPath(const std::filesystem::path& path);

// The path as a person reads it: each kept byte shows as the replacement mark.
[[nodiscard]] std::wstring ShownPath(std::wstring_view path);

// The name of the path's file (what follows its last '/') as a person reads it.
[[nodiscard]] std::wstring ShownFileName(std::wstring_view path);

}  // namespace varnholt
