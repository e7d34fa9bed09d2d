#pragma once
// Helpers the plot's overlays (tables, data cursors, limits, annotations)
// and labels share: data view 0's geometry as the plot lays it out, the select-mode
// rule of mouse interaction, dropping a selection when another object
// takes the focus, and keeping a picture of their own.

#include "controls/plot/core/PlotObject.h"
#include "platform/gfx/Types.h"

#include <memory>
#include <string>

class TBitmap;
class TComponent;

namespace korvan::plot {

// Data view 0 of the plot that owns an object: percentages run from 0 at
// its left (bottom) edge to 100 at its right (top) edge. Invalid when the
// owner has no data view.
class DataViewGeometry {
public:
    explicit DataViewGeometry(TComponent* owner);
    bool Valid() const { return valid_; }
    const TRect& Rect() const { return rect_; }
    int PercentToPixelsX(double percent) const;
    int PercentToPixelsY(double percent) const;
    // A view of no width or height counts as one pixel.
    double PixelsXToPercent(double pixels) const;
    double PixelsYToPercent(double pixels) const;

private:
    TComponent* owner_;
    bool valid_ = false;
    TRect rect_{};
};

// Whether the plot lets the mouse reach an object that interacts only in
// select mode (the plot's toolbar Select button).
bool InteractionAllowed(TComponent* owner, bool selectModeOnlyInteraction);

// Another user-selected object took the focus: `self` drops its own
// selection.
void DropSelectionForOther(TiPlotObject& self, TObject* sender);

// The object's click event on the plot.
void RaiseObjectClick(TiPlotObject& object);
// The plot may replace the cursor the object chose.
TCursor PlotMouseCursor(TiPlotObject& object, TCursor cursor);

// An object's own picture: a copy of `value`, or none for null.
void KeepPicture(std::unique_ptr<TBitmap>& picture, const TBitmap* value);
TBitmap LoadPicture(const std::string& fileName);

} // namespace korvan::plot
