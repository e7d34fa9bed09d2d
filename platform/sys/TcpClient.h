#pragma once
// A non-blocking TCP client over POSIX sockets with the notifications of a
// window-system client socket: connecting, connected, bytes to read, closed by
// the peer, and errors, each run on the GUI thread (the socket is watched
// through GuiThread::WatchIo, so no thread of its own runs).
//
// It holds at most one connection. Open, Close, ReceiveBuf and the
// notifications belong to the GUI thread; SendBuf may be called from any
// thread (a link's I/O thread writes through it). Close is safe at any time,
// also inside a notification, and no notification of a closed connection
// runs afterwards. A connection that the peer closes or that fails ends by
// itself.
//
// A read notification comes when bytes wait and is not repeated until its
// handler has returned; bytes the handler leaves bring the next one.

#include "platform/sys/GuiThread.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <string>

namespace korvan::sys {

enum class TcpError { Connect, Read, Write };

class TcpClient {
public:
    explicit TcpClient(GuiThread& gui);
    // Closes an active connection.
    ~TcpClient();
    TcpClient(const TcpClient&) = delete;
    TcpClient& operator=(const TcpClient&) = delete;

    // GUI thread. The peer: a dotted IPv4 address and a port.
    void SetAddress(std::string address) { address_ = std::move(address); }
    const std::string& Address() const { return address_; }
    void SetPort(std::uint16_t port) { port_ = port; }
    std::uint16_t Port() const { return port_; }

    // GUI thread: starts connecting. OnConnecting comes first, then
    // OnConnect or OnError(Connect). False, with no notification, when a
    // connection is active already, the address is not an IPv4 address or
    // the system gives no socket.
    bool Open();
    // GUI thread: ends the connection, if any.
    void Close();
    // From Open until Close, a failure or the peer's close.
    bool IsActive() const;
    // From OnConnect until the connection ends.
    bool IsConnected() const;

    // Any thread: writes all `length` bytes (waiting a bounded time while
    // the socket is full). Returns the bytes written, or -1 when there is no
    // connection or the write failed.
    long SendBuf(const void* data, std::size_t length);
    // GUI thread: reads up to `length` bytes waiting now. Returns the count
    // (0 when nothing waits), or -1 when there is no connection or the read
    // failed.
    long ReceiveBuf(void* data, std::size_t length);
    // The peer's address while connected, else empty.
    std::string RemoteAddress() const;

    // Notifications, on the GUI thread. OnError gets the system error code
    // and may clear it; the connection has ended by then.
    std::function<void()> OnConnecting;
    std::function<void()> OnConnect;
    std::function<void()> OnRead;
    std::function<void()> OnDisconnect;
    std::function<void(TcpError kind, int& errorCode)> OnError;

private:
    struct Connection;

    using Handler = void (TcpClient::*)(Connection&, int);

    std::shared_ptr<Connection> Current() const;
    // Runs `handler` on the GUI thread later, unless the connection has
    // ended by then.
    void Post(const std::shared_ptr<Connection>& connection, Handler handler, int argument = 0);
    // Runs `handler` from a watch of the connection's socket (GUI thread).
    std::unique_ptr<IoWatch> Watch(Connection& connection, IoReady ready, Handler handler);
    void HandleConnecting(Connection& connection, int);
    // The socket became writable: the connect has ended, well or not.
    void HandleConnectDone(Connection& connection, int);
    // The connect (before OnConnect) or a read (after it) failed.
    void HandleFailed(Connection& connection, int error);
    void HandleReadable(Connection& connection, int);
    // Ends `connection`: stops its watch and closes its socket.
    void End(Connection& connection);

    GuiThread& gui_;
    std::string address_;
    std::uint16_t port_ = 0;
    mutable std::mutex currentMutex_;
    std::shared_ptr<Connection> current_;
};

} // namespace korvan::sys
