// The file buffer: a whole file read, refusals, and pages given back without touching the
// bytes around them.

#include "import/file_buffer.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

namespace varnholt::document {
namespace {

namespace fs = std::filesystem;

class FileBufferTest : public ::testing::Test {
protected:
    FileBufferTest() : m_path(fs::temp_directory_path() / ("varnholt_file_buffer_" + std::to_string(::getpid()))) {}
    ~FileBufferTest() override {
        std::error_code ignored;
        fs::remove(m_path, ignored);
    }
    const fs::path& Write(const std::string& bytes) {
        std::ofstream(m_path, std::ios::binary) << bytes;
        return m_path;
    }
    fs::path m_path;
};

TEST_F(FileBufferTest, ReadsWholeFilesAndRefusesOthers) {
    const std::string text = "ERMHDR\t8.0\n%T\tTASK\n";
    file_buffer buffer;
    ASSERT_EQ(buffer.read(Write(text), 1000), file_buffer::status::read);
    EXPECT_EQ(buffer.bytes(), text);

    file_buffer empty;
    EXPECT_EQ(empty.read(Write(""), 1000), file_buffer::status::read);
    EXPECT_TRUE(empty.bytes().empty());

    file_buffer large;
    EXPECT_EQ(large.read(Write(text), text.size() - 1), file_buffer::status::too_large);
    file_buffer missing;
    EXPECT_EQ(missing.read(m_path / "none", 1000), file_buffer::status::unreadable);
    file_buffer folder;
    EXPECT_EQ(folder.read(fs::temp_directory_path(), 1000), file_buffer::status::unreadable);
}

// Only whole pages inside a range go; what is released answers where the next range starts.
TEST_F(FileBufferTest, GivesBackWholePagesOnly) {
    const auto page = static_cast<std::size_t>(sysconf(_SC_PAGESIZE));
    std::string text(page * 4 + 100, 'x');
    for (std::size_t i = 0; i < text.size(); ++i) text[i] = static_cast<char>('a' + i % 26);
    file_buffer buffer;
    ASSERT_EQ(buffer.read(Write(text), text.size()), file_buffer::status::read);
    const char* start = buffer.bytes().data();

    EXPECT_EQ(buffer.release(start + 10, start + page + 10), start + 10) << "no whole page inside";
    EXPECT_EQ(buffer.release(start + 10, start + 3 * page + 10), start + 3 * page);
    EXPECT_EQ(buffer.release(start + 3 * page, start + 2 * page), start + 3 * page) << "an empty range";
    EXPECT_EQ(buffer.release(start, start + text.size() + 1), start) << "beyond the text: nothing";
    EXPECT_EQ(buffer.bytes().substr(0, page), std::string_view(text).substr(0, page));
    EXPECT_EQ(buffer.bytes().substr(3 * page), std::string_view(text).substr(3 * page));
}

}  // namespace
}  // namespace varnholt::document
