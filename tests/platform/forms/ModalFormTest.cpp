// Forms: a non-zero ModalResult ends the modal loop after the close rules
// agree; ShowModal resets it; on a form that is not modal it changes
// nothing.

#include "platform/forms/Application.h"
#include "platform/forms/GuiThread.h"
#include "platform/forms/StdCtrls.h"
#include "platform/text/Exception.h"
#include "tests/support/gui/GuiHarness.h"

#include <QWidget>

#include <gtest/gtest.h>

#include <memory>

namespace {

using korvan::testing::GuiTest;
using korvan::testing::RunModal;

class ModalForm : public GuiTest {
protected:
    void SetUp() override {
        GuiTest::SetUp();
        main = std::make_unique<TForm>(nullptr);
        dialog = std::make_unique<TForm>(nullptr);
        button = new TButton(dialog.get());
        button->SetParent(dialog.get());
        button->SetModalResult(mrOk);
    }
    void TearDown() override {
        dialog.reset();
        main.reset();
        GuiTest::TearDown();
    }
    std::unique_ptr<TForm> main, dialog;
    TButton* button = nullptr;
};

TEST_F(ModalForm, AButtonsModalResultEndsTheModalLoop) {
    ASSERT_EQ(Application->MainForm(), main.get());
    ShowForm(main.get());
    int shows = 0;
    dialog->OnShow = [&](TObject*) { ++shows; };
    EXPECT_EQ(RunModal(dialog.get(), [&] { input.Click(button); }), mrOk);
    EXPECT_FALSE(dialog->Visible());
    // Shown again: ModalResult starts at 0, and the form is the same window.
    EXPECT_EQ(RunModal(dialog.get(),
                       [&] {
                           EXPECT_EQ(dialog->ModalResult(), mrNone);
                           dialog->Close();
                       }),
              mrCancel);
    EXPECT_EQ(shows, 2);
}

TEST_F(ModalForm, CloseQueryCanKeepTheModalLoopRunning) {
    int asked = 0;
    dialog->OnCloseQuery = [&](TObject*, bool& canClose) {
        canClose = ++asked > 1;
        if (!canClose)
            korvan::forms::Gui().Post([&] {
                // Refused: the loop goes on with ModalResult back at 0.
                EXPECT_TRUE(dialog->Visible());
                EXPECT_EQ(dialog->ModalResult(), mrNone);
                dialog->SetModalResult(mrNo);
            });
    };
    EXPECT_EQ(RunModal(dialog.get(), [&] { dialog->SetModalResult(mrYes); }), mrNo);
    EXPECT_EQ(asked, 2);
}

TEST_F(ModalForm, ModalResultOnTheMainWindowChangesNothing) {
    auto* mainButton = new TButton(main.get());
    mainButton->SetParent(main.get());
    mainButton->SetModalResult(5);
    int clicks = 0;
    mainButton->OnClick = [&](TObject*) { ++clicks; };
    ShowForm(main.get());
    input.Click(mainButton);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(main->ModalResult(), 5);
    EXPECT_TRUE(main->Visible());
}

TEST_F(ModalForm, AVisibleFormCannotBeMadeModal) {
    ShowForm(dialog.get());
    EXPECT_THROW(dialog->ShowModal(), EInvalidOperation);
}

TEST_F(ModalForm, ClientSizeAndBorderStyle) {
    dialog->SetBorderStyle(bsDialog);
    dialog->SetClientWidth(200);
    dialog->SetClientHeight(100);
    EXPECT_EQ(dialog->ClientWidth(), 200);
    EXPECT_EQ(dialog->ClientHeight(), 100);
    EXPECT_GT(dialog->Width(), 200);
    dialog->SetPosition(poScreenCenter);
    dialog->SetFormStyle(fsStayOnTop);
    ShowForm(dialog.get());
    EXPECT_TRUE(dialog->Window()->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(dialog->Widget()->size(), QSize(200, 100));
}

} // namespace
