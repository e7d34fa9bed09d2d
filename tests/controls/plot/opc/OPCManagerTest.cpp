#include "controls/plot/opc/OPCManager.h"
#include "controls/plot/opc/OPCExplorerForm.h"
#include "controls/plot/opc/OPCExplorerTree.h"
#include "platform/forms/Application.h"
#include "platform/forms/Filer.h"
#include "platform/forms/Form.h"
#include "platform/forms/FormText.h"
#include "platform/forms/GuiThread.h"
#include "platform/gfx/ImageList.h"
#include "tests/controls/plot/PlotTestSupport.h"
#include "tests/controls/plot/opc/OPCTestSupport.h"
#include "tests/support/gui/GuiHarness.h"

#include <gtest/gtest.h>

#include <vector>

using korvan::testing::PlotPixel;
using korvan::testing::RaisedMessage;

namespace {

class OPCManagerTest : public korvan::testing::OPCFixture {};

class OPCManagerControlTest : public korvan::testing::OPCFixture {
protected:
    void SetUp() override {
        korvan::testing::EnsureGuiApplication();
        korvan::plot::opc::RegisterOPCClasses();
        form = std::make_unique<TForm>(nullptr);
        form->SetName("OPCForm");
        form->SetBounds(0, 0, 120, 80);
    }
    void TearDown() override {
        form.reset();
        OPCFixture::TearDown();
    }
    TiOPCManager* AddManager(const std::string& name) {
        auto* manager = new TiOPCManager(form.get());
        manager->SetName(name);
        manager->SetParent(form.get());
        return manager;
    }
    std::unique_ptr<TForm> form;
};

TEST_F(OPCManagerControlTest, AHiddenSquareOfTwentyEightWhateverTheBoundsAsked) {
    Use("");
    TiOPCManager* manager = AddManager("OPCManager1");
    EXPECT_FALSE(manager->Visible());
    EXPECT_EQ(manager->ControlStyle(),
              TControlStyle(csCaptureMouse | csClickEvents | csDoubleClicks | csReplicatable));
    manager->SetBounds(5, 6, 100, 3);
    EXPECT_EQ(manager->BoundsRect(), TRect(5, 6, 33, 34));
    manager->SetWidth(0);
    EXPECT_EQ(manager->Width(), 28);
    EXPECT_EQ(manager->Images().Count(), 1);
    EXPECT_EQ(manager->Images().Width(), 24);

    // Shown, it is a raised square with its picture at (2, 2); disabled,
    // the picture is greyed.
    manager->SetBounds(40, 20, 28, 28);
    manager->SetVisible(true);
    form->Show();
    const QImage enabled = korvan::testing::Grab(manager);
    korvan::testing::SavePng(enabled, "opc_manager");
    EXPECT_EQ(PlotPixel(enabled, 0, 0), ColorToRGB(clBtnHighlight));
    EXPECT_EQ(PlotPixel(enabled, 0, 26), ColorToRGB(clBtnHighlight));
    EXPECT_EQ(PlotPixel(enabled, 27, 0), ColorToRGB(clBtnShadow));
    EXPECT_EQ(PlotPixel(enabled, 27, 27), ColorToRGB(clBtnShadow));
    EXPECT_EQ(PlotPixel(enabled, 1, 27), ColorToRGB(clBtnShadow));
    // The picture's server frame starts at its (1, 1); its white is clear.
    EXPECT_EQ(PlotPixel(enabled, 3, 3), clBlack);
    EXPECT_EQ(manager->Images().Image(0).pixelColor(0, 0).alpha(), 0);
    manager->SetEnabled(false);
    const QImage disabled = korvan::testing::Grab(manager);
    korvan::testing::SavePng(disabled, "opc_manager_disabled");
    EXPECT_NE(disabled.copy(2, 2, 24, 24), enabled.copy(2, 2, 24, 24));
    EXPECT_EQ(PlotPixel(disabled, 0, 0), ColorToRGB(clBtnHighlight));
}

TEST_F(OPCManagerControlTest, AFormKeepsTheGroupsOfTheManagerItHolds) {
    Use("");
    TiOPCManager* manager = AddManager("OPCManager1");
    manager->GroupAdd("Fast", "Box", "Srv.1", 100);
    manager->GroupAdd("Slow", "Local", "Srv.2", 2000);
    AddManager("OPCManager2"); // no groups: nothing written for them
    const std::string text = korvan::forms::WriteComponentText(form.get());
    // Hidden and 28 x 28 are the defaults: not written.
    const std::string managers = text.substr(text.find("object OPCManager1"));
    EXPECT_EQ(managers.find("Visible"), std::string::npos) << text;
    EXPECT_EQ(managers.find("Width"), std::string::npos) << text;

    TForm read(nullptr);
    korvan::forms::ReadComponentText(text, &read);
    auto* back = korvan::testing::Find<TiOPCManager>(&read, "OPCManager1");
    ASSERT_NE(back, nullptr);
    ASSERT_EQ(back->GroupCount(), 2) << text;
    EXPECT_EQ(back->Groups(1).Name(), "Slow");
    EXPECT_EQ(back->Groups(1).ComputerName(), "Local");
    EXPECT_EQ(back->Groups(1).OPCServerName(), "Srv.2");
    EXPECT_EQ(back->Groups(1).UpdateRate(), 2000);
    EXPECT_EQ(back->Groups(0).Name(), "Fast");
    EXPECT_EQ(korvan::testing::Find<TiOPCManager>(&read, "OPCManager2")->GroupCount(), 0);
    EXPECT_FALSE(back->Visible());
    EXPECT_EQ(back->Width(), 28);
}

TEST_F(OPCManagerTest, GroupsAreMadeInTheLibraryAndTheirUpdatesArriveOnTheGuiThread) {
    Use(korvan::testing::kFakeOPCFull);
    std::vector<std::string> events;
    {
        TiOPCManager manager(nullptr);
        manager.OnBeforeGroupUpdate = [&](const std::string& name) { events.push_back("before " + name); };
        manager.OnAfterGroupUpdate = [&](const std::string& name) { events.push_back("after " + name); };
        EXPECT_EQ(manager.GroupAdd("GRP", "Local", "Srv", 250), 0);
        const std::int32_t handle = manager.Groups(0).DLLGroupHandle();
        EXPECT_NE(handle, 0);
        EXPECT_EQ(TakeLog(), "GroupAdd GRP,Local,Srv,250 -> " + std::to_string(handle) + "\n");
        EXPECT_EQ(manager.GetGroupIndex("grp"), 0);
        EXPECT_EQ(manager.GetGroupIndex("other"), -1);

        FireGroupUpdate(handle);
        FireGroupUpdate(handle + 50); // a group this manager does not have
        EXPECT_TRUE(events.empty());
        korvan::forms::ProcessPendingCalls();
        EXPECT_EQ(events, (std::vector<std::string>{"before GRP", "after GRP", "before ", "after "}));

        manager.Groups(0).SetUpdateRate(100);
        manager.Groups(0).Suspend();
        EXPECT_EQ(TakeLog(), "GroupSetUpdateRate " + std::to_string(handle) + ",100\nGroupSuspend " +
                                 std::to_string(handle) + "\n");
        EXPECT_EQ(manager.ServerConnectionNames(), (std::vector<std::string>{"Server0", "Server1"}));
        FireGroupUpdate(handle);
    } // the first manager deletes its groups and says goodbye
    EXPECT_EQ(TakeLog(), "GroupDelete 1\nManagerDestroyed\n");
    korvan::forms::ProcessPendingCalls(); // the update fired before the end reaches no one
    EXPECT_EQ(events.size(), 4u);
}

TEST_F(OPCManagerTest, WithoutTheLibraryGroupsAreOnlyValuesAndCloseAllRaises) {
    Use("");
    TiOPCManager manager(nullptr);
    manager.GroupAdd("A", "Local", "Srv", 500);
    EXPECT_EQ(manager.Groups(0).DLLGroupHandle(), 0);
    EXPECT_NO_THROW(manager.Groups(0).Suspend());
    EXPECT_NO_THROW(manager.Groups(0).Resume());
    EXPECT_NO_THROW(manager.Groups(0).SetUpdateRate(20));
    EXPECT_TRUE(manager.ServerConnectionNames().empty());
    EXPECT_EQ(RaisedMessage([&] { manager.CloseAllServerConnections(); }), "Tashel OPC DLL Not Found.");
    manager.GroupClear();
    EXPECT_EQ(manager.GroupCount(), 0);
}

TEST_F(OPCManagerTest, TheGroupStreamGivesBackEveryGroupAndNeedsItsMarker) {
    Use("");
    TiOPCManager manager(nullptr);
    EXPECT_FALSE(manager.DoWriteToStream());
    manager.GroupAdd("A", "Box", "Srv.1", 250);
    manager.GroupAdd("B", "Local", "Srv.2", 500);
    korvan::forms::FormTokens tokens;
    TWriter writer(tokens);
    manager.WriteToStream(writer);

    TiOPCManager back(nullptr);
    back.GroupAdd("old", "", "", 1);
    TReader reader(tokens);
    back.ReadFromStream(reader);
    ASSERT_EQ(back.GroupCount(), 2);
    EXPECT_EQ(back.Groups(0).Name(), "A");
    EXPECT_EQ(back.Groups(0).ComputerName(), "Box");
    EXPECT_EQ(back.Groups(0).OPCServerName(), "Srv.1");
    EXPECT_EQ(back.Groups(0).UpdateRate(), 250);
    EXPECT_EQ(back.Groups(1).Name(), "B");

    korvan::forms::FormTokens other;
    TWriter otherWriter(other);
    otherWriter.WriteListBegin();
    TReader otherReader(other);
    back.ReadFromStream(otherReader);
    EXPECT_EQ(back.GroupCount(), 0);
}

} // namespace

