// open_document.h - the one road by which every entry (command line, File > Open, the recent
// list, a drop) opens a schedule file, over what it needs of the main frame. The frame puts
// it on screen; tests drive it with a fake frame.
#pragma once

#include "layouts/LayoutStore.h"

#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace varnholt {

// What the open sequence needs of the main frame.
class OpenHost {
public:
    virtual ~OpenHost() = default;
    // The frame's store; the sequence replaces it only when a file has loaded completely.
    [[nodiscard]] virtual std::unique_ptr<LayoutStore>& LayoutStoreSlot() = 0;
    // The views drop their rows and whatever else they borrow of the store: it is replaced
    // right after. The old store is still in its slot, whole, while they do.
    virtual void ResetContentViews() = 0;
    // The views are rebuilt over the new store and the active category is shown again.
    virtual void RebuildAfterOpen() = 0;
    // The wait cursor, from the start of the load to its end.
    virtual void SetBusy(bool busy) = 0;
    // A message box with an OK button.
    virtual void ShowMessage(const std::wstring& text) = 0;
};

// Opens the file into a new store and has the frame rebuild its views; true on success. Any
// refusal shows message IDS_OPEN_FAILED with the path and leaves the store, its document and
// the views as they were.
bool OpenScheduleFile(OpenHost& host, std::wstring_view path);

// The window title: "<file name> - VarnholtReader", or "VarnholtReader" before any file.
[[nodiscard]] std::wstring WindowTitle(std::wstring_view path);

// The file a command line names, the program's name first and the toolkit's own options taken out:
// the first argument, or the one after a "--" that ends the options (the toolkit leaves it in
// place before a name that starts with '-'); none where there is none.
[[nodiscard]] std::optional<std::wstring> FileOfCommandLine(std::span<const std::wstring> arguments);

inline constexpr std::wstring_view kProgramTitle = L"VarnholtReader";

}  // namespace varnholt
