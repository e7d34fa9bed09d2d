#include "ui/main/MainWindow.h"

#include "device/protocol/SharedConstants.h"
#include "platform/forms/Application.h"
#include "platform/sys/FlagScope.h"
#include "platform/text/AnsiText.h"
#include "ui/curves/LMyFFTDrawHpLp6dB.h"
#include "ui/dialogs/FAbout.h"
#include "ui/dialogs/FChNameList.h"
#include "ui/dialogs/FChannelName.h"
#include "ui/dialogs/FCopy.h"
#include "ui/dialogs/FExit.h"
#include "ui/dialogs/FFactory.h"
#include "ui/dialogs/FHidData.h"
#include "ui/dialogs/FInformation.h"
#include "ui/dialogs/FLinkSel.h"
#include "ui/dialogs/FLockPassWord.h"
#include "ui/dialogs/FLockSetup.h"
#include "ui/dialogs/FMemo.h"
#include "ui/dialogs/FNetWorkScan.h"
#include "ui/dialogs/FNetworkSetup.h"
#include "ui/dialogs/FPeqRst.h"
#include "ui/dialogs/FProcess.h"
#include "ui/dialogs/FRecallPreset.h"
#include "ui/dialogs/FRs232Code.h"
#include "ui/dialogs/FRs232CodeEnglish.h"
#include "ui/dialogs/FStoreName.h"
#include "ui/dialogs/FStorePreset.h"
#include "ui/dialogs/FTest.h"
#include "ui/dialogs/ModalWindows.h"
#include "ui/main/MeterPlacement.h"
#include "ui/main/StartupSplash.h"
#include "ui/main/UnitAddress.h"
#include "ui/main/form/Faces.h"
#include "ui/main/form/MainForm.h"
#include "ui/main/form/PageNames.h"
#include "ui/main/form/PresetStrip.h"
#include "ui/main/form/ResizeLayout.h"
#include "ui/main/form/ScrolledLayout.h"
#include "ui/main/form/TransferPlots.h"

#include <cstdio>

TfmMain* fmMain = nullptr;

namespace {

constexpr unsigned StartConnectMs = 300;
constexpr int WindowWidth = 1118;
constexpr int WindowHeight = 720;
constexpr int PresetTop = 626;

// The colours of the first curves: InA to InD.
constexpr std::array<TColor, 4> InputColours = {clPurple, clOlive, clTeal, clMaroon};
constexpr TColor Out1Colour = clRed;

} // namespace

TfmMain::TfmMain(TComponent* owner, korvan::MainWindowOptions options)
    : TForm(owner), options_(std::move(options)), connection_(windowView_, options_.services) {
    // Made beside the controls, placed after them.
    korvan::SplashPicture splashPicture = korvan::StartSplashPicture();
    fmMain = this;
    windowView_.Attach(this);
    korvan::forms::LoadScope scope(this);
    SetName("fmMain");
    SetCaption(std::string(AppTitle) + " " + AppVersion);
    SetHint("KORVAN DSP PROCESSOR Editor");
    SetClientWidth(1108);
    SetClientHeight(668);
    SetPosition(poScreenCenter);
    BuildMenu(scope);
    BuildControls(scope);
    korvan::PlaceStartupSplash(scope, this, std::move(splashPicture));
    OnCreate = [this](TObject* s) { FormCreate(s); };
    OnClose = [this](TObject* s, TCloseAction& a) { FormClose(s, a); };
    OnResize = [this](TObject* s) { FormResize(s); };
    const korvan::editors::EditorContext context{
        *this, *this, Plots, OverlayChanged, connection_.Updating, SelectedCurveHandle, CurrentPage};
    editors_ = std::make_unique<korvan::editors::CurveEditors>(context, scope);
    channelEditors_ =
        std::make_unique<korvan::editors::ChannelEditors>(context, scope, connection_.PendingGeqEdit);
    routing_ = std::make_unique<korvan::editors::RoutingEditor>(context, ExtraHeight);
    dynamics_ = std::make_unique<korvan::editors::DynamicsEditor>(
        context, scope, korvan::editors::DynamicsPages{GatePageChannel, CompPageChannel, LimitPageChannel});
    scope.Finish();
    AttachPageHandlers();
    AttachLinkHandlers();
    AttachPresetHandlers();
    const auto openReset = [](int ch) {
        if (fmPeqRst == nullptr)
            return;
        fmPeqRst->SetResetChannel(ch);
        korvan::ShowModalOnce(fmPeqRst);
    };
    channelEditors_->AttachHandlers(openReset);
    routing_->AttachHandlers();
    editors_->AttachHandlers(openReset);
    dynamics_->AttachHandlers();
}

TfmMain::~TfmMain() {
    // The core goes after this body: what it still reports reaches no
    // control any more.
    windowView_.Attach(nullptr);
    if (fmMain == this)
        fmMain = nullptr;
}

