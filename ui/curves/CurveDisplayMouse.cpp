// The display's own mouse handling: pan, zoom and box zoom of the ranges.
// The editor's displays leave it unused (their mouse events go to the main
// window), but it is part of the component.

#include "ui/curves/CurveDisplay.h"

#include <cmath>

namespace korvan::curves {

void CurveDisplay::DrawZoomBox() {
    if (!zoomBox_) {
        return;
    }
    // Drawn inverting, so drawing the same box again erases it.
    TCanvas& canvas = Canvas();
    canvas.Brush().SetStyle(bsClear);
    canvas.Pen().SetColor(clBlack);
    canvas.Pen().SetWidth(1);
    canvas.Pen().SetStyle(psDot);
    canvas.Pen().SetMode(pmNot);
    canvas.Rectangle(*zoomBox_);
    canvas.Pen().SetMode(pmCopy);
    canvas.Pen().SetStyle(psSolid);
}

void CurveDisplay::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    MouseDown1(button, shift, x, y);
}

void CurveDisplay::MouseMove(TShiftState shift, int x, int y) {
    MouseMove1(shift, x, y);
}

void CurveDisplay::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    MouseUp1(button, shift, x, y);
}

void CurveDisplay::DblClick() {
    DblClick1();
}

void CurveDisplay::MouseDown1(TMouseButton button, TShiftState shift, int x, int y) {
    TPaintBox::MouseDown(button, shift, x, y);
    if (!mouseControl_) {
        return;
    }
    if (button == mbLeft) {
        const TShiftState exact = shift & (ssShift | ssAlt | ssCtrl | ssLeft | ssRight | ssMiddle);
        if (exact == (ssAlt | ssLeft) || exact == (ssAlt | ssRight)) {
            zooming_ = true;
        } else if (exact == (ssCtrl | ssLeft)) {
            boxZooming_ = true;
            zoomBox_ = TRect{x, y, x + 2, y + 2};
            dragStartX_ = x;
            dragStartY_ = y;
            DrawZoomBox();
        } else {
            panning_ = true;
        }
    }
    lastMouseX_ = x;
    lastMouseY_ = y;
}

void CurveDisplay::MouseMove1(TShiftState shift, int x, int y) {
    TPaintBox::MouseMove(shift, x, y);
    if (!mouseControl_) {
        return;
    }
    const int w = GetPlotWidth();
    const int h = GetPlotHeight();
    if ((panning_ || zooming_) && w > 0 && h > 0) {
        const int dx = x - lastMouseX_;
        const int dy = y - lastMouseY_;
        double xMin = scales_.XMin;
        double xMax = scales_.XMax;
        double yMin = scales_.YMin;
        double yMax = scales_.YMax;
        // Moves an end of a range by d data units (Log: by a factor 10^d).
        auto shiftEnd = [](double& end, double d, bool log) {
            end = log ? end * std::pow(10.0, d) : end + d;
        };
        const bool xLog = scales_.XAxisFormat == Log;
        const bool yLog = scales_.YAxisFormat == Log;
        const double dX = dx * (xLog ? scales_.LogXMax - scales_.LogXMin : scales_.XMax - scales_.XMin) / w;
        const double dY = dy * (yLog ? scales_.LogYMax - scales_.LogYMin : scales_.YMax - scales_.YMin) / h;
        if (panning_) {
            shiftEnd(xMin, -dX, xLog);
            shiftEnd(xMax, -dX, xLog);
            shiftEnd(yMin, dY, yLog);
            shiftEnd(yMax, dY, yLog);
        } else {
            shiftEnd(xMin, dX, xLog);
            shiftEnd(xMax, -dX, xLog);
            shiftEnd(yMin, -dY, yLog);
            shiftEnd(yMax, dY, yLog);
        }
        SetXYMinMax(xMin, xMax, yMin, yMax);
        if (!autoRedraw_) {
            DrawAllPlots();
            DrawXAxisLabels();
            DrawYAxisLabels();
        }
    } else if (boxZooming_) {
        DrawZoomBox();
        zoomBox_ = TRect{dragStartX_, dragStartY_, x, y}.Normalized();
        DrawZoomBox();
    }
    lastMouseX_ = x;
    lastMouseY_ = y;
    mouseX_ = PlotX(x);
    mouseY_ = PlotY(y);
    if (!panning_ && !zooming_) {
        DrawMouseCoord();
    }
}

void CurveDisplay::MouseUp1(TMouseButton button, TShiftState shift, int x, int y) {
    TPaintBox::MouseUp(button, shift, x, y);
    if (!mouseControl_) {
        return;
    }
    panning_ = false;
    zooming_ = false;
    if (boxZooming_) {
        DrawZoomBox();
        const TRect box = *zoomBox_;
        zoomBox_.reset();
        boxZooming_ = false;
        SetXYMinMax(PlotX(box.Left), PlotX(box.Right), PlotY(box.Bottom), PlotY(box.Top));
    }
}

void CurveDisplay::DblClick1() {
    TPaintBox::DblClick();
    if (!mouseControl_) {
        return;
    }
    FindYMaxMin();
    FindXMaxMin();
    DrawPlotsAndLabels();
}

} // namespace korvan::curves
