#include "platform/forms/WindowStyles.h"

#include <QBitmap>
#include <QWidget>

namespace korvan::forms {

namespace {

// Changing a window's flags hides it; a shown window is shown again (a
// window that shows without activating keeps doing so).
void SetFlag(QWidget* window, Qt::WindowType flag) {
    if (window->windowFlags().testFlag(flag))
        return;
    const bool shown = window->isVisible();
    window->setWindowFlag(flag, true);
    if (shown)
        window->show();
}

} // namespace

void SetNoActivate(TCustomForm& form) {
    QWidget* window = form.Window();
    window->setAttribute(Qt::WA_ShowWithoutActivating);
    // A tool-tip window is one that no platform activates on showing (the
    // others may, whatever the attribute says); it keeps its stay-on-top
    // flag and refuses the focus.
    const Qt::WindowFlags flags = window->windowFlags();
    const Qt::WindowFlags wanted =
        (flags & ~Qt::WindowType_Mask) | Qt::ToolTip | Qt::WindowDoesNotAcceptFocus;
    if (flags == wanted)
        return;
    const bool shown = window->isVisible();
    window->setWindowFlags(wanted);
    if (shown)
        window->show();
}

bool IsNoActivate(TCustomForm& form) {
    QWidget* window = form.Window();
    return window->testAttribute(Qt::WA_ShowWithoutActivating) && window->windowType() == Qt::ToolTip &&
           window->windowFlags().testFlag(Qt::WindowDoesNotAcceptFocus);
}

void MakeTopMost(TCustomForm& form) {
    QWidget* window = form.Window();
    SetFlag(window, Qt::WindowStaysOnTopHint);
    if (window->isVisible())
        window->raise();
}

bool IsTopMost(TCustomForm& form) {
    return form.Window()->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
}

void SetWindowRegion(TCustomForm& form, const gfx::Region& region) {
    QWidget* window = form.Window();
    if (region.IsEmpty())
        window->clearMask();
    else
        window->setMask(region.Qt());
}

gfx::Region WindowRegion(TCustomForm& form) {
    return gfx::Region(form.Window()->mask());
}

void SetAlphaBlend(TCustomForm& form, bool on, std::uint8_t value) {
    form.Window()->setWindowOpacity(on ? value / 255.0 : 1.0);
}

} // namespace korvan::forms
