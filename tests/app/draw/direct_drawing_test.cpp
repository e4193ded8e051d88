// direct_drawing_test.cpp - drawing straight on the device's Cairo context against the
// toolkit's own calls: reference scenes of a generated schedule and a sheet of primitives are
// painted both ways into bitmaps and compared pixel by pixel, with text smoothed as the desktop
// asks; and the shaped-text cache, which must shape a text once, stay within its bound and never
// hand one font's layout to another, nor one shaped under other font options.

#include "app/draw/TextLayoutCache.h"
#include "app/draw/WxDrawBackend.h"
#include "import/Document_xer.h"
#include "layouts/ActivityLayout.h"
#include "layouts/FilterSelection.h"
#include "layouts/GanttBarSet.h"
#include "layouts/layout_records.h"
#include "tests/app/draw/text_pixels.h"
#include "tests/views/support/schedule_text.h"
#include "views/core/RowList.h"
#include "views/draw/DrawContext.h"
#include "views/draw/RecordingBackend.h"
#include "views/gantt/GanttView.h"
#include "views/grid/ActivityTableView.h"

#include <gdk/gdk.h>
#include <gtest/gtest.h>
#include <wx/bitmap.h>
#include <wx/dcmemory.h>
#include <wx/image.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>

namespace varnholt {
namespace {

using view::Color;
using view::DrawContext;

using Scene = std::function<void(DrawContext&)>;

// `scale` magnifies the device, as a print preview page does.
wxImage Paint(int width, int height, Rendering rendering, WxDrawCache& cache, const Scene& scene,
              bool* direct = nullptr, double scale = 1.0) {
    wxBitmap bitmap(width, height, 24);
    {
        wxMemoryDC dc(bitmap);
        dc.SetBackground(*wxWHITE_BRUSH);
        dc.Clear();
        dc.SetUserScale(scale, scale);
        WxDrawBackend backend(dc, cache, false, rendering);
        if (direct != nullptr) *direct = backend.IsDirect();
        DrawContext context;
        context.SetDevice(&backend);
        scene(context);
    }
    return bitmap.ConvertToImage();
}

struct Difference {
    int pixels = 0;     // pixels that differ at all
    int largest = 0;    // the largest difference of one channel
    int first_x = -1, first_y = -1;  // the first differing pixel, row by row
    unsigned first_left = 0, first_right = 0;  // its colours, 0xRRGGBB
};

std::ostream& operator<<(std::ostream& out, const Difference& difference) {
    return out << difference.pixels << " pixels differ, the first at (" << difference.first_x << ", "
               << difference.first_y << ") with " << std::hex << difference.first_left << " against "
               << difference.first_right << std::dec << "; largest channel difference " << difference.largest;
}

Difference Compare(const wxImage& a, const wxImage& b) {
    Difference difference;
    const unsigned char* left = a.GetData();
    const unsigned char* right = b.GetData();
    for (int i = 0; i < a.GetWidth() * a.GetHeight(); ++i) {
        int largest = 0;
        for (int c = 0; c < 3; ++c) largest = std::max(largest, std::abs(left[3 * i + c] - right[3 * i + c]));
        if (largest > 0 && difference.pixels++ == 0) {
            difference.first_x = i % a.GetWidth();
            difference.first_y = i / a.GetWidth();
            const auto rgb = [i](const unsigned char* data) {
                return static_cast<unsigned>(data[3 * i] << 16 | data[3 * i + 1] << 8 | data[3 * i + 2]);
            };
            difference.first_left = rgb(left);
            difference.first_right = rgb(right);
        }
        difference.largest = std::max(difference.largest, largest);
    }
    return difference;
}

// Paints the scene both ways, each with a fresh cache, and expects the same pixels.
void ExpectSamePixels(int width, int height, const Scene& scene, double scale = 1.0) {
    WxDrawCache toolkit_cache, direct_cache;
    const wxImage toolkit = Paint(width, height, Rendering::toolkit, toolkit_cache, scene, nullptr, scale);
    bool direct = false;
    const wxImage drawn = Paint(width, height, Rendering::direct, direct_cache, scene, &direct, scale);
    ASSERT_TRUE(direct) << "a memory bitmap has a Cairo context";
    const Difference difference = Compare(toolkit, drawn);
    EXPECT_EQ(difference.pixels, 0) << difference;
}

TEST(DirectDrawing, PrimitivesCoverTheToolkitsPixels) {
    const Scene sheet = [](DrawContext& dc) {
        const Color ink = Color::Black(), blue(0x00C06020);
        for (int width = 1; width <= 3; ++width) {
            const float y = 10.0f * width;
            dc.DrawLine(view::kPenSolid, static_cast<float>(width), ink, 5, y, 60, y);
            dc.DrawLine(view::kPenSolid, static_cast<float>(width), ink, 60, y + 4, 5, y + 4);
            dc.DrawLine(view::kPenSolid, static_cast<float>(width), blue, 70.0f + 8 * width, 5, 70.0f + 8 * width, 50);
            dc.DrawLine(view::kPenDot, static_cast<float>(width), blue, 5, 40.0f + 5 * width, 120, 40.0f + 5 * width);
            dc.DrawLine(view::kPenLongDash, static_cast<float>(width), ink, 130.0f + 6 * width, 60, 130.0f + 6 * width, 5);
            dc.DrawLine(view::kPenSolid, static_cast<float>(width), ink, 100, 60, 150.0f + 10 * width, 110);
            dc.DrawLine(view::kPenDashDot, static_cast<float>(width), blue, 10, 115, 60.0f + 10 * width, 65);
        }
        dc.FrameRect(1.0f, ink, 150, 5, 40, 30);
        dc.FillPolygon(Color(0x0000FF00), {{20, 70}, {40, 80}, {20, 90}});
        dc.FillPolygon(blue, {{60, 70}, {70, 80}, {60, 90}, {50, 80}, {60, 70}});
        dc.DrawPolyline(ink, {{80, 70}, {80, 95}, {120, 95}, {120, 100}});
        for (std::int32_t type = view::kFinishToFinish; type <= view::kStartToStart; ++type)
            dc.DrawPolygon(type, blue, 130.0f + 15 * type, 70, 180.0f - 10 * type, 100.0f + 4 * type);
        // Indicator discs, plain and ringed, of a few sizes and in a wide rectangle.
        for (std::uint16_t id = 174; id <= 181; ++id) {
            const float size = 5.0f + 2.0f * static_cast<float>(id - 174);
            dc.DrawBitmap(id, 5.0f + 24.0f * static_cast<float>(id - 174), 100, size, size);
        }
        dc.DrawBitmap(178, 190, 100, 30, 12);
    };
    for (const double scale : {1.0, 2.0, 3.0}) {
        SCOPED_TRACE(scale);
        ExpectSamePixels(static_cast<int>(200 * scale), static_cast<int>(120 * scale), sheet, scale);
    }
}

// Slanted lines, polylines and polygons are stroked and filled on Cairo as the toolkit would:
// every width, slope and direction, dashes, sharp and doubled-back corners, concave and
// self-crossing outlines, shapes already closed or degenerate, and vertices far off the device.
TEST(DirectDrawing, SlantedLinesPolylinesAndPolygonsCoverTheToolkitsPixels) {
    using view::PointF;
    const Color ink = Color::Black(), blue(0x00C06020), green(0x0000A000), gray(0x00808080);
    struct Sheet {
        const char* name;
        Scene scene;
    };
    const Sheet sheets[] = {
        {"solid lines of every width and slope", [&](DrawContext& dc) {
             const std::pair<float, float> slopes[] = {{40, 1}, {40, 7}, {40, 20}, {40, 39}, {40, 40},
                                                       {39, 40}, {20, 40}, {7, 40}, {1, 40}};
             for (int width = 1; width <= 4; ++width) {
                 float x = 4.0f;
                 const float y = 4.0f + 95.0f * static_cast<float>(width - 1);
                 for (const auto& [dx, dy] : slopes) {
                     const auto w = static_cast<float>(width);
                     dc.DrawLine(view::kPenSolid, w, ink, x, y, x + dx, y + dy);           // down right
                     dc.DrawLine(view::kPenSolid, w, blue, x + dx, y + 88, x, y + 88 - dy); // up left
                     dc.DrawLine(view::kPenSolid, w, green, x + 2, y + dy + 3, x + 2 + dx, y + 3);  // up right
                     x += 45.0f;
                 }
             }
         }},
        {"dashed slanted lines", [&](DrawContext& dc) {
             const std::int32_t styles[] = {view::kPenLongDash, view::kPenDot, view::kPenDashDot, view::kPenDashDotDot};
             for (int width = 1; width <= 2; ++width) {
                 for (int i = 0; i < 4; ++i) {
                     const float x = 5.0f + 100.0f * static_cast<float>(i);
                     const float y = 10.0f + 180.0f * static_cast<float>(width - 1);
                     const auto w = static_cast<float>(width);
                     dc.DrawLine(styles[i], w, ink, x, y, x + 90, y + 25);
                     dc.DrawLine(styles[i], w, blue, x, y + 160, x + 60, y + 40);
                     dc.DrawLine(styles[i], w, green, x + 90, y + 60, x + 3, y + 150);  // nearly vertical pieces
                 }
             }
         }},
        {"polylines", [&](DrawContext& dc) {
             dc.DrawPolyline(ink, {{10, 10}, {60, 10}, {60, 60}, {10, 60}});                // square corners
             dc.DrawPolyline(blue, {{80, 60}, {95, 10}, {110, 60}, {125, 10}, {140, 60}});   // sharp mitres
             dc.DrawPolyline(green, {{160, 20}, {260, 22}, {160, 24}});                    // doubles back
             dc.DrawPolyline(ink, {{10, 100}, {40, 100}, {40, 100}, {70, 130}, {10, 130}, {10, 101}});
             dc.DrawPolyline(gray, {{100, 100}, {101, 140}, {140, 141}, {300, 90}});
             dc.DrawPolyline(ink, {{200, 150}, {230, 150}});                                // one segment
         }},
        {"polygons", [&](DrawContext& dc) {
             dc.FillPolygon(green, {{20, 10}, {60, 30}, {20, 50}});                           // triangle
             dc.FillPolygon(blue, {{80, 10}, {140, 30}, {80, 50}, {100, 30}});                // concave
             dc.FillPolygon(Color(0x0000C0FF), {{200, 5}, {215, 55}, {170, 22}, {230, 22}, {185, 55}});  // star
             dc.FillPolygon(gray, {{250, 10}, {300, 10}, {300, 50}, {250, 50}, {250, 10}});  // already closed
             dc.FillPolygon(blue, {{20, 80}, {60, 80}});                                      // two points
             dc.FillPolygon(green, {{80, 80}, {100, 80}, {120, 80}, {120, 120}, {80, 120}});  // collinear corner
             dc.FillPolygon(blue, {{-30, 130}, {60, 100}, {20, 190}});                        // off the left edge
             dc.FillPolygon(green, {{150, 100}, {-5000000, 160}, {200, 190}});                 // a far vertex
             dc.FillPolygon(Color(0x000000C0), {{250, 100}, {250.6f, 100.4f}, {251, 101}});   // a speck
             dc.FillPolygon(Color(0x00FFFF00), {{280, 150}, {330, 190}, {280, 190}, {330, 150}});  // bow tie
             dc.FillPolygon(gray, {{350, 5}, {365, 55}, {320, 22}, {380, 22}, {335, 55}, {350, 5}});  // closed star
             // Sharp first corners pointing every way: the outline is joined there too.
             const PointF tips[] = {{30, 220}, {110, 300}, {200, 260}, {250, 220}};
             const PointF backs[][2] = {{{20, 270}, {40, 270}}, {{100, 250}, {120, 250}},
                                        {{150, 250}, {150, 270}}, {{300, 225}, {290, 240}}};
             for (int i = 0; i < 4; ++i) {
                 dc.FillPolygon(green, {tips[i], backs[i][0], backs[i][1]});
                 dc.FillPolygon(blue, {backs[i][0], backs[i][1], tips[i]});  // the tip last
             }
         }},
        {"relationship connectors", [&](DrawContext& dc) {
             for (std::int32_t type = view::kFinishToFinish; type <= view::kStartToStart; ++type) {
                 const float x = 10.0f + 80.0f * static_cast<float>(type);
                 dc.DrawPolygon(type, gray, x, 10, x + 60, 60);      // forward, down
                 dc.DrawPolygon(type, ink, x + 60, 80, x + 5, 120);  // backward, down
                 dc.DrawPolygon(type, blue, x, 190, x + 40, 140);    // forward, up
                 dc.DrawPolygon(type, green, x + 30, 160, x + 32, 160);  // same row, almost no way
             }
         }},
    };
    for (const Sheet& sheet : sheets) {
        SCOPED_TRACE(sheet.name);
        ExpectSamePixels(400, 380, sheet.scene);
        // Magnified by an even and an odd factor: an odd-width pen is shifted only by the second.
        ExpectSamePixels(800, 760, sheet.scene, 2.0);
        ExpectSamePixels(1200, 1140, sheet.scene, 3.0);
    }
}

TEST(DirectDrawing, TextMatchesTheToolkitsInEveryStyle) {
    const Scene sheet = [](DrawContext& dc) {
        const auto plain = view::TextStyle::New(L"Calibri", 15, Color::Black());
        const auto bold = view::TextStyle::New(L"Calibri", 15, Color(0x000000C0), true);
        const auto underlined = view::TextStyle::New(L"Calibri", 18, Color::Black(), false, false, true);
        const auto struck = view::TextStyle::New(L"Calibri", 12, Color(0x00008000), false, true, false, true);
        const auto other_face = view::TextStyle::New(L"No Such Face", 14, Color::Black());
        const unsigned flags = view::kTextVCenter | view::kTextSingleLine;
        dc.DrawText(*plain, L"Plain 12,345.67 ÄÖÜ", flags, {2, 0, 300, 20});
        dc.DrawText(*bold, L"Bold W&W text", flags, {2, 20, 300, 20});
        dc.DrawText(*underlined, L"  underlined, spaced  ", flags, {2, 40, 300, 24});
        dc.DrawText(*struck, L"struck italic", flags, {2, 66, 300, 20});
        dc.DrawText(*other_face, L"fallback face", flags, {2, 86, 300, 20});
        dc.DrawText(*plain, L"clipped by a narrow cell", flags, {2, 108, 60, 12});
    };
    for (const double scale : {1.0, 2.0}) {
        SCOPED_TRACE(scale);
        ExpectSamePixels(static_cast<int>(320 * scale), static_cast<int>(130 * scale), sheet, scale);
    }
}

// Text is smoothed as the desktop asks, in grey at least, with sub-pixel colour fringes only
// where a pixel of the views is one of the screen's; both paths agree under every choice, and
// the direct path's cache, kept from case to case, never draws a text shaped for another.
TEST(DirectText, SmoothingFollowsTheDesktopAndBothPathsAgree) {
    GdkScreen* screen = gdk_screen_get_default();
    ASSERT_NE(gdk_screen_get_font_options(screen), nullptr);
    cairo_font_options_t* kept = cairo_font_options_copy(gdk_screen_get_font_options(screen));
    const Scene sheet = [](DrawContext& dc) {
        const auto style = view::TextStyle::New(L"Calibri", 15, Color::Black());
        dc.DrawText(*style, L"Rs32,000.00  CR.SW.SB", view::kTextVCenter | view::kTextSingleLine, {2, 0, 200, 20});
    };
    const struct {
        const char* name;
        cairo_antialias_t desktop;
        double scale;
        bool fringes;
    } cases[] = {{"no smoothing asked", CAIRO_ANTIALIAS_NONE, 1.0, false},
                 {"sub-pixel on the screen", CAIRO_ANTIALIAS_SUBPIXEL, 1.0, true},
                 {"sub-pixel on a magnified page", CAIRO_ANTIALIAS_SUBPIXEL, 2.0, false}};
    WxDrawCache direct_cache;
    for (const auto& test : cases) {
        SCOPED_TRACE(test.name);
        cairo_font_options_t* desktop = cairo_font_options_create();
        cairo_font_options_set_antialias(desktop, test.desktop);
        cairo_font_options_set_subpixel_order(desktop, CAIRO_SUBPIXEL_ORDER_RGB);
        gdk_screen_set_font_options(screen, desktop);
        cairo_font_options_destroy(desktop);
        WxDrawCache toolkit_cache;
        const int width = static_cast<int>(210 * test.scale), height = static_cast<int>(20 * test.scale);
        const wxImage toolkit = Paint(width, height, Rendering::toolkit, toolkit_cache, sheet, nullptr, test.scale);
        const wxImage direct = Paint(width, height, Rendering::direct, direct_cache, sheet, nullptr, test.scale);
        const Difference difference = Compare(toolkit, direct);
        EXPECT_EQ(difference.pixels, 0) << difference;
        const testing_draw::Smoothing smoothing = testing_draw::MeasureSmoothing(direct);
        EXPECT_EQ(smoothing.fringed > 100, test.fringes) << smoothing.fringed << " fringed pixels";
        if (!test.fringes) {
            EXPECT_GE(smoothing.levels, 12) << "grey levels";
        }
    }
    gdk_screen_set_font_options(screen, kept);
    cairo_font_options_destroy(kept);
}

// A generated schedule grouped by WBS, in a table beside its chart, as the program opens it.
class ReferenceScenes : public testing::Test {
protected:
    void SetUp() override {
        view::test_support::EnterViewTest();
        m_folder = std::filesystem::temp_directory_path() / ("varnholt-direct-" + std::to_string(::getpid()));
        std::filesystem::create_directories(m_folder);
        const std::string file = (m_folder / "schedule.xer").string();
        const std::string command = std::string(XER_GENERATOR) + " 400 " + file + " > /dev/null";
        ASSERT_EQ(std::system(command.c_str()), 0);
        ASSERT_TRUE(m_document.Open(std::wstring(file.begin(), file.end())));

        for (const auto& [id, width] : {std::pair{130, 90.0f}, {132, 250.0f}, {82, 90.0f}, {70, 90.0f},
                                        {85, 80.0f}, {147, 100.0f}}) {
            m_layout.AddColumn(id, width);
        }
        m_layout.GetGroupSortBy()->AddSortBy(130, kSortAscending);
        m_layout.GetGroupSortBy()->AddGroupBy(152).include_all = true;
        GanttBar& bar = m_layout.GetGanttBars()->AddBar(L"current", 82, 70, true, false);
        bar.mid_rect = std::make_unique<GanttBarShape>();
        bar.mid_rect->shape = 1;
        bar.end_point = std::make_unique<GanttBarShape>();
        bar.end_point->shape = 4;
        bar.filter = std::make_unique<FilterSelection>(0);
        bar.AddLabel(132, kLabelRight);
        m_table.SetDocument(&m_document);
        m_table.SetLayout(&m_layout);
        m_table.Update();
        m_chart.SetDocument(&m_document);
        m_chart.SetLayout(&m_layout);
        m_chart.SetCompanion(&m_table);
    }
    void TearDown() override {
        std::filesystem::remove_all(m_folder);
        view::test_support::LeaveViewTest();
    }

