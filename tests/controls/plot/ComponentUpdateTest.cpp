// The repaint protocol of pack controls: update blocks, frame-rate
// limiting on the driven clock, and the update timer that catches up on
// held-back repaints.

#include "controls/plot/core/UpdateObject.h"
#include "platform/forms/Form.h"
#include "tests/controls/plot/ComponentTestSupport.h"
#include "tests/support/gui/GuiHarness.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

using korvan::testing::TTestComponent;

class ComponentUpdate : public korvan::testing::GuiTest {
protected:
    void SetUp() override {
        GuiTest::SetUp();
        form = std::make_unique<TForm>(nullptr);
        c = new TTestComponent(form.get());
        c->SetBounds(0, 0, 80, 40);
        c->SetParent(form.get());
        c->invalidations = 0;
    }
    void TearDown() override {
        form.reset();
        GuiTest::TearDown();
    }
    // A property change as a pack setter makes it.
    void Change() { c->SetOffsetX(c->OffsetX() + 1); }

    std::unique_ptr<TForm> form;
    TTestComponent* c = nullptr;
};

TEST_F(ComponentUpdate, ChangesInsideAnUpdateBlockRepaintOnceAtItsEnd) {
    c->BeginUpdate();
    Change();
    Change();
    EXPECT_EQ(c->invalidations, 0);
    EXPECT_TRUE(c->NeedsRepaint());
    c->EndUpdate();
    EXPECT_EQ(c->invalidations, 1);
    EXPECT_FALSE(c->NeedsRepaint());
    // An empty block paints nothing.
    c->BeginUpdate();
    c->EndUpdate();
    EXPECT_EQ(c->invalidations, 1);
}

TEST_F(ComponentUpdate, UpdateBlocksDoNotNest) {
    c->BeginUpdate();
    c->BeginUpdate();
    Change();
    c->EndUpdate();
    EXPECT_EQ(c->invalidations, 1);
    EXPECT_FALSE(c->UpdateActive());
    Change();
    EXPECT_EQ(c->invalidations, 2);
}

TEST_F(ComponentUpdate, AnUpdateBlockScopeEndsTheBlockWhenLeftByAnException) {
    try {
        TiUpdateBlock block(*c);
        Change();
        EXPECT_TRUE(c->UpdateActive());
        throw Exception("loading failed");
    } catch (const Exception&) {
    }
    EXPECT_FALSE(c->UpdateActive());
    EXPECT_EQ(c->invalidations, 1);
}

TEST_F(ComponentUpdate, FrameRateLimitingHoldsFastChangesUntilTheUpdateTimerCatchesUp) {
    c->SetAutoFrameRate(true);
    // Switching it on asks for a background repaint, held: no time has
    // passed since the control was made.
    EXPECT_EQ(c->invalidations, 0);
    struct Step {
        const char* what;
        korvan::sys::Millis advance;
        bool change;
        int invalidations; // after the step
        bool pending;
    };
    const Step steps[] = {
        {"the first timer tick paints what was held", 1000, false, 1, false},
        {"a change 5 ms after that repaint is held", 5, true, 1, true},
        {"still held between ticks, though due", 20, false, 1, true},
        {"painted by the next tick", 975, false, 2, false},
        {"a change more than 1/60 s later paints at once", 17, true, 3, false},
        {"one exactly 1/60 s (rounded down) later waits", 16, true, 3, true},
        {"caught up at the tick", 967, false, 4, false},
        {"a tick with nothing pending paints nothing", 1000, false, 4, false},
    };
    for (const Step& s : steps) {
        SCOPED_TRACE(s.what);
        AdvanceTimers(s.advance);
        if (s.change)
            Change();
        EXPECT_EQ(c->invalidations, s.invalidations);
        EXPECT_EQ(c->NeedsRepaint(), s.pending);
    }
}

TEST_F(ComponentUpdate, ARateOfZeroPaintsEveryChangeAtOnce) {
    c->SetAutoFrameRate(true);
    c->SetUpdateFrameRate(0);
    c->invalidations = 0;
    for (int i = 0; i < 3; ++i) {
        Change();
        AdvanceTimers(1);
    }
    EXPECT_EQ(c->invalidations, 3);
    EXPECT_FALSE(c->NeedsRepaint());
}

