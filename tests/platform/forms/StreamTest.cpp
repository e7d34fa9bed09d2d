#include "platform/forms/Collection.h"
#include "platform/forms/Filer.h"
#include "platform/forms/FormText.h"
#include "platform/forms/LoadScope.h"
#include "platform/text/Exception.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

namespace {

enum TShape { shCircle, shSquare, shTriangle };
enum TOption { opBold, opItalic, opUnderline };

std::vector<std::string>& Log() {
    static std::vector<std::string> log;
    return log;
}

// A nested persistent object, written as "Pen.Color = ..." lines.
class TTestPen : public TPersistent {
    KORVAN_CLASS(TTestPen)
public:
    int Color() const { return color_; }
    void SetColor(int c) { color_ = c; }
    double Width() const { return width_; }
    void SetWidth(double w) { width_ = w; }
    void Assign(TPersistent* source) override {
        if (auto* p = dynamic_cast<TTestPen*>(source)) {
            color_ = p->color_;
            width_ = p->width_;
            return;
        }
        TPersistent::Assign(source);
    }

private:
    int color_ = 0;
    double width_ = 1;
};

const TClassInfo& TTestPen::StaticClassInfo() {
    static const TClassInfo info =
        korvan::forms::ClassBuilder<TTestPen>("TTestPen", &TPersistent::StaticClassInfo())
            .Property("Color", &TTestPen::Color, &TTestPen::SetColor)
            .TypeName("TTestColor")
            .Default(0)
            .Property("Width", &TTestPen::Width, &TTestPen::SetWidth)
            .Build();
    return info;
}

class TTestItem : public TCollectionItem {
    KORVAN_CLASS(TTestItem)
public:
    using TCollectionItem::TCollectionItem;
    std::string Caption() const { return caption_; }
    void SetCaption(const std::string& c) { caption_ = c; }
    double Value() const { return value_; }
    void SetValue(double v) { value_ = v; }
    TShape Shape() const { return shape_; }
    void SetShape(TShape s) { shape_ = s; }
    void Assign(TPersistent* source) override {
        if (auto* i = dynamic_cast<TTestItem*>(source)) {
            caption_ = i->caption_;
            value_ = i->value_;
            shape_ = i->shape_;
            return;
        }
        TCollectionItem::Assign(source);
    }

private:
    std::string caption_;
    double value_ = 0;
    TShape shape_ = shCircle;
};

const TClassInfo& TTestItem::StaticClassInfo() {
    static const TClassInfo info =
        korvan::forms::ClassBuilder<TTestItem>("TTestItem", &TCollectionItem::StaticClassInfo())
            .Property("Caption", &TTestItem::Caption, &TTestItem::SetCaption)
            .Property("Value", &TTestItem::Value, &TTestItem::SetValue)
            .Enum("Shape", &TTestItem::Shape, &TTestItem::SetShape, {"shCircle", "shSquare", "shTriangle"})
            .Default(shCircle)
            .Build();
    return info;
}

class TTestComp : public TComponent {
    KORVAN_CLASS(TTestComp)
public:
    explicit TTestComp(TComponent* owner)
        : TComponent(owner),
          items_(std::make_unique<TOwnedCollection>(this, TCollection::ItemClass<TTestItem>())) {}

    int Count() const { return count_; }
    void SetCount(int v) {
        count_ = v;
        if (HasState(csLoading))
            Log().push_back(Name() + ".Count while loading");
    }
    bool Active() const { return active_; }
    void SetActive(bool v) { active_ = v; }
    TShape Shape() const { return shape_; }
    void SetShape(TShape v) { shape_ = v; }
    unsigned Options() const { return options_; }
    void SetOptions(unsigned v) { options_ = v; }
    double Ratio() const { return ratio_; }
    void SetRatio(double v) { ratio_ = v; }
    std::string Caption() const { return caption_; }
    void SetCaption(const std::string& v) { caption_ = v; }
    TTestPen* Pen() const { return pen_.get(); }
    void SetPen(TTestPen* v) { pen_->Assign(v); }
    TCollection* Items() const { return items_.get(); }
    void SetItems(TCollection* v) { items_->Assign(v); }
    TTestComp* Buddy() const { return buddy_; }
    void SetBuddy(TTestComp* v) { buddy_ = v; }
    std::int64_t Big() const { return big_; }
    void SetBig(std::int64_t v) { big_ = v; }

    std::vector<std::uint8_t> blob;
    bool loadedSawLoading = false;

