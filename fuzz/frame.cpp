// The received byte stream of a link: cut into frames by both assemblers,
// each frame parsed as a reply record; an input report's frame length too.

#include "device/protocol/Frame.h"
#include "device/link/UsbReports.h"
#include "fuzz/FuzzTarget.h"

using namespace korvan;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzCheck(InputReportFrameLength(data, size) <= size);
    for (const AssemblerKind kind : {AssemblerKind::Serial, AssemblerKind::UsbNet}) {
        FrameAssembler assembler(kind);
        for (std::size_t i = 0; i < size; ++i) {
            const auto frame = assembler.Push(data[i]);
            FuzzCheck(assembler.Size() < MaxFrameSize);
            if (!frame)
                continue;
            FuzzCheck(frame->size() <= MaxFrameSize);
            const LCmd reply(*frame);
            if (reply.IsValid()) {
                FuzzCheck(reply.GetPayload().size() + FrameOverhead + 1 == frame->size());
            } else {
                FuzzCheck(reply.GetId() == 0 && reply.GetCode() == 0 && reply.GetPayload().empty());
            }
        }
    }
    return 0;
}
