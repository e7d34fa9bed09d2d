// Runs the simulated unit on a pseudo-terminal so that a person can point the
// editor at it: start it, then start the editor with
//   KORVAN_SERIAL_PORTS=1=<the printed path>
// and it finds the unit on COM1. With --tcp it listens on 127.0.0.1 instead
// (port 9761 unless given), for the editor's network link with
//   KORVAN_UNIT_ADDRESS=127.0.0.1
// Every frame the unit receives is printed.

#include "platform/text/IntText.h"
#include "tests/support/RecordingLinkOwner.h"
#include "tests/support/SimPtyTransport.h"
#include "tests/support/SimTcpTransport.h"
#include "tests/support/SimUnit.h"

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <memory>
#include <mutex>
#include <stdexcept>
#include <string>
#include <unistd.h>

namespace {

const char* CodeName(std::uint8_t code) {
    static const std::map<std::uint8_t, const char*> names = {{0x04, "MCU_RESET"},
                                                              {0x10, "CONNECT"},
                                                              {0x11, "RELEASE"},
                                                              {0x12, "ALIVE"},
                                                              {0x13, "IDENTITY"},
                                                              {0x14, "CURRENT_PRESET"},
                                                              {0x15, "DELAYUNIT"},
                                                              {0x19, "READ_EEPROM"},
                                                              {0x1A, "WRITE_EEPROM"},
                                                              {0x20, "RECALL_PRESET"},
                                                              {0x21, "STORE_PRESET"},
                                                              {0x22, "PRESET_FLAGS"},
                                                              {0x23, "FACTORY_RESET"},
                                                              {0x24, "SELECT_PRESET"},
                                                              {0x25, "DOWNLOAD"},
                                                              {0x26, "PRESETNAME"},
                                                              {0x27, "READ_STATE_PAGE"},
                                                              {0x28, "READ_PRESET_PAGE"},
                                                              {0x29, "READ_PRESET_NAME"},
                                                              {0x2A, "COPY_CHANNEL"},
                                                              {0x2C, "LOCK_STATE"},
                                                              {0x2D, "PASS_SUBMIT"},
                                                              {0x2F, "SET_LOCK"},
                                                              {0x30, "COMP"},
                                                              {0x31, "LOW_PASS"},
                                                              {0x32, "HIGH_PASS"},
                                                              {0x33, "PEQ"},
                                                              {0x34, "GAIN"},
                                                              {0x35, "MUTE"},
                                                              {0x36, "POLARITY"},
                                                              {0x38, "DELAY"},
                                                              {0x39, "WORK_MODE"},
                                                              {0x3A, "MATRIX"},
                                                              {0x3B, "LINK"},
                                                              {0x3C, "PEQ_BYPASS"},
                                                              {0x3D, "CHANNEL_NAME"},
                                                              {0x3E, "GATE"},
                                                              {0x3F, "LIMIT"},
                                                              {0x40, "LEVELS"},
                                                              {0x41, "MIX"},
                                                              {0x48, "GEQ"},
                                                              {0x49, "GEQ_BYPASS"}};
    auto it = names.find(code);
    return it == names.end() ? "?" : it->second;
}

constexpr int DefaultTcpPort = 9761;

void Usage() {
    std::printf("usage: korvan-simunit [options]\n"
                "  --id N            device ID the unit answers with (default 1)\n"
                "  --identity TEXT   identity text (default \"KORVAN V010 SIMULATED\")\n"
                "  --locked          front panel locked\n"
                "  --password XXXX   panel password (default 8362)\n"
                "  --silent          answer nothing\n"
                "  --strict          every strict answer below at once\n"
                "  --ack-alive       acknowledge ALIVE and RELEASE (0x01) instead of echoing them\n"
                "  --blank-slots     empty slots: 14 NULs as name, zeros for their pages\n"
                "  --busy-levels     non-zero levels and compressor/limiter masks\n"
                "  --check-frames    leave frames with a wrong check byte unanswered\n"
                "  --blank-eeprom    EEPROM bytes beyond the device information read 0x00\n"
                "  --delay MS        answer each request this late\n"
                "  --link PATH       also make PATH a symbolic link to the terminal\n"
                "  --tcp [PORT]      listen on 127.0.0.1:PORT (default 9761) instead of a terminal\n");
}

} // namespace

