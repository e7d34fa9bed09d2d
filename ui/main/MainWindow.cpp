#include "ui/main/MainWindow.h"

#include "device/protocol/SharedConstants.h"
#include "platform/forms/Application.h"
#include "platform/forms/LoadScope.h"
#include "ui/dialogs/DialogParts.h"
#include "ui/dialogs/FExit.h"
#include "ui/dialogs/FInformation.h"
#include "ui/dialogs/FLockPassWord.h"
#include "ui/dialogs/FNetWorkScan.h"
#include "ui/dialogs/FProcess.h"

#include <cstdio>

TfmMain* fmMain = nullptr;

namespace {

constexpr unsigned StartConnectMs = 300;
constexpr int WindowWidth = 1118;
constexpr int WindowHeight = 720;
constexpr int PresetTop = 626;
constexpr std::size_t PresetNameLength = 14;

// The colours of the first curves: InA to InD.
constexpr std::array<TColor, 4> InputColours = {clPurple, clOlive, clTeal, clMaroon};
constexpr TColor Out1Colour = clRed;

// The update guard, raised for the life of the scope.
class UpdateGuard {
public:
    explicit UpdateGuard(bool& flag) : flag_(flag) { flag_ = true; }
    ~UpdateGuard() { flag_ = false; }
    UpdateGuard(const UpdateGuard&) = delete;
    UpdateGuard& operator=(const UpdateGuard&) = delete;

private:
    bool& flag_;
};

} // namespace

TfmMain::TfmMain(TComponent* owner, korvan::MainWindowOptions options)
    : TForm(owner), TfmMainConnection(windowView_, options.services), options_(std::move(options)) {
    // The global names the window while it is being built, as every
    // dialog reaches it through fmMain.
    fmMain = this;
    windowView_.Attach(this);
    korvan::forms::LoadScope scope(this);
    SetName("fmMain");
    SetCaption(std::string(AppTitle) + " " + AppVersion);
    SetHint("KORVAN DSP PROCESSOR Editor");
    SetClientWidth(1108);
    SetClientHeight(668);
    SetPosition(poScreenCenter);
    BuildMenu();
    BuildControls();
    OnCreate = [this](TObject* s) { FormCreate(s); };
    OnClose = [this](TObject* s, TCloseAction& a) { FormClose(s, a); };
    scope.Finish();
}

TfmMain::~TfmMain() {
    // The core goes after this body: what it still reports reaches no
    // control any more.
    windowView_.Attach(nullptr);
    if (fmMain == this)
        fmMain = nullptr;
}

