#include "controls/plot/opc/OPCManager.h"

#include "controls/plot/core/PackForms.h"
#include "controls/plot/opc/OPCExplorerForm.h"
#include "controls/plot/opc/OPCLibrary.h"
#include "controls/plot/opc/OPCPictures.h"
#include "platform/forms/Filer.h"
#include "platform/forms/GuiThread.h"
#include "platform/gfx/ImageList.h"
#include "platform/text/Exception.h"
#include "platform/text/StrUtils.h"

using korvan::forms::ClassBuilder;
using korvan::plot::opc::OPC;
using korvan::plot::opc::OPCLibraryMissing;

namespace {

constexpr int kManagerSize = 28;

using GroupCallback = korvan::plot::opc::OPCCallbackObject<KorvanOpcGroupCallback>;

const KorvanOpcGroupCallbackTable kGroupTable = {
    &GroupCallback::QueryInterface, &GroupCallback::AddRef, &GroupCallback::Release,
    [](KorvanOpcGroupCallback* self, std::int32_t handle) { GroupCallback::Fire(self, 0, handle); },
    [](KorvanOpcGroupCallback* self, std::int32_t handle) { GroupCallback::Fire(self, 1, handle); }};

} // namespace

// ------------------------------------------------------------------- groups

const TClassInfo& TiOPCGroupObject::StaticClassInfo() {
    using T = TiOPCGroupObject;
    static const TClassInfo info = ClassBuilder<T>("TiOPCGroupObject", &TPersistent::StaticClassInfo())
                                       .Property("Name", &T::Name)
                                       .Property("ComputerName", &T::ComputerName)
                                       .Property("OPCServerName", &T::OPCServerName)
                                       .Property("UpdateRate", &T::UpdateRate, &T::SetUpdateRate)
                                       .Build();
    return info;
}

TiOPCGroupObject::TiOPCGroupObject(std::string name, std::string computerName, std::string opcServerName,
                                   int updateRate)
    : name_(std::move(name)), computerName_(std::move(computerName)),
      opcServerName_(std::move(opcServerName)), updateRate_(updateRate) {}

// Without the library a group has nothing to tell it: these do nothing then,
// like every other operation of the binding.
void TiOPCGroupObject::SetUpdateRate(int value) {
    if (updateRate_ == value)
        return;
    updateRate_ = value;
    if (!OPCLibraryMissing())
        OPC().GroupSetUpdateRate(dllGroupHandle_, value);
}

void TiOPCGroupObject::Resume() {
    if (!OPCLibraryMissing())
        OPC().GroupResume(dllGroupHandle_);
}

void TiOPCGroupObject::Suspend() {
    if (!OPCLibraryMissing())
        OPC().GroupSuspend(dllGroupHandle_);
}

const TClassInfo& TiOPCGroupStream::StaticClassInfo() {
    using T = TiOPCGroupStream;
    static const TClassInfo info = ClassBuilder<T>("TiOPCGroupStream", &TPersistent::StaticClassInfo())
                                       .Property("Name", &T::Name, &T::SetName)
                                       .Property("ComputerName", &T::ComputerName, &T::SetComputerName)
                                       .Property("OPCServerName", &T::OPCServerName, &T::SetOPCServerName)
                                       .Property("UpdateRate", &T::UpdateRate, &T::SetUpdateRate)
                                       .Build();
    return info;
}

// ------------------------------------------------------------------ manager

const TClassInfo& TiOPCManager::StaticClassInfo() {
    using T = TiOPCManager;
    static const TClassInfo info = ClassBuilder<T>("TiOPCManager", &TCustomControl::StaticClassInfo())
                                       .Creator()
                                       .Property("Visible", &T::Visible, &T::SetVisible)
                                       .Default(false)
                                       .Property("Width", &T::Width, &T::SetWidth)
                                       .Default(kManagerSize)
                                       .Property("Height", &T::Height, &T::SetHeight)
                                       .Default(kManagerSize)
                                       .Build();
    return info;
}

TiOPCManager::TiOPCManager(TComponent* owner)
    : TCustomControl(owner), firstInstance_(OPC().ManagerCreated()),
      imageList_(std::make_unique<TImageList>(24, 24)),
      callback_(
          new GroupCallback(&kGroupTable, korvan::plot::opc::kGroupCallbackGuid, korvan::forms::Gui(), alive_,
                            [this](int method, std::int32_t handle) { GroupUpdate(method == 1, handle); })) {
    controlStyle_ = csCaptureMouse | csClickEvents | csDoubleClicks | csReplicatable;
    SetBounds(Left(), Top(), kManagerSize, kManagerSize);
    SetVisible(false);
    imageList_->AddMasked(korvan::plot::opc::OPCManagerPicture(), clWhite);
}

