#pragma once

namespace korvan::curves {

// Brings a phase in units of 10 degrees into -18..+18 by whole turns of 36
// units. +18 and -18 stay as they are; a value above +18 lands in
// (-18, +18], one below -18 in [-18, +18). Non-finite values pass through.
double WrapPhaseUnits(double units);

} // namespace korvan::curves
