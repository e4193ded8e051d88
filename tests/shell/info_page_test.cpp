// info_page_test.cpp - the Info page's texts for no schedule, an XER file and a workbook, and
// the miniature's size.

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

}  // namespace
}  // namespace varnholt
