#include "controls/gdip/TrackHintWindow.h"

#include "controls/gdip/TrackBarDrawing.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace korvan::gdip {

TRect FitHintRect(TRect rect, const TRect& monitor) {
    if (rect.Right > monitor.Right)
        rect = rect.Offset(monitor.Right - 2 - rect.Right, 0);
    if (rect.Bottom > monitor.Bottom)
        rect = rect.Offset(0, monitor.Bottom - 2 - rect.Bottom);
    return rect;
}

} // namespace korvan::gdip

namespace {

// The monitor nearest to `p`, in screen coordinates.
TRect MonitorRectAt(TPoint p) {
    QScreen* screen = QGuiApplication::screenAt(QPoint(p.X, p.Y));
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (!screen)
        return Rect(0, 0, 1 << 20, 1 << 20);
    const QRect g = screen->geometry();
    return Bounds(g.x(), g.y(), g.width(), g.height());
}

} // namespace

const TClassInfo& TTrackHintWindow::StaticClassInfo() {
    static const TClassInfo info =
        korvan::forms::ClassBuilder<TTrackHintWindow>("TTrackHintWindow", &TCustomForm::StaticClassInfo())
            .Build();
    return info;
}

TTrackHintWindow::TTrackHintWindow(TComponent* owner) : TCustomForm(owner) {
    SetBorderStyle(bsNone);
    SetFormStyle(fsStayOnTop);
    SetColor(clInfoBk);
    Window()->setAttribute(Qt::WA_ShowWithoutActivating);
}

TRect TTrackHintWindow::CalcHintRect(int /*maxWidth*/, const std::string& hint) const {
    const TSize size = korvan::gdip::TextSize(Font(), hint);
    return Rect(0, 0, size.cx, size.cy);
}

void TTrackHintWindow::ActivateHint(const TRect& rect, const std::string& hint) {
    text_ = hint;
    const TRect measured = CalcHintRect(0, hint);
    textWidth_ = measured.Width();
    textHeight_ = measured.Height();
    const TRect r = korvan::gdip::FitHintRect(Bounds(rect.Left, rect.Top, textWidth_ + 16, textHeight_ + 4),
                                              MonitorRectAt(Point(rect.Left, rect.Top)));
    SetBounds(r.Left, r.Top, r.Width(), r.Height());
    if (!Visible())
        Show();
    Invalidate();
}

void TTrackHintWindow::ReleaseHint() {
    Hide();
}

void TTrackHintWindow::Paint() {
    TCanvas& c = Canvas();
    const TRect r = ClientRect();
    c.Brush().SetColor(Color());
    c.Brush().SetStyle(bsSolid);
    c.FillRect(r);
    c.Pen().SetColor(cl3DLight);
    c.MoveTo(r.Left, r.Bottom - 2);
    c.LineTo(r.Left, r.Top);
    c.LineTo(r.Right - 1, r.Top);
    c.Pen().SetColor(cl3DDkShadow);
    c.MoveTo(r.Left, r.Bottom - 1);
    c.LineTo(r.Right - 1, r.Bottom - 1);
    c.LineTo(r.Right - 1, r.Top - 1);
    c.Font().Assign(Font());
    c.SetBkMode(TRANSPARENT);
    TRect text = r;
    std::string s = text_;
    c.TextRect(text, s, tfCenter | tfVerticalCenter | tfSingleLine);
}
