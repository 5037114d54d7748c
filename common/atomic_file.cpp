#include "common/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <system_error>
#include <vector>

namespace calorix {

namespace {

// write() may take fewer bytes than offered or be interrupted; a full disk or
// a size limit shows as an error return.
bool Write_All(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

mode_t New_File_Mode() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

// The rename is only durable once the folder's entry is on the disk too.  A
// folder that cannot be synced does not undo the save, so this is best effort.
void Sync_Folder(const std::filesystem::path& folder) {
    const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

}  // namespace

bool Replace_File_Contents(const std::string& path, std::string_view bytes) {
    std::error_code ec;
    std::filesystem::path target(path);
    // Saving through a link replaces the file it names, not the link.
    if (std::filesystem::is_symlink(target, ec)) {
        target = std::filesystem::weakly_canonical(target, ec);
        if (ec) {
            return false;
        }
    }
    struct stat old_file {};
    const bool exists = ::stat(target.c_str(), &old_file) == 0;
    if (exists && (!S_ISREG(old_file.st_mode) || ::access(target.c_str(), W_OK) != 0)) {
        // A folder or a device is not a file to replace, and a file the user
        // may not write stays as it is, as it would when written in place.
        return false;
    }

    const std::filesystem::path folder = target.parent_path();
    std::string pattern = (folder / ("." + target.filename().string() + ".XXXXXX")).string();
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    const int fd = ::mkstemp(name.data());
    if (fd < 0) {
        return false;
    }
    const mode_t mode = exists ? (old_file.st_mode & 07777) : New_File_Mode();
    bool ok = ::fchmod(fd, mode) == 0 && Write_All(fd, bytes) && ::fsync(fd) == 0;
    ok = ::close(fd) == 0 && ok;
    ok = ok && ::rename(name.data(), target.c_str()) == 0;
    if (!ok) {
        ::unlink(name.data());
        return false;
    }
    Sync_Folder(folder);
    return true;
}

}  // namespace calorix
