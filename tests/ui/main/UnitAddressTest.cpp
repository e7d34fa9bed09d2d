// The unit's network address: KORVAN_UNIT_ADDRESS replaces the default.
// Nothing here dials any address.

#include "ui/main/UnitAddress.h"
#include "device/protocol/SharedConstants.h"
#include "tests/ui/main/ConnectionFixture.h"

#include <cstdlib>

using namespace korvan;
using namespace korvan::test;

namespace {

// Sets or clears the variable for one test and puts it back afterwards.
class ScopedAddress {
public:
    explicit ScopedAddress(const char* value) {
        if (const char* old = std::getenv(UnitAddressVariable))
            old_ = old;
        if (value)
            setenv(UnitAddressVariable, value, 1);
        else
            unsetenv(UnitAddressVariable);
    }
    ~ScopedAddress() {
        if (old_)
            setenv(UnitAddressVariable, old_->c_str(), 1);
        else
            unsetenv(UnitAddressVariable);
    }

private:
    std::optional<std::string> old_;
};

TEST(UnitAddress, VariableWinsOverTheDefault) {
    {
        ScopedAddress address("127.0.0.1");
        EXPECT_EQ(UnitAddress(), "127.0.0.1");
    }
    {
        ScopedAddress address(nullptr);
        EXPECT_EQ(UnitAddress(), DefaultUnitAddress);
    }
    {
        ScopedAddress address("");
        EXPECT_EQ(UnitAddress(), DefaultUnitAddress);
    }
}

TEST(UnitAddress, PortVariableWinsOverTheDefaultWhenItIsAPort) {
    const std::optional<std::string> old = std::getenv(UnitPortVariable)
                                               ? std::optional<std::string>(std::getenv(UnitPortVariable))
                                               : std::nullopt;
    const std::pair<const char*, std::uint16_t> cases[] = {
        {"19761", 19761}, {"1", 1},       {"65535", 65535}, {"", 9761},    {"0", 9761},
        {"65536", 9761},  {"12ab", 9761}, {"-5", 9761},     {" 80", 9761},
    };
    for (const auto& [text, port] : cases) {
        setenv(UnitPortVariable, text, 1);
        EXPECT_EQ(UnitPortNumber(), port) << text;
    }
    unsetenv(UnitPortVariable);
    EXPECT_EQ(UnitPortNumber(), UnitPort);
    if (old)
        setenv(UnitPortVariable, old->c_str(), 1);
}

TEST(UnitAddress, DottedAddressesParse) {
    EXPECT_EQ(ParseIpAddress("127.0.0.1"), 0x7F000001u);
    EXPECT_EQ(ParseIpAddress(DefaultUnitAddress), 0xC0A80165u);
    EXPECT_EQ(ParseIpAddress("203.0.113.7"), 0xCB007107u);
    for (const char* bad : {"", "1.2.3", "1.2.3.4.5", "256.1.1.1", "1..2.3", "a.b.c.d", "1.2.3.4 "})
        EXPECT_FALSE(ParseIpAddress(bad)) << bad;
    for (const char* text : {"127.0.0.1", "0.0.0.0", "255.255.255.255", "10.20.30.40"})
        EXPECT_EQ(FormatIpAddress(*ParseIpAddress(text)), text);
}

TEST_F(ConnectionTest, SocketTakesTheAddressFromTheEnvironment) {
    core.reset();
    ScopedAddress address("127.0.0.1");
    core = std::make_unique<RecordingConnection>(view, ConnectionServices{gui, clock, ports, backend});
    EXPECT_EQ(core->ClientSocket.Address(), "127.0.0.1");
    EXPECT_EQ(core->ClientSocket.Port(), 9761);
    EXPECT_EQ(core->IpAddress, 0x7F000001u);
    EXPECT_FALSE(core->ClientSocket.IsActive());
}

// A new address reconnects the socket at once and becomes the unit's.
TEST_F(ConnectionTest, AppliedAddressReconnectsTheSocket) {
    core->ApplyNetAddress(0x7F000002);
    EXPECT_EQ(core->ClientSocket.Address(), "127.0.0.2");
    EXPECT_EQ(core->IpAddress, 0x7F000002u);
    EXPECT_TRUE(core->ClientSocket.IsActive());
    core->ClientSocket.Close();
}

} // namespace
