// A fill as the nested property of a component, in the form text the
// editor's form resources use.

#include "PictureTestSupport.h"
#include "controls/gdip/GDIPFill.h"
#include "controls/gdip/GdipClasses.h"
#include "platform/forms/Component.h"
#include "platform/forms/FormText.h"

#include <gtest/gtest.h>

#include <memory>

using namespace korvan::gdip::testing;

namespace {

// A component that owns one fill, as the pack's controls do.
class TFillHost : public TComponent {
    KORVAN_CLASS(TFillHost)
public:
    explicit TFillHost(TComponent* owner) : TComponent(owner) {}
    TGDIPFill* Fill() const { return fill_.get(); }
    void SetFill(TGDIPFill* value) { fill_->Assign(value); }

private:
    std::unique_ptr<TGDIPFill> fill_ = std::make_unique<TGDIPFill>();
};

const TClassInfo& TFillHost::StaticClassInfo() {
    static const TClassInfo info =
        korvan::forms::ClassBuilder<TFillHost>("TFillHost", &TComponent::StaticClassInfo())
            .Creator()
            .Property("Fill", &TFillHost::Fill, &TFillHost::SetFill)
            .Build();
    return info;
}

} // namespace

TEST(GDIPFillStreaming, TheFillAndItsPictureLiveInTheFormText) {
    korvan::gdip::RegisterGdipClasses();
    TFillHost source(nullptr);
    source.SetName("Host");
    source.Fill()->SetGradientType(gtRadial);
    source.Fill()->SetColor(clRed);
    source.Fill()->SetRoundingType(rtTop);
    TAdvGDIPPicture picture;
    picture.LoadFromStream(PngFile(Swatch(9, 4, 0xFF102030u, 0xFF102030u)));
    source.Fill()->SetPicture(&picture);
    const std::string text = korvan::forms::WriteComponentText(&source);
    EXPECT_NE(text.find("Fill.Color = clRed"), std::string::npos) << text;
    EXPECT_NE(text.find("Fill.GradientType = gtRadial"), std::string::npos) << text;
    EXPECT_NE(text.find("Fill.RoundingType = rtTop"), std::string::npos) << text;
    const std::size_t data = text.find("Fill.Picture.Data = {");
    ASSERT_NE(data, std::string::npos) << text;
    EXPECT_NE(text.find("89504E470D0A1A0A", data), std::string::npos) << "the unchanged PNG file";
    EXPECT_EQ(text.find("Fill.BackGroundPicture.Data"), std::string::npos)
        << "an empty picture is not written";

    TFillHost target(nullptr);
    korvan::forms::ReadComponentText(text, &target);
    EXPECT_EQ(target.Fill()->GradientType(), gtRadial);
    EXPECT_EQ(target.Fill()->Color(), clRed);
    EXPECT_EQ(target.Fill()->RoundingType(), rtTop);
    EXPECT_EQ(target.Fill()->Picture()->Bytes(), picture.Bytes());
    EXPECT_EQ(target.Fill()->Picture()->Width(), 9) << "measured as it is read";
}
