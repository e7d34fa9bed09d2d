#include "platform/sys/FileIo.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace korvan::sys {

namespace {

// Owns a POSIX descriptor.
class Fd {
public:
    explicit Fd(int fd) : fd_(fd) {}
    ~Fd() {
        if (fd_ >= 0)
            ::close(fd_);
    }
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    int Get() const { return fd_; }
    bool Close() {
        const int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0;
    }

private:
    int fd_;
};

bool WriteAll(int fd, std::span<const std::uint8_t> data) {
    while (!data.empty()) {
        const ssize_t n = ::write(fd, data.data(), data.size());
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        data = data.subspan(static_cast<std::size_t>(n));
    }
    return true;
}

// Creates a fresh file next to path; -1 when none can be created.
int CreateTemporary(const std::string& path, std::string& tempPath) {
    for (int attempt = 0; attempt < 100; ++attempt) {
        tempPath = path + ".tmp" + std::to_string(::getpid()) + "-" + std::to_string(attempt);
        const int fd = ::open(tempPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

} // namespace

std::optional<std::vector<std::uint8_t>> ReadFileBytes(const std::string& path, std::size_t maxBytes) {
    // Without O_NONBLOCK, opening a FIFO waits for a writer (and a serial
    // device for its carrier): only a regular file is read, and the open
    // never waits to find out.
    Fd fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    if (fd.Get() < 0)
        return std::nullopt;
    struct stat info {};
    if (::fstat(fd.Get(), &info) != 0 || !S_ISREG(info.st_mode))
        return std::nullopt;
    // Sized by the file (one byte more shows a file that grew), not by the
    // limit, which may be far larger than any file read.
    const std::size_t size = static_cast<std::size_t>(std::max<off_t>(info.st_size, 0));
    std::vector<std::uint8_t> data(std::min(maxBytes, size < maxBytes ? size + 1 : maxBytes));
    std::size_t got = 0;
    while (got < maxBytes) {
        if (got == data.size())
            data.resize(std::min(maxBytes, std::max<std::size_t>(data.size() * 2, 4096)));
        const ssize_t n = ::read(fd.Get(), data.data() + got, data.size() - got);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return std::nullopt;
        if (n == 0)
            break;
        got += static_cast<std::size_t>(n);
    }
    data.resize(got);
    return data;
}

bool WriteFileReplacing(const std::string& path, std::span<const std::uint8_t> data) {
    std::string tempPath;
    Fd fd(CreateTemporary(path, tempPath));
    if (fd.Get() < 0)
        return false;
    const bool written = WriteAll(fd.Get(), data) && ::fsync(fd.Get()) == 0;
    if (fd.Close() && written && ::rename(tempPath.c_str(), path.c_str()) == 0)
        return true;
    ::unlink(tempPath.c_str());
    return false;
}

bool AppendToFile(const std::string& path, std::span<const std::uint8_t> data) {
    Fd fd(::open(path.c_str(), O_WRONLY | O_APPEND | O_CLOEXEC | O_NONBLOCK));
    struct stat info {};
    if (fd.Get() < 0 || ::fstat(fd.Get(), &info) != 0 || !S_ISREG(info.st_mode))
        return false;
    return WriteAll(fd.Get(), data) && fd.Close();
}

bool CreateEmptyFile(const std::string& path) {
    Fd fd(::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC | O_NONBLOCK, 0666));
    return fd.Get() >= 0 && fd.Close();
}

} // namespace korvan::sys
