#pragma once
// A label: a caption band on one side of the data view, showing a line of
// text, its own picture, or a picture from one of the plot's image lists.
// Label 0 of a plot is its title. Margins are counted in the size of the
// character "0" of the label's font: across the band in its height, along
// it in its width.

#include "controls/plot/core/PlotLayoutObject.h"

#include <memory>
#include <string>

class TBitmap;
class TFont;

class TiPlotLabel : public TiPlotLayoutObject {
    KORVAN_CLASS(TiPlotLabel)
public:
    TiPlotLabel(TComponent* owner, TNotifyEvent onChange, TNotifyEvent onInsert, TNotifyEvent onRemove,
                TNotifyEvent onRename);

    TiLayoutRole LayoutRole() const override { return TiLayoutRole::Label; }

    // --- published ---
    double MarginLeft() const { return marginLeft_; }
    void SetMarginLeft(double value) { SetDoubleProperty(value, marginLeft_, &TiPlotObject::DoChange); }
    double MarginTop() const { return marginTop_; }
    void SetMarginTop(double value) { SetDoubleProperty(value, marginTop_, &TiPlotObject::DoChange); }
    double MarginRight() const { return marginRight_; }
    void SetMarginRight(double value) { SetDoubleProperty(value, marginRight_, &TiPlotObject::DoChange); }
    double MarginBottom() const { return marginBottom_; }
    void SetMarginBottom(double value) { SetDoubleProperty(value, marginBottom_, &TiPlotObject::DoChange); }
    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& value) { SetStringProperty(value, caption_, &TiPlotObject::DoChange); }
    TiAlignmentHorizontal Alignment() const { return alignment_; }
    void SetAlignment(TiAlignmentHorizontal value);
    TFont* Font() const { return font_.get(); }
    // Copies the font's settings.
    void SetFont(TFont* value);
    int ImageListIndex() const { return imageListIndex_; }
    void SetImageListIndex(int value) { SetIntegerProperty(value, imageListIndex_, &TiPlotObject::DoChange); }
    int ImageIndex() const { return imageIndex_; }
    void SetImageIndex(int value) { SetIntegerProperty(value, imageIndex_, &TiPlotObject::DoChange); }

    // --- its own picture ---
    TBitmap* Image() const { return image_.get(); }
    // Keeps a copy; null frees the picture. Both notify a change.
    void SetImage(const TBitmap* value);
    void ImageLoadFromFile(const std::string& fileName);
    // A change only when there was a picture.
    void ImageClear();

    // --- measured by GetRequiredWidth and Draw ---
    int MarginTopPixels() const { return marginTopPixels_; }
    int MarginBottomPixels() const { return marginBottomPixels_; }
    int MarginLeftPixels() const { return marginLeftPixels_; }
    int MarginRightPixels() const { return marginRightPixels_; }

    // The caption's height and the margins across the band.
    int GetRequiredWidth(TCanvas& canvas) override;
    void Draw(TCanvas& canvas, TColor backGroundColor) override;

protected:
    ~TiPlotLabel() override;

private:
    void Measure(TCanvas& canvas);
    // The left edge of a picture `width` wide in the band.
    int PictureLeft(int width) const;
    void DrawCaption(TCanvas& canvas);

    int requiredWidth_ = 0;
    int marginTopPixels_ = 0, marginBottomPixels_ = 0, marginLeftPixels_ = 0, marginRightPixels_ = 0;
    std::string caption_;
    double marginLeft_ = 0, marginRight_ = 0, marginBottom_ = 0, marginTop_ = 0;
    std::unique_ptr<TFont> font_;
    TiAlignmentHorizontal alignment_ = iahCenter;
    std::unique_ptr<TBitmap> image_;
    int imageListIndex_ = -1;
    int imageIndex_ = 0;
};
