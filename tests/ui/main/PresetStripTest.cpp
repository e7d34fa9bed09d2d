// The preset strip at the window's foot: its controls in a row, their captions
// in each language, and its picture.

#include "tests/ui/main/MainWindowFixture.h"
#include "ui/dialogs/FRecallPreset.h"
#include "ui/dialogs/FStorePreset.h"

#include <gtest/gtest.h>

using namespace korvan;
using namespace korvan::test;

namespace {

class PresetStripTest : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        CreateWindows();
        fmMain->tmStartConnect->SetEnabled(false);
    }
    std::vector<std::string> Captions() const {
        std::vector<std::string> out;
        for (const TControl* c :
             {static_cast<TControl*>(fmMain->lPreset), static_cast<TControl*>(fmMain->lAddress),
              static_cast<TControl*>(fmMain->bStore), static_cast<TControl*>(fmMain->bRecall)})
            out.push_back(c->Caption());
        return out;
    }
};

TEST_F(PresetStripTest, ControlsSitOnTheStripWithTheirLanguageCaptions) {
    for (const char* name : {"lPreset", "lbPstName", "lAddress", "lbPstNum", "bStore", "bRecall"}) {
        auto* control = dynamic_cast<TControl*>(fmMain->FindComponent(name));
        ASSERT_NE(control, nullptr) << name;
        EXPECT_EQ(control->Parent(), fmMain->rzgPreset) << name;
        EXPECT_TRUE(control->Visible()) << name;
    }
    EXPECT_EQ(fmMain->bStore, fmMain->FindComponent("bStore"));
    EXPECT_EQ(fmMain->bRecall, fmMain->FindComponent("bRecall"));
    // Side by side on one row, inside the strip.
    const TControl* last = nullptr;
    for (const TControl* c :
         {static_cast<TControl*>(fmMain->lPreset), static_cast<TControl*>(fmMain->lbPstName),
          static_cast<TControl*>(fmMain->lAddress), static_cast<TControl*>(fmMain->lbPstNum),
          static_cast<TControl*>(fmMain->bStore), static_cast<TControl*>(fmMain->bRecall)}) {
        if (last != nullptr) {
            EXPECT_GE(c->Left(), last->Left() + last->Width()) << c->Name();
        }
        EXPECT_GE(c->Top(), 0);
        EXPECT_LE(c->Top() + c->Height(), fmMain->rzgPreset->ClientHeight()) << c->Name();
        last = c;
    }

    EXPECT_EQ(Captions(), (std::vector<std::string>{"Preset", "Address", "Store", "Recall"}));
    fmMain->ChineseSimplified->Click();
    EXPECT_EQ(Captions(), (std::vector<std::string>{"预设", "位址", "保存到机器", "从机器调出"}));
    fmMain->English->Click();
    EXPECT_EQ(Captions()[2], "Store");
    EXPECT_FALSE(korvan::testing::SavePng(korvan::testing::Grab(fmMain->rzgPreset), "preset-strip").empty());
}

} // namespace
