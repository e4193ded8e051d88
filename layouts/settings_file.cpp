// settings_file.cpp - reading and writing Settings.cfg through one table of its eleven keys.

#include "layouts/settings_file.h"

#include "layouts/store_helpers.h"
#include "model/display_settings.h"
#include "model/number_formats.h"
#include "model/number_text.h"
#include "platform/file_replace.h"
#include "platform/user_paths.h"

#include <array>
#include <charconv>
#include <cstdio>
#include <memory>
#include <optional>

namespace varnholt {

namespace {

// A settings file is a few hundred bytes; anything past this is not ours and is not read.
constexpr std::size_t kMaxSettingsFileBytes = std::size_t{1} << 20;

// Value readers, each with the rule its key follows.
std::int32_t ReadInt(std::string_view value) {
    std::wstring wide;  // one byte per character, as the file is 8-bit text
    wide.reserve(value.size());
    for (const char byte : value) wide.push_back(static_cast<wchar_t>(static_cast<unsigned char>(byte)));
    return int_from_text(wide);
}
// Most switches are on unless the file says exactly "0"; remembering layout changes is off
// unless it says exactly "1".
bool ReadOnUnlessZero(std::string_view value) { return value != "0"; }
bool ReadOffUnlessOne(std::string_view value) { return value == "1"; }

std::string WriteInt(std::int64_t value) {
    std::array<char, 24> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    return std::string(buffer.data(), result.ptr);
}
std::string WriteBool(bool value) { return value ? "1" : "0"; }

UnitDisplaySettings& Active() { return display_settings().active; }
UnitDisplaySettings& Saved() { return display_settings().saved; }

struct SettingKey {
    std::string_view key;
    void (*read)(std::string_view value);
    std::string (*write)();
};

// In the order the writer writes them. Reading a unit or duration setting sets both values.
constexpr std::array<SettingKey, 11> kSettingKeys = {{
    {"unit_UnitOfTime",
     [](std::string_view v) { Active().unit_UnitOfTime = Saved().unit_UnitOfTime = ReadInt(v); },
     [] { return WriteInt(Saved().unit_UnitOfTime); }},
    {"unit_Decimals",
     [](std::string_view v) { Active().unit_Decimals = Saved().unit_Decimals = ReadInt(v); },
     [] { return WriteInt(Saved().unit_Decimals); }},
    {"unit_ShowDurationLabel",
     [](std::string_view v) { Active().unit_ShowDurationLabel = Saved().unit_ShowDurationLabel = ReadOnUnlessZero(v); },
     [] { return WriteBool(Saved().unit_ShowDurationLabel); }},
    {"duration_UnitOfTime",
     [](std::string_view v) { Active().duration_UnitOfTime = Saved().duration_UnitOfTime = ReadInt(v); },
     [] { return WriteInt(Saved().duration_UnitOfTime); }},
    {"duration_Decimals",
     [](std::string_view v) { Active().duration_Decimals = Saved().duration_Decimals = ReadInt(v); },
     [] { return WriteInt(Saved().duration_Decimals); }},
    {"duration_ShowDurationLabel",
     [](std::string_view v) {
         Active().duration_ShowDurationLabel = Saved().duration_ShowDurationLabel = ReadOnUnlessZero(v);
     },
     [] { return WriteBool(Saved().duration_ShowDurationLabel); }},
    {"layout_rememberChanges",
     [](std::string_view v) { layout_settings().layout_rememberChanges = ReadOffUnlessOne(v); },
     [] { return WriteBool(layout_settings().layout_rememberChanges); }},
    {"gridlines_VerticalScale",
     [](std::string_view v) { layout_settings().gridlines_VerticalScale = ReadInt(v); },
     [] { return WriteInt(layout_settings().gridlines_VerticalScale); }},
    // The Gantt chart steps its horizontal grid lines by this many rows: 0 would never advance.
    {"gridlines_HorizontalScale",
     [](std::string_view v) {
         const std::int32_t rows = ReadInt(v);
         layout_settings().gridlines_HorizontalScale = rows < 1 ? 1u : static_cast<std::uint32_t>(rows);
     },
     [] { return WriteInt(layout_settings().gridlines_HorizontalScale); }},
    {"gridlines_VerticalEnabled",
     [](std::string_view v) { layout_settings().gridlines_VerticalEnabled = ReadOnUnlessZero(v); },
     [] { return WriteBool(layout_settings().gridlines_VerticalEnabled); }},
    {"gridlines_HorizontalEnabled",
     [](std::string_view v) { layout_settings().gridlines_HorizontalEnabled = ReadOnUnlessZero(v); },
     [] { return WriteBool(layout_settings().gridlines_HorizontalEnabled); }},
}};

// One "key:value" token; the first ":" counts, and a token needs a key before it.
void ApplyToken(std::string_view token) {
    const std::size_t colon = token.find(':');
    if (colon == std::string_view::npos || colon == 0) return;
    const std::string_view key = token.substr(0, colon);
    for (const SettingKey& setting : kSettingKeys) {
        if (setting.key == key) {
            setting.read(token.substr(colon + 1));
            return;
        }
    }
}

struct FileCloser {
    void operator()(std::FILE* file) const noexcept { std::fclose(file); }
};

// The whole file, or nothing when it cannot be opened or is too large to be a settings file.
std::optional<std::string> ReadSmallFile(const std::wstring& path) {
    std::unique_ptr<std::FILE, FileCloser> file(std::fopen(PathFromWide(path).c_str(), "rb"));
    if (!file) return std::nullopt;
    std::string bytes;
    std::array<char, 4096> chunk{};
    while (const std::size_t got = std::fread(chunk.data(), 1, chunk.size(), file.get())) {
        if (bytes.size() + got > kMaxSettingsFileBytes) return std::nullopt;
        bytes.append(chunk.data(), got);
    }
    if (std::ferror(file.get())) return std::nullopt;
    return bytes;
}

}  // namespace

LayoutSettings& layout_settings() {
    static LayoutSettings settings;
    return settings;
}

void ResetLayoutSettings() { layout_settings() = LayoutSettings{}; }

void ApplySettingsText(std::string_view file_bytes) {
    while (!file_bytes.empty()) {
        const std::size_t end = file_bytes.find('\n');
        std::string_view line = file_bytes.substr(0, end);
        file_bytes.remove_prefix(end == std::string_view::npos ? file_bytes.size() : end + 1);
        if (line.ends_with('\r')) line.remove_suffix(1);
        while (!line.empty()) {
            const std::size_t tab = line.find('\t');
            ApplyToken(line.substr(0, tab));
            line.remove_prefix(tab == std::string_view::npos ? line.size() : tab + 1);
        }
    }
}

std::string SettingsFileText() {
    std::string text;
    for (const SettingKey& setting : kSettingKeys) {
        text += setting.key;
        text += ':';
        text += setting.write();
        text += "\r\n";
    }
    return text;
}

std::wstring SettingsFilePath() {
    const std::wstring folder = GetUserDataFolder();
    // Without a data folder the name alone would land in whatever folder the program runs in.
    return folder.empty() ? std::wstring{} : folder + L"Settings.cfg";
}

void LoadSettingsFile() {
    const std::wstring path = SettingsFilePath();
    if (path.empty()) return;
    if (const std::optional<std::string> bytes = ReadSmallFile(path)) ApplySettingsText(*bytes);
}

bool SaveSettingsFile() {
    const std::wstring path = SettingsFilePath();
    return !path.empty() && ReplaceFileContents(PathFromWide(path), SettingsFileText());
}

void RestoreSavedDisplaySettings() {
    display_settings().active = display_settings().saved;
    ResetValueFormats();
}

}  // namespace varnholt
