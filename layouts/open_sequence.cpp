// open_sequence.cpp - the one road by which a schedule file is opened.

#include "layouts/open_sequence.h"

#include "columns/ColumnCatalog.h"
#include "import/xer_parser.h"
#include "import/xls/xls_workbook.h"
#include "layouts/settings_file.h"
#include "model/text_utils.h"
#include "platform/user_paths.h"

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

open_status OpenSchedule(std::unique_ptr<LayoutStore>& store, std::wstring_view path) {
    switch (ScheduleKindOf(path)) {
    case schedule_kind::unknown: return {open_error::unknown_kind};
    case schedule_kind::xls:
        if (!xls_workbook::is_ole_file(PathFromWide(path).string())) return {open_error::not_a_schedule};
        return LoadIntoNewStore(store, path, [](LayoutStore& fresh) { return fresh.CreateXlsDocument(); });
    case schedule_kind::xer: break;
    }
    if (!document::xer_parser::is_xer_file(PathFromWide(path))) return {open_error::not_a_schedule};
    return LoadIntoNewStore(store, path, [](LayoutStore& fresh) { return fresh.CreateXerDocument(); });
}

open_status LoadIntoNewStore(std::unique_ptr<LayoutStore>& store, std::wstring_view path,
                             const DocumentMaker& make_document) {
    // The old store goes before the new one is built: its document must not outlive the column
    // tables that the new store rebuilds.
    store.reset();
    store = std::make_unique<LayoutStore>();
    document::Document* schedule = make_document(*store);

    // Every open starts from the saved display settings, whatever the previous file changed.
    RestoreSavedDisplaySettings();
    LoadSettingsFile();

    const bool loaded = schedule != nullptr && schedule->Open(path);
    if (!loaded) {
        store->DropDocument();
        // What the partial load registered (user-defined field and code columns) goes too.
        ColumnCatalog::Instance().BuildAllColumns();
    }
    store->RunPostOpenPasses();
    return loaded ? open_status{} : open_status{open_error::load_failed};
}

}  // namespace varnholt
