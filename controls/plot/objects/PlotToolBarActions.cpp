// What the toolbar's buttons do. Every action asks the plot first and may
// be cancelled there; only an action that goes ahead releases the other
// buttons of its group, so a cancelled click leaves the group as it was.

#include "controls/plot/objects/PlotToolBar.h"

#include "controls/plot/axes/XYAxes.h"
#include "controls/plot/component/PlotComponent.h"
#include "controls/plot/master/MasterManager.h"
#include "controls/plot/master/PlotKinds.h"

namespace kind = korvan::plot::kind;

template <class Step> void TiPlotToolBar::Run(TiPlotToolBarButtonType kind, Step step, bool after) {
    TiPlotComponent* plot = Plot();
    bool cancel = false;
    if (plot)
        plot->DoBeforeToolBarButtonClick(this, kind, cancel);
    if (cancel)
        return;
    if (const TiPlotToolBarButton* button = Button(kind))
        ReleaseGroup(button);
    step(plot);
    if (after && plot)
        plot->DoToolBarButtonClick(this, kind);
}

void TiPlotToolBar::ReleaseGroup(const TiPlotToolBarButton* clicked) {
    if (clicked->GroupIndex() == 0)
        return;
    for (TiPlotToolBarButton* button : buttonPtrs_)
        if (button != clicked && button->GroupIndex() == clicked->GroupIndex())
            button->SetDown(false);
}

void TiPlotToolBar::DoButtonClickResume() {
    Run(iptbbtResume, [this](TiPlotComponent* plot) {
        if (cursor_->Down())
            DoButtonClickCursor();
        if (select_->Down())
            DoButtonClickSelect();
        if (!plot)
            return;
        plot->Master()->ObjectManager()->ClearAllUserSelections();
        plot->EnableAllTracking();
    });
}

void TiPlotToolBar::DoButtonClickPause() {
    Run(iptbbtPause, [](TiPlotComponent* plot) {
        if (plot)
            plot->DisableAllTracking();
    });
}

void TiPlotToolBar::SetAxesMode(bool zoom) {
    Run(zoom ? iptbbtZoomAxesMode : iptbbtScrollAxesMode, [this, zoom](TiPlotComponent* plot) {
        (zoom ? zoomMode_ : scrollMode_)->SetDown(true);
        (zoom ? scrollMode_ : zoomMode_)->SetDown(false);
        if (!plot)
            return;
        const TiPlotAxisMode mode = zoom ? ipamZoom : ipamScroll;
        for (int i = 0; i < plot->XAxisCount(); ++i)
            plot->XAxis(i)->SetMode(mode);
        for (int i = 0; i < plot->YAxisCount(); ++i)
            plot->YAxis(i)->SetMode(mode);
    });
}

void TiPlotToolBar::DoButtonClickScrollAxesMode() {
    SetAxesMode(false);
}

void TiPlotToolBar::DoButtonClickZoomAxesMode() {
    SetAxesMode(true);
}

// Pauses tracking first, with the pause button's own events.
void TiPlotToolBar::ZoomAll(bool in) {
    Run(in ? iptbbtZoomIn : iptbbtZoomOut, [this, in](TiPlotComponent* plot) {
        DoButtonClickPause();
        if (!plot)
            return;
        auto zoom = [this, in](TiPlotAxis* axis) {
            if (axis->ScaleType() == ipstLinear)
                axis->Zoom(in ? 1.0 / zoomInOutFactor_ : zoomInOutFactor_);
            else
                axis->Zoom(in ? -1.0 : 1.0);
        };
        for (int i = 0; i < plot->XAxisCount(); ++i)
            zoom(plot->XAxis(i));
        for (int i = 0; i < plot->YAxisCount(); ++i)
            zoom(plot->YAxis(i));
    });
}

void TiPlotToolBar::DoButtonClickZoomOut() {
    ZoomAll(false);
}

void TiPlotToolBar::DoButtonClickZoomIn() {
    ZoomAll(true);
}

void TiPlotToolBar::DoButtonClickSelect() {
    Run(iptbbtSelect, [this](TiPlotComponent*) {
        select_->SetDown(!select_->Down());
        zoomBox_->SetDown(false);
    });
}

void TiPlotToolBar::DoButtonClickZoomBox() {
    Run(iptbbtZoomBox, [this](TiPlotComponent*) {
        select_->SetDown(false);
        zoomBox_->SetDown(!zoomBox_->Down());
    });
}

void TiPlotToolBar::DoButtonClickCursor() {
    Run(iptbbtCursor, [this](TiPlotComponent*) { cursor_->SetDown(!cursor_->Down()); });
}

// The plot's run-time property editor.
void TiPlotToolBar::DoButtonClickEdit() {
    Run(
        iptbbtEdit,
        [](TiPlotComponent* plot) {
            if (plot)
                plot->Master()->EditProperties();
        },
        false);
}

// Copy, save, print and preview hand the whole plot to its own output
// routines.
void TiPlotToolBar::DoButtonClickCopy() {
    Run(iptbbtCopy, [](TiPlotComponent* plot) {
        if (plot)
            plot->CopyToClipBoard();
    });
}

void TiPlotToolBar::DoButtonClickSave() {
    Run(iptbbtSave, [](TiPlotComponent* plot) {
        if (plot)
            plot->Save();
    });
}

void TiPlotToolBar::DoButtonClickPrint() {
    Run(iptbbtPrint, [](TiPlotComponent* plot) {
        if (plot)
            plot->PrintChart();
    });
}

void TiPlotToolBar::DoButtonClickPreview() {
    Run(iptbbtPreview, [](TiPlotComponent* plot) {
        if (plot)
            plot->PreviewChart();
    });
}

void TiPlotToolBar::CursorDownChanged() {
    TiPlotComponent* plot = Plot();
    if (!plot)
        return;
    const bool down = cursor_->Down();
    for (int i = 0; i < plot->DataCursorCount(); ++i)
        plot->KindObject(kind::DataCursor, i)->SetVisible(down);
    if (!down)
        return;
    plot->DisableAllTracking();
    if (plot->DataCursorCount() > 0)
        plot->KindObject(kind::DataCursor, 0)->SetUserSelected(true);
}

void TiPlotToolBar::SelectDownChanged() {
    TiPlotComponent* plot = Plot();
    if (!plot)
        return;
    if (select_->Down())
        plot->DisableAllTracking();
    plot->SetSelectActive(select_->Down());
}