TEST_F(ComponentUpdate, EndUpdateStaysRateLimited) {
    c->SetAutoFrameRate(true);
    AdvanceTimers(1000);
    c->invalidations = 0;
    c->BeginUpdate();
    Change();
    c->EndUpdate();
    EXPECT_EQ(c->invalidations, 0);
    EXPECT_TRUE(c->NeedsRepaint());
    // A tick inside an open block paints nothing.
    c->BeginUpdate();
    AdvanceTimers(1000);
    EXPECT_EQ(c->invalidations, 0);
    c->EndUpdate();
    EXPECT_EQ(c->invalidations, 1);
}

TEST_F(ComponentUpdate, SwitchingFrameRateLimitingOffEndsAnOpenBlockAndPaints) {
    c->SetAutoFrameRate(true);
    c->BeginUpdate();
    Change();
    EXPECT_EQ(c->invalidations, 0);
    c->SetAutoFrameRate(false);
    EXPECT_FALSE(c->UpdateActive());
    EXPECT_EQ(c->invalidations, 1);
}

TEST_F(ComponentUpdate, AClockThatGoesBackNeverHoldsRepaints) {
    c->SetAutoFrameRate(true);
    AdvanceTimers(5000);
    Change(); // painted at 5000
    c->invalidations = 0;
    // The time reads earlier than the last repaint.
    clock.Set(1000);
    Change();
    EXPECT_EQ(c->invalidations, 1);
    EXPECT_FALSE(c->NeedsRepaint());
}

TEST_F(ComponentUpdate, TheFrameRuleOnTheDrivenClock) {
    struct Case {
        korvan::sys::Millis now, last;
        int rate;
        bool due;
    };
    const Case cases[] = {
        {1005, 1000, 60, false}, {1016, 1000, 60, false}, {1017, 1000, 60, true}, {1100, 1000, 10, false},
        {1101, 1000, 10, true},  {1000, 1000, 0, true},   {1000, 1000, -5, true}, {900, 1000, 60, true},
        {2000, 1000, 1, false},  {2001, 1000, 1, true},
    };
    for (const Case& cs : cases) {
        SCOPED_TRACE(std::to_string(cs.now) + " " + std::to_string(cs.rate));
        EXPECT_EQ(korvan::plot::FrameIsDue(cs.now, cs.last, cs.rate), cs.due);
    }
}

TEST_F(ComponentUpdate, TheUpdateTimerRunsWhileControlsAreRegistered) {
    TiUpdateObject& updates = TiUpdateObject::Instance();
    EXPECT_EQ(updates.ControlCount(), 1);
    EXPECT_TRUE(updates.TimerEnabled());
    auto* second = new TTestComponent(form.get());
    EXPECT_EQ(updates.ControlCount(), 2);
    delete second;
    EXPECT_EQ(updates.ControlCount(), 1);
    form.reset();
    EXPECT_EQ(updates.ControlCount(), 0);
    EXPECT_FALSE(updates.TimerEnabled());
    // Removing a control that is not listed changes nothing.
    updates.RemoveUpdateControl(nullptr);
    EXPECT_EQ(updates.ControlCount(), 0);
}

// Frees a control when the update timer reaches it.
class FreeingControl : public IiUpdateControl {
public:
    TTestComponent* victim = nullptr;
    bool GetUpdateActive() const override { return false; }
    bool GetNeedsRepaint() const override { return true; }
    int GetUpdateFrameRate() const override { return 0; }
    korvan::sys::Millis GetLastUpdate() const override { return 0; }
    void RepaintNow() override {
        delete victim;
        victim = nullptr;
    }
};

TEST_F(ComponentUpdate, AControlFreedDuringATickIsSkipped) {
    FreeingControl freeing;
    freeing.victim = new TTestComponent(form.get());
    freeing.victim->SetAutoFrameRate(true);
    freeing.victim->SetOffsetX(3); // held: it waits for the tick
    c->SetAutoFrameRate(true);
    Change();
    // Ticked in order: c, the freeing control, then the freed one.
    TiUpdateObject& updates = TiUpdateObject::Instance();
    updates.RemoveUpdateControl(freeing.victim);
    updates.AddUpdateControl(&freeing);
    updates.AddUpdateControl(freeing.victim);
    AdvanceTimers(1000);
    updates.RemoveUpdateControl(&freeing);
    EXPECT_EQ(freeing.victim, nullptr);
    EXPECT_EQ(c->invalidations, 1);
}

} // namespace
