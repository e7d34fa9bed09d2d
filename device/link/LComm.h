#pragma once
// The serial link: one port at 115200 8N1 in raw mode and one I/O thread that
// writes frames, reads every received byte, re-sends on a reply time-out and
// reports link events to its owner. Its protocol engine is LCommProc.

#include "device/link/LinkBase.h"
#include "platform/sys/SerialPort.h"

class LComm : public korvan::LinkBase {
public:
    explicit LComm(LinkOwner& owner);
    LComm(const LComm&) = delete;
    LComm& operator=(const LComm&) = delete;

    // Opens port `portNo` (1 to 98, found through the owner's port
    // directory) at `baudRate` (1200 to 128000, as far as the device can)
    // and starts the I/O thread. False when the link is open already, an
    // argument is out of range, or the port cannot be opened or set.
    virtual bool Open(int portNo, int baudRate, int byteSize, korvan::sys::Parity parity,
                      korvan::sys::StopBits stopBits);
    // Extra re-sends at the next reply time-outs that use up no retry.
    void SetForcedResend(int count);
    int GetForcedResend() const;
};
