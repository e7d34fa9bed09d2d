#include "PictureTestSupport.h"
#include "controls/gdip/GDIPFill.h"
#include "controls/gdip/GdipClasses.h"
#include "tests/support/gui/GuiHarness.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <gtest/gtest.h>

using namespace korvan::gdip::testing;

class FillClipboard : public korvan::testing::GuiTest {};

TEST_F(FillClipboard, AFillComesBackFromTheClipboard) {
    korvan::gdip::RegisterGdipClasses();
    TGDIPFill source;
    source.SetColor(clRed);
    source.SetGradientType(gtHatch);
    source.SetHatchStyle(Gdiplus::HatchStyleWeave);
    source.SetShadowType(stSurround);
    source.SetFocus(true);
    TAdvGDIPPicture picture;
    picture.LoadFromStream(PngFile(Swatch(3, 2, 0xFF00FF00u, 0xFF00FF00u)));
    source.SetBackGroundPicture(&picture);
    source.SaveToClipBoard();
    ASSERT_TRUE(QGuiApplication::clipboard()->mimeData()->hasFormat("GDI+ Fill"));

    TGDIPFill target;
    int changes = 0;
    target.OnChange = [&](TObject*) { ++changes; };
    target.LoadFromClipBoard();
    EXPECT_EQ(target.Color(), clRed);
    EXPECT_EQ(target.GradientType(), gtHatch);
    EXPECT_EQ(target.HatchStyle(), Gdiplus::HatchStyleWeave);
    EXPECT_EQ(target.ShadowType(), stSurround);
    EXPECT_EQ(target.BackGroundPicture()->Bytes(), picture.Bytes());
    EXPECT_FALSE(target.Focus()) << "not a streamed property";
    EXPECT_GT(changes, 0);
}

TEST_F(FillClipboard, OtherClipboardContentLeavesTheFill) {
    QGuiApplication::clipboard()->setText("Color = clRed");
    TGDIPFill fill;
    fill.LoadFromClipBoard();
    EXPECT_EQ(fill.Color(), clSilver);
}
