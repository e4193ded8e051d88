// open_sequence.cpp - the one road by which a schedule file is opened.

#include "layouts/open_sequence.h"

#include "columns/ColumnCatalog.h"
#include "import/xer_parser.h"
#include "import/xls/xls_workbook.h"
#include "layouts/settings_file.h"
#include "model/display_settings.h"
#include "model/number_formats.h"
#include "model/text_utils.h"
#include "platform/user_paths.h"

#include <utility>

namespace varnholt {

schedule_kind ScheduleKindOf(std::wstring_view path) {
    constexpr std::size_t kExtensionLength = 4;
    const std::wstring extension = path.size() > kExtensionLength
                                       ? fold_case(path.substr(path.size() - kExtensionLength))
                                       : std::wstring(path);
    if (extension == L".xer") return schedule_kind::xer;
    if (extension == L".xls") return schedule_kind::xls;
    return schedule_kind::unknown;
}

// What an open changes for the whole process besides the store: the column tables, the
// display settings, the number formats and the layout settings. Kept aside while the next
// file loads, so that a failed load can leave everything as it was.
class ProcessStateAside {
public:
    ProcessStateAside()
        : m_display(display_settings()), m_formats(value_formats()), m_layout(layout_settings()) {
        ColumnCatalog::Instance().SwapTables(m_columns);
    }
    // The old store's document points into these tables: they go after it.
    void PutBack() {
        ColumnCatalog::Instance().SwapTables(m_columns);
        display_settings() = m_display;
        value_formats() = m_formats;
        layout_settings() = m_layout;
    }

private:
    ColumnCatalog::Tables m_columns;
    DisplaySettings m_display;
    ValueFormats m_formats;
    LayoutSettings m_layout;
};

LoadedSchedule::LoadedSchedule(open_status status) noexcept : m_status(status) {}

LoadedSchedule::LoadedSchedule(std::unique_ptr<LayoutStore> fresh, std::unique_ptr<ProcessStateAside> parked) noexcept
    : m_fresh(std::move(fresh)), m_parked(std::move(parked)) {}

LoadedSchedule::LoadedSchedule(LoadedSchedule&&) noexcept = default;

LoadedSchedule::~LoadedSchedule() {
    if (m_fresh == nullptr) return;
    m_fresh.reset();  // before its columns go, which its document may point into
    m_parked->PutBack();
}

void LoadedSchedule::Commit(std::unique_ptr<LayoutStore>& slot) {
    if (m_fresh == nullptr) return;
    std::unique_ptr<LayoutStore> old = std::exchange(slot, std::move(m_fresh));
    old.reset();       // the old store, its document and its layouts
    m_parked.reset();  // then the column tables they pointed into
}

LoadedSchedule LoadSchedule(std::wstring_view path) {
    switch (ScheduleKindOf(path)) {
    case schedule_kind::unknown: return LoadedSchedule({open_error::unknown_kind});
    case schedule_kind::xls:
        if (!xls_workbook::is_ole_file(PathFromWide(path).string())) return LoadedSchedule({open_error::not_a_schedule});
        return LoadIntoNewStore(path, [](LayoutStore& fresh) { return fresh.CreateXlsDocument(); });
    case schedule_kind::xer: break;
    }
    if (!document::xer_parser::is_xer_file(PathFromWide(path))) return LoadedSchedule({open_error::not_a_schedule});
    return LoadIntoNewStore(path, [](LayoutStore& fresh) { return fresh.CreateXerDocument(); });
}

open_status OpenSchedule(std::unique_ptr<LayoutStore>& store, std::wstring_view path) {
    LoadedSchedule loaded = LoadSchedule(path);
    loaded.Commit(store);
    return loaded.status();
}

LoadedSchedule LoadIntoNewStore(std::wstring_view path, const DocumentMaker& make_document) {
    // The old store lives until the caller commits: a file that fails leaves the open
    // schedule, its layouts and its columns exactly as they were.
    auto parked = std::make_unique<ProcessStateAside>();
    auto fresh = std::make_unique<LayoutStore>();
    document::Document* schedule = make_document(*fresh);

    // Every open starts from the saved display settings, whatever the previous file changed.
    RestoreSavedDisplaySettings();
    LoadSettingsFile();

    if (schedule == nullptr || !schedule->Open(path)) {
        fresh.reset();  // before its columns go, which its document may point into
        parked->PutBack();
        return LoadedSchedule({open_error::load_failed});
    }
    fresh->RunPostOpenPasses();
    return {std::move(fresh), std::move(parked)};
}

}  // namespace varnholt
