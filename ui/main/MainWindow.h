#pragma once
// The main window: the form with its menu, function bar, status labels and
// page frames, over the connection core (links, reply dispatcher, connect
// sequence), with the fields every dialog and editor reaches through the
// one global instance fmMain. The page contents, meters and editors come
// with their own parts; this is the shell they go into.

#include "platform/forms/ExtCtrls.h"
#include "platform/forms/Form.h"
#include "platform/forms/GuiThread.h"
#include "platform/forms/Menus.h"
#include "platform/forms/Messages.h"
#include "platform/forms/StdCtrls.h"
#include "platform/forms/Timer.h"
#include "ui/curves/Plot.h"
#include "ui/dialogs/StandInControls.h"
#include "ui/main/MainConnection.h"
#include "ui/main/MainWindowView.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>

namespace korvan {

struct MainWindowOptions {
    ConnectionServices services{forms::Gui()};
    // The single-instance guard: its key and folder (empty: the user's
    // runtime folder). An empty key claims nothing.
    std::string instanceKey = "korvan-editor";
    std::filesystem::path instanceFolder;
};

// Holds the view ahead of the connection core, which needs it while it is
// built.
class MainWindowViewHolder {
protected:
    MainWindowView windowView_;
};

} // namespace korvan

class TfmMain : private korvan::MainWindowViewHolder, public TForm, public TfmMainConnection {
public:
    static constexpr int PlotCount = 18;
    static constexpr int GainPage = 14;

    TfmMain(TComponent* owner, korvan::MainWindowOptions options = {});
    ~TfmMain() override;

    // --- the window's message dispatch: the two link messages go to the
    // reply dispatcher and the link-event handler, the rest to the form ---
    void Dispatch(TMessage& Message);
    void OnLinkFrame(const korvan::LinkFrameMessage& message) override;
    void OnLinkStatus(const korvan::LinkStatusMessage& message) override;

    // --- events of the form ---
    void FormCreate(TObject* Sender);
    void FormClose(TObject* Sender, TCloseAction& Action);

    // --- operations other windows use ---
    // Makes every control show the device model; sends nothing.
    void RefreshFromModel();
    // Sets every text of the main window from the current language table.
    void ApplyLanguage();
    std::uint8_t SetQuitConfirmed(std::uint8_t value) {
        QuitConfirmed = value;
        return value;
    }
    // Before every scan: connect the client socket to the set address, or
    // (automatic address) leave the network out of the scan.
    void SelectNetTarget();
    // The connection button and the Connect item take input again.
    void EnableConnectControls();

    // --- handlers ---
    void rzbMenuLinkClick(TObject* Sender);
    void ExitClick(TObject* Sender);
    void ConnectedClick(TObject* Sender);
    void LanguageClick(TObject* Sender);
    void tmStartConnectTimer();

    // --- fields ---
    std::uint8_t Initialising = 0;
    std::uint8_t QuitConfirmed = 0;
    std::array<std::unique_ptr<Plot>, PlotCount> Plots;
    int SelectedCurveHandle = -1;
    int PreviousCurveHandle = -1;
    int CurrentPage = GainPage;
    int CompPageChannel = 4;
    int GatePageChannel = 0;
    int LimitPageChannel = 4;
    int ExtraHeight = 0;
    std::array<int, 14> OverlayChanged{};
    int AutoIp = 0;

    // --- controls ---
    TMainMenu* MainMenu;
    TMenuItem* File;
    TMenuItem* Open;
    TMenuItem* Save;
    TMenuItem* N1;
    TMenuItem* Upload;
    TMenuItem* Download;
    TMenuItem* N2;
    TMenuItem* FactoryDefault;
    TMenuItem* N3;
    TMenuItem* Exit;
    TMenuItem* Link;
    TMenuItem* Copy;
    TMenuItem* Lock;
    TMenuItem* SettingID;
    TMenuItem* NetworkSetup;
    TMenuItem* TestTone;
    TMenuItem* ChNameList;
    TMenuItem* LanguageSel;
    TMenuItem* ChineseSimplified;
    TMenuItem* ChineseTraditional;
    TMenuItem* English;
    TMenuItem* Help;
    TMenuItem* Rs232Code;
    TMenuItem* N4;
    TMenuItem* MemoShow;
    TMenuItem* HidData;
    TMenuItem* N6;
    TMenuItem* LockSetup;
    TMenuItem* BlockDiagram;
    TMenuItem* Connect;
    TMenuItem* Connected;
    TMenuItem* ConnectHelp;
    TMenuItem* About;

    TPanel* rzgFunction;
    korvan::PushButtonStandIn* rzbMenuLink;
    TLabel* lbShowIdNumber;
    TLabel* lbShowIp;
    TLabel* lbConInterface;
    TLabel* lbStatus;
    TPanel* rzgMain;
    TPanel* rzgFftGain;
    TGroupBox* rzgParamGain;
    TPanel* rzgPreset;
    TLabel* lPreset;
    TLabel* lbPstNum;
    TLabel* lbPstName;
    TTimer* tmStartConnect;

private:
    friend class korvan::MainWindowView;
    void BuildMenu();
    void BuildControls();

    korvan::MainWindowOptions options_;
};

extern TfmMain* fmMain;

namespace korvan {

// Creates the editor's windows in start-up order, the main window first;
// `owner` frees them (null: FreeEditorWindows does).
void CreateEditorWindows(TComponent* owner, const MainWindowOptions& options = {});
// Frees the windows in the reverse order and clears their globals.
void FreeEditorWindows();

} // namespace korvan
