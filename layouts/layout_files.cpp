// layout_files.cpp - loading layout files: the bytes of one file into a data tree, its view
// kind into the reader of that kind; the shipped files in their fixed order.

#include "layouts/LayoutStore.h"

#include "import/data_parser.h"
#include "layouts/file_access.h"
#include "layouts/layout_file_parts.h"
#include "layouts/layout_files.h"
#include "platform/program_folder.h"
#include "platform/user_paths.h"

namespace varnholt {

namespace {

// Line breaks, tabs and spaces around the root node: an editor's final line break would
// otherwise be taken for the root's closing parenthesis.
std::wstring_view TrimWhiteSpace(std::wstring_view text) {
    constexpr std::wstring_view kWhiteSpace = L" \t\r\n";
    const std::size_t first = text.find_first_not_of(kWhiteSpace);
    if (first == std::wstring_view::npos) return {};
    return text.substr(first, text.find_last_not_of(kWhiteSpace) - first + 1);
}

}  // namespace

void LayoutStore::LoadShippedLayouts() {
    const std::filesystem::path folder = GetProgramFolder();
    for (const std::string_view relative : kShippedLayoutFiles)
        LoadLayoutFile(folder.empty() ? std::filesystem::path(relative) : folder / relative);
}

void LayoutStore::LoadLayoutFile(const std::filesystem::path& path) {
    const std::optional<std::string> bytes = ReadFileBytes(path);
    if (!bytes) return;
    const std::wstring decoded = DecodeFileText(*bytes);
    std::wstring_view text = decoded;
    text = text.substr(0, text.find(L'\0'));  // the text ends at its first NUL
    text = TrimWhiteSpace(text);
    if (text.empty()) return;

    std::unique_ptr<data_node> root = data_parser::new_node(std::wstring(text));
    root->parse();
    const std::optional<std::wstring_view> view_type = layout_file::Property(*root, L"view_type");
    if (!view_type) return;
    if (*view_type == L"VP_ACT") ReadActivityLayout(*root);
    else if (*view_type == L"VP_WBS") ReadWbsLayout(*root);
    else if (*view_type == L"VP_PROJ") ReadProjectLayout(*root);
    else if (*view_type == L"VP_RES") ReadResourceLayout(*root);
}

void LayoutStore::LoadLayoutFiles(std::span<const std::wstring> names, const std::filesystem::path& folder) {
    for (const std::wstring& name : names) {
        // The names are file names inside the folder; anything with a folder part is not one.
        const std::filesystem::path file = PathFromWide(name);
        if (file.empty() || file.has_parent_path() || file == "." || file == "..") continue;
        LoadLayoutFile(folder / file);
    }
}

}  // namespace varnholt
