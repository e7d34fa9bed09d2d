#pragma once
// A simulated KORVAN unit: it reads request frames, answers them as the
// command table says, keeps a preset image, 20 stored preset slots with their
// names, 18 bytes of device information and a front-panel lock, applies every
// setter to its image, records every frame it receives, misbehaves on demand
// (SimFaults) and, on demand, answers the points the command table leaves
// open the stricter way a real unit may (SimStrictness).
//
// The unit is transport-free: a transport feeds it the bytes it received and
// carries out the SimOutputs it gets back (write these bytes, after this
// delay, or hang up). To add a transport (TCP, HID), read bytes from it, call
// Feed, and for each output wait delayMs, write bytes and hang up on dropLink;
// SimPtyTransport is the example.

#include "platform/sys/Clock.h"
#include "tests/support/UnitFrames.h"

#include <array>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

namespace korvan::test {

// Misbehaviour on demand; every field applies to each request from now on.
struct SimFaults {
    bool silent = false;                 // answer nothing
    Bytes garbage;                       // bytes written ahead of each reply
    bool garbageInsteadOfReply = false;  // ... or in its place
    std::size_t shortReply = 0;          // cut each reply to this many bytes (0: whole)
    std::optional<std::uint8_t> replyId; // answer as this device ID
    sys::Millis delayMs = 0;             // answer this late
    bool dropLink = false;               // hang up at the next request (then cleared)
    int wrongPages = 0;                  // answer this many page requests (and download pages) with
                                         // the next page's number
    std::size_t pageExtraBytes = 0;      // data bytes added to each page reply beyond its 50
};

// Answers the command table leaves to the unit, each switch the stricter way
// a real unit may take; the defaults are the lenient answers.
struct SimStrictness {
    bool ackAliveAndRelease = false; // ACK (0x01) in place of echoing ALIVE and RELEASE
    bool blankEmptySlots = false;    // an empty slot: 14 NULs as its name, zeros for its pages
    bool busyLevels = false;         // non-zero levels and compressor/limiter masks (unless SetLevels)
    bool checkFrames = false;        // a frame with a wrong check byte is not answered
    bool blankEeprom = false;        // EEPROM bytes beyond the device information read 0x00

    // Every switch on.
    static SimStrictness Strict();
};

// What a transport does for one received request.
struct SimOutput {
    Bytes bytes;
    sys::Millis delayMs = 0;
    bool dropLink = false;
};

// Offsets in the 1448-byte preset image, as the unit lays it out.
namespace sim_image {
inline constexpr std::size_t Size = 1448;
inline constexpr std::size_t PresetName = 2;
inline constexpr std::size_t NameLength = 14;
inline constexpr std::size_t InputMuteMask = 1408;
inline constexpr std::size_t OutputMuteMask = 1410;
inline constexpr std::size_t BandBypassMasks = 1412;
inline constexpr std::size_t WorkMode = 1436;
inline constexpr std::size_t SineFrequency = 1438;
inline constexpr std::size_t DelayUnit = 1440;
inline constexpr std::size_t InputPeqBypass = 1442;
inline constexpr std::size_t OutputPeqBypass = 1444;
inline constexpr std::size_t GeqBypass = 1446;
// Start of channel ch's block (0..3 inputs, 4..11 outputs).
constexpr std::size_t Channel(int ch) {
    return ch < 4 ? 16 + 140 * static_cast<std::size_t>(ch) : 576 + 104 * static_cast<std::size_t>(ch - 4);
}
// Fields of a channel block, by channel kind.
constexpr std::size_t Gain(int ch) {
    return Channel(ch) + (ch < 4 ? 132 : 96);
}
constexpr std::size_t Polarity(int ch) {
    return Channel(ch) + (ch < 4 ? 134 : 98);
}
constexpr std::size_t Delay(int ch) {
    return Channel(ch) + (ch < 4 ? 136 : 100);
}
constexpr std::size_t LinkMask(int ch) {
    return Channel(ch) + (ch < 4 ? 138 : 102);
}
constexpr std::size_t Crossover(int ch) {
    return Channel(ch) + (ch < 4 ? 126 : 18);
}
constexpr std::size_t PeqBand(int ch, int band) {
    return Channel(ch) + (ch < 4 ? 78 : 24) + 6 * band;
}
constexpr std::size_t GeqBand(int ch, int band) {
    return Channel(ch) + 16 + 2 * band;
}
constexpr std::size_t Gate(int ch) {
    return Channel(ch) + 8;
}
constexpr std::size_t SourceMask(int ch) {
    return Channel(ch) + 8;
}
constexpr std::size_t Mix(int ch, int input) {
    return Channel(ch) + 10 + 2 * input;
}
constexpr std::size_t Comp(int ch) {
    return Channel(ch) + 78;
}
constexpr std::size_t Limit(int ch) {
    return Channel(ch) + 88;
}
} // namespace sim_image

class SimUnit {
public:
    static constexpr int PresetSlots = 20;
    static constexpr std::size_t DeviceInfoSize = 18;
    static constexpr std::size_t PageSize = 50;
    static constexpr int PageCount = 29;
    static constexpr std::size_t LevelsSize = 38;