    std::filesystem::path m_folder;
    document::Document_xer m_document;
    ActivityLayout m_layout;
    view::ActivityTableView m_table;
    view::GanttView m_chart;
};

TEST_F(ReferenceScenes, ThePanesArePaintedWithTheSamePixels) {
    ASSERT_GT(m_table.GetRowList().Size(), 200u);
    struct Case {
        const char* name;
        view::View* view;
        std::int32_t unit;
        bool scrolled;
    };
    const Case cases[] = {{"table at the top", &m_table, 0, false},
                          {"table scrolled", &m_table, 0, true},
                          {"chart, unit 5", &m_chart, 5, true},
                          {"chart, unit 8", &m_chart, 8, true}};
    for (const Case& scene : cases) {
        SCOPED_TRACE(scene.name);
        if (scene.unit != 0) {
            m_layout.GetTimescale()->unit = scene.unit;
            m_chart.Update();
        }
        const int width = scene.view == &m_table ? 1000 : 900;
        const int height = 700;
        const auto x = scene.unit == 0 ? 0 : static_cast<std::int32_t>(std::max(0.0f, scene.view->GetWidth() / 2 - width / 2));
        const auto y = scene.scrolled ? static_cast<std::int32_t>(scene.view->GetHeight() / 2) : 0;
        // The views paint through their own DrawContext, attached to the backend here.
        WxDrawCache toolkit_cache, direct_cache;
        wxImage images[2];
        for (int i = 0; i < 2; ++i) {
            wxBitmap bitmap(width, height, 24);
            {
                wxMemoryDC dc(bitmap);
                dc.SetBackground(*wxWHITE_BRUSH);
                dc.Clear();
                WxDrawBackend backend(dc, i == 0 ? toolkit_cache : direct_cache, false,
                                      i == 0 ? Rendering::toolkit : Rendering::direct);
                ASSERT_EQ(backend.IsDirect(), i == 1);
                DrawContext& context = scene.view->GetDrawContext();
                context.SetDevice(&backend);
                context.SetOrigin(x, y);
                scene.view->Draw({0.0f, 0.0f, static_cast<float>(width), static_cast<float>(height)});
                context.SetDevice(nullptr);
            }
            images[i] = bitmap.ConvertToImage();
        }
        const Difference difference = Compare(images[0], images[1]);
        EXPECT_EQ(difference.pixels, 0) << difference;
        EXPECT_GE(testing_draw::MeasureSmoothing(images[1]).levels, 12) << "the text is smoothed";
    }
}

// The chart scenes above are only a test of the connectors if they draw some.
TEST_F(ReferenceScenes, TheChartScenesDrawRelationshipConnectors) {
    for (const std::int32_t unit : {5, 8}) {
        m_layout.GetTimescale()->unit = unit;
        m_chart.Update();
        view::RecordingBackend recording;
        DrawContext& context = m_chart.GetDrawContext();
        context.SetDevice(&recording);
        context.SetOrigin(static_cast<std::int32_t>(std::max(0.0f, m_chart.GetWidth() / 2 - 450)),
                          static_cast<std::int32_t>(m_chart.GetHeight() / 2));
        m_chart.Draw({0.0f, 0.0f, 900.0f, 700.0f});
        context.SetDevice(nullptr);
        const auto count = [&recording](std::string_view kind) {
            return std::count_if(recording.Lines().begin(), recording.Lines().end(),
                                 [kind](const std::string& line) { return line.starts_with(kind); });
        };
        EXPECT_GT(count("polyline"), 10) << "unit " << unit;
        EXPECT_GT(count("polygon"), 10) << "unit " << unit;
    }
}

// The cache on a Cairo image surface of its own.
class LayoutCache : public testing::Test {
protected:
    LayoutCache()
        : m_surface(cairo_image_surface_create(CAIRO_FORMAT_RGB24, 10, 10)), m_cr(cairo_create(m_surface)) {}
    ~LayoutCache() override {
        cairo_destroy(m_cr);
        cairo_surface_destroy(m_surface);
    }
    const ShapedText& Get(TextLayoutCache& cache, std::uint32_t font, const std::string& text) {
        return cache.Get(font, text, [](PangoLayout*) {});
    }
    cairo_surface_t* m_surface;
    cairo_t* m_cr;
};

TEST_F(LayoutCache, ATextIsShapedOnceAndTheBoundHolds) {
    TextLayoutCache cache(3);
    cache.Attach(m_cr);
    for (const char* text : {"a", "b", "a", "a", "c"}) (void)Get(cache, 1, text);
    EXPECT_EQ(cache.ShapedCount(), 3u) << "a, b and c once each";
    (void)Get(cache, 2, "a");  // another font: its own layout; b, the least recent, goes
    EXPECT_EQ(cache.ShapedCount(), 4u);
    EXPECT_EQ(cache.Size(), 3u);
    (void)Get(cache, 1, "a");
    (void)Get(cache, 1, "c");
    EXPECT_EQ(cache.ShapedCount(), 4u) << "a and c were kept";
    (void)Get(cache, 1, "b");
    EXPECT_EQ(cache.ShapedCount(), 5u) << "b was dropped";
    EXPECT_EQ(cache.Size(), 3u);
    cache.Attach(m_cr);
    EXPECT_EQ(cache.Size(), 3u) << "the same target keeps the layouts";
    cairo_scale(m_cr, 2.0, 2.0);
    cache.Attach(m_cr);
    EXPECT_EQ(cache.Size(), 0u) << "a scaled target drops them";
}

TEST_F(LayoutCache, TextBecomesUtf8AndBadCodePointsAReplaced) {
    std::string out;
    AppendUtf8(std::wstring(L"A\u00E9\u20AC") + static_cast<wchar_t>(0x1F600) + static_cast<wchar_t>(0xD800) +
                   static_cast<wchar_t>(0x110000),
               out);
    EXPECT_EQ(out, "A\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80\xEF\xBF\xBD\xEF\xBF\xBD");
}

TEST(DirectText, EveryFontChangeGetsItsOwnLayout) {
    WxDrawCache cache;
    const auto base = view::TextStyle::New(L"Calibri", 15, Color::Black());
    std::vector<std::unique_ptr<view::TextStyle>> styles;
    styles.push_back(view::TextStyle::New(L"Calibri", 15, Color::Black()));
    styles.push_back(view::TextStyle::New(L"Calibri", 19, Color::Black()));          // size
    styles.push_back(view::TextStyle::New(L"Calibri", 15, Color::Black(), true));    // weight
    styles.push_back(view::TextStyle::New(L"Calibri", 15, Color::Black(), false, true));        // slant
    styles.push_back(view::TextStyle::New(L"Calibri", 15, Color::Black(), false, false, true)); // underline
    float widths[5] = {};
    const wxImage image = Paint(300, 60, Rendering::direct, cache, [&](DrawContext& dc) {
        for (std::size_t i = 0; i < styles.size(); ++i)
            widths[i] = dc.MeasureText(*styles[i], L"Wide Wide Wide").width;
        dc.DrawText(*base, L"Wide", view::kTextSingleLine, {0, 0, 100, 20});
        dc.DrawText(*view::TextStyle::New(L"Calibri", 15, Color(0x000000FF)), L"Wide",
                    view::kTextSingleLine, {0, 30, 100, 20});  // red
    });
    EXPECT_EQ(cache.Layouts().ShapedCount(), 6u) << "one layout a font and text; the colour shares it";
    EXPECT_LT(widths[0], widths[1]) << "size";
    EXPECT_LT(widths[0], widths[2]) << "weight";
    bool red = false, black = false;
    for (int y = 0; y < 60; ++y) {
        for (int x = 0; x < 100; ++x) {
            red |= image.GetRed(x, y) > 200 && image.GetGreen(x, y) < 60 && y >= 30;
            black |= image.GetRed(x, y) < 60 && y < 20;
            EXPECT_FALSE(y >= 30 && image.GetRed(x, y) < 60 && image.GetGreen(x, y) < 60) << "black in the red text";
        }
    }
    EXPECT_TRUE(red && black);
}

TEST(DirectText, OnlyATextLeavingItsRectangleIsClipped) {
    WxDrawCache cache;
    std::size_t clipped_fitting = 0, clipped_wide = 0;
    const auto style = view::TextStyle::New(L"Calibri", 15, Color::Black());
    const unsigned flags = view::kTextVCenter | view::kTextSingleLine;
    (void)Paint(200, 40, Rendering::direct, cache, [&](DrawContext& dc) {
        auto& backend = static_cast<WxDrawBackend&>(*dc.GetDevice());
        dc.DrawText(*style, L"fits", flags, {2, 0, 190, 20});
        clipped_fitting = backend.ClippedTexts();
        dc.DrawText(*style, L"far too wide for its cell", flags, {2, 20, 40, 20});
        clipped_wide = backend.ClippedTexts();
    });
    EXPECT_EQ(clipped_fitting, 0u);
    EXPECT_EQ(clipped_wide, 1u);
}

}  // namespace
}  // namespace varnholt
