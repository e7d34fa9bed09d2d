#include "platform/sys/TcpClient.h"

#include <arpa/inet.h>
#include <atomic>
#include <cerrno>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/eventfd.h>
#include <sys/socket.h>
#include <system_error>
#include <thread>
#include <unistd.h>

namespace korvan::sys {

namespace {

// How long a write waits for room in a full socket before it gives up.
constexpr int SendWaitMs = 1000;

bool WouldBlock(int error) {
    return error == EAGAIN || error == EWOULDBLOCK || error == EINTR;
}

} // namespace

struct TcpClient::Connection {
    explicit Connection(GuiThread& thread) : gui(thread) {}
    ~Connection() {
        if (fd >= 0)
            ::close(fd);
        if (wakeFd >= 0)
            ::close(wakeFd);
    }

    void Wake() {
        std::uint64_t one = 1;
        [[maybe_unused]] auto written = ::write(wakeFd, &one, sizeof one);
    }

    GuiThread& gui;
    // Guards `fd` against a close while another thread writes.
    std::mutex ioMutex;
    int fd = -1;
    int wakeFd = -1;
    std::atomic<bool> quit{false};
    // The watcher looks for bytes only while no read notification is out.
    std::atomic<bool> readArmed{true};
    std::atomic<bool> connected{false};
    // GUI thread only: the client while the connection lasts.
    TcpClient* client = nullptr;
    std::thread watcher;
};

TcpClient::TcpClient(GuiThread& gui) : gui_(gui) {}

TcpClient::~TcpClient() {
    Close();
}

std::shared_ptr<TcpClient::Connection> TcpClient::Current() const {
    std::lock_guard lock(currentMutex_);
    return current_;
}

bool TcpClient::IsActive() const {
    return Current() != nullptr;
}

bool TcpClient::IsConnected() const {
    const auto connection = Current();
    return connection && connection->connected;
}

bool TcpClient::Open() {
    if (Current())
        return false;
    sockaddr_in peer{};
    peer.sin_family = AF_INET;
    peer.sin_port = htons(port_);
    if (::inet_pton(AF_INET, address_.c_str(), &peer.sin_addr) != 1)
        return false;
    auto connection = std::make_shared<Connection>(gui_);
    connection->fd = ::socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    connection->wakeFd = ::eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC);
    if (connection->fd < 0 || connection->wakeFd < 0)
        return false;
    // Frames are small and each waits for its reply: send them at once.
    int one = 1;
    ::setsockopt(connection->fd, IPPROTO_TCP, TCP_NODELAY, &one, sizeof one);

    connection->client = this;
    {
        std::lock_guard lock(currentMutex_);
        current_ = connection;
    }
    Post(connection, &TcpClient::HandleConnecting);
    if (::connect(connection->fd, reinterpret_cast<const sockaddr*>(&peer), sizeof peer) != 0 &&
        errno != EINPROGRESS) {
        Post(connection, &TcpClient::HandleFailed, errno);
        return true;
    }
    try {
        connection->watcher = std::thread([connection] { Watch(connection); });
    } catch (const std::system_error&) {
        End(*connection);
        return false;
    }
    return true;
}

void TcpClient::Close() {
    if (const auto connection = Current())
        End(*connection);
}

void TcpClient::End(Connection& connection) {
    connection.client = nullptr;
    connection.quit = true;
    connection.Wake();
    if (connection.watcher.joinable())
        connection.watcher.join();
    {
        std::lock_guard lock(connection.ioMutex);
        connection.connected = false;
        if (connection.fd >= 0) {
            ::close(connection.fd);
            connection.fd = -1;
        }
    }
    std::lock_guard lock(currentMutex_);
    if (current_.get() == &connection)
        current_.reset();
}

void TcpClient::Post(const std::shared_ptr<Connection>& connection, Handler handler, int argument) {
    connection->gui.Post([connection, handler, argument] {
        if (TcpClient* client = connection->client)
            (client->*handler)(*connection, argument);
    });
}

