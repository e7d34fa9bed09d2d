// The main menu, its handlers and the main window's texts.

#include "ui/main/MainWindow.h"

#include "platform/forms/Dialogs.h"
#include "ui/dialogs/FAbout.h"
#include "ui/dialogs/FExit.h"
#include "ui/dialogs/FFactory.h"
#include "ui/dialogs/FHidData.h"
#include "ui/dialogs/FLockSetup.h"
#include "ui/dialogs/FMemo.h"
#include "ui/dialogs/FNetworkSetup.h"
#include "ui/dialogs/FRs232Code.h"
#include "ui/dialogs/FRs232CodeEnglish.h"
#include "ui/dialogs/FTest.h"
#include "ui/dialogs/ModalWindows.h"
#include "ui/main/form/FormLanguage.h"

namespace {

TMenuItem* AddItem(korvan::forms::LoadScope& scope, TMenuItem* parent, const std::string& name,
                   const std::string& caption, bool visible = true) {
    auto* item = scope.Create<TMenuItem>(scope.Root(), name);
    item->SetCaption(caption);
    item->SetVisible(visible);
    parent->Add(item);
    return item;
}

// Language items carry the language in their tag.
enum LanguageTag { TagChineseGB = 0, TagChineseBig5 = 1, TagEnglish = 2 };

} // namespace

void TfmMain::BuildMenu(korvan::forms::LoadScope& scope) {
    MainMenu = scope.Create<TMainMenu>(this, "MainMenu");
    TMenuItem* root = MainMenu->Items();
    constexpr bool hidden = false;

    File = AddItem(scope, root, "File", "File");
    Open = AddItem(scope, File, "Open", "Open");
    Save = AddItem(scope, File, "Save", "Save");
    Open->OnClick = [this](TObject* s) { OpenClick(s); };
    Save->OnClick = [this](TObject* s) { SaveClick(s); };
    N1 = AddItem(scope, File, "N1", "-");
    Upload = AddItem(scope, File, "Upload", "Upload");
    Download = AddItem(scope, File, "Download", "Download");
    Upload->OnClick = [this](TObject* s) { UploadClick(s); };
    Download->OnClick = [this](TObject* s) { DownloadClick(s); };
    N2 = AddItem(scope, File, "N2", "-", hidden);
    FactoryDefault = AddItem(scope, File, "FactoryDefault", "Factory Default", hidden);
    FactoryDefault->OnClick = [this](TObject* s) { FactoryDefaultClick(s); };
    N3 = AddItem(scope, File, "N3", "-");
    Exit = AddItem(scope, File, "Exit", "Exit");
    Exit->OnClick = [this](TObject* s) { ExitClick(s); };

    Link = AddItem(scope, root, "Link", "Link");
    Copy = AddItem(scope, root, "Copy", "Copy");
    Lock = AddItem(scope, root, "Lock", "Lock");
    SettingID = AddItem(scope, root, "SettingID", "Setting ID", hidden);
    NetworkSetup = AddItem(scope, root, "NetworkSetup", "Setting ID/IP", hidden);
    TestTone = AddItem(scope, root, "TestTone", "Test Tone");
    ChNameList = AddItem(scope, root, "ChNameList", "Channel Name");
    NetworkSetup->OnClick = [](TObject*) {
        if (fmNetworkSetup != nullptr)
            fmNetworkSetup->NetworkSetupClick();
    };
    TestTone->OnClick = [](TObject*) { korvan::ShowModalOnce(fmTest); };

    LanguageSel = AddItem(scope, root, "LanguageSel", "Language", hidden);
    ChineseSimplified = AddItem(scope, LanguageSel, "ChineseSimplified", "Chinese");
    ChineseSimplified->SetTag(TagChineseGB);
    ChineseSimplified->OnClick = [this](TObject* s) { LanguageClick(s); };
    ChineseTraditional = AddItem(scope, LanguageSel, "ChineseTraditional", "Traditional Chinese", hidden);
    ChineseTraditional->SetTag(TagChineseBig5);
    English = AddItem(scope, LanguageSel, "English", "English");
    English->SetTag(TagEnglish);
    English->OnClick = [this](TObject* s) { LanguageClick(s); };

    Help = AddItem(scope, root, "Help", "Help");
    Rs232Code = AddItem(scope, Help, "Rs232Code", "RS232 Code Table");
    Rs232Code->OnClick = [this](TObject*) {
        if (connection_.Languages.Language == "English")
            korvan::ShowModalOnce(fmRs232CodeEnglish);
        else
            korvan::ShowModalOnce(fmRs232Code);
    };
    N4 = AddItem(scope, Help, "N4", "-", hidden);
    MemoShow = AddItem(scope, Help, "MemoShow", "Message List", hidden);
    HidData = AddItem(scope, Help, "HidData", "Frame Monitor", hidden);
    MemoShow->OnClick = [](TObject*) {
        if (fmMemo != nullptr)
            fmMemo->Show();
    };
    HidData->OnClick = [](TObject*) {
        if (fmHidData != nullptr)
            fmHidData->Show();
    };
    N6 = AddItem(scope, Help, "N6", "-", hidden);
    LockSetup = AddItem(scope, Help, "LockSetup", "Lock", hidden);
    for (TMenuItem* item : {Lock, LockSetup})
        item->OnClick = [](TObject*) { korvan::ShowModalOnce(fmLockSetup); };

    BlockDiagram = AddItem(scope, root, "BlockDiagram", "Diagram", hidden);
    Connect = AddItem(scope, root, "Connect", "Connect", hidden);
    Connected = AddItem(scope, Connect, "Connected", "Connect");
    Connected->OnClick = [this](TObject* s) { ConnectedClick(s); };
    ConnectHelp = AddItem(scope, Connect, "ConnectHelp", "Connect Help", hidden);
    About = AddItem(scope, root, "About", "About");
    About->OnClick = [this](TObject* s) { AboutClick(s); };

    SetMenu(MainMenu);
}

