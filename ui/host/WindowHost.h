#pragma once
// What the editor's dialogs and editors reach of the main window: sending a
// record to the unit, the unit's ID, the language table, opening and
// closing the link, the device model, and the few window operations the
// connection dialogs start. The main window implements it; dialogs and
// editors hold a reference to it and never see the window's own class, so
// they build and test on a bare form.

#include "device/protocol/LCmd.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

class LUnitControl;

namespace korvan {

class WindowHost {
public:
    virtual ~WindowHost() = default;

    // --- the unit ---
    // Sends `cmd` over the open link (nothing without one); `append` queues
    // it behind the frames waiting, else it may replace one of its kind.
    virtual void SendCmd(const LCmd& cmd, bool append) = 0;
    virtual std::uint8_t GetUnitId() const = 0;
    virtual LUnitControl& Model() = 0;
    // The text of `key` in the current language.
    virtual std::string Translate(std::string_view key) const = 0;
    // The update guard: set while the program moves its own controls, whose
    // handlers then send nothing.
    virtual bool IsUpdating() const = 0;
    // The ID every later request carries (1..254; others are ignored).
    virtual void SetUnitId(int id) = 0;
    // Shows the text of a language-table key in the information box.
    virtual void ShowInformation(std::string_view key) = 0;

    // --- the link, as the device scan opens it ---
    // The serial ports of the system, in order of port number ("COM3").
    virtual std::vector<std::string> SerialPortNames() = 0;
    // The port the next serial link opens.
    virtual void SelectComPort(const std::string& name) = 0;
    // The unit's USB device is plugged in and checked out.
    virtual bool HasUsbDevice() const = 0;
    // A network address is set for the unit.
    virtual bool HasNetAddress() const = 0;
    // Before every scan: connects the client socket to the set address, or
    // (automatic address) leaves the network out of the scan.
    virtual void SelectNetTarget() = 0;
    virtual void OpenComLink() = 0;
    virtual void OpenUsbLink() = 0;
    virtual void OpenNetLink() = 0;
    virtual void CloseLink() = 0;
    // The connection button shows the unit on line.
    virtual bool IsOnline() const = 0;
    // A connect reply has been received on the open link.
    virtual bool IsSessionOpen() const = 0;
    // The unit's network address, first octet in the most significant byte
    // (0: none).
    virtual std::uint32_t NetAddress() const = 0;
    // Points the client socket at `address` (it starts connecting at once)
    // and shows it.
    virtual void ApplyNetAddress(std::uint32_t address) = 0;
    // Whether the scan leaves the network out (the automatic address).
    virtual void SetAutoNetAddress(bool automatic) = 0;
    // The frame monitor is shown: the links make its lines from now on.
    virtual void SetMonitorShown(bool shown) = 0;

    // --- the main window ---
    // The connection button and the Connect item take input again.
    virtual void EnableConnectControls() = 0;
    // Opens the unit's ID and network address setting.
    virtual void ShowNetworkSetup() = 0;
    // Whether closing the main window is confirmed (the quit box).
    virtual void ConfirmQuit(bool confirmed) = 0;
    virtual void CloseMainWindow() = 0;

    // --- preset jobs and EQ resets ---
    // Stores the current settings in slot n + 1 (n 0..19) under `name`, 14
    // bytes of the system's 8-bit code page; nothing off line.
    virtual void StorePreset(int n, const std::string& name) = 0;
    // Recalls preset n (0 = the factory preset, 1..20 = U01..U20); nothing
    // off line.
    virtual void RecallPreset(int n) = 0;
    virtual void RequestFactoryReset() = 0;
    // Puts the default preset's values back on channel ch's PEQ (0..11) or
    // on the graphic EQ of input code - 12 (code 12..15), band by band.
    virtual void PushChannelPeq(int ch) = 0;
    virtual void PushChannelGeq(int code) = 0;

    // --- channel links, copies and names (channels 0..11) ---
    // Stores a link mask (bits counted within the channel's kind) and sends
    // it.
    virtual void SetChannelLink(int ch, int mask) = 0;
    // Copies channel `from`'s settings onto `to` (nothing when they are the
    // same): the unit does it on line, the model off line. `refresh` asks
    // for the unit's re-read or the model's refresh afterwards.
    virtual void CopyChannel(int from, int to, bool refresh) = 0;
    // After the links changed: the unit is read again (on line) or the
    // controls show the model (off line).
    virtual void SyncAfterLink() = 0;
    // Shows or hides every curve-overlay button that would lay ch's curve
    // over a display (a hidden one also drops its curve).
    virtual void UpdateShowButtons(int ch, bool shown) = 0;
    // Channel ch's page button shows its place in head's group ("In<x>" or
    // "Out<n>" for its own head, else "B=A", "3=1").
    virtual void UpdateLinkCaptions(int head, int ch) = 0;
    // The Gain page comes up, where the grouping shows.
    virtual void ShowGainPage() = 0;
    // The graphic EQ of input A is the one selected.
    virtual void SelectFirstGeqInput() = 0;
    // `name`: 8 bytes, NUL-padded. Shown on the channel's labels, stored and
    // sent (also when unchanged).
    virtual void SetChannelName(int ch, const std::string& name) = 0;
};

} // namespace korvan
