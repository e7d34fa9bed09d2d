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

// Language items carry the language in their tag.
enum LanguageTag { TagChineseGB = 0, TagChineseBig5 = 1, TagEnglish = 2 };

using Item = TMenuItem* TfmMain::*;
using Click = void (*)(TfmMain&, TObject*);

// One item of the main menu: where the window keeps it, its parent (none
// for the menu bar), name, stored caption, language key, visibility, tag
// and click handler. The rows are in the order the menu shows them.
struct MenuRow {
    Item item;
    Item parent;
    const char* name;
    const char* caption;
    const char* key = nullptr;
    bool visible = true;
    int tag = 0;
    Click click = nullptr;
};

template <void (TfmMain::*Handler)(TObject*)> void Call(TfmMain& window, TObject* sender) {
    (window.*Handler)(sender);
}

template <typename T, T** Window> void ShowModal(TfmMain&, TObject*) {
    korvan::ShowModalOnce(*Window);
}

template <typename T, T** Window> void ShowModeless(TfmMain&, TObject*) {
    if (*Window != nullptr)
        (*Window)->Show();
}

void ShowNetworkSetup(TfmMain&, TObject*) {
    if (fmNetworkSetup != nullptr)
        fmNetworkSetup->NetworkSetupClick();
}

// The code table in the language of the window.
void ShowRs232Code(TfmMain& window, TObject*) {
    if (window.Connection().Languages.Language == "English")
        korvan::ShowModalOnce(fmRs232CodeEnglish);
    else
        korvan::ShowModalOnce(fmRs232Code);
}

constexpr bool Hidden = false;
constexpr Item Bar = nullptr;