void TfmMain::BuildControls() {
    using korvan::Place;
    rzgFunction = Place<TPanel>(this, this, "rzgFunction", 0, 0, 1115, 44);
    rzgFunction->SetBevelOuter(bvNone);
    rzgFunction->SetColor(TColor(0x303030));
    rzgFunction->Font().SetColor(clWhite);

    lbShowIdNumber = Place<TLabel>(this, rzgFunction, "lbShowIdNumber", 760, 5, 120, 16);
    lbShowIp = Place<TLabel>(this, rzgFunction, "lbShowIp", 760, 24, 120, 16);
    lbConInterface = Place<TLabel>(this, rzgFunction, "lbConInterface", 890, 5, 140, 16);
    lbStatus = Place<TLabel>(this, rzgFunction, "lbStatus", 890, 24, 140, 16);
    for (TLabel* label : {lbShowIdNumber, lbShowIp, lbConInterface, lbStatus}) {
        label->SetAutoSize(false);
        label->SetTransparent(true);
    }

    rzbMenuLink = Place<korvan::PushButtonStandIn>(this, rzgFunction, "rzbMenuLink", 1040, 6, 60, 32);
    rzbMenuLink->SetColor(TColor(0x505050));
    rzbMenuLink->Font().SetColor(clWhite);
    rzbMenuLink->Font().SetStyle(TFontStyles{fsBold});
    rzbMenuLink->OnClick = [this](TObject* s) { rzbMenuLinkClick(s); };

    rzgMain = Place<TPanel>(this, this, "rzgMain", 0, 44, 1112, 629);
    rzgMain->SetBevelOuter(bvNone);
    rzgMain->SetColor(TColor(0x484848));
    rzgFftGain = Place<TPanel>(this, rzgMain, "rzgFftGain", 0, 0, 1112, 284);
    rzgFftGain->SetBevelOuter(bvLowered);
    rzgFftGain->SetColor(clBlack);
    rzgParamGain = Place<TGroupBox>(this, rzgMain, "rzgParamGain", 20, 292, 1072, 280);
    rzgParamGain->SetColor(TColor(0x484848));
    rzgParamGain->Font().SetColor(clWhite);
    rzgParamGain->SetCaption("Gain");
    rzgParamGain->SetVisible(false);

    rzgPreset = Place<TPanel>(this, this, "rzgPreset", 10, 600, 1090, 40);
    rzgPreset->SetBevelOuter(bvLowered);
    rzgPreset->SetColor(TColor(0x303030));
    rzgPreset->Font().SetColor(clWhite);
    lPreset = Place<TLabel>(this, rzgPreset, "lPreset", 12, 12, 60, 16);
    lbPstNum = Place<TLabel>(this, rzgPreset, "lbPstNum", 80, 12, 40, 16);
    lbPstName = Place<TLabel>(this, rzgPreset, "lbPstName", 130, 12, 200, 16);
    for (TLabel* label : {lPreset, lbPstNum, lbPstName}) {
        label->SetAutoSize(false);
        label->SetTransparent(true);
    }
    lbPstNum->Font().SetColor(clLime);
    lbPstName->Font().SetColor(clLime);

    tmStartConnect =
        korvan::MakeTimer(this, "tmStartConnect", StartConnectMs, [this] { tmStartConnectTimer(); });
}

// --- messages ----------------------------------------------------------------

void TfmMain::Dispatch(TMessage& Message) {
    switch (Message.Msg) {
    case WM_LINK_FRAME:
        OnFrameReceived(reinterpret_cast<const korvan::LinkFrameMessage*>(Message.LParam)->frame);
        break;
    case WM_LINK_STATUS:
        TfmMainConnection::OnLinkStatus(*reinterpret_cast<const korvan::LinkStatusMessage*>(Message.LParam));
        break;
    default:
        WndProc(Message);
        break;
    }
}

void TfmMain::OnLinkFrame(const korvan::LinkFrameMessage& message) {
    TMessage m;
    m.Msg = message.message;
    m.LParam = reinterpret_cast<std::intptr_t>(&message);
    Dispatch(m);
}

void TfmMain::OnLinkStatus(const korvan::LinkStatusMessage& message) {
    TMessage m;
    m.Msg = WM_LINK_STATUS;
    m.WParam = std::uintptr_t(message.code);
    m.LParam = reinterpret_cast<std::intptr_t>(&message);
    Dispatch(m);
}

// --- creation and closing ------------------------------------------------------