    SimUnit();

    // Set-up and inspection; any thread.
    void SetDeviceId(std::uint8_t id);
    std::uint8_t DeviceId() const;
    void SetIdentity(const std::string& text);
    void SetLocked(bool locked);
    bool IsLocked() const;
    void SetPassword(const std::string& fourCharacters);
    std::string Password() const;
    void SetFaults(const SimFaults& faults);
    SimFaults Faults() const;
    void SetStrictness(const SimStrictness& strictness);
    // The payload of every level reply from now on.
    void SetLevels(const Bytes& payload);
    void SetCurrentPreset(std::uint8_t preset);
    std::uint8_t CurrentPreset() const;
    Bytes Image() const;
    void SetImage(const Bytes& image);
    std::uint16_t ImageWord(std::size_t offset) const;
    // Slots 1..20.
    void SetStoredPreset(int slot, const Bytes& image);
    Bytes StoredImage(int slot) const;
    bool IsSlotUsed(int slot) const;
    Bytes DeviceInfo() const;
    void SetDeviceInfo(const Bytes& info);

    // Traffic. Feed is called by the transport with received bytes.
    std::vector<SimOutput> Feed(const std::uint8_t* bytes, std::size_t length);
    std::vector<UnitRequest> Received() const;
    std::size_t ReceivedCount() const;
    // Waits (real time) until `count` requests came in all.
    bool WaitForReceived(std::size_t count, std::chrono::milliseconds bound = std::chrono::seconds(5)) const;
    void ClearReceived();
    // Called (on the transport's thread) for every request received.
    void SetObserver(std::function<void(const UnitRequest&)> observer);

    // The image a factory reset gives.
    static Bytes DefaultImage();
    // The level reply of a busy unit: every channel at a level of its own,
    // every compressor and limiter active.
    static Bytes BusyLevels();
    // A level reply payload: channel k's level as the unit sends it (the
    // float's three high bytes; its lowest byte is lost), then the activity
    // mask (low byte compressors, high byte limiters).
    static Bytes LevelPayload(const std::array<float, 12>& levels, std::uint16_t activity);

private:
    // The reply payload and code, or nothing; applies the request.
    std::optional<std::pair<std::uint8_t, Bytes>> Answer(const UnitRequest& request);
    Bytes PresetName(int index) const;
    Bytes Page(std::uint8_t code, int page);
    // The number a reply gives page `page`: another one while wrongPages lasts.
    int PageNumber(int page);
    Bytes ReadEeprom(const Bytes& request) const;
    void ApplySetter(const UnitRequest& request);
    void SetWord(std::size_t offset, std::uint16_t value);
    void SetBit(std::size_t maskOffset, int bit, bool on);

    mutable std::mutex mutex_;
    mutable std::condition_variable receivedChanged_;
    UnitFrameReader reader_;
    std::vector<UnitRequest> received_;
    std::function<void(const UnitRequest&)> observer_;

    std::uint8_t deviceId_ = 1;
    std::string identity_ = "KORVAN V010 SIMULATED";
    bool locked_ = false;
    std::string password_ = "8362";
    SimFaults faults_;
    SimStrictness strict_;
    std::optional<Bytes> levels_; // set by SetLevels
    std::uint8_t currentPreset_ = 0;
    std::uint8_t selectedSlot_ = 0;
    Bytes image_;
    std::array<Bytes, PresetSlots> slots_;
    std::array<bool, PresetSlots> used_{};
    Bytes eeprom_ = Bytes(256, 0);
};

} // namespace korvan::test
