// detail_test_support.h - what the detail view tests share: a stand-in master view that
// answers a chosen selected row, a fixture with English captions, a hand-built document and a
// fake host, and a reader for the texts of a recorded paint.
#pragma once

#include "rows/Row.h"
#include "rows/display_scale.h"
#include "tests/model/hand_built_document.h"
#include "tests/views/support/FakeHost.h"
#include "views/core/View.h"
#include "views/details/DetailView.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

namespace varnholt::view::test_support {

// The table a detail pane follows: only its selection matters.
class StandInMaster final : public View {
public:
    [[nodiscard]] float GetWidth() const override { return 0.0f; }
    [[nodiscard]] float GetHeight() const override { return 0.0f; }
    void Update() override {}
    void Draw(const RectF&) override {}
    [[nodiscard]] Row* GetSelectedRow() const override { return selected; }

    Row* selected = nullptr;
};

// One text primitive of a recorded paint: its clip rectangle "L,T R,B", font and text.
struct DrawnText {
    std::string clip;
    std::string font;
    std::string text;
};

[[nodiscard]] std::vector<DrawnText> DrawnTexts(const std::vector<std::string>& lines);
// The text drawn into the clip rectangle, or "<none>" when nothing was.
[[nodiscard]] std::string TextAt(const std::vector<DrawnText>& texts, const std::string& clip);
// The label of the cell "L,T R,B": drawn right-aligned at its right edge, it may reach further left.
[[nodiscard]] std::string LabelAt(const std::vector<DrawnText>& texts, const std::string& cell);
[[nodiscard]] std::size_t CountStarting(const std::vector<std::string>& lines, std::string_view prefix);

class DetailViewTest : public testing_support::HandBuiltDocumentTest {
protected:
    void SetUp() override;
    void TearDown() override;

    // Built as the frame builds its detail panes: master, tab titles, then "General" current;
    // hosted in a pane of 1200 x 300.
    template <class DetailKind>
    std::unique_ptr<DetailKind> MakeView(std::initializer_list<CaptionId> tabs) {
        auto view = std::make_unique<DetailKind>();
        SetUpView(*view, tabs);
        return view;
    }
    void SetUpView(DetailView& view, std::initializer_list<CaptionId> tabs);

    // Paints through the host and answers the recorded lines.
    const std::vector<std::string>& Paint(View& view);
    // Clears the present flag of one column, as a workbook without that column leaves it.
    static void TakeAwayColumn(ColumnTable table, std::uint32_t column_id);

    StandInMaster master;
    FakeHost host;
    ProjWbsRecord* wbs = nullptr;  // "Foundations" of project P1, managed by "Site Manager"
};

}  // namespace varnholt::view::test_support
