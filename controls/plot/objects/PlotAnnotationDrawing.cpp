// How each annotation style is placed and painted, and the rectangles it
// leaves for hit tests and resizing.

#include "controls/plot/axes/PixelRounding.h"
#include "controls/plot/axes/XYAxes.h"
#include "controls/plot/channels/PlotChannelCustom.h"
#include "controls/plot/core/LineGeometry.h"
#include "controls/plot/core/PackDrawing.h"
#include "controls/plot/objects/ImageListHost.h"
#include "controls/plot/objects/OverlayHost.h"
#include "controls/plot/objects/OverlaySupport.h"
#include "controls/plot/objects/PlotAnnotation.h"
#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Canvas.h"
#include "platform/gfx/ImageList.h"

#include <algorithm>

using korvan::plot::SaturatedRound;

namespace {

bool Meets(const TRect& rect, const TRect& dataView) {
    return !IntersectRect(rect, dataView).IsEmpty();
}

} // namespace

bool TiPlotAnnotation::CanDraw(TRect& dataView) {
    bool anyView = false, anyChannel = false;
    for (Axis which : {PositionX, PositionY, SizeX, SizeY})
        (UsesChannel(which) ? anyChannel : anyView) = true;
    const korvan::plot::DataViewGeometry view(Owner());
    if (!view.Valid()) {
        // Without a data view nothing tells where the plot's inside is.
        if (anyView)
            return false;
    }
    dataView = view.Rect();
    if (anyChannel) {
        TiPlotChannelCustom* channel = Channel();
        if (!channel || !channel->HasAxes())
            return false;
    }
    return true;
}

void TiPlotAnnotation::ApplyShapePen(TCanvas& canvas, TColor backGroundColor) {
    canvas.Pen().SetColor(penColor_);
    canvas.Pen().SetWidth(penWidth_);
    canvas.Pen().SetStyle(penStyle_);
    canvas.Brush().SetColor(brushColor_);
    canvas.Brush().SetStyle(brushStyle_);
    canvas.SetBkColor(backGroundColor);
}

void TiPlotAnnotation::ApplyLinePen(TCanvas& canvas, TColor backGroundColor) {
    ApplyShapePen(canvas, backGroundColor);
    canvas.Brush().SetColor(backGroundColor);
}

void TiPlotAnnotation::SetSizeHandles(const TRect& rect, const TRect& dataView) {
    const TPoint corners[4] = {
        {rect.Left, rect.Top}, {rect.Right, rect.Top}, {rect.Left, rect.Bottom}, {rect.Right, rect.Bottom}};
    for (std::size_t i = 0; i < 4; ++i)
        sizeRects_[i] = IntersectRect(
            TRect{corners[i].X - 3, corners[i].Y - 3, corners[i].X + 3, corners[i].Y + 3}, dataView);
}

void TiPlotAnnotation::DrawFocusMark(TCanvas& canvas) {
    if (!UserSelected() || !showFocusRect_)
        return;
    if (canvas.Pen().Style() == psSolid)
        canvas.Brush().SetColor(canvas.Pen().Color());
    canvas.Brush().SetStyle(bsSolid);
    canvas.Pen().SetStyle(psSolid);
    for (const TRect& handle : sizeRects_)
        if (!handle.IsEmpty())
            canvas.PatBlt(handle.Left, handle.Top, handle.Width(), handle.Height(), DSTINVERT);
}

TRect TiPlotAnnotation::AnchoredTextRect(TCanvas& canvas, int px, int py, int grow) {
    canvas.Font().Assign(*font_);
    int tw = korvan::plot::MultiLineTextWidth(canvas, text_);
    int th = korvan::plot::GetTextHeight(canvas, text_);
    const TSize a = canvas.TextExtent("A");
    if (XYAxesReversed())
        std::swap(px, py);
    if (textRotation_ == ira090 || textRotation_ == ira270)
        std::swap(tw, th);
    tw += 2 * grow;
    th += 2 * grow;
    TRect r{px - tw / 2, py - th / 2, px - tw / 2 + tw, py - th / 2 + th};
    const int dx = SaturatedRound(a.cx * textHorzMargin_) + tw / 2;
    const int dy = SaturatedRound(a.cy * textVertMargin_) + th / 2;
    if (textHorzAlignment_ == iahLeft)
        r = r.Offset(dx, 0);
    else if (textHorzAlignment_ == iahRight)
        r = r.Offset(-dx, 0);
    if (textVertAlignment_ == iavTop)
        r = r.Offset(0, dy);
    else if (textVertAlignment_ == iavBottom)
        r = r.Offset(0, -dy);
    return r;
}

