#include "ui/dialogs/FNetworkSetup.h"

#include "platform/forms/LoadScope.h"
#include "ui/dialogs/ModalWindows.h"

#include <string>

TfmNetworkSetup* fmNetworkSetup = nullptr;

namespace {
constexpr int MaxId = 250;
constexpr int MaxOctet = 255;
constexpr char EnterKey = 13;
constexpr char BackspaceKey = 8;
const TColor GroupColour = TColor(0xD8D8D8);
} // namespace

TfmNetworkSetup::TfmNetworkSetup(TComponent* owner, korvan::WindowHost& host) : HostedForm(owner, host) {
    korvan::forms::LoadScope scope(this);
    SetName("fmNetworkSetup");
    SetBorderStyle(bsDialog);
    SetPosition(poScreenCenter);
    SetClientWidth(280);
    SetClientHeight(220);
    SetCaption("Setting ID and IP");

    gbIdSetting = scope.Place<TGroupBox>(this, "gbIdSetting", 16, 10, 248, 64);
    gbIdSetting->SetColor(GroupColour);
    lbMessage = scope.Place<TLabel>(gbIdSetting, "lbMessage", 24, 30, 80, 20);
    edId = PlaceNumberField(scope, gbIdSetting, "edId", 120, "1");
    edId->OnExit = [this](TObject*) { ClampId(); };

    gbIpSetting = scope.Place<TGroupBox>(this, "gbIpSetting", 16, 84, 248, 74);
    gbIpSetting->SetColor(GroupColour);
    rbManualSetting = scope.Place<TRadioButton>(gbIpSetting, "rbManualSetting", 12, 18, 110, 18);
    rbManualSetting->SetVisible(false);
    rbAutoSetting = scope.Place<TRadioButton>(gbIpSetting, "rbAutoSetting", 126, 18, 110, 18);
    rbAutoSetting->SetVisible(false);
    rbManualSetting->SetChecked(true);
    rbManualSetting->OnClick = [this](TObject* s) { rbManualSettingClick(s); };
    rbAutoSetting->OnClick = [this](TObject* s) { rbAutoSettingClick(s); };
    const char* octetNames[] = {"edIp1", "edIp2", "edIp3", "edIp4"};
    const char* octetTexts[] = {"192", "168", "1", "101"};
    std::array<TEdit*, 4> octets{};
    for (std::size_t i = 0; i < octets.size(); ++i) {
        octets[i] = PlaceNumberField(scope, gbIpSetting, octetNames[i], 16 + int(i) * 56, octetTexts[i]);
        TEdit* field = octets[i];
        field->OnExit = [this, field](TObject*) { ClampOctet(field); };
    }
    edIp1 = octets[0];
    edIp2 = octets[1];
    edIp3 = octets[2];
    edIp4 = octets[3];
    TLabel** dots[] = {&Label1, &Label2, &Label3};
    for (std::size_t i = 0; i < 3; ++i) {
        *dots[i] =
            scope.Place<TLabel>(gbIpSetting, "Label" + std::to_string(i + 1), 62 + int(i) * 56, 44, 8, 16);
        (*dots[i])->SetCaption(".");
    }

    bnSet = scope.Place<TButton>(this, "bnSet", 30, 172, 97, 32);
    bnSet->OnClick = [this](TObject* s) { bnSetClick(s); };
    bnExit = scope.Place<TButton>(this, "bnExit", 153, 172, 97, 32);
    bnExit->OnClick = [this](TObject* s) { bnExitClick(s); };
    OnShow = [this](TObject* s) { FormShow(s); };
    scope.Finish();
}

// A centred field of at most three digits that selects its whole text when
// entered or pressed, and clamps its number on Enter.
TEdit* TfmNetworkSetup::PlaceNumberField(korvan::forms::LoadScope& scope, TWinControl* parent,
                                         const char* name, int left, const char* text) {
    auto* field = scope.Place<TEdit>(parent, name, left, 40, 40, 22);
    field->SetMaxLength(3);
    field->SetAlignment(taCenter);
    field->SetText(text);
    field->OnEnter = [field](TObject*) { field->SelectAll(); };
    field->OnMouseDown = [field](TObject*, TMouseButton, TShiftState, int, int) { field->SelectAll(); };
    field->OnKeyPress = [this, field](TObject*, char& key) {
        if (key == EnterKey) {
            if (field == edId)
                ClampId();
            else
                ClampOctet(field);
            field->SelectAll();
            key = 0;
        } else if ((key < '0' || key > '9') && key != BackspaceKey) {
            key = 0;
        }
    };
    return field;
}

