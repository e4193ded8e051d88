// file_access.cpp - per-user file names, whole-file reads and the decoding of file text.

#include "layouts/file_access.h"

#include "import/text_decoding.h"
#include "layouts/store_helpers.h"
#include "platform/user_paths.h"

#include <array>
#include <cstdio>
#include <memory>

namespace varnholt {

namespace {

struct FileCloser {
    void operator()(std::FILE* file) const noexcept { std::fclose(file); }
};

bool IsUnsafeInFileName(wchar_t c) { return c == L'/' || c == L'\\' || c < 0x20 || c == 0x7F; }

}  // namespace

std::wstring_view ViewKindFolder(view::LayoutKind kind) noexcept {
    switch (kind) {
    case view::LayoutKind::activity: return L"VP_ACT/";
    case view::LayoutKind::wbs: return L"VP_WBS/";
    case view::LayoutKind::project: return L"VP_PROJ/";
    case view::LayoutKind::resource: return L"VP_RES/";
    }
    return L"VP_ACT/";
}

std::optional<std::wstring> SafeLayoutFileStem(std::wstring_view layout_name) {
    std::wstring stem(layout_name);
    for (wchar_t& c : stem)
        if (IsUnsafeInFileName(c)) c = L'_';
    if (stem == L"." || stem == L"..") return std::nullopt;
    return stem;
}

std::wstring PerUserFilePathIn(std::wstring_view folder, std::wstring_view layout_name, std::wstring_view suffix) {
    // Without a data folder the name alone would land in whatever folder the program runs in.
    if (folder.empty()) return {};
    const std::optional<std::wstring> stem = SafeLayoutFileStem(layout_name);
    if (!stem) return {};
    std::wstring path(folder);
    path += *stem;
    path += suffix;
    return path;
}

std::wstring PerUserFilePath(view::LayoutKind kind, std::wstring_view layout_name, std::wstring_view suffix) {
    const std::wstring data_folder = GetUserDataFolder();
    if (data_folder.empty()) return {};
    return PerUserFilePathIn(data_folder + std::wstring(ViewKindFolder(kind)), layout_name, suffix);
}

std::optional<std::string> ReadFileBytes(const std::filesystem::path& path, std::size_t max_bytes) {
    std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "rb"));
    if (!file) return std::nullopt;
    std::string bytes;
    std::array<char, 8192> chunk{};
    while (const std::size_t got = std::fread(chunk.data(), 1, chunk.size(), file.get())) {
        if (got > max_bytes - bytes.size()) return std::nullopt;
        bytes.append(chunk.data(), got);
    }
    if (std::ferror(file.get())) return std::nullopt;
    return bytes;
}

std::wstring DecodeFileText(std::string_view bytes) {
    const unmarked_text unmarked = skip_byte_order_mark(bytes);
    std::wstring text;
    append_decoded(unmarked.text, detect_encoding(unmarked.text, unmarked.had_byte_order_mark), text);
    return text;
}

}  // namespace varnholt
