// path_text.cpp - kept bytes stand in the private-use plane, at U+100000 + the byte.

#include "platform/path_text.h"

#include "model/text_utils.h"

namespace varnholt {
namespace {

constexpr char32_t kKeptByteBase = 0x100000;

bool IsKeptByte(wchar_t c) {
    const auto u = static_cast<char32_t>(c);
    return u >= kKeptByteBase + 0x80 && u <= kKeptByteBase + 0xFF;
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
            out += static_cast<wchar_t>(decoded);
            pos += length;
        } else {
            out += static_cast<wchar_t>(kKeptByteBase + byte);
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

}  // namespace varnholt
