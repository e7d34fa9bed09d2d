#include "controls/plot/editor/EditorValueConverterPicker.h"

#include "controls/plot/editor/EditorEdit.h"
#include "platform/forms/TypeInfo.h"

const TClassInfo& TiComponentEditorValueConverterPicker::StaticClassInfo() {
    using C = TiComponentEditorValueConverterPicker;
    static const TClassInfo info =
        korvan::forms::ClassBuilder<C>("TiComponentEditorValueConverterPicker",
                                       &TiComponentEditorButton::StaticClassInfo())
            .Creator()
            .Property("Associate", &C::Associate, &C::SetAssociate)
            .Property("DateTime", &C::DateTime, &C::SetDateTime)
            .Default(0.0)
            .Enum("DefaultPage", &C::DefaultPage, &C::SetDefaultPage,
                  {"ivcptInterval", "ivcptDateTime", "ivcptPrice32nd"}, "TiValueConverterPageType")
            .Default(ivcptInterval)
            .Build();
    return info;
}

TiComponentEditorValueConverterPicker::TiComponentEditorValueConverterPicker(TComponent* owner)
    : TiComponentEditorButton(owner) {
    SetCaption("...");
    SetBounds(Left(), Top(), 21, 21);
    SetTabStop(true);
}

TiComponentEditorValueConverterPicker::~TiComponentEditorValueConverterPicker() {
    if (associate_)
        associate_->RemoveFreeNotification(this);
}

void TiComponentEditorValueConverterPicker::SetAssociate(TiComponentEditorEdit* value) {
    korvan::plot::AttachToField(this, associate_, value);
}

void TiComponentEditorValueConverterPicker::Notification(TComponent* component, TOperation operation) {
    TiComponentEditorButton::Notification(component, operation);
    if (operation == opRemove && component == associate_)
        associate_ = nullptr;
}

void TiComponentEditorValueConverterPicker::Click() {
    TiComponentEditorButton::Click();
    TiValueConverterEditForm form(this);
    form.ShowPage(defaultPage_);
    if (TranslationMethod)
        TranslationMethod(&form);
    form.SetValue(associate_ ? associate_->AsFloat() : dateTime_);
    if (form.ShowModal() != mrOk)
        return;
    dateTime_ = form.Value();
    if (associate_)
        associate_->SetDoubleWithEvent(dateTime_);
    if (OnChange)
        OnChange(this);
}
