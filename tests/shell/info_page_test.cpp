// info_page_test.cpp - the Info page's texts for no schedule, an XER file and a workbook, the
// miniature's size, and a long name or path broken into lines.

#include "model/CaptionCatalog.h"
#include "model/Document.h"
#include "shell/info_page.h"
#include "shell/ui_text.h"

#include <gtest/gtest.h>

namespace varnholt {
namespace {

class HeaderDocument final : public document::Document {
public:
    explicit HeaderDocument(bool xer) : m_xer(xer) {
        Header().version = s_string(L"8.0");
        Header().export_date = s_date(L"2015-03-04 10:30");
        Header().field3 = s_string(L"admin");
        Header().field4 = s_string(L"Ada Admin");
        Header().field7 = s_string(L"USD");
    }
    bool Open(std::wstring_view) override { return false; }
    void Build() override {}
    [[nodiscard]] bool IsXer() const override { return m_xer; }

private:
    bool m_xer;
};

TEST(InfoPageTest, TheTextsFollowWhatIsOpen) {
    CaptionCatalog::Instance().ChooseLanguage(L"ENU");  // the date's month abbreviation
    const InfoPageTexts none = InfoTextsFor(nullptr, L"/ignored.xer");
    EXPECT_EQ(none.title, LoadText(IDS_NO_SCHEDULE));
    EXPECT_EQ(none.path, L"");
    EXPECT_EQ(none.header, (std::array<std::wstring, 5>{}));

    const HeaderDocument xer(true);
    const InfoPageTexts shown = InfoTextsFor(&xer, L"/plans/Site plan.xer");
    EXPECT_EQ(shown.title, L"Site plan.xer");
    EXPECT_EQ(shown.path, L"/plans/Site plan.xer");
    EXPECT_EQ(shown.header, (std::array<std::wstring, 5>{L"8.0", L"4-Mar-2015", L"admin", L"Ada Admin", L"USD"}));

    const HeaderDocument workbook(false);
    const InfoPageTexts book = InfoTextsFor(&workbook, L"/plans/plan.xls");
    EXPECT_EQ(book.title, L"plan.xls");
    EXPECT_EQ(book.header, (std::array<std::wstring, 5>{})) << "a workbook has no header line";
}

TEST(InfoPageTest, TheMiniatureKeepsTheWindowsProportions) {
    struct Case {
        const char* why;
        std::int32_t shot_width, shot_height;
        std::optional<MiniatureSize> size;
    } const cases[] = {
        {"the same shape", 1200, 800, MiniatureSize{360, 240}},
        {"a very wide window", 3600, 200, MiniatureSize{360, 20}},
        {"a very tall window", 300, 2400, MiniatureSize{30, 240}},
        {"a small window grows", 90, 60, MiniatureSize{360, 240}},
        {"no screenshot", 0, 0, std::nullopt},
        {"no height", 500, 0, std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        EXPECT_EQ(FitMiniature(360, 240, c.shot_width, c.shot_height), c.size);
    }
}

TEST(InfoPageTest, ALongNameOrPathBreaksIntoLinesThatFit) {
    // Every character 10 pixels wide.
    const MeasureWidth measure = [](std::wstring_view text) { return static_cast<std::int32_t>(text.size()) * 10; };
    struct Case {
        const char* why;
        std::wstring_view text;
        std::int32_t width;
        std::vector<std::wstring> lines;
    } const cases[] = {
        {"fits as it is", L"Site plan.xer", 130, {L"Site plan.xer"}},
        {"after blanks, which the break drops", L"North Harbour  Bridge.xer", 140, {L"North Harbour", L"Bridge.xer"}},
        {"after path separators", L"/plans/2025/site.xer", 120, {L"/plans/2025/", L"site.xer"}},
        {"after hyphens and underscores", L"base_update-12", 100, {L"base_", L"update-12"}},
        {"a piece too wide breaks between characters", L"/a/abcdefghij", 50, {L"/a/", L"abcde", L"fghij"}},
        {"one character a line at least", L"abc", 5, {L"a", L"b", L"c"}},
        {"nothing", L"", 100, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        EXPECT_EQ(BreakIntoLines(c.text, c.width, measure), c.lines);
    }
}

}  // namespace
}  // namespace varnholt
