#include "device/hid/TJvHidDeviceController.h"

#include "device/hid/HidErrors.h"
#include "platform/sys/GuiThread.h"

#include <algorithm>

using korvan::sys::hid::HidInterfaceInfo;

TJvHidDeviceController::TJvHidDeviceController(korvan::sys::GuiThread& gui,
                                               korvan::sys::hid::HidBackend& backend,
                                               korvan::sys::Clock& clock)
    : FGui(gui), FBackend(backend), FClock(clock), FHidGuid(korvan::sys::hid::kHidInterfaceClassGuid) {
    FHidLoaded = FBackend.Available();
    if (!FHidLoaded)
        return; // no HID support: no notices, no devices
    // Hot-plug notices come on the monitor's thread and reach the GUI
    // thread as posted messages.
    std::weak_ptr<char> alive = FAlive;
    korvan::sys::GuiThread* target = &FGui;
    FMonitor = FBackend.StartMonitor([this, alive, target] {
        target->Post([this, alive] {
            if (!alive.expired())
                EventPipe(WM_DEVICECHANGE, DBT_DEVNODES_CHANGED, 0);
        });
    });
    // The first list is built once the GUI loop runs, after the owner has
    // bound its events; -1 makes that rebuild report a change.
    PostDeviceChange(-1);
}

TJvHidDeviceController::~TJvHidDeviceController() {
    // The handlers go first, directly: a rebuild must not run now.
    FDeviceChangeEvent = nullptr;
    FEnumerateEvent = nullptr;
    for (TJvHidDevice* device : FList)
        if (device->OnUnplug == FDevUnplugEvent)
            device->OnUnplug = nullptr;
    FDevUnplugEvent = nullptr;
    FMonitor.reset();
    FAlive.reset();
    std::vector<TJvHidDevice*> devices;
    devices.swap(FList);
    for (TJvHidDevice* device : devices) {
        device->FMyController = nullptr;
        if (device->IsCheckedOut()) {
            // The holder keeps the object; its read thread stops before the
            // device is unplugged, and no handler of the holder runs again.
            device->StopThread();
            device->OnUnplug = nullptr;
            device->OnDataError = nullptr;
            device->DoUnplug();
        } else {
            delete device;
        }
    }
}

void TJvHidDeviceController::PostDeviceChange(std::intptr_t LParam) {
    std::weak_ptr<char> alive = FAlive;
    FGui.Post([this, alive, LParam] {
        if (!alive.expired())
            EventPipe(WM_DEVICECHANGE, DBT_DEVNODES_CHANGED, LParam);
    });
}

void TJvHidDeviceController::EventPipe(std::uint32_t Msg, std::uintptr_t WParam, std::intptr_t LParam) {
    if (Msg != WM_DEVICECHANGE || WParam != DBT_DEVNODES_CHANGED)
        return;
    if (FInDeviceChange) {
        // A handler pumped messages during the rebuild: what changed
        // meanwhile is picked up by one more rebuild afterwards.
        FDeviceChangePending = true;
        FPendingLParam = LParam;
        return;
    }
    FLParam = LParam;
    do {
        FDeviceChangePending = false;
        FInDeviceChange = true;
        DeviceChange();
        FInDeviceChange = false;
        if (FDeviceChangePending)
            FLParam = FPendingLParam;
    } while (FDeviceChangePending);
}

std::vector<std::unique_ptr<TJvHidDevice>> TJvHidDeviceController::PresentDevices() {
    std::vector<std::unique_ptr<TJvHidDevice>> present;
    if (!FHidLoaded)
        return present;
    const std::optional<std::vector<HidInterfaceInfo>> interfaces = FBackend.EnumerateInterfaces();
    if (!interfaces)
        return present; // every known device counts as gone
    for (const HidInterfaceInfo& info : *interfaces) {
        try {
            present.push_back(
                std::unique_ptr<TJvHidDevice>(new TJvHidDevice(std::make_unique<TJvHidPnPInfo>(info), this)));
        } catch (const EControllerError&) {
            // an interface that cannot be opened or identified is left out
        }
    }
    return present;
}

