// shipped_layout_widths_gui_test.cpp - the layouts that come with the program give the first
// column of their table room for a ten-character ID beside the indentation of three grouping
// levels, before the user has dragged anything. The IDs are measured in the tables' cell font
// through the wx backend, as they are drawn.

#include "app/draw/WxDrawBackend.h"
#include "tests/layouts/layouts_test_support.h"
#include "views/draw/DrawContext.h"
#include "views/draw/TextStyle.h"

#include <gtest/gtest.h>
#include <wx/bitmap.h>
#include <wx/dcmemory.h>

#include <algorithm>
#include <string>

namespace varnholt {
namespace {

class ShippedLayoutWidthsGui : public testing_layouts::LayoutsTest {
protected:
    void SetUp() override {
        LayoutsTest::SetUp();
        SetProgramFolder(testing_layouts::SourceProgramFolder());
    }

    // The widest of a few ten-character IDs as the tables draw them (every table's cells use
    // the same regular 14-pixel font).
    static float WidestId() {
        wxBitmap bitmap(16, 16, 24);
        wxMemoryDC dc(bitmap);
        WxDrawCache cache;
        WxDrawBackend backend(dc, cache);
        view::DrawContext context;
        context.SetDevice(&backend);
        const auto font = view::TextStyle::New(L"Calibri", 14, view::Color::Black());
        float widest = 0.0f;
        for (const wchar_t* id : {L"REARCH0110", L"MECH-00420", L"C0810-A101"})
            widest = std::max(widest, context.MeasureText(*font, id).width);
        context.SetDevice(nullptr);
        return widest;
    }
};

// A grouped activity or project row draws its ID one level further in than the row's own
// level; WBS and resource rows draw it at their level. Past the ID, five pixels keep it clear
// of the column line, as in every other cell.
TEST_F(ShippedLayoutWidthsGui, TheFirstColumnHoldsATenCharacterIdBesideThreeGroupingLevels) {
    const float id = WidestId();
    ASSERT_GT(id, 50.0f) << "the font measures";
    const LayoutStore shipped;
    int checked = 0;
    for (const LayoutList* layouts : {&shipped.ActivityLayouts(), &shipped.WbsLayouts(), &shipped.ProjectLayouts(),
                                      &shipped.ResourceLayouts()}) {
        for (const auto& layout : *layouts) {
            SCOPED_TRACE(std::string(layout->GetName().begin(), layout->GetName().end()));
            const view::LayoutKind kind = layout->GetKind();
            const bool steps_in = kind == view::LayoutKind::activity || kind == view::LayoutKind::project;
            const float needed = 20.0f * (3.0f + (steps_in ? 1.0f : 0.0f)) + id + 5.0f;
            ASSERT_GT(layout->GetColumnCount(), 0u);
            EXPECT_GE(layout->GetColumn(0)->width, needed);
            ++checked;
        }
    }
    EXPECT_EQ(checked, 19);
}

}  // namespace
}  // namespace varnholt