std::optional<int> TfmNetworkSetup::ReadNumber(const TEdit* field) {
    const std::string text = field->Text();
    if (text.empty() || text.size() > 9)
        return std::nullopt;
    int value = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + (c - '0');
    }
    return value;
}

void TfmNetworkSetup::ShowUnitId() {
    edId->SetText(std::to_string(host_.GetUnitId()));
}

void TfmNetworkSetup::ShowOctet(TEdit* field) {
    const auto octets = Octets();
    for (std::size_t i = 0; i < octets.size(); ++i) {
        if (octets[i] == field)
            field->SetText(std::to_string((host_.NetAddress() >> (24 - 8 * i)) & 0xFF));
    }
}

void TfmNetworkSetup::ClampOctet(TEdit* field) {
    const std::optional<int> value = ReadNumber(field);
    if (!value) {
        ShowOctet(field);
        field->SelectAll();
    } else if (*value > MaxOctet) {
        field->SetText(std::to_string(MaxOctet));
        field->SelectAll();
    }
}

void TfmNetworkSetup::ClampId() {
    const std::optional<int> value = ReadNumber(edId);
    if (!value) {
        host_.ShowInformation("SID_ID_NUMBER_ERROR");
        ShowUnitId();
    } else if (*value > MaxId) {
        edId->SetText(std::to_string(MaxId));
    } else if (*value <= 0) {
        edId->SetText("1");
    } else {
        return;
    }
    edId->SelectAll();
}

void TfmNetworkSetup::SetFieldEnabled(TEdit* field, bool enabled) {
    field->SetEnabled(enabled);
    field->SetColor(enabled ? clWindow : clSilver);
}

void TfmNetworkSetup::SetOctetsEnabled(bool enabled) {
    for (TEdit* field : Octets())
        SetFieldEnabled(field, enabled);
}

void TfmNetworkSetup::PrepareFields() {
    const bool online = host_.IsOnline();
    for (TControl* control : {static_cast<TControl*>(gbIpSetting), static_cast<TControl*>(rbManualSetting),
                              static_cast<TControl*>(rbAutoSetting)})
        control->SetEnabled(!online);
    const bool editable = !rbAutoSetting->Checked() && !online;
    SetOctetsEnabled(editable);
    SetFieldEnabled(edId, editable);
}

void TfmNetworkSetup::NetworkSetupClick() {
    PrepareFields();
    korvan::ShowModalOnce(this);
}

void TfmNetworkSetup::FormShow(TObject* /*Sender*/) {
    for (TEdit* field : Octets())
        ShowOctet(field);
    SetCaption(Tr("SID_SET_NETWORK"));
    rbManualSetting->SetCaption(Tr("SID_MANU_NETWORK"));
    rbAutoSetting->SetCaption(Tr("SID_AUTO_NETWORK"));
    gbIdSetting->SetCaption(Tr("SID_INPUT_ID"));
    gbIpSetting->SetCaption(Tr("SID_IP_ADDRESS"));
    lbMessage->SetCaption(Tr("SID_NUMBER"));
    bnSet->SetCaption(Tr("SID_SET"));
    bnExit->SetCaption(Tr("SID_EXIT"));
}

void TfmNetworkSetup::bnSetClick(TObject* /*Sender*/) {
    bool applied = false;
    const std::optional<int> id = ReadNumber(edId);
    if (!id || *id < 1 || *id > MaxId) {
        host_.ShowInformation("SID_ID_NUMBER_ERROR");
        ShowUnitId();
    } else {
        host_.SetUnitId(*id);
        applied = true;
    }

    if (rbManualSetting->Checked() && !host_.IsSessionOpen()) {
        std::uint32_t address = 0;
        bool complete = true;
        for (TEdit* field : Octets()) {
            const std::optional<int> octet = ReadNumber(field);
            if (!octet) {
                // An empty field takes its octet back; the address stays
                // as it was and the dialog open.
                ShowOctet(field);
                complete = false;
            }
            address = (address << 8) | std::uint32_t(octet.value_or(0) & 0xFF);
        }
        if (!complete)
            return;
        host_.ApplyNetAddress(address);
        applied = true;
    }

    if (applied) {
        host_.SetAutoNetAddress(rbAutoSetting->Checked());
        korvan::CloseWindow(this);
    }
}

void TfmNetworkSetup::bnExitClick(TObject* /*Sender*/) {
    ShowUnitId();
    korvan::CloseWindow(this);
}

void TfmNetworkSetup::rbManualSettingClick(TObject* /*Sender*/) {
    SetOctetsEnabled(true);
}

void TfmNetworkSetup::rbAutoSettingClick(TObject* /*Sender*/) {
    SetOctetsEnabled(false);
}
