// print_pagination_test.cpp - the page set-up, column and row pages, the count, the fit search
// and the tiles of a page, over a fake that measures views at a given scale.

#include "shell/print/page_bands.h"
#include "shell/print/page_setup.h"
#include "shell/print/page_tiles.h"
#include "shell/print/pagination.h"
#include "shell/print/print_scale.h"
#include "views/draw/RecordingBackend.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace varnholt::print {
namespace {

// A table and chart whose lengths grow with the scale, as the views' do.
class FakeMeasure final : public PrintMeasure {
public:
    void ApplyScale(float scale) override {
        this->scale = scale;
        applied.push_back(scale);
    }
    float CurrentScale() const override { return scale; }
    bool HasMainWindow() const override { return true; }
    bool TableHasDocument() const override { return table; }
    bool ChartHasDocument() const override { return chart; }
    std::vector<float> ColumnWidths() const override { return widths; }
    std::int32_t PaneWidth() const override { return pane_width; }
    float HeaderHeight() const override { return header * scale; }
    float RowHeight() const override { return row_height * scale; }
    std::int64_t RowCount() const override { return rows; }
    ChartSpan MeasureChart(const s_date&, const s_date&) const override {
        return {chart_start * scale, chart_end * scale};
    }

    float scale = 1.0f;
    std::vector<float> applied;
    bool table = true;
    bool chart = false;
    std::vector<float> widths;
    std::int32_t pane_width = 100000;
    float header = 20.0f;
    float row_height = 10.0f;
    std::int64_t rows = 0;
    float chart_start = 0.0f;
    float chart_end = 0.0f;
};

TEST(PrintSettings, FreshRecordHoldsTheDefaults) {
    const PrintSettings settings;
    EXPECT_TRUE(settings.printTable && settings.printAllColumns && settings.printGantt);
    EXPECT_TRUE(settings.printHeader && settings.printFooter && settings.useScale);
    EXPECT_FALSE(settings.fitToPages);
    EXPECT_EQ(settings.startDate.seconds, 0);
    EXPECT_EQ(settings.startDate.null_flag, 0) << "the empty date, not a missing one";
    EXPECT_EQ(settings.pagesWide, 1);
    EXPECT_FLOAT_EQ(settings.marginLeft, 0.2f);
    EXPECT_FLOAT_EQ(settings.maxMarginVertical, 3.0f);
}

PaperMeasures A4() {
    // 210 × 297 mm at 600 dpi, the screen at 96.
    return {210, 297, 4961, 7016, 600, 600, 96, 96};
}

TEST(PageSetup, MeasuresThePaperAndLowersMarginsToTheirBound) {
    PrintSettings settings;
    settings.marginLeft = 3.0f;
    const PageGeometry page = SetUpPage(settings, A4());
    EXPECT_NEAR(settings.pageWidth, 8.268f, 0.001f);
    EXPECT_NEAR(settings.maxMarginHorizontal, 2.480f, 0.001f);
    EXPECT_FLOAT_EQ(settings.marginLeft, settings.maxMarginHorizontal) << "lowered and stored";
    EXPECT_NEAR(settings.maxMarginVertical, 0.3f * 297 / 25.4f - 0.3f, 0.001f);
    EXPECT_EQ(page.page_width, 794) << "4961 × 96 / 600, rounded";
    EXPECT_NEAR(page.ppi, 96.0f, 0.1f);
    EXPECT_EQ(page.width, 794 - static_cast<int>((settings.marginLeft + 0.2f) * page.ppi));
}

TEST(PageSetup, NegativeMarginsAndBoundsPrintInsideThePaper) {
    PrintSettings settings;
    settings.marginLeft = -2.0f;
    settings.marginTop = -1.0f;
    settings.headerHeight = settings.footerHeight = 40.0f;  // bands taller than the page
    const PageGeometry page = SetUpPage(settings, A4());
    EXPECT_EQ(settings.marginLeft, 0.0f);
    EXPECT_EQ(settings.marginTop, 0.0f);
    EXPECT_EQ(settings.maxMarginVertical, 0.0f) << "a bound below 0 counts as 0";
    EXPECT_LE(page.width, page.page_width);
    EXPECT_FALSE(page.Printable()) << "bands taller than the paper leave nothing to cut";
}

TEST(Pagination, RowPagesHoldTheHeaderAndWholeRows) {
    struct Case { std::int64_t rows; std::vector<RowPage> expected; const char* why; };
    const Case cases[] = {
        {100, {{0, 50, 0, 930}, {50, 100, 900, 930}}, "two full pages"},
        {101, {{0, 50, 0, 930}, {50, 100, 900, 930}, {100, 150, 1800, 48}}, "the last holds one row"},
        {0, {}, "no rows, no pages"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        RowPages pages;
        ComputeRowPages(30.0f, 18.0f, c.rows, 30 + 18 * 50, pages);
        ASSERT_EQ(pages.size(), c.expected.size());
        for (std::size_t i = 0; i < c.expected.size(); ++i) EXPECT_EQ(pages.at(static_cast<int>(i)), c.expected[i]);
    }
    RowPages none;
    ComputeRowPages(30.0f, 0.0f, 10, 900, none);
    ComputeRowPages(30.0f, 18.0f, 10, 40, none);
    EXPECT_TRUE(none.empty()) << "a row height of 0 and a page without room for one row";
}

TEST(Pagination, ColumnPagesBreakBeforeTheColumnThatReachesTheWidth) {
    const std::vector<float> widths = {300, 300, 300};
    ColumnPages pages;
    ASSERT_TRUE(ComputeColumnPageBreaks(widths, 1.0f, 700, true, 0, pages));
    ASSERT_EQ(pages.size(), 2u);
    EXPECT_EQ(pages.at(0), (ColumnPage{0, 2, 0, 600}));
    EXPECT_EQ(pages.at(1), (ColumnPage{2, 3, 600, 300}));

    ColumnPages visible;
    ASSERT_TRUE(ComputeColumnPageBreaks(widths, 1.0f, 700, false, 500, visible));
    ASSERT_EQ(visible.size(), 1u);
    EXPECT_EQ(visible.at(0), (ColumnPage{0, 1, 0, 300})) << "columns past the 500-px pane are left out";

    ColumnPages wide;
    const std::vector<float> too_wide = {300, 800};
    EXPECT_FALSE(ComputeColumnPageBreaks(too_wide, 1.0f, 700, true, 0, wide));
}

TEST(Pagination, ChartContinuesOnTheTablesLastPage) {
    FakeMeasure measure;
    measure.widths = {300, 300, 300};
    measure.rows = 10;
    measure.chart = true;
    measure.chart_end = 1000.0f;
    PrintSettings settings;
    Pagination pagination;
    ASSERT_TRUE(CountPrintPages(settings, measure, 700, 1000, pagination));
    EXPECT_EQ(pagination.table_pages_across, 2);
    EXPECT_EQ(pagination.pages_across, 2 + 1) << "1000 px of chart less the 400 px left on page 2";
    EXPECT_EQ(pagination.pages_down, 1);

    settings.printTable = false;
    ASSERT_TRUE(CountPrintPages(settings, measure, 700, 1000, pagination));
    EXPECT_EQ(pagination.pages_across, 2) << "the chart alone";

    settings.printTable = true;
    EXPECT_FALSE(CountPrintPages(settings, measure, 0, 1000, pagination)) << "no printable width";
}

TEST(Pagination, FitSearchTriesFifthsOfAPageAndRestoresTheScale) {
    FakeMeasure measure;
    measure.widths = {400, 400};  // two pages across at 100 %
    measure.rows = 150;           // three pages down of 50 rows
    measure.scale = 1.25f;
    PrintSettings settings;
    const float fitted = FitScaleToPages(settings, measure, 700, 520, 1, 1);
    ASSERT_GE(measure.applied.size(), 4u);
    EXPECT_FLOAT_EQ(measure.applied[0], 1.0f);
    EXPECT_NEAR(measure.applied[1], 0.9333f, 1e-4);
    EXPECT_NEAR(measure.applied[2], 0.8667f, 1e-4);
    EXPECT_NEAR(fitted, 0.3333f, 1e-4) << "the first percent at which 150 rows fit one page";
    EXPECT_FLOAT_EQ(measure.scale, 1.25f) << "the scale in force before";
}

TEST(Pagination, FitSearchNeverCountsAtScaleZero) {
    FakeMeasure measure;
    measure.widths = {10000};  // wider than the page down to 7 %
    measure.rows = 1;
    PrintSettings settings;
    settings.useScale = false;
    settings.fitToPages = true;
    const float fitted = FitScaleToPages(settings, measure, 700, 520, 1, 1);
    EXPECT_EQ(fitted, 0.0f);
    for (float tried : measure.applied) EXPECT_TRUE(tried >= 0.01f || tried == 1.0f) << tried;
    EXPECT_NEAR(*std::min_element(measure.applied.begin(), measure.applied.end()), 0.2f, 1e-6) << "steps of 20";

    struct Case { std::int32_t wide; std::int32_t tall; const char* why; };
    for (const Case& c : {Case{0, 1, "pages wide 0"}, Case{1, -3, "pages tall below 0"}}) {
        SCOPED_TRACE(c.why);
        measure.applied.clear();
        measure.widths = {300};
        settings.pagesWide = c.wide;
        settings.pagesTall = c.tall;
        const PageGeometry page{800, 600, 96.0f, 700, 520};
        const JobPlan plan = PlanPrintJob(settings, measure, page);
        EXPECT_EQ(plan.scale, 1.0f);
        EXPECT_EQ(plan.messages,
                  (std::vector<PrintMessage>{{IDS_PRINT_SCALE_SMALL, 0}, {IDS_PRINT_SCALE_RESET, 100}}));
        for (float tried : measure.applied) EXPECT_GT(tried, 0.0f);
    }
}

TEST(Pagination, JobPlanReportsWhatCannotBeCutAndLongJobs) {
    FakeMeasure measure;
    PrintSettings settings;
    const PageGeometry page{800, 600, 96.0f, 700, 520};

    measure.widths = {800};
    JobPlan plan = PlanPrintJob(settings, measure, page);
    EXPECT_FALSE(plan.pagination.column_pagination_ok);
    EXPECT_EQ(plan.pages, 1);
    EXPECT_EQ(plan.messages, (std::vector<PrintMessage>{{IDS_PRINT_NO_PAGES, std::nullopt}}));

    measure.widths = {300};
    measure.rows = 51 * 50;
    plan = PlanPrintJob(settings, measure, page);
    EXPECT_EQ(plan.pages, 51);
    EXPECT_EQ(plan.messages, (std::vector<PrintMessage>{{IDS_PRINT_MANY_PAGES, 51}}));

    settings.scale = -2.0f;
    plan = PlanPrintJob(settings, measure, page);
    EXPECT_EQ(plan.scale, 1.0f) << "a negative scale is never printed at";
    EXPECT_EQ(measure.scale, 1.0f) << "the scale in force before the plan";
}

TEST(PageTiles, PagesRunAcrossFirst) {
    EXPECT_EQ(TileOfPage(4, 3), (Tile{0, 1}));
    EXPECT_EQ(TileOfPage(3, 3), (Tile{2, 0}));
    EXPECT_EQ(TileOfPage(1, 0), (Tile{0, 0}));
}

Pagination TwoTablePages(std::int32_t last_used) {
    Pagination pagination;
    pagination.table_pages_across = 2;
    pagination.column_pages = {{0, {0, 2, 0, 600}}, {1, {2, 3, 600, last_used}}};
    pagination.row_pages = {{0, {0, 10, 0, 200}}};
    return pagination;
}

TEST(PageTiles, ChartStartsBesideTheTableOrOnTheNextTile) {
    const ChartSpan span{50.0f, 1050.0f};
    const Pagination room = TwoTablePages(300);
    EXPECT_FALSE(ChartTileOf(room, {0, 0}, 700, 500, span, true)) << "no chart before the table's last page";
    const auto first = ChartTileOf(room, {1, 0}, 700, 500, span, true);
    ASSERT_TRUE(first);
    EXPECT_EQ(first->origin, (PixelPoint{-300 + 50, 0}));
    EXPECT_EQ(first->clip, (PixelRect{300, 0, 400, 500}));
    EXPECT_EQ(first->separator_x, 300);
    const auto next = ChartTileOf(room, {2, 0}, 700, 500, span, true);
    ASSERT_TRUE(next);
    EXPECT_EQ(next->origin.x, 400 + 50);
    EXPECT_EQ(next->fill_right, (PixelRect{600, 0, 100, 500})) << "white right of the range's end";
    EXPECT_EQ(next->frame_corner, (PixelPoint{600, 199})) << "the frame closes at the range's end";
    EXPECT_EQ(next->fill_below, (PixelRect{-3, 201, 705, 303}));

    const Pagination full = TwoTablePages(700);
    EXPECT_FALSE(ChartTileOf(full, {1, 0}, 700, 500, span, true));
    const auto after = ChartTileOf(full, {2, 0}, 700, 500, span, true);
    ASSERT_TRUE(after);
    EXPECT_EQ(after->origin.x, 50);
    EXPECT_EQ(after->separator_x, 0);

    const auto table = TableTileOf(room, {1, 0});
    ASSERT_TRUE(table);
    EXPECT_EQ(table->origin, (PixelPoint{600, 0}));
    EXPECT_EQ(table->clip, (PixelRect{0, 0, 300, 200}));
    EXPECT_FALSE(TableTileOf(room, {2, 0})) << "past the table's pages";
    EXPECT_EQ(TableTileOf(room, {0, 5})->clip.height, 0) << "a missing row page reads as empty";
}

TEST(PageTiles, ChartAloneStopsAtTheEndOfItsRange) {
    Pagination pagination;
    pagination.row_pages = {{0, {0, 10, 0, 200}}};
    const ChartSpan span{0.0f, 1000.0f};
    const auto last = ChartTileOf(pagination, {1, 0}, 700, 500, span, false);
    ASSERT_TRUE(last);
    EXPECT_EQ(last->clip, (PixelRect{0, 0, 300, 200}));
    EXPECT_EQ(last->frame_corner, (PixelPoint{300, 198}));
}

// The header shows the schedule's file name as the window's title does: a byte of the name that
// no character set names shows as the replacement mark, not as the character standing for it.
TEST(PageBands, TheHeaderShowsTheFileNameAsTheTitleDoes) {
    view::RecordingBackend recording;
    view::DrawContext context;
    context.SetDevice(&recording);
    PrintSettings settings;
    settings.printFooter = false;
    const PageBands bands{.left = 20, .right = 20, .top = 20, .bottom = 20, .header = 30, .width = 600, .height = 800};
    DrawPageBands(context, settings, bands, {.document_path = L"/plans/Stra\U001000DFe.xer"});
    ASSERT_EQ(recording.Lines().size(), 1u);
    EXPECT_NE(recording.Lines().front().find("\"Stra\xEF\xBF\xBD" "e.xer\""), std::string::npos) << recording.Lines().front();
}

}  // namespace
}  // namespace varnholt::print
