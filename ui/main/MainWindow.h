#pragma once
// The main window: the form with its menu, function bar, status labels and
// page frames. It owns the connection core (links, reply dispatcher,
// connect sequence, device model) and shows it through MainWindowView;
// dialogs and editors reach it through WindowHost. The page contents,
// meters and editors come with their own parts; this is the shell they go
// into.

#include "controls/panels/BmpButton.h"
#include "platform/forms/ExtCtrls.h"
#include "platform/forms/Form.h"
#include "platform/forms/GuiThread.h"
#include "platform/forms/LoadScope.h"
#include "platform/forms/Menus.h"
#include "platform/forms/StdCtrls.h"
#include "platform/forms/Timer.h"
#include "ui/curves/Plot.h"
#include "ui/host/WindowHost.h"
#include "ui/main/MainConnection.h"
#include "ui/main/MainWindowView.h"
#include "ui/main/editors/ChannelEditors.h"
#include "ui/main/editors/CurveEditors.h"
#include "ui/main/editors/DynamicsEditor.h"
#include "ui/main/editors/RoutingEditor.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <span>
#include <string>
#include <vector>

namespace korvan {

struct MainWindowOptions {
    ConnectionServices services{forms::Gui()};
    // The single-instance guard: its key and folder (empty: the user's
    // runtime folder). An empty key claims nothing.
    std::string instanceKey = "korvan-editor";
    std::filesystem::path instanceFolder;
};

} // namespace korvan

// The main window: the form and its controls, which show the connection
// core it owns (links, reply dispatcher, connect sequence, device model)
// through its view. Dialogs and editors reach it through WindowHost.
class TfmMain : public TForm, public korvan::WindowHost {
public:
    static constexpr int PlotCount = 18;
    static constexpr int GainPage = 14;

    TfmMain(TComponent* owner, korvan::MainWindowOptions options = {});
    ~TfmMain() override;

    // The link and model core this window shows.
    TfmMainConnection& Connection() { return connection_; }
    const TfmMainConnection& Connection() const { return connection_; }

    // --- events of the form ---
    void FormCreate(TObject* Sender);
    void FormClose(TObject* Sender, TCloseAction& Action);
    // Lays the window out for its new size (shares out the room above the
    // design size; below it the window scrolls).
    void FormResize(TObject* Sender);

    // --- operations other windows use ---
    // Makes every control show the device model; sends nothing.
    void RefreshFromModel();
    // Sets every text of the main window from the current language table.
    void ApplyLanguage();
    // A level reply (MCS_LEVELS payload) shown on the level meters; a reply
    // shorter than its 38 bytes changes nothing.
    void OnLevelMeters(std::span<const std::uint8_t> payload);
    // Every level meter and activity indicator to 0.
    void ClearMeters();
    std::uint8_t SetQuitConfirmed(std::uint8_t value) {
        QuitConfirmed = value;
        return value;
    }

    // --- WindowHost ---
    void SendCmd(const LCmd& cmd, bool append) override { connection_.SendCmd(cmd, append); }
    std::uint8_t GetUnitId() const override { return connection_.GetUnitId(); }
    LUnitControl& Model() override { return *connection_.UnitControl; }
    std::string Translate(std::string_view key) const override { return connection_.Translate(key); }
    bool IsUpdating() const override { return connection_.IsUpdating(); }
    void SetUnitId(int id) override { connection_.SetUnitId(id); }
    void ShowInformation(std::string_view key) override { connection_.ShowInformation(key); }
    std::vector<std::string> SerialPortNames() override;
    void SelectComPort(const std::string& name) override { connection_.ComPortName = name; }
    bool HasUsbDevice() const override { return connection_.HasUsbDevice(); }
    bool HasNetAddress() const override { return connection_.IpAddress != 0; }
    void SelectNetTarget() override { connection_.SelectNetTarget(AutoIp != 0); }
    void OpenComLink() override { connection_.OpenComLink(); }
    void OpenUsbLink() override { connection_.OpenUsbLink(); }
    void OpenNetLink() override { connection_.OpenNetLink(); }
    void CloseLink() override { connection_.CloseLink(); }
    bool IsOnline() const override { return connection_.Online; }
    bool IsSessionOpen() const override { return connection_.IsSessionOpen(); }
    std::uint32_t NetAddress() const override { return connection_.IpAddress; }
    void ApplyNetAddress(std::uint32_t address) override;
    void SetAutoNetAddress(bool automatic) override { AutoIp = automatic ? 1 : 0; }
    void SetMonitorShown(bool shown) override { connection_.SetMonitorShown(shown); }
    void EnableConnectControls() override;
    void ShowNetworkSetup() override { NetworkSetup->Click(); }
    void ConfirmQuit(bool confirmed) override { SetQuitConfirmed(confirmed ? 1 : 0); }
    void CloseMainWindow() override { Close(); }
    void StorePreset(int n, const std::string& name) override { connection_.StorePreset(n, name); }
    void RecallPreset(int n) override { connection_.RecallPreset(n); }
    void RequestFactoryReset() override { connection_.RequestFactoryReset(); }
    void PushChannelPeq(int ch) override;
    void PushChannelGeq(int code) override;
    void SetChannelLink(int ch, int mask) override;
    void CopyChannel(int from, int to, bool refresh) override;
    void SyncAfterLink() override;
    void UpdateShowButtons(int ch, bool shown) override;
    void UpdateLinkCaptions(int head, int ch) override;
    void ShowGainPage() override;
    void SelectFirstGeqInput() override;
    void SetChannelName(int ch, const std::string& name) override;

