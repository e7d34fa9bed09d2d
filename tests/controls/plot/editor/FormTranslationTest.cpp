// A form's texts through the plot's translations: which texts change,
// which stay, and when the form is left alone.

#include "controls/plot/editor/FormTranslation.h"

#include "controls/plot/editor/EditorChoices.h"
#include "controls/plot/master/MasterManager.h"
#include "controls/plot/plots/StripChartPlot.h"
#include "platform/forms/LoadScope.h"
#include "platform/forms/Menus.h"
#include "platform/forms/StdCtrls.h"
#include "tests/support/gui/GuiHarness.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

// An editor form as the master sees it, closing or not.
class EditorStandIn : public TForm, public IiPlotEditorForm {
public:
    explicit EditorStandIn(TComponent* owner) : TForm(owner) {}
    bool closing = false;
    bool IsClosing() const override { return closing; }
    void ObjectListed(TiPlotObject*) override {}
    void ObjectUnlisted(TiPlotObject*) override {}
    void ObjectRenamed(TiPlotObject*) override {}
    void EditObject(TiPlotObject*) override {}
};

class FormTranslation : public korvan::testing::GuiTest {
protected:
    void SetUp() override {
        GuiTest::SetUp();
        plot = std::make_unique<TiPlot>(nullptr);
        form = std::make_unique<EditorStandIn>(nullptr);
        korvan::forms::LoadScope scope(form.get());
        form->SetCaption("Edit");
        label = scope.Place<TLabel>(form.get(), "Label1", 8, 8, 80, 13);
        label->SetCaption("Name");
        check = scope.Place<TiComponentEditorCheckBox>(form.get(), "Check", 8, 30, 120, 17);
        check->SetCaption("Visible");
        radio = scope.Place<TiComponentEditorRadioGroup>(form.get(), "Radio", 8, 50, 120, 60);
        radio->SetCaption("Orientation");
        radio->Items()->Add("Portrait");
        radio->Items()->Add("Landscape");
        combo = scope.Place<TiComponentEditorComboBox>(form.get(), "Combo", 8, 120, 120, 21);
        combo->SetStyle(csDropDownList);
        combo->Items()->Add("Solid");
        combo->Items()->Add("Dash");
        combo->SetItemIndex(1);
        menu = scope.Create<TPopupMenu>(form.get(), "Menu");
        auto* edit = new TMenuItem(menu);
        edit->SetCaption("Edit...");
        menu->Items()->Add(edit);
        nested = new TMenuItem(menu);
        nested->SetCaption("Edit...");
        edit->Add(nested);
        scope.Finish();
    }
    void TearDown() override {
        form.reset();
        plot.reset();
        GuiTest::TearDown();
    }
    std::string Texts() const {
        return form->Caption() + "|" + label->Caption() + "|" + check->Caption() + "|" + radio->Caption() +
               "|" + radio->Items()->CommaText() + "|" + combo->Items()->CommaText() + ":" + combo->Text() +
               "|" + menu->Items()->Items(0)->Caption() + "|" + nested->Caption();
    }

    std::unique_ptr<TiPlot> plot;
    std::unique_ptr<EditorStandIn> form;
    TLabel* label = nullptr;
    TiComponentEditorCheckBox* check = nullptr;
    TiComponentEditorRadioGroup* radio = nullptr;
    TiComponentEditorComboBox* combo = nullptr;
    TPopupMenu* menu = nullptr;
    TMenuItem* nested = nullptr;
};

TEST_F(FormTranslation, ReplacesEveryKindOfTextThatHasATranslation) {
    for (const char* text : {"Edit", "Name", "Visible", "Orientation", "Landscape", "Dash", "Edit..."})
        plot->AddTranslation(text, std::string("<") + text + ">");
    korvan::plot::TranslateForm(*plot->Master(), form.get());
    // Texts without a translation stay; only top-level menu items change;
    // the combo box keeps its choice.
    EXPECT_EQ(Texts(), "<Edit>|<Name>|<Visible>|<Orientation>|Portrait,<Landscape>|Solid,<Dash>:<Dash>|"
                       "<Edit...>|Edit...");
    EXPECT_EQ(combo->ItemIndex(), 1);
}

TEST_F(FormTranslation, LeavesTheFormAloneWithoutTranslationsOrWhileTheEditorCloses) {
    const std::string untouched = Texts();
    korvan::plot::TranslateForm(*plot->Master(), form.get());
    EXPECT_EQ(Texts(), untouched);
    korvan::plot::TranslateForm(*plot->Master(), nullptr);

    plot->AddTranslation("Name", "Nom");
    plot->Master()->SetEditorForm(form.get());
    form->closing = true;
    korvan::plot::TranslateForm(*plot->Master(), form.get());
    EXPECT_EQ(Texts(), untouched);
    // Another form is translated while the editor closes.
    TForm other(nullptr);
    auto* otherLabel = new TLabel(&other);
    otherLabel->SetCaption("Name");
    korvan::plot::TranslateForm(*plot->Master(), &other);
    EXPECT_EQ(otherLabel->Caption(), "Nom");
    // The open editor is translated.
    form->closing = false;
    korvan::plot::TranslateForm(*plot->Master(), form.get());
    EXPECT_EQ(label->Caption(), "Nom");
    plot->Master()->SetEditorForm(nullptr);
}

} // namespace
