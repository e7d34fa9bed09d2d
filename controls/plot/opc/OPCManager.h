#pragma once
// The OPC group manager: owns the groups of the client library that a
// component or channel subscribes its items in, and relays the library's
// before- and after-update calls of those groups as events (on the GUI
// thread). Its groups are streamed as "Groups". Without the library its
// groups exist only as lists of values.
//
// It is a control so that a form can hold one: always 28 x 28, hidden by
// default, painted as a raised square with its picture when shown at design
// time. A channel makes one without owner and parent and frees it itself.

#include "controls/plot/opc/OPCCallbacks.h"
#include "platform/forms/Persistent.h"
#include "platform/forms/WinControl.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class TImageList;
class TReader;
class TWriter;

class TiOPCGroupObject : public TPersistent {
    KORVAN_CLASS(TiOPCGroupObject)
public:
    TiOPCGroupObject(std::string name, std::string computerName, std::string opcServerName, int updateRate);

    const std::string& Name() const { return name_; }
    const std::string& ComputerName() const { return computerName_; }
    const std::string& OPCServerName() const { return opcServerName_; }
    int UpdateRate() const { return updateRate_; }
    void SetUpdateRate(int value);
    std::int32_t DLLGroupHandle() const { return dllGroupHandle_; }
    void SetDLLGroupHandle(std::int32_t handle) { dllGroupHandle_ = handle; }

    void Resume();
    void Suspend();

private:
    std::string name_;
    std::string computerName_;
    std::string opcServerName_;
    int updateRate_ = 0;
    std::int32_t dllGroupHandle_ = 0;
};

// The carrier a group is streamed with.
class TiOPCGroupStream : public TPersistent {
    KORVAN_CLASS(TiOPCGroupStream)
public:
    std::string Name() const { return name_; }
    void SetName(const std::string& value) { name_ = value; }
    std::string ComputerName() const { return computerName_; }
    void SetComputerName(const std::string& value) { computerName_ = value; }
    std::string OPCServerName() const { return opcServerName_; }
    void SetOPCServerName(const std::string& value) { opcServerName_ = value; }
    int UpdateRate() const { return updateRate_; }
    void SetUpdateRate(int value) { updateRate_ = value; }

private:
    std::string name_;
    std::string computerName_;
    std::string opcServerName_;
    int updateRate_ = 0;
};

using TGroupUpdateEvent = std::function<void(const std::string& groupName)>;

class TiOPCManager : public TCustomControl {
    KORVAN_CLASS(TiOPCManager)
public:
    explicit TiOPCManager(TComponent* owner);
    ~TiOPCManager() override;

    // The size stays 28 x 28 whatever is asked.
    void SetBounds(int left, int top, int width, int height) override;
    const TImageList& Images() const { return *imageList_; }

    int GroupAdd(const std::string& name, const std::string& computerName, const std::string& opcServerName,
                 int updateRate);
    void GroupDelete(int index);
    void GroupClear();
    // The first group named `name` (any letter case), or -1.
    int GetGroupIndex(const std::string& name) const;
    TiOPCGroupObject& Groups(int index);
    int GroupCount() const { return static_cast<int>(groups_.size()); }
    // Raises when the library is missing: it is a command of its own.
    void CloseAllServerConnections();
    // The names of the library's server connections (none without it).
    static std::vector<std::string> ServerConnectionNames();
    // Shows the explorer window the managers share.
    void ExplorerShow();

    // The stored property "Groups".
    bool DoWriteToStream() const { return !groups_.empty(); }
    void WriteToStream(TWriter& writer) const;
    void ReadFromStream(TReader& reader);
    void DefineProperties(TFiler& filer) override;

    TGroupUpdateEvent OnBeforeGroupUpdate;
    TGroupUpdateEvent OnAfterGroupUpdate;

protected:
    void Paint() override;

private:
    void GroupUpdate(bool after, std::int32_t groupHandle);

    bool firstInstance_ = false;
    std::unique_ptr<TImageList> imageList_;
    std::vector<std::unique_ptr<TiOPCGroupObject>> groups_;
    korvan::plot::opc::OPCAliveToken alive_ = std::make_shared<int>(0);
    korvan::plot::opc::OPCCallbackHandle<KorvanOpcGroupCallback> callback_;
};
