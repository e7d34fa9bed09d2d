#pragma once
// TRzCustomGroupBox: a panel that frames a group of child controls with a
// caption in one of six styles. gsCustom paints exactly as a panel; the
// other styles draw a classic group frame, line, banner or underline.
// TRzGroupBox publishes it.

#include "controls/panels/Panel.h"

enum TRzGroupBoxStyle { gsStandard, gsCustom, gsTopLine, gsFlat, gsBanner, gsUnderline };

class TRzCustomGroupBox : public TRzCustomPanel {
    KORVAN_CLASS(TRzCustomGroupBox)
public:
    explicit TRzCustomGroupBox(TComponent* owner);
    ~TRzCustomGroupBox() override;

    TRzGroupBoxStyle GroupStyle() const { return groupStyle_; }
    virtual void SetGroupStyle(TRzGroupBoxStyle value);
    // 0: the caption's height plus 6.
    int BannerHeight() const { return bannerHeight_; }
    virtual void SetBannerHeight(int value);
    // The caption's font for every style but gsCustom; follows Font until
    // it is set on its own.
    TFont& CaptionFont() { return captionFont_; }
    TFont* CaptionFontObject() const { return const_cast<TFont*>(&captionFont_); }
    virtual void SetCaptionFont(TFont* value);
    bool CaptionFontChanged() const { return captionFontChanged_; }

    TRect AdjustClientRect(TRect rect) const override;
    void FramingChanged() override;
    void WndProc(TMessage& message) override;
    // Form scaling: a caption font of its own scales with the form.
    virtual void ChangeScale(int m, int d);
    void Paint() override;

protected:
    void FontChanged() override;

private:
    void PaintClassic();
    TRect CaptionRect(TCanvas& canvas) const;

    TRzGroupBoxStyle groupStyle_ = gsFlat;
    int bannerHeight_ = 0;
    TFont captionFont_;
    bool captionFontChanged_ = false;
    bool copyingFont_ = false;
};

class TRzGroupBox : public TRzCustomGroupBox {
    KORVAN_CLASS(TRzGroupBox)
public:
    using TRzCustomGroupBox::TRzCustomGroupBox;
};
