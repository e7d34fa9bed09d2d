#pragma once
// The editor's text field. The editor loads it silently; the user's text
// is committed by Enter, by leaving the field or by the With-event setters,
// and a commit that changed the text fires OnUpdate once. Escape brings
// back the last loaded or committed text.

#include "platform/forms/StdCtrls.h"

#include <string>

class TiComponentEditorEdit : public TEdit {
    KORVAN_CLASS(TiComponentEditorEdit)
public:
    explicit TiComponentEditorEdit(TComponent* owner);

    // Off and emptied, silently.
    void Disable();
    // Off, keeping the text.
    void DisableNoClear();
    void Enable();
    void SetEnabled(bool value) override;

    // Silent setters: the text and the reference for change detection.
    std::string AsString() const { return Text(); }
    void SetAsString(const std::string& value);
    // 0 when the trimmed text is empty or no number.
    int AsInteger() const;
    void SetAsInteger(int value);
    double AsFloat() const;
    void SetAsFloat(double value);
    // Throws the conversion error of text that is no date-time.
    double AsDateTime() const;
    void SetAsDateTime(double value);

    // As the user: the text, the form's UserChange, then a commit.
    void SetStringWithEvent(const std::string& value);
    void SetIntegerWithEvent(int value);
    void SetDoubleWithEvent(double value);

    TNotifyEvent OnUpdate;
    unsigned GetDlgCode() const override;
    bool WantSpecialKey(std::uint16_t key) const override;
    void KeyDown(std::uint16_t& key, TShiftState shift) override;
    void KeyPress(char& key) override;
    void DoExit() override;

private:
    void CommitText();
    void SetSilently(const std::string& text);

    bool blockingEvents_ = false;
    std::string originalText_;
};

namespace korvan::plot {

// Makes `value` the field that `control` works beside: the old field no
// longer reports its destruction to `control`, the new one does, and
// `control` moves right of the new field with its top and height.
void AttachToField(TControl* control, TiComponentEditorEdit*& associate, TiComponentEditorEdit* value);

} // namespace korvan::plot
