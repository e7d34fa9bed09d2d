#include "tests/support/FakeUnitHost.h"

#include "device/protocol/LCmd.h"

namespace korvan::test {

void FakeUnitHost::SendCmd(const LCmd& cmd, bool append) {
    sent.push_back(SentRecord{cmd.GetId(), cmd.GetCode(), cmd.GetPayload(), append});
}

std::optional<std::string> FakeUnitHost::AskSaveFileName(PresetFileKind kind) {
    saveDialogs.push_back(kind);
    return saveFileName;
}

void FakeUnitHost::Clear() {
    sent.clear();
    overlayMarks.clear();
    recallRows.clear();
    storeRows.clear();
    information.clear();
    writeErrors.clear();
    saveDialogs.clear();
}

} // namespace korvan::test