void TiPlotAnnotation::DrawText(TCanvas& canvas, const TRect& rect) {
    canvas.Brush().SetStyle(bsClear);
    TRect covered;
    korvan::plot::DrawRotatedText(canvas, text_, rect, font_->Color(), true, textLineAlignment_,
                                  textRotation_, covered);
}

void TiPlotAnnotation::Draw(TCanvas& canvas, TColor backGroundColor) {
    showing_ = false;
    if (!Visible())
        return;
    TRect dataView;
    if (!CanDraw(dataView))
        return;
    const int px = PositionXToPixels(x_), py = PositionYToPixels(y_);
    const int px2 = PositionXToPixels(x2_), py2 = PositionYToPixels(y2_);
    const int hw = SizeXToPixels(width_) / 2, hh = SizeYToPixels(height_) / 2;
    const bool rev = XYAxesReversed();

    bool clip = clipToAxes_;
    if (!clip && reference_ == iprtChannel)
        if (IiPlotOverlayHost* host = korvan::plot::OverlayHostOf(Owner()))
            clip = host->ClipAnnotationsToAxes();
    // Axes to clip to are known only through the channel.
    if (TiPlotChannelCustom* channel = clip && !channelName_.empty() ? Channel() : nullptr;
        channel && channel->HasAxes())
        canvas.IntersectClipRect(
            korvan::plot::GetXYRect(rev, channel->XAxis()->MinPixels(), channel->YAxis()->MinPixels(),
                                    channel->XAxis()->MaxPixels(), channel->YAxis()->MaxPixels()));

    const TRect centred = korvan::plot::GetXYRect(rev, px - hw, py - hh, px + hw, py + hh);
    switch (style_) {
    case ipasText: {
        const TRect r = AnchoredTextRect(canvas, px, py, 0);
        if (!Meets(r, dataView))
            return;
        DrawText(canvas, r);
        showing_ = true;
        clickRect_ = r;
        return;
    }
    case ipasTextBox: {
        const TRect box = AnchoredTextRect(canvas, px, py, outerMargin_);
        if (!Meets(box, dataView))
            return;
        ApplyShapePen(canvas, backGroundColor);
        canvas.Rectangle(box);
        DrawText(canvas, box.Inflate(-outerMargin_, -outerMargin_));
        showing_ = true;
        clickRect_ = box;
        return;
    }
    case ipasLine:
    case ipasLineX:
    case ipasLineY:
        DrawLineStyle(canvas, px, py, px2, py2, dataView, backGroundColor);
        return;
    case ipasRectangle:
    case ipasEllipse2:
        DrawShape(canvas, centred, dataView, backGroundColor);
        return;
    case ipasRectangle2:
    case ipasEllipse:
        DrawShape(canvas, korvan::plot::GetXYRect(rev, px, py, px2, py2), dataView, backGroundColor);
        return;
    case ipasTextRectangle:
        DrawTextRectangle(canvas, centred, dataView, backGroundColor);
        return;
    case ipasImage:
        DrawImage(canvas, px, py, dataView);
        return;
    case ipasPolygon:
        DrawPolygon(canvas, dataView, backGroundColor);
        return;
    }
}

void TiPlotAnnotation::DrawShape(TCanvas& canvas, const TRect& rect, const TRect& dataView,
                                 TColor backGroundColor) {
    if (!Meets(rect, dataView))
        return;
    ApplyShapePen(canvas, backGroundColor);
    if (style_ == ipasEllipse || style_ == ipasEllipse2)
        canvas.Ellipse(rect);
    else
        canvas.Rectangle(rect);
    showing_ = true;
    drawRect_ = rect;
    clickRect_ = IntersectRect(rect, dataView);
    SetSizeHandles(rect, dataView);
    DrawFocusMark(canvas);
}

void TiPlotAnnotation::DrawTextRectangle(TCanvas& canvas, const TRect& rect, const TRect& dataView,
                                         TColor backGroundColor) {
    canvas.Font().Assign(*font_);
    if (!Meets(rect, dataView))
        return;
    ApplyShapePen(canvas, backGroundColor);
    canvas.Rectangle(rect);
    SetSizeHandles(rect, dataView);
    DrawFocusMark(canvas);
    int tw = korvan::plot::MultiLineTextWidth(canvas, text_);
    int th = korvan::plot::GetTextHeight(canvas, text_);
    if (textRotation_ == ira090 || textRotation_ == ira270)
        std::swap(tw, th);
    const int mx = SaturatedRound(canvas.TextWidth("0") * textHorzMargin_);
    const int my = SaturatedRound(canvas.TextHeight("A") * textVertMargin_);
    TRect text = rect;
    if (textHorzAlignment_ == iahLeft) {
        text.Left = rect.Left + mx;
        text.Right = text.Left + tw;
    } else if (textHorzAlignment_ == iahRight) {
        text.Right = rect.Right - mx;
        text.Left = text.Right - tw;
    }
    if (textVertAlignment_ == iavTop) {
        text.Top = rect.Top + my;
        text.Bottom = text.Top + th;
    } else if (textVertAlignment_ == iavBottom) {
        text.Bottom = rect.Bottom - my;
        text.Top = text.Bottom - th;
    }
    DrawText(canvas, text);
    showing_ = true;
    drawRect_ = rect;
    clickRect_ = IntersectRect(rect, dataView);
}

