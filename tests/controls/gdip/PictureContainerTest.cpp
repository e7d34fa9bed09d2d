#include "PictureTestSupport.h"
#include "controls/gdip/GDIPPictureContainer.h"
#include "controls/gdip/GdipClasses.h"
#include "platform/forms/Filer.h"
#include "platform/text/Exception.h"

#include <gtest/gtest.h>

using namespace korvan::gdip::testing;

namespace {

TPictureItem* AddItem(TGDIPPictureContainer& c, const std::string& name, int w) {
    TPictureItem* item = c.Items()->Add();
    item->SetName(name);
    item->SetTag(w);
    item->Picture()->LoadFromStream(PngFile(Swatch(w, 2, 0xFFFF0000u, 0xFFFF0000u)));
    return item;
}

} // namespace

TEST(GDIPPictureContainer, FindsTheFirstItemOfANameWhateverItsCase) {
    TGDIPPictureContainer container(nullptr);
    AddItem(container, "Arrow", 3);
    TPictureItem* logo = AddItem(container, "Logo", 4);
    AddItem(container, "LOGO", 5);
    EXPECT_EQ(container.FindPicture("logo"), logo->Picture());
    EXPECT_EQ(container.FindPicture("lOgO")->Width(), 4);
    EXPECT_EQ(container.FindPicture("logos"), nullptr);
    EXPECT_EQ(container.FindPicture(""), nullptr);
    EXPECT_EQ(container.Version(), "1.0.0.0");
    container.SetVersion("9.9");
    EXPECT_EQ(container.Version(), "1.0.0.0");
}

TEST(GDIPPictureContainer, ItemsAssignFromItemsOnly) {
    TGDIPPictureContainer container(nullptr);
    TPictureItem* a = AddItem(container, "A", 3);
    TPictureItem* b = container.Items()->Add();
    b->Assign(a);
    EXPECT_EQ(b->Name(), "A");
    EXPECT_EQ(b->Tag(), 3);
    EXPECT_EQ(b->Picture()->Bytes(), a->Picture()->Bytes());
    EXPECT_NE(b->Picture(), a->Picture());
    EXPECT_THROW(b->Assign(container.Items()), EConvertError);
    EXPECT_EQ(b->Name(), "A");
}

TEST(GDIPPictureContainer, ItemsStreamWithTheirPictureData) {
    korvan::gdip::RegisterGdipClasses();
    TGDIPPictureContainer source(nullptr);
    AddItem(source, "One", 3);
    AddItem(source, "Two", 6);
    korvan::forms::FormTokens tokens;
    TWriter writer(tokens);
    writer.WriteProperties(&source);
    writer.WriteListEnd();

    TGDIPPictureContainer target(nullptr);
    TReader reader(tokens);
    reader.ReadProperties(&target);
    ASSERT_EQ(target.Items()->Count(), 2);
    EXPECT_EQ(target.Items()->Items(1)->Name(), "Two");
    EXPECT_EQ(target.Items()->Items(1)->Tag(), 6);
    EXPECT_EQ(target.Items()->Items(1)->Picture()->Bytes(), source.Items()->Items(1)->Picture()->Bytes());
    EXPECT_EQ(target.FindPicture("two")->Width(), 6);
}
