#pragma once
// The network link's protocol engine.

#include "device/link/LNet.h"
#include "device/link/PushLinkProc.h"

class LNetProc final : public korvan::PushLinkProc<LNet> {
public:
    LNetProc(LinkOwner& owner, korvan::NetFrameWriter& writer) : PushLinkProc(owner, writer) {}
};
