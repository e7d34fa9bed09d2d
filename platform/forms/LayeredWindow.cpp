#include "platform/forms/LayeredWindow.h"

#include <QEvent>
#include <QPainter>
#include <QWidget>

// The surface of a layered window: a child of the top-level window that
// covers it above every other child and paints the pushed picture over
// whatever was painted beneath, so only the picture reaches the screen.
class korvan_LayeredSurface : public QWidget {
public:
    explicit korvan_LayeredSurface(QWidget* window) : QWidget(window) {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setAttribute(Qt::WA_NoSystemBackground);
        window->installEventFilter(this);
        setGeometry(window->rect());
        raise();
        show();
    }

    void Push(const QImage& picture, std::uint8_t constantAlpha) {
        shown_ = QImage(picture.size(), QImage::Format_ARGB32_Premultiplied);
        shown_.fill(Qt::transparent);
        {
            QPainter p(&shown_);
            p.setOpacity(constantAlpha / 255.0);
            p.drawImage(0, 0, picture);
        }
        ++pushes_;
        setGeometry(parentWidget()->rect());
        raise();
        update();
    }
    const QImage& Shown() const { return shown_; }
    int Pushes() const { return pushes_; }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.setCompositionMode(QPainter::CompositionMode_Source);
        p.fillRect(rect(), Qt::transparent);
        if (!shown_.isNull())
            p.drawImage(0, 0, shown_);
    }
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == parentWidget()) {
            if (event->type() == QEvent::Resize)
                setGeometry(parentWidget()->rect());
            else if (event->type() == QEvent::ChildAdded)
                raise();
        }
        return QWidget::eventFilter(watched, event);
    }

private:
    QImage shown_;
    int pushes_ = 0;
};

namespace korvan::forms {

namespace {

// The surface class declares no meta-object, so it is told apart by its
// C++ type.
korvan_LayeredSurface* SurfaceOf(TCustomForm& form) {
    for (QObject* child : form.Window()->children())
        if (auto* surface = dynamic_cast<korvan_LayeredSurface*>(child))
            return surface;
    return nullptr;
}

} // namespace

void SetLayered(TCustomForm& form) {
    if (SurfaceOf(form))
        return;
    QWidget* window = form.Window();
    window->setAttribute(Qt::WA_TranslucentBackground);
    new korvan_LayeredSurface(window); // owned by the window
}

bool IsLayered(TCustomForm& form) {
    return SurfaceOf(form) != nullptr;
}

void UpdateLayeredWindow(TCustomForm& form, TPoint dest, const Gdiplus::Bitmap& picture,
                         std::uint8_t constantAlpha) {
    korvan_LayeredSurface* surface = SurfaceOf(form);
    if (!surface)
        return;
    if (dest.X != form.Left() || dest.Y != form.Top())
        form.SetBounds(dest.X, dest.Y, form.Width(), form.Height());
    surface->Push(picture.Qt(), constantAlpha);
}

std::unique_ptr<Gdiplus::Bitmap> LayeredPicture(TCustomForm& form) {
    korvan_LayeredSurface* surface = SurfaceOf(form);
    if (!surface || surface->Shown().isNull())
        return nullptr;
    return std::make_unique<Gdiplus::Bitmap>(surface->Shown().convertToFormat(QImage::Format_ARGB32));
}

int LayeredPushCount(TCustomForm& form) {
    korvan_LayeredSurface* surface = SurfaceOf(form);
    return surface ? surface->Pushes() : 0;
}

} // namespace korvan::forms
