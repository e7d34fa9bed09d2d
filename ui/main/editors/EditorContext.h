#pragma once
// What the curve and EQ editors reach of the main window: its controls by
// name, the device model with its send path, the eighteen curve
// calculators, the overlay marks, the update guard and the drag state. The
// main window fills it with its own fields; a test fills it with a bare
// form, calculators and a model.

#include "platform/forms/Component.h"
#include "ui/host/WindowHost.h"

#include <array>
#include <memory>
#include <string>

class Plot;
class LUnitControl;

namespace korvan::editors {

inline constexpr int CalculatorCount = 18;
inline constexpr int OverlayDisplayCount = 14;
inline constexpr int GainInDisplay = 12;
inline constexpr int GainOutDisplay = 13;
inline constexpr int FirstGeqDisplay = 14;
// The band index a channel holds while none of its bands is selected.
inline constexpr int NoBand = 15;

using Calculators = std::array<std::unique_ptr<Plot>, CalculatorCount>;
using OverlayMarks = std::array<int, OverlayDisplayCount>;

struct EditorContext {
    TComponent& form;
    WindowHost& host;
    Calculators& plots;
    OverlayMarks& overlayChanged;
    bool& updating;
    // The marker slot being dragged on a display, -1 when none.
    int& selectedCurveHandle;
    // The page on show (0..11 the channels, 14 the Gain page).
    int& currentPage;

    LUnitControl& Model() const { return host.Model(); }
    // The calculator of display d, or null.
    Plot* PlotAt(int d) const {
        return d >= 0 && d < CalculatorCount ? plots[static_cast<std::size_t>(d)].get() : nullptr;
    }
    // The control of that name when it is a T; null otherwise.
    template <class T> T* Find(const std::string& name) const {
        return dynamic_cast<T*>(form.FindComponent(name));
    }
};

} // namespace korvan::editors
