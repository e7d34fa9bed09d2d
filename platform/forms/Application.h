#pragma once
// The application object: title, main form, the run loop, Terminate,
// pending-event processing, the exception box and message boxes, and the
// single-instance rule. One instance exists, reached through `Application`.
//
// The first form created registers itself (FormCreated) and becomes the
// main form; Run shows it unless ShowMainForm was cleared, then runs the
// event loop until Terminate.

#include "platform/forms/Component.h"

#include <filesystem>
#include <functional>
#include <memory>
#include <string>

class Exception;
class QWidget;

namespace korvan::sys {
class SingleInstance;
}

class TApplication : public TComponent {
    KORVAN_CLASS(TApplication)
public:
    explicit TApplication(TComponent* owner);
    ~TApplication() override;

    const std::string& Title() const { return title_; }
    void SetTitle(const std::string& title) { title_ = title; }

    TComponent* MainForm() const { return mainForm_; }
    QWidget* MainWindow() const;
    // A form announces itself; the first one becomes the main form.
    void FormCreated(TComponent* form, QWidget* window);
    // A form going away; the main form's going ends the application.
    void FormDestroyed(TComponent* form);
    bool ShowMainForm() const { return showMainForm_; }
    void SetShowMainForm(bool show) { showMainForm_ = show; }
    // Hints: shown after HintPause ms of rest on a control whose ShowHint
    // is set, hidden after HintHidePause ms, and not at all without
    // ShowHint here.
    bool ShowHint() const { return showHint_; }
    void SetShowHint(bool v);
    int HintPause() const { return hintPause_; }
    void SetHintPause(int ms) { hintPause_ = ms; }
    int HintHidePause() const { return hintHidePause_; }
    void SetHintHidePause(int ms) { hintHidePause_ = ms; }
    void CancelHint();
    bool MainFormOnTaskBar() const { return mainFormOnTaskBar_; }
    void SetMainFormOnTaskBar(bool value) { mainFormOnTaskBar_ = value; }

    // Shows the main form as a form (placed as its Position says), as Run
    // does first when ShowMainForm is set.
    void ShowMainWindow();
    // Shows the main form (unless ShowMainForm is off) and runs the event
    // loop until Terminate. Returns at once when already terminated.
    void Run();
    void Terminate();
    bool Terminated() const { return terminated_; }
    // Handles every pending event, timer and queued call, then returns.
    void ProcessMessages();

    // The exception being handled goes to OnException when assigned,
    // otherwise to ShowException. EAbort is silent.
    void HandleException(TObject* sender) noexcept;
    // The message, with a period added when it ends in a letter or digit,
    // in a box titled with the application title.
    void ShowException(const Exception& e);
    std::function<void(TObject* sender, const Exception& e)> OnException;

    int MessageBox(const std::string& text, const std::string& caption, unsigned flags);

    // Restores the main window if minimised, brings it to the top and
    // makes it the active window.
    void BringMainFormToFront();

    // The single-instance rule: true for the first instance, which from
    // now on brings its main window forward when a later start asks. A
    // later start asks the first instance to come forward, clears
    // ShowMainForm and terminates, so Run returns at once and the program
    // ends with 0. `folder` defaults to the user's runtime folder.
    bool ClaimSingleInstance(const std::string& key, const std::filesystem::path& folder = {});

private:
    std::string title_;
    TComponent* mainForm_ = nullptr;
    struct MainWindowRef;
    std::unique_ptr<MainWindowRef> mainWindow_;
    bool showMainForm_ = true;
    bool mainFormOnTaskBar_ = false;
    bool showHint_ = true;
    int hintPause_ = 500;
    int hintHidePause_ = 2500;
    bool terminated_ = false;
    class Loop;
    std::unique_ptr<Loop> loop_;
    std::unique_ptr<korvan::sys::SingleInstance> instance_;
};

// The application object.
extern TApplication* const Application;
