#pragma once
// A host for the device model in tests: records what the model sends, marks
// and shows, and answers the save dialog from a preset value.

#include "device/model/UnitHost.h"

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace korvan::test {

struct SentRecord {
    std::uint8_t id = 0;
    std::uint8_t code = 0;
    std::vector<std::uint8_t> payload;
    bool append = false;
};

class FakeUnitHost : public UnitHost {
public:
    bool IsUpdating() const override { return updating; }
    std::uint8_t GetUnitId() const override { return unitId; }
    void SendCmd(const LCmd& cmd, bool append) override;
    void MarkOverlayChanged(int ch) override { overlayMarks.push_back(ch); }
    void SetRecallPresetRow(int row, const std::string& name) override { recallRows[row] = name; }
    void SetStorePresetRow(int row, const std::string& name) override { storeRows[row] = name; }
    std::optional<std::string> AskSaveFileName(PresetFileKind kind) override;
    void ShowInformation(std::string_view key) override { information.emplace_back(key); }
    void ShowFileWriteError(const std::string& path) override { writeErrors.push_back(path); }

    // Forgets everything recorded so far.
    void Clear();

    bool updating = false;
    std::uint8_t unitId = 1;
    std::optional<std::string> saveFileName; // the answer of the save dialog
    std::vector<PresetFileKind> saveDialogs; // kinds the dialog was shown for

    std::vector<SentRecord> sent;
    std::vector<int> overlayMarks;
    std::map<int, std::string> recallRows;
    std::map<int, std::string> storeRows;
    std::vector<std::string> information;
    std::vector<std::string> writeErrors;
};

} // namespace korvan::test
