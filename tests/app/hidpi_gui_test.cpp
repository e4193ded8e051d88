// hidpi_gui_test.cpp - the main window on a desktop scaled by 2 (GDK_SCALE=2), as on a HiDPI
// screen, and unscaled: run under both, the table keeps the proportion to the ribbon it has
// at scale 1, and it is drawn at the device's resolution, read back from the screen in device
// pixels.

#include "../shell/every_category_schedule.h"
#include "app/VarnholtView.h"
#include "app_gui_support.h"
#include "gui_input.h"
#include "rows/Row.h"
#include "rows/display_scale.h"
#include "views/core/RowList.h"
#include "views/core/View.h"

#include <gdk/gdk.h>

#include <algorithm>
#include <cstdlib>
#include <memory>

namespace varnholt {
namespace {

using testing_app::WaitUntil;

// The selection's fill, opaque.
constexpr guchar kSelection[3] = {51, 153, 255};

// The window's drawing as the screen holds it, one pixel a device pixel.
std::unique_ptr<GdkPixbuf, void (*)(gpointer)> GrabDevicePixels(wxWindow& window) {
    GdkWindow* drawing = window.GTKGetDrawingWindow();
    const int scale = gdk_window_get_scale_factor(drawing);
    GdkPixbuf* logical = gdk_pixbuf_get_from_window(drawing, 0, 0, window.GetClientSize().x, window.GetClientSize().y);
    EXPECT_EQ(gdk_pixbuf_get_height(logical), window.GetClientSize().y * scale) << "a grab in device pixels";
    return {logical, g_object_unref};
}

bool IsSelection(const guchar* pixel) { return std::equal(pixel, pixel + 3, kSelection); }

// A pixel between the selection's blue and white, as the edge of a band smoothed by scaling is.
bool IsBlend(const guchar* pixel) {
    return !IsSelection(pixel) && pixel[2] == 255 && pixel[0] > kSelection[0] && pixel[0] < 255 && pixel[1] > kSelection[1];
}

class HiDpiTest : public testing_app::AppGuiTest {};

TEST_F(HiDpiTest, TheTableKeepsItsProportionToTheRibbonAndTheDevicesResolution) {
    ASSERT_TRUE(Start(Schedule(L"A.xer", testing_shell::EveryCategorySchedule("A"))));
    CMainFrame& frame = *Frame();
    ASSERT_TRUE(WaitUntil([&frame] { return frame.IsShownOnScreen(); }));
    const double device_pixels = frame.GetContentScaleFactor();
    EXPECT_EQ(device_pixels, std::getenv("GDK_SCALE") != nullptr ? std::atof(std::getenv("GDK_SCALE")) : 1.0);

    // The views follow the logical inch, as the ribbon does: at 96 dpi a row is 18 pixels, and
    // against the ribbon it is as tall as on an unscaled desktop.
    EXPECT_EQ(view::DisplayScale(), 1.0f);
    view::View& table = *frame.GetTablePane()->GetContentView();
    EXPECT_EQ(table.GetRowHeight(), 18.0f);

    // On the screen, in device pixels: the selected row's band is 18 pixels at the desktop's
    // scale, and its edges are sharp.
    view::Row* row = nullptr;
    for (view::Row* listed : table.GetRowList().Rows()) {
        if (!listed->IsGroupRow() && row == nullptr) row = listed;
    }
    ASSERT_NE(row, nullptr);
    table.SelectRow(row);
    frame.GetTablePane()->Refresh();
    testing_gui::RunEventLoopFor(std::chrono::milliseconds(300));
    const auto grab = GrabDevicePixels(*frame.GetTablePane());
    const int width = gdk_pixbuf_get_width(grab.get());
    const int height = gdk_pixbuf_get_height(grab.get());
    const int stride = gdk_pixbuf_get_rowstride(grab.get());
    const int channels = gdk_pixbuf_get_n_channels(grab.get());
    const guchar* pixels = gdk_pixbuf_get_pixels(grab.get());
    int band = 0;
    int blended = 0;
    for (int y = 0; y < height; ++y) {
        int selection = 0;
        int blends = 0;
        for (int x = 0; x < width; ++x) {
            const guchar* pixel = pixels + y * stride + x * channels;
            selection += IsSelection(pixel) ? 1 : 0;
            blends += IsBlend(pixel) ? 1 : 0;
        }
        band += selection > width / 2 ? 1 : 0;
        blended += blends > width / 2 ? 1 : 0;
    }
    EXPECT_NEAR(band, 18 * device_pixels, device_pixels) << "the band's height in device pixels";
    EXPECT_EQ(blended, 0) << "rows of pixels half the selection's blue";
}

}  // namespace
}  // namespace varnholt

int main(int argc, char** argv) { return varnholt::testing_app::RunAppGuiTests(argc, argv); }