void TfmMain::BuildControls(korvan::forms::LoadScope& scope) {
    // Everything of the window lies in one box that scrolls below the
    // design size.
    sbMain = scope.Place<TScrollBox>(this, "sbMain", 0, 0, 1108, 668);
    sbMain->SetAlign(alClient);
    sbMain->SetAutoScroll(false);
    sbMain->SetColor(TColor(0x484848));

    rzgFunction = scope.Place<TPanel>(sbMain, "rzgFunction", 0, 0, 1115, 44);
    rzgFunction->SetBevelOuter(bvNone);
    rzgFunction->SetColor(TColor(0x303030));
    rzgFunction->Font().SetColor(clWhite);

    lbShowIdNumber = scope.Place<TLabel>(rzgFunction, "lbShowIdNumber", 760, 5, 120, 16);
    lbShowIp = scope.Place<TLabel>(rzgFunction, "lbShowIp", 760, 24, 120, 16);
    lbConInterface = scope.Place<TLabel>(rzgFunction, "lbConInterface", 890, 5, 140, 16);
    lbStatus = scope.Place<TLabel>(rzgFunction, "lbStatus", 890, 24, 140, 16);
    for (TLabel* label : {lbShowIdNumber, lbShowIp, lbConInterface, lbStatus}) {
        label->SetAutoSize(false);
        label->SetTransparent(true);
    }

    // The connection button is its own group and stays down while on line.
    rzbMenuLink = scope.Place<TRzBmpButton>(rzgFunction, "rzbMenuLink", 1040, 6, 60, 32);
    rzbMenuLink->SetGroupIndex(10);
    rzbMenuLink->SetAllowAllUp(true);
    korvan::mainform::ApplyFace(*rzbMenuLink, "link");
    rzbMenuLink->SetColor(TColor(0x505050));
    rzbMenuLink->Font().SetColor(clWhite);
    rzbMenuLink->Font().SetStyle(TFontStyles{fsBold});
    rzbMenuLink->OnClick = [this](TObject* s) { rzbMenuLinkClick(s); };

    rzgMain = scope.Place<TPanel>(sbMain, "rzgMain", 0, 44, 1112, 629);
    rzgMain->SetBevelOuter(bvNone);
    rzgMain->SetColor(TColor(0x484848));
    korvan::mainform::BuildFamilies(scope, korvan::mainform::PageFrames());
    rzgFftGain = dynamic_cast<TPanel*>(FindComponent("rzgFftGain"));
    rzgParamGain = dynamic_cast<TPanel*>(FindComponent("rzgParamGain"));
    rzgParamGain->SetVisible(false);
    // The Gain page's meters go on its group; the pages' contents then
    // seat the others in their panels.
    korvan::PlaceLevelMeters(scope, rzgParamGain, nullptr);
    korvan::mainform::BuildFamilies(scope, korvan::mainform::PageContents());
    korvan::mainform::BuildFamilies(scope, korvan::mainform::ParameterControls());

    // Low enough to show whole below its top of 626 at the design size,
    // with room left for a menu bar taller than the design's.
    rzgPreset = scope.Place<TPanel>(sbMain, "rzgPreset", 10, 600, 1090, 32);
    rzgPreset->SetBevelOuter(bvLowered);
    rzgPreset->SetColor(TColor(0x303030));
    rzgPreset->Font().SetColor(clWhite);
    korvan::mainform::BuildFamilies(scope, korvan::mainform::PresetStrip());
    lPreset = dynamic_cast<TLabel*>(FindComponent("lPreset"));
    lbPstNum = dynamic_cast<TLabel*>(FindComponent("lbPstNum"));
    lbPstName = dynamic_cast<TLabel*>(FindComponent("lbPstName"));
    lAddress = dynamic_cast<TLabel*>(FindComponent("lAddress"));
    bStore = dynamic_cast<TRzBmpButton*>(FindComponent("bStore"));
    bRecall = dynamic_cast<TRzBmpButton*>(FindComponent("bRecall"));

    tmStartConnect = scope.PlaceTimer("tmStartConnect", StartConnectMs, [this] { tmStartConnectTimer(); });
}

// --- creation and closing ------------------------------------------------------

void TfmMain::FormCreate(TObject* /*Sender*/) {
    SetCaption(std::string(AppTitle) + " " + AppVersion);
    SetHint(AppTitle);

    // One editor per user: a later start brings this one forward and ends.
    if (!options_.instanceKey.empty())
        Application->ClaimSingleInstance(options_.instanceKey, options_.instanceFolder);

    connection_.SetUnitId(1);
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

    // One calculator per display: the channels', the Gain page's two, the
    // graphic EQ's four.
    for (std::size_t d = 0; d < Plots.size(); ++d) {
        const std::string name = d < 12    ? "fftDraw" + korvan::mainform::ChannelSuffix(int(d))
                                 : d == 12 ? std::string("fftDrawGainIn")
                                 : d == 13 ? std::string("fftDrawGainOut")
                                           : "fftDrawGeqIn" + korvan::mainform::ChannelShort(int(d) - 14);
        Plots[d] = std::make_unique<Plot>(dynamic_cast<LMyFFTDrawHpLp6dB*>(FindComponent(name)));
        Plots[d]->SetPhaseMode(0);
    }

    connection_.Languages.Language = "English";
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
    korvan::mainform::SeedTransferPlots(*this);
    // The first refresh ran before the plots had their points: the curves
    // are drawn from the model's values now.
    dynamics_->DrawPageCurves();

    lbShowIp->SetCaption("IP : " + connection_.ClientSocket.Address());

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
    connection_.FreeLinksOnClose();
}