void TJvHidDeviceController::DeviceChange() {
    bool changed = FLParam == -1;
    std::vector<std::unique_ptr<TJvHidDevice>> present = PresentDevices();
    auto isPresent = [&](const TJvHidDevice* known) {
        return std::any_of(present.begin(), present.end(), [&](const auto& p) {
            return p->PnPInfo()->DeviceID() == known->PnPInfo()->DeviceID();
        });
    };

    // Removal, from the end of the list toward its start.
    for (int i = int(FList.size()) - 1; i >= 0; --i) {
        if (i >= int(FList.size()))
            continue; // a handler took entries out
        TJvHidDevice* device = FList[std::size_t(i)];
        if (device->IsPluggedIn() && isPresent(device))
            continue;
        changed = true;
        const std::weak_ptr<void> life = device->LifeToken();
        device->DoUnplug();
        if (life.expired())
            continue; // its unplug handler checked it in, which freed it
        DoRemoval(device);
        if (life.expired() || device->IsCheckedOut())
            continue;
        FList.erase(std::find(FList.begin(), FList.end(), device));
        delete device;
    }

    // Duplicates of devices still known are dropped.
    for (auto& entry : present) {
        const bool known = std::any_of(FList.begin(), FList.end(), [&](const TJvHidDevice* d) {
            return d->IsPluggedIn() && d->PnPInfo()->DeviceID() == entry->PnPInfo()->DeviceID();
        });
        if (known) {
            entry->FMyController = nullptr; // its destructor leaves the list alone
            entry.reset();
        }
    }

    // Arrivals, in the order the system listed them.
    for (auto& entry : present) {
        if (!entry)
            continue;
        TJvHidDevice* device = entry.release(); // the list owns it now
        FList.push_back(device);
        changed = true;
        DoArrival(device);
    }

    RecountDevices();
    if (changed)
        DoDeviceChange();
}

void TJvHidDeviceController::RecountDevices() {
    int checkedOut = 0, unplugged = 0;
    for (const TJvHidDevice* device : FList) {
        checkedOut += device->IsCheckedOut() ? 1 : 0;
        unplugged += device->IsPluggedIn() ? 0 : 1;
    }
    FNumCheckedInDevices = int(FList.size()) - checkedOut;
    FNumUnpluggedDevices = unplugged;
    FNumCheckedOutDevices = checkedOut - unplugged;
}

int TJvHidDeviceController::Enumerate() {
    int count = 0;
    const std::size_t size = FList.size();
    for (std::size_t i = 0; i < size && i < FList.size(); ++i) {
        TJvHidDevice* device = FList[i];
        if (!device->IsPluggedIn())
            continue;
        ++count;
        if (!DoEnumerate(device, int(i)))
            break;
    }
    return count;
}

bool TJvHidDeviceController::DoEnumerate(TJvHidDevice* HidDev, int Idx) {
    const TJvHidEnumerateEvent handler = FEnumerateEvent;
    if (!handler)
        return false;
    const std::weak_ptr<void> life = HidDev->LifeToken();
    HidDev->FIsEnumerated = true;
    const bool result = handler(HidDev, Idx);
    if (!life.expired()) {
        HidDev->FIsEnumerated = false;
        if (!HidDev->IsCheckedOut())
            HidDev->CloseAll();
    }
    return result;
}

void TJvHidDeviceController::CallMarked(const TJvHidPlugEvent& Event, TJvHidDevice* HidDev) {
    const TJvHidPlugEvent handler = Event;
    if (!handler)
        return;
    const std::weak_ptr<void> life = HidDev->LifeToken();
    HidDev->FIsEnumerated = true;
    handler(HidDev);
    if (!life.expired())
        HidDev->FIsEnumerated = false;
}

void TJvHidDeviceController::DoArrival(TJvHidDevice* HidDev) {
    CallMarked(FArrivalEvent, HidDev);
}
void TJvHidDeviceController::DoRemoval(TJvHidDevice* HidDev) {
    CallMarked(FRemovalEvent, HidDev);
}

void TJvHidDeviceController::DoDeviceChange() {
    const TJvHidNotifyEvent handler = FDeviceChangeEvent;
    if (handler)
        handler(this);
}

