// activity_table_gui_test.cpp - the activity table painted through the wx backend into a
// memory bitmap: the header strip is white and the selected row blue, and a row grouped five
// levels deep shows its whole ID inside the first column. Pixels are probed where no text or
// line can fall, and text is found by its ink.

#include "app/draw/WxDrawBackend.h"
#include "tests/views/grid/activity_table_fixture.h"

#include <gtest/gtest.h>
#include <wx/bitmap.h>
#include <wx/dcmemory.h>
#include <wx/image.h>

#include <algorithm>
#include <string>

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
    wxImage PaintTable(int width, int height, const wxBrush& background = *wxBLACK_BRUSH) {
        wxBitmap bitmap(width, height, 24);
        {
            wxMemoryDC dc(bitmap);
            dc.SetBackground(background);
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

// The small schedule with IDs of three characters: A1010 becomes A11.
class ShortIdsGui : public ActivityTableGui {
protected:
    [[nodiscard]] const std::string& ScheduleBytes() const override {
        static const std::string text = [] {
            std::string s = SmallSchedule();
            for (const char* id : {"A1010", "A1000", "A1030", "A1020", "B2010", "B2000"}) {
                const std::size_t at = s.find(id);
                s.erase(at + 4, 1).erase(at + 2, 1);
            }
            return s;
        }();
        return text;
    }
};

// Five grouping levels put the IDs six steps (120 pixels) in, past the 88 pixels the layout
// gives column 0: the column is drawn 30 pixels wider than that, and each ID shows whole,
// clear of the column line. The level bands end at the row's own indentation, and nothing
// reaches the second column, which holds no value here (the schedule has no start dates).
TEST_F(ShortIdsGui, ADeeplyGroupedRowShowsItsWholeIdInTheFirstColumn) {
    constexpr int kIdLeft = 120, kFirstRight = 150, kSecondRight = 150 + 120;
    constexpr std::int32_t kStartDate = 82;
    SetColumns({{kActivityId, 88.0f}, {kStartDate, 120.0f}});
    for (const std::int32_t column : {kWbsColumn, kPrimaryResourceField, kPhaseCode, kRiskField, kActivityName})
        GroupByColumn(column);
    for (const ColorWord band : {0xFF203040u, 0xFF304050u, 0xFF405060u, 0xFF506070u, 0xFF0000AAu})
        Grouping().AddLevel(band);
    Build();
    const wxImage image = PaintTable(400, 400, *wxWHITE_BRUSH);
    const Pixel white{255, 255, 255}, grey{100, 100, 100};
    EXPECT_EQ(At(image, kFirstRight, 15), grey) << "the header's column line";
    int deep_rows = 0;
    for (std::size_t i = 0; i < m_table.GetRowList().Size() && 30 + 18 * (i + 1) < 400; ++i) {
        if (!Listed(i).IsActivityRow()) continue;
        ASSERT_EQ(Listed(i).level, 5);
        ++deep_rows;
        const int top = 30 + 18 * static_cast<int>(i);
        SCOPED_TRACE("row " + std::to_string(i));
        EXPECT_EQ(At(image, 99, top + 9), (Pixel{0xAA, 0, 0})) << "the deepest band";
        EXPECT_EQ(At(image, kFirstRight, top + 9), grey) << "the column line";
        EXPECT_EQ(At(image, kFirstRight + 1, top + 18), grey) << "the line under the row, whole";
        int ink_left = kFirstRight, ink_right = 0;
        for (int y = top + 1; y < top + 18; ++y) {
            for (int x = 101; x < kFirstRight; ++x) {
                if (At(image, x, y) == white) continue;
                ink_left = std::min(ink_left, x);
                ink_right = std::max(ink_right, x);
            }
            for (int x = kFirstRight + 1; x < kSecondRight; ++x)
                ASSERT_EQ(At(image, x, y), white) << "at " << x << "," << y;
        }
        EXPECT_GE(ink_left, kIdLeft) << "the ID starts at its indentation";
        EXPECT_GT(ink_right, ink_left + 10) << "an ID is drawn";
        EXPECT_LT(ink_right, kFirstRight - 1) << "and ends clear of the column line, not cut by it";
    }
    EXPECT_GE(deep_rows, 3);
}

}  // namespace
}  // namespace varnholt::testing_grid
