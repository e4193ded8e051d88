// detail_labels_test.cpp - every label of every detail pane, in English and in French, drawn
// through the wx backend with the font the panes ask for: each text must fit the rectangle it is
// drawn in, so that none is cut. The panes are made as the main frame makes them, tab titles
// included, and painted under each of their tabs with nothing selected: labels and titles only.

#include "app/draw/WxDrawBackend.h"
#include "model/text_utils.h"
#include "shell/ContentViews.h"
#include "tests/app/draw/forwarding_backend.h"
#include "tests/views/support/schedule_text.h"

#include <gtest/gtest.h>
#include <wx/bitmap.h>
#include <wx/dcmemory.h>

#include <set>
#include <string>

namespace varnholt {
namespace {

using view::DeviceRect;
using view::DevicePoint;

// Checks every text against its rectangle with the wx backend's own measure.
class FitCheckingBackend final : public testing_gui::ForwardingBackend {
public:
    using ForwardingBackend::ForwardingBackend;

    void Text(DevicePoint origin, std::wstring_view text, const view::FontBlock& font, view::Color color,
              DeviceRect clip) override {
        const std::int32_t width = Measure(text, font).width;
        EXPECT_GE(origin.x, clip.left) << narrow_string(std::wstring(text)) << " is cut at the left";
        EXPECT_LE(origin.x + width, clip.right) << narrow_string(std::wstring(text)) << " is cut at the right";
        texts.insert(std::wstring(text));
        ForwardingBackend::Text(origin, text, font, color, clip);
    }

    std::set<std::wstring> texts;  // every text drawn
};

class DetailLabels : public testing::TestWithParam<const wchar_t*> {
protected:
    void SetUp() override {
        view::test_support::EnterViewTest();
        CaptionCatalog::Instance().ChooseLanguage(GetParam());
    }
    void TearDown() override { view::test_support::LeaveViewTest(); }
};

TEST_P(DetailLabels, EveryLabelOfEveryPaneFitsWhereItIsDrawn) {
    const ContentViews views;  // the panes, their masters and their tab titles in this language
    WxDrawCache cache;
    std::set<std::wstring> drawn;
    for (std::int32_t category = kFirstCategory; category <= kLastCategory; ++category) {
        view::DetailView& pane = *views.Details(static_cast<Category>(category));
        for (const std::wstring& tab : pane.GetTabTitles()) {
            SCOPED_TRACE(narrow_string(tab));
            pane.SetCurrentTab(tab);
            wxBitmap bitmap(1400, 300, 24);
            wxMemoryDC dc(bitmap);
            WxDrawBackend backend(dc, cache);
            FitCheckingBackend checking(backend);
            pane.GetDrawContext().SetDevice(&checking);
            pane.Draw({0.0f, 0.0f, 1400.0f, 300.0f});
            pane.GetDrawContext().SetDevice(nullptr);
            drawn.merge(checking.texts);
        }
    }
    // The longest labels of every pane and sheet, and a box title, came by.
    const CaptionCatalog& captions = CaptionCatalog::Instance();
    for (const CaptionId caption : {50665, 30575, 1746, 57313, 30358, 51024, 51234, 51117, 51570})
        EXPECT_TRUE(drawn.contains(view::DetailView::LabelText(captions.Lookup(caption)))) << caption;
    EXPECT_TRUE(drawn.contains(captions.Lookup(30103)));
}

INSTANTIATE_TEST_SUITE_P(EnglishAndFrench, DetailLabels, testing::Values(L"ENU", L"FRA"));

}  // namespace
}  // namespace varnholt
