#include "files/StdFileSystem.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace zeb {

namespace {

class StdInputFile : public InputFile {
  public:
    explicit StdInputFile(std::FILE* f) : f_(f) {}
    ~StdInputFile() override { std::fclose(f_); }
    int get() override {
        const int c = std::getc(f_);
        return c == EOF ? -1 : c;
    }
    bool atEnd() override {
        const int c = std::getc(f_);
        if (c == EOF) return true;
        std::ungetc(c, f_);
        return false;
    }

  private:
    std::FILE* f_;
};

class StdOutputFile : public OutputFile {
  public:
    StdOutputFile(int fd, std::string temp, std::string target)
        : fd_(fd), temp_(std::move(temp)), target_(std::move(target)) {}
    ~StdOutputFile() override {
        if (fd_ >= 0) {
            ::close(fd_);
            ::unlink(temp_.c_str());
        }
    }
    bool write(std::string_view text) override {
        if (failed_) return false;
        while (!text.empty()) {
            const ssize_t n = ::write(fd_, text.data(), text.size());
            if (n < 0) {
                if (errno == EINTR) continue;
                failure_ = std::strerror(errno);
                failed_ = true;
                return false;
            }
            text.remove_prefix(static_cast<std::size_t>(n));
        }
        return true;
    }
    bool close() override {
        if (fd_ < 0) return false;
        // The first failure is the one the user is told.
        const auto failedWith = [this](bool ok) {
            if (!ok && failure_.empty()) failure_ = std::strerror(errno);
            return ok;
        };
        bool ok = !failed_ && failedWith(::fsync(fd_) == 0);
        ok = failedWith(::close(fd_) == 0) && ok;
        fd_ = -1;
        if (ok) ok = failedWith(::rename(temp_.c_str(), target_.c_str()) == 0);
        if (!ok) ::unlink(temp_.c_str());
        return ok;
    }

  private:
    int fd_;
    std::string temp_;
    std::string target_;
    bool failed_ = false;
};

// The file a chain of symbolic links ends at (the name itself when it is none).
std::string followLinks(const std::string& name) {
    std::filesystem::path path(name);
    std::error_code ec;
    for (int hops = 0; hops < 40 && std::filesystem::is_symlink(path, ec); ++hops) {
        const std::filesystem::path next = std::filesystem::read_symlink(path, ec);
        if (ec) break;
        path = next.is_absolute() ? next : path.parent_path() / next;
    }
    return path.string();
}

FileError NotRegularError() {
    return {kErrNotRegularFile, "Not a regular file"};
}

bool ParentMissing(const std::string& name) {
    std::error_code ec;
    std::filesystem::path parent = std::filesystem::path(name).parent_path();
    if (parent.empty()) return false;
    return !std::filesystem::is_directory(parent, ec);
}

} // namespace

FileError StdFileSystem::fromErrno(int err, const std::string& name) {
    FileError e;
    e.description = std::strerror(err);
    switch (err) {
    case ENOENT:
    case ENOTDIR:
        e.number = ParentMissing(name) ? kErrPathNotFound : 53;
        break;
    case EACCES:
    case EPERM:
    case EROFS:
        e.number = 70;
        break;
    case EISDIR:
        e.number = 75;
        break;
    case ENOSPC:
    case EDQUOT:
        e.number = 61;
        break;
    case EMFILE:
    case ENFILE:
        e.number = 67;
        break;
    case ENAMETOOLONG:
        e.number = 52;
        break;
    default:
        e.number = 57;
        break;
    }
    return e;
}

bool StdFileSystem::exists(const std::string& name) {
    std::error_code ec;
    return !name.empty() && std::filesystem::exists(name, ec);
}

std::optional<FileError> StdFileSystem::notRegularFile(const std::string& name) {
    struct stat st {};
    if (name.empty() || ::stat(name.c_str(), &st) != 0 || S_ISREG(st.st_mode)) return std::nullopt;
    return S_ISDIR(st.st_mode) ? fromErrno(EISDIR, name) : NotRegularError();
}

std::unique_ptr<InputFile> StdFileSystem::openRead(const std::string& name, FileError& error) {
    // Without waiting: a pipe with no writer would block the open for ever.
    const int fd = ::open(name.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        error = fromErrno(errno, name);
        return nullptr;
    }
    // Only a regular file is a program: a device or a pipe may never end.
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        error = S_ISDIR(st.st_mode) ? fromErrno(EISDIR, name) : NotRegularError();
        ::close(fd);
        return nullptr;
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    std::FILE* f = ::fdopen(fd, "rb");
    if (!f) {
        error = fromErrno(errno, name);
        ::close(fd);
        return nullptr;
    }
    return std::make_unique<StdInputFile>(f);
}

std::unique_ptr<OutputFile> StdFileSystem::openWrite(const std::string& name, FileError& error) {
    // Saving through a symbolic link replaces the file it points at.
    const std::string target = followLinks(name);
    struct stat st {};
    const bool exists = ::stat(target.c_str(), &st) == 0;
    if (exists && S_ISDIR(st.st_mode)) {
        error = fromErrno(EISDIR, name);
        return nullptr;
    }
    // A device or a pipe is never replaced by a program file.
    if (exists && !S_ISREG(st.st_mode)) {
        error = NotRegularError();
        return nullptr;
    }
    // Check that the target itself could be written before going via a temporary.
    if (exists && ::access(target.c_str(), W_OK) != 0) {
        error = fromErrno(errno, name);
        return nullptr;
    }
    std::filesystem::path temp = std::filesystem::path(target).parent_path() / ".zeb-XXXXXX";
    std::string tempName = temp.string();
    const int fd = ::mkstemp(tempName.data());
    if (fd < 0) {
        error = fromErrno(errno, name);
        return nullptr;
    }
    // Keep the permissions an existing file had; a new one gets the usual ones.
    mode_t mode = 0666;
    if (exists)
        mode = st.st_mode & 07777;
    else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        mode &= ~mask;
    }
    ::fchmod(fd, mode);
    return std::make_unique<StdOutputFile>(fd, std::move(tempName), target);
}

} // namespace zeb