    void DefineProperties(TFiler& filer) override {
        TComponent::DefineProperties(filer);
        filer.DefineBinaryProperty(
            "Blob", [this](const std::vector<std::uint8_t>& b) { blob = b; }, [this] { return blob; },
            !blob.empty());
    }
    void Loaded() override {
        loadedSawLoading = HasState(csLoading);
        TComponent::Loaded();
        Log().push_back(Name() + ".Loaded");
    }

private:
    int count_ = 0;
    bool active_ = false;
    TShape shape_ = shCircle;
    unsigned options_ = 0;
    double ratio_ = 0;
    std::string caption_;
    std::unique_ptr<TTestPen> pen_ = std::make_unique<TTestPen>();
    std::unique_ptr<TOwnedCollection> items_;
    TTestComp* buddy_ = nullptr;
    std::int64_t big_ = 0;
};

const TClassInfo& TTestComp::StaticClassInfo() {
    static const TClassInfo info =
        korvan::forms::ClassBuilder<TTestComp>("TTestComp", &TComponent::StaticClassInfo())
            .Creator()
            .Property("Count", &TTestComp::Count, &TTestComp::SetCount)
            .Default(0)
            .Property("Active", &TTestComp::Active, &TTestComp::SetActive)
            .Default(false)
            .Enum("Shape", &TTestComp::Shape, &TTestComp::SetShape, {"shCircle", "shSquare", "shTriangle"})
            .Default(shCircle)
            .Set("Options", &TTestComp::Options, &TTestComp::SetOptions,
                 {"opBold", "opItalic", "opUnderline"})
            .Default(0)
            .Property("Ratio", &TTestComp::Ratio, &TTestComp::SetRatio)
            .Property("Caption", &TTestComp::Caption, &TTestComp::SetCaption)
            .Property("Pen", &TTestComp::Pen, &TTestComp::SetPen)
            .Property("Items", &TTestComp::Items, &TTestComp::SetItems)
            .Property("Buddy", &TTestComp::Buddy, &TTestComp::SetBuddy)
            .Property("Big", &TTestComp::Big, &TTestComp::SetBig)
            .Default(0)
            .Build();
    return info;
}

class StreamTest : public ::testing::Test {
protected:
    void SetUp() override {
        RegisterClass(TTestComp::StaticClassInfo());
        RegisterIntegerIdents("TTestColor", {{"tcRed", 255}, {"tcBlue", 0xFF0000}});
        Log().clear();
    }

