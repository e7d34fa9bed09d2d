// The main menu, its handlers and the main window's texts.

#include "ui/main/MainWindow.h"

#include "ui/dialogs/DialogParts.h"
#include "ui/dialogs/FExit.h"

namespace {

TMenuItem* AddItem(TComponent* owner, TMenuItem* parent, const std::string& name, const std::string& caption,
                   bool visible = true) {
    auto* item = new TMenuItem(owner);
    item->SetName(name);
    item->SetCaption(caption);
    item->SetVisible(visible);
    parent->Add(item);
    return item;
}

// Language items carry the language in their tag.
enum LanguageTag { TagChineseGB = 0, TagChineseBig5 = 1, TagEnglish = 2 };

} // namespace

void TfmMain::BuildMenu() {
    MainMenu = new TMainMenu(this);
    MainMenu->SetName("MainMenu");
    TMenuItem* root = MainMenu->Items();
    constexpr bool hidden = false;

    File = AddItem(this, root, "File", "File");
    Open = AddItem(this, File, "Open", "Open");
    Save = AddItem(this, File, "Save", "Save");
    N1 = AddItem(this, File, "N1", "-");
    Upload = AddItem(this, File, "Upload", "Upload");
    Download = AddItem(this, File, "Download", "Download");
    N2 = AddItem(this, File, "N2", "-", hidden);
    FactoryDefault = AddItem(this, File, "FactoryDefault", "Factory Default", hidden);
    N3 = AddItem(this, File, "N3", "-");
    Exit = AddItem(this, File, "Exit", "Exit");
    Exit->OnClick = [this](TObject* s) { ExitClick(s); };

    Link = AddItem(this, root, "Link", "Link");
    Copy = AddItem(this, root, "Copy", "Copy");
    Lock = AddItem(this, root, "Lock", "Lock");
    SettingID = AddItem(this, root, "SettingID", "Setting ID", hidden);
    NetworkSetup = AddItem(this, root, "NetworkSetup", "Setting ID/IP", hidden);
    TestTone = AddItem(this, root, "TestTone", "Test Tone");
    ChNameList = AddItem(this, root, "ChNameList", "Channel Name");

    LanguageSel = AddItem(this, root, "LanguageSel", "Language", hidden);
    ChineseSimplified = AddItem(this, LanguageSel, "ChineseSimplified", "Chinese");
    ChineseSimplified->SetTag(TagChineseGB);
    ChineseSimplified->OnClick = [this](TObject* s) { LanguageClick(s); };
    ChineseTraditional = AddItem(this, LanguageSel, "ChineseTraditional", "Traditional Chinese", hidden);
    ChineseTraditional->SetTag(TagChineseBig5);
    English = AddItem(this, LanguageSel, "English", "English");
    English->SetTag(TagEnglish);
    English->OnClick = [this](TObject* s) { LanguageClick(s); };

    Help = AddItem(this, root, "Help", "Help");
    Rs232Code = AddItem(this, Help, "Rs232Code", "RS232 Code Table");
    N4 = AddItem(this, Help, "N4", "-", hidden);
    MemoShow = AddItem(this, Help, "MemoShow", "Message List", hidden);
    HidData = AddItem(this, Help, "HidData", "Frame Monitor", hidden);
    N6 = AddItem(this, Help, "N6", "-", hidden);
    LockSetup = AddItem(this, Help, "LockSetup", "Lock", hidden);

    BlockDiagram = AddItem(this, root, "BlockDiagram", "Diagram", hidden);
    Connect = AddItem(this, root, "Connect", "Connect", hidden);
    Connected = AddItem(this, Connect, "Connected", "Connect");
    Connected->OnClick = [this](TObject* s) { ConnectedClick(s); };
    ConnectHelp = AddItem(this, Connect, "ConnectHelp", "Connect Help", hidden);
    About = AddItem(this, root, "About", "About");

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
        {Connected, Online ? "SID_DISCONNECT" : "SID_CONNECT"},
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
    rzbMenuLink->SetCaption(Translate(Online ? "SID_ONLINE" : "SID_OFFLINE"));
    lPreset->SetCaption(Translate("SID_PRESET"));
}

void TfmMain::ExitClick(TObject* /*Sender*/) {
    korvan::ShowModalOnce(fmExit);
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
        Languages.Language = tag == TagChineseGB     ? "ChineseGB"
                             : tag == TagChineseBig5 ? "ChineseBIG5"
                                                     : "English";
        if (item->Checked())
            return;
        for (TMenuItem* each : {ChineseSimplified, ChineseTraditional, English})
            each->SetChecked(each == item);
    }
    ApplyLanguage();
}