void TfmMain::FormResize(TObject* /*Sender*/) {
    AutoScroll = korvan::mainform::LayOutScrolled(*sbMain, [this] {
        return korvan::mainform::LayOutMainForm(*this, Width(), Height(), ExtraHeight).autoScroll;
    });
    // The delay rows moved: their time labels and dashes follow the icons.
    if (channelEditors_)
        channelEditors_->AfterResize();
}

// --- EQ resets: the default preset's bands, each sent ------------------------------

void TfmMain::PushChannelPeq(int ch) {
    editors_->Peq().ResetChannel(ch);
    RefreshFromModel();
}

void TfmMain::PushChannelGeq(int code) {
    channelEditors_->Geq().ResetBands(code - 12);
}

// --- connection ------------------------------------------------------------------

void TfmMain::rzbMenuLinkClick(TObject* /*Sender*/) {
    rzbMenuLink->SetEnabled(false);
    Connect->SetEnabled(false);
    rzbMenuLink->SetDown(false);
    if (connection_.Online) {
        Connect->SetCaption(Translate("SID_CONNECT"));
        connection_.tmDisconnect.SetEnabled(true);
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

std::vector<std::string> TfmMain::SerialPortNames() {
    std::vector<std::string> names;
    for (const auto& port : connection_.SerialPorts().List())
        names.push_back(port.name);
    return names;
}

void TfmMain::ApplyNetAddress(std::uint32_t address) {
    connection_.ApplyNetAddress(address);
    lbShowIp->SetCaption("IP : " + korvan::FormatIpAddress(address));
}

void TfmMain::EnableConnectControls() {
    rzbMenuLink->SetEnabled(true);
    Connect->SetEnabled(true);
}

// --- windows -----------------------------------------------------------------------

namespace korvan {

void CreateEditorWindows(TComponent* owner, const MainWindowOptions& options) {
    auto* main = new TfmMain(owner, options); // sets fmMain
    fmLockPassWord = new TfmLockPassWord(owner, *main);
    fmNetwork = new TfmNetwork(owner, *main);
    fmProcess = new TfmProcess(owner, *main);
    fmInformation = new TfmInformation(owner, *main);
    fmExit = new TfmExit(owner, *main);
    fmNetworkSetup = new TfmNetworkSetup(owner, *main);
    fmLockSetup = new TfmLockSetup(owner, *main);
    fmTest = new TfmTest(owner, *main);
    fmHidData = new TfmHidData(owner, *main);
    fmMemo = new TfmMemo(owner, *main);
    fmStorePreset = new TfmStorePreset(owner, *main);
    fmRecallPreset = new TfmRecallPreset(owner, *main);
    fmStoreName = new TfmStoreName(owner, *main);
    fmFactory = new TfmFactory(owner, *main);
    fmPeqRst = new TfmPeqRst(owner, *main);
    fmAbout = new TfmAbout(owner, *main);
    fmLinkSel = new TfmLinkSel(owner, *main);
    fmCopy = new TfmCopy(owner, *main);
    fmChannelName = new TfmChannelName(owner, *main);
    fmChNameList = new TfmChNameList(owner, *main);
    fmRs232Code = new TfmRs232Code(owner);
    fmRs232CodeEnglish = new TfmRs232CodeEnglish(owner);
}

namespace {
template <class T> void FreeWindow(T*& window) {
    delete window;
    window = nullptr;
}
} // namespace

void FreeEditorWindows() {
    FreeWindow(fmRs232CodeEnglish);
    FreeWindow(fmRs232Code);
    FreeWindow(fmMemo);
    FreeWindow(fmHidData);
    FreeWindow(fmTest);
    FreeWindow(fmLockSetup);
    FreeWindow(fmNetworkSetup);
    FreeWindow(fmChNameList);
    FreeWindow(fmChannelName);
    FreeWindow(fmCopy);
    FreeWindow(fmLinkSel);
    FreeWindow(fmAbout);
    FreeWindow(fmPeqRst);
    FreeWindow(fmFactory);
    FreeWindow(fmStoreName);
    FreeWindow(fmRecallPreset);
    FreeWindow(fmStorePreset);
    FreeWindow(fmExit);
    FreeWindow(fmInformation);
    FreeWindow(fmProcess);
    FreeWindow(fmNetwork);
    FreeWindow(fmLockPassWord);
    FreeWindow(fmMain);
}

} // namespace korvan
