// compound_file_writer.h - writes small compound files for the tests: one stream of the given
// name and bytes in the root storage, or a file with no workbook stream at all.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace varnholt::test {

// Streams below 4096 bytes land in the container's small-block area, larger ones in sectors
// of their own. False when the container library could not write the file.
[[nodiscard]] bool write_compound_file(const std::filesystem::path& path,
                                       const std::string& stream_name,
                                       const std::vector<std::uint8_t>& stream);

}  // namespace varnholt::test
