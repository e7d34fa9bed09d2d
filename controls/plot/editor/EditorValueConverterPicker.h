#pragma once
// The "..." button beside an editor field that opens the value converter on
// its DefaultPage with the field's number (or DateTime without a field).
// Confirmed, the converted value becomes DateTime and reaches the field as
// the user's edit, and OnChange fires; cancelled, nothing changes.

#include "controls/plot/editor/EditorForm.h"
#include "controls/plot/editor/EditorPickers.h"
#include "controls/plot/editor/EditorValueConverterForm.h"

class TiComponentEditorEdit;

class TiComponentEditorValueConverterPicker : public TiComponentEditorButton {
    KORVAN_CLASS(TiComponentEditorValueConverterPicker)
public:
    explicit TiComponentEditorValueConverterPicker(TComponent* owner);
    ~TiComponentEditorValueConverterPicker() override;

    TiComponentEditorEdit* Associate() const { return associate_; }
    // Places the button right of the field, with its top and height.
    void SetAssociate(TiComponentEditorEdit* value);
    double DateTime() const { return dateTime_; }
    void SetDateTime(double value) { dateTime_ = value; }
    TiValueConverterPageType DefaultPage() const { return defaultPage_; }
    void SetDefaultPage(TiValueConverterPageType value) { defaultPage_ = value; }
    // Called with the converter before it shows, to translate its texts.
    TFormTranslationMethod TranslationMethod;

    void Click() override;

protected:
    void Notification(TComponent* component, TOperation operation) override;

private:
    TiComponentEditorEdit* associate_ = nullptr;
    double dateTime_ = 0;
    TiValueConverterPageType defaultPage_ = ivcptInterval;
};
