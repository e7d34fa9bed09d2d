// The classes the form reader creates by name.

#include "platform/forms/Buttons.h"
#include "platform/forms/ComCtrls.h"
#include "platform/forms/DateTimePicker.h"
#include "platform/forms/ExtCtrls.h"
#include "platform/forms/Form.h"
#include "platform/forms/GraphicsProperties.h"
#include "platform/forms/ImageListComponent.h"
#include "platform/forms/Menus.h"
#include "platform/forms/ProgressBar.h"
#include "platform/forms/RichEdit.h"
#include "platform/forms/StdCtrls.h"
#include "platform/forms/Timer.h"

namespace korvan::forms {

void RegisterStandardClasses() {
    static const bool done = [] {
        RegisterColorIdents();
        for (const TClassInfo* info : {&TForm::StaticClassInfo(),           &TLabel::StaticClassInfo(),
                                       &TEdit::StaticClassInfo(),           &TMemo::StaticClassInfo(),
                                       &TButton::StaticClassInfo(),         &TCheckBox::StaticClassInfo(),
                                       &TRadioButton::StaticClassInfo(),    &TListBox::StaticClassInfo(),
                                       &TComboBox::StaticClassInfo(),       &TGroupBox::StaticClassInfo(),
                                       &TPanel::StaticClassInfo(),          &TPaintBox::StaticClassInfo(),
                                       &TImage::StaticClassInfo(),          &TShape::StaticClassInfo(),
                                       &TBevel::StaticClassInfo(),          &TRadioGroup::StaticClassInfo(),
                                       &TScrollBox::StaticClassInfo(),      &TUpDown::StaticClassInfo(),
                                       &TPageControl::StaticClassInfo(),    &TTabSheet::StaticClassInfo(),
                                       &TMainMenu::StaticClassInfo(),       &TPopupMenu::StaticClassInfo(),
                                       &TMenuItem::StaticClassInfo(),       &TTimer::StaticClassInfo(),
                                       &TDateTimePicker::StaticClassInfo(), &TSpeedButton::StaticClassInfo(),
                                       &TRichEdit::StaticClassInfo()})
            RegisterClass(*info);
        RegisterClass(TProgressBar::StaticClassInfo());
        RegisterClass(TImageListComponent::StaticClassInfo());
        return true;
    }();
    (void)done;
}

} // namespace korvan::forms
