// activity_table_gui_test.cpp - the activity table painted through the wx backend into a
// memory bitmap: the header strip is white and the selected row blue, and a row grouped deeper
// than its first column is wide keeps to that column. Pixels are probed where no text or line
// can fall.

#include "app/draw/WxDrawBackend.h"
#include "tests/views/grid/activity_table_fixture.h"

#include <gtest/gtest.h>
#include <wx/bitmap.h>
#include <wx/dcmemory.h>
#include <wx/image.h>

namespace varnholt::testing_grid {
namespace {

struct Pixel {
    int red, green, blue;
    friend bool operator==(const Pixel&, const Pixel&) = default;
};

std::ostream& operator<<(std::ostream& out, const Pixel& pixel) {
    return out << "(" << pixel.red << ", " << pixel.green << ", " << pixel.blue << ")";
}

class ActivityTableGui : public ActivityTableTest {
protected:
    wxImage PaintTable(int width, int height) {
        wxBitmap bitmap(width, height, 24);
        {
            wxMemoryDC dc(bitmap);
            dc.SetBackground(*wxBLACK_BRUSH);
            dc.Clear();
            WxDrawCache cache;
            WxDrawBackend backend(dc, cache);
            view::DrawContext& context = m_table.GetDrawContext();
            context.SetDevice(&backend);
            context.SetOrigin(0, 0);
            m_table.Draw({0.0f, 0.0f, static_cast<float>(width), static_cast<float>(height)});
            context.SetDevice(nullptr);
        }
        return bitmap.ConvertToImage();
    }
    static Pixel At(const wxImage& image, int x, int y) {
        return {image.GetRed(x, y), image.GetGreen(x, y), image.GetBlue(x, y)};
    }
};

TEST_F(ActivityTableGui, HeaderIsWhiteAndTheSelectedRowBlue) {
    GroupByColumn(kPrimaryResourceField);
    Build();
    Listed(1).selected = true;  // A1010 under WELDER, rows 48 to 66
    const wxImage image = PaintTable(400, 200);
    EXPECT_EQ(At(image, 150, 3), (Pixel{255, 255, 255})) << "the header strip";
    EXPECT_EQ(At(image, 190, 25), (Pixel{255, 255, 255})) << "the header strip";
    EXPECT_EQ(At(image, 150, 51), (Pixel{51, 153, 255})) << "the selected row";
    EXPECT_EQ(At(image, 190, 62), (Pixel{51, 153, 255})) << "the selected row";
    EXPECT_NE(At(image, 150, 87), (Pixel{51, 153, 255})) << "a row not selected";
}

// Five grouping levels indent the activities by 100 pixels, past the 88-pixel first column.
// Their bands end at that column's line, and nothing of them reaches the second column, which
// holds no value here (the schedule has no start dates).
TEST_F(ActivityTableGui, ARowGroupedDeeperThanTheFirstColumnKeepsToIt) {
    constexpr int kFirstRight = 88, kSecondRight = 88 + 120;
    constexpr std::int32_t kStartDate = 82;
    SetColumns({{kActivityId, 88.0f}, {kStartDate, 120.0f}});
    for (const std::int32_t column : {kWbsColumn, kPrimaryResourceField, kPhaseCode, kRiskField, kActivityName})
        GroupByColumn(column);
    for (const ColorWord band : {0xFF203040u, 0xFF304050u, 0xFF405060u, 0xFF506070u, 0xFF0000AAu})
        Grouping().AddLevel(band);
    Build();
    const wxImage image = PaintTable(400, 400);
    const Pixel background{0, 0, 0};
    int deep_rows = 0;
    for (std::size_t i = 0; i < m_table.GetRowList().Size() && 30 + 18 * (i + 1) < 400; ++i) {
        if (!Listed(i).IsActivityRow()) continue;
        ASSERT_EQ(Listed(i).level, 5);
        ++deep_rows;
        const int top = 30 + 18 * static_cast<int>(i);
        SCOPED_TRACE("row " + std::to_string(i));
        EXPECT_EQ(At(image, kFirstRight - 3, top + 9), (Pixel{0xAA, 0, 0})) << "the deepest band up to the column line";
        EXPECT_EQ(At(image, kFirstRight, top + 9), (Pixel{100, 100, 100})) << "the column line";
        EXPECT_EQ(At(image, kFirstRight + 1, top + 18), (Pixel{100, 100, 100})) << "the line under the row, whole";
        for (int y = top + 1; y < top + 18; ++y) {
            for (int x = kFirstRight + 1; x < kSecondRight; ++x) {
                ASSERT_EQ(At(image, x, y), background) << "at " << x << "," << y;
            }
        }
    }
    EXPECT_GE(deep_rows, 3);
}

}  // namespace
}  // namespace varnholt::testing_grid
