#pragma once
// What the device model needs of the window that owns it. The main window
// implements it; tests use a fake. Everything is called on the GUI thread.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

class LCmd;

namespace korvan {

enum class PresetFileKind { Preset, Unit }; // ".prs" and ".unt"

class UnitHost {
public:
    virtual ~UnitHost() = default;

    // The update guard: set while the program moves its own controls; setters
    // then store without sending.
    virtual bool IsUpdating() const = 0;
    // Destination device ID of every record the model builds.
    virtual std::uint8_t GetUnitId() const = 0;
    // Frames the record and hands it to the open link, if any. append false:
    // replaceable by a newer record of the same code; true: always queued.
    virtual void SendCmd(const LCmd& cmd, bool append) = 0;
    // A channel's filter curve changed: its overlays on other displays are stale.
    virtual void MarkOverlayChanged(int ch) = 0;

    // Name rows of the preset lists; name is the row's text as shown: the 14
    // name bytes (a NUL as a blank) through the system's 8-bit code page.
    // Recall rows 0..20 (0 = the factory preset), store rows 0..19.
    virtual void SetRecallPresetRow(int row, const std::string& name) = 0;
    virtual void SetStorePresetRow(int row, const std::string& name) = 0;

    // Asks the user for a file to save into; nullopt when cancelled.
    virtual std::optional<std::string> AskSaveFileName(PresetFileKind kind) = 0;
    // Shows the text of a language-table key in the information box.
    virtual void ShowInformation(std::string_view key) = 0;
    // A file could not be created or completely written; the old file, if
    // any, is unchanged.
    virtual void ShowFileWriteError(const std::string& path) = 0;
};

} // namespace korvan
