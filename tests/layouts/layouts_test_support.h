// layouts_test_support.h - shared helpers of the layout tests: a document the test fills by
// hand, a temporary folder that stands in for the user's data folder, and a fixture with
// captions, columns and folders of the test's own.
#pragma once

#include "columns/ColumnCatalog.h"
#include "columns/load_time_columns.h"
#include "layouts/Layout.h"
#include "layouts/LayoutStore.h"
#include "model/CaptionCatalog.h"
#include "model/Document.h"
#include "platform/program_folder.h"
#include "platform/user_paths.h"

#include <gtest/gtest.h>

#include <atomic>
#include <filesystem>
#include <memory>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>
#include <unistd.h>

namespace varnholt::testing_layouts {

// Records are made and linked by the test itself, as the import's build pass would.
class SketchDocument final : public document::Document {
public:
    bool Open(std::wstring_view) override { return false; }
    void Build() override {}
};

// A fresh folder under the system's temporary folder, removed with everything in it. The name
// holds the process id: the suite runs twice at once (the second time under another locale).
class TempFolder {
public:
    TempFolder() {
        static std::atomic<int> counter{0};
        m_path = std::filesystem::temp_directory_path() /
                 ("varnholt-layouts-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
        std::filesystem::remove_all(m_path);
        std::filesystem::create_directories(m_path);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    ~TempFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(m_path, ignored);
    }

    [[nodiscard]] const std::filesystem::path& path() const { return m_path; }

private:
    std::filesystem::path m_path;
};

inline void WriteBytes(const std::filesystem::path& path, std::string_view bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

inline std::string ReadBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// The source tree's own folder, which holds "Layouts/" with the layout files that come with
// the program.
inline std::filesystem::path SourceProgramFolder() { return VARNHOLT_SOURCE_DIR; }

// English captions, the built-in columns, a data folder of the test's own (never the real
// home) and an empty program folder: no shipped or custom layouts unless a test asks for them.
// The test main puts everything back afterwards.
class LayoutsTest : public testing::Test {
protected:
    void SetUp() override {
        CaptionCatalog::Instance().ChooseLanguage(L"ENU");
        ColumnCatalog::Instance().BuildAllColumns();
        SetProgramFolder(m_program_folder.path());
        ASSERT_FALSE(CreateUserDataFoldersIn(m_data_home.path()).empty());
    }

    [[nodiscard]] std::filesystem::path DataFolder() const { return PathFromWide(GetUserDataFolder()); }
    [[nodiscard]] std::filesystem::path SettingsPath() const { return DataFolder() / "Settings.cfg"; }

    TempFolder m_data_home;
    TempFolder m_program_folder;
};

// The column ids of a layout's main list, in order.
inline std::vector<std::int32_t> ColumnIds(const view::Layout& layout) {
    std::vector<std::int32_t> ids;
    for (std::size_t i = 0; i < layout.GetColumnCount(); ++i) ids.push_back(layout.GetColumn(i)->field);
    return ids;
}

// The activity user field "user_field_yard" (caption "Yard") that an open file brings along.
inline const ColumnDef* AddUdfColumn(std::uint64_t type_id = 12) {
    LoadTimeColumn column;
    column.kind = LoadTimeKind::udf;
    column.type_id = type_id;
    column.caption = L"Yard";
    column.field_name = L"user_field_yard";
    return ColumnCatalog::Instance().AddActivityColumnWithCaption(column);
}

// A layout store made after the fixture has set the folders, captions and columns up.
class StoreTest : public LayoutsTest {
protected:
    void SetUp() override {
        LayoutsTest::SetUp();
        m_store = std::make_unique<LayoutStore>();
    }
    void TearDown() override {
        m_store.reset();
        LayoutsTest::TearDown();
    }
    LayoutStore& store() { return *m_store; }

    std::unique_ptr<LayoutStore> m_store;
};

}  // namespace varnholt::testing_layouts
