// A ".prs" preset file: checked, and when it passes, loaded into the model
// and sent as the file open does.

#include "device/model/LUnitControl.h"
#include "device/model/PresetFiles.h"
#include "device/protocol/LCmd.h"

#include "fuzz/FuzzTarget.h"
#include <algorithm>

namespace {

class CountingHost final : public korvan::UnitHost {
public:
    bool IsUpdating() const override { return false; }
    std::uint8_t GetUnitId() const override { return 1; }
    void SendCmd(const LCmd& cmd, bool) override { FuzzCheck(cmd.IsValid()); }
    void MarkOverlayChanged(int) override {}
    void SetRecallPresetRow(int, const std::string&) override {}
    void SetStorePresetRow(int, const std::string&) override {}
    std::optional<std::string> AskSaveFileName(korvan::PresetFileKind) override { return std::nullopt; }
    void ShowInformation(std::string_view) override {}
    void ShowFileWriteError(const std::string&) override {}
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto body = korvan::PresetFileBody({data, size});
    if (!body)
        return 0;
    CountingHost host;
    LUnitControl model(host);
    model.LoadPresetAndSend(*body);
    // What was loaded writes back as the same bytes.
    const std::string text = model.PresetToText();
    FuzzCheck(text.size() + 2 == size &&
              std::equal(text.begin(), text.end(), data,
                         [](char c, std::uint8_t b) { return static_cast<std::uint8_t>(c) == b; }));
    return 0;
}
