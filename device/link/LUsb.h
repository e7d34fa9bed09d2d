#pragma once
// The USB link: the I/O thread of a link whose frames go out as output
// reports of the owner's HID device (UsbReportWriter) and whose received
// bytes are the input reports the owner pushes in. After its re-sends it lets
// four more reply time-outs pass before it reports LinkTimeout. Its protocol
// engine is LUsbProc.

#include "device/link/LinkWriteHooks.h"
#include "device/link/PushLink.h"

class LUsb : public korvan::PushLink {
public:
    LUsb(LinkOwner& owner, korvan::UsbReportWriter& writer)
        : PushLink(korvan::LinkKind::Usb, owner, [&writer](const std::uint8_t* bytes, std::size_t length) {
              return writer.UsbWriteReport(bytes, length);
          }) {}
};
