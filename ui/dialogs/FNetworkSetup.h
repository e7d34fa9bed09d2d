#pragma once
// The device ID and network address setting: the ID every request carries
// (1..250) and the unit's IPv4 address on the network link. Nothing goes to
// the unit; the ID applies at once, the address only while no session is
// open and only with the manual setting.

#include "platform/forms/StdCtrls.h"
#include "ui/dialogs/HostedForm.h"

#include <array>
#include <optional>

namespace korvan::forms {
class LoadScope;
}

class TfmNetworkSetup : public korvan::HostedForm {
public:
    TfmNetworkSetup(TComponent* owner, korvan::WindowHost& host);

    TGroupBox* gbIdSetting;
    TLabel* lbMessage;
    TEdit* edId;
    TGroupBox* gbIpSetting;
    TRadioButton* rbManualSetting;
    TRadioButton* rbAutoSetting;
    TEdit* edIp1;
    TEdit* edIp2;
    TEdit* edIp3;
    TEdit* edIp4;
    TLabel* Label1;
    TLabel* Label2;
    TLabel* Label3;
    TButton* bnSet;
    TButton* bnExit;

    // The main menu's handler: enables the fields for the link's state and
    // shows the dialog modally.
    void NetworkSetupClick();
    // The field states NetworkSetupClick sets before the show.
    void PrepareFields();
    void FormShow(TObject* Sender);
    void bnSetClick(TObject* Sender);
    void bnExitClick(TObject* Sender);
    void rbManualSettingClick(TObject* Sender);
    void rbAutoSettingClick(TObject* Sender);

private:
    std::array<TEdit*, 4> Octets() const { return {edIp1, edIp2, edIp3, edIp4}; }
    TEdit* PlaceNumberField(korvan::forms::LoadScope& scope, TWinControl* parent, const char* name, int left,
                            const char* text);
    // A field's number; nothing when it is empty or holds anything but
    // digits.
    static std::optional<int> ReadNumber(const TEdit* field);
    // Clamps a field on leaving it or on Enter; an empty one takes its
    // previous value back.
    void ClampOctet(TEdit* field);
    void ClampId();
    void ShowUnitId();
    void ShowOctet(TEdit* field);
    void SetOctetsEnabled(bool enabled);
    void SetFieldEnabled(TEdit* field, bool enabled);
};

extern TfmNetworkSetup* fmNetworkSetup;
