#pragma once
// The HID device controller: keeps one TJvHidDevice for every HID interface
// present, rebuilds that list when interfaces come or go (raising unplug,
// removal, arrival and device-change events in a fixed order), and lends
// devices to the application by check-out and check-in.
//
// Everything here runs on the GUI thread. Hot-plug notices from the backend
// reach the GUI thread as posted device-change messages; the first rebuild
// is posted by the constructor, so it runs once the GUI loop runs, after the
// owner has bound its events.
//
// Ownership: the controller owns every listed device that is not checked
// out. A checked-out device stays listed; its holder gives it back with
// CheckIn, which frees it if it was unplugged meanwhile. Destroying the
// controller stops the read thread of every device still lent out, unplugs
// it and lets go of it: its holder then frees it.

#include "device/hid/HidEvents.h"
#include "device/hid/TJvHidDevice.h"
#include "platform/sys/Clock.h"
#include "platform/sys/hid/HidBackend.h"
#include "platform/sys/hid/LinuxHidBackend.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace korvan::sys {
class GuiThread;
} // namespace korvan::sys

// The device-change broadcast and its "device nodes changed" kind.
inline constexpr std::uint32_t WM_DEVICECHANGE = 0x219;
inline constexpr std::uintptr_t DBT_DEVNODES_CHANGED = 7;

class TJvHidDeviceController {
public:
    // gui: where events run and input reports arrive; clock: what the read
    // threads' waits are measured on.
    explicit TJvHidDeviceController(
        korvan::sys::GuiThread& gui,
        korvan::sys::hid::HidBackend& backend = korvan::sys::hid::SystemHidBackend(),
        korvan::sys::Clock& clock = korvan::sys::SystemClock());
    ~TJvHidDeviceController();
    TJvHidDeviceController(const TJvHidDeviceController&) = delete;
    TJvHidDeviceController& operator=(const TJvHidDeviceController&) = delete;

    // Rebuilds the device list from the system and raises the events.
    void DeviceChange();
    // Calls OnEnumerate for each plugged-in device; returns how many.
    int Enumerate();

    // Every check-out sets HidDev to null first and leaves it null when it
    // fails; searches run in list order and stop at the first success.
    bool CheckOut(TJvHidDevice*& HidDev);
    bool CheckOutByIndex(TJvHidDevice*& HidDev, int Idx);
    bool CheckOutByID(TJvHidDevice*& HidDev, int Vid, int Pid);
    bool CheckOutByProductName(TJvHidDevice*& HidDev, const std::u16string& ProductName);
    bool CheckOutByVendorName(TJvHidDevice*& HidDev, const std::u16string& VendorName);
    bool CheckOutByClass(TJvHidDevice*& HidDev, const std::string& ClassName);
    bool CheckOutByCallback(TJvHidDevice*& HidDev, TJvHidCheckCallback Check);
    void CheckIn(TJvHidDevice*& HidDev);

    int CountByID(int Vid, int Pid);
    int CountByProductName(const std::u16string& ProductName);
    int CountByVendorName(const std::u16string& VendorName);
    int CountByClass(const std::string& ClassName);
    int CountByCallback(TJvHidCheckCallback Check);

    std::string HidVersion();
    const std::string& HidGuid() const { return FHidGuid; }
    int NumCheckedInDevices() const { return FNumCheckedInDevices; }
    int NumCheckedOutDevices() const { return FNumCheckedOutDevices; }
    int NumUnpluggedDevices() const { return FNumUnpluggedDevices; }
    // The known devices, in the order in which they were first found.
    const std::vector<TJvHidDevice*>& Devices() const { return FList; }

    int DevThreadSleepTime() const { return FDevThreadSleepTime; }
    void SetDevThreadSleepTime(int Value);
    const std::string& Version() const { return FVersion; }
    void SetVersion(const std::string& Value) { FDummy = Value; }

    // While the owner is being built, assigning OnDeviceChange does not
    // rebuild at once.
    void SetLoading(bool Loading) { FLoading = Loading; }