// Link, Copy and Channel Name get their handlers with the link windows'.
constexpr MenuRow MenuRows[] = {
    {&TfmMain::File, Bar, "File", "File", "SID_FILE"},
    {&TfmMain::Open, &TfmMain::File, "Open", "Open", "SID_OPEN", true, 0, Call<&TfmMain::OpenClick>},
    {&TfmMain::Save, &TfmMain::File, "Save", "Save", "SID_SAVE", true, 0, Call<&TfmMain::SaveClick>},
    {&TfmMain::N1, &TfmMain::File, "N1", "-"},
    {&TfmMain::Upload, &TfmMain::File, "Upload", "Upload", "SID_UPLOAD", true, 0,
     Call<&TfmMain::UploadClick>},
    {&TfmMain::Download, &TfmMain::File, "Download", "Download", "SID_DOWNLOAD", true, 0,
     Call<&TfmMain::DownloadClick>},
    {&TfmMain::N2, &TfmMain::File, "N2", "-", nullptr, Hidden},
    {&TfmMain::FactoryDefault, &TfmMain::File, "FactoryDefault", "Factory Default", "SID_RETRUN_FACTORY",
     Hidden, 0, Call<&TfmMain::FactoryDefaultClick>},
    {&TfmMain::N3, &TfmMain::File, "N3", "-"},
    {&TfmMain::Exit, &TfmMain::File, "Exit", "Exit", "SID_EXIT", true, 0, Call<&TfmMain::ExitClick>},

    {&TfmMain::Link, Bar, "Link", "Link", "SID_LINK"},
    {&TfmMain::Copy, Bar, "Copy", "Copy", "SID_COPY"},
    {&TfmMain::Lock, Bar, "Lock", "Lock", "SID_LOCK", true, 0, ShowModal<TfmLockSetup, &fmLockSetup>},
    {&TfmMain::SettingID, Bar, "SettingID", "Setting ID", "SID_SET_ID", Hidden},
    {&TfmMain::NetworkSetup, Bar, "NetworkSetup", "Setting ID/IP", "SID_SET_NETWORK", Hidden, 0,
     ShowNetworkSetup},
    {&TfmMain::TestTone, Bar, "TestTone", "Test Tone", "SID_TEST_TONE", true, 0, ShowModal<TfmTest, &fmTest>},
    {&TfmMain::ChNameList, Bar, "ChNameList", "Channel Name", "SID_CH_NAME_LIST"},

    {&TfmMain::LanguageSel, Bar, "LanguageSel", "Language", "SID_LANGUAGE", Hidden},
    {&TfmMain::ChineseSimplified, &TfmMain::LanguageSel, "ChineseSimplified", "Chinese",
     "SID_CHINESE_SIMPLIFIED", true, TagChineseGB, Call<&TfmMain::LanguageClick>},
    {&TfmMain::ChineseTraditional, &TfmMain::LanguageSel, "ChineseTraditional", "Traditional Chinese",
     "SID_CHINESE_TRODITIONAL", Hidden, TagChineseBig5},
    {&TfmMain::English, &TfmMain::LanguageSel, "English", "English", "SID_ENGLISH", true, TagEnglish,
     Call<&TfmMain::LanguageClick>},

    {&TfmMain::Help, Bar, "Help", "Help", "SID_HELP"},
    {&TfmMain::Rs232Code, &TfmMain::Help, "Rs232Code", "RS232 Code Table", "SID_RS232_CODE", true, 0,
     ShowRs232Code},
    {&TfmMain::N4, &TfmMain::Help, "N4", "-", nullptr, Hidden},
    {&TfmMain::MemoShow, &TfmMain::Help, "MemoShow", "Message List", nullptr, Hidden, 0,
     ShowModeless<TfmMemo, &fmMemo>},
    {&TfmMain::HidData, &TfmMain::Help, "HidData", "Frame Monitor", nullptr, Hidden, 0,
     ShowModeless<TfmHidData, &fmHidData>},
    {&TfmMain::N6, &TfmMain::Help, "N6", "-", nullptr, Hidden},
    {&TfmMain::LockSetup, &TfmMain::Help, "LockSetup", "Lock", "SID_LOCK_SETUP", Hidden, 0,
     ShowModal<TfmLockSetup, &fmLockSetup>},

    {&TfmMain::BlockDiagram, Bar, "BlockDiagram", "Diagram", "SID_BLOCK", Hidden},
    {&TfmMain::Connect, Bar, "Connect", "Connect", "SID_CONNECT", Hidden},
    {&TfmMain::Connected, &TfmMain::Connect, "Connected", "Connect", "SID_CONNECT", true, 0,
     Call<&TfmMain::ConnectedClick>},
    {&TfmMain::ConnectHelp, &TfmMain::Connect, "ConnectHelp", "Connect Help", "SID_CONNECT_HELP", Hidden},
    {&TfmMain::About, Bar, "About", "About", "SID_ABOUT", true, 0, Call<&TfmMain::AboutClick>},
};

} // namespace

void TfmMain::BuildMenu(korvan::forms::LoadScope& scope) {
    MainMenu = scope.Create<TMainMenu>(this, "MainMenu");
    for (const MenuRow& row : MenuRows) {
        TMenuItem* item = scope.Create<TMenuItem>(scope.Root(), row.name);
        this->*row.item = item;
        item->SetCaption(row.caption);
        item->SetVisible(row.visible);
        item->SetTag(row.tag);
        if (row.click != nullptr)
            item->OnClick = [this, click = row.click](TObject* sender) { click(*this, sender); };
        (row.parent == nullptr ? MainMenu->Items() : this->*row.parent)->Add(item);
    }
    SetMenu(MainMenu);
}

void TfmMain::ApplyLanguage() {
    for (const MenuRow& row : MenuRows)
        if (row.key != nullptr)
            (this->*row.item)->SetCaption(Translate(row.key));
    Connected->SetCaption(Translate(connection_.Online ? "SID_DISCONNECT" : "SID_CONNECT"));
    rzbMenuLink->SetCaption(Translate(connection_.Online ? "SID_ONLINE" : "SID_OFFLINE"));
    lPreset->SetCaption(Translate("SID_PRESET"));
    lAddress->SetCaption(Translate("SID_ADDRESS"));
    bStore->SetCaption(Translate("SID_BT_STORE"));
    bRecall->SetCaption(Translate("SID_BT_RECALL"));
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
