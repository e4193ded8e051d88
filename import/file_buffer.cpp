// file_buffer.cpp - the buffer is an anonymous private mapping: a read into it fills only the
// pages the file covers, and released pages go back to the system at once, unlike freed heap
// memory. The file itself is not mapped, so a file cut short while it is read cannot fault.

#include "import/file_buffer.h"

#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>
#include <fstream>
#include <system_error>

namespace varnholt::document {

namespace {

std::size_t page_size() {
    static const std::size_t size = static_cast<std::size_t>(sysconf(_SC_PAGESIZE));
    return size;
}

}  // namespace

file_buffer::~file_buffer() {
    if (m_data != nullptr) munmap(m_data, m_mapped);
}

file_buffer::status file_buffer::read(const std::filesystem::path& path, std::size_t max_bytes) {
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(path, error);  // regular files only
    if (error) return status::unreadable;
    if (size > max_bytes) return status::too_large;
    std::ifstream in(path, std::ios::binary);
    if (!in) return status::unreadable;
    if (size == 0) return status::read;
    const std::size_t page = page_size();
    const std::size_t mapped = (static_cast<std::size_t>(size) + page - 1) / page * page;
    void* data = mmap(nullptr, mapped, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (data == MAP_FAILED) return status::too_large;
    if (m_data != nullptr) munmap(m_data, m_mapped);
    m_data = static_cast<char*>(data);
    m_mapped = mapped;
    in.read(m_data, static_cast<std::streamsize>(size));
    if (in.bad()) {
        m_size = 0;
        return status::unreadable;
    }
    m_size = static_cast<std::size_t>(in.gcount());
    return status::read;
}

const char* file_buffer::release(const char* begin, const char* end) const {
    if (m_data == nullptr || begin < m_data || end > m_data + m_size || begin >= end) return begin;
    const std::size_t page = page_size();
    const std::size_t first = (static_cast<std::size_t>(begin - m_data) + page - 1) / page * page;
    const std::size_t last = static_cast<std::size_t>(end - m_data) / page * page;
    if (first >= last) return begin;
    madvise(m_data + first, last - first, MADV_DONTNEED);
    return m_data + last;
}

}  // namespace varnholt::document
