// detail_test_support.cpp - the detail view tests' fixture and the recorded-text reader.

#include "tests/views/details/detail_test_support.h"

#include "columns/ColumnCatalog.h"
#include "model/CaptionCatalog.h"
#include "model/records/ObsRecord.h"

#include <algorithm>
#include <array>

namespace varnholt::view::test_support {

// A text line reads: text X,Y clip L,T R,B COLOR FONT "TEXT"
std::vector<DrawnText> DrawnTexts(const std::vector<std::string>& lines) {
    std::vector<DrawnText> texts;
    for (const std::string& line : lines) {
        if (!line.starts_with("text ")) continue;
        const std::size_t clip = line.find(" clip ") + 6;
        const std::size_t clip_end = line.find(' ', line.find(' ', clip) + 1);
        const std::size_t font = line.find(' ', clip_end + 1) + 1;
        const std::size_t quote = line.find(" \"", font);
        texts.push_back({line.substr(clip, clip_end - clip), line.substr(font, quote - font),
                         line.substr(quote + 2, line.size() - quote - 3)});
    }
    return texts;
}

std::string TextAt(const std::vector<DrawnText>& texts, const std::string& clip) {
    const auto found = std::find_if(texts.begin(), texts.end(), [&](const DrawnText& t) { return t.clip == clip; });
    return found == texts.end() ? "<none>" : found->text;
}

std::string LabelAt(const std::vector<DrawnText>& texts, const std::string& cell) {
    const std::string_view top_right_bottom = std::string_view(cell).substr(cell.find(',') + 1);
    const auto found = std::find_if(texts.begin(), texts.end(), [&](const DrawnText& t) {
        return std::string_view(t.clip).substr(t.clip.find(',') + 1) == top_right_bottom;
    });
    return found == texts.end() ? "<none>" : found->text;
}

std::size_t CountStarting(const std::vector<std::string>& lines, std::string_view prefix) {
    return static_cast<std::size_t>(
        std::count_if(lines.begin(), lines.end(), [&](const std::string& line) { return line.starts_with(prefix); }));
}

void DetailViewTest::SetUp() {
    HandBuiltDocumentTest::SetUp();
    DisplayScale() = 1.0f;
    wbs = testing_support::AddWbs(doc, testing_support::AddProject(doc, 1, L"P1"), nullptr, 10, L"F", L"Foundations");
    ObsRecord* manager = doc.NewObs();
    manager->obs_name = s_string(L"Site Manager");
    LinkWbsToObs(*wbs, manager);
}

void DetailViewTest::TearDown() {
    DisplayScale() = 1.0f;
    HandBuiltDocumentTest::TearDown();
}

void DetailViewTest::SetUpView(DetailView& view, std::initializer_list<CaptionId> tabs) {
    view.SetMaster(&master);
    for (const CaptionId tab : tabs) view.AddTab(CaptionCatalog::Instance().Lookup(tab));
    view.SetCurrentTab(CaptionCatalog::Instance().Lookup(kGeneralTabCaption));
    host.Attach(view, 1200, 300);
}

const std::vector<std::string>& DetailViewTest::Paint(View& view) {
    host.Paint(view);
    return host.Backend(view).Lines();
}

void DetailViewTest::TakeAwayColumn(ColumnTable table, std::uint32_t column_id) {
    ColumnCatalog& catalog = ColumnCatalog::Instance();
    std::vector<std::pair<ColumnTable, std::uint32_t>> keep;
    for (const ColumnTable each : {ColumnTable::activity, ColumnTable::project, ColumnTable::wbs,
                                   ColumnTable::resource, ColumnTable::predecessor, ColumnTable::successor})
        for (const ColumnDef& def : catalog.columns(each))
            if (def.present != 0 && !(each == table && def.column_id == column_id)) keep.emplace_back(each, def.column_id);
    catalog.ClearPresent();
    for (const auto& [each, id] : keep) catalog.MarkPresent(each, id);
}

}  // namespace varnholt::view::test_support