void TfmMain::ApplyLanguage() {
    const std::pair<TMenuItem*, const char*> items[] = {
        {File, "SID_FILE"},
        {Open, "SID_OPEN"},
        {Save, "SID_SAVE"},
        {Upload, "SID_UPLOAD"},
        {Download, "SID_DOWNLOAD"},
        {FactoryDefault, "SID_RETRUN_FACTORY"},
        {Exit, "SID_EXIT"},
        {BlockDiagram, "SID_BLOCK"},
        {Connected, connection_.Online ? "SID_DISCONNECT" : "SID_CONNECT"},
        {Connect, "SID_CONNECT"},
        {ConnectHelp, "SID_CONNECT_HELP"},
        {Lock, "SID_LOCK"},
        {LockSetup, "SID_LOCK_SETUP"},
        {SettingID, "SID_SET_ID"},
        {NetworkSetup, "SID_SET_NETWORK"},
        {TestTone, "SID_TEST_TONE"},
        {Link, "SID_LINK"},
        {Copy, "SID_COPY"},
        {ChNameList, "SID_CH_NAME_LIST"},
        {LanguageSel, "SID_LANGUAGE"},
        {ChineseSimplified, "SID_CHINESE_SIMPLIFIED"},
        {ChineseTraditional, "SID_CHINESE_TRODITIONAL"},
        {English, "SID_ENGLISH"},
        {Help, "SID_HELP"},
        {Rs232Code, "SID_RS232_CODE"},
        {About, "SID_ABOUT"},
    };
    for (const auto& [item, key] : items)
        item->SetCaption(Translate(key));
    rzbMenuLink->SetCaption(Translate(connection_.Online ? "SID_ONLINE" : "SID_OFFLINE"));
    lPreset->SetCaption(Translate("SID_PRESET"));
    korvan::mainform::ApplyFormLanguage(*this, connection_.Languages.CurrentTable(),
                                        {GatePageChannel, CompPageChannel, LimitPageChannel});
}

void TfmMain::ExitClick(TObject* /*Sender*/) {
    korvan::ShowModalOnce(fmExit);
}

void TfmMain::FactoryDefaultClick(TObject* /*Sender*/) {
    if (connection_.IsSessionOpen())
        korvan::ShowModalOnce(fmFactory);
    else
        windowView_.ShowInformation(Translate("SID_INFO_CON_FIRST"));
}

void TfmMain::OpenClick(TObject* /*Sender*/) {
    korvan::forms::FileDialogOptions options;
    options.Filter = "*.prs|*.prs";
    options.FileMustExist = true;
    if (const auto path = korvan::forms::Dialogs().OpenFile(options))
        connection_.LoadPresetFile(*path);
}

void TfmMain::SaveClick(TObject* /*Sender*/) {
    Model().SavePresetFile();
}

void TfmMain::UploadClick(TObject* /*Sender*/) {
    connection_.UploadUnit();
}

void TfmMain::DownloadClick(TObject* /*Sender*/) {
    if (!connection_.IsSessionOpen()) {
        windowView_.ShowInformation(Translate("SID_INFO_CON_FIRST"));
        return;
    }
    korvan::forms::FileDialogOptions options;
    options.Filter = "*.unt|*.unt";
    options.FileMustExist = true;
    if (const auto path = korvan::forms::Dialogs().OpenFile(options))
        connection_.DownloadUnit(*path);
}

void TfmMain::AboutClick(TObject* /*Sender*/) {
    korvan::ShowModalOnce(fmAbout);
}

void TfmMain::ConnectedClick(TObject* /*Sender*/) {
    rzbMenuLink->Click();
}

void TfmMain::LanguageClick(TObject* Sender) {
    auto* item = dynamic_cast<TMenuItem*>(Sender);
    if (item == nullptr)
        return;
    const int tag = item->Tag();
    if (tag == TagChineseGB || tag == TagChineseBig5 || tag == TagEnglish) {
        connection_.Languages.Language = tag == TagChineseGB     ? "ChineseGB"
                                         : tag == TagChineseBig5 ? "ChineseBIG5"
                                                                 : "English";
        if (item->Checked())
            return;
        for (TMenuItem* each : {ChineseSimplified, ChineseTraditional, English})
            each->SetChecked(each == item);
    }
    ApplyLanguage();
}
