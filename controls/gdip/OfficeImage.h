#pragma once
// TAdvOfficeImage: a non-windowed control that shows one picture, centred
// in its box (cut evenly when larger) or stretched to it, and carries an
// office-style hint description (TAdvHintInfo: title, notes, picture).

#include "controls/gdip/GDIPicture.h"
#include "platform/forms/Control.h"
#include "platform/forms/Persistent.h"
#include "platform/forms/Strings.h"

#include <cstdint>
#include <memory>
#include <string>

class TAdvHintInfo : public TPersistent {
    KORVAN_CLASS(TAdvHintInfo)
public:
    TAdvHintInfo();
    ~TAdvHintInfo() override;
    // Title, notes, ShowHelp, picture and the wide texts of another hint
    // info; any other source is ignored.
    void Assign(TPersistent* source) override;
    // No title and no notes (the picture and ShowHelp do not count).
    bool IsEmpty() const;

    TGDIPPicture* Picture() const { return picture_.get(); }
    void SetPicture(TGDIPPicture* value);
    bool ShowHelp() const { return showHelp_; }
    void SetShowHelp(bool value) { showHelp_ = value; }
    TStrings* Notes() const { return notes_.get(); }
    void SetNotes(TStrings* value);
    const std::string& Title() const { return title_; }
    void SetTitle(const std::string& value) { title_ = value; }
    const std::string& WideTitle() const { return wideTitle_; }
    void SetWideTitle(const std::string& value) { wideTitle_ = value; }
    const std::string& WideNotes() const { return wideNotes_; }
    void SetWideNotes(const std::string& value) { wideNotes_ = value; }

private:
    std::unique_ptr<TGDIPPicture> picture_;
    bool showHelp_ = false;
    std::unique_ptr<TStringList> notes_;
    std::string title_, wideTitle_, wideNotes_;
};

class TAdvOfficeImage : public TGraphicControl {
    KORVAN_CLASS(TAdvOfficeImage)
public:
    explicit TAdvOfficeImage(TComponent* owner);
    ~TAdvOfficeImage() override;

    TGDIPPicture* Picture() const { return picture_.get(); }
    void SetPicture(TGDIPPicture* value);
    bool Center() const { return center_; }
    void SetCenter(bool value);
    bool Stretch() const { return stretch_; }
    void SetStretch(bool value);
    TAdvHintInfo* OfficeHint() const { return officeHint_.get(); }
    void SetOfficeHint(TAdvHintInfo* value) { officeHint_->Assign(value); }
    // "1.1.0.0"; writing it is ignored.
    std::string Version() const;
    void SetVersion(const std::string&) {}

    // Draws the picture on a canvas of the control's size; with no picture
    // only a design-time outline.
    virtual void PaintImage(TCanvas& canvas);
    // Major, minor, release and build, one byte each from the high byte.
    virtual std::uint32_t GetVersionNr() const;

protected:
    void Paint() override;

private:
    std::unique_ptr<TGDIPPicture> picture_;
    bool center_ = true;
    bool stretch_ = false;
    std::unique_ptr<TAdvHintInfo> officeHint_;
};
