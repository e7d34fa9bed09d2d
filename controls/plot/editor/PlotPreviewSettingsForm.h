#pragma once
// The print preview's settings: the four print margins (inches) placed as
// a cross, the orientation, the document name and the paper size; OK and
// Cancel close it. The preview fills it and reads it back.

#include "platform/forms/Form.h"

class TiComponentEditorGroupBox;
class TiComponentEditorEdit;
class TiComponentEditorRadioGroup;
class TiComponentEditorComboBox;
class TLabel;
class TButton;

class TiPlotPreviewSettingsForm : public TForm {
    KORVAN_CLASS(TiPlotPreviewSettingsForm)
public:
    explicit TiPlotPreviewSettingsForm(TComponent* owner);

    TiComponentEditorGroupBox* PrinterMarginGroupBox = nullptr;
    TiComponentEditorEdit* PrintMarginLeftEdit = nullptr;
    TiComponentEditorEdit* PrintMarginTopEdit = nullptr;
    TiComponentEditorEdit* PrintMarginBottomEdit = nullptr;
    TiComponentEditorEdit* PrintMarginRightEdit = nullptr;
    TiComponentEditorRadioGroup* PrintOrientationRadioGroup = nullptr;
    TLabel* Label175 = nullptr;
    TiComponentEditorEdit* PrintDocumentNameEdit = nullptr;
    TLabel* Label120 = nullptr;
    TiComponentEditorComboBox* PrintPaperSizeComboBox = nullptr;
    TButton* Button1 = nullptr;
    TButton* Button2 = nullptr;
};
