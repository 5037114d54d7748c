#include "common/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <system_error>
#include <vector>

namespace calorix {

namespace {

bool temporary_files_fail = false;

// write() may take fewer bytes than offered or be interrupted; a full disk or
// a size limit shows as an error return.  written counts what reached the
// file, so that a failed rewrite knows how much to put back.
bool Write_All(int fd, std::string_view bytes, std::size_t& written) {
    written = 0;
    while (written < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + written, bytes.size() - written);
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        written += static_cast<std::size_t>(n);
    }
    return true;
}

bool Write_All(int fd, std::string_view bytes) {
    std::size_t written = 0;
    return Write_All(fd, bytes, written);
}

bool Read_All(int fd, std::string& bytes) {
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n == 0) {
            return true;
        }
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        bytes.append(buffer, static_cast<std::size_t>(n));
    }
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

enum class Outcome { Done, Failed, No_Temporary };

// The temporary takes the old file's mode and, where the process may give
// it, its owner and group (root may; a user only for a file of their own
// whose group they belong to).  When the owner cannot be kept the file is
// rewritten in place instead.
bool Take_Over_Mode_And_Owner(int fd, const struct stat* old_file) {
    if (old_file == nullptr) {
        return ::fchmod(fd, New_File_Mode()) == 0;
    }
    struct stat temporary {};
    if (::fstat(fd, &temporary) != 0) {
        return false;
    }
    if ((temporary.st_uid != old_file->st_uid || temporary.st_gid != old_file->st_gid) &&
        ::fchown(fd, old_file->st_uid, old_file->st_gid) != 0) {
        return false;
    }
    // After the owner: a change of owner clears the set-id bits.
    return ::fchmod(fd, old_file->st_mode & 07777) == 0;
}

Outcome Replace_Through_Temporary(const std::filesystem::path& target, const struct stat* old_file,
                                  std::string_view bytes) {
    const std::filesystem::path folder = target.parent_path();
    const std::string pattern = (folder / ("." + target.filename().string() + ".XXXXXX")).string();
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    const int fd = temporary_files_fail ? -1 : ::mkstemp(name.data());
    if (fd < 0) {
        return Outcome::No_Temporary;
    }
    if (!Take_Over_Mode_And_Owner(fd, old_file)) {
        ::close(fd);
        ::unlink(name.data());
        return Outcome::No_Temporary;
    }
    bool ok = Write_All(fd, bytes) && ::fsync(fd) == 0;
    ok = ::close(fd) == 0 && ok;
    ok = ok && ::rename(name.data(), target.c_str()) == 0;
    if (!ok) {
        ::unlink(name.data());
        return Outcome::Failed;
    }
    Sync_Folder(folder);
    return Outcome::Done;
}

// A file that did not exist is made whole or removed again.
bool Create_In_Place(const std::filesystem::path& target, std::string_view bytes) {
    const int fd = ::open(target.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0) {
        return false;
    }
    bool ok = Write_All(fd, bytes) && ::fsync(fd) == 0;
    ok = ::close(fd) == 0 && ok;
    if (!ok) {
        ::unlink(target.c_str());
    }
    return ok;
}

// The new bytes go over the old ones from the start and the file is then cut
// to their length; nothing is truncated before the write.  When any of it
// fails, the bytes already overwritten and the old length are put back: on a
// full disk those blocks are still the file's own.
bool Rewrite_In_Place(const std::filesystem::path& target, std::string_view bytes) {
    const int fd = ::open(target.c_str(), O_RDWR | O_CLOEXEC);
    if (fd < 0) {
        return false;
    }
    std::string old;
    if (!Read_All(fd, old) || ::lseek(fd, 0, SEEK_SET) != 0) {
        ::close(fd);
        return false;
    }
    std::size_t written = 0;
    struct stat now {};
    bool ok = Write_All(fd, bytes, written) &&
              ::ftruncate(fd, static_cast<off_t>(bytes.size())) == 0 && ::fsync(fd) == 0 &&
              ::fstat(fd, &now) == 0 && static_cast<std::size_t>(now.st_size) == bytes.size();
    if (!ok) {
        const std::size_t touched = std::min(written, old.size());
        std::size_t ignored = 0;
        if (::lseek(fd, 0, SEEK_SET) == 0) {
            Write_All(fd, std::string_view(old).substr(0, touched), ignored);
        }
        if (::ftruncate(fd, static_cast<off_t>(old.size())) == 0) {
            ::fsync(fd);
        }
    }
    return ::close(fd) == 0 && ok;
}

}  // namespace

void Fail_Temporary_Files_For_Testing(bool fail) {
    temporary_files_fail = fail;
}

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
    // A rename would leave the other names of a hard-linked file behind.
    if (!exists || old_file.st_nlink <= 1) {
        switch (Replace_Through_Temporary(target, exists ? &old_file : nullptr, bytes)) {
            case Outcome::Done:
                return true;
            case Outcome::Failed:
                return false;
            case Outcome::No_Temporary:
                break;
        }
    }
    return exists ? Rewrite_In_Place(target, bytes) : Create_In_Place(target, bytes);
}

}  // namespace calorix