void TiOPCManager::ExplorerShow() {
    korvan::plot::opc::ShowSharedOPCExplorer();
}

void TiOPCManager::SetBounds(int left, int top, int, int) {
    TCustomControl::SetBounds(left, top, kManagerSize, kManagerSize);
}

void TiOPCManager::Paint() {
    TCanvas& canvas = Canvas();
    const int right = Width() - 1;
    const int bottom = Height() - 1;
    canvas.Pen().SetColor(clBtnHighlight);
    canvas.MoveTo(0, bottom);
    canvas.LineTo(0, 0);
    canvas.LineTo(right, 0);
    canvas.Pen().SetColor(clBtnShadow);
    canvas.LineTo(right, bottom);
    canvas.LineTo(-1, bottom);
    imageList_->Draw(canvas, 2, 2, 0, Enabled());
}

void TiOPCManager::DefineProperties(TFiler& filer) {
    TCustomControl::DefineProperties(filer);
    filer.DefineProperty(
        "Groups", [this](TReader& reader) { ReadFromStream(reader); },
        [this](TWriter& writer) { WriteToStream(writer); }, DoWriteToStream());
}

TiOPCManager::~TiOPCManager() {
    try {
        GroupClear();
        if (firstInstance_)
            OPC().ManagerDestroyed();
    } catch (...) {
        // The library failing at the end leaves nothing to report to.
    }
}

int TiOPCManager::GroupAdd(const std::string& name, const std::string& computerName,
                           const std::string& opcServerName, int updateRate) {
    groups_.push_back(std::make_unique<TiOPCGroupObject>(name, computerName, opcServerName, updateRate));
    if (!OPCLibraryMissing())
        groups_.back()->SetDLLGroupHandle(
            OPC().GroupAdd(name, computerName, opcServerName, updateRate, callback_->Interface()));
    return GroupCount() - 1;
}

TiOPCGroupObject& TiOPCManager::Groups(int index) {
    if (index < 0 || index >= GroupCount())
        throw Exception("List index out of bounds (" + std::to_string(index) + ")");
    return *groups_[static_cast<std::size_t>(index)];
}

void TiOPCManager::GroupDelete(int index) {
    TiOPCGroupObject& group = Groups(index);
    if (group.DLLGroupHandle() != 0 && !OPCLibraryMissing())
        OPC().GroupDelete(group.DLLGroupHandle());
    groups_.erase(groups_.begin() + index);
}

void TiOPCManager::GroupClear() {
    while (!groups_.empty())
        GroupDelete(0);
}

int TiOPCManager::GetGroupIndex(const std::string& name) const {
    for (std::size_t i = 0; i < groups_.size(); ++i)
        if (SameText(groups_[i]->Name(), name))
            return static_cast<int>(i);
    return -1;
}

void TiOPCManager::CloseAllServerConnections() {
    OPC().CloseAllServerConnections();
}

std::vector<std::string> TiOPCManager::ServerConnectionNames() {
    std::vector<std::string> names;
    if (OPCLibraryMissing())
        return names;
    const std::int32_t count = OPC().ServerConnectionGetCount();
    for (std::int32_t i = 0; i < count; ++i)
        names.push_back(OPC().ServerConnectionGetName(i));
    return names;
}

void TiOPCManager::GroupUpdate(bool after, std::int32_t groupHandle) {
    std::string name;
    for (const auto& group : groups_)
        if (group->DLLGroupHandle() == groupHandle) {
            name = group->Name();
            break;
        }
    const TGroupUpdateEvent& event = after ? OnAfterGroupUpdate : OnBeforeGroupUpdate;
    if (event)
        event(name);
}

void TiOPCManager::WriteToStream(TWriter& writer) const {
    writer.WriteValue(vaCollection);
    for (const auto& group : groups_) {
        TiOPCGroupStream carrier;
        carrier.SetName(group->Name());
        carrier.SetComputerName(group->ComputerName());
        carrier.SetOPCServerName(group->OPCServerName());
        carrier.SetUpdateRate(group->UpdateRate());
        writer.WriteListBegin();
        korvan::plot::WriteStoredProperties(writer, &carrier);
        writer.WriteListEnd();
    }
    writer.WriteListEnd();
}

void TiOPCManager::ReadFromStream(TReader& reader) {
    GroupClear();
    if (reader.ReadValue() != vaCollection)
        return;
    while (!reader.EndOfList()) {
        TiOPCGroupStream carrier;
        reader.ReadListBegin();
        while (!reader.EndOfList())
            reader.ReadProperty(&carrier);
        reader.ReadListEnd();
        GroupAdd(carrier.Name(), carrier.ComputerName(), carrier.OPCServerName(), carrier.UpdateRate());
    }
    reader.ReadListEnd();
}
