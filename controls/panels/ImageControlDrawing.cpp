#include "controls/panels/ImageControlDrawing.h"

#include "controls/panels/FrameDrawing.h"

#include <algorithm>
#include <cstdint>
#include <limits>

TRect DrawFrame3D(TCanvas& canvas, TRect r, TColor topColor, TColor bottomColor, int width) {
    canvas.Pen().SetWidth(1);
    canvas.Pen().SetStyle(psSolid);
    --r.Right;
    --r.Bottom;
    // Rings stop where the rectangle has no room left, so an outline wider
    // than the control fills it and no more.
    int i = 0;
    for (; i < width && r.Left <= r.Right && r.Top <= r.Bottom; ++i) {
        canvas.Pen().SetColor(topColor);
        canvas.Polyline({Point(r.Left, r.Bottom), Point(r.Left, r.Top), Point(r.Right, r.Top)});
        canvas.Pen().SetColor(bottomColor);
        canvas.Polyline({Point(r.Right, r.Top), Point(r.Right, r.Bottom), Point(r.Left - 1, r.Bottom)});
        r = r.Inflate(-1, -1);
    }
    ++r.Right;
    ++r.Bottom;
    return i < width ? ShrinkSides(r, width - i, sdAllSides) : r;
}

ImageTextPlacement CalcImageTextLayout(TCanvas& canvas, const TRect& client, const std::string& caption,
                                       TVrImageTextLayout layout, int margin, int spacing, TSize imageSize) {
    const TPoint clientSize = Point(client.Width(), client.Height());
    TRect textBounds;
    TPoint textSize;
    if (!caption.empty()) {
        textBounds = Rect(0, 0, clientSize.X, 0);
        canvas.DrawText(caption, textBounds, DT_CALCRECT);
        textSize = Point(textBounds.Width(), textBounds.Height());
    }
    const TPoint image = Point(imageSize.cx, imageSize.cy);
    const bool horizontal = layout == ImageLeft || layout == ImageRight;
    // The layout direction, and the direction across it in which both are centred.
    int TPoint::*along = horizontal ? &TPoint::X : &TPoint::Y;
    int TPoint::*across = horizontal ? &TPoint::Y : &TPoint::X;

    // Margin and spacing may be any integers: the sums are taken wide.
    using Wide = std::int64_t;
    auto narrow = [](Wide v) {
        return int(
            std::clamp<Wide>(v, std::numeric_limits<int>::min() / 2, std::numeric_limits<int>::max() / 2));
    };
    TPoint imagePos, textPos;
    imagePos.*across = narrow((Wide(clientSize.*across) - image.*across + 1) / 2);
    textPos.*across = narrow((Wide(clientSize.*across) - textSize.*across + 1) / 2);

    Wide m = margin, s = spacing;
    if (textSize.X == 0 || image.X == 0)
        s = 0;
    const Wide room = clientSize.*along;
    const Wide imageLen = image.*along;
    const Wide textLen = textSize.*along;
    if (m == -1 && s == -1) {
        m = (room - (imageLen + textLen)) / 3;
        s = m;
    } else if (m == -1) {
        m = (room - (imageLen + s + textLen) + 1) / 2;
    } else if (s == -1) {
        s = ((room - (m + imageLen)) - textLen) / 2;
    }
    const bool imageFirst = layout == ImageLeft || layout == ImageTop;
    const Wide imageAt = imageFirst ? m : room - m - imageLen;
    const Wide textAt = imageFirst ? m + imageLen + s : imageAt - s - textLen;
    imagePos.*along = narrow(imageAt);
    textPos.*along = narrow(textAt);
    ImageTextPlacement out;
    out.ImagePos = Point(imagePos.X + client.Left, imagePos.Y + client.Top);
    out.TextBounds = textBounds.Offset(client.Left + textPos.X, client.Top + textPos.Y);
    return out;
}

void DrawEnabledText(TCanvas& canvas, const std::string& text, const TRect& r, bool enabled) {
    canvas.Brush().SetStyle(bsClear);
    TRect t = r;
    if (enabled) {
        canvas.DrawText(text, t, DT_SINGLELINE | DT_VCENTER | DT_CENTER);
        return;
    }
    t = r.Offset(1, 1);
    canvas.Font().SetColor(clBtnHighlight);
    canvas.DrawText(text, t, 0);
    t = r;
    canvas.Font().SetColor(clBtnShadow);
    canvas.DrawText(text, t, 0);
}

void TileBitmap(TCanvas& canvas, const TRect& r, TBitmap& bitmap) {
    const int w = bitmap.Width(), h = bitmap.Height();
    if (w <= 0 || h <= 0)
        return;
    for (int x = r.Left; x < r.Right; x += w)
        for (int y = r.Top; y < r.Bottom; y += h)
            canvas.Draw(x, y, bitmap);
}

unsigned TextAlignmentFlags(TVrTextAlignment alignment) {
    switch (alignment) {
    case vtaLeft:
        return DT_VCENTER | DT_LEFT;
    case vtaCenter:
        return DT_VCENTER | DT_CENTER;
    case vtaRight:
        return DT_VCENTER | DT_RIGHT;
    case vtaTopLeft:
        return DT_TOP | DT_LEFT;
    case vtaTop:
        return DT_CENTER;
    case vtaTopRight:
        return DT_RIGHT;
    case vtaBottomLeft:
        return DT_BOTTOM;
    case vtaBottom:
        return DT_BOTTOM | DT_CENTER;
    case vtaBottomRight:
        return DT_BOTTOM | DT_RIGHT;
    }
    return DT_VCENTER | DT_CENTER;
}