namespace {

using korvan::plot::opc::SharedOPCExplorer;

std::vector<std::string> Texts(const std::vector<std::unique_ptr<TiOPCTreeNode>>& nodes) {
    std::vector<std::string> texts;
    for (const auto& node : nodes)
        texts.push_back(node->text + " " + std::to_string(node->imageIndex));
    return texts;
}

TEST_F(OPCManagerControlTest, TheExplorerListsTheLibrarysConnectionsInOneSharedWindow) {
    Use(korvan::testing::kFakeOPCFull);
    TiOPCManager* first = AddManager("OPCManager1");
    ASSERT_EQ(SharedOPCExplorer(), nullptr);
    first->ExplorerShow();
    TiOPCExplorerForm* explorer = SharedOPCExplorer();
    ASSERT_NE(explorer, nullptr);
    EXPECT_EQ(explorer->Owner(), Application);
    EXPECT_EQ(explorer->Caption(), "Tashel OPC Explorer");
    EXPECT_EQ(explorer->FormStyle(), fsStayOnTop);
    EXPECT_EQ(explorer->Position(), poScreenCenter);
    EXPECT_EQ(explorer->Width(), 256);
    EXPECT_EQ(explorer->Height(), 319);
    EXPECT_TRUE(explorer->Visible());
    explorer->SetBounds(explorer->Left(), explorer->Top(), 100, 100);
    EXPECT_EQ(explorer->Width(), 250);
    EXPECT_EQ(explorer->Height(), 300);
    explorer->SetBounds(explorer->Left(), explorer->Top(), 256, 319);

    // Sorted by text at each level; the groups stay empty.
    const TiOPCExplorerTree& tree = explorer->TreeView();
    EXPECT_EQ(Texts(tree.Roots()), (std::vector<std::string>{"Groups 1", "Servers Connections 0"}));
    EXPECT_EQ(Texts(explorer->ServersTreeNode()->children),
              (std::vector<std::string>{"Server0 2", "Server1 2"}));
    EXPECT_TRUE(explorer->GroupsTreeNode()->children.empty());
    korvan::testing::SavePng(korvan::testing::Grab(explorer), "opc_explorer");

    // Another manager shows the same window, refreshed.
    AddManager("OPCManager2")->ExplorerShow();
    EXPECT_EQ(SharedOPCExplorer(), explorer);
    EXPECT_EQ(explorer->TreeView().Roots().size(), 2u);
    delete explorer;
    EXPECT_EQ(SharedOPCExplorer(), nullptr);

    // Without the library the window opens with its two roots alone.
    auto library = korvan::plot::opc::InstallOPCLibrary(std::make_unique<korvan::plot::opc::OPCLibrary>());
    first->ExplorerShow();
    korvan::plot::opc::InstallOPCLibrary(std::move(library));
    ASSERT_NE(SharedOPCExplorer(), nullptr);
    EXPECT_TRUE(SharedOPCExplorer()->ServersTreeNode()->children.empty());
    delete SharedOPCExplorer();
}

} // namespace