void TcpClient::Watch(const std::shared_ptr<Connection>& connection) {
    Connection& c = *connection;
    bool connecting = true;
    while (!c.quit) {
        pollfd fds[2] = {{c.wakeFd, POLLIN, 0}, {c.fd, 0, 0}};
        nfds_t count = 1;
        if (connecting) {
            fds[1].events = POLLOUT;
            count = 2;
        } else if (c.readArmed) {
            fds[1].events = POLLIN | POLLRDHUP;
            count = 2;
        }
        if (::poll(fds, count, -1) < 0) {
            if (errno == EINTR)
                continue;
            Post(connection, &TcpClient::HandleFailed, errno);
            return;
        }
        if (fds[0].revents != 0) {
            std::uint64_t value;
            [[maybe_unused]] auto got = ::read(c.wakeFd, &value, sizeof value);
        }
        if (c.quit || count < 2 || fds[1].revents == 0)
            continue;
        if (connecting) {
            int error = 0;
            socklen_t size = sizeof error;
            if (::getsockopt(c.fd, SOL_SOCKET, SO_ERROR, &error, &size) != 0)
                error = errno;
            if (error != 0) {
                Post(connection, &TcpClient::HandleFailed, error);
                return;
            }
            connecting = false;
            c.connected = true;
            Post(connection, &TcpClient::HandleConnected);
            continue;
        }
        // Bytes wait, or the peer closed, or the socket failed: the GUI
        // thread finds out which.
        c.readArmed = false;
        Post(connection, &TcpClient::HandleReadable);
    }
}

void TcpClient::HandleConnecting(Connection&, int) {
    if (OnConnecting)
        OnConnecting();
}

void TcpClient::HandleConnected(Connection&, int) {
    if (OnConnect)
        OnConnect();
}

void TcpClient::HandleFailed(Connection& connection, int error) {
    const TcpError kind = connection.connected ? TcpError::Read : TcpError::Connect;
    End(connection);
    if (OnError)
        OnError(kind, error);
}

void TcpClient::HandleReadable(Connection& connection, int) {
    std::uint8_t probe;
    ssize_t n;
    int error = 0;
    {
        std::lock_guard lock(connection.ioMutex);
        n = connection.fd >= 0 ? ::recv(connection.fd, &probe, 1, MSG_PEEK | MSG_DONTWAIT) : -1;
        error = n < 0 ? errno : 0;
    }
    if (n == 0) {
        End(connection);
        if (OnDisconnect)
            OnDisconnect();
        return;
    }
    if (n < 0 && !WouldBlock(error)) {
        HandleFailed(connection, error);
        return;
    }
    if (n > 0) {
        if (OnRead) {
            OnRead();
        } else {
            std::uint8_t discard[256];
            while (ReceiveBuf(discard, sizeof discard) > 0) {
            }
        }
    }
    // The handler may have closed the connection.
    if (connection.client == this) {
        connection.readArmed = true;
        connection.Wake();
    }
}

long TcpClient::SendBuf(const void* data, std::size_t length) {
    const auto connection = Current();
    if (!connection || !connection->connected || (data == nullptr && length > 0))
        return -1;
    std::lock_guard lock(connection->ioMutex);
    if (connection->fd < 0)
        return -1;
    const auto* bytes = static_cast<const std::uint8_t*>(data);
    std::size_t done = 0;
    while (done < length) {
        const ssize_t n = ::send(connection->fd, bytes + done, length - done, MSG_NOSIGNAL | MSG_DONTWAIT);
        if (n > 0) {
            done += static_cast<std::size_t>(n);
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0 && WouldBlock(errno)) {
            pollfd p{connection->fd, POLLOUT, 0};
            if (::poll(&p, 1, SendWaitMs) > 0)
                continue;
        }
        return -1;
    }
    return static_cast<long>(done);
}

long TcpClient::ReceiveBuf(void* data, std::size_t length) {
    const auto connection = Current();
    if (!connection || !connection->connected || data == nullptr)
        return -1;
    std::lock_guard lock(connection->ioMutex);
    if (connection->fd < 0)
        return -1;
    const ssize_t n = ::recv(connection->fd, data, length, MSG_DONTWAIT);
    if (n >= 0)
        return static_cast<long>(n);
    return WouldBlock(errno) ? 0 : -1;
}

std::string TcpClient::RemoteAddress() const {
    const auto connection = Current();
    if (!connection || !connection->connected)
        return {};
    std::lock_guard lock(connection->ioMutex);
    sockaddr_in peer{};
    socklen_t size = sizeof peer;
    char text[INET_ADDRSTRLEN] = {};
    if (connection->fd < 0 || ::getpeername(connection->fd, reinterpret_cast<sockaddr*>(&peer), &size) != 0 ||
        ::inet_ntop(AF_INET, &peer.sin_addr, text, sizeof text) == nullptr)
        return {};
    return text;
}

} // namespace korvan::sys
