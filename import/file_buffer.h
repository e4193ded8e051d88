// file_buffer.h - a whole file read into memory of its own pages, which a reader can give back
// to the system piece by piece as it finishes with them. A large schedule's text is then not
// held in full while the records it makes grow beside it.
#pragma once

#include <cstddef>
#include <filesystem>
#include <string_view>

namespace varnholt::document {

class file_buffer {
public:
    enum class status : unsigned char { read, unreadable, too_large };

    file_buffer() = default;
    file_buffer(const file_buffer&) = delete;
    file_buffer& operator=(const file_buffer&) = delete;
    ~file_buffer();

    // Reads the whole file; files beyond `max_bytes` are refused unread. Its size is only a
    // hint: what is actually read is what the buffer holds.
    [[nodiscard]] status read(const std::filesystem::path& path, std::size_t max_bytes);

    [[nodiscard]] std::string_view bytes() const { return {m_data, m_size}; }

    // Gives back the whole pages of [begin, end), a range of bytes(); their bytes must not be
    // read again. Answers where the pages given back end (`begin` when there were none), where
    // the next range may start so that no page between the two is kept.
    const char* release(const char* begin, const char* end) const;

private:
    char* m_data = nullptr;
    std::size_t m_size = 0;
    std::size_t m_mapped = 0;  // the pages reserved, a whole number of them
};

}  // namespace varnholt::document
