// An item of a pack component with AutoError shows the quality of what it
// receives on that component: error display on while the quality is not
// good, off again once it is.

#include "controls/plot/opc/OPCItemManager.h"
#include "platform/forms/Form.h"
#include "platform/forms/GuiThread.h"
#include "tests/controls/plot/ComponentTestSupport.h"
#include "tests/controls/plot/opc/OPCTestSupport.h"
#include "tests/support/gui/GuiHarness.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

class OPCErrorDisplayTest : public korvan::testing::OPCFixture {
protected:
    void SetUp() override {
        korvan::testing::EnsureGuiApplication();
        korvan::plot::SetOPCItemListFactory([](const korvan::plot::OPCItemListHost& host) {
            return std::make_unique<TiOPCItemManager>(host);
        });
    }
    void TearDown() override {
        form.reset();
        korvan::plot::SetOPCItemListFactory(nullptr);
        OPCFixture::TearDown();
    }
    std::unique_ptr<TForm> form = std::make_unique<TForm>(nullptr);
};

TEST_F(OPCErrorDisplayTest, AutoErrorFollowsTheQualityOfEachValueOnItsComponent) {
    Use(korvan::testing::kFakeOPCFull);
    auto* component = new korvan::testing::TTestComponent(form.get());
    auto& item = static_cast<TiOPCItem&>(component->OPCItem(component->OPCAddItem()));
    item.SetPropertyName("UpdateFrameRate");
    item.SetServerName("Srv");
    item.SetItemName("Tag");
    item.SetAutoError(true); // not subscribed yet: nothing to show
    EXPECT_FALSE(component->ErrorActive());
    item.Activate(); // the display follows from the first value on
    EXPECT_FALSE(component->ErrorActive());

    const struct {
        std::int32_t quality;
        bool error;
    } cases[] = {{0xC0, false}, {0x40, true}, {0xD8, false}, {0x80, true}, {0x00, true}, {0xC0, false}};
    for (const auto& c : cases) {
        SetValue(item.SignalHandle(), Integer(kOpcVtI4, 30), c.quality);
        FireNewData(item.SignalHandle());
        korvan::forms::ProcessPendingCalls();
        EXPECT_EQ(component->ErrorActive(), c.error) << "quality " << c.quality;
    }

    // Without AutoError the display is left as it is.
    item.SetAutoError(false);
    SetValue(item.SignalHandle(), Integer(kOpcVtI4, 30), 0x40);
    FireNewData(item.SignalHandle());
    korvan::forms::ProcessPendingCalls();
    EXPECT_FALSE(component->ErrorActive());
}

} // namespace
