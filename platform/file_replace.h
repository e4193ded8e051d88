// file_replace.h - writes a whole small file so that readers only ever see the old contents or
// the new ones: never an empty or half-written file, whether the disk fills up or the machine
// stops in the middle.
#pragma once

#include <filesystem>
#include <string_view>

namespace varnholt {

// Writes the bytes to a new file beside the target, flushes it to the disk, then renames it
// over the target. False when any step fails; the target is then as it was, and the new file
// is removed.
[[nodiscard]] bool ReplaceFileContents(const std::filesystem::path& target, std::string_view bytes);

}  // namespace varnholt
