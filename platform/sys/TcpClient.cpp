#include "platform/sys/TcpClient.h"

#include <arpa/inet.h>
#include <atomic>
#include <cerrno>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
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
    ~Connection() {
        if (fd >= 0)
            ::close(fd);
    }

    // Guards `fd` against a close while another thread writes.
    std::mutex ioMutex;
    int fd = -1;
    std::atomic<bool> connected{false};
    // GUI thread only: the client while the connection lasts, and the watch
    // on the socket (writable while connecting, readable after).
    TcpClient* client = nullptr;
    std::unique_ptr<IoWatch> watch;
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
    auto connection = std::make_shared<Connection>();
    connection->fd = ::socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (connection->fd < 0)
        return false;
    // Frames are small and each waits for its reply: send them at once.
    int one = 1;
    ::setsockopt(connection->fd, IPPROTO_TCP, TCP_NODELAY, &one, sizeof one);

    connection->client = this;
    {
        std::lock_guard lock(currentMutex_);
        current_ = connection;
    }
    // OnConnecting comes first; the watch for the connect's end starts once
    // it has run.
    Post(connection, &TcpClient::HandleConnecting);
    if (::connect(connection->fd, reinterpret_cast<const sockaddr*>(&peer), sizeof peer) != 0 &&
        errno != EINPROGRESS)
        Post(connection, &TcpClient::HandleFailed, errno);
    return true;
}

void TcpClient::Close() {
    if (const auto connection = Current())
        End(*connection);
}

void TcpClient::End(Connection& connection) {
    connection.client = nullptr;
    connection.watch.reset();
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
    gui_.Post([connection, handler, argument] {
        if (TcpClient* client = connection->client)
            (client->*handler)(*connection, argument);
    });
}

std::unique_ptr<IoWatch> TcpClient::Watch(Connection& connection, IoReady ready, Handler handler) {
    // The watch belongs to the connection, so the connection outlives it.
    return gui_.WatchIo(connection.fd, ready, [c = &connection, handler] {
        if (TcpClient* client = c->client)
            (client->*handler)(*c, 0);
    });
}

void TcpClient::HandleConnecting(Connection& connection, int) {
    if (OnConnecting)
        OnConnecting();
    // The handler may have closed the connection.
    if (connection.client == this && !connection.watch)
        connection.watch = Watch(connection, IoReady::Writable, &TcpClient::HandleConnectDone);
}

void TcpClient::HandleConnectDone(Connection& connection, int) {
    int error = 0;
    socklen_t size = sizeof error;
    if (::getsockopt(connection.fd, SOL_SOCKET, SO_ERROR, &error, &size) != 0)
        error = errno;
    if (error != 0) {
        HandleFailed(connection, error);
        return;
    }
    connection.connected = true;
    connection.watch = Watch(connection, IoReady::Readable, &TcpClient::HandleReadable);
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
    // Bytes wait, or the peer closed, or the socket failed: find out which.
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