void TiPlotAnnotation::DrawLineStyle(TCanvas& canvas, int px, int py, int px2, int py2, const TRect& dataView,
                                     TColor backGroundColor) {
    using korvan::plot::GetXYPoint;
    using korvan::plot::GetXYRect;
    const bool rev = XYAxesReversed();
    TPoint p1, p2;
    TRect click{};
    if (style_ == ipasLine) {
        p1 = GetXYPoint(rev, px, py);
        p2 = GetXYPoint(rev, px2, py2);
    } else if (style_ == ipasLineX) {
        const int t = rev ? dataView.Right : dataView.Top, b = rev ? dataView.Left : dataView.Bottom;
        p1 = GetXYPoint(rev, px, t);
        p2 = GetXYPoint(rev, px, b);
        click = GetXYRect(rev, px - 5, t, px + 5, b);
    } else {
        const int r = rev ? dataView.Top : dataView.Right, l = rev ? dataView.Bottom : dataView.Left;
        p1 = GetXYPoint(rev, r, py);
        p2 = GetXYPoint(rev, l, py);
        click = GetXYRect(rev, r, py - 5, l, py + 5);
    }
    if (!korvan::plot::LineIntersectsRect(p1, p2, dataView))
        return;
    ApplyLinePen(canvas, backGroundColor);
    canvas.MoveTo(p1.X, p1.Y);
    canvas.LineTo(p2.X, p2.Y);
    // A free line has no grip: it is never hit.
    if (style_ == ipasLine)
        return;
    showing_ = true;
    clickRect_ = click;
}

void TiPlotAnnotation::DrawImage(TCanvas& canvas, int px, int py, const TRect& dataView) {
    const TPoint a = korvan::plot::GetXYPoint(XYAxesReversed(), px, py);
    // A picture of w x h centred on the anchor.
    auto centred = [&](int w, int h) {
        return TRect{a.X - w / 2, a.Y - h / 2, a.X - w / 2 + w, a.Y - h / 2 + h};
    };
    TRect r{};
    if (image_ && !image_->Empty()) {
        r = centred(image_->Width(), image_->Height());
        if (!Meets(r, dataView))
            return;
        const bool transparent = image_->Transparent();
        image_->SetTransparentColor(image_->Canvas().Pixel(0, image_->Height() - 1));
        image_->SetTransparent(transparent);
        canvas.Draw(r.Left, r.Top, *image_);
    } else {
        const IiPlotImageListHost* host = korvan::plot::ImageListHostOf(Owner());
        const TImageList* list = host ? host->PlotImageList(std::clamp(imageListIndex_, 0, 2)) : nullptr;
        if (!list)
            return;
        r = centred(list->Width(), list->Height());
        if (!Meets(r, dataView))
            return;
        list->Draw(canvas, r.Left, r.Top, imageIndex_, Enabled());
    }
    showing_ = true;
    clickRect_ = r;
}

void TiPlotAnnotation::DrawPolygon(TCanvas& canvas, const TRect& dataView, TColor backGroundColor) {
    if (polyPoints_.size() < 2)
        return;
    std::vector<TPoint> points;
    for (const TiPlotAnnotationPoint& p : polyPoints_)
        points.push_back(
            korvan::plot::GetXYPoint(XYAxesReversed(), PositionXToPixels(p.X), PositionYToPixels(p.Y)));
    TRect box{points[0].X, points[0].Y, points[0].X, points[0].Y};
    for (const TPoint& p : points)
        box = TRect{std::min(box.Left, p.X), std::min(box.Top, p.Y), std::max(box.Right, p.X + 1),
                    std::max(box.Bottom, p.Y + 1)};
    if (!Meets(box, dataView))
        return;
    ApplyShapePen(canvas, backGroundColor);
    canvas.SetPolyFillMode(WINDING);
    canvas.Polygon(points);
    showing_ = true;
    drawRect_ = box;
    clickRect_ = IntersectRect(box, dataView);
    SetSizeHandles(box, dataView);
    DrawFocusMark(canvas);
}
