#pragma once
// The device model: the editor's copy of every processing parameter of the
// unit (the current preset image), the bookkeeping of the unit's 20 stored
// presets, and the buffers of paged transfers. Every editor reads it through
// the getters and changes it through the setters, which send the matching
// command record through the host. Used on the GUI thread only.

#include "device/model/PresetFiles.h"
#include "device/model/PresetImage.h"
#include "device/model/UnitHost.h"
#include "device/protocol/PresetTypes.h"

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

class LCmd;

namespace korvan {
// What a page reply did to the model.
enum class PageResult {
    Ignored,  // no page number, a number above 28, or more than 50 data bytes
    Stored,   // kept in the page buffer
    Completed // page 28: the buffer was assembled into its target
};
// A stored preset read for a unit file: slot number, then image bytes 0..1445.
using StoredPreset = std::array<std::uint8_t, 1 + 1446>;
} // namespace korvan

class LUnitControl {
public:
    explicit LUnitControl(korvan::UnitHost& host);
    LUnitControl(const LUnitControl&) = delete;
    LUnitControl& operator=(const LUnitControl&) = delete;

    // Image := DefaultPresetImage.
    void LoadDefaults();
    const PresetImage& GetImage() const { return Image; }

    // --- Getters (ch: 0..3 inputs, 4..11 outputs) ---
    std::uint16_t GetGain(int ch) const;
    std::uint16_t GetDelay(int ch) const;
    bool GetPolarity(int ch) const;
    bool IsMuted(int ch) const;
    bool IsPeqBandBypassed(int ch, int band) const;
    PeqBand GetPeqBand(int ch, int band) const;
    std::uint16_t GetGeqBand(int input, int band) const;
    GateSetting GetGate(int input) const;
    CompSetting GetComp(int output) const;
    LimitSetting GetLimit(int output) const;
    CrossoverSetting GetCrossover(int ch) const;
    PeqBand GetDefaultPeqBand(int ch, int band) const;
    std::uint16_t GetDefaultGeqBand(int input, int band) const;
    // The channel's 8 name bytes (NUL-padded, no terminator of their own).
    const char* GetChannelNameChars(int ch) const;
    // The 14 preset-name bytes.
    const char* GetPresetNameChars() const;
    std::uint16_t GetLinkMask(int ch) const;
    std::uint16_t GetSourceMask(int output) const;
    std::uint16_t GetMixLevel(int output, int input) const;
    std::uint16_t GetPeqBypassMask(int ch) const;
    std::uint16_t GetGeqBypassMask() const;
    std::uint16_t GetDelayUnit() const;
    std::uint16_t GetWorkMode() const;
    std::uint16_t GetSineFreqIndex() const;
    bool IsPresetUsed(int n) const; // n = slot - 1
    void MarkPresetUsed(int n);

    // The link mask of the group ch belongs to: ch's own mask when it holds
    // ch's bit, else the mask of the lowest channel of ch's kind that holds
    // it, else ch's bit alone. Editors and setters share this rule.
    std::uint16_t GetLinkGroupMask(int ch) const;

    // --- Setters: store (over the link group where the parameter is
    // linked), then send one record for ch unless the update guard is set ---
    bool IsUpdating() const;
    void SetGain(int ch, std::uint16_t gain);
    void SetDelay(int ch, std::uint16_t samples);
    void SetPolarity(int ch, std::uint8_t value);
    void SetMute(int ch, std::uint8_t on);
    // Also stores the band's bypass flag in the channel's band-bypass mask.
    void SetPeq(int ch, int band, PeqBand peq, std::uint8_t bypass);
    void SetGeq(int input, int band, std::uint16_t level);
    void SetHighPass(int ch, CrossoverSetting setting);
    void SetLowPass(int ch, CrossoverSetting setting);
    void SetComp(int output, CompSetting setting);
    void SetLimit(int output, LimitSetting setting);
    void SetGate(int input, GateSetting setting);
    void SetMatrix(int output, int input, std::uint8_t on);
    void SetMix(int output, int input, std::uint16_t level);
    void SetDelayUnit(std::uint8_t unit);
    void SetLinkMask(int ch, std::uint16_t mask);
    // Reads exactly 8 bytes from name (the system's 8-bit code page).
    void SetChName(int ch, const char* name);
    // Store only; the bypass switches send their own records.
    void SetPeqBypassMask(int ch, std::uint16_t mask);
    void SetGeqBypassMask(std::uint16_t mask);
    // Store only: the test signal's source (0..3) and sine frequency index;
    // the dialog sends its own record.
    void StoreWorkMode(std::uint8_t source, std::uint8_t sineIndex);

    // --- Preset names, flags and paged transfers ---
    // Slot i used when payload byte i is 0xFF; a short payload reads as zeros.
    void SetPresetFlags(std::span<const std::uint8_t> payload);
    void ResetPresetNames();
    // Name reply of slot (1..20): bytes 1..14, NUL shown as a blank, shown
    // through the system's 8-bit code page.
    void SetPresetListName(int slot, std::span<const std::uint8_t> payload);
    // The preset name := name (bytes of the system's 8-bit code page, as
    // text::ToAnsiField gives them), cut or padded with blanks to 14 bytes.
    void SetCurrentName(std::string_view name);
    korvan::PageResult ReceiveStateBlock(std::span<const std::uint8_t> payload);
    korvan::PageResult ReceivePresetBlock(int slot, std::span<const std::uint8_t> payload);
    void SetDeviceInfo(std::span<const std::uint8_t> payload);
    const korvan::DeviceInfo& GetDeviceInfo() const { return DeviceInfo; }
    const korvan::StoredPreset& GetStoredPreset(int slot) const;

    // --- Files ---
    // Identity and image bytes 2..1435: the ".prs" contents without CR LF.
    std::string PresetToText() const;
    // Writes the 1434 body bytes of a ".prs" file into the image and sends
    // every parameter they carry, queued, whatever the update guard.
    void LoadPresetAndSend(std::span<const std::uint8_t> body);
    // Checks and loads a ".prs" file; a bad file shows "SID_INFO_ERROR_FILE"
    // and changes nothing.
    bool OpenPresetFile(const std::string& path);
    // Asks for a name and writes the ".prs" file; false when cancelled or failed.
    bool SavePresetFile();
    // Reads and checks a ".unt" file; a bad file shows "SID_INFO_ERROR_DOWNLAOD".
    std::optional<korvan::UnitFile> ReadUnitFile(const std::string& path);
    // Asks for a name and writes the ".unt" file of the stored presets.
    bool SaveUnitFile();

    // Copies src's processing settings onto dst (same kind) in the image;
    // name, link mask, and an output's routing stay. Sends nothing.
    void CopyChannelSettings(int src, int dst);

private:
    // Writes one value into every channel of ch's link group.
    template <class Write> void ForLinkGroup(int ch, Write write);
    void Send(const LCmd& cmd, bool append);
    void SendAlways(const LCmd& cmd, bool append);
    std::uint8_t Id() const;
    korvan::PageResult StorePage(std::span<const std::uint8_t> payload);
    bool WriteFileOrReport(const std::string& path, std::span<const std::uint8_t> data);

    korvan::UnitHost& host_;

    PresetImage Image;
    std::array<std::uint8_t, korvan::kPresetSlots> PresetUsed{};
    korvan::DeviceInfo DeviceInfo{};
    std::array<std::uint8_t, korvan::kPageCount * korvan::kPageSize> PageBuffer{};
    std::array<korvan::StoredPreset, korvan::kPresetSlots> StoredPresets{};
};
