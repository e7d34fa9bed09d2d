// Object managers: default names, channel colours, lookup, removal, owned
// clearing, the two-phase end of objects and managers, the collection
// stream and the all-objects manager's input routing.

#include "controls/plot/core/ObjectManager.h"
#include "controls/plot/core/ChannelColors.h"
#include "platform/forms/Filer.h"
#include "platform/forms/FormText.h"
#include "platform/text/Exception.h"
#include "tests/controls/plot/PlotTestSupport.h"

#include <gtest/gtest.h>

#include <map>

namespace {

using korvan::testing::FakeMaster;
using korvan::testing::TestChannel;
using korvan::testing::TestChannelManager;

// A plot-like owner: the master stand-in, a channel manager and the
// all-objects manager; the channels stream as its stored property
// "Channels", as a plot streams its collections.
class TestPlot : public TComponent {
    KORVAN_CLASS(TestPlot)
public:
    explicit TestPlot(TComponent* owner) : TComponent(owner) {}
    ~TestPlot() override {
        // A test's observer may be gone by now.
        master.onRemoveSeen = nullptr;
        // The kind managers go first, then the non-owning list.
        channels.reset();
        all.reset();
    }
    void DefineProperties(TFiler& filer) override {
        filer.DefineProperty(
            "Channels", [this](TReader& reader) { channels->ReadFromStream(reader); },
            [this](TWriter& writer) { channels->WriteToStream(writer); }, channels->DoWriteToStream());
    }
    TestChannel* AddChannel(const std::string& name = {}) {
        auto* channel = static_cast<TestChannel*>(channels->CreateObject());
        if (!name.empty())
            channel->SetName(name);
        channel->DoInsert();
        return channel;
    }

