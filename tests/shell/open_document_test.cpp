// open_document_test.cpp - the open sequence over a fake main frame: which files are refused,
// that a refusal changes nothing, and what a success asks of the frame.

#include "../layouts/layouts_test_support.h"
#include "columns/ColumnCatalog.h"
#include "layouts/Layout.h"
#include "model/display_settings.h"
#include "model/number_formats.h"
#include "sample_schedule.h"
#include "shell/open_document.h"
#include "shell/ui_text.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace varnholt {
namespace {

using testing_layouts::TempFolder;
using testing_layouts::WriteBytes;
using testing_shell::kBrokenWorkbook;
using testing_shell::kScheduleWithUdf;
using testing_shell::kUdfColumnId;

// Records what the sequence asks of the frame, one line per call.
class FakeFrame final : public OpenHost {
public:
    std::unique_ptr<LayoutStore>& LayoutStoreSlot() override { return store; }
    void ResetContentViews() override { calls.push_back(L"reset views"); }
    void RebuildAfterOpen() override { calls.push_back(L"rebuild"); }
    void SetBusy(bool busy) override { calls.push_back(busy ? L"busy" : L"idle"); }
    void ShowMessage(const std::wstring& text) override { calls.push_back(L"message: " + text); }

    std::unique_ptr<LayoutStore> store;
    std::vector<std::wstring> calls;
};

class OpenDocumentTest : public testing_layouts::LayoutsTest {
protected:
    std::wstring FileNamed(const std::filesystem::path& name, std::string_view bytes) {
        const std::filesystem::path path = m_files.path() / name;
        WriteBytes(path, bytes);
        return WideFromPath(path);
    }
    static std::wstring Refusal(std::wstring_view path) {
        return L"message: " + FillPlaceholders(LoadText(IDS_OPEN_FAILED), {path});
    }