bool TJvHidDeviceController::CheckThisOut(TJvHidDevice*& HidDev, int Idx, bool Check) {
    TJvHidDevice* device = FList[std::size_t(Idx)];
    if (!Check || device->IsCheckedOut())
        return false;
    HidDev = device;
    device->FIsCheckedOut = true;
    ++FNumCheckedOutDevices;
    --FNumCheckedInDevices;
    device->StartThread();
    return true;
}

bool TJvHidDeviceController::CheckOut(TJvHidDevice*& HidDev) {
    HidDev = nullptr;
    for (int i = 0; i < int(FList.size()); ++i)
        if (CheckThisOut(HidDev, i, true))
            return true;
    return false;
}

bool TJvHidDeviceController::CheckOutByIndex(TJvHidDevice*& HidDev, int Idx) {
    HidDev = nullptr;
    if (Idx < 0 || Idx >= int(FList.size()))
        return false;
    return CheckThisOut(HidDev, Idx, true);
}

bool TJvHidDeviceController::CheckOutByID(TJvHidDevice*& HidDev, int Vid, int Pid) {
    HidDev = nullptr;
    for (int i = 0; i < int(FList.size()); ++i) {
        const HIDD_ATTRIBUTES& a = FList[std::size_t(i)]->Attributes();
        if (CheckThisOut(HidDev, i, a.VendorID == Vid && (a.ProductID == Pid || Pid == -1)))
            return true;
    }
    return false;
}

bool TJvHidDeviceController::CheckOutByProductName(TJvHidDevice*& HidDev, const std::u16string& ProductName) {
    HidDev = nullptr;
    if (ProductName.empty())
        return false;
    for (int i = 0; i < int(FList.size()); ++i)
        if (CheckThisOut(HidDev, i, FList[std::size_t(i)]->GetProductName() == ProductName))
            return true;
    return false;
}

bool TJvHidDeviceController::CheckOutByVendorName(TJvHidDevice*& HidDev, const std::u16string& VendorName) {
    HidDev = nullptr;
    if (VendorName.empty())
        return false;
    for (int i = 0; i < int(FList.size()); ++i)
        if (CheckThisOut(HidDev, i, FList[std::size_t(i)]->GetVendorName() == VendorName))
            return true;
    return false;
}

bool TJvHidDeviceController::CheckOutByClass(TJvHidDevice*& HidDev, const std::string& ClassName) {
    HidDev = nullptr;
    if (ClassName.empty())
        return false;
    for (int i = 0; i < int(FList.size()); ++i)
        if (CheckThisOut(HidDev, i, FList[std::size_t(i)]->PnPInfo()->ClassDescr() == ClassName))
            return true;
    return false;
}

bool TJvHidDeviceController::CheckOutByCallback(TJvHidDevice*& HidDev, TJvHidCheckCallback Check) {
    HidDev = nullptr;
    if (Check == nullptr)
        return false;
    for (int i = 0; i < int(FList.size()); ++i) {
        TJvHidDevice* device = FList[std::size_t(i)];
        if (device->IsCheckedOut())
            continue;
        device->FIsEnumerated = true;
        const bool wanted = Check(device);
        device->FIsEnumerated = false;
        if (CheckThisOut(HidDev, i, wanted))
            return true;
        device->CloseAll();
    }
    return false;
}

void TJvHidDeviceController::CheckIn(TJvHidDevice*& HidDev) {
    if (HidDev == nullptr)
        return;
    TJvHidDevice* device = HidDev;
    HidDev = nullptr;
    device->StopThread();
    device->CloseAll();
    if (device->IsPluggedIn()) {
        device->FIsCheckedOut = false;
        --FNumCheckedOutDevices;
        ++FNumCheckedInDevices;
    } else {
        delete device; // its destructor takes it out of the list
    }
}

int TJvHidDeviceController::CountByID(int Vid, int Pid) {
    return int(std::count_if(FList.begin(), FList.end(), [&](const TJvHidDevice* d) {
        const HIDD_ATTRIBUTES& a = d->Attributes();
        return d->IsPluggedIn() && a.VendorID == Vid && (a.ProductID == Pid || Pid == -1);
    }));
}

int TJvHidDeviceController::CountByProductName(const std::u16string& ProductName) {
    return int(std::count_if(FList.begin(), FList.end(), [&](TJvHidDevice* d) {
        return d->IsPluggedIn() && d->GetProductName() == ProductName;
    }));
}