void TfmMain::FormCreate(TObject* /*Sender*/) {
    SetCaption(std::string(AppTitle) + " " + AppVersion);
    SetHint(AppTitle);

    // One editor per user: a later start brings this one forward and ends.
    if (!options_.instanceKey.empty())
        Application->ClaimSingleInstance(options_.instanceKey, options_.instanceFolder);

    SetUnitId(1);
    SelectedCurveHandle = -1;
    PreviousCurveHandle = -1;
    CurrentPage = GainPage;
    GatePageChannel = 0;
    CompPageChannel = 4;
    LimitPageChannel = 4;

    rzgParamGain->SetVisible(true);
    SetBounds(Left(), Top(), WindowWidth, WindowHeight);
    rzgPreset->SetTop(PresetTop);
    ExtraHeight = 0;

    // The displays come with the pages; until then the calculators compute
    // without drawing.
    for (auto& plot : Plots) {
        plot = std::make_unique<Plot>(nullptr);
        plot->SetPhaseMode(0);
    }

    Languages.Language = "English";
    ChineseSimplified->SetChecked(false);
    ChineseTraditional->SetChecked(false);
    English->SetChecked(true);
    ApplyLanguage();

    // The device model and the socket's target were set up with the
    // connection core, just before this.
    Initialising = 1;
    RefreshFromModel();
    Initialising = 0;

    rzgFftGain->BringToFront();
    rzgParamGain->BringToFront();
    tmStartConnect->SetEnabled(true);

    Plots[12]->DrawSectionCurve(0, InputColours[0]);
    Plots[13]->DrawSectionCurve(4, Out1Colour);
    for (int i = 0; i < 4; ++i)
        Plots[std::size_t(14 + i)]->DrawSectionCurve(Plot::TotalSection, InputColours[std::size_t(i)]);

    lbShowIp->SetCaption("IP : " + ClientSocket.Address());

    NetworkSetup->SetVisible(true);
}

void TfmMain::FormClose(TObject* /*Sender*/, TCloseAction& Action) {
    if (fmExit != nullptr)
        fmExit->Show();
    if (QuitConfirmed != 1) {
        Action = caNone;
        return;
    }
    Action = caHide;
    FreeLinksOnClose();
}

// --- refresh -----------------------------------------------------------------------

void TfmMain::RefreshFromModel() {
    UpdateGuard guard(Updating);
    char number[8];
    std::snprintf(number, sizeof number, CurrentPreset >= 1 ? "U%02d" : "F%02d", CurrentPreset);
    lbPstNum->SetCaption(number);
    const char* name = UnitControl->GetPresetNameChars();
    std::string text(name, PresetNameLength);
    text.resize(text.find('\0') == std::string::npos ? text.size() : text.find('\0'));
    lbPstName->SetCaption(text);
}

// --- connection ------------------------------------------------------------------

void TfmMain::rzbMenuLinkClick(TObject* /*Sender*/) {
    rzbMenuLink->SetEnabled(false);
    Connect->SetEnabled(false);
    rzbMenuLink->SetDown(false);
    if (Online) {
        Connect->SetCaption(Translate("SID_CONNECT"));
        tmDisconnect.SetEnabled(true);
        return;
    }
    if (fmNetwork == nullptr)
        return;
    fmNetwork->btnOK->Click();
    Connect->SetCaption(Translate("SID_DISCONNECT"));
    korvan::ShowModalOnce(fmNetwork);
}

void TfmMain::tmStartConnectTimer() {
    tmStartConnect->SetEnabled(false);
    rzbMenuLink->Click();
}

void TfmMain::SelectNetTarget() {
    if (AutoIp == 0) {
        if (!ClientSocket.IsActive())
            ClientSocket.Open();
    } else {
        IpAddress = 0;
    }
}

void TfmMain::EnableConnectControls() {
    rzbMenuLink->SetEnabled(true);
    Connect->SetEnabled(true);
}

// --- windows -----------------------------------------------------------------------

namespace korvan {

void CreateEditorWindows(TComponent* owner, const MainWindowOptions& options) {
    new TfmMain(owner, options); // sets fmMain
    fmLockPassWord = new TfmLockPassWord(owner);
    fmNetwork = new TfmNetwork(owner);
    fmProcess = new TfmProcess(owner);
    fmInformation = new TfmInformation(owner);
    fmExit = new TfmExit(owner);
}

namespace {
template <class T> void FreeWindow(T*& window) {
    delete window;
    window = nullptr;
}
} // namespace

void FreeEditorWindows() {
    FreeWindow(fmExit);
    FreeWindow(fmInformation);
    FreeWindow(fmProcess);
    FreeWindow(fmNetwork);
    FreeWindow(fmLockPassWord);
    FreeWindow(fmMain);
}

} // namespace korvan
