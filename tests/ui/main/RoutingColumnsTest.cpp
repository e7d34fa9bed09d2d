// The routing page's output columns: each shows its background picture
// under its title and its route buttons.

#include "platform/forms/ExtCtrls.h"
#include "tests/ui/main/MainWindowFixture.h"

#include <gtest/gtest.h>

using namespace korvan;
using namespace korvan::test;

namespace {

int IndexIn(const TWinControl& parent, const TControl* control) {
    for (int i = 0; i < parent.ControlCount(); ++i)
        if (parent.Controls(i) == control)
            return i;
    return -1;
}

TEST_F(MainWindowTest, RoutingColumnsLayTheirPictureUnderTitleAndButtons) {
    CreateWindows();
    fmMain->tmStartConnect->SetEnabled(false);
    for (int n = 1; n <= 8; ++n) {
        const std::string out = "Out" + std::to_string(n);
        SCOPED_TRACE(out);
        auto* column = dynamic_cast<TWinControl*>(fmMain->FindComponent("rzgMatrix" + out));
        auto* picture = dynamic_cast<TImage*>(fmMain->FindComponent("rzsMatrix" + out));
        ASSERT_NE(column, nullptr);
        ASSERT_NE(picture, nullptr);
        EXPECT_EQ(picture->Parent(), column);
        EXPECT_FALSE(picture->Picture().Bitmap().Empty());
        const int at = IndexIn(*column, picture);
        ASSERT_GE(at, 0);
        for (const std::string& above : {"lbMatrix" + out, "rzbAMatrix" + out, "rzbDMatrix" + out})
            EXPECT_LT(at, IndexIn(*column, dynamic_cast<TControl*>(fmMain->FindComponent(above)))) << above;
    }
}

} // namespace
