#pragma once
// The network link: the I/O thread of a link whose frames go out on the
// owner's TCP client (NetFrameWriter) and whose received bytes are the socket
// reads the owner pushes in. Its protocol engine is LNetProc.

#include "device/link/LinkWriteHooks.h"
#include "device/link/PushLink.h"

class LNet : public korvan::PushLink {
public:
    LNet(LinkOwner& owner, korvan::NetFrameWriter& writer)
        : PushLink(korvan::LinkKind::Net, owner, [&writer](const std::uint8_t* bytes, std::size_t length) {
              writer.NetWriteFrame(bytes, length);
              return true;
          }) {}
};
