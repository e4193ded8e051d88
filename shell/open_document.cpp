// open_document.cpp - the open sequence's decisions: refuse with a message, or replace the
// store and rebuild the views.

#include "shell/open_document.h"

#include "layouts/open_sequence.h"
#include "platform/path_text.h"
#include "shell/string_ids.h"
#include "shell/ui_text.h"

namespace varnholt {
namespace {

// Keeps the wait cursor up for the length of the load, whatever path leaves it.
class BusyScope {
public:
    explicit BusyScope(OpenHost& host) : m_host(host) { m_host.SetBusy(true); }
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;
    ~BusyScope() { m_host.SetBusy(false); }

private:
    OpenHost& m_host;
};

}  // namespace

bool OpenScheduleFile(OpenHost& host, std::wstring_view path) {
    open_status status;
    {
        const BusyScope busy(host);
        LoadedSchedule loaded = LoadSchedule(path);
        status = loaded.status();
        if (status) {
            // The views borrow the old store's document, layouts and columns: they let go
            // first, and only then does the old store go, with its tables after it.
            host.ResetContentViews();
            loaded.Commit(host.LayoutStoreSlot());
            host.RebuildAfterOpen();
        }
    }
    if (!status) host.ShowMessage(FillPlaceholders(LoadText(IDS_OPEN_FAILED), {ShownPath(path)}));
    return static_cast<bool>(status);
}

std::wstring WindowTitle(std::wstring_view path) {
    if (path.empty()) return std::wstring(kProgramTitle);
    std::wstring title = ShownFileName(path);
    title += L" - ";
    title += kProgramTitle;
    return title;
}

std::optional<std::wstring> FileOfCommandLine(std::span<const std::wstring> arguments) {
    std::size_t first = 1;  // the program's name comes first
    if (first < arguments.size() && arguments[first] == L"--") ++first;
    if (first >= arguments.size()) return std::nullopt;
    return arguments[first];
}

}  // namespace varnholt