int main(int argc, char** argv) {
    using korvan::test::SimUnit;
    SimUnit unit;
    korvan::test::SimFaults faults;
    korvan::test::SimStrictness strict;
    std::string link;
    int tcpPort = -1; // no TCP server
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const bool hasValue = i + 1 < argc;
        if (arg == "--id" && hasValue)
            unit.SetDeviceId(static_cast<std::uint8_t>(std::atoi(argv[++i])));
        else if (arg == "--identity" && hasValue)
            unit.SetIdentity(argv[++i]);
        else if (arg == "--locked")
            unit.SetLocked(true);
        else if (arg == "--password" && hasValue)
            unit.SetPassword(argv[++i]);
        else if (arg == "--silent")
            faults.silent = true;
        else if (arg == "--strict")
            strict = korvan::test::SimStrictness::Strict();
        else if (arg == "--ack-alive")
            strict.ackAliveAndRelease = true;
        else if (arg == "--blank-slots")
            strict.blankEmptySlots = true;
        else if (arg == "--busy-levels")
            strict.busyLevels = true;
        else if (arg == "--check-frames")
            strict.checkFrames = true;
        else if (arg == "--blank-eeprom")
            strict.blankEeprom = true;
        else if (arg == "--delay" && hasValue)
            faults.delayMs = std::atoi(argv[++i]);
        else if (arg == "--link" && hasValue)
            link = argv[++i];
        else if (arg == "--tcp")
            tcpPort = hasValue && argv[i + 1][0] != '-' ? std::atoi(argv[++i]) : DefaultTcpPort;
        else {
            Usage();
            return arg == "--help" || arg == "-h" ? 0 : 2;
        }
    }
    unit.SetFaults(faults);
    unit.SetStrictness(strict);

    // Signals are taken by sigwait below, not by the unit's thread.
    sigset_t stopSignals;
    sigemptyset(&stopSignals);
    sigaddset(&stopSignals, SIGINT);
    sigaddset(&stopSignals, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &stopSignals, nullptr);

    std::mutex printMutex;
    unit.SetObserver([&](const korvan::test::UnitRequest& request) {
        std::lock_guard lock(printMutex);
        std::printf("RX %-16s %s\n", CodeName(request.code),
                    korvan::text::HexList(request.frame.data(), request.frame.size()).c_str());
        std::fflush(stdout);
    });
    if (tcpPort >= 0) {
        if (tcpPort > 65535) {
            Usage();
            return 2;
        }
        std::unique_ptr<korvan::test::SimTcpTransport> server;
        try {
            server =
                std::make_unique<korvan::test::SimTcpTransport>(unit, static_cast<std::uint16_t>(tcpPort));
        } catch (const std::runtime_error& error) {
            std::fprintf(stderr, "korvan-simunit: %s (port %d)\n", error.what(), tcpPort);
            return 1;
        }
        std::printf("korvan-simunit: unit ID %d on 127.0.0.1:%u\n", unit.DeviceId(), server->Port());
        std::printf("korvan-simunit: run the editor with KORVAN_UNIT_ADDRESS=127.0.0.1\n");
        std::fflush(stdout);
        int signal = 0;
        sigwait(&stopSignals, &signal);
        std::printf("korvan-simunit: stopped\n");
        return 0;
    }

    korvan::test::SimPtyTransport line(unit);
    if (!link.empty()) {
        ::unlink(link.c_str());
        if (::symlink(line.SlavePath().c_str(), link.c_str()) != 0)
            std::fprintf(stderr, "korvan-simunit: cannot link %s: %s\n", link.c_str(), std::strerror(errno));
    }
    std::printf("korvan-simunit: unit ID %d on %s\n", unit.DeviceId(), line.SlavePath().c_str());
    std::printf("korvan-simunit: run the editor with KORVAN_SERIAL_PORTS=1=%s\n", line.SlavePath().c_str());
    std::fflush(stdout);

    int signal = 0;
    sigwait(&stopSignals, &signal);
    if (!link.empty())
        ::unlink(link.c_str());
    std::printf("korvan-simunit: stopped\n");
    return 0;
}
