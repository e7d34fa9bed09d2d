// The TCP client against a listening socket of the test's own on 127.0.0.1;
// every notification is run by the test's GUI loop.

#include "platform/sys/TcpClient.h"
#include "platform/sys/FakeGuiLoop.h"

#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <atomic>
#include <netinet/in.h>
#include <poll.h>
#include <string>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>
#include <vector>

using korvan::sys::FakeGuiLoop;
using korvan::sys::TcpClient;
using korvan::sys::TcpError;

namespace {

// A listening socket on 127.0.0.1 and the one connection it accepted.
class LoopbackServer {
public:
    explicit LoopbackServer(bool listening = true) {
        listen_ = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t size = sizeof address;
        EXPECT_EQ(::bind(listen_, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
        if (listening) {
            EXPECT_EQ(::listen(listen_, 2), 0);
        }
        ::getsockname(listen_, reinterpret_cast<sockaddr*>(&address), &size);
        port_ = ntohs(address.sin_port);
    }
    ~LoopbackServer() {
        CloseConnection();
        ::close(listen_);
    }
    std::uint16_t Port() const { return port_; }
    bool Accept() {
        pollfd p{listen_, POLLIN, 0};
        if (::poll(&p, 1, 5000) <= 0)
            return false;
        conn_ = ::accept4(listen_, nullptr, nullptr, SOCK_CLOEXEC);
        return conn_ >= 0;
    }
    void Send(const std::string& text) {
        ASSERT_EQ(::send(conn_, text.data(), text.size(), MSG_NOSIGNAL), long(text.size()));
    }
    // Reads until `count` bytes came or the peer closed (5 s at most).
    std::string Receive(std::size_t count) {
        std::string text;
        char buffer[256];
        while (text.size() < count) {
            pollfd p{conn_, POLLIN, 0};
            if (::poll(&p, 1, 5000) <= 0)
                break;
            const ssize_t n = ::recv(conn_, buffer, sizeof buffer, 0);
            if (n <= 0)
                break;
            text.append(buffer, static_cast<std::size_t>(n));
        }
        return text;
    }
    // Whether the client closed its end (5 s at most).
    bool PeerClosed() {
        char buffer[64];
        for (;;) {
            pollfd p{conn_, POLLIN, 0};
            if (::poll(&p, 1, 5000) <= 0)
                return false;
            const ssize_t n = ::recv(conn_, buffer, sizeof buffer, 0);
            if (n <= 0)
                return true;
        }
    }
    void CloseConnection() {
        if (conn_ >= 0)
            ::close(conn_);
        conn_ = -1;
    }

private:
    int listen_ = -1;
    int conn_ = -1;
    std::uint16_t port_ = 0;
};

struct TcpFixture : ::testing::Test {
    FakeGuiLoop gui;
    LoopbackServer server;
    TcpClient client{gui};
    std::vector<std::string> events;
    std::string received;

    void SetUp() override {
        client.SetAddress("127.0.0.1");
        client.SetPort(server.Port());
        client.OnConnecting = [this] { events.push_back("connecting"); };
        client.OnConnect = [this] { events.push_back("connect"); };
        client.OnDisconnect = [this] { events.push_back("disconnect"); };
        client.OnError = [this](TcpError kind, int& code) {
            events.push_back("error " + std::to_string(static_cast<int>(kind)) + " " + std::to_string(code));
            code = 0;
        };
        client.OnRead = [this] {
            char buffer[100];
            const long n = client.ReceiveBuf(buffer, sizeof buffer);
            if (n > 0)
                received.append(buffer, static_cast<std::size_t>(n));
        };
    }
    void Connect() {
        ASSERT_TRUE(client.Open());
        ASSERT_TRUE(server.Accept());
        ASSERT_TRUE(gui.RunUntil(
            [&] { return client.IsConnected() && !events.empty() && events.back() == "connect"; }));
    }
};

TEST_F(TcpFixture, ConnectsReadsWritesAndEndsWhenThePeerCloses) {
    Connect();
    EXPECT_EQ(events, (std::vector<std::string>{"connecting", "connect"}));
    EXPECT_EQ(client.RemoteAddress(), "127.0.0.1");

    server.Send("hello");
    ASSERT_TRUE(gui.RunUntil([&] { return received == "hello"; }));

    // Writes come from another thread, as a link's I/O thread makes them.
    long sent = 0;
    std::thread writer([&] { sent = client.SendBuf("frame", 5); });
    writer.join();
    EXPECT_EQ(sent, 5);
    EXPECT_EQ(server.Receive(5), "frame");

    // Bytes sent just before the close are still read, then the end is seen.
    server.Send("bye");
    server.CloseConnection();
    ASSERT_TRUE(gui.RunUntil([&] { return !client.IsActive(); }));
    EXPECT_EQ(received, "hellobye");
    EXPECT_EQ(events.back(), "disconnect");
    EXPECT_EQ(client.SendBuf("x", 1), -1);
    EXPECT_EQ(client.RemoteAddress(), "");

    // The client is free for the next connection.
    Connect();
}

TEST_F(TcpFixture, RefusedConnectIsAConnectErrorAndEndsTheConnection) {
    LoopbackServer closed(false); // bound, never listening: the connect is refused
    client.SetPort(closed.Port());
    ASSERT_TRUE(client.Open());
    EXPECT_TRUE(client.IsActive());
    ASSERT_TRUE(gui.RunUntil([&] { return !client.IsActive() && events.size() == 2; }));
    EXPECT_EQ(events, (std::vector<std::string>{"connecting", "error 0 " + std::to_string(ECONNREFUSED)}));
    EXPECT_FALSE(client.IsConnected());
}

TEST_F(TcpFixture, AtMostOneConnectionAndOnlyIpv4Addresses) {
    Connect();
    EXPECT_FALSE(client.Open());
    EXPECT_TRUE(client.IsConnected());

    TcpClient other(gui);
    for (const char* address : {"", "localhost", "127.0.0", "300.1.1.1"}) {
        other.SetAddress(address);
        EXPECT_FALSE(other.Open()) << address;
        EXPECT_FALSE(other.IsActive());
    }
    gui.RunPending();
    EXPECT_EQ(events.size(), 2u);
}

TEST_F(TcpFixture, NoNotificationRunsAfterClose) {
    Connect();
    // On loopback the bytes wait at the client once the send has returned:
    // the read notification is due at the loop's next turn.
    server.Send("late");
    client.Close();
    EXPECT_FALSE(client.IsActive());
    gui.RunPending();
    EXPECT_EQ(received, "");
    EXPECT_TRUE(server.PeerClosed());

    // A client destroyed with a notification waiting is not called either.
    auto second = std::make_unique<TcpClient>(gui);
    second->SetAddress("127.0.0.1");
    second->SetPort(server.Port());
    bool called = false;
    second->OnConnecting = [&] { called = true; };
    ASSERT_TRUE(second->Open());
    second.reset();
    gui.RunPending();
    EXPECT_FALSE(called);
}

TEST_F(TcpFixture, ReadNotificationWaitsForItsHandlerAndRepeatsForBytesLeft) {
    Connect();
    int notifications = 0;
    client.OnRead = [&] {
        ++notifications;
        char byte;
        if (client.ReceiveBuf(&byte, 1) == 1)
            received.push_back(byte);
    };
    server.Send("abc");
    ASSERT_TRUE(gui.RunUntil([&] { return received == "abc"; }));
    EXPECT_EQ(notifications, 3);
    gui.RunPending();
    EXPECT_EQ(notifications, 3);
}

TEST_F(TcpFixture, CloseInsideTheReadHandler) {
    Connect();
    client.OnRead = [&] {
        received = "handled";
        client.Close();
    };
    server.Send("x");
    ASSERT_TRUE(gui.RunUntil([&] { return received == "handled"; }));
    EXPECT_FALSE(client.IsActive());
    EXPECT_TRUE(server.PeerClosed());
    gui.RunPending();
    EXPECT_EQ(events.size(), 2u); // no disconnect or error of our own close
}

TEST_F(TcpFixture, CloseWhileAnotherThreadWrites) {
    Connect();
    std::atomic<bool> stop{false};
    std::thread writer([&] {
        while (!stop)
            client.SendBuf("0123456789", 10);
    });
    EXPECT_EQ(server.Receive(10).size() >= 10, true); // the writer is under way
    client.Close();
    EXPECT_FALSE(client.IsActive());
    EXPECT_EQ(client.SendBuf("x", 1), -1);
    stop = true;
    writer.join();
    EXPECT_TRUE(server.PeerClosed());
}

} // namespace
