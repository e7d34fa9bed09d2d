#include "platform/forms/Screen.h"

#include "platform/forms/ControlBridge.h"
#include "platform/forms/WinControl.h"

#include <QApplication>
#include <QCursor>

#include <map>

const TClassInfo& TScreen::StaticClassInfo() {
    static const TClassInfo info =
        korvan::forms::ClassBuilder<TScreen>("TScreen", &TComponent::StaticClassInfo()).Build();
    return info;
}

namespace {
TScreen& TheScreen() {
    // Never freed, like the application object.
    static TScreen* screen = new TScreen(nullptr);
    return *screen;
}

constexpr char kNativeCursor[] = "korvanNativeCursor";

Qt::CursorShape ShapeOf(TCursor cursor) {
    switch (cursor) {
    case crNone:
        return Qt::BlankCursor;
    case crCross:
        return Qt::CrossCursor;
    case crIBeam:
        return Qt::IBeamCursor;
    case crSizeNESW:
        return Qt::SizeBDiagCursor;
    case crSizeNS:
        return Qt::SizeVerCursor;
    case crSizeNWSE:
        return Qt::SizeFDiagCursor;
    case crSizeWE:
        return Qt::SizeHorCursor;
    case crUpArrow:
        return Qt::UpArrowCursor;
    case crHourGlass:
    case crSQLWait:
        return Qt::WaitCursor;
    case crDrag:
        return Qt::DragMoveCursor;
    case crMultiDrag:
        return Qt::DragCopyCursor;
    case crNoDrop:
    case crNo:
        return Qt::ForbiddenCursor;
    case crHSplit:
        return Qt::SplitHCursor;
    case crVSplit:
        return Qt::SplitVCursor;
    case crAppStart:
        return Qt::BusyCursor;
    case crHelp:
        return Qt::WhatsThisCursor;
    case crHandPoint:
        return Qt::PointingHandCursor;
    case crSizeAll:
        return Qt::SizeAllCursor;
    default:
        return Qt::ArrowCursor;
    }
}

// Sets a window's cursor; crDefault gives the window back the cursor it
// had of its own (an edit's I-beam, else the arrow).
void ApplyToWidget(QWidget* widget, TCursor cursor) {
    QVariant native = widget->property(kNativeCursor);
    if (!native.isValid()) {
        native = widget->testAttribute(Qt::WA_SetCursor) ? QVariant(widget->cursor()) : QVariant(QCursor());
        widget->setProperty(kNativeCursor, native);
    }
    if (cursor != crDefault)
        widget->setCursor(korvan::forms::QtCursorOf(cursor));
    else
        widget->setCursor(native.value<QCursor>());
}

} // namespace

TScreen* const Screen = &TheScreen();

struct TScreen::Registry {
    std::map<TCursor, QCursor> cursors;
};

TScreen::TScreen(TComponent* owner) : TComponent(owner), registered_(std::make_unique<Registry>()) {}

TScreen::~TScreen() = default;

void TScreen::SetCursor(TCursor cursor) {
    if (cursor == cursor_)
        return;
    const TCursor old = cursor_;
    cursor_ = cursor;
    if (!qApp)
        return;
    if (cursor == crDefault)
        QApplication::restoreOverrideCursor();
    else if (old == crDefault)
        QApplication::setOverrideCursor(Cursors(cursor));
    else
        QApplication::changeOverrideCursor(Cursors(cursor));
}

QCursor TScreen::Cursors(TCursor index) const {
    auto it = registered_->cursors.find(index);
    if (it != registered_->cursors.end())
        return it->second;
    return QCursor(ShapeOf(index));
}

void TScreen::SetCursors(TCursor index, const QCursor& cursor) {
    registered_->cursors[index] = cursor;
}

namespace korvan::forms {

QCursor QtCursorOf(TCursor cursor) {
    return Screen->Cursors(cursor);
}

namespace {
TWinControl* NearestWindow(TControl* control) {
    TControl* c = control;
    while (c && !c->IsWindowed())
        c = c->Parent();
    return static_cast<TWinControl*>(c);
}
} // namespace

void UpdateCursor(TControl* control) {
    if (control->IsWindowed()) {
        auto* w = static_cast<TWinControl*>(control);
        if (w->HandleAllocated())
            ApplyToWidget(w->Widget(), w->Cursor());
        return;
    }
    // A non-windowed control shows its cursor on the nearest window while
    // the pointer is over it; elsewhere the window shows its own.
    TWinControl* window = NearestWindow(control);
    if (!window || !window->HandleAllocated())
        return;
    TControl* under = Mouse().underMouse;
    const bool over = under && !under->IsWindowed() && NearestWindow(under) == window;
    const TCursor cursor = over && under->Cursor() != crDefault ? under->Cursor() : window->Cursor();
    ApplyToWidget(window->Widget(), cursor);
}

TPoint CursorPos() {
    const QPoint p = QCursor::pos();
    return Point(p.x(), p.y());
}

} // namespace korvan::forms
