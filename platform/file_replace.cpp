// file_replace.cpp - write beside, flush, rename over: the POSIX way to replace a file whole.

#include "platform/file_replace.h"

#include <cerrno>
#include <fcntl.h>
#include <string>
#include <unistd.h>

namespace varnholt {

namespace {

bool WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) continue;
            return false;  // a full disk lands here
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

// Makes the rename itself durable. Best effort: some file systems refuse to sync a folder, and
// the file's contents are already safe by then.
void SyncFolder(const std::filesystem::path& folder) {
    const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    (void)::fsync(fd);
    (void)::close(fd);
}

}  // namespace

bool ReplaceFileContents(const std::filesystem::path& target, std::string_view bytes) {
    // The new file must lie in the target's folder: a rename across file systems is no rename.
    std::string temp_name = target.native() + ".XXXXXX";
    const int fd = ::mkostemp(temp_name.data(), O_CLOEXEC);
    if (fd < 0) return false;
    // fsync before the rename: otherwise a crash can leave the new name pointing at no data.
    bool ok = WriteAll(fd, bytes) && ::fsync(fd) == 0;
    ok = (::close(fd) == 0) && ok;
    if (ok) ok = ::rename(temp_name.c_str(), target.c_str()) == 0;
    if (!ok) {
        (void)::unlink(temp_name.c_str());
        return false;
    }
    SyncFolder(target.parent_path());
    return true;
}

}  // namespace varnholt
