#include "platform/sys/SingleInstance.h"

#include <cctype>
#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace korvan::sys {

namespace {
constexpr char kRequest[] = "activate\n";
constexpr char kReply[] = "ok\n";

// The address of the socket at `path`. A socket address holds about a
// hundred bytes, and a user's folder may be deeper than that; such a path is
// reached through the process's own handle on its folder instead, which
// names the same file in a few bytes.
class SocketAddress {
public:
    explicit SocketAddress(const std::filesystem::path& path) {
        std::string text = path.string();
        if (text.size() >= sizeof addr_.sun_path) {
            folderFd_ = ::open(path.parent_path().c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC);
            if (folderFd_ < 0)
                return;
            text = "/proc/self/fd/" + std::to_string(folderFd_) + "/" + path.filename().string();
            if (text.size() >= sizeof addr_.sun_path)
                return;
        }
        addr_.sun_family = AF_UNIX;
        std::memcpy(addr_.sun_path, text.c_str(), text.size() + 1);
        valid_ = true;
    }
    ~SocketAddress() {
        if (folderFd_ >= 0)
            ::close(folderFd_);
    }
    SocketAddress(const SocketAddress&) = delete;
    SocketAddress& operator=(const SocketAddress&) = delete;

    bool Valid() const { return valid_; }
    const sockaddr* Get() const { return reinterpret_cast<const sockaddr*>(&addr_); }
    socklen_t Size() const { return sizeof addr_; }

private:
    sockaddr_un addr_{};
    int folderFd_ = -1;
    bool valid_ = false;
};

std::string SafeKey(const std::string& key) {
    std::string s;
    for (char c : key)
        s += (std::isalnum(static_cast<unsigned char>(c)) || c == '-' || c == '_') ? c : '_';
    return s.empty() ? "instance" : s;
}
} // namespace

// Listens on a Unix socket from the GUI thread: each connection sends one
// request line, gets the reply and is closed. Requests are small and come
// from a local process, so a connection is served in one step with a short
// bound on its read.
struct SingleInstance::Server {
    int fd = -1;
    std::unique_ptr<IoWatch> watch;
    std::function<void()> onActivate;

    ~Server() {
        watch.reset();
        if (fd >= 0)
            ::close(fd);
    }

    void Serve() {
        const int client = ::accept4(fd, nullptr, nullptr, SOCK_CLOEXEC);
        if (client < 0)
            return;
        std::string line;
        char buf[16];
        while (line.find('\n') == std::string::npos && line.size() < 64) {
            pollfd p{client, POLLIN, 0};
            if (::poll(&p, 1, 1000) <= 0)
                break;
            const ssize_t n = ::recv(client, buf, sizeof buf, 0);
            if (n <= 0)
                break;
            line.append(buf, size_t(n));
        }
        const bool asked = line == kRequest;
        if (asked)
            (void)::send(client, kReply, sizeof kReply - 1, MSG_NOSIGNAL);
        ::close(client);
        if (asked && onActivate)
            onActivate();
    }
};

SingleInstance::SingleInstance(std::string key, std::filesystem::path folder) : key_(SafeKey(key)) {
    if (folder.empty()) {
        const char* runtime = std::getenv("XDG_RUNTIME_DIR");
        folder =
            runtime && *runtime ? std::filesystem::path(runtime) : std::filesystem::temp_directory_path();
    }
    folder_ = std::move(folder);
}

SingleInstance::~SingleInstance() {
    if (server_) {
        server_.reset();
        std::error_code ec;
        std::filesystem::remove(SocketPath(), ec);
    }
    if (lockFd_ >= 0)
        ::close(lockFd_); // releases the lock
}

std::filesystem::path SingleInstance::LockPath() const {
    return folder_ / (key_ + "-" + std::to_string(::getuid()) + ".lock");
}

std::filesystem::path SingleInstance::SocketPath() const {
    return folder_ / (key_ + "-" + std::to_string(::getuid()) + ".sock");
}

bool SingleInstance::Claim(GuiThread& gui, std::function<void()> onActivate) {
    std::error_code ec;
    std::filesystem::create_directories(folder_, ec);
    const int fd = ::open(LockPath().c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd < 0)
        return true; // no lock can be taken: run rather than refuse to start
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        ::close(fd);
        return false;
    }
    lockFd_ = fd;
    // The lock is ours, so a socket file left behind belongs to a dead
    // instance.
    std::filesystem::remove(SocketPath(), ec);
    server_ = std::make_unique<Server>();
    server_->onActivate = std::move(onActivate);
    const SocketAddress addr(SocketPath());
    const int sfd = addr.Valid() ? ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0) : -1;
    if (sfd < 0)
        return true; // first instance, but not reachable by later starts
    server_->fd = sfd;
    if (::bind(sfd, addr.Get(), addr.Size()) != 0 || ::listen(sfd, 4) != 0)
        return true;
    ::chmod(SocketPath().c_str(), 0600);
    Server* s = server_.get();
    s->watch = gui.WatchIo(sfd, IoReady::Readable, [s] { s->Serve(); });
    return true;
}

bool SingleInstance::ActivateFirst(int timeoutMs) {
    const SocketAddress addr(SocketPath());
    if (!addr.Valid())
        return false;
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return false;
    bool ok = false;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    if (::connect(fd, addr.Get(), addr.Size()) == 0 &&
        ::send(fd, kRequest, sizeof kRequest - 1, MSG_NOSIGNAL) == ssize_t(sizeof kRequest - 1)) {
        std::string reply;
        char buf[16];
        while (reply.find('\n') == std::string::npos) {
            const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
                deadline - std::chrono::steady_clock::now());
            if (left.count() <= 0)
                break;
            pollfd p{fd, POLLIN, 0};
            const int r = ::poll(&p, 1, int(left.count()));
            if (r < 0 && errno == EINTR)
                continue;
            if (r <= 0)
                break;
            const ssize_t n = ::recv(fd, buf, sizeof buf, 0);
            if (n <= 0)
                break;
            reply.append(buf, size_t(n));
            if (reply.size() > 64)
                break;
        }
        ok = reply == kReply;
    }
    ::close(fd);
    return ok;
}

} // namespace korvan::sys
