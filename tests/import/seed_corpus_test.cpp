// Replays the fuzzers' seed files through both readers, so every seed (and every crash
// input added to the seeds) is checked on each test run, not only while fuzzing.

#include "import/data_parser.h"
#include "import/xer_parser.h"
#include "model/records/CalendarRecord.h"
#include "model/text_utils.h"
#include "tests/import/xer_test_support.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace varnholt {
namespace {

const std::filesystem::path kSeedDir = std::filesystem::path(VARNHOLT_TEST_DATA_DIR) / "fuzz";

std::string ReadBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::size_t ReplaySeeds(const char* folder, void (*replay)(const std::string&)) {
    std::size_t count = 0;
    for (const auto& entry : std::filesystem::directory_iterator(kSeedDir / folder)) {
        SCOPED_TRACE(entry.path().filename().string());
        replay(ReadBytes(entry.path()));
        ++count;
    }
    return count;
}

TEST(SeedCorpus, XerSeedsRead) {
    const std::size_t count = ReplaySeeds("xer", [](const std::string& bytes) {
        testing_support::ReaderDocument doc;
        const auto result = document::xer_parser::parse_bytes(doc, bytes);
        EXPECT_EQ(result.doc != nullptr, document::xer_parser::has_signature(bytes));
    });
    EXPECT_GE(count, 3U);
}

TEST(SeedCorpus, DataTreeSeedsRead) {
    const std::size_t count = ReplaySeeds("data_tree", [](const std::string& bytes) {
        const auto root = data_parser::new_node(widen_string(bytes));
        root->parse();
        CalendarRecord calendar;
        document::xer_parser::parse_calendar_data(calendar, widen_string(bytes));
    });
    EXPECT_GE(count, 3U);
}

}  // namespace
}  // namespace varnholt
