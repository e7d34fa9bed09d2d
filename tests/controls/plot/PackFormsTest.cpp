// Form-level helpers: the owning form, page indexes and the stored-property
// writer the object managers stream with.

#include "controls/plot/core/PackForms.h"
#include "platform/forms/ComCtrls.h"
#include "platform/forms/ExtCtrls.h"
#include "platform/forms/Filer.h"
#include "platform/forms/Form.h"
#include "tests/controls/plot/PlotTestThing.h"
#include "tests/support/gui/GuiHarness.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

using namespace korvan::plot;

class PackForms : public korvan::testing::GuiTest {};

TEST_F(PackForms, OwnerFormWalksTheOwnerChain) {
    auto form = std::make_unique<TForm>(nullptr);
    auto* panel = new TPanel(form.get());
    auto* thing = new korvan::plot::testing::TPlotTestThing(panel);
    EXPECT_EQ(GetOwnerForm(thing), form.get());
    EXPECT_EQ(GetOwnerForm(panel), form.get());
    EXPECT_EQ(GetOwnerForm(form.get()), nullptr);
    EXPECT_EQ(GetOwnerForm(nullptr), nullptr);

    // Without a form: the last windowed control met.
    auto outer = std::make_unique<TPanel>(nullptr);
    auto* inner = new TPanel(outer.get());
    auto* loose = new korvan::plot::testing::TPlotTestThing(inner);
    EXPECT_EQ(GetOwnerForm(loose), outer.get());
    korvan::plot::testing::TPlotTestThing alone;
    EXPECT_EQ(GetOwnerForm(&alone), nullptr);
}

TEST_F(PackForms, PageIndexes) {
    auto form = std::make_unique<TForm>(nullptr);
    auto* pages = new TPageControl(form.get());
    pages->SetParent(form.get());
    EXPECT_EQ(GetActivePageIndex(pages), -1);
    for (int i = 0; i < 3; ++i)
        (new TTabSheet(form.get()))->SetPageControl(pages);
    SetActivePageIndex(pages, 2);
    EXPECT_EQ(GetActivePageIndex(pages), 2);
    SetActivePageIndex(pages, 3);
    SetActivePageIndex(pages, -1);
    EXPECT_EQ(GetActivePageIndex(pages), 2);
    EXPECT_EQ(GetActivePageIndex(nullptr), -1);
}

TEST_F(PackForms, StoredPropertiesAreWrittenByName) {
    korvan::plot::testing::TPlotTestThing thing;
    thing.SetCount(5);
    thing.SetCaption("text");
    thing.SetBorderStyle(ibsLowered);
    korvan::forms::FormTokens tokens;
    TWriter writer(tokens);
    WriteStoredProperties(writer, &thing);
    std::vector<std::string> names;
    for (const auto& t : tokens)
        if (t.kind == korvan::forms::FormToken::Kind::Name)
            names.push_back(t.text);
    EXPECT_NE(std::find(names.begin(), names.end(), "Count"), names.end());
    EXPECT_NE(std::find(names.begin(), names.end(), "Caption"), names.end());
    // A form stores an enumeration by its member name (property lines hold
    // its ordinal).
    for (std::size_t i = 0; i + 1 < tokens.size(); ++i)
        if (tokens[i].kind == korvan::forms::FormToken::Kind::Name && tokens[i].text == "BorderStyle") {
            EXPECT_EQ(tokens[i + 1].text, "ibsLowered");
        }
    EXPECT_NE(std::find(names.begin(), names.end(), "BorderStyle"), names.end());
    // Read-only values are not written.
    EXPECT_EQ(std::find(names.begin(), names.end(), "ReadOnly"), names.end());
}

} // namespace
