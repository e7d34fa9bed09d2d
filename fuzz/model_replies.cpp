// The device model's reply handling, without a window: the received byte
// stream is cut into frames and each reply goes to the model call the main
// window's dispatcher makes for its code (preset flags and names, state
// and preset pages, device information).

#include "device/model/LUnitControl.h"
#include "device/protocol/CommandCodes.h"
#include "device/protocol/Frame.h"
#include "fuzz/FuzzTarget.h"
#include "platform/text/AnsiText.h"

namespace {

// A host that records nothing: the model's calls back only need answers.
class QuietHost final : public korvan::UnitHost {
public:
    bool IsUpdating() const override { return false; }
    std::uint8_t GetUnitId() const override { return 1; }
    void SendCmd(const LCmd&, bool) override {}
    void MarkOverlayChanged(int) override {}
    // A row is display text of the unit's 14 name bytes: back in the system
    // code page it takes at most those 14 bytes.
    void SetRecallPresetRow(int, const std::string& name) override { CheckRow(name); }
    void SetStorePresetRow(int, const std::string& name) override { CheckRow(name); }
    std::optional<std::string> AskSaveFileName(korvan::PresetFileKind) override { return std::nullopt; }
    void ShowInformation(std::string_view) override {}
    void ShowFileWriteError(const std::string&) override {}

private:
    static void CheckRow(const std::string& name) {
        FuzzCheck(korvan::text::ToAnsiBuffer(name).size() <= 14);
    }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    QuietHost host;
    LUnitControl model(host);
    FrameAssembler assembler(AssemblerKind::UsbNet);
    for (std::size_t i = 0; i < size; ++i) {
        const auto frame = assembler.Push(data[i]);
        if (!frame)
            continue;
        const LCmd reply(*frame);
        const std::span<const std::uint8_t> payload = reply.GetPayload();
        const int first = payload.empty() ? 0 : payload[0];
        switch (reply.GetCode()) {
        case MCS_PRESET_FLAGS:
            model.SetPresetFlags(payload);
            model.ResetPresetNames();
            break;
        case MCS_READ_PRESET_NAME:
            model.SetPresetListName(first + 1, payload);
            break;
        case MCS_STATE_PAGE:
            model.ReceiveStateBlock(payload);
            break;
        case MCS_READ_PRESET_PAGE:
            // The slot comes from the job, not the reply: take the ID byte.
            model.ReceivePresetBlock(reply.GetId() % 22, payload);
            break;
        case MCS_READ_EEPROM:
            model.SetDeviceInfo(payload);
            break;
        default:
            break;
        }
    }
    // What the pages assembled reads back through every getter.
    for (int ch = 0; ch < 12; ++ch) {
        (void)model.GetGain(ch);
        (void)model.GetCrossover(ch);
        (void)model.GetLinkGroupMask(ch);
    }
    for (int slot = 1; slot <= 20; ++slot)
        (void)model.GetStoredPreset(slot);
    return 0;
}
