// path_text.cpp - kept bytes stand in the private-use plane, at U+100000 + the byte.

#include "platform/path_text.h"

#include "model/text_utils.h"

namespace varnholt {
namespace {

constexpr char32_t kKeptByteBase = 0x100000;

bool IsKeptByte(char32_t c) { return c >= kKeptByteBase + 0x80 && c <= kKeptByteBase + 0xFF; }

bool IsKeptByte(wchar_t c) { return IsKeptByte(static_cast<char32_t>(c)); }

void KeepBytes(std::string_view bytes, std::wstring& out) {
    for (const char byte : bytes) out += static_cast<wchar_t>(kKeptByteBase + static_cast<unsigned char>(byte));
}

}  // namespace

std::filesystem::path PathFromWide(std::wstring_view path) {
    std::string bytes;
    bytes.reserve(path.size());
    for (const wchar_t c : path) {
        if (IsKeptByte(c)) {
            bytes += static_cast<char>(static_cast<char32_t>(c) - kKeptByteBase);
        } else {
            bytes += narrow_string(std::wstring_view(&c, 1));
        }
    }
    return std::filesystem::path(std::move(bytes));
}

std::wstring WideFromPath(const std::filesystem::path& path) {
    const std::string& bytes = path.native();
    std::wstring out;
    out.reserve(bytes.size());
    for (std::size_t pos = 0; pos < bytes.size();) {
        char32_t decoded = 0;
        const auto byte = static_cast<unsigned char>(bytes[pos]);
        if (byte < 0x80) {
            out += static_cast<wchar_t>(byte);
            ++pos;
        } else if (const std::size_t length = decode_utf8_sequence(bytes, pos, decoded)) {
            // A character that stands for a kept byte would go back as that byte: its own
            // bytes are kept instead.
            if (IsKeptByte(decoded)) {
                KeepBytes(std::string_view(bytes).substr(pos, length), out);
            } else {
                out += static_cast<wchar_t>(decoded);
            }
            pos += length;
        } else {
            KeepBytes(std::string_view(bytes).substr(pos, 1), out);
            ++pos;
        }
    }
    return out;
}

std::wstring ShownPath(std::wstring_view path) {
    std::wstring shown(path);
    for (wchar_t& c : shown)
        if (IsKeptByte(c)) c = L'\uFFFD';
    return shown;
}

std::wstring ShownFileName(std::wstring_view path) {
    const std::size_t slash = path.find_last_of(L'/');
    return ShownPath(slash == std::wstring_view::npos ? path : path.substr(slash + 1));
}

}  // namespace varnholt
