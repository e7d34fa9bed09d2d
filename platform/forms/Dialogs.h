#pragma once
// Message boxes and the common dialogs behind one replaceable service:
// the program uses the Qt implementation, tests install their own.

#include <memory>
#include <optional>
#include <string>
#include <vector>

// Message box buttons, icons and answers, with the platform's values.
constexpr unsigned MB_OK = 0x0;
constexpr unsigned MB_OKCANCEL = 0x1;
constexpr unsigned MB_ABORTRETRYIGNORE = 0x2;
constexpr unsigned MB_YESNOCANCEL = 0x3;
constexpr unsigned MB_YESNO = 0x4;
constexpr unsigned MB_RETRYCANCEL = 0x5;
constexpr unsigned MB_ICONSTOP = 0x10;
constexpr unsigned MB_ICONERROR = 0x10;
constexpr unsigned MB_ICONQUESTION = 0x20;
constexpr unsigned MB_ICONWARNING = 0x30;
constexpr unsigned MB_ICONEXCLAMATION = 0x30;
constexpr unsigned MB_ICONINFORMATION = 0x40;
constexpr unsigned MB_DEFBUTTON2 = 0x100;
constexpr int IDOK = 1;
constexpr int IDCANCEL = 2;
constexpr int IDABORT = 3;
constexpr int IDRETRY = 4;
constexpr int IDIGNORE = 5;
constexpr int IDYES = 6;
constexpr int IDNO = 7;

namespace korvan::forms {

struct FileDialogOptions {
    std::string Title;
    std::string InitialDir;
    std::string FileName;
    // The framework's filter text: "Preset files|*.prs|All files|*.*".
    std::string Filter;
    int FilterIndex = 1;    // 1-based
    std::string DefaultExt; // without the dot
    bool OverwritePrompt = false;
    bool FileMustExist = false;
};

struct FontChoice {
    std::string Name = "Tahoma";
    int Size = 8; // points
    bool Bold = false;
    bool Italic = false;
    bool Underline = false;
    bool StrikeOut = false;
    int Color = 0; // 0x00BBGGRR
};

class DialogService {
public:
    virtual ~DialogService() = default;
    // Returns IDOK, IDCANCEL, IDYES ...
    virtual int MessageBox(const std::string& text, const std::string& caption, unsigned flags) = 0;
    // The application's exception box: the message with a stop icon.
    virtual void ShowException(const std::string& message, const std::string& caption) {
        MessageBox(message, caption, MB_OK | MB_ICONSTOP);
    }
    // The chosen path (and FilterIndex updated), or nothing when cancelled.
    virtual std::optional<std::string> OpenFile(FileDialogOptions& options) = 0;
    virtual std::optional<std::string> SaveFile(FileDialogOptions& options) = 0;
    // Several files of one folder as full paths; a service that offers no
    // multiple selection lets the user choose one.
    virtual std::optional<std::vector<std::string>> OpenFiles(FileDialogOptions& options) {
        if (std::optional<std::string> one = OpenFile(options))
            return std::vector<std::string>{*one};
        return std::nullopt;
    }
    virtual std::optional<int> PickColor(int initial) = 0;
    virtual std::optional<FontChoice> PickFont(const FontChoice& initial) = 0;
    // The print dialog: the printer chosen among the installed ones (by
    // name; empty stands for printing to a file), or nothing when
    // cancelled. Services without one print on the current printer.
    virtual std::optional<std::string> ChoosePrinter(const std::vector<std::string>& printers,
                                                     const std::string& current) {
        (void)printers;
        return current;
    }
};

DialogService& Dialogs();
// Replaces the service; returns the one it replaced.
std::unique_ptr<DialogService> SetDialogService(std::unique_ptr<DialogService> service);

// Installs a service for the lifetime of the scope (tests).
class ScopedDialogService {
public:
    explicit ScopedDialogService(std::unique_ptr<DialogService> service)
        : previous_(SetDialogService(std::move(service))) {}
    ~ScopedDialogService() { SetDialogService(std::move(previous_)); }
    ScopedDialogService(const ScopedDialogService&) = delete;
    ScopedDialogService& operator=(const ScopedDialogService&) = delete;

private:
    std::unique_ptr<DialogService> previous_;
};

// The Qt dialogs.
std::unique_ptr<DialogService> MakeQtDialogService();

} // namespace korvan::forms
