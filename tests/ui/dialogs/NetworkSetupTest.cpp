// The device ID and network address dialog: the field clamps, Set on and
// off line, Exit, and the fields' states for the link.

#include "tests/ui/dialogs/DialogTest.h"
#include "ui/dialogs/FNetworkSetup.h"

#include "platform/forms/VirtualKeys.h"

using namespace korvan;
using namespace korvan::test;

namespace {

class NetworkSetupTest : public DialogTest<TfmNetworkSetup> {
protected:
    void SetUp() override {
        DialogTest::SetUp();
        host.unitId = 3;
        dialog->PrepareFields();
        Show();
    }
    void Leave(TEdit* field) {
        dialog->FocusControl(field);
        dialog->FocusControl(field == dialog->edId ? dialog->edIp1 : dialog->edId);
    }
    void TypeOctets(const char* a, const char* b, const char* c, const char* d) {
        dialog->edIp1->SetText(a);
        dialog->edIp2->SetText(b);
        dialog->edIp3->SetText(c);
        dialog->edIp4->SetText(d);
    }
};

TEST_F(NetworkSetupTest, ShowFillsTheOctetsFromTheAddress) {
    EXPECT_EQ(dialog->edIp1->Text(), "127");
    EXPECT_EQ(dialog->edIp2->Text(), "0");
    EXPECT_EQ(dialog->edIp3->Text(), "0");
    EXPECT_EQ(dialog->edIp4->Text(), "1");
    EXPECT_EQ(dialog->Caption(), "SID_SET_NETWORK");
    EXPECT_EQ(dialog->gbIdSetting->Caption(), "SID_INPUT_ID");
}

TEST_F(NetworkSetupTest, FieldsClampOnLeavingAndOnEnter) {
    struct Case {
        const char* field;
        const char* typed;
        bool enter;
        const char* shown;
    };
    const Case cases[] = {
        {"edIp1", "300", false, "255"}, {"edIp2", "256", true, "255"}, {"edIp3", "0", false, "0"},
        {"edIp4", "255", true, "255"},  {"edIp1", "", false, "127"},   {"edId", "999", true, "250"},
        {"edId", "251", false, "250"},  {"edId", "0", true, "1"},      {"edId", "250", false, "250"},
        {"edId", "17", true, "17"},
    };
    for (const Case& c : cases) {
        auto* field = korvan::testing::Find<TEdit>(dialog.get(), c.field);
        dialog->FocusControl(field);
        field->SetText(c.typed);
        if (c.enter)
            input.Key(field, VK_RETURN, 0, "\r");
        else
            Leave(field);
        EXPECT_EQ(field->Text(), c.shown) << c.field << " " << c.typed;
    }
    EXPECT_TRUE(host.information.empty());
}

TEST_F(NetworkSetupTest, EmptyIdIsRefusedWithTheMessageAndTheCurrentId) {
    dialog->edId->SetText("");
    Leave(dialog->edId);
    EXPECT_EQ(dialog->edId->Text(), "3");
    EXPECT_EQ(host.information, (std::vector<std::string>{"SID_ID_NUMBER_ERROR"}));
}

TEST_F(NetworkSetupTest, FieldsTakeDigitsOnly) {
    dialog->edId->SetText("");
    dialog->FocusControl(dialog->edId);
    input.Type(dialog->edId, "1a2");
    EXPECT_EQ(dialog->edId->Text(), "12");
}

TEST_F(NetworkSetupTest, SetAppliesTheIdAndOffLineTheAddress) {
    struct Case {
        bool sessionOpen;
        const char* id;
        const char* lastOctet;
        std::uint8_t unitId;
        std::uint32_t address;
        bool refused;
        bool closed;
    };
    const Case cases[] = {
        {false, "7", "2", 7, 0x7F000002, false, true},
        {false, "0", "2", 3, 0x7F000002, true, true},
        {false, "251", "2", 3, 0x7F000002, true, true},
        {true, "9", "2", 9, 0x7F000001, false, true},
        {true, "0", "2", 3, 0x7F000001, true, false},
        // An empty octet takes its octet back and keeps the dialog open.
        {false, "5", "", 5, 0x7F000001, false, false},
        {false, "", "2", 3, 0x7F000002, true, true},
    };
    for (const Case& c : cases) {
        host.unitId = 3;
        host.information.clear();
        host.netAddress = 0x7F000001;
        host.sessionOpen = c.sessionOpen;
        host.online = c.sessionOpen;
        dialog->PrepareFields();
        Show();
        dialog->edId->SetText(c.id);
        TypeOctets("127", "0", "0", c.lastOctet);
        dialog->bnSet->Click();
        const std::string label = std::string(c.id) + "/" + c.lastOctet + (c.sessionOpen ? " on line" : "");
        EXPECT_EQ(host.unitId, c.unitId) << label;
        EXPECT_EQ(host.netAddress, c.address) << label;
        EXPECT_EQ(host.information.size(), c.refused ? 1u : 0u) << label;
        EXPECT_EQ(dialog->edId->Text(), c.refused ? "3" : c.id) << label;
        EXPECT_EQ(dialog->Visible(), !c.closed) << label;
        EXPECT_EQ(dialog->edIp4->Text(), c.lastOctet[0] ? c.lastOctet : "1") << label;
        EXPECT_TRUE(host.sent.empty());
    }
}

TEST_F(NetworkSetupTest, OctetsAreTakenModulo256) {
    TypeOctets("127", "0", "1", "999");
    dialog->bnSet->Click();
    EXPECT_EQ(host.netAddress, 0x7F0001E7u);
}

TEST_F(NetworkSetupTest, ExitKeepsEverythingAndShowsTheIdAgain) {
    dialog->edId->SetText("42");
    TypeOctets("127", "0", "0", "9");
    dialog->bnExit->Click();
    EXPECT_FALSE(dialog->Visible());
    EXPECT_EQ(host.unitId, 3);
    EXPECT_EQ(host.addressesApplied, 0);
    EXPECT_EQ(dialog->edId->Text(), "3");
    Show();
    EXPECT_EQ(dialog->edIp4->Text(), "1");
}

TEST_F(NetworkSetupTest, FieldsFollowTheLinkAndTheSetting) {
    struct Case {
        bool online;
        bool automatic;
        bool groupEnabled;
        bool fieldsEnabled;
    };
    const Case cases[] = {{false, false, true, true},
                          {true, false, false, false},
                          {false, true, true, false},
                          {true, true, false, false}};
    for (const Case& c : cases) {
        host.online = c.online;
        (c.automatic ? dialog->rbAutoSetting : dialog->rbManualSetting)->SetChecked(true);
        dialog->PrepareFields();
        EXPECT_EQ(dialog->gbIpSetting->Enabled(), c.groupEnabled);
        for (TEdit* field : {dialog->edId, dialog->edIp1, dialog->edIp4}) {
            EXPECT_EQ(field->Enabled(), c.fieldsEnabled) << field->Name();
            EXPECT_EQ(field->Color(), c.fieldsEnabled ? clWindow : clSilver) << field->Name();
        }
    }
}

TEST_F(NetworkSetupTest, AutomaticSettingLeavesTheAddressAndMarksTheScan) {
    dialog->rbAutoSetting->SetChecked(true);
    dialog->edId->SetText("4");
    dialog->bnSet->Click();
    EXPECT_EQ(host.unitId, 4);
    EXPECT_EQ(host.addressesApplied, 0);
    EXPECT_TRUE(host.autoAddress);
    EXPECT_FALSE(dialog->Visible());
}

TEST_F(NetworkSetupTest, Picture) {
    SavePicture("network-setup-dialog");
}

} // namespace