    TempFolder m_files;
    FakeFrame m_frame;
};

TEST_F(OpenDocumentTest, ASuccessResetsTheViewsThenShowsTheCategory) {
    ASSERT_TRUE(OpenScheduleFile(m_frame, FileNamed("PLAN.XER", kScheduleWithUdf))) << "the extension in any case";
    EXPECT_EQ(m_frame.calls, (std::vector<std::wstring>{L"busy", L"reset views", L"rebuild", L"idle"}));
    ASSERT_NE(m_frame.store, nullptr);
    ASSERT_NE(m_frame.store->GetDocument(), nullptr);
    EXPECT_TRUE(m_frame.store->GetDocument()->IsXer());

    // A name beyond ASCII opens under any process locale (the tests run under "C" first).
    EXPECT_TRUE(OpenScheduleFile(m_frame, FileNamed(PathFromWide(L"Plän.xer"), kScheduleWithUdf)));
    // So does one in Latin-1, as old shares leave them: its title marks the bytes it cannot show.
    const std::wstring latin = FileNamed("\xDC" "bergabe Stra\xDF" "e.xer", kScheduleWithUdf);
    EXPECT_TRUE(OpenScheduleFile(m_frame, latin));
    EXPECT_EQ(WindowTitle(latin), L"\uFFFDbergabe Stra\uFFFDe.xer - " + std::wstring(kProgramTitle));
}

TEST_F(OpenDocumentTest, RefusedFilesLeaveStoreDocumentAndFrameAlone) {
    ASSERT_TRUE(OpenScheduleFile(m_frame, FileNamed("first.xer", kScheduleWithUdf)));
    const LayoutStore* store = m_frame.store.get();
    const document::Document* document = store->GetDocument();

    // A four-character path is compared as it stands: ".XER" is no XER file, though it is one.
    const std::filesystem::path cwd = std::filesystem::current_path();
    std::filesystem::current_path(m_files.path());
    WriteBytes(".XER", kScheduleWithUdf);
    struct Case {
        const char* why;
        std::wstring path;
    } const cases[] = {
        {"a newer workbook format", FileNamed("a.xlsx", kScheduleWithUdf)},
        {"a text file named as a workbook", FileNamed("plan.xls", kScheduleWithUdf)},
        {"an XER file without its header token", FileNamed("plan.xer", "ERMHDRX\t8.0\r\n")},
        {"a missing file", WideFromPath(m_files.path() / "missing.xer")},
        {"a short path in upper case", L".XER"},
        {"a workbook that fails to load", FileNamed("broken.xls", kBrokenWorkbook)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        m_frame.calls.clear();
        EXPECT_FALSE(OpenScheduleFile(m_frame, c.path));
        EXPECT_EQ(m_frame.calls.back(), Refusal(c.path));
        EXPECT_EQ(std::count(m_frame.calls.begin(), m_frame.calls.end(), L"reset views"), 0);
        EXPECT_EQ(m_frame.store.get(), store);
        EXPECT_EQ(m_frame.store->GetDocument(), document);
    }

    WriteBytes(".xer", kScheduleWithUdf);
    EXPECT_TRUE(OpenScheduleFile(m_frame, L".xer")) << "a short path in lower case";
    std::filesystem::current_path(cwd);
}

// A damaged file after a good one: the good one stays open, whole, with its own columns.
TEST_F(OpenDocumentTest, ADamagedFileKeepsTheOpenSchedule) {
    ASSERT_TRUE(OpenScheduleFile(m_frame, FileNamed("harbour.xer", kScheduleWithUdf)));
    const LayoutStore* store = m_frame.store.get();
    const document::Document* document = store->GetDocument();
    const ColumnDef* udf = ColumnCatalog::Instance().FindActivityByColumnId(kUdfColumnId);
    ASSERT_NE(udf, nullptr);
    display_settings().active.duration_Decimals = 3;  // as the user's options might
    const DisplaySettings settings = display_settings();
    const ValueFormats& formats = value_formats();
    const std::wstring currency = formats.cost_number_format.currency_symbol;

    const std::wstring broken = FileNamed("broken.xls", kBrokenWorkbook);
    m_frame.calls.clear();
    EXPECT_FALSE(OpenScheduleFile(m_frame, broken));
    EXPECT_EQ(m_frame.calls, (std::vector<std::wstring>{L"busy", L"idle", Refusal(broken)}));
    EXPECT_EQ(m_frame.store.get(), store);
    EXPECT_EQ(m_frame.store->GetDocument(), document);
    EXPECT_EQ(ColumnCatalog::Instance().FindActivityByColumnId(kUdfColumnId), udf);
    EXPECT_EQ(udf->caption, L"Discipline");
    EXPECT_EQ(display_settings().active, settings.active);
    EXPECT_EQ(value_formats().cost_number_format.currency_symbol, currency);

    ASSERT_TRUE(OpenScheduleFile(m_frame, FileNamed("again.xer", kScheduleWithUdf)));
    EXPECT_NE(m_frame.store->GetDocument(), nullptr);
    EXPECT_NE(ColumnCatalog::Instance().FindActivityByColumnId(kUdfColumnId), nullptr);
}

// A layout of the open store that says when it is destroyed.
class WatchedLayout final : public view::Layout {
public:
    explicit WatchedLayout(std::vector<std::wstring>& log) : Layout(view::LayoutKind::activity), m_log(log) {}
    ~WatchedLayout() override { m_log.push_back(L"old layouts destroyed"); }

private:
    std::vector<std::wstring>& m_log;
};

// A frame whose views borrow the open store's layout, document and a column of its file, and
// read them while they let go, as painting views would.
class ViewingFrame final : public OpenHost {
public:
    std::unique_ptr<LayoutStore>& LayoutStoreSlot() override { return store; }
    void ResetContentViews() override {
        if (layout != nullptr) {
            calls.push_back(L"reset views over " + layout->GetName() + L", " +
                            std::to_wstring(document->Tasks().size()) + L" activity, column " + column->caption);
        }
        layout = nullptr;
        document = nullptr;
        column = nullptr;
    }
    void RebuildAfterOpen() override {
        calls.push_back(L"rebuild");
        const auto& layouts = store->ActivityLayouts();
        layout = layouts.empty() ? nullptr : layouts.back().get();
        document = store->GetDocument();
        column = ColumnCatalog::Instance().FindActivityByColumnId(kUdfColumnId);
    }
    void SetBusy(bool) override {}
    void ShowMessage(const std::wstring& text) override { calls.push_back(L"message: " + text); }

    std::unique_ptr<LayoutStore> store;
    std::vector<std::wstring> calls;
    const view::Layout* layout = nullptr;
    const document::Document* document = nullptr;
    const ColumnDef* column = nullptr;
};

TEST_F(OpenDocumentTest, TheViewsLetGoBeforeTheOldStoreGoes) {
    ViewingFrame frame;
    ASSERT_TRUE(OpenScheduleFile(frame, FileNamed("harbour.xer", kScheduleWithUdf)));
    frame.store->ActivityLayouts().push_back(std::make_unique<WatchedLayout>(frame.calls));
    frame.store->ActivityLayouts().back()->SetName(L"Watched");
    frame.RebuildAfterOpen();
    ASSERT_NE(frame.column, nullptr);

    // A refusal neither resets the views nor touches what they hold.
    frame.calls.clear();
    EXPECT_FALSE(OpenScheduleFile(frame, FileNamed("broken.xls", kBrokenWorkbook)));
    EXPECT_EQ(frame.calls.size(), 1u);
    EXPECT_EQ(frame.layout, frame.store->ActivityLayouts().back().get());

    frame.calls.clear();
    ASSERT_TRUE(OpenScheduleFile(frame, FileNamed("next.xer", kScheduleWithUdf)));
    EXPECT_EQ(frame.calls, (std::vector<std::wstring>{L"reset views over Watched, 1 activity, column Discipline",
                                                      L"old layouts destroyed", L"rebuild"}));
}

// The file a command line names, once the toolkit has taken its own options out of it.
TEST(CommandLine, NamesTheFileAfterTheProgramOrAfterTheEndOfOptions) {
    const struct {
        const char* why;
        std::vector<std::wstring> arguments;
        std::optional<std::wstring> file;
    } cases[] = {
        {"no file", {L"VarnholtReader"}, std::nullopt},
        {"a file", {L"VarnholtReader", L"plan.xer"}, L"plan.xer"},
        {"a name like an option", {L"VarnholtReader", L"-x.xer"}, L"-x.xer"},
        {"\"--\" ends the options", {L"VarnholtReader", L"--", L"-x.xer"}, L"-x.xer"},
        {"a file named \"--\"", {L"VarnholtReader", L"--", L"--"}, L"--"},
        {"\"--\" alone", {L"VarnholtReader", L"--"}, std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        EXPECT_EQ(FileOfCommandLine(c.arguments), c.file);
    }
}

}  // namespace
}  // namespace varnholt
