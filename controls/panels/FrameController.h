#pragma once
// TRzFrameController: one set of frame and colour settings pushed to every
// control registered with it, through the framing interface or by
// published property names; loads and saves the settings through a
// TRzRegIniFile.

#include "controls/panels/ColorShading.h"
#include "controls/panels/FrameDrawing.h"
#include "controls/panels/FrameSettings.h"
#include "platform/forms/Component.h"
#include "platform/text/Exception.h"

#include <string>
#include <vector>

class TControl;
class TRzRegIniFile;

const std::vector<std::string>& FrameControllerPropertyNames();

// Controls that pull their frame values from the controller themselves.
class IFramingNotification {
public:
    virtual ~IFramingNotification() = default;
    virtual void FramingChanged() = 0;
};

// Load or Save without a storage component.
KORVAN_EXCEPTION_CLASS(ENoRegIniFile, Exception)

class TRzFrameController : public TComponent, public TRzFrameSettings {
    KORVAN_CLASS(TRzFrameController)
public:
    explicit TRzFrameController(TComponent* owner);
    ~TRzFrameController() override;

    TColor Color() const { return color_; }
    virtual void SetColor(TColor value);
    bool ParentColor() const { return parentColor_; }
    virtual void SetParentColor(bool value);
    TColor FlatButtonColor() const { return flatButtonColor_; }
    virtual void SetFlatButtonColor(TColor value);
    bool FlatButtons() const { return flatButtons_; }
    virtual void SetFlatButtons(bool value);
    TColor DisabledColor() const { return disabledColor_; }
    virtual void SetDisabledColor(TColor value);
    TColor ReadOnlyColor() const { return readOnlyColor_; }
    virtual void SetReadOnlyColor(TColor value);
    bool ReadOnlyColorOnFocus() const { return readOnlyColorOnFocus_; }
    virtual void SetReadOnlyColorOnFocus(bool value);
    TColor FocusColor() const { return focusColor_; }
    virtual void SetFocusColor(TColor value);
    TRzRegIniFile* RegIniFile() const { return regIniFile_; }
    virtual void SetRegIniFile(TRzRegIniFile* value);

    // Registering applies every setting at once; twice does nothing.
    void AddControl(TControl* control);
    void RemoveControl(TControl* control);
    int ControlCount() const { return int(frameList_.size()); }
    void BeginUpdate();
    // The last EndUpdate sends everything to every control.
    void EndUpdate();
    void UpdateControls();
    virtual void UpdateControl(TControl* control, TRzFrameControllerProperty code);
    virtual void UpdateControlsProperty(TRzFrameControllerProperty code);

    void Load(const std::string& section);
    void Save(const std::string& section);

    void Assign(TPersistent* source) override;
    void Loaded() override;
    void DefineProperties(TFiler& filer) override;

protected:
    void Notification(TComponent* component, TOperation operation) override;
    void FrameSettingChanged(TRzFrameControllerProperty code) override { UpdateControlsProperty(code); }

private:
    bool ColorStored() const { return !parentColor_; }
    void SetProperty(TControl* control, TRzFrameControllerProperty code);

    TColor color_ = clWindow;
    bool parentColor_ = false;
    std::vector<TControl*> frameList_;
    TColor flatButtonColor_ = clBtnFace;
    bool flatButtons_ = true;
    TColor disabledColor_ = clBtnFace;
    TColor readOnlyColor_ = clInfoBk;
    bool readOnlyColorOnFocus_ = false;
    TColor focusColor_ = clWindow;
    int updateCount_ = 0;
    TRzRegIniFile* regIniFile_ = nullptr;
};

// The frame-style names in order (fsNone..fsFlatRounded).
const std::vector<std::string>& FrameStyleNames();
// The side names in bit order (sdLeft..sdBottom).
const std::vector<std::string>& SideNames();
