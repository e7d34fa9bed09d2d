// The PEQ band grid in the editor's two languages: it starts with the
// English table's texts, and a switch of language shows the other table's
// type names and BYPASS caption while every band keeps its type.

#include "ui/main/PeqGridLanguage.h"
#include "device/protocol/ValueScales.h"
#include "platform/forms/Form.h"
#include "tests/support/gui/GuiHarness.h"
#include "ui/curves/MyPEQType8.h"
#include "ui/main/LanguageTables.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

using korvan::testing::Grab;
using korvan::testing::SavePng;

namespace {

std::vector<std::string> TypeNamesOf(const TStrings& table) {
    std::vector<std::string> names;
    for (int i = 0; i < 9; ++i)
        names.push_back(korvan::TranslateIn(table, "SID_EQ_TYPE" + std::to_string(i)));
    return names;
}

class PeqGridLanguage : public korvan::testing::GuiTest {
protected:
    void SetUp() override {
        GuiTest::SetUp();
        korvan::LoadEnglishTable(english);
        korvan::LoadSimplifiedTable(simplified);
        form = std::make_unique<TForm>(nullptr);
        form->SetBounds(0, 0, 540, 280);
        // As on the main window's output EQ page.
        grid = new TMyPEQType8(form.get());
        grid->SetParent(form.get());
        grid->OnChange = [](TObject*) {};
        grid->SetChannelNumber(9);
        grid->SetLabelColor(clBackground);
        grid->SetEditBackColor(clWhite);
        grid->SetBypassBackColor(clSilver);
        grid->SetBounds(-11, -20, 536, 270);
        for (int b = 0; b < 9; ++b)
            grid->SetEqParamValue(b, IndexToFreq(40 + 32 * b), 6 + 11 * b, -9 + 2.5 * b, b, b == 4);
        grid->SetNowIndex(2);
    }

    void ExpectShows(const TStrings& table) {
        const std::vector<std::string> names = TypeNamesOf(table);
        const std::string bypass = korvan::TranslateIn(table, "SID_EQ_BYPASS");
        for (int b = 0; b < 9; ++b) {
            const TStrings* items = grid->TypeList(b)->Items();
            ASSERT_EQ(items->Count(), 9) << b;
            for (int i = 0; i < 9; ++i)
                EXPECT_EQ(items->Get(i), names[size_t(i)]) << b << " " << i;
            EXPECT_EQ(grid->GetTypeValue(b), b);
            EXPECT_EQ(grid->TypeList(b)->Text(), names[size_t(b)]);
            EXPECT_EQ(grid->BypassButton(b)->Caption(), bypass) << b;
        }
    }

    TStringList english;
    TStringList simplified;
    std::unique_ptr<TForm> form;
    TMyPEQType8* grid = nullptr;
};

TEST_F(PeqGridLanguage, ANewGridShowsTheEnglishTablesTexts) {
    ShowForm(form.get());
    ExpectShows(english);
}

TEST_F(PeqGridLanguage, SwitchingLanguageKeepsEveryBandsType) {
    ShowForm(form.get());
    for (const TStrings* table : {&simplified, &english, &simplified}) {
        korvan::ApplyPeqGridLanguage(*grid, *table);
        ProcessEvents();
        ExpectShows(*table);
    }
    SavePng(Grab(grid), "peq_grid_simplified");
    korvan::ApplyPeqGridLanguage(*grid, english);
    ProcessEvents();
    SavePng(Grab(grid), "peq_grid_english");
}

} // namespace