    // --- handlers ---
    void rzbMenuLinkClick(TObject* Sender);
    void ExitClick(TObject* Sender);
    void FactoryDefaultClick(TObject* Sender);
    void OpenClick(TObject* Sender);
    void SaveClick(TObject* Sender);
    void UploadClick(TObject* Sender);
    void DownloadClick(TObject* Sender);
    void AboutClick(TObject* Sender);
    void ConnectedClick(TObject* Sender);
    void LanguageClick(TObject* Sender);
    void bStoreClick(TObject* Sender);
    void bRecallClick(TObject* Sender);
    void tmStartConnectTimer();
    // The page buttons' click: shows the page of the button's Tag.
    void rzbMenuInAClick(TObject* Sender);
    // The block diagram's labels: a channel's name, or a block that leads
    // to the channel's page or to a function page for that channel.
    void lbMatrixChNameInAClick(TObject* Sender);
    void lbMatrixHpLpInAClick(TObject* Sender);
    void lbMatrixDelayInAClick(TObject* Sender);
    void lbMatrixCompOut1Click(TObject* Sender);
    void lbMatrixPhaseOut1Click(TObject* Sender);
    void lbMatrixGateInAClick(TObject* Sender);
    void lbMatrixGeqInAClick(TObject* Sender);
    // The link mask of a channel from the device model.
    int GetChannelLink(int channel);
    // The curve and EQ editors.
    korvan::editors::CurveEditors& Editors() { return *editors_; }
    korvan::editors::ChannelEditors& ChannelEditors() { return *channelEditors_; }
    // The Matrix page: routes and mix gains.
    korvan::editors::RoutingEditor& Routing() { return *routing_; }
    // The gate, compressor and limiter pages.
    korvan::editors::DynamicsEditor& Dynamics() { return *dynamics_; }

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
    // On while the window is below its design size in either direction.
    bool AutoScroll = false;
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

    // The window's content, which scrolls below the design size.
    TScrollBox* sbMain;
    TPanel* rzgFunction;
    TRzBmpButton* rzbMenuLink;
    TLabel* lbShowIdNumber;
    TLabel* lbShowIp;
    TLabel* lbConInterface;
    TLabel* lbStatus;
    TPanel* rzgMain;
    TPanel* rzgFftGain;
    TPanel* rzgParamGain;
    TPanel* rzgPreset;
    TLabel* lPreset;
    TLabel* lbPstNum;
    TLabel* lbPstName;
    TLabel* lAddress;
    TRzBmpButton* bStore;
    TRzBmpButton* bRecall;
    TTimer* tmStartConnect;

private:
    void BuildMenu(korvan::forms::LoadScope& scope);
    void BuildControls(korvan::forms::LoadScope& scope);
    // Gives the page buttons and the block diagram their handlers.
    void AttachPageHandlers();
    // The Link, Copy and Channel Name items open their windows.
    void AttachLinkHandlers();
    // The preset strip's buttons open the store and recall lists.
    void AttachPresetHandlers();
    // The link window (when there is one) shows the model's grouping, and
    // the page and overlay buttons follow it.
    void ShowLinksInDialog();
    // Clicks the page button of `function` (or of the label's channel when
    // negative) for the block-diagram label `Sender`, and releases the
    // matrix button.
    void OpenPageFromDiagram(TObject* Sender, int function);

    // The page whose groups show the current page (another channel's for
    // a linked channel).
    int shownGroups_ = GainPage;
    korvan::MainWindowOptions options_;
    // Declared before the core, which reports through it until it is gone.
    korvan::MainWindowView windowView_;
    TfmMainConnection connection_;
    std::unique_ptr<korvan::editors::CurveEditors> editors_;
    std::unique_ptr<korvan::editors::ChannelEditors> channelEditors_;
    std::unique_ptr<korvan::editors::RoutingEditor> routing_;
    std::unique_ptr<korvan::editors::DynamicsEditor> dynamics_;
};

extern TfmMain* fmMain;

namespace korvan {

// Creates the editor's windows in start-up order, the main window first;
// `owner` frees them (null: FreeEditorWindows does).
void CreateEditorWindows(TComponent* owner, const MainWindowOptions& options = {});
// Frees the windows in the reverse order and clears their globals.
void FreeEditorWindows();

} // namespace korvan