    FakeMaster master;
    TiManagerPtr<TiPlotObjectManager> all = TiPlotObjectManagerCustom::Make<TiPlotObjectManager>(
        this, master.change, master.insert, master.remove, master.rename);
    TiManagerPtr<TestChannelManager> channels = TiPlotObjectManagerCustom::Make<TestChannelManager>(
        this, master.change, master.insert, master.remove, master.rename);
};

const TClassInfo& TestPlot::StaticClassInfo() {
    static const TClassInfo info =
        korvan::forms::ClassBuilder<TestPlot>("TestPlot", &TComponent::StaticClassInfo()).Build();
    return info;
}

std::string MessageOf(const std::function<void()>& f) {
    try {
        f();
    } catch (const Exception& e) {
        return e.Message();
    }
    return "(nothing raised)";
}

TEST(ObjectManager, ConstructorsNameWhatIsMissing) {
    TComponent owner(nullptr);
    const TNotifyEvent set = [](TObject*) {};
    const TNotifyEvent none;
    struct Case {
        TComponent* owner;
        TNotifyEvent change, insert, remove, rename;
        const char* managerMessage;
        const char* objectMessage;
    };
    const Case cases[] = {
        {nullptr, set, set, set, set, "Owner must be Assigned", "Owner must be assigned"},
        {&owner, none, set, set, set, "OnChange event handler can not be null",
         "OnChange event handler can not be null"},
        {&owner, set, none, set, set, "OnInsert event handler can not be null",
         "OnInsert event handler can not be null"},
        {&owner, set, set, none, set, "OnRemove event handler can not be null",
         "OnRemove event handler can not be null"},
        {&owner, set, set, set, none, "AOnRename event handler can not be null",
         "AOnRename event handler can not be null"},
        // The owner is checked first.
        {nullptr, none, none, none, none, "Owner must be Assigned", "Owner must be assigned"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.managerMessage);
        EXPECT_EQ(MessageOf([&] {
                      TiPlotObjectManagerCustom::Make<TestChannelManager>(c.owner, c.change, c.insert,
                                                                          c.remove, c.rename);
                  }),
                  c.managerMessage);
        EXPECT_EQ(MessageOf([&] {
                      TiPlotObjectPtr<TestChannel> object(
                          new TestChannel(c.owner, c.change, c.insert, c.remove, c.rename));
                  }),
                  c.objectMessage);
    }
}

TEST(ObjectManager, DefaultNamesContinueAfterTheHighestNumberInUse) {
    struct Case {
        std::vector<std::string> names;
        const char* next;
    };
    const Case cases[] = {
        {{}, "Channel 1"},
        {{"Channel 1", "Channel 5"}, "Channel 6"},
        {{"Channel 1", "Channel 3", "Channel x"}, "Channel 4"},
        {{"channel 7"}, "Channel 8"},
        {{"Channel 12", "Channel 2"}, "Channel 13"},
        {{"Channelx 9", "Chan", "Channel"}, "Channel 1"},
        {{"Channel -4"}, "Channel 1"},
        {{"My Channel 9"}, "Channel 1"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.next);
        TestPlot plot(nullptr);
        for (const std::string& name : c.names)
            plot.AddChannel(name);
        EXPECT_EQ(plot.channels->GetNextName(), c.next);
    }
}

TEST(ObjectManager, NewChannelsAreNamedAndColouredObjectsReadKeepTheirNames) {
    TestPlot plot(nullptr);
    TestChannel* first = plot.AddChannel();
    TestChannel* second = plot.AddChannel();
    TestChannel* third = plot.AddChannel();
    TestChannel* named = plot.AddChannel("Pressure");
    EXPECT_EQ(first->Name(), "Channel 1");
    EXPECT_EQ(first->TitleText(), "Channel 1");
    EXPECT_EQ(second->Name(), "Channel 2");
    EXPECT_EQ(third->Name(), "Channel 3");
    // Red, then yellow (red counts twice), then blue.
    EXPECT_EQ(first->Color(), TColor(0x0000FF));
    EXPECT_EQ(second->Color(), TColor(0x00FFFF));
    EXPECT_EQ(third->Color(), TColor(0xFF0000));
    // A named object keeps its name and its colour.
    EXPECT_EQ(named->Name(), "Pressure");
    EXPECT_EQ(named->Color(), clRed);
    EXPECT_EQ(plot.channels->Count(), 4);
    EXPECT_EQ(plot.all->Count(), 4);
}

TEST(ObjectManager, TheNextChannelColourIsTheFirstLeastUsedOfTheTable) {
    const auto& table = korvan::plot::ChannelColorTable();
    ASSERT_EQ(table.size(), 30u);
    std::vector<TColor> everyOnceAndRedAgain(table.begin(), table.end());
    everyOnceAndRedAgain.push_back(clRed);
    std::vector<TColor> allButLastTwice;
    for (std::size_t i = 0; i < table.size(); ++i) {
        allButLastTwice.push_back(table[i]);
        if (i + 1 < table.size())
            allButLastTwice.push_back(table[i]);
    }
    struct Case {
        const char* name;
        std::vector<TColor> listed;
        TColor expected;
    };
    const Case cases[] = {
        {"no channel", {}, clRed},
        {"one channel, whatever its colour", {clLime}, clRed},
        {"two reds", {clRed, clRed}, 0x00FFFF},
        {"red, yellow, red", {clRed, 0x00FFFF, clRed}, 0xFF0000},
        {"colours outside the table count for nothing", {0x123456, 0x123456}, clRed},
        {"every colour once, red twice", everyOnceAndRedAgain, 0x00FFFF},
        {"only the last colour used once", allButLastTwice, 0x80FF80},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(korvan::plot::GetNextChannelColor(c.listed), c.expected);
    }
}

TEST(ObjectManager, LooksObjectsUpByNameWithoutRegardToCase) {
    TestPlot plot(nullptr);
    TestChannel* one = plot.AddChannel();
    TestChannel* two = plot.AddChannel();
    EXPECT_EQ(plot.channels->GetObjectByName("channel 1"), one);
    EXPECT_EQ(plot.channels->GetIndexByName("CHANNEL 2"), 1);
    EXPECT_EQ(plot.channels->GetObjectByName("Channel 3"), nullptr);
    EXPECT_EQ(plot.channels->GetIndexByName("Channel 3"), -1);
    EXPECT_EQ(plot.channels->GetIndex(two), 1);
    EXPECT_EQ(plot.channels->Items(1), two);
    EXPECT_THROW(plot.channels->Items(2), EListError);
    EXPECT_THROW(plot.channels->Items(-1), EListError);
    // Inserting a listed object again does not list it twice.
    plot.channels->InsertObject(one);
    EXPECT_EQ(plot.channels->Count(), 2);
}

TEST(ObjectManager, ARemovedObjectLeavesEveryListAndItsPeersAreTold) {
    TestPlot plot(nullptr);
    TestChannel* a = plot.AddChannel();
    TestChannel* b = plot.AddChannel();
    TestChannel* c = plot.AddChannel();
    const int changesBefore = plot.master.changes;
    b->Free();
    EXPECT_EQ(plot.channels->Count(), 2);
    EXPECT_EQ(plot.all->Count(), 2);
    EXPECT_EQ(plot.channels->Items(0), a);
    EXPECT_EQ(plot.channels->Items(1), c);
    EXPECT_EQ(a->removedSeen, std::vector<TObject*>{b});
    EXPECT_EQ(c->removedSeen, std::vector<TObject*>{b});
    EXPECT_GT(plot.master.changes, changesBefore);
    // Delete takes the entry out without freeing the object.
    plot.channels->Delete(0);
    EXPECT_EQ(plot.channels->Count(), 1);
    EXPECT_EQ(plot.all->GetIndex(a), 0);
    a->Free();
}

TEST(ObjectManager, ClearingAnOwnedManagerFreesEachObjectOnce) {
    TestPlot plot(nullptr);
    for (int i = 0; i < 4; ++i)
        plot.AddChannel();
    std::map<TObject*, int> notices;
    plot.master.onRemoveSeen = [&](TObject* sender) { ++notices[sender]; };
    plot.channels->Clear();
    EXPECT_EQ(notices.size(), 4u);
    for (const auto& [object, count] : notices)
        EXPECT_EQ(count, 1);
    EXPECT_EQ(plot.channels->Count(), 0);
    EXPECT_EQ(plot.all->Count(), 0);
}

TEST(ObjectManager, RemovalNoticesStillSeeTheObjectsAndManagersOwnKind) {
    TestPlot plot(nullptr);
    plot.AddChannel();
    plot.AddChannel("Pressure");
    std::vector<std::string> seen;
    plot.master.onRemoveSeen = [&](TObject* sender) {
        if (auto* channel = dynamic_cast<TestChannel*>(sender))
            seen.push_back("channel " + channel->Name() + " " + std::to_string(channel->Color()));
        else if (dynamic_cast<TestChannelManager*>(sender))
            seen.push_back("channel manager");
        else
            seen.push_back("something of another kind");
    };
    // Freeing the manager clears it (each channel's notice first), then
    // gives its own notice while it is still a channel manager.
    plot.channels.reset();
    EXPECT_EQ(seen,
              (std::vector<std::string>{"channel Channel 1 255", "channel Pressure 255", "channel manager"}));
    EXPECT_EQ(plot.master.managers.size(), 1u);
}

TEST(ObjectManager, ChannelsStreamAsOneCollectionPropertyAndReadBackComplete) {
    TestPlot source(nullptr);
    source.SetName("Plot1");
    TestChannel* one = source.AddChannel();
    one->SetWidth(2.5);
    one->SetXAxisName("X-Axis 1");
    TestChannel* two = source.AddChannel("Pressure");
    two->SetColor(clLime);
    two->SetEnabled(false);
    const std::string text = korvan::forms::WriteComponentText(&source);
    EXPECT_NE(text.find("Channels = <"), std::string::npos) << text;

    TestPlot target(nullptr);
    target.AddChannel("left over");
    korvan::forms::ReadComponentText(text, &target);
    ASSERT_EQ(target.channels->Count(), 2) << text;
    const TestChannel* a = target.channels->Items(0);
    const TestChannel* b = target.channels->Items(1);
    EXPECT_EQ(a->Name(), "Channel 1");
    EXPECT_EQ(a->Color(), clRed);
    EXPECT_EQ(a->Width(), 2.5);
    EXPECT_EQ(a->XAxisName(), "X-Axis 1");
    EXPECT_EQ(b->Name(), "Pressure");
    EXPECT_EQ(b->Color(), clLime);
    EXPECT_FALSE(b->Enabled());
    // Completed through DoInsert: listed by the master in every manager.
    EXPECT_EQ(target.all->Count(), 2);
    // Written again, the stream is the same.
    target.SetName("Plot1");
    EXPECT_EQ(korvan::forms::WriteComponentText(&target), text);
}

TEST(ObjectManager, AnEmptyManagerWritesNoProperty) {
    TestPlot plot(nullptr);
    plot.SetName("Plot1");
    EXPECT_FALSE(plot.channels->DoWriteToStream());
    EXPECT_EQ(korvan::forms::WriteComponentText(&plot).find("Channels"), std::string::npos);
}

TEST(ObjectManager, AnItemThatFailsToReadIsFreedAndTheOnesBeforeStay) {
    TestPlot source(nullptr);
    source.SetName("Plot1");
    source.AddChannel();
    source.AddChannel();
    std::string text = korvan::forms::WriteComponentText(&source);
    // The second item names a property no channel has.
    const std::size_t second = text.find("Name = 'Channel 2'");
    ASSERT_NE(second, std::string::npos) << text;
    text.replace(second, 4, "Bogus");
    TestPlot target(nullptr);
    int notices = 0;
    target.master.onRemoveSeen = [&](TObject*) { ++notices; };
    EXPECT_THROW(korvan::forms::ReadComponentText(text, &target), Exception);
    EXPECT_EQ(target.channels->Count(), 1);
    EXPECT_EQ(notices, 1); // the half-read channel, freed
}

// --- the all-objects manager ---

class RoutedChannel : public TestChannel {
public:
    using TestChannel::TestChannel;
    std::vector<std::string> calls;
    bool takesWheel = false;
    void iMouseDown(TMouseButton, TShiftState, int x, int y, int, int, TPopupMenu*) override {
        calls.push_back("down " + std::to_string(x) + "," + std::to_string(y));
    }
    void iMouseMove(TiHintData& hint, TShiftState, int, int, int, int, bool) override {
        calls.push_back("move, hint '" + hint.Text + "'");
        hint.Text = Name();
    }
    void iMouseUp(TMouseButton, TShiftState, int, int, int, int, bool, TPopupMenu*) override {
        calls.push_back("up");
    }
    void iKeyDown(std::uint16_t& key, TShiftState, TPopupMenu*) override {
        calls.push_back("key " + std::to_string(key));
    }
    bool iMouseWheel(int delta, TShiftState, TPoint) override {
        calls.push_back("wheel " + std::to_string(delta));
        return takesWheel;
    }
};

TEST(ObjectManager, InputReachesEveryUserSelectedObjectInListOrder) {
    TestPlot plot(nullptr);
    auto make = [&](const std::string& name) {
        auto* o = new RoutedChannel(&plot, plot.master.change, plot.master.insert, plot.master.remove,
                                    plot.master.rename);
        o->SetName(name);
        o->DoInsert();
        return o;
    };
    RoutedChannel* a = make("A");
    RoutedChannel* idle = make("Idle");
    RoutedChannel* b = make("B");
    a->SetUserSelected(true);
    b->SetUserSelected(true);
    b->takesWheel = true;

    plot.all->MouseDownFocusObjects(mbLeft, 0, 3, 4, 0, 0, nullptr);
    TiHintData hint;
    hint.Text = "caller's";
    plot.all->MouseMoveFocusObjects(hint, 0, 5, 6, 0, 0, false);
    plot.all->MouseUpFocusObjects(mbLeft, 0, 5, 6, 0, 0, false, nullptr);
    std::uint16_t key = 65;
    plot.all->KeyDownFocusObjects(key, 0, nullptr);
    EXPECT_TRUE(plot.all->MouseWheelFocusObjects(120, 0, Point(1, 1)));

    // The objects of one move share one copy of the hint record.
    EXPECT_EQ(a->calls,
              (std::vector<std::string>{"down 3,4", "move, hint 'caller's'", "up", "key 65", "wheel 120"}));
    EXPECT_EQ(b->calls,
              (std::vector<std::string>{"down 3,4", "move, hint 'A'", "up", "key 65", "wheel 120"}));
    EXPECT_EQ(hint.Text, "caller's");
    EXPECT_TRUE(idle->calls.empty());

    // Every wheel is offered even after one was taken; none taken: false.
    b->takesWheel = false;
    EXPECT_FALSE(plot.all->MouseWheelFocusObjects(-120, 0, Point(1, 1)));

    plot.all->SetShiftState(ssCtrl);
    EXPECT_EQ(idle->ShiftState(), TShiftState(ssCtrl));
    plot.all->ClearAllUserSelections();
    EXPECT_FALSE(a->UserSelected());
    EXPECT_FALSE(b->UserSelected());
    EXPECT_EQ(MessageOf([&] { plot.all->CreateObject(); }),
              "Object Manager does not support creation of objects");
    EXPECT_EQ(plot.all->GetBaseName(), "n/a");
}

TEST(ObjectManager, ShutDownSetupSilencesEveryObject) {
    TestPlot plot(nullptr);
    TestChannel* channel = plot.AddChannel();
    plot.all->ShutDownSetup();
    int notices = 0;
    plot.master.onRemoveSeen = [&](TObject*) { ++notices; };
    const int changes = plot.master.changes;
    channel->SetWidth(7);
    EXPECT_EQ(plot.master.changes, changes);
    // Freed silently: the lists are told through the owner's own
    // teardown, not through the object.
    plot.channels->Delete(0);
    plot.all->Delete(0);
    channel->Free();
    EXPECT_EQ(notices, 0);
}

} // namespace