int TJvHidDeviceController::CountByVendorName(const std::u16string& VendorName) {
    return int(std::count_if(FList.begin(), FList.end(), [&](TJvHidDevice* d) {
        return d->IsPluggedIn() && d->GetVendorName() == VendorName;
    }));
}

int TJvHidDeviceController::CountByClass(const std::string& ClassName) {
    return int(std::count_if(FList.begin(), FList.end(), [&](TJvHidDevice* d) {
        return d->IsPluggedIn() && d->PnPInfo()->ClassDescr() == ClassName;
    }));
}

int TJvHidDeviceController::CountByCallback(TJvHidCheckCallback Check) {
    int count = 0;
    if (Check == nullptr)
        return 0;
    for (TJvHidDevice* device : FList) {
        if (device->IsPluggedIn()) {
            device->FIsEnumerated = true;
            count += Check(device) ? 1 : 0;
            device->FIsEnumerated = false;
        }
        if (!device->IsCheckedOut())
            device->CloseAll();
    }
    return count;
}

std::string TJvHidDeviceController::HidVersion() {
    return FBackend.Version();
}

void TJvHidDeviceController::SetDevThreadSleepTime(int Value) {
    if (Value == FDevThreadSleepTime)
        return;
    for (TJvHidDevice* device : FList)
        if (device->ThreadSleepTime() == FDevThreadSleepTime)
            device->SetThreadSleepTime(Value);
    FDevThreadSleepTime = Value;
}

void TJvHidDeviceController::SetOnDeviceChange(const TJvHidNotifyEvent& Handler) {
    if (Handler == FDeviceChangeEvent)
        return;
    FDeviceChangeEvent = Handler;
    if (!FLoading)
        DeviceChange();
}

void TJvHidDeviceController::SetOnDeviceData(const TJvHidDataEvent& Handler) {
    if (Handler == FDevDataEvent)
        return;
    for (TJvHidDevice* device : FList)
        if (device->OnData() == FDevDataEvent)
            device->SetDataEvent(Handler);
    FDevDataEvent = Handler;
}

void TJvHidDeviceController::SetOnDeviceDataError(const TJvHidDataErrorEvent& Handler) {
    if (Handler == FDevDataErrorEvent)
        return;
    for (TJvHidDevice* device : FList)
        if (device->OnDataError == FDevDataErrorEvent)
            device->OnDataError = Handler;
    FDevDataErrorEvent = Handler;
}

void TJvHidDeviceController::SetOnDeviceUnplug(const TJvHidPlugEvent& Handler) {
    if (Handler == FDevUnplugEvent)
        return;
    for (TJvHidDevice* device : FList)
        if (device->OnUnplug == FDevUnplugEvent)
            device->OnUnplug = Handler;
    FDevUnplugEvent = Handler;
}

void TJvHidDeviceController::DeviceDestroyed(TJvHidDevice* HidDev, std::unique_ptr<TJvHidPnPInfo> PnPInfo,
                                             const TJvHidDataEvent& Data, const TJvHidPlugEvent& Unplug,
                                             int SleepTime, bool WasCheckedOut) noexcept {
    const auto it = std::find(FList.begin(), FList.end(), HidDev);
    if (it == FList.end())
        return;
    if (!HidDev->IsPluggedIn()) {
        FList.erase(it);
        --FNumUnpluggedDevices;
        return;
    }
    // A device freed while still plugged in is replaced by a fresh one for
    // the same interface, checked in.
    try {
        auto fresh = std::unique_ptr<TJvHidDevice>(new TJvHidDevice(std::move(PnPInfo), this));
        fresh->SetDataEvent(Data);
        fresh->OnUnplug = Unplug;
        fresh->SetThreadSleepTime(SleepTime);
        *it = fresh.release(); // the list owns it now
        if (WasCheckedOut) {
            --FNumCheckedOutDevices;
            ++FNumCheckedInDevices;
        }
    } catch (...) {
        // It can no longer be opened: it leaves the list.
        FList.erase(it);
        if (WasCheckedOut)
            --FNumCheckedOutDevices;
        else
            --FNumCheckedInDevices;
    }
}
