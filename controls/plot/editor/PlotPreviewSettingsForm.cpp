#include "controls/plot/editor/PlotPreviewSettingsForm.h"

#include "controls/plot/editor/EditorChoices.h"
#include "controls/plot/editor/EditorEdit.h"
#include "controls/plot/editor/EditorFrames.h"
#include "platform/forms/LoadScope.h"
#include "platform/forms/TypeInfo.h"

using korvan::forms::ClassBuilder;

const TClassInfo& TiPlotPreviewSettingsForm::StaticClassInfo() {
    static const TClassInfo info =
        ClassBuilder<TiPlotPreviewSettingsForm>("TiPlotPreviewSettingsForm", &TForm::StaticClassInfo())
            .Build();
    return info;
}

TiPlotPreviewSettingsForm::TiPlotPreviewSettingsForm(TComponent* owner) : TForm(owner) {
    korvan::forms::LoadScope scope(this);
    SetName("iPlotPreviewSettingsForm");
    SetCaption("Settings");
    SetPosition(poScreenCenter);
    SetBorderStyle(bsDialog);
    SetBounds(0, 0, 419, 237);

    PrinterMarginGroupBox =
        scope.Place<TiComponentEditorGroupBox>(this, "PrinterMarginGroupBox", 8, 8, 193, 113);
    PrinterMarginGroupBox->SetCaption("Margin");
    auto margin = [&](const char* name, int left, int top) {
        return scope.Place<TiComponentEditorEdit>(PrinterMarginGroupBox, name, left, top, 50, 21);
    };
    PrintMarginLeftEdit = margin("PrintMarginLeftEdit", 16, 48);
    PrintMarginTopEdit = margin("PrintMarginTopEdit", 72, 20);
    PrintMarginBottomEdit = margin("PrintMarginBottomEdit", 72, 76);
    PrintMarginRightEdit = margin("PrintMarginRightEdit", 128, 48);

    PrintOrientationRadioGroup =
        scope.Place<TiComponentEditorRadioGroup>(this, "PrintOrientationRadioGroup", 210, 8, 193, 65);
    PrintOrientationRadioGroup->SetCaption("Orientation");
    PrintOrientationRadioGroup->Items()->Add("Portrait");
    PrintOrientationRadioGroup->Items()->Add("Landscape");

    Label175 = scope.Place<TLabel>(this, "Label175", 210, 82, 90, 13);
    Label175->SetCaption("Document Name");
    PrintDocumentNameEdit =
        scope.Place<TiComponentEditorEdit>(this, "PrintDocumentNameEdit", 210, 98, 193, 21);

    Label120 = scope.Place<TLabel>(this, "Label120", 8, 130, 60, 13);
    Label120->SetCaption("Paper Size");
    PrintPaperSizeComboBox =
        scope.Place<TiComponentEditorComboBox>(this, "PrintPaperSizeComboBox", 8, 146, 193, 21);
    PrintPaperSizeComboBox->SetStyle(csDropDownList);
    for (const char* paper : {"Letter", "Legal", "A3", "A4", "A5"})
        PrintPaperSizeComboBox->Items()->Add(paper);

    Button1 = scope.Place<TButton>(this, "Button1", 247, 144, 75, 25);
    Button1->SetCaption("OK");
    Button1->SetModalResult(mrOk);
    Button1->SetDefault(true);
    Button2 = scope.Place<TButton>(this, "Button2", 328, 144, 75, 25);
    Button2->SetCaption("Cancel");
    Button2->SetModalResult(mrCancel);
    Button2->SetCancel(true);
    scope.Finish();
}
