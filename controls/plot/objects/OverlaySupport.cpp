#include "controls/plot/objects/OverlaySupport.h"

#include "controls/plot/channels/ChannelHost.h"
#include "platform/gfx/Bitmap.h"

#include <algorithm>

namespace korvan::plot {

DataViewGeometry::DataViewGeometry(TComponent* owner) : owner_(owner) {
    if (IiPlotChannelHost* host = ChannelHostOf(owner))
        valid_ = host->DataViewDrawRect(rect_);
}

int DataViewGeometry::PercentToPixelsX(double percent) const {
    int pixels = 0;
    if (valid_)
        ChannelHostOf(owner_)->DataViewPercentToPixelsX(percent, pixels);
    return pixels;
}

int DataViewGeometry::PercentToPixelsY(double percent) const {
    int pixels = 0;
    if (valid_)
        ChannelHostOf(owner_)->DataViewPercentToPixelsY(percent, pixels);
    return pixels;
}

double DataViewGeometry::PixelsXToPercent(double pixels) const {
    if (!valid_)
        return 0;
    const int width = std::max(rect_.Right - rect_.Left, 1);
    return (pixels - rect_.Left) / width * 100.0;
}

double DataViewGeometry::PixelsYToPercent(double pixels) const {
    if (!valid_)
        return 0;
    const int height = std::max(rect_.Bottom - rect_.Top, 1);
    return (rect_.Bottom - pixels) / height * 100.0;
}

bool InteractionAllowed(TComponent* owner, bool selectModeOnlyInteraction) {
    if (!selectModeOnlyInteraction)
        return true;
    IiPlotChannelHost* host = ChannelHostOf(owner);
    return host && host->GetSelectActive();
}

void DropSelectionForOther(TiPlotObject& self, TObject* sender) {
    auto* other = dynamic_cast<TiPlotObject*>(sender);
    if (!other || other == &self || !other->UserSelected())
        return;
    self.SetUserSelected(false);
}

void RaiseObjectClick(TiPlotObject& object) {
    if (IiPlotChannelHost* host = ChannelHostOf(object.Owner()))
        host->DoObjectClick(&object);
}

TCursor PlotMouseCursor(TiPlotObject& object, TCursor cursor) {
    if (IiPlotChannelHost* host = ChannelHostOf(object.Owner()))
        host->DoGetMouseCursor(&object, cursor);
    return cursor;
}

void KeepPicture(std::unique_ptr<TBitmap>& picture, const TBitmap* value) {
    if (!value) {
        picture.reset();
        return;
    }
    if (!picture)
        picture = std::make_unique<TBitmap>();
    *picture = *value;
}

TBitmap LoadPicture(const std::string& fileName) {
    TBitmap bitmap;
    bitmap.LoadFromFile(fileName);
    return bitmap;
}

} // namespace korvan::plot
