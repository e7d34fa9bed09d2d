#pragma once
// The USB link's protocol engine.

#include "device/link/LUsb.h"
#include "device/link/PushLinkProc.h"

class LUsbProc final : public korvan::PushLinkProc<LUsb> {
public:
    LUsbProc(LinkOwner& owner, korvan::UsbReportWriter& writer) : PushLinkProc(owner, writer) {}
};
