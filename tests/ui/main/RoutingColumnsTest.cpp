// The routing page's output columns: each shows its background picture
// under its title and its route buttons, all below the page's caption.

#include "controls/panels/GroupBox.h"
#include "platform/forms/ExtCtrls.h"
#include "platform/gfx/Bitmap.h"
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

TEST_F(MainWindowTest, RoutingCaptionShowsWholeAboveTheColumns) {
    CreateWindows();
    fmMain->tmStartConnect->SetEnabled(false);
    auto* group = dynamic_cast<TRzCustomGroupBox*>(fmMain->FindComponent("rzgParamMatrix"));
    ASSERT_NE(group, nullptr);
    EXPECT_EQ(group->Caption(), "Matrix");
    TBitmap probe(1, 1);
    probe.Canvas().Font().Assign(group->CaptionFont());
    const int captionBottom = probe.Canvas().TextHeight("Matrix");
    for (int n = 1; n <= 8; ++n) {
        auto* column = dynamic_cast<TControl*>(fmMain->FindComponent("rzgMatrixOut" + std::to_string(n)));
        ASSERT_NE(column, nullptr);
        EXPECT_EQ(column->Parent(), group);
        EXPECT_GE(column->Top(), captionBottom) << n;
        EXPECT_LT(column->Top() + column->Height(), group->Height()) << n;
    }
    // The taller group still ends above the preset strip.
    EXPECT_LE(fmMain->rzgMain->Top() + group->Top() + group->Height(), fmMain->rzgPreset->Top());
}

} // namespace
