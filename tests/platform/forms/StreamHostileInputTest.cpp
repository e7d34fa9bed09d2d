// Form texts made to hurt the text parser and the reader: each is refused
// with the reader's error, reads nothing outside the text and returns.

#include "platform/forms/ExtCtrls.h"
#include "platform/forms/Form.h"
#include "platform/forms/FormText.h"
#include "platform/text/Exception.h"

#include <gtest/gtest.h>

#include <QWidget>

#include <memory>
#include <string>

namespace {

TEST(StreamHostileInput, IndexBracketAtTheEndOfTheText) {
    // Each text ends right after '[' (or '[' and blanks): the number reader
    // must stop at the end, not read the byte after it.
    for (const char* text :
         {"object A: TForm [", "object A: TForm [  ", "object A: TForm\n  Items = <\n    item ["}) {
        // A copy of exactly the text's length, so a read past it is caught.
        const std::string exact(text);
        const auto bytes = std::make_unique<char[]>(exact.size());
        std::copy(exact.begin(), exact.end(), bytes.get());
        EXPECT_THROW(korvan::forms::TextToTokens(std::string_view(bytes.get(), exact.size())), EReadError)
            << text;
    }
}

TEST(StreamHostileInput, ObjectNestedInItsOwnDescendantIsRefused) {
    korvan::forms::RegisterStandardClasses();
    // Outer reuses the name of the object it is nested in, at one and at two
    // levels; the last one names an existing panel that would become its own
    // parent.
    const char* texts[] = {
        "object Form1: TForm\n object Outer: TPanel\n  object Inner: TPanel\n   object Outer: TPanel\n"
        "   end\n  end\n end\nend",
        "object Form1: TForm\n object Outer: TPanel\n  object Outer: TPanel\n  end\n end\nend",
        "object Form1: TForm\n object Existing: TPanel\n  object Existing: TPanel\n  end\n end\nend",
    };
    for (const char* text : texts) {
        auto form = std::make_unique<TForm>(nullptr);
        auto* existing = new TPanel(form.get()); // owned by the form
        existing->SetName("Existing");
        existing->SetParent(form.get());
        EXPECT_THROW(korvan::forms::ReadComponentText(text, form.get()), EReadError) << text;
        for (int i = 0; i < form->ComponentCount(); ++i) {
            auto* control = dynamic_cast<TControl*>(form->Components(i));
            // Every parent chain still ends at the form.
            int steps = 0;
            for (TComponent* up = control; up && steps < 10; up = up->GetParentComponent())
                ++steps;
            EXPECT_LT(steps, 10) << text << " " << control->Name();
        }
    }
}

TEST(StreamHostileInput, SiblingsMayStillReuseANameAsBefore) {
    korvan::forms::RegisterStandardClasses();
    auto form = std::make_unique<TForm>(nullptr);
    korvan::forms::ReadComponentText(
        "object Form1: TForm\n object A: TPanel\n  object B: TPanel\n  end\n end\n"
        " object B: TPanel\n end\nend",
        form.get());
    auto* b = dynamic_cast<TControl*>(form->FindComponent("B"));
    ASSERT_NE(b, nullptr);
    EXPECT_EQ(b->GetParentComponent(), form.get());
}

} // namespace

namespace {

// An enumeration given as a number past its values is refused (it would be
// no value of the type); one of its values given as a number still reads.
TEST(StreamHostileInput, EnumerationNumberPastItsValuesIsRefused) {
    korvan::forms::RegisterStandardClasses();
    for (const char* value : {"2147483647", "-1", "7"}) {
        auto form = std::make_unique<TForm>(nullptr);
        const std::string text =
            std::string("object Form1: TForm\n object P: TPanel\n  Align = ") + value + "\n end\nend";
        EXPECT_THROW(korvan::forms::ReadComponentText(text, form.get()), EReadError) << value;
    }
    auto form = std::make_unique<TForm>(nullptr);
    korvan::forms::ReadComponentText("object Form1: TForm\n object P: TPanel\n  Align = 2\n end\nend",
                                     form.get());
    auto* panel = dynamic_cast<TPanel*>(form->FindComponent("P"));
    ASSERT_NE(panel, nullptr);
    EXPECT_EQ(panel->Align(), alBottom);
}

} // namespace

namespace {

// A window placed at the end of the int range (or sized past what Qt holds)
// gets a window place Qt can add its size to; the control keeps its own.
TEST(StreamHostileInput, WindowAtTheEndOfTheIntRangeKeepsQtsSumsInRange) {
    korvan::forms::RegisterStandardClasses();
    auto form = std::make_unique<TForm>(nullptr);
    korvan::forms::ReadComponentText("object Form1: TForm\n object P: TPanel\n  Left = -2147483648\n"
                                     "  Top = 2147483646\n  Width = 2147483647\n  Height = 16\n end\nend",
                                     form.get());
    auto* panel = dynamic_cast<TPanel*>(form->FindComponent("P"));
    ASSERT_NE(panel, nullptr);
    const QRect geometry = panel->Widget()->geometry();
    EXPECT_EQ(panel->Top(), 2147483646);
    EXPECT_EQ(geometry.y(), 1 << 30);
    EXPECT_EQ(geometry.x(), -(1 << 30));
    EXPECT_EQ(geometry.width(), QWIDGETSIZE_MAX);
    EXPECT_EQ(geometry.height(), 16);
}

} // namespace
