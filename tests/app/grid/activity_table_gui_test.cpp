// activity_table_gui_test.cpp - the activity table painted through the wx backend into a
// memory bitmap: the header strip is white and the selected row blue. Pixels are probed where
// no text or line can fall.

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

}  // namespace
}  // namespace varnholt::testing_grid