    const TJvHidPlugEvent& OnArrival() const { return FArrivalEvent; }
    void SetOnArrival(const TJvHidPlugEvent& Handler) { FArrivalEvent = Handler; }
    const TJvHidNotifyEvent& OnDeviceChange() const { return FDeviceChangeEvent; }
    void SetOnDeviceChange(const TJvHidNotifyEvent& Handler);
    const TJvHidEnumerateEvent& OnEnumerate() const { return FEnumerateEvent; }
    void SetOnEnumerate(const TJvHidEnumerateEvent& Handler) { FEnumerateEvent = Handler; }
    const TJvHidDataEvent& OnDeviceData() const { return FDevDataEvent; }
    void SetOnDeviceData(const TJvHidDataEvent& Handler);
    const TJvHidDataErrorEvent& OnDeviceDataError() const { return FDevDataErrorEvent; }
    void SetOnDeviceDataError(const TJvHidDataErrorEvent& Handler);
    const TJvHidPlugEvent& OnDeviceUnplug() const { return FDevUnplugEvent; }
    void SetOnDeviceUnplug(const TJvHidPlugEvent& Handler);
    const TJvHidPlugEvent& OnRemoval() const { return FRemovalEvent; }
    void SetOnRemoval(const TJvHidPlugEvent& Handler) { FRemovalEvent = Handler; }

    // The handler of the controller's device-change messages.
    void EventPipe(std::uint32_t Msg, std::uintptr_t WParam, std::intptr_t LParam);

protected:
    void DoArrival(TJvHidDevice* HidDev);
    void DoRemoval(TJvHidDevice* HidDev);
    void DoDeviceChange();
    bool DoEnumerate(TJvHidDevice* HidDev, int Idx);
    bool CheckThisOut(TJvHidDevice*& HidDev, int Idx, bool Check);

private:
    friend class TJvHidDevice;

    std::vector<std::unique_ptr<TJvHidDevice>> PresentDevices();
    void RecountDevices();
    void PostDeviceChange(std::intptr_t LParam);
    // Runs Plug/Removal handlers with the device marked enumerated.
    void CallMarked(const TJvHidPlugEvent& Event, TJvHidDevice* HidDev);
    // Called by a listed device's destructor: replaces a plugged-in device
    // by a fresh one, drops an unplugged one. Never throws.
    void DeviceDestroyed(TJvHidDevice* HidDev, std::unique_ptr<TJvHidPnPInfo> PnPInfo,
                         const TJvHidDataEvent& Data, const TJvHidPlugEvent& Unplug, int SleepTime,
                         bool WasCheckedOut) noexcept;

    korvan::sys::GuiThread& FGui;
    korvan::sys::hid::HidBackend& FBackend;
    korvan::sys::Clock& FClock;
    std::string FHidGuid;
    TJvHidPlugEvent FArrivalEvent;
    TJvHidNotifyEvent FDeviceChangeEvent;
    TJvHidEnumerateEvent FEnumerateEvent;
    TJvHidDataEvent FDevDataEvent;
    TJvHidDataErrorEvent FDevDataErrorEvent;
    TJvHidPlugEvent FDevUnplugEvent;
    TJvHidPlugEvent FRemovalEvent;
    int FDevThreadSleepTime = 100;
    std::string FVersion = "1.0.34";
    std::string FDummy;
    std::vector<TJvHidDevice*> FList; // owns the devices not checked out
    int FNumCheckedInDevices = 0;
    int FNumCheckedOutDevices = 0;
    int FNumUnpluggedDevices = 0;
    bool FInDeviceChange = false;
    // A device-change message that came while a rebuild ran; it leads to one
    // more rebuild afterwards.
    bool FDeviceChangePending = false;
    std::intptr_t FPendingLParam = 0;
    std::intptr_t FLParam = 0;
    bool FLoading = false;
    bool FHidLoaded = false;
    std::unique_ptr<korvan::sys::hid::HidMonitor> FMonitor;
    // Expires with the controller, so that posted messages find it gone.
    std::shared_ptr<char> FAlive = std::make_shared<char>();
};
