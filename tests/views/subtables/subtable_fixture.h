// subtable_fixture.h - what the sub-table and memo view tests share: a small schedule read
// through the XER reader, stand-in master tables that answer a chosen selected row, and a
// reader that prints a recorded paint's texts row by row.
//
// The schedule: project ALPHA with WBS A (two notebook entries: "Minutes", then one whose
// topic the file lacks) and resource CREW with notes. Activity A1000 has the predecessors
// P2, P1 and P3 (in that list order), the successor S1, the steps "Set forms" (weight 1) and
// "Pour concrete" (weight 3), two notebook entries ("Issues", then one without a topic) and
// six code assignments: Zone Z1, Phase P1, a type the file lacks (code M1), a duplicate Phase
// whose code is missing, a code that is missing, and a type id beyond the column id range.
// Activity X1 has one predecessor that is not in the file.
#pragma once

#include "import/Document_xer.h"
#include "layouts/ActivityLayout.h"
#include "rows/ActivityRow.h"
#include "rows/RecordRows.h"
#include "tests/views/support/FakeHost.h"
#include "tests/views/support/schedule_text.h"
#include "views/core/View.h"

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

namespace varnholt::view::test_support {

// Relationship field ids: the predecessor's and the successor's code and name.
inline constexpr std::int32_t kPredCode = 554;
inline constexpr std::int32_t kPredName = 555;
inline constexpr std::int32_t kPredStatus = 556;
inline constexpr std::int32_t kSuccCode = 582;
inline constexpr std::int32_t kSuccName = 583;

// A master table: only its selection, kind and header height matter.
class StandInMaster final : public View {
public:
    [[nodiscard]] bool IsResourceTableView() const override { return resource_table; }
    [[nodiscard]] float GetWidth() const override { return 0.0f; }
    [[nodiscard]] float GetHeight() const override { return 0.0f; }
    [[nodiscard]] float GetHeaderHeight() const override { return header_height; }
    void Update() override {}
    void Draw(const RectF&) override {}
    [[nodiscard]] Row* GetSelectedRow() const override { return selected; }

    Row* selected = nullptr;
    bool resource_table = false;
    float header_height = 30.0f;
};

// A group of a grouped master table: no record of any kind.
class StandInGroupRow final : public Row {
public:
    [[nodiscard]] bool IsGroupRow() const override { return true; }
};

const std::string& SubTableSchedule();

class SubTableTest : public testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    [[nodiscard]] TaskRecord& Activity(std::wstring_view code) const;
    // Selects the activity (or the WBS element, or the resource) in the matching master.
    void SelectActivity(std::wstring_view code);
    void SelectWbs();
    void SelectResource();
    void SelectGroup();
    // Hosts the view (once) in a pane of 1300 x 400, as a flat sub-table, and paints it.
    const std::vector<std::string>& Paint(View& view);

    document::Document_xer doc;
    ActivityLayout layout;  // predecessor columns code and name, successor columns code and name
    StandInMaster activities;
    StandInMaster wbs_table;
    StandInMaster resources;
    FakeHost host;

private:
    std::vector<std::unique_ptr<Row>> m_rows;  // the stand-ins' selected rows
    std::set<const View*> m_attached;
};

// The texts a paint drew, one line per clip top: "LEFT text" items joined by " | ", so
// that an empty cell shows as a missing item. The header's texts come first (top 0).
[[nodiscard]] std::vector<std::string> TextsByTop(const std::vector<std::string>& lines);
// The font of every text drawn (FONT of the recorded line).
[[nodiscard]] std::vector<std::string> FontsOf(const std::vector<std::string>& lines);
// The recorded lines that start with the prefix.
[[nodiscard]] std::vector<std::string> LinesStarting(const std::vector<std::string>& lines, std::string_view prefix);

}  // namespace varnholt::view::test_support
