#pragma once
// The main window's 81 level meters as data: each family of like meters
// with its kind (input level, output level, activity indicator) and place,
// and the one builder that puts them on a window as its stored form does.
// The Gain page's strips go on that page; the other pages' meters go where
// the caller says (no parent until those pages are built).

#include "platform/forms/LoadScope.h"

class LProgressBar;

namespace korvan {

enum class MeterKind {
    InputLevel,  // 1 / 2 / 6 segments, Max 9
    OutputLevel, // 1 / 3 / 4 segments, Max 8
    Activity,    // one orange segment, Max 1
};

// Sets the stored properties of a meter of `kind`, in the order a stored
// form lists them.
void SetMeterKind(LProgressBar& meter, MeterKind kind);

// Places every meter, owned by the scope's root: the Gain page's on
// `gainPage`, the rest on `otherPages` (which may be null).
void PlaceLevelMeters(forms::LoadScope& scope, TWinControl* gainPage, TWinControl* otherPages);

// The size `otherPages` needs to show its meters.
inline constexpr int OtherPagesWidth = 1072;
inline constexpr int OtherPagesHeight = 280;

} // namespace korvan
