#pragma once
// The network link's protocol engine.

#include "device/LNet.h"
#include "device/PushLinkProc.h"

class LNetProc final : public korvan::PushLinkProc<LNet> {
public:
    LNetProc(LinkOwner& owner, korvan::NetFrameWriter& writer) : PushLinkProc(owner, writer) {}
};