    // A root with two children, every kind of value set.
    static void Fill(TTestComp& root) {
        root.SetName("Root");
        root.SetCount(3);
        root.SetActive(true);
        root.SetShape(shTriangle);
        root.SetOptions((1u << opBold) | (1u << opUnderline));
        root.SetRatio(0.1);
        root.SetCaption("It's\r\n\"two\" lines");
        root.Pen()->SetColor(255);
        root.Pen()->SetWidth(2.5);
        root.SetBig(1LL << 40);
        root.blob = {0x00, 0x7F, 0xFF};
        auto* a = static_cast<TTestItem*>(root.Items()->Add());
        a->SetCaption("first");
        a->SetValue(-1e-7);
        auto* b = static_cast<TTestItem*>(root.Items()->Add());
        b->SetShape(shSquare);
        auto* child1 = new TTestComp(&root);
        child1->SetName("Child1");
        child1->SetCount(7);
        child1->Pen()->SetColor(0x123456);
        auto* child2 = new TTestComp(&root);
        child2->SetName("Child2");
        child2->SetBuddy(child1);
    }
};

TEST_F(StreamTest, TextRoundTripKeepsEveryKindOfValue) {
    TTestComp root(nullptr);
    Fill(root);
    const std::string text = korvan::forms::WriteComponentText(&root);
    EXPECT_EQ(text, "object Root: TTestComp\r\n"
                    "  Count = 3\r\n"
                    "  Active = True\r\n"
                    "  Shape = shTriangle\r\n"
                    "  Options = [opBold, opUnderline]\r\n"
                    "  Ratio = 0.1\r\n"
                    "  Caption = 'It''s'#13#10'\"two\" lines'\r\n"
                    "  Pen.Color = tcRed\r\n"
                    "  Pen.Width = 2.5\r\n"
                    "  Items = <\r\n"
                    "    item\r\n"
                    "      Caption = 'first'\r\n"
                    "      Value = -1e-07\r\n"
                    "    end\r\n"
                    "    item\r\n"
                    "      Shape = shSquare\r\n"
                    "    end>\r\n"
                    "  Big = 1099511627776\r\n"
                    "  Blob = {\r\n"
                    "    007FFF}\r\n"
                    "  object Child1: TTestComp\r\n"
                    "    Count = 7\r\n"
                    "    Pen.Color = 1193046\r\n"
                    "    Pen.Width = 1.0\r\n"
                    "  end\r\n"
                    "  object Child2: TTestComp\r\n"
                    "    Pen.Width = 1.0\r\n"
                    "    Buddy = Child1\r\n"
                    "  end\r\n"
                    "end\r\n")
        << text;

    TTestComp back(nullptr);
    korvan::forms::ReadComponentText(text, &back);
    EXPECT_EQ(back.Name(), "Root");
    EXPECT_EQ(back.Count(), 3);
    EXPECT_TRUE(back.Active());
    EXPECT_EQ(back.Shape(), shTriangle);
    EXPECT_EQ(back.Options(), (1u << opBold) | (1u << opUnderline));
    EXPECT_EQ(back.Ratio(), 0.1);
    EXPECT_EQ(back.Caption(), "It's\r\n\"two\" lines");
    EXPECT_EQ(back.Pen()->Color(), 255);
    EXPECT_EQ(back.Pen()->Width(), 2.5);
    EXPECT_EQ(back.Big(), 1LL << 40);
    EXPECT_EQ(back.blob, (std::vector<std::uint8_t>{0x00, 0x7F, 0xFF}));
    ASSERT_EQ(back.Items()->Count(), 2);
    EXPECT_EQ(static_cast<TTestItem*>(back.Items()->Items(0))->Caption(), "first");
    EXPECT_EQ(static_cast<TTestItem*>(back.Items()->Items(0))->Value(), -1e-7);
    EXPECT_EQ(static_cast<TTestItem*>(back.Items()->Items(1))->Shape(), shSquare);
    ASSERT_EQ(back.ComponentCount(), 2);
    auto* child1 = dynamic_cast<TTestComp*>(back.FindComponent("CHILD1"));
    auto* child2 = dynamic_cast<TTestComp*>(back.FindComponent("child2"));
    ASSERT_TRUE(child1 && child2);
    EXPECT_EQ(child1->Count(), 7);
    EXPECT_EQ(child1->Pen()->Color(), 0x123456);
    EXPECT_EQ(child2->Buddy(), child1);
    // The text written back is the same.
    EXPECT_EQ(korvan::forms::WriteComponentText(&back), text);
}

TEST_F(StreamTest, ReadingSetsPropertiesWhileLoadingThenLoadedInCreationOrder) {
    TTestComp root(nullptr);
    Fill(root);
    const std::string text = korvan::forms::WriteComponentText(&root);
    Log().clear();
    TTestComp back(nullptr);
    korvan::forms::ReadComponentText(text, &back);
    EXPECT_EQ(Log(), (std::vector<std::string>{"Root.Count while loading", "Child1.Count while loading",
                                               "Root.Loaded", "Child1.Loaded", "Child2.Loaded"}));
    EXPECT_TRUE(back.loadedSawLoading);
    EXPECT_FALSE(back.HasState(csLoading | csReading));
    EXPECT_FALSE(back.FindComponent("Child2")->HasState(csLoading | csReading));
}

TEST_F(StreamTest, ExistingComponentsAreReusedAndBuilderCodeLoadsTheSameWay) {
    TTestComp root(nullptr);
    auto* existing = new TTestComp(&root);
    existing->SetName("Child1");
    korvan::forms::ReadComponentText(
        "object Root: TTestComp\n object child1: TTestComp\n Count = 4\n end\nend", &root);
    EXPECT_EQ(root.ComponentCount(), 1);
    EXPECT_EQ(existing->Count(), 4);

    Log().clear();
    TTestComp form(nullptr);
    form.SetName("Form");
    {
        korvan::forms::LoadScope scope(&form);
        auto* a = scope.Create<TTestComp>(&form, "A");
        a->SetCount(1);
        scope.Create<TTestComp>(&form, "B");
        EXPECT_TRUE(form.HasState(csLoading));
        scope.Finish();
    }
    EXPECT_EQ(Log(),
              (std::vector<std::string>{"A.Count while loading", "Form.Loaded", "A.Loaded", "B.Loaded"}));
}

TEST_F(StreamTest, BadStreamsRaiseReadErrors) {
    const char* bad[] = {
        "object Root: TTestComp\n  Nothing = 1\nend",                    // no such property
        "object Root: TTestComp\n  Count = 'x'\nend",                    // wrong value kind
        "object Root: TTestComp\n  Shape = shHexagon\nend",              // no such enumeration value
        "object Root: TTestComp\n  Options = [opBold, opStrike]\nend",   // no such set element
        "object Root: TTestComp\n  Count = 99999999999999999999\nend",   // out of range
        "object Root: TTestComp\n  Blob = {0A0}\nend",                   // odd hex digits
        "object Root: TTestComp\n  Caption = 'open\nend",                // unterminated string
        "object Root: TTestComp\n  object X: TUnknownThing\n  end\nend", // unregistered class
        "object Root: TTestComp\n  Buddy = Nobody\nend",                 // unresolved reference
        "object Root: TTestComp\n  Count = 1\n",                         // no end
        "object Root: TOtherRoot\nend",                                  // wrong root class
    };
    for (const char* text : bad) {
        TTestComp root(nullptr);
        EXPECT_THROW(korvan::forms::ReadComponentText(text, &root), EFilerError) << text;
        EXPECT_FALSE(root.HasState(csLoading | csReading)) << text;
    }
}

} // namespace
