#include "platform/FileIo.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <string>
#include <unistd.h>

namespace hx {
namespace {

Error SystemError(const std::string& what, const std::filesystem::path& path, int code) {
    return Error{what + " " + path.string() + ": " + std::strerror(code)};
}

// Closes the descriptor and removes the temporary file unless the rename happened.
class TempFile {
public:
    explicit TempFile(std::string path) : path_(std::move(path)) {}
    ~TempFile() {
        if (fd_ >= 0)
            ::close(fd_);
        if (!committed_)
            ::unlink(path_.c_str());
    }
    TempFile(const TempFile&) = delete;
    TempFile& operator=(const TempFile&) = delete;

    bool Create() {
        fd_ = ::mkstemp(path_.data());
        return fd_ >= 0;
    }
    int fd() const { return fd_; }
    const std::string& path() const { return path_; }
    int Close() {
        const int rc = ::close(fd_);
        fd_ = -1;
        return rc;
    }
    void Commit() { committed_ = true; }

private:
    std::string path_;
    int fd_ = -1;
    bool committed_ = false;
};

bool WriteAll(int fd, std::span<const std::uint8_t> data) {
    std::size_t done = 0;
    while (done < data.size()) {
        const ssize_t n = ::write(fd, data.data() + done, data.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += static_cast<std::size_t>(n);
    }
    return true;
}

// Fills a new temporary file beside `path` with the parts and flushes it to disk; the caller
// moves it into place.
Status WriteTempFile(TempFile& temp, const std::filesystem::path& path,
                     std::initializer_list<std::span<const std::uint8_t>> parts) {
    if (!temp.Create())
        return SystemError("cannot create a temporary file for", path, errno);
    for (const auto& part : parts) {
        if (!WriteAll(temp.fd(), part))
            return SystemError("cannot write", path, errno ? errno : EIO);
    }
    // mkstemp creates the file 0600; a data file is as readable as any other the user saves.
    const mode_t mask = ::umask(0);
    ::umask(mask);
    ::fchmod(temp.fd(), 0666 & ~mask);
    if (::fsync(temp.fd()) != 0)
        return SystemError("cannot flush", path, errno);
    if (temp.Close() != 0)
        return SystemError("cannot close", path, errno);
    return Status::Ok();
}

// rename(2) that never replaces; 0 or the errno. File systems without the no-replace flag get a
// hard link instead, which cannot replace either.
int MoveWithoutReplacing(const char* from, const char* to) {
    if (::renameat2(AT_FDCWD, from, AT_FDCWD, to, RENAME_NOREPLACE) == 0)
        return 0;
    if (errno != EINVAL && errno != ENOSYS && errno != ENOTSUP)
        return errno;
    if (::link(from, to) != 0)
        return errno;
    ::unlink(from);
    return 0;
}

} // namespace

Status WriteFileAtomically(const std::filesystem::path& path,
                           std::initializer_list<std::span<const std::uint8_t>> parts) {
    TempFile temp(path.string() + ".XXXXXX");
    if (Status written = WriteTempFile(temp, path, parts); !written)
        return written;
    if (::rename(temp.path().c_str(), path.c_str()) != 0)
        return SystemError("cannot replace", path, errno);
    temp.Commit();
    return Status::Ok();
}

Status CreateFileAtomically(const std::filesystem::path& path,
                            std::initializer_list<std::span<const std::uint8_t>> parts) {
    TempFile temp(path.string() + ".XXXXXX");
    if (Status written = WriteTempFile(temp, path, parts); !written)
        return written;
    if (const int code = MoveWithoutReplacing(temp.path().c_str(), path.c_str()); code != 0)
        return SystemError("cannot create", path, code);
    temp.Commit();
    return Status::Ok();
}

Status RenameWithoutReplacing(const std::filesystem::path& from, const std::filesystem::path& to) {
    if (const int code = MoveWithoutReplacing(from.c_str(), to.c_str()); code != 0)
        return Error{"cannot rename " + from.string() + " to " + to.string() + ": " +
                     std::strerror(code)};
    return Status::Ok();
}

Result<FileContents> ReadFileUpTo(const std::filesystem::path& path, std::size_t limit) {
    FileContents contents;
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        if (errno == ENOENT)
            return contents;
        return SystemError("cannot open", path, errno);
    }
    contents.exists = true;
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        const int code = S_ISDIR(info.st_mode) ? EISDIR : errno;
        ::close(fd);
        return SystemError("cannot read", path, code ? code : EINVAL);
    }
    contents.size = static_cast<std::uintmax_t>(info.st_size);
    contents.bytes.resize(limit);
    std::size_t done = 0;
    while (done < limit) {
        const ssize_t n = ::read(fd, contents.bytes.data() + done, limit - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            const int code = errno;
            ::close(fd);
            return SystemError("cannot read", path, code);
        }
        if (n == 0)
            break;
        done += static_cast<std::size_t>(n);
    }
    ::close(fd);
    contents.bytes.resize(done);
    return contents;
}

Status CopyFileAtomically(const std::filesystem::path& from, const std::filesystem::path& to) {
    TempFile temp(to.string() + ".XXXXXX");
    if (!temp.Create())
        return SystemError("cannot create a temporary file for", to, errno);
    temp.Close();
    std::error_code ec;
    std::filesystem::copy_file(from, temp.path(), std::filesystem::copy_options::overwrite_existing,
                               ec);
    if (ec)
        return Error{"cannot copy " + from.string() + " to " + to.string() + ": " + ec.message()};
    if (::rename(temp.path().c_str(), to.c_str()) != 0)
        return SystemError("cannot replace", to, errno);
    temp.Commit();
    return Status::Ok();
}

} // namespace hx
